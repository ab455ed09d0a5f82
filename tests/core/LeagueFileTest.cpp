#include "core/model/LeagueFile.h"

#include "support/EngineCli.h"
#include "support/FileBytes.h"
#include "support/LeagueBuilder.h"
#include "support/TestPaths.h"

#include <algorithm>
#include <csignal>
#include <cstring>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <set>
#include <sys/resource.h>

using namespace gorlin;
using namespace gorlin::test;

namespace {

using Bytes = std::vector<std::uint8_t>;

/// A league using every section: 20 teams, 2 other teams, league and cup games (cup tie 14
/// unplayed, so the full layout), goals, players, a squad, a competition, selections, a referee
/// and a missed penalty.
League RichLeague(int selections = 2) {
    LeagueBuilder b;
    std::vector<std::string> names;
    for (int i = 1; i <= 20; ++i)
        names.push_back("Team " + std::to_string(i));
    b.Teams(names).OtherTeams({"Visitors", "Strangers"}).TimesToPlay(2).Comp("Cup", "CUP");
    for (int i = 1; i <= 10; ++i)
        b.Played(i, 21 - i, i % 4, (i + 1) % 3, 43000 + i);
    b.Fixture(1, 2, 43100, true, 2, 1);
    b.Fixture(3, 4, 0);
    b.CupGame(1, 21, 1, 1, 43050);
    b.CupGame(22, 2, 0, 3, 43051);
    for (int s = 1; s <= selections; ++s)
        b.Selection(s, "Sel " + std::to_string(s), {s, s + 1, 29});
    for (int i = 1; i <= 5; ++i)
        b.Player("Player " + std::to_string(i), i);
    b.Goal(1, 1, 1, 23, false, true);
    b.Goal(2, 2, 2, 88, true, false);
    b.Squad(1, 1, {SquadEntry{1, 1, 90, 1, 0, 0, 70}});
    b.Referee("Ref One");
    b.MissedPen(3, 3, 3, 44);
    League l = b.Build();
    l.Games[14].Played = 0;
    l.Games[1].Referee = 1;
    l.Squads[1].Entries[17] = SquadEntry{2, 60, 90, 0, 0, 1, 55};
    l.Teams[3].PointsAdjust = -6;
    return l;
}

Expected<League> RoundTrip(League& league) {
    return DecodeLeague(EncodeLeague(league));
}

std::filesystem::path EraFile(int version) {
    char name[16];
    std::snprintf(name, sizeof name, "eras/v%02d", version);
    return DataDir() / name;
}

nlohmann::json Dump(const std::filesystem::path& file) {
    const CliRun run = RunCli({"dump", file.string()});
    EXPECT_EQ(run.Exit, 0) << run.Err;
    nlohmann::json j = nlohmann::json::parse(run.Out, nullptr, false);
    j.erase("LoadedVersion");
    return j;
}

class LeagueFileEra : public ::testing::TestWithParam<int> {};
class LeagueFileGolden : public ::testing::TestWithParam<std::filesystem::path> {};

std::vector<std::filesystem::path> GoldenFiles() {
    std::vector<std::filesystem::path> files;
    for (int v : {6, 19, 20, 22, 23, 25, 29, 30, 31, 33, 34, 39, 40, 41, 42, 43, 44, 45, 46})
        files.push_back(EraFile(v));
    files.push_back(DataDir() / "damaged" / "links-cleared");
    files.push_back(DataDir() / "damaged" / "at-the-limits");
    return files;
}

} // namespace

