#include "core/update/DialUp.h"

#include "core/app/Settings.h"
#include "support/FakeDialUp.h"

#include <gtest/gtest.h>

using namespace gorlin;
using gorlin::test::FakeDialUpService;

namespace {

/// The actions as "status: TEXT", "start", "ask: USER/PASSWORD", "reset".
std::vector<std::string> Texts(const DialUpActions& actions) {
    std::vector<std::string> out;
    for (const DialUpAction& a : actions) {
        switch (a.Type) {
        case DialUpAction::StatusText:
            out.push_back("status: " + a.Text);
            break;
        case DialUpAction::StartRetrieval:
            out.push_back("start");
            break;
        case DialUpAction::AskDetails:
            out.push_back("ask: " + a.UserName + "/" + a.Password);
            break;
        case DialUpAction::Reset:
            out.push_back("reset");
            break;
        }
    }
    return out;
}

Settings DialSettings(int discOption = 0) {
    Settings s;
    s.ManualConnect = false;
    s.ConnectName = "Home ISP";
    s.DiscOption = discOption;
    return s;
}

using Strings = std::vector<std::string>;

} // namespace

TEST(DialUp, ProceedGoesOnLineWithoutDiallingWhenItNeedNot) {
    FakeDialUpService absent;
    absent.IsPresent = false;
    DialUpSession noService(absent);
    EXPECT_EQ(Texts(noService.Proceed(DialSettings())),
              (Strings{"status: Connecting to Gorlin Server", "start"}));
    EXPECT_TRUE(absent.Calls.empty());

    FakeDialUpService service;
    DialUpSession session(service);
    Settings manual = DialSettings();
    manual.ManualConnect = true;
    EXPECT_EQ(Texts(session.Proceed(manual)), (Strings{"status: Connecting to Gorlin Server", "start"}));
    EXPECT_TRUE(service.Calls.empty());

    service.Active = {0, 1};
    EXPECT_EQ(Texts(session.Proceed(DialSettings())),
              (Strings{"status: Connecting to Gorlin Server", "start"}));
    EXPECT_EQ(service.Calls, Strings{"EnumConnections"});
    EXPECT_EQ(session.Handle(), 0u);
}

TEST(DialUp, DiallingWithStoredDetailsReachesTheRetrieval) {
    FakeDialUpService service;
    service.Active = {603, 0}; // the listing fails: its text, then dial
    service.Params = {0, "joe", "secret", true};
    DialUpSession session(service);
    EXPECT_EQ(Texts(session.Proceed(DialSettings())),
              (Strings{"status: Connecting to Gorlin Server", "status: dial error 603",
                       "status: Dialing Home ISP"}));
    EXPECT_EQ(service.Calls.back(), "Dial Home ISP joe secret");
    EXPECT_EQ(session.Handle(), 7u);

    const struct {
        int State;
        const char* Text;
    } states[] = {{0, "Opening Port"}, {22, ""}, {4099, "Password Expired"}, {24, "Connection state #24"}};
    for (const auto& s : states)
        EXPECT_EQ(Texts(session.DialState(s.State, 0)), Strings{"status: " + std::string(s.Text)}) << s.State;
    EXPECT_EQ(Texts(session.DialState(kDialStateConnected, 0)), (Strings{"status: Connected", "start"}));
    EXPECT_EQ(session.Handle(), 7u);
}

TEST(DialUp, DialFailuresHangUpAndReset) {
    // Failing at once: the number and its text, the handle it left hung up.
    FakeDialUpService failing;
    failing.Params = {0, "joe", "secret", true};
    failing.DialError = 633;
    DialUpSession atOnce(failing);
    EXPECT_EQ(Texts(atOnce.Proceed(DialSettings())),
              (Strings{"status: Connecting to Gorlin Server", "status: 633 dial error 633", "reset"}));
    EXPECT_EQ(failing.Calls.back(), "HangUp 7");
    EXPECT_EQ(atOnce.Handle(), 0u);

    // Dropped while dialling.
    FakeDialUpService dropped;
    dropped.Params = {0, "joe", "secret", true};
    DialUpSession session(dropped);
    session.Proceed(DialSettings());
    EXPECT_EQ(Texts(session.DialState(kDialStateDisconnected, 678)),
              (Strings{"status: Disconnected", "status: dial error 678", "reset"}));
    EXPECT_EQ(dropped.Calls.back(), "HangUp 7");
    EXPECT_EQ(Texts(session.Disconnect()), Strings{"reset"});
    EXPECT_EQ(dropped.Calls.back(), "HangUp 7"); // nothing held any more
}

