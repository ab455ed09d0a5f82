#include "core/model/LeagueFile.h"

#include "support/FileBytes.h"
#include "support/LeagueBuilder.h"
#include "support/TestPaths.h"

#include <cmath>
#include <csignal>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <sys/resource.h>

using namespace gorlin;
using gorlin::test::ByteWriter;
using gorlin::test::EncodeAs;
using gorlin::test::LeagueBuilder;
using gorlin::test::TempDir;

namespace {

using Bytes = std::vector<std::uint8_t>;

std::size_t Z(int i) {
    return static_cast<std::size_t>(i);
}

Bytes ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

/// A league using every section: 20 teams, 2 other teams, league and cup games, goals, players,
/// squads, a competition, selections, referees and missed penalties.
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
    League l = b.Build();
    l.Games[14].Played = 0; // an unplayed cup tie: the full layout unless a test plays it
    l.Teams[3].PointsAdjust = -6;
    l.Teams[4].Increment = 7;
    for (int i = 1; i <= 5; ++i) {
        const auto idx = Z(++l.Head.PlayerCount);
        GrowTo(l.Players, idx);
        PlayerRec& p = l.Players[idx];
        p.Name = "Player " + std::to_string(i);
        p.Team = static_cast<u8>(i);
        p.Position = 2;
        p.SquadNo = static_cast<u8>(i + 10);
        p.BirthDate = 29221;
        p.Foreign = 2;
        p.Cost = 1000000u * static_cast<u32>(i);
    }
    AddGoal(l, 1, 1, 1, 23, false, true);
    AddGoal(l, 2, 2, 2, 88, true, false);
    const auto s = Z(++l.Head.SquadCount);
    GrowTo(l.Squads, s);
    l.Squads[s].Game = 1;
    l.Squads[s].Team = 1;
    l.Squads[s].Entries[0] = SquadEntry{1, 1, 90, 1, 0, 0, 70};
    l.Squads[s].Entries[17] = SquadEntry{2, 60, 90, 0, 0, 1, 55};
    l.Games[1].HomeSquad = static_cast<u16>(s);
    l.Games[1].Referee = 1;
    l.Games[1].Comment = "Snow";
    l.Games[2].Awarded = 2;
    l.Games[1].Attendance = 12345;
    l.Head.RefereeCount = 1;
    l.Referees[1].Name = "Ref One";
    l.Head.MissedPenCount = 1;
    l.MissedPens[1] = MissedPenRec{3, 3, 3, 44};
    l.Head.HalfLength = 40;
    l.Head.VersionId = 1234;
    l.Head.OwnTeam = 5;
    UpdateGameEx(l, 0);
    return l;
}

Expected<League> RoundTrip(League& league) {
    return DecodeLeague(EncodeLeague(league));
}

} // namespace

// --- The current layouts -------------------------------------------------------------------

TEST(LeagueFileRoundTrip, CompactLeagueIsWrittenAsVersion45AndReadBackWhole) {
    League l = RichLeague();
    l.Games[13].Played = 1; // every other game played
    l.Games[14].Played = 1;
    ASSERT_EQ(ChooseSaveVersion(l), 45);
    const Bytes bytes = EncodeLeague(l);
    EXPECT_EQ(bytes[6], 45);
    const std::size_t expected =
        80 + 22 * 34 + 14 * 76 + 2 * 10 + 5 * 31 + 1 * 147 + 1 * 36 + 2 * 50 + 21 + 6;
    EXPECT_EQ(bytes.size(), expected);

    auto loaded = DecodeLeague(bytes);
    ASSERT_TRUE(loaded) << loaded.error().Message;
    const League& r = *loaded;
    EXPECT_EQ(+r.LoadedVersion, 45);
    EXPECT_EQ(r.Head.Version, 46);
    EXPECT_EQ(r.Head.TimesToPlay, 2) << "a compact file keeps its stored schedule";
    EXPECT_EQ(+r.Head.VersionId, 1234);
    EXPECT_EQ(r.Head.HalfLength, 40);
    EXPECT_EQ(r.Head.OwnTeam, 5);
    EXPECT_EQ(+r.Teams[3].PointsAdjust, -6);
    EXPECT_EQ(r.Teams[4].Increment, 7);
    EXPECT_EQ(r.Teams[0].Name.view(), "Transferred-Out");
    EXPECT_EQ(r.Comps[0].ShortName.view(), "LGE");
    EXPECT_EQ(r.Games[1].Comment.view(), "Snow");
    EXPECT_EQ(r.Games[2].Outcome, 2) << "awarded to the away team";
    EXPECT_EQ(+r.Players[5].Cost, 5000000u);
    EXPECT_EQ(r.Squads[1].Entries[17].Rating, 55);
    EXPECT_EQ(r.TeamSels[2].Name.view(), "Sel 2");
    EXPECT_TRUE(r.TeamSels[2].IsMember(29));
    EXPECT_EQ(+r.MissedPens[1].Minute, 44);
    EXPECT_FALSE(r.DataChanged);
    EXPECT_EQ(r.Games.size(), Z(14 + 33));
    EXPECT_EQ(r.Goals.size(), Z(2 + 32));
    EXPECT_EQ(r.Players.size(), Z(5 + 33));
    EXPECT_EQ(r.Squads.size(), Z(1 + 32));
    EXPECT_EQ(r.Teams.size(), Z(22 + 1));
}

