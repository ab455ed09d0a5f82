#include "core/edit/ResultEntry.h"
#include "core/model/Dates.h"
#include "core/model/LeagueFile.h"
#include "gui/app/LeagueWindow.h"
#include "gui/league/CompetitionDialog.h"
#include "gui/league/FixtureDialogs.h"
#include "gui/league/GoalDialog.h"
#include "gui/league/GoalsMaintenancePage.h"
#include "gui/league/LeaguePages.h"
#include "gui/league/MissedPensWindow.h"
#include "gui/league/NonLeagueTeamDialog.h"
#include "gui/league/PlayerDialog.h"
#include "gui/league/ResultDetailsWindow.h"
#include "gui/league/ResultsMaintenancePage.h"
#include "gui/league/SquadDialogs.h"
#include "gui/league/SquadWindow.h"
#include "gui/league/TeamStatisticsPage.h"
#include "gui/league/UpdateResultDialog.h"
#include "gui/support/GuiFixture.h"
#include "gui/support/ModalScript.h"
#include "gui/support/ScriptedPrompter.h"
#include "platform/SystemLocale.h"
#include "support/LeagueBuilder.h"
#include "support/TestPaths.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

using namespace gorlin;

namespace {

const int kDay1 = ToDayNumber(2024, 8, 10);
const int kDay2 = ToDayNumber(2024, 8, 17);

struct Ids {
    int Game = 0;    // Alpha 2-1 Bravo, with scorers, a squad, a miss and a referee
    int Smith = 0;   // Alpha, scored at 10 and was sent off at 70
    int Jones = 0;   // Alpha, scored a penalty at 50
    int Brown = 0;   // Alpha, no goals
    int Evans = 0;   // Bravo, scored at 80 and missed a penalty at 30
    int Unknown = 0; // a goal of the second game without a scorer
};

League MakeLeague(Ids& ids) {
    test::LeagueBuilder b;
    b.Teams({"Alpha", "Bravo", "Charlie"}).OtherTeams({"Rovers"}).Comp("Cup", "FAC");
    ids.Game = b.Played(1, 2, 2, 1, kDay1);
    const int second = b.Played(3, 1, 1, 0, kDay2);
    b.CupGame(1, 4, 1, 0, kDay2 + 3);
    ids.Smith = b.Player("Smith", 1);
    ids.Jones = b.Player("Jones", 1);
    ids.Brown = b.Player("Brown", 1);
    ids.Evans = b.Player("Evans", 2);
    b.Goal(ids.Game, 1, ids.Smith, 10);
    b.Goal(ids.Game, 1, ids.Jones, 50, false, true);
    b.Goal(ids.Game, 2, ids.Evans, 80);
    ids.Unknown = b.Goal(second, 3);
    SquadEntry sentOff{};
    sentOff.Player = static_cast<u16>(ids.Smith);
    sentOff.TimeOff = 70;
    sentOff.Red = 1;
    b.Squad(ids.Game, 1, {sentOff});
    b.MissedPen(ids.Game, ids.Evans, 2, 30);
    b.Referee("M Dean");
    League league = b.Build();
    GameRec& game = league.Games[static_cast<std::size_t>(ids.Game)];
    game.Referee = 1;
    game.Attendance = 1234567;
    game.Comment = "Warm day";
    return league;
}

struct Fixture : test::ProgramContext<test::ScriptedFileDialogs> {
    Ids ids;
    League league = MakeLeague(ids);

    Fixture() : ProgramContext(test::UkConventions(QDate(2024, 9, 1))) {}
};

QStringList Row(QTableView* grid, int row) {
    QStringList out;
    for (int c = 0; c < grid->model()->columnCount(); ++c)
        out << grid->model()->index(row, c).data().toString();
    return out;
}

/// A double-click as a user gives it (item views need the press before the double-click).
void DoubleClick(QWidget* viewport, QPoint at) {
    QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
}

void Click(QWidget* parent, const char* button) {
    auto* b = parent->findChild<QPushButton*>(button);
    QVERIFY2(b != nullptr, button);
    b->click();
}

} // namespace

class ResultWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void maintenanceTabsHoldResultsAndGoals();
    void resultsPageUpdatesAndDeletes();
    void goalsPageUpdatesARow();
    void squadWindowEditsAndWritesBackOnOk();
    void resultDetailsShowAGameAndOpenItsDialogs();
    void missedPenaltiesAndPlayerChanges();
    void addFixtureOpensTheCompetitionAndTeamDialogs();
};

void ResultWindowsTest::maintenanceTabsHoldResultsAndGoals() {
    Fixture f;
    const auto file = f.dir / "LEAGUE.DIV";
    QVERIFY(SaveLeague(f.league, file, SaveOptions{false}).Ok);
    f.context.installLeaguePages = InstallLeaguePages;
    LeagueWindow w(f.context);
    QVERIFY(w.Load(QString::fromStdString(file.string())));
    auto* tabs = w.findChild<QTabWidget*>("pcMaintenance");
    QVERIFY(tabs != nullptr);
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i)
        captions << tabs->tabText(i);
    QCOMPARE(captions,
             QStringList({"Table", "Results", "Goals", "Players", "Teams", "Sort Rules", "Referees"}));
    w.show();
    w.Pages()->setCurrentIndex(LeagueHost::kTableMaintenancePage);
    tabs->setCurrentIndex(1);
    test::Screenshot(&w, "ResultsMaintenancePage");
    tabs->setCurrentIndex(2);
    test::Screenshot(&w, "GoalsMaintenancePage");

    // The team statistics page opens the result details and the squads of its games.
    auto* stats = qobject_cast<TeamStatisticsPage*>(w.Page(LeagueHost::kTeamStatisticsPage));
    QVERIFY(stats != nullptr);
    w.Pages()->setCurrentIndex(LeagueHost::kTeamStatisticsPage);
    QVERIFY(stats->SelectTeam(2)); // Bravo: one game, Alpha v Bravo
    stats->findChild<QTableView*>("sgGames")->selectRow(0);
    test::ModalScript script;
    script
        .Then<ResultDetailsWindow>([&f](ResultDetailsWindow* d) {
            QCOMPARE(d->Game(), f.ids.Game);
            d->accept();
        })
        .Then<SquadWindow>([&f](SquadWindow* d) {
            QCOMPARE(d->Editor().Game(), f.ids.Game);
            d->reject();
        });
    Click(stats, "btnGameSummary");
    Click(stats, "btnSquads");
    QCOMPARE(script.Problems(), QStringList());
    QCOMPARE(script.Pending(), 0);
}

