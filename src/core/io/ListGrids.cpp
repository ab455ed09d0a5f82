#include "core/io/ListGrids.h"

#include "core/app/Settings.h"
#include "core/edit/Fixtures.h"
#include "core/edit/GoalsPage.h"
#include "core/edit/PlayersGrid.h"
#include "core/edit/ResultsPage.h"
#include "core/engine/DivisionStats.h"
#include "core/engine/GoalStats.h"
#include "core/engine/PlayerStats.h"
#include "core/engine/TeamStats.h"

#include <algorithm>
#include <array>

namespace gorlin {

namespace {

constexpr std::array<ListGridInfo, 14> kCatalogue = {{
    {"results", "Results", ListSubject::OptionalTeam},
    {"goals", "Goals", ListSubject::OptionalTeam},
    {"players", "Players", ListSubject::OptionalTeam},
    {"referees", "Referees", ListSubject::None},
    {"fixtures", "Fixtures", ListSubject::OptionalTeam},
    {"hat-tricks", "Hat-Tricks", ListSubject::None},
    {"penalties", "Penalties", ListSubject::None},
    {"own-goals", "Own Goals", ListSubject::None},
    {"by-team", "Goals By-Team", ListSubject::None},
    {"referee-stats", "Referees", ListSubject::None},
    {"team-games", "Results", ListSubject::Team},
    {"team-players", "Players", ListSubject::Team},
    {"team-fixtures", "Fixtures", ListSubject::Team},
    {"player-matches", "Matches", ListSubject::Player},
}};

/// The heading row and the right-aligned columns (by position) of a grid.
template <typename Headings>
ListGrid Start(const ListGridInfo& info, const Headings& headings, std::initializer_list<int> right) {
    ListGrid grid;
    grid.Title = info.Title;
    auto& heading = grid.Rows.emplace_back();
    for (const auto& h : headings)
        heading.emplace_back(h);
    grid.RightAligned.assign(heading.size(), false);
    for (const int c : right)
        grid.RightAligned[static_cast<std::size_t>(c)] = true;
    return grid;
}

template <typename Cells> void AddRow(ListGrid& grid, const Cells& cells) {
    grid.Rows.emplace_back(cells.begin(), cells.end());
}

std::vector<bool> RightOf(const std::vector<CellAlign>& align) {
    std::vector<bool> right;
    for (const CellAlign a : align)
        right.push_back(a == CellAlign::Right);
    return right;
}

bool ValidTeam(const League& league, int team) {
    return team >= 1 && team <= league.Head.TeamCount + league.Head.OtherTeamCount;
}

Expected<ListGrid> TeamStatsGrid(const League& league, const ListGridInfo& info, int team,
                                 const Settings& settings, const Locale& locale) {
    const TeamStatsData d = TeamStats(league, team, settings, locale);
    const std::string name = info.Name;
    if (name == "team-games") {
        ListGrid grid = Start(info, ResultsHeadings(), {});
        grid.RightAligned = RightOf(ResultsAlignment());
        for (const TeamResultRow& row : d.Results)
            AddRow(grid, row.Cells);
        return grid;
    }
    if (name == "team-fixtures") {
        ListGrid grid = Start(info, FixturesHeadings(), {});
        grid.RightAligned = RightOf(FixturesAlignment());
        for (const TeamFixtureRow& row : d.FixtureRows)
            AddRow(grid, row.Cells);
        return grid;
    }
    ListGrid grid = Start(info, PlayerHeadings(d.PlayerColumns), {});
    for (std::size_t c = 0; c < d.PlayerColumns.size(); ++c)
        grid.RightAligned[c] = PlayerAlignment(d.PlayerColumns[c]) == CellAlign::Right;
    for (const TeamPlayerRow& row : d.Players)
        AddRow(grid, row.Cells);
    return grid;
}

ListGrid GoalStatsGrid(const League& league, const ListGridInfo& info, const Locale& locale) {
    const GoalStatsData d = GoalStats(league, league.Head.GameType);
    const std::string name = info.Name;
    if (name == "hat-tricks") {
        ListGrid grid = Start(info, GoalsPerMatchHeadings(), {0});
        for (const HatTrickRow& row : d.sgGoalsPerMatch)
            AddRow(grid, HatTrickCells(league, row, locale));
        return grid;
    }
    if (name == "penalties") {
        ListGrid grid = Start(info, PensHeadings(), {2, 3});
        for (const PlayerGoalsRow& row : d.sgPens)
            AddRow(grid, PlayerGoalsCells(league, row, 4));
        return grid;
    }
    if (name == "own-goals") {
        ListGrid grid = Start(info, OwnGoalsHeadings(), {2});
        for (const PlayerGoalsRow& row : d.sgOwnGoals)
            AddRow(grid, PlayerGoalsCells(league, row, 3));
        return grid;
    }
    ListGrid grid = Start(info, TeamGoalsHeadings(), {1, 2, 3, 4, 5, 6});
    for (const TeamGoalsRow& row : d.sgTeamGoals)
        AddRow(grid, TeamGoalsCells(league, row));
    return grid;
}

ListGrid RefereeGrid(const League& league, const ListGridInfo& info, bool includeCup, const Locale& locale) {
    RefStats stats = BuildRefStats(league, includeCup);
    ListGrid grid = Start(info, kRefHeadings, {1, 2, 3, 4, 5, 6});
    for (const RefGridRow& row : SortRefStats(stats, league, kRefName, locale))
        AddRow(grid, row.Cells);
    return grid;
}

} // namespace

std::span<const ListGridInfo> ListGridCatalogue() {
    return kCatalogue;
}

const ListGridInfo* FindListGrid(std::string_view name) {
    const auto it = std::find_if(kCatalogue.begin(), kCatalogue.end(),
                                 [name](const ListGridInfo& info) { return name == info.Name; });
    return it == kCatalogue.end() ? nullptr : &*it;
}

Expected<ListGrid> BuildListGrid(const League& league, std::string_view name, const ListGridSubject& subject,
                                 const Settings& settings, const Locale& locale) {
    const ListGridInfo* info = FindListGrid(name);
    if (info == nullptr)
        return Error{"no list called " + std::string(name)};
    const int team = subject.Team;
    if (info->Needs == ListSubject::Team && !ValidTeam(league, team))
        return Error{"the list " + std::string(name) + " needs a team"};
    if (info->Needs == ListSubject::OptionalTeam && team != 0 && !ValidTeam(league, team))
        return Error{"no team " + std::to_string(team)};
    if (info->Needs == ListSubject::Player &&
        (subject.Player < 1 || subject.Player > league.Head.PlayerCount))
        return Error{"the list " + std::string(name) + " needs a player"};

    const std::string list(name);
    if (list == "results") {
        ResultsPage page;
        page.Fill(league, team, locale);
        ListGrid grid = Start(*info, kResultHeadings, {2, 5, 6});
        for (const ResultsPageRow& row : page.Rows())
            AddRow(grid, row.Cells);
        return grid;
    }
    if (list == "goals") {
        GoalsPage page;
        page.Fill(league, team, locale);
        ListGrid grid = Start(*info, kGoalHeadings, {6});
        for (const GoalsPageRow& row : page.Rows())
            AddRow(grid, row.Cells);
        return grid;
    }
    if (list == "players") {
        ListGrid grid = Start(*info, kPlayerHeadings, {0, 4});
        for (const PlayersPageRow& row :
             PlayersGrid().Fill(league, team == 0 ? kAllPlayers : team, settings.Positions))
            AddRow(grid, row.Cells);
        return grid;
    }
    if (list == "referees" || list == "referee-stats")
        return RefereeGrid(league, *info, list == "referees", locale);
    if (list == "fixtures") {
        ListGrid grid = Start(*info, kFixtureHeadings, {kFixHomeGoals, kFixAwayGoals});
        for (const FixtureRow& row : ListFixtures(league, team, kFixDate, locale).Rows) {
            std::vector<std::string> cells;
            for (int c = 0; c < kFixtureColumnCount; ++c)
                cells.push_back(c == kFixPredicted ? (row.Predicted ? "Y" : "") : row.Cell(c));
            AddRow(grid, cells);
        }
        return grid;
    }
    if (list == "team-games" || list == "team-players" || list == "team-fixtures")
        return TeamStatsGrid(league, *info, team, settings, locale);
    if (list == "player-matches") {
        const PlayerStatsData d = BuildData(league, subject.Player, league.Head.GameType, locale);
        ListGrid grid = Start(*info, PlayerMatchHeadings(), {3});
        for (const PlayerMatchRow& row : d.Matches) {
            std::vector<std::string> cells = row.Cells;
            cells.resize(PlayerMatchHeadings().size());
            AddRow(grid, cells);
        }
        return grid;
    }
    return GoalStatsGrid(league, *info, locale);
}

} // namespace gorlin
