#include "gui/league/TeamStatisticsPage.h"

#include "core/engine/TeamCharts.h"
#include "core/model/Dates.h"
#include "core/model/LeagueFile.h"
#include "gui/app/HelpWindow.h"
#include "gui/app/LeagueWindow.h"
#include "gui/charts/ShapeBox.h"
#include "gui/league/FixturesPage.h"
#include "gui/league/LeaguePages.h"
#include "gui/league/LeagueTableModel.h"
#include "gui/league/LeagueTablePage.h"
#include "gui/league/PlayerColumnsDialog.h"
#include "gui/league/StatsTeamListBox.h"
#include "gui/league/TeamStatsGridModels.h"
#include "gui/league/TeamStatsPictures.h"
#include "gui/support/GuiFixture.h"
#include "gui/support/ScriptedPrompter.h"
#include "gui/widgets/AppContext.h"
#include "support/LeagueBuilder.h"
#include "support/TestPaths.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>
#include <fstream>

namespace gorlin {

class TeamStatisticsPageTest : public QObject {
    Q_OBJECT
private slots:
    void openingShowsTheOwnTeamWithPictures();
    void choosingTeamsAndFilters();
    void everyHeadingSortsItsGrid();
    void columnChooserStoresPlayerCols();
    void formPhrasesRotateOnlyWhileThePageIsCurrent();
    void chartAndGraphButton();
    void otherWindowsRightClicksAndBeeps();
    void settingAFixtureDate();
    void leagueTableDoubleClickSelectsTheTeam();
};

namespace {

const int kStart = ToDayNumber(2024, 8, 10);
enum { kRovers = 1, kAlbion, kCity, kDormant, kAthletic };

/// Rovers won all four league games (two at home) and a cup game; Albion lost both of theirs;
/// Dormant never played; Athletic plays only in the cup. City is the own team.
League TestLeague() {
    test::LeagueBuilder b;
    b.Teams({"Rovers", "Albion", "City", "Dormant"})
        .OtherTeams({"Athletic"})
        .Comp("FA Cup", "FAC")
        .Points(3, 1, 0);
    const int g1 = b.Played(kRovers, kAlbion, 2, 0, kStart);
    b.Played(kCity, kRovers, 0, 1, kStart + 7);
    const int g3 = b.Played(kRovers, kCity, 3, 1, kStart + 14);
    const int g4 = b.Played(kAlbion, kRovers, 1, 2, kStart + 21);
    b.CupGame(kRovers, kAthletic, 3, 0, kStart + 10);
    b.Fixture(kRovers, kAlbion, kStart + 28, true, 1, 0);
    b.Fixture(kCity, kRovers, kStart + 35);
    b.Fixture(kRovers, kCity, 0);
    b.Get().Games[static_cast<std::size_t>(g1)].Attendance = 12000;
    b.Get().Games[static_cast<std::size_t>(g3)].Attendance = 9500;
    auto player = [&b](const char* name, int squadNo, int position, int birth) {
        PlayerRec p{};
        p.Name = name;
        p.Team = kRovers;
        p.SquadNo = static_cast<u8>(squadNo);
        p.Position = static_cast<u8>(position);
        p.BirthDate = static_cast<u16>(birth);
        return b.Player(p);
    };
    const int zed = player("Zed Keeper", 1, 1, 30000);
    const int adam = player("adam Striker", 9, 4, 35000);
    const int bob = player("Bob Back", 4, 2, 0);
    b.Goal(g1, kRovers, adam, 10);
    b.Goal(g1, kRovers, adam, 80);
    b.Goal(g3, kRovers, adam, 5);
    b.Goal(g3, kRovers, bob, 50);
    b.Goal(g4, kRovers, bob, 60);
    SquadEntry in{};
    in.TimeOff = 90;
    SquadEntry booked = in;
    booked.Yellow1 = 1;
    in.Player = static_cast<u16>(zed);
    booked.Player = static_cast<u16>(adam);
    b.Squad(g1, kRovers, {in, booked});
    League league = b.Build();
    league.Head.OwnTeam = kCity;
    return league;
}

struct Fixture : test::ProgramContext<test::ScriptedFileDialogs> {
    League league = TestLeague();

