#include "core/io/LeagueExport.h"

#include "core/engine/GameFilter.h"
#include "core/engine/Standings.h"
#include "core/model/Dates.h"

#include <algorithm>
#include <string_view>

namespace gorlin {

namespace {

std::size_t Size(int value) {
    return static_cast<std::size_t>(std::max(0, value));
}

/// Text of entry i of an array of records with a Name, "" outside it.
template <typename Array> std::string NameIn(const Array& array, int i) {
    return i >= 0 && Size(i) < array.size() ? array[Size(i)].Name.str() : std::string();
}

int LastGame(const League& league) {
    return std::min(league.AllGameCount(), static_cast<int>(league.Games.size()) - 1);
}

int LastTeam(const League& league) {
    return std::min(league.AllTeamCount(), static_cast<int>(league.Teams.size()) - 1);
}

/// The games and teams a game type takes.
struct Range {
    int FirstGame = 1;
    int LastGame = 0;
    int Comp = -1; // -1 any
    int FirstTeam = 1;
    int LastTeam = 0;
};

Range RangeOf(const League& league, int gameType) {
    Range r;
    const int games = LastGame(league);
    const int teams = LastTeam(league);
    if (gameType == kLeagueGamesOnly) {
        r.LastGame = std::min(league.GameCount(), games);
        r.LastTeam = std::min(league.TeamCount(), teams);
    } else if (gameType == kLeagueAndCup) {
        r.LastGame = games;
        r.LastTeam = teams;
    } else {
        r.FirstGame = league.GameCount() + 1;
        r.LastGame = games;
        r.Comp = gameType - 1;
        r.FirstTeam = league.TeamCount() + 1;
        r.LastTeam = teams;
    }
    return r;
}

bool InRange(const League& league, const Range& r, int g) {
    return g >= r.FirstGame && g <= r.LastGame && (r.Comp < 0 || league.Games[Size(g)].Comp == r.Comp);
}

bool HasTeam(const GameRec& game, int team) {
    return team == 0 || game.HomeTeam == team || game.AwayTeam == team;
}

bool InDates(const GameRec& game, const LeagueExportOptions& o) {
    const int day = GameDay(game);
    return day >= o.FromDate && day <= o.ToDate;
}

/// A game written among the results and the scorers.
bool Included(const League& league, const Range& r, const LeagueExportOptions& o, int g) {
    if (!InRange(league, r, g))
        return false;
    const GameRec& game = league.Games[Size(g)];
    return game.Played != 0 && InDates(game, o) && HasTeam(game, o.Team);
}

std::size_t Longest(std::size_t atLeast, auto&& textOf, int first, int last) {
    std::size_t width = atLeast;
    for (int i = first; i <= last; ++i)
        width = std::max(width, textOf(i).size());
    return width;
}

/// Column widths of the fixed text layout.
struct Widths {
    std::size_t Team = 0;
    std::size_t Player = 0;
    std::size_t Comment = 0;
    std::size_t Referee = 0;
    std::size_t Comp = 0;
};

Widths WidthsOf(const League& league) {
    Widths w;
    w.Team = Longest(
        0, [&](int t) { return NameIn(league.Teams, t); }, 1, LastTeam(league));
    const int players =
        std::min(static_cast<int>(league.Head.PlayerCount), static_cast<int>(league.Players.size()) - 1);
    w.Player = Longest(
        0, [&](int p) { return NameIn(league.Players, p); }, 1, players);
    w.Comment = Longest(
        7, [&](int g) { return league.Games[Size(g)].Comment.str(); }, 1, LastGame(league));
    w.Referee = Longest(
        7, [&](int r) { return NameIn(league.Referees, r); }, 1,
        std::min(static_cast<int>(league.Head.RefereeCount), kMaxReferees));
    w.Comp = Longest(
        0, [&](int c) { return NameIn(league.Comps, c); }, 0,
        std::min(static_cast<int>(league.Head.CompCount), kMaxComps));
    return w;
}

struct Column {
    std::size_t Width = 0;
    ExportAlign Align = ExportAlign::Left;
};

/// Cells and rows in the chosen format.
class Writer {
public:
    Writer(ExportFormat format, LineSink& sink, const std::string& tableTag)
        : m_format(format), m_sink(sink), m_tag(tableTag) {}

