#include "gui/app/LeagueWindow.h"

#include "core/engine/TableView.h"
#include "core/model/LeagueFile.h"
#include "gui/app/AboutBox.h"
#include "gui/league/LeaguePages.h"
#include "gui/support/ScriptedPrompter.h"
#include "platform/SystemLocale.h"
#include "support/LeagueBuilder.h"
#include "support/TestPaths.h"

#include <QAction>
#include <QLabel>
#include <QTabWidget>
#include <QtTest>
#include <fstream>

using namespace gorlin;
namespace fs = std::filesystem;

namespace {

QString Q(const fs::path& p) {
    return QString::fromStdString(p.string());
}

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

struct Fixture {
    test::TempDir dir;
    Settings settings;
    IniFile ini{(dir / "gorlin.ini").string()};
    Locale locale = LocaleFrom(QLocale(QLocale::English, QLocale::UnitedKingdom), QDate(2019, 5, 12));
    test::ScriptedPrompter prompter;
    test::ScriptedFileDialogs dialogs;
    AppContext context{settings, ini, locale, prompter, dialogs, Q(dir.Path()) + "/"};
    fs::path file = dir / "LEAGUE.DIV";
    int terminated = 0;

    explicit Fixture(League league = test::LeagueBuilder().Teams({"Arsenal", "Burnley", "Chelsea"}).Build()) {
        league.Head.TableName = "Premier";
        settings.FilePath = dir.Path().string() + "/";
        context.terminate = [this](int) { ++terminated; };
        context.installLeaguePages = InstallLeaguePages;
        if (!SaveLeague(league, file, SaveOptions{false}).Ok)
            qFatal("cannot write the test league");
    }
};

} // namespace

class LeagueWindowTest : public QObject {
    Q_OBJECT
private slots:
    void loadingPreparesTheWindow();
    void aFileThatCannotBeReadIsReported();
    void sizeAndPlaceComeFromAndGoToTheSettings();
    void closePromptAnswers_data();
    void closePromptAnswers();
    void unchangedTableClosesWithoutAsking();
    void pendingResultKeepsTheWindowOpen();
    void sortRulesHookRunsFirst();
    void saveCommandFollowsDataChangedAndShift();
    void aFailedSaveKeepsTheLeagueOpenAndUnsaved();
    void aDamagedModelIsNeverWritten();
    void pagesCanBeReplacedInPlace();
    void aboutBoxFromTheLeagueHasTheStatistics();
    void minimisingMinimisesTheProgram();
};

void LeagueWindowTest::loadingPreparesTheWindow() {
    League league = test::LeagueBuilder()
                        .Teams({"A", "B", "C", "D"})
                        .TimesToPlay(2)
                        .Selection(1, "Top Two", {1, 2})
                        .Build();
    league.Head.VersionId = 1234;
    Fixture f(league);
    LeagueWindow w(f.context);
    QVERIFY(w.Load(Q(f.file)));
    QCOMPARE(w.windowTitle(), QString("Gorlin 4.7 - Premier"));
    QVERIFY(!w.GetLeague().DataChanged);
    QCOMPARE(w.GetLeague().TeamCount(), 4);
    QVERIFY(w.UpdateAvailable());
    QVERIFY(w.MatchGridAvailable());
    QCOMPARE(QString::fromStdString(TableTitle(w.GetLeague())), QString("Premier")); // fixed schedule

    QTabWidget* pages = w.Pages();
    QCOMPARE(pages->count(), 7);
    const QStringList titles = {"League Table",  "Team Statistics", "Goal Statistics",  "Division Statistics",
                                "Enter Results", "Fixtures",        "Table Maintenance"};
    for (int i = 0; i < 7; ++i)
        QCOMPARE(pages->tabText(i), titles[i]);

    // No fixed schedule and a selection: the first selection is in force and named in the title.
    League open =
        test::LeagueBuilder().Teams({"A", "B"}).TimesToPlay(0).Selection(1, "Top Two", {1, 2}).Build();
    Fixture g(open);
    LeagueWindow w2(g.context);
    QVERIFY(w2.Load(Q(g.file)));
    QCOMPARE(QString::fromStdString(TableTitle(w2.GetLeague())), QString("Premier (Top Two)"));
    QVERIFY(!w2.UpdateAvailable());
    QVERIFY(!w2.MatchGridAvailable());
}

