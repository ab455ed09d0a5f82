#pragma once

#include "core/model/League.h"

#include <optional>
#include <vector>

namespace gorlin {

/// One team row: the team's figures over the played games that pass the game filter.
struct TeamRow {
    int Team = 0;
    int HomePlayed = 0, HomeWon = 0, HomeDrawn = 0, HomeLost = 0, HomeFor = 0, HomeAgainst = 0;
    int AwayPlayed = 0, AwayWon = 0, AwayDrawn = 0, AwayLost = 0, AwayFor = 0, AwayAgainst = 0;
    int PointsEarned = 0; // before the team's PointsAdjust
    int PossPoints = 0;   // 0 for a team outside the league
    long long TotCrowd = 0;
    int CrowdGames = 0; // home games with a known attendance
    long long MaxCrowd = 0;
    long long MinCrowd = 0; // smallest known attendance, 0 when none
    int Yellows = 0;
    int RedCards = 0;
    int Rated = 0; // squad entries with a rating
    long long RatingTotal = 0;
    int ClnSheets = 0;
    int MissedPens = 0;
    long long Cost = 0;     // players whose current team this is
    int AgedPlayers = 0;    // of them, players with a birth date
    long long AgeTotal = 0; // their whole-year ages today

    int Played() const { return HomePlayed + AwayPlayed; }
    int For() const { return HomeFor + AwayFor; }
    int Against() const { return HomeAgainst + AwayAgainst; }
};

/// One game row: a played game that passes the filter.
struct GameRow {
    int Game = 0;
    int Yellows = 0; // both squads
    int Reds = 0;
    int MissedPens = 0;
    std::optional<double> HomeAge; // average age today of the starters with a birth date
    std::optional<double> AwayAge;
};

/// One goal row: a goal record whose game passes the filter. Rows are kept small: a league may
/// hold 65,535 goals.
struct QueryGoalRow {
    u16 Goal = 0;
    u16 Game = 0;
    u8 Against = 0; // the other team of the game
    bool AwayGoal = false;
};

/// One player row: a player's figures over the goals, squads and missed penalties of the games
/// that pass the filter.
struct QueryPlayerRow {
    int Player = 0;
    int LeagueGoals = 0, OwnGoals = 0, Penalties = 0, OtherGoals = 0, CupGoals = 0;
    int Yellows = 0, Reds = 0;
    int Appear = 0, Started = 0, Sub = 0, Bench = 0, Substitutions = 0;
    int MinsPlay = 0;
    int Rated = 0;
    long long RatingTotal = 0; // tenths
    int MissedPens = 0;
    int ClnSheets = 0;
    int Age = 0; // whole years today, 0 without a birth date

    int TotalGoals() const { return LeagueGoals + CupGoals; }
};

/// One squad row: an occupied entry of a squad whose game passes the filter. Rows are kept
/// small: a league may hold over 140,000 entries.
struct SquadRow {
    u16 Squad = 0;
    u16 Goals = 0; // the player's goals in the game, own goals apart
    u16 OwnGoals = 0;
    u8 Entry = 0; // 1..18
};

/// The row tables of the five tabs, built from the league under one game filter. Every team,
/// game, goal, player and squad entry gets its row, however large the league.
struct QueryRows {
    int GameType = 0; // the filter the rows were built under
    std::vector<TeamRow> TeamRows;
    std::vector<GameRow> GameRows;
    std::vector<QueryGoalRow> GoalRows;
    std::vector<QueryPlayerRow> PlayerRows;
    std::vector<SquadRow> SquadRows;

    /// Rows of a tab (0 outside 0..4).
    int Count(int tab) const;
};

/// Whole years from a birth date to a date: the difference of the years, less one when the
/// date falls before the birthday within its year.
int AgeAt(int birthDate, int date);

/// Builds the five row tables under DivHead::GameType; `today` is the day number ages count to.
QueryRows BuildData(const League& league, int today);

} // namespace gorlin
