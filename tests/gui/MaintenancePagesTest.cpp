#include "gui/league/MaintenancePages.h"

#include "core/model/League.h"
#include "gui/app/LeagueWindow.h"
#include "gui/league/DivisionStatisticsPage.h"
#include "gui/league/LeagueHost.h"
#include "gui/league/PlayerDialog.h"
#include "gui/league/RefereeDialog.h"
#include "gui/league/ResultDetailsWindow.h"
#include "gui/support/GuiFixture.h"
#include "gui/support/ModalScript.h"
#include "gui/support/ScriptedPrompter.h"
#include "support/LeagueBuilder.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

namespace gorlin {

class MaintenancePagesTest : public QObject {
    Q_OBJECT
private slots:
    void subTabsAndTheDivisionPageInTheWindow();
    void tablePageStoresEachChange();
    void teamsPageRenamesAndDeletes();
    void playersPageSortsChangesAndDeletes();
    void refereesPageAddsChangesAndDeletes();
    void divisionPageListsTotalsAndDetails();
};

namespace {

using Answer = Prompter::Answer;

/// Five league teams (Everton the own team), a cup side; Kane (Burnley) has scored, Smith
/// (Chelsea) has not; M Dean refereed two league games, A Taylor only a cup game.
League MaintenanceLeague() {
    test::LeagueBuilder b;
    b.Teams({"Arsenal", "Burnley", "Chelsea", "Everton", "Fulham"}).OtherTeams({"Rovers"}).Comp("Cup", "FAC");
    const int dean = b.Referee("M Dean");
    const int taylor = b.Referee("A Taylor");
    const int kane = b.Player("Kane", 2);
    b.Player("Smith", 3);
    const int g1 = b.Played(1, 4, 3, 1, 43500);
    const int g2 = b.Played(4, 2, 0, 3, 43507);
    b.Played(3, 5, 1, 4, 43514);
    const int cup = b.CupGame(4, 6, 2, 2, 43520);
    b.Goal(g2, 2, kane, 10);
    b.Get().Games[static_cast<std::size_t>(g1)].Referee = static_cast<u8>(dean);
    b.Get().Games[static_cast<std::size_t>(g2)].Referee = static_cast<u8>(dean);
    b.Get().Games[static_cast<std::size_t>(cup)].Referee = static_cast<u8>(taylor);
    League league = b.Build();
    league.Head.TableName = "Premier";
    league.Head.OwnTeam = 4;
    return league;
}

QStringList Column(QTableView* grid, int column) {
    QStringList cells;
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        cells << grid->model()->index(r, column).data().toString();
    return cells;
}

QStringList Items(QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

} // namespace

void MaintenancePagesTest::subTabsAndTheDivisionPageInTheWindow() {
    test::GuiFixture f(MaintenanceLeague());
    LeagueWindow w(f.context);
    QVERIFY(w.Load(test::Q(f.file)));
    w.resize(900, 560);
    w.show();
    auto* tabs = test::Child<QTabWidget>(&w, "pcMaintenance");
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i)
        captions << tabs->tabText(i);
    QCOMPARE(captions,
             QStringList({"Table", "Results", "Goals", "Players", "Teams", "Sort Rules", "Referees"}));
    QVERIFY(qobject_cast<DivisionStatisticsPage*>(w.Page(LeagueHost::kDivisionStatisticsPage)) != nullptr);

