#include "core/engine/GoalStats.h"

#include "core/engine/GameFilter.h"
#include "core/engine/Standings.h"
#include "core/engine/StatsLookup.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

namespace gorlin {

namespace {

void AddTo(std::vector<int>& counters, int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < counters.size())
        ++counters[static_cast<std::size_t>(index)];
}

/// "count (team)" of the first team with the highest counter, "" when every counter is 0.
std::string MostText(const League& league, const std::vector<int>& counters) {
    int best = 0;
    int team = 0;
    for (std::size_t t = 1; t < counters.size(); ++t)
        if (counters[t] > best) {
            best = counters[t];
            team = static_cast<int>(t);
        }
    if (best == 0)
        return {};
    return std::to_string(best) + " (" + std::string(TeamName(league, team)) + ")";
}

std::string GameCellText(const League& league, const GameRec& game, int team) {
    const std::string_view home = TeamName(league, game.HomeTeam);
    const std::string_view away = TeamName(league, game.AwayTeam);
    std::string text;
    text.reserve(home.size() + away.size() + 7);
    if (TeamName(league, team) == away) {
        text.append(home).append(" v (").append(away).append(")");
    } else {
        text.append("(").append(home).append(") v ").append(away);
    }
    return text;
}

} // namespace

const std::vector<std::string>& GoalsPerMatchHeadings() {
    static const std::vector<std::string> headings = {"Goals", "Player", "Game", "Date"};
    return headings;
}
const std::vector<std::string>& PensHeadings() {
    static const std::vector<std::string> headings = {"Player", "Team", "Scored", "Missed"};
    return headings;
}
const std::vector<std::string>& OwnGoalsHeadings() {
    static const std::vector<std::string> headings = {"Player", "Team", "Scored"};
    return headings;
}
const std::vector<std::string>& TeamGoalsHeadings() {
    static const std::vector<std::string> headings = {"Team", "Games", "For", "Against",
                                                      "Pens", "OG's",  "C/S"};
    return headings;
}

