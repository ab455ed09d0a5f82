#include "core/edit/ResultChange.h"

#include "core/edit/Games.h"

namespace gorlin {

namespace {

constexpr const char* kInvalidInput = "Input is invalid, please correct";

} // namespace

ResultForm ResultFormOf(const League& league, int g) {
    ResultForm form;
    if (!IsGame(league, g))
        return form;
    const GameRec& game = league.Games[static_cast<std::size_t>(g)];
    form.Caption = GameTitle(league, g);
    form.Values.HomeGoals = game.HomeGoals;
    form.Values.AwayGoals = game.AwayGoals;
    const u32 attendance = game.Attendance;
    form.Values.Attendance = std::to_string(attendance);
    form.Values.Comment = game.Comment.str();
    form.Values.Referee = game.Referee;
    form.Values.Comp = game.Comp;
    form.Values.Awarded = game.Awarded;
    form.CupEnabled = g > league.Head.GameCount;
    return form;
}

Status UpdateResult(League& league, int g, const ResultChange& change, const GoalPrompt& prompt) {
    if (!IsGame(league, g))
        return Status::Failure(kInvalidInput);
    const auto attendance = ParseAttendance(change.Attendance);
    if (!attendance)
        return Status::Failure(kAttendanceNotNumeric);
    const bool cup = g > league.Head.GameCount;
    if (change.HomeGoals < 0 || change.HomeGoals > 99 || change.AwayGoals < 0 || change.AwayGoals > 99 ||
        change.Referee < 0 || change.Referee > league.Head.RefereeCount || change.Awarded < 0 ||
        change.Awarded > 2 || (cup && (change.Comp < 1 || change.Comp > league.Head.CompCount)))
        return Status::Failure(kInvalidInput);

    GameRec& game = league.Games[static_cast<std::size_t>(g)];
    if (change.HomeGoals != game.HomeGoals || change.AwayGoals != game.AwayGoals) {
        int kept = 0; // the goals that DeleteGoals frees count towards the limit
        for (int i = 1; i <= league.Head.GoalCount && static_cast<std::size_t>(i) < league.Goals.size(); ++i)
            kept += league.Goals[static_cast<std::size_t>(i)].Game == g ? 0 : 1;
        if (kept + change.HomeGoals + change.AwayGoals > kMaxGrowableCount)
            return Status::Failure(kGoalLimitMessage);
        DeleteGoals(league, g);
        game.HomeGoals = static_cast<u8>(change.HomeGoals);
        game.AwayGoals = static_cast<u8>(change.AwayGoals);
        RecordGoals(league, g, prompt);
    }
    GameRec& stored = league.Games[static_cast<std::size_t>(g)]; // the prompt may have grown arrays
    stored.Attendance = *attendance;
    stored.Comment = change.Comment;
    if (cup)
        stored.Comp = static_cast<u8>(change.Comp);
    stored.Referee = static_cast<u8>(change.Referee);
    stored.Awarded = static_cast<u8>(change.Awarded);
    UpdateGameEx(league, g);
    league.DataChanged = true;
    return Status::Success();
}

bool SetResultDate(League& league, int g, int day) {
    if (day == 0 || !IsGame(league, g))
        return false;
    league.Games[static_cast<std::size_t>(g)].Date = day;
    league.DataChanged = true;
    return true;
}

Expected<DeletedResult> DeleteResult(League& league, int g) {
    if (!IsGame(league, g) || league.Games[static_cast<std::size_t>(g)].Played == 0)
        return Error{kInvalidInput};
    DeletedResult result;
    if (g > league.Head.GameCount) {
        RemoveGame(league, g);
        result.Removed = true;
    } else {
        DeleteGameDetails(league, g);
        GameRec& game = league.Games[static_cast<std::size_t>(g)];
        game.Played = 0;
        UpdateGameEx(league, g);
    }
    league.DataChanged = true;
    return result;
}

std::string DeleteResultQuestion(const League& league, int g) {
    return "Delete result for " + GameTitle(league, g);
}

} // namespace gorlin
