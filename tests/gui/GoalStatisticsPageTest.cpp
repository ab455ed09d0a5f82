#include "gui/league/GoalStatisticsPage.h"

#include "core/model/Dates.h"
#include "gui/app/LeagueWindow.h"
#include "gui/charts/ShapeBox.h"
#include "gui/league/GraphWindows.h"
#include "gui/league/LeagueHost.h"
#include "gui/league/PlayerStatsWindow.h"
#include "gui/league/TeamStatisticsPage.h"
#include "gui/support/GuiFixture.h"
#include "gui/support/ModalScript.h"
#include "gui/widgets/LeagueText.h"
#include "support/LeagueBuilder.h"

namespace gorlin {

class GoalStatisticsPageTest : public QObject {
    Q_OBJECT
private slots:
    void goalPageShowsEveryTab();
    void playerWindowKeepsItsOwnFilter();
    void graphInEveryTypeAndStyleWithHover();
    void matchGridShowsBothSets();
};

namespace {

const int kDay = ToDayNumber(2018, 8, 10); // before the fixture's today, 12 May 2019
enum { kRovers = 1, kAlbion, kCity };

/// Three teams meeting four times (two sets of six games), Rovers the own team. Adam (Rovers)
/// scores a hat-trick with a penalty in the first game and plays in its squad; Bob (Albion)
/// puts one into his own net; the last game of the second set is a dated fixture.
League TestLeague() {
    test::LeagueBuilder b;
    b.Teams({"Rovers", "Albion", "City"}).Points(3, 1, 0);
    const int adam = b.Player("Adam", kRovers);
    const int bob = b.Player("Bob", kAlbion);
    int first = 0;
    for (int round = 0; round < 2; ++round)
        for (const auto& [h, a] : {std::pair{1, 2}, {2, 1}, {1, 3}, {3, 1}, {2, 3}, {3, 2}}) {
            const int date = kDay + round * 30 + h * 7 + a;
            const int g = round == 1 && h == 3 && a == 2 ? b.Fixture(h, a, kDay + 60)
                                                         : b.Played(h, a, h == kRovers ? 4 : 1, 0, date);
            first = first == 0 ? g : first;
        }
    b.Goal(first, kRovers, adam, 10);
    b.Goal(first, kRovers, adam, 50, false, true);
    b.Goal(first, kRovers, adam, 92);
    b.Goal(first, kRovers, bob, 30, true);
    SquadEntry entry{};
    entry.Player = static_cast<u16>(adam);
    entry.TimeOff = 90;
    entry.Yellow1 = 1;
    entry.Rating = 75;
    b.Squad(first, kRovers, {entry});
    League league = b.Build();
    league.Head.OwnTeam = kRovers;
    return league;
}

QStringList Items(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

QString Cell(const QTableView* grid, int row, int column) {
    return grid->model()->index(row, column).data().toString();
}

struct Window {
    test::GuiFixture f{TestLeague()};
    LeagueWindow w{f.context};
    Window() {
        if (!w.Load(test::Q(f.file)))
            qFatal("cannot open the test league");
        w.resize(1000, 640);
        w.show();
        if (!QTest::qWaitForWindowExposed(&w))
            qFatal("league window not shown");
    }
    template <typename T> T* Page(int index) {
        w.Pages()->setCurrentIndex(index);
        return qobject_cast<T*>(w.Pages()->widget(index));
    }
};

} // namespace

void GoalStatisticsPageTest::goalPageShowsEveryTab() {
    Window win;
    auto* page = win.Page<GoalStatisticsPage>(LeagueHost::kGoalStatisticsPage);
    QVERIFY(page != nullptr);
    QCOMPARE(win.w.Pages()->tabText(LeagueHost::kGoalStatisticsPage), QString("Goal Statistics"));
    QCOMPARE(Items(test::Child<QListWidget>(page, "lbTopScorers")), QStringList{"3 Adam (Rovers)"});
    QCOMPARE(test::Child<QLabel>(page, "lbPenScored")->text(), QString("1"));
    QCOMPARE(test::Child<QLabel>(page, "lbPenAward")->text(), QString("1 (Rovers)"));

    // The chart opens on the own team; all teams is item 0.
    auto* chartTeam = test::Child<QComboBox>(page, "cbGdTeam");
    QCOMPARE(chartTeam->currentText(), QString("Rovers"));
    auto* chart = test::Child<ShapeBox>(page, "pbGoals");
    QCOMPARE(chart->Shapes().size(), GoalGraph(page->Times(), chart->width(), chart->height()).size());
    QCOMPARE(page->Times().Counts[19], 1); // minute 92: the yellow bucket
    test::Screenshot(&win.w, "goalstats-own-team");
    chartTeam->setCurrentIndex(2); // "City": no goals, nothing drawn
    emit chartTeam->activated(2);
    QVERIFY(chart->Shapes().empty());
    chartTeam->setCurrentIndex(0);
    emit chartTeam->activated(0);
    QCOMPARE(page->ChartTeam(), 0);
    test::Screenshot(&win.w, "goalstats-all-teams");

    auto* tabs = test::Child<QTabWidget>(page, "pcGoals");
    const char* const shots[] = {"goalstats-hat-tricks", "goalstats-penalties", "goalstats-own-goals",
                                 "goalstats-by-team"};
    for (int t = 0; t < 4; ++t) {
        tabs->setCurrentIndex(t);
        test::Screenshot(&win.w, shots[t]);
    }
    auto* hat = test::Child<QTableView>(page, "sgGoalsPerMatch");
    QCOMPARE(Cell(hat, 0, 2), QString("(Rovers) v Albion"));
    auto* own = test::Child<QTableView>(page, "sgOwnGoals");
    QCOMPARE(Cell(own, 0, 0), QString("Bob"));
    auto* byTeam = test::Child<QTableView>(page, "sgTeamGoals");
    QCOMPARE(byTeam->model()->index(2, 0).data(Qt::ForegroundRole).value<QColor>(),
             ToQColor(win.f.settings.Colour4));
    // "Against" sorts descending: Albion conceded all four goals.
    page->HeaderClick(byTeam, 3);
    QCOMPARE(Cell(byTeam, 0, 0), QString("Albion"));
    byTeam->horizontalHeader()->resizeSection(0, 140);
    QCOMPARE(byTeam->columnWidth(0), 140);

    // Double clicks reach the player window; the by-team rows have no player.
    QSignalSpy players(page, &GoalStatisticsPage::playerRequested);
    test::ModalScript script;
    auto close = [](PlayerStatsWindow* d) { d->reject(); };
    script.Then<PlayerStatsWindow>(close).Then<PlayerStatsWindow>(close);
    page->GridDblClick(byTeam, 0);
    page->GridDblClick(hat, 0);
    page->lbTopScorersDblClick(0);
    QCOMPARE(players.count(), 2);
    QCOMPARE(players.at(1).at(0).toInt(), 1);
    QCOMPARE(script.Pending(), 0);
}

void GoalStatisticsPageTest::playerWindowKeepsItsOwnFilter() {
    Window win;
    auto* page = win.Page<GoalStatisticsPage>(LeagueHost::kGoalStatisticsPage);
    test::ModalScript script;
    script.Then<PlayerStatsWindow>([&win](PlayerStatsWindow* d) {
        QCOMPARE(d->windowTitle(), QString("Statistics for Adam (Rovers)"));
        QCOMPARE(test::Child<QLabel>(d, "labRatBest")->text(), QString("7.5"));
        QCOMPARE(test::Child<QLabel>(d, "lbYellow")->text(), QString("1"));
        QCOMPARE(test::Child<QLabel>(d, "lbTimeOff")->text(), QString("90"));
        QCOMPARE(test::Child<QLabel>(d, "lbPenalties")->text(), QString("1"));
        QVERIFY(test::Child<QPushButton>(d, "btnGameSummary")->isEnabled());
        test::Screenshot(d, "player-window");
        auto* filter = test::Child<QComboBox>(d, "cbTeamPlay");
        filter->setCurrentIndex(1);
        emit filter->activated(1);
        QCOMPARE(d->GameType(), 1);
        QCOMPARE(int(win.w.GetLeague().Head.GameType), 0);
        d->reject();
    });
    page->lbTopScorersDblClick(0);
    QVERIFY2(script.Problems().isEmpty(), qPrintable(script.Problems().join("; ")));
    QCOMPARE(script.Pending(), 0);
}

void GoalStatisticsPageTest::graphInEveryTypeAndStyleWithHover() {
    Window win;
    auto* stats = win.Page<TeamStatisticsPage>(LeagueHost::kTeamStatisticsPage);
    QVERIFY(stats->SelectTeam(kAlbion));
    QVERIFY(test::Child<QPushButton>(stats, "btnGraph")->isEnabled());
    test::ModalScript script;
    script.Then<PositionGraphWindow>([](PositionGraphWindow* d) {
        d->resize(760, 480);
        d->show();
        QVERIFY(QTest::qWaitForWindowExposed(d));
        QCOMPARE(d->windowTitle(), QString("Points Progress for Albion"));
        auto* style = test::Child<QGroupBox>(d, "RadioGroup2");
        QVERIFY(!style->isEnabled());
        QVERIFY(d->Bars());
        auto* box = test::Child<ShapeBox>(d, "pbGraph");
        box->Shapes(); // lays out the plot as a paint does
        const GraphPicture& p = d->Picture();
        QVERIFY(p.HoverGames > 0);
        d->GraphMouseMove(p.PlotLeft + p.Unit / 2, (p.PlotTop + p.PlotBottom) / 2);
        auto* hover = test::Child<QLabel>(d, "edMatch");
        QVERIFY(hover->isVisible());
        QCOMPARE(hover->text(), FromLeague(d->Series().Slots[1].Games[0].Hover));
        test::Screenshot(d, "graph-points-hover");
        d->GraphMouseMove(p.PlotRight + 5, p.PlotTop - 5);
        QVERIFY(!hover->isVisible());

        for (const int type : {kTopComparison, kBottomComparison}) {
            d->RadioGroup1Click(type);
            QVERIFY(style->isEnabled());
            QCOMPARE(d->Series().Shown, 3); // Albion is among the three: not drawn twice
            d->RadioGroup2Click(0);
            QVERIFY(d->Bars());
            test::Screenshot(d, type == kTopComparison ? "graph-top-bars" : "graph-bottom-bars");
            d->RadioGroup2Click(1);
            QVERIFY(!d->Bars());
            test::Screenshot(d, type == kTopComparison ? "graph-top-lines" : "graph-bottom-lines");
        }
        d->reject();
    });
    QTest::mouseClick(test::Child<QPushButton>(stats, "btnGraph"), Qt::LeftButton);
    QVERIFY2(script.Problems().isEmpty(), qPrintable(script.Problems().join("; ")));
    QCOMPARE(script.Pending(), 0);
}

void GoalStatisticsPageTest::matchGridShowsBothSets() {
    Window win;
    win.Page<QWidget>(LeagueHost::kLeagueTablePage);
    test::ModalScript script;
    script.Then<MatchGridWindow>([](MatchGridWindow* d) {
        d->resize(700, 460);
        d->show();
        QVERIFY(QTest::qWaitForWindowExposed(d));
        auto* second = test::Child<QCheckBox>(d, "cbSecondSet");
        QVERIFY(second->isEnabled());
        QVERIFY(!second->isChecked());
        QCOMPARE(d->Grid().Cell(kCity, kAlbion).Text, std::string("1-0"));
        test::Screenshot(d, "match-grid-first");
        second->setChecked(true);
        QCOMPARE(d->Grid().Set, 2);
        QVERIFY(d->Grid().Cell(kCity, kAlbion).Fixture);
        test::Screenshot(d, "match-grid-second");
        d->reject();
    });
    test::Click(win.w.Pages()->widget(LeagueHost::kLeagueTablePage), "btnMatchGrid");
    QVERIFY2(script.Problems().isEmpty(), qPrintable(script.Problems().join("; ")));
    QCOMPARE(script.Pending(), 0);
}

} // namespace gorlin

QTEST_MAIN(gorlin::GoalStatisticsPageTest)
#include "GoalStatisticsPageTest.moc"
