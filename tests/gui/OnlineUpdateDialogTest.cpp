#include "gui/update/OnlineUpdateDialog.h"

#include "core/model/Dates.h"
#include "core/update/UpdateRetrieval.h"
#include "core/update/UpdateWriter.h"
#include "gui/app/LeagueWindow.h"
#include "gui/league/LeagueHost.h"
#include "gui/league/LeagueTablePage.h"
#include "gui/support/GuiFixture.h"
#include "gui/support/ModalScript.h"
#include "gui/update/DialUpWindows.h"
#include "platform/RetrievalDriver.h"
#include "support/FakeDialUp.h"
#include "support/LeagueBuilder.h"
#include "support/LoopbackServer.h"

using namespace gorlin;
using test::Child;

namespace {

constexpr int kVersion = 42;
constexpr int kWaitMs = 15000;

/// Three teams in a double round, all fixtures; the update file holds two results of it.
struct UpdateFixture {
    League target;
    std::string updateText;

    UpdateFixture() {
        test::LeagueBuilder b;
        b.Teams({"Arsenal", "Burnley", "Chelsea"}).TimesToPlay(2);
        for (int home = 1; home <= 3; ++home)
            for (int away = 1; away <= 3; ++away)
                if (home != away)
                    b.Fixture(home, away, 0);
        target = b.Build();
        target.Head.TableName = "Premier";
        target.Head.VersionId = kVersion;

        League source = target;
        for (int g = 1; g <= source.Head.GameCount; ++g) {
            GameRec& game = source.Games[g];
            const int home = game.HomeTeam, away = game.AwayTeam;
            if (home == 3 && away != 3) { // Chelsea win both home games
                game.Played = 1;
                game.HomeGoals = static_cast<decltype(game.HomeGoals)>(away == 1 ? 3 : 2);
                game.AwayGoals = static_cast<decltype(game.AwayGoals)>(away == 1 ? 0 : 1);
                game.Date = ToDayNumber(2019, 4, away == 1 ? 6 : 13);
            }
        }
        UploadOptions options;
        options.Since = ToDayNumber(2019, 1, 1);
        options.Today = ToDayNumber(2019, 5, 12);
        updateText = WriteUpdateText(source, options);
    }

    /// The update file as a server sends it, in pieces of `size` bytes.
    test::ScriptedResponse Served(std::size_t size = 0, int pauseMs = 0) const {
        const std::string whole = "HTTP/1.0 200 OK\r\nContent-Length: " + std::to_string(updateText.size()) +
                                  "\r\nContent-Type: text/plain\r\n\r\n" + updateText;
        return size == 0 ? test::ScriptedResponse::Whole(whole)
                         : test::ScriptedResponse::Split(whole, size, pauseMs);
    }
};

QString StatusText(const QWidget* dialog) {
    return Child<QLabel>(dialog, "lblStatus")->text();
}

bool Idle(const QWidget* dialog) {
    return Child<QPushButton>(dialog, "btnProceed")->isEnabled() &&
           Child<QPushButton>(dialog, "btnClose")->isEnabled() &&
           Child<QProgressBar>(dialog, "pbProgress")->value() == 0 &&
           QApplication::overrideCursor() == nullptr;
}

int PlayedGames(const League& league) {
    int played = 0;
    for (int g = 1; g <= league.Head.GameCount; ++g)
        played += league.Games[g].Played != 0 ? 1 : 0;
    return played;
}

} // namespace

class OnlineUpdateDialogTest : public QObject {
    Q_OBJECT
private slots:
    void boxesAndTheirRule();
    void updateButtonFetchesAndRedrawsTheTable();
    void failuresEndWithTheirMessages_data();
    void failuresEndWithTheirMessages();
    void closingAbandonsARunningChain();
    void dialUpWindowsWithTheFakeService();
    void hangUpWindowOnLeaving();
};

