#include "gui/app/LeagueWindow.h"

#include "core/model/LeagueFile.h"
#include "gui/app/AboutBox.h"
#include "gui/league/LeagueTablePage.h"
#include "gui/support/GuiFixture.h"

using namespace gorlin;
using test::Q;
using test::ReadFile;
namespace fs = std::filesystem;

class LeagueWindowTest : public QObject {
    Q_OBJECT
private slots:
    void loadingInstallsThePagesOrReportsOnce();
    void sizeAndPlaceComeFromAndGoToTheSettings();
    void closeQuestions();
    void saveCommandFollowsDataChangedAndShift();
    void failedOrRefusedSavesKeepTheLeagueUnsaved();
    void aboutBoxHasTheLeagueStatistics();
    void keyboardStartsOnTheGridAndTheWindowKeepsTheOptions();
};

void LeagueWindowTest::loadingInstallsThePagesOrReportsOnce() {
    test::GuiFixture f;
    LeagueWindow w(f.context);
    QVERIFY(w.Load(Q(f.file)));
    QCOMPARE(w.windowTitle(), QString(kProgramCaption) + " - Premier");
    QCOMPARE(w.Pages()->count(), 7);
    for (int i = 0; i < 7; ++i)
        QCOMPARE(w.Pages()->tabText(i), QString(LeagueHost::PageTitle(i)));
    QVERIFY(qobject_cast<LeagueTablePage*>(w.Page(LeagueWindow::kLeagueTablePage)) != nullptr);

    // Whatever the context installs is put in place, keeping the tabs.
    f.context.installLeaguePages = [](LeagueHost& host) {
        host.SetPage(LeagueWindow::kTableMaintenancePage, new QLabel("maintenance"));
        host.SetPage(7, new QLabel("ignored", host.Window())); // out of range: nothing changes
    };
    LeagueWindow other(f.context);
    QVERIFY(other.Load(Q(f.file)));
    QCOMPARE(qobject_cast<QLabel*>(other.Page(6))->text() + other.Pages()->tabText(6),
             QString("maintenanceTable Maintenance"));
    QCOMPARE(other.Pages()->count(), 7);

    fs::resize_file(f.file, 140); // header intact, records cut off
    QVERIFY(!LeagueWindow(f.context).Load(Q(f.file)));
    QCOMPARE(f.prompter.Messages.size(), 1);
    QVERIFY(f.prompter.Messages[0].startsWith("error: ") && f.prompter.Messages[0].contains(Q(f.file)));
}

void LeagueWindowTest::sizeAndPlaceComeFromAndGoToTheSettings() {
    test::GuiFixture f;
    const QSize design = LeagueWindow(f.context).size();
    f.settings.ProcWidth = 700; // both must be above 0
    LeagueWindow half(f.context);
    QVERIFY(half.Load(Q(f.file)));
    QCOMPARE(half.size(), design);
    f.settings.ProcHeight = 520;
    f.settings.ProcLeft = 30;
    f.settings.ProcTop = 40;
    LeagueWindow w(f.context);
    QVERIFY(w.Load(Q(f.file)));
    QCOMPARE(QRect(w.pos(), w.size()), QRect(30, 40, 700, 520));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.resize(720, 540);
    w.GetLeague().Head.OwnTeam = 2; // not a change the close question asks about
    f.settings.FontName = "Courier New";
    w.close();
    QVERIFY(!w.isVisible() && f.prompter.Messages.isEmpty());
    IniFile reread(f.ini.Path());
    QVERIFY(reread.Load());
    QCOMPARE(reread.ReadInt("FormSize", "ProcWidth", 0), 720);
    QCOMPARE(reread.ReadInt("FormSize", "ProcHeight", 0), 540);
    QCOMPARE(reread.ReadString("Options", "FontName", ""), std::string("Courier New"));
    QVERIFY(!reread.HasKey("Options", "FilePath"));
    QVERIFY(w.GetLeague().Teams.size() <= 1); // the model is emptied on closing
}

void LeagueWindowTest::closeQuestions() {
    const QString save = "yesnocancel: " + QString(LeagueWindow::kSavePromptText);
    using A = Prompter::Answer;
    struct Case {
        const char* What;
        int Change; // 0 none, 1 data, 2 data and a result being entered
        std::deque<A> Answers;
        QStringList Asked;
        bool Closes, Written;
    };
    const Case cases[] = {
        {"unchanged", 0, {}, {}, true, false},
        {"yes", 1, {A::Yes}, {save}, true, true},
        {"no", 1, {A::No}, {save}, true, false},
        {"cancel", 1, {A::Cancel}, {save}, false, false},
        {"pending", 2, {}, {"error: " + QString(LeagueWindow::kPendingGameText)}, false, false}};
    for (const Case& c : cases) {
        test::GuiFixture f;
        const std::string before = ReadFile(f.file);
        LeagueWindow w(f.context);
        QVERIFY(w.Load(Q(f.file)));
        w.show();
        League& league = w.GetLeague();
        league.Head.TableName = "Renamed";
        league.DataChanged = c.Change != 0;
        league.PendingGame = c.Change == 2;
        w.DataChangedNotify();
        f.prompter.Answers = c.Answers;
        w.close();
        QVERIFY2(f.prompter.Take() == c.Asked && w.isVisible() != c.Closes, c.What);
        QVERIFY2(fs::exists(f.dir / "LEAGUE.bak") == c.Written, c.What);
        QVERIFY2((LoadLeague(f.file)->Head.TableName.str() == "Renamed") == c.Written, c.What);
        if (!c.Closes) { // still open with the change; Escape asks again
            league.PendingGame = false;
            f.prompter.Answers = {A::No};
            QTest::keyClick(&w, Qt::Key_Escape);
            QVERIFY2(f.prompter.Take() == QStringList{save} && !w.isVisible(), c.What);
            QVERIFY2(ReadFile(f.file) == before, c.What);
        }
    }
}

