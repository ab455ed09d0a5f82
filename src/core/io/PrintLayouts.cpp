#include "core/io/PrintLayouts.h"

#include "core/engine/Standings.h"
#include "core/engine/StatsLookup.h"
#include "core/engine/TableView.h"
#include "core/io/PrintText.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

namespace gorlin {

namespace {

using Row = std::vector<std::string>;

/// Height of one grid row at `points`: a line and a fifth.
int RowHeight(int points, const TextMeasure& measure) {
    const int line = measure.Height(points);
    return line + std::max(1, line / 5);
}

/// Room on either side of a cell's text.
int CellPad(int points, const TextMeasure& measure) {
    return std::max(2, measure.Width("0", points) / 2);
}

/// Each column as wide as its widest cell plus the padding on both sides.
std::vector<int> NaturalWidths(const std::vector<const Row*>& rows, std::size_t columns, int points,
                               const TextMeasure& measure) {
    std::vector<int> widths(columns, 0);
    for (const Row* row : rows)
        for (std::size_t c = 0; c < columns && c < row->size(); ++c)
            widths[c] = std::max(widths[c], measure.Width((*row)[c], points));
    const int pad = CellPad(points, measure);
    for (int& w : widths)
        w += 2 * pad;
    return widths;
}

int Sum(const std::vector<int>& values) {
    int total = 0;
    for (const int v : values)
        total += v;
    return total;
}

/// Shrinks the widths in proportion until they add up to at most `room`.
void ScaleWidths(std::vector<int>& widths, int room) {
    const long long total = Sum(widths);
    if (total <= room || total <= 0)
        return;
    for (int& w : widths)
        w = static_cast<int>(static_cast<long long>(w) * std::max(0, room) / total);
}

/// One cell: an outlined box (filled when `fill` is not white) and its text fitted inside.
void AddCell(std::vector<Shape>& page, int x, int y, int width, int height, const std::string& text,
             int points, TextAlign align, Colour fill, const TextMeasure& measure, Colour pen = kBlack) {
    Shape box = Shape::MakeRect(x, y, x + width + 1, y + height + 1, fill);
    box.Filled = fill != kWhite;
    page.push_back(box);
    const int pad = CellPad(points, measure);
    const int room = width - 2 * pad;
    const std::string fitted = FitText(text, room, points, measure);
    if (!fitted.empty())
        page.push_back(Shape::MakeText(x + pad, y, x + pad + room, y + height, fitted, points, pen, align));
}

/// A line of text from (x, y), fitted to `width`.
void AddLine(std::vector<Shape>& page, int x, int y, int width, const std::string& text, int points,
             const TextMeasure& measure, TextAlign align = TextAlign::Left) {
    const std::string fitted = FitText(text, width, points, measure);
    if (!fitted.empty())
        page.push_back(
            Shape::MakeText(x, y, x + width, y + measure.Height(points), fitted, points, kBlack, align));
}

// League table ----------------------------------------------------------------------------

struct ColumnGroup {
    const char* Caption;
    char First;
    char Last;
};
constexpr ColumnGroup kTableGroups[] = {{"Home", 'D', 'H'}, {"Away", 'I', 'M'}, {"Total", 'N', 'U'}};

/// The first and last shown column of a group, or -1, -1 when none is shown.
std::pair<int, int> GroupSpan(const std::string& letters, const ColumnGroup& group) {
    int first = -1;
    int last = -1;
    for (std::size_t c = 0; c < letters.size(); ++c)
        if (letters[c] >= group.First && letters[c] <= group.Last) {
            if (first < 0)
                first = static_cast<int>(c);
            last = static_cast<int>(c);
        }
    return {first, last};
}

// Team statistics ---------------------------------------------------------------------------

std::string ScoreLine(const char* side, const std::string& goals, const std::string& team) {
    std::string line = std::string("    ") + side + " : ";
    if (!team.empty())
        line += goals + " (" + team + ")";
    return line;
}

// List tables -------------------------------------------------------------------------------

std::string PageFooter(std::size_t page, std::size_t pages) {
    return "Page " + std::to_string(page) + " of " + std::to_string(pages);
}

} // namespace

PrintDocument PrintLeagueTable(const League& league, const TablePageState& state, const Settings& settings,
                               const PrintPageSetup& setup, const TextMeasure& measure) {
    const TableViewData view = DrawTable(league, TableArgs(state, settings));
    PrintDocument doc;
    doc.JobTitle = kLeagueTableJob;
    doc.Pages.emplace_back();
    std::vector<Shape>& page = doc.Pages.back();
    const int top = DrawPageTop(page, setup, measure);
    const std::string note = TableNote(state.Content, state.Side);

    std::vector<const Row*> rows{&view.Headings};
    for (const TableRow& r : view.Rows)
        rows.push_back(&r.Cells);
    const std::size_t columns = view.Headings.size();
    bool grouped = false;
    for (const ColumnGroup& g : kTableGroups)
        grouped = grouped || GroupSpan(view.Columns, g).first >= 0;

    // The largest size at which the whole table fits the page.
    int points = kPrintBodyPoints;
    std::vector<int> widths;
    int rowHeight = 0;
    for (;; --points) {
        widths = NaturalWidths(rows, columns, points, measure);
        rowHeight = RowHeight(points, measure);
        const int lines = static_cast<int>(rows.size()) + (grouped ? 1 : 0) + (note.empty() ? 0 : 2);
        if (points <= kPrintMinPoints ||
            (Sum(widths) <= setup.Width && top + lines * rowHeight <= setup.Height))
            break;
    }
    // Still too wide at the smallest size: the team column gives way first, then every column.
    const std::size_t teamColumn = view.Columns.find('B');
    if (const int excess = Sum(widths) - setup.Width; excess > 0 && teamColumn != std::string::npos) {
        int& team = widths[teamColumn];
        team = std::max(4 * CellPad(points, measure), team - excess);
    }
    ScaleWidths(widths, setup.Width - 1);

    std::vector<int> lefts(columns + 1, 0);
    for (std::size_t c = 0; c < columns; ++c)
        lefts[c + 1] = lefts[c] + widths[c];
    auto align = [&view](std::size_t c) {
        return c < view.Columns.size() && view.Columns[c] == 'B' ? TextAlign::Left : TextAlign::Right;
    };

    int y = top;
    if (grouped) {
        for (const ColumnGroup& g : kTableGroups) {
            const auto [first, last] = GroupSpan(view.Columns, g);
            if (first < 0)
                continue;
            const int x = lefts[static_cast<std::size_t>(first)];
            AddCell(page, x, y, lefts[static_cast<std::size_t>(last) + 1] - x, rowHeight, g.Caption, points,
                    TextAlign::Centre, kSilver, measure);
        }
        y += rowHeight;
    }
    for (std::size_t c = 0; c < columns; ++c)
        AddCell(page, lefts[c], y, widths[c], rowHeight, view.Headings[c], points, TextAlign::Centre, kSilver,
                measure);
    y += rowHeight;
    // The zones in their colours and the own team's text in its colour, as on screen; the
    // other teams' rows stay white on paper.
    auto zoneFill = [&settings](RowZone zone) {
        switch (zone) {
        case RowZone::Promoted:
            return settings.Colour1;
        case RowZone::PlayOff:
            return settings.Colour2;
        case RowZone::Relegated:
            return settings.Colour3;
        case RowZone::Default:
            break;
        }
        return kWhite;
    };
    for (const TableRow& r : view.Rows) {
        const Colour fill = zoneFill(r.Zone);
        const Colour pen = r.OwnTeam ? settings.Colour4 : kBlack;
        for (std::size_t c = 0; c < columns && c < r.Cells.size(); ++c)
            AddCell(page, lefts[c], y, widths[c], rowHeight, r.Cells[c], points, align(c), fill, measure,
                    pen);
        y += rowHeight;
    }
    if (!note.empty())
        AddLine(page, 0, y + rowHeight, setup.Width, note, points, measure);
    return doc;
}

PrintDocument PrintTeamStatistics(const League& league, const TeamStatsData& data,
                                  const PrintPageSetup& setup, const TextMeasure& measure) {
    PrintDocument doc;
    doc.JobTitle = kTeamStatisticsJob;
    doc.Pages.emplace_back();
    std::vector<Shape>& page = doc.Pages.back();
    const int top = DrawPageTop(page, setup, measure);

    std::vector<std::string> lines;
    if (data.Team > 0)
        lines.emplace_back(TeamName(league, data.Team));
    const std::pair<const char*, const std::string*> summary[] = {
        {"Played", &data.lblPlayed}, {"Won", &data.lblWon},       {"Drawn", &data.lblDrawn},
        {"Lost", &data.lblLost},     {"Points", &data.lblPoints}, {"Added", &data.lbDeducted},
        {"Goals", &data.lblGoals},
    };
    for (const auto& [label, value] : summary)
        lines.push_back(std::string(label) + ": " + *value);
    lines.emplace_back();
    lines.emplace_back("Highest Score For:");
    lines.push_back(ScoreLine("Home", data.hfHome, data.hfHomeTeam));
    lines.push_back(ScoreLine("Away", data.hfAway, data.hfAwayTeam));
    lines.emplace_back("Highest Score Against:");
    lines.push_back(ScoreLine("Home", data.haHome, data.haHomeTeam));
    lines.push_back(ScoreLine("Away", data.haAway, data.haAwayTeam));
    lines.emplace_back();
    lines.emplace_back("Current Form");
    lines.push_back("    Home : " + data.HomeForm);
    lines.push_back("    Away : " + data.AwayForm);
    for (const std::string& phrase : data.FormPhrases)
        lines.push_back("    " + phrase);
    lines.emplace_back();

    std::vector<const TeamResultRow*> home;
    std::vector<const TeamResultRow*> away;
    for (const TeamResultRow& r : data.Results)
        (r.Home ? home : away).push_back(&r);
    const std::size_t resultLines = std::max(home.size(), away.size());

    // The largest size at which every line and result fits; below the smallest, results that
    // do not fit are left out and the last line counts them.
    int points = kPrintBodyPoints;
    int rowHeight = 0;
    std::size_t shownResults = resultLines;
    for (;; --points) {
        rowHeight = RowHeight(points, measure);
        const int room = (setup.Height - top) / std::max(1, rowHeight);
        const int needed = static_cast<int>(lines.size() + 1 + resultLines);
        if (needed <= room)
            break;
        if (points <= kPrintMinPoints) {
            const int left = room - static_cast<int>(lines.size()) - 2;
            shownResults = static_cast<std::size_t>(std::max(0, left));
            break;
        }
    }

    int y = top;
    // A page too short for the summary itself keeps the lines that fit.
    for (const std::string& line : lines) {
        if (y + rowHeight <= setup.Height)
            AddLine(page, 0, y, setup.Width, line, points, measure);
        y += rowHeight;
    }

    // Two columns of results, each: date, opponent, score.
    int dateWidth = measure.Width("00/00/00W", points);
    for (const TeamResultRow& r : data.Results)
        if (r.Cells.size() > kResDate)
            dateWidth = std::max(dateWidth, measure.Width(r.Cells[kResDate] + "W", points));
    const int scoreWidth = measure.Width("00-00W", points);
    const int gap = measure.Width("MM", points);
    const int half = (setup.Width - gap) / 2;
    const int nameWidth = std::max(0, half - dateWidth - scoreWidth);
    auto column = [&](int left, const char* caption, const std::vector<const TeamResultRow*>& results) {
        int rowY = y;
        if (rowY + rowHeight > setup.Height)
            return;
        AddLine(page, left, rowY, half, caption, points, measure);
        rowY += rowHeight;
        for (std::size_t i = 0; i < results.size() && i < shownResults; ++i) {
            const TeamResultRow& r = *results[i];
            const std::string date = r.Cells.size() > kResDate ? r.Cells[kResDate] : std::string();
            AddLine(page, left, rowY, dateWidth, date, points, measure);
            AddLine(page, left + dateWidth, rowY, nameWidth, r.Opponent, points, measure);
            AddLine(page, left + dateWidth + nameWidth, rowY, scoreWidth,
                    std::to_string(r.For) + "-" + std::to_string(r.Against), points, measure,
                    TextAlign::Right);
            rowY += rowHeight;
        }
    };
    column(0, "Home", home);
    column(half + gap, "Away", away);
    if (shownResults < resultLines) {
        const std::size_t hidden = (home.size() - std::min(home.size(), shownResults)) +
                                   (away.size() - std::min(away.size(), shownResults));
        const int lastY = y + static_cast<int>(shownResults + 1) * rowHeight;
        if (lastY + rowHeight <= setup.Height)
            AddLine(page, 0, lastY, setup.Width, std::to_string(hidden) + " more results are not shown",
                    points, measure);
    }
    return doc;
}

PrintDocument PrintMatchGrid(const MatchGridData& grid, const PrintPageSetup& setup,
                             const TextMeasure& measure) {
    PrintDocument doc;
    doc.JobTitle = kMatchGridJob;
    doc.Pages.push_back(DrawMatchGrid(grid, setup.Width, true, setup.Height, measure));
    return doc;
}

PrintDocument PrintGraph(const GraphSeries& series, bool bars, const PrintPageSetup& setup,
                         const TextMeasure& measure) {
    GraphPaintArgs args;
    args.Width = setup.Width;
    args.Height = setup.Height;
    args.Printing = true;
    args.Bars = bars;
    args.Title = setup.Heading;
    PrintDocument doc;
    doc.JobTitle = kGraphJob;
    doc.Pages.push_back(PaintGraph(series, args, measure).Shapes);
    return doc;
}

PrintListData MakePrintList(std::string title, const std::vector<std::vector<std::string>>& rows,
                            std::size_t headingRows, std::vector<bool> rightAligned) {
    const auto split = rows.begin() + static_cast<std::ptrdiff_t>(std::min(headingRows, rows.size()));
    return PrintListData{
        std::move(title), {rows.begin(), split}, {split, rows.end()}, std::move(rightAligned)};
}

PrintListData QueryPrintList(const QueryResult& result) {
    return PrintListData{"Query Results", {result.Headings}, result.Cells, result.Numeric};
}

PrintDocument PrintListTable(const PrintListData& list, const PrintPageSetup& setup,
                             const TextMeasure& measure) {
    PrintDocument doc;
    doc.JobTitle = "Gorlin " + list.Title;

    std::size_t columns = 0;
    std::vector<const Row*> rows;
    for (const Row& r : list.Headings) {
        rows.push_back(&r);
        columns = std::max(columns, r.size());
    }
    for (const Row& r : list.Rows) {
        rows.push_back(&r);
        columns = std::max(columns, r.size());
    }

    // The largest size at which the columns fit the page's width, then columns scaled down.
    int points = kPrintBodyPoints;
    std::vector<int> widths;
    for (;; --points) {
        widths = NaturalWidths(rows, columns, points, measure);
        if (points <= kPrintMinPoints || Sum(widths) <= setup.Width)
            break;
    }
    ScaleWidths(widths, setup.Width - 1);
    std::vector<int> lefts(columns + 1, 0);
    for (std::size_t c = 0; c < columns; ++c)
        lefts[c + 1] = lefts[c] + widths[c];
    const int rowHeight = RowHeight(points, measure);
    const int titlePoints = points + 2;
    const int titleHeight = RowHeight(titlePoints, measure);
    const int footHeight = 2 * rowHeight;

    // Page breaks between rows: each page holds the title, the column titles and at least one
    // row, so a list always ends.
    std::vector<Shape> scratch;
    const int firstTop = DrawPageTop(scratch, setup, measure);
    const int headingsHeight = titleHeight + static_cast<int>(list.Headings.size()) * rowHeight;
    std::vector<std::size_t> breaks{0}; // first row of each page
    {
        int y = firstTop + headingsHeight;
        for (std::size_t r = 0; r < list.Rows.size(); ++r) {
            if (r > breaks.back() && y + rowHeight > setup.Height - footHeight) {
                breaks.push_back(r);
                y = kPrintPageTop + headingsHeight;
            }
            y += rowHeight;
        }
    }
    breaks.push_back(list.Rows.size());
    const std::size_t pageCount = breaks.size() - 1;

    auto align = [&list](std::size_t c) {
        return c < list.RightAligned.size() && list.RightAligned[c] ? TextAlign::Right : TextAlign::Left;
    };
    for (std::size_t p = 0; p < pageCount; ++p) {
        doc.Pages.emplace_back();
        std::vector<Shape>& page = doc.Pages.back();
        int y = p == 0 ? DrawPageTop(page, setup, measure) : kPrintPageTop;
        AddLine(page, 0, y, setup.Width, list.Title, titlePoints, measure);
        y += titleHeight;
        for (const Row& heading : list.Headings) {
            for (std::size_t c = 0; c < columns; ++c)
                AddCell(page, lefts[c], y, widths[c], rowHeight,
                        c < heading.size() ? heading[c] : std::string(), points, align(c), kSilver, measure);
            y += rowHeight;
        }
        for (std::size_t r = breaks[p]; r < breaks[p + 1]; ++r) {
            const Row& row = list.Rows[r];
            for (std::size_t c = 0; c < columns; ++c)
                AddCell(page, lefts[c], y, widths[c], rowHeight, c < row.size() ? row[c] : std::string(),
                        points, align(c), kWhite, measure);
            y += rowHeight;
        }
        AddLine(page, 0, setup.Height - rowHeight, setup.Width, PageFooter(p + 1, pageCount), points, measure,
                TextAlign::Centre);
    }
    return doc;
}

} // namespace gorlin
