#include "gui/league/EnterResultsPage.h"

#include "cli/Cli.h"
#include "core/app/NewTable.h"
#include "core/model/Dates.h"
#include "core/model/LeagueFile.h"
#include "gui/app/LeagueWindow.h"
#include "gui/league/CompetitionDialog.h"
#include "gui/league/GoalDialog.h"
#include "gui/league/LeaguePages.h"
#include "gui/league/LeagueTablePage.h"
#include "gui/league/NonLeagueTeamDialog.h"
#include "gui/league/PlayerDialog.h"
#include "gui/league/RefereeDialog.h"
#include "gui/support/GuiFixture.h"
#include "gui/support/ModalScript.h"
#include "gui/support/ScriptedPrompter.h"
#include "platform/SystemLocale.h"
#include "support/TestPaths.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>
#include <sstream>

using namespace gorlin;
namespace fs = std::filesystem;

namespace {

/// A league of four teams meeting twice, all fixtures open (as the new-table wizard makes it),
/// saved in a temporary table folder, and a program context over scripted message boxes.
struct Fixture : test::ProgramContext<test::ScriptedFileDialogs> {
    fs::path file = dir / "LEAGUE.DIV";

    explicit Fixture(const std::string& ownTeam = {})
        : ProgramContext(test::UkConventions(QDate(2024, 8, 10))) {
        NewTableInput input;
        input.TableName = "Test League";
        input.TeamNames = {"Alpha", "Bravo", "Charlie", "Delta"};
        input.OwnTeam = ownTeam;
        Expected<League> league = BuildNewLeague(input);
        if (!league || !SaveNewLeague(*league, file).Ok)
            qFatal("cannot write the test league");
        settings.FilePath = dir.Path().string() + "/";
        context.installLeaguePages = InstallLeaguePages;
        context.terminate = [](int) {};
    }
};

EnterResultsPage* OpenPage(LeagueWindow& window, const Fixture& f) {
    if (!window.Load(QString::fromStdString(f.file.string())))
        return nullptr;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return nullptr;
    window.Pages()->setCurrentIndex(LeagueHost::kEnterResultsPage);
    return qobject_cast<EnterResultsPage*>(window.Page(LeagueHost::kEnterResultsPage));
}

QStringList Teams(EnterResultsPage* page) {
    QStringList out;
    auto* list = page->findChild<QListWidget*>("lbTeams");
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

/// Double-clicks a team in the list, as the user does.
void Choose(EnterResultsPage* page, const QString& team) {
    auto* list = page->findChild<QListWidget*>("lbTeams");
    const QList<QListWidgetItem*> found = list->findItems(team, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(team));
    list->setCurrentItem(found.first());
    const QPoint at = list->visualItemRect(found.first()).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at); // item views need the press first
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

QString Text(EnterResultsPage* page, const char* label) {
    return page->findChild<QLabel*>(label)->text();
}

void Click(QWidget* parent, const char* button) {
    auto* b = parent->findChild<QPushButton*>(button);
    QVERIFY2(b != nullptr, button);
    QVERIFY2(b->isEnabled(), button);
    QTest::mouseClick(b, Qt::LeftButton);
}

/// Enters one result through the page's controls and records it.
void EnterResult(EnterResultsPage* page, const QString& home, const QString& away, int homeGoals,
                 int awayGoals, const QString& attendance = "0") {
    Choose(page, home);
    Choose(page, away);
    page->findChild<QSpinBox*>("seHomeGoals")->setValue(homeGoals);
    page->findChild<QSpinBox*>("seAwayGoals")->setValue(awayGoals);
    page->findChild<QLineEdit*>("edAttendance")->setText(attendance);
    Click(page, "btnRecord");
}

} // namespace

class EnterResultsPageTest : public QObject {
    Q_OBJECT
private slots:
    void pageOpensWithTheTeamsStillToPlay();
    void recordingWithTrackGoalsAsksForEachGoal();
    void refusalsReachThePrompterOnce();
    void competitionTeamAndRefereeDialogs();
    void matchdayByHandThenCloseWithYes();
};

void EnterResultsPageTest::pageOpensWithTheTeamsStillToPlay() {
    Fixture f;
    LeagueWindow w(f.context);
    EnterResultsPage* page = OpenPage(w, f);
    QVERIFY(page != nullptr);
    QCOMPARE(w.Pages()->tabText(LeagueHost::kEnterResultsPage), QString("Enter Results"));
    QCOMPARE(Teams(page), QStringList({"Alpha", "Bravo", "Charlie", "Delta"}));
    QCOMPARE(Text(page, "lblEntryDate"), QString("10/08/2024"));
    QCOMPARE(page->findChild<QComboBox*>("cbCompetition")->currentIndex(), 0);
    QCOMPARE(page->findChild<QPushButton*>("btnNewComp")->text(), QString("New"));
    QVERIFY(!page->findChild<QPushButton*>("btnAddTeam")->isEnabled());
    QVERIFY(!page->findChild<QPushButton*>("btnRecord")->isEnabled());
    QVERIFY(!page->findChild<QPushButton*>("btnCancel")->isEnabled());
    QCOMPARE(page->findChild<QCheckBox*>("cbTrackGoals")->toolTip(),
             QString("Set if you want to enter goal details with results"));
    QCOMPARE(page->findChild<QPushButton*>("btnRecord")->toolTip(), QString("Record entered result"));
    QCOMPARE(page->findChild<QPushButton*>("btnCancel")->toolTip(),
             QString("Cancel the result you are entering"));
    QCOMPARE(page->findChild<QLineEdit*>("edAttendance")->text(), QString("0"));
    test::Screenshot(&w, "EnterResultsPage");

    // The calendar sets the entry date.
    page->SetDatePicker([](QWidget*, int preset, QPoint) { return preset + 7; });
    Click(page, "btnCalendar");
    QCOMPARE(Text(page, "lblEntryDate"), QString("17/08/2024"));
    QCOMPARE(page->Entry().EntryDate(), ToDayNumber(2024, 8, 17));

    Choose(page, "Alpha");
    QCOMPARE(Text(page, "lblHomeTeam"), QString("Alpha"));
    QCOMPARE(Teams(page), QStringList({"Bravo", "Charlie", "Delta"}));
    QVERIFY(page->findChild<QPushButton*>("btnRecord")->isEnabled());
    test::Screenshot(&w, "EnterResultsPageHomeChosen");
    Click(page, "btnCancel");
    QCOMPARE(Text(page, "pnlStatus"), QString("Result input canceled"));
    QCOMPARE(Text(page, "lblHomeTeam"), QString());
    QCOMPARE(Teams(page).size(), 4);
    QCOMPARE(f.prompter.Beeps, 0);
}

void EnterResultsPageTest::recordingWithTrackGoalsAsksForEachGoal() {
    Fixture f("Alpha");
    LeagueWindow w(f.context);
    EnterResultsPage* page = OpenPage(w, f);
    QVERIFY(page != nullptr);
    League& league = w.GetLeague();
    QVERIFY(!w.SaveAction()->isEnabled());

    page->findChild<QCheckBox*>("cbTrackGoals")->click();
    QCOMPARE(+league.Head.TrackGoals, 1);
    QVERIFY(league.DataChanged); // saved with the league

    QStringList headings;
    test::ModalScript script;
    // Goal 1: a new player is added from the goal dialog and becomes the scorer.
    script
        .Then<GoalDialog>([&](GoalDialog* d) {
            headings << d->findChild<QLabel*>("lblGoal")->text();
            QCOMPARE(d->findChild<QLabel*>("lblMatch")->text(), QString("Alpha v Bravo"));
            QCOMPARE(d->findChild<QComboBox*>("cbScorer")->count(), 0); // Alpha has no players yet
            test::Screenshot(d, "GoalDialog");
            d->findChild<QPushButton*>("btnNewPlayer")->click();
            QCOMPARE(d->findChild<QComboBox*>("cbScorer")->currentText(), QString("Smith"));
            d->findChild<QSpinBox*>("seMinute")->setValue(12);
            d->findChild<QPushButton*>("btnOK")->click();
        })
        .Then<PlayerDialog>([](PlayerDialog* d) {
            QCOMPARE(d->windowTitle(), QString("Add New Players"));
            QCOMPARE(d->findChild<QComboBox*>("cbTeam")->currentText(), QString("Alpha"));
            d->findChild<QLineEdit*>("edName")->setText("Smith");
            d->findChild<QSpinBox*>("seSquadNo")->setValue(9);
            test::Screenshot(d, "PlayerDialogAdd");
            d->findChild<QPushButton*>("btnOK")->click(); // "Add": stays open for the next player
            QVERIFY(d->isVisible());
            QCOMPARE(d->findChild<QLineEdit*>("edName")->text(), QString());
            QCOMPARE(d->findChild<QCheckBox*>("cbForeign")->checkState(), Qt::PartiallyChecked);
            d->findChild<QPushButton*>("btnClose")->click();
        })
        // Goal 2: an own goal lists Bravo's players (none): left without a scorer.
        .Then<GoalDialog>([&](GoalDialog* d) {
            headings << d->findChild<QLabel*>("lblGoal")->text();
            QCOMPARE(d->findChild<QComboBox*>("cbScorer")->currentText(), QString());
            d->findChild<QCheckBox*>("cbOwnGoal")->click();
            QVERIFY(d->Scorers().empty());
            d->findChild<QPushButton*>("btnOK")->click();
        })
        // Goal 1 of Bravo: cancelled, stays anonymous.
        .Then<GoalDialog>([&](GoalDialog* d) {
            headings << d->findChild<QLabel*>("lblGoal")->text();
            d->reject();
        });
    EnterResult(page, "Alpha", "Bravo", 2, 1, "12345");
    QCOMPARE(script.Problems(), QStringList());
    QCOMPARE(script.Pending(), 0);
    QCOMPARE(headings, QStringList({"Goal 1 for Alpha", "Goal 2 for Alpha", "Goal 1 for Bravo"}));

    QCOMPARE(Text(page, "pnlStatus"), QString("Alpha v Bravo recorded"));
    QCOMPARE(Text(page, "lblHomeTeam"), QString());
    QCOMPARE(page->findChild<QSpinBox*>("seHomeGoals")->value(), 0);
    QCOMPARE(page->findChild<QLineEdit*>("edAttendance")->text(), QString("0"));
    QVERIFY(!page->findChild<QPushButton*>("btnRecord")->isEnabled());
    QCOMPARE(Teams(page), QStringList({"Charlie", "Delta"})); // both recorded teams leave the list
    QCOMPARE(f.prompter.Beeps, 1);                            // the own team's win sound
    QVERIFY(w.SaveAction()->isEnabled());

    const GameRec& game = league.Games[1];
    QCOMPARE(+game.Played, 1);
    QCOMPARE(+game.Attendance, 12345u);
    QCOMPARE(+league.Head.GoalCount, 3);
    QCOMPARE(league.Players[+league.Goals[1].Scorer].Name.str(), std::string("Smith"));
    QCOMPARE(+league.Goals[1].Minute, 12);
    QCOMPARE(+league.Goals[2].OwnGoal, 1);
    QCOMPARE(+league.Goals[3].Scorer, 0);

    // The league table shows the new result when it is shown next.
    w.Pages()->setCurrentIndex(LeagueHost::kLeagueTablePage);
    auto* table = qobject_cast<LeagueTablePage*>(w.Page(LeagueHost::kLeagueTablePage));
    QVERIFY(table != nullptr);
    const TableRow& top = table->View().Rows.at(0);
    QCOMPARE(top.Cells.at(1), std::string("Alpha"));
    QCOMPARE(top.Cells.at(2), std::string("1")); // played
    QCOMPARE(f.prompter.Messages.size(), 0);
}

void EnterResultsPageTest::refusalsReachThePrompterOnce() {
    Fixture f;
    LeagueWindow w(f.context);
    EnterResultsPage* page = OpenPage(w, f);
    QVERIFY(page != nullptr);

    // Double-click with nothing selected beeps.
    page->lbTeamsDblClick();
    QCOMPARE(f.prompter.Beeps, 1);

    Choose(page, "Charlie");
    // Record with one team: the message, nothing recorded.
    Click(page, "btnRecord");
    QCOMPARE(f.prompter.Texts(), QStringList({"You have not selected both teams"}));
    // Leaving the page while a result is being entered is refused once, the page stays.
    w.Pages()->setCurrentIndex(LeagueHost::kLeagueTablePage);
    QCOMPARE(w.Pages()->currentIndex(), int(LeagueHost::kEnterResultsPage));
    QCOMPARE(f.prompter.Texts().size(), 2);
    QCOMPARE(f.prompter.Texts().last(), QString("Result entry in progress. Complete it or cancel"));

    Choose(page, "Alpha");
    page->findChild<QLineEdit*>("edAttendance")->setText("12a");
    Click(page, "btnRecord");
    QCOMPARE(f.prompter.Texts().size(), 3);
    QCOMPARE(f.prompter.Texts().last(), QString("Input is invalid, please correct"));
    QVERIFY(page->findChild<QSpinBox*>("seHomeGoals")->hasFocus());
    QCOMPARE(+w.GetLeague().Games[1].Played, 0);
    QVERIFY(!w.GetLeague().DataChanged);

    // Both teams chosen: a third double-click beeps.
    QCOMPARE(Teams(page), QStringList({"Bravo", "Delta"}));
    Choose(page, "Bravo");
    QCOMPARE(f.prompter.Beeps, 2);
    Click(page, "btnCancel");
    w.Pages()->setCurrentIndex(LeagueHost::kLeagueTablePage);
    QCOMPARE(w.Pages()->currentIndex(), int(LeagueHost::kLeagueTablePage));
}

void EnterResultsPageTest::competitionTeamAndRefereeDialogs() {
    Fixture f;
    LeagueWindow w(f.context);
    EnterResultsPage* page = OpenPage(w, f);
    QVERIFY(page != nullptr);
    League& league = w.GetLeague();

    test::ModalScript script;
    script
        .Then<CompetitionDialog>([](CompetitionDialog* d) {
            QCOMPARE(d->windowTitle(), QString("Create/Edit Competition Name"));
            d->NameEdit()->setText("League Cup");
            d->findChild<QPushButton*>("btnOK")->click(); // no short name: beep, stays open
        })
        .Then<CompetitionDialog>([](CompetitionDialog* d) {
            d->ShortNameEdit()->setText("LC");
            test::Screenshot(d, "CompetitionDialog");
            d->findChild<QPushButton*>("btnOK")->click();
        })
        .Then<NonLeagueTeamDialog>([](NonLeagueTeamDialog* d) {
            QCOMPARE(d->windowTitle(), QString("Add Non-League Team"));
            d->NameEdit()->setText("Alpha"); // a league team's name
            d->findChild<QPushButton*>("btnOK")->click();
            d->NameEdit()->setText("Rovers");
            test::Screenshot(d, "NonLeagueTeamDialog");
            d->findChild<QPushButton*>("btnOK")->click();
        })
        .Then<RefereeDialog>([](RefereeDialog* d) {
            QCOMPARE(d->windowTitle(), QString("Add Referee"));
            d->NameEdit()->setText("M Dean");
            test::Screenshot(d, "RefereeDialog");
            d->findChild<QPushButton*>("btnOK")->click();
        });
    Click(page, "btnNewComp");
    QCOMPARE(f.prompter.Beeps, 1);
    auto* comps = page->findChild<QComboBox*>("cbCompetition");
    QCOMPARE(comps->count(), 2);
    QCOMPARE(comps->currentText(), QString("League Cup"));
    QCOMPARE(page->findChild<QPushButton*>("btnNewComp")->text(), QString("Edit"));
    QVERIFY(page->findChild<QPushButton*>("btnAddTeam")->isEnabled());

    Choose(page, "Bravo");
    Click(page, "btnAddTeam");
    QCOMPARE(f.prompter.Texts(), QStringList({"A team with that name already exists"}));
    QCOMPARE(Teams(page), QStringList({"Alpha", "Charlie", "Delta", "Rovers"}));
    QCOMPARE(Text(page, "lblHomeTeam"), QString("Bravo")); // the entry in progress is kept

    Click(page, "btnAddReferee");
    QCOMPARE(page->findChild<QComboBox*>("cbReferee")->currentText(), QString("M Dean"));
    QCOMPARE(script.Problems(), QStringList());

    Choose(page, "Rovers");
    Click(page, "btnRecord");
    const int g = league.AllGameCount();
    QCOMPARE(g, 13); // appended after the twelve league fixtures
    QCOMPARE(+league.Games[g].Comp, 1);
    QCOMPARE(+league.Games[g].Referee, 1);
    QCOMPARE(league.Teams[+league.Games[g].AwayTeam].Name.str(), std::string("Rovers"));
    QVERIFY(w.SaveAction()->isEnabled());
}

void EnterResultsPageTest::matchdayByHandThenCloseWithYes() {
    Fixture f;
    {
        LeagueWindow w(f.context);
        EnterResultsPage* page = OpenPage(w, f);
        QVERIFY(page != nullptr);
        EnterResult(page, "Alpha", "Bravo", 3, 1, "1200");
        EnterResult(page, "Delta", "Charlie", 2, 0, "800");
        QCOMPARE(f.prompter.Messages.size(), 0);
        f.prompter.Answers = {Prompter::Answer::Yes};
        QVERIFY(w.close());
        QCOMPARE(f.prompter.Texts(), QStringList({"Table data updated ! Do you want to save the changes?"}));
    }
    fs::create_directories(f.dir / "cli");
    std::ostringstream out;
    std::ostringstream err;
    const int exit = cli::Main({"--config-dir", (f.dir / "cli").string(), "table", f.file.string(),
                                "--format", "csv", "--columns", "ABCNOPQRSU"},
                               out, err);
    QCOMPARE(exit, 0);
    QCOMPARE(QString::fromStdString(out.str()), QString("Pos,Team,P,W,D,L,F,A,GD,Pts\n"
                                                        "1,Alpha,1,1,0,0,3,1,2,3\n"
                                                        "2,Delta,1,1,0,0,2,0,2,3\n"
                                                        "3,Bravo,1,0,0,1,1,3,-2,0\n"
                                                        "4,Charlie,1,0,0,1,0,2,-2,0\n"));
}

QTEST_MAIN(EnterResultsPageTest)
#include "EnterResultsPageTest.moc"
