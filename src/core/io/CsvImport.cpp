#include "core/io/CsvImport.h"

#include "core/app/Settings.h"
#include "core/edit/Competitions.h"
#include "core/edit/Fixtures.h"
#include "core/edit/Games.h"
#include "core/edit/Goals.h"
#include "core/edit/Players.h"
#include "core/edit/Referees.h"
#include "core/edit/ResultEntry.h"
#include "core/edit/TeamList.h"
#include "core/engine/Standings.h"
#include "core/model/Dates.h"
#include "core/model/SafeFile.h"
#include "core/model/Text.h"
#include "core/update/FieldSplitter.h"

#include <algorithm>
#include <optional>

namespace gorlin {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kLeague = "LGE";
constexpr int kMaxSquadNo = 99;
constexpr long long kMaxCost = 0xFFFFFFFFll;

/// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        int extra = 0;
        unsigned min = 0;
        unsigned cp = 0;
        if (b < 0x80) {
            ++i;
            continue;
        }
        if ((b & 0xE0) == 0xC0) {
            extra = 1;
            min = 0x80;
            cp = b & 0x1Fu;
        } else if ((b & 0xF0) == 0xE0) {
            extra = 2;
            min = 0x800;
            cp = b & 0x0Fu;
        } else if ((b & 0xF8) == 0xF0) {
            extra = 3;
            min = 0x10000;
            cp = b & 0x07u;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(extra) >= text.size())
            return false;
        for (int k = 1; k <= extra; ++k) {
            const auto c = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((c & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (c & 0x3Fu);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

/// A date field: a valid date in the short date format, on or after day 1.
std::optional<int> DateField(std::string_view field, const Locale& locale) {
    const std::optional<int> day = ParseShortDate(field, locale);
    if (!day || *day < 1)
        return std::nullopt;
    return day;
}

/// The six digits yymmdd of the "div" layout; the year falls in the two-digit-year window.
std::optional<int> DivDate(std::string_view field, const Locale& locale) {
    if (field.size() != 6 ||
        !std::all_of(field.begin(), field.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    auto two = [field](std::size_t at) { return (field[at] - '0') * 10 + (field[at + 1] - '0'); };
    const int year = YearInWindow(two(0), locale);
    if (!IsValidDate(year, two(2), two(4)))
        return std::nullopt;
    return ToDayNumber(year, two(2), two(4));
}

/// A number field within [min, max].
std::optional<long long> NumberIn(std::string_view field, long long min, long long max) {
    const std::optional<long long> n = FieldNumber(field);
    if (!n || *n < min || *n > max)
        return std::nullopt;
    return n;
}

/// Texts stored in fixed capacities compare as they would be stored, so a name longer than its
/// record holds finds the entry an earlier line created for it.
template <std::size_t N> std::string Stored(std::string_view text) {
    PString<N> stored;
    stored = text;
    return stored.str();
}

/// How one line ended.
struct LineOutcome {
    enum Kind { Imported, Skipped, Failed } Result = Imported;
    std::string Message{};
};

LineOutcome Fail(std::string message) {
    return {LineOutcome::Failed, std::move(message)};
}

class Importer {
public:
    Importer(League& league, const ImportOptions& options) : m_league(league), m_options(options) {}

    void SetDivLayout(bool on) { m_divLayout = on; }
    LineOutcome Import(std::string_view line);

private:
    LineOutcome Result(const LineFields& f);
    LineOutcome Player(const LineFields& f);
    LineOutcome Scorer(const LineFields& f);
    LineOutcome Fixture(const LineFields& f);

    int FindTeam(std::string_view name) const { return GetTeamID(m_league, Stored<30>(name)); }
    int FindOrAddTeam(std::string_view name);
    int FindOrAddReferee(std::string_view name);
    int FindOrAddCompetition(std::string_view name, std::string_view shortName);
    int FindPlayer(int team, std::string_view name) const;
    bool IsDuplicate(int comp, int home, int away, int date) const;
    std::optional<int> Date(std::string_view field) const { return DateField(field, m_options.Dates); }

    League& m_league;
    const ImportOptions& m_options;
    bool m_divLayout = false;
};

LineOutcome Importer::Import(std::string_view line) {
    const LineFields fields = SplitFields(line);
    switch (m_options.What) {
    case ImportWhat::MatchResults:
        return Result(fields);
    case ImportWhat::Players:
        return Player(fields);
    case ImportWhat::GoalScorers:
        return Scorer(fields);
    case ImportWhat::Fixtures:
        return Fixture(fields);
    }
    return Fail("nothing to import");
}

int Importer::FindOrAddTeam(std::string_view name) {
    if (const int t = FindTeam(name); t != 0)
        return t;
    const Expected<int> added = AddNonLeagueTeam(m_league, std::string(name));
    return added ? *added : 0;
}

int Importer::FindOrAddReferee(std::string_view name) {
    const std::string stored = Stored<20>(name);
    for (int r = 1; r <= std::min<int>(m_league.Head.RefereeCount, kMaxReferees); ++r)
        if (m_league.Referees[static_cast<std::size_t>(r)].Name.view() == stored)
            return r;
    const Expected<int> added = StoreReferee(m_league, 0, stored);
    return added ? *added : 0;
}

int Importer::FindOrAddCompetition(std::string_view name, std::string_view shortName) {
    const std::string storedName = Stored<30>(name);
    const std::string storedShort = Stored<4>(shortName);
    for (int c = 1; c <= std::min<int>(m_league.Head.CompCount, kMaxComps); ++c) {
        const CompRec& comp = m_league.Comps[static_cast<std::size_t>(c)];
        if (comp.Name.view() == storedName && comp.ShortName.view() == storedShort)
            return c;
    }
    // Only both names together tell a competition apart: a new pair is a new competition.
    const Expected<int> added = AddCompetition(m_league, storedName, storedShort);
    return added ? *added : 0;
}

int Importer::FindPlayer(int team, std::string_view name) const {
    const std::string stored = Stored<20>(name);
    const int count = std::min<int>(m_league.Head.PlayerCount, static_cast<int>(m_league.Players.size()) - 1);
    for (int p = 1; p <= count; ++p) {
        const PlayerRec& player = m_league.Players[static_cast<std::size_t>(p)];
        if (player.Team == team && player.Name.view() == stored)
            return p;
    }
    return 0;
}

bool Importer::IsDuplicate(int comp, int home, int away, int date) const {
    const int last = std::min<int>(m_league.AllGameCount(), static_cast<int>(m_league.Games.size()) - 1);
    for (int g = 1; g <= last; ++g) {
        const GameRec& game = m_league.Games[static_cast<std::size_t>(g)];
        if (game.Played != 0 && game.HomeTeam == home && game.AwayTeam == away && game.Comp == comp &&
            GameDay(game) == date)
            return true;
    }
    return false;
}

LineOutcome Importer::Result(const LineFields& f) {
    if (f.Count < 5 || f.Count > 11)
        return Fail("a result has 5 to 11 fields, this line " + std::to_string(f.Count));
    if (f.Field(1) == "Date" || f.Field(1) == "div")
        return Fail("a heading line");

    const bool div = m_divLayout && f.Count == 6;
    const std::string_view homeName = f.Field(2);
    const std::string_view awayName = f.Field(div ? 4 : 3);
    const std::string_view dateField = f.Field(div ? 6 : 1);
    const std::optional<int> date = div ? DivDate(dateField, m_options.Dates) : Date(dateField);
    if (!date)
        return Fail("\"" + std::string(dateField) + "\" is no date");
    EntryInput entry;
    const std::string_view homeGoals = f.Field(div ? 3 : 4);
    const std::string_view awayGoals = f.Field(5);
    const std::optional<long long> hg = NumberIn(homeGoals, 0, 1000);
    const std::optional<long long> ag = NumberIn(awayGoals, 0, 1000);
    if (!hg || !ag)
        return Fail("the score is no number");
    entry.HomeGoals = static_cast<int>(*hg);
    entry.AwayGoals = static_cast<int>(*ag);
    std::string_view compName;
    std::string_view shortName;
    std::string_view referee;
    if (!div) {
        if (!f.Field(6).empty())
            entry.Attendance = std::string(f.Field(6));
        if (!ParseAttendance(entry.Attendance))
            return Fail("the attendance \"" + entry.Attendance + "\" is no number");
        compName = f.Field(7);
        shortName = f.Field(8);
        entry.Comment = std::string(f.Field(9));
        referee = f.Field(10);
        entry.Awarded = f.Field(11) == "1" ? 1 : f.Field(11) == "2" ? 2 : 0;
    }
    // A line without a competition (both fields absent or empty) is a league game.
    const bool leagueGame = shortName == kLeague || (compName.empty() && shortName.empty());

    if (!referee.empty())
        entry.Referee = FindOrAddReferee(referee);
    const int home = leagueGame ? FindTeam(homeName) : FindOrAddTeam(homeName);
    const int away = leagueGame ? FindTeam(awayName) : FindOrAddTeam(awayName);
    const int comp = leagueGame ? 0 : FindOrAddCompetition(compName, shortName);
    if (home == 0 || away == 0)
        return Fail("no team named " + std::string(home == 0 ? homeName : awayName));
    if (home == away)
        return Fail(kMsgTeamsMustDiffer);
    if (!leagueGame && comp == 0)
        return Fail("no competition " + std::string(compName) + " (" + std::string(shortName) + ")");
    if (IsDuplicate(comp, home, away, *date))
        return Fail("the result is recorded already");
    const Expected<RecordOutcome> recorded = RecordResultFor(m_league, comp, home, away, *date, entry);
    if (!recorded)
        return Fail(std::string(homeName) + " v " + std::string(awayName) + ": " + recorded.error().Message);
    return {};
}

LineOutcome Importer::Player(const LineFields& f) {
    if (f.Count < 2 || f.Count > 7)
        return Fail("a player has 2 to 7 fields, this line " + std::to_string(f.Count));
    // Players who left ("Transferred-Out", team 0) may be listed too.
    const int team = FindTeamIndex(m_league, Stored<30>(f.Field(2)));
    if (team < 0)
        return {LineOutcome::Skipped};

    // Fields given (present and not empty), converted before anything changes.
    std::optional<int> squadNo;
    if (!f.Field(3).empty()) {
        const std::optional<long long> n = NumberIn(f.Field(3), 0, kMaxSquadNo);
        if (!n)
            return Fail("the squad number \"" + std::string(f.Field(3)) + "\" is no number 0 to 99");
        squadNo = static_cast<int>(*n);
    }
    std::optional<int> position;
    if (!f.Field(4).empty()) {
        position = 0;
        for (std::size_t i = 0; i < m_options.PositionNames.size(); ++i)
            if (f.Field(4) == m_options.PositionNames[i]) {
                position = static_cast<int>(i) + 1;
                break;
            }
    }
    std::optional<int> birth;
    if (!f.Field(5).empty()) {
        birth = Date(f.Field(5));
        if (!birth || *birth < 1 || *birth > 0xFFFF)
            return Fail("\"" + std::string(f.Field(5)) + "\" is no date");
    }
    std::optional<int> foreign;
    if (!f.Field(6).empty())
        foreign = f.Field(6) == "N" ? 1 : 2;
    std::optional<long long> cost;
    if (!f.Field(7).empty()) {
        cost = NumberIn(f.Field(7), 0, kMaxCost);
        if (!cost)
            return Fail("the cost \"" + std::string(f.Field(7)) + "\" is no number");
    }

    // Names are told apart exactly: a name differing only in case, or a squad number another
    // player of the team holds, is a new player, as the file says.
    const int existing = FindPlayer(team, f.Field(1));
    PlayerRec player{};
    if (existing != 0) {
        player = m_league.Players[static_cast<std::size_t>(existing)];
    } else {
        player.Name = Stored<20>(f.Field(1));
        player.Team = static_cast<u8>(team);
        if (Trim(player.Name.view()).empty())
            return Fail("a player needs a name");
    }
    // An existing player keeps every value he has; only those still 0 are filled in.
    const PlayerRec before = player;
    if (squadNo && player.SquadNo == 0)
        player.SquadNo = static_cast<u8>(*squadNo);
    if (position && player.Position == 0)
        player.Position = static_cast<u8>(*position);
    if (birth && player.BirthDate == 0)
        player.BirthDate = static_cast<u16>(*birth);
    if (foreign && player.Foreign == 0)
        player.Foreign = static_cast<u8>(*foreign);
    if (cost && player.Cost == 0)
        player.Cost = static_cast<u32>(*cost);
    const bool changed = player.SquadNo != before.SquadNo || player.Position != before.Position ||
                         player.BirthDate != before.BirthDate || player.Foreign != before.Foreign ||
                         player.Cost != before.Cost;
    if (existing == 0) {
        const Expected<int> added = AppendPlayer(m_league, player);
        if (!added)
            return Fail(added.error().Message);
    } else if (changed) {
        m_league.Players[static_cast<std::size_t>(existing)] = player;
        m_league.DataChanged = true;
    }
    return {};
}

LineOutcome Importer::Scorer(const LineFields& f) {
    if (f.Count < 8 || f.Count > 9)
        return Fail("a goal scorer has 8 or 9 fields, this line " + std::to_string(f.Count));
    if (f.Field(5) == "Date")
        return Fail("a heading line");
    const std::string_view forName = f.Field(2);
    const std::string_view homeName = f.Field(3);
    const std::string_view awayName = f.Field(4);
    const std::optional<int> date = Date(f.Field(5));
    if (!date)
        return Fail("\"" + std::string(f.Field(5)) + "\" is no date");
    const std::optional<long long> minute = NumberIn(f.Field(6), 0, 1000);
    if (!minute)
        return Fail("the minute \"" + std::string(f.Field(6)) + "\" is no number");
    const bool penalty = f.Field(7) == "1";
    const bool ownGoal = f.Field(8) == "1";
    const bool leagueGame = f.Field(9).empty() || f.Field(9) == kLeague;

    const int home = FindTeam(homeName);
    const int away = FindTeam(awayName);
    if (home == 0 || away == 0)
        return Fail("no team named " + std::string(home == 0 ? homeName : awayName));
    if (home == away)
        return Fail(kMsgTeamsMustDiffer);
    const int teamFor = forName == homeName ? home : forName == awayName ? away : 0;
    if (teamFor == 0)
        return Fail(std::string(forName) + " played in neither team");

    const int last = std::min<int>(m_league.AllGameCount(), static_cast<int>(m_league.Games.size()) - 1);
    const int first = leagueGame ? 1 : m_league.GameCount() + 1;
    const int end = leagueGame ? std::min(m_league.GameCount(), last) : last;
    int game = 0;
    for (int g = first; g <= end && game == 0; ++g) {
        const GameRec& rec = m_league.Games[static_cast<std::size_t>(g)];
        if (rec.Played != 0 && rec.HomeTeam == home && rec.AwayTeam == away && GameDay(rec) == *date)
            game = g;
    }
    if (game == 0)
        return Fail("no result of " + std::string(homeName) + " v " + std::string(awayName) + " on that day");

    const int scorerTeam = !ownGoal ? teamFor : teamFor == home ? away : home;
    int scorer = FindPlayer(scorerTeam, f.Field(1));
    if (scorer == 0) {
        PlayerRec player{};
        player.Name = Stored<20>(f.Field(1));
        player.Team = static_cast<u8>(scorerTeam);
        if (Trim(player.Name.view()).empty())
            return Fail("a goal scorer needs a name");
        const Expected<int> added = AppendPlayer(m_league, player);
        if (!added)
            return Fail(added.error().Message);
        scorer = *added;
    }
    const int goals = std::min<int>(m_league.Head.GoalCount, static_cast<int>(m_league.Goals.size()) - 1);
    for (int i = 1; i <= goals; ++i) {
        const GoalRec& goal = m_league.Goals[static_cast<std::size_t>(i)];
        if (goal.Game == game && goal.TeamFor == teamFor && goal.Scorer == 0) {
            const Status stored =
                StoreGoal(m_league, i, {ownGoal, penalty, static_cast<int>(*minute), scorer});
            if (!stored)
                return Fail(stored.Message);
            return {};
        }
    }
    return Fail("every goal of " + std::string(forName) + " in that game has its scorer");
}

LineOutcome Importer::Fixture(const LineFields& f) {
    if (f.Count != 3)
        return Fail("a fixture has 3 fields, this line " + std::to_string(f.Count));
    const std::optional<int> date = Date(f.Field(1));
    if (!date)
        return Fail("\"" + std::string(f.Field(1)) + "\" is no date");
    const int home = FindTeam(f.Field(2));
    const int away = FindTeam(f.Field(3));
    if (home == 0 || away == 0)
        return Fail("no team named " + std::string(home == 0 ? f.Field(2) : f.Field(3)));
    if (home == away)
        return Fail(kMsgTeamsMustDiffer);
    const int last = std::min<int>(m_league.GameCount(), static_cast<int>(m_league.Games.size()) - 1);
    for (int g = 1; g <= last; ++g) {
        const GameRec& rec = m_league.Games[static_cast<std::size_t>(g)];
        if (rec.Played == 0 && rec.HomeTeam == home && rec.AwayTeam == away) {
            int lastDate = 0;
            SetFixtureDate(m_league, g, *date, lastDate);
            return {};
        }
    }
    return Fail("no fixture " + std::string(f.Field(2)) + " v " + std::string(f.Field(3)) + " to date");
}

/// Puts TrackGoals back however the import ends.
class TrackGoalsOff {
public:
    explicit TrackGoalsOff(League& league) : m_league(league), m_saved(league.Head.TrackGoals) {
        m_league.Head.TrackGoals = 0;
    }
    ~TrackGoalsOff() { m_league.Head.TrackGoals = m_saved; }
    TrackGoalsOff(const TrackGoalsOff&) = delete;
    TrackGoalsOff& operator=(const TrackGoalsOff&) = delete;

private:
    League& m_league;
    u8 m_saved;
};

} // namespace

ImportOptions MakeImportOptions(ImportWhat what, const Locale& dates, const Settings& settings) {
    ImportOptions options;
    options.What = what;
    options.Dates = dates;
    for (std::size_t i = 0; i < options.PositionNames.size(); ++i)
        options.PositionNames[i] = settings.Positions[i + 1];
    return options;
}

std::string ImportText(std::string_view bytes) {
    if (bytes.substr(0, kBom.size()) == kBom)
        return Utf8ToWin1252(bytes.substr(kBom.size()));
    if (IsValidUtf8(bytes))
        return Utf8ToWin1252(bytes);
    return std::string(bytes);
}

std::vector<std::string_view> ImportTextLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        start = next;
    }
    return lines;
}

ImportResult ImportLines(League& league, const std::vector<std::string_view>& lines,
                         const ImportOptions& options) {
    ImportResult result;
    result.Lines = static_cast<int>(std::min<std::size_t>(lines.size(), 0x7FFFFFFF));
    if (lines.empty())
        return result;
    if (options.Started)
        options.Started(result.Lines);
    const TrackGoalsOff trackGoalsOff(league);
    Importer importer(league, options);
    importer.SetDivLayout(lines.front().substr(0, 3) == "div");
    for (int i = 0; i < result.Lines; ++i) {
        const LineOutcome outcome = importer.Import(lines[static_cast<std::size_t>(i)]);
        ImportCounters& counters = result.Counters;
        ++counters.RecordsRead;
        if (outcome.Result == LineOutcome::Imported) {
            ++counters.Successful;
            league.DataChanged = true;
        } else if (outcome.Result == LineOutcome::Failed) {
            ++counters.Errors;
            if (result.Problems.size() < kMaxImportProblems)
                result.Problems.push_back({i + 1, outcome.Message});
        }
        if (options.Progress)
            options.Progress(counters);
    }
    return result;
}

Expected<ImportResult> ImportFile(League& league, const std::filesystem::path& path,
                                  const ImportOptions& options) {
    const Expected<std::string> bytes = ReadWholeFile(path, kMaxImportFileSize);
    if (!bytes)
        return Error{"The import file " + path.string() + " " + bytes.error().Message};
    const std::string text = ImportText(*bytes);
    return ImportLines(league, ImportTextLines(text), options);
}

} // namespace gorlin
