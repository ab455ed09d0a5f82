#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QTimer;
class QVBoxLayout;
class QWidget;

namespace gorlin {

struct League;

/// A football rolling across a strip of grass, drawn for frame 0..kFrames-1.
class AboutAnimation final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kFrames = 6;
    explicit AboutAnimation(QWidget* parent = nullptr);
    int Frame() const { return m_frame; }
    void Advance();
    QSize sizeHint() const override { return {96, 96}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_frame = 0;
};

/// Product name, version, credits, the animation and the two links. Opened from the league
/// window (league given) it has a hidden statistics panel that appears when the last three keys
/// typed spell kStatsCode; any key typed while it shows hides it again.
class AboutBox final : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kStatsCode = "GOR";
    static constexpr int kFrameIntervalMs = 100;

    explicit AboutBox(const League* league, QWidget* parent = nullptr);

    bool StatsVisible() const;
    const AboutAnimation* Animation() const { return m_animation; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// The name, version, credits and links beside the animation.
    QVBoxLayout* BuildTexts();
    /// The league's statistics panel, hidden until its code is typed.
    QWidget* BuildStatistics(const League& league);
    void StartAnimation();
    /// Takes one typed key; returns true when it was used.
    bool KeyTyped(const QString& text);

    const League* m_league;
    AboutAnimation* m_animation = nullptr;
    QTimer* m_timer = nullptr;
    QWidget* m_stats = nullptr;
    QString m_typed;
};

} // namespace gorlin