TEST(LeagueFileRoundTrip, FilesOfVersion45And46ComeBackByteForByte) {
    for (bool compact : {true, false}) {
        League l = RichLeague();
        l.Games[13].Played = compact ? 1 : 0;
        l.Games[14].Played = 1;
        // Bytes past a text's length are kept as they stand.
        l.Teams[1].Name.Data[25] = 'x';
        l.Head.TableName.Data[29] = '#';
        const Bytes first = EncodeLeague(l);
        ASSERT_EQ(first[6], compact ? 45 : 46);
        auto loaded = DecodeLeague(first);
        ASSERT_TRUE(loaded) << loaded.error().Message;
        EXPECT_EQ(EncodeLeague(*loaded), first) << "version " << int(first[6]);
    }
}

TEST(LeagueFileRoundTrip, FullLayoutWhenTheCompactOneCannotHoldTheLeague) {
    League base = RichLeague();
    base.Games[13].Played = 1;
    base.Games[14].Played = 1;
    ASSERT_EQ(ChooseSaveVersion(base), 45);

    League noSchedule = base;
    noSchedule.Head.TimesToPlay = 0;
    EXPECT_EQ(ChooseSaveVersion(noSchedule), 46);
    League address = base;
    address.Head.UpdateAddress = "example.org/x";
    EXPECT_EQ(ChooseSaveVersion(address), 46);
    League unplayedCup = base;
    unplayedCup.Games[14].Played = 0;
    EXPECT_EQ(ChooseSaveVersion(unplayedCup), 46);
    League unplayedLeague = base;
    unplayedLeague.Games[11].Played = 0; // league fixtures do not matter
    EXPECT_EQ(ChooseSaveVersion(unplayedLeague), 45);

    // 30 teams do not fit the 29 members of a compact selection.
    League big = base;
    for (int i = 0; i < 10; ++i) {
        TeamRec t{};
        t.Name = "Extra";
        big.Teams.insert(big.Teams.begin() + big.Head.TeamCount + 1, t);
        ++big.Head.TeamCount;
    }
    EXPECT_EQ(ChooseSaveVersion(big), 46);
    big.Teams.resize(big.Teams.size() - 1);
    big.Teams.erase(big.Teams.begin() + 21);
    --big.Head.TeamCount;
    EXPECT_EQ(+big.Head.TeamCount, 29);
    EXPECT_EQ(ChooseSaveVersion(big), 45);
}

TEST(LeagueFileRoundTrip, ASixthSelectionSwitchesToTheFullLayout) {
    League l = RichLeague(5);
    l.Games[13].Played = 1;
    l.Games[14].Played = 1;
    Bytes bytes = EncodeLeague(l);
    EXPECT_EQ(bytes[6], 45);
    EXPECT_EQ(l.Head.TeamSelCount, 5);

    l.TeamSels[6].Name = "Sixth";
    l.TeamSels[6].SetMember(32, true);
    bytes = EncodeLeague(l);
    EXPECT_EQ(bytes[6], 46);
    EXPECT_EQ(l.Head.TeamSelCount, 6) << "recounted before writing";
    EXPECT_EQ(bytes.size(), 131 + 22 * 34 + 14 * 76 + 2 * 10 + 5 * 31 + 147 + 36 + 6 * 53 + 21 + 6);
    auto loaded = DecodeLeague(bytes);
    ASSERT_TRUE(loaded) << loaded.error().Message;
    EXPECT_EQ(loaded->Head.TeamSelCount, 6);
    EXPECT_TRUE(loaded->TeamSels[6].IsMember(32));
}

TEST(LeagueFileRoundTrip, UnnamedSlotsAreNotWrittenAndNamedOnesMoveUp) {
    League l = RichLeague(0);
    l.TeamSels[2].Name = "Second";
    l.TeamSels[7].Name = "Seventh";
    auto loaded = RoundTrip(l);
    ASSERT_TRUE(loaded) << loaded.error().Message;
    EXPECT_EQ(loaded->Head.TeamSelCount, 2);
    EXPECT_EQ(loaded->TeamSels[1].Name.view(), "Second");
    EXPECT_EQ(loaded->TeamSels[2].Name.view(), "Seventh");
    EXPECT_TRUE(loaded->TeamSels[3].Name.empty());
}

