#include "gui/league/LeagueTableHeader.h"

#include <QPainter>

namespace gorlin {

LeagueTableHeader::LeagueTableHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setObjectName("sgLeagueHeading");
    setSectionsClickable(false);
    setHighlightSections(false);
    setSectionsMovable(false);
    setSectionResizeMode(QHeaderView::Fixed);
    setMinimumSectionSize(1);
}

void LeagueTableHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (!rect.isValid() || model() == nullptr)
        return;
    painter->save();
    painter->fillRect(rect,
                      model()->headerData(logicalIndex, orientation(), Qt::BackgroundRole).value<QColor>());
    painter->setPen(model()->headerData(logicalIndex, orientation(), Qt::ForegroundRole).value<QColor>());
    painter->drawText(rect.adjusted(1, 1, -1, 0), Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
                      model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString());
    // A raised edge, as the cells have.
    painter->setPen(QColor(Qt::white));
    painter->drawLine(rect.topLeft(), rect.topRight());
    painter->drawLine(rect.topLeft(), rect.bottomLeft());
    painter->setPen(QColor(Qt::darkGray));
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->restore();
}

} // namespace gorlin
