#include "core/engine/TeamStats.h"

#include "core/engine/FormSummary.h"
#include "core/engine/GameFilter.h"
#include "core/engine/Standings.h"
#include "core/model/Dates.h"

#include <algorithm>
#include <utility>

namespace gorlin {

namespace {

// Highest indices the arrays really hold (header counts are trusted only within the storage).
int Limit(int count, std::size_t size) {
    return std::max(0, std::min(count, static_cast<int>(size) - 1));
}
int AllGameLimit(const League& l) {
    return Limit(l.AllGameCount(), l.Games.size());
}
int PlayerLimit(const League& l) {
    return Limit(l.Head.PlayerCount, l.Players.size());
}
int GoalLimit(const League& l) {
    return Limit(l.Head.GoalCount, l.Goals.size());
}
int SquadLimit(const League& l) {
    return Limit(l.Head.SquadCount, l.Squads.size());
}
int TeamLimit(const League& l) {
    return Limit(l.AllTeamCount(), l.Teams.size());
}
int LeagueTeamLimit(const League& l) {
    return std::min(Limit(l.TeamCount(), l.Teams.size()), kMaxTeams);
}

const GameRec* GameAt(const League& l, int g) {
    return g >= 1 && g <= AllGameLimit(l) ? &l.Games[static_cast<std::size_t>(g)] : nullptr;
}

/// What one scan of the games 1..G+C gives for a team.
struct GameScan {
    std::vector<int> TeamGames;   // played, passing the filter, within the filter's games; index order
    std::vector<int> Fixtures;    // unplayed, passing the filter; index order
    std::vector<int> PlayedGames; // every played game of the team, whatever its competition
    std::vector<u8> Passes;       // per game index: passes the filter
    int StandingsPlayed = 0;      // games the standings over all league games up to today count
};

GameScan ScanGames(const League& l, int team, int gameType, int today) {
    GameScan scan;
    const int all = AllGameLimit(l);
    const int last = std::min(LastGameForFilter(l, gameType), all);
    const int leagueGames = std::min(l.GameCount(), all);
    const bool leagueTeam = team >= 1 && team <= std::min(l.TeamCount(), kMaxTeams);
    scan.Passes.assign(static_cast<std::size_t>(all) + 1, 0);
    for (int g = 1; g <= all; ++g) {
        const GameRec& game = l.Games[static_cast<std::size_t>(g)];
        const bool passes = PassesGameFilter(game, gameType);
        scan.Passes[static_cast<std::size_t>(g)] = passes ? 1 : 0;
        const int sides = (game.HomeTeam == team ? 1 : 0) + (game.AwayTeam == team ? 1 : 0);
        if (team == 0 || sides == 0)
            continue;
        if (!game.Played) {
            if (passes)
                scan.Fixtures.push_back(g);
            continue;
        }
        scan.PlayedGames.push_back(g);
        if (passes && g <= last)
            scan.TeamGames.push_back(g);
        // What FillTable(played games, both sides, all teams, 0..today) counts for the team.
        const int day = GameDay(game);
        if (leagueTeam && g <= leagueGames && day >= 0 && day <= today)
            scan.StandingsPlayed += sides;
    }
    return scan;
}

/// "Graph" needs a game of the team that the standings up to today count, and not one competition.
bool GraphOffered(const GameScan& scan, int gameType) {
    return scan.StandingsPlayed > 0 && gameType < 2;
}

const SquadRec* SquadAt(const League& l, int s) {
    return s >= 1 && s <= SquadLimit(l) ? &l.Squads[static_cast<std::size_t>(s)] : nullptr;
}

std::string TeamName(const League& l, int team) {
    if (team < 0 || static_cast<std::size_t>(team) >= l.Teams.size())
        return {};
    return l.Teams[static_cast<std::size_t>(team)].Name.str();
}

/// The side an own goal's scorer played on: the game's home team unless the goal was credited to
/// it, else the away team. -1 when the game does not exist.
int OwnGoalSide(const League& l, const GoalRec& goal) {
    const GameRec* game = GameAt(l, goal.Game);
    if (!game)
        return -1;
    return game->HomeTeam != goal.TeamFor ? game->HomeTeam : game->AwayTeam;
}

/// A goal its scorer scored for `team`: a goal credited to the team, or an own goal scored while
/// playing for it (the other side's own goals credited to the team are not his).
bool ScoredFor(const League& l, const GoalRec& goal, int team) {
    return goal.OwnGoal ? OwnGoalSide(l, goal) == team : goal.TeamFor == team;
}

/// One pass over the goals: who scored for the team in any game, and (when `passes`, one flag
/// per game index, is given) the goals of every scorer in the games passing the filter. Goals
/// for the team are few and kept by index; the totals of every scorer stay in one dense array.
struct GoalPass {
    std::vector<u8> ScoredForTeam; // 1..PlayerCount
    std::vector<int> GoalsTotal;   // 1..PlayerCount, for any team, own goals apart
    std::vector<int> ForTeam;      // goals for the team in games passing the filter
};

GoalPass CountGoals(const League& l, int team, const std::vector<u8>* passes) {
    const int players = PlayerLimit(l);
    GoalPass pass;
    pass.ScoredForTeam.assign(static_cast<std::size_t>(players) + 1, 0);
    pass.GoalsTotal.assign(passes ? static_cast<std::size_t>(players) + 1 : 0, 0);
    // Plain pointers: writes through them cannot change the tables the loop reads.
    u8* scored = pass.ScoredForTeam.data();
    int* totals = pass.GoalsTotal.data();
    const u8* counted = passes ? passes->data() : nullptr;
    const std::size_t games = passes ? passes->size() : 0;
    const GoalRec* goals = l.Goals.data();
    const int goalCount = GoalLimit(l);
    for (int k = 1; k <= goalCount; ++k) {
        const GoalRec& goal = goals[k];
        const unsigned scorer = goal.Scorer;
        if (scorer - 1u >= static_cast<unsigned>(players))
            continue;
        const bool own = goal.OwnGoal != 0;
        const std::size_t g = goal.Game;
        const bool counts = g < games && counted[g];
        if (counts && !own) // never without a filter table, when there are no totals
            ++totals[scorer];
        if (own ? OwnGoalSide(l, goal) == team : goal.TeamFor == team) {
            scored[scorer] = 1;
            if (counts)
                pass.ForTeam.push_back(k);
        }
    }
    return pass;
}

/// Marks the players of a team (see IncludePlayer), given the team's played games and the
/// players who scored for it.
std::vector<u8> MarkIncluded(const League& l, int team, const std::vector<int>& playedGames,
                             std::vector<u8> in) {
    const int players = static_cast<int>(in.size()) - 1;
    auto mark = [&](int p) {
        if (p >= 1 && p <= players)
            in[static_cast<std::size_t>(p)] = 1;
    };
    for (int p = 1; p <= players; ++p)
        if (l.Players[static_cast<std::size_t>(p)].Team == team)
            mark(p);
    for (const int g : playedGames) {
        const GameRec& game = l.Games[static_cast<std::size_t>(g)];
        for (const int squad :
             {game.HomeTeam == team ? game.HomeSquad : 0, game.AwayTeam == team ? game.AwaySquad : 0})
            if (const SquadRec* s = SquadAt(l, squad))
                for (const SquadEntry& e : s->Entries)
                    mark(e.Player);
    }
    return in;
}

/// Outcome from the team's side: 1 won, 0 drawn, -1 lost (a damaged outcome counts as a draw).
int TeamResult(const GameRec& game, bool home) {
    if (game.Outcome == 1)
        return home ? 1 : -1;
    if (game.Outcome == 2)
        return home ? -1 : 1;
    return 0;
}

void Record(HighScore& high, int goals, int opponent) {
    if (goals > high.Goals) {
        high.Goals = goals;
        high.Opponent = opponent;
    }
}

void HighScoreLabels(const League& l, const HighScore& high, std::string& goals, std::string& team) {
    if (high.Opponent == 0)
        return;
    goals = std::to_string(high.Goals);
    team = TeamName(l, high.Opponent);
}

std::string CleanText(int clean, int games) {
    if (games == 0)
        return "n/a";
    return std::to_string(clean) + " (" + std::to_string(clean * 100LL / games) + "%)";
}

TeamStatsTotals CountTotals(const League& l, const std::vector<int>& games, int team) {
    TeamStatsTotals t;
    for (const int g : games) {
        const GameRec& game = l.Games[static_cast<std::size_t>(g)];
        const bool home = game.HomeTeam == team;
        const int result = TeamResult(game, home);
        t.Won += result > 0 ? 1 : 0;
        t.Lost += result < 0 ? 1 : 0;
        t.Drawn += result == 0 ? 1 : 0;
        if (home) {
            ++t.HomeGames;
            t.HomeClean += game.AwayGoals == 0 ? 1 : 0;
            t.GoalsScored += game.HomeGoals;
            Record(t.HomeFor, game.HomeGoals, game.AwayTeam);
            Record(t.HomeAgainst, game.AwayGoals, game.AwayTeam);
            if (game.Attendance > 0) {
                // The first crowd is the lowest so far, however large it is.
                if (t.AttCount == 0 || game.Attendance < t.AttMin) {
                    t.AttMin = game.Attendance;
                    t.AttMinOpponent = game.AwayTeam;
                }
                if (game.Attendance > t.AttMax) {
                    t.AttMax = game.Attendance;
                    t.AttMaxOpponent = game.AwayTeam;
                }
                ++t.AttCount;
                t.AttTotal += game.Attendance;
            }
        } else {
            ++t.AwayGames;
            t.AwayClean += game.HomeGoals == 0 ? 1 : 0;
            t.GoalsScored += game.AwayGoals;
            Record(t.AwayFor, game.AwayGoals, game.HomeTeam);
            Record(t.AwayAgainst, game.HomeGoals, game.HomeTeam);
        }
    }
    return t;
}

void FillLabels(const League& l, const TeamData& league, TeamStatsData& d, const Locale& locale) {
    const TeamStatsTotals& t = d.Totals;
    d.lblPlayed = std::to_string(d.TeamGames.size());
    d.lblGoals = std::to_string(t.GoalsScored);
    d.lblWon = std::to_string(t.Won);
    d.lblDrawn = std::to_string(t.Drawn);
    d.lblLost = std::to_string(t.Lost);
    if (d.GameType < 2 && d.Team != 0) {
        const int points = d.Team <= kMaxTeams ? league.LeaguePoints[static_cast<std::size_t>(d.Team)] : 0;
        const int adjust = l.Teams[static_cast<std::size_t>(d.Team)].PointsAdjust;
        d.lblPoints = std::to_string(points);
        d.lbDeducted = (adjust > 0 ? "+" : "") + std::to_string(adjust);
    }
    HighScoreLabels(l, t.HomeFor, d.hfHome, d.hfHomeTeam);
    HighScoreLabels(l, t.AwayFor, d.hfAway, d.hfAwayTeam);
    HighScoreLabels(l, t.HomeAgainst, d.haHome, d.haHomeTeam);
    HighScoreLabels(l, t.AwayAgainst, d.haAway, d.haAwayTeam);

    d.labAttHigh = GroupThousands(t.AttMax, locale);
    d.labAtHiTm = t.AttMaxOpponent ? TeamName(l, t.AttMaxOpponent) : std::string();
    d.labAttLow = GroupThousands(t.AttCount ? t.AttMin : 0, locale);
    d.labAtLoTm = t.AttMinOpponent ? TeamName(l, t.AttMinOpponent) : std::string();
    const unsigned long long average = t.AttCount ? t.AttTotal / static_cast<unsigned>(t.AttCount) : 0;
    d.labAttAve = GroupThousands(static_cast<long long>(average), locale);
    d.labAttTotal = GroupThousands(static_cast<long long>(t.AttTotal), locale);
    d.labTotClean = CleanText(t.HomeClean + t.AwayClean, t.HomeGames + t.AwayGames);
    d.labHmClean = CleanText(t.HomeClean, t.HomeGames);
    d.labAwClean = CleanText(t.AwayClean, t.AwayGames);
}

void FillFormStrings(const League& l, TeamStatsData& d) {
    const std::size_t last = std::min<std::size_t>(d.TeamGames.size(), 10);
    for (std::size_t k = 0; k < last; ++k) {
        const GameRec& game = l.Games[static_cast<std::size_t>(d.TeamGames[k])];
        const bool home = game.HomeTeam == d.Team;
        const int result = TeamResult(game, home);
        const char letter = result > 0 ? 'W' : result < 0 ? 'L' : 'D';
        std::string& form = home ? d.HomeForm : d.AwayForm;
        form.insert(form.begin(), letter);
    }
}

void FillPlayers(const League& l, const GameScan& scan, TeamStatsData& d, const Settings& settings,
                 const Locale& locale, char sortLetter) {
    const int players = PlayerLimit(l);
    GoalPass goalPass = CountGoals(l, d.Team, &scan.Passes);
    const std::vector<u8> included =
        MarkIncluded(l, d.Team, scan.PlayedGames, std::move(goalPass.ScoredForTeam));
    std::vector<int> rowOf(static_cast<std::size_t>(players) + 1, -1);
    std::vector<TeamPlayerStat> stats;
    for (int p = 1; p <= players; ++p) {
        if (!included[static_cast<std::size_t>(p)])
            continue;
        rowOf[static_cast<std::size_t>(p)] = static_cast<int>(stats.size());
        TeamPlayerStat stat;
        stat.Player = p;
        stat.GoalsTotal = goalPass.GoalsTotal[static_cast<std::size_t>(p)];
        stats.push_back(stat);
    }
    auto rowFor = [&](int player) -> TeamPlayerStat* {
        if (player < 1 || player > players || rowOf[static_cast<std::size_t>(player)] < 0)
            return nullptr;
        return &stats[static_cast<std::size_t>(rowOf[static_cast<std::size_t>(player)])];
    };
    for (const int k : goalPass.ForTeam) {
        const GoalRec& goal = l.Goals[static_cast<std::size_t>(k)];
        TeamPlayerStat* s = rowFor(goal.Scorer); // every scorer for the team has one
        if (!s)
            continue;
        if (goal.OwnGoal) {
            ++s->OwnGoals;
            continue;
        }
        ++s->GoalsFor;
        s->Penalties += goal.Penalty ? 1 : 0;
    }

    for (const int g : d.TeamGames) {
        const GameRec& game = l.Games[static_cast<std::size_t>(g)];
        const SquadRec* squad = SquadAt(l, game.HomeTeam == d.Team ? game.HomeSquad : game.AwaySquad);
        if (!squad)
            continue;
        for (const SquadEntry& e : squad->Entries) {
            TeamPlayerStat* s = rowFor(e.Player);
            if (!s)
                continue;
            (e.TimeOff > 0 ? s->Appearances : s->NoTimeOff) += 1;
            s->Yellow += (e.Yellow1 ? 1 : 0) + (e.Yellow2 ? 1 : 0);
            s->Red += e.Red ? 1 : 0;
            if (e.Rating > 0) {
                ++s->Rated;
                s->RatingTotal += e.Rating;
            }
        }
    }

    d.Players.reserve(stats.size());
    for (TeamPlayerStat& s : stats) {
        s.AverageRating = s.Rated ? static_cast<int>(s.RatingTotal / s.Rated) : 0;
        d.Players.push_back(MakePlayerRow(l, s, d.PlayerColumns, settings, locale));
    }
    SortPlayers(d.Players, sortLetter ? sortLetter : InitialPlayerSort(d.PlayerColumns));
}

void FillChart(const League& l, const TeamData& td, TeamStatsData& d) {
    const int leagueTeams = LeagueTeamLimit(l);
    if (d.Team < 1 || d.Team > leagueTeams)
        return;
    PointsChartData& c = d.Chart;
    c.Shown = true;
    c.Played = td.LeaguePlayed[static_cast<std::size_t>(d.Team)];
    c.Points = td.LeaguePoints[static_cast<std::size_t>(d.Team)];
    c.MaxPoints = td.LeaguePoints[1];
    for (int t = 2; t <= leagueTeams; ++t)
        c.MaxPoints = std::max(c.MaxPoints, td.LeaguePoints[static_cast<std::size_t>(t)]);
    c.Adjust = l.Teams[static_cast<std::size_t>(d.Team)].PointsAdjust;
    c.DrawPoints = l.Head.DrawPoints;
    c.LossPoints = l.Head.LossPoints;
    for (auto it = d.TeamGames.rbegin(); it != d.TeamGames.rend(); ++it) {
        const GameRec& game = l.Games[static_cast<std::size_t>(*it)];
        if (game.Comp != 0)
            continue;
        const int result = TeamResult(game, game.HomeTeam == d.Team);
        c.GamePoints.push_back(result > 0   ? l.Head.WinPoints
                               : result < 0 ? l.Head.LossPoints
                                            : l.Head.DrawPoints);
    }
}

} // namespace

bool IncludePlayer(const League& league, int player, int team) {
    if (player < 1 || player > PlayerLimit(league))
        return false;
    if (league.Players[static_cast<std::size_t>(player)].Team == team)
        return true;
    const int goals = GoalLimit(league);
    for (int k = 1; k <= goals; ++k) {
        const GoalRec& goal = league.Goals[static_cast<std::size_t>(k)];
        if (goal.Scorer == player && ScoredFor(league, goal, team))
            return true;
    }
    for (const int g : ScanGames(league, team, kLeagueAndCup, 0).PlayedGames) {
        const GameRec& game = league.Games[static_cast<std::size_t>(g)];
        for (const int squad :
             {game.HomeTeam == team ? game.HomeSquad : 0, game.AwayTeam == team ? game.AwaySquad : 0})
            if (const SquadRec* s = SquadAt(league, squad))
                for (const SquadEntry& e : s->Entries)
                    if (e.Player == player)
                        return true;
    }
    return false;
}

std::vector<bool> IncludedPlayers(const League& league, int team) {
    const std::vector<u8> in =
        MarkIncluded(league, team, ScanGames(league, team, kLeagueAndCup, 0).PlayedGames,
                     CountGoals(league, team, nullptr).ScoredForTeam);
    return std::vector<bool>(in.begin(), in.end());
}

bool GraphOffered(const League& league, int team, int today) {
    return GraphOffered(ScanGames(league, team, league.Head.GameType, today), league.Head.GameType);
}

TeamStatsData TeamStats(const League& league, int team, const Settings& settings, const Locale& locale,
                        const TeamStatsSorts& sorts) {
    TeamStatsData d;
    d.GameType = league.Head.GameType;
    d.Team = team >= 1 && team <= TeamLimit(league) ? team : 0;
    d.PlayerColumns = PlayerColumns(settings.PlayerCols);
    const GameScan scan = ScanGames(league, d.Team, d.GameType, locale.Today);
    d.TeamGames = scan.TeamGames;
    d.Fixtures = scan.Fixtures;
    d.Totals = CountTotals(league, d.TeamGames, d.Team);
    const TeamData leagueData = CalcTeamData(league);
    FillLabels(league, leagueData, d, locale);

    std::vector<std::pair<int, int>> byDay; // (day, game)
    for (const int g : d.TeamGames)
        byDay.emplace_back(GameDay(league.Games[static_cast<std::size_t>(g)]), g);
    std::stable_sort(byDay.begin(), byDay.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (std::size_t k = 0; k < byDay.size(); ++k)
        d.TeamGames[k] = byDay[k].second;
    d.Results.reserve(d.TeamGames.size());
    for (const int g : d.TeamGames)
        d.Results.push_back(MakeResultRow(league, g, d.Team, locale));
    SortResults(d.Results, sorts.Results);
    FillFormStrings(league, d);
    d.FormPhrases = FormSummary(league, d.TeamGames, d.Team);

    if (d.Team != 0)
        FillPlayers(league, scan, d, settings, locale, sorts.Players);
    FillChart(league, leagueData, d);
    d.btnGraph = GraphOffered(scan, d.GameType);
    d.btnTSPrint = d.btnGraph;
    for (const int g : d.Fixtures)
        d.FixtureRows.push_back(MakeFixtureRow(league, g, d.Team, locale));
    SortFixtures(d.FixtureRows, sorts.Fixtures);
    return d;
}

std::vector<std::pair<std::string, std::string>> TeamStatsLabels(const TeamStatsData& d) {
    return {
        {"lblPlayed", d.lblPlayed},
        {"lblGoals", d.lblGoals},
        {"lblWon", d.lblWon},
        {"lblDrawn", d.lblDrawn},
        {"lblLost", d.lblLost},
        {"lblPoints", d.lblPoints},
        {"lbDeducted", d.lbDeducted},
        {"hfHome", d.hfHome},
        {"hfHomeTeam", d.hfHomeTeam},
        {"hfAway", d.hfAway},
        {"hfAwayTeam", d.hfAwayTeam},
        {"haHome", d.haHome},
        {"haHomeTeam", d.haHomeTeam},
        {"haAway", d.haAway},
        {"haAwayTeam", d.haAwayTeam},
        {"labAttHigh", d.labAttHigh},
        {"labAtHiTm", d.labAtHiTm},
        {"labAttLow", d.labAttLow},
        {"labAtLoTm", d.labAtLoTm},
        {"labAttAve", d.labAttAve},
        {"labAttTotal", d.labAttTotal},
        {"labTotClean", d.labTotClean},
        {"labHmClean", d.labHmClean},
        {"labAwClean", d.labAwClean},
        {"btnGraph", d.btnGraph ? "1" : "0"},
    };
}

namespace {

int ItemOfName(const League& league, const std::vector<int>& teams, std::string_view name) {
    for (std::size_t i = 0; i < teams.size(); ++i)
        if (league.Teams[static_cast<std::size_t>(teams[i])].Name.view() == name)
            return static_cast<int>(i);
    return 0;
}

} // namespace

StatsTeamList OpeningTeamList(const League& league) {
    StatsTeamList list;
    list.Teams = FilterTeams(league, league.Head.GameType);
    const int own = league.Head.OwnTeam;
    const auto it = std::find(list.Teams.begin(), list.Teams.end(), own);
    if (own != 0 && it != list.Teams.end())
        list.Selected = static_cast<int>(it - list.Teams.begin());
    return list;
}

StatsTeamList ChangeTeamGames(League& league, int item, std::string_view selectedName) {
    const int items = static_cast<int>(GameFilterItems(league).size());
    if (item >= 0 && item < items)
        league.Head.GameType = static_cast<u8>(item);
    StatsTeamList list;
    list.Teams = FilterTeams(league, league.Head.GameType);
    list.Selected = ItemOfName(league, list.Teams, selectedName);
    return list;
}

} // namespace gorlin
