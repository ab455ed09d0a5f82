#pragma once

#include "core/model/League.h"
#include "core/model/Locale.h"
#include "core/query/Catalogue.h"
#include "core/query/QueryRows.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace gorlin {

/// Position names 0..9 as the settings hold them (0 is "Not Specified").
using PositionNames = std::array<std::string, 10>;

/// What field texts depend on besides the league and its rows.
struct QueryFormat {
    Locale Conventions;      // short dates, separators, today
    PositionNames Positions; // Settings::Positions
};

/// The league, its row tables and the format: everything a field's text is made from.
struct QuerySource {
    const League& Model;
    const QueryRows& Rows;
    const QueryFormat& Format;
};

/// A decimal rounded once to three significant digits but at most two decimals, ties away from
/// zero, written with exactly two decimals and the locale's decimal separator, never with an
/// exponent or grouping: 2.125 -> "2.13", 12.345 -> "12.30", 1234.5 -> "1230.00".
std::string FormatDecimal(double value, const Locale& locale);

/// A rating in tenths: r div 10, then the decimal separator and r mod 10 when that is not 0
/// (75 -> "7.5", 70 -> "7").
std::string RatingText(int rating, const Locale& locale);

/// "Y" for a non-zero flag, "N" otherwise.
const char* GetYesNo(bool flag);

/// A player's Foreign byte: "Y" for 2 and above, "N" for 1, a single blank for 0.
const char* ForeignText(u8 foreign);

/// The position's name; "" for a number past the list.
std::string PositionName(int position, const PositionNames& names);

/// The whole number in a text: digits are read in order, any "-" makes the value negative and
/// every other character (separators of any kind, blanks) is skipped. Values beyond 18 digits
/// stop growing.
long long ReadLenientWhole(std::string_view text);

/// A decimal written by FormatDecimal or typed by the user: an optional sign, digits and at most
/// one decimal separator (the locale's), with the locale's thousands separators ignored where
/// ThousandsGrouped allows them. nullopt for anything else, the empty text included.
std::optional<double> ReadDecimal(std::string_view text, const Locale& locale);

/// Whether every thousands separator in a typed number is followed by exactly three digits
/// ("1,000", "1234,567,890"), so that "1,5" is not read as fifteen.
bool ThousandsGrouped(std::string_view text, char separator);

/// Upper case of a Windows-1252 text, accented letters included ("müller" -> "MÜLLER").
std::string UpperText(std::string_view text);

/// The text of a field for row `row` (0-based) of the field's tab. Texts are Windows-1252.
std::string GetData(const QuerySource& source, const QueryField& field, int row);

/// The day number of a date field for a row (0 = no date); 0 for other fields.
int GetDataDate(const QuerySource& source, const QueryField& field, int row);

} // namespace gorlin