// --- Saving --------------------------------------------------------------------------------

TEST(LeagueFileSave, SavesLoadsAndKeepsThePreviousContentsAsBackup) {
    TempDir dir;
    const auto path = dir / "LEAGUE.DIV";
    EXPECT_EQ(BackupPath(path), dir / "LEAGUE.bak");

    League l = RichLeague();
    l.DataChanged = true;
    ASSERT_TRUE(SaveLeague(l, path));
    EXPECT_FALSE(l.DataChanged);
    EXPECT_EQ(+l.LoadedVersion, 46);
    EXPECT_FALSE(std::filesystem::exists(dir / "LEAGUE.bak")) << "nothing to back up yet";
    const Bytes before = ReadFile(path);

    auto loaded = LoadLeague(path);
    ASSERT_TRUE(loaded) << loaded.error().Message;
    loaded->Teams[1].Name = "Renamed";
    loaded->DataChanged = true;
    ASSERT_TRUE(SaveLeague(*loaded, path));
    EXPECT_EQ(ReadFile(dir / "LEAGUE.bak"), before);
    EXPECT_EQ(LoadLeague(path)->Teams[1].Name.view(), "Renamed");

    // Without backups the old backup stays as it was.
    loaded->Teams[1].Name = "Again";
    ASSERT_TRUE(SaveLeague(*loaded, path, SaveOptions{false}));
    EXPECT_EQ(ReadFile(dir / "LEAGUE.bak"), before);
    EXPECT_FALSE(std::filesystem::exists(dir / "LEAGUE.DIV.tmp"));
    EXPECT_FALSE(std::filesystem::exists(dir / "LEAGUE.bak.tmp"));
}

TEST(LeagueFileSave, CompactSaveRecordsTheVersionWrittenButKeeps46InMemory) {
    TempDir dir;
    League l = RichLeague();
    l.Games[13].Played = 1;
    l.Games[14].Played = 1;
    ASSERT_TRUE(SaveLeague(l, dir / "A.DIV"));
    EXPECT_EQ(+l.LoadedVersion, 45);
    EXPECT_EQ(l.Head.Version, 46);
    EXPECT_EQ(ReadFile(dir / "A.DIV")[6], 45);
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
    const Bytes file = ReadFile(path);
    const Bytes backup = ReadFile(BackupPath(path));

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

    // The disk fills up while writing (a file size limit stands in for a full disk).
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

    // The folder has vanished.
    st = SaveLeague(l, dir / "gone" / "LEAGUE.DIV");
    EXPECT_FALSE(st);
    EXPECT_TRUE(l.DataChanged);

    // A damaged signature in memory: nothing is touched.
    l.Head.Signature = "XXXXX";
    st = SaveLeague(l, path);
    EXPECT_FALSE(st);
    EXPECT_NE(st.Message.find("NOT been saved"), std::string::npos);
    EXPECT_EQ(ReadFile(path), file);
    EXPECT_EQ(ReadFile(BackupPath(path)), backup);
}

// --- The header check ----------------------------------------------------------------------

