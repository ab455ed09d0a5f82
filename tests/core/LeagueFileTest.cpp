#include "core/model/LeagueFile.h"

#include "support/EngineCli.h"
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
using Ints = std::vector<int>;

/// A league using every section: 20 teams, 2 other teams, league and cup games (cup tie 14
/// unplayed, so the full layout), goals, players, a squad, a competition, selections, a referee
/// and a missed penalty.
GameRec& LastCupGame(League& l) {
    return l.Games[static_cast<std::size_t>(l.AllGameCount())];
}

/// `scheduled`: every other pairing an undated fixture, so the league holds the 380 games its
/// two meetings make (the compact layout needs that).
League RichLeague(int selections = 2, bool scheduled = false) {
    LeagueBuilder b;
    std::vector<std::string> names;
    for (int i = 1; i <= 20; ++i)
        names.push_back("Team " + std::to_string(i));
    b.Teams(names).OtherTeams({"Visitors", "Strangers"}).TimesToPlay(2).Comp("Cup", "CUP");
    for (int i = 1; i <= 10; ++i)
        b.Played(i, 21 - i, i % 4, (i + 1) % 3, 43000 + i);
    b.Fixture(1, 2, 43100, true, 2, 1);
    b.Fixture(3, 4, 0);
    for (int home = 1; scheduled && home <= 20; ++home)
        for (int away = 1; away <= 20; ++away)
            if (home != away && !(home <= 10 && away == 21 - home) && !(home == 1 && away == 2) &&
                !(home == 3 && away == 4))
                b.Fixture(home, away, 0);
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
    LastCupGame(l).Played = 0;
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
    for (const char* schedule :
         {"0-teams-v19", "1-team-v44", "1-team-v46", "unstored-v45", "12-games-v44", "20-games-v44"})
        files.push_back(DataDir() / "eras" / ("schedule-" + std::string(schedule)));
    files.push_back(DataDir() / "eras" / "v19-fixture-first");
    files.push_back(DataDir() / "damaged" / "links-cleared");
    files.push_back(DataDir() / "damaged" / "at-the-limits");
    return files;
}

} // namespace

// Golden files (tests/data/README.md): a league in the layout of each version, leagues whose
// schedule older versions derive, damaged links that are cleared, every fixed array full; each
// beside its dump as loaded.
TEST_P(LeagueFileGolden, LoadsAsItsDumpShowsAndSavesWithoutConvertingTwice) {
    const std::filesystem::path file = GetParam().string() + ".DIV";
    const CliRun dump = RunCli({"dump", file.string()});
    ASSERT_EQ(dump.Exit, 0) << dump.Err;
    EXPECT_EQ(dump.Out, ReadFile(GetParam().string() + ".json"));

    auto loaded = LoadLeague(file);
    ASSERT_TRUE(loaded) << loaded.error().Message;
    EXPECT_FALSE(loaded->DataChanged);
    EXPECT_EQ(loaded->Teams[0].Name.view(), "Transferred-Out");
    EXPECT_EQ(loaded->Comps[0].Name.view(), "League Game");
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
        LeagueBuilder b;
        b.Teams(std::vector<std::string>(static_cast<std::size_t>(n), "Club")).TimesToPlay(1);
        for (int home = 1; home <= n; ++home)
            for (int away = home + 1; away <= n; ++away)
                b.Fixture(home, away, 0);
        return b.Build();
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
        {"an unplayed cup game", [](League& l) { LastCupGame(l).Played = 0; }, 46},
        {"a schedule its games do not make", [](League& l) { l.Head.TimesToPlay = 3; }, 46},
        {"no fixed schedule", [](League& l) { l.Head.TimesToPlay = 0; }, 46},
        {"an update address", [](League& l) { l.Head.UpdateAddress = "example.org/x"; }, 46},
        {"a sixth selection", [](League& l) { l.TeamSels[6].Name = "Sixth"; }, 46}};
    for (const Case& c : cases) {
        League l = RichLeague(5, true);
        LastCupGame(l).Played = 1;
        c.Change(l);
        EXPECT_EQ(ChooseSaveVersion(l), c.Version) << c.What;
    }
}

TEST(LeagueFileLayout, OnlyNamedSelectionsAreWrittenAndTheFileComesBackByteForByte) {
    League l = RichLeague(0);
    l.TeamSels[2].Name = "Second";
    l.TeamSels[7].Name = "Seventh";
    l.TeamSels[7].SetMember(32, true);
    l.Teams[1].Name.Data[25] = 'x'; // bytes past a text's length are kept as they stand
    const Bytes bytes = EncodeLeague(l);
    EXPECT_EQ(l.Head.TeamSelCount, 2) << "recounted before writing";
    auto loaded = DecodeLeague(bytes);
    ASSERT_TRUE(loaded) << loaded.error().Message;
    EXPECT_EQ(loaded->TeamSels[1].Name.view(), "Second");
    EXPECT_EQ(loaded->TeamSels[2].Name.view(), "Seventh");
    EXPECT_TRUE(loaded->TeamSels[2].IsMember(32) && loaded->TeamSels[3].Name.empty());
    EXPECT_EQ(EncodeLeague(*loaded), bytes);
}

