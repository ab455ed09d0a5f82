#include "gui/league/TeamStatsPictures.h"

#include <QPainter>
#include <QPainterPath>

namespace gorlin {

namespace {

QPixmap Blank(int width, int height) {
    QPixmap pix(width, height);
    pix.fill(Qt::transparent);
    return pix;
}

} // namespace

QPixmap LeagueGamePicture() {
    QPixmap pix = Blank(kTeamPictureSize, kTeamPictureSize);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    // A black patch in the middle and the seams to the edge.
    QPolygonF patch;
    for (const auto& [x, y] : {std::pair{8.0, 5.0}, {10.9, 7.1}, {9.8, 10.5}, {6.2, 10.5}, {5.1, 7.1}})
        patch << QPointF(x, y);
    p.setBrush(Qt::black);
    p.drawPolygon(patch);
    p.drawLine(QPointF(8, 5), QPointF(8, 2));
    p.drawLine(QPointF(10.9, 7.1), QPointF(14, 6.2));
    p.drawLine(QPointF(9.8, 10.5), QPointF(11.6, 13.4));
    p.drawLine(QPointF(6.2, 10.5), QPointF(4.4, 13.4));
    p.drawLine(QPointF(5.1, 7.1), QPointF(2, 6.2));
    return pix;
}

QPixmap CupPicture() {
    QPixmap pix = Blank(kTeamPictureSize, kTeamPictureSize);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor gold(218, 165, 32);
    p.setPen(QPen(gold.darker(160), 1));
    p.setBrush(Qt::NoBrush);
    // Handles.
    p.drawArc(QRectF(0.5, 2.5, 5, 6), 90 * 16, 180 * 16);
    p.drawArc(QRectF(10.5, 2.5, 5, 6), -90 * 16, 180 * 16);
    p.setBrush(gold);
    QPainterPath bowl;
    bowl.moveTo(3, 1.5);
    bowl.lineTo(13, 1.5);
    bowl.cubicTo(13, 8, 10, 10, 8, 10);
    bowl.cubicTo(6, 10, 3, 8, 3, 1.5);
    p.drawPath(bowl);
    p.drawRect(QRectF(7, 10, 2, 2.5));
    p.drawRect(QRectF(4.5, 12.5, 7, 2.5));
    return pix;
}

QPixmap ShirtPicture() {
    QPixmap pix = Blank(20, 15);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shirt;
    shirt.moveTo(7, 0.5);
    shirt.lineTo(13, 0.5);
    shirt.lineTo(19.5, 4);
    shirt.lineTo(17.5, 7.5);
    shirt.lineTo(15, 6.5);
    shirt.lineTo(15, 14.5);
    shirt.lineTo(5, 14.5);
    shirt.lineTo(5, 6.5);
    shirt.lineTo(2.5, 7.5);
    shirt.lineTo(0.5, 4);
    shirt.closeSubpath();
    p.setPen(QPen(QColor(0, 0, 96), 1));
    p.setBrush(QColor(200, 0, 0));
    p.drawPath(shirt);
    // A white collar.
    p.setPen(QPen(Qt::white, 1.5));
    p.drawArc(QRectF(7.5, -2.5, 5, 5), 180 * 16, 180 * 16);
    return pix;
}

} // namespace gorlin