void LeagueWindowTest::saveCommandFollowsDataChangedAndShift() {
    test::GuiFixture f;
    LeagueWindow w(f.context);
    QVERIFY(w.Load(Q(f.file)));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QAction* save = w.SaveAction();
    QVERIFY(!save->isEnabled() && save->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_S));
    w.GetLeague().Head.TableName = "Saved Once";
    w.GetLeague().DataChanged = true;
    w.DataChangedNotify();
    QVERIFY(save->isEnabled());
    save->trigger();
    QVERIFY(!w.GetLeague().DataChanged && !save->isEnabled());
    QCOMPARE(LoadLeague(f.file)->Head.TableName.str(), std::string("Saved Once"));
    QVERIFY(fs::remove(f.dir / "LEAGUE.bak"));
    QTest::keyPress(&w, Qt::Key_Shift); // Shift offers a forced save of an unchanged table
    QVERIFY(save->isEnabled());
    save->trigger();
    QTest::keyRelease(&w, Qt::Key_Shift);
    QVERIFY(!save->isEnabled());
    QVERIFY(fs::remove(f.dir / "LEAGUE.bak"));
    f.settings.TakeBackup = false;
    QVERIFY(w.SaveData());
    QVERIFY(!fs::exists(f.dir / "LEAGUE.bak") && f.prompter.Messages.isEmpty());
}

void LeagueWindowTest::failedOrRefusedSavesKeepTheLeagueUnsaved() {
    test::GuiFixture f;
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
    QVERIFY(w.isVisible() && w.GetLeague().DataChanged && w.SaveAction()->isEnabled());
    const QStringList asked = f.prompter.Take();
    QVERIFY(asked.size() == 2 && asked[1].startsWith("error: ") && asked[1].contains("NOT"));
    QCOMPARE(f.terminated, 0);

    // A damaged model is never written: the internal error, and the program ends.
    const std::string before = ReadFile(f.file);
    LeagueWindow damaged(f.context);
    QVERIFY(damaged.Load(Q(f.file)));
    damaged.GetLeague().Head.Signature = "XXXXX";
    QVERIFY(!damaged.SaveData());
    QCOMPARE(f.terminated, 1);
    QCOMPARE(f.prompter.Take(), QStringList{"error: " + QString(kInternalErrorText)});
    QCOMPARE(ReadFile(f.file), before);
}

void LeagueWindowTest::aboutBoxHasTheLeagueStatistics() {
    test::GuiFixture f;
    LeagueWindow w(f.context);
    QVERIFY(w.Load(Q(f.file)));
    League& league = w.GetLeague();
    league.Head.GoalCount = 812;
    league.Head.PlayerCount = 431;
    league.Head.SquadCount = 760;
    league.Head.VersionId = 4321;
    bool checked = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<AboutBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        QVERIFY(test::Child<QLabel>(box, "lblVersion")->text().contains(kProgramVersion));
        QString stats;
        for (const char* name :
             {"lblGoalCount", "lblPlayerCount", "lblSquadCount", "lblLoadedVersion", "lblVersionId"})
            stats += test::Child<QLabel>(box, name)->text() + " ";
        QCOMPARE(stats, QString("812 431 760 %1 4321 ").arg(league.LoadedVersion));
        const auto type = [box](const QString& keys) {
            QTest::keyClicks(box->focusWidget() ? box->focusWidget() : box, keys);
        };
        type("GOxr"); // a wrong key breaks the code
        QVERIFY(!box->StatsVisible());
        type("zzgor"); // the last three keys count, in any case
        QVERIFY(box->StatsVisible());
        test::Screenshot(box, "about-box");
        type("q"); // any key hides them
        QVERIFY(!box->StatsVisible());
        QTest::keyClick(box, Qt::Key_Escape);
        checked = !box->isVisible();
    });
    w.ShowAbout();
    QVERIFY(checked);
}

void LeagueWindowTest::keyboardStartsOnTheGridAndTheWindowKeepsTheOptions() {
    test::GuiFixture f;
    LeagueWindow w(f.context);
    QVERIFY(w.Load(Q(f.file)));
    w.resize(10, 10); // no smaller than the table page's options need
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("sgLeague"));
    // The toolbar's commands take no Alt keys: those belong to the pages' captions.
    for (QAction* action : w.findChild<QToolBar*>()->actions())
        QVERIFY2(!action->text().contains('&'), qPrintable(action->text()));
    const QWidget* to = test::Child<QWidget>(&w, "udToDate");
    QVERIFY(w.rect().contains(QRect(to->mapTo(&w, QPoint(0, 0)), to->size())));
    test::Screenshot(&w, "league-window-minimum");
}

QTEST_MAIN(LeagueWindowTest)
#include "LeagueWindowTest.moc"
