#pragma once

#include "core/model/League.h"
#include "core/model/Locale.h"

#include <array>
#include <string>
#include <vector>

namespace gorlin {

/// The columns of the "Goals" maintenance page, in heading order.
enum class GoalColumn { Com, Date, Opponent, OG, Pen, Scorer, Time };
inline constexpr std::array<const char*, 7> kGoalHeadings = {"Com", "Date",        "Opponent", "OG",
                                                             "Pen", "Goal Scorer", "Time"};

/// One row of the goals grid: the goal and its cells in heading order.
struct GoalsPageRow {
    int Goal = 0;
    std::array<std::string, 7> Cells;
};

/// The "Goals" maintenance page: the goals credited to the chosen team (all goals for team 0),
/// sorted by the last chosen heading ("Date" when the league opens), and the summary line.
class GoalsPage {
public:
    /// Lists the goals of team t and sorts them by the kept column.
    void Fill(const League& league, int t, const Locale& locale);
    /// Sorts by `column`, kept for later fills. Keys: "Com" competition, then date latest
    /// first; "Date" date latest first, then minute; "Opponent" opponent name (character
    /// code), "OG" own goals first, "Pen" penalties first, "Goal Scorer" scorer name ignoring
    /// case (unassigned first), each then date earliest first and minute; "Time" minute, then
    /// date earliest first.
    void SortBy(const League& league, GoalColumn column, const Locale& locale);
    /// Rewrites row i and the summary after the goal dialog changed its goal.
    void RefreshRow(const League& league, int i, const Locale& locale);

    const std::vector<GoalsPageRow>& Rows() const { return m_rows; }
    GoalColumn SortColumn() const { return m_column; }
    /// "%d goal(s) Scored" and the unassigned part, over the listed goals.
    const std::string& Summary() const { return m_summary; }

    /// The cells of goal `goal`: competition short name, date (blank when 0), opponent (the
    /// game's other team than the one credited), "OG", "Pen", scorer name, minute.
    static std::array<std::string, 7> Cells(const League& league, int goal, const Locale& locale);
    /// The summary for `count` goals of which `unassigned` have no scorer, `ownGoals` of those
    /// being own goals.
    static std::string SummaryLine(int count, int unassigned, int ownGoals);

private:
    void Summarize(const League& league);

    std::vector<GoalsPageRow> m_rows;
    GoalColumn m_column = GoalColumn::Date;
    std::string m_summary;
};

} // namespace gorlin
