#include "core/query/QueryRun.h"

#include "QueryFixture.h"

#include <gtest/gtest.h>

namespace gorlin {
namespace {

/// A design of one tab: per column its field, then optional Criteria and Or texts and a sort.
struct Col {
    int Field;
    const char* Criteria = "";
    const char* Or = "";
    SortOrder Sort = SortOrder::NotSorted;
    bool Include = true;
};

QueryDesign Design(int tab, std::initializer_list<Col> cols) {
    QueryDesign d(tab);
    for (const Col& c : cols) {
        EXPECT_TRUE(d.AddField(c.Field));
        const int i = d.Count() - 1;
        d.SetText(i, kRowCriteria, c.Criteria);
        d.SetText(i, kRowOr, c.Or);
        d.SetSort(i, c.Sort);
        if (!c.Include)
            d.ToggleInclude(i);
    }
    return d;
}

/// The first column of each result row.
std::vector<std::string> FirstColumn(const QueryResult& r) {
    std::vector<std::string> out;
    for (const auto& row : r.Cells)
        out.push_back(row.front());
    return out;
}

using Names = std::vector<std::string>;

TEST(QueryCriteria, SelectsByKind) {
    const test::QueryLeague q = test::MakeQueryLeague(1);
    const struct {
        const char* What;
        QueryDesign Query;
        Names Rows;
    } cases[] = {
        {"only the Or row", Design(kTabTeams, {{1, "", "ROVERS"}, {2}}), {"Rovers"}},
        {"both cells of a row", Design(kTabTeams, {{1, "A*"}, {2, "1"}}), {"Athletic"}},
        {"y on a Y/N field", Design(kTabGoals, {{207}, {208, "y"}}), {"50"}},
        {"begins with, accents in any case", Design(kTabPlayers, {{300, "m\xFCl*"}}), {"M\xFCller"}},
        {"greater than on a whole number", Design(kTabGames, {{102}, {110, ">5"}}), {"Albion"}},
        {"less than a date", Design(kTabGames, {{102}, {101, "<10/02/2019"}}), {"Rovers", "Rovers"}},
        {"grouped crowd read whole", Design(kTabTeams, {{1}, {29, ">12344"}}), {"Rovers"}},
        {"decimal as shown", Design(kTabTeams, {{1}, {34, "7.25"}}), {"Rovers"}},
        {"grouped cost read as a decimal", Design(kTabTeams, {{1}, {36, ">1230000"}}), {"Albion"}},
        {"empty decimal meets nothing", Design(kTabTeams, {{1}, {37, "<100"}}), {"Rovers"}},
        {"missing date meets nothing", Design(kTabPlayers, {{300}, {320, "<01/01/2100"}}), {"M\xFCller"}},
    };
    for (const auto& c : cases) {
        const auto r = RunQuery(c.Query, q.Source());
        ASSERT_TRUE(r) << c.What << ": " << r.error().Message;
        EXPECT_EQ(FirstColumn(*r), c.Rows) << c.What;
        EXPECT_EQ(r->StatusText, RowCountText(static_cast<int>(c.Rows.size())));
    }
}

TEST(QueryCriteria, RefusedDesignsInMessageOrder) {
    const test::QueryLeague q = test::MakeQueryLeague(1);
    QueryDesign empty = Design(kTabTeams, {{2, "abc", "", SortOrder::NotSorted, false}});
    empty.AppendColumn(DesignColumn{}); // a column without a field
    const struct {
        QueryDesign Query;
        const char* Message;
    } cases[] = {
        {empty, "The query is not correct. It contains an empty column"},
        {QueryDesign(kTabTeams), "No included Query fields. Add one or more included fields."},
        {Design(kTabTeams, {{2, "abc", "", SortOrder::NotSorted, false}}),
         "No included Query fields. Add one or more included fields."},
        {Design(kTabTeams, {{1}, {2, "abc"}}),
         "Selection criteria for field Played is not valid for the following reason: 'ABC' is not a valid "
         "whole number"},
        {Design(kTabTeams, {{1}, {2, "", ">"}}),
         "Selection criteria for field Played is not valid for the following reason: '' is not a valid whole "
         "number"},
        {Design(kTabTeams, {{1}, {33, "1.2.3"}}),
         "Selection criteria for field Attack is not valid for the following reason: '1.2.3' is not a valid "
         "decimal number"},
        {Design(kTabTeams, {{1}, {2, "1,9"}}),
         "Selection criteria for field Played is not valid for the following reason: '1,9' is not a valid "
         "whole number"},
        {Design(kTabGames, {{102}, {101, "<31/02/2019"}}),
         "Selection criteria for field Date is not valid for the following reason: '31/02/2019' is not a "
         "valid date"},
    };
    for (const auto& c : cases) {
        const auto r = RunQuery(c.Query, q.Source());
        ASSERT_FALSE(r) << c.Message;
        EXPECT_EQ(r.error().Message, c.Message);
    }
    // The locale's thousands separator may stand before a group of three digits.
    EXPECT_TRUE(RunQuery(Design(kTabTeams, {{1}, {29, ">1,000"}}), q.Source()));
}

TEST(QuerySort, ByColumnsLeftToRightStableWithEmptiesLowest) {
    const test::QueryLeague q = test::MakeQueryLeague(1);
    const struct {
        const char* What;
        QueryDesign Query;
        Names Rows;
    } cases[] = {
        {"descending, ties in row order",
         Design(kTabTeams, {{1}, {2, "", "", SortOrder::Descending}}),
         {"Rovers", "Albion", "City", "Athletic"}},
        {"empty decimal lowest",
         Design(kTabTeams, {{1}, {37, "", "", SortOrder::Ascending}}),
         {"Albion", "City", "Athletic", "Rovers"}},
        {"second key and a hidden key",
         Design(kTabGoals,
                {{205, "", "", SortOrder::Ascending}, {207, "", "", SortOrder::Descending, false}}),
         {"Albion", "Rovers", "Rovers", "Rovers", "Rovers", "Rovers"}},
        {"missing birth dates first",
         Design(kTabPlayers, {{300}, {320, "", "", SortOrder::Descending}}),
         {"M\xFCller", "Keeper", "Smith", "Jones", "Brown", "Green"}},
    };
    for (const auto& c : cases) {
        const auto r = RunQuery(c.Query, q.Source());
        ASSERT_TRUE(r) << c.What;
        EXPECT_EQ(FirstColumn(*r), c.Rows) << c.What;
    }
}

TEST(QueryRun, HeadingsWidthsAndAlignment) {
    const test::QueryLeague q = test::MakeQueryLeague(1);
    QueryDesign d = Design(kTabTeams, {{1}, {29}, {8, "", "", SortOrder::Descending, false}});
    d.SetText(0, kRowTitle, "  Club  ");
    const auto r = RunQuery(d, q.Source());
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Headings, (Names{"Club", "TotCrowd"}));
    EXPECT_EQ(r->Numeric, (std::vector<bool>{false, true}));
    EXPECT_EQ(r->Widths, (std::vector<int>{8, 8})); // "Athletic", "TotCrowd"
    EXPECT_EQ(r->Cells.front(), (Names{"Rovers", "12,345"}));
    EXPECT_EQ(r->RowIndex, (std::vector<int>{0, 2, 1, 3})); // goal differences 4, 0, -2, -2

    const auto none = RunQuery(Design(kTabTeams, {{1, "Nobody"}}), q.Source());
    EXPECT_TRUE(none->Cells.empty());
    EXPECT_EQ(none->StatusText, " Number of rows: 0");
    EXPECT_EQ(none->Widths, (std::vector<int>{4}));
}

} // namespace
} // namespace gorlin
