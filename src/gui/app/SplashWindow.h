#pragma once

#include <QWidget>

namespace gorlin {

/// The start-up splash: a frameless box showing the program name and version, painted at once.
class SplashWindow final : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    /// Shows the splash centred on the screen and paints it before returning.
    void ShowNow();
    /// Closes and deletes the splash `ms` milliseconds after the message loop runs.
    void CloseAfterLoopStarts(int ms);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace gorlin