TEST(LeagueFileHeaderCheck, Outcomes) {
    TempDir dir;
    League l = RichLeague();
    l.Head.TableName = "Premi\xE8re";
    ASSERT_TRUE(SaveLeague(l, dir / "OK.DIV"));
    HeaderInfo ok = VerifyDivFile(dir / "OK.DIV");
    EXPECT_EQ(ok.Result, HeaderCheck::Ok);
    EXPECT_EQ(ok.Version, 46);
    EXPECT_EQ(ok.TableName, "Premi\xE8re");

    Bytes v47 = ReadFile(dir / "OK.DIV");
    v47[6] = 47;
    WriteFile(dir / "V47.DIV", v47);
    EXPECT_EQ(VerifyDivFile(dir / "V47.DIV").Result, HeaderCheck::NotCompatible);
    Bytes v5 = v47;
    v5[6] = 5;
    WriteFile(dir / "V5.DIV", v5);
    EXPECT_EQ(VerifyDivFile(dir / "V5.DIV").Result, HeaderCheck::NotCompatible);

    Bytes foreign = v47;
    foreign[6] = 46;
    foreign[3] = 'X';
    WriteFile(dir / "FOREIGN.DIV", foreign);
    EXPECT_EQ(VerifyDivFile(dir / "FOREIGN.DIV").Result, HeaderCheck::NotCompatible);

    Bytes shortFile(v47.begin(), v47.begin() + 100);
    shortFile[6] = 46;
    WriteFile(dir / "SHORT.DIV", shortFile);
    EXPECT_EQ(VerifyDivFile(dir / "SHORT.DIV").Result, HeaderCheck::NotCompatible);
    WriteFile(dir / "EMPTY.DIV", {});
    EXPECT_EQ(VerifyDivFile(dir / "EMPTY.DIV").Result, HeaderCheck::NotCompatible);

    EXPECT_EQ(VerifyDivFile(dir / "MISSING.DIV").Result, HeaderCheck::CouldNotOpen);
    std::filesystem::create_directory(dir / "FOLDER.DIV");
    EXPECT_EQ(VerifyDivFile(dir / "FOLDER.DIV").Result, HeaderCheck::CouldNotOpen);

    // Shorter than a full header is not listed, even a complete old file that would load.
    League tiny = MakeEmptyLeague();
    tiny.Head.TableName = "Tiny";
    const Bytes old = EncodeAs(tiny, 19);
    ASSERT_EQ(old.size(), 64u);
    WriteFile(dir / "TINY.DIV", old);
    EXPECT_EQ(VerifyDivFile(dir / "TINY.DIV").Result, HeaderCheck::NotCompatible);
    EXPECT_TRUE(LoadLeague(dir / "TINY.DIV"));
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

    // A file read from disk is checked like bytes in memory.
    League whole = RichLeague();
    Bytes cut = EncodeLeague(whole);
    cut.resize(cut.size() - 10);
    WriteFile(dir / "CUT.DIV", cut);
    auto fromDisk = LoadLeague(dir / "CUT.DIV");
    ASSERT_FALSE(fromDisk);
    EXPECT_EQ(fromDisk.error().Message, DecodeLeague(cut).error().Message);

    auto foreign = DecodeLeague(Bytes{'h', 'e', 'l', 'l', 'o', '!', '!', '!'});
    ASSERT_FALSE(foreign);
    EXPECT_EQ(foreign.error().Message, "This is not a league file.");

    League l = RichLeague();
    Bytes v47 = EncodeLeague(l);
    v47[6] = 47;
    auto tooNew = DecodeLeague(v47);
    ASSERT_FALSE(tooNew);
    EXPECT_NE(tooNew.error().Message.find("version 47"), std::string::npos);
}

// --- Older versions ------------------------------------------------------------------------

namespace {

constexpr double kDay = 36526; // 1 January 2000

/// A league holding the values an old file of `version` stores (stored adjustments, old dates,
/// old ratings), with every field each era may hold set, so the loader must drop what the era
/// did not have.
League OldLeague(int version) {
    LeagueBuilder b;
    b.Teams({"North", "South", "East", "West"});
    League l = b.Build();
    DivHead& h = l.Head;
    h.TableName = "Old League";
    h.DrawPoints = 2;
    h.GameType = 1;
    h.RelPlayOffs = 2;
    h.LossPoints = 1;
    h.HalfLength = 30;
    h.VersionId = 77;
    h.TimesToPlay = 3;
    h.TeamSize = 9;
    h.UpdateAddress = "example.org/upd";
    l.Teams[1].PointsAdjust = 3;
    l.Teams[2].Increment = 5;
    TeamRec other{};
    other.Name = "Abroad";
    l.Teams.push_back(other);
    h.OtherTeamCount = 1;

    const double stored = version < 20 ? kDay + 693594 : kDay;
    l.Games.assign(40, GameRec{});
    GameRec& g1 = l.Games[1];
    g1.Played = 1;
    g1.HomeTeam = 1;
    g1.AwayTeam = 2;
    g1.HomeGoals = 2;
    g1.AwayGoals = 1;
    g1.Date = stored;
    g1.Attendance = 500;
    g1.HomeSquad = 1;
    g1.AwaySquad = 5; // past the squads
    g1.Comment = "Rain";
    g1.Referee = 1;
    g1.Awarded = 2;
    GameRec& g2 = l.Games[2]; // a fixture with a date
    g2.HomeTeam = 3;
    g2.AwayTeam = 4;
    g2.Date = stored + 7;
    GameRec& g3 = l.Games[3]; // a fixture without a date, marked predicted
    g3.HomeTeam = 2;
    g3.AwayTeam = 3;
    g3.Predicted = 1;
    for (int i = 4; i <= 6; ++i) {
        l.Games[Z(i)].HomeTeam = static_cast<u8>(i - 3);
        l.Games[Z(i)].AwayTeam = 4;
    }
    h.GameCount = 6;
    GameRec& cup = l.Games[7];
    cup.Played = 1;
    cup.HomeTeam = 5;
    cup.AwayTeam = 1;
    cup.Date = kDay + 3;
    cup.Comp = 1;
    h.CupGameCount = 1;

    AddGoal(l, 1, 1, 1, 12, false, true);
    l.Players.assign(40, PlayerRec{});
    PlayerRec& p1 = l.Players[1];
    p1.Name = "Keeper";
    p1.Team = 2;
    p1.Position = 3;
    p1.SquadNo = 9;
    p1.BirthDate = 29221;
    p1.Foreign = 2;
    p1.Cost = 5000;
    l.Players[2].Name = "Gone";
    l.Players[2].Team = 5; // TeamCount + 1
    l.Players[3].Name = "Third";
    l.Players[3].Team = 1;
    h.PlayerCount = 3;

    l.Squads.assign(40, SquadRec{});
    SquadRec& s = l.Squads[1];
    s.Game = 1;
    s.Team = 1;
    s.Entries[0] = SquadEntry{1, 1, 90, 1, 0, 1, 7};
    s.Entries[15] = SquadEntry{3, 0, 0, 0, 0, 0, 8};
    s.Entries[16] = SquadEntry{2, 60, 90, 0, 1, 0, 6};
    s.Entries[17] = SquadEntry{3, 70, 90, 0, 0, 0, 5};
    h.SquadCount = 1;

    l.Comps[1].Name = "Cup";
    l.Comps[1].ShortName = "CUP";
    h.CompCount = 1;
    l.TeamSels[1].Name = "Some";
    for (int t : {1, 26, 27, 29, 30, 32})
        l.TeamSels[1].SetMember(t, true);
    l.TeamSels[2].Name = "Other";
    h.TeamSelCount = 2;
    l.Referees[1].Name = "Ref";
    h.RefereeCount = 1;
    l.MissedPens[1] = MissedPenRec{1, 1, 2, 33};
    h.MissedPenCount = 1;
    return l;
}

class LeagueFileEra : public ::testing::TestWithParam<int> {};

} // namespace