    w.Pages()->setCurrentIndex(LeagueHost::kTableMaintenancePage);
    for (int i : {0, 3, 4, 6}) {
        tabs->setCurrentIndex(i);
        test::Screenshot(&w, "Maintenance" + QString(tabs->tabText(i)).remove(' '));
    }
    auto* division = qobject_cast<DivisionStatisticsPage*>(w.Page(LeagueHost::kDivisionStatisticsPage));
    w.Pages()->setCurrentIndex(LeagueHost::kDivisionStatisticsPage);
    for (int i = 0; i < 3; ++i) {
        division->Tabs()->setCurrentIndex(i);
        test::Screenshot(&w, "DivisionStatistics" + QString(division->Tabs()->tabText(i)).remove('&'));
    }
    QCOMPARE(f.prompter.Take(), QStringList());
}

void MaintenancePagesTest::tablePageStoresEachChange() {
    test::GuiFixture f;
    League league = MaintenanceLeague();
    league.Head.OwnTeam = 0;
    TableSettingsPage page(league, f.context);
    QSignalSpy changed(&page, &TableSettingsPage::dataChanged);
    page.show();
    QVERIFY(page.findChild<QLabel*>("lblHalfRange")->text() == "( 10 to 45)");
    auto* half = test::Child<QSpinBox>(&page, "udHalfLength");
    QCOMPARE(half->minimum(), 10);
    QCOMPARE(half->maximum(), 45);
    QCOMPARE(test::Child<QSpinBox>(&page, "udDrawPoints")->maximum(), 5);

    test::Child<QSpinBox>(&page, "udWinPoints")->setValue(2);
    half->setValue(40);
    QCOMPARE(league.Head.WinPoints, 2);
    QCOMPARE(league.Head.HalfLength, 40);
    QVERIFY(league.DataChanged);

    auto* name = test::Child<QLineEdit>(&page, "edTableName");
    name->selectAll();
    QTest::keyClicks(name, "Championship");
    QCOMPARE(league.Head.TableName.view(), "Championship");
    QVERIFY(league.FileListStale);

    // Choosing Everton as own team plays its sound; another team does not.
    auto* own = test::Child<QComboBox>(&page, "cbOwnTeam");
    QCOMPARE(own->itemText(0), QString("*** None ***"));
    own->setCurrentIndex(4);
    page.cbOwnTeamChange();
    QCOMPARE(league.Head.OwnTeam, 4);
    QCOMPARE(f.prompter.Beeps, 1);
    own->setCurrentIndex(1);
    page.cbOwnTeamChange();
    QCOMPARE(f.prompter.Beeps, 1);
    QVERIFY(changed.count() >= 4);
    QCOMPARE(f.prompter.Take(), QStringList());
}

void MaintenancePagesTest::teamsPageRenamesAndDeletes() {
    test::GuiFixture f;
    League league = MaintenanceLeague();
    TeamsMaintenancePage page(league, f.context);
    page.show();
    auto* list = test::Child<QListWidget>(&page, "lbTeams");
    QCOMPARE(Items(list), QStringList({"Arsenal", "Burnley", "Chelsea", "Everton", "Fulham", "Rovers"}));
    auto* adjust = test::Child<QSpinBox>(&page, "udPointsAdjust");
    auto* name = test::Child<QLineEdit>(&page, "edTeamName");
    auto* update = test::Child<QPushButton>(&page, "btnUpdate");
    QVERIFY(!name->isEnabled() && !update->isEnabled());

    // A league team's adjustment is stored; the cup side's up-downs are disabled.
    list->setCurrentRow(1);
    adjust->setValue(-3);
    QCOMPARE(league.Teams[2].PointsAdjust, -3);
    list->setCurrentRow(5);
    QVERIFY(!adjust->isEnabled());

    // Edit copies the name; an empty field disables Update; Update renames in place.
    list->setCurrentRow(0);
    test::Click(&page, "btnEdit");
    QCOMPARE(name->text(), QString("Arsenal"));
    name->clear();
    QVERIFY(!update->isEnabled());
    QTest::keyClicks(name, "Woolwich");
    test::Click(&page, "btnUpdate");
    QCOMPARE(league.Teams[1].Name.view(), "Woolwich");
    QCOMPARE(page.SelectedTeam(), 1);

    // Delete asks first: No keeps the team; Yes removes it and its games.
    page.SelectTeam(3);
    test::Click(&page, "btnDelete");
    QCOMPARE(
        f.prompter.Take(),
        QStringList({"yesno: Are you sure you want to delete Chelsea and all their games and players ?"}));
    QCOMPARE(league.Head.TeamCount, 5);
    f.prompter.Answers = {Answer::Yes};
    test::Click(&page, "btnDelete");
    QCOMPARE(league.Head.TeamCount, 4);
    QCOMPARE(league.Head.OwnTeam, 3); // Everton moved down
    QCOMPARE(Items(list), QStringList({"Burnley", "Everton", "Fulham", "Rovers", "Woolwich"}));

    // Four league teams: a league team is refused, the cup side can still go.
    f.prompter.Take();
    page.SelectTeam(1);
    test::Click(&page, "btnDelete");
    QCOMPARE(f.prompter.Take(), QStringList({"error: You cannot delete any more League Teams"}));
    page.SelectTeam(5);
    f.prompter.Answers = {Answer::Yes};
    test::Click(&page, "btnDelete");
    QCOMPARE(league.Head.OtherTeamCount, 0);
    test::Screenshot(&page, "TeamsPageAfterDeletes");
}

void MaintenancePagesTest::playersPageSortsChangesAndDeletes() {
    test::GuiFixture f;
    League league = MaintenanceLeague();
    PlayersMaintenancePage page(league, f.context);
    page.resize(800, 400);
    page.show();
    auto* team = test::Child<QComboBox>(&page, "cbPlayersFor");
    QCOMPARE(team->itemText(1), QString("Transferred-Out"));
    auto* grid = test::Child<QTableView>(&page, "sgPlayers");
    team->setCurrentIndex(0);
    page.cbTeamChange();
    QCOMPARE(Column(grid, 1), QStringList({"Kane", "Smith"}));
    QCOMPARE(Column(grid, 4), QStringList({"1", "0"}));
    grid->horizontalHeader()->sectionClicked(2); // Team: Burnley, Chelsea
    grid->horizontalHeader()->sectionClicked(4); // Goals: most first
    QCOMPARE(Column(grid, 1), QStringList({"Kane", "Smith"}));
    page.SetUp(); // the order chosen last is kept on a refill
    QCOMPARE(page.Grid().SortColumn(), PlayerColumn::Goals);

    // Nothing selected: Change and Delete beep.
    grid->clearSelection();
    test::Click(&page, "btnChange");
    test::Click(&page, "btnDelete");
    QCOMPARE(f.prompter.Beeps, 2);

    // A scorer is refused; Change (double-click) opens the player dialog for the row.
    grid->selectRow(0);
    test::Click(&page, "btnDelete");
    QCOMPARE(f.prompter.Take(),
             QStringList({"error: The selected player has goals assigned or appears in a squad. Delete not "
                          "performed."}));
    test::ModalScript script;
    script.Then<PlayerDialog>([](PlayerDialog* d) {
        QCOMPARE(d->DialogMode(), PlayerDialog::Mode::Change);
        d->reject();
    });
    test::Click(&page, "btnChange");
    QCOMPARE(script.Problems(), QStringList());

    grid->selectRow(1);
    f.prompter.Answers = {Answer::Yes};
    test::Click(&page, "btnDelete");
    QCOMPARE(f.prompter.Take(), QStringList({"yesno: Are you sure you want to delete Smith of Chelsea"}));
    QCOMPARE(league.Head.PlayerCount, 1);
    QCOMPARE(Column(grid, 1), QStringList({"Kane"}));
}

void MaintenancePagesTest::refereesPageAddsChangesAndDeletes() {
    test::GuiFixture f;
    League league = MaintenanceLeague();
    RefereesMaintenancePage page(league, f.context);
    page.show();
    auto* grid = test::Child<QTableView>(&page, "sgReferees");
    QCOMPARE(Column(grid, 0), QStringList({"A Taylor", "M Dean"}));
    QCOMPARE(Column(grid, 1), QStringList({"1", "2"})); // the cup game counts here
    grid->horizontalHeader()->sectionClicked(1);        // Games: most first
    QCOMPARE(Column(grid, 0), QStringList({"M Dean", "A Taylor"}));

    test::ModalScript script;
    script.Then<RefereeDialog>([](RefereeDialog* d) {
        d->NameEdit()->setText("C Pawson");
        d->btnOKClick();
    });
    test::Click(&page, "btnAdd");
    QCOMPARE(script.Problems(), QStringList());
    QCOMPARE(league.Head.RefereeCount, 3);
    QCOMPARE(page.SelectedReferee(), 3);

    // Delete asks; Yes removes M Dean and his game loses its referee.
    grid->selectRow(0);
    QCOMPARE(page.SelectedReferee(), 1);
    f.prompter.Answers = {Answer::Yes};
    test::Click(&page, "btnDelete");
    QCOMPARE(f.prompter.Take(), QStringList({"yesno: Are you sure you want to delete referee M Dean"}));
    QCOMPARE(league.Head.RefereeCount, 2);
    QCOMPARE(league.Games[1].Referee, 0);

    // Full: Add is disabled.
    for (int r = league.Head.RefereeCount + 1; r <= kMaxReferees; ++r)
        league.Referees[static_cast<std::size_t>(r)].Name = "Referee " + std::to_string(r);
    league.Head.RefereeCount = static_cast<u8>(kMaxReferees);
    page.SetUp();
    QVERIFY(!test::Child<QPushButton>(&page, "btnAdd")->isEnabled());
}

void MaintenancePagesTest::divisionPageListsTotalsAndDetails() {
    test::GuiFixture f;
    League league = MaintenanceLeague();
    f.settings.Colour4 = 0x0000FF; // red
    DivisionStatisticsPage page(league, f.context);
    page.resize(800, 400);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QCOMPARE(page.Tabs()->tabText(0), QString("&Goals"));
    QCOMPARE(test::Child<QLineEdit>(&page, "edDivGames")->text(), QString("3"));
    QCOMPARE(test::Child<QLineEdit>(&page, "edTotGoals")->text(), QString("12"));
    QCOMPARE(test::Child<QLineEdit>(&page, "edAveGoals")->text(), QString("4.00"));
    auto* home = test::Child<QListWidget>(&page, "lbHighHome");
    QCOMPARE(home->count(), 1); // the highest home score is 3: nothing below it
    QVERIFY(home->item(0)->text().endsWith("   3-1 Arsenal v Everton"));

    // The own team's name is drawn in the own-team colour, the rest is not; a colour changed in
    // Setup shows at once.
    home->clearSelection();
    home->setCurrentRow(-1);
    const auto pixels = [home](const QColor& colour) {
        const QImage image = home->viewport()->grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y) == colour ? 1 : 0;
        return count;
    };
    QVERIFY(pixels(QColor(255, 0, 0)) > 0);
    f.settings.Colour4 = 0xFF0000; // blue
    QVERIFY(pixels(QColor(0, 0, 255)) > 0 && pixels(QColor(255, 0, 0)) == 0);

