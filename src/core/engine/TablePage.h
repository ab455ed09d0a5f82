#pragma once

#include "core/app/Settings.h"
#include "core/engine/Standings.h"
#include "core/engine/TableView.h"
#include "core/model/League.h"

#include <string>

namespace gorlin {

/// What the league table page shows: its options, the date range and the display choices.
/// The page and `gorlin-cli table` hold one each, so both show the same table for the same
/// choices.
struct TablePageState {
    int Content = kPlayedGames;
    int Side = kHomeAndAway;
    DateTable Dates;
    bool ShortFormat = false;    // pop-up "Short Format": TableShort instead of TableLong
    bool ShowPossPoints = false; // pop-up "Show Possible Points"
    std::string Columns;         // column letters chosen outright ("" = by ShortFormat)
};

/// The state a page opens with: the options of the settings (ShortTab, ShowPoss), played games,
/// both sides, and the whole range of match dates (today at both ends when there are none).
TablePageState OpenTablePage(const League& league, const Settings& settings, int today);

/// Rebuilds the match dates for the current content and side and resets the range to all of
/// them, as showing the page and changing either option do.
void RefreshDates(TablePageState& state, const League& league, int today);

/// Changes the "Table Content" or "Game Selection" option (held to 0..2) and refreshes the dates.
void SetContent(TablePageState& state, const League& league, int content, int today);
void SetSide(TablePageState& state, const League& league, int side, int today);

/// True when the date range applies (not for current form).
inline bool DatesApply(const TablePageState& state) {
    return state.Content != kCurrentForm;
}

/// The column letters the grid shows.
const std::string& ShownColumnLetters(const TablePageState& state, const Settings& settings);

/// The arguments DrawTable takes for this state and the settings.
TableViewArgs TableArgs(const TablePageState& state, const Settings& settings);

} // namespace gorlin
