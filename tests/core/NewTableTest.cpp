#include "core/app/NewTable.h"

#include "core/model/LeagueFile.h"
#include "support/TestPaths.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace gorlin;
using gorlin::test::TempDir;
using Names = std::vector<std::string>;

namespace {

NewTableInput Input(Names teams, int times = 2) {
    NewTableInput in;
    in.TableName = "New League";
    in.TeamNames = std::move(teams);
    in.TimesToPlay = times;
    return in;
}

Names Numbered(int count) {
    Names names;
    for (int i = 10; i < 10 + count; ++i)
        names.push_back("Team " + std::to_string(i));
    return names;
}

/// The league games as "HA" pairs (teams below 10), and every field that is not a team must be 0.
std::string Fixtures(const League& l) {
    std::string out;
    for (int g = 1; g <= l.GameCount(); ++g) {
        GameRec game = l.Games[static_cast<std::size_t>(g)];
        out += (out.empty() ? "" : " ") + std::to_string(game.HomeTeam) + std::to_string(game.AwayTeam);
        game.HomeTeam = game.AwayTeam = 0;
        if (std::memcmp(&game, &l.Games[0], sizeof game) != 0)
            out += "!";
    }
    return out;
}

Names TeamNames(const League& l) {
    Names names;
    for (int t = 1; t <= l.TeamCount(); ++t)
        names.push_back(l.Teams[static_cast<std::size_t>(t)].Name.str());
    return names;
}

/// Points, own team, places, team size, half length, sort rules.
std::string Settings(const DivHead& h) {
    return std::to_string(h.WinPoints * 100 + h.DrawPoints * 10 + h.LossPoints) + " own " +
           std::to_string(h.OwnTeam) + " places " +
           std::to_string(h.Promoted * 1000 + h.PlayOffs * 100 + h.Relegated * 10 + h.RelPlayOffs) + " " +
           std::to_string(h.TeamSize) + "/" + std::to_string(h.HalfLength) + " " + h.SortRules.str();
}

} // namespace

TEST(NewTableSchedule, FixturesComeInRoundOrder) {
    const std::tuple<int, int, std::string> cases[] = {
        {6, 2, "12 13 14 15 16 21 23 24 25 26 31 32 34 35 36 41 42 43 45 46 51 52 53 54 56 61 62 63 64 65"},
        {5, 3, "12 13 14 15 21 23 24 25 31 32 34 35 41 42 43 45 51 52 53 54 12 13 14 15 23 24 25 34 35 45"},
        {4, 4, "12 13 14 21 23 24 31 32 34 41 42 43 12 13 14 21 23 24 31 32 34 41 42 43"},
        {4, 1, "12 13 14 23 24 34"},
        {6, 0, ""},
    };
    for (const auto& [teams, times, order] : cases) {
        auto built = BuildNewLeague(Input(Numbered(teams), times));
        ASSERT_TRUE(built) << built.error().Message;
        EXPECT_EQ(Fixtures(*built), order) << teams << " teams, " << times << " times";
        EXPECT_EQ(built->Head.TimesToPlay, times);
    }
    auto largest = BuildNewLeague(Input(Numbered(kMaxTeams), kMaxTimesToPlay));
    ASSERT_TRUE(largest);
    EXPECT_EQ(largest->Head.GameCount, 32 * 31 / 2 * 8);
}

TEST(NewTableTeams, NumberedAsTheSortedListShowsThem) {
    const std::pair<Names, Names> cases[] = {
        {{"Rovers", "Athletic", "City", "Town"}, {"Athletic", "City", "Rovers", "Town"}},
        // Without regard to case; names equal but for case by character code.
        {{"aston", "Arsenal", "AFC", "united", "United"}, {"AFC", "Arsenal", "aston", "United", "united"}},
        // Blanks at the ends go; names are cut to 30 characters.
        {{"  Zeta ", "Alpha", "Beta", "A name that is longer than thirty characters"},
         {"A name that is longer than thi", "Alpha", "Beta", "Zeta"}},
    };
    for (const auto& [typed, numbered] : cases) {
        auto built = BuildNewLeague(Input(typed));
        ASSERT_TRUE(built) << built.error().Message;
        EXPECT_EQ(TeamNames(*built), numbered);
    }
}

