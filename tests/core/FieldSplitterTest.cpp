#include "core/update/FieldSplitter.h"

#include <gtest/gtest.h>

using namespace gorlin;

namespace {

struct SplitCase {
    const char* Line;
    int Count;
    std::vector<std::string> Kept;
};

} // namespace

TEST(FieldSplitter, SplitsAsTheUpdateAndImportReadersRead) {
    const SplitCase cases[] = {
        {R"(P,3,"Hale, Tom",4,9)", 5, {"P", "3", "Hale, Tom", "4", "9"}}, // comma inside quotes kept
        {R"(A,"",")", 3, {"A", "", ""}},                                  // two quotes, one quote: empty
        {R"("A")", 1, {"A"}},
        {"G,2,15,67,0,0,", 6, {"G", "2", "15", "67", "0", "0"}}, // a trailing comma adds no field
        {"a,,b", 3, {"a", "", "b"}},                             // an empty field inside is counted
        {",", 1, {""}},
        {"a, ", 2, {"a", ""}}, // a blank last field is counted, then trimmed
        {"", 0, {}},
        {R"(  a  , " b " ,	c	)", 3, {"a", " b ", "c"}}, // trimmed first, then unquoted
        {R"(x"a,b"y)", 1, {R"(x"a,b"y)"}},                         // quotes inside a field stay
        {R"("a""b")", 1, {R"(a""b)"}},                             // no escape for a quote
        {R"(a,"bc)", 2, {"a", "b"}},                               // unclosed: first and last removed
        {"1,2,3,4,5,6,7,8,9,10,11,12,13,14", 14, {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"}},
    };
    for (const SplitCase& c : cases) {
        const LineFields f = SplitFields(c.Line);
        EXPECT_EQ(f.Count, c.Count) << c.Line;
        EXPECT_EQ(f.Fields, c.Kept) << c.Line;
    }
    EXPECT_EQ(SplitFields("1,2,3,4,5,6,7,8,9,10,11,12").Field(12), ""); // counted, not kept
}

TEST(FieldSplitter, NumbersAreWholeDecimalFields) {
    for (const char* bad : {"", "1a", "1 2", "--1", "-", "99999999999999999999"})
        EXPECT_EQ(FieldNumber(bad), std::nullopt) << bad;
    EXPECT_EQ(FieldNumber("-3"), -3);
    EXPECT_EQ(FieldNumber("+4"), 4);
    EXPECT_EQ(FieldNumber("4294967295"), 4294967295LL);
}