    bool Html() const { return m_format == ExportFormat::Html; }
    bool Csv() const { return m_format == ExportFormat::Csv; }
    bool Fixed() const { return m_format == ExportFormat::Fixed; }

    /// A line as it stands; CSV and tab-delimited lines lose their last character (the
    /// separator the last cell ends with).
    void Line(std::string_view text) {
        if ((m_format == ExportFormat::Csv || m_format == ExportFormat::Tab) && !text.empty())
            text.remove_suffix(1);
        m_sink.Add(text);
    }
    void Raw(std::string_view text) { m_sink.Add(text); }

    /// The table tag and the title row of an HTML table.
    void Title(std::string_view title, std::size_t columns) {
        Raw(m_tag);
        Raw("<TR><TH COLSPAN=" + std::to_string(columns) + ">" + HtmlEscape(title) + "</TH></TR>");
    }
    void EndTable() { Raw("</TABLE>"); }

    void BeginRow(bool heading = false) {
        m_heading = heading;
        m_row.clear();
        if (Html())
            Raw("<TR>");
    }
    void EndRow() {
        if (Html())
            Raw("</TR>");
        else
            Line(m_row);
    }

    /// One cell; `quoted` always quotes in CSV; `breakWhenEmpty` writes "<BR>" for an empty
    /// HTML cell.
    void Cell(std::string_view text, Column col, bool quoted = false, bool breakWhenEmpty = false) {
        switch (m_format) {
        case ExportFormat::Html: {
            const char* tag = m_heading ? "TH" : "TD";
            const char* align = col.Align == ExportAlign::Right    ? " ALIGN=RIGHT"
                                : col.Align == ExportAlign::Centre ? " ALIGN=CENTER"
                                                                   : "";
            const std::string body = text.empty() && breakWhenEmpty ? "<BR>" : HtmlEscape(text);
            Raw(std::string("   <") + tag + align + ">" + body + "</" + tag + ">");
            break;
        }
        case ExportFormat::Csv:
            m_row += (quoted ? CsvQuoted(text) : CsvCell(text)) + ",";
            break;
        case ExportFormat::Tab:
            m_row += TabCell(text) + "\t";
            break;
        case ExportFormat::Fixed:
            m_row += Padded(text, col) + " ";
            break;
        }
    }

    /// A heading row: HTML labels as plain heading cells, the text labels in their columns.
    void Headings(const std::vector<const char*>& html, const std::vector<const char*>& text,
                  const std::vector<Column>& cols) {
        BeginRow(true);
        const auto& labels = Html() ? html : text;
        for (std::size_t i = 0; i < labels.size() && i < cols.size(); ++i)
            Cell(labels[i], Html() ? Column{} : cols[i]);
        EndRow();
    }

private:
    static std::string Padded(std::string_view text, Column col) {
        const std::size_t missing =
            std::min<std::size_t>(col.Width > text.size() ? col.Width - text.size() : 0, 50);
        std::size_t before = 0;
        if (col.Align == ExportAlign::Right)
            before = missing;
        else if (col.Align == ExportAlign::Centre)
            before = missing / 2;
        return std::string(before, ' ') + std::string(text) + std::string(missing - before, ' ');
    }