    Fixture() : ProgramContext(Locale{}) { locale.Today = kStart + 60; }

    TeamStatsData Core(int team) const { return TeamStats(league, team, settings, locale); }
};

template <typename T> T* Find(QWidget& parent, const char* name) {
    T* found = parent.findChild<T*>(name);
    if (!found)
        qFatal("no control %s", name);
    return found;
}

QString Label(QWidget& page, const char* name) {
    return Find<QLabel>(page, name)->text();
}

/// The games or players of a grid's rows, top to bottom.
QList<int> Keys(QTableView* grid) {
    QList<int> keys;
    const auto* model = static_cast<const TeamGridModel*>(grid->model());
    for (int row = 0; row < model->rowCount(); ++row)
        keys << model->RowKey(row);
    return keys;
}

template <typename Row> QList<int> KeysOf(const std::vector<Row>& rows, int (*key)(const Row&)) {
    QList<int> keys;
    for (const Row& row : rows)
        keys << key(row);
    return keys;
}

void ClickItem(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
    QVERIFY(!items.isEmpty());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items[0]).center());
}

void ClickHeading(QTableView* grid, int section) {
    QHeaderView* header = grid->horizontalHeader();
    const QPoint at(header->sectionViewportPosition(section) + header->sectionSize(section) / 2,
                    header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

QPoint RowPoint(QTableView* grid, int row) {
    return grid->visualRect(grid->model()->index(row, 1)).center();
}

/// Chooses a filter item with the keyboard, as a user does.
void ChooseFilter(QComboBox* box, int item) {
    while (box->currentIndex() < item)
        QTest::keyClick(box, Qt::Key_Down);
    while (box->currentIndex() > item)
        QTest::keyClick(box, Qt::Key_Up);
}

QStringList Items(QListWidget* list) {
    QStringList out;
    for (int row = 0; row < list->count(); ++row)
        out << list->item(row)->text();
    return out;
}

/// A double click on a row as the platform delivers it: a click, then a press that is a double click.
void DoubleClick(QTableView* grid, int row) {
    const QPoint at = RowPoint(grid, row);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, at);
    QMouseEvent twice(QEvent::MouseButtonDblClick, at, grid->viewport()->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grid->viewport(), &twice);
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, at);
}

/// A right-button click as the platform delivers it: the press, then the context menu event.
void RightClick(QTableView* grid, QPoint at) {
    QTest::mousePress(grid->viewport(), Qt::RightButton, {}, at);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, at, grid->viewport()->mapToGlobal(at));
    QApplication::sendEvent(grid->viewport(), &menu);
    QTest::mouseRelease(grid->viewport(), Qt::RightButton, {}, at);
}

QStringList Described(const std::vector<Shape>& shapes) {
    QStringList out;
    for (const Shape& shape : shapes)
        out << QString::fromStdString(DescribeShape(shape));
    return out;
}

bool SamePicture(const QVariant& decoration, const QPixmap& picture) {
    return decoration.value<QPixmap>().toImage() == picture.toImage();
}

} // namespace