TEST(NewTableHeader, TakesTheChoicesAndTheNewTableDefaults) {
    NewTableInput in = Input({"Rovers", "Athletic", "City", "Town"});
    auto defaults = BuildNewLeague(in);
    ASSERT_TRUE(defaults);
    EXPECT_EQ(Settings(defaults->Head), "310 own 0 places 0 11/45 1234");

    in.TableName = "  Sunday League  ";
    in.OwnTeam = "City";
    in.WinPoints = 2;
    in.LossPoints = 4;
    in.Promoted = 1;
    in.PlayOffs = 2;
    in.Relegated = 3;
    in.RelPlayOffs = 9;
    in.TeamSize = 5;
    in.HalfLength = 10;
    auto built = BuildNewLeague(in);
    ASSERT_TRUE(built);
    EXPECT_EQ(Settings(built->Head), "214 own 2 places 1239 5/10 1234") << "City is team 2";
    EXPECT_EQ(built->Head.TableName.view(), "Sunday League");
}

TEST(NewTableHeader, EveryCheckHasItsMessage) {
    const std::pair<void (*)(NewTableInput&), const char*> cases[] = {
        {[](NewTableInput& in) { in.TableName = " \t"; }, "Please enter a name for the new table"},
        {[](NewTableInput& in) { in.TeamNames.pop_back(); }, "The number of teams must be from 4 to 32"},
        {[](NewTableInput& in) { in.TeamNames = Numbered(33); }, "The number of teams must be from 4 to 32"},
        {[](NewTableInput& in) { in.TeamNames[1] = "  "; }, "A team name is empty"},
        {[](NewTableInput& in) { in.TeamNames[1] = "City "; },
         "Duplicate team names entered, please correct"},
        {[](NewTableInput& in) { in.TimesToPlay = 9; },
         "The number of times teams play each other must be from 0 to 8"},
        {[](NewTableInput& in) { in.HalfLength = 46; }, "The length of each half must be from 10 to 45"},
        {[](NewTableInput& in) { in.OwnTeam = "Town"; }, "The own team must be one of the teams"},
    };
    for (const auto& [change, message] : cases) {
        NewTableInput in = Input({"City", "Rovers", "United", "Athletic"});
        change(in);
        auto built = BuildNewLeague(in);
        ASSERT_FALSE(built) << message;
        EXPECT_EQ(built.error().Message, message);
    }
    EXPECT_TRUE(BuildNewLeague(Input({"City", "CITY", "city", "Town"}))) << "case makes names differ";
}

TEST(NewTableSave, WrittenFileLoadsBackAsBuilt) {
    TempDir dir;
    for (int times : {0, 3}) {
        NewTableInput in = Input({"Rovers", "Athletic", "City", "Town", "United"}, times);
        in.OwnTeam = "Town";
        auto built = BuildNewLeague(in);
        ASSERT_TRUE(built);
        const auto path = dir / "NEW.DIV";
        ASSERT_TRUE(SaveNewLeague(*built, path));
        EXPECT_FALSE(std::filesystem::exists(BackupPath(path)));
        EXPECT_EQ(+built->LoadedVersion, 46); // the full layout, though the compact one would do

        auto loaded = LoadLeague(path);
        ASSERT_TRUE(loaded) << loaded.error().Message;
        EXPECT_EQ(std::memcmp(&loaded->Head, &built->Head, sizeof(DivHead)), 0);
        EXPECT_EQ(TeamNames(*loaded), TeamNames(*built));
        EXPECT_EQ(Fixtures(*loaded), Fixtures(*built));
        EXPECT_EQ(VerifyDivFile(path).TableName, "New League");
    }
}
