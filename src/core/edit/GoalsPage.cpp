#include "core/edit/GoalsPage.h"

#include "core/edit/Games.h"
#include "core/edit/Goals.h"
#include "core/engine/Standings.h"
#include "core/model/Dates.h"
#include "core/model/Text.h"

#include <algorithm>
#include <string_view>

namespace gorlin {

namespace {

/// What a goal is sorted by, gathered once per row.
struct GoalKey {
    int Comp = 0;
    int Day = 0;
    int Minute = 0;
    bool OwnGoal = false;
    bool Penalty = false;
    std::string_view Opponent;
    std::string_view Scorer;
};

const GameRec* GameOf(const League& league, const GoalRec& goal) {
    return IsGame(league, goal.Game) ? &league.Games[goal.Game] : nullptr;
}

int Opponent(const GameRec& game, const GoalRec& goal) {
    return goal.TeamFor == game.HomeTeam ? game.AwayTeam : game.HomeTeam;
}

std::string_view NameView(const League& league, int t) {
    return t >= 0 && static_cast<std::size_t>(t) < league.Teams.size()
               ? league.Teams[static_cast<std::size_t>(t)].Name.view()
               : std::string_view();
}

GoalKey KeyOf(const League& league, int i) {
    const GoalRec& goal = league.Goals[static_cast<std::size_t>(i)];
    GoalKey key;
    key.Minute = goal.Minute;
    key.OwnGoal = goal.OwnGoal != 0;
    key.Penalty = goal.Penalty != 0;
    if (const GameRec* game = GameOf(league, goal)) {
        key.Comp = game->Comp;
        key.Day = GameDay(*game);
        key.Opponent = NameView(league, Opponent(*game, goal));
    }
    if (goal.Scorer >= 1 && goal.Scorer <= league.Head.PlayerCount && goal.Scorer < league.Players.size())
        key.Scorer = league.Players[goal.Scorer].Name.view();
    return key;
}

/// Negative, 0 or positive as key a sorts before, with or after key b under `column`.
int Compare(GoalColumn column, const GoalKey& a, const GoalKey& b) {
    const auto num = [](int x, int y) { return x < y ? -1 : (x > y ? 1 : 0); };
    const auto earliest = [&] {
        const int c = num(a.Day, b.Day);
        return c != 0 ? c : num(a.Minute, b.Minute);
    };
    int c = 0;
    switch (column) {
    case GoalColumn::Com:
        c = num(a.Comp, b.Comp);
        return c != 0 ? c : num(b.Day, a.Day);
    case GoalColumn::Date:
        c = num(b.Day, a.Day);
        return c != 0 ? c : num(a.Minute, b.Minute);
    case GoalColumn::Opponent:
        c = a.Opponent.compare(b.Opponent);
        break;
    case GoalColumn::OG:
        c = num(b.OwnGoal, a.OwnGoal);
        break;
    case GoalColumn::Pen:
        c = num(b.Penalty, a.Penalty);
        break;
    case GoalColumn::Scorer:
        c = CompareNoCase(a.Scorer, b.Scorer);
        break;
    case GoalColumn::Time:
        c = num(a.Minute, b.Minute);
        return c != 0 ? c : num(a.Day, b.Day);
    }
    return c != 0 ? c : earliest();
}

} // namespace

std::array<std::string, 7> GoalsPage::Cells(const League& league, int i, const Locale& locale) {
    std::array<std::string, 7> cells;
    if (i < 1 || i > league.Head.GoalCount || static_cast<std::size_t>(i) >= league.Goals.size())
        return cells;
    const GoalRec& goal = league.Goals[static_cast<std::size_t>(i)];
    if (const GameRec* game = GameOf(league, goal)) {
        if (game->Comp <= league.Head.CompCount)
            cells[0] = league.Comps[game->Comp].ShortName.str();
        const int day = GameDay(*game);
        cells[1] = day == 0 ? std::string() : FormatShortDate(day, locale);
        cells[2] = TeamName(league, Opponent(*game, goal));
    }
    cells[3] = goal.OwnGoal != 0 ? "OG" : "";
    cells[4] = goal.Penalty != 0 ? "Pen" : "";
    cells[5] = PlayerName(league, goal.Scorer);
    cells[6] = std::to_string(goal.Minute);
    return cells;
}

std::string GoalsPage::SummaryLine(int count, int unassigned, int ownGoals) {
    std::string line = std::to_string(count) + (count == 1 ? " goal Scored" : " goals Scored");
    const std::string u = std::to_string(unassigned);
    const std::string o = std::to_string(ownGoals);
    if (unassigned == 1)
        line += ownGoals == 1 ? " (1 own goal not yet assigned)" : " (1 is not yet assigned)";
    else if (unassigned > 1 && ownGoals == 0)
        line += " ( " + u + " are not yet assigned)";
    else if (unassigned > 1 && ownGoals == unassigned)
        line += " (" + o + " own goals not yet assigned)";
    else if (unassigned > 1)
        line += " (" + u + " goals including " + o + " own goal(s) not yet assigned)";
    return line;
}

void GoalsPage::Fill(const League& league, int t, const Locale& locale) {
    m_rows.clear();
    const int last = std::min<int>(league.Head.GoalCount, static_cast<int>(league.Goals.size()) - 1);
    for (int i = 1; i <= last; ++i)
        if (t == 0 || league.Goals[static_cast<std::size_t>(i)].TeamFor == t)
            m_rows.push_back({i, {}});
    SortBy(league, m_column, locale);
}

void GoalsPage::Summarize(const League& league) {
    int unassigned = 0;
    int ownGoals = 0;
    for (const GoalsPageRow& row : m_rows) {
        const GoalRec& goal = league.Goals[static_cast<std::size_t>(row.Goal)];
        if (goal.Scorer == 0) {
            ++unassigned;
            ownGoals += goal.OwnGoal != 0 ? 1 : 0;
        }
    }
    m_summary = SummaryLine(static_cast<int>(m_rows.size()), unassigned, ownGoals);
}

void GoalsPage::SortBy(const League& league, GoalColumn column, const Locale& locale) {
    m_column = column;
    std::erase_if(m_rows, [&league](const GoalsPageRow& row) {
        return row.Goal < 1 || row.Goal > league.Head.GoalCount ||
               static_cast<std::size_t>(row.Goal) >= league.Goals.size();
    });
    std::vector<std::pair<GoalKey, GoalsPageRow>> keyed;
    keyed.reserve(m_rows.size());
    for (GoalsPageRow& row : m_rows)
        keyed.emplace_back(KeyOf(league, row.Goal), std::move(row));
    std::stable_sort(keyed.begin(), keyed.end(), [column](const auto& a, const auto& b) {
        return Compare(column, a.first, b.first) < 0;
    });
    m_rows.clear();
    for (auto& [key, row] : keyed) {
        row.Cells = Cells(league, row.Goal, locale);
        m_rows.push_back(std::move(row));
    }
    Summarize(league);
}

void GoalsPage::RefreshRow(const League& league, int i, const Locale& locale) {
    if (i < 0 || static_cast<std::size_t>(i) >= m_rows.size())
        return;
    m_rows[static_cast<std::size_t>(i)].Cells =
        Cells(league, m_rows[static_cast<std::size_t>(i)].Goal, locale);
    Summarize(league);
}

} // namespace gorlin
