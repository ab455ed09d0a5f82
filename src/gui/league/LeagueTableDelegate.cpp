#include "gui/league/LeagueTableDelegate.h"

#include "gui/league/LeagueTableModel.h"

#include <QPainter>
#include <QPainterPath>

namespace gorlin {

LeagueTableDelegate::LeagueTableDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

QPixmap LeagueTableDelegate::StatusPicture(const QString& mark) {
    if (mark != "U" && mark != "D" && mark != "S")
        return {};
    QPixmap pix(kPictureSize, kPictureSize);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    if (mark == "U" || mark == "D") {
        // An arrow: a head over (or under) a stem.
        QPainterPath arrow;
        arrow.moveTo(7, 0.5);
        arrow.lineTo(13.5, 7);
        arrow.lineTo(9.5, 7);
        arrow.lineTo(9.5, 13.5);
        arrow.lineTo(4.5, 13.5);
        arrow.lineTo(4.5, 7);
        arrow.lineTo(0.5, 7);
        arrow.closeSubpath();
        if (mark == "D") {
            QTransform flip;
            flip.translate(0, kPictureSize);
            flip.scale(1, -1);
            arrow = flip.map(arrow);
        }
        const QColor fill = mark == "U" ? QColor(0, 128, 0) : QColor(192, 0, 0);
        p.setPen(QPen(fill.darker(150), 1));
        p.setBrush(fill);
        p.drawPath(arrow);
    } else {
        // "Safe": a tick in a blue disc.
        p.setPen(QPen(QColor(0, 0, 96), 1));
        p.setBrush(QColor(0, 64, 192));
        p.drawEllipse(QRectF(0.5, 0.5, 13, 13));
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(3.5, 7.5), QPointF(6, 10), QPointF(10.5, 4)}));
    }
    return pix;
}

void LeagueTableDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    const QRect r = option.rect;
    painter->save();
    painter->fillRect(r, index.data(Qt::BackgroundRole).value<QColor>());

    const QString text = index.data(Qt::DisplayRole).toString();
    const QString letter = index.data(LeagueTableModel::ColumnLetterRole).toString();
    const QPixmap picture = letter == "A" ? StatusPicture(text) : QPixmap();
    if (!picture.isNull()) {
        painter->drawPixmap(r.topLeft() + QPoint(1, 1), picture);
    } else {
        painter->setPen(index.data(Qt::ForegroundRole).value<QColor>());
        painter->setFont(option.font);
        const int align = index.data(Qt::TextAlignmentRole).toInt();
        QRect textRect = r.adjusted(0, 1, 0, 0);
        if (align & Qt::AlignLeft)
            textRect.setLeft(r.left() + 1);
        else if (align & Qt::AlignRight)
            textRect.setRight(r.right() - 3);
        painter->drawText(textRect, align | Qt::TextSingleLine,
                          option.fontMetrics.elidedText(text, Qt::ElideRight, textRect.width()));
    }

    // A raised edge on all four sides.
    painter->setPen(QColor(Qt::white));
    painter->drawLine(r.topLeft(), r.topRight());
    painter->drawLine(r.topLeft(), r.bottomLeft());
    painter->setPen(QColor(Qt::darkGray));
    painter->drawLine(r.bottomLeft(), r.bottomRight());
    painter->drawLine(r.topRight(), r.bottomRight());
    painter->restore();
}

} // namespace gorlin
