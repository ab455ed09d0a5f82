#include "core/query/QueryRows.h"

#include "QueryFixture.h"
#include "core/query/FieldText.h"

#include <gtest/gtest.h>

namespace gorlin {
namespace {

/// Expects the texts of fields (id, text) in one row of their tab.
void ExpectRow(const test::QueryLeague& q, int row,
               std::initializer_list<std::pair<int, const char*>> cells) {
    for (const auto& [id, text] : cells)
        EXPECT_EQ(q.Cell(id, row), text) << "field " << id << " row " << row;
}

TEST(QueryRows, FieldTextsOverLeagueAndCupGames) {
    const test::QueryLeague q = test::MakeQueryLeague(1);
    ASSERT_EQ(q.Rows.Count(kTabTeams), 4);
    ASSERT_EQ(q.Rows.Count(kTabGames), 3); // the fixture has no row
    ASSERT_EQ(q.Rows.Count(kTabGoals), 6);
    ASSERT_EQ(q.Rows.Count(kTabSquads), 7);
    // Rovers: two home wins, one of them in the cup; cards and ratings from squads.
    ExpectRow(q, 0, {{2, "2"}, {6, "5"}, {8, "4"}, {16, "0"}, {25, "6"}, {23, "6"}, {26, "12,345"}});
    ExpectRow(q, 0, {{28, "12,345"}, {29, "12,345"}, {30, "1"}, {32, "0.50"}, {33, "2.50"}, {34, "7.25"}});
    ExpectRow(q, 0, {{35, "1"}, {36, "1,230,000.00"}, {37, "29.00"}});
    // Albion: deduction, red card, missed penalty, no birth dates; City: nothing to divide by.
    ExpectRow(q, 1, {{24, "-3"}, {25, "-2"}, {31, "1"}, {38, "1"}, {37, ""}, {36, "4,000,000,000.00"}});
    ExpectRow(q, 2, {{26, "0"}, {28, "0"}, {34, "0.00"}});
    ExpectRow(q, 3, {{1, "Athletic"}, {5, "1"}, {23, "0"}}); // outside the league
    // Games: the league game, the 3-3 draw, the cup game.
    ExpectRow(q, 0, {{100, "N"}, {101, "05/01/2019"}, {106, "12345"}, {107, "Y"}, {110, "4"}, {111, "1"}});
    ExpectRow(q, 0, {{112, "1"}, {113, "League Game"}, {115, "Taylor"}, {116, "29.00"}, {117, ""}});
    ExpectRow(q, 0, {{118, "1"}});
    ExpectRow(q, 1, {{109, "Y"}, {110, "6"}});
    ExpectRow(q, 2, {{100, "Y"}, {113, "FA Cup"}, {115, ""}, {103, "Athletic"}});
    // Goals: a penalty, an own goal, an unknown scorer in the cup.
    ExpectRow(q, 1, {{208, "Y"}, {207, "50"}, {212, "N"}});
    ExpectRow(q, 3, {{204, "Keeper"}, {205, "Albion"}, {206, "Rovers"}, {209, "Y"}, {212, "Y"}});
    ExpectRow(q, 5, {{204, ""}, {200, "Y"}, {213, "FA Cup"}, {201, "20/01/2019"}});
    // Players: Smith's goal for his previous club, Brown taken off again, Green on the bench.
    ExpectRow(q, q.Muller - 1, {{300, "M\xFCller"}, {301, "Rovers"}, {302, "Striker"}, {304, "2"}});
    ExpectRow(q, q.Muller - 1, {{306, "1"}, {316, "1"}, {319, "3"}, {307, "0"}, {308, "1"}, {311, "1"}});
    ExpectRow(q, q.Muller - 1, {{325, "1"}, {317, "75"}, {314, "7.50"}, {320, "15/06/1990"}, {321, "29"}});
    ExpectRow(q, q.Muller - 1, {{322, "Y"}, {323, "1,234,567"}});
    ExpectRow(q, q.Smith - 1, {{307, "1"}, {304, "1"}, {312, "1"}, {325, "0"}, {317, "30"}, {322, " "}});
    ExpectRow(q, q.Keeper - 1, {{305, "1"}, {304, "0"}, {324, "1"}, {302, "Goal Keeper"}, {322, "N"}});
    ExpectRow(q, q.Keeper - 1, {{321, "0"}, {320, ""}});
    ExpectRow(q, q.Jones - 1, {{309, "1"}, {318, "1"}, {323, "4,000,000,000"}, {314, "6.50"}});
    ExpectRow(q, q.Brown - 1, {{312, "1"}, {325, "1"}, {310, "1"}, {317, "34"}});
    ExpectRow(q, q.Green - 1, {{313, "1"}, {310, "0"}, {317, "0"}, {302, "Not Specified"}, {314, "0.00"}});
    // Squads: Keeper's own goal is no goal of his; Müller was 28 on the day.
    ExpectRow(q, 0, {{410, "0"}, {411, "1"}, {415, "7"}});
    ExpectRow(q, 1, {{410, "2"}, {412, "Started"}, {413, "1"}, {415, "7.5"}, {416, "75"}, {419, "28"}});
    ExpectRow(q, 1, {{406, "Striker"}, {403, "Rovers"}, {404, "Albion"}, {417, "Taylor"}});
    ExpectRow(q, 2, {{412, "Sub"}, {410, "1"}});
    ExpectRow(q, 3, {{412, "Sub"}, {416, "34"}});
    ExpectRow(q, 4, {{412, "Bench"}, {416, "0"}, {406, "Not Specified"}, {419, "0"}});
    ExpectRow(q, 5, {{414, "Y"}, {403, "Albion"}, {404, "Rovers"}, {421, "4,000,000,000"}});
}

TEST(QueryRows, LeagueGamesOnlyLeavesOutCupGamesAndOtherTeams) {
    test::QueryLeague q = test::MakeQueryLeague(0);
    EXPECT_EQ(q.Rows.Count(kTabTeams), 3);
    EXPECT_EQ(q.Rows.Count(kTabGames), 2);
    EXPECT_EQ(q.Rows.Count(kTabGoals), 4);
    EXPECT_EQ(q.Rows.Count(kTabSquads), 6);
    ExpectRow(q, 0, {{2, "1"}, {6, "3"}, {35, "0"}, {23, "6"}});
    ExpectRow(q, 2, {{23, "4"}});
    ExpectRow(q, q.Muller - 1, {{316, "0"}, {304, "2"}});
    ExpectRow(q, q.Keeper - 1, {{324, "0"}});
    q.Filter(2); // the cup alone
    EXPECT_EQ(q.Rows.Count(kTabTeams), 4);
    EXPECT_EQ(q.Rows.Count(kTabGames), 1);
    ExpectRow(q, q.Muller - 1, {{304, "0"}, {316, "1"}});
    ExpectRow(q, q.Jones - 1, {{318, "0"}});
}

TEST(QueryRows, EveryTeamAndGoalGetsARow) {
    test::LeagueBuilder b;
    b.Teams({"A", "B"});
    std::vector<std::string> others;
    for (int i = 0; i < 250; ++i)
        others.push_back("Other " + std::to_string(i));
    b.OtherTeams(others).Comp("Cup", "C");
    const int game = b.Played(1, 2, 9, 9, 43000);
    for (int i = 0; i < 4100; ++i)
        b.Goal(game, 1);
    League l = b.Build();
    l.Head.GameType = 1;
    const QueryRows rows = BuildData(l, 44000);
    EXPECT_EQ(rows.Count(kTabTeams), 252);
    EXPECT_EQ(rows.Count(kTabGoals), 4100);
}

TEST(QueryRows, DamagedLinksReadNothingOutside) {
    test::QueryLeague q = test::MakeQueryLeague(1);
    League& l = q.Model;
    l.Goals[1].Game = 60000;   // no such game: no row
    l.Goals[2].Scorer = 59000; // no such player: an empty name
    l.Squads[1].Entries[0].Player = 59000;
    l.Games[1].HomeSquad = 999;
    l.Games[1].Referee = 255;
    l.Games[1].Comp = 200;
    l.Players[1].Position = 77;
    q.Filter(1);
    EXPECT_EQ(q.Rows.Count(kTabGoals), 5);
    EXPECT_EQ(q.Cell(204, 0), "");
    EXPECT_EQ(q.Cell(405, 0), "");
    EXPECT_EQ(q.Cell(115, 0), "");
    EXPECT_EQ(q.Cell(113, 0), "");
    EXPECT_EQ(q.Cell(302, 0), "");
}

TEST(FieldText, DecimalsRoundOnceToThreeFiguresAndTwoPlaces) {
    const Locale dot;
    Locale comma;
    comma.DecimalSeparator = ',';
    comma.ThousandSeparator = '.';
    const struct {
        double Value;
        const char* Text;
    } cases[] = {{2.125, "2.13"},
                 {12.345, "12.30"},
                 {1234.5, "1230.00"},
                 {0.6666, "0.67"},
                 {0.005, "0.01"},
                 {0.0004, "0.00"},
                 {999.5, "1000.00"},
                 {9.995, "10.00"},
                 {-2.125, "-2.13"},
                 {-0.001, "0.00"},
                 {0.0, "0.00"},
                 {7.0, "7.00"},
                 {1e20, "100000000000000000000.00"}};
    for (const auto& c : cases)
        EXPECT_EQ(FormatDecimal(c.Value, dot), c.Text) << c.Value;
    EXPECT_EQ(FormatDecimal(2.125, comma), "2,13");
    EXPECT_EQ(ReadDecimal("2,13", comma), 2.13);
    EXPECT_EQ(ReadDecimal("1.230,5", comma), 1230.5);
    EXPECT_EQ(ReadDecimal("1,234,567.5", dot), 1234567.5);
    EXPECT_EQ(ReadDecimal("1234,567", dot), 1234567); // two separators at most, as costs are written
    for (const char* bad : {"", "-", "1e5", "inf", "1.2.3", "1 2", "abc", "1,5", "1,50", "1,0000", "1,000,0"})
        EXPECT_FALSE(ReadDecimal(bad, dot)) << bad;
    EXPECT_EQ(RatingText(75, dot), "7.5");
    EXPECT_EQ(RatingText(70, dot), "7");
    EXPECT_EQ(RatingText(5, comma), "0,5");
}

TEST(FieldText, LenientWholeNumbersAndUpperCase) {
    const struct {
        const char* Text;
        long long Value;
    } cases[] = {{"12,345", 12345},
                 {"12.345", 12345},
                 {"12\xA0"
                  "345",
                  12345},
                 {"-7", -7},
                 {"7-", -7},
                 {"", 0},
                 {"1a2", 12},
                 {" 4 ", 4}};
    for (const auto& c : cases)
        EXPECT_EQ(ReadLenientWhole(c.Text), c.Value) << c.Text;
    EXPECT_GT(ReadLenientWhole(std::string(60, '9')), 0);
    EXPECT_EQ(UpperText("m\xFCller \x9A\x9C\x9E\xFF \xDF\xF7"), "M\xDCLLER \x8A\x8C\x8E\x9F \xDF\xF7");
}

} // namespace
} // namespace gorlin
