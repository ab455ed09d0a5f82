#pragma once

#include "core/model/Expected.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace gorlin {

/// Largest results file read for its team names.
inline constexpr std::uintmax_t kMaxResultsFileSize = 16u << 20;

/// The distinct team names of the HomeTeam and AwayTeam columns of a results file: CSV as RFC
/// 4180 writes it (UTF-8, a header line naming the columns in any order, quoted fields, CRLF or
/// LF line ends, blank lines ignored). Names are converted to Windows-1252 with the blanks at
/// their ends removed, and come in the order they first appear. A file without both columns, or
/// with a row that lacks either name, is refused with a message naming the row (the header is
/// row 1; blank lines are not counted).
Expected<std::vector<std::string>> TeamNamesFromResultsCsv(std::string_view utf8);

/// Reads a results file (a regular file of at most kMaxResultsFileSize bytes) and takes its team
/// names; the error names the file ("The results file F could not be opened: ...").
Expected<std::vector<std::string>> ReadResultsTeamNames(const std::filesystem::path& path);

} // namespace gorlin
