#include "core/engine/TeamStatsGrids.h"

#include "core/engine/Standings.h"
#include "core/model/Dates.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace gorlin {

namespace {

struct PlayerColumnInfo {
    const char* Heading;
    const char* Caption;
};

const PlayerColumnInfo kPlayerColumns[] = {
    {"SN", "Squad Number"},       {"Player", "Player Name"},    {"Position", "Players Position"},
    {"Apps", "Appearances"},      {"Goals", "Goals Scored"},    {"Pens", "Penalties Scored"},
    {"O.Gs", "Own Goals Scored"}, {"Y", "Yellow Cards"},        {"R", "Red Cards"},
    {"DOB", "Date of Birth"},     {"Age", "Players Age"},       {"Cost", "Players Cost"},
    {"Foreign", "Foreign"},       {"Rating", "Average Rating"},
};

bool IsPlayerColumn(char c) {
    return c >= 'A' && c <= kLastPlayerColumn;
}

std::string TeamName(const League& league, int team) {
    if (team < 0 || static_cast<std::size_t>(team) >= league.Teams.size())
        return {};
    return league.Teams[static_cast<std::size_t>(team)].Name.str();
}

std::string CompShortName(const League& league, int comp) {
    if (comp < 0 || comp > kMaxComps)
        return {};
    return league.Comps[static_cast<std::size_t>(comp)].ShortName.str();
}

std::string DateCell(int day, const Locale& locale) {
    return day == 0 ? std::string() : FormatShortDate(day, locale);
}

/// Case-insensitive name order of column B.
bool NameBefore(const TeamPlayerRow& a, const TeamPlayerRow& b) {
    return a.NameKey < b.NameKey;
}

/// Position order of column C: ascending with "Not Specified" (0) last.
int PositionKey(int position) {
    return position == 0 ? 256 : position;
}

/// Foreign order of column M: ascending with "not known" (0) last.
int ForeignKey(int foreign) {
    return foreign == 0 ? 256 : foreign;
}

int AgeOn(int birthDate, int today) {
    const CivilDate b = FromDayNumber(birthDate);
    const CivilDate t = FromDayNumber(today);
    int years = t.Year - b.Year;
    if (t.Month < b.Month || (t.Month == b.Month && t.Day < b.Day))
        --years;
    return years;
}

std::string RatingText(int averageRating, const Locale& locale) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", static_cast<double>(averageRating) / 10.0);
    std::string text = buffer;
    std::replace(text.begin(), text.end(), '.', locale.DecimalSeparator);
    return text;
}

/// A stable sort that moves each row once: the comparisons run over an index.
template <typename Row, typename Less> void StableSortRows(std::vector<Row>& rows, Less less) {
    std::vector<std::size_t> order(rows.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&rows, &less](std::size_t a, std::size_t b) { return less(rows[a], rows[b]); });
    std::vector<Row> sorted;
    sorted.reserve(rows.size());
    for (const std::size_t i : order)
        sorted.push_back(std::move(rows[i]));
    rows = std::move(sorted);
}

} // namespace

const std::vector<std::string>& ResultsHeadings() {
    static const std::vector<std::string> headings = {"Comp",       "Date", "Attend", "H/A",
                                                      "Opposition", "F",    "A"};
    return headings;
}

const std::vector<std::string>& FixturesHeadings() {
    static const std::vector<std::string> headings = {"Comp", "Date", "H/A", "Opposition", "P-F", "P-A"};
    return headings;
}

const std::vector<CellAlign>& ResultsAlignment() {
    static const std::vector<CellAlign> align = {CellAlign::Left,   CellAlign::Centre, CellAlign::Right,
                                                 CellAlign::Centre, CellAlign::Left,   CellAlign::Right,
                                                 CellAlign::Right};
    return align;
}

const std::vector<CellAlign>& FixturesAlignment() {
    static const std::vector<CellAlign> align = {CellAlign::Left, CellAlign::Centre, CellAlign::Centre,
                                                 CellAlign::Left, CellAlign::Right,  CellAlign::Right};
    return align;
}

GridSort ClickHeading(GridSort current, int column) {
    if (current.Column == column && !current.Second)
        return {column, true};
    return {column, false};
}

char InitialPlayerSort(std::string_view playerColumns) {
    return PlayerColumns(playerColumns).find('B') != std::string::npos ? 'B' : 'A';
}

