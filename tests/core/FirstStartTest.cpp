#include "core/app/FirstStart.h"

#include "platform/os/ExampleLeagues.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

namespace gorlin {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

TEST(FirstStart, PlansOnlyAFirstStartWithExamples) {
    FirstStartInputs first;
    first.SettingsRead = true;
    first.ExamplesFolder = "/usr/share/gorlin/examples";
    first.ProgramFolder = "/tmp/cfg";
    first.UserDataHome = "/home/u/.local/share";

    struct Case {
        const char* Name;
        void (*Change)(FirstStartInputs&);
        const char* To; // nullptr: no first start
    };
    const Case cases[] = {
        {"the data home, whatever the program folder", [](FirstStartInputs&) {},
         "/home/u/.local/share/gorlin/examples/"},
        {"no data home known", [](FirstStartInputs& in) { in.UserDataHome.clear(); }, "/tmp/cfg/examples/"},
        {"table folder named", [](FirstStartInputs& in) { in.HasFilePath = true; }, nullptr},
        {"table folder given for the run", [](FirstStartInputs& in) { in.TableFolderGiven = true; }, nullptr},
        {"damaged settings", [](FirstStartInputs& in) { in.SettingsRead = false; }, nullptr},
        {"no examples shipped", [](FirstStartInputs& in) { in.ExamplesFolder.clear(); }, nullptr},
    };
    for (const Case& c : cases) {
        FirstStartInputs in = first;
        c.Change(in);
        const auto plan = PlanFirstStart(in);
        ASSERT_EQ(plan.has_value(), c.To != nullptr) << c.Name;
        if (plan) {
            EXPECT_EQ(plan->From, "/usr/share/gorlin/examples/") << c.Name;
            EXPECT_EQ(plan->To, c.To) << c.Name;
        }
    }
}

TEST(FirstStart, CopiesTheLeaguesAndKeepsEarlierCopies) {
    TempDir dir;
    const fs::path from = dir / "examples";
    WriteFile(from / "PREMIER.DIV", "premier");
    WriteFile(from / "cup.div", "cup");
    WriteFile(from / "README.txt", "not a league");
    WriteFile(from / "sub" / "DEEP.DIV", "below a sub-folder");
    fs::create_directories(from / "FOLDER.DIV");
    fs::permissions(from / "cup.div", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const fs::path to = dir / "home" / "gorlin" / "examples";
    WriteFile(to / "PREMIER.DIV", "the user's own changes");

    ASSERT_TRUE(CopyExampleLeagues(from, to).Ok);
    EXPECT_EQ(ReadFile(to / "PREMIER.DIV"), "the user's own changes");
    EXPECT_EQ(ReadFile(to / "cup.div"), "cup");
    EXPECT_NE(fs::status(to / "cup.div").permissions() & fs::perms::owner_write, fs::perms::none);
    EXPECT_FALSE(fs::exists(to / "README.txt"));
    EXPECT_FALSE(fs::exists(to / "sub"));
    EXPECT_FALSE(fs::exists(to / "FOLDER.DIV"));

    // Nothing to copy from: the reason names the folder.
    const Status missing = CopyExampleLeagues(dir / "none", to);
    EXPECT_FALSE(missing.Ok);
    EXPECT_NE(missing.Message.find((dir / "none").string()), std::string::npos) << missing.Message;
}

} // namespace
} // namespace gorlin
