#include "core/edit/Fixtures.h"

#include "core/engine/Standings.h"
#include "support/LeagueBuilder.h"

#include <gtest/gtest.h>

namespace gorlin {
namespace {

Locale TestLocale() {
    Locale locale;
    locale.Today = 43466; // 1 January 2019
    return locale;
}

const GameRec& Game(const League& league, int g) {
    return league.Games[static_cast<std::size_t>(g)];
}

/// Three league teams and a non-league one; game 1 played, a cup game with a goal, a squad and
/// a missed penalty after the league games.
struct CupLeague {
    League L;
    CupLeague(int timesToPlay, bool leagueFixture) {
        test::LeagueBuilder b;
        b.Teams({"Ash", "Birch", "Cedar"}).OtherTeams({"Elm"}).Comp("Shield", "SHD").TimesToPlay(timesToPlay);
        b.Played(1, 2, 1, 0, 100);
        const SquadEntry pat{static_cast<u16>(b.Player("Pat", 1)), 0, 0, 0, 0, 0, 0};
        if (leagueFixture)
            b.Squad(b.Fixture(2, 3, 0), 2, {pat}); // its squad goes first
        const int cup = b.CupGame(1, 4, 2, 1, 110);
        b.Goal(cup, 1, pat.Player);
        b.Squad(cup, 1, {pat});
        b.MissedPen(cup, pat.Player, 1, 30);
        L = b.Build();
    }
    /// The cup game's details all point at game `g`.
    void ExpectCupGameAt(int g) const {
        EXPECT_EQ(Game(L, g).AwayTeam, 4);
        EXPECT_EQ(int{L.Goals[1].Game}, g);
        EXPECT_EQ(int{L.MissedPens[1].Game}, g);
        const int squad = Game(L, g).HomeSquad;
        ASSERT_GE(squad, 1);
        EXPECT_EQ(int{L.Squads[static_cast<std::size_t>(squad)].Game}, g);
    }
};

TEST(Fixtures, LeagueFixtureGoesBeforeTheCupGamesAndTheirDetailsFollowThem) {
    CupLeague c(0, false);
    const Expected<int> added = AddFixture(c.L, 0, 2, 43500, 3);
    ASSERT_TRUE(added.ok()) << added.error().Message;
    EXPECT_EQ(*added, 2);
    EXPECT_EQ(c.L.Head.GameCount * 10 + c.L.Head.CupGameCount, 21);
    c.ExpectCupGameAt(3);
    const GameRec& g = Game(c.L, 2);
    EXPECT_EQ(g.Played + g.Predicted + g.HomeGoals + g.AwayGoals + g.Comp + g.HomeSquad, 0);
    EXPECT_EQ(double{g.Date}, 43500.0);
    EXPECT_EQ(AddFixture(c.L, 0, 1, 0, 4).error().Message, kMsgFixtureNotInLeague); // no league team
}

TEST(Fixtures, DeletingTheLastLeagueFixtureRemovesItsSquadAndKeepsTheCupGamesWhole) {
    CupLeague c(0, true); // fixture 2 owns squad 1, the cup game (3) squad 2
    EXPECT_EQ(*DeleteFixturePrompt(c.L, 2), "Are you sure you want to delete fixture Birch v Cedar");
    ASSERT_TRUE(DeleteFixture(c.L, 2).Ok);
    EXPECT_EQ(c.L.Head.GameCount * 10 + c.L.Head.CupGameCount, 11);
    EXPECT_EQ(c.L.Head.SquadCount, 1);
    c.ExpectCupGameAt(2);

    ASSERT_TRUE(AddFixture(c.L, 1, 4, 0, 2).ok()); // the very last game: nothing to move up
    ASSERT_TRUE(DeleteFixture(c.L, 3).Ok);
    EXPECT_EQ(c.L.Head.CupGameCount, 1);
    c.ExpectCupGameAt(2);
}

TEST(Fixtures, MenuAndDeletionFollowTheSchedule) {
    struct Case {
        int TimesToPlay;
        bool Swap, DeleteLeague;
    } cases[] = {{0, false, true}, {1, true, false}, {2, false, false}, {3, true, false}};
    for (const Case& k : cases) {
        CupLeague c(k.TimesToPlay, true);
        ASSERT_TRUE(AddFixture(c.L, 1, 4, 0, 1).ok()); // game 4, a cup fixture
        const FixtureMenuState league = FixtureMenu(c.L, 2);
        EXPECT_EQ(league.SwapTeams, k.Swap) << k.TimesToPlay;
        EXPECT_EQ(league.DeleteFixture, k.DeleteLeague) << k.TimesToPlay;
        EXPECT_TRUE(FixtureMenu(c.L, 4).DeleteFixture);
        EXPECT_FALSE(FixtureMenu(c.L, 1).SetScore); // a played game is no fixture
        EXPECT_EQ(DeleteFixture(c.L, 2).Message, k.DeleteLeague ? "" : kMsgCannotDeleteLeagueFixture);
    }
    CupLeague c(2, true);
    EXPECT_FALSE(SwapFixtureTeams(c.L, 2));
    c.L.Head.TimesToPlay = 3;
    c.L.Games[2].HomeGoals = 2;
    ASSERT_TRUE(SwapFixtureTeams(c.L, 2));
    const GameRec& g = Game(c.L, 2); // teams, goals, squads and outcome all turned round
    EXPECT_EQ(std::vector<int>(
                  {g.HomeTeam, g.AwayTeam, g.HomeGoals, g.AwayGoals, g.HomeSquad, g.AwaySquad, g.Outcome}),
              std::vector<int>({3, 2, 0, 2, 0, 1, 2}));
}

TEST(Fixtures, SpinButtonLimitsAndPredictedFlag) {
    struct Case {
        int Home, Away;
        bool Predicted, HomeSide, Up;
        int WantHome, WantAway;
        bool WantPredicted, Applied;
    } cases[] = {
        {1, 0, true, true, false, 0, 0, true, true},     // down keeps the prediction
        {0, 0, false, true, true, 1, 0, true, true},     // up predicts
        {20, 0, false, true, true, 20, 0, false, false}, // beep at 20
        {25, 0, true, true, true, 25, 0, true, false},   // beyond 20 (typed in a dialog)
        {3, 0, false, false, false, 3, 0, false, false}, // beep at 0
    };
    for (const Case& k : cases) {
        test::LeagueBuilder b;
        b.Teams({"Ash", "Birch"});
        const int g = b.Fixture(1, 2, 0, k.Predicted, k.Home, k.Away);
        League l = b.Build();
        EXPECT_EQ(SpinPredictedGoals(l, g, k.HomeSide, k.Up), k.Applied) << k.Home << "-" << k.Away;
        EXPECT_EQ(Game(l, g).HomeGoals * 100 + Game(l, g).AwayGoals, k.WantHome * 100 + k.WantAway);
        EXPECT_EQ(Game(l, g).Predicted != 0, k.WantPredicted);
        EXPECT_EQ(Game(l, g).Outcome, GameOutcome(Game(l, g)));
        EXPECT_EQ(l.DataChanged, k.Applied);
    }
}

TEST(Fixtures, ClearKeepsCupPredictionsAndToggleFlips) {
    CupLeague c(2, true);
    ASSERT_TRUE(ApplyPredictScore(c.L, 2, 2, 1, 0));
    ASSERT_TRUE(AddFixture(c.L, 1, 4, 0, 1).ok());
    ASSERT_TRUE(ApplyPredictScore(c.L, 4, 3, 0, 0));
    ClearPredictions(c.L);
    EXPECT_EQ(Game(c.L, 2).Predicted + Game(c.L, 2).HomeGoals + Game(c.L, 2).AwayGoals, 0);
    EXPECT_EQ(Game(c.L, 4).Predicted * 100 + Game(c.L, 4).HomeGoals * 10 + Game(c.L, 4).AwayGoals, 130);
    EXPECT_EQ(Game(c.L, 1).HomeGoals, 1); // a result is no prediction
    EXPECT_TRUE(TogglePredicted(c.L, 2));
    EXPECT_FALSE(TogglePredicted(c.L, 1));
}

TEST(Fixtures, AddFixtureChecksAndCompetitionNumbering) {
    struct Case {
        int TimesToPlay, Item, Home, Away;
        const char* Date;
        std::string Want; // the message, or the new game's competition and date
    } cases[] = {
        {0, -1, 1, 1, "", kMsgTeamsMustDiffer}, // teams are checked first
        {0, -1, 1, 2, "", kMsgNoCompetition},   {0, 0, 1, 2, "31/02/2019", kMsgFixtureDateInvalid},
        {0, 0, 1, 4, "", kMsgBothTeamsNeeded}, // not a league team
        {0, 0, 1, 2, "  ", "comp 0 day 0"},     {0, 1, 4, 2, "05/01/2019", "comp 1 day 43470"},
        {2, 0, 4, 2, "", "comp 1 day 0"}, // league not listed: item 0 is competition 1
        {2, 1, 1, 2, "", kMsgNoCompetition},
    };
    for (const Case& k : cases) {
        CupLeague c(k.TimesToPlay, false);
        const Expected<int> added = AddFixtureOk(c.L, {k.Item, k.Home, k.Away, k.Date}, TestLocale());
        const std::string got = added ? "comp " + std::to_string(Game(c.L, *added).Comp) + " day " +
                                            std::to_string(GameDay(Game(c.L, *added)))
                                      : added.error().Message;
        EXPECT_EQ(got, k.Want) << k.Item << " " << k.Date;
        EXPECT_EQ(c.L.DataChanged, added.ok());
    }
}

TEST(Fixtures, ListingByTeamAndEveryHeading) {
    test::LeagueBuilder b;
    b.Teams({"Ash", "Birch", "Cedar"}).Comp("Shield", "SHD").TimesToPlay(2);
    b.Fixture(2, 1, 0, true, 1, 0);    // 1: undated
    b.Fixture(1, 3, 200, false, 0, 2); // 2
    b.Fixture(3, 2, 100, true, 2, 2);  // 3
    b.Played(1, 2, 5, 5, 90);          // 4: not listed
    const int cup = b.CupGame(1, 2, 0, 0, 150);
    League l = b.Build();
    l.Games[static_cast<std::size_t>(cup)].Played = 0;

    struct Case {
        int Column;
        std::vector<int> Games;
    } cases[] = {{kFixDate, {3, 5, 2, 1}},     {kFixPredicted, {3, 1, 5, 2}}, {kFixComp, {3, 2, 1, 5}},
                 {kFixHomeTeam, {5, 2, 1, 3}}, {kFixAwayTeam, {1, 5, 3, 2}},  {kFixHomeGoals, {3, 1, 5, 2}},
                 {kFixAwayGoals, {3, 2, 5, 1}}};
    for (const Case& k : cases) {
        const FixtureList list = ListFixtures(l, 0, k.Column, TestLocale());
        std::vector<int> games;
        for (const FixtureRow& r : list.Rows)
            games.push_back(r.Game);
        EXPECT_EQ(games, k.Games) << kFixtureHeadings[static_cast<std::size_t>(k.Column)];
    }
    const FixtureList birch = ListFixtures(l, 2, kFixDate, TestLocale());
    EXPECT_TRUE(birch.DeleteEnabled);           // it holds the cup fixture
    const FixtureRow& last = birch.Rows.back(); // undated: a blank date
    EXPECT_EQ(last.Cell(kFixPredicted) + "|" + last.Cell(kFixComp) + "|" + last.Cell(kFixDate), "|LGE|");
    EXPECT_FALSE(ListFixtures(l, 3, kFixDate, TestLocale()).DeleteEnabled);
}

} // namespace
} // namespace gorlin
