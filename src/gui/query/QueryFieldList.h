#pragma once

#include <QAbstractListModel>
#include <QStyledItemDelegate>
#include <vector>

namespace gorlin {

struct QueryField;

/// The fields of one query tab for `lbFields`: each item shows its name and description and can
/// be dragged onto the design grid as a field id.
class QueryFieldListModel : public QAbstractListModel {
    Q_OBJECT
public:
    /// The drag format: the field id in decimal.
    static constexpr const char* kMimeType = "application/x-gorlin-query-field";
    enum Role { FieldIdRole = Qt::UserRole + 1, DescriptionRole };

    explicit QueryFieldListModel(QObject* parent = nullptr);

    /// Shows the fields of another tab.
    void SetTab(int tab);
    /// The field id a drag carries; 0 when it carries none.
    static int FieldIdFrom(const QMimeData* data);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }

private:
    std::vector<const QueryField*> m_fields;
};

/// Draws a field as its name and, further right, its description in blue unless selected.
class QueryFieldDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    /// Where the description starts: the width of "Wwwwwwwww" in the list's font, or past the
    /// longest field name when that is wider.
    static int DescriptionOffset(const QFontMetrics& metrics);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    /// DescriptionOffset for the font of an item, measured once per font.
    int Offset(const QStyleOptionViewItem& option) const;

    mutable QFont m_measured;
    mutable int m_offset = -1;
};

} // namespace gorlin
