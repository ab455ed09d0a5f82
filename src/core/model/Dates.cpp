#include "core/model/Dates.h"

#include "core/model/Text.h"

#include <array>
#include <cctype>
#include <charconv>
#include <vector>

namespace gorlin {

namespace {

constexpr std::array<const char*, 12> kShortMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<const char*, 12> kLongMonths = {"January",   "February", "March",    "April",
                                                     "May",       "June",     "July",     "August",
                                                     "September", "October",  "November", "December"};

// Days since 1970-01-01 of a proleptic Gregorian date.
constexpr long DaysFromCivil(long y, long m, long d) {
    y -= m <= 2 ? 1 : 0;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

constexpr long kEpoch = DaysFromCivil(1899, 12, 30);
static_assert(DaysFromCivil(2000, 1, 1) - kEpoch == 36526);

} // namespace

const char* Locale::ShortMonthName(int month) {
    return month >= 1 && month <= 12 ? kShortMonths[static_cast<std::size_t>(month - 1)] : "";
}
const char* Locale::LongMonthName(int month) {
    return month >= 1 && month <= 12 ? kLongMonths[static_cast<std::size_t>(month - 1)] : "";
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

bool IsValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(year, month);
}

int ToDayNumber(int year, int month, int day) {
    return static_cast<int>(DaysFromCivil(year, month, day) - kEpoch);
}

CivilDate FromDayNumber(int dayNumber) {
    long z = dayNumber + kEpoch + 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long y = yoe + era * 400;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const long d = doy - (153 * mp + 2) / 5 + 1;
    const long m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(m <= 2 ? y + 1 : y), static_cast<int>(m), static_cast<int>(d)};
}

int DayOfWeek(int dayNumber) {
    // Day 0 (30 December 1899) was a Saturday.
    const int w = (dayNumber + 6) % 7;
    return w < 0 ? w + 7 : w;
}

std::string FormatDate(int dayNumber, std::string_view format, const Locale& locale) {
    const CivilDate date = FromDayNumber(dayNumber);
    std::string out;
    std::size_t i = 0;
    const auto pad2 = [&out](int v) {
        if (v < 10)
            out += '0';
        out += std::to_string(v);
    };
    while (i < format.size()) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(format[i])));
        std::size_t run = 1;
        while (i + run < format.size() &&
               std::tolower(static_cast<unsigned char>(format[i + run])) == static_cast<unsigned char>(c))
            ++run;
        if (c == 'd') {
            if (run == 1)
                out += std::to_string(date.Day);
            else
                pad2(date.Day);
        } else if (c == 'm') {
            if (run == 1)
                out += std::to_string(date.Month);
            else if (run == 2)
                pad2(date.Month);
            else if (run == 3)
                out += Locale::ShortMonthName(date.Month);
            else
                out += Locale::LongMonthName(date.Month);
        } else if (c == 'y') {
            if (run <= 2)
                pad2(date.Year % 100);
            else
                out += std::to_string(date.Year);
        } else {
            for (std::size_t k = 0; k < run; ++k)
                out += format[i] == '/' ? locale.DateSeparator : format[i];
        }
        i += run;
    }
    return out;
}

int YearInWindow(int twoDigitYear, const Locale& locale) {
    const int year = locale.TwoDigitYearBase / 100 * 100 + twoDigitYear;
    return year < locale.TwoDigitYearBase ? year + 100 : year;
}

std::optional<int> ParseShortDate(std::string_view text, const Locale& locale) {
    // Field order from the format: the order in which d, m and y first appear.
    std::string order;
    bool monthByName = false;
    for (std::size_t i = 0; i < locale.ShortDateFormat.size(); ++i) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(locale.ShortDateFormat[i])));
        if ((c == 'd' || c == 'm' || c == 'y') && order.find(c) == std::string::npos)
            order += c;
        if (c == 'm' && i + 2 < locale.ShortDateFormat.size() &&
            std::tolower(static_cast<unsigned char>(locale.ShortDateFormat[i + 2])) == 'm')
            monthByName = true;
    }
    if (order.size() != 3)
        order = "dmy";

    // Split into fields at the separator and blanks.
    std::vector<std::string_view> fields;
    text = Trim(text);
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == locale.DateSeparator || text[i] == ' ') {
            if (i > start)
                fields.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    if (fields.size() < 2 || fields.size() > 3)
        return std::nullopt;
    if (fields.size() == 2) // no year: keep day and month in their order
        order.erase(order.find('y'), 1);

    int day = 0;
    int month = 0;
    int year = FromDayNumber(locale.Today).Year;
    for (std::size_t f = 0; f < fields.size(); ++f) {
        const std::string_view field = fields[f];
        int value = 0;
        const auto [ptr, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
        const bool numeric = ec == std::errc{} && ptr == field.data() + field.size();
        if (order[f] == 'm' && !numeric && monthByName) {
            for (int m = 1; m <= 12 && month == 0; ++m)
                if (field.size() >= 3 && CompareNoCase(field.substr(0, 3), Locale::ShortMonthName(m)) == 0)
                    month = m;
            if (month == 0)
                return std::nullopt;
            continue;
        }
        if (!numeric || value < 0)
            return std::nullopt;
        if (order[f] == 'd')
            day = value;
        else if (order[f] == 'm')
            month = value;
        else {
            year = value;
            if (field.size() <= 2)
                year = YearInWindow(value, locale);
        }
    }
    if (!IsValidDate(year, month, day))
        return std::nullopt;
    return ToDayNumber(year, month, day);
}

std::optional<int> ParseIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    int parts[3] = {};
    const std::string_view pieces[3] = {text.substr(0, 4), text.substr(5, 2), text.substr(8, 2)};
    for (int i = 0; i < 3; ++i) {
        const auto [ptr, ec] =
            std::from_chars(pieces[i].data(), pieces[i].data() + pieces[i].size(), parts[i]);
        if (ec != std::errc{} || ptr != pieces[i].data() + pieces[i].size())
            return std::nullopt;
    }
    if (!IsValidDate(parts[0], parts[1], parts[2]))
        return std::nullopt;
    return ToDayNumber(parts[0], parts[1], parts[2]);
}

std::string FormatIsoDate(int dayNumber) {
    Locale iso;
    iso.DateSeparator = '-';
    return FormatDate(dayNumber, "yyyy/mm/dd", iso);
}

void ApplyShortDateRule(Locale& locale) {
    if (FormatShortDate(locale.Today, locale).size() > 10) {
        locale.ShortDateFormat = "dd/mm/yy";
        locale.DateSeparator = '/';
    }
}

std::string GroupThousands(long long value, const Locale& locale) {
    const bool negative = value < 0;
    std::string digits = std::to_string(negative ? static_cast<unsigned long long>(-(value + 1)) + 1ULL
                                                 : static_cast<unsigned long long>(value));
    std::string out;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        out += digits[i];
        const std::size_t left = n - 1 - i;
        if (left > 0 && left % 3 == 0 && locale.ThousandSeparator != '\0')
            out += locale.ThousandSeparator;
    }
    return negative ? "-" + out : out;
}

} // namespace gorlin
