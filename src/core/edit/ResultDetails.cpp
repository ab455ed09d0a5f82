#include "core/edit/ResultDetails.h"

#include "core/edit/Games.h"
#include "core/engine/Standings.h"
#include "core/model/Dates.h"

#include <algorithm>
#include <map>

namespace gorlin {

namespace {

constexpr std::size_t kMaxListedGoals = 30;
constexpr std::size_t kMaxScorerLines = 10;
constexpr std::size_t kMaxExtraLines = 21;

std::vector<std::string> ScorerLines(const League& league, const std::vector<GoalRec>& goals, int team) {
    std::vector<std::string> lines;
    std::map<int, std::size_t> lineOf;
    for (const GoalRec& goal : goals) {
        if (goal.TeamFor != team)
            continue;
        std::string minute = std::to_string(goal.Minute);
        if (goal.OwnGoal != 0)
            minute += " og";
        if (goal.Penalty != 0)
            minute += " Pen";
        const auto found = lineOf.find(goal.Scorer);
        if (found != lineOf.end()) {
            lines[found->second] += "," + minute;
        } else if (lines.size() < kMaxScorerLines) {
            lineOf[goal.Scorer] = lines.size();
            lines.push_back(PlayerName(league, goal.Scorer) + " " + minute);
        }
    }
    return lines;
}

std::vector<std::string> ExtraLines(const League& league, int g, int squad, int team) {
    std::vector<std::string> lines;
    if (squad >= 1 && squad <= league.Head.SquadCount &&
        static_cast<std::size_t>(squad) < league.Squads.size())
        for (const SquadEntry& entry : league.Squads[static_cast<std::size_t>(squad)].Entries)
            if (entry.Player != 0 && entry.Red != 0)
                lines.push_back(PlayerName(league, entry.Player) + " sent off " +
                                std::to_string(entry.TimeOff));
    const int pens = std::min<int>(league.Head.MissedPenCount, kMaxMissedPens);
    for (int i = 1; i <= pens; ++i) {
        const MissedPenRec& pen = league.MissedPens[static_cast<std::size_t>(i)];
        if (pen.Game == g && pen.Team == team)
            lines.push_back(PlayerName(league, pen.Player) + " missed pen " + std::to_string(pen.Minute));
    }
    return lines;
}

} // namespace

ResultDetails MakeResultDetails(const League& league, int g, const Locale& locale) {
    ResultDetails details;
    if (!IsGame(league, g))
        return details;
    const GameRec& game = league.Games[static_cast<std::size_t>(g)];
    const int day = GameDay(game);
    const std::string comp =
        game.Comp <= league.Head.CompCount ? league.Comps[game.Comp].Name.str() : std::string();
    details.Caption =
        "Result Details (" + (day == 0 ? std::string() : FormatShortDate(day, locale)) + ") - " + comp;
    details.HomeName = TeamName(league, game.HomeTeam);
    details.AwayName = TeamName(league, game.AwayTeam);
    details.Score = std::to_string(game.HomeGoals) + " - " + std::to_string(game.AwayGoals);
    const u32 attendance = game.Attendance;
    if (attendance > 0)
        details.Attendance = "Att: " + GroupThousands(attendance, locale);
    if (game.Awarded == 1 || game.Awarded == 2)
        details.Awarded = "Game awarded to " + (game.Awarded == 1 ? details.HomeName : details.AwayName);

    std::vector<GoalRec> goals;
    for (int i = 1; i <= league.Head.GoalCount && static_cast<std::size_t>(i) < league.Goals.size() &&
                    goals.size() < kMaxListedGoals;
         ++i) {
        const GoalRec& goal = league.Goals[static_cast<std::size_t>(i)];
        if (goal.Game == g && goal.Scorer != 0)
            goals.push_back(goal);
    }
    std::stable_sort(goals.begin(), goals.end(),
                     [](const GoalRec& a, const GoalRec& b) { return a.Minute < b.Minute; });
    if (!goals.empty()) {
        int home = 0;
        int away = 0;
        for (const GoalRec& goal : goals)
            if (goal.Minute >= 1 && goal.Minute <= league.Head.HalfLength) {
                home += goal.TeamFor == game.HomeTeam ? 1 : 0;
                away += goal.TeamFor == game.AwayTeam ? 1 : 0;
            }
        details.HalfTime = "HT: " + std::to_string(home) + " - " + std::to_string(away);
    }
    if (game.Referee != 0 && game.Referee <= league.Head.RefereeCount)
        details.Referee = "Referee: " + league.Referees[game.Referee].Name.str();
    details.HomeScorers = ScorerLines(league, goals, game.HomeTeam);
    details.AwayScorers = ScorerLines(league, goals, game.AwayTeam);

    details.HomeExtras = ExtraLines(league, g, game.HomeSquad, game.HomeTeam);
    details.AwayExtras = ExtraLines(league, g, game.AwaySquad, game.AwayTeam);
    if (details.HomeExtras.size() > kMaxExtraLines)
        details.HomeExtras.resize(kMaxExtraLines);
    if (details.HomeExtras.size() + details.AwayExtras.size() > kMaxExtraLines)
        details.AwayExtras.resize(kMaxExtraLines - details.HomeExtras.size());
    details.Comment = game.Comment.str();
    return details;
}

bool SetGameComment(League& league, int g, const std::string& comment) {
    if (!IsGame(league, g))
        return false;
    league.Games[static_cast<std::size_t>(g)].Comment = comment;
    league.DataChanged = true;
    return true;
}

} // namespace gorlin
