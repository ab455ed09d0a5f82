#include "gui/app/SplashWindow.h"

#include "core/Version.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace gorlin {

SplashWindow::SplashWindow(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName("SplashWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(360, 200);
}

void SplashWindow::ShowNow() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void SplashWindow::CloseAfterLoopStarts(int ms) {
    // A single-shot timer only counts once the loop runs, so the splash survives a slow start.
    QTimer::singleShot(ms, this, &QWidget::close);
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0x1f, 0x6f, 0x3a));
    g.setColorAt(1, QColor(0x0e, 0x3d, 0x1f));
    p.fillRect(r, g);
    p.setPen(QPen(QColor(255, 255, 255, 160), 1));
    p.drawRect(r);
    // Pitch markings behind the name.
    p.setPen(QPen(QColor(255, 255, 255, 50), 2));
    p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
    p.drawEllipse(r.center(), 48, 48);

    QFont title = font();
    title.setPointSize(30);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(r.adjusted(0, 0, 0, -30), Qt::AlignCenter, QString::fromLatin1(kProgramCaption));
    QFont small = font();
    small.setPointSize(10);
    p.setFont(small);
    p.drawText(r.adjusted(0, 0, 0, -16), Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("Loading..."));
}

} // namespace gorlin