namespace {

/// One player's own goals and penalties; none can pass 65,535 records.
struct PlayerExtras {
    std::uint16_t OwnGoals = 0;
    std::uint16_t PensScored = 0;
    std::uint16_t PensMissed = 0;
};

/// The empty distribution for a half length and the bucket of every minute up to the start of
/// the last bucket (later minutes fall in the last; minute 0, not known, in the unused entry 0).
GoalTimes EmptyGoalTimes(int halfLength, std::vector<int>& bucketOf) {
    GoalTimes t;
    t.BucketLength = GoalBucketLength(halfLength);
    t.BucketCount = halfLength / t.BucketLength * 2 + 1;
    t.Counts.assign(static_cast<std::size_t>(t.BucketCount) + 1, 0);
    bucketOf.assign(static_cast<std::size_t>(t.BucketCount * t.BucketLength) + 1, t.BucketCount);
    bucketOf[0] = 0;
    for (std::size_t m = 1; m < bucketOf.size(); ++m)
        bucketOf[m] = GoalBucket(static_cast<int>(m), t.BucketLength, t.BucketCount);
    return t;
}

/// What one pass over the goal records that pass the filter counts.
struct GoalPassCounts {
    std::vector<std::uint16_t> Goals; // 0..players: goals that are not own goals
    std::vector<PlayerExtras> Extras; // 0..players
    std::vector<TeamGoalsRow> Teams;  // 0..teams: For, Against, Pens, OwnGoals
    std::vector<HatTrick> HatTricks;  // more than two goals of a player in one run
    std::vector<int> PensAwarded;     // 0..teams, penalties of known scorers
    std::vector<int> PensConceded;
    int PensScored = 0;
    GoalTimes Times; // every team's goals by minute
};

void AddTo(std::vector<TeamGoalsRow>& rows, int team, int TeamGoalsRow::*field, int value) {
    if (team >= 1 && static_cast<std::size_t>(team) < rows.size())
        rows[static_cast<std::size_t>(team)].*field += value;
}

/// Lists the hat-tricks of the run of game g in records [first, end), in order of each scorer's
/// first goal. `perPlayer` holds two words per player, the first his tally: the run number above,
/// goals in that run below.
void ListHatTricks(const GoalRec* records, int first, int end, int g, std::uint32_t run,
                   std::vector<std::uint32_t>& perPlayer, std::vector<HatTrick>& out) {
    for (int k = first; k < end; ++k) {
        const GoalRec& goal = records[k];
        if (goal.Game != g || goal.OwnGoal || goal.Scorer < 1 || 2u * goal.Scorer >= perPlayer.size())
            continue;
        std::uint32_t& t = perPlayer[2u * goal.Scorer];
        if ((t & 0xFFFF) > 2)
            out.push_back({goal.Scorer, static_cast<int>(t & 0xFFFF), g, goal.TeamFor});
        t = run << 16; // listed
    }
}

/// The goal records in order, a run of records of one game at a time (records failing the filter
/// are skipped without ending a run). The loop keeps only what every goal needs in registers: the
/// goals credited to each side of the game, summed in one word, and per known scorer his goals
/// and his tally in the run, which tells the runs holding a hat-trick. Goals are counted by minute
/// and folded into buckets afterwards. Own goals, penalties and goals credited to neither side,
/// the rare ones, are listed during the pass and counted after it.
GoalPassCounts CountGoals(const League& league, const std::vector<char>& passes, int players, int teams) {
    GoalPassCounts c;
    const std::size_t playerCount = static_cast<std::size_t>(std::max(players, 0)) + 1;
    c.Goals.assign(playerCount, 0);
    c.Extras.resize(playerCount);
    c.Teams.resize(static_cast<std::size_t>(std::max(teams, 0)) + 1);
    c.PensAwarded.assign(c.Teams.size(), 0);
    c.PensConceded.assign(c.Teams.size(), 0);
    // Per player, next to each other: his tally in the current run, then his goals.
    std::vector<std::uint32_t> perPlayer(2 * playerCount, 0);
    const int goals = GoalLimit(league);
    const GoalRec* const records0 = league.Goals.data();
    const GoalRec* const end = records0 + goals + 1;
    // Written before they are read: no need to clear them.
    const auto rare = std::make_unique_for_overwrite<const GoalRec*[]>(static_cast<std::size_t>(goals) + 1);
    const GoalRec** rareEnd = rare.get();
    std::vector<const GoalRec*> neither; // goals credited to neither side of their game
    std::uint32_t* const scorers = perPlayer.data();
    std::vector<int> bucketOf;
    c.Times = EmptyGoalTimes(league.Head.HalfLength, bucketOf);
    const std::size_t lastMinute = bucketOf.size() - 1; // later minutes fall in the same bucket
    std::vector<int> byMinute(bucketOf.size(), 0);
    int* const minuteCounts = byMinute.data();
    const std::size_t lastPlayer = playerCount - 1;
    std::uint32_t run = 0;
    const GoalRec* it = records0 + 1;
    while (it < end) {
        const int g = it->Game;
        if (!Passes(passes, g)) {
            ++it;
            continue;
        }
        const GameRec& game = league.Games[static_cast<std::size_t>(g)];
        const unsigned homeTeam = game.HomeTeam;
        const unsigned awayTeam = game.AwayTeam;
        // Sixteen-bit fields (a run has at most 65,535 goals): the goals credited to the home
        // side, to the away side, and all goals.
        std::uint64_t lanes = 0;
        constexpr std::uint64_t oneGoal = std::uint64_t{1} << 32;
        const GoalRec* const first = it;
        ++run;
        // A scorer's tally is runBase plus his goals in this run once he has scored in it; the
        // tallies of earlier runs all lie below it.
        const std::uint32_t runBase = run << 16;
        std::uint32_t highest = runBase;
        for (; it < end; ++it) {
            const GoalRec& goal = *it;
            if (goal.Game != g) {
                if (!Passes(passes, goal.Game))
                    continue;
                break;
            }
            ++minuteCounts[std::min<std::size_t>(goal.Minute, lastMinute)];
            // Own goal or penalty: the record's last two bytes, in one load.
            std::uint16_t flags;
            std::memcpy(&flags, reinterpret_cast<const char*>(&goal) + offsetof(GoalRec, OwnGoal),
                        sizeof flags);
            static_assert(offsetof(GoalRec, Penalty) == offsetof(GoalRec, OwnGoal) + 1);
            *rareEnd = &goal;
            rareEnd += flags != 0 ? 1 : 0;
            const unsigned teamFor = goal.TeamFor;
            // An unknown scorer is counted, as nothing, in entry 0.
            const std::size_t scorer = goal.Scorer;
            const bool known = scorer - 1 < lastPlayer;
            const std::size_t p = known ? scorer : 0;
            const std::uint32_t counts = known && goal.OwnGoal == 0 ? 1u : 0u;
            scorers[2 * p + 1] += counts;
            const std::uint32_t inRun = std::max(scorers[2 * p], runBase) + counts;
            scorers[2 * p] = inRun;
            highest = std::max(highest, inRun);
            lanes += (std::uint64_t{teamFor == homeTeam ? 1u : 0u} |
                      std::uint64_t{teamFor == awayTeam ? 1u : 0u} << 16) +
                     oneGoal;
        }
        const int homeFor = static_cast<int>(lanes & 0xFFFF);
        const int awayFor = homeTeam == awayTeam ? 0 : static_cast<int>(lanes >> 16 & 0xFFFF);
        const bool hatTrick = highest - runBase > 2;
        if (homeFor + awayFor != static_cast<int>(lanes >> 32 & 0xFFFF)) {
            for (const GoalRec* k = first; k < it; ++k)
                if (k->Game == g && k->TeamFor != homeTeam && k->TeamFor != awayTeam)
                    neither.push_back(k);
        }
        AddTo(c.Teams, static_cast<int>(homeTeam), &TeamGoalsRow::For, homeFor);
        AddTo(c.Teams, static_cast<int>(homeTeam), &TeamGoalsRow::Against, awayFor);
        AddTo(c.Teams, static_cast<int>(awayTeam), &TeamGoalsRow::For, awayFor);
        AddTo(c.Teams, static_cast<int>(awayTeam), &TeamGoalsRow::Against, homeFor);
        if (hatTrick)
            ListHatTricks(records0, static_cast<int>(first - records0), static_cast<int>(it - records0), g,
                          run, perPlayer, c.HatTricks);
    }
    for (std::size_t p = 1; p < playerCount; ++p)
        c.Goals[p] = static_cast<std::uint16_t>(scorers[2 * p + 1]); // at most 65,535 records
    for (std::size_t m = 1; m <= lastMinute; ++m)
        c.Times.Counts[static_cast<std::size_t>(bucketOf[m])] += byMinute[m];
    for (const GoalRec* goal : neither) {
        const int homeTeam = league.Games[goal->Game].HomeTeam;
        AddTo(c.Teams, goal->TeamFor, &TeamGoalsRow::For, 1);
        AddTo(c.Teams, goal->TeamFor, &TeamGoalsRow::Pens, goal->Penalty ? 1 : 0);
        AddTo(c.Teams, homeTeam, &TeamGoalsRow::Against, 1);
        AddTo(c.Teams, homeTeam, &TeamGoalsRow::OwnGoals, goal->OwnGoal ? 1 : 0);
    }
    for (const GoalRec* const* r = rare.get(); r != rareEnd; ++r) {
        const GoalRec& goal = **r;
        const GameRec& game = league.Games[goal.Game];
        const int teamFor = goal.TeamFor;
        const int penalty = goal.Penalty ? 1 : 0;
        const int ownGoal = goal.OwnGoal ? 1 : 0;
        // An own goal counts for the side whose player scored it.
        if (teamFor == game.HomeTeam) {
            AddTo(c.Teams, teamFor, &TeamGoalsRow::Pens, penalty);
            AddTo(c.Teams, game.AwayTeam, &TeamGoalsRow::OwnGoals, ownGoal);
        } else if (teamFor == game.AwayTeam) {
            AddTo(c.Teams, teamFor, &TeamGoalsRow::Pens, penalty);
            AddTo(c.Teams, game.HomeTeam, &TeamGoalsRow::OwnGoals, ownGoal);
        }
        if (goal.Scorer - 1u >= lastPlayer)
            continue; // scorer not known: no scorer, penalty or team-penalty count
        PlayerExtras& pc = c.Extras[goal.Scorer];
        pc.OwnGoals = static_cast<std::uint16_t>(pc.OwnGoals + ownGoal);
        if (!penalty)
            continue;
        ++pc.PensScored;
        ++c.PensScored;
        const int other = OtherTeam(game, teamFor);
        if (teamFor >= 1 && teamFor <= teams)
            ++c.PensAwarded[static_cast<std::size_t>(teamFor)];
        if (other >= 1 && other <= teams)
            ++c.PensConceded[static_cast<std::size_t>(other)];
    }
    c.Times.Counts[0] = 0; // goals of unknown minute
    return c;
}

} // namespace