// --- Saving --------------------------------------------------------------------------------

TEST(LeagueFileSave, KeepsThePreviousContentsAsBackupAndRecordsTheVersionWritten) {
    TempDir dir;
    const auto path = dir / "LEAGUE.DIV";
    League l = RichLeague(2, true);
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
    LastCupGame(*loaded).Played = 1;
    ASSERT_TRUE(SaveLeague(*loaded, path, SaveOptions{false}));
    EXPECT_EQ(ReadFile(dir / "LEAGUE.bak"), before);
    EXPECT_EQ((Ints{ReadFile(path)[6], loaded->LoadedVersion, loaded->Head.Version}), (Ints{45, 45, 46}));
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
    ASSERT_TRUE(SaveLeague(l, path));
    const std::string file = ReadFile(path);
    const std::string backup = ReadFile(BackupPath(path));
    l.Teams[1].Name = "Lost?";
    l.TeamSels[3].Name = "New";
    l.DataChanged = true;
    const auto unchanged = [&](const Status& st, const std::string& reason) {
        EXPECT_FALSE(st);
        EXPECT_NE(st.Message.find(reason), std::string::npos) << st.Message;
        EXPECT_TRUE(l.DataChanged);
        EXPECT_EQ(l.Head.TeamSelCount, 2) << "the league is unchanged";
        EXPECT_EQ(ReadFile(path), file);
        EXPECT_EQ(ReadFile(BackupPath(path)), backup);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 2)
            << "no temporary file";
    };
    // The backup cannot be put in place (a folder holds its name): the league file stays too.
    std::filesystem::rename(BackupPath(path), dir / "kept");
    std::filesystem::create_directory(BackupPath(path));
    const Status blocked = SaveLeague(l, path);
    std::filesystem::remove(BackupPath(path));
    std::filesystem::rename(dir / "kept", BackupPath(path));
    unchanged(blocked, "LEAGUE.bak");
    // The disk fills up while writing (a file size limit stands in for a full disk): the
    // system's reason is reported.
    auto old = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 1000;
    setrlimit(RLIMIT_FSIZE, &small);
    const Status full = SaveLeague(l, path);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, old);
    unchanged(full, "File too large");
    unchanged(SaveLeague(l, dir / "gone" / "LEAGUE.DIV"), "gone"); // the folder has vanished
    l.Head.Signature = "XXXXX"; // a damaged signature in memory: nothing is touched
    unchanged(SaveLeague(l, path), kInternalErrorText);
}

TEST(LeagueFileHeaderCheck, OutcomesOfEveryKindOfFile) {
    // tests/data/headers holds a file of each kind (a full header is needed: a complete old file
    // of 64 bytes is not listed although it loads), check.txt how the check sees each of them.
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(DataDir() / "headers");
    std::vector<std::string> args = {"check"};
    for (const std::string& line : Lines(ReadFile("check.txt")))
        args.push_back(line.substr(0, line.find('\t')));
    const CliRun run = RunCli(args);
    std::filesystem::current_path(previous);
    EXPECT_EQ(run.Out, ReadFile(DataDir() / "headers" / "check.txt"));
    EXPECT_EQ(run.Exit, 1);
    EXPECT_TRUE(LoadLeague(DataDir() / "headers" / "TINY.DIV"));
}

TEST(LeagueFileLoad, UnopenableAndForeignFilesAreRefusedWithAMessage) {
    TempDir dir;
    EXPECT_NE(LoadLeague(dir / "NONE.DIV").error().Message.find("NONE.DIV"), std::string::npos);
    std::filesystem::create_directory(dir / "FOLDER.DIV");
    EXPECT_FALSE(LoadLeague(dir / "FOLDER.DIV"));
    League l = RichLeague();
    Bytes bytes = EncodeLeague(l);
    const Bytes cut(bytes.begin(), bytes.end() - 10);
    WriteFile(dir / "CUT.DIV", cut);
    EXPECT_EQ(LoadLeague(dir / "CUT.DIV").error().Message, DecodeLeague(cut).error().Message);
    bytes[6] = 47;
    EXPECT_NE(DecodeLeague(bytes).error().Message.find("version 47"), std::string::npos);
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

TEST(LeagueFileDamage, CountsBeyondTheArraysAndLinksThatDefineARecordAreRefused) {
    // tests/data/damaged/refused-*.DIV, each beside the reason it is refused with.
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(DataDir() / "damaged")) {
        if (entry.path().extension() != ".txt")
            continue;
        ++files;
        auto loaded = LoadLeague(std::filesystem::path(entry.path()).replace_extension(".DIV"));
        ASSERT_FALSE(loaded) << entry.path();
        EXPECT_EQ(loaded.error().Message + "\n", ReadFile(entry.path())) << entry.path();
    }
    EXPECT_EQ(files, 16);
}