TEST_P(LeagueFileEra, ReadsTheLayoutAndAppliesEveryConversion) {
    const int v = GetParam();
    const Bytes bytes = EncodeAs(OldLeague(v), v);
    auto loaded = DecodeLeague(bytes);
    ASSERT_TRUE(loaded) << loaded.error().Message;
    const League& l = *loaded;
    const DivHead& h = l.Head;

    EXPECT_EQ(+l.LoadedVersion, v);
    EXPECT_EQ(h.Version, 46);
    EXPECT_EQ(h.TableName.view(), "Old League");
    EXPECT_EQ(+h.TeamCount, 4);
    EXPECT_EQ(h.TeamSize, v < 20 ? 11 : 9);
    EXPECT_EQ(+h.SquadCount, v < 20 ? 0 : 1);
    EXPECT_EQ(+h.OtherTeamCount, v < 30 ? 0 : 1);
    EXPECT_EQ(+h.CupGameCount, v < 30 ? 0 : 1);
    EXPECT_EQ(h.CompCount, v < 30 ? 0 : 1);
    EXPECT_EQ(h.DrawPoints, v < 33 ? 1 : 2);
    EXPECT_EQ(h.GameType, v < 34 ? 0 : 1);
    EXPECT_EQ(h.RelPlayOffs, v < 34 ? 0 : 2);
    EXPECT_EQ(h.TeamSelCount, v < 34 ? 0 : 2);
    EXPECT_EQ(h.RefereeCount, v < 40 ? 0 : 1);
    EXPECT_EQ(h.MissedPenCount, v < 40 ? 0 : 1);
    EXPECT_EQ(h.LossPoints, v < 40 ? 0 : 1);
    EXPECT_EQ(h.HalfLength, v < 40 ? 45 : 30);
    EXPECT_EQ(+h.VersionId, v < 45 ? 0 : 77);
    EXPECT_EQ(h.TimesToPlay, v < 45 ? 1 : 3) << "6 games of 4 teams: once each, unless stored";
    EXPECT_EQ(h.UpdateAddress.view(), v < 46 ? "" : "example.org/upd");
    EXPECT_EQ(+l.CurrentSel, 0);

    EXPECT_EQ(+l.Teams[1].PointsAdjust, v < 31 ? -3 : 3);
    EXPECT_EQ(l.Teams[2].Increment, v < 34 ? 0 : 5);
    EXPECT_EQ(l.Teams[0].Name.view(), "Transferred-Out");
    EXPECT_EQ(l.Teams.size(), Z(v < 30 ? 5 : 6));

    const GameRec& g1 = l.Games[1];
    EXPECT_EQ(g1.Played, 1);
    EXPECT_EQ(g1.HomeTeam, 1);
    EXPECT_EQ(g1.AwayTeam, 2);
    EXPECT_EQ(g1.HomeGoals, 2);
    EXPECT_EQ(+g1.Attendance, 500u);
    EXPECT_EQ(+g1.Date, kDay) << "dates of old files are shifted to day 0 = 30 December 1899";
    EXPECT_EQ(+l.Games[2].Date, kDay + 7);
    EXPECT_EQ(+g1.HomeSquad, v < 20 ? 0 : 1);
    EXPECT_EQ(+g1.AwaySquad, 0) << "a link past the squads is cleared";
    EXPECT_EQ(g1.Comment.view(), v < 30 ? "" : "Rain");
    EXPECT_EQ(g1.Referee, v < 40 ? 0 : 1);
    EXPECT_EQ(g1.Awarded, v < 44 ? 0 : 2);
    EXPECT_EQ(g1.Outcome, v < 44 ? 1 : 2);
    EXPECT_EQ(l.Games[2].Predicted, v < 20 ? 1 : 0) << "an old dated fixture counts as predicted";
    EXPECT_EQ(l.Games[3].Predicted, v < 20 ? 0 : 1);
    EXPECT_EQ(l.Games[1].Predicted, 0);
    if (v >= 30) {
        EXPECT_EQ(l.Games[7].Comp, 1);
        EXPECT_EQ(+l.Games[7].Date, kDay + 3) << "other games were never shifted";
        EXPECT_EQ(l.Comps[1].ShortName.view(), "CUP");
    }
    EXPECT_EQ(l.Games.size(), Z(h.GameCount + h.CupGameCount + 33));

    EXPECT_EQ(+l.Goals[1].Minute, 12);
    EXPECT_EQ(l.Goals[1].Penalty, 1);

    const PlayerRec& p1 = l.Players[1];
    EXPECT_EQ(p1.Name.view(), "Keeper");
    EXPECT_EQ(p1.Team, 2);
    EXPECT_EQ(p1.Position, v < 23 ? 0 : 3);
    EXPECT_EQ(p1.SquadNo, v < 23 ? 0 : 9);
    EXPECT_EQ(+p1.BirthDate, v < 43 ? 0 : 29221);
    EXPECT_EQ(p1.Foreign, v < 43 ? 0 : 2);
    EXPECT_EQ(+p1.Cost, v < 43 ? 0u : 5000u);
    EXPECT_EQ(l.Players[2].Team, v < 44 ? 0 : 5) << "the old mark of a player who has left";
    EXPECT_EQ(l.Players[3].Team, 1);

    if (v >= 20) {
        const SquadRec& s = l.Squads[1];
        EXPECT_EQ(+s.Game, 1);
        EXPECT_EQ(+s.Entries[0].Player, 1);
        EXPECT_EQ(s.Entries[0].TimeOff, 90);
        EXPECT_EQ(s.Entries[0].Red, 1);
        EXPECT_EQ(s.Entries[0].Rating, v < 30 ? 0 : v < 44 ? 70 : 7);
        EXPECT_EQ(+s.Entries[15].Player, 3);
        EXPECT_EQ(s.Entries[15].Rating, v < 30 ? 0 : v < 44 ? 80 : 8);
        EXPECT_EQ(+s.Entries[16].Player, v < 31 ? 0 : 2);
        EXPECT_EQ(s.Entries[17].Rating, v < 31 ? 0 : v < 44 ? 50 : 5);
    }
    if (v >= 34) {
        const TeamSelRec& sel = l.TeamSels[1];
        EXPECT_EQ(sel.Name.view(), "Some");
        EXPECT_TRUE(sel.IsMember(1));
        EXPECT_TRUE(sel.IsMember(26));
        EXPECT_EQ(sel.IsMember(27), v >= 42);
        EXPECT_EQ(sel.IsMember(29), v >= 42);
        EXPECT_EQ(sel.IsMember(30), v >= 46);
        EXPECT_EQ(sel.IsMember(32), v >= 46);
        EXPECT_EQ(l.TeamSels[2].Name.view(), "Other");
    }
    if (v >= 40) {
        EXPECT_EQ(l.Referees[1].Name.view(), "Ref");
        EXPECT_EQ(+l.MissedPens[1].Minute, 33);
    }

    // Saved again, it is the current layout and loads to the same league.
    League copy = l;
    const Bytes saved = EncodeLeague(copy);
    auto again = DecodeLeague(saved);
    ASSERT_TRUE(again) << again.error().Message;
    League again2 = *again;
    EXPECT_EQ(EncodeLeague(again2), saved);
    EXPECT_EQ(+again->Games[1].Date, kDay);
    EXPECT_EQ(+again->Teams[1].PointsAdjust, +l.Teams[1].PointsAdjust);
}