std::vector<HatTrick> GoalsPerMatch(const League& league, int gameType) {
    return CountGoals(league, PassingGames(league, gameType), PlayerLimit(league), AllTeamLimit(league))
        .HatTricks;
}

void SortGoalsPerMatch(std::vector<HatTrickRow>& rows, int key) {
    auto goals = [](const HatTrickRow& r) { return r.Item.Goals; };
    auto name = [](const HatTrickRow& r) { return r.NameRank; };
    auto team = [](const HatTrickRow& r) { return r.TeamRank; };
    auto date = [](const HatTrickRow& r) { return r.Date; };
    // Least significant key first.
    switch (key) {
    case 1:
        StableSortByKey(rows, date);
        StableSortByKey(rows, name);
        StableSortByKey(rows, goals, true);
        break;
    case 2:
        StableSortByKey(rows, date);
        StableSortByKey(rows, goals, true);
        StableSortByKey(rows, name);
        break;
    case 3:
        StableSortByKey(rows, date);
        StableSortByKey(rows, team);
        break;
    case 4:
        StableSortByKey(rows, name);
        StableSortByKey(rows, date);
        break;
    default:
        break;
    }
}

namespace {

/// The sorts shared by the penalties and own-goals grids, whose columns agree up to `lastColumn`.
void SortPlayerGoals(std::vector<PlayerGoalsRow>& rows, int key, int lastColumn) {
    if (key < 1 || key > lastColumn)
        return;
    StableSortByKey(rows, [](const PlayerGoalsRow& r) { return r.NameRank; });
    if (key == 2)
        StableSortByKey(rows, [](const PlayerGoalsRow& r) { return r.TeamRank; });
    else if (key == 3)
        StableSortByKey(
            rows, [](const PlayerGoalsRow& r) { return r.Scored; }, true);
    else if (key == 4)
        StableSortByKey(
            rows, [](const PlayerGoalsRow& r) { return r.Missed; }, true);
}

int TeamGoalsValue(const TeamGoalsRow& r, int key) {
    switch (key) {
    case 2:
        return r.Games;
    case 3:
        return r.For;
    case 4:
        return r.Against;
    case 5:
        return r.Pens;
    case 6:
        return r.OwnGoals;
    default:
        return r.CleanSheets;
    }
}

} // namespace

