#include "core/edit/Maintenance.h"

#include "support/LeagueBuilder.h"

#include <gtest/gtest.h>

namespace gorlin {
namespace {

using test::LeagueBuilder;

League Clubs() {
    LeagueBuilder b;
    b.Teams({"Rovers", "Everton", "Albion", "City"}).OtherTeams({"Athletic"});
    return b.Build();
}

TEST(TablePage, SettingsKeepTheirRangesAndChangeOnlyWhenDifferent) {
    struct Case {
        TableSetting Setting;
        int Min, Max;
        const char* Refusal; // for Min - 1
    } cases[] = {
        {TableSetting::Promoted, 0, 9, "Automatic Promotion must be from 0 to 9"},
        {TableSetting::WinPoints, 1, 9, "Points for a win must be from 1 to 9"},
        {TableSetting::LossPoints, 0, 4, "Points for a loss must be from 0 to 4"},
        {TableSetting::HalfLength, 10, 45, "Length of each half must be from 10 to 45"},
    };
    for (const Case& c : cases) {
        League league = Clubs();
        const int before = TableSettingValue(league, c.Setting);
        EXPECT_EQ(SetTableSetting(league, c.Setting, c.Min - 1).Message, c.Refusal);
        EXPECT_FALSE(SetTableSetting(league, c.Setting, c.Max + 1));
        EXPECT_FALSE(SetTableSetting(league, c.Setting, c.Max + 256)) << "no wrap into the byte";
        EXPECT_EQ(TableSettingValue(league, c.Setting), before);
        ASSERT_TRUE(SetTableSetting(league, c.Setting, before));
        EXPECT_FALSE(league.DataChanged) << c.Refusal;
        for (int v : {c.Min, c.Max}) {
            ASSERT_TRUE(SetTableSetting(league, c.Setting, v));
            EXPECT_EQ(TableSettingValue(league, c.Setting), v);
        }
        EXPECT_TRUE(league.DataChanged);
    }
}

TEST(TablePage, NameMarksTheFolderListStale) {
    League league = Clubs();
    EXPECT_FALSE(SetTableName(league, ""));
    EXPECT_FALSE(SetTableName(league, std::string(31, 'x')));
    ASSERT_TRUE(SetTableName(league, "Test League"));
    EXPECT_FALSE(league.FileListStale);
    ASSERT_TRUE(SetTableName(league, std::string(30, 'x')));
    EXPECT_TRUE(league.FileListStale);
    EXPECT_TRUE(league.DataChanged);
}

TEST(TablePage, OwnTeamChoiceAndItsSound) {
    League league = Clubs();
    const auto items = OwnTeamItems(league);
    ASSERT_EQ(items.size(), 5u) << "no other teams";
    EXPECT_EQ(items[0].Text, "*** None ***");
    EXPECT_EQ(OwnTeamItem(league), 0);
    struct Step {
        int Team;
        bool Ok, Sound;
    } steps[] = {{2, true, true}, {2, true, false}, {3, true, false}, {5, false, false}, {0, true, false}};
    for (const Step& s : steps) {
        const Expected<bool> r = SetOwnTeam(league, s.Team);
        ASSERT_EQ(r.ok(), s.Ok) << s.Team;
        if (r) {
            EXPECT_EQ(*r, s.Sound) << s.Team;
        }
    }
    EXPECT_EQ(SetOwnTeam(league, 5).error().Message, "Athletic is not a league team");
    league.Teams[3].Name = "everton";
    EXPECT_FALSE(*SetOwnTeam(league, 3)) << "the name is compared exactly";
}

TEST(TeamsPage, ListAndLeagueOnlyValues) {
    League league = Clubs();
    const auto items = TeamsPageItems(league);
    std::vector<std::string> names;
    for (const auto& item : items)
        names.push_back(item.Name);
    EXPECT_EQ(names, (std::vector<std::string>{"Albion", "Athletic", "City", "Everton", "Rovers"}));
    EXPECT_EQ(items[1].Picture, TeamPicture::Cup);
    EXPECT_FALSE(TeamPageValues(league, 5).Enabled);

    struct Case {
        int Team, Adjust, Increment;
        bool Ok;
    } cases[] = {{1, -20, 0, true}, {1, 20, 32, true}, {1, -21, 0, false},
                 {1, 0, 33, false}, {5, 1, 1, false},  {0, 1, 1, false}};
    for (const Case& c : cases) {
        League l = Clubs();
        const bool ok = SetPointsAdjust(l, c.Team, c.Adjust) && SetIncrement(l, c.Team, c.Increment);
        EXPECT_EQ(ok, c.Ok) << c.Team << " " << c.Adjust << " " << c.Increment;
        if (c.Ok) {
            EXPECT_EQ(TeamPageValues(l, c.Team).PointsAdjust, c.Adjust);
        }
    }

    ASSERT_TRUE(RenameTeam(league, 5, "Rovers")) << "another team's name is accepted";
    EXPECT_EQ(*FindTeam(league, "Rovers"), 1);
    EXPECT_FALSE(RenameTeam(league, 1, ""));
    EXPECT_EQ(FindTeam(league, "Transferred-Out").error().Message, "There is no team called Transferred-Out");
}

League WithReferees() {
    LeagueBuilder b;
    b.Teams({"A", "B", "C", "D"});
    for (const char* name : {"First", "Second", "Third"})
        b.Referee(name);
    const int refs[] = {2, 3, 1, 2, 3};
    const bool played[] = {true, false, true, false, true};
    for (int i = 0; i < 5; ++i) {
        const int g = played[i] ? b.Played(1, 2, 0, 0, 45000 + i) : b.Fixture(3, 4, 45000 + i);
        b.Get().Games[static_cast<std::size_t>(g)].Referee = static_cast<u8>(refs[i]);
    }
    return b.Build();
}

TEST(RefereesPage, DeletingRenumbersPlayedAndUnplayedGames) {
    League league = WithReferees();
    const int second = *FindReferee(league, "Second");
    EXPECT_EQ(DeleteRefereeQuestion(league, second), "Are you sure you want to delete referee Second");
    ASSERT_TRUE(DeleteReferee(league, second));
    EXPECT_EQ(league.Head.RefereeCount, 2);
    EXPECT_EQ(league.Referees[2].Name.str(), "Third");
    EXPECT_TRUE(league.Referees[3].Name.empty());
    // Game 4 is a result deleted after its referee was entered: it keeps no stale link either.
    const int expected[] = {0, 0, 2, 1, 0, 2};
    for (int g = 1; g <= 5; ++g)
        EXPECT_EQ(+league.Games[static_cast<std::size_t>(g)].Referee, expected[g]) << g;
    EXPECT_FALSE(DeleteReferee(league, 3));
}

TEST(MaintenancePages, SetUpClearsPendingSortRuleEdits) {
    League league = Clubs();
    league.SortRulesChanged = true;
    EXPECT_EQ(SetUpMaintenancePage(league, MaintenancePage::Referees), 960);
    EXPECT_FALSE(league.SortRulesChanged);
    EXPECT_EQ(SetUpMaintenancePage(league, MaintenancePage::Table), 900);
}

} // namespace
} // namespace gorlin
