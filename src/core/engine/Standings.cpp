#include "core/engine/Standings.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace gorlin {

namespace {

/// League teams and games the arrays really hold (the header counts are trusted, but never
/// beyond the storage or the 32 standings slots).
int TeamLimit(const League& league) {
    const int n = std::min<int>(league.TeamCount(), kMaxTeams);
    return std::max(0, std::min(n, static_cast<int>(league.Teams.size()) - 1));
}

int GameLimit(const League& league) {
    return std::max(0, std::min<int>(league.GameCount(), static_cast<int>(league.Games.size()) - 1));
}

bool IsLeagueTeam(int team, int teamLimit) {
    return team >= 1 && team <= teamLimit;
}

/// Points of one side of a game by its outcome.
int SidePoints(const DivHead& head, int outcome, bool home) {
    if (outcome == 0)
        return head.DrawPoints;
    if (outcome == 1)
        return home ? head.WinPoints : head.LossPoints;
    if (outcome == 2)
        return home ? head.LossPoints : head.WinPoints;
    return 0;
}

/// Head-to-head points of every pair, from the counted games.
using HeadToHead = std::array<std::array<int, kMaxTeams + 1>, kMaxTeams + 1>;

HeadToHead BuildHeadToHead(const League& league, const Standings& s) {
    HeadToHead h2h{};
    const int teams = TeamLimit(league);
    const int games = std::min(GameLimit(league), static_cast<int>(s.GameCounted.size()) - 1);
    for (int g = 1; g <= games; ++g) {
        if (!s.GameCounted[static_cast<std::size_t>(g)])
            continue;
        const GameRec& game = league.Games[static_cast<std::size_t>(g)];
        const int home = game.HomeTeam;
        const int away = game.AwayTeam;
        if (!IsLeagueTeam(home, teams) || !IsLeagueTeam(away, teams) || home == away)
            continue;
        h2h[static_cast<std::size_t>(home)][static_cast<std::size_t>(away)] +=
            SidePoints(league.Head, game.Outcome, true);
        h2h[static_cast<std::size_t>(away)][static_cast<std::size_t>(home)] +=
            SidePoints(league.Head, game.Outcome, false);
    }
    return h2h;
}

/// -1 when A is worse (swap), 1 when A is better, 0 when equal.
template <typename T> int Better(T a, T b) {
    if (a < b)
        return -1;
    if (a > b)
        return 1;
    return 0;
}

/// The rule comparison of two neighbours; `aggregate(a, b)` gives head-to-head points.
template <typename Aggregate>
bool SwapTeams(const League& league, const Standings& s, int a, int b, Aggregate aggregate) {
    const TotalsRec& ta = s.TeamTotals[static_cast<std::size_t>(a)];
    const TotalsRec& tb = s.TeamTotals[static_cast<std::size_t>(b)];
    for (const char rule : league.Head.SortRules.view()) {
        int result = 0;
        switch (rule) {
        case '1':
            result = Better<i16>(ta.Points, tb.Points);
            break;
        case '2':
            result = Better<i16>(ta.GoalDiff, tb.GoalDiff);
            break;
        case '3':
            result =
                Better(static_cast<i16>(ta.HomeFor + ta.AwayFor), static_cast<i16>(tb.HomeFor + tb.AwayFor));
            break;
        case '4':
            return a > b;
        case '5':
            result = Better<i16>(ta.PossPoints, tb.PossPoints);
            break;
        case '6':
            result = Better(static_cast<i16>(aggregate(a, b)), static_cast<i16>(aggregate(b, a)));
            break;
        case '7':
            result = Better(static_cast<unsigned>(ta.HomeWon + ta.AwayWon),
                            static_cast<unsigned>(tb.HomeWon + tb.AwayWon));
            break;
        case '8':
            result = Better(ta.GoalAverage, tb.GoalAverage);
            break;
        case '9':
            result = Better<unsigned>(ta.Increment, tb.Increment);
            break;
        default:
            continue; // not a rule digit
        }
        if (result < 0)
            return true;
        if (result > 0)
            return false;
    }
    return false;
}

bool InRange(int day, int from, int to) {
    return day >= from && day <= to;
}

} // namespace

int GameDay(const GameRec& game) {
    const double d = game.Date;
    if (!(d > -2147483648.0 && d < 2147483647.0)) // also false for NaN
        return 0;
    return static_cast<int>(std::floor(d));
}

int SelectionInForce(const League& league) {
    const int sel = league.CurrentSel;
    if (sel < 1 || sel > kMaxTeamSels || league.TeamSels[static_cast<std::size_t>(sel)].Name.empty())
        return 0;
    return sel;
}

