#pragma once

#include "core/model/Expected.h"
#include "core/model/Locale.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace gorlin::cli {

/// One CSV field by RFC 4180: quoted when it holds a comma, a double quote, a CR or a LF,
/// with inner double quotes doubled.
std::string CsvField(std::string_view cell);

/// A record of CSV fields, ended by a line break.
void WriteCsvRow(std::ostream& out, const std::vector<std::string>& cells);

/// One tab-separated cell: control characters (a tab or a line break among them) and the
/// backslash are written as escapes (\t, \n, \r, \\, \xHH), so a cell never adds a field or
/// a line of its own.
std::string TsvField(std::string_view cell);

/// A tab-separated line of escaped cells.
void WriteTsvRow(std::ostream& out, const std::vector<std::string>& cells);

/// The fixed conventions of statistics output: dates yyyy-mm-dd, thousands ",", decimals ".",
/// two-digit years in the window of `today`, and `today` itself.
Locale FixedLocale(int today);

/// FixedLocale(today) with dates in `pattern` (of d, dd, m, mm, mmm, yy, yyyy): the first
/// character that is no letter separates the fields, so dates written in the pattern read back;
/// refused without a day, a month and a year.
Expected<Locale> PatternLocale(const std::string& pattern, int today);

/// Characters (not bytes) of a UTF-8 text, for aligning columns.
std::size_t TextWidth(std::string_view utf8);

} // namespace gorlin::cli
