#include "gui/query/QueryDesignModel.h"

#include "gui/query/QueryFieldList.h"
#include "gui/widgets/LeagueText.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QValidator>
#include <algorithm>

namespace gorlin {

namespace {

/// Design rows of the model's rows 0..5.
int DesignRowOf(const QModelIndex& index) {
    return index.row() + 1;
}

/// A text box of the design grid refuses a double quote: it would end the quoted item of a
/// saved query.
class DesignTextValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return AcceptsDesignText(ToLeague(input)) ? Acceptable : Invalid;
    }
};

} // namespace

QueryDesignModel::QueryDesignModel(QueryDesign& design, QObject* parent)
    : QAbstractTableModel(parent), m_design(design) {}

void QueryDesignModel::Reset() {
    beginResetModel();
    endResetModel();
}

bool QueryDesignModel::Changed(bool changed) {
    if (changed)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    return changed;
}

bool QueryDesignModel::DropField(int fieldId, int column) {
    if (Changed(m_design.DropField(fieldId, column)))
        return true;
    emit refused();
    return false;
}

bool QueryDesignModel::AddField(int fieldId) {
    if (Changed(m_design.AddField(fieldId)))
        return true;
    emit refused();
    return false;
}

bool QueryDesignModel::ToggleInclude(int column) {
    return Changed(m_design.ToggleInclude(column));
}

bool QueryDesignModel::MoveColumn(int from, int to) {
    return Changed(m_design.MoveColumn(from, to));
}

bool QueryDesignModel::DeleteColumn(int column) {
    return Changed(m_design.DeleteColumn(column));
}

bool QueryDesignModel::SetSort(int column, SortOrder sort) {
    return Changed(m_design.SetSort(column, sort));
}

int QueryDesignModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kDesignRows;
}

int QueryDesignModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kMaxDesignColumns;
}

QVariant QueryDesignModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int column = index.column();
    const bool used = column < m_design.Count();
    const DesignColumn* c = used ? &m_design.Columns()[static_cast<std::size_t>(column)] : nullptr;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return FromLeague(m_design.CellText(column, DesignRowOf(index)));
    case FieldIdRole:
        return c != nullptr ? c->FieldId : 0;
    case SortRole:
        return static_cast<int>(c != nullptr ? c->Sort : SortOrder::NotSorted);
    case IncludedRole:
        return c != nullptr && c->Include;
    case UsedRole:
        return used;
    default:
        return {};
    }
}

QVariant QueryDesignModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical && role == Qt::DisplayRole)
        return QString::fromLatin1(DesignRowLabel(section + 1));
    return {};
}

Qt::ItemFlags QueryDesignModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDropEnabled;
    const int row = DesignRowOf(index);
    const bool used = index.column() < m_design.Count();
    // An unused column's field drop-down adds the field as a new last column.
    if (row == kRowField || (used && row != kRowInclude))
        f |= Qt::ItemIsEditable;
    return f;
}

bool QueryDesignModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const int column = index.column();
    switch (const int row = DesignRowOf(index)) {
    case kRowField:
        if (column >= m_design.Count() && m_design.Full()) {
            emit refused();
            return false;
        }
        return Changed(m_design.SetField(column, value.toInt()));
    case kRowSort:
        return Changed(m_design.SetSort(column, static_cast<SortOrder>(std::clamp(value.toInt(), 0, 2))));
    case kRowCriteria:
    case kRowOr:
    case kRowTitle:
        return Changed(m_design.SetText(column, row, ToLeague(value.toString())));
    default:
        return false;
    }
}

QStringList QueryDesignModel::mimeTypes() const {
    return {QString::fromLatin1(QueryFieldListModel::kMimeType)};
}

bool QueryDesignModel::canDropMimeData(const QMimeData* data, Qt::DropAction, int, int,
                                       const QModelIndex&) const {
    return QueryFieldListModel::FieldIdFrom(data) != 0;
}

