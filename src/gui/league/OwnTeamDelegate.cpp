#include "gui/league/OwnTeamDelegate.h"

#include <QApplication>
#include <QPainter>

namespace gorlin {

OwnTeamDelegate::OwnTeamDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

void OwnTeamDelegate::SetOwnTeam(QString name, QColor colour) {
    m_name = std::move(name);
    m_colour = colour;
}

void OwnTeamDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    const QString text = index.data(Qt::DisplayRole).toString();
    const qsizetype at = m_name.isEmpty() ? -1 : text.indexOf(m_name);
    if (at < 0) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    opt.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    const bool selected = (option.state & QStyle::State_Selected) != 0;
    const QColor normal = option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    painter->save();
    painter->setFont(opt.font);
    const QFontMetrics metrics(opt.font);
    const QRect box = option.rect.adjusted(2, 0, -2, 0);
    int x = box.left();
    const QString parts[] = {text.left(at), text.mid(at, m_name.size()), text.mid(at + m_name.size())};
    for (int k = 0; k < 3; ++k) {
        painter->setPen(k == 1 && !selected ? m_colour : normal);
        painter->drawText(QRect(x, box.top(), box.right() - x + 1, box.height()),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, parts[k]);
        x += metrics.horizontalAdvance(parts[k]);
    }
    painter->restore();
}

} // namespace gorlin
