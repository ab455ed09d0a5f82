#include "core/engine/Standings.h"

#include "support/LeagueBuilder.h"

#include <gtest/gtest.h>
#include <limits>

using namespace gorlin;
using gorlin::test::LeagueBuilder;

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

std::vector<int> Order(const Standings& s) {
    std::vector<int> v;
    for (int i = 1; i <= s.TableSize; ++i)
        v.push_back(s.TableOrder[static_cast<std::size_t>(i)]);
    return v;
}

DivHead Head(int teams, int games) {
    DivHead h{};
    h.TeamCount = static_cast<u16>(teams);
    h.GameCount = static_cast<u16>(games);
    return h;
}

} // namespace

TEST(GamesPerTeam, FixtureListOrTeamCountAndHalvedForOneSide) {
    EXPECT_EQ(GamesPerTeam(Head(20, 380), kHomeAndAway), 38);
    EXPECT_EQ(GamesPerTeam(Head(20, 190), kHomeAndAway), 19);
    EXPECT_EQ(GamesPerTeam(Head(20, 50), kHomeAndAway), 19); // no fixture list: TeamCount - 1
    EXPECT_EQ(GamesPerTeam(Head(20, 380), kHomeOnly), 19);
    EXPECT_EQ(GamesPerTeam(Head(20, 190), kAwayOnly), 9);
    EXPECT_EQ(GamesPerTeam(Head(20, 50), kHomeOnly), 9);
    EXPECT_EQ(GamesPerTeam(Head(0, 10), kHomeAndAway), 0); // no division by zero
    // 16-bit: 65535 games of one team give 131070, which wraps to -2.
    EXPECT_EQ(GamesPerTeam(Head(1, 65535), kHomeAndAway), -2);
}

TEST(FillTable, CountsResultsIntoHomeAndAwayTotals) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta", "Gamma", "Delta"}).Points(3, 1, 0);
    b.Played(1, 2, 2, 1, 100);
    b.Played(2, 1, 0, 0, 101);
    b.Played(3, 1, 1, 4, 102);
    b.Fixture(1, 4, 103);
    const League l = b.Build();
    const Standings s = FillTable(l, Range(0, 1000));
    const TotalsRec& a = Of(s, 1);
    EXPECT_EQ(a.Played, 3);
    EXPECT_EQ(a.HomeWon, 1);
    EXPECT_EQ(a.HomeFor, 2);
    EXPECT_EQ(a.HomeAgainst, 1);
    EXPECT_EQ(a.AwayWon, 1);
    EXPECT_EQ(a.AwayDrawn, 1);
    EXPECT_EQ(a.AwayFor, 4);
    EXPECT_EQ(a.AwayAgainst, 1);
    EXPECT_EQ(a.Points, 7);
    EXPECT_EQ(a.GoalDiff, 4);
    EXPECT_EQ(a.PointsPct, 233); // 7 * 100 div 3
    // 4 games listed, 4 teams: GamesPerTeam is 3, so nothing is left for Alpha.
    EXPECT_EQ(a.PossPoints, 7);
    EXPECT_EQ(Of(s, 4).Played, 0);
    EXPECT_EQ(Of(s, 4).PointsPct, 0);
    EXPECT_EQ(Of(s, 4).PossPoints, 9);
    EXPECT_EQ(Order(s), (std::vector<int>{1, 2, 4, 3})); // Delta: same points, better difference
    EXPECT_TRUE(s.GameCounted[1] && s.GameCounted[2] && s.GameCounted[3]);
    EXPECT_FALSE(s.GameCounted[4]);
}

TEST(FillTable, AwardedGameCountsForTheAwardedSideWithItsGoals) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta"});
    const int g = b.Played(1, 2, 3, 1, 100);
    League l = b.Build();
    l.Games[static_cast<std::size_t>(g)].Awarded = 2;
    UpdateGameEx(l, g);
    const Standings s = FillTable(l, Range(0, 1000));
    EXPECT_EQ(Of(s, 1).HomeLost, 1);
    EXPECT_EQ(Of(s, 1).Points, 0);
    EXPECT_EQ(Of(s, 1).HomeFor, 3);
    EXPECT_EQ(Of(s, 2).AwayWon, 1);
    EXPECT_EQ(Of(s, 2).Points, 3);
    EXPECT_EQ(Of(s, 2).GoalDiff, -2);
    EXPECT_EQ(Order(s), (std::vector<int>{2, 1}));
}