i16 GamesPerTeam(const DivHead& head, int side) {
    const u16 teams = head.TeamCount;
    const u16 games = head.GameCount;
    if (teams == 0)
        return 0;
    i16 perTeam = 0;
    if (static_cast<u16>(teams * static_cast<u16>(teams - 1)) <= games)
        perTeam = static_cast<i16>(static_cast<u16>(static_cast<u16>(games / teams) * 2));
    else
        perTeam = static_cast<i16>(teams - 1);
    if (side != kHomeAndAway)
        perTeam = static_cast<i16>(perTeam / 2);
    return perTeam;
}

int AggregatePoints(const League& league, const Standings& standings, int team, int opponent) {
    const int games = std::min(GameLimit(league), static_cast<int>(standings.GameCounted.size()) - 1);
    int points = 0;
    for (int g = 1; g <= games; ++g) {
        if (!standings.GameCounted[static_cast<std::size_t>(g)])
            continue;
        const GameRec& game = league.Games[static_cast<std::size_t>(g)];
        if (game.HomeTeam == team && game.AwayTeam == opponent)
            points += SidePoints(league.Head, game.Outcome, true);
        else if (game.AwayTeam == team && game.HomeTeam == opponent)
            points += SidePoints(league.Head, game.Outcome, false);
    }
    return points;
}

bool RuleSwap(const League& league, const Standings& standings, int i) {
    if (i < 1 || i >= standings.TableSize || i + 1 > kMaxTeams)
        return false;
    const int a = standings.TableOrder[static_cast<std::size_t>(i)];
    const int b = standings.TableOrder[static_cast<std::size_t>(i + 1)];
    if (a < 1 || a > kMaxTeams || b < 1 || b > kMaxTeams)
        return false;
    return SwapTeams(league, standings, a, b,
                     [&](int x, int y) { return AggregatePoints(league, standings, x, y); });
}