void SortPens(std::vector<PlayerGoalsRow>& rows, int key) {
    SortPlayerGoals(rows, key, 4);
}

void SortOwnGoals(std::vector<PlayerGoalsRow>& rows, int key) {
    SortPlayerGoals(rows, key, 3);
}

void SortTeamGoals(std::vector<TeamGoalsRow>& rows, int key) {
    if (key < 1 || key > 7)
        return;
    StableSortByKey(rows, [](const TeamGoalsRow& r) { return r.NameRank; });
    if (key != 1)
        StableSortByKey(
            rows, [key](const TeamGoalsRow& r) { return TeamGoalsValue(r, key); }, true);
}

std::string TopScorerText(const League& league, const ScorerEntry& entry) {
    const std::string_view name = PlayerName(league, entry.Player);
    const std::string_view team = PlayerTeamName(league, entry.Player);
    std::string text = std::to_string(entry.Goals);
    text.reserve(text.size() + name.size() + team.size() + 4);
    text.append(" ").append(name).append(" (").append(team).append(")");
    return text;
}

std::string HatTrickCell(const League& league, const HatTrickRow& row, int column, const Locale& locale) {
    switch (column) {
    case 0:
        return std::to_string(row.Item.Goals);
    case 1:
        return std::string(PlayerName(league, row.Item.Player));
    case 2:
        if (const GameRec* game = GameAt(league, row.Item.Game))
            return GameCellText(league, *game, row.Item.Team);
        return {};
    case 3:
        return DateText(row.Date, locale);
    default:
        return {};
    }
}

