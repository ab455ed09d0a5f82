#include "core/app/Settings.h"

#include "core/app/IniFile.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>
#include <set>

using namespace gorlin;
using gorlin::test::ReadFile;
using gorlin::test::TempDir;

namespace {

IniFile FromText(std::string_view text) {
    IniFile ini;
    ini.SetText(text);
    return ini;
}

/// "[Section]Key" of every key line in the store.
std::set<std::string> KeysOf(const IniFile& ini) {
    std::set<std::string> keys;
    std::string section;
    for (const std::string& l : ini.Lines()) {
        if (!l.empty() && l.front() == '[')
            section = l;
        else if (const auto eq = l.find('='); eq != std::string::npos)
            keys.insert(section + l.substr(0, eq));
    }
    return keys;
}

} // namespace

TEST(IniFile, MissingFileIsAnEmptyStoreAndReadingNeverCreatesIt) {
    TempDir dir;
    IniFile ini((dir / "gorlin.ini").string());
    ASSERT_TRUE(ini.Load().Ok);
    EXPECT_TRUE(ini.Lines().empty());
    EXPECT_EQ(ini.ReadString("Options", "FilePath", "def"), "def");
    EXPECT_FALSE(std::filesystem::exists(dir / "gorlin.ini"));
}

TEST(IniFile, LookupByNameWithoutRegardToCaseFirstOccurrenceCounting) {
    IniFile ini = FromText("[Options]\nShowPoss=1\n; FormGames=5\n[Other]\nFormGames=7\nJunk line\n"
                           "[a]\nk=1\nk=2\n[A]\nk=3\n");
    EXPECT_EQ(ini.ReadInt("Options", "FormGames", 10), 10)
        << "commented out, and the other is another section's";
    EXPECT_EQ(ini.ReadString("Nowhere", "ShowPoss", "x"), "x");
    EXPECT_FALSE(ini.HasKey("Other", "Junk line"));
    EXPECT_TRUE(ini.ReadBool("OPTIONS", "showposs", false));
    EXPECT_EQ(ini.ReadInt("A", "K", 0), 1);
    ini.WriteInt("A", "K", 9);
    ini.WriteBool("options", "SHOWPOSS", false);
    // The one line is rewritten, keeping the file's spelling of section and key.
    EXPECT_EQ(ini.Text(), "[Options]\nShowPoss=0\n; FormGames=5\n[Other]\nFormGames=7\nJunk line\n"
                          "[a]\nk=9\nk=2\n[A]\nk=3\n");
}

TEST(IniFile, ValuesAreKeptAsTheyStandAndNeverAddLines) {
    IniFile ini = FromText("[Queries]\nQryQuery1 = A=1,\"B, C\";'x' \n");
    EXPECT_EQ(ini.ReadString("Queries", "QryQuery1", ""), "A=1,\"B, C\";'x'");
    ini.WriteString("Queries", "QryTitle1", "one\n[Options]\r\nShowPoss=1");
    EXPECT_EQ(ini.Lines().size(), 3u);
    EXPECT_FALSE(ini.HasKey("Options", "ShowPoss"));
}

TEST(IniFile, NumbersAndBooleans) {
    const IniFile ini = FromText("[S]\na=12\nb= -3 \nc=8x\nd=\ne=99999999999\ni=+4\nf=0\ng=2\nh=abc\n");
    for (auto [key, expected] : {std::pair{"a", 12}, {"b", -3}, {"c", 80}, {"d", 80}, {"e", 80}, {"i", 4}})
        EXPECT_EQ(ini.ReadInt("S", key, 80), expected) << key;
    EXPECT_FALSE(ini.ReadBool("S", "f", true));
    EXPECT_TRUE(ini.ReadBool("S", "g", false)); // any integer but 0
    EXPECT_TRUE(ini.ReadBool("S", "h", true));  // not a number: the default
    EXPECT_FALSE(ini.ReadBool("S", "h", false));
}

TEST(IniFile, WritesKeepEveryOtherLine) {
    IniFile ini =
        FromText("; Gorlin settings\r\n[Options]\r\nShowPoss=1\r\n  ; keep me\r\nFormGames=6\r\n\r\n"
                 "; about squads\r\n[Squads]\r\nPosition1=Keeper\r\n");
    ini.WriteInt("Options", "FormGames", 12);       // existing key: rewritten in place
    ini.WriteBool("Options", "TakeBackup", false);  // new key: after the section's last key
    ini.WriteString("HTML", "TableTag", "<TABLE>"); // new section: at the end
    ini.DeleteKey("Options", "ShowPoss");
    ini.DeleteKey("Options", "Missing");
    EXPECT_EQ(ini.Text(),
              "; Gorlin settings\r\n[Options]\r\n  ; keep me\r\nFormGames=12\r\nTakeBackup=0\r\n\r\n"
              "; about squads\r\n[Squads]\r\nPosition1=Keeper\r\n\r\n[HTML]\r\nTableTag=<TABLE>\r\n");
}

