#include "core/query/QueryDesign.h"

#include <gtest/gtest.h>

namespace gorlin {
namespace {

std::vector<int> Fields(const QueryDesign& d) {
    std::vector<int> ids;
    for (const DesignColumn& c : d.Columns())
        ids.push_back(c.FieldId);
    return ids;
}

TEST(QueryDesign, DropInsertsOnUsedColumnsAppendsOnUnusedAndBeepsWhenFull) {
    QueryDesign d(kTabGames);
    EXPECT_TRUE(d.AddField(101));
    EXPECT_TRUE(d.DropField(102, 0));  // used: inserted before
    EXPECT_TRUE(d.DropField(103, 15)); // unused: appended
    EXPECT_TRUE(d.SetField(9, 110));   // the drop-down of an unused column appends too
    EXPECT_FALSE(d.AddField(1));       // a field of another tab
    EXPECT_EQ(Fields(d), (std::vector<int>{102, 101, 103, 110}));
    EXPECT_TRUE(d.SetField(1, 104));
    EXPECT_EQ(Fields(d), (std::vector<int>{102, 104, 103, 110}));

    while (!d.Full())
        EXPECT_TRUE(d.AddField(100));
    EXPECT_EQ(d.Count(), 22);
    EXPECT_FALSE(d.AddField(105)); // the 23rd
    EXPECT_FALSE(d.DropField(105, 0));
    EXPECT_FALSE(d.DropField(105, 30));
    EXPECT_EQ(d.Count(), 22);

    d.SetTab(kTabTeams);
    EXPECT_EQ(d.Count(), 0);
    EXPECT_EQ(d.Tab(), kTabTeams);
}

TEST(QueryDesign, MovingDeletingAndCellTexts) {
    QueryDesign d(kTabTeams);
    for (int id : {1, 2, 3, 4})
        d.AddField(id);
    EXPECT_TRUE(d.MoveColumn(0, 2));
    EXPECT_EQ(Fields(d), (std::vector<int>{2, 3, 1, 4}));
    EXPECT_TRUE(d.MoveColumn(3, 0));
    EXPECT_EQ(Fields(d), (std::vector<int>{4, 2, 3, 1}));
    EXPECT_TRUE(d.MoveColumn(0, 21)); // onto an unused column: last
    EXPECT_EQ(Fields(d), (std::vector<int>{2, 3, 1, 4}));
    EXPECT_FALSE(d.MoveColumn(5, 0));
    EXPECT_TRUE(d.DeleteColumn(1));
    EXPECT_EQ(Fields(d), (std::vector<int>{2, 1, 4}));

    d.SetSort(0, SortOrder::Descending);
    d.ToggleInclude(1);
    EXPECT_TRUE(d.SetText(2, kRowCriteria, "  Rovers, City "));
    EXPECT_FALSE(d.SetText(2, kRowOr, "say \"hi\""));
    EXPECT_TRUE(d.SetText(2, kRowTitle, std::string(50, 'x')));
    EXPECT_FALSE(d.SetText(5, kRowTitle, "unused"));
    EXPECT_FALSE(AcceptsDesignText("\""));

    const struct {
        int Column, Row;
        std::string Text;
    } cells[] = {{0, kRowField, "Played"}, {0, kRowSort, "Descending"},
                 {1, kRowSort, ""},        {0, kRowInclude, "X"},
                 {1, kRowInclude, ""},     {2, kRowCriteria, "  Rovers, City "},
                 {2, kRowOr, ""},          {2, kRowTitle, std::string(40, 'x')},
                 {3, kRowField, ""}};
    for (const auto& c : cells)
        EXPECT_EQ(d.CellText(c.Column, c.Row), c.Text) << c.Column << "/" << c.Row;
    EXPECT_STREQ(DesignRowLabel(kRowOr), "Or:");
}

} // namespace
} // namespace gorlin
