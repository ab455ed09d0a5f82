#include "core/engine/Standings.h"

#include "support/LeagueBuilder.h"

#include <gtest/gtest.h>
#include <limits>

using namespace gorlin;
using gorlin::test::LeagueBuilder;
using Ints = std::vector<int>;

namespace {

FillTableArgs Range(int from, int to, int content = kPlayedGames, int side = kHomeAndAway) {
    FillTableArgs a;
    a.Content = content;
    a.Side = side;
    a.FromDate = from;
    a.ToDate = to;
    return a;
}

const TotalsRec& Of(const Standings& s, int team) {
    return s.TeamTotals[static_cast<std::size_t>(team)];
}

Ints Order(const Standings& s) {
    Ints v;
    for (int i = 1; i <= s.TableSize; ++i)
        v.push_back(s.TableOrder[static_cast<std::size_t>(i)]);
    return v;
}

Ints Ranked(League l, const std::string& rules, const FillTableArgs& args = Range(0, 100000)) {
    l.Head.SortRules = rules;
    return Order(FillTable(l, args));
}

DivHead Head(int teams, int games) {
    DivHead h{};
    h.TeamCount = static_cast<u16>(teams);
    h.GameCount = static_cast<u16>(games);
    return h;
}

} // namespace

TEST(GamesPerTeam, FixtureListOrTeamCountAndHalvedForOneSide) {
    // No fixture list: TeamCount - 1; no division by zero; 16-bit: 65535 games of one team give
    // 131070, which wraps to -2.
    for (auto [teams, games, side, expected] : {std::tuple{20, 380, kHomeAndAway, 38},
                                                {20, 190, kHomeAndAway, 19},
                                                {20, 50, kHomeAndAway, 19},
                                                {20, 380, kHomeOnly, 19},
                                                {20, 190, kAwayOnly, 9},
                                                {20, 50, kHomeOnly, 9},
                                                {0, 10, kHomeAndAway, 0},
                                                {1, 65535, kHomeAndAway, -2}})
        EXPECT_EQ(GamesPerTeam(Head(teams, games), side), expected) << teams << " " << games << " " << side;
}

TEST(FillTable, CountsResultsIntoHomeAndAwayTotals) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta", "Gamma", "Delta"}).Points(3, 1, 0);
    b.Played(1, 2, 2, 1, 100);
    b.Played(2, 1, 0, 0, 101);
    b.Played(3, 1, 1, 4, 102);
    b.Fixture(1, 4, 103);
    const Standings s = FillTable(b.Build(), Range(0, 1000));
    const TotalsRec& a = Of(s, 1);
    EXPECT_EQ((Ints{a.Played, a.HomeWon, a.HomeFor, a.HomeAgainst, a.AwayWon, a.AwayDrawn, a.AwayFor,
                    a.AwayAgainst}),
              (Ints{3, 1, 2, 1, 1, 1, 4, 1}));
    EXPECT_EQ((Ints{a.Points, a.GoalDiff, a.PointsPct}), (Ints{7, 4, 233})); // 7 * 100 div 3
    // 4 games listed, 4 teams: GamesPerTeam is 3, so nothing is left for Alpha.
    EXPECT_EQ(a.PossPoints, 7);
    EXPECT_EQ((Ints{Of(s, 4).Played, Of(s, 4).PointsPct, Of(s, 4).PossPoints}), (Ints{0, 0, 9}));
    EXPECT_EQ(Order(s), (Ints{1, 2, 4, 3})); // Delta: same points, better difference
    EXPECT_EQ(s.GameCounted, (std::vector<bool>{false, true, true, true, false}));
}

TEST(FillTable, AwardedGameCountsForTheAwardedSideWithItsGoalsAndGoalAverage) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta", "Gamma", "Delta"});
    const int g = b.Played(1, 2, 3, 1, 100);
    b.Played(3, 4, 6, 0, 100);
    League l = b.Build();
    l.Games[static_cast<std::size_t>(g)].Awarded = 2;
    UpdateGameEx(l, g);
    const Standings s = FillTable(l, Range(0, 1000));
    EXPECT_EQ((Ints{Of(s, 1).HomeLost, Of(s, 1).Points, Of(s, 1).HomeFor}), (Ints{1, 0, 3}));
    EXPECT_EQ((Ints{Of(s, 2).AwayWon, Of(s, 2).Points, Of(s, 2).GoalDiff}), (Ints{1, 3, -2}));
    // Goals for over against; the goals for when none were conceded.
    EXPECT_EQ((std::vector<double>{Of(s, 1).GoalAverage, Of(s, 2).GoalAverage, Of(s, 3).GoalAverage,
                                   Of(s, 4).GoalAverage}),
              (std::vector<double>{3.0, 1.0 / 3.0, 6.0, 0.0}));
}

