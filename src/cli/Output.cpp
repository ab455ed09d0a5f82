#include "cli/Output.h"

#include "core/model/Dates.h"

#include <algorithm>
#include <cstdio>

namespace gorlin::cli {

std::string CsvField(std::string_view cell) {
    if (cell.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(cell);
    std::string quoted = "\"";
    for (const char c : cell) {
        if (c == '"')
            quoted.push_back('"');
        quoted.push_back(c);
    }
    return quoted + "\"";
}

void WriteCsvRow(std::ostream& out, const std::vector<std::string>& cells) {
    for (std::size_t c = 0; c < cells.size(); ++c)
        out << (c ? "," : "") << CsvField(cells[c]);
    out << '\n';
}

std::string TsvField(std::string_view cell) {
    std::string out;
    out.reserve(cell.size());
    for (const char c : cell) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            if (u < 0x20 || u == 0x7F) {
                char hex[5];
                std::snprintf(hex, sizeof hex, "\\x%02X", u);
                out += hex;
            } else {
                out.push_back(c);
            }
        }
    }
    return out;
}

void WriteTsvRow(std::ostream& out, const std::vector<std::string>& cells) {
    for (std::size_t c = 0; c < cells.size(); ++c)
        out << (c ? "\t" : "") << TsvField(cells[c]);
    out << '\n';
}

Locale FixedLocale(int today) {
    Locale locale;
    locale.ShortDateFormat = "yyyy/mm/dd";
    locale.DateSeparator = '-';
    locale.ThousandSeparator = ',';
    locale.DecimalSeparator = '.';
    locale.TwoDigitYearBase = FromDayNumber(today).Year - 70;
    locale.Today = today;
    return locale;
}

Expected<Locale> PatternLocale(const std::string& pattern, int today) {
    bool day = false, month = false, year = false;
    Locale locale = FixedLocale(today);
    locale.DateSeparator = '\0';
    std::string format;
    for (const char c : pattern) {
        const char lower = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        day = day || lower == 'd';
        month = month || lower == 'm';
        year = year || lower == 'y';
        const bool letter = (lower >= 'a' && lower <= 'z') || static_cast<unsigned char>(c) >= 0x80;
        if (!letter && (locale.DateSeparator == '\0' || c == locale.DateSeparator)) {
            locale.DateSeparator = c;
            format += '/';
        } else {
            format += c;
        }
    }
    if (!day || !month || !year)
        return Error{"--date-format needs a pattern with a day, a month and a year, such as dd/mm/yyyy"};
    if (locale.DateSeparator == '\0')
        locale.DateSeparator = '/';
    locale.ShortDateFormat = format;
    return locale;
}

std::size_t TextWidth(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(
        utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

} // namespace gorlin::cli