TeamResultRow MakeResultRow(const League& league, int game, int team, const Locale& locale) {
    const GameRec& g = league.Games[static_cast<std::size_t>(game)];
    TeamResultRow r;
    r.Game = game;
    r.Home = g.HomeTeam == team;
    const int opponent = r.Home ? g.AwayTeam : g.HomeTeam;
    r.Comp = g.Comp;
    r.Day = GameDay(g);
    r.Attendance = g.Attendance;
    r.Opponent = TeamName(league, opponent);
    r.For = r.Home ? g.HomeGoals : g.AwayGoals;
    r.Against = r.Home ? g.AwayGoals : g.HomeGoals;
    r.OwnTeamOpponent = league.Head.OwnTeam != 0 && opponent == league.Head.OwnTeam;
    r.Cells.reserve(kResColumns);
    r.Cells.push_back(CompShortName(league, r.Comp));
    r.Cells.push_back(DateCell(r.Day, locale));
    r.Cells.push_back(GroupThousands(r.Attendance, locale));
    r.Cells.emplace_back(r.Home ? "H" : "A");
    r.Cells.push_back(r.Opponent);
    r.Cells.push_back(std::to_string(r.For));
    r.Cells.push_back(std::to_string(r.Against));
    return r;
}

TeamFixtureRow MakeFixtureRow(const League& league, int game, int team, const Locale& locale) {
    const GameRec& g = league.Games[static_cast<std::size_t>(game)];
    TeamFixtureRow r;
    r.Game = game;
    r.Home = g.HomeTeam == team;
    r.Comp = g.Comp;
    r.Day = GameDay(g);
    r.Opponent = TeamName(league, r.Home ? g.AwayTeam : g.HomeTeam);
    r.For = r.Home ? g.HomeGoals : g.AwayGoals;
    r.Against = r.Home ? g.AwayGoals : g.HomeGoals;
    r.Cells.reserve(kTeamFixColumns);
    r.Cells.push_back(CompShortName(league, r.Comp));
    r.Cells.push_back(DateCell(r.Day, locale));
    r.Cells.emplace_back(r.Home ? "H" : "A");
    r.Cells.push_back(r.Opponent);
    r.Cells.push_back(std::to_string(r.For));
    r.Cells.push_back(std::to_string(r.Against));
    return r;
}

void SortResults(std::vector<TeamResultRow>& rows, GridSort sort) {
    using R = TeamResultRow;
    auto latest = [](const R& a, const R& b) { return a.Day > b.Day; };
    auto oldest = [](const R& a, const R& b) { return a.Day < b.Day; };
    auto by = [&rows](auto less) { StableSortRows(rows, less); };
    const bool second = sort.Second;
    switch (sort.Column) {
    case kResComp: // both orders alike
        by([&](const R& a, const R& b) { return a.Comp != b.Comp ? a.Comp < b.Comp : latest(a, b); });
        break;
    case kResDate:
        second ? by(oldest) : by(latest);
        break;
    case kResAttend:
        by([second](const R& a, const R& b) {
            return second ? a.Attendance > b.Attendance : a.Attendance < b.Attendance;
        });
        break;
    case kResHomeAway:
        by([&](const R& a, const R& b) {
            if (a.Home != b.Home)
                return second ? b.Home : a.Home;
            return latest(a, b);
        });
        break;
    case kResOpposition: // both orders alike
        by([](const R& a, const R& b) {
            if (a.Opponent != b.Opponent)
                return a.Opponent < b.Opponent;
            return a.Home && !b.Home;
        });
        break;
    case kResFor:
    case kResAgainst: {
        const bool isFor = sort.Column == kResFor;
        by([&](const R& a, const R& b) {
            const int ka = isFor ? a.For : a.Against;
            const int kb = isFor ? b.For : b.Against;
            if (ka != kb)
                return second ? ka < kb : ka > kb;
            return oldest(a, b);
        });
        break;
    }
    default:
        break;
    }
}