void LeagueWindowTest::aFileThatCannotBeReadIsReported() {
    Fixture f;
    fs::resize_file(f.file, 140); // header intact, records cut off
    LeagueWindow w(f.context);
    QVERIFY(!w.Load(Q(f.file)));
    QCOMPARE(f.prompter.Messages.size(), 1);
    QCOMPARE(f.prompter.Messages[0].Kind, QString("error"));
    QVERIFY(f.prompter.Messages[0].Text.contains(Q(f.file)));
    QVERIFY(!w.Load(Q(f.dir / "MISSING.DIV")));
    QCOMPARE(f.prompter.Messages.size(), 2);
}

void LeagueWindowTest::sizeAndPlaceComeFromAndGoToTheSettings() {
    Fixture f;
    {
        // Nothing stored: the design size.
        LeagueWindow w(f.context);
        const QSize design = w.size();
        QVERIFY(w.Load(Q(f.file)));
        QCOMPARE(w.size(), design);
    }
    f.settings.ProcWidth = 700;
    f.settings.ProcHeight = 0; // both must be above 0
    {
        LeagueWindow w(f.context);
        const QSize design = w.size();
        QVERIFY(w.Load(Q(f.file)));
        QCOMPARE(w.size(), design);
    }
    f.settings.ProcHeight = 520;
    f.settings.ProcLeft = 30;
    f.settings.ProcTop = 40;
    LeagueWindow w(f.context);
    QVERIFY(w.Load(Q(f.file)));
    QCOMPARE(w.size(), QSize(700, 520));
    QCOMPARE(w.pos(), QPoint(30, 40));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.resize(720, 540);
    w.GetLeague().Head.OwnTeam = 2; // not a change the close prompt asks about
    f.settings.FontName = "Courier New";
    w.close();
    QVERIFY(!w.isVisible());
    QCOMPARE(f.settings.ProcWidth, 720);
    QCOMPARE(f.settings.ProcHeight, 540);

    IniFile reread(f.ini.Path());
    QVERIFY(reread.Load().Ok);
    QCOMPARE(reread.ReadInt("FormSize", "ProcWidth", 0), 720);
    QCOMPARE(reread.ReadInt("FormSize", "ProcHeight", 0), 540);
    QCOMPARE(reread.ReadInt("FormSize", "ProcLeft", -1), f.settings.ProcLeft);
    QCOMPARE(reread.ReadInt("FormSize", "ProcTop", -1), f.settings.ProcTop);
    QCOMPARE(reread.ReadString("Options", "FontName", ""), std::string("Courier New"));
    QVERIFY(!reread.HasKey("Options", "FilePath"));
    // The model is emptied on closing.
    QVERIFY(w.GetLeague().Teams.size() <= 1);
}

void LeagueWindowTest::closePromptAnswers_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("written");
    QTest::newRow("yes") << int(Prompter::Answer::Yes) << true << true;
    QTest::newRow("no") << int(Prompter::Answer::No) << true << false;
    QTest::newRow("cancel") << int(Prompter::Answer::Cancel) << false << false;
}

void LeagueWindowTest::closePromptAnswers() {
    QFETCH(int, answer);
    QFETCH(bool, closes);
    QFETCH(bool, written);
    Fixture f;
    const std::string before = ReadAll(f.file);
    LeagueWindow w(f.context);
    QVERIFY(w.Load(Q(f.file)));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.GetLeague().Head.TableName = "Renamed";
    w.GetLeague().DataChanged = true;
    w.DataChangedNotify();

    f.prompter.Answers = {Prompter::Answer(answer)};
    w.close();
    QCOMPARE(f.prompter.Messages.size(), 1);
    QCOMPARE(f.prompter.Messages[0].Kind, QString("yesnocancel"));
    QCOMPARE(f.prompter.Messages[0].Text, QString("Table data updated ! Do you want to save the changes?"));
    QCOMPARE(!w.isVisible(), closes);

    const fs::path backup = f.dir / "LEAGUE.bak";
    if (written) {
        const Expected<League> reread = LoadLeague(f.file);
        QVERIFY(reread.ok());
        QCOMPARE(reread->Head.TableName.str(), std::string("Renamed"));
        QVERIFY(fs::exists(backup));
        QCOMPARE(ReadAll(backup), before);
    } else {
        QCOMPARE(ReadAll(f.file), before);
        QVERIFY(!fs::exists(backup));
    }
    if (!closes) {
        // Still open with the change; Escape asks again.
        QVERIFY(w.GetLeague().DataChanged);
        f.prompter.Answers = {Prompter::Answer::No};
        QTest::keyClick(&w, Qt::Key_Escape);
        QCOMPARE(f.prompter.Messages.size(), 2);
        QVERIFY(!w.isVisible());
    }
}

