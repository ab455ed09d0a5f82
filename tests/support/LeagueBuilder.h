#pragma once

#include "core/model/League.h"

#include <string>
#include <vector>

namespace gorlin::test {

/// Builds league models for tests in a few readable lines.
class LeagueBuilder {
public:
    LeagueBuilder();

    /// League teams, in index order (call before OtherTeams and games).
    LeagueBuilder& Teams(const std::vector<std::string>& names);
    /// Non-league teams after the league teams.
    LeagueBuilder& OtherTeams(const std::vector<std::string>& names);
    LeagueBuilder& Points(int win, int draw, int loss);
    LeagueBuilder& Rules(const std::string& sortRules);
    LeagueBuilder& Places(int promoted, int playOffs, int relegated, int relPlayOffs = 0);
    LeagueBuilder& TimesToPlay(int times);

    /// A played league game; returns its index.
    int Played(int home, int away, int homeGoals, int awayGoals, int date);
    /// An unplayed league fixture (predicted score optional).
    int Fixture(int home, int away, int date, bool predicted = false, int homeGoals = 0, int awayGoals = 0);
    /// A game of another competition (appended after the league games).
    int CupGame(int home, int away, int homeGoals, int awayGoals, int date, int comp = 1);
    LeagueBuilder& Comp(const std::string& name, const std::string& shortName);
    int Player(const std::string& name, int team);
    /// A goal of `game` credited to `team` (scorer 0 = not known); returns its index.
    int Goal(int game, int team, int scorer = 0, int minute = 0, bool ownGoal = false, bool penalty = false);
    /// A squad of `team` in `game`, linked from the game's HomeSquad or AwaySquad; entries are
    /// filled from the front (entry 1 first). Returns the squad's index.
    int Squad(int game, int team, const std::vector<SquadEntry>& entries);
    /// A referee; returns its index.
    int Referee(const std::string& name);
    /// A missed penalty; returns its index.
    int MissedPen(int game, int player, int team, int minute);
    LeagueBuilder& Selection(int slot, const std::string& name, const std::vector<int>& members);

    League& Get() { return m_league; }
    League Build();

private:
    int AppendGame(const GameRec& game, bool league);
    League m_league;
};

} // namespace gorlin::test