// Golden files: tests/data/eras holds a small league written in the layout of each version
// (every field the era stores set, a 33-character team name before 44, an unnamed selection
// record between named ones, dated fixtures first and last), tests/data/damaged a league whose
// links that may be empty point past their arrays (cleared on loading) and one with every fixed
// array full; each beside its dump as loaded.
TEST_P(LeagueFileGolden, LoadsAsItsDumpShowsAndSavesWithoutConvertingTwice) {
    const std::filesystem::path file = GetParam().string() + ".DIV";
    const CliRun dump = RunCli({"dump", file.string()});
    ASSERT_EQ(dump.Exit, 0) << dump.Err;
    EXPECT_EQ(dump.Out, ReadFile(GetParam().string() + ".json"));

    auto loaded = LoadLeague(file);
    ASSERT_TRUE(loaded) << loaded.error().Message;
    EXPECT_FALSE(loaded->DataChanged);
    EXPECT_EQ(loaded->Teams[0].Name.view(), "Transferred-Out");
    TempDir dir;
    ASSERT_TRUE(SaveLeague(*loaded, dir / "AGAIN.DIV"));
    EXPECT_EQ(Dump(dir / "AGAIN.DIV"), Dump(file));
}

INSTANTIATE_TEST_SUITE_P(Files, LeagueFileGolden, ::testing::ValuesIn(GoldenFiles()), [](const auto& param) {
    std::string name = param.param.filename().string();
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
});

TEST_P(LeagueFileEra, EveryTruncationIsRefusedNamingWhereTheFileEnds) {
    const Bytes bytes = ReadBytes(EraFile(GetParam()).string() + ".DIV");
    ASSERT_TRUE(DecodeLeague(bytes));
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        auto r = DecodeLeague(Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n)));
        ASSERT_FALSE(r) << "prefix of " << n << " bytes";
        const std::string expected =
            n < 7 ? "This is not a league file." : "The league file is damaged: it ends inside the ";
        ASSERT_EQ(r.error().Message.substr(0, expected.size()), expected) << "prefix of " << n << " bytes";
    }
}

INSTANTIATE_TEST_SUITE_P(Versions, LeagueFileEra,
                         ::testing::Values(6, 19, 20, 22, 23, 25, 29, 30, 31, 33, 34, 39, 40, 41, 42, 43, 44,
                                           45, 46));

TEST(LeagueFileDamage, TruncationMessagesCountTheRecordsPresent) {
    League l = RichLeague();
    const Bytes bytes = EncodeLeague(l);
    auto games = DecodeLeague(Bytes(bytes.begin(), bytes.begin() + 131 + 22 * 34 + 76 * 3 + 10));
    ASSERT_FALSE(games);
    EXPECT_EQ(games.error().Message,
              "The league file is damaged: it ends inside the games (3 of 14 records present).");
}

// --- The current layouts -------------------------------------------------------------------

TEST(LeagueFileLayout, CompactOnlyWhenItHoldsTheLeague) {
    const auto teams = [](int n) {
        std::vector<std::string> names(static_cast<std::size_t>(n), "Club");
        return LeagueBuilder().Teams(names).TimesToPlay(2).Build();
    };
    EXPECT_EQ(ChooseSaveVersion(teams(29)), 45);
    EXPECT_EQ(ChooseSaveVersion(teams(30)), 46) << "30 teams do not fit a compact selection";
    struct Case {
        const char* What;
        void (*Change)(League&);
        int Version;
    };
    const Case cases[] = {
        {"every cup game played", [](League&) {}, 45},
        {"an unplayed league game", [](League& l) { l.Games[11].Played = 0; }, 45},
        {"an unplayed cup game", [](League& l) { l.Games[14].Played = 0; }, 46},
        {"no fixed schedule", [](League& l) { l.Head.TimesToPlay = 0; }, 46},
        {"an update address", [](League& l) { l.Head.UpdateAddress = "example.org/x"; }, 46},
        {"a sixth selection", [](League& l) { l.TeamSels[6].Name = "Sixth"; }, 46},
    };
    for (const Case& c : cases) {
        League l = RichLeague(5);
        l.Games[14].Played = 1;
        c.Change(l);
        EXPECT_EQ(ChooseSaveVersion(l), c.Version) << c.What;
    }
}

