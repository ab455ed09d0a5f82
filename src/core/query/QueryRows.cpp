#include "core/query/QueryRows.h"

#include "core/engine/GameFilter.h"
#include "core/engine/Standings.h"
#include "core/model/Dates.h"
#include "core/query/Catalogue.h"

#include <algorithm>
#include <limits>

namespace gorlin {

namespace {

std::size_t At(int index) {
    return static_cast<std::size_t>(index);
}

/// Last usable index of a growable array: the count, held to what the array holds.
int LastOf(int count, std::size_t size) {
    return std::clamp(count, 0, static_cast<int>(size) - 1);
}

/// The squad a game links to, or null when the link is 0 or past the squads.
const SquadRec* LinkedSquad(const League& l, int squad, int lastSquad) {
    return squad >= 1 && squad <= lastSquad ? &l.Squads[At(squad)] : nullptr;
}

constexpr int kNoAge = std::numeric_limits<int>::min();

int Flag(u8 b) {
    return b != 0 ? 1 : 0;
}

/// Cards and ratings of the occupied entries of a squad, added to a team row.
void AddSquadFigures(TeamRow& row, const SquadRec* squad) {
    if (!squad)
        return;
    for (const SquadEntry& e : squad->Entries) {
        if (e.Player == 0)
            continue;
        row.Yellows += Flag(e.Yellow1) + Flag(e.Yellow2);
        row.RedCards += Flag(e.Red);
        if (e.Rating > 0) {
            ++row.Rated;
            row.RatingTotal += e.Rating;
        }
    }
}

/// One side of a played game, added to that team's row.
void AddSide(TeamRow& row, const DivHead& head, const GameRec& game, bool home, const SquadRec* squad) {
    const int goalsFor = home ? game.HomeGoals : game.AwayGoals;
    const int goalsAgainst = home ? game.AwayGoals : game.HomeGoals;
    const int won = home ? 1 : 2;
    const bool win = game.Outcome == won;
    const bool draw = game.Outcome == 0;
    if (home) {
        ++row.HomePlayed;
        row.HomeWon += win ? 1 : 0;
        row.HomeDrawn += draw ? 1 : 0;
        row.HomeLost += !win && !draw ? 1 : 0;
        row.HomeFor += goalsFor;
        row.HomeAgainst += goalsAgainst;
        const long long crowd = game.Attendance;
        row.TotCrowd += crowd;
        if (crowd > 0) {
            ++row.CrowdGames;
            row.MaxCrowd = std::max(row.MaxCrowd, crowd);
            row.MinCrowd = row.MinCrowd == 0 ? crowd : std::min(row.MinCrowd, crowd);
        }
    } else {
        ++row.AwayPlayed;
        row.AwayWon += win ? 1 : 0;
        row.AwayDrawn += draw ? 1 : 0;
        row.AwayLost += !win && !draw ? 1 : 0;
        row.AwayFor += goalsFor;
        row.AwayAgainst += goalsAgainst;
    }
    row.PointsEarned += win ? head.WinPoints : draw ? head.DrawPoints : head.LossPoints;
    if (goalsAgainst == 0)
        ++row.ClnSheets;
    AddSquadFigures(row, squad);
}

/// Average age today of a squad's starters with a birth date; none without such a starter.
/// `ageToday` holds every player's age today, kNoAge for a player without a birth date.
std::optional<double> StartersAge(const SquadRec* squad, const std::vector<int>& ageToday) {
    if (!squad)
        return std::nullopt;
    long long total = 0;
    int count = 0;
    for (const SquadEntry& e : squad->Entries) {
        if (e.Player == 0 || e.Player >= ageToday.size() || e.TimeOn != 0 || e.TimeOff == 0 ||
            ageToday[e.Player] == kNoAge)
            continue;
        total += ageToday[e.Player];
        ++count;
    }
    if (count == 0)
        return std::nullopt;
    return static_cast<double>(total) / count;
}

} // namespace

int QueryRows::Count(int tab) const {
    switch (tab) {
    case kTabTeams:
        return static_cast<int>(TeamRows.size());
    case kTabGames:
        return static_cast<int>(GameRows.size());
    case kTabGoals:
        return static_cast<int>(GoalRows.size());
    case kTabPlayers:
        return static_cast<int>(PlayerRows.size());
    case kTabSquads:
        return static_cast<int>(SquadRows.size());
    default:
        return 0;
    }
}

int AgeAt(int birthDate, int date) {
    const CivilDate b = FromDayNumber(birthDate);
    const CivilDate d = FromDayNumber(date);
    int age = d.Year - b.Year;
    if (d.Month < b.Month || (d.Month == b.Month && d.Day < b.Day))
        --age;
    return age;
}

QueryRows BuildData(const League& l, int today) {
    QueryRows rows;
    const int gameType = l.Head.GameType;
    rows.GameType = gameType;

    const int lastGame = LastOf(LastGameForFilter(l, gameType), l.Games.size());
    const int lastTeam =
        LastOf(gameType == kLeagueGamesOnly ? l.TeamCount() : l.AllTeamCount(), l.Teams.size());
    const int lastPlayer = LastOf(l.Head.PlayerCount, l.Players.size());
    const int lastGoal = LastOf(l.Head.GoalCount, l.Goals.size());
    const int lastSquad = LastOf(l.Head.SquadCount, l.Squads.size());
    const int lastMissed = std::min<int>(l.Head.MissedPenCount, kMaxMissedPens);

    // Every player's whole-year age today, kNoAge without a birth date.
    std::vector<int> ageToday(At(lastPlayer) + 1, kNoAge);
    for (int p = 1; p <= lastPlayer; ++p)
        if (const int birth = l.Players[At(p)].BirthDate; birth != 0)
            ageToday[At(p)] = AgeAt(birth, today);

    std::vector<char> passes(At(lastGame) + 1, 0);
    for (int g = 1; g <= lastGame; ++g)
        passes[At(g)] = PassesGameFilter(l.Games[At(g)], gameType) ? 1 : 0;
    const auto passing = [&](int g) { return g >= 1 && g <= lastGame && passes[At(g)] != 0; };
    const auto passingPlayed = [&](int g) { return passing(g) && l.Games[At(g)].Played != 0; };
    const auto teamRow = [&](int t) -> TeamRow* {
        return t >= 1 && t <= lastTeam ? &rows.TeamRows[At(t - 1)] : nullptr;
    };

    // Teams.
    rows.TeamRows.resize(At(lastTeam));
    for (int t = 1; t <= lastTeam; ++t)
        rows.TeamRows[At(t - 1)].Team = t;
    std::vector<int> missedOfGame(At(lastGame) + 1, 0);
    for (int g = 1; g <= lastGame; ++g) {
        if (!passingPlayed(g))
            continue;
        const GameRec& game = l.Games[At(g)];
        if (TeamRow* home = teamRow(game.HomeTeam))
            AddSide(*home, l.Head, game, true, LinkedSquad(l, game.HomeSquad, lastSquad));
        if (TeamRow* away = teamRow(game.AwayTeam))
            AddSide(*away, l.Head, game, false, LinkedSquad(l, game.AwaySquad, lastSquad));
    }
    for (int m = 1; m <= lastMissed; ++m) {
        const MissedPenRec& pen = l.MissedPens[At(m)];
        if (!passingPlayed(pen.Game))
            continue;
        ++missedOfGame[pen.Game];
        if (TeamRow* row = teamRow(pen.Team))
            ++row->MissedPens;
    }
    for (int p = 1; p <= lastPlayer; ++p) {
        const PlayerRec& player = l.Players[At(p)];
        TeamRow* row = teamRow(player.Team);
        if (!row)
            continue;
        row->Cost += player.Cost;
        if (ageToday[At(p)] != kNoAge) {
            ++row->AgedPlayers;
            row->AgeTotal += ageToday[At(p)];
        }
    }
    const int perTeam = GamesPerTeam(l.Head, kHomeAndAway);
    for (TeamRow& row : rows.TeamRows)
        if (row.Team <= l.TeamCount())
            row.PossPoints = (perTeam - row.Played()) * l.Head.WinPoints + row.PointsEarned;

    // Games.
    rows.GameRows.reserve(At(lastGame));
    for (int g = 1; g <= lastGame; ++g) {
        if (!passingPlayed(g))
            continue;
        const GameRec& game = l.Games[At(g)];
        GameRow row;
        row.Game = g;
        row.MissedPens = missedOfGame[At(g)];
        const SquadRec* home = LinkedSquad(l, game.HomeSquad, lastSquad);
        const SquadRec* away = LinkedSquad(l, game.AwaySquad, lastSquad);
        for (const SquadRec* squad : {home, away}) {
            if (!squad)
                continue;
            for (const SquadEntry& e : squad->Entries) {
                if (e.Player == 0)
                    continue;
                row.Yellows += Flag(e.Yellow1) + Flag(e.Yellow2);
                row.Reds += Flag(e.Red);
            }
        }
        row.HomeAge = StartersAge(home, ageToday);
        row.AwayAge = StartersAge(away, ageToday);
        rows.GameRows.push_back(row);
    }

    // Goals, and each passing game's goals in goal order (for the squad rows).
    rows.GoalRows.reserve(At(lastGoal));
    std::vector<int> firstGoal(At(lastGame) + 2, 0);
    for (int i = 1; i <= lastGoal; ++i) {
        const GoalRec& goal = l.Goals[At(i)];
        if (!passing(goal.Game))
            continue;
        const GameRec& game = l.Games[goal.Game];
        QueryGoalRow row;
        row.Goal = static_cast<u16>(i);
        row.Game = goal.Game;
        row.AwayGoal = goal.TeamFor == game.AwayTeam;
        row.Against = goal.TeamFor == game.HomeTeam ? game.AwayTeam : game.HomeTeam;
        rows.GoalRows.push_back(row);
        ++firstGoal[At(goal.Game) + 1];
    }
    for (std::size_t g = 1; g < firstGoal.size(); ++g)
        firstGoal[g] += firstGoal[g - 1];
    // Scorer and own-goal flag of each passing goal, game by game in goal order.
    struct Scored {
        u16 Scorer;
        bool Own;
    };
    std::vector<Scored> goalsByGame(rows.GoalRows.size());
    {
        std::vector<int> fill(firstGoal.begin(), firstGoal.end() - 1);
        for (const QueryGoalRow& row : rows.GoalRows) {
            const GoalRec& goal = l.Goals[row.Goal];
            goalsByGame[At(fill[row.Game]++)] = {goal.Scorer, goal.OwnGoal != 0};
        }
    }

    // Players.
    rows.PlayerRows.resize(At(lastPlayer));
    for (int p = 1; p <= lastPlayer; ++p) {
        QueryPlayerRow& row = rows.PlayerRows[At(p - 1)];
        row.Player = p;
        row.Age = ageToday[At(p)] == kNoAge ? 0 : ageToday[At(p)];
    }
    const auto playerRow = [&](int p) -> QueryPlayerRow* {
        return p >= 1 && p <= lastPlayer ? &rows.PlayerRows[At(p - 1)] : nullptr;
    };
    for (const QueryGoalRow& goalRow : rows.GoalRows) {
        const GoalRec& goal = l.Goals[At(goalRow.Goal)];
        QueryPlayerRow* row = playerRow(goal.Scorer);
        if (!row)
            continue;
        if (goal.OwnGoal) {
            ++row->OwnGoals;
            continue;
        }
        if (goal.TeamFor != l.Players[goal.Scorer].Team)
            ++row->OtherGoals;
        if (goal.Penalty)
            ++row->Penalties;
        if (l.Games[goal.Game].Comp != 0)
            ++row->CupGoals;
        else
            ++row->LeagueGoals;
    }
    for (int m = 1; m <= lastMissed; ++m) {
        const MissedPenRec& pen = l.MissedPens[At(m)];
        if (QueryPlayerRow* row = playerRow(pen.Player); row && passing(pen.Game))
            ++row->MissedPens;
    }

    // Squad entries: the players' appearances and the squad rows.
    const int fullTime = 2 * l.Head.HalfLength;
    // Goals (low half) and own goals (high half) of each player in the game at hand; a game has
    // at most the league's 65,535 goals, so neither half overflows.
    std::vector<u32> scoredBy(At(lastPlayer) + 1, 0);
    const auto scorerSlot = [&scoredBy](u16 player) -> u32* {
        return player < scoredBy.size() ? &scoredBy[player] : nullptr;
    };
    rows.SquadRows.reserve(At(lastSquad) * kSquadEntries);
    for (int s = 1; s <= lastSquad; ++s) {
        const SquadRec& squad = l.Squads[At(s)];
        if (!passing(squad.Game))
            continue;
        const GameRec& game = l.Games[squad.Game];
        const int conceded = squad.Team == game.HomeTeam ? game.AwayGoals : game.HomeGoals;
        const int goalsFrom = firstGoal[squad.Game];
        const int goalsTo = firstGoal[At(squad.Game) + 1];
        for (int i = goalsFrom; i < goalsTo; ++i) {
            const Scored& goal = goalsByGame[At(i)];
            if (u32* slot = scorerSlot(goal.Scorer))
                *slot += goal.Own ? 0x10000u : 1u;
        }
        for (int k = 1; k <= kSquadEntries; ++k) {
            const SquadEntry& e = squad.Entries[k - 1];
            if (e.Player == 0)
                continue;
            const u32* slot = scorerSlot(e.Player);
            const u32 scored = slot ? *slot : 0;
            SquadRow squadRow;
            squadRow.Squad = static_cast<u16>(s);
            squadRow.Entry = static_cast<u8>(k);
            squadRow.Goals = static_cast<u16>(scored & 0xFFFFu);
            squadRow.OwnGoals = static_cast<u16>(scored >> 16);
            rows.SquadRows.push_back(squadRow);

            QueryPlayerRow* row = playerRow(e.Player);
            if (!row)
                continue;
            row->Yellows += Flag(e.Yellow1) + Flag(e.Yellow2);
            row->Reds += Flag(e.Red);
            if (e.TimeOn + e.TimeOff > 0) {
                ++row->Appear;
                row->MinsPlay += std::max(0, e.TimeOff - e.TimeOn);
            }
            if (e.TimeOn == 0 && e.TimeOff > 0)
                ++row->Started;
            if (e.TimeOn > 0)
                ++row->Sub;
            if (e.TimeOn == 0 && e.TimeOff == 0)
                ++row->Bench;
            if (e.TimeOff > 0 && e.TimeOff < fullTime)
                ++row->Substitutions;
            if (e.Rating > 0) {
                ++row->Rated;
                row->RatingTotal += e.Rating;
            }
            if (l.Players[e.Player].Position == 1 && e.TimeOff > 0 && conceded == 0)
                ++row->ClnSheets;
        }
        for (int i = goalsFrom; i < goalsTo; ++i)
            if (u32* slot = scorerSlot(goalsByGame[At(i)].Scorer))
                *slot = 0;
    }
    return rows;
}

} // namespace gorlin
