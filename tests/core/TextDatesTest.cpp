#include "core/model/Dates.h"
#include "core/model/Text.h"

#include <gtest/gtest.h>

using namespace gorlin;

TEST(Text, Win1252RoundTripsEveryByte) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToWin1252(Win1252ToUtf8(all)), all);
    EXPECT_EQ(Win1252ToUtf8("M\xfcnchen \x80"), "München €");
    EXPECT_EQ(Utf8ToWin1252("Málaga – 5€"), "M\xe1laga \x96 5\x80");
    EXPECT_EQ(Utf8ToWin1252("日本"), "??");
    EXPECT_EQ(Utf8ToWin1252("\xc3"), "\xc3"); // truncated sequence kept as a byte
}

TEST(Dates, DayNumbers) {
    EXPECT_EQ(ToDayNumber(2000, 1, 1), 36526);
    EXPECT_EQ(ToDayNumber(1899, 12, 30), 0);
    EXPECT_EQ(ToDayNumber(1980, 1, 1), 29221);
    EXPECT_EQ(FromDayNumber(65535), (CivilDate{2079, 6, 4}));
    EXPECT_EQ(FromDayNumber(ToDayNumber(2024, 2, 29)), (CivilDate{2024, 2, 29}));
    EXPECT_EQ(DayOfWeek(ToDayNumber(2026, 12, 6)), 0); // a Sunday
    for (int d = -1000; d < 80000; d += 37)
        ASSERT_EQ(ToDayNumber(FromDayNumber(d)), d);
}

TEST(Dates, FormatTokens) {
    Locale loc;
    const int d = ToDayNumber(2019, 3, 7);
    EXPECT_EQ(FormatDate(d, "dd/mm/yyyy", loc), "07/03/2019");
    EXPECT_EQ(FormatDate(d, "d/m/yy", loc), "7/3/19");
    EXPECT_EQ(FormatDate(d, "d mmm yyyy", loc), "7 Mar 2019");
    EXPECT_EQ(FormatDate(d, "mmmm yyyy", loc), "March 2019");
    loc.DateSeparator = '.';
    EXPECT_EQ(FormatDate(d, "dd/mm/yy", loc), "07.03.19");
    EXPECT_EQ(FormatIsoDate(d), "2019-03-07");
}

TEST(Dates, ParseWithWindowAndOrder) {
    Locale loc;
    loc.ShortDateFormat = "dd/mm/yy";
    loc.TwoDigitYearBase = 1956;
    loc.Today = ToDayNumber(2026, 12, 6);
    EXPECT_EQ(ParseShortDate("07/03/56", loc), ToDayNumber(1956, 3, 7));
    EXPECT_EQ(ParseShortDate("07/03/55", loc), ToDayNumber(2055, 3, 7));
    EXPECT_EQ(ParseShortDate("7/3/2019", loc), ToDayNumber(2019, 3, 7));
    EXPECT_EQ(ParseShortDate("7/3", loc), ToDayNumber(2026, 3, 7));
    EXPECT_FALSE(ParseShortDate("31/02/20", loc));
    EXPECT_FALSE(ParseShortDate("abc", loc));
    loc.ShortDateFormat = "m/d/yyyy";
    EXPECT_EQ(ParseShortDate("3/7/2019", loc), ToDayNumber(2019, 3, 7));
    loc.ShortDateFormat = "yyyy-mm-dd";
    loc.DateSeparator = '-';
    EXPECT_EQ(ParseShortDate("2019-03-07", loc), ToDayNumber(2019, 3, 7));
    EXPECT_EQ(ParseIsoDate("2019-03-07"), ToDayNumber(2019, 3, 7));
    EXPECT_FALSE(ParseIsoDate("2019-3-7"));
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