std::string PlayerGoalsCell(const League& league, const PlayerGoalsRow& row, int column) {
    switch (column) {
    case 0:
        return std::string(PlayerName(league, row.Player));
    case 1:
        return std::string(PlayerTeamName(league, row.Player));
    case 2:
        return std::to_string(row.Scored);
    case 3:
        return std::to_string(row.Missed);
    default:
        return {};
    }
}

std::string TeamGoalsCell(const League& league, const TeamGoalsRow& row, int column) {
    if (column == 0)
        return std::string(TeamName(league, row.Team));
    if (column >= 1 && column <= 6)
        return std::to_string(TeamGoalsValue(row, column + 1));
    return {};
}

std::vector<std::string> HatTrickCells(const League& league, const HatTrickRow& row, const Locale& locale) {
    std::vector<std::string> cells;
    for (int c = 0; c < 4; ++c)
        cells.push_back(HatTrickCell(league, row, c, locale));
    return cells;
}

std::vector<std::string> PlayerGoalsCells(const League& league, const PlayerGoalsRow& row, int columns) {
    std::vector<std::string> cells;
    for (int c = 0; c < columns; ++c)
        cells.push_back(PlayerGoalsCell(league, row, c));
    return cells;
}

std::vector<std::string> TeamGoalsCells(const League& league, const TeamGoalsRow& row) {
    std::vector<std::string> cells;
    for (int c = 0; c < 7; ++c)
        cells.push_back(TeamGoalsCell(league, row, c));
    return cells;
}