void TeamStatisticsPageTest::openingShowsTheOwnTeamWithPictures() {
    Fixture f;
    TeamStatisticsPage page(f.league, f.context);
    page.resize(940, 620);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    auto* list = Find<StatsTeamListBox>(page, "SelTeamList");
    QCOMPARE(Items(list), QStringList({"Albion", "City", "Dormant", "Rovers"}));
    QCOMPARE(list->currentItem()->text(), QString("City"));
    for (int row = 0; row < list->count(); ++row)
        QVERIFY(SamePicture(list->item(row)->data(Qt::DecorationRole), LeagueGamePicture()));
    QCOMPARE(Find<QComboBox>(page, "cbTeamGames")->currentText(), QString("League Games Only"));

    // Every label shows the core's text for the team.
    for (const auto& [name, text] : TeamStatsLabels(f.Core(kCity)))
        if (name != "btnGraph")
            QCOMPARE(Label(page, name.c_str()), QString::fromStdString(text));

    ClickItem(list, "Rovers");
    QCOMPARE(page.SelectedTeam(), int(kRovers));
    QCOMPARE(Label(page, "labAttAve"), QString("10,750"));
    auto* games = Find<QTableView>(page, "sgGames");
    QAbstractItemModelTester tester(games->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(games->model()->rowCount(), 4);
    QCOMPARE(games->model()->index(0, 1).data().toString(), QString("31/08/2024"));
    // City is the own team: its name is in the own-team colour.
    QCOMPARE(games->model()->index(1, kResOpposition).data().toString(), QString("City"));
    QCOMPARE(games->model()->index(1, kResOpposition).data(Qt::ForegroundRole).value<QColor>(),
             QColor(255, 0, 0));
    QVERIFY(games->model()->index(0, kResAttend).data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight);
    test::Screenshot(&page, "teamstats-results");

    auto* tabs = Find<QTabWidget>(page, "pcTeamStats");
    QCOMPARE(tabs->count(), 4);
    for (int t = 1; t < tabs->count(); ++t) {
        tabs->setCurrentIndex(t);
        static const char* const kShots[] = {"", "teamstats-players", "teamstats-fixtures", "teamstats-misc"};
        test::Screenshot(&page, kShots[t]);
    }
    // The page lets the league window shrink well below its first size.
    QVERIFY(page.minimumSizeHint().width() <= 700);
    page.resize(page.minimumSizeHint());
    tabs->setCurrentIndex(0);
    test::Screenshot(&page, "teamstats-smallest");
}

void TeamStatisticsPageTest::choosingTeamsAndFilters() {
    Fixture f;
    TeamStatisticsPage page(f.league, f.context);
    page.show();
    auto* list = Find<StatsTeamListBox>(page, "SelTeamList");
    auto* filter = Find<QComboBox>(page, "cbTeamGames");
    QCOMPARE(filter->count(), 3);
    QCOMPARE(filter->itemText(2), QString("FA Cup"));
    ClickItem(list, "Rovers");

    // League and Cup: the cup team joins the list with its cup picture; Rovers stays chosen.
    ChooseFilter(filter, 1);
    QCOMPARE(int(f.league.Head.GameType), 1);
    QVERIFY(!f.league.DataChanged);
    QCOMPARE(Items(list), QStringList({"Albion", "Athletic", "City", "Dormant", "Rovers"}));
    QVERIFY(SamePicture(list->item(1)->data(Qt::DecorationRole), CupPicture()));
    QCOMPARE(list->currentItem()->text(), QString("Rovers"));
    QCOMPARE(Label(page, "lblPlayed"), QString("5"));
    QCOMPARE(Label(page, "lblPoints"), QString("12"));

    // One competition: no points, and the graph stays off even when it can be opened.
    page.SetGraphAvailable(true);
    QVERIFY(Find<QPushButton>(page, "btnGraph")->isEnabled());
    ChooseFilter(filter, 2);
    QCOMPARE(Label(page, "lblPlayed"), QString("1"));
    QCOMPARE(Label(page, "lblPoints"), QString());
    QCOMPARE(Label(page, "lbDeducted"), QString());
    QVERIFY(!Find<QPushButton>(page, "btnGraph")->isEnabled());

    // Back to league games with the cup team chosen: it is no longer offered, the first team is.
    ClickItem(list, "Athletic");
    QCOMPARE(Label(page, "lblPlayed"), QString("1"));
    ChooseFilter(filter, 0);
    QCOMPARE(list->currentItem()->text(), QString("Albion"));
    QCOMPARE(page.SelectedTeam(), int(kAlbion));
    QCOMPARE(Label(page, "lblLost"), QString("2"));
    QVERIFY(!f.league.DataChanged);
}

void TeamStatisticsPageTest::everyHeadingSortsItsGrid() {
    Fixture f;
    f.league.Head.GameType = 1; // the cup game gives the Comp column something to sort
    f.settings.PlayerCols = "ABCDEFGHIJKLMN";
    TeamStatisticsPage page(f.league, f.context);
    page.resize(940, 620);
    page.show();
    QVERIFY(page.SelectTeam(kRovers));
    TeamStatsData rows = f.Core(kRovers);

    auto* games = Find<QTableView>(page, "sgGames");
    games->selectRow(2);
    const int selectedGame = Keys(games)[2];
    GridSort sort;
    for (int click = 0; click < 2 * kResColumns; ++click) {
        const int column = click / 2; // every heading twice: first and second order
        ClickHeading(games, column);
        sort = ClickHeading(sort, column);
        SortResults(rows.Results, sort);
        QCOMPARE(Keys(games),
                 KeysOf<TeamResultRow>(rows.Results, [](const TeamResultRow& r) { return r.Game; }));
        QCOMPARE(Keys(games)[games->currentIndex().row()], selectedGame); // the selection follows its game
    }

    auto* fixtures = Find<QTableView>(page, "sgFixtures");
    sort = TeamStatsSorts{}.Fixtures;
    for (int click = 0; click < 2 * kTeamFixColumns; ++click) {
        const int column = click / 2;
        ClickHeading(fixtures, column);
        sort = ClickHeading(sort, column);
        SortFixtures(rows.FixtureRows, sort);
        QCOMPARE(Keys(fixtures),
                 KeysOf<TeamFixtureRow>(rows.FixtureRows, [](const TeamFixtureRow& r) { return r.Game; }));
    }

    auto* tabs = Find<QTabWidget>(page, "pcTeamStats");
    tabs->setCurrentIndex(1);
    auto* players = Find<QTableView>(page, "sgTmPlayers");
    QCOMPARE(players->model()->columnCount(), 14);
    // Initially by name, whatever the case of the letters.
    QCOMPARE(players->model()->index(0, 1).data().toString(), QString("adam Striker"));
    for (int column = 0; column < 14; ++column) {
        ClickHeading(players, column);
        SortPlayers(rows.Players, char('A' + column));
        QCOMPARE(Keys(players),
                 KeysOf<TeamPlayerRow>(rows.Players, [](const TeamPlayerRow& r) { return r.Stat.Player; }));
    }
    // The "SN" heading shows the shirt instead of its text.
    QHeaderView* header = players->horizontalHeader();
    QCOMPARE(header->objectName(), QString("hcTmPlayers"));
    const QImage heading = header->grab().toImage();
    const QPoint middle(header->sectionViewportPosition(0) + header->sectionSize(0) / 2,
                        header->height() / 2);
    QCOMPARE(heading.pixelColor(middle), QColor(200, 0, 0));
    test::Screenshot(&page, "teamstats-players-all-columns");
}

void TeamStatisticsPageTest::columnChooserStoresPlayerCols() {
    Fixture f;
    TeamStatisticsPage page(f.league, f.context);
    page.show();
    page.SelectTeam(kRovers);
    auto* players = Find<QTableView>(page, "sgTmPlayers");
    QCOMPARE(players->model()->columnCount(), 9);

    bool driven = false;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<PlayerColumnsDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        auto* available = Find<QListWidget>(*dialog, "lbAvailable");
        auto* displayed = Find<QListWidget>(*dialog, "lbDisplayed");
        auto button = [dialog](const char* name) { return Find<QPushButton>(*dialog, name); };
        QCOMPARE(Items(available),
                 QStringList({"Date of Birth", "Players Age", "Players Cost", "Foreign", "Average Rating"}));
        QCOMPARE(displayed->count(), 9);
        QVERIFY(button("btnAdd")->isEnabled());
        QVERIFY(!button("btnRemove")->isEnabled());
        QVERIFY(!button("btnUp")->isEnabled());

        displayed->setCurrentRow(8);
        QVERIFY(button("btnUp")->isEnabled());
        QVERIFY(!button("btnDown")->isEnabled());
        // Fewer than three columns: OK is refused.
        while (displayed->count() > 2)
            QTest::mouseClick(button("btnRemove"), Qt::LeftButton);
        QVERIFY(!button("btnOK")->isEnabled());
        QTest::mouseClick(button("btnDefault"), Qt::LeftButton);
        QCOMPARE(displayed->count(), 9);
        QVERIFY(button("btnOK")->isEnabled());

        available->setCurrentRow(0); // Date of Birth
        QTest::mouseClick(button("btnAdd"), Qt::LeftButton);
        QCOMPARE(displayed->currentItem()->text(), QString("Date of Birth"));
        QTest::mouseClick(button("btnUp"), Qt::LeftButton);
        QCOMPARE(dialog->Displayed(), std::string("ABCDEFGHJI"));
        test::Screenshot(dialog, "teamstats-column-chooser");
        driven = true;
        QTest::mouseClick(button("btnOK"), Qt::LeftButton);
    });
    QTest::mouseClick(Find<QPushButton>(page, "btnColumns"), Qt::LeftButton);
    QVERIFY(driven);

    QCOMPARE(f.settings.PlayerCols, std::string("ABCDEFGHJI"));
    std::ifstream saved(f.dir / "gorlin.ini");
    const std::string text((std::istreambuf_iterator<char>(saved)), {});
    QVERIFY(text.find("PlayerCols=ABCDEFGHJI") != std::string::npos);
    QCOMPARE(players->model()->columnCount(), 10);
    QCOMPARE(players->model()->headerData(8, Qt::Horizontal).toString(), QString("DOB"));

    // Cancel keeps everything.
    QTimer::singleShot(0, this, [] {
        auto* dialog = qobject_cast<PlayerColumnsDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QTest::mouseClick(Find<QPushButton>(*dialog, "btnDefault"), Qt::LeftButton);
        QTest::mouseClick(Find<QPushButton>(*dialog, "btnCancel"), Qt::LeftButton);
    });
    page.btnColumnsClick();
    QCOMPARE(f.settings.PlayerCols, std::string("ABCDEFGHJI"));
    QCOMPARE(players->model()->columnCount(), 10);
}