TEST(LeagueFileLayout, BothLayoutsComeBackByteForByte) {
    for (bool compact : {true, false}) {
        League l = RichLeague(5);
        l.Games[14].Played = compact ? 1 : 0;
        l.TeamSels[5].SetMember(32, !compact);
        l.Teams[1].Name.Data[25] = 'x'; // bytes past a text's length are kept as they stand
        l.Head.TableName.Data[29] = '#';
        const Bytes first = EncodeLeague(l);
        ASSERT_EQ(first[6], compact ? 45 : 46);
        EXPECT_EQ(first.size(), (compact ? 80 + 5 * 50 : 131 + 5 * 53) + 22 * 34 + 14 * 76 + 2 * 10 + 5 * 31 +
                                    147 + 36 + 21 + 6);
        auto loaded = DecodeLeague(first);
        ASSERT_TRUE(loaded) << loaded.error().Message;
        EXPECT_EQ(loaded->TeamSels[5].IsMember(32), !compact);
        EXPECT_EQ(EncodeLeague(*loaded), first) << "version " << int(first[6]);
    }
}

TEST(LeagueFileLayout, OnlyNamedSelectionsAreWrittenInSlotOrder) {
    League l = RichLeague(0);
    l.TeamSels[2].Name = "Second";
    l.TeamSels[7].Name = "Seventh";
    l.TeamSels[7].SetMember(4, true);
    auto loaded = RoundTrip(l);
    ASSERT_TRUE(loaded) << loaded.error().Message;
    EXPECT_EQ(l.Head.TeamSelCount, 2) << "recounted before writing";
    EXPECT_EQ(loaded->Head.TeamSelCount, 2);
    EXPECT_EQ(loaded->TeamSels[1].Name.view(), "Second");
    EXPECT_EQ(loaded->TeamSels[2].Name.view(), "Seventh");
    EXPECT_TRUE(loaded->TeamSels[2].IsMember(4));
    EXPECT_TRUE(loaded->TeamSels[3].Name.empty());
}

// --- Saving --------------------------------------------------------------------------------

TEST(LeagueFileSave, KeepsThePreviousContentsAsBackupAndRecordsTheVersionWritten) {
    TempDir dir;
    const auto path = dir / "LEAGUE.DIV";
    League l = RichLeague();
    l.DataChanged = true;
    ASSERT_TRUE(SaveLeague(l, path));
    EXPECT_FALSE(l.DataChanged);
    EXPECT_EQ(+l.LoadedVersion, 46);
    EXPECT_FALSE(std::filesystem::exists(dir / "LEAGUE.bak")) << "nothing to back up yet";
    const std::string before = ReadFile(path);

    auto loaded = LoadLeague(path);
    ASSERT_TRUE(loaded) << loaded.error().Message;
    loaded->Teams[1].Name = "Renamed";
    ASSERT_TRUE(SaveLeague(*loaded, path));
    EXPECT_EQ(ReadFile(dir / "LEAGUE.bak"), before);
    EXPECT_EQ(LoadLeague(path)->Teams[1].Name.view(), "Renamed");

    // Without backups the old backup stays as it was; a compact save keeps 46 in memory.
    loaded->Games[14].Played = 1;
    ASSERT_TRUE(SaveLeague(*loaded, path, SaveOptions{false}));
    EXPECT_EQ(ReadFile(dir / "LEAGUE.bak"), before);
    EXPECT_EQ(ReadFile(path)[6], 45);
    EXPECT_EQ(+loaded->LoadedVersion, 45);
    EXPECT_EQ(loaded->Head.Version, 46);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 2) << "no temporary file";
}

TEST(LeagueFileSave, BackupNameReplacesTheLastThreeCharacters) {
    EXPECT_EQ(BackupPath("/x/y/Cup.div"), std::filesystem::path("/x/y/Cup.bak"));
    EXPECT_EQ(BackupPath("rel/LEAGUE.DIV"), std::filesystem::path("rel/LEAGUE.bak"));
    EXPECT_EQ(BackupPath("/x/ab"), std::filesystem::path("/x/ab.bak")) << "a name too short keeps its folder";
}