GoalStatsData GoalStats(const League& league, int gameType, const GoalSortKeys& keys) {
    GoalStatsData d;
    d.SortKeys = keys;
    const int own = league.Head.OwnTeam;
    if (own != 0)
        d.OwnTeamName = std::string(TeamName(league, own));
    const std::vector<char> passes = PassingGames(league, gameType);
    const int players = PlayerLimit(league);
    const int teams = AllTeamLimit(league);
    GoalPassCounts counts = CountGoals(league, passes, players, teams);
    std::vector<TeamGoalsRow>& byTeam = counts.Teams;
    auto teamRow = [&](int t) -> TeamGoalsRow* {
        return t >= 1 && t <= teams ? &byTeam[static_cast<std::size_t>(t)] : nullptr;
    };
    d.HatTricks = std::move(counts.HatTricks);
    d.PensScored = counts.PensScored;
    d.PensAwarded = std::move(counts.PensAwarded);
    d.PensConceded = std::move(counts.PensConceded);
    d.Times = std::move(counts.Times);

    const int missed = std::min<int>(league.Head.MissedPenCount, kMaxMissedPens);
    for (int i = 1; i <= missed; ++i) {
        const MissedPenRec& pen = league.MissedPens[static_cast<std::size_t>(i)];
        if (!Passes(passes, pen.Game))
            continue;
        ++d.PensMissed;
        AddTo(d.PensAwarded, pen.Team);
        AddTo(d.PensConceded, OtherTeam(league.Games[pen.Game], pen.Team));
        if (pen.Player >= 1 && pen.Player <= players)
            ++counts.Extras[pen.Player].PensMissed;
    }
    d.lbPenScored = std::to_string(d.PensScored);
    d.lbPenMissed = std::to_string(d.PensMissed);
    d.lbPenCon = MostText(league, d.PensConceded);
    d.lbPenAward = MostText(league, d.PensAwarded);

    // Team names ranked once; the last entry stands for a team index outside the array.
    std::vector<std::string_view> teamNames;
    for (int t = 0; t <= teams; ++t)
        teamNames.push_back(TeamName(league, t));
    teamNames.push_back({});
    const std::vector<int> teamRanks = RankNames(teamNames, false);
    auto teamRank = [&](int t) {
        return teamRanks[static_cast<std::size_t>(t >= 0 && t <= teams ? t : teams + 1)];
    };

    // The scorers in player-index order, then in order of their names in upper case (equal names
    // keep index order); sorted by goals below.
    std::vector<int> scorerPlayers;
    std::vector<std::string_view> names;
    scorerPlayers.reserve(static_cast<std::size_t>(players));
    names.reserve(static_cast<std::size_t>(players));
    for (int p = 1; p <= players; ++p) {
        const PlayerExtras& x = counts.Extras[static_cast<std::size_t>(p)];
        if (counts.Goals[static_cast<std::size_t>(p)] + x.OwnGoals + x.PensMissed > 0) {
            scorerPlayers.push_back(p);
            names.push_back(league.Players[static_cast<std::size_t>(p)].Name.view());
        }
    }
    std::vector<int> byName;
    const std::vector<int> upperRanks = RankNames(names, true, &byName);
    // Scorers of one name go by goals, descending, then in index order (an insertion sort: such
    // runs are short): the order the penalty and own-goal rows need, and the table's once sorted
    // by goals.
    d.Scorers.reserve(scorerPlayers.size());
    std::size_t sameName = 0; // where the run of the last name started
    for (const int k : byName) {
        const int p = scorerPlayers[static_cast<std::size_t>(k)];
        const PlayerExtras& x = counts.Extras[static_cast<std::size_t>(p)];
        const ScorerEntry e{p, counts.Goals[static_cast<std::size_t>(p)], x.OwnGoals, x.PensScored,
                            x.PensMissed};
        std::size_t j = d.Scorers.size();
        if (j > 0 &&
            upperRanks[static_cast<std::size_t>(k)] != upperRanks[static_cast<std::size_t>(byName[j - 1])])
            sameName = j;
        d.Scorers.push_back(e);
        for (; j > sameName && d.Scorers[j - 1].Goals < e.Goals; --j)
            d.Scorers[j] = d.Scorers[j - 1];
        d.Scorers[j] = e;
    }
    d.sgGoalsPerMatch.reserve(d.HatTricks.size());
    for (const HatTrick& h : d.HatTricks) {
        HatTrickRow row;
        row.Item = h;
        row.Date = GameDay(league.Games[static_cast<std::size_t>(h.Game)]);
        // Every hat-trick scorer is in the table.
        row.NameRank = upperRanks[static_cast<std::size_t>(
            std::lower_bound(scorerPlayers.begin(), scorerPlayers.end(), h.Player) - scorerPlayers.begin())];
        row.TeamRank = teamRank(h.Team);
        d.sgGoalsPerMatch.push_back(row);
    }

    // The penalty and own-goal rows. Taken in name order, which is nearly always character-code
    // order as well, the names are ranked by comparing neighbours, and the grids' sorts by name
    // find them in order. Otherwise they are ranked by a sort and taken in table order.
    auto inPens = [](const ScorerEntry& e) { return e.PensScored + e.PensMissed > 0; };
    auto inOwnGoals = [](const ScorerEntry& e) { return e.OwnGoals > 0; };
    std::vector<char> ownTeamOf(static_cast<std::size_t>(teams) + 2, 0);
    for (int t = 0; own != 0 && t <= teams + 1; ++t) // the last for any team outside the array
        ownTeamOf[static_cast<std::size_t>(t)] = TeamName(league, t) == d.OwnTeamName;
    d.sgPens.reserve(d.Scorers.size());
    d.sgOwnGoals.reserve(d.Scorers.size());
    auto addRows = [&](const ScorerEntry& e, int nameRank) {
        const int team = league.Players[static_cast<std::size_t>(e.Player)].Team;
        const bool ownTeam = ownTeamOf[static_cast<std::size_t>(team <= teams ? team : teams + 1)] != 0;
        if (inPens(e))
            d.sgPens.push_back({e.Player, e.PensScored, e.PensMissed, nameRank, teamRank(team), ownTeam});
        if (inOwnGoals(e))
            d.sgOwnGoals.push_back({e.Player, e.OwnGoals, 0, nameRank, teamRank(team), ownTeam});
    };
    bool inCodeOrder = true;
    {
        std::string_view previous;
        int rank = -1;
        for (const ScorerEntry& e : d.Scorers) {
            if (!inPens(e) && !inOwnGoals(e))
                continue;
            const std::string_view name = league.Players[static_cast<std::size_t>(e.Player)].Name.view();
            const int order = rank < 0 ? -1 : previous.compare(name);
            if (order > 0) {
                inCodeOrder = false;
                break;
            }
            rank += order < 0 ? 1 : 0;
            previous = name;
            addRows(e, rank);
        }
    }
    StableSortByKey(
        d.Scorers, [](const ScorerEntry& e) { return e.Goals; }, true);
    while (d.TopScorerCount < static_cast<int>(d.Scorers.size()) &&
           d.Scorers[static_cast<std::size_t>(d.TopScorerCount)].Goals >= 2)
        ++d.TopScorerCount;

    if (!inCodeOrder) {
        d.sgPens.clear();
        d.sgOwnGoals.clear();
        std::vector<std::string_view> rowNames;
        for (const ScorerEntry& e : d.Scorers)
            if (inPens(e) || inOwnGoals(e))
                rowNames.push_back(league.Players[static_cast<std::size_t>(e.Player)].Name.view());
        const std::vector<int> ranks = RankNames(rowNames, false);
        std::size_t k = 0;
        for (const ScorerEntry& e : d.Scorers)
            if (inPens(e) || inOwnGoals(e))
                addRows(e, ranks[k++]);
        for (std::vector<PlayerGoalsRow>* rows : {&d.sgPens, &d.sgOwnGoals})
            StableSortByKey(*rows, [](const PlayerGoalsRow& r) { return r.NameRank; });
    }

    const int games = static_cast<int>(passes.size()) - 1;
    for (int g = 1; g <= games; ++g) {
        const GameRec& game = league.Games[static_cast<std::size_t>(g)];
        if (!passes[static_cast<std::size_t>(g)] || !game.Played)
            continue;
        if (TeamGoalsRow* home = teamRow(game.HomeTeam)) {
            ++home->Games;
            home->CleanSheets += game.AwayGoals == 0 ? 1 : 0;
        }
        if (TeamGoalsRow* away = teamRow(game.AwayTeam)) {
            ++away->Games;
            away->CleanSheets += game.HomeGoals == 0 ? 1 : 0;
        }
    }
    const int shownTeams = gameType == kLeagueGamesOnly ? std::min(league.TeamCount(), teams) : teams;
    d.sgTeamGoals.reserve(static_cast<std::size_t>(std::max(0, shownTeams)));
    for (int t = 1; t <= shownTeams; ++t) {
        TeamGoalsRow row = byTeam[static_cast<std::size_t>(t)];
        row.Team = t;
        row.NameRank = teamRank(t);
        row.OwnTeam = t == own;
        d.sgTeamGoals.push_back(row);
    }

    SortGoalsPerMatch(d.sgGoalsPerMatch, keys.GoalsPerMatch);
    SortPens(d.sgPens, keys.Pens);
    SortOwnGoals(d.sgOwnGoals, keys.OwnGoals);
    SortTeamGoals(d.sgTeamGoals, keys.TeamGoals);
    return d;
}