TEST(DialUp, ConnectionDetailsAskedWithoutAStoredPassword) {
    FakeDialUpService service;
    service.Params = {0, "joe", "", false};
    DialUpSession session(service);
    EXPECT_EQ(Texts(session.Proceed(DialSettings())),
              (Strings{"status: Connecting to Gorlin Server", "ask: joe/"}));
    EXPECT_EQ(Texts(session.DetailsCancelled()), Strings{"reset"});
    EXPECT_EQ(service.Calls, (Strings{"EnumConnections", "GetEntryDialParams Home ISP"}));

    service.Params = {0, "joe", "stored", false}; // the password was not returned
    EXPECT_EQ(Texts(session.Proceed(DialSettings())).back(), "ask: joe/stored");
    EXPECT_EQ(Texts(session.DetailsGiven("ann", std::string(300, 'p'))), Strings{"status: Dialing Home ISP"});
    EXPECT_EQ(service.Calls.back(), "Dial Home ISP ann " + std::string(256, 'p'));
}

TEST(DialUp, ClosingTheDialogFollowsDiscOption) {
    for (const int option : {0, 1, 2}) {
        for (const bool yes : {false, true}) {
            FakeDialUpService service;
            service.Params = {0, "joe", "secret", true};
            DialUpSession session(service);
            EXPECT_EQ(session.DialogClosing(DialSettings(option)).Type, CloseStep::Nothing); // nothing held
            session.Proceed(DialSettings(option));
            const CloseStep step = session.DialogClosing(DialSettings(option));
            const bool hungUp = option == 1 || (option == 2 && yes);
            if (option == 2) {
                EXPECT_EQ(step.Type, CloseStep::Ask);
                EXPECT_EQ(step.Question, "Do you want to disconnect from Home ISP?");
                session.CloseAnswer(yes);
            } else {
                EXPECT_EQ(step.Type, option == 1 ? CloseStep::HungUp : CloseStep::Nothing);
            }
            EXPECT_EQ(service.Calls.back() == "HangUp 7", hungUp) << option << yes;
            EXPECT_EQ(session.Handle(), hungUp ? 0u : 7u) << option << yes;
        }
    }
}

TEST(DialUp, LeavingHangsUpAndPollsUntilTheConnectionHasGone) {
    FakeDialUpService service;
    service.Params = {0, "joe", "secret", true};
    DialUpSession session(service);
    EXPECT_FALSE(session.LeavingNeedsHangUp());

    // Gone already: forgotten, no window.
    session.Proceed(DialSettings());
    service.ValidPolls = 0;
    EXPECT_FALSE(session.LeavingNeedsHangUp());
    EXPECT_EQ(session.Handle(), 0u);

    session.Proceed(DialSettings());
    service.ValidPolls = 3;
    EXPECT_TRUE(session.LeavingNeedsHangUp());
    session.HangUpStarted();
    EXPECT_EQ(service.Calls.back(), "HangUp 7");
    EXPECT_FALSE(session.HangUpPoll());
    EXPECT_FALSE(session.HangUpPoll());
    EXPECT_TRUE(session.HangUpPoll());
    EXPECT_EQ(session.Handle(), 0u);

    // Cancel closes the window while the connection is still up.
    session.Proceed(DialSettings());
    service.ValidPolls = 100;
    EXPECT_TRUE(session.LeavingNeedsHangUp());
    session.HangUpStarted();
    EXPECT_FALSE(session.HangUpPoll());
    session.HangUpCancelled();
    EXPECT_EQ(session.Handle(), 7u);
}