TEST_P(LeagueFileEra, EveryTruncationIsRefusedWithAMessage) {
    const int v = GetParam();
    const Bytes bytes = EncodeAs(OldLeague(v), v);
    ASSERT_TRUE(DecodeLeague(bytes));
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        auto r = DecodeLeague(Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n)));
        ASSERT_FALSE(r) << "prefix of " << n << " bytes";
        ASSERT_FALSE(r.error().Message.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Versions, LeagueFileEra,
                         ::testing::Values(6, 19, 20, 22, 23, 25, 29, 30, 31, 33, 34, 39, 40, 41, 42, 43, 44,
                                           45, 46));

TEST(LeagueFileOld, TruncationMessagesNameTheSection) {
    League l = RichLeague();
    const Bytes bytes = EncodeLeague(l);
    auto header = DecodeLeague(Bytes(bytes.begin(), bytes.begin() + 100));
    ASSERT_FALSE(header);
    EXPECT_EQ(header.error().Message, "The league file is damaged: it ends inside the header.");
    auto games = DecodeLeague(Bytes(bytes.begin(), bytes.begin() + 131 + 22 * 34 + 76 * 3 + 10));
    ASSERT_FALSE(games);
    EXPECT_EQ(games.error().Message,
              "The league file is damaged: it ends inside the games (3 of 14 records present).");
}

