#pragma once

#include "core/edit/Fixtures.h"

#include <QAbstractTableModel>
#include <QPixmap>

namespace gorlin {

/// The grid of the "Fixtures" page over the core's fixture list: the page's headings, the cell
/// texts, and the tick picture (decoration role) of a predicted fixture in column "Predicted".
class FixturesModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    /// The row's game index.
    static constexpr int GameRole = Qt::UserRole + 1;
    /// Side of the tick picture.
    static constexpr int kTickSize = 14;

    explicit FixturesModel(QObject* parent = nullptr);

    /// Takes a freshly built list (and resets the view).
    void SetList(FixtureList list);
    const FixtureList& List() const { return m_list; }
    /// Puts a recomputed row in place after an edit, keeping the order.
    void UpdateRow(int row, FixtureRow fixture);
    /// The game of a grid row; 0 when the row is outside the list.
    int GameAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    /// The picture shown for a predicted fixture: a green tick.
    static QPixmap TickPicture();

private:
    FixtureList m_list;
};

} // namespace gorlin
