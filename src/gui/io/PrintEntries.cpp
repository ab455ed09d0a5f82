#include "gui/io/PrintEntries.h"

#include "core/engine/Standings.h"
#include "gui/io/PrintJob.h"
#include "gui/league/DivisionStatisticsPage.h"
#include "gui/league/FixturesPage.h"
#include "gui/league/GoalStatisticsPage.h"
#include "gui/league/GoalsMaintenancePage.h"
#include "gui/league/LeagueHost.h"
#include "gui/league/LeagueTablePage.h"
#include "gui/league/MaintenancePages.h"
#include "gui/league/ResultsMaintenancePage.h"
#include "gui/league/TeamStatisticsPage.h"
#include "gui/query/QueryWindow.h"
#include "gui/widgets/AppContext.h"
#include "gui/widgets/GridCells.h"
#include "gui/widgets/GridPopup.h"
#include "gui/widgets/LeagueText.h"

#include <QAbstractItemView>
#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace gorlin {

namespace {

/// Adds "&Print" to a grid's pop-up menu, just before its "&Export" when it has one.
QAction* AddPrintEntry(QMenu* menu) {
    auto* print = new QAction("&Print", menu);
    print->setObjectName("miPrint");
    menu->insertAction(menu->findChild<QAction*>("miExport", Qt::FindDirectChildrenOnly), print);
    return print;
}

/// The list grids of the pages that print from a menu made here: page type, grid, list title.
template <class Page>
void AddGridEntries(LeagueHost& host, std::initializer_list<std::pair<const char*, const char*>> grids) {
    Page* page = host.Window()->findChild<Page*>();
    if (page == nullptr)
        return;
    for (const auto& [name, title] : grids)
        if (auto* grid = page->template findChild<QTableView*>(name))
            AddGridPrint(grid, host.Context(), QString::fromLatin1(title));
}

void InstallTablePrint(LeagueHost& host) {
    auto* table = qobject_cast<LeagueTablePage*>(host.Pages()->widget(LeagueHost::kLeagueTablePage));
    if (table == nullptr)
        return;
    auto* button = new QPushButton("&Print", table);
    button->setObjectName("btnPrint");
    button->setToolTip("Print the league table");
    // The column's order: Query, Import, Export, Print, Update, Match Grid.
    QVBoxLayout* area = table->ButtonArea();
    int at = -1;
    for (int i = 0; i < area->count(); ++i)
        if (QWidget* w = area->itemAt(i)->widget();
            w != nullptr && w->objectName() == QLatin1String("btnExport"))
            at = i + 1;
    area->insertWidget(at, button);
    LeagueHost* h = &host;
    QPointer<LeagueTablePage> page(table);
    QObject::connect(button, &QPushButton::clicked, host.Window(), [h, page] {
        if (page.isNull())
            return;
        const League& league = h->GetLeague();
        const TablePageState state = page->State();
        const Settings& settings = h->Context().settings;
        RunPrint(h->Window(), h->Context(), PrintMode::LeagueTable, LeagueTableHeading(league),
                 [&league, state, &settings](const PrintPageSetup& setup, const TextMeasure& measure) {
                     return PrintLeagueTable(league, state, settings, setup, measure);
                 });
    });
}

void InstallTeamStatisticsPrint(LeagueHost& host) {
    auto* stats = qobject_cast<TeamStatisticsPage*>(host.Pages()->widget(LeagueHost::kTeamStatisticsPage));
    if (stats == nullptr)
        return;
    LeagueHost* h = &host;
    QPointer<TeamStatisticsPage> page(stats);
    QObject::connect(stats, &TeamStatisticsPage::printRequested, host.Window(), [h, page](int part) {
        if (page.isNull())
            return;
        if (part == TeamStatisticsPage::kPrintPage) {
            const League& league = h->GetLeague();
            const TeamStatsData data = page->Stats();
            RunPrint(h->Window(), h->Context(), PrintMode::TeamStatistics, std::nullopt,
                     [&league, data](const PrintPageSetup& setup, const TextMeasure& measure) {
                         return PrintTeamStatistics(league, data, setup, measure);
                     });
            return;
        }
        const struct {
            int Part;
            const char* Grid;
            const char* Title;
        } grids[] = {{TeamStatisticsPage::kPrintResults, "sgGames", "Results"},
                     {TeamStatisticsPage::kPrintPlayers, "sgTmPlayers", "Players"},
                     {TeamStatisticsPage::kPrintFixtures, "sgFixtures", "Fixtures"}};
        for (const auto& g : grids)
            if (g.Part == part)
                if (const auto* grid = page->findChild<QTableView*>(g.Grid))
                    PrintGrid(h->Window(), h->Context(), *grid, QString::fromLatin1(g.Title));
    });
    stats->SetPrintAvailable(true);
}

void InstallListPrints(LeagueHost& host) {
    LeagueHost* h = &host;
    QWidget* window = host.Window();
    if (auto* results = window->findChild<ResultsMaintenancePage*>()) {
        QPointer<ResultsMaintenancePage> page(results);
        QObject::connect(results, &ResultsMaintenancePage::printRequested, window, [h, page] {
            if (const auto* grid = page ? page->findChild<QTableView*>("sgResults") : nullptr)
                PrintGrid(h->Window(), h->Context(), *grid, "Results");
        });
    }
    // The fixtures pop-up holds a "&Print" item waiting for a receiver.
    if (auto* fixtures = window->findChild<FixturesPage*>())
        if (auto* print = fixtures->Popup()->findChild<QAction*>("miPrint");
            print != nullptr && fixtures->findChild<QTableView*>("sgFixtures") != nullptr) {
            QPointer<FixturesPage> page(fixtures);
            print->setEnabled(true);
            QObject::connect(print, &QAction::triggered, window, [h, page] {
                if (const auto* grid = page ? page->findChild<QTableView*>("sgFixtures") : nullptr)
                    PrintGrid(h->Window(), h->Context(), *grid, "Fixtures");
            });
        }
    if (auto* goals = window->findChild<GoalsMaintenancePage*>())
        if (auto* grid = goals->findChild<QTableView*>("sgGoals")) {
            QAction* print = AddPrintEntry(goals->Popup());
            goals->Popup()->insertSeparator(print);
            QPointer<QTableView> view(grid);
            QObject::connect(print, &QAction::triggered, window, [h, view] {
                if (view)
                    PrintGrid(h->Window(), h->Context(), *view, "Goals");
            });
        }
    AddGridEntries<PlayersMaintenancePage>(host, {{"sgPlayers", "Players"}});
    AddGridEntries<RefereesMaintenancePage>(host, {{"sgReferees", "Referees"}});
    AddGridEntries<GoalStatisticsPage>(host, {{"sgGoalsPerMatch", "Hat-Tricks"},
                                              {"sgPens", "Penalties"},
                                              {"sgOwnGoals", "Own Goals"},
                                              {"sgTeamGoals", "Goals By-Team"}});
    AddGridEntries<DivisionStatisticsPage>(host, {{"sgDivRefs", "Referees"}});
}

} // namespace

