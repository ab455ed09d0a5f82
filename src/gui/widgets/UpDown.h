#pragma once

#include <QWidget>

class QToolButton;

namespace gorlin {

/// An arrows-only up-down control with a position in [Min, Max] (as a date range's stepper).
class UpDown final : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);
    void SetRange(int min, int max, int position);
    int Min() const { return m_min; }
    int Max() const { return m_max; }
    int Position() const { return m_position; }
    /// Moves one step (+1 up, -1 down) within the range; emits Changed when it moved.
    void Step(int delta);

signals:
    void Changed(int position);

private:
    QToolButton* m_up;
    QToolButton* m_down;
    int m_min = 0;
    int m_max = 0;
    int m_position = 0;
};

} // namespace gorlin
