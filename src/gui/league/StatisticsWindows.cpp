#include "gui/league/StatisticsWindows.h"

#include "gui/io/GridExportDialog.h"
#include "gui/io/PrintEntries.h"
#include "gui/league/GoalStatisticsPage.h"
#include "gui/league/GraphWindows.h"
#include "gui/league/LeagueHost.h"
#include "gui/league/LeagueTablePage.h"
#include "gui/league/PlayerStatsWindow.h"
#include "gui/league/ResultPages.h"
#include "gui/league/TeamStatisticsPage.h"

#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace gorlin {

void ShowPlayerStats(LeagueHost& host, int player) {
    PlayerStatsWindow window(host.GetLeague(), host.Context(), player, host.Window());
    LeagueHost* h = &host;
    window.SetOpenGame([h](int game) { ShowResultDetails(*h, game); });
    auto* matches = window.findChild<QTableView*>("sgGoals");
    AddGridPrint(matches, host.Context(), "Matches");
    AddGridExport(matches, host.Context());
    window.exec();
}

void InstallStatisticsWindows(LeagueHost& host) {
    LeagueHost* h = &host;
    QWidget* window = host.Window();
    auto* goals = new GoalStatisticsPage(host.GetLeague(), host.Context());
    host.SetPage(LeagueHost::kGoalStatisticsPage, goals);
    QObject::connect(goals, &GoalStatisticsPage::playerRequested, window,
                     [h](int player) { ShowPlayerStats(*h, player); });
    QObject::connect(goals, &GoalStatisticsPage::helpRequested, window,
                     [h] { h->ShowHelp("goalstats.html"); });

    if (auto* teamStats =
            qobject_cast<TeamStatisticsPage*>(host.Pages()->widget(LeagueHost::kTeamStatisticsPage))) {
        teamStats->SetGraphAvailable(true);
        teamStats->SetPlayerWindowAvailable(true);
        QObject::connect(teamStats, &TeamStatisticsPage::playerRequested, window,
                         [h](int player) { ShowPlayerStats(*h, player); });
        QObject::connect(teamStats, &TeamStatisticsPage::graphRequested, window, [h](int team) {
            PositionGraphWindow graph(h->GetLeague(), h->Context(), team, h->Window());
            graph.SetOpenGame([h](int game) { ShowResultDetails(*h, game); });
            graph.SetPrint(
                [h, &graph] { PrintGraphJob(&graph, h->Context(), graph.Series(), graph.Bars()); });
            graph.exec();
        });
    }
    if (auto* table = qobject_cast<LeagueTablePage*>(host.Pages()->widget(LeagueHost::kLeagueTablePage))) {
        auto* button = new QPushButton("&Match Grid", table);
        button->setObjectName("btnMatchGrid");
        button->setToolTip("The grid of league matches played and scheduled");
        table->ButtonArea()->addWidget(button);
        QObject::connect(button, &QPushButton::clicked, table, [h] {
            MatchGridWindow grid(h->GetLeague(), h->Window());
            grid.SetPrint([h, &grid] { PrintMatchGridJob(&grid, h->Context(), grid.Grid()); });
            grid.exec();
        });
    }
}

} // namespace gorlin
