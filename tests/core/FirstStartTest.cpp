#include "core/app/FirstStart.h"

#include "platform/os/ExampleLeagues.h"
#include "platform/os/SystemFolders.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

namespace gorlin {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

using test::ReadFile;
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
        {"nowhere known",
         [](FirstStartInputs& in) {
             in.UserDataHome.clear();
             in.ProgramFolder.clear();
         },
         nullptr},
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

TEST(FirstStart, AnyFilePathKeyNamesATableFolder) {
    IniFile ini;
    ini.SetText("[Colours]\nFilePath=/elsewhere/\n[OPTIONS]\nShowHints=1\n");
    EXPECT_FALSE(SettingsNameTableFolder(ini)); // only [Options] counts
    ini.SetText("[OPTIONS]\nfilepath=\n");
    EXPECT_TRUE(SettingsNameTableFolder(ini)); // names match without case; an empty value counts
}

TEST(FirstStart, FindsTheShippedFilesOfABuildAndOfAnInstall) {
    TempDir dir;
    const fs::path build = dir / "build";
    fs::create_directories(build / "share" / "gorlin" / "examples");
    EXPECT_EQ(FindProgramData(build.string()).Folder, (build / "share" / "gorlin").string() + "/");
    EXPECT_FALSE(FindProgramData(build.string()).Installed);

    const fs::path prefix = dir / "prefix";
    fs::create_directories(prefix / "bin");
    fs::create_directories(prefix / "share" / "gorlin" / "guide");
    const ProgramData installed = FindProgramData((prefix / "bin").string());
    EXPECT_EQ(installed.Folder, (prefix / "share" / "gorlin").string() + "/");
    EXPECT_TRUE(installed.Installed);

    // A file of that name is not the data folder.
    fs::create_directories(dir / "stray" / "bin");
    WriteFile(dir / "stray" / "share" / "gorlin", "not a folder");
    const ProgramData stray = FindProgramData((dir / "stray" / "bin").string());
    EXPECT_EQ(stray.Folder, "");
    EXPECT_FALSE(stray.Installed);
    EXPECT_EQ(FindProgramData("").Folder, "");
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

    // Nothing to copy from, or no room for the copies: the reason names the folder.
    const Status missing = CopyExampleLeagues(dir / "none", to);
    EXPECT_FALSE(missing.Ok);
    EXPECT_NE(missing.Message.find((dir / "none").string()), std::string::npos) << missing.Message;
    WriteFile(dir / "blocked", "a file where the folder should be");
    const Status blocked = CopyExampleLeagues(from, dir / "blocked" / "examples");
    EXPECT_FALSE(blocked.Ok);
    EXPECT_NE(blocked.Message.find("blocked"), std::string::npos) << blocked.Message;
}

} // namespace
} // namespace gorlin