TEST(LeagueFileSave, AFailedWriteLeavesFileAndBackupAsTheyWere) {
    TempDir dir;
    const auto path = dir / "LEAGUE.DIV";
    League l = RichLeague();
    ASSERT_TRUE(SaveLeague(l, path));
    l.Teams[1].Name = "Second";
    ASSERT_TRUE(SaveLeague(l, path));
    const std::string file = ReadFile(path);
    const std::string backup = ReadFile(BackupPath(path));
    l.Teams[1].Name = "Lost?";
    l.TeamSels[3].Name = "New";
    l.DataChanged = true;
    const auto entries = [&dir] {
        std::set<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dir.Path()))
            names.insert(e.path().filename().string());
        return names;
    };
    const std::set<std::string> both = {"LEAGUE.DIV", "LEAGUE.bak"};

    // The backup cannot be put in place (a folder holds its name): the league file stays too.
    std::filesystem::rename(BackupPath(path), dir / "kept.bak");
    std::filesystem::create_directory(BackupPath(path));
    Status st = SaveLeague(l, path);
    EXPECT_FALSE(st);
    EXPECT_NE(st.Message.find("LEAGUE.bak"), std::string::npos) << st.Message;
    EXPECT_TRUE(l.DataChanged);
    EXPECT_EQ(l.Head.TeamSelCount, 2) << "the league is unchanged";
    EXPECT_EQ(ReadFile(path), file);
    EXPECT_TRUE(std::filesystem::is_directory(BackupPath(path))) << "not ours to remove";
    std::filesystem::remove(BackupPath(path));
    std::filesystem::rename(dir / "kept.bak", BackupPath(path));
    EXPECT_EQ(entries(), both) << "no temporary file is left";

    // The disk fills up while writing (a file size limit stands in for a full disk): the
    // system's reason is reported.
    {
        auto old = std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit small = saved;
        small.rlim_cur = 1000;
        setrlimit(RLIMIT_FSIZE, &small);
        st = SaveLeague(l, path);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, old);
    }
    EXPECT_FALSE(st);
    EXPECT_NE(st.Message.find("File too large"), std::string::npos) << st.Message;
    EXPECT_TRUE(l.DataChanged);
    EXPECT_EQ(ReadFile(path), file);
    EXPECT_EQ(ReadFile(BackupPath(path)), backup);
    EXPECT_EQ(entries(), both);

    EXPECT_FALSE(SaveLeague(l, dir / "gone" / "LEAGUE.DIV")) << "the folder has vanished";
    EXPECT_TRUE(l.DataChanged);

    // A damaged signature in memory: nothing is touched.
    l.Head.Signature = "XXXXX";
    st = SaveLeague(l, path);
    EXPECT_EQ(st.Message, kInternalErrorText);
    EXPECT_EQ(ReadFile(path), file);
    EXPECT_EQ(ReadFile(BackupPath(path)), backup);
}

// --- The header check and loading ----------------------------------------------------------

TEST(LeagueFileHeaderCheck, Outcomes) {
    TempDir dir;
    League l = RichLeague();
    l.Head.TableName = "Premi\xE8re";
    ASSERT_TRUE(SaveLeague(l, dir / "OK.DIV"));
    const HeaderInfo ok = VerifyDivFile(dir / "OK.DIV");
    EXPECT_EQ(ok.Result, HeaderCheck::Ok);
    EXPECT_EQ(ok.Version, 46);
    EXPECT_EQ(ok.TableName, "Premi\xE8re");

    const std::string good = ReadFile(dir / "OK.DIV");
    const auto with = [&good](std::size_t at, char c) {
        std::string b = good;
        b[at] = c;
        return b;
    };
    League tiny = MakeEmptyLeague();
    tiny.Head.TableName = "Tiny";
    const Bytes old = EncodeAs(tiny, 19);
    ASSERT_EQ(old.size(), 64u);
    // Shorter than a full header is not listed, even a complete old file that would load.
    const std::pair<const char*, std::string> notCompatible[] = {
        {"V47.DIV", with(6, 47)},
        {"V5.DIV", with(6, 5)},
        {"FOREIGN.DIV", with(3, 'X')},
        {"SHORT.DIV", good.substr(0, 130)},
        {"EMPTY.DIV", ""},
        {"TINY.DIV", std::string(old.begin(), old.end())},
    };
    for (const auto& [name, bytes] : notCompatible) {
        WriteFile(dir / name, bytes);
        EXPECT_EQ(VerifyDivFile(dir / name).Result, HeaderCheck::NotCompatible) << name;
    }
    EXPECT_TRUE(LoadLeague(dir / "TINY.DIV"));
    EXPECT_EQ(VerifyDivFile(dir / "MISSING.DIV").Result, HeaderCheck::CouldNotOpen);
    std::filesystem::create_directory(dir / "FOLDER.DIV");
    EXPECT_EQ(VerifyDivFile(dir / "FOLDER.DIV").Result, HeaderCheck::CouldNotOpen);

    tiny.Teams.resize(4);
    tiny.Head.TeamCount = 3; // 64 + 3 * 36 bytes
    WriteFile(dir / "OLD3.DIV", EncodeAs(tiny, 19));
    const HeaderInfo t = VerifyDivFile(dir / "OLD3.DIV");
    EXPECT_EQ(t.Result, HeaderCheck::Ok);
    EXPECT_EQ(t.Version, 19);
    EXPECT_EQ(t.TableName, "Tiny");
}

