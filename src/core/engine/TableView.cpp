#include "core/engine/TableView.h"

#include "core/model/Dates.h"

#include <algorithm>
#include <cstddef>

namespace gorlin {

namespace {

const char* const kHeadings[] = {"Pos", "Team", "P", "W", "D", "L", "F", "A",  "W",  "D",   "L",
                                 "F",   "A",    "W", "D", "L", "F", "A", "GD", "GS", "Pts", "Chg"};

bool IsColumnLetter(char c) {
    return c >= 'A' && c <= 'V';
}

std::string TeamName(const League& league, int team) {
    if (team < 0 || team >= static_cast<int>(league.Teams.size()))
        return {};
    return league.Teams[static_cast<std::size_t>(team)].Name.str();
}

const TotalsRec& TotalsAt(const Standings& s, int position) {
    return s.TeamTotals[static_cast<std::size_t>(s.TableOrder[static_cast<std::size_t>(position)])];
}

/// Status mark of the team at position r ("" when the position shows).
const char* StatusMark(const League& league, const Standings& s, int r) {
    const int teamCount = league.TeamCount();
    const int promoted = league.Head.Promoted;
    const int relegated = league.Head.Relegated;
    const int n = s.TableSize;
    const TotalsRec& t = TotalsAt(s, r);

    if (r > teamCount - relegated) {
        if (t.PossPoints == t.Points)
            return "D";
        const int safePlace = teamCount - relegated; // lowest safe place; may lie outside a selection
        if (safePlace >= 1 && safePlace <= n && t.PossPoints < TotalsAt(s, safePlace).Points)
            return "D";
        return "";
    }
    if (r <= promoted) {
        int reach = 0;
        for (int k = 1; k <= n; ++k)
            if (TotalsAt(s, k).PossPoints >= t.Points)
                ++reach;
        return reach <= promoted ? "U" : "";
    }
    if (promoted + relegated > 0) {
        int above = 0;
        int below = 0;
        for (int k = 1; k <= n; ++k) {
            const TotalsRec& o = TotalsAt(s, k);
            if (o.Points > t.PossPoints)
                ++above;
            if (o.PossPoints < t.Points)
                ++below;
        }
        if ((promoted == 0 || promoted <= above) && (relegated == 0 || relegated <= below))
            return "S";
    }
    return "";
}

} // namespace

std::string ShownColumns(std::string_view columnLetters) {
    std::string shown;
    for (char c : columnLetters) {
        if (c >= 'a' && c <= 'v')
            c = static_cast<char>(c - 'a' + 'A');
        if (IsColumnLetter(c))
            shown.push_back(c);
    }
    return shown;
}

const char* ColumnHeading(char letter) {
    return IsColumnLetter(letter) ? kHeadings[letter - 'A'] : "";
}

std::vector<std::string> TableHeadings(std::string_view columnLetters, bool showPossPoints) {
    std::vector<std::string> headings;
    for (const char c : ShownColumns(columnLetters))
        headings.emplace_back(ColumnHeading(c));
    if (showPossPoints)
        headings.emplace_back("PP");
    return headings;
}

RowZone ZoneOf(const DivHead& head, int position) {
    const int teamCount = head.TeamCount;
    if (position > teamCount - head.Relegated)
        return RowZone::Relegated;
    if (position > teamCount - (head.Relegated + head.RelPlayOffs))
        return RowZone::PlayOff;
    if (position <= head.Promoted)
        return RowZone::Promoted;
    if (position <= head.Promoted + head.PlayOffs)
        return RowZone::PlayOff;
    return RowZone::Default;
}

std::string CellText(const League& league, const TotalsRec& r, int team, int position, char letter) {
    switch (letter) {
    case 'A':
        return std::to_string(position);
    case 'B':
        return TeamName(league, team);
    case 'C':
        return std::to_string(r.Played);
    case 'D':
        return std::to_string(r.HomeWon);
    case 'E':
        return std::to_string(r.HomeDrawn);
    case 'F':
        return std::to_string(r.HomeLost);
    case 'G':
        return std::to_string(r.HomeFor);
    case 'H':
        return std::to_string(r.HomeAgainst);
    case 'I':
        return std::to_string(r.AwayWon);
    case 'J':
        return std::to_string(r.AwayDrawn);
    case 'K':
        return std::to_string(r.AwayLost);
    case 'L':
        return std::to_string(r.AwayFor);
    case 'M':
        return std::to_string(r.AwayAgainst);
    case 'N':
        return std::to_string(r.HomeWon + r.AwayWon);
    case 'O':
        return std::to_string(r.HomeDrawn + r.AwayDrawn);
    case 'P':
        return std::to_string(r.HomeLost + r.AwayLost);
    case 'Q':
    case 'T':
        return std::to_string(r.HomeFor + r.AwayFor);
    case 'R':
        return std::to_string(r.HomeAgainst + r.AwayAgainst);
    case 'S':
        return std::to_string(r.GoalDiff);
    case 'U':
        return std::to_string(r.Points);
    case 'V':
        if (position < r.PrevPos)
            return "+" + std::to_string(r.PrevPos - position);
        if (position == r.PrevPos)
            return "0";
        return "-" + std::to_string(position - r.PrevPos);
    default:
        return {};
    }
}

TableViewData DrawTable(const League& league, const TableViewArgs& args) {
    TableViewData view;
    view.Columns = ShownColumns(args.ColumnLetters);
    view.Headings = TableHeadings(view.Columns, args.ShowPossPoints);

    FillTableArgs fill;
    fill.Content = args.Content;
    fill.Side = args.Side;
    fill.IgnoreSelection = false;
    fill.FromDate = args.FromDate;
    fill.ToDate = args.ToDate;
    fill.FormGames = args.FormGames;

    if (view.Columns.find('V') != std::string::npos) {
        FillTableArgs before = fill;
        before.ToDate = args.ToDate - 7;
        Standings earlier = FillTable(league, before);
        for (int pos = 1; pos <= earlier.TableSize; ++pos)
            earlier.TeamTotals[static_cast<std::size_t>(earlier.TableOrder[static_cast<std::size_t>(pos)])]
                .PrevPos = static_cast<u8>(pos);
        view.Table = FillTable(league, fill, &earlier);
    } else {
        view.Table = FillTable(league, fill);
    }

    const Standings& s = view.Table;
    const bool marks = (args.Content == kPlayedGames || args.Content == kPlayedPredicted) &&
                       args.Side == kHomeAndAway && args.ShowStatus;
    view.Rows.reserve(static_cast<std::size_t>(s.TableSize));
    for (int r = 1; r <= s.TableSize; ++r) {
        TableRow row;
        row.Position = r;
        row.Team = s.TableOrder[static_cast<std::size_t>(r)];
        row.Zone = ZoneOf(league.Head, r);
        row.OwnTeam = league.Head.OwnTeam != 0 && row.Team == league.Head.OwnTeam;
        const TotalsRec& totals = s.TeamTotals[static_cast<std::size_t>(row.Team)];
        std::string mark = marks ? StatusMark(league, s, r) : "";
        if (mark == "U" || mark == "D")
            ++view.MarksGiven;
        for (const char c : view.Columns)
            row.Cells.push_back(c == 'A' && !mark.empty() ? mark : CellText(league, totals, row.Team, r, c));
        if (args.ShowPossPoints)
            row.Cells.push_back(std::to_string(totals.PossPoints));
        view.Rows.push_back(std::move(row));
    }

    // Once every promotion and relegation place is decided, "safe" says nothing more.
    const std::size_t colA = view.Columns.find('A');
    if (view.MarksGiven == league.Head.Promoted + league.Head.Relegated && colA != std::string::npos) {
        for (TableRow& row : view.Rows)
            if (row.Cells[colA] == "S")
                row.Cells[colA] = std::to_string(row.Position);
    }
    return view;
}

std::string LatestResultHint(const League& league, int team, int side, int fromDate, int toDate,
                             const Locale& locale) {
    const int games =
        std::max(0, std::min<int>(league.GameCount(), static_cast<int>(league.Games.size()) - 1));
    int best = 0;
    int bestDay = 0;
    for (int g = 1; g <= games; ++g) {
        const GameRec& game = league.Games[static_cast<std::size_t>(g)];
        if (!game.Played)
            continue;
        const bool asHome = side != kAwayOnly && game.HomeTeam == team;
        const bool asAway = side != kHomeOnly && game.AwayTeam == team;
        if (!asHome && !asAway)
            continue;
        const int day = GameDay(game);
        if (day < fromDate || day > toDate)
            continue;
        if (best == 0 || day > bestDay) {
            best = g;
            bestDay = day;
        }
    }
    if (best == 0)
        return {};
    const GameRec& game = league.Games[static_cast<std::size_t>(best)];
    return FormatShortDate(bestDay, locale) + " " + TeamName(league, game.HomeTeam) + " " +
           std::to_string(game.HomeGoals) + " " + TeamName(league, game.AwayTeam) + " " +
           std::to_string(game.AwayGoals);
}

std::string TableTitle(const League& league) {
    std::string title = league.Head.TableName.str();
    const int sel = SelectionInForce(league);
    if (sel != 0)
        title += " (" + league.TeamSels[static_cast<std::size_t>(sel)].Name.str() + ")";
    return title;
}

} // namespace gorlin
