#pragma once

#include "core/query/QueryDesign.h"

#include <QAbstractTableModel>
#include <QStyledItemDelegate>

namespace gorlin {

/// `sgQuery` as a model: rows 0..5 are the design rows "Field:" .. "Title:" (the vertical
/// header), columns 0..21 the design columns, those past the used ones empty. Every edit goes
/// through the design's own operations; a field that does not fit emits refused().
class QueryDesignModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Role { FieldIdRole = Qt::UserRole + 1, SortRole, IncludedRole, UsedRole };

    explicit QueryDesignModel(QueryDesign& design, QObject* parent = nullptr);

    int Tab() const { return m_design.Tab(); }
    /// The design changed as a whole (another tab, a saved query loaded).
    void Reset();

    /// A field dropped on a grid column (or past the columns for column -1); false and refused()
    /// when it does not fit.
    bool DropField(int fieldId, int column);
    /// A field as a new last column; false and refused() when the grid is full.
    bool AddField(int fieldId);
    bool ToggleInclude(int column);
    bool MoveColumn(int from, int to);
    bool DeleteColumn(int column);
    bool SetSort(int column, SortOrder sort);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    /// Field row: a field id; Sort row: a SortOrder; Criteria, Or and Title rows: the text.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    QStringList mimeTypes() const override;
    Qt::DropActions supportedDropActions() const override { return Qt::CopyAction | Qt::MoveAction; }
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

signals:
    /// A field was refused because the grid is full (the window beeps).
    void refused();

private:
    /// Every cell may have changed (columns shift on inserts, moves and deletes).
    bool Changed(bool changed);

    QueryDesign& m_design;
};

/// Draws the include box of row "Include:" and gives each row its editor: the field and sort
/// drop-downs, and 40-character text boxes that refuse a double quote.
class QueryDesignDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int kBoxSize = 14;

    using QStyledItemDelegate::QStyledItemDelegate;

    /// The include box of a cell.
    static QRect BoxRect(const QRect& cell);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
};

} // namespace gorlin
