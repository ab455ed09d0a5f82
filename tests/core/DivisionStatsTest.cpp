#include "core/engine/DivisionStats.h"

#include "support/LeagueBuilder.h"
#include "support/SeasonCsv.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

namespace gorlin {
namespace {

using test::LeagueBuilder;

constexpr int kDay = 45000;

struct Score {
    int Home, Away;
    int Awarded = 0;
    bool Cup = false;
    bool Played = true;
};

League WithGames(const std::vector<Score>& scores) {
    LeagueBuilder b;
    b.Teams({"Rovers", "Albion"}).OtherTeams({"Athletic"}).Comp("Cup", "CUP");
    for (const Score& s : scores) {
        const int g = s.Cup      ? b.CupGame(1, 3, s.Home, s.Away, kDay)
                      : s.Played ? b.Played(1, 2, s.Home, s.Away, kDay)
                                 : b.Fixture(1, 2, kDay, true, s.Home, s.Away);
        b.Get().Games[static_cast<std::size_t>(g)].Awarded = static_cast<u8>(s.Awarded);
    }
    League l = b.Build();
    l.Head.GameType = 1; // the other pages count cup games: this one never does
    UpdateGameEx(l, 0);
    return l;
}

std::vector<std::string> EditTexts(const DivisionStatsData& d) {
    std::vector<std::string> texts;
    for (const auto& edit : d.Edits())
        texts.push_back(edit.second);
    return texts;
}

std::vector<int> Games(const std::vector<HighScoreItem>& items) {
    std::vector<int> games;
    for (const HighScoreItem& i : items)
        games.push_back(i.Game);
    return games;
}

TEST(DivisionStats, PageTotals) {
    // edDivGames, edHomeGoals, edAwayGoals, edTotGoals, edAveGoals, edMostGoals, edClnShts,
    // edDivHome, edDivAway, edDivDraws, edDivScDraws, edDivNsDraws.
    struct Case {
        const char* What;
        std::vector<Score> Scores;
        std::vector<std::string> Edits;
    } cases[] = {
        {"nothing played",
         {{5, 5, 0, false, false}},
         {"0", "0", "0", "0", "", "0", "0", "0", "0", "0", "0", "0"}},
        {"a 0-0 game", {{0, 0}}, {"1", "0", "0", "0", "0.00", "0", "2", "0", "0", "1", "0", "1"}},
        {"awarded games count by outcome",
         {{1, 3, 1}, {2, 0, 2}, {2, 2}},
         {"3", "5", "5", "10", "3.33", "4", "1", "1", "1", "1", "1", "0"}},
        {"no counter wraps",
         std::vector<Score>(300, Score{255, 0}),
         {"300", "76500", "0", "76500", "255.00", "255", "300", "300", "0", "0", "0", "0"}},
        {"cup games never count",
         {{1, 0}, {9, 9, 0, true}},
         {"1", "1", "0", "1", "1.00", "1", "1", "1", "0", "0", "0", "0"}},
    };
    for (const Case& c : cases) {
        const DivisionStatsData d = DivisionStats(WithGames(c.Scores), Locale{});
        EXPECT_EQ(EditTexts(d), c.Edits) << c.What;
    }
}

TEST(DivisionStats, HighScoreLists) {
    struct Case {
        const char* What;
        std::vector<Score> Scores;
        std::vector<int> Home, Away;
    } cases[] = {
        {"highest home score 2: only the 2s", {{2, 0}, {2, 5}, {1, 1}, {0, 0}, {2, 1}}, {1, 2, 5}, {2}},
        {"every score of 3 or more, top down",
         {{5, 0}, {3, 1}, {4, 0}, {3, 3}, {1, 4}},
         {1, 3, 2, 4},
         {5, 4}},
        {"cup games are left out", {{1, 0}, {7, 7, 0, true}}, {1}, {1}},
        {"nothing played", {{6, 6, 0, false, false}}, {}, {}},
    };
    for (const Case& c : cases) {
        const DivisionStatsData d = DivisionStats(WithGames(c.Scores), Locale{});
        EXPECT_EQ(Games(d.HighHome), c.Home) << c.What;
        EXPECT_EQ(Games(d.HighAway), c.Away) << c.What;
    }

    const DivisionStatsData d = DivisionStats(WithGames({{2, 5}}), Locale{});
    ASSERT_EQ(d.HighHome.size(), 1u);
    const HighScoreItem& item = d.HighHome[0];
    EXPECT_EQ(item.Text, "15/03/2023   2-5 Rovers v Albion");
    EXPECT_EQ(item.Text.substr(item.AwayNameAt), "Albion");
    EXPECT_EQ(item.Text.substr(item.HomeNameAt, 6), "Rovers");

    const DivisionStatsData full = DivisionStats(WithGames(std::vector<Score>(1000, Score{3, 0})), Locale{});
    EXPECT_EQ(full.HighHome.size(), 992u);
    EXPECT_EQ(full.HighAway.size(), 992u);
    EXPECT_EQ(+full.HighHome.back().Game, 992);
}

TEST(DivisionStats, QuotientsRoundHalfUp) {
    Locale comma;
    comma.DecimalSeparator = ',';
    struct Case {
        long long Num, Den;
        const char* Text;
    } cases[] = {{1, 8, "0.13"},   {0, 3, "0.00"},   {1072, 380, "2.82"}, {5, 2, "2.50"},
                 {1, 200, "0.01"}, {1, 201, "0.00"}, {2, 3, "0.67"},      {400, 1, "400.00"}};
    for (const Case& c : cases)
        EXPECT_EQ(FormatQuotient2(c.Num, c.Den, Locale{}), c.Text) << c.Num << "/" << c.Den;
    EXPECT_EQ(FormatQuotient2(1, 8, comma), "0,13");
}

SquadEntry Carded(int player, int yellows, bool red) {
    SquadEntry e{};
    e.Player = static_cast<u16>(player);
    e.Yellow1 = yellows >= 1 ? 1 : 0;
    e.Yellow2 = yellows >= 2 ? 1 : 0;
    e.Red = red ? 1 : 0;
    return e;
}

// Adams never refereed; Brown 8 league games with 1 yellow (0.125); Eve 15 with 2 (0.133...),
// which shows as "0.13" too; Clark 2 games with 1 yellow and 2 reds; Dunn 1 clean game. Brown
// also refereed a cup game with cards and a penalty.
League Referees() {
    LeagueBuilder b;
    b.Teams({"Rovers", "Albion"}).OtherTeams({"Athletic"}).Comp("Cup", "CUP");
    const int p1 = b.Player("One", 1), p2 = b.Player("Two", 2);
    for (const char* name : {"Eve", "Clark", "Brown", "Dunn", "Adams"})
        b.Referee(name);
    const auto game = [&](int referee, bool cup = false) {
        const int g = cup ? b.CupGame(1, 3, 1, 0, kDay) : b.Played(1, 2, 1, 0, kDay);
        b.Get().Games[static_cast<std::size_t>(g)].Referee = static_cast<u8>(referee);
        return g;
    };
    for (int i = 0; i < 15; ++i) {
        const int g = game(1);
        if (i < 2)
            b.Squad(g, 2, {Carded(p2, 1, false)});
    }
    for (int i = 0; i < 8; ++i) {
        const int g = game(3);
        if (i == 0) {
            b.Squad(g, 1, {Carded(p1, 1, false), Carded(0, 2, true)}); // an empty entry's marks do not count
            b.Goal(g, 1, p1, 10, false, true);
            b.MissedPen(g, p2, 2, 20);
        }
    }
    const int clark = game(2);
    b.Squad(clark, 1, {Carded(p1, 1, true)});
    b.Squad(clark, 2, {Carded(p2, 0, true)});
    game(2);
    game(4);
    const int cup = game(3, true);
    b.Squad(cup, 1, {Carded(p1, 2, true)});
    b.Goal(cup, 1, p1, 30, false, true);
    const int fixture = b.Fixture(1, 2, kDay);
    b.Get().Games[static_cast<std::size_t>(fixture)].Referee = 5;
    return b.Build();
}

std::vector<std::string> Column(const std::vector<RefGridRow>& rows, std::size_t cell) {
    std::vector<std::string> texts;
    for (const RefGridRow& r : rows)
        texts.push_back(r.Cells[cell]);
    return texts;
}

TEST(RefStats, CountsWithAndWithoutCupGames) {
    const League league = Referees();
    struct Case {
        bool Cup;
        RefStatsEntry Brown;
    } cases[] = {{false, {8, 2, 1, 0}}, {true, {9, 3, 3, 1}}};
    for (const Case& c : cases) {
        const RefStats stats = BuildRefStats(league, c.Cup);
        const RefStatsEntry& b = stats.Entries[3];
        EXPECT_EQ(std::vector<int>({b.Games, b.Pens, b.Yellows, b.Reds}),
                  std::vector<int>({c.Brown.Games, c.Brown.Pens, c.Brown.Yellows, c.Brown.Reds}))
            << "cup " << c.Cup;
        EXPECT_EQ(stats.Entries[5].Games, 0) << "a fixture is not a game refereed";
    }
    const DivisionStatsData page = DivisionStats(league, Locale{});
    EXPECT_EQ(page.Referees.Entries[3].Games, 8);
}

TEST(RefStats, CardCountsPassSixteenBits) {
    LeagueBuilder b;
    b.Teams({"Rovers", "Albion"});
    const int p = b.Player("Hard Man", 1);
    b.Referee("Strict");
    SquadEntry booked{};
    booked.Player = static_cast<u16>(p);
    booked.Yellow1 = booked.Yellow2 = booked.Red = 1;
    for (int i = 0; i < 911; ++i) { // 911 games x 2 squads x 18 entries x 2 yellows = 65,592
        const int g = b.Played(1, 2, 0, 0, kDay);
        b.Get().Games[static_cast<std::size_t>(g)].Referee = 1;
        b.Squad(g, 1, std::vector<SquadEntry>(18, booked));
        b.Squad(g, 2, std::vector<SquadEntry>(18, booked));
    }
    const RefStats stats = BuildRefStats(b.Build(), false);
    EXPECT_EQ(stats.Entries[1].Yellows, 65592);
    EXPECT_EQ(stats.Entries[1].Reds, 32796);
}

TEST(RefStats, SortingByEachHeadingInTurn) {
    const League league = Referees();
    RefStats stats = BuildRefStats(league, false);
    struct Click {
        const char* Heading;
        std::vector<std::string> Names;
    } clicks[] = {
        {"Name", {"Adams", "Brown", "Clark", "Dunn", "Eve"}},
        {"Y/Gm", {"Clark", "Eve", "Brown", "Adams", "Dunn"}},
        {"Games", {"Eve", "Brown", "Clark", "Dunn", "Adams"}},
        {"R/Gm", {"Clark", "Eve", "Brown", "Dunn", "Adams"}},
        {"Yellows", {"Eve", "Brown", "Clark", "Adams", "Dunn"}},
        {"Pens", {"Brown", "Adams", "Clark", "Dunn", "Eve"}},
        {"Reds", {"Clark", "Adams", "Brown", "Dunn", "Eve"}},
    };
    for (const Click& c : clicks) {
        const std::optional<int> key = RefSortKeyOfHeading(c.Heading);
        ASSERT_TRUE(key) << c.Heading;
        EXPECT_EQ(Column(SortRefStats(stats, league, *key, Locale{}), 0), c.Names) << c.Heading;
    }
    const std::vector<RefGridRow> rows = SortRefStats(stats, league, kRefName, Locale{});
    EXPECT_EQ(Column(rows, 5), (std::vector<std::string>{"", "0.13", "0.50", "0.00", "0.13"}));
    EXPECT_EQ(Column(rows, 6), (std::vector<std::string>{"", "0.00", "1.00", "0.00", "0.00"}));
    EXPECT_EQ(rows[2].Cells, (std::array<std::string, 7>{"Clark", "2", "0", "1", "2", "0.50", "1.00"}));

    LeagueBuilder none;
    none.Teams({"A", "B"});
    const League empty = none.Build();
    RefStats nothing = BuildRefStats(empty, true);
    const std::vector<RefGridRow> blank = SortRefStats(nothing, empty, kRefGames, Locale{});
    ASSERT_EQ(blank.size(), 1u);
    EXPECT_EQ(blank[0].Cells, (std::array<std::string, 7>{}));
}

TEST(DivisionStats, EnglishSeason) {
    const League league = test::BuildSeasonLeague(test::DataDir() / "eng1_2018-19_results.csv", "Season");
    const DivisionStatsData d = DivisionStats(league, Locale{});
    EXPECT_EQ(d.edDivGames, "380");
    EXPECT_EQ(d.edHomeGoals, "596");
    EXPECT_EQ(d.edAwayGoals, "476");
    EXPECT_EQ(d.edAveGoals, "2.82");
    EXPECT_EQ(std::stoi(d.edDivHome) + std::stoi(d.edDivAway) + std::stoi(d.edDivDraws), 380);
}

} // namespace
} // namespace gorlin
