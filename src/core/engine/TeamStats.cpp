#include "core/engine/TeamStats.h"

#include "core/engine/FormSummary.h"
#include "core/engine/GameFilter.h"
#include "core/engine/Standings.h"
#include "core/model/Dates.h"

#include <algorithm>

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

const SquadRec* SquadAt(const League& l, int s) {
    return s >= 1 && s <= SquadLimit(l) ? &l.Squads[static_cast<std::size_t>(s)] : nullptr;
}

std::string TeamName(const League& l, int team) {
    if (team < 0 || static_cast<std::size_t>(team) >= l.Teams.size())
        return {};
    return l.Teams[static_cast<std::size_t>(team)].Name.str();
}

/// The side an own goal's scorer played on: the game's home team unless the goal was credited to
/// it, else the away team. 0 when the game does not exist.
int OwnGoalSide(const League& l, const GoalRec& goal) {
    const GameRec* game = GameAt(l, goal.Game);
    if (!game)
        return 0;
    return game->HomeTeam != goal.TeamFor ? game->HomeTeam : game->AwayTeam;
}

/// A goal its scorer scored for `team`: a goal credited to the team, or an own goal scored while
/// playing for it (the other side's own goals credited to the team are not his).
bool ScoredFor(const League& l, const GoalRec& goal, int team) {
    return goal.OwnGoal ? OwnGoalSide(l, goal) == team : goal.TeamFor == team;
}

