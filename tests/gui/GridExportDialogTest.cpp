#include "gui/io/GridExportDialog.h"

#include "core/model/Dates.h"
#include "core/model/LeagueFile.h"
#include "gui/app/LeagueWindow.h"
#include "gui/io/QueryExportDialog.h"
#include "gui/league/GoalStatisticsPage.h"
#include "gui/league/LeaguePages.h"
#include "gui/league/PlayerStatsWindow.h"
#include "gui/league/ResultsMaintenancePage.h"
#include "gui/query/QueryWindow.h"
#include "gui/support/GuiFixture.h"
#include "gui/support/ModalScript.h"
#include "gui/support/ScriptedPrompter.h"
#include "platform/SystemLocale.h"
#include "support/LeagueBuilder.h"
#include "support/TestPaths.h"

using namespace gorlin;
using test::Child;
using test::Q;
namespace fs = std::filesystem;

namespace {

struct Fixture : test::ProgramContext<test::RecordingFileDialogs> {
    League league;
    fs::path file = dir / "LEAGUE.DIV";

    /// Three teams, two results, a player with a costly transfer and a name HTML must escape.
    Fixture() {
        settings.FilePath = (dir / "tables").string() + "/";
        context.installLeaguePages = InstallLeaguePages;
        test::LeagueBuilder b;
        b.Teams({"Alpha", "Bravo", "Charlie & Co"});
        b.Played(1, 2, 2, 1, ToDayNumber(2018, 8, 10));
        b.Played(2, 3, 0, 3, ToDayNumber(2018, 8, 11));
        b.Fixture(3, 1, ToDayNumber(2019, 6, 1), true, 2, 0);
        b.Player(PlayerRec{.Name = {},
                           .Team = 1,
                           .Position = 1,
                           .SquadNo = 9,
                           .BirthDate = 0,
                           .Foreign = 0,
                           .Cost = 1234567});
        b.Player("Al <Zed>", 2);
        league = b.Build();
        league.Players[1].Name = "Bob Smith";
        if (!SaveLeague(league, file, SaveOptions{false}).Ok)
            qFatal("the league could not be saved");
    }
};

QStringList FileLines(const fs::path& path) {
    return QString::fromStdString(test::ReadFile(path)).split("\r\n");
}

} // namespace

class GridExportDialogTest : public QObject {
    Q_OBJECT
private slots:
    void everyListGridOffersExport();
    void resultsMenuWritesTheFileAndAsksAgain();
    void queryExportFollowsTheRowsToTheEnd();
};

void GridExportDialogTest::everyListGridOffersExport() {
    Fixture f;
    LeagueWindow window(f.context);
    QVERIFY(window.Load(Q(f.file)));
    // Grids without a menu of their own get one holding "&Export".
    for (const char* grid :
         {"sgPlayers", "sgReferees", "sgDivRefs", "sgGoalsPerMatch", "sgPens", "sgOwnGoals", "sgTeamGoals"}) {
        auto* view = Child<QTableView>(&window, grid);
        const QString menu = "pm" + QString(grid).mid(2);
        auto* action = Child<QAction>(Child<QMenu>(view, menu.toLatin1().constData()), "miExport");
        QCOMPARE(action->text(), QString("&Export"));
    }
    QVERIFY(Child<QMenu>(&window, "pmGoals")->findChild<QAction*>("miExport") != nullptr);
    auto* fixtures = Child<QMenu>(window.Page(LeagueHost::kFixturesPage), "pmFixtures");
    QVERIFY(Child<QAction>(fixtures, "miExport")->isEnabled());
    test::ModalScript script;
    script.Then<GridExportDialog>([](GridExportDialog* d) {
        // The tick of a counted prediction is written as "Y".
        QCOMPARE(d->Cells().Rows.at(1).at(0), std::string("Y"));
        d->reject();
    });
    Child<QAction>(fixtures, "miExport")->trigger();
    // The player window's match list too.
    script.Then<PlayerStatsWindow>([](PlayerStatsWindow* w) {
        QVERIFY(Child<QMenu>(Child<QTableView>(w, "sgGoals"), "pmGoals")->findChild<QAction*>("miExport"));
        w->reject();
    });
    emit qobject_cast<GoalStatisticsPage*>(window.Page(LeagueHost::kGoalStatisticsPage))->playerRequested(1);

    // The players grid's entry opens the dialog over what the grid shows; CSV to the clipboard.
    script.Then<GridExportDialog>([](GridExportDialog* d) {
        QCOMPARE(d->windowTitle(), QString("Export Gorlin Grid"));
        QVERIFY(Child<QRadioButton>(d, "rbFile")->isChecked());
        QVERIFY(Child<QRadioButton>(d, "rbCsv")->isChecked());
        QCOMPARE(Child<QRadioButton>(d, "rbTab")->text(), QString("&Text format (Tab delimited)"));
        test::Screenshot(d, "GridExportDialog");
        Child<QRadioButton>(d, "rbClipboard")->click();
        Child<QPushButton>(d, "btnOK")->click();
    });
    auto* players = Child<QTableView>(&window, "sgPlayers");
    Child<QAction>(Child<QMenu>(players, "pmPlayers"), "miExport")->trigger();
    QCOMPARE(script.Problems(), QStringList());
    QCOMPARE(script.Pending(), 0);
    // In the grid's order (by name), names with a space quoted.
    QCOMPARE(QApplication::clipboard()->text(), QString("No.,Player,Team,Position,Goals\r\n"
                                                        ",\"Al <Zed>\",Bravo,,0\r\n"
                                                        "9,\"Bob Smith\",Alpha,\"Goal Keeper\",0\r\n"));
}