TEST(FillTable, DateRangeCountsItsEndsAndNothingOutside) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta"}).Comp("Cup", "CUP");
    b.Played(1, 2, 1, 0, 100);
    b.Played(2, 1, 1, 0, 200);
    b.Played(1, 2, 2, 2, 300);
    b.CupGame(2, 1, 5, 0, 200); // never counts
    const League l = b.Build();
    const std::pair<std::pair<int, int>, std::vector<bool>> cases[] = {
        {{100, 300}, {false, true, true, true}},
        {{101, 299}, {false, false, true, false}},
        {{200, 200}, {false, false, true, false}},
        {{201, 299}, {false, false, false, false}},
        {{300, 100}, {false, false, false, false}} // a reversed range
    };
    for (const auto& [range, counted] : cases) {
        const Standings s = FillTable(l, Range(range.first, range.second));
        EXPECT_EQ(s.GameCounted, counted) << range.first << ".." << range.second;
        int played = 0;
        for (bool c : counted)
            played += c ? 1 : 0;
        EXPECT_EQ(Of(s, 1).Played, played);
        EXPECT_EQ(Of(s, 2).Played, played);
    }
}

TEST(FillTable, PredictedUndatedFixtureCountsOnlyWithItsFlag) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta", "Gamma"});
    b.Played(1, 2, 1, 0, 100);
    b.Fixture(2, 3, 0, true, 2, 0);
    b.Fixture(3, 1, 0, false, 5, 0);
    b.Fixture(1, 3, 500, true, 1, 1); // dated outside the range
    const League l = b.Build();
    const Standings s = FillTable(l, Range(100, 200, kPlayedPredicted));
    EXPECT_EQ(s.GameCounted, (std::vector<bool>{false, true, true, false, false}));
    EXPECT_EQ((Ints{Of(s, 2).Played, Of(s, 2).HomeWon, Of(s, 3).Played, Of(s, 3).Points}),
              (Ints{2, 1, 1, 0}));
    const Standings played = FillTable(l, Range(100, 200));
    EXPECT_EQ((Ints{Of(played, 2).Played, Of(played, 3).Played}), (Ints{1, 0}));
}

TEST(FillTable, CurrentFormCountsLatestGamesByDateWithoutAdjustment) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta"});
    // Ten games stored out of date order: Alpha wins those on days 1..4, draws 5..10.
    for (int d : {7, 1, 9, 3, 10, 2, 5, 8, 4, 6})
        b.Played(1, 2, d <= 4 ? 1 : 0, 0, d);
    b.Get().Teams[1].PointsAdjust = -5;
    const League l = b.Build();
    FillTableArgs form = Range(1, 10, kCurrentForm);
    form.FormGames = 6;
    const Standings s = FillTable(l, form);
    const TotalsRec& a = Of(s, 1);
    EXPECT_EQ((Ints{a.Played, a.HomeDrawn, a.HomeWon, a.Points, a.Increment}), (Ints{6, 6, 0, 6, 0}));
    EXPECT_EQ(Of(FillTable(l, Range(1, 10)), 1).Points, 4 * 3 + 6 - 5);
}

TEST(FillTable, SideFilterAndIncrement) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta"});
    b.Played(1, 2, 1, 0, 100);
    b.Played(2, 1, 1, 0, 101);
    b.Get().Teams[2].Increment = 7;
    const League l = b.Build();
    const Standings home = FillTable(l, Range(0, 1000, kPlayedGames, kHomeOnly));
    EXPECT_EQ((Ints{Of(home, 1).Played, Of(home, 1).HomeWon, Of(home, 1).AwayLost}), (Ints{1, 1, 0}));
    EXPECT_EQ(Of(home, 2).Increment, 0);
    EXPECT_EQ(Of(home, 1).PossPoints, 3); // 2 teams, 2 games: 2 per team, one side: 1
    EXPECT_EQ(Of(FillTable(l, Range(0, 1000)), 2).Increment, 7);
    EXPECT_EQ(Of(FillTable(l, Range(0, 1000, kPlayedPredicted)), 2).Increment, 0);
    const Standings away = FillTable(l, Range(0, 1000, kPlayedGames, kAwayOnly));
    EXPECT_EQ((Ints{Of(away, 1).Played, Of(away, 1).AwayLost}), (Ints{1, 1}));
}

