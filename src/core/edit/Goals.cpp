#include "core/edit/Goals.h"

#include "core/edit/Games.h"
#include "core/edit/Players.h"

#include <algorithm>

namespace gorlin {

namespace {

bool IsGoal(const League& league, int goal) {
    return goal >= 1 && goal <= league.Head.GoalCount && static_cast<std::size_t>(goal) < league.Goals.size();
}

const GoalRec& GoalAt(const League& league, int goal) {
    return league.Goals[static_cast<std::size_t>(goal)];
}

int PlayerCountInArray(const League& league) {
    return std::min<int>(league.Head.PlayerCount, static_cast<int>(league.Players.size()) - 1);
}

} // namespace

bool GoalsFit(const League& league, int extra) {
    return extra >= 0 && league.Head.GoalCount + extra <= kMaxGrowableCount;
}

Status RecordGoals(League& league, int g, const GoalPrompt& prompt) {
    if (!IsGame(league, g))
        return Status::Failure("Input is invalid, please correct");
    const GameRec game = league.Games[static_cast<std::size_t>(g)];
    if (!GoalsFit(league, game.HomeGoals + game.AwayGoals))
        return Status::Failure(kGoalLimitMessage);
    const bool ask = league.Head.TrackGoals != 0 && static_cast<bool>(prompt);
    for (const auto& [team, goals] : {std::pair<int, int>{game.HomeTeam, game.HomeGoals},
                                      std::pair<int, int>{game.AwayTeam, game.AwayGoals}})
        for (int number = 1; number <= goals; ++number) {
            AddGoal(league, g, team, 0, 0, false, false);
            if (ask)
                prompt(league, league.Head.GoalCount, number);
        }
    return Status::Success();
}

GoalDialogTexts GoalTexts(const League& league, int goal, int number) {
    GoalDialogTexts texts;
    if (!IsGoal(league, goal))
        return texts;
    const GoalRec& rec = GoalAt(league, goal);
    texts.Match = GameTitle(league, rec.Game);
    const std::string team = TeamName(league, rec.TeamFor);
    texts.Heading = number > 0 ? "Goal " + std::to_string(number) + " for " + team : "Goal for " + team;
    return texts;
}

int ScorerTeam(const League& league, int goal, bool ownGoal) {
    if (!IsGoal(league, goal))
        return 0;
    const GoalRec& rec = GoalAt(league, goal);
    if (!ownGoal)
        return rec.TeamFor;
    if (!IsGame(league, rec.Game))
        return 0;
    const GameRec& game = league.Games[rec.Game];
    return rec.TeamFor == game.HomeTeam ? game.AwayTeam : game.HomeTeam;
}

ScorerList GoalScorers(const League& league, int goal, bool ownGoal, bool keepCurrent) {
    ScorerList list;
    if (!IsGoal(league, goal))
        return list;
    list.Players = TeamPlayers(league, ScorerTeam(league, goal, ownGoal));
    if (!ownGoal) {
        std::vector<int> scored(static_cast<std::size_t>(PlayerCountInArray(league)) + 1, 0);
        for (int i = 1; i <= league.Head.GoalCount && static_cast<std::size_t>(i) < league.Goals.size();
             ++i) {
            const GoalRec& rec = GoalAt(league, i);
            if (rec.OwnGoal == 0 && rec.Scorer < scored.size())
                ++scored[rec.Scorer];
        }
        // TeamPlayers is in name order, so a stable sort by goals keeps ties by name.
        std::stable_sort(list.Players.begin(), list.Players.end(), [&scored](int a, int b) {
            return scored[static_cast<std::size_t>(a)] > scored[static_cast<std::size_t>(b)];
        });
    }
    const int current = GoalAt(league, goal).Scorer;
    if (keepCurrent && current != 0 && current <= PlayerCountInArray(league)) {
        auto at = std::find(list.Players.begin(), list.Players.end(), current);
        if (at == list.Players.end())
            at = list.Players.insert(list.Players.end(), current);
        list.Selected = static_cast<int>(at - list.Players.begin());
    }
    return list;
}

Status StoreGoal(League& league, int goal, const GoalDetails& details) {
    if (!IsGoal(league, goal) || details.Minute < 0 || details.Minute > 120 || details.Scorer < 0 ||
        details.Scorer > PlayerCountInArray(league))
        return Status::Failure("Input is invalid, please correct");
    GoalRec& rec = league.Goals[static_cast<std::size_t>(goal)];
    rec.OwnGoal = details.OwnGoal ? 1 : 0;
    rec.Penalty = details.Penalty ? 1 : 0;
    rec.Minute = static_cast<u16>(details.Minute);
    rec.Scorer = static_cast<u16>(details.Scorer);
    league.DataChanged = true;
    return Status::Success();
}

} // namespace gorlin
