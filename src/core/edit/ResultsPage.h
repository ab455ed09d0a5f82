#pragma once

#include "core/model/Expected.h"
#include "core/model/League.h"
#include "core/model/Locale.h"

#include <array>
#include <string>
#include <vector>

namespace gorlin {

/// The columns of the "Results" maintenance page, in heading order.
enum class ResultColumn { Com, Date, Attend, HomeTeam, AwayTeam, F, A };
inline constexpr std::array<const char*, 7> kResultHeadings = {"Com",       "Date", "Attend", "Home Team",
                                                               "Away Team", "F",    "A"};

/// One row of the results grid: its game (0 once deleted) and its cell texts in heading order.
struct ResultsPageRow {
    int Game = 0;
    std::array<std::string, 7> Cells;
};

/// The "Results" maintenance page: ResultList (the played games of the chosen team, league and
/// cup, in game order, then sorted by the last chosen heading; "Date" when the league opens),
/// its rows, sorting by heading and deleting a row's result.
class ResultsPage {
public:
    /// Lists the played games in which team t plays (every played game for t = 0).
    void Fill(const League& league, int t, const Locale& locale);
    /// Drops deleted entries and sorts by `column`, which is kept for later fills. Sort keys:
    /// "Com" competition, then date; "Date" date, then home name; "Attend" attendance (most
    /// first), then date, then home name; "Home Team" home, then away name; "Away Team" away,
    /// then home name; "F"/"A" home/away goals (most first), then date. A date of 0 counts as
    /// day 99999; names compare by character code; the order of equal rows is kept.
    void SortBy(const League& league, ResultColumn column, const Locale& locale);
    /// Rewrites the cells of row i from its game (after "Set Date" or "Update Result").
    void RefreshRow(const League& league, int i, const Locale& locale);

    /// "Delete" on row i after the user's Yes: deletes the result; the row shows "n/a" as its
    /// date and leaves the list; when a cup game was removed the later entries are renumbered.
    /// Refused (beep) for a row without a result.
    Status DeleteRow(League& league, int i);

    /// True when row i holds a result (the buttons and the pop-up's items need one).
    bool ValidRow(int i) const;
    const std::vector<ResultsPageRow>& Rows() const { return m_rows; }
    ResultColumn SortColumn() const { return m_column; }

    /// The cells of game g: competition short name, date (blank when 0), attendance with
    /// thousands separators, home team, away team, home goals, away goals.
    static std::array<std::string, 7> Cells(const League& league, int g, const Locale& locale);

private:
    std::vector<ResultsPageRow> m_rows;
    ResultColumn m_column = ResultColumn::Date;
};

} // namespace gorlin