TEST(FillTable, SelectionCountsOnlyGamesBetweenMembers) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta", "Gamma", "Delta"});
    b.Played(1, 2, 1, 0, 100);
    b.Played(3, 1, 2, 0, 100);
    b.Played(2, 4, 3, 0, 100);
    b.Selection(1, "North", {1, 2, 4});
    League l = b.Build();
    l.CurrentSel = 1;
    const Standings s = FillTable(l, Range(0, 1000));
    EXPECT_EQ(Order(s), (Ints{2, 1, 4}));
    EXPECT_EQ(Of(s, 1).Played, 1); // the game against Gamma is outside the selection
    FillTableArgs all = Range(0, 1000);
    all.IgnoreSelection = true;
    EXPECT_EQ(Of(FillTable(l, all), 1).Played, 2);
    l.CurrentSel = 5; // an unused slot is no selection
    EXPECT_EQ(FillTable(l, Range(0, 1000)).TableSize, 4);
}

TEST(FillTable, EveryGameOfATeamCountsBeyondAHundredAndDamageStaysInBounds) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta"});
    for (int i = 0; i < 150; ++i)
        b.Played(i % 2 ? 1 : 2, i % 2 ? 2 : 1, 1, 0, 100 + i);
    League l = b.Build();
    const Standings s = FillTable(l, Range(0, 1000));
    EXPECT_EQ((Ints{Of(s, 1).Played, Of(s, 2).Played, Of(s, 1).Points}), (Ints{150, 150, 225}));
    FillTableArgs form = Range(0, 1000, kCurrentForm);
    form.FormGames = 10;
    // Form counts the latest ten (days 240..249): five home wins for each side.
    EXPECT_EQ((Ints{Of(FillTable(l, form), 1).Played, Of(FillTable(l, form), 1).HomeWon}), (Ints{10, 5}));

    l.Games[1].Date = std::numeric_limits<double>::quiet_NaN(); // reads as day 0, inside the range
    l.Games[2].HomeTeam = 40;                                   // a team index past the league
    l.Head.GameCount = 500;                                     // more than the array holds
    const Standings damaged = FillTable(l, Range(0, 1000));
    EXPECT_EQ((Ints{Of(damaged, 1).Played, damaged.TableSize}), (Ints{149, 2}));
}

TEST(CalcTeamData, AllPlayedLeagueGamesToTheLastPlusAdjustment) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta"}).Comp("Cup", "CUP");
    b.Played(1, 2, 1, 0, 100);
    b.Fixture(1, 2, 200, true, 3, 0);
    b.Played(2, 1, 2, 2, 5000); // the last league game
    b.CupGame(1, 2, 4, 0, 100);
    b.Get().Teams[2].PointsAdjust = 3;
    const TeamData d = CalcTeamData(b.Build());
    EXPECT_EQ((Ints{d.LeaguePlayed[1], d.LeaguePoints[1], d.LeaguePlayed[2], d.LeaguePoints[2]}),
              (Ints{2, 4, 2, 4}));
}

TEST(DateTable, DistinctSortedDatesAndTheWholeRange) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta"});
    b.Played(1, 2, 1, 0, 300);
    b.Played(2, 1, 1, 0, 100);
    b.Played(1, 2, 1, 0, 300);
    b.Fixture(2, 1, 400, true);
    b.Fixture(2, 1, 500, false);
    b.Fixture(1, 2, 0, true);
    const League l = b.Build();
    const DateTable played = BuildDateTable(l, kPlayedGames, 9999);
    EXPECT_EQ(played.MatchDates, (Ints{100, 300}));
    EXPECT_EQ((Ints{played.FromDate, played.ToDate, played.UpDownMin, played.UpDownMax, played.FromPos,
                    played.ToPos}),
              (Ints{100, 300, 1, 2, 1, 2}));
    EXPECT_EQ(BuildDateTable(l, kPlayedPredicted, 9999).MatchDates, (Ints{100, 300, 400}));
    LeagueBuilder e;
    e.Teams({"Alpha", "Beta"});
    e.Fixture(1, 2, 400);
    const DateTable empty = BuildDateTable(e.Build(), kPlayedGames, 45000);
    EXPECT_EQ((Ints{int(empty.MatchDates.size()), empty.FromDate, empty.ToDate, empty.UpDownMax,
                    empty.FromPos, empty.ToPos}),
              (Ints{0, 45000, 45000, 0, 0, 0}));
    LeagueBuilder many;
    many.Teams({"Alpha", "Beta"});
    for (int d = 1; d <= 250; ++d)
        many.Played(1, 2, 0, 0, 1000 + d);
    EXPECT_EQ(BuildDateTable(many.Build(), kPlayedGames, 0).ToPos, 250) << "no limit on the dates";
}