void LeagueWindowTest::unchangedTableClosesWithoutAsking() {
    Fixture f;
    LeagueWindow w(f.context);
    QVERIFY(w.Load(Q(f.file)));
    w.show();
    w.close();
    QVERIFY(f.prompter.Messages.isEmpty());
    QVERIFY(!w.isVisible());
}

void LeagueWindowTest::pendingResultKeepsTheWindowOpen() {
    Fixture f;
    LeagueWindow w(f.context);
    QVERIFY(w.Load(Q(f.file)));
    w.show();
    w.GetLeague().PendingGame = true;
    w.GetLeague().DataChanged = true;
    w.close();
    QVERIFY(w.isVisible());
    QCOMPARE(f.prompter.Messages.size(), 1); // the save question is not asked
    QCOMPARE(f.prompter.Messages[0].Kind, QString("error"));
    QCOMPARE(f.prompter.Messages[0].Text, QString("Result entry in progress. Complete it or cancel"));
    w.GetLeague().PendingGame = false;
    f.prompter.Answers = {Prompter::Answer::No};
    w.close();
    QVERIFY(!w.isVisible());
}

void LeagueWindowTest::sortRulesHookRunsFirst() {
    Fixture f;
    LeagueWindow w(f.context);
    QVERIFY(w.Load(Q(f.file)));
    w.show();
    int calls = 0;
    bool store = false;
    w.SetSortRulesHook([&] {
        ++calls;
        if (store)
            w.GetLeague().SortRulesChanged = false;
        return store;
    });
    w.GetLeague().SortRulesChanged = true;
    w.GetLeague().PendingGame = true;
    w.close();
    QCOMPARE(calls, 1);
    QVERIFY(w.isVisible());
    QVERIFY(f.prompter.Messages.isEmpty()); // rules not stored: nothing else is asked
    store = true;
    w.GetLeague().PendingGame = false;
    w.close();
    QCOMPARE(calls, 2);
    QVERIFY(!w.isVisible());
}

