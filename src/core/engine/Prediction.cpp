#include "core/engine/Prediction.h"

#include "core/engine/Standings.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace gorlin {

namespace {

std::size_t At(int index) {
    return static_cast<std::size_t>(index);
}

/// League teams with standings slots, never beyond the storage.
int TeamLimit(const League& league) {
    return std::max(0, std::min({league.TeamCount(), kMaxTeams, static_cast<int>(league.Teams.size()) - 1}));
}

/// League games the array really holds.
int LeagueGameLimit(const League& league) {
    return std::max(0, std::min(league.GameCount(), static_cast<int>(league.Games.size()) - 1));
}

bool IsLeagueTeam(int team, int teams) {
    return team >= 1 && team <= teams;
}

/// Points of a game for the form score: at home 3/1/0, away 4/2/0.
int FormPoints(const GameRec& game, bool home) {
    const int outcome = GameOutcome(game);
    if (outcome == 0)
        return home ? 1 : 2;
    const bool won = outcome == (home ? 1 : 2);
    return won ? (home ? 3 : 4) : 0;
}

void AddGame(VenueForm& form, int& weight, int points, int goalsFor, int goalsAgainst) {
    form.FormScore += weight * points;
    if (weight > 1)
        --weight;
    form.GoalsFor += goalsFor;
    form.GoalsAgainst += goalsAgainst;
}

u8 GoalByte(int goals) {
    return static_cast<u8>(std::clamp(goals, 0, 255));
}

std::string WithNumber(std::string_view message, int number) {
    std::string out(message);
    if (const std::size_t at = out.find("%d"); at != std::string::npos)
        out.replace(at, 2, std::to_string(number));
    return out;
}

} // namespace

PredictionBasis ComputePredictionBasis(const League& league, int matches, int today) {
    PredictionBasis basis;
    basis.Matches = matches;
    const int teams = TeamLimit(league);

    FillTableArgs args;
    args.Content = kPlayedGames;
    args.Side = kHomeAndAway;
    args.IgnoreSelection = true;
    args.FromDate = 0;
    args.ToDate = today;
    const Standings table = FillTable(league, args);
    for (int pos = 1; pos <= table.TableSize; ++pos) {
        const int team = table.TableOrder[At(pos)];
        if (IsLeagueTeam(team, teams))
            basis.Teams[At(team)].RankScore = teams + 1 - pos;
    }

    // Every team's played league games in game order, then latest first (equal dates keep
    // game order, as a neighbour-exchange pass leaves them).
    const int games = LeagueGameLimit(league);
    std::array<std::vector<int>, kMaxTeams + 1> lists;
    for (int g = 1; g <= games; ++g) {
        const GameRec& game = league.Games[At(g)];
        if (!game.Played)
            continue;
        if (IsLeagueTeam(game.HomeTeam, teams))
            lists[game.HomeTeam].push_back(g);
        if (game.AwayTeam != game.HomeTeam && IsLeagueTeam(game.AwayTeam, teams))
            lists[game.AwayTeam].push_back(g);
    }
    for (int t = 1; t <= teams; ++t) {
        std::vector<int>& list = lists[At(t)];
        std::stable_sort(list.begin(), list.end(), [&](int x, int y) {
            return GameDay(league.Games[At(x)]) > GameDay(league.Games[At(y)]);
        });
        TeamForm& form = basis.Teams[At(t)];
        int homeWeight = 5;
        int awayWeight = 5;
        int homeGames = 0;
        int awayGames = 0;
        for (const int g : list) {
            const GameRec& game = league.Games[At(g)];
            if (game.HomeTeam == t && homeGames < matches) {
                AddGame(form.Home, homeWeight, FormPoints(game, true), game.HomeGoals, game.AwayGoals);
                ++homeGames;
            }
            if (game.AwayTeam == t && awayGames < matches) {
                AddGame(form.Away, awayWeight, FormPoints(game, false), game.AwayGoals, game.HomeGoals);
                ++awayGames;
            }
        }
    }
    return basis;
}

int HomeStrength(const TeamForm& team) {
    return team.RankScore / 3 + team.Home.FormScore;
}

int AwayStrength(const TeamForm& team) {
    return team.RankScore / 3 + team.Away.FormScore;
}

