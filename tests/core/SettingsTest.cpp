#include "core/app/Settings.h"

#include "core/app/IniFile.h"
#include "support/TestPaths.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sstream>

using namespace gorlin;

namespace {

IniFile FromText(std::string_view text) {
    IniFile ini;
    ini.SetText(text);
    return ini;
}

std::string ReadAll(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

/// The (section, key) pairs whose line differs between two stores, compared through the
/// settings listing plus the raw key lines.
std::set<std::string> ChangedKeys(const IniFile& before, const IniFile& after) {
    std::set<std::string> changed;
    const auto collect = [](const IniFile& ini) {
        std::set<std::string> lines;
        std::string section;
        for (const std::string& l : ini.Lines()) {
            if (!l.empty() && l.front() == '[')
                section = l;
            else if (l.find('=') != std::string::npos)
                lines.insert(section + l);
        }
        return lines;
    };
    const auto a = collect(before);
    const auto b = collect(after);
    for (const auto& l : b)
        if (!a.count(l))
            changed.insert(l.substr(0, l.find('=')));
    for (const auto& l : a)
        if (!b.count(l))
            changed.insert(l.substr(0, l.find('=')));
    return changed;
}

} // namespace

TEST(IniFile, MissingFileIsAnEmptyStore) {
    test::TempDir dir;
    IniFile ini((dir / "gorlin.ini").string());
    ASSERT_TRUE(ini.Load().Ok);
    EXPECT_TRUE(ini.Lines().empty());
    EXPECT_EQ(ini.ReadString("Options", "FilePath", "def"), "def");
    EXPECT_EQ(ini.ReadInt("Options", "FormGames", 10), 10);
    EXPECT_TRUE(ini.ReadBool("Options", "ShowHints", true));
    EXPECT_FALSE(std::filesystem::exists(dir / "gorlin.ini")); // reading never creates it
}

TEST(IniFile, MissingKeyOrSectionGivesTheDefault) {
    const IniFile ini = FromText("[Options]\nShowPoss=1\n; FormGames=5\n[Other]\nFormGames=7\nJunk line\n");
    EXPECT_EQ(ini.ReadInt("Options", "FormGames", 10),
              10); // commented out, and the later one is another section's
    EXPECT_EQ(ini.ReadString("Nowhere", "ShowPoss", "x"), "x");
    EXPECT_FALSE(ini.HasKey("Options", "Junk line"));
    EXPECT_TRUE(ini.HasKey("Options", "ShowPoss"));
}

TEST(IniFile, NamesMatchWithoutRegardToCase) {
    IniFile ini = FromText("[options]\nSHOWPOSS=1\n");
    EXPECT_TRUE(ini.ReadBool("Options", "ShowPoss", false));
    ini.WriteBool("OPTIONS", "showposs", false);
    // The one line is rewritten, keeping the file's spelling of section and key.
    EXPECT_EQ(ini.Text(), "[options]\nSHOWPOSS=0\n");
}

TEST(IniFile, ValuesAreKeptAsTheyStand) {
    IniFile ini = FromText("[Queries]\nQryQuery1 = A=1,\"B, C\";'x' \n");
    EXPECT_EQ(ini.ReadString("Queries", "QryQuery1", ""), "A=1,\"B, C\";'x'");
    ini.WriteString("Queries", "QryQuery2", "\"quoted\",a=b,,");
    EXPECT_EQ(ini.ReadString("Queries", "QryQuery2", ""), "\"quoted\",a=b,,");
    // A value can never add lines of its own.
    ini.WriteString("Queries", "QryTitle1", "one\n[Options]\r\nShowPoss=1");
    EXPECT_EQ(ini.Lines().size(), 4u);
    EXPECT_FALSE(ini.HasKey("Options", "ShowPoss"));
}

TEST(IniFile, NumbersAndBooleans) {
    const IniFile ini = FromText("[S]\na=12\nb= -3 \nc=8x\nd=\ne=99999999999\nf=0\ng=2\nh=abc\ni=+4\n");
    EXPECT_EQ(ini.ReadInt("S", "a", 0), 12);
    EXPECT_EQ(ini.ReadInt("S", "b", 0), -3);
    EXPECT_EQ(ini.ReadInt("S", "c", 80), 80);
    EXPECT_EQ(ini.ReadInt("S", "d", 5), 5);
    EXPECT_EQ(ini.ReadInt("S", "e", 5), 5); // out of range
    EXPECT_EQ(ini.ReadInt("S", "i", 0), 4);
    EXPECT_FALSE(ini.ReadBool("S", "f", true));
    EXPECT_TRUE(ini.ReadBool("S", "g", false)); // any integer but 0
    EXPECT_TRUE(ini.ReadBool("S", "h", true));  // not a number: the default
    EXPECT_FALSE(ini.ReadBool("S", "h", false));
}

TEST(IniFile, WritesKeepEveryOtherLine) {
    const std::string original = "; Gorlin settings\r\n"
                                 "[Options]\r\n"
                                 "ShowPoss=1\r\n"
                                 "  ; keep me\r\n"
                                 "FormGames=6\r\n"
                                 "\r\n"
                                 "; about squads\r\n"
                                 "[Squads]\r\n"
                                 "Position1=Keeper\r\n";
    IniFile ini = FromText(original);
    ini.WriteInt("Options", "FormGames", 12);       // existing key: rewritten in place
    ini.WriteBool("Options", "TakeBackup", false);  // new key: after the section's last key
    ini.WriteString("HTML", "TableTag", "<TABLE>"); // new section: at the end
    EXPECT_EQ(ini.Text(), "; Gorlin settings\r\n"
                          "[Options]\r\n"
                          "ShowPoss=1\r\n"
                          "  ; keep me\r\n"
                          "FormGames=12\r\n"
                          "TakeBackup=0\r\n"
                          "\r\n"
                          "; about squads\r\n"
                          "[Squads]\r\n"
                          "Position1=Keeper\r\n"
                          "\r\n"
                          "[HTML]\r\n"
                          "TableTag=<TABLE>\r\n");
    ini.DeleteKey("Options", "ShowPoss");
    ini.DeleteKey("Options", "Missing");
    EXPECT_FALSE(ini.HasKey("Options", "ShowPoss"));
    EXPECT_EQ(ini.Lines().size(), 12u);
}

TEST(IniFile, FirstOccurrenceCounts) {
    IniFile ini = FromText("[A]\nk=1\nk=2\n[a]\nk=3\n");
    EXPECT_EQ(ini.ReadInt("A", "k", 0), 1);
    ini.WriteInt("a", "K", 9);
    EXPECT_EQ(ini.Text(), "[A]\nk=9\nk=2\n[a]\nk=3\n");
}

TEST(IniFile, SaveRoundTripsAndCreatesTheFolder) {
    test::TempDir dir;
    const auto path = dir / "config" / "gorlin" / "gorlin.ini";
    IniFile ini(path.string());
    ASSERT_TRUE(ini.Load().Ok);
    ini.WriteString("Options", "FilePath", "/leagues/");
    ASSERT_TRUE(ini.Save().Ok);
    EXPECT_EQ(ReadAll(path), "[Options]\nFilePath=/leagues/\n");
    EXPECT_FALSE(std::filesystem::exists(path.string() + ".new"));

    // Byte for byte, BOM and comments included.
    const std::string text = "\xEF\xBB\xBF; c\r\n[X]\r\nk = v ; not a comment\r\nlast";
    std::ofstream(path, std::ios::binary) << text;
    IniFile again(path.string());
    ASSERT_TRUE(again.Load().Ok);
    EXPECT_EQ(again.ReadString("X", "k", ""), "v ; not a comment");
    ASSERT_TRUE(again.Save().Ok);
    EXPECT_EQ(ReadAll(path), text + "\r\n");
}

TEST(IniFile, FailedSaveReportsAndKeepsTheOldFile) {
    test::TempDir dir;
    const auto blocker = dir / "file";
    std::ofstream(blocker) << "x";
    IniFile ini((blocker / "gorlin.ini").string()); // parent is a file: cannot be created
    ini.WriteInt("A", "b", 1);
    const Status st = ini.Save();
    EXPECT_FALSE(st.Ok);
    EXPECT_FALSE(st.Message.empty());
    EXPECT_EQ(ReadAll(blocker), "x");
}

TEST(Settings, EveryDefault) {
    const Settings s = Settings::Read(IniFile(), "/prog/");
    EXPECT_EQ(s.Colour1, 0x00FFFFu);
    EXPECT_EQ(s.Colour2, 0x00FF00u);
    EXPECT_EQ(s.Colour3, 0xFFFF00u);
    EXPECT_EQ(s.Colour4, 0x0000FFu);
    EXPECT_EQ(s.Colour5, 0xC0C0C0u);
    EXPECT_FALSE(s.ShowPoss);
    EXPECT_FALSE(s.ShortTab);
    EXPECT_TRUE(s.ShowHints);
    EXPECT_TRUE(s.TakeBackup);
    EXPECT_TRUE(s.ShowStatus);
    EXPECT_EQ(s.FilePath, "/prog/");
    EXPECT_EQ(s.FormGames, 10);
    EXPECT_EQ(s.FontName, "Arial");
    EXPECT_TRUE(s.RecycleOnDelete);
    EXPECT_TRUE(s.ShowSubFolders);
    EXPECT_TRUE(s.UseRas);
    EXPECT_FALSE(s.AdminMode);
    EXPECT_EQ(s.TableLong, "ABCDEFGHIJKLMSU");
    EXPECT_EQ(s.TableShort, "ABCNOPQRSU");
    EXPECT_EQ(s.PlayerCols, "ABCDEFGHI");
    EXPECT_TRUE(s.ManualConnect);
    EXPECT_EQ(s.DiscOption, 0);
    EXPECT_EQ(s.ConnectName, "");
    EXPECT_FALSE(s.UseProxy);
    EXPECT_EQ(s.ProxyName, "");
    EXPECT_EQ(s.ProxyPort, 80);
    EXPECT_FALSE(s.RootHost.empty());
    EXPECT_EQ(s.SquadSort, 1);
    const std::array<std::string, 10> positions = {
        "Not Specified", "Goal Keeper", "Defender", "Midfield", "Forward", "", "", "", "", ""};
    EXPECT_EQ(s.Positions, positions);
    EXPECT_EQ(s.ProcHeight, 0);
    EXPECT_EQ(s.ProcWidth, 0);
    EXPECT_EQ(s.ProcLeft, 0);
    EXPECT_EQ(s.ProcTop, 0);
    EXPECT_EQ(s.TableTag, "<TABLE BORDER>");
}

TEST(Settings, ReadsStoredValues) {
    const IniFile ini =
        FromText("[colours]\nColour4=255\nColour1=16777215\nColour2=-1\n"
                 "[Options]\nShowPoss=7\nTakeBackup=0\nFilePath=/data/leagues/\n"
                 "FormGames=25\nProxyPort=8x\nProxyName=proxy.example\nTableLong=ABV\n"
                 "RootHost=host/path/\nUseRas=0\nAdminMode=1\n"
                 "[Squads]\nposition5=Sweeper\nPosition1=\nPosition9=A name longer than twenty\n"
                 "[FormSize]\nProcLeft=-8\n[HTML]\nTableTag=<TABLE class=\"x\">\n");
    const Settings s = Settings::Read(ini, "/prog/");
    EXPECT_EQ(s.Colour4, 255u);
    EXPECT_EQ(s.Colour1, 0xFFFFFFu);
    EXPECT_EQ(s.Colour2, 0xFFFFFFu); // low 24 bits of a damaged value
    EXPECT_TRUE(s.ShowPoss);
    EXPECT_FALSE(s.TakeBackup);
    EXPECT_EQ(s.FilePath, "/data/leagues/");
    EXPECT_EQ(s.FormGames, 25);
    EXPECT_EQ(s.ProxyPort, 80);
    EXPECT_EQ(s.ProxyName, "proxy.example");
    EXPECT_EQ(s.TableLong, "ABV");
    EXPECT_EQ(s.RootHost, "host/path/");
    EXPECT_FALSE(s.UseRas);
    EXPECT_TRUE(s.AdminMode);
    EXPECT_EQ(s.Positions[5], "Sweeper");
    EXPECT_EQ(s.Positions[1], ""); // present but empty is not missing
    EXPECT_EQ(s.Positions[9], "A name longer than t");
    EXPECT_EQ(s.Positions[0], "Not Specified");
    EXPECT_EQ(s.ProcLeft, -8);
    EXPECT_EQ(s.TableTag, "<TABLE class=\"x\">");
}

TEST(Settings, ValuesTheProgramCannotUseReadAsDefaults) {
    const IniFile ini =
        FromText("[Options]\nFormGames=0\nDiscOption=3\nProxyPort=70000\n[Squads]\nSquadSort=5\n");
    const Settings s = Settings::Read(ini, "");
    EXPECT_EQ(s.FormGames, 2);
    EXPECT_EQ(s.DiscOption, 0);
    EXPECT_EQ(s.ProxyPort, 80);
    EXPECT_EQ(s.SquadSort, 1);
    EXPECT_EQ(Settings::Read(FromText("[Options]\nFormGames=99\n"), "").FormGames, 30);
}

TEST(Settings, EachWriterWritesOnlyItsKeys) {
    const std::string base = "; mine\n[Options]\nUseRas=0\nRootHost=x/\n[Queries]\nQryCount=1\n";
    Settings s;
    s.Colour1 = 0x123456;
    s.Positions[5] = "Sweeper";
    s.FilePath = "/l/";
    s.ProcWidth = 640;
    s.FontName = "Courier";
    s.PlayerCols = "ABC";

    const auto keysOf = [&](void (Settings::*writer)(IniFile&) const) {
        IniFile before = FromText(base);
        IniFile after = FromText(base);
        (s.*writer)(after);
        EXPECT_EQ(after.Lines().front(), "; mine");
        EXPECT_EQ(after.ReadString("Options", "UseRas", ""), "0");
        EXPECT_EQ(after.ReadString("Queries", "QryCount", ""), "1");
        return ChangedKeys(before, after);
    };

    const std::set<std::string> setup = {
        "[Colours]Colour1",        "[Colours]Colour2",     "[Colours]Colour3",    "[Colours]Colour4",
        "[Colours]Colour5",        "[Options]ShowPoss",    "[Options]ShortTab",   "[Options]ShowHints",
        "[Options]TakeBackup",     "[Options]ShowStatus",  "[Options]FormGames",  "[Options]RecycleOnDelete",
        "[Options]ShowSubFolders", "[Options]TableLong",   "[Options]TableShort", "[Options]ManualConnect",
        "[Options]DiscOption",     "[Options]ConnectName", "[Options]UseProxy",   "[Options]ProxyName",
        "[Options]ProxyPort",      "[Squads]SquadSort",    "[Squads]Position1",   "[Squads]Position2",
        "[Squads]Position3",       "[Squads]Position4",    "[Squads]Position5",   "[Squads]Position6",
        "[Squads]Position7",       "[Squads]Position8",    "[Squads]Position9",   "[HTML]TableTag"};
    EXPECT_EQ(keysOf(&Settings::WriteSetup), setup);
    EXPECT_EQ(keysOf(&Settings::WriteFilePath), (std::set<std::string>{"[Options]FilePath"}));
    EXPECT_EQ(keysOf(&Settings::WriteFormSize),
              (std::set<std::string>{"[FormSize]ProcHeight", "[FormSize]ProcWidth", "[FormSize]ProcLeft",
                                     "[FormSize]ProcTop", "[Options]FontName"}));
    EXPECT_EQ(keysOf(&Settings::WritePlayerCols), (std::set<std::string>{"[Options]PlayerCols"}));
}

TEST(Settings, WrittenValuesReadBackTheSame) {
    Settings s;
    s.Colour1 = 0xFF00FF;
    s.ShowPoss = true;
    s.TakeBackup = false;
    s.FormGames = 30;
    s.TableLong = "ABVCU";
    s.UseProxy = true;
    s.ProxyName = "proxy, \"quoted\" = yes";
    s.ProxyPort = 8080;
    s.SquadSort = 0;
    s.Positions[5] = "Sweeper";
    s.TableTag = "<TABLE WIDTH=\"100%\">";
    s.FilePath = "/l/";
    s.PlayerCols = "AC";
    IniFile ini;
    s.WriteSetup(ini);
    s.WriteFilePath(ini);
    s.WritePlayerCols(ini);
    EXPECT_EQ(ini.ReadString("Colours", "Colour1", ""), "16711935");
    EXPECT_EQ(ini.ReadString("Options", "ShowPoss", ""), "1");
    EXPECT_EQ(ini.ReadString("Squads", "Position5", ""), "Sweeper");
    const Settings back = Settings::Read(ini, "/other/");
    EXPECT_EQ(back.Colour1, s.Colour1);
    EXPECT_EQ(back.ShowPoss, s.ShowPoss);
    EXPECT_EQ(back.TakeBackup, s.TakeBackup);
    EXPECT_EQ(back.FormGames, s.FormGames);
    EXPECT_EQ(back.TableLong, s.TableLong);
    EXPECT_EQ(back.ProxyName, s.ProxyName);
    EXPECT_EQ(back.ProxyPort, s.ProxyPort);
    EXPECT_EQ(back.SquadSort, s.SquadSort);
    EXPECT_EQ(back.Positions, s.Positions);
    EXPECT_EQ(back.TableTag, s.TableTag);
    EXPECT_EQ(back.FilePath, "/l/");
    EXPECT_EQ(back.PlayerCols, "AC");
}

TEST(Settings, ListingHasEveryKeyInAFixedOrder) {
    const IniFile ini =
        FromText("[Options]\nProxyPort=8x\nShowPoss=3\n"
                 "[Queries]\nQryCount=2\nQryTab1=0\nQryTitle1=Scorers\nQryQuery1=a,b=c\nQryTitle2=T\n");
    const auto list = ListSettings(ini, "/prog/");
    ASSERT_EQ(list.size(), 5u + 22u + 10u + 4u + 1u + 5u);
    EXPECT_EQ(list.front().Section, "Colours");
    EXPECT_EQ(list.front().Key, "Colour1");
    EXPECT_EQ(list.front().Value, "65535");
    const auto find = [&](const std::string& key) {
        for (const auto& e : list)
            if (e.Key == key)
                return e.Section + "|" + e.Value;
        return std::string("missing");
    };
    EXPECT_EQ(find("ProxyPort"), "Options|80");
    EXPECT_EQ(find("ShowPoss"), "Options|1");
    EXPECT_EQ(find("FilePath"), "Options|/prog/");
    EXPECT_EQ(find("Position4"), "Squads|Forward");
    EXPECT_EQ(find("Position6"), "Squads|");
    EXPECT_EQ(find("TableTag"), "HTML|<TABLE BORDER>");
    EXPECT_EQ(find("QryQuery1"), "Queries|a,b=c");
    EXPECT_EQ(find("QryTitle2"), "Queries|T");
    EXPECT_EQ(find("QryTab2"), "missing");
    EXPECT_EQ(list.back().Key, "QryTitle2");
}
