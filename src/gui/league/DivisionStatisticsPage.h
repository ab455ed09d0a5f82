#pragma once

#include "core/engine/DivisionStats.h"

#include <QWidget>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTableView;

namespace gorlin {

struct AppContext;
struct League;
class LeagueHost;
class RowsModel;

/// Puts the "Division Statistics" page into its tab, its high-score lists opening the result
/// details window.
void InstallDivisionStatisticsPage(LeagueHost& host);

/// The "Division Statistics" page over the played league games: tabs "Goals" (the highest home
/// and away scores, the own team's name drawn in the own-team colour, and the goal totals),
/// "Results" (result counts) and "Referees" (the referee grid, sorted by a click on a heading;
/// the key is kept while the page lives). Computed whenever the page is entered.
class DivisionStatisticsPage final : public QWidget {
    Q_OBJECT
public:
    DivisionStatisticsPage(League& league, AppContext& context, QWidget* parent = nullptr);

    /// Computes and shows the whole page.
    void Recompute();
    const DivisionStatsData& Data() const { return m_data; }
    QTabWidget* Tabs() const { return m_tabs; }

    void hcDivRefsSectionClick(int column);
    /// A double click on row `row` of HighHome (home) or HighAway: a row beyond the list beeps.
    void HighScoreDblClick(bool home, int row);

signals:
    /// The result details of game g are wanted.
    void resultDetailsRequested(int game);
    void helpRequested();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildGoalsTab();
    QWidget* BuildResultsTab();
    QWidget* BuildRefereesTab();
    QListWidget* BuildList(const char* name);
    QLineEdit* AddEdit(const char* name);
    void FillList(QListWidget* list, const std::vector<HighScoreItem>& items);

    League& m_league;
    AppContext& m_context;
    int m_refKey = kRefName;
    DivisionStatsData m_data;
    QTabWidget* m_tabs = nullptr;
    QListWidget* m_highHome = nullptr;
    QListWidget* m_highAway = nullptr;
    QTableView* m_refs = nullptr;
    RowsModel* m_refModel = nullptr;
};

} // namespace gorlin