void SortFixtures(std::vector<TeamFixtureRow>& rows, GridSort sort) {
    using F = TeamFixtureRow;
    auto earliest = [](const F& a, const F& b) { return a.Day < b.Day; };
    auto by = [&rows](auto less) { StableSortRows(rows, less); };
    const bool second = sort.Second;
    switch (sort.Column) {
    case kTeamFixComp:
        by([&](const F& a, const F& b) {
            if (a.Comp != b.Comp)
                return second ? a.Comp > b.Comp : a.Comp < b.Comp;
            return earliest(a, b);
        });
        break;
    case kTeamFixDate:
        by([second](const F& a, const F& b) {
            if (a.Day != b.Day)
                return second ? a.Day > b.Day : a.Day < b.Day;
            if (a.Opponent != b.Opponent)
                return a.Opponent < b.Opponent;
            return a.Home && !b.Home;
        });
        break;
    case kTeamFixHomeAway:
        by([&](const F& a, const F& b) {
            if (a.Home != b.Home)
                return second ? b.Home : a.Home;
            return earliest(a, b);
        });
        break;
    case kTeamFixOpposition: // both orders alike
        by([](const F& a, const F& b) {
            if (a.Opponent != b.Opponent)
                return a.Opponent < b.Opponent;
            return a.Home && !b.Home;
        });
        break;
    case kTeamFixFor:
    case kTeamFixAgainst: {
        const bool isFor = sort.Column == kTeamFixFor;
        by([&](const F& a, const F& b) {
            const int ka = isFor ? a.For : a.Against;
            const int kb = isFor ? b.For : b.Against;
            if (ka != kb)
                return second ? ka < kb : ka > kb;
            return earliest(a, b);
        });
        break;
    }
    default:
        break;
    }
}

std::string PlayerColumns(std::string_view playerCols) {
    std::string shown;
    for (char c : playerCols) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (IsPlayerColumn(c) && shown.find(c) == std::string::npos)
            shown.push_back(c);
    }
    return shown.empty() ? std::string(kDefaultPlayerCols) : shown;
}

const char* PlayerHeading(char letter) {
    return IsPlayerColumn(letter) ? kPlayerColumns[letter - 'A'].Heading : "";
}

std::vector<std::string> PlayerHeadings(std::string_view columns) {
    std::vector<std::string> headings;
    for (const char c : columns)
        headings.emplace_back(PlayerHeading(c));
    return headings;
}

CellAlign PlayerAlignment(char letter) {
    return letter == 'B' || letter == 'C' ? CellAlign::Left : CellAlign::Right;
}

std::string PlayerCell(const TeamPlayerRow& row, char letter, const Settings& settings,
                       const Locale& locale) {
    const TeamPlayerStat& s = row.Stat;
    switch (letter) {
    case 'A':
        return row.SquadNo == 0 ? std::string() : std::to_string(row.SquadNo);
    case 'B':
        return row.Name;
    case 'C':
        if (row.Position <= 0 || static_cast<std::size_t>(row.Position) >= settings.Positions.size())
            return {};
        return settings.Positions[static_cast<std::size_t>(row.Position)];
    case 'D': {
        std::string text = s.Appearances == 0 ? std::string() : std::to_string(s.Appearances);
        if (s.NoTimeOff > 0)
            text += " (" + std::to_string(s.NoTimeOff) + ")";
        return text;
    }
    case 'E': {
        std::string text = std::to_string(s.GoalsFor);
        if (s.GoalsTotal > s.GoalsFor)
            text += " (" + std::to_string(s.GoalsTotal) + ")";
        return text;
    }
    case 'F':
        return std::to_string(s.Penalties);
    case 'G':
        return std::to_string(s.OwnGoals);
    case 'H':
        return std::to_string(s.Yellow);
    case 'I':
        return std::to_string(s.Red);
    case 'J':
        return DateCell(row.BirthDate, locale);
    case 'K':
        return row.BirthDate == 0 ? std::string() : std::to_string(AgeOn(row.BirthDate, locale.Today));
    case 'L':
        return row.Cost == 0 ? std::string() : GroupThousands(row.Cost, locale);
    case 'M':
        return row.Foreign == 0 ? std::string() : row.Foreign == 1 ? "N" : "Y";
    case 'N':
        return s.AverageRating == 0 ? std::string() : RatingText(s.AverageRating, locale);
    default:
        return {};
    }
}

TeamPlayerRow MakePlayerRow(const League& league, const TeamPlayerStat& stat, std::string_view columns,
                            const Settings& settings, const Locale& locale) {
    const PlayerRec& p = league.Players[static_cast<std::size_t>(stat.Player)];
    TeamPlayerRow row;
    row.Stat = stat;
    row.Name = p.Name.str();
    row.NameKey = AsciiUpper(row.Name);
    row.SquadNo = p.SquadNo;
    row.Position = p.Position;
    row.BirthDate = p.BirthDate;
    row.Cost = p.Cost;
    row.Foreign = p.Foreign;
    row.Cells.reserve(columns.size());
    for (const char c : columns)
        row.Cells.push_back(PlayerCell(row, c, settings, locale));
    return row;
}