void LeagueWindowTest::saveCommandFollowsDataChangedAndShift() {
    Fixture f;
    LeagueWindow w(f.context);
    QVERIFY(w.Load(Q(f.file)));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QAction* save = w.SaveAction();
    QVERIFY(save != nullptr);
    QCOMPARE(save->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    QVERIFY(!save->isEnabled());

    w.GetLeague().Head.TableName = "Saved Once";
    w.GetLeague().DataChanged = true;
    w.DataChangedNotify();
    QVERIFY(save->isEnabled());
    save->trigger();
    QVERIFY(!w.GetLeague().DataChanged);
    QVERIFY(!save->isEnabled());
    QCOMPARE(LoadLeague(f.file)->Head.TableName.str(), std::string("Saved Once"));
    QVERIFY(fs::exists(f.dir / "LEAGUE.bak"));

    // Holding Shift offers a forced save of an unchanged table.
    fs::remove(f.dir / "LEAGUE.bak");
    QTest::keyPress(&w, Qt::Key_Shift);
    QVERIFY(save->isEnabled());
    save->trigger();
    QVERIFY(fs::exists(f.dir / "LEAGUE.bak"));
    QTest::keyRelease(&w, Qt::Key_Shift);
    QVERIFY(!save->isEnabled());

    // Backups off: none made.
    fs::remove(f.dir / "LEAGUE.bak");
    f.settings.TakeBackup = false;
    w.GetLeague().DataChanged = true;
    w.DataChangedNotify();
    QVERIFY(w.SaveData());
    QVERIFY(!fs::exists(f.dir / "LEAGUE.bak"));
    QVERIFY(f.prompter.Messages.isEmpty());
}

void LeagueWindowTest::aFailedSaveKeepsTheLeagueOpenAndUnsaved() {
    Fixture f;
    const fs::path folder = f.dir / "sub";
    fs::create_directories(folder);
    fs::copy_file(f.file, folder / "LEAGUE.DIV");
    LeagueWindow w(f.context);
    QVERIFY(w.Load(Q(folder / "LEAGUE.DIV")));
    w.show();
    fs::remove_all(folder); // the folder vanished while the league was open
    w.GetLeague().DataChanged = true;
    w.DataChangedNotify();

    f.prompter.Answers = {Prompter::Answer::Yes};
    w.close();
    QVERIFY(w.isVisible());
    QVERIFY(w.GetLeague().DataChanged);
    QCOMPARE(w.GetLeague().TeamCount(), 3);
    QCOMPARE(f.prompter.Messages.size(), 2);
    QCOMPARE(f.prompter.Messages[1].Kind, QString("error"));
    QVERIFY(f.prompter.Messages[1].Text.contains("NOT"));
    QVERIFY(w.SaveAction()->isEnabled());
    QCOMPARE(f.terminated, 0);
}

void LeagueWindowTest::aDamagedModelIsNeverWritten() {
    Fixture f;
    const std::string before = ReadAll(f.file);
    LeagueWindow w(f.context);
    QVERIFY(w.Load(Q(f.file)));
    w.GetLeague().Head.Signature = "XXXXX";
    w.GetLeague().DataChanged = true;
    QVERIFY(!w.SaveData());
    QCOMPARE(f.terminated, 1);
    QCOMPARE(f.prompter.Messages.size(), 1);
    QCOMPARE(f.prompter.Messages[0].Text, QString::fromLatin1(kInternalErrorText));
    QCOMPARE(ReadAll(f.file), before);
}

void LeagueWindowTest::pagesCanBeReplacedInPlace() {
    Fixture f;
    int installed = 0;
    f.context.installLeaguePages = [&](LeagueHost& lw) {
        ++installed;
        auto* page = new QLabel(QString::fromLatin1("table of %1 teams").arg(lw.GetLeague().TeamCount()));
        lw.SetPage(LeagueWindow::kLeagueTablePage, page);
        lw.SetPage(LeagueWindow::kTableMaintenancePage, new QLabel("maintenance"));
    };
    LeagueWindow w(f.context);
    QVERIFY(w.Load(Q(f.file)));
    QCOMPARE(installed, 1);
    QTabWidget* pages = w.Pages();
    QCOMPARE(pages->count(), 7);
    QCOMPARE(qobject_cast<QLabel*>(w.Page(0))->text(), QString("table of 3 teams"));
    QCOMPARE(pages->tabText(0), QString("League Table"));
    QCOMPARE(qobject_cast<QLabel*>(w.Page(6))->text(), QString("maintenance"));
    QCOMPARE(pages->tabText(6), QString("Table Maintenance"));
    QCOMPARE(pages->tabText(1), QString("Team Statistics"));
    w.SetPage(7, new QLabel("ignored", &w)); // out of range: nothing changes
    QCOMPARE(pages->count(), 7);
}

void LeagueWindowTest::aboutBoxFromTheLeagueHasTheStatistics() {
    Fixture f;
    LeagueWindow w(f.context);
    QVERIFY(w.Load(Q(f.file)));
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<AboutBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        QVERIFY(!box->StatsVisible());
        QTest::keyClicks(box, "gor");
        QVERIFY(box->StatsVisible());
        seen = true;
        box->accept();
    });
    w.ShowAbout();
    QVERIFY(seen);
}

void LeagueWindowTest::minimisingMinimisesTheProgram() {
    Fixture f;
    QWidget other; // e.g. the help window, left open
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    LeagueWindow w(f.context);
    QVERIFY(w.Load(Q(f.file)));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.setWindowState(Qt::WindowMinimized);
    QTRY_VERIFY(other.isMinimized());
    QVERIFY(w.isVisible()); // still open, just minimised
}

QTEST_MAIN(LeagueWindowTest)
#include "LeagueWindowTest.moc"