void TeamStatisticsPageTest::formPhrasesRotateOnlyWhileThePageIsCurrent() {
    Fixture f;
    QTabWidget tabs;
    auto* page = new TeamStatisticsPage(f.league, f.context);
    tabs.addTab(page, "Team Statistics");
    tabs.addTab(new QWidget, "Other");
    tabs.resize(940, 620);
    tabs.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tabs));
    page->SelectTeam(kRovers);

    const QStringList phrases = {"Won last 4", "Unbeaten in 4", "Won all home matches",
                                 "Undefeated this season", "12 points out of last 12"};
    QTimer* timer = page->FormTimer();
    QCOMPARE(timer->interval(), 4000);
    QVERIFY(timer->isActive());
    QCOMPARE(Label(*page, "labFormSum"), phrases[0]);
    for (int tick = 1; tick <= phrases.size(); ++tick) {
        page->tiFormTimer();
        QCOMPARE(Label(*page, "labFormSum"), phrases[tick % phrases.size()]);
    }

    // The form boxes: home row at y 2, away row at y 20, blue for wins.
    auto* boxes = Find<ShapeBox>(*page, "pbCurForm");
    QImage image = boxes->grab().toImage();
    QCOMPARE(image.pixelColor(0, 2), QColor(Qt::black));
    QCOMPARE(image.pixelColor(2, 4), QColor(0, 0, 255));
    QCOMPARE(image.pixelColor(17, 22), QColor(0, 0, 255));
    QCOMPARE(image.pixelColor(32, 4), image.pixelColor(boxes->width() - 1, 0)); // only two home games
    test::Screenshot(Find<QWidget>(*page, "gbCurrentForm"), "teamstats-form");

    // Another page current: the next tick stops the timer and the phrase stays.
    page->tiFormTimer();
    const QString shown = Label(*page, "labFormSum");
    tabs.setCurrentIndex(1);
    QVERIFY(timer->isActive());
    page->tiFormTimer();
    QVERIFY(!timer->isActive());
    QCOMPARE(Label(*page, "labFormSum"), shown);
    page->tiFormTimer();
    QVERIFY(!timer->isActive());

    // Back on the page the rotation starts again from the first phrase.
    tabs.setCurrentIndex(0);
    QVERIFY(timer->isActive());
    QCOMPARE(Label(*page, "labFormSum"), phrases[0]);

    // Albion (two games): no phrase, no timer, red boxes.
    page->SelectTeam(kAlbion);
    QVERIFY(!timer->isActive());
    QCOMPARE(Label(*page, "labFormSum"), QString());
    image = boxes->grab().toImage();
    QCOMPARE(image.pixelColor(2, 4), QColor(255, 0, 0));
    QCOMPARE(image.pixelColor(2, 22), QColor(255, 0, 0));
}