PredictedScore PredictScore(const TeamForm& home, const TeamForm& away, int matches) {
    const int divisor = 2 * std::max(1, matches);
    const int homeStrength = HomeStrength(home);
    const int awayStrength = AwayStrength(away);
    int diff = std::abs(homeStrength - awayStrength);
    if ((homeStrength + awayStrength) / 10 >= diff)
        diff = 0;
    const int baseHome = (home.Home.GoalsFor + away.Away.GoalsAgainst) / divisor;
    const int baseAway = (away.Away.GoalsFor + home.Home.GoalsAgainst) / divisor;
    const int extra = diff > 50 ? diff / 50 : 0;

    PredictedScore score{baseHome, baseAway};
    if (diff == 0) {
        score.AwayGoals = baseHome;
    } else if (homeStrength > awayStrength) {
        score.HomeGoals += extra;
        if (score.AwayGoals >= score.HomeGoals)
            score.HomeGoals = score.AwayGoals + 1;
    } else {
        score.AwayGoals += extra;
        if (score.HomeGoals >= score.AwayGoals)
            score.AwayGoals = score.HomeGoals + 1;
    }
    score.HomeGoals = GoalByte(score.HomeGoals);
    score.AwayGoals = GoalByte(score.AwayGoals);
    return score;
}

VenueCounts CountVenueGames(const League& league) {
    VenueCounts counts;
    const int teams = TeamLimit(league);
    const int games = LeagueGameLimit(league);
    for (int g = 1; g <= games; ++g) {
        const GameRec& game = league.Games[At(g)];
        if (!game.Played)
            continue;
        if (IsLeagueTeam(game.HomeTeam, teams))
            ++counts.Home[game.HomeTeam];
        if (IsLeagueTeam(game.AwayTeam, teams))
            ++counts.Away[game.AwayTeam];
    }
    return counts;
}

int PredictMatchesMax(const League& league) {
    const VenueCounts counts = CountVenueGames(league);
    int most = kPredictMatchesCap;
    for (int t = 1; t <= TeamLimit(league); ++t)
        most = std::min({most, counts.Home[At(t)], counts.Away[At(t)]});
    return most;
}

Status AutoEnabled(const League& league, std::size_t listedFixtures) {
    if (listedFixtures == 0)
        return Status::Failure(kMsgNoFixturesToPredict);
    const VenueCounts counts = CountVenueGames(league);
    for (int t = 1; t <= TeamLimit(league); ++t)
        if (counts.Home[At(t)] < kAutoMinVenueGames || counts.Away[At(t)] < kAutoMinVenueGames)
            return Status::Failure(kMsgTooFewGamesToPredict);
    return Status::Success();
}

Expected<int> PredictResults(League& league, const PredictArgs& args) {
    const int most = PredictMatchesMax(league);
    if (args.Matches < kPredictMatchesMin || args.Matches > most)
        return Error{WithNumber(kMsgPredictMatchesRange, most)};

    const PredictionBasis basis = ComputePredictionBasis(league, args.Matches, args.Today);
    const int teams = TeamLimit(league);
    const int games = LeagueGameLimit(league);
    int predicted = 0;
    for (int g = 1; g <= games; ++g) {
        GameRec& game = league.Games[At(g)];
        if (game.Played)
            continue;
        if (args.What == kPredictNonPredicted && game.Predicted)
            continue;
        if (args.What == kPredictSelected && g != args.SelectedGame)
            continue;
        if (!IsLeagueTeam(game.HomeTeam, teams) || !IsLeagueTeam(game.AwayTeam, teams))
            continue;
        const PredictedScore score =
            PredictScore(basis.Teams[game.HomeTeam], basis.Teams[game.AwayTeam], args.Matches);
        game.HomeGoals = GoalByte(score.HomeGoals);
        game.AwayGoals = GoalByte(score.AwayGoals);
        game.Predicted = 1;
        ++predicted;
    }
    if (predicted > 0)
        league.DataChanged = true;
    UpdateGameEx(league, 0);
    return predicted;
}

Expected<int> AutoPredict(League& league, const PredictArgs& args) {
    const int total = std::max(0, std::min(league.AllGameCount(), static_cast<int>(league.Games.size()) - 1));
    std::size_t fixtures = 0;
    for (int g = 1; g <= total; ++g)
        fixtures += league.Games[At(g)].Played ? 0 : 1;
    if (const Status enabled = AutoEnabled(league, fixtures); !enabled)
        return Error{enabled.Message};
    return PredictResults(league, args);
}

} // namespace gorlin