void ResultWindowsTest::resultsPageUpdatesAndDeletes() {
    Fixture f;
    ResultsMaintenancePage page(f.league, f.context);
    page.resize(900, 500);
    page.show();
    auto* grid = page.findChild<QTableView*>("sgResults");
    QAbstractItemModelTester tester(grid->model());
    QCOMPARE(grid->model()->rowCount(), 3);
    QCOMPARE(Row(grid, 0), QStringList({"LGE", "10/08/2024", "1,234,567", "Alpha", "Bravo", "2", "1"}));
    QCOMPARE(Row(grid, 2).first(), QString("FAC"));

    // A click on "Away Team" sorts by away team: Alpha (Charlie v Alpha) first.
    grid->horizontalHeader()->sectionClicked(4);
    QCOMPARE(Row(grid, 0).at(4), QString("Alpha"));
    grid->horizontalHeader()->sectionClicked(1);

    // Without a selected row the commands beep and the pop-up's items are disabled.
    grid->clearSelection();
    Click(&page, "btnSetScore");
    QCOMPARE(f.prompter.Beeps, 1);
    page.PopupOpening();
    for (QAction* a : page.Popup()->actions())
        QVERIFY2(!a->isEnabled() || a->isSeparator(), qPrintable(a->text()));
    grid->selectRow(0);
    page.PopupOpening();
    QVERIFY(page.Popup()->findChild<QAction*>("miDeleteResult")->isEnabled());
    QVERIFY(!page.Popup()->findChild<QAction*>("miPrint")->isEnabled()); // nothing prints yet

    // "Set Score": a non-numeric attendance warns once and keeps the dialog; 3-1 makes four goals.
    test::ModalScript script;
    script
        .Then<UpdateResultDialog>([](UpdateResultDialog* d) {
            QCOMPARE(d->findChild<QLabel*>("lblMatch")->text(), QString("Alpha v Bravo"));
            QVERIFY(!d->findChild<QComboBox*>("cbCup")->isEnabled());
            QCOMPARE(d->findChild<QComboBox*>("cbReferee")->currentText(), QString("M Dean"));
            d->findChild<QLineEdit*>("edAttendance")->setText("lots");
            test::Screenshot(d, "UpdateResultDialog");
            d->findChild<QPushButton*>("btnOK")->click();
        })
        .Then<UpdateResultDialog>([](UpdateResultDialog* d) {
            d->findChild<QLineEdit*>("edAttendance")->setText("500");
            d->findChild<QSpinBox*>("seHomeGoals")->setValue(3);
            d->findChild<QComboBox*>("cbAward")->setCurrentIndex(2);
            d->findChild<QPushButton*>("btnOK")->click();
        });
    DoubleClick(grid->viewport(), grid->visualRect(grid->model()->index(0, 3)).center());
    QCOMPARE(script.Problems(), QStringList());
    QCOMPARE(f.prompter.Messages, QStringList({"warning: Attendance figure is not numeric"}));
    QCOMPARE(Row(grid, 0), QStringList({"LGE", "10/08/2024", "500", "Alpha", "Bravo", "3", "1"}));
    const GameRec& game = f.league.Games[static_cast<std::size_t>(f.ids.Game)];
    QCOMPARE(+game.Awarded, 2);
    int goals = 0;
    for (int i = 1; i <= f.league.Head.GoalCount; ++i)
        if (f.league.Goals[static_cast<std::size_t>(i)].Game == f.ids.Game) {
            ++goals;
            QCOMPARE(+f.league.Goals[static_cast<std::size_t>(i)].Scorer, 0);
        }
    QCOMPARE(goals, 4);

    // "Set Date" takes the calendar's day.
    page.SetDatePicker([](QWidget*, int preset, QPoint) { return preset + 1; });
    Click(&page, "btnSetDate");
    QCOMPARE(Row(grid, 0).at(1), QString("11/08/2024"));

    // "Delete" asks first; Yes deletes, the row shows "n/a" and beeps afterwards.
    f.prompter.Answers = {Prompter::Answer::No, Prompter::Answer::Yes};
    Click(&page, "btnDelete");
    QCOMPARE(+game.Played, 1);
    Click(&page, "btnDelete");
    QCOMPARE(f.prompter.Texts().last(), QString("Delete result for Alpha v Bravo"));
    QCOMPARE(+game.Played, 0);
    QCOMPARE(Row(grid, 0).at(1), QString("n/a"));
    const int beeps = f.prompter.Beeps;
    Click(&page, "btnPenMiss");
    QCOMPARE(f.prompter.Beeps, beeps + 1);
    QVERIFY(f.league.DataChanged);
}

void ResultWindowsTest::goalsPageUpdatesARow() {
    Fixture f;
    GoalsMaintenancePage page(f.league, f.context);
    page.show();
    auto* grid = page.findChild<QTableView*>("sgGoals");
    QAbstractItemModelTester tester(grid->model());
    QCOMPARE(grid->model()->rowCount(), 4);
    QCOMPARE(page.findChild<QLabel*>("lblSummary")->text(),
             QString("4 goals Scored (1 is not yet assigned)"));
    // "Goal Scorer" puts the unassigned goal first.
    grid->horizontalHeader()->sectionClicked(5);
    QCOMPARE(page.State().Rows().front().Goal, f.ids.Unknown);
    grid->selectRow(0);

    test::ModalScript script;
    script.Then<GoalDialog>([](GoalDialog* d) {
        QCOMPARE(d->findChild<QLabel*>("lblGoal")->text(), QString("Goal for Charlie"));
        d->findChild<QCheckBox*>("cbOwnGoal")->click(); // Alpha's players, by name
        QCOMPARE(d->findChild<QComboBox*>("cbScorer")->count(), 3);
        d->findChild<QComboBox*>("cbScorer")->setEditText("Jones");
        d->findChild<QSpinBox*>("seMinute")->setValue(77);
        d->findChild<QPushButton*>("btnOK")->click();
    });
    page.Popup()->findChild<QAction*>("miUpdateGoal")->trigger();
    QCOMPARE(script.Problems(), QStringList());
    const GoalRec& goal = f.league.Goals[static_cast<std::size_t>(f.ids.Unknown)];
    QCOMPARE(+goal.Scorer, f.ids.Jones);
    QCOMPARE(+goal.OwnGoal, 1);
    QCOMPARE(Row(grid, 0).mid(3), QStringList({"OG", "", "Jones", "77"}));
    QCOMPARE(page.findChild<QLabel*>("lblSummary")->text(), QString("4 goals Scored"));
}

