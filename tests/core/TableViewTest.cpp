#include "core/engine/TableView.h"

#include "core/model/Dates.h"
#include "support/LeagueBuilder.h"

#include <gtest/gtest.h>

using namespace gorlin;
using gorlin::test::LeagueBuilder;

namespace {

/// A league whose points come from adjustments only; no games are listed, so every team still
/// has TeamCount - 1 games to play.
League Adjusted(const std::vector<int>& points, int promoted, int relegated) {
    LeagueBuilder b;
    std::vector<std::string> names;
    for (std::size_t i = 0; i < points.size(); ++i)
        names.push_back("Team " + std::to_string(i + 1));
    b.Teams(names).Places(promoted, 0, relegated);
    for (std::size_t i = 0; i < points.size(); ++i)
        b.Get().Teams[i + 1].PointsAdjust = static_cast<i16>(points[i]);
    return b.Build();
}

TableViewArgs Args(const std::string& letters = "ABU") {
    TableViewArgs a;
    a.ColumnLetters = letters;
    a.FromDate = 0;
    a.ToDate = 100000;
    return a;
}

std::vector<std::string> Column(const TableViewData& v, std::size_t c) {
    std::vector<std::string> out;
    for (const TableRow& r : v.Rows)
        out.push_back(r.Cells.at(c));
    return out;
}

using Texts = std::vector<std::string>;

} // namespace

TEST(TableHeadings, CatalogueLettersOnlyAndPossiblePointsLast) {
    EXPECT_EQ(TableHeadings("ABCDEFGHIJKLMNOPQRSTUV", true),
              (Texts{"Pos", "Team", "P", "W", "D", "L", "F",  "A",  "W",   "D",   "L", "F",
                     "A",   "W",    "D", "L", "F", "A", "GD", "GS", "Pts", "Chg", "PP"}));
    EXPECT_EQ(ShownColumns("AbxZ1V w"), "ABV");
    EXPECT_EQ(TableHeadings("AXB", false), (Texts{"Pos", "Team"}));
}

TEST(ZoneOf, BackgroundRuleOrder) {
    DivHead h{};
    h.TeamCount = 20;
    h.Promoted = 2;
    h.PlayOffs = 2;
    h.Relegated = 3;
    h.RelPlayOffs = 1;
    std::vector<RowZone> zones;
    for (int p = 1; p <= 20; ++p)
        zones.push_back(ZoneOf(h, p));
    std::vector<RowZone> expected(20, RowZone::Default);
    expected[0] = expected[1] = RowZone::Promoted;
    expected[2] = expected[3] = expected[16] = RowZone::PlayOff;
    expected[17] = expected[18] = expected[19] = RowZone::Relegated;
    EXPECT_EQ(zones, expected);
}

TEST(TableView, EveryCellOfTheCatalogue) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta"});
    b.Played(1, 2, 3, 1, 100);
    b.Played(2, 1, 2, 2, 101);
    b.Get().Head.OwnTeam = 2;
    const TableViewData v = DrawTable(b.Build(), Args("ABCDEFGHIJKLMNOPQRSTU"));
    ASSERT_EQ(v.Rows.size(), 2u);
    EXPECT_EQ(v.Rows[0].Cells, (Texts{"1", "Alpha", "2", "1", "0", "0", "3", "1", "0", "1", "0",
                                      "2", "2",     "1", "1", "0", "5", "3", "2", "5", "4"}));
    EXPECT_EQ(v.Rows[1].Cells, (Texts{"2", "Beta", "2", "0", "1", "0", "2", "2",  "0", "0", "1",
                                      "1", "3",    "0", "1", "1", "3", "5", "-2", "3", "1"}));
    EXPECT_FALSE(v.Rows[0].OwnTeam);
    EXPECT_TRUE(v.Rows[1].OwnTeam);
}