    // A double click below the items beeps; on an item it asks for the game's details.
    QSignalSpy details(&page, &DivisionStatisticsPage::resultDetailsRequested);
    const QPoint below(10, home->viewport()->height() - 3);
    QTest::mouseDClick(home->viewport(), Qt::LeftButton, {}, below);
    QCOMPARE(f.prompter.Beeps, 1);
    QTest::mouseDClick(home->viewport(), Qt::LeftButton, {}, home->visualItemRect(home->item(0)).center());
    QCOMPARE(details.count(), 1);
    QCOMPARE(details.at(0).at(0).toInt(), 1);
    QCOMPARE(Items(test::Child<QListWidget>(&page, "lbHighAway")).size(), 2); // 4 and 3 away goals

    // The referee grid counts league games only and sorts by a clicked heading.
    auto* refs = test::Child<QTableView>(&page, "sgDivRefs");
    QCOMPARE(Column(refs, 0), QStringList({"A Taylor", "M Dean"}));
    QCOMPARE(Column(refs, 1), QStringList({"0", "2"}));
    refs->horizontalHeader()->sectionClicked(1);
    QCOMPARE(Column(refs, 0), QStringList({"M Dean", "A Taylor"}));
    page.Recompute(); // the key stays
    QCOMPARE(Column(refs, 0), QStringList({"M Dean", "A Taylor"}));
}

} // namespace gorlin

QTEST_MAIN(gorlin::MaintenancePagesTest)
#include "MaintenancePagesTest.moc"