bool QueryDesignModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int, int column,
                                    const QModelIndex& parent) {
    const int fieldId = QueryFieldListModel::FieldIdFrom(data);
    if (fieldId == 0 || action == Qt::IgnoreAction)
        return false;
    // On a cell: that column; anywhere else: past the used columns.
    return DropField(fieldId, parent.isValid() ? parent.column() : column);
}

QRect QueryDesignDelegate::BoxRect(const QRect& cell) {
    return QRect(cell.center().x() - kBoxSize / 2 + 1, cell.center().y() - kBoxSize / 2 + 1, kBoxSize,
                 kBoxSize);
}

void QueryDesignDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    if (DesignRowOf(index) != kRowInclude) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    opt.text.clear();
    const QWidget* widget = opt.widget;
    widget->style()->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    if (!index.data(QueryDesignModel::UsedRole).toBool())
        return;
    const QRect box = BoxRect(opt.rect);
    painter->save();
    painter->setPen(opt.palette.color(QPalette::Text));
    painter->setBrush(opt.palette.color(QPalette::Base));
    painter->drawRect(box.adjusted(0, 0, -1, -1));
    if (index.data(QueryDesignModel::IncludedRole).toBool()) {
        painter->setRenderHint(QPainter::Antialiasing);
        const QRectF inner = QRectF(box).adjusted(3, 3, -3, -3);
        painter->drawLine(inner.topLeft(), inner.bottomRight());
        painter->drawLine(inner.bottomLeft(), inner.topRight());
    }
    painter->restore();
}

QWidget* QueryDesignDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                           const QModelIndex& index) const {
    const auto* model = qobject_cast<const QueryDesignModel*>(index.model());
    const int row = DesignRowOf(index);
    if (row == kRowField || row == kRowSort) {
        auto* combo = new QComboBox(parent);
        combo->setObjectName(row == kRowField ? "cbField" : "cbSort");
        if (row == kRowField) {
            for (const QueryField* f : TabFields(model != nullptr ? model->Tab() : kTabTeams))
                combo->addItem(QString::fromLatin1(f->Name), static_cast<int>(f->Id));
        } else {
            for (std::size_t s = 0; s < kSortItems.size(); ++s)
                combo->addItem(QString::fromLatin1(kSortItems[s]), static_cast<int>(s));
        }
        // A choice takes effect at once, as in a drop-down of the grid.
        connect(combo, &QComboBox::activated, this, [this, combo] {
            combo->setProperty("chosen", true);
            emit const_cast<QueryDesignDelegate*>(this)->commitData(combo);
            emit const_cast<QueryDesignDelegate*>(this)->closeEditor(combo);
        });
        return combo;
    }
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(row == kRowTitle ? "edTitle" : row == kRowOr ? "edOr" : "edCriteria");
    edit->setMaxLength(static_cast<int>(kDesignTextMax));
    edit->setValidator(new DesignTextValidator(edit));
    return edit;
}

void QueryDesignDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        const int role =
            DesignRowOf(index) == kRowField ? QueryDesignModel::FieldIdRole : QueryDesignModel::SortRole;
        combo->setCurrentIndex(std::max(0, combo->findData(index.data(role))));
    } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setText(index.data(Qt::EditRole).toString());
    }
}

void QueryDesignDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                       const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        // An unused column's drop-down left as it opened adds nothing.
        if (DesignRowOf(index) == kRowField && !index.data(QueryDesignModel::UsedRole).toBool() &&
            !combo->property("chosen").toBool())
            return;
        model->setData(index, combo->currentData());
    } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        model->setData(index, edit->text());
    }
}

bool QueryDesignDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                      const QStyleOptionViewItem& option, const QModelIndex& index) {
    const QEvent::Type type = event->type();
    if (DesignRowOf(index) == kRowInclude &&
        (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
         type == QEvent::MouseButtonDblClick)) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton || !BoxRect(option.rect).contains(mouse->position().toPoint()))
            return false;
        // A click on the box toggles it, as a check box does on release.
        if (type == QEvent::MouseButtonRelease)
            if (auto* design = qobject_cast<QueryDesignModel*>(model))
                design->ToggleInclude(index.column());
        return true;
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}

} // namespace gorlin