void TeamStatisticsPageTest::chartAndGraphButton() {
    Fixture f;
    TeamStatisticsPage page(f.league, f.context);
    page.resize(940, 620);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    page.SelectTeam(kRovers);
    QSignalSpy graphs(&page, &TeamStatisticsPage::graphRequested);
    auto* chart = Find<ShapeBox>(page, "pbPoints");
    auto* graph = Find<QPushButton>(page, "btnGraph");

    // Four wins: four blue bars, the last one the tallest.
    const std::vector<Shape> shapes = chart->Shapes();
    QCOMPARE(Described(shapes),
             Described(PointsGraph(f.Core(kRovers).Chart, chart->width(), chart->height())));
    QCOMPARE(shapes.size(), std::size_t(6));
    const Shape& last = shapes.back();
    const QImage image = chart->grab().toImage();
    QCOMPARE(image.pixelColor(last.X1 + 2, last.Y2 - 2), QColor(0, 0, 255));
    QCOMPARE(image.pixelColor(shapes[0].X1, shapes[0].Y2 - 1), QColor(Qt::black));
    test::Screenshot(Find<QWidget>(page, "gbPoints"), "teamstats-chart");

    // The graph window is not there yet: nothing is offered.
    QVERIFY(!graph->isEnabled());
    QTest::mouseDClick(chart, Qt::LeftButton, {}, chart->rect().center());
    QCOMPARE(graphs.count(), 0);
    page.SetGraphAvailable(true);
    QVERIFY(graph->isEnabled());
    QTest::mouseClick(graph, Qt::LeftButton);
    QTest::mouseDClick(chart, Qt::LeftButton, {}, chart->rect().center());
    QCOMPARE(graphs.count(), 2);
    QCOMPARE(graphs.at(0).at(0).toInt(), int(kRovers));

    // A team that has not played: axes only and no graph.
    page.SelectTeam(kDormant);
    QCOMPARE(chart->Shapes().size(), std::size_t(2));
    QVERIFY(!graph->isEnabled());
    QTest::mouseDClick(chart, Qt::LeftButton, {}, chart->rect().center());
    QCOMPARE(graphs.count(), 2);
}

