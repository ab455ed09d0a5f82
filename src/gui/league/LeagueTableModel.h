#pragma once

#include "core/engine/TableView.h"

#include <QAbstractTableModel>
#include <QString>

namespace gorlin {

struct Settings;

/// The grid rows of the league table: one row per team, as the core table view built them; the
/// headings are the horizontal header (so they stay in view while the rows scroll). Cell text is
/// the display role; zone and own-team colours are the background and foreground roles;
/// ColumnLetterRole gives the column's letter ('+' for the possible-points column).
class LeagueTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int ColumnLetterRole = Qt::UserRole + 1;
    static constexpr int TeamRole = Qt::UserRole + 2;

    LeagueTableModel(const Settings& settings, QObject* parent = nullptr);

    /// Takes a freshly drawn table (and resets the view).
    void SetView(const TableViewData* view);
    /// The grid's hint shown over every cell.
    void SetHint(const QString& hint);
    QString Hint() const { return m_hint; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    /// Letter of grid column c ('+' for "PP", '\0' outside).
    char ColumnLetter(int column) const;

private:
    const Settings& m_settings;
    const TableViewData* m_view = nullptr;
    QString m_hint;
};

} // namespace gorlin
