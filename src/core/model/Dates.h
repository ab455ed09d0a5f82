#pragma once

#include "core/model/Locale.h"

#include <optional>
#include <string>
#include <string_view>

namespace gorlin {

/// Day numbers count days from day 0 = 30 December 1899 (1 January 2000 is 36526). 0 means
/// "no date" wherever a record stores one.
struct CivilDate {
    int Year = 1899;
    int Month = 12;
    int Day = 30;
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

/// Julian day number of day 0 (as calendar widgets count days).
inline constexpr long long kJulianDayOfDayZero = 2415019;

/// The day number of a Julian day number, and back.
inline int DayFromJulianDay(long long julianDay) {
    return static_cast<int>(julianDay - kJulianDayOfDayZero);
}
inline long long JulianDayOf(int dayNumber) {
    return dayNumber + kJulianDayOfDayZero;
}

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
bool IsValidDate(int year, int month, int day);

/// Calendar date to day number (proleptic Gregorian, any year 1..9999).
int ToDayNumber(int year, int month, int day);
inline int ToDayNumber(const CivilDate& d) {
    return ToDayNumber(d.Year, d.Month, d.Day);
}
CivilDate FromDayNumber(int dayNumber);

/// Day of the week, 0 = Sunday .. 6 = Saturday.
int DayOfWeek(int dayNumber);

/// Formats a day number with a short date format (tokens d, dd, m, mm, mmm, mmmm, yy, yyyy;
/// '/' is the locale's separator).
std::string FormatDate(int dayNumber, std::string_view format, const Locale& locale);
inline std::string FormatShortDate(int dayNumber, const Locale& locale) {
    return FormatDate(dayNumber, locale.ShortDateFormat, locale);
}

/// Parses a date typed in the locale's short date format: the order of day, month and year
/// follows the format, the fields are separated by the separator; a missing year is the year
/// of locale.Today; a two-digit year falls in the window starting at TwoDigitYearBase.
std::optional<int> ParseShortDate(std::string_view text, const Locale& locale);

/// The year a two-digit year 0..99 stands for: the one within the hundred years that begin at
/// locale.TwoDigitYearBase.
int YearInWindow(int twoDigitYear, const Locale& locale);

/// "yyyy-mm-dd" as used by the command line and the data files.
std::optional<int> ParseIsoDate(std::string_view text);
std::string FormatIsoDate(int dayNumber);

/// The short-date rule of program start: when today's date in the format is longer than 10
/// characters, the format becomes "dd/mm/yy" with '/' as separator.
void ApplyShortDateRule(Locale& locale);

/// Decimal text with the locale's thousands separator every three digits ("12,345").
std::string GroupThousands(long long value, const Locale& locale);

} // namespace gorlin