void ResultWindowsTest::squadWindowEditsAndWritesBackOnOk() {
    Fixture f;
    f.league.Head.OwnTeam = 2; // Bravo, the away team: its squad is shown first
    SquadWindow window(f.league, f.context, f.ids.Game);
    window.show();
    QCOMPARE(window.windowTitle(), QString("Squad for Alpha v Bravo (10/08/2024)"));
    QVERIFY(window.findChild<QPushButton*>("btnAwayTeam")->isChecked());
    Click(&window, "btnHomeTeam");
    QCOMPARE(window.Side(), SquadSide::Home);

    auto* grid = window.findChild<QTableView*>("sgSquad");
    QAbstractItemModelTester tester(grid->model());
    QCOMPARE(grid->model()->rowCount(), 18);
    QCOMPARE(Row(grid, 0), QStringList({"", "Smith", "0", "0", "70", "", "", "Y"}));
    QCOMPARE(grid->model()->index(0, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 255, 204));
    auto* players = window.findChild<QListWidget*>("lbPlayers");
    QCOMPARE(players->count(), 2); // Brown, Jones

    // Double-click adds; "Yellow Card" marks the entry; the card cells are drawn as blocks.
    players->setCurrentRow(1);
    DoubleClick(players->viewport(), players->visualItemRect(players->item(1)).center());
    QCOMPARE(Row(grid, 1).at(1), QString("Jones"));
    QCOMPARE(Row(grid, 1).at(4), QString("90"));
    grid->selectRow(1);
    window.SquadMenu()->findChild<QAction*>("miYellowCard")->trigger();
    QCOMPARE(Row(grid, 1).at(5), QString("Y"));
    const QImage shot = grid->viewport()->grab().toImage();
    const QRect yellowCell = grid->visualRect(grid->model()->index(1, 5));
    const QRect redCell = grid->visualRect(grid->model()->index(0, 7));
    QCOMPARE(shot.pixelColor(yellowCell.center() * shot.devicePixelRatio()), QColor(Qt::yellow));
    QCOMPARE(shot.pixelColor(redCell.center() * shot.devicePixelRatio()), QColor(Qt::red));
    test::Screenshot(&window, "SquadWindow");

    // "Substitute" for Jones: Brown comes on at 60; "Update" ticks both yellows and red together.
    test::ModalScript script;
    script
        .Then<SubstituteDialog>([](SubstituteDialog* d) {
            QCOMPARE(d->windowTitle(), QString("Assign Substitute for Jones"));
            auto* list = d->findChild<QListWidget*>("lbSubstitutes");
            QCOMPARE(list->count(), 1);
            list->setCurrentRow(0);
            d->findChild<QPushButton*>("btnOK")->click(); // minute 0: refused, stays open
            d->findChild<QSpinBox*>("seMinute")->setValue(60);
            test::Screenshot(d, "SubstituteDialog");
            d->findChild<QPushButton*>("btnOK")->click();
        })
        .Then<SquadMemberDialog>([](SquadMemberDialog* d) {
            d->findChild<QCheckBox*>("cbYellow2")->click();
            QVERIFY(d->findChild<QCheckBox*>("cbYellow1")->isChecked());
            QVERIFY(d->findChild<QCheckBox*>("cbRed")->isChecked());
            auto* rating = d->findChild<RatingSpinBox*>("seRating");
            rating->findChild<QLineEdit*>()->setText("7.5");
            test::Screenshot(d, "SquadMemberDialog");
            d->findChild<QPushButton*>("btnOK")->click();
        });
    window.SquadMenu()->findChild<QAction*>("miSubstitute")->trigger();
    QCOMPARE(f.prompter.Texts(), QStringList({"You have not selected a substitute"}));
    QCOMPARE(Row(grid, 1).at(4), QString("60"));
    QCOMPARE(Row(grid, 2).mid(1, 4), QStringList({"Brown", "0", "60", "90"}));
    grid->selectRow(2);
    Click(&window, "btnUpdate");
    QCOMPARE(script.Problems(), QStringList());
    QCOMPARE(Row(grid, 2).mid(1), QStringList({"Brown", "7.5", "60", "90", "Y", "Y", "Y"}));

    // Nothing reaches the league before OK; OK writes both sides' records.
    const GameRec& game = f.league.Games[static_cast<std::size_t>(f.ids.Game)];
    const int squad = game.HomeSquad;
    QCOMPARE(+f.league.Squads[static_cast<std::size_t>(squad)].Entries[1].Player, 0);
    Click(&window, "btnOK");
    QCOMPARE(window.result(), int(QDialog::Accepted));
    QCOMPARE(+f.league.Squads[static_cast<std::size_t>(squad)].Entries[2].Player, f.ids.Brown);
    QCOMPARE(+f.league.Squads[static_cast<std::size_t>(squad)].Entries[2].Rating, 75);
    QVERIFY(f.league.DataChanged);
}

