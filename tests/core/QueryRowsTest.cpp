#include "core/query/QueryRows.h"

#include "QueryFixture.h"
#include "core/query/FieldText.h"

#include <gtest/gtest.h>

namespace gorlin {
namespace {

struct CellCase {
    int Id;
    int Row;
    const char* Text;
};

void ExpectCells(const test::QueryLeague& q, std::initializer_list<CellCase> cases) {
    for (const CellCase& c : cases)
        EXPECT_EQ(q.Cell(c.Id, c.Row), c.Text) << "field " << c.Id << " row " << c.Row;
}

TEST(QueryRows, FieldTextsOverLeagueAndCupGames) {
    const test::QueryLeague q = test::MakeQueryLeague(1);
    ASSERT_EQ(q.Rows.Count(kTabTeams), 4);
    ASSERT_EQ(q.Rows.Count(kTabGames), 3); // the fixture has no row
    ASSERT_EQ(q.Rows.Count(kTabGoals), 6);
    ASSERT_EQ(q.Rows.Count(kTabSquads), 7);
    const int m = q.Muller - 1, k = q.Keeper - 1, s = q.Smith - 1, j = q.Jones - 1;
    const int br = q.Brown - 1, gr = q.Green - 1;
    ExpectCells(q, {
                       // Rovers: two home wins, one of them in the cup; cards and ratings from squads.
                       {2, 0, "2"},
                       {6, 0, "5"},
                       {8, 0, "4"},
                       {16, 0, "0"},
                       {25, 0, "6"},
                       {23, 0, "6"},
                       {26, 0, "12,345"},
                       {28, 0, "12,345"},
                       {29, 0, "12,345"},
                       {30, 0, "1"},
                       {32, 0, "0.50"},
                       {33, 0, "2.50"},
                       {34, 0, "7.25"},
                       {35, 0, "1"},
                       {36, 0, "1230000.00"},
                       {37, 0, "29.00"},
                       // Albion: deduction, red card, missed penalty, no birth dates.
                       {24, 1, "-3"},
                       {25, 1, "-2"},
                       {31, 1, "1"},
                       {38, 1, "1"},
                       {37, 1, ""},
                       {36, 1, "4000000000.00"},
                       // City: no crowds and no ratings divide by nothing.
                       {26, 2, "0"},
                       {28, 2, "0"},
                       {34, 2, "0.00"},
                       // Athletic, outside the league.
                       {1, 3, "Athletic"},
                       {5, 3, "1"},
                       {23, 3, "0"},
                       // Games: the league game, the 3-3 draw, the cup game.
                       {100, 0, "N"},
                       {101, 0, "05/01/2019"},
                       {106, 0, "12345"},
                       {107, 0, "Y"},
                       {110, 0, "4"},
                       {111, 0, "1"},
                       {112, 0, "1"},
                       {113, 0, "League Game"},
                       {115, 0, "Taylor"},
                       {116, 0, "29.00"},
                       {117, 0, ""},
                       {118, 0, "1"},
                       {109, 1, "Y"},
                       {110, 1, "6"},
                       {100, 2, "Y"},
                       {113, 2, "FA Cup"},
                       {115, 2, ""},
                       {103, 2, "Athletic"},
                       // Goals: an own goal, a penalty, an unknown scorer in the cup.
                       {204, 3, "Keeper"},
                       {205, 3, "Albion"},
                       {206, 3, "Rovers"},
                       {209, 3, "Y"},
                       {212, 3, "Y"},
                       {208, 1, "Y"},
                       {207, 1, "50"},
                       {212, 1, "N"},
                       {204, 5, ""},
                       {200, 5, "Y"},
                       {213, 5, "FA Cup"},
                       {201, 5, "20/01/2019"},
                       // Players.
                       {300, m, "M\xFCller"},
                       {301, m, "Rovers"},
                       {302, m, "Striker"},
                       {304, m, "2"},
                       {306, m, "1"},
                       {316, m, "1"},
                       {319, m, "3"},
                       {307, m, "0"},
                       {308, m, "1"},
                       {310, m, "1"},
                       {311, m, "1"},
                       {325, m, "1"},
                       {317, m, "75"},
                       {314, m, "7.50"},
                       {320, m, "15/06/1990"},
                       {321, m, "29"},
                       {322, m, "Y"},
                       {323, m, "1,234,567"},
                       {307, s, "1"},
                       {304, s, "1"},
                       {312, s, "1"},
                       {325, s, "0"},
                       {317, s, "30"},
                       {322, s, " "},
                       {305, k, "1"},
                       {304, k, "0"},
                       {324, k, "1"},
                       {302, k, "Goal Keeper"},
                       {322, k, "N"},
                       {321, k, "0"},
                       {320, k, ""},
                       {309, j, "1"},
                       {318, j, "1"},
                       {323, j, "4,000,000,000"},
                       {314, j, "6.50"},
                       {312, br, "1"},
                       {325, br, "1"},
                       {310, br, "1"},
                       {317, br, "34"},
                       {313, gr, "1"},
                       {310, gr, "0"},
                       {317, gr, "0"},
                       {302, gr, "Not Specified"},
                       {314, gr, "0.00"},
                       // Squads: Keeper's own goal is no goal of his; Müller was 28 on the day.
                       {410, 0, "0"},
                       {411, 0, "1"},
                       {415, 0, "7"},
                       {410, 1, "2"},
                       {412, 1, "Started"},
                       {413, 1, "1"},
                       {415, 1, "7.5"},
                       {416, 1, "75"},
                       {419, 1, "28"},
                       {406, 1, "Striker"},
                       {403, 1, "Rovers"},
                       {404, 1, "Albion"},
                       {417, 1, "Taylor"},
                       {412, 2, "Sub"},
                       {410, 2, "1"},
                       {412, 3, "Sub"},
                       {416, 3, "34"},
                       {412, 4, "Bench"},
                       {416, 4, "0"},
                       {406, 4, "Not Specified"},
                       {419, 4, "0"},
                       {414, 5, "Y"},
                       {403, 5, "Albion"},
                       {404, 5, "Rovers"},
                       {421, 5, "4,000,000,000"},
                       {400, 6, "20/01/2019"},
                   });
}

TEST(QueryRows, LeagueGamesOnlyLeavesOutCupGamesAndOtherTeams) {
    test::QueryLeague q = test::MakeQueryLeague(0);
    EXPECT_EQ(q.Rows.Count(kTabTeams), 3);
    EXPECT_EQ(q.Rows.Count(kTabGames), 2);
    EXPECT_EQ(q.Rows.Count(kTabGoals), 4);
    EXPECT_EQ(q.Rows.Count(kTabSquads), 6);
    ExpectCells(q, {{2, 0, "1"},
                    {6, 0, "3"},
                    {35, 0, "0"},
                    {23, 0, "6"},
                    {23, 2, "4"},
                    {316, q.Muller - 1, "0"},
                    {304, q.Muller - 1, "2"},
                    {324, q.Keeper - 1, "0"}});
    q.Filter(2); // the cup alone
    EXPECT_EQ(q.Rows.Count(kTabTeams), 4);
    EXPECT_EQ(q.Rows.Count(kTabGames), 1);
    ExpectCells(q, {{304, q.Muller - 1, "0"}, {316, q.Muller - 1, "1"}, {318, q.Jones - 1, "0"}});
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
    for (const char* bad : {"", "-", "1e5", "inf", "1.2.3", "1 2", "abc"})
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
