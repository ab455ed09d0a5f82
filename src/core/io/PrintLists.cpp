#include "core/io/PrintLists.h"

#include "core/edit/Fixtures.h"
#include "core/edit/GoalsPage.h"
#include "core/edit/PlayersGrid.h"
#include "core/edit/ResultsPage.h"

#include <string>

namespace gorlin {

namespace {

template <typename Headings> std::vector<std::string> HeadingRow(const Headings& headings) {
    return std::vector<std::string>(headings.begin(), headings.end());
}

template <typename Cells> std::vector<std::string> CellRow(const Cells& cells) {
    return std::vector<std::string>(cells.begin(), cells.end());
}

PrintListData ResultsList(const League& league, int team, const Locale& locale) {
    ResultsPage page;
    page.Fill(league, team, locale);
    PrintListData list{
        "Results", {HeadingRow(kResultHeadings)}, {}, {false, false, true, false, false, true, true}};
    for (const ResultsPageRow& row : page.Rows())
        list.Rows.push_back(CellRow(row.Cells));
    return list;
}

PrintListData GoalsList(const League& league, int team, const Locale& locale) {
    GoalsPage page;
    page.Fill(league, team, locale);
    PrintListData list{
        "Goals", {HeadingRow(kGoalHeadings)}, {}, {false, false, false, false, false, false, true}};
    for (const GoalsPageRow& row : page.Rows())
        list.Rows.push_back(CellRow(row.Cells));
    return list;
}

PrintListData FixturesList(const League& league, int team, const Locale& locale) {
    const FixtureList fixtures = ListFixtures(league, team, kFixDate, locale);
    PrintListData list{
        "Fixtures", {HeadingRow(kFixtureHeadings)}, {}, {false, false, false, false, false, true, true}};
    for (const FixtureRow& row : fixtures.Rows) {
        std::vector<std::string> cells;
        for (int c = 0; c < kFixtureColumnCount; ++c)
            // The grid shows a tick for a predicted score; on paper it reads "Yes".
            cells.push_back(c == kFixPredicted ? (row.Predicted ? "Yes" : "") : row.Cell(c));
        list.Rows.push_back(std::move(cells));
    }
    return list;
}

PrintListData PlayersList(const League& league, int team, const Settings& settings) {
    const PlayersGrid grid;
    PrintListData list{"Players", {HeadingRow(kPlayerHeadings)}, {}, {true, false, false, false, true}};
    for (const PlayersPageRow& row : grid.Fill(league, team == 0 ? kAllPlayers : team, settings.Positions))
        list.Rows.push_back(CellRow(row.Cells));
    return list;
}

} // namespace

const std::vector<std::string_view>& PrintListNames() {
    static const std::vector<std::string_view> names = {"results", "goals", "fixtures", "players"};
    return names;
}

Expected<PrintListData> PrintListFor(const League& league, std::string_view name, int team,
                                     const Settings& settings, const Locale& locale) {
    if (name == "results")
        return ResultsList(league, team, locale);
    if (name == "goals")
        return GoalsList(league, team, locale);
    if (name == "fixtures")
        return FixturesList(league, team, locale);
    if (name == "players")
        return PlayersList(league, team, settings);
    return Error{"no list called '" + std::string(name) +
                 "' can be printed (results, goals, fixtures, players)"};
}

} // namespace gorlin