TEST(LeagueFileLoad, UnopenableAndForeignFilesAreRefusedWithAMessage) {
    TempDir dir;
    auto missing = LoadLeague(dir / "NONE.DIV");
    ASSERT_FALSE(missing);
    EXPECT_NE(missing.error().Message.find("NONE.DIV"), std::string::npos);
    std::filesystem::create_directory(dir / "FOLDER.DIV");
    EXPECT_FALSE(LoadLeague(dir / "FOLDER.DIV"));

    League l = RichLeague();
    Bytes bytes = EncodeLeague(l);
    const Bytes cut(bytes.begin(), bytes.end() - 10);
    WriteFile(dir / "CUT.DIV", cut);
    auto fromDisk = LoadLeague(dir / "CUT.DIV");
    ASSERT_FALSE(fromDisk);
    EXPECT_EQ(fromDisk.error().Message, DecodeLeague(cut).error().Message) << "checked like bytes in memory";

    EXPECT_EQ(DecodeLeague(Bytes{'h', 'e', 'l', 'l', 'o', '!', '!', '!'}).error().Message,
              "This is not a league file.");
    bytes[6] = 47;
    EXPECT_NE(DecodeLeague(bytes).error().Message.find("version 47"), std::string::npos);
}

TEST(LeagueFileLoad, ScheduleOfOlderFilesIsDerivedFromTheGames) {
    struct Case {
        int Teams, Games, Stored, Version, Expected;
    };
    const Case cases[] = {
        {0, 0, 4, 19, 0},  {1, 0, 4, 44, 0}, {1, 0, 4, 46, 4},  // fewer than two teams: none, unless stored
        {4, 6, 0, 45, 1},  {4, 6, 3, 45, 3}, {4, 12, 3, 44, 2}, // a compact file keeps a stored one
        {2, 20, 0, 44, 8},                                      // never beyond the format's limit
    };
    for (const Case& c : cases) {
        LeagueBuilder b;
        b.Teams(std::vector<std::string>(static_cast<std::size_t>(c.Teams), "Club")).TimesToPlay(c.Stored);
        for (int g = 0; g < c.Games; ++g)
            b.Fixture(1 + g % 2, 2 - g % 2, 0);
        auto loaded = DecodeLeague(EncodeAs(b.Build(), c.Version));
        ASSERT_TRUE(loaded) << loaded.error().Message;
        EXPECT_EQ(loaded->Head.TimesToPlay, c.Expected) << c.Teams << " teams, version " << c.Version;
    }
}

TEST(LeagueFileLoad, NoScheduleWithSelectionsStartsWithTheFirstSelection) {
    for (auto [times, selections, expected] : {std::tuple{0, 2, 1}, {0, 0, 0}, {2, 2, 0}}) {
        League l = RichLeague(selections);
        l.Head.TimesToPlay = static_cast<u8>(times);
        EXPECT_EQ(RoundTrip(l)->CurrentSel, expected) << times << " times, " << selections << " selections";
    }
}