void GridExportDialogTest::resultsMenuWritesTheFileAndAsksAgain() {
    Fixture f;
    LeagueWindow window(f.context);
    QVERIFY(window.Load(Q(f.file)));
    auto* results = window.findChild<ResultsMaintenancePage*>();
    QVERIFY(results != nullptr);

    const fs::path missing = f.dir / "no such folder" / "out.htm";
    const fs::path written = f.dir / "results.htm";
    f.dialogs.Answers = {Q(missing), Q(written)};
    test::ModalScript script;
    script.Then<GridExportDialog>([](GridExportDialog* d) {
        Child<QRadioButton>(d, "rbHtml")->click();
        Child<QPushButton>(d, "btnOK")->click();
    });
    emit results->exportRequested();
    QCOMPARE(script.Problems(), QStringList());
    QCOMPARE(f.prompter.Take(),
             QStringList{"error: The selected file could not be opened. It may be in-use"});
    QCOMPARE(f.dialogs.Dirs, (QStringList{f.context.TableFolder(), Q(missing.parent_path())}));
    QCOMPARE(f.dialogs.Extensions.value(0), QString("htm"));
    QVERIFY(f.dialogs.Filters.value(0).startsWith("HTML (*.htm)"));
    const QStringList lines = FileLines(written);
    QCOMPARE(lines.value(0), QString("\xEF\xBB\xBF<TABLE BORDER>"));
    QCOMPARE(lines.value(3), QString("   <TH>Date</TH>"));
    QVERIFY(lines.contains("   <TD>Charlie &amp; Co</TD>"));
    QVERIFY(lines.contains("   <TD ALIGN=RIGHT>3</TD>"));
    QCOMPARE(lines.value(lines.size() - 2), QString("</TABLE>"));
}

void GridExportDialogTest::queryExportFollowsTheRowsToTheEnd() {
    Fixture f;
    QueryWindow w(f.league, f.context);
    AddQueryExport(w, f.context);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* queries = Child<QComboBox>(&w, "cbQuery");
    const int best = queries->findText("Best Attack");
    QVERIFY(best > 0);
    queries->setCurrentIndex(best);
    w.cbQueryClick(best);
    Child<QPushButton>(&w, "btnRun")->click();
    QVERIFY(w.ShowingResults());
    test::Screenshot(&w, "QueryResultsWithExport");

    test::ModalScript script;
    script.Then<QueryExportDialog>([](QueryExportDialog* d) {
        QCOMPARE(d->windowTitle(), QString("Export Query Results"));
        auto* progress = Child<QProgressBar>(d, "pbExport");
        QCOMPARE(progress->value(), 0);
        test::Screenshot(d, "QueryExportDialog");
        Child<QRadioButton>(d, "rbClipboard")->click();
        Child<QRadioButton>(d, "rbFixed")->click();
        Child<QPushButton>(d, "btnOK")->click();
        QCOMPARE(progress->value(), progress->maximum());
        QCOMPARE(progress->maximum(), 4); // the heading and three teams
    });
    Child<QPushButton>(&w, "btnExport")->click();
    QCOMPARE(script.Problems(), QStringList());
    QCOMPARE(script.Pending(), 0);
    const QStringList lines = QApplication::clipboard()->text().split("\r\n");
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines[0], QString("Team          Played  For  Attack"));
    QCOMPARE(lines[1], QString("Charlie & Co       1    3    3.00"));
}

QTEST_MAIN(GridExportDialogTest)
#include "GridExportDialogTest.moc"