TEST(FillTable, GoalAverageAndItsZeroCases) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta", "Gamma", "Delta"});
    b.Played(1, 2, 10, 0, 100); // Alpha 10/0
    b.Played(3, 4, 6, 0, 100);
    b.Played(4, 3, 4, 4, 101); // Gamma 10/4
    const Standings s = FillTable(b.Build(), Range(0, 1000));
    EXPECT_DOUBLE_EQ(Of(s, 1).GoalAverage, 10.0);
    EXPECT_DOUBLE_EQ(Of(s, 2).GoalAverage, 0.0);
    EXPECT_DOUBLE_EQ(Of(s, 3).GoalAverage, 2.5);
}

TEST(FillTable, PredictedUndatedFixtureCountsOnlyWithItsFlag) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta", "Gamma"});
    b.Played(1, 2, 1, 0, 100);
    const int flagged = b.Fixture(2, 3, 0, true, 2, 0);
    const int unflagged = b.Fixture(3, 1, 0, false, 5, 0);
    const int datedOutside = b.Fixture(1, 3, 500, true, 1, 1);
    const League l = b.Build();

    const Standings s = FillTable(l, Range(100, 200, kPlayedPredicted));
    EXPECT_TRUE(s.GameCounted[static_cast<std::size_t>(flagged)]);
    EXPECT_FALSE(s.GameCounted[static_cast<std::size_t>(unflagged)]);
    EXPECT_FALSE(s.GameCounted[static_cast<std::size_t>(datedOutside)]);
    EXPECT_EQ(Of(s, 2).Played, 2);
    EXPECT_EQ(Of(s, 2).HomeWon, 1);
    EXPECT_EQ(Of(s, 3).Played, 1);
    EXPECT_EQ(Of(s, 3).Points, 0);

    const Standings played = FillTable(l, Range(100, 200));
    EXPECT_EQ(Of(played, 2).Played, 1);
    EXPECT_EQ(Of(played, 3).Played, 0);
}

TEST(FillTable, CurrentFormCountsLatestGamesByDateWithoutAdjustment) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta"});
    // Ten games stored out of date order: Alpha wins those on days 1..4, draws 5..10.
    const int days[] = {7, 1, 9, 3, 10, 2, 5, 8, 4, 6};
    for (int d : days)
        b.Played(1, 2, d <= 4 ? 1 : 0, 0, d);
    b.Get().Teams[1].PointsAdjust = -5;
    const League l = b.Build();

    FillTableArgs form = Range(1, 10, kCurrentForm);
    form.FormGames = 6;
    const Standings s = FillTable(l, form);
    EXPECT_EQ(Of(s, 1).Played, 6);
    EXPECT_EQ(Of(s, 1).HomeDrawn, 6); // days 5..10
    EXPECT_EQ(Of(s, 1).HomeWon, 0);
    EXPECT_EQ(Of(s, 1).Points, 6); // no -5
    EXPECT_EQ(Of(s, 1).Increment, 0);

    const Standings all = FillTable(l, Range(1, 10));
    EXPECT_EQ(Of(all, 1).Points, 4 * 3 + 6 - 5);
}

TEST(FillTable, CupGamesAndReversedRangesCountNothing) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta"}).Comp("Cup", "CUP");
    b.Played(1, 2, 1, 0, 100);
    b.CupGame(2, 1, 5, 0, 100);
    const League l = b.Build();
    const Standings s = FillTable(l, Range(0, 1000));
    EXPECT_EQ(Of(s, 1).Played, 1);
    EXPECT_EQ(Of(s, 2).Played, 1);
    EXPECT_EQ(Of(s, 2).Points, 0);
    EXPECT_EQ(s.GameCounted.size(), 2u);

    const Standings reversed = FillTable(l, Range(101, 99));
    EXPECT_EQ(Of(reversed, 1).Played, 0);
    EXPECT_EQ(Of(reversed, 2).Played, 0);
}

