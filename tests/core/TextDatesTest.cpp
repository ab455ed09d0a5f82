#include "core/model/Dates.h"
#include "core/model/Text.h"

#include <gtest/gtest.h>

using namespace gorlin;

TEST(Text, Win1252AgainstKnownCodePoints) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToWin1252(Win1252ToUtf8(all)), all);
    // Both ways against the code points themselves (a round trip alone would hide a wrong entry).
    const std::pair<const char*, const char*> known[] = {
        {"\x80", "\u20AC"},   {"\x91", "\u2018"}, {"\x9F", "\u0178"}, {"\x8A", "\u0160"},
        {"\x81", "\xC2\x81"}, {"\xA0", "\u00A0"}, {"\xE9", "\u00E9"}, {"\xFF", "\u00FF"}};
    for (const auto& [byte, utf8] : known) {
        EXPECT_EQ(Win1252ToUtf8(byte), utf8) << int(static_cast<unsigned char>(byte[0]));
        EXPECT_EQ(Utf8ToWin1252(utf8), byte) << utf8;
    }
}

TEST(Text, Utf8TheLeagueTextCannotHoldOrThatIsMalformed) {
    const std::pair<std::string, std::string> cases[] = {
        {"M\xC3\xA1laga \xE2\x80\x93 5\xE2\x82\xAC", "M\xE1laga \x96 5\x80"},
        {"\xE6\x97\xA5\xE6\x9C\xAC", "??"},       // three-byte characters outside the code page
        {"\xF0\x9F\x98\x80!", "?!"},              // a four-byte character is one '?'
        {"\xC3", "\xC3"},                         // a cut sequence is kept as its byte
        {"\xE2\x82!", "\xE2\x82!"},               // as is one broken by a non-continuation byte
        {"\xF8\x80\x80\x80", "\xF8\x80\x80\x80"}, // lead bytes F8..FF start no sequence
        {"\xFC\x80\x80\x80", "\xFC\x80\x80\x80"},
        {"\xFF\x80\x80\x80", "\xFF\x80\x80\x80"}};
    for (const auto& [utf8, bytes] : cases)
        EXPECT_EQ(Utf8ToWin1252(utf8), bytes) << utf8;
}

TEST(Dates, DayNumbersAndTheCalendar) {
    EXPECT_EQ(ToDayNumber(1899, 12, 30), 0);
    EXPECT_EQ(ToDayNumber(2000, 1, 1), 36526);
    EXPECT_EQ(ToDayNumber(1, 1, 1), -693593);
    EXPECT_EQ(ToDayNumber(9999, 12, 31), 2958465);
    EXPECT_EQ(FromDayNumber(65535), (CivilDate{2079, 6, 4}));
    EXPECT_EQ(DayOfWeek(ToDayNumber(2026, 12, 6)), 0); // a Sunday
    for (int d = -1000; d < 80000; d += 37)
        ASSERT_EQ(ToDayNumber(FromDayNumber(d)), d);
    // The 400-year leap rule, month lengths and the last year.
    const std::pair<const char*, bool> iso[] = {
        {"2000-02-29", true}, {"1900-02-29", false}, {"2100-02-29", false}, {"2400-02-29", true},
        {"2024-02-29", true}, {"2023-02-29", false}, {"2019-04-31", false}, {"2019-04-30", true},
        {"2019-12-31", true}, {"2019-13-01", false}, {"2019-00-10", false}, {"9999-12-31", true},
        {"0001-01-01", true}, {"2019-3-7", false}};
    for (const auto& [text, valid] : iso)
        EXPECT_EQ(ParseIsoDate(text).has_value(), valid) << text;
    EXPECT_EQ(ParseIsoDate("2019-03-07"), ToDayNumber(2019, 3, 7));
    EXPECT_FALSE(IsValidDate(10000, 1, 1));
}

TEST(Dates, FormatTokens) {
    Locale loc;
    const int d = ToDayNumber(2019, 3, 7);
    EXPECT_EQ(FormatDate(d, "dd/mm/yyyy d/m/yy d mmm yyyy mmmm", loc), "07/03/2019 7/3/19 7 Mar 2019 March");
    EXPECT_EQ(FormatDate(ToDayNumber(2020, 1, 31), "mmmm mmm", loc), "January Jan");
    EXPECT_EQ(FormatDate(ToDayNumber(2020, 12, 1), "mmmm mmm", loc), "December Dec");
    loc.DateSeparator = '.';
    EXPECT_EQ(FormatDate(d, "dd/mm/yy", loc), "07.03.19");
    EXPECT_EQ(FormatIsoDate(d), "2019-03-07");
}

TEST(Dates, ParseShortDateFollowsTheFormat) {
    Locale loc;
    loc.TwoDigitYearBase = 1956;
    loc.Today = ToDayNumber(2026, 12, 6);
    struct Case {
        const char* Format;
        const char* Text;
        int Expected; // 0: refused
    };
    const Case cases[] = {
        {"dd/mm/yy", "07/03/56", ToDayNumber(1956, 3, 7)}, // the two-digit year window
        {"dd/mm/yy", "07/03/55", ToDayNumber(2055, 3, 7)},
        {"dd/mm/yy", "7/3/2019", ToDayNumber(2019, 3, 7)},
        {"dd/mm/yy", "7/3", ToDayNumber(2026, 3, 7)}, // no year: this year
        {"dd/mm/yy", "31/02/20", 0},
        {"dd/mm/yy", "31/04/2019", 0},
        {"dd/mm/yy", "1/1/10000", 0},
        {"dd/mm/yy", "abc", 0},
        {"m/d/yyyy", "3/7/2019", ToDayNumber(2019, 3, 7)},
        // Month names only where the format shows one (mmm or mmmm), matched on three letters.
        {"dd/mm/yyyy", "07/Mar/2019", 0},
        {"m/d/yyyy", "Mar/7/2019", 0},
        {"dd/mmm/yyyy", "07/mar/2019", ToDayNumber(2019, 3, 7)},
        {"d/mmmm/yyyy", "7 March 2019", ToDayNumber(2019, 3, 7)},
        {"mmmm/d/yyyy", "January 7 2019", ToDayNumber(2019, 1, 7)},
        {"dd/mmm/yyyy", "07/Mrz/2019", 0}};
    for (const Case& c : cases) {
        loc.ShortDateFormat = c.Format;
        EXPECT_EQ(ParseShortDate(c.Text, loc).value_or(0), c.Expected) << c.Format << " " << c.Text;
    }
    loc.ShortDateFormat = "yyyy/mm/dd";
    loc.DateSeparator = '-';
    EXPECT_EQ(ParseShortDate("2019-03-07", loc), ToDayNumber(2019, 3, 7));
}

TEST(Dates, ShortDateRuleAndThousands) {
    Locale loc;
    loc.Today = ToDayNumber(2026, 12, 6);
    loc.ShortDateFormat = "dddd/mmmm/yyyy";
    ApplyShortDateRule(loc);
    EXPECT_EQ(loc.ShortDateFormat, "dd/mm/yy");
    loc.ShortDateFormat = "dd/mm/yyyy";
    ApplyShortDateRule(loc);
    EXPECT_EQ(loc.ShortDateFormat, "dd/mm/yyyy");
    EXPECT_EQ(GroupThousands(1234567, loc), "1,234,567");
    EXPECT_EQ(GroupThousands(-1000, loc), "-1,000");
    EXPECT_EQ(GroupThousands(999, loc), "999");
}