TEST(TableView, PossiblePointsColumnComesLast) {
    const League l = Adjusted({6, 2, 0}, 0, 0);
    TableViewArgs a = Args("AU");
    a.ShowPossPoints = true;
    const TableViewData v = DrawTable(l, a);
    EXPECT_EQ(v.Headings, (Texts{"Pos", "Pts", "PP"}));
    EXPECT_EQ(v.Rows[0].Cells, (Texts{"1", "6", "12"})); // 2 games left at 3 points
}

TEST(TableViewStatus, PromotionAndRelegationMarksClearTheSafeOnes) {
    // Only the two leaders can still reach the leader's points; the last cannot reach the
    // lowest safe place. Every place is decided, so the "S" of the third becomes its position.
    const TableViewData v = DrawTable(Adjusted({20, 15, 5, -10}, 2, 1), Args());
    EXPECT_EQ(Column(v, 0), (Texts{"U", "U", "3", "D"}));
    EXPECT_EQ(v.MarksGiven, 3);
}

TEST(TableViewStatus, UndecidedPlacesLeaveSafeMarks) {
    const TableViewData v = DrawTable(Adjusted({30, 25, 10, 5, -20}, 1, 1), Args());
    // The leader can still be caught by the second; third and fourth are certainly between.
    EXPECT_EQ(Column(v, 0), (Texts{"1", "2", "S", "S", "D"}));
    EXPECT_EQ(v.MarksGiven, 1);

    const TableViewData partly = DrawTable(Adjusted({20, 15, 5, 0}, 2, 1), Args());
    EXPECT_EQ(Column(partly, 0), (Texts{"U", "U", "3", "4"}));
}

TEST(TableViewStatus, NoGamesLeftIsRelegatedEvenWhenLevel) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta", "Gamma", "Delta"}).Places(0, 0, 1).Rules("14");
    b.Played(4, 1, 0, 0, 100);
    b.Played(4, 2, 0, 0, 101);
    b.Played(4, 3, 0, 0, 102);
    b.Get().Teams[1].PointsAdjust = 10;
    b.Get().Teams[2].PointsAdjust = 10;
    b.Get().Teams[3].PointsAdjust = 2; // Gamma 3 points, level with Delta
    const TableViewData v = DrawTable(b.Build(), Args());
    EXPECT_EQ(Column(v, 1), (Texts{"Alpha", "Beta", "Gamma", "Delta"}));
    EXPECT_EQ(Column(v, 2), (Texts{"11", "11", "3", "3"}));
    EXPECT_EQ(Column(v, 0), (Texts{"1", "2", "3", "D"}));
}

TEST(TableViewStatus, PlainPositionsUnlessPlayedTableOfBothSidesWithStatusOn) {
    const League l = Adjusted({30, 25, 10, 5, -20}, 1, 1);
    const Texts plain = {"1", "2", "3", "4", "5"};
    TableViewArgs home = Args();
    home.Side = kHomeOnly;
    EXPECT_EQ(Column(DrawTable(l, home), 0), plain);
    TableViewArgs form = Args();
    form.Content = kCurrentForm;
    EXPECT_EQ(Column(DrawTable(l, form), 0).front(), "1");
    TableViewArgs off = Args();
    off.ShowStatus = false;
    const TableViewData v = DrawTable(l, off);
    EXPECT_EQ(Column(v, 0), plain);
    EXPECT_EQ(v.Rows[0].Zone, RowZone::Promoted); // zones stay
    EXPECT_EQ(v.Rows[4].Zone, RowZone::Relegated);
    TableViewArgs predicted = Args();
    predicted.Content = kPlayedPredicted;
    EXPECT_EQ(Column(DrawTable(l, predicted), 0), (Texts{"1", "2", "S", "S", "D"}));
}

