#pragma once

#include "core/model/Expected.h"
#include "core/model/League.h"
#include "core/model/Locale.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace gorlin {

struct Settings;

/// What an import reads, in the order of "Import What".
enum class ImportWhat { MatchResults, Players, GoalScorers, Fixtures };
inline constexpr std::array<const char*, 4> kImportWhatItems = {"Match Results", "Players", "Goal Scorers",
                                                                "Fixtures"};

/// Largest file an import reads.
inline constexpr std::uint64_t kMaxImportFileSize = 32u << 20;
/// Most failed lines an import describes; later ones are counted all the same.
inline constexpr std::size_t kMaxImportProblems = 1000;

/// The counters of the dialog's "Status".
struct ImportCounters {
    int RecordsRead = 0;
    int Successful = 0;
    int Errors = 0;
};

/// Why one line failed (line 1 is the first line of the file).
struct ImportProblem {
    int Line = 0;
    std::string Message;
};

struct ImportResult {
    ImportCounters Counters;
    /// Lines of the file: the progress bar runs from 0 to this.
    int Lines = 0;
    /// The first kMaxImportProblems failed lines, in file order.
    std::vector<ImportProblem> Problems;
};

/// What an import needs besides the league and the lines.
struct ImportOptions {
    ImportWhat What = ImportWhat::MatchResults;
    /// The short date format of date fields, and the two-digit-year window (also for the six
    /// digits of the "div" layout).
    Locale Dates;
    /// The position names a player line's position is looked up in (positions 1 to 4).
    std::array<std::string, 4> PositionNames;
    /// Called once before the first line with the number of lines (not for an empty file).
    std::function<void(int lines)> Started;
    /// Called after each line with the counters so far.
    std::function<void(const ImportCounters&)> Progress;
};

/// Options with the first four position names of the settings.
ImportOptions MakeImportOptions(ImportWhat what, const Locale& dates, const Settings& settings);

/// An import file's bytes as the league's 8-bit text: a file that starts with the UTF-8
/// byte-order mark, or is valid UTF-8 as a whole, is converted from UTF-8 (mark dropped);
/// any other file is taken as Windows-1252 already.
std::string ImportText(std::string_view bytes);

/// The lines of a text: LF or CR LF ends a line, a last line without an end is a line, and
/// nothing after the last end makes another.
std::vector<std::string_view> ImportTextLines(std::string_view text);

/// Imports the lines into the league, line by line: each line is one record; a line that
/// does not fit counts as an error, leaves the league as it was (but for referees, teams,
/// competitions and players added before it failed) and the import goes on. A results file
/// whose first line begins with "div" is read in the "div" layout. TrackGoals is off while the
/// lines are imported and restored afterwards. Games' outcomes, the match dates and the table
/// are the caller's to refresh.
ImportResult ImportLines(League& league, const std::vector<std::string_view>& lines,
                         const ImportOptions& options);

/// Reads a file (a regular file of at most kMaxImportFileSize bytes) and imports its lines.
/// A file that cannot be read leaves the league unchanged: "The import file NAME could not be
/// opened: REASON" (or "... is too large", "... could not be read: REASON"), the path in the
/// file system's own encoding.
Expected<ImportResult> ImportFile(League& league, const std::filesystem::path& path,
                                  const ImportOptions& options);

} // namespace gorlin