void TeamStatisticsPageTest::otherWindowsRightClicksAndBeeps() {
    Fixture f;
    TeamStatisticsPage page(f.league, f.context);
    page.resize(940, 620);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    page.SelectTeam(kRovers);
    QSignalSpy summaries(&page, &TeamStatisticsPage::gameSummaryRequested);
    QSignalSpy squads(&page, &TeamStatisticsPage::squadsRequested);
    QSignalSpy players(&page, &TeamStatisticsPage::playerRequested);
    auto* games = Find<QTableView>(page, "sgGames");
    for (const char* name : {"btnGameSummary", "btnSquads", "btnPlayerStats", "btnTSPrint"})
        QVERIFY2(!Find<QPushButton>(page, name)->isEnabled(), name);
    DoubleClick(games, 1);
    QCOMPARE(summaries.count(), 0);

    page.SetGameWindowsAvailable(true);
    page.SetPlayerWindowAvailable(true);
    DoubleClick(games, 0);
    QCOMPARE(summaries.count(), 1);
    QCOMPARE(summaries.at(0).at(0).toInt(), Keys(games)[0]);
    // A right click selects the row under the pointer and opens the grid's menu there.
    RightClick(games, RowPoint(games, 2));
    QTRY_VERIFY(Find<QMenu>(page, "pmGames")->isVisible());
    QCOMPARE(games->currentIndex().row(), 2);
    Find<QMenu>(page, "pmGames")->close();
    QTest::mouseClick(Find<QPushButton>(page, "btnGameSummary"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(page, "btnSquads"), Qt::LeftButton);
    QCOMPARE(summaries.count(), 2);
    QCOMPARE(summaries.at(1).at(0).toInt(), Keys(games)[2]);
    QCOMPARE(squads.count(), 1);
    QCOMPARE(squads.at(0).at(0).toInt(), Keys(games)[2]);

    auto* playersGrid = Find<QTableView>(page, "sgTmPlayers");
    playersGrid->selectRow(1);
    QTest::mouseClick(Find<QPushButton>(page, "btnPlayerStats"), Qt::LeftButton);
    QCOMPARE(players.count(), 1);
    QCOMPARE(players.at(0).at(0).toInt(), Keys(playersGrid)[1]);
    QCOMPARE(f.prompter.Beeps, 0);

    // Dormant has no games and no players: the commands only beep.
    page.SelectTeam(kDormant);
    QTest::mouseClick(Find<QPushButton>(page, "btnGameSummary"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(page, "btnSquads"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(page, "btnPlayerStats"), Qt::LeftButton);
    QCOMPARE(f.prompter.Beeps, 3);
    QCOMPARE(summaries.count(), 2);
    QCOMPARE(squads.count(), 1);
    QCOMPARE(players.count(), 1);
    QVERIFY(f.prompter.Messages.isEmpty());
}

void TeamStatisticsPageTest::settingAFixtureDate() {
    Fixture f;
    TeamStatisticsPage page(f.league, f.context);
    page.show();
    page.SelectTeam(kRovers);
    QSignalSpy changes(&page, &TeamStatisticsPage::dataChanged);
    int presets = 0;
    int answer = 0;
    page.SetDatePicker([&](QWidget*, int preset, QPoint) {
        presets = preset;
        return answer;
    });
    auto* fixtures = Find<QTableView>(page, "sgFixtures");
    QAction* setDate = Find<QMenu>(page, "pmFixtures")->findChild<QAction*>("miSetDate");
    // Earliest first; the undated fixture sorts as day 0.
    QCOMPARE(fixtures->model()->index(0, kTeamFixDate).data().toString(), QString());
    const int game = Keys(fixtures)[0];

    setDate->trigger(); // cancelled
    QCOMPARE(presets, f.locale.Today);
    QCOMPARE(changes.count(), 0);
    QVERIFY(!f.league.DataChanged);

    answer = ToDayNumber(2024, 10, 5);
    setDate->trigger();
    QCOMPARE(GameDay(f.league.Games[static_cast<std::size_t>(game)]), answer);
    QVERIFY(f.league.DataChanged);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(fixtures->model()->index(2, kTeamFixDate).data().toString(), QString("05/10/2024")); // now last

    page.SelectTeam(kDormant);
    setDate->trigger();
    QCOMPARE(f.prompter.Beeps, 1);
}

void TeamStatisticsPageTest::leagueTableDoubleClickSelectsTheTeam() {
    Fixture f;
    const auto file = f.dir / "LEAGUE.DIV";
    QVERIFY(SaveLeague(f.league, file, SaveOptions{false}).Ok);
    f.settings.FilePath = f.dir.Path().string() + "/";
    f.context.installLeaguePages = InstallLeaguePages;
    LeagueWindow window(f.context);
    QVERIFY(window.Load(QString::fromStdString(file.string())));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* table = qobject_cast<LeagueTablePage*>(window.Page(LeagueHost::kLeagueTablePage));
    auto* page = qobject_cast<TeamStatisticsPage*>(window.Page(LeagueHost::kTeamStatisticsPage));
    QVERIFY(table && page);
    QCOMPARE(page->SelectedTeam(), int(kCity));

    auto* grid = Find<QTableView>(*table, "sgLeague");
    auto doubleClick = [&](int team) {
        window.Pages()->setCurrentIndex(LeagueHost::kLeagueTablePage);
        for (int row = 0; row < grid->model()->rowCount(); ++row)
            if (grid->model()->index(row, 0).data(LeagueTableModel::TeamRole).toInt() == team)
                table->sgLeagueDblClick(grid->model()->index(row, 1));
        QCOMPARE(window.Pages()->currentIndex(), int(LeagueHost::kTeamStatisticsPage));
    };
    doubleClick(kAlbion);
    QCOMPARE(page->SelectedTeam(), int(kAlbion));
    QCOMPARE(Label(*page, "lblLost"), QString("2"));
    // A team renamed since the page was last shown is the one shown, and stays chosen.
    window.GetLeague().Teams[kRovers].Name = "Rovers FC";
    doubleClick(kRovers);
    QCOMPARE(page->SelectedTeam(), int(kRovers));
    window.Pages()->setCurrentIndex(LeagueHost::kLeagueTablePage);
    window.GetLeague().Teams[kRovers].Name = "Rovers";
    window.Pages()->setCurrentIndex(LeagueHost::kTeamStatisticsPage);
    QCOMPARE(page->SelectedTeam(), int(kRovers));
    doubleClick(kAlbion);
    test::Screenshot(&window, "teamstats-window");
    // F1 opens the guide at this page.
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    Find<QWidget>(*page, "SelTeamList")->setFocus();
    QTest::keyClick(Find<QWidget>(*page, "SelTeamList"), Qt::Key_F1);
    auto* help = window.findChild<HelpWindow*>();
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->Browser()->source().fileName(), QString("teamstats.html"));
    QVERIFY(help->Browser()->toPlainText().contains("Current form"));

    // A date given on this page is the fixtures page's last fixture date too.
    page->SelectTeam(kRovers);
    const int day = ToDayNumber(2024, 11, 2);
    page->SetDatePicker([day](QWidget*, int, QPoint) { return day; });
    page->miSetDateClick();
    QCOMPARE(qobject_cast<FixturesPage*>(window.Page(LeagueHost::kFixturesPage))->LastFixtureDate(), day);
    QVERIFY(window.SaveAction()->isEnabled());
    QVERIFY(window.SaveData());

    // The filter is stored in the league but is not a change to save.
    ChooseFilter(Find<QComboBox>(*page, "cbTeamGames"), 1);
    QCOMPARE(int(window.GetLeague().Head.GameType), 1);
    QVERIFY(!window.SaveAction()->isEnabled());
}

} // namespace gorlin

QTEST_MAIN(gorlin::TeamStatisticsPageTest)
#include "TeamStatisticsPageTest.moc"
