#pragma once

#include "core/engine/TeamStats.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QStyledItemDelegate>

namespace gorlin {

/// One of the team statistics page's grids over the rows of the latest TeamStats: results
/// (`sgGames`), players (`sgTmPlayers`, one column per letter shown) or fixtures (`sgFixtures`).
/// Cells are the core's texts; the opponent that is the own team is drawn in the own-team colour.
class TeamGridModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class Grid { Results, Players, Fixtures };
    /// The game (results, fixtures) or player (players) of a row.
    static constexpr int RowKeyRole = Qt::UserRole + 1;

    TeamGridModel(Grid grid, const Settings& settings, QObject* parent = nullptr);

    /// Shows the rows of `data` (kept by the caller until the next call; nullptr for none).
    void SetStats(const TeamStatsData* data);
    Grid Kind() const { return m_grid; }
    /// The column letter of a players grid column (0 for other grids or outside the columns).
    char ColumnLetter(int column) const;
    /// The game or player of a row; 0 outside the rows.
    int RowKey(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const std::vector<std::string>* Cells(int row) const;
    CellAlign Alignment(int column) const;

    Grid m_grid;
    const Settings& m_settings;
    const TeamStatsData* m_data = nullptr;
};

/// Draws the grids' cells with right-aligned texts ending 4 pixels from the cell's edge.
class TeamGridDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int kRightMargin = 4;
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

/// The players grid's heading: the "SN" section shows the shirt picture centred instead of its
/// text, one pixel right and down while the section is pressed.
class PlayerHeaderView final : public QHeaderView {
    Q_OBJECT
public:
    explicit PlayerHeaderView(QWidget* parent = nullptr);
    /// The section being pressed (-1 none).
    int PressedSection() const { return m_pressed; }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_pressed = -1;
};

} // namespace gorlin
