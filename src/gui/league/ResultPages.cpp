#include "gui/league/ResultPages.h"

#include "core/edit/Maintenance.h"
#include "gui/league/EnterResultsPage.h"
#include "gui/league/GoalsMaintenancePage.h"
#include "gui/league/LeagueHost.h"
#include "gui/league/LeaguePages.h"
#include "gui/league/ResultDetailsWindow.h"
#include "gui/league/ResultsMaintenancePage.h"
#include "gui/league/SquadWindow.h"
#include "gui/league/TeamStatisticsPage.h"
#include "gui/widgets/TabLeaveGuard.h"

#include <QPointer>
#include <QTabWidget>

namespace gorlin {

void InstallResultPages(LeagueHost& host) {
    AppContext& context = host.Context();
    League& league = host.GetLeague();
    QWidget* window = host.Window();
    LeagueHost* h = &host;

    auto* enter = new EnterResultsPage(league, context);
    host.SetPage(LeagueHost::kEnterResultsPage, enter);
    QPointer<EnterResultsPage> enterPtr(enter);
    new TabLeaveGuard(
        host.Pages(), [enterPtr]() -> QWidget* { return enterPtr.data(); },
        [enterPtr] { return enterPtr.isNull() || enterPtr->CanLeave(); });
    QObject::connect(enter, &EnterResultsPage::dataChanged, window, [h] { h->DataChangedNotify(); });
    QObject::connect(enter, &EnterResultsPage::helpRequested, window,
                     [h] { h->ShowHelp("results.html#enter"); });

    auto* results = new ResultsMaintenancePage(league, context);
    AddMaintenancePage(host, MaintenancePage::Results, results);
    QObject::connect(results, &ResultsMaintenancePage::dataChanged, window, [h] { h->DataChangedNotify(); });
    QObject::connect(results, &ResultsMaintenancePage::helpRequested, window,
                     [h] { h->ShowHelp("results.html#results"); });

    auto* goals = new GoalsMaintenancePage(league, context);
    AddMaintenancePage(host, MaintenancePage::Goals, goals);
    QObject::connect(goals, &GoalsMaintenancePage::dataChanged, window, [h] { h->DataChangedNotify(); });
    QObject::connect(goals, &GoalsMaintenancePage::helpRequested, window,
                     [h] { h->ShowHelp("results.html#goals"); });

    // The team statistics page (installed before) offers its games' details and squads.
    if (auto* teamStats =
            qobject_cast<TeamStatisticsPage*>(host.Pages()->widget(LeagueHost::kTeamStatisticsPage))) {
        QPointer<TeamStatisticsPage> stats(teamStats);
        teamStats->SetGameWindowsAvailable(true);
        QObject::connect(teamStats, &TeamStatisticsPage::gameSummaryRequested, window, [h, stats](int game) {
            ShowResultDetails(*h, game);
            if (stats)
                stats->ResultChanged();
        });
        QObject::connect(teamStats, &TeamStatisticsPage::squadsRequested, window, [h, stats](int game) {
            ShowSquadWindow(*h, game);
            if (stats)
                stats->ResultChanged();
        });
    }
}

void ShowResultDetails(LeagueHost& host, int game) {
    ResultDetailsWindow::ShowDetails(host.GetLeague(), host.Context(), game, host.Window());
    host.DataChangedNotify();
}

void ShowSquadWindow(LeagueHost& host, int game) {
    SquadWindow::ShowSquads(host.GetLeague(), host.Context(), game, host.Window());
    host.DataChangedNotify();
}

} // namespace gorlin