void OnlineUpdateDialogTest::boxesAndTheirRule() {
    UpdateFixture u;
    test::GuiFixture f(u.target);
    OnlineUpdateDialog dialog(u.target, f.context);
    QCOMPARE(dialog.windowTitle(), QString("Gorlin - On-Line Update"));
    auto* referees = Child<QCheckBox>(&dialog, "cbReferees");
    auto* players = Child<QCheckBox>(&dialog, "cbPlayers");
    auto* squads = Child<QCheckBox>(&dialog, "cbSquads");
    QVERIFY(referees->isChecked() && players->isChecked() && squads->isChecked());
    QVERIFY(Child<QPushButton>(&dialog, "btnProceed")->isDefault());
    QCOMPARE(Child<QGroupBox>(&dialog, "gbStatus")->title(), QString("Status:"));
    QCOMPARE(StatusText(&dialog), QString());
    QCOMPARE(Child<QLabel>(&dialog, "lblStatus")->palette().color(QPalette::WindowText), QColor(Qt::blue));
    dialog.show();
    test::Screenshot(&dialog, "OnlineUpdateIdle");

    players->click();
    QVERIFY(!squads->isChecked());
    QVERIFY(!squads->isEnabled());
    QCOMPARE(dialog.Options().Players, false);
    players->click();
    QVERIFY(squads->isEnabled());
    QVERIFY(!squads->isChecked()); // enabled again, not ticked again
    squads->click();
    referees->click();
    const UpdateOptions options = dialog.Options();
    QVERIFY(!options.Referees && options.Players && options.Squads);
}

void OnlineUpdateDialogTest::updateButtonFetchesAndRedrawsTheTable() {
    UpdateFixture u;
    test::LoopbackServer server({u.Served(61, 20)});
    test::GuiFixture f(u.target);
    f.settings.RootHost = server.HostPort() + "/";
    LeagueWindow window(f.context);
    QVERIFY(window.Load(test::Q(f.file)));
    auto* table = qobject_cast<LeagueTablePage*>(window.Page(LeagueHost::kLeagueTablePage));
    QVERIFY(table != nullptr);
    QCOMPARE(table->View().Rows.at(0).Team, 1); // nothing played: index order
    auto* button = Child<QPushButton>(table, "btnUpdate");
    QCOMPARE(button->toolTip(), QString("Update with latest scores over the Internet"));
    QVERIFY(button->isEnabled());
    window.resize(900, 600);
    test::Screenshot(&window, "LeagueTableUpdateButton");

    int highest = 0;
    bool sawBusy = false;
    test::ModalScript script;
    script.Then<OnlineUpdateDialog>([&](OnlineUpdateDialog* dialog) {
        auto* progress = Child<QProgressBar>(dialog, "pbProgress");
        QObject::connect(progress, &QProgressBar::valueChanged, [&highest, dialog](int v) {
            if (highest < 30 && v >= 30 && v < 100)
                test::Screenshot(dialog, "OnlineUpdateRetrieving");
            highest = std::max(highest, v);
        });
        Child<QPushButton>(dialog, "btnProceed")->click();
        sawBusy = !Child<QPushButton>(dialog, "btnProceed")->isEnabled() &&
                  !Child<QPushButton>(dialog, "btnClose")->isEnabled() &&
                  QApplication::overrideCursor() != nullptr &&
                  QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        QTRY_COMPARE_WITH_TIMEOUT(StatusText(dialog), QString("Update Complete"), kWaitMs);
        QVERIFY(Idle(dialog));
        test::Screenshot(dialog, "OnlineUpdateDone");
        Child<QPushButton>(dialog, "btnClose")->click();
    });
    button->click();
    QVERIFY2(script.Problems().isEmpty(), qPrintable(script.Problems().join("; ")));
    QCOMPARE(script.Pending(), 0);
    QVERIFY(sawBusy);
    QCOMPARE(highest, 100);
    QCOMPARE(f.prompter.Messages, QStringList());
    QCOMPARE(server.Requests().size(), std::size_t{1});
    QVERIFY(server.Requests()[0].starts_with("GET /gnup0042.txt HTTP/1.0\r\n"));

    League& league = window.GetLeague();
    QCOMPARE(PlayedGames(league), 2);
    QVERIFY(league.DataChanged);
    QCOMPARE(table->View().Rows.at(0).Team, 3); // Chelsea top after two wins

    // Without a version ID the league takes no updates.
    u.target.Head.VersionId = 0;
    test::GuiFixture g(u.target);
    LeagueWindow third(g.context);
    QVERIFY(third.Load(test::Q(g.file)));
    auto* thirdTable = qobject_cast<LeagueTablePage*>(third.Page(LeagueHost::kLeagueTablePage));
    QVERIFY(!Child<QPushButton>(thirdTable, "btnUpdate")->isEnabled());
}