TEST(IniFile, SaveRoundTripsByteForByteAndCreatesTheFolder) {
    TempDir dir;
    const auto path = dir / "config" / "gorlin" / "gorlin.ini";
    IniFile ini(path.string());
    ASSERT_TRUE(ini.Load().Ok);
    ini.WriteString("Options", "FilePath", "/leagues/");
    ASSERT_TRUE(ini.Save().Ok);
    EXPECT_EQ(ReadFile(path), "[Options]\nFilePath=/leagues/\n");

    const std::string text = "\xEF\xBB\xBF; c\r\n[X]\r\nk = v ; not a comment\r\nlast";
    gorlin::test::WriteFile(path, text);
    IniFile again(path.string());
    ASSERT_TRUE(again.Load().Ok);
    EXPECT_EQ(again.ReadString("X", "k", ""), "v ; not a comment");
    ASSERT_TRUE(again.Save().Ok);
    EXPECT_EQ(ReadFile(path), text + "\r\n");
}

TEST(IniFile, SaveKeepsWhatOthersStoredMeanwhile) {
    TempDir dir;
    const auto path = dir / "gorlin.ini";
    gorlin::test::WriteFile(path, "[Options]\nShowHints=1\nShowPoss=1\n");
    IniFile window(path.string()); // read at start, written much later
    ASSERT_TRUE(window.Load().Ok);

    IniFile cli(path.string());
    ASSERT_TRUE(cli.Load().Ok);
    cli.WriteString("Queries", "QryCount", "1");
    ASSERT_TRUE(cli.Save().Ok);
    gorlin::test::WriteFile(path, ReadFile(path) + "AdminMode=1\n"); // by hand

    window.WriteString("Options", "FilePath", "/leagues/");
    window.DeleteKey("Options", "ShowPoss");
    ASSERT_TRUE(window.Save().Ok);
    EXPECT_EQ(ReadFile(path),
              "[Options]\nShowHints=1\nFilePath=/leagues/\n\n[Queries]\nQryCount=1\nAdminMode=1\n");
    EXPECT_EQ(window.ReadString("Queries", "QryCount", ""), "1"); // the store holds what it wrote

    // A file that can no longer be read is not replaced.
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    window.WriteString("Options", "FilePath", "/other/");
    EXPECT_FALSE(window.Save().Ok);
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST(IniFile, FailedSaveReportsAndKeepsTheOldFile) {
    TempDir dir;
    gorlin::test::WriteFile(dir / "file", "x");
    IniFile ini((dir / "file" / "gorlin.ini").string()); // parent is a file: cannot be created
    ini.WriteInt("A", "b", 1);
    const Status st = ini.Save();
    EXPECT_FALSE(st.Ok);
    EXPECT_FALSE(st.Message.empty());
    EXPECT_EQ(ReadFile(dir / "file"), "x");
}

TEST(Settings, StoredValuesWriteBackAsTheyStand) {
    IniFile stored(
        (gorlin::test::DataDir() / "settings" / "all-keys" / "gorlin.ini").string()); // none at its default
    ASSERT_TRUE(stored.Load());
    const Settings s = Settings::Read(stored, "/prog/");
    IniFile written;
    s.WriteSetup(written);
    s.WriteFilePath(written);
    s.WriteFormSize(written);
    s.WritePlayerCols(written);
    EXPECT_EQ(KeysOf(written).size(), 39u) << "all but the three the program never writes";
    for (const SettingEntry& e : ListSettings(stored, "/prog/")) {
        if (written.HasKey(e.Section, e.Key)) {
            EXPECT_EQ(written.ReadString(e.Section, e.Key, ""), stored.ReadString(e.Section, e.Key, "?"))
                << e.Key;
        }
    }
    EXPECT_EQ(Settings::Read(FromText("[Options]\nFormGames=0\n"), "").FormGames, 2) << "held to 2..30";
}

TEST(Settings, EachWriterWritesOnlyItsKeys) {
    const Settings s;
    const auto keysOf = [&s](void (Settings::*writer)(IniFile&) const) {
        IniFile ini;
        (s.*writer)(ini);
        return KeysOf(ini);
    };
    std::set<std::string> setup = {"[Colours]Colour1", "[Colours]Colour2", "[Colours]Colour3",
                                   "[Colours]Colour4", "[Colours]Colour5", "[HTML]TableTag",
                                   "[Squads]SquadSort"};
    for (const char* key : {"ShowPoss", "ShortTab", "ShowHints", "TakeBackup", "ShowStatus", "FormGames",
                            "RecycleOnDelete", "ShowSubFolders", "TableLong", "TableShort", "ManualConnect",
                            "DiscOption", "ConnectName", "UseProxy", "ProxyName", "ProxyPort"})
        setup.insert(std::string("[Options]") + key);
    for (int n = 1; n <= 9; ++n)
        setup.insert("[Squads]Position" + std::to_string(n));
    EXPECT_EQ(keysOf(&Settings::WriteSetup), setup);
    EXPECT_EQ(keysOf(&Settings::WriteFilePath), (std::set<std::string>{"[Options]FilePath"}));
    EXPECT_EQ(keysOf(&Settings::WriteFormSize),
              (std::set<std::string>{"[FormSize]ProcHeight", "[FormSize]ProcWidth", "[FormSize]ProcLeft",
                                     "[FormSize]ProcTop", "[Options]FontName"}));
    EXPECT_EQ(keysOf(&Settings::WritePlayerCols), (std::set<std::string>{"[Options]PlayerCols"}));
}