void SortPlayers(std::vector<TeamPlayerRow>& rows, char letter) {
    using P = TeamPlayerRow;
    auto by = [&rows](auto less) { StableSortRows(rows, less); };
    auto descending = [&by](auto key) { by([key](const P& a, const P& b) { return key(a) > key(b); }); };
    switch (letter) {
    case 'A':
        by([](const P& a, const P& b) { return a.SquadNo < b.SquadNo; });
        break;
    case 'B':
        by([](const P& a, const P& b) { return NameBefore(a, b); });
        break;
    case 'C':
        by([](const P& a, const P& b) {
            if (a.Position != b.Position)
                return PositionKey(a.Position) < PositionKey(b.Position);
            return NameBefore(a, b);
        });
        break;
    case 'D':
        descending([](const P& p) { return p.Stat.Appearances; });
        break;
    case 'E':
        descending([](const P& p) { return p.Stat.GoalsFor; });
        break;
    case 'F':
        descending([](const P& p) { return p.Stat.Penalties; });
        break;
    case 'G':
        descending([](const P& p) { return p.Stat.OwnGoals; });
        break;
    case 'H':
        descending([](const P& p) { return p.Stat.Yellow; });
        break;
    case 'I':
        descending([](const P& p) { return p.Stat.Red; });
        break;
    case 'J':
    case 'K':
        descending([](const P& p) { return p.BirthDate; });
        break;
    case 'L':
        descending([](const P& p) { return p.Cost; });
        break;
    case 'M':
        by([](const P& a, const P& b) { return ForeignKey(a.Foreign) < ForeignKey(b.Foreign); });
        break;
    case 'N':
        descending([](const P& p) { return p.Stat.AverageRating; });
        break;
    default:
        break;
    }
}

PlayerColumnChooser::PlayerColumnChooser(std::string_view playerCols)
    : m_displayed(PlayerColumns(playerCols)) {}

const char* PlayerColumnChooser::Caption(char letter) {
    return IsPlayerColumn(letter) ? kPlayerColumns[letter - 'A'].Caption : "";
}

std::string PlayerColumnChooser::Available() const {
    std::string available;
    for (char c = 'A'; c <= kLastPlayerColumn; ++c)
        if (m_displayed.find(c) == std::string::npos)
            available.push_back(c);
    return available;
}

bool PlayerColumnChooser::CanAdd(int availableIndex) const {
    return availableIndex >= 0 && availableIndex < static_cast<int>(Available().size());
}

bool PlayerColumnChooser::CanRemove(int displayedIndex) const {
    return displayedIndex >= 0 && displayedIndex < static_cast<int>(m_displayed.size());
}

bool PlayerColumnChooser::CanUp(int displayedIndex) const {
    return CanRemove(displayedIndex) && displayedIndex > 0;
}

bool PlayerColumnChooser::CanDown(int displayedIndex) const {
    return CanRemove(displayedIndex) && displayedIndex + 1 < static_cast<int>(m_displayed.size());
}

int PlayerColumnChooser::Add(int availableIndex) {
    if (!CanAdd(availableIndex))
        return -1;
    m_displayed.push_back(Available()[static_cast<std::size_t>(availableIndex)]);
    return static_cast<int>(m_displayed.size()) - 1;
}

bool PlayerColumnChooser::Remove(int displayedIndex) {
    if (!CanRemove(displayedIndex))
        return false;
    m_displayed.erase(static_cast<std::size_t>(displayedIndex), 1);
    return true;
}

int PlayerColumnChooser::Up(int displayedIndex) {
    if (!CanUp(displayedIndex))
        return displayedIndex;
    const auto at = static_cast<std::size_t>(displayedIndex);
    std::swap(m_displayed[at], m_displayed[at - 1]);
    return displayedIndex - 1;
}

int PlayerColumnChooser::Down(int displayedIndex) {
    if (!CanDown(displayedIndex))
        return displayedIndex;
    const auto at = static_cast<std::size_t>(displayedIndex);
    std::swap(m_displayed[at], m_displayed[at + 1]);
    return displayedIndex + 1;
}

} // namespace gorlin