QString LeagueTableHeading(const League& league) {
    QString heading = FromLeague(league.Head.TableName.view());
    const int selection = SelectionInForce(league);
    if (selection > 0 && selection <= kMaxTeamSels)
        heading += " (" + FromLeague(league.TeamSels[static_cast<std::size_t>(selection)].Name.view()) + ")";
    return heading;
}

PrintListData GridPrintList(const QAbstractItemView& grid, const QString& title) {
    GridCells cells = ShownCells(grid);
    return MakePrintList(ToLeague(title), cells.Rows, cells.HeadingRows, std::move(cells.RightAligned));
}

void AddGridPrint(QAbstractItemView* grid, AppContext& context, const QString& title) {
    if (grid == nullptr)
        return;
    QAction* print = AddPrintEntry(GridPopup(grid));
    QPointer<QAbstractItemView> view(grid);
    QObject::connect(print, &QAction::triggered, grid, [&context, view, title] {
        if (view)
            PrintGrid(view->window(), context, *view, title);
    });
}

void AddQueryPrint(QueryWindow& window, AppContext& context) {
    QPushButton* button = window.AddResultButton("&Print", "btnPrint", "Print the results of the query");
    QueryWindow* w = &window;
    QObject::connect(button, &QPushButton::clicked, w, [w, &context] {
        const PrintListData list = QueryPrintList(w->Result());
        RunPrint(w, context, PrintMode::ListTable, std::nullopt,
                 [list](const PrintPageSetup& setup, const TextMeasure& measure) {
                     return PrintListTable(list, setup, measure);
                 });
    });
}

bool PrintGrid(QWidget* parent, AppContext& context, const QAbstractItemView& grid, const QString& title) {
    PrintListData list = GridPrintList(grid, title);
    return RunPrint(parent, context, PrintMode::ListTable, std::nullopt,
                    [list = std::move(list)](const PrintPageSetup& setup, const TextMeasure& measure) {
                        return PrintListTable(list, setup, measure);
                    });
}

bool PrintMatchGridJob(QWidget* parent, AppContext& context, const MatchGridData& grid) {
    return RunPrint(parent, context, PrintMode::MatchGrid, std::nullopt,
                    [grid](const PrintPageSetup& setup, const TextMeasure& measure) {
                        return PrintMatchGrid(grid, setup, measure);
                    });
}

bool PrintGraphJob(QWidget* parent, AppContext& context, const GraphSeries& series, bool bars) {
    return RunPrint(parent, context, PrintMode::Graph, std::nullopt,
                    [series, bars](const PrintPageSetup& setup, const TextMeasure& measure) {
                        return PrintGraph(series, bars, setup, measure);
                    });
}

void InstallPrinting(LeagueHost& host) {
    InstallTablePrint(host);
    InstallTeamStatisticsPrint(host);
    InstallListPrints(host);
}

} // namespace gorlin