TEST(DateTable, PickedDatesSnapToMatchDates) {
    const Ints dates = {100, 200, 300};
    // From end: first on or after (last when later than all); to end: last on or before.
    for (auto [picked, from, to] :
         {std::tuple{50, 1, 1}, {200, 2, 2}, {201, 3, 2}, {299, 3, 2}, {999, 3, 3}}) {
        EXPECT_EQ(SnapFromPosition(dates, picked), from) << picked;
        EXPECT_EQ(SnapToPosition(dates, picked), to) << picked;
    }
    EXPECT_EQ(SnapFromPosition({}, 5), 0);

    DateTable t;
    t.MatchDates = dates;
    t.FromDate = 100;
    t.ToDate = 300;
    t.FromPos = 1;
    t.ToPos = 3;
    PickFromDate(t, 250);
    PickToDate(t, 150);
    EXPECT_EQ((Ints{t.FromDate, t.FromPos, t.ToDate, t.ToPos}),
              (Ints{300, 3, 100, 1})); // reversed is allowed
    PickToDate(t, 0);                  // calendar cancelled
    EXPECT_EQ(t.ToDate, 100);
    StepFromDate(t, 2);
    StepFromDate(t, 4); // beyond the table: no change
    EXPECT_EQ((Ints{t.FromDate, t.FromPos}), (Ints{200, 2}));
}

TEST(TableNote, FirstApplyingRule) {
    EXPECT_EQ(TableNote(kPlayedPredicted, kHomeOnly), "Note: Table includes predicted results");
    EXPECT_EQ(TableNote(kCurrentForm, kAwayOnly), "Note: Table shows current form");
    EXPECT_EQ(TableNote(kPlayedGames, kHomeOnly), "Note: Table includes home matches only");
    EXPECT_EQ(TableNote(kPlayedGames, kAwayOnly), "Note: Table includes away matches only");
    EXPECT_EQ(TableNote(kPlayedGames, kHomeAndAway), "");
}

// --- Ranking by the sort rules ---------------------------------------------------------------

TEST(Ranking, EachRuleDecidesAndLevelTeamsKeepIndexOrder) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta", "Gamma", "Delta"});
    b.Played(1, 3, 10, 8, 100); // Alpha 10/8: average 1.25, difference +2
    b.Played(2, 4, 2, 1, 100);  // Beta 2/1: average 2.0, difference +1
    League l = b.Build();
    l.Teams[4].Increment = 9;
    l.Teams[3].Increment = 2;
    struct Case {
        const char* Rules;
        Ints Order;
    };
    const Case cases[] = {
        {"1234", {1, 2, 4, 3}}, {"2", {1, 2, 4, 3}},
        {"3", {1, 3, 2, 4}},    {"8", {2, 1, 3, 4}},  // 2.0, 1.25, 0.8, 0.5
        {"9", {4, 3, 1, 2}},    {"41", {1, 2, 3, 4}}, // the team name rule always decides
        {"x0 3", {1, 3, 2, 4}}, {"", {1, 2, 3, 4}}    // characters other than rule digits are ignored
    };
    for (const Case& c : cases)
        EXPECT_EQ(Ranked(l, c.Rules), c.Order) << c.Rules;
    FillTableArgs home = Range(0, 100000, kPlayedGames, kHomeOnly);
    EXPECT_EQ(Ranked(l, "9", home), (Ints{1, 2, 3, 4})) << "Increment counts only in the plain table";
    l.Teams[3].PointsAdjust = 5; // possible points favour those with games left
    EXPECT_EQ(Ranked(l, "5"), (Ints{3, 1, 2, 4}));
    l.Teams[1].PointsAdjust = -8; // points compare as signed
    EXPECT_EQ(Ranked(l, "1"), (Ints{3, 2, 4, 1}));
}