TEST(TableViewStatus, MarksGoToColumnAWhereverItStands) {
    const TableViewData v = DrawTable(Adjusted({20, 15, 5, -10}, 2, 1), Args("BUA"));
    EXPECT_EQ(Column(v, 2), (Texts{"U", "U", "3", "D"}));
    const TableViewData none = DrawTable(Adjusted({20, 15, 5, -10}, 2, 1), Args("BU"));
    EXPECT_EQ(none.MarksGiven, 3);
    EXPECT_EQ(none.Rows[0].Cells.size(), 2u);
}

TEST(TableViewChange, PositionsSevenDaysBeforeTheEnd) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta", "Gamma", "Delta", "Epsilon"}).Rules("124");
    const int adjust[] = {10, 8, 5, 4, 3};
    for (int t = 1; t <= 5; ++t)
        b.Get().Teams[static_cast<std::size_t>(t)].PointsAdjust = static_cast<i16>(adjust[t - 1]);
    b.Played(5, 3, 1, 0, 110); // Epsilon 5th -> 3rd, Gamma 3rd -> 5th
    b.Played(4, 1, 0, 0, 110);
    TableViewArgs a = Args("ABV");
    a.FromDate = 100;
    a.ToDate = 110;
    const TableViewData v = DrawTable(b.Build(), a);
    EXPECT_EQ(Column(v, 1), (Texts{"Alpha", "Beta", "Epsilon", "Delta", "Gamma"}));
    EXPECT_EQ(Column(v, 2), (Texts{"0", "0", "+2", "0", "-2"}));
    EXPECT_EQ(v.Table.TeamTotals[5].PrevPos, 5);

    a.ToDate = 117; // the week before still holds the games
    EXPECT_EQ(Column(DrawTable(b.Build(), a), 2), (Texts{"0", "0", "0", "0", "0"}));
}

TEST(TableView, SelectionRowsTitleAndZones) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta", "Gamma", "Delta"}).Places(1, 0, 1);
    b.Played(1, 2, 0, 1, 100);
    b.Played(3, 2, 4, 0, 100);
    b.Selection(1, "North", {1, 2, 4});
    League l = b.Build();
    EXPECT_EQ(TableTitle(l), "Test League");
    l.CurrentSel = 1;
    EXPECT_EQ(TableTitle(l), "Test League (North)");
    const TableViewData v = DrawTable(l, Args("ABC"));
    EXPECT_EQ(Column(v, 1), (Texts{"Beta", "Delta", "Alpha"})); // Gamma's win over Beta is not counted
    // Zones follow the league's places, not the selection's.
    EXPECT_TRUE(v.Rows[0].Zone == RowZone::Promoted && v.Rows[2].Zone == RowZone::Default);
}

TEST(LatestResultHint, LatestPlayedGameOnTheAllowedSides) {
    LeagueBuilder b;
    b.Teams({"Alpha", "Beta", "Gamma"});
    const int may12 = ToDayNumber(2019, 5, 12);
    const int may5 = ToDayNumber(2019, 5, 5);
    b.Played(1, 2, 2, 1, may5);
    b.Played(2, 1, 0, 3, may12);
    b.Played(3, 1, 1, 1, may12); // same date, later in game order
    b.Fixture(1, 3, may12 + 7);
    const League l = b.Build();
    Locale loc;
    loc.ShortDateFormat = "dd/mm/yyyy";
    EXPECT_EQ(LatestResultHint(l, 1, kHomeAndAway, 0, 99999, loc), "12/05/2019 Beta 0 Alpha 3");
    EXPECT_EQ(LatestResultHint(l, 1, kHomeOnly, 0, 99999, loc), "05/05/2019 Alpha 2 Beta 1");
    EXPECT_EQ(LatestResultHint(l, 1, kHomeAndAway, 0, may12 - 1, loc), "05/05/2019 Alpha 2 Beta 1");
    EXPECT_EQ(LatestResultHint(l, 3, kHomeOnly, 0, may5, loc), "");
    EXPECT_EQ(LatestResultHint(l, 2, kAwayOnly, 0, 99999, loc), "05/05/2019 Alpha 2 Beta 1");
}
