#include "core/engine/TeamSelectionEdit.h"

#include "support/LeagueBuilder.h"

#include <gtest/gtest.h>

namespace gorlin {
namespace {

using test::LeagueBuilder;
using Entry = TeamSelectionEdit::Entry;

League FiveTeams() {
    return LeagueBuilder()
        .Teams({"Alpha", "Bravo", "Charlie", "Delta", "Echo"})
        .Selection(2, "North", {1, 2, 3})
        .Build();
}

Entry Make(const std::string& name, std::vector<int> teams, int teamCount = 5) {
    Entry e;
    e.Name = name;
    e.Checked.assign(static_cast<std::size_t>(teamCount), false);
    for (int t : teams)
        e.Checked[static_cast<std::size_t>(t - 1)] = true;
    return e;
}

TEST(TeamSelectionValidate, UnusedOrCompleteSlotsOnly) {
    const std::pair<Entry, const char*> cases[] = {
        {Make("", {}), ""},
        {Make("Top", {1, 2, 3}), ""},
        {Make("Pair", {1, 2}), "You must select at least three teams"},
        {Make("Named", {}), "You must select at least three teams"},
        {Make("", {1, 2, 3}), "You must give the selection a name"},
        {Make("   ", {1, 2, 3}), "You must give the selection a name"},
        {Make("", {1}), "You must select at least three teams"} // the team count is reported first
    };
    for (const auto& [entry, message] : cases)
        EXPECT_EQ(TeamSelectionEdit::Validate(entry), message) << entry.Name;
}

TEST(TeamSelectionEdit, WorksOnACopyAndKeepsTheUserOnAnInvalidSlot) {
    League league = FiveTeams();
    TeamSelectionEdit edit(league);
    EXPECT_EQ(edit.CurrentSlot(), 1);
    EXPECT_EQ(edit.TabCaption(1) + "|" + edit.TabCaption(2), "Selection 1|North");
    EXPECT_EQ(edit.EntryOf(2).Checked, (std::vector<bool>{true, true, true, false, false}));
    EXPECT_EQ(edit.SwitchTo(3, Make("Pair", {1, 2})).Message, "You must select at least three teams");
    EXPECT_EQ(edit.Ok(league, Make("Pair", {1, 2})).Message, "You must select at least three teams");
    EXPECT_EQ(edit.CurrentSlot(), 1);
    EXPECT_TRUE(edit.Slot(1).Name.empty());
    EXPECT_TRUE(edit.SwitchTo(2, Make("South", {3, 4, 5})).Ok);
    EXPECT_EQ(edit.CurrentSlot(), 2);
    EXPECT_EQ(edit.TabCaption(1), "South");
    EXPECT_TRUE(league.TeamSels[1].Name.empty() && !league.DataChanged) << "the league is untouched";
}

TEST(TeamSelectionEdit, OkCopiesAllSlotsBackTrimmedAndCutAndReportsTheCurrentSlot) {
    League league = FiveTeams();
    TeamSelectionEdit edit(league);
    ASSERT_TRUE(edit.SwitchTo(2, Make("", {})).Ok);
    ASSERT_TRUE(edit.Ok(league, Make("  Western Conference Selection  ", {2, 4, 5})).Ok);
    EXPECT_TRUE(league.DataChanged);
    EXPECT_EQ(league.TeamSels[2].Name.view(), "Western Conference S");
    EXPECT_TRUE(!league.TeamSels[2].IsMember(1) && league.TeamSels[2].IsMember(5));
    EXPECT_EQ(league.Head.TeamSelCount, 1);
    EXPECT_EQ(edit.ReportedSlot(), 2);

    TeamSelectionEdit clear(league); // a cleared slot is stored unused and reports 0
    ASSERT_TRUE(clear.SwitchTo(2, clear.EntryOf(1)).Ok);
    clear.Clear(2);
    EXPECT_EQ(clear.TabCaption(2), "Selection 2");
    ASSERT_TRUE(clear.Ok(league, clear.EntryOf(2)).Ok);
    EXPECT_EQ(SelectionSize(league, 2), 0);
    EXPECT_EQ(league.Head.TeamSelCount + clear.ReportedSlot(), 0);
}

TEST(ApplySelectionEdit, WhichSelectionIsInForceAfterTheDialog) {
    // A selection in force keeps its place while it has members; with all teams shown the
    // reported slot comes into force.
    for (auto [current, emptied, reported, expected] :
         {std::tuple{2, true, 1, 0}, {2, false, 0, 2}, {0, false, 2, 2}, {0, false, 0, 0}}) {
        League league = FiveTeams();
        league.CurrentSel = static_cast<u16>(current);
        if (emptied)
            league.TeamSels[2] = TeamSelRec{};
        ApplySelectionEdit(league, reported);
        EXPECT_EQ(league.CurrentSel, expected) << current << " " << reported;
    }
}

} // namespace
} // namespace gorlin