void RankTable(const League& league, Standings& standings) {
    const int n = std::clamp(standings.TableSize, 0, kMaxTeams);
    const bool needH2h = league.Head.SortRules.view().find('6') != std::string_view::npos;
    const HeadToHead h2h = needH2h ? BuildHeadToHead(league, standings) : HeadToHead{};
    auto aggregate = [&](int x, int y) {
        return h2h[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
    };
    auto& order = standings.TableOrder;
    for (int k = n - 1; k >= 1; --k) {
        for (int i = 1; i <= k; ++i) {
            const std::size_t at = static_cast<std::size_t>(i);
            if (SwapTeams(league, standings, order[at], order[at + 1], aggregate))
                std::swap(order[at], order[at + 1]);
        }
    }
}

namespace {

/// What FillTable counts: the arguments resolved against the league.
struct FillScope {
    const League& League_;
    const FillTableArgs& Args;
    int Teams;
    int Games;
    const TeamSelRec* Selection; // null for all teams
};

/// Candidate games of every team in game order, gathered in one scan of the games; `days`
/// gets each game's whole day. For current form each list is cut to the latest FormGames.
std::array<std::vector<int>, kMaxTeams + 1> GatherGames(const FillScope& scope, std::vector<int>& days) {
    const League& league = scope.League_;
    const int content = scope.Args.Content;
    std::array<std::vector<int>, kMaxTeams + 1> lists;
    days.assign(static_cast<std::size_t>(scope.Games) + 1, 0);
    for (int g = 1; g <= scope.Games; ++g) {
        const GameRec& game = league.Games[static_cast<std::size_t>(g)];
        if (!game.Played && content != kPlayedPredicted)
            continue;
        const int day = days[static_cast<std::size_t>(g)] = GameDay(game);
        if (content != kCurrentForm) {
            if (!InRange(day, scope.Args.FromDate, scope.Args.ToDate) &&
                !(content == kPlayedPredicted && day == 0))
                continue;
        }
        if (scope.Selection &&
            !(scope.Selection->IsMember(game.HomeTeam) && scope.Selection->IsMember(game.AwayTeam)))
            continue;
        if (IsLeagueTeam(game.HomeTeam, scope.Teams))
            lists[game.HomeTeam].push_back(g);
        if (game.AwayTeam != game.HomeTeam && IsLeagueTeam(game.AwayTeam, scope.Teams))
            lists[game.AwayTeam].push_back(g);
    }
    if (content == kCurrentForm) {
        const std::size_t keep = static_cast<std::size_t>(std::max(0, scope.Args.FormGames));
        for (std::vector<int>& candidates : lists) {
            // Latest first; equal dates keep game order (what a neighbour-exchange pass gives).
            std::stable_sort(candidates.begin(), candidates.end(), [&](int x, int y) {
                return days[static_cast<std::size_t>(x)] > days[static_cast<std::size_t>(y)];
            });
            if (candidates.size() > keep)
                candidates.resize(keep);
        }
    }
    return lists;
}

/// Adds the home or the away side of a game to that team's totals.
void CountSide(const DivHead& head, const GameRec& game, bool home, TotalsRec& r) {
    ++r.Played;
    const int goalsFor = home ? game.HomeGoals : game.AwayGoals;
    const int goalsAgainst = home ? game.AwayGoals : game.HomeGoals;
    i16& forTotal = home ? r.HomeFor : r.AwayFor;
    i16& againstTotal = home ? r.HomeAgainst : r.AwayAgainst;
    forTotal = static_cast<i16>(forTotal + goalsFor);
    againstTotal = static_cast<i16>(againstTotal + goalsAgainst);
    const int win = home ? 1 : 2;
    if (game.Outcome == 0) {
        r.Points = static_cast<i16>(r.Points + head.DrawPoints);
        ++(home ? r.HomeDrawn : r.AwayDrawn);
    } else if (game.Outcome == win) {
        r.Points = static_cast<i16>(r.Points + head.WinPoints);
        ++(home ? r.HomeWon : r.AwayWon);
    } else if (game.Outcome == 3 - win) {
        r.Points = static_cast<i16>(r.Points + head.LossPoints);
        ++(home ? r.HomeLost : r.AwayLost);
    }
}

/// The figures derived from the counts: goal difference, possible points, percentage, goal
/// average; then the table order of the teams in the selection, ranked.
void FinishTable(const FillScope& scope, Standings& s) {
    const DivHead& head = scope.League_.Head;
    const i16 perTeam = GamesPerTeam(head, scope.Args.Side);
    for (int t = 1; t <= scope.Teams; ++t) {
        TotalsRec& r = s.TeamTotals[static_cast<std::size_t>(t)];
        const int goalsFor = r.HomeFor + r.AwayFor;
        const int goalsAgainst = r.HomeAgainst + r.AwayAgainst;
        r.GoalDiff = static_cast<i16>(goalsFor - goalsAgainst);
        const i16 left = static_cast<i16>(perTeam - r.Played);
        r.PossPoints = static_cast<i16>(r.Points + left * head.WinPoints);
        if (r.Played > 0)
            r.PointsPct = static_cast<i16>(r.Points * 100 / r.Played);
        r.GoalAverage = goalsAgainst == 0 ? static_cast<double>(goalsFor)
                                          : static_cast<double>(goalsFor) / static_cast<double>(goalsAgainst);
    }
    int n = 0;
    for (int t = 1; t <= scope.Teams; ++t)
        if (!scope.Selection || scope.Selection->IsMember(t))
            s.TableOrder[static_cast<std::size_t>(++n)] = static_cast<i16>(t);
    s.TableSize = n;
    RankTable(scope.League_, s);
}

} // namespace

Standings FillTable(const League& league, const FillTableArgs& args, const Standings* previous) {
    const int sel = args.IgnoreSelection ? 0 : SelectionInForce(league);
    const FillScope scope{league, args, TeamLimit(league), GameLimit(league),
                          sel ? &league.TeamSels[static_cast<std::size_t>(sel)] : nullptr};
    const int content = args.Content;
    const int from = args.FromDate;
    const int to = args.ToDate;

    Standings s;
    s.GameCounted.assign(static_cast<std::size_t>(scope.Games) + 1, false);
    for (int t = 1; t <= scope.Teams; ++t) {
        TotalsRec& r = s.TeamTotals[static_cast<std::size_t>(t)];
        const TeamRec& team = league.Teams[static_cast<std::size_t>(t)];
        if (previous)
            r.PrevPos = previous->TeamTotals[static_cast<std::size_t>(t)].PrevPos;
        r.Points = content == kCurrentForm ? i16{0} : static_cast<i16>(team.PointsAdjust);
        r.Increment = (content == kPlayedGames && args.Side == kHomeAndAway) ? team.Increment : u8{0};
    }

    std::vector<int> days;
    const auto lists = GatherGames(scope, days);
    for (int t = 1; t <= scope.Teams; ++t) {
        TotalsRec& r = s.TeamTotals[static_cast<std::size_t>(t)];
        for (const int g : lists[static_cast<std::size_t>(t)]) {
            const GameRec& game = league.Games[static_cast<std::size_t>(g)];
            const int day = days[static_cast<std::size_t>(g)];
            const bool predicted = content == kPlayedPredicted && game.Predicted;
            const bool qualifies = (predicted && InRange(day, from, to)) ||
                                   (game.Played && InRange(day, from, to)) || (predicted && day == 0);
            if (!qualifies)
                continue;
            if (args.Side != kAwayOnly && game.HomeTeam == t) {
                s.GameCounted[static_cast<std::size_t>(g)] = true;
                CountSide(league.Head, game, true, r);
            }
            if (args.Side != kHomeOnly && game.AwayTeam == t) {
                s.GameCounted[static_cast<std::size_t>(g)] = true;
                CountSide(league.Head, game, false, r);
            }
        }
    }
    FinishTable(scope, s);
    return s;
}

TeamData CalcTeamData(const League& league) {
    TeamData d;
    const int games = GameLimit(league);
    for (int g = 1; g <= games; ++g) {
        const GameRec& game = league.Games[static_cast<std::size_t>(g)];
        if (!game.Played || game.Comp != 0)
            continue;
        const int sides[2] = {game.HomeTeam, game.AwayTeam};
        for (int k = 0; k < 2; ++k) {
            const int t = sides[k];
            if (t < 1 || t > kMaxTeams)
                continue;
            const std::size_t at = static_cast<std::size_t>(t);
            d.LeaguePlayed[at] += 1;
            d.LeaguePoints[at] += SidePoints(league.Head, game.Outcome, k == 0);
        }
    }
    const int teams = TeamLimit(league);
    for (int t = 1; t <= teams; ++t) {
        const std::size_t at = static_cast<std::size_t>(t);
        d.LeaguePoints[at] += league.Teams[at].PointsAdjust;
    }
    return d;
}

DateTable BuildDateTable(const League& league, int content, int today) {
    DateTable table;
    const int games = GameLimit(league);
    for (int g = 1; g <= games; ++g) {
        const GameRec& game = league.Games[static_cast<std::size_t>(g)];
        const int day = GameDay(game);
        if (game.Played || (content == kPlayedPredicted && game.Predicted && game.Date > 0))
            table.MatchDates.push_back(day);
    }
    std::sort(table.MatchDates.begin(), table.MatchDates.end());
    table.MatchDates.erase(std::unique(table.MatchDates.begin(), table.MatchDates.end()),
                           table.MatchDates.end());
    if (table.MatchDates.empty()) {
        table.FromDate = table.ToDate = today;
        return table;
    }
    const int count = static_cast<int>(table.MatchDates.size());
    table.FromDate = table.MatchDates.front();
    table.ToDate = table.MatchDates.back();
    table.UpDownMin = 1;
    table.UpDownMax = count;
    table.FromPos = 1;
    table.ToPos = count;
    return table;
}

int SnapFromPosition(const std::vector<int>& matchDates, int picked) {
    if (matchDates.empty())
        return 0;
    const auto it = std::lower_bound(matchDates.begin(), matchDates.end(), picked);
    if (it == matchDates.end())
        return static_cast<int>(matchDates.size());
    return static_cast<int>(it - matchDates.begin()) + 1;
}

int SnapToPosition(const std::vector<int>& matchDates, int picked) {
    if (matchDates.empty())
        return 0;
    const auto it = std::upper_bound(matchDates.begin(), matchDates.end(), picked);
    if (it == matchDates.begin())
        return 1;
    return static_cast<int>(it - matchDates.begin());
}

void StepFromDate(DateTable& table, int position) {
    if (position < 1 || position > static_cast<int>(table.MatchDates.size()))
        return;
    table.FromPos = position;
    table.FromDate = table.MatchDates[static_cast<std::size_t>(position - 1)];
}

void StepToDate(DateTable& table, int position) {
    if (position < 1 || position > static_cast<int>(table.MatchDates.size()))
        return;
    table.ToPos = position;
    table.ToDate = table.MatchDates[static_cast<std::size_t>(position - 1)];
}

void PickFromDate(DateTable& table, int picked) {
    if (picked != 0)
        StepFromDate(table, SnapFromPosition(table.MatchDates, picked));
}

void PickToDate(DateTable& table, int picked) {
    if (picked != 0)
        StepToDate(table, SnapToPosition(table.MatchDates, picked));
}

std::string TableNote(int content, int side) {
    if (content == kPlayedPredicted)
        return "Note: Table includes predicted results";
    if (content == kCurrentForm)
        return "Note: Table shows current form";
    if (side == kHomeOnly)
        return "Note: Table includes home matches only";
    if (side == kAwayOnly)
        return "Note: Table includes away matches only";
    return {};
}

} // namespace gorlin
