#include "core/engine/GoalStats.h"

#include "core/engine/GameFilter.h"
#include "core/engine/Standings.h"
#include "core/engine/StatsLookup.h"
#include "core/model/Text.h"

#include <algorithm>

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

bool UpperLess(std::string_view a, std::string_view b) {
    return CompareNoCase(a, b) < 0;
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

std::vector<HatTrick> GoalsPerMatch(const League& league, int gameType) {
    const std::vector<char> passes = PassingGames(league, gameType);
    std::vector<HatTrick> found;
    std::vector<HatTrick> tally;
    auto flush = [&] {
        for (const HatTrick& t : tally)
            if (t.Goals > 2)
                found.push_back(t);
        tally.clear();
    };
    int current = -1;
    const int goals = GoalLimit(league);
    for (int i = 1; i <= goals; ++i) {
        const GoalRec& goal = league.Goals[static_cast<std::size_t>(i)];
        if (!Passes(passes, goal.Game))
            continue;
        if (goal.Game != current) {
            flush();
            current = goal.Game;
        }
        if (goal.OwnGoal || !PlayerAt(league, goal.Scorer))
            continue;
        auto it = std::find_if(tally.begin(), tally.end(),
                               [&](const HatTrick& t) { return t.Player == goal.Scorer; });
        if (it != tally.end())
            ++it->Goals;
        else
            tally.push_back({goal.Scorer, 1, goal.Game, goal.TeamFor});
    }
    flush();
    return found;
}

void SortGoalsPerMatch(std::vector<HatTrickRow>& rows, int key) {
    auto name = [](const HatTrickRow& r) -> std::string_view { return r.Cells[1]; };
    switch (key) {
    case 1:
        std::stable_sort(rows.begin(), rows.end(), [&](const HatTrickRow& a, const HatTrickRow& b) {
            if (a.Item.Goals != b.Item.Goals)
                return a.Item.Goals > b.Item.Goals;
            if (const int c = CompareNoCase(name(a), name(b)))
                return c < 0;
            return a.Date < b.Date;
        });
        break;
    case 2:
        std::stable_sort(rows.begin(), rows.end(), [&](const HatTrickRow& a, const HatTrickRow& b) {
            if (const int c = CompareNoCase(name(a), name(b)))
                return c < 0;
            if (a.Item.Goals != b.Item.Goals)
                return a.Item.Goals > b.Item.Goals;
            return a.Date < b.Date;
        });
        break;
    case 3:
        std::stable_sort(rows.begin(), rows.end(), [](const HatTrickRow& a, const HatTrickRow& b) {
            if (a.ScoringTeam != b.ScoringTeam)
                return a.ScoringTeam < b.ScoringTeam;
            return a.Date < b.Date;
        });
        break;
    case 4:
        std::stable_sort(rows.begin(), rows.end(), [&](const HatTrickRow& a, const HatTrickRow& b) {
            if (a.Date != b.Date)
                return a.Date < b.Date;
            return UpperLess(name(a), name(b));
        });
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
    auto player = [](const PlayerGoalsRow& r) -> const std::string& { return r.Cells[0]; };
    auto team = [](const PlayerGoalsRow& r) -> const std::string& { return r.Cells[1]; };
    std::stable_sort(rows.begin(), rows.end(), [&](const PlayerGoalsRow& a, const PlayerGoalsRow& b) {
        switch (key) {
        case 2:
            if (team(a) != team(b))
                return team(a) < team(b);
            break;
        case 3:
            if (a.Scored != b.Scored)
                return a.Scored > b.Scored;
            break;
        case 4:
            if (a.Missed != b.Missed)
                return a.Missed > b.Missed;
            break;
        default:
            break;
        }
        return player(a) < player(b);
    });
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
    auto value = [key](const TeamGoalsRow& r) {
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
    };
    std::stable_sort(rows.begin(), rows.end(), [&](const TeamGoalsRow& a, const TeamGoalsRow& b) {
        if (key != 1 && value(a) != value(b))
            return value(a) > value(b);
        return a.Cells[0] < b.Cells[0];
    });
}

GoalStatsData GoalStats(const League& league, int gameType, const Locale& locale, const GoalSortKeys& keys) {
    GoalStatsData d;
    d.SortKeys = keys;
    const int own = league.Head.OwnTeam;
    if (own != 0)
        d.OwnTeamName = std::string(TeamName(league, own));
    const std::vector<char> passes = PassingGames(league, gameType);
    const int players = PlayerLimit(league);
    const int teams = AllTeamLimit(league);
    d.PensAwarded.assign(static_cast<std::size_t>(teams) + 1, 0);
    d.PensConceded.assign(static_cast<std::size_t>(teams) + 1, 0);

    // By-team counters for every team the arrays hold; the grid shows those of the filter.
    std::vector<TeamGoalsRow> byTeam(static_cast<std::size_t>(teams) + 1);
    auto teamRow = [&](int t) -> TeamGoalsRow* {
        return t >= 1 && t <= teams ? &byTeam[static_cast<std::size_t>(t)] : nullptr;
    };

    std::vector<ScorerEntry> table(static_cast<std::size_t>(players) + 1);
    const int goals = GoalLimit(league);
    for (int i = 1; i <= goals; ++i) {
        const GoalRec& goal = league.Goals[static_cast<std::size_t>(i)];
        if (!Passes(passes, goal.Game))
            continue;
        const GameRec& game = league.Games[goal.Game];
        const int other = OtherTeam(game, goal.TeamFor);
        if (TeamGoalsRow* r = teamRow(goal.TeamFor)) {
            ++r->For;
            r->Pens += goal.Penalty ? 1 : 0;
        }
        if (TeamGoalsRow* r = teamRow(other)) {
            ++r->Against;
            r->OwnGoals += goal.OwnGoal ? 1 : 0;
        }
        if (goal.Scorer < 1 || goal.Scorer > players)
            continue; // scorer not known: no scorer, penalty or team-penalty count
        ScorerEntry& e = table[goal.Scorer];
        if (goal.OwnGoal)
            ++e.OwnGoals;
        else
            ++e.Goals;
        if (goal.Penalty) {
            ++e.PensScored;
            ++d.PensScored;
            AddTo(d.PensAwarded, goal.TeamFor);
            AddTo(d.PensConceded, other);
        }
    }

    const int missed = std::min<int>(league.Head.MissedPenCount, kMaxMissedPens);
    for (int i = 1; i <= missed; ++i) {
        const MissedPenRec& pen = league.MissedPens[static_cast<std::size_t>(i)];
        if (!Passes(passes, pen.Game))
            continue;
        ++d.PensMissed;
        AddTo(d.PensAwarded, pen.Team);
        AddTo(d.PensConceded, OtherTeam(league.Games[pen.Game], pen.Team));
        if (pen.Player >= 1 && pen.Player <= players)
            ++table[pen.Player].PensMissed;
    }

    // Compact in player-index order, then rank by goals and name.
    struct Ranked {
        ScorerEntry Entry;
        std::string_view Name;
    };
    std::vector<Ranked> ranked;
    for (int p = 1; p <= players; ++p) {
        ScorerEntry& e = table[static_cast<std::size_t>(p)];
        if (e.Goals + e.OwnGoals + e.PensMissed > 0) {
            e.Player = p;
            ranked.push_back({e, league.Players[static_cast<std::size_t>(p)].Name.view()});
        }
    }
    std::stable_sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) {
        if (a.Entry.Goals != b.Entry.Goals)
            return a.Entry.Goals > b.Entry.Goals;
        return CompareNoCase(a.Name, b.Name) < 0;
    });

    d.Scorers.reserve(ranked.size());
    for (const Ranked& r : ranked) {
        const ScorerEntry& e = r.Entry;
        d.Scorers.push_back(e);
        const std::string_view teamName = PlayerTeamName(league, e.Player);
        if (e.Goals >= 2) {
            std::string text = std::to_string(e.Goals);
            text.reserve(text.size() + r.Name.size() + teamName.size() + 4);
            text.append(" ").append(r.Name).append(" (").append(teamName).append(")");
            d.lbTopScorers.push_back({std::move(text), e.Player});
        }
        const bool ownTeam = !d.OwnTeamName.empty() && teamName == d.OwnTeamName;
        if (e.PensScored + e.PensMissed > 0)
            d.sgPens.push_back({e.Player,
                                e.PensScored,
                                e.PensMissed,
                                ownTeam,
                                {std::string(r.Name), std::string(teamName), std::to_string(e.PensScored),
                                 std::to_string(e.PensMissed)}});
        if (e.OwnGoals > 0)
            d.sgOwnGoals.push_back(
                {e.Player,
                 e.OwnGoals,
                 0,
                 ownTeam,
                 {std::string(r.Name), std::string(teamName), std::to_string(e.OwnGoals)}});
    }
    d.lbPenScored = std::to_string(d.PensScored);
    d.lbPenMissed = std::to_string(d.PensMissed);
    d.lbPenCon = MostText(league, d.PensConceded);
    d.lbPenAward = MostText(league, d.PensAwarded);

    d.HatTricks = GoalsPerMatch(league, gameType);
    for (const HatTrick& h : d.HatTricks) {
        const GameRec& game = league.Games[static_cast<std::size_t>(h.Game)];
        HatTrickRow row;
        row.Item = h;
        row.Date = GameDay(game);
        row.ScoringTeam = std::string(TeamName(league, h.Team));
        row.Cells = {std::to_string(h.Goals), std::string(PlayerName(league, h.Player)),
                     GameCellText(league, game, h.Team), DateText(row.Date, locale)};
        d.sgGoalsPerMatch.push_back(std::move(row));
    }

    const int games = static_cast<int>(passes.size()) - 1;
    for (int g = 1; g <= games; ++g) {
        const GameRec& game = league.Games[static_cast<std::size_t>(g)];
        if (!passes[static_cast<std::size_t>(g)] || !game.Played)
            continue;
        TeamGoalsRow* home = teamRow(game.HomeTeam);
        TeamGoalsRow* away = teamRow(game.AwayTeam);
        if (home) {
            ++home->Games;
            home->CleanSheets += game.AwayGoals == 0 ? 1 : 0;
        }
        if (away) {
            ++away->Games;
            away->CleanSheets += game.HomeGoals == 0 ? 1 : 0;
        }
    }
    const int shownTeams = std::min(teams, gameType == kLeagueGamesOnly ? league.TeamCount() : teams);
    d.sgTeamGoals.reserve(static_cast<std::size_t>(shownTeams));
    for (int t = 1; t <= shownTeams; ++t) {
        TeamGoalsRow row = byTeam[static_cast<std::size_t>(t)];
        row.Team = t;
        row.OwnTeam = t == own;
        row.Cells = {std::string(TeamName(league, t)), std::to_string(row.Games),
                     std::to_string(row.For),          std::to_string(row.Against),
                     std::to_string(row.Pens),         std::to_string(row.OwnGoals),
                     std::to_string(row.CleanSheets)};
        d.sgTeamGoals.push_back(std::move(row));
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
    GoalTimes t;
    const int half = league.Head.HalfLength;
    t.BucketLength = GoalBucketLength(half);
    t.BucketCount = half / t.BucketLength * 2 + 1;
    t.Counts.assign(static_cast<std::size_t>(t.BucketCount) + 1, 0);
    const std::vector<char> passes = PassingGames(league, gameType);
    const int goals = GoalLimit(league);
    for (int i = 1; i <= goals; ++i) {
        const GoalRec& goal = league.Goals[static_cast<std::size_t>(i)];
        if (goal.Minute == 0 || !Passes(passes, goal.Game) || (team != 0 && goal.TeamFor != team))
            continue;
        ++t.Counts[static_cast<std::size_t>(GoalBucket(goal.Minute, t.BucketLength, t.BucketCount))];
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