void ResultWindowsTest::resultDetailsShowAGameAndOpenItsDialogs() {
    Fixture f;
    ResultDetailsWindow window(f.league, f.context, f.ids.Game);
    window.show();
    auto text = [&window](const char* name) { return window.findChild<QLabel*>(name)->text(); };
    QCOMPARE(window.windowTitle(), QString("Result Details (10/08/2024) - League Game"));
    QCOMPARE(text("lblScore"), QString("2 - 1"));
    QCOMPARE(text("lblAttendance"), QString("Att: 1,234,567"));
    QCOMPARE(text("lblHalfTime"), QString("HT: 1 - 0"));
    QCOMPARE(text("lblReferee"), QString("Referee: M Dean"));
    QCOMPARE(text("lblHomeScorers"), QString("Smith 10\nJones 50 Pen"));
    QCOMPARE(text("lblAwayScorers"), QString("Evans 80"));
    QCOMPARE(text("lblHomeExtras"), QString("Smith sent off 70"));
    QCOMPARE(text("lblAwayExtras"), QString("Evans missed pen 30"));
    QVERIFY(!window.findChild<QLabel*>("lblAwarded")->isVisible());
    QCOMPARE(window.findChild<QLabel*>("lblHomeScorers")->palette().color(QPalette::WindowText),
             QColor(Qt::blue));
    test::Screenshot(&window, "ResultDetailsWindow");

    test::ModalScript script;
    script
        .Then<CommentDialog>([](CommentDialog* d) {
            QCOMPARE(d->findChild<QLineEdit*>("edComment")->text(), QString("Warm day"));
            d->findChild<QLineEdit*>("edComment")->setText("Played in the rain");
            test::Screenshot(d, "CommentDialog");
            d->findChild<QPushButton*>("btnOK")->click();
        })
        .Then<SquadWindow>([](SquadWindow* d) {
            QCOMPARE(d->Editor().Game(), 1);
            d->reject();
        });
    window.findChild<QToolButton*>("imgNote")->click();
    QCOMPARE(text("lblComment"), QString("Played in the rain"));
    QVERIFY(f.league.DataChanged);
    Click(&window, "btnSquads");
    QCOMPARE(script.Problems(), QStringList());
    QCOMPARE(script.Pending(), 0);
}