TEST(FillTable, SideFilterAndIncrement) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta"});
    b.Played(1, 2, 1, 0, 100);
    b.Played(2, 1, 1, 0, 101);
    b.Get().Teams[2].Increment = 7;
    const League l = b.Build();
    const Standings home = FillTable(l, Range(0, 1000, kPlayedGames, kHomeOnly));
    EXPECT_EQ(Of(home, 1).Played, 1);
    EXPECT_EQ(Of(home, 1).HomeWon, 1);
    EXPECT_EQ(Of(home, 1).AwayLost, 0);
    EXPECT_EQ(Of(home, 2).Increment, 0);
    // GamesPerTeam is halved: 2 teams, 2 games -> 2, home only -> 1.
    EXPECT_EQ(Of(home, 1).PossPoints, 3);
    EXPECT_EQ(Of(FillTable(l, Range(0, 1000)), 2).Increment, 7);
    EXPECT_EQ(Of(FillTable(l, Range(0, 1000, kPlayedPredicted)), 2).Increment, 0);
    const Standings away = FillTable(l, Range(0, 1000, kPlayedGames, kAwayOnly));
    EXPECT_EQ(Of(away, 1).Played, 1);
    EXPECT_EQ(Of(away, 1).AwayLost, 1);
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
    EXPECT_EQ(s.TableSize, 3);
    EXPECT_EQ(Order(s), (std::vector<int>{2, 1, 4}));
    EXPECT_EQ(Of(s, 1).Played, 1); // the game against Gamma is outside the selection
    EXPECT_FALSE(s.GameCounted[2]);

    FillTableArgs all = Range(0, 1000);
    all.IgnoreSelection = true;
    const Standings whole = FillTable(l, all);
    EXPECT_EQ(whole.TableSize, 4);
    EXPECT_EQ(Of(whole, 1).Played, 2);

    l.CurrentSel = 5; // an unused slot is no selection
    EXPECT_EQ(FillTable(l, Range(0, 1000)).TableSize, 4);
}

TEST(FillTable, PrevPosSurvivesAndEverythingElseIsRebuilt) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta"});
    b.Played(1, 2, 1, 0, 100);
    const League l = b.Build();
    Standings before = FillTable(l, Range(0, 1000));
    before.TeamTotals[1].PrevPos = 2;
    before.TeamTotals[1].Played = 40;
    const Standings s = FillTable(l, Range(0, 1000), &before);
    EXPECT_EQ(Of(s, 1).PrevPos, 2);
    EXPECT_EQ(Of(s, 1).Played, 1);
    EXPECT_EQ(Of(FillTable(l, Range(0, 1000)), 1).PrevPos, 0);
}

TEST(FillTable, EveryGameOfATeamCountsBeyondAHundred) {
    // Two teams meeting 150 times (beyond the 100 games one team's list once held).
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta"});
    for (int i = 0; i < 150; ++i)
        b.Played(i % 2 ? 1 : 2, i % 2 ? 2 : 1, 1, 0, 100 + i);
    const League l = b.Build();
    const Standings s = FillTable(l, Range(0, 1000));
    EXPECT_EQ(Of(s, 1).Played, 150);
    EXPECT_EQ(Of(s, 2).Played, 150);
    EXPECT_EQ(Of(s, 1).Points, 225);

    FillTableArgs form = Range(0, 1000, kCurrentForm);
    form.FormGames = 10;
    EXPECT_EQ(Of(FillTable(l, form), 1).Played, 10);
    // Form counts the latest ten (days 240..249): five home wins for each side.
    EXPECT_EQ(Of(FillTable(l, form), 1).HomeWon, 5);
}

TEST(FillTable, DamagedDatesAndTeamLinksStayInBounds) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta"});
    const int g = b.Played(1, 2, 1, 0, 100);
    b.Played(1, 40, 1, 0, 100); // a team index past the league
    League l = b.Build();
    l.Games[static_cast<std::size_t>(g)].Date = std::numeric_limits<double>::quiet_NaN();
    l.Head.GameCount = 500; // more than the array holds
    const Standings s = FillTable(l, Range(0, 1000));
    EXPECT_EQ(Of(s, 1).Played, 2); // the NaN date reads as day 0, inside the range
    EXPECT_EQ(s.TableSize, 2);
}