TEST(Ranking, NumberOfWinsBreaksATieOnPoints) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta", "Gamma", "Delta"}); // 6 points each but Delta
    b.Played(1, 4, 1, 0, 100);                    // Alpha: one win and 3 points more
    b.Played(4, 2, 0, 1, 101);                    // Beta: two wins, both away
    b.Played(4, 2, 0, 1, 102);
    b.Get().Teams[1].PointsAdjust = 3;
    b.Get().Teams[3].PointsAdjust = 6; // Gamma: no win
    EXPECT_EQ(Ranked(b.Build(), "17"), (Ints{2, 1, 3, 4}));
    EXPECT_EQ(Ranked(b.Build(), "14"), (Ints{1, 2, 3, 4}));
}

TEST(Ranking, TheLastTwoOfAFullTableAreCompared) {
    LeagueBuilder b;
    b.Teams(std::vector<std::string>(32, "Club"));
    for (int t = 1; t <= 32; ++t)
        b.Get().Teams[static_cast<std::size_t>(t)].PointsAdjust = static_cast<i16>(100 - t);
    b.Get().Teams[32].PointsAdjust = 70; // one point above team 31
    Ints expected;
    for (int t = 1; t <= 30; ++t)
        expected.push_back(t);
    expected.insert(expected.end(), {32, 31});
    EXPECT_EQ(Ranked(b.Build(), "1"), expected);
}

TEST(Ranking, HeadToHeadComparesNeighboursInTheBubblePassOrder) {
    // Three teams level on points whose head-to-head results go round in a circle: Beta beat
    // Alpha, Gamma beat Beta, Alpha beat Gamma. Delta has played nothing.
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta", "Gamma", "Delta"}).Rules("16");
    b.Played(2, 1, 1, 0, 100);
    b.Played(3, 2, 1, 0, 101);
    b.Played(1, 3, 1, 0, 102);
    const League l = b.Build();
    // A mini-league would leave index order 1, 2, 3. The passes compare Alpha with Beta first
    // (Beta won: swap), then Alpha with Gamma (Alpha won: stay), then Beta with Alpha again;
    // Beta and Gamma never meet as neighbours, so Gamma stays below Beta although it beat Beta.
    const Standings s = FillTable(l, Range(0, 100000));
    EXPECT_EQ(Order(s), (Ints{2, 1, 3, 4}));
    EXPECT_EQ(AggregatePoints(l, s, 3, 2), 3);
    EXPECT_EQ(AggregatePoints(l, s, 2, 3), 0);

    // RuleSwap on its own: Gamma above Beta stays, Beta above Gamma would swap.
    Standings probe = s;
    probe.TableOrder[1] = 3;
    probe.TableOrder[2] = 2;
    EXPECT_FALSE(RuleSwap(l, probe, 1));
    std::swap(probe.TableOrder[1], probe.TableOrder[2]);
    EXPECT_TRUE(RuleSwap(l, probe, 1));
    EXPECT_FALSE(RuleSwap(l, probe, 0)); // outside the table
    EXPECT_FALSE(RuleSwap(l, probe, 4));
}

TEST(Ranking, HeadToHeadAddsUpEveryCountedMeeting) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta", "Gamma"});
    b.Played(2, 1, 1, 0, 1); // Beta beat Alpha long ago
    b.Played(1, 2, 0, 0, 5); // then two draws: Beta 5 to 2 over the three
    b.Played(2, 1, 2, 2, 6);
    b.Played(3, 1, 0, 1, 6);
    const League l = b.Build();
    EXPECT_EQ(Ranked(l, "6"), (Ints{2, 1, 3}));
    FillTableArgs late = Range(5, 100000);
    EXPECT_EQ(Ranked(l, "63", late), (Ints{1, 2, 3})) << "only counted games: level, then goals";
    FillTableArgs form = Range(0, 100000, kCurrentForm);
    form.FormGames = 2;
    EXPECT_EQ(Ranked(l, "63", form), (Ints{1, 2, 3})) << "outside both form windows";
}