TEST(LeagueFileLoad, HalfLengthOutside10To45Becomes45) {
    for (auto [stored, expected] : {std::pair{9, 45}, {10, 10}, {45, 45}, {46, 45}, {0, 45}}) {
        League l = RichLeague();
        l.Head.HalfLength = static_cast<u8>(stored);
        EXPECT_EQ(RoundTrip(l)->Head.HalfLength, expected) << stored;
    }
}

// --- Damaged files -------------------------------------------------------------------------

TEST(LeagueFileDamage, CountsBeyondTheFixedArraysAreRefused) {
    struct Case {
        void (*Set)(DivHead&);
        const char* Message;
    };
    const Case cases[] = {
        {[](DivHead& h) { h.TeamCount = 33; }, "it declares 33 league teams, at most 32 are allowed"},
        {[](DivHead& h) { h.CompCount = 51; }, "it declares 51 competitions, at most 50 are allowed"},
        {[](DivHead& h) { h.RefereeCount = 251; }, "it declares 251 referees, at most 250 are allowed"},
        {[](DivHead& h) { h.MissedPenCount = 151; },
         "it declares 151 missed penalties, at most 150 are allowed"},
        {[](DivHead& h) { h.TeamSelCount = 9; }, "it declares 9 team selections, at most 8 are allowed"},
        {[](DivHead& h) { h.PlayerCount = 5801; }, "it declares 5801 players, at most 5800 are allowed"},
    };
    for (const Case& c : cases) {
        League l = RichLeague();
        Bytes bytes = EncodeLeague(l);
        DivHead h{};
        std::memcpy(static_cast<void*>(&h), bytes.data(), sizeof h);
        c.Set(h);
        std::memcpy(bytes.data(), &h, sizeof h);
        bytes.resize(bytes.size() + 400000); // enough bytes: the count itself is refused
        auto r = DecodeLeague(bytes);
        ASSERT_FALSE(r) << c.Message;
        EXPECT_EQ(r.error().Message, std::string("The league file is damaged: ") + c.Message + ".");
    }
    // An old header whose counts are huge is refused before anything is derived from them.
    League huge = MakeEmptyLeague();
    huge.Head.TeamCount = 65535;
    huge.Head.GameCount = 65535;
    ByteWriter w;
    PutHeader(w, huge.Head, 44);
    EXPECT_EQ(DecodeLeague(w.Bytes()).error().Message,
              "The league file is damaged: it declares 65535 league teams, at most 32 are allowed.");
}

TEST(LeagueFileDamage, LinksThatDefineARecordAreRefused) {
    struct Case {
        void (*Break)(League&);
        const char* Message;
    };
    const Case cases[] = {
        {[](League& l) { l.Games[2].HomeTeam = 23; }, "the game 2 refers to team 23, but there are only 22"},
        {[](League& l) { l.Games[14].AwayTeam = 200; },
         "the game 14 refers to team 200, but there are only 22"},
        {[](League& l) { l.Games[13].Comp = 2; },
         "the game 13 refers to competition 2, but there are only 1"},
        {[](League& l) { l.Goals[2].Game = 15; }, "the goal 2 refers to game 15, but there are only 14"},
        {[](League& l) { l.Goals[1].TeamFor = 23; }, "the goal 1 refers to team 23, but there are only 22"},
        {[](League& l) { l.Squads[1].Game = 999; }, "the squad 1 refers to game 999, but there are only 14"},
        {[](League& l) { l.Squads[1].Team = 23; }, "the squad 1 refers to team 23, but there are only 22"},
        {[](League& l) { l.MissedPens[1].Game = 15; },
         "the missed penalty 1 refers to game 15, but there are only 14"},
        {[](League& l) { l.MissedPens[1].Team = 99; },
         "the missed penalty 1 refers to team 99, but there are only 22"},
    };
    for (const Case& c : cases) {
        League l = RichLeague();
        c.Break(l);
        auto r = RoundTrip(l);
        ASSERT_FALSE(r) << c.Message;
        EXPECT_EQ(r.error().Message, std::string("The league file is damaged: ") + c.Message + ".");
    }
}