void ResultWindowsTest::missedPenaltiesAndPlayerChanges() {
    Fixture f;
    const int second = 2; // Charlie v Alpha, no missed penalties yet
    test::ModalScript script;
    script
        .Then<MissedPenDialog>([](MissedPenDialog* d) {
            QCOMPARE(d->windowTitle(), QString("Add/Update Missed Penalty"));
            d->findChild<QPushButton*>("btnOK")->click(); // no player: beep, stays open
            auto* team = d->findChild<QComboBox*>("cbTeam");
            team->setCurrentIndex(1);
            team->activated(1);
            d->findChild<QComboBox*>("cbPlayer")->setCurrentText("Smith");
            d->findChild<QSpinBox*>("seMinute")->setValue(88);
            test::Screenshot(d, "MissedPenDialog");
            d->findChild<QPushButton*>("btnOK")->click();
        })
        .Then<MissedPensWindow>([](MissedPensWindow* d) {
            auto* list = d->findChild<QListWidget*>("lbMissedPens");
            QCOMPARE(list->count(), 1);
            QCOMPARE(list->item(0)->text(), QString("Smith(Alpha) 88m"));
            test::Screenshot(d, "MissedPensWindow");
            d->findChild<QPushButton*>("btnDelete")->click();
            QCOMPARE(list->count(), 0);
            d->findChild<QPushButton*>("btnDelete")->click(); // nothing selected: beep
            d->accept();
        })
        .Then<PlayerDialog>([](PlayerDialog* d) {
            QCOMPARE(d->windowTitle(), QString("Change Player Details"));
            QCOMPARE(d->findChild<QLineEdit*>("edName")->text(), QString("Brown"));
            d->findChild<QLineEdit*>("edName")->setText("jones"); // Alpha has a Jones
            d->findChild<QPushButton*>("btnOK")->click();
            d->findChild<QLineEdit*>("edName")->setText("Browne");
            d->findChild<QLineEdit*>("edCost")->setText("1,500,000");
            test::Screenshot(d, "PlayerDialogChange");
            d->findChild<QPushButton*>("btnOK")->click();
        });
    MissedPensWindow::PenMiss(f.league, f.context, second, nullptr);
    QCOMPARE(f.prompter.Beeps, 1);
    QCOMPARE(+f.league.Head.MissedPenCount, 2);
    MissedPensWindow::PenMiss(f.league, f.context, second, nullptr);
    QCOMPARE(f.prompter.Beeps, 2);
    QCOMPARE(+f.league.Head.MissedPenCount, 1);
    QVERIFY(PlayerDialog::ChangePlayer(f.league, f.context, f.ids.Brown, nullptr));
    QCOMPARE(f.prompter.Texts(), QStringList({"A player with the name jones already exists for this team"}));
    QCOMPARE(f.league.Players[static_cast<std::size_t>(f.ids.Brown)].Name.str(), std::string("Browne"));
    QCOMPARE(+f.league.Players[static_cast<std::size_t>(f.ids.Brown)].Cost, 1500000u);
    QCOMPARE(script.Problems(), QStringList());
}

void ResultWindowsTest::addFixtureOpensTheCompetitionAndTeamDialogs() {
    Fixture f;
    AddFixtureDialog dialog(f.league, f.locale, f.prompter, [](QWidget*, int, QPoint) { return 0; });
    test::ModalScript script;
    script
        .Then<CompetitionDialog>([](CompetitionDialog* d) {
            d->NameEdit()->setText("Shield");
            d->ShortNameEdit()->setText("SH");
            d->findChild<QPushButton*>("btnOK")->click();
        })
        .Then<NonLeagueTeamDialog>([](NonLeagueTeamDialog* d) {
            d->NameEdit()->setText("Athletic");
            d->findChild<QPushButton*>("btnOK")->click();
        });
    Click(&dialog, "btnAddComp");
    QCOMPARE(dialog.findChild<QComboBox*>("cbComp")->currentText(), QString("Shield"));
    Click(&dialog, "btnAddTeam");
    QVERIFY(dialog.findChild<QComboBox*>("cbHomeTeam")->findText("Athletic") >= 0);
    QCOMPARE(script.Problems(), QStringList());
    QCOMPARE(+f.league.Head.CompCount, 2);
}

QTEST_MAIN(ResultWindowsTest)
#include "ResultWindowsTest.moc"
