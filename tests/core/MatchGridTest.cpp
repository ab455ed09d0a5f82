#include "core/engine/MatchGrid.h"

#include "core/model/Dates.h"
#include "support/LeagueBuilder.h"

#include <gtest/gtest.h>

namespace gorlin {
namespace {

using test::LeagueBuilder;

/// Three teams meeting `meetings` times, each pairing once a meeting with home and away swapped
/// every other meeting; the home side scores the meeting's number.
League Meetings(int meetings) {
    LeagueBuilder b;
    b.Teams({"Rovers", "Albion", "City"});
    for (int m = 1; m <= meetings; ++m)
        for (int h = 1; h <= 3; ++h)
            for (int a = h + 1; a <= 3; ++a)
                if (m % 2)
                    b.Played(h, a, m, 0, 40000 + m);
                else
                    b.Played(a, h, m, 0, 40000 + m);
    return b.Build();
}

TEST(MatchGrid, SetsOfOneDoubleRoundEach) {
    const struct {
        int Meetings, Sets;
        bool Chooser;
    } cases[] = {{1, 1, false}, {2, 1, false}, {3, 2, false}, {4, 2, false}, {6, 3, true}, {8, 4, true}};
    for (const auto& c : cases) {
        const League league = Meetings(c.Meetings);
        const auto grid = BuildMatchGrid(league, 1);
        ASSERT_TRUE(grid.ok());
        EXPECT_EQ(grid->SetCount, c.Sets) << c.Meetings << " meetings";
        EXPECT_EQ(grid->SecondSetEnabled, c.Sets > 1);
        EXPECT_EQ(grid->SetChooser, c.Chooser);
        EXPECT_FALSE(BuildMatchGrid(league, c.Sets + 1).ok());
        EXPECT_FALSE(BuildMatchGrid(league, 0).ok());
    }
}

TEST(MatchGrid, EveryGameShownOnceAcrossTheSets) {
    const struct {
        int Meetings, Set;
        const char* Rovers_Albion;
        const char* Albion_Rovers;
        const char* Albion_City;
    } cases[] = {
        {4, 1, "1-0", "2-0", "1-0"},
        {4, 2, "3-0", "4-0", "3-0"},
        {3, 1, "1-0", "2-0", "1-0"},
        {3, 2, "3-0", "", "3-0"}, // the last game is in the second set
    };
    for (const auto& c : cases) {
        const auto grid = BuildMatchGrid(Meetings(c.Meetings), c.Set);
        ASSERT_TRUE(grid.ok());
        EXPECT_EQ(grid->Cell(1, 2).Text, c.Rovers_Albion) << c.Meetings << " meetings, set " << c.Set;
        EXPECT_EQ(grid->Cell(2, 1).Text, c.Albion_Rovers) << c.Meetings << " meetings, set " << c.Set;
        EXPECT_EQ(grid->Cell(2, 3).Text, c.Albion_City) << c.Meetings << " meetings, set " << c.Set;
    }
}

TEST(MatchGrid, FixtureCellsAndLayout) {
    LeagueBuilder b;
    std::vector<std::string> names;
    for (int t = 1; t <= 32; ++t)
        names.push_back("Team " + std::to_string(t));
    names[0] = "Wolverhampton Wanderers"; // longer than the heading band at 1024 x 768
    b.Teams(names);
    b.Played(1, 2, 2, 1, 40000);
    b.Fixture(2, 1, ToDayNumber(2018, 6, 14));
    b.Fixture(1, 3, 0);
    const auto grid = BuildMatchGrid(b.Build(), 1);
    ASSERT_TRUE(grid.ok());
    EXPECT_EQ(grid->Cell(1, 2).Text, "2-1");
    EXPECT_EQ(grid->Cell(2, 1).Text, "14/6");
    EXPECT_TRUE(grid->Cell(2, 1).Fixture);
    EXPECT_EQ(grid->Cell(1, 3).Text, " - ");
    EXPECT_FALSE(grid->Cell(1, 3).Fixture);
    EXPECT_EQ(grid->Cell(3, 1).Text, "");
    EXPECT_EQ(grid->Cell(33, 1).Text, "");

    const PlainTextMeasure measure;
    for (const auto& [w, h] : {std::pair{1024, 768}, std::pair{800, 600}, std::pair{640, 200}}) {
        const MatchGridLayout l = LayoutMatchGrid(*grid, w, h, measure);
        EXPECT_LE(l.GridLeft + 32 * l.CellWidth, w - 20) << w << "x" << h;
        EXPECT_LE(l.GridTop + 32 * l.CellHeight, h) << w << "x" << h;
        EXPECT_GE(l.GridTop, h / 8) << w << "x" << h;
    }
    int rotated = 0;
    for (const Shape& s : DrawMatchGrid(*grid, 1024, false, 768, measure))
        if (s.Angle == 270) { // set against the grid, but a long name shows its start
            ++rotated;
            EXPECT_EQ(s.Align, s.Text == names[0] ? TextAlign::Left : TextAlign::Right) << s.Text;
        }
    EXPECT_EQ(rotated, 32);
}

} // namespace
} // namespace gorlin