int GoalBucketLength(int halfLength) {
    switch (halfLength) {
    case 10:
        return 1;
    case 15:
        return 3;
    case 20:
        return 2;
    case 25:
        return 5;
    case 30:
        return 3;
    case 35:
        return 5;
    case 40:
        return 4;
    case 45:
        return 5;
    default:
        return 5;
    }
}

int GoalBucket(int minute, int bucketLength, int bucketCount) {
    const int bucket = minute / bucketLength + (minute % bucketLength != 0 ? 1 : 0);
    return std::clamp(bucket, 1, bucketCount);
}

GoalTimes GoalTimeBuckets(const League& league, int gameType, int team) {
    std::vector<int> bucketOf;
    GoalTimes t = EmptyGoalTimes(league.Head.HalfLength, bucketOf);
    const std::vector<char> passes = PassingGames(league, gameType);
    const int goals = GoalLimit(league);
    for (int i = 1; i <= goals; ++i) {
        const GoalRec& goal = league.Goals[static_cast<std::size_t>(i)];
        if (goal.Minute == 0 || !Passes(passes, goal.Game) || (team != 0 && goal.TeamFor != team))
            continue;
        const std::size_t bucket = goal.Minute < bucketOf.size()
                                       ? static_cast<std::size_t>(bucketOf[goal.Minute])
                                       : static_cast<std::size_t>(t.BucketCount);
        ++t.Counts[bucket];
    }
    return t;
}

