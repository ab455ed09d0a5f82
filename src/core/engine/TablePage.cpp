#include "core/engine/TablePage.h"

#include <algorithm>

namespace gorlin {

TablePageState OpenTablePage(const League& league, const Settings& settings, int today) {
    TablePageState state;
    state.ShortFormat = settings.ShortTab;
    state.ShowPossPoints = settings.ShowPoss;
    RefreshDates(state, league, today);
    return state;
}

void RefreshDates(TablePageState& state, const League& league, int today) {
    state.Dates = BuildDateTable(league, state.Content, today);
}

void SetContent(TablePageState& state, const League& league, int content, int today) {
    state.Content = std::clamp(content, 0, 2);
    RefreshDates(state, league, today);
}

void SetSide(TablePageState& state, const League& league, int side, int today) {
    state.Side = std::clamp(side, 0, 2);
    RefreshDates(state, league, today);
}

const std::string& ShownColumnLetters(const TablePageState& state, const Settings& settings) {
    if (!state.Columns.empty())
        return state.Columns;
    return state.ShortFormat ? settings.TableShort : settings.TableLong;
}

TableViewArgs TableArgs(const TablePageState& state, const Settings& settings) {
    TableViewArgs args;
    args.ColumnLetters = ShownColumnLetters(state, settings);
    args.ShowPossPoints = state.ShowPossPoints;
    args.ShowStatus = settings.ShowStatus;
    args.Content = state.Content;
    args.Side = state.Side;
    args.FromDate = state.Dates.FromDate;
    args.ToDate = state.Dates.ToDate;
    args.FormGames = settings.FormGames;
    return args;
}

} // namespace gorlin
