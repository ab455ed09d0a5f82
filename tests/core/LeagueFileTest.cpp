#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <cstring>
#include <fstream>
#include <iterator>

#include "core/model/LeagueFile.h"
#include "support/FileBytes.h"
#include "support/LeagueBuilder.h"
#include "support/TestPaths.h"

using namespace gorlin;
using gorlin::test::ByteWriter;
using gorlin::test::EncodeAs;
using gorlin::test::LeagueBuilder;
using gorlin::test::TempDir;

namespace {

using Bytes = std::vector<std::uint8_t>;

std::size_t Z(int i) { return static_cast<std::size_t>(i); }

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

Expected<League> RoundTrip(League& league) { return DecodeLeague(EncodeLeague(league)); }

} // namespace

// --- The current layouts -------------------------------------------------------------------

TEST(LeagueFileRoundTrip, CompactLeagueIsWrittenAsVersion45AndReadBackWhole) {
    League l = RichLeague();
    l.Games[13].Played = 1; // every other game played
    l.Games[14].Played = 1;
    ASSERT_EQ(ChooseSaveVersion(l), 45);
    const Bytes bytes = EncodeLeague(l);
    EXPECT_EQ(bytes[6], 45);
    const std::size_t expected = 80 + 22 * 34 + 14 * 76 + 2 * 10 + 5 * 31 + 1 * 147 + 1 * 36 + 2 * 50 + 21 + 6;
    EXPECT_EQ(bytes.size(), expected);

    auto loaded = DecodeLeague(bytes);
    ASSERT_TRUE(loaded) << loaded.error().Message;
    const League& r = *loaded;
    EXPECT_EQ(r.LoadedVersion, 45);
    EXPECT_EQ(r.Head.Version, 46);
    EXPECT_EQ(r.Head.TimesToPlay, 2) << "a compact file keeps its stored schedule";
    EXPECT_EQ(r.Head.VersionId, 1234);
    EXPECT_EQ(r.Head.HalfLength, 40);
    EXPECT_EQ(r.Head.OwnTeam, 5);
    EXPECT_EQ(r.Teams[3].PointsAdjust, -6);
    EXPECT_EQ(r.Teams[4].Increment, 7);
    EXPECT_EQ(r.Teams[0].Name.view(), "Transferred-Out");
    EXPECT_EQ(r.Comps[0].ShortName.view(), "LGE");
    EXPECT_EQ(r.Games[1].Comment.view(), "Snow");
    EXPECT_EQ(r.Games[2].Outcome, 2) << "awarded to the away team";
    EXPECT_EQ(r.Players[5].Cost, 5000000u);
    EXPECT_EQ(r.Squads[1].Entries[17].Rating, 55);
    EXPECT_EQ(r.TeamSels[2].Name.view(), "Sel 2");
    EXPECT_TRUE(r.TeamSels[2].IsMember(29));
    EXPECT_EQ(r.MissedPens[1].Minute, 44);
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
    EXPECT_EQ(big.Head.TeamCount, 29);
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
    EXPECT_EQ(l.LoadedVersion, 46);
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
    EXPECT_EQ(l.LoadedVersion, 45);
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

    // The new file cannot be created beside the old one.
    std::filesystem::create_directory(dir / "LEAGUE.DIV.tmp");
    Status st = SaveLeague(l, path);
    EXPECT_FALSE(st);
    EXPECT_NE(st.Message.find("LEAGUE.DIV"), std::string::npos) << st.Message;
    EXPECT_TRUE(l.DataChanged);
    EXPECT_EQ(l.Head.TeamSelCount, 2) << "the league is unchanged";
    EXPECT_EQ(ReadFile(path), file);
    EXPECT_EQ(ReadFile(BackupPath(path)), backup);
    EXPECT_FALSE(std::filesystem::exists(dir / "LEAGUE.bak.tmp"));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "LEAGUE.DIV.tmp")) << "not ours to remove";
    std::filesystem::remove(dir / "LEAGUE.DIV.tmp");

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
    EXPECT_TRUE(l.DataChanged);
    EXPECT_EQ(ReadFile(path), file);
    EXPECT_EQ(ReadFile(BackupPath(path)), backup);
    EXPECT_FALSE(std::filesystem::exists(dir / "LEAGUE.DIV.tmp"));
    EXPECT_FALSE(std::filesystem::exists(dir / "LEAGUE.bak.tmp"));

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

    // A complete old file may be shorter than 131 bytes: its own header size counts.
    League tiny = MakeEmptyLeague();
    tiny.Head.TableName = "Tiny";
    const Bytes old = EncodeAs(tiny, 19);
    ASSERT_EQ(old.size(), 64u);
    WriteFile(dir / "TINY.DIV", old);
    HeaderInfo t = VerifyDivFile(dir / "TINY.DIV");
    EXPECT_EQ(t.Result, HeaderCheck::Ok);
    EXPECT_EQ(t.Version, 19);
    EXPECT_EQ(t.TableName, "Tiny");
    EXPECT_TRUE(LoadLeague(dir / "TINY.DIV"));
    WriteFile(dir / "TINY2.DIV", Bytes(old.begin(), old.begin() + 63));
    EXPECT_EQ(VerifyDivFile(dir / "TINY2.DIV").Result, HeaderCheck::NotCompatible);
}

TEST(LeagueFileLoad, UnopenableAndForeignFilesAreRefusedWithAMessage) {
    TempDir dir;
    auto missing = LoadLeague(dir / "NONE.DIV");
    ASSERT_FALSE(missing);
    EXPECT_NE(missing.error().Message.find("NONE.DIV"), std::string::npos);

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
