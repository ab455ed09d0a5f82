#pragma once

#include <string>

namespace gorlin {

/// The conventions core formats and parses with. Nothing in core reads the system: the
/// platform layer builds one from the system locale, tests pass an explicit one.
struct Locale {
    /// Short date format of tokens d, dd, m, mm, mmm, mmmm, yy, yyyy and the separator
    /// character ('/' stands for DateSeparator, any other character is literal).
    std::string ShortDateFormat = "dd/mm/yyyy";
    char DateSeparator = '/';
    char ThousandSeparator = ',';
    char DecimalSeparator = '.';
    /// Two-digit years read as the year within the hundred years starting TwoDigitYearBase.
    /// In 2026 the base is 1956 (70 years back).
    int TwoDigitYearBase = 1956;
    /// Today's day number (day 0 = 30 December 1899).
    int Today = 0;

    /// Month names for mmm and mmmm.
    static const char* ShortMonthName(int month); // 1..12, "Jan"
    static const char* LongMonthName(int month);  // 1..12, "January"
};

} // namespace gorlin