void OnlineUpdateDialogTest::failuresEndWithTheirMessages_data() {
    QTest::addColumn<QString>("body");
    // 0: the loopback server; 1: the same, falling silent; -1: a port nothing listens on; -2: no such host
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<int>("requests");

    QTest::newRow("not an update file")
        << "HTTP/1.0 200 OK\r\n\r\nSomething else\r\n"
        << 0 << kMsgUpdateCancelled
        << QStringList{"error: Update file is not correctly formatted\n\nUpdate processing cancelled."} << 1;
    QTest::newRow("404 then no index")
        << "HTTP/1.0 404 Not Found\r\n\r\n"
        << 0 << "Error 404 retrieving update (Not Found)" << QStringList{} << 2;
    QTest::newRow("connection refused")
        << "" << -1 << kMsgUpdateCancelled
        << QStringList{"error: A network error has occurred while processing your request.\n\n"
                       "Update processing cancelled."}
        << 0;
    QTest::newRow("unknown host") << "" << -2 << kMsgConnectError << QStringList{} << 0;
    QTest::newRow("silence") << "HTTP/1.0 200 OK\r\n" << 1 << kMsgTimedOut << QStringList{} << 1;
    QTest::newRow("cut short") << "HTTP/1.0 200 OK\r\nContent-Length: 9000\r\n\r\nGorlin Update:100\r\n"
                               << 0 << kMsgNotInFull << QStringList{} << 1;
}

void OnlineUpdateDialogTest::failuresEndWithTheirMessages() {
    QFETCH(QString, body);
    QFETCH(int, port);
    QFETCH(QString, status);
    QFETCH(QStringList, boxes);
    QFETCH(int, requests);

    UpdateFixture u;
    test::ScriptedResponse response = test::ScriptedResponse::Whole(body.toStdString());
    if (port == 1)
        response.End = test::ScriptedResponse::Ending::Silent;
    test::LoopbackServer server({response});
    test::GuiFixture f(u.target);
    f.settings.RootHost = port == -2   ? "no-such-host.invalid"
                          : port == -1 ? "127.0.0.1:" + std::to_string(test::UnusedPort())
                                       : server.HostPort();
    League league = u.target;
    OnlineUpdateDialog dialog(league, f.context);
    dialog.SetStartAdjuster([](RetrievalStart& start) { start.Limits.SilenceMs = 300; });
    dialog.show();
    Child<QPushButton>(&dialog, "btnProceed")->click();
    QVERIFY(!Idle(&dialog));
    QTRY_COMPARE_WITH_TIMEOUT(StatusText(&dialog), status, kWaitMs);
    QVERIFY(Idle(&dialog));
    QCOMPARE(f.prompter.Messages, boxes);
    QCOMPARE(static_cast<int>(server.Requests().size()), requests);
    QCOMPARE(PlayedGames(league), 0);
    QVERIFY(!league.DataChanged);
    QVERIFY(!dialog.LeagueChanged());
}

void OnlineUpdateDialogTest::closingAbandonsARunningChain() {
    UpdateFixture u;
    test::ScriptedResponse silent = test::ScriptedResponse::Whole("HTTP/1.0 200 OK\r\n");
    silent.End = test::ScriptedResponse::Ending::Silent;
    test::LoopbackServer server({silent});
    test::GuiFixture f(u.target);
    f.settings.RootHost = server.HostPort();
    League league = u.target;
    OnlineUpdateDialog dialog(league, f.context);
    dialog.show();
    Child<QPushButton>(&dialog, "btnProceed")->click();
    QTRY_COMPARE_WITH_TIMEOUT(server.Connections(), std::size_t{1}, kWaitMs);
    QVERIFY(dialog.Driver().Running());
    QTest::keyClick(&dialog, Qt::Key_Escape); // the window closes though its buttons are disabled
    QVERIFY(!dialog.isVisible());
    QVERIFY(!dialog.Driver().Running());
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QCOMPARE(PlayedGames(league), 0);
    QCOMPARE(f.prompter.Messages, QStringList());
}

