#include "gui/query/QueryFieldList.h"

#include "core/query/Catalogue.h"

#include <QApplication>
#include <QMimeData>
#include <QPainter>
#include <algorithm>

namespace gorlin {

namespace {

constexpr int kTextMargin = 3;

} // namespace

QueryFieldListModel::QueryFieldListModel(QObject* parent) : QAbstractListModel(parent) {
    m_fields = TabFields(kTabTeams);
}

void QueryFieldListModel::SetTab(int tab) {
    beginResetModel();
    m_fields = TabFields(tab);
    endResetModel();
}

int QueryFieldListModel::FieldIdFrom(const QMimeData* data) {
    if (data == nullptr || !data->hasFormat(kMimeType))
        return 0;
    bool ok = false;
    const int id = data->data(kMimeType).toInt(&ok);
    return ok ? id : 0;
}

int QueryFieldListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_fields.size());
}

QVariant QueryFieldListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const QueryField& field = *m_fields[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromLatin1(field.Name);
    case DescriptionRole:
    case Qt::ToolTipRole:
        return QString::fromLatin1(field.Description);
    case FieldIdRole:
        return static_cast<int>(field.Id);
    default:
        return {};
    }
}

Qt::ItemFlags QueryFieldListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

QStringList QueryFieldListModel::mimeTypes() const {
    return {QString::fromLatin1(kMimeType)};
}

QMimeData* QueryFieldListModel::mimeData(const QModelIndexList& indexes) const {
    if (indexes.isEmpty() || !indexes.front().isValid())
        return nullptr;
    auto* mime = new QMimeData;
    mime->setData(kMimeType, QByteArray::number(indexes.front().data(FieldIdRole).toInt()));
    return mime;
}

int QueryFieldDelegate::DescriptionOffset(const QFontMetrics& metrics) {
    // The longest names are wider than "Wwwwwwwww" in some fonts: the column then moves right
    // so that no name runs into its description.
    int offset = metrics.horizontalAdvance(QStringLiteral("Wwwwwwwww"));
    for (const QueryField& field : Catalogue())
        offset =
            std::max(offset, metrics.horizontalAdvance(QString::fromLatin1(field.Name) + QLatin1Char(' ')));
    return offset;
}

int QueryFieldDelegate::Offset(const QStyleOptionViewItem& option) const {
    if (m_offset < 0 || option.font != m_measured) {
        m_measured = option.font;
        m_offset = DescriptionOffset(QFontMetrics(option.font));
    }
    return m_offset;
}

void QueryFieldDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString name = opt.text;
    opt.text.clear();
    const QWidget* widget = opt.widget;
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    const bool selected = opt.state & QStyle::State_Selected;
    const QRect text = opt.rect.adjusted(kTextMargin, 0, -kTextMargin, 0);
    const int offset = Offset(opt);
    painter->save();
    painter->setFont(opt.font);
    painter->setPen(opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter, name);
    painter->setPen(selected ? opt.palette.color(QPalette::HighlightedText) : QColor(Qt::blue));
    painter->drawText(text.adjusted(offset, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                      index.data(QueryFieldListModel::DescriptionRole).toString());
    painter->restore();
}

QSize QueryFieldDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QFontMetrics& metrics = option.fontMetrics;
    const int width = 2 * kTextMargin + Offset(option) +
                      metrics.horizontalAdvance(index.data(QueryFieldListModel::DescriptionRole).toString());
    size.setWidth(std::max(size.width(), width));
    return size;
}

} // namespace gorlin