TEST(CalcTeamData, AllPlayedLeagueGamesPlusAdjustment) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta"}).Comp("Cup", "CUP");
    b.Played(1, 2, 1, 0, 100);
    b.Played(2, 1, 2, 2, 5000);
    b.Fixture(1, 2, 200, true, 3, 0);
    b.CupGame(1, 2, 4, 0, 100);
    b.Get().Teams[2].PointsAdjust = 3;
    const TeamData d = CalcTeamData(b.Build());
    EXPECT_EQ(d.LeaguePlayed[1], 2);
    EXPECT_EQ(d.LeaguePoints[1], 4);
    EXPECT_EQ(d.LeaguePlayed[2], 2);
    EXPECT_EQ(d.LeaguePoints[2], 4);
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
    EXPECT_EQ(played.MatchDates, (std::vector<int>{100, 300}));
    EXPECT_EQ(played.FromDate, 100);
    EXPECT_EQ(played.ToDate, 300);
    EXPECT_EQ(played.UpDownMin, 1);
    EXPECT_EQ(played.UpDownMax, 2);
    EXPECT_EQ(played.FromPos, 1);
    EXPECT_EQ(played.ToPos, 2);

    const DateTable predicted = BuildDateTable(l, kPlayedPredicted, 9999);
    EXPECT_EQ(predicted.MatchDates, (std::vector<int>{100, 300, 400}));

    LeagueBuilder e;
    e.Teams({"Alpha", "Beta"});
    e.Fixture(1, 2, 400);
    const DateTable empty = BuildDateTable(e.Build(), kPlayedGames, 45000);
    EXPECT_TRUE(empty.MatchDates.empty());
    EXPECT_EQ(empty.FromDate, 45000);
    EXPECT_EQ(empty.ToDate, 45000);
    EXPECT_EQ(empty.UpDownMax, 0);
    EXPECT_EQ(empty.FromPos, 0);
    EXPECT_EQ(empty.ToPos, 0);
}

TEST(DateTable, MoreThanTwoHundredDatesAreAllKept) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta"});
    for (int d = 1; d <= 250; ++d)
        b.Played(1, 2, 0, 0, 1000 + d);
    const DateTable t = BuildDateTable(b.Build(), kPlayedGames, 0);
    EXPECT_EQ(t.MatchDates.size(), 250u);
    EXPECT_EQ(t.ToDate, 1250);
    EXPECT_EQ(t.ToPos, 250);
}

TEST(DateTable, PickedDatesSnapToMatchDates) {
    const std::vector<int> dates = {100, 200, 300};
    // From end: first on or after; last when later than all.
    EXPECT_EQ(SnapFromPosition(dates, 50), 1);
    EXPECT_EQ(SnapFromPosition(dates, 200), 2);
    EXPECT_EQ(SnapFromPosition(dates, 201), 3);
    EXPECT_EQ(SnapFromPosition(dates, 999), 3);
    // To end: last on or before; first when earlier than all.
    EXPECT_EQ(SnapToPosition(dates, 50), 1);
    EXPECT_EQ(SnapToPosition(dates, 200), 2);
    EXPECT_EQ(SnapToPosition(dates, 299), 2);
    EXPECT_EQ(SnapToPosition(dates, 999), 3);
    EXPECT_EQ(SnapFromPosition({}, 5), 0);

    DateTable t;
    t.MatchDates = dates;
    t.FromDate = 100;
    t.ToDate = 300;
    t.FromPos = 1;
    t.ToPos = 3;
    PickFromDate(t, 250);
    PickToDate(t, 150);
    EXPECT_EQ(t.FromDate, 300);
    EXPECT_EQ(t.FromPos, 3);
    EXPECT_EQ(t.ToDate, 100); // a reversed range is allowed
    EXPECT_EQ(t.ToPos, 1);
    PickToDate(t, 0); // calendar cancelled
    EXPECT_EQ(t.ToDate, 100);
    StepFromDate(t, 2);
    EXPECT_EQ(t.FromDate, 200);
    StepFromDate(t, 4); // beyond the table: no change
    EXPECT_EQ(t.FromPos, 2);

    DateTable empty;
    empty.FromDate = empty.ToDate = 45000;
    PickFromDate(empty, 123);
    EXPECT_EQ(empty.FromDate, 45000);
}

TEST(TableNote, FirstApplyingRule) {
    EXPECT_EQ(TableNote(kPlayedPredicted, kHomeOnly), "Note: Table includes predicted results");
    EXPECT_EQ(TableNote(kCurrentForm, kAwayOnly), "Note: Table shows current form");
    EXPECT_EQ(TableNote(kPlayedGames, kHomeOnly), "Note: Table includes home matches only");
    EXPECT_EQ(TableNote(kPlayedGames, kAwayOnly), "Note: Table includes away matches only");
    EXPECT_EQ(TableNote(kPlayedGames, kHomeAndAway), "");
}