void OnlineUpdateDialogTest::dialUpWindowsWithTheFakeService() {
    UpdateFixture u;
    test::LoopbackServer server({u.Served()});
    test::GuiFixture f(u.target);
    f.settings.RootHost = server.HostPort();
    f.settings.ManualConnect = false;
    f.settings.ConnectName = "Home";
    f.settings.DiscOption = 2;
    test::FakeDialUpService service;
    service.Params.UserName = "fan"; // no password stored: the details are asked for
    DialUpSession session(service);
    League league = u.target;
    OnlineUpdateDialog dialog(league, f.context, &session);
    dialog.show();

    test::ModalScript script;
    script.Then<ConnectionDetailsDialog>([](ConnectionDetailsDialog* details) {
        QCOMPARE(details->windowTitle(), QString("Connection Details"));
        auto* user = Child<QLineEdit>(details, "edUserName");
        auto* password = Child<QLineEdit>(details, "edPassword");
        QCOMPARE(user->text(), QString("fan"));
        QCOMPARE(password->echoMode(), QLineEdit::Password);
        QCOMPARE(password->maxLength(), 256);
        QTest::keyClicks(password, "secret");
        test::Screenshot(details, "ConnectionDetails");
        Child<QPushButton>(details, "btnOK")->click();
    });
    Child<QPushButton>(&dialog, "btnProceed")->click();
    QTRY_COMPARE_WITH_TIMEOUT(script.Pending(), 0, kWaitMs);
    QVERIFY(script.Problems().isEmpty());
    QCOMPARE(service.Calls, (std::vector<std::string>{"EnumConnections", "GetEntryDialParams Home",
                                                      "Dial Home fan secret"}));
    QCOMPARE(StatusText(&dialog), QString("Dialing Home"));
    QVERIFY(!Idle(&dialog));
    test::Screenshot(&dialog, "OnlineUpdateDialing");

    dialog.DialStateReported(1, 0);
    QCOMPARE(StatusText(&dialog), QString("Port Opened"));
    QCOMPARE(server.Connections(), std::size_t{0}); // not on line yet
    dialog.DialStateReported(kDialStateConnected, 0);
    QTRY_COMPARE_WITH_TIMEOUT(StatusText(&dialog), QString("Update Complete"), kWaitMs);
    QCOMPARE(PlayedGames(league), 2);

    // DiscOption 2: closing asks, naming the connection; Yes hangs up.
    f.prompter.Answers = {Prompter::Answer::Yes};
    Child<QPushButton>(&dialog, "btnClose")->click();
    QCOMPARE(f.prompter.Take(), QStringList{"yesno: Do you want to disconnect from Home?"});
    QCOMPARE(service.Calls.back(), std::string("HangUp 7"));
    QCOMPARE(session.Handle(), DialHandle{0});
}

void OnlineUpdateDialogTest::hangUpWindowOnLeaving() {
    UpdateFixture u;
    test::GuiFixture f(u.target);
    f.settings.ManualConnect = false;
    f.settings.ConnectName = "Home";
    test::FakeDialUpService service;
    service.Params = {0, "fan", "secret", true};
    DialUpSession session(service);

    // Cancel in Connection Details: nothing is dialled and the dialog is reset.
    {
        test::FakeDialUpService asking;
        DialUpSession askingSession(asking);
        OnlineUpdateDialog dialog(u.target, f.context, &askingSession);
        dialog.show();
        test::ModalScript script;
        script.Then<ConnectionDetailsDialog>([](ConnectionDetailsDialog* details) { details->reject(); });
        Child<QPushButton>(&dialog, "btnProceed")->click();
        QCOMPARE(script.Pending(), 0);
        QVERIFY(Idle(&dialog));
        QCOMPARE(asking.Calls, (std::vector<std::string>{"EnumConnections", "GetEntryDialParams Home"}));
    }

    // The window hangs up and closes by itself once the line has gone.
    session.Proceed(f.settings); // stored details: dialled at once
    QCOMPARE(session.Handle(), DialHandle{7});
    service.Calls.clear();
    service.ValidPolls = 3; // up when leaving, and for two polls after the hang-up
    test::ModalScript script;
    script.Then<HangUpWindow>([](HangUpWindow* window) {
        QCOMPARE(window->windowTitle(), QString("Gorlin "));
        QCOMPARE(Child<QLabel>(window, "lblDisconnecting")->text(),
                 QString("Disconnecting from the Internet"));
        test::Screenshot(window, "HangUpWindow");
        QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), kWaitMs);
        QCOMPARE(window->result(), int(QDialog::Accepted));
    });
    QVERIFY(HangUpOnLeaving(session));
    QCOMPARE(service.Calls, (std::vector<std::string>{"ConnectionValid 7", "HangUp 7", "ConnectionValid 7",
                                                      "ConnectionValid 7", "ConnectionValid 7"}));
    QVERIFY(!HangUpOnLeaving(session)); // nothing held any more: no window

    // Cancel closes it at once.
    session.Proceed(f.settings);
    service.ValidPolls = 1000;
    script.Then<HangUpWindow>([](HangUpWindow* window) { Child<QPushButton>(window, "btnCancel")->click(); });
    QVERIFY(HangUpOnLeaving(session));
    QCOMPARE(script.Pending(), 0);
    QVERIFY(script.Problems().isEmpty());
    QCOMPARE(f.prompter.Messages, QStringList());
}

QTEST_MAIN(OnlineUpdateDialogTest)
#include "OnlineUpdateDialogTest.moc"