TEST(LeagueFileOld, OldTeamNamesKeepThirtyCharacters) {
    League l = OldLeague(33);
    Bytes bytes = EncodeAs(l, 33);
    // Rewrite team 1 with a 33-character name.
    ByteWriter team;
    gorlin::test::PutTeam(team, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456", 4, 0, 33);
    ASSERT_EQ(team.Size(), 36u);
    std::memcpy(bytes.data() + 71, team.Bytes().data(), team.Size());
    auto loaded = DecodeLeague(bytes);
    ASSERT_TRUE(loaded) << loaded.error().Message;
    EXPECT_EQ(loaded->Teams[1].Name.view(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123");
    EXPECT_EQ(+loaded->Teams[1].PointsAdjust, 4) << "version 33 stores adjustments as they are";
}

TEST(LeagueFileOld, FewerThanTwoTeamsHaveNoSchedule) {
    for (int teams : {0, 1}) {
        League l = MakeEmptyLeague();
        l.Head.TeamCount = static_cast<u16>(teams);
        l.Teams.resize(Z(teams + 1));
        l.Head.GameCount = 0;
        l.Head.TimesToPlay = 4;
        for (int v : {19, 44}) {
            auto loaded = DecodeLeague(EncodeAs(l, v));
            ASSERT_TRUE(loaded) << loaded.error().Message;
            EXPECT_EQ(loaded->Head.TimesToPlay, 0) << teams << " teams, version " << v;
        }
        auto current = DecodeLeague(EncodeAs(l, 46));
        EXPECT_EQ(current->Head.TimesToPlay, 4) << "stored from version 46";
    }
    // A derived schedule never exceeds the format's limit.
    LeagueBuilder two;
    two.Teams({"One", "Two"});
    for (int i = 0; i < 20; ++i)
        two.Fixture(1 + i % 2, 2 - i % 2, 0);
    auto loaded = DecodeLeague(EncodeAs(two.Build(), 44));
    ASSERT_TRUE(loaded) << loaded.error().Message;
    EXPECT_EQ(loaded->Head.TimesToPlay, 8);
}

TEST(LeagueFileOld, Version45WithoutAStoredScheduleDerivesIt) {
    League l = OldLeague(45);
    l.Head.TimesToPlay = 0;
    auto loaded = DecodeLeague(EncodeAs(l, 45));
    ASSERT_TRUE(loaded) << loaded.error().Message;
    EXPECT_EQ(loaded->Head.TimesToPlay, 1);
}

// --- Selections and header fixes on load ---------------------------------------------------

TEST(LeagueFileLoad, AnUnnamedSelectionRecordIsDroppedAndTheRestMoveUp) {
    for (int v : {34, 45, 46}) {
        League l = OldLeague(v);
        l.TeamSels[1].Name = "First";
        l.TeamSels[2] = TeamSelRec{};
        l.TeamSels[2].SetMember(1, true);
        l.TeamSels[3].Name = "Third";
        l.TeamSels[3].SetMember(4, true);
        l.Head.TeamSelCount = 3;
        auto loaded = DecodeLeague(EncodeAs(l, v));
        ASSERT_TRUE(loaded) << loaded.error().Message;
        EXPECT_EQ(loaded->Head.TeamSelCount, 2);
        EXPECT_EQ(loaded->TeamSels[1].Name.view(), "First");
        EXPECT_EQ(loaded->TeamSels[2].Name.view(), "Third");
        EXPECT_TRUE(loaded->TeamSels[2].IsMember(4));
        EXPECT_TRUE(loaded->TeamSels[3].Name.empty());
        EXPECT_FALSE(loaded->TeamSels[3].IsMember(4));
    }
}

TEST(LeagueFileLoad, NoScheduleWithSelectionsStartsWithTheFirstSelection) {
    League l = RichLeague();
    l.Head.TimesToPlay = 0;
    auto loaded = RoundTrip(l);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->CurrentSel, 1);

    League none = RichLeague(0);
    none.Head.TimesToPlay = 0;
    EXPECT_EQ(RoundTrip(none)->CurrentSel, 0);
    League scheduled = RichLeague();
    EXPECT_EQ(RoundTrip(scheduled)->CurrentSel, 0);
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
}

TEST(LeagueFileDamage, HugeCountsOfAnOldFileAreRefusedBeforeAnythingIsDerived) {
    League l = MakeEmptyLeague();
    l.Head.TeamCount = 65535;
    l.Head.GameCount = 65535;
    ByteWriter w;
    gorlin::test::PutHeader(w, l.Head, 44); // no team records follow: the count alone is refused
    auto r = DecodeLeague(w.Bytes());
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().Message,
              "The league file is damaged: it declares 65535 league teams, at most 32 are allowed.");
}

TEST(LeagueFileDamage, CountsAtTheLimitsAreRead) {
    League l = RichLeague();
    l.Head.RefereeCount = 250;
    l.Head.MissedPenCount = 150;
    l.Head.CompCount = 50;
    for (int s = 1; s <= 8; ++s)
        l.TeamSels[Z(s)].Name = "S" + std::to_string(s);
    l.Referees[250].Name = "Last";
    l.MissedPens[150].Minute = 89;
    l.Comps[50].ShortName = "LAST";
    auto loaded = RoundTrip(l);
    ASSERT_TRUE(loaded) << loaded.error().Message;
    EXPECT_EQ(loaded->Referees[250].Name.view(), "Last");
    EXPECT_EQ(+loaded->MissedPens[150].Minute, 89);
    EXPECT_EQ(loaded->Comps[50].ShortName.view(), "LAST");
    EXPECT_EQ(loaded->Head.TeamSelCount, 8);
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

TEST(LeagueFileDamage, LinksWhoseZeroMeansNoneAreCleared) {
    League l = RichLeague();
    l.Games[1].HomeSquad = 2; // one squad only
    l.Games[1].Referee = 2;   // one referee only
    l.Games[3].Date = std::nan("");
    l.Games[4].Date = 1e300;
    l.Goals[1].Scorer = 6; // five players
    l.Players[2].Team = 23;
    l.Squads[1].Entries[0].Player = 6;
    l.MissedPens[1].Player = 99;
    l.Head.OwnTeam = 21; // an other team is not a league team
    l.Head.GameType = 3; // competition 2 does not exist
    auto loaded = RoundTrip(l);
    ASSERT_TRUE(loaded) << loaded.error().Message;
    const League& r = *loaded;
    EXPECT_EQ(+r.Games[1].HomeSquad, 0);
    EXPECT_EQ(r.Games[1].Referee, 0);
    EXPECT_EQ(+r.Games[3].Date, 0);
    EXPECT_EQ(+r.Games[4].Date, 0);
    EXPECT_EQ(+r.Goals[1].Scorer, 0);
    EXPECT_EQ(r.Players[2].Team, 0);
    EXPECT_EQ(+r.Squads[1].Entries[0].Player, 0);
    EXPECT_EQ(r.Squads[1].Entries[0].Rating, 0) << "the whole entry is emptied";
    EXPECT_EQ(+r.Squads[1].Entries[17].Player, 2) << "valid entries stay";
    EXPECT_EQ(+r.MissedPens[1].Player, 0);
    EXPECT_EQ(r.Head.OwnTeam, 0);
    EXPECT_EQ(r.Head.GameType, 0);
    EXPECT_EQ(+r.Games[2].Date, 43002) << "valid dates stay";
}

TEST(LeagueFileDamage, DamagedLengthBytesAreHeldToTheCapacity) {
    League l = RichLeague();
    l.Teams[1].Name.Len = 255;
    l.Head.TableName.Len = 200;
    auto loaded = RoundTrip(l);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->Teams[1].Name.view().size(), 30u);
    EXPECT_EQ(loaded->Head.TableName.view().size(), 30u);
}