    ExportFormat m_format;
    LineSink& m_sink;
    const std::string& m_tag;
    std::string m_row;
    bool m_heading = false;
};

constexpr Column Left(std::size_t width) {
    return {width, ExportAlign::Left};
}
constexpr Column Right(std::size_t width) {
    return {width, ExportAlign::Right};
}

std::string DateText(int day, const Locale& locale) {
    return day == 0 ? std::string() : FormatShortDate(day, locale);
}

std::string CompShort(const League& league, int comp) {
    return comp >= 0 && comp <= kMaxComps ? league.Comps[Size(comp)].ShortName.str() : std::string();
}

void WriteStandings(Writer& w, const League& league, const TableViewData& table, const Widths& widths) {
    const std::size_t columns = table.Headings.size();
    std::vector<Column> cols;
    for (std::size_t c = 0; c < columns; ++c) {
        const char letter = c < table.Columns.size() ? table.Columns[c] : '\0';
        cols.push_back(letter == 'B' ? Left(widths.Team) : Right(3));
    }
    if (w.Html())
        w.Title(TableTitle(league), columns);
    w.BeginRow(true);
    for (std::size_t c = 0; c < columns; ++c)
        w.Cell(table.Headings[c], cols[c]);
    w.EndRow();
    int number = 0;
    for (const TableRow& row : table.Rows) {
        ++number;
        w.BeginRow();
        for (std::size_t c = 0; c < columns; ++c) {
            const bool rowNumber = c < table.Columns.size() && table.Columns[c] == 'A';
            w.Cell(rowNumber              ? std::to_string(number)
                   : c < row.Cells.size() ? row.Cells[c]
                                          : std::string(),
                   cols[c]);
        }
        w.EndRow();
    }
    if (w.Html())
        w.EndTable();
}

void WriteShortResults(Writer& w, const League& league, const LeagueExportOptions& o, const Locale& locale,
                       const Widths& widths) {
    const Range range = RangeOf(league, o.GameType);
    std::vector<int> games;
    for (int g = range.FirstGame; g <= range.LastGame; ++g)
        if (Included(league, range, o, g))
            games.push_back(g);
    std::stable_sort(games.begin(), games.end(), [&](int a, int b) {
        const GameRec& x = league.Games[Size(a)];
        const GameRec& y = league.Games[Size(b)];
        const int dx = GameDay(x);
        const int dy = GameDay(y);
        return dx != dy ? dx < dy : x.HomeTeam < y.HomeTeam;
    });

    const std::vector<Column> cols = {
        Left(8), Left(widths.Team),    Left(widths.Team),    Right(3), Right(7), Right(10), Left(widths.Comp),
        Left(4), Left(widths.Comment), Left(widths.Referee), Left(10)};
    if (w.Html())
        w.Title("Match Results", 11);
    w.Headings({"Date", "Home Team", "Away Team", "For", "Against", "Attendance", "Competition", "Comp",
                "Comments", "Referee", "Awarded"},
               {"Date", "Home-Team", "Away-Team", "For", "Against", "Attendance", "Competition", "Comp",
                "Comments", "Referee", "Awarded"},
               cols);
    static const char* const kAwarded[] = {"As Scored", "Home Win", "Away Win"};
    for (const int g : games) {
        const GameRec& game = league.Games[Size(g)];
        const u32 attendance = game.Attendance;
        const int referee = game.Referee <= league.Head.RefereeCount ? game.Referee : 0;
        w.BeginRow();
        w.Cell(DateText(GameDay(game), locale), cols[0]);
        w.Cell(NameIn(league.Teams, game.HomeTeam), cols[1]);
        w.Cell(NameIn(league.Teams, game.AwayTeam), cols[2]);
        w.Cell(std::to_string(game.HomeGoals), cols[3]);
        w.Cell(std::to_string(game.AwayGoals), cols[4]);
        w.Cell(std::to_string(attendance), cols[5]);
        w.Cell(NameIn(league.Comps, game.Comp), cols[6]);
        w.Cell(CompShort(league, game.Comp), cols[7]);
        w.Cell(game.Comment.str(), cols[8], true);
        w.Cell(referee == 0 ? std::string() : NameIn(league.Referees, referee), cols[9], true);
        const int awarded = game.Awarded <= 2 ? game.Awarded : 0;
        w.Cell(w.Csv() ? std::to_string(awarded) : kAwarded[awarded], cols[10]);
        w.EndRow();
    }
    if (w.Html())
        w.EndTable();
}

/// One side's events of a full result: its goals by scorer, players sent off, missed penalties.
std::string SideEvents(const League& league, int g, int team, int squad) {
    std::vector<GoalRec> goals;
    const int goalCount =
        std::min(static_cast<int>(league.Head.GoalCount), static_cast<int>(league.Goals.size()) - 1);
    for (int i = 1; i <= goalCount; ++i) {
        const GoalRec& goal = league.Goals[Size(i)];
        if (goal.Game == g && goal.TeamFor == team && goal.Scorer != 0)
            goals.push_back(goal);
    }
    std::stable_sort(goals.begin(), goals.end(),
                     [](const GoalRec& a, const GoalRec& b) { return a.Minute < b.Minute; });
    std::string events;
    std::vector<int> done;
    for (const GoalRec& first : goals) {
        if (std::find(done.begin(), done.end(), first.Scorer) != done.end())
            continue;
        done.push_back(first.Scorer);
        std::string line = NameIn(league.Players, first.Scorer) + " ";
        for (const GoalRec& goal : goals) {
            if (goal.Scorer != first.Scorer)
                continue;
            if (goal.Penalty)
                line += "Pen ";
            if (goal.OwnGoal)
                line += "og ";
            line += std::to_string(goal.Minute) + " ";
        }
        events += HtmlEscape(line) + "<BR>";
    }

    if (squad >= 1 && squad <= league.Head.SquadCount && Size(squad) < league.Squads.size()) {
        std::vector<SquadEntry> reds;
        for (const SquadEntry& e : league.Squads[Size(squad)].Entries)
            if (e.Player != 0 && e.Red != 0)
                reds.push_back(e);
        std::stable_sort(reds.begin(), reds.end(),
                         [](const SquadEntry& a, const SquadEntry& b) { return a.TimeOff < b.TimeOff; });
        for (const SquadEntry& e : reds)
            events +=
                HtmlEscape("sent off " + NameIn(league.Players, e.Player) + " " + std::to_string(e.TimeOff)) +
                "<BR>";
    }

    std::vector<MissedPenRec> missed;
    for (int i = 1; i <= std::min(static_cast<int>(league.Head.MissedPenCount), kMaxMissedPens); ++i) {
        const MissedPenRec& pen = league.MissedPens[Size(i)];
        if (pen.Game == g && pen.Team == team)
            missed.push_back(pen);
    }
    std::stable_sort(missed.begin(), missed.end(),
                     [](const MissedPenRec& a, const MissedPenRec& b) { return a.Minute < b.Minute; });
    for (const MissedPenRec& pen : missed)
        events +=
            HtmlEscape(NameIn(league.Players, pen.Player) + " missed pen " + std::to_string(pen.Minute)) +
            "<BR>";
    return events;
}

void WriteFullResults(Writer& w, const League& league, const LeagueExportOptions& o, const Locale& locale) {
    const Range range = RangeOf(league, o.GameType);
    std::vector<int> games;
    for (int g = range.FirstGame; g <= range.LastGame; ++g)
        if (Included(league, range, o, g))
            games.push_back(g);
    std::stable_sort(games.begin(), games.end(), [&](int a, int b) {
        const GameRec& x = league.Games[Size(a)];
        const GameRec& y = league.Games[Size(b)];
        if (x.Comp != y.Comp)
            return x.Comp < y.Comp;
        if (GameDay(x) != GameDay(y))
            return GameDay(x) < GameDay(y);
        return a < b;
    });

    int comp = -1;
    int day = -1;
    for (const int g : games) {
        const GameRec& game = league.Games[Size(g)];
        if (game.Comp != comp) {
            if (comp >= 0)
                w.Raw("</TBODY></TABLE>");
            comp = game.Comp;
            day = -1;
            w.Raw("<H2>" +
                  (comp == 0 ? std::string("League Games") : HtmlEscape(NameIn(league.Comps, comp))) +
                  "</H2>");
            w.Raw("<TABLE border=0 cellpadding=1 cellspacing=1>");
            w.Raw("<TBODY>");
        }
        if (GameDay(game) != day) {
            day = GameDay(game);
            w.Raw("<TR><TH align=middle colspan=5>" +
                  (day == 0 ? std::string() : FormatDate(day, "mmmm dd yyyy", locale)) + "</TH></TR>");
        }
        const std::string home = HtmlEscape(NameIn(league.Teams, game.HomeTeam));
        const std::string away = HtmlEscape(NameIn(league.Teams, game.AwayTeam));
        w.Raw("<TR><TD align=left><B>" + home + "</B></TD><TD align=left>" + std::to_string(game.HomeGoals) +
              "</TD><TD align=left></TD><TD align=left><B>" + away + "</B></TD><TD align=left>" +
              std::to_string(game.AwayGoals) + "</TD></TR>");
        const std::string homeEvents = SideEvents(league, g, game.HomeTeam, game.HomeSquad);
        const std::string awayEvents = SideEvents(league, g, game.AwayTeam, game.AwaySquad);
        w.Raw("<TR><TD colSpan=2 vAlign=top>" + homeEvents + "</TD><TD></TD><TD colSpan=2 vAlign=top>" +
              awayEvents + "</TD></TR>");

        // The half-time score counts the goals of minutes 1 to HalfLength.
        int halfHome = 0;
        int halfAway = 0;
        const int goalCount =
            std::min(static_cast<int>(league.Head.GoalCount), static_cast<int>(league.Goals.size()) - 1);
        for (int i = 1; i <= goalCount; ++i) {
            const GoalRec& goal = league.Goals[Size(i)];
            if (goal.Game != g || goal.Minute < 1 || goal.Minute > league.Head.HalfLength)
                continue;
            halfHome += goal.TeamFor == game.HomeTeam ? 1 : 0;
            halfAway += goal.TeamFor == game.AwayTeam ? 1 : 0;
        }
        const u32 attendance = game.Attendance;
        w.Raw("<TR><TD colSpan=2><FONT size=-1>" +
              (attendance > 0 ? "Attend: " + std::to_string(attendance) : "") +
              "</FONT></TD><TD></TD><TD colSpan=2><FONT size=-1>Half-Time: " + std::to_string(halfHome) +
              "-" + std::to_string(halfAway) + "</FONT></TD></TR>");
        if (game.Referee != 0 && game.Referee <= league.Head.RefereeCount)
            w.Raw("<TR><TD colSpan=5 align=left><FONT size=-1>Referee: " +
                  HtmlEscape(NameIn(league.Referees, game.Referee)) + "</FONT></TD></TR>");
        if (game.Awarded == 1 || game.Awarded == 2)
            w.Raw(std::string("<TR><TD colSpan=5 align=left><B>") +
                  (game.Awarded == 1 ? "Game awarded to home team" : "Game awarded to away team") +
                  "</B></TD></TR>");
        w.Raw("<TR><TD>&nbsp;</TD></TR>");
    }
    if (comp >= 0)
        w.Raw("</TBODY></TABLE>");
}

void WriteFixtures(Writer& w, const League& league, const LeagueExportOptions& o, const Locale& locale,
                   const Widths& widths) {
    const Range range = RangeOf(league, o.GameType);
    const std::vector<Column> cols = {Left(8), Left(widths.Team), Left(widths.Team)};
    if (w.Html())
        w.Title("Match Fixtures", 3);
    w.Headings({"Date", "Home Team", "Away Team"}, {"Date", "Home-Team", "Away-Team"}, cols);
    for (int g = range.FirstGame; g <= range.LastGame; ++g) {
        if (!InRange(league, range, g))
            continue;
        const GameRec& game = league.Games[Size(g)];
        if (game.Played != 0 || !InDates(game, o) || !HasTeam(game, o.Team))
            continue;
        w.BeginRow();
        w.Cell(DateText(GameDay(game), locale), cols[0]);
        w.Cell(NameIn(league.Teams, game.HomeTeam), cols[1]);
        w.Cell(NameIn(league.Teams, game.AwayTeam), cols[2]);
        w.EndRow();
    }
    if (w.Html())
        w.EndTable();
}

/// "M.U" for "Manchester United", "Ars" for "Arsenal".
std::string Abbreviation(const std::string& name) {
    const std::size_t space = name.find(' ');
    if (space != std::string::npos && space > 0 && space + 1 < name.size())
        return std::string(1, name[0]) + "." + name[space + 1];
    return name.substr(0, 3);
}

void WriteGrids(Writer& w, const League& league, const Locale& locale, const Widths& widths) {
    const int grids = MatchesGridCount(league);
    const int teams = std::min(league.TeamCount(), LastTeam(league));
    // Each cell shows its own pairing: the pairing's first league game in the first grid, its
    // second in the second, whatever the order of the games.
    const std::size_t side = Size(teams) + 1;
    std::vector<std::vector<int>> pairings(side * side);
    for (int g = 1; g <= std::min(league.GameCount(), LastGame(league)); ++g) {
        const GameRec& game = league.Games[Size(g)];
        if (game.HomeTeam >= 1 && game.HomeTeam <= teams && game.AwayTeam >= 1 && game.AwayTeam <= teams &&
            game.HomeTeam != game.AwayTeam)
            pairings[game.HomeTeam * side + game.AwayTeam].push_back(g);
    }
    const Column name = Left(widths.Team);
    for (int grid = 1; grid <= grids; ++grid) {
        const char* title = grids == 1  ? "Matches Grid"
                            : grid == 1 ? "First set of matches"
                                        : "Second set of matches";
        if (w.Html())
            w.Title(title, side);
        else if (grids > 1)
            w.Line(std::string(title) + " ");
        w.BeginRow(true);
        w.Cell("Team", w.Html() ? Column{} : name);
        for (int t = 1; t <= teams; ++t)
            w.Cell(Abbreviation(NameIn(league.Teams, t)), Left(5));
        w.EndRow();
        for (int home = 1; home <= teams; ++home) {
            w.BeginRow();
            const std::string homeName = NameIn(league.Teams, home);
            if (w.Html()) {
                std::string dashed = homeName;
                std::replace(dashed.begin(), dashed.end(), ' ', '-');
                w.Raw("   <TH>" + HtmlEscape(dashed) + "</TH>");
            } else {
                w.Cell(homeName, name);
            }
            for (int away = 1; away <= teams; ++away) {
                const Column cell = w.Html() ? Column{0, ExportAlign::Centre} : Left(5);
                if (home == away) {
                    w.Cell(" ", w.Html() ? cell : Right(5));
                    continue;
                }
                const std::vector<int>& games = pairings[Size(home) * side + Size(away)];
                std::string text;
                if (Size(grid) <= games.size()) {
                    const GameRec& game = league.Games[Size(games[Size(grid - 1)])];
                    const int day = GameDay(game);
                    if (game.Played != 0)
                        text = std::to_string(game.HomeGoals) + "-" + std::to_string(game.AwayGoals);
                    else if (day != 0)
                        text = FormatShortDate(day, locale).substr(0, 5);
                    else
                        text = w.Html() ? "-" : "  -  ";
                }
                w.Cell(text, cell);
            }
            w.EndRow();
        }
        if (w.Html())
            w.EndTable();
    }
}

void WriteScorers(Writer& w, const League& league, const LeagueExportOptions& o, const Locale& locale,
                  const Widths& widths) {
    const Range range = RangeOf(league, o.GameType);
    const std::vector<Column> cols = {Left(widths.Player),
                                      Left(widths.Team),
                                      Left(widths.Team),
                                      Left(widths.Team),
                                      Left(8),
                                      Right(8),
                                      Right(3),
                                      Right(3),
                                      Left(4)};
    if (w.Html())
        w.Title("Goal Scorers", 9);
    w.Headings({"Player", "Team For", "Home Team", "Away Team", "Date", "Goal Time", "Penalty", "Own-Goal",
                "Competition"},
               {"Player", "Team-For", "Home-Team", "Away-Team", "Date", "Goal-Time", "Pen", "og", "Comp"},
               cols);
    const Column flag = w.Html() ? Column{3, ExportAlign::Centre} : Right(3);
    auto flagText = [&w](bool on) {
        return w.Html() ? std::string(on ? "Y" : "N") : std::string(on ? "1" : "0");
    };
    const int goalCount =
        std::min(static_cast<int>(league.Head.GoalCount), static_cast<int>(league.Goals.size()) - 1);
    for (int i = 1; i <= goalCount; ++i) {
        const GoalRec& goal = league.Goals[Size(i)];
        if (goal.Scorer == 0 || !Included(league, range, o, goal.Game))
            continue;
        const GameRec& game = league.Games[goal.Game];
        w.BeginRow();
        w.Cell(NameIn(league.Players, goal.Scorer), cols[0]);
        w.Cell(NameIn(league.Teams, goal.TeamFor), cols[1]);
        w.Cell(NameIn(league.Teams, game.HomeTeam), cols[2]);
        w.Cell(NameIn(league.Teams, game.AwayTeam), cols[3]);
        w.Cell(DateText(GameDay(game), locale), cols[4]);
        w.Cell(std::to_string(goal.Minute), cols[5]);
        w.Cell(flagText(goal.Penalty != 0), flag);
        w.Cell(flagText(goal.OwnGoal != 0), flag);
        w.Cell(CompShort(league, game.Comp), cols[8]);
        w.EndRow();
    }
    if (w.Html())
        w.EndTable();
}

void WritePlayers(Writer& w, const League& league, const LeagueExportOptions& o, const Locale& locale,
                  const Widths& widths) {
    const Range range = RangeOf(league, o.GameType);
    const std::vector<Column> cols = {
        Left(widths.Player), Left(widths.Team), Right(3), Left(15), Left(9), Left(7), Left(10)};
    const std::vector<const char*> headings = {"Player",    "Team",    "No.", "Position",
                                               "BirthDate", "Foreign", "Cost"};
    if (w.Html())
        w.Title("Players", 7);
    w.Headings(headings, headings, cols);
    const int players =
        std::min(static_cast<int>(league.Head.PlayerCount), static_cast<int>(league.Players.size()) - 1);
    for (int p = 1; p <= players; ++p) {
        const PlayerRec& player = league.Players[Size(p)];
        const int team = player.Team;
        const u16 birth = player.BirthDate;
        const u32 cost = player.Cost;
        if (team < range.FirstTeam || team > range.LastTeam || (o.Team != 0 && team != o.Team))
            continue;
        w.BeginRow();
        w.Cell(player.Name.str(), cols[0], false, true);
        w.Cell(NameIn(league.Teams, team), cols[1], false, true);
        w.Cell(std::to_string(player.SquadNo), cols[2], false, true);
        w.Cell(player.Position == 0 || player.Position >= o.Positions.size() ? std::string()
                                                                             : o.Positions[player.Position],
               cols[3], false, true);
        w.Cell(birth == 0 ? std::string() : FormatShortDate(birth, locale), cols[4], false, true);
        w.Cell(player.Foreign == 1 ? "N" : player.Foreign == 2 ? "Y" : "", cols[5], false, true);
        w.Cell(cost == 0 ? std::string()
               : w.Csv() ? std::to_string(cost)
                         : GroupThousands(cost, locale),
               cols[6], false, true);
        w.EndRow();
    }
    if (w.Html())
        w.EndTable();
}

} // namespace

ExportDates DefaultExportDates(const League& league, int today) {
    int earliest = 0;
    int latest = 0;
    for (int g = 1; g <= LastGame(league); ++g) {
        const GameRec& game = league.Games[Size(g)];
        const int day = GameDay(game);
        if (day == 0)
            continue;
        if (game.Played != 0 && (earliest == 0 || day < earliest))
            earliest = day;
        latest = std::max(latest, day);
    }
    ExportDates d;
    d.From = earliest == 0 ? today : std::min(earliest, today);
    d.To = latest == 0 ? today : latest;
    return d;
}

int MatchesGridCount(const League& league) {
    const int teams = league.TeamCount();
    if (teams < 2)
        return 0;
    const int pairs = teams * (teams - 1) / 2;
    if (league.GameCount() == 2 * pairs)
        return 1;
    if (league.GameCount() == 4 * pairs)
        return 2;
    return 0;
}

std::vector<TeamListItem> ExportTeamItems(const League& league) {
    std::vector<TeamListItem> items = {{kExportAllTeams, 0}};
    for (const int t : FilterTeams(league, kLeagueAndCup))
        items.push_back({NameIn(league.Teams, t), t});
    return items;
}

bool AnySection(const LeagueExportOptions& o) {
    return std::any_of(o.Sections.begin(), o.Sections.end(), [](bool on) { return on; });
}

void WriteLeagueExport(const League& league, const TableViewData& table, const LeagueExportOptions& options,
                       const Locale& locale, LineSink& sink) {
    Writer w(options.Format, sink, options.TableTag);
    const Widths widths = WidthsOf(league);
    bool first = true;
    for (int s = 0; s < kExportSectionCount; ++s) {
        const auto section = static_cast<ExportSection>(s);
        if (!options.Has(section))
            continue;
        if (section == ExportSection::FullResults && !w.Html())
            continue;
        if (section == ExportSection::Grid && MatchesGridCount(league) == 0)
            continue;
        if (!first)
            w.Raw("");
        first = false;
        switch (section) {
        case ExportSection::Table:
            WriteStandings(w, league, table, widths);
            break;
        case ExportSection::ShortResults:
            WriteShortResults(w, league, options, locale, widths);
            break;
        case ExportSection::FullResults:
            WriteFullResults(w, league, options, locale);
            break;
        case ExportSection::Fixtures:
            WriteFixtures(w, league, options, locale, widths);
            break;
        case ExportSection::Grid:
            WriteGrids(w, league, locale, widths);
            break;
        case ExportSection::Scorers:
            WriteScorers(w, league, options, locale, widths);
            break;
        case ExportSection::Players:
            WritePlayers(w, league, options, locale, widths);
            break;
        }
    }
}

} // namespace gorlin
