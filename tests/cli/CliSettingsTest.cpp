#include "core/app/ProgramFolderRule.h"
#include "support/TestPaths.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>
#include <sys/wait.h>
#include <vector>

using namespace gorlin;
using gorlin::test::TempDir;

namespace {

struct SettingsRun {
    int Exit = -1;
    std::string Out;
    std::string Err;
};

std::string SlurpText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

/// Runs gorlin-cli with the arguments (no blanks in them) from a folder of its own.
SettingsRun RunSettingsCli(const TempDir& work, const std::string& args) {
    const auto out = work / "stdout.txt";
    const auto err = work / "stderr.txt";
    const std::string command =
        gorlin::test::CliPath().string() + " " + args + " >" + out.string() + " 2>" + err.string();
    const int status = std::system(command.c_str());
    SettingsRun r;
    r.Exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.Out = SlurpText(out);
    r.Err = SlurpText(err);
    return r;
}

std::vector<std::vector<std::string>> Rows(const std::string& out) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> cells;
        std::size_t start = 0;
        for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
            cells.push_back(line.substr(start, tab - start));
        cells.push_back(line.substr(start));
        rows.push_back(cells);
    }
    return rows;
}

std::string ValueOf(const std::vector<std::vector<std::string>>& rows, const std::string& section,
                    const std::string& key) {
    for (const auto& r : rows)
        if (r.size() == 3 && r[0] == section && r[1] == key)
            return r[2];
    return "<missing>";
}

} // namespace

TEST(ProgramFolderRule, ChoosesInOrder) {
    ProgramFolderInputs in;
    in.ExeFolder = "/opt/gorlin";
    in.UserConfigHome = "/home/u/.config";
    EXPECT_EQ(ChooseProgramFolder(in), "/home/u/.config/gorlin/"); // installed read-only
    in.ExeFolderWritable = true;
    EXPECT_EQ(ChooseProgramFolder(in), "/opt/gorlin/"); // portable: writable
    in.ExeFolderWritable = false;
    in.ExeFolderHasIni = true;
    EXPECT_EQ(ChooseProgramFolder(in), "/opt/gorlin/"); // portable: holds gorlin.ini
    in.ConfigDir = "/tmp/cfg/";
    EXPECT_EQ(ChooseProgramFolder(in), "/tmp/cfg/"); // the explicit folder wins
    in.ConfigDir = "rel";
    EXPECT_EQ(ChooseProgramFolder(in), "rel/");
    // No config home known: the executable's folder after all.
    ProgramFolderInputs bare;
    bare.ExeFolder = "/opt/gorlin";
    EXPECT_EQ(ChooseProgramFolder(bare), "/opt/gorlin/");
    EXPECT_EQ(ChooseProgramFolder(ProgramFolderInputs{}), "./");
    EXPECT_EQ(WithTrailingSeparator("/"), "/");
}

TEST(CliSettings, DefaultsWithoutASettingsFile) {
    TempDir work;
    const auto config = work / "config";
    const SettingsRun r = RunSettingsCli(work, "--config-dir " + config.string() + " settings");
    ASSERT_EQ(r.Exit, 0) << r.Err;
    EXPECT_EQ(r.Err, "");
    const auto rows = Rows(r.Out);
    ASSERT_EQ(rows.size(), 43u);
    for (const auto& row : rows)
        EXPECT_EQ(row.size(), 3u);
    EXPECT_EQ(rows.front(), (std::vector<std::string>{"Colours", "Colour1", "65535"}));
    EXPECT_EQ(rows.back(), (std::vector<std::string>{"Queries", "QryCount", "0"}));
    EXPECT_EQ(ValueOf(rows, "Options", "FilePath"), config.string() + "/");
    EXPECT_EQ(ValueOf(rows, "Options", "TakeBackup"), "1");
    EXPECT_EQ(ValueOf(rows, "Options", "TableLong"), "ABCDEFGHIJKLMSU");
    EXPECT_EQ(ValueOf(rows, "Squads", "Position1"), "Goal Keeper");
    EXPECT_EQ(ValueOf(rows, "HTML", "TableTag"), "<TABLE BORDER>");
    EXPECT_FALSE(std::filesystem::exists(config)); // listing never writes
}

TEST(CliSettings, StoredValuesAsTheyStand) {
    TempDir work;
    std::ofstream(work / "gorlin.ini", std::ios::binary)
        << "; notes\r\n[OPTIONS]\r\nproxyport=8x\r\nProxyName=a,b=\"c\"\r\nFilePath=/leagues/\r\n"
           "[Squads]\r\nPosition5=Lib\xe9ro\r\n[Queries]\r\nQryCount=1\r\nQryTitle1=Top, scorers\r\n";
    const SettingsRun r = RunSettingsCli(work, "--config-dir=" + work.Path().string() + " settings");
    ASSERT_EQ(r.Exit, 0) << r.Err;
    const auto rows = Rows(r.Out);
    EXPECT_EQ(ValueOf(rows, "Options", "ProxyPort"), "80");
    EXPECT_EQ(ValueOf(rows, "Options", "ProxyName"), "a,b=\"c\"");
    EXPECT_EQ(ValueOf(rows, "Options", "FilePath"), "/leagues/");
    EXPECT_EQ(ValueOf(rows, "Squads", "Position5"), "Libéro");
    EXPECT_EQ(ValueOf(rows, "Queries", "QryCount"), "1");
    EXPECT_EQ(ValueOf(rows, "Queries", "QryTitle1"), "Top, scorers");
}

TEST(CliSettings, UsageAndFailures) {
    TempDir work;
    const SettingsRun extra = RunSettingsCli(work, "--config-dir " + work.Path().string() + " settings more");
    EXPECT_EQ(extra.Exit, 2);
    EXPECT_NE(extra.Err.find("Usage: gorlin-cli"), std::string::npos);
    const SettingsRun help = RunSettingsCli(work, "settings --help");
    EXPECT_EQ(help.Exit, 0);
    EXPECT_NE(help.Out.find("Section<TAB>Key<TAB>Value"), std::string::npos);
    // A settings file that is a folder cannot be read: a failure, not defaults.
    std::filesystem::create_directory(work / "bad");
    std::filesystem::create_directory(work / "bad" / "gorlin.ini");
    const SettingsRun bad = RunSettingsCli(work, "--config-dir " + (work / "bad").string() + " settings");
    EXPECT_EQ(bad.Exit, 1);
    EXPECT_NE(bad.Err.find("gorlin.ini"), std::string::npos);
    EXPECT_EQ(bad.Out, "");
}