Colour BucketColour(int k, int bucketCount) {
    if (k == bucketCount)
        return kYellow;
    return k <= bucketCount / 2 ? kBlue : kRed;
}

std::vector<Shape> GoalGraph(const GoalTimes& times, int width, int height) {
    std::vector<Shape> shapes;
    const int n = times.BucketCount;
    if (n < 1 || times.Counts.size() < static_cast<std::size_t>(n) + 1)
        return shapes;
    const int most = *std::max_element(times.Counts.begin() + 1, times.Counts.end());
    if (most == 0)
        return shapes;
    const int bar = std::max(0, width) / n;
    const int margin = (width - bar * n) / 2;
    const int unit = std::max(0, height) / most;
    for (int k = 1; k <= n; ++k) {
        const int count = times.Counts[static_cast<std::size_t>(k)];
        const int x = (k - 1) * bar + margin;
        if (count > 0)
            shapes.push_back(Shape::MakeRect(x, height - unit * count, x + bar, height, BucketColour(k, n)));
        else
            shapes.push_back(Shape::MakeLine(x + 2, height - 1, x + bar - 2, height - 1));
    }
    return shapes;
}

std::vector<TeamListItem> GoalChartTeams(const League& league) {
    std::vector<TeamListItem> items;
    const int teams = std::min(league.TeamCount(), AllTeamLimit(league));
    for (int t = 1; t <= teams; ++t)
        items.push_back({std::string(TeamName(league, t)), t});
    std::stable_sort(items.begin(), items.end(),
                     [](const TeamListItem& a, const TeamListItem& b) { return a.Text < b.Text; });
    items.insert(items.begin(), {"*** All Teams ***", 0});
    return items;
}

} // namespace gorlin