/// Calls f(squad) for the team's squad of every played game 1..G+C.
template <typename F> void ForEachPlayedSquad(const League& l, int team, F f) {
    const int games = AllGameLimit(l);
    for (int g = 1; g <= games; ++g) {
        const GameRec& game = l.Games[static_cast<std::size_t>(g)];
        if (!game.Played)
            continue;
        if (game.HomeTeam == team)
            if (const SquadRec* s = SquadAt(l, game.HomeSquad))
                f(*s);
        if (game.AwayTeam == team)
            if (const SquadRec* s = SquadAt(l, game.AwaySquad))
                f(*s);
    }
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

void FillPlayers(const League& l, TeamStatsData& d, const Settings& settings, const Locale& locale,
                 char sortLetter) {
    const int players = PlayerLimit(l);
    const std::vector<bool> included = IncludedPlayers(l, d.Team);
    std::vector<int> rowOf(static_cast<std::size_t>(players) + 1, -1);
    std::vector<TeamPlayerStat> stats;
    for (int p = 1; p <= players; ++p) {
        if (!included[static_cast<std::size_t>(p)])
            continue;
        rowOf[static_cast<std::size_t>(p)] = static_cast<int>(stats.size());
        stats.push_back(TeamPlayerStat{});
        stats.back().Player = p;
    }
    auto rowFor = [&](int player) -> TeamPlayerStat* {
        if (player < 1 || player > players || rowOf[static_cast<std::size_t>(player)] < 0)
            return nullptr;
        return &stats[static_cast<std::size_t>(rowOf[static_cast<std::size_t>(player)])];
    };

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

    const int goals = GoalLimit(l);
    for (int k = 1; k <= goals; ++k) {
        const GoalRec& goal = l.Goals[static_cast<std::size_t>(k)];
        TeamPlayerStat* s = rowFor(goal.Scorer);
        const GameRec* game = GameAt(l, goal.Game);
        if (!s || !game || !PassesGameFilter(*game, d.GameType))
            continue;
        if (goal.OwnGoal) {
            s->OwnGoals += OwnGoalSide(l, goal) == d.Team ? 1 : 0;
            continue;
        }
        ++s->GoalsTotal;
        if (goal.TeamFor == d.Team) {
            ++s->GoalsFor;
            s->Penalties += goal.Penalty ? 1 : 0;
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
    bool found = false;
    ForEachPlayedSquad(league, team, [&](const SquadRec& s) {
        for (const SquadEntry& e : s.Entries)
            found = found || e.Player == player;
    });
    return found;
}

std::vector<bool> IncludedPlayers(const League& league, int team) {
    const int players = PlayerLimit(league);
    std::vector<bool> in(static_cast<std::size_t>(players) + 1, false);
    auto mark = [&](int p) {
        if (p >= 1 && p <= players)
            in[static_cast<std::size_t>(p)] = true;
    };
    for (int p = 1; p <= players; ++p)
        if (league.Players[static_cast<std::size_t>(p)].Team == team)
            mark(p);
    const int goals = GoalLimit(league);
    for (int k = 1; k <= goals; ++k) {
        const GoalRec& goal = league.Goals[static_cast<std::size_t>(k)];
        if (goal.Scorer != 0 && ScoredFor(league, goal, team))
            mark(goal.Scorer);
    }
    ForEachPlayedSquad(league, team, [&](const SquadRec& s) {
        for (const SquadEntry& e : s.Entries)
            mark(e.Player);
    });
    return in;
}

TeamStatsData TeamStats(const League& league, int team, const Settings& settings, const Locale& locale,
                        const TeamStatsSorts& sorts) {
    TeamStatsData d;
    d.GameType = league.Head.GameType;
    d.Team = team >= 1 && team <= TeamLimit(league) ? team : 0;
    d.PlayerColumns = PlayerColumns(settings.PlayerCols);
    const int last = std::min(LastGameForFilter(league, d.GameType), AllGameLimit(league));

    if (d.Team != 0) {
        for (int g = 1; g <= last; ++g) {
            const GameRec& game = league.Games[static_cast<std::size_t>(g)];
            if (game.Played && (game.HomeTeam == d.Team || game.AwayTeam == d.Team) &&
                PassesGameFilter(game, d.GameType))
                d.TeamGames.push_back(g);
        }
    }
    d.Totals = CountTotals(league, d.TeamGames, d.Team);
    const TeamData leagueData = CalcTeamData(league);
    FillLabels(league, leagueData, d, locale);

    std::stable_sort(d.TeamGames.begin(), d.TeamGames.end(), [&league](int a, int b) {
        return GameDay(league.Games[static_cast<std::size_t>(a)]) >
               GameDay(league.Games[static_cast<std::size_t>(b)]);
    });
    d.Results.reserve(d.TeamGames.size());
    for (const int g : d.TeamGames)
        d.Results.push_back(MakeResultRow(league, g, d.Team, locale));
    SortResults(d.Results, sorts.Results);
    FillFormStrings(league, d);
    d.FormPhrases = FormSummary(league, d.TeamGames, d.Team);

    if (d.Team != 0)
        FillPlayers(league, d, settings, locale, sorts.Players);
    FillChart(league, leagueData, d);

    if (d.Team >= 1 && d.Team <= LeagueTeamLimit(league) && d.GameType < 2) {
        FillTableArgs args;
        args.IgnoreSelection = true;
        args.ToDate = locale.Today;
        const Standings standings = FillTable(league, args);
        d.btnGraph = standings.TeamTotals[static_cast<std::size_t>(d.Team)].Played > 0;
    }
    d.btnTSPrint = d.btnGraph;

    if (d.Team != 0) {
        const int all = AllGameLimit(league);
        for (int g = 1; g <= all; ++g) {
            const GameRec& game = league.Games[static_cast<std::size_t>(g)];
            if (!game.Played && (game.HomeTeam == d.Team || game.AwayTeam == d.Team) &&
                PassesGameFilter(game, d.GameType))
                d.Fixtures.push_back(g);
        }
    }
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

int GameTypeByName(const League& league, std::string_view name) {
    if (name == "league")
        return kLeagueGamesOnly;
    if (name == "all")
        return kLeagueAndCup;
    for (int c = 1; c <= league.Head.CompCount && c <= kMaxComps; ++c)
        if (league.Comps[static_cast<std::size_t>(c)].ShortName.view() == name)
            return c + 1;
    return -1;
}

} // namespace gorlin
