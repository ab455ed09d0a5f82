#include "core/engine/MatchGrid.h"

#include "core/engine/Standings.h"
#include "core/model/Dates.h"

#include <algorithm>

namespace gorlin {

namespace {

int TeamLimit(const League& league) {
    return std::max(0, std::min({league.TeamCount(), kMaxTeams, static_cast<int>(league.Teams.size()) - 1}));
}

int GameLimit(const League& league) {
    return std::max(0, std::min(league.GameCount(), static_cast<int>(league.Games.size()) - 1));
}

} // namespace

const MatchCell& MatchGridData::Cell(int home, int away) const {
    static const MatchCell kNone;
    if (home < 0 || away < 0 || home > TeamCount || away > TeamCount)
        return kNone;
    const std::size_t at = static_cast<std::size_t>(home * (TeamCount + 1) + away);
    return at < Cells.size() ? Cells[at] : kNone;
}

int MatchGridSetSize(const League& league) {
    const int teams = TeamLimit(league);
    const int games = GameLimit(league);
    const int pairings = teams * (teams - 1);
    return pairings > 0 && games > pairings ? pairings : games;
}

int MatchGridSetCount(const League& league) {
    const int size = MatchGridSetSize(league);
    const int games = GameLimit(league);
    return size > 0 ? (games + size - 1) / size : 1;
}

Expected<MatchGridData> BuildMatchGrid(const League& league, int set) {
    MatchGridData d;
    d.SetSize = MatchGridSetSize(league);
    d.SetCount = MatchGridSetCount(league);
    if (set < 1 || set > d.SetCount)
        return Error{"There is no set " + std::to_string(set) + " of matches (the league has " +
                     std::to_string(d.SetCount) + ")."};
    const int teams = TeamLimit(league);
    d.TeamCount = teams;
    d.Set = set;
    d.SecondSetEnabled = d.SetCount > 1;
    d.SetChooser = d.SetCount > 2;
    d.Teams.resize(static_cast<std::size_t>(teams) + 1);
    for (int t = 1; t <= teams; ++t)
        d.Teams[static_cast<std::size_t>(t)] = league.Teams[static_cast<std::size_t>(t)].Name.str();
    d.Cells.resize(static_cast<std::size_t>((teams + 1) * (teams + 1)));

    const int first = (set - 1) * d.SetSize + 1;
    const int last = std::min(GameLimit(league), set * d.SetSize);
    for (int g = first; g <= last; ++g) {
        const GameRec& game = league.Games[static_cast<std::size_t>(g)];
        const int home = game.HomeTeam;
        const int away = game.AwayTeam;
        if (home < 1 || home > teams || away < 1 || away > teams || home == away)
            continue;
        MatchCell& cell = d.Cells[static_cast<std::size_t>(home * (teams + 1) + away)];
        cell = MatchCell{};
        cell.Game = g;
        const int day = GameDay(game);
        if (game.Played) {
            cell.Text = std::to_string(game.HomeGoals) + "-" + std::to_string(game.AwayGoals);
        } else if (day != 0) {
            const CivilDate date = FromDayNumber(day);
            cell.Text = std::to_string(date.Day) + "/" + std::to_string(date.Month);
            cell.Fixture = true;
        } else {
            cell.Text = " - ";
        }
    }
    return d;
}

MatchGridLayout LayoutMatchGrid(const MatchGridData& grid, int width, int height,
                                const TextMeasure& measure) {
    MatchGridLayout l;
    int widest = 0;
    for (const std::string& name : grid.Teams)
        widest = std::max(widest, measure.Width(name, 10));
    l.NameWidth = widest + measure.Width("w", 10);
    l.CellWidth = grid.TeamCount > 0 ? std::max(0, width - 40 - l.NameWidth) / grid.TeamCount : 0;
    const int rows = std::max(grid.TeamCount, 20);
    const int area = std::max(0, height - 20) / 8 * 7;
    l.CellHeight = std::max(0, area / (2 * rows) * 2 - 1);
    l.GridLeft = 20 + l.NameWidth;
    l.GridTop = height - (area - 10);
    return l;
}

std::vector<Shape> DrawMatchGrid(const MatchGridData& grid, int width, bool printing, int height,
                                 const TextMeasure& measure) {
    std::vector<Shape> out;
    const int n = grid.TeamCount;
    if (n == 0)
        return out;
    const MatchGridLayout l = LayoutMatchGrid(grid, width, height, measure);
    const int right = l.GridLeft + n * l.CellWidth;
    const int bottom = l.GridTop + n * l.CellHeight;
    auto x = [&](int column) { return l.GridLeft + (column - 1) * l.CellWidth; };
    auto y = [&](int row) { return l.GridTop + (row - 1) * l.CellHeight; };

    for (int t = 1; t <= n; ++t) {
        Shape diagonal = Shape::MakeRect(x(t), y(t), x(t + 1), y(t + 1), printing ? kButtonFace : kBlue);
        diagonal.Outline = false;
        out.push_back(diagonal);
    }
    for (int home = 1; home <= n; ++home)
        for (int away = 1; away <= n; ++away) {
            const MatchCell& cell = grid.Cell(home, away);
            if (!cell.Text.empty())
                out.push_back(Shape::MakeText(x(away), y(home), x(away + 1), y(home + 1), cell.Text, 7,
                                              cell.Fixture ? kRed : kBlack, TextAlign::Centre));
        }
    for (int i = 1; i < n; ++i) {
        out.push_back(Shape::MakeLine(l.GridLeft, y(i + 1), right, y(i + 1)));
        out.push_back(Shape::MakeLine(x(i + 1), l.GridTop, x(i + 1), bottom));
    }
    Shape border = Shape::MakeRect(l.GridLeft, l.GridTop, right + 1, bottom + 1, kWhite);
    border.Filled = false;
    out.push_back(border);

    for (int t = 1; t <= n; ++t) {
        const std::string& name = grid.Teams[static_cast<std::size_t>(t)];
        out.push_back(
            Shape::MakeText(20, y(t), l.GridLeft - 2, y(t + 1), name, 8, printing ? kBlack : kBlue));
        // Set against the grid; a name longer than its band keeps its start in view instead.
        const TextAlign along = measure.Width(name, 8) > l.GridTop - 12 ? TextAlign::Left : TextAlign::Right;
        Shape heading =
            Shape::MakeText(x(t), 10, x(t + 1), l.GridTop - 2, name, 8, printing ? kBlack : kRed, along);
        heading.Angle = 270;
        out.push_back(heading);
    }
    return out;
}

} // namespace gorlin
