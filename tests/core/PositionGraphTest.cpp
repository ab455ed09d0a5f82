#include "core/engine/PositionGraph.h"

#include "core/model/Dates.h"
#include "support/LeagueBuilder.h"

#include <gtest/gtest.h>

namespace gorlin {
namespace {

using test::LeagueBuilder;

const Locale kLocale{};
const PlainTextMeasure kMeasure;
constexpr int kToday = 50000;

/// Rovers start on -4 points: L, W, W, D leave them on -4, -1, 2, 3.
League FourTeams() {
    LeagueBuilder b;
    b.Teams({"Rovers", "Albion", "City", "United"});
    b.Get().Teams[1].PointsAdjust = -4;
    b.Played(1, 2, 0, 1, 40001);
    b.Played(3, 4, 2, 2, 40001);
    b.Played(1, 3, 2, 0, 40008);
    b.Played(4, 1, 0, 1, 40015);
    b.Played(1, 2, 1, 1, 40022);
    b.Played(2, 3, 3, 0, 40022);
    return b.Build();
}

GraphPaintArgs Box(int width, int height, bool printing = false, const std::string& title = "") {
    GraphPaintArgs a;
    a.Width = width;
    a.Height = height;
    a.Printing = printing;
    a.Title = title;
    return a;
}

std::vector<const Shape*> Bars(const GraphPicture& pic) {
    std::vector<const Shape*> bars;
    for (const Shape& s : pic.Shapes)
        if (s.Kind == ShapeKind::Rect && s.Y2 == pic.PlotBottom)
            bars.push_back(&s);
    return bars;
}

TEST(PositionGraph, TotalsAtZeroOrBelowDrawNoBarsButAdvance) {
    const GraphSeries g = BuildGraph(FourTeams(), 1, kPointsProgress, kToday, kRed, kLocale);
    ASSERT_EQ(g.Shown, 1);
    std::vector<int> totals, positions;
    for (const GraphGame& gg : g.Slots[1].Games) {
        totals.push_back(gg.Total);
        positions.push_back(gg.Position);
    }
    EXPECT_EQ(totals, (std::vector<int>{-4, -1, 2, 3}));
    EXPECT_EQ(positions, (std::vector<int>{4, 4, 2, 2}));
    EXPECT_LE(g.TablesComputed, 4); // one table per game at most

    const GraphPicture pic = PaintGraph(g, Box(420, 330), kMeasure);
    EXPECT_EQ(pic.Unit, 100);
    const auto bars = Bars(pic);
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_EQ(bars[0]->X1, pic.PlotLeft + 2 * pic.Unit);
    EXPECT_EQ(bars[0]->Fill, kBlue);
    EXPECT_EQ(bars[1]->X1, pic.PlotLeft + 3 * pic.Unit);
    EXPECT_EQ(bars[1]->Fill, kWhite); // a draw in the slot-4 colour
    EXPECT_EQ(PaintGraph(g, Box(420, 330, true, "Title"), kMeasure).Shapes.front().Text, "Title");
}

TEST(PositionGraph, HoverTextAndPointer) {
    const GraphSeries g = BuildGraph(FourTeams(), 1, kPointsProgress, kToday, kRed, kLocale);
    const GraphPicture pic = PaintGraph(g, Box(420, 330), kMeasure);
    const GraphGame* first = GraphGameAt(g, pic, pic.PlotLeft + 1, pic.PlotBottom - 1);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Hover, " " + FormatShortDate(40001, kLocale) + " Rovers 0 Albion 1 (-4pts - Bottom) ");
    const GraphGame* last = GraphGameAt(g, pic, pic.PlotLeft + 3 * pic.Unit + 5, pic.PlotTop);
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->Hover, " " + FormatShortDate(40022, kLocale) + " Rovers 1 Albion 1 (3pts - 2nd) ");
    EXPECT_EQ(GraphGameAt(g, pic, pic.PlotLeft - 1, pic.PlotTop), nullptr);
    EXPECT_EQ(GraphGameAt(g, pic, pic.PlotRight, pic.PlotTop), nullptr);
}

TEST(PositionGraph, SeasonWidthNeverBelowTheGamesPlayed) {
    // g = GameCount * 2 div TeamCount: 0 with one game of four teams, 3 with six games.
    LeagueBuilder b;
    b.Teams({"Rovers", "Albion", "City", "United"});
    b.Played(1, 2, 1, 0, 40001);
    const League one = b.Build();
    const GraphPicture onePic =
        PaintGraph(BuildGraph(one, 1, kPointsProgress, kToday, kRed, kLocale), Box(420, 330), kMeasure);
    EXPECT_EQ(onePic.Unit, 400);
    const GraphSeries g = BuildGraph(FourTeams(), 1, kPointsProgress, kToday, kRed, kLocale);
    EXPECT_EQ(g.SeasonGames, 3);
    const GraphPicture pic = PaintGraph(g, Box(420, 330), kMeasure);
    EXPECT_EQ(pic.PlotRight - pic.PlotLeft, 400);
}

TEST(PositionGraph, ComparisonSlotsAndOwnTeamColour) {
    League league = FourTeams(); // order: Albion, Rovers, United, City
    const struct {
        int Type, Team;
        std::array<int, 5> Slots;
    } cases[] = {
        {kTopComparison, 2, {0, 2, 1, 4, 0}},    {kTopComparison, 3, {0, 2, 1, 4, 3}},
        {kBottomComparison, 1, {0, 1, 4, 3, 0}}, {kBottomComparison, 2, {0, 1, 4, 3, 2}},
        {kPointsProgress, 3, {0, 3, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        const GraphSeries g = BuildGraph(league, c.Team, c.Type, kToday, kRed, kLocale);
        std::array<int, 5> slots{};
        for (std::size_t s = 1; s <= 4; ++s)
            slots[s] = g.Slots[s].Team;
        EXPECT_EQ(slots, c.Slots) << "type " << c.Type << " team " << c.Team;
        EXPECT_EQ(g.StyleEnabled, c.Type != kPointsProgress);
    }

    league.Head.OwnTeam = 2; // in slot 1 of the top three
    GraphSeries top = BuildGraph(league, 2, kTopComparison, kToday, kRed, kLocale);
    EXPECT_EQ(top.Slots[1].ScreenColour, kRed);
    EXPECT_EQ(top.Slots[3].ScreenColour, kBlue);
    EXPECT_EQ(ColourHex(top.Slots[1].ScreenColour) + ColourHex(top.Slots[2].ScreenColour), "#FF0000#FFFF00");
    top = BuildGraph(league, 2, kTopComparison, kToday, 0x00FF00, kLocale);
    EXPECT_EQ(SlotColours(top, false, true),
              (std::array<Colour, 5>{kBlack, 0x00FF00, kYellow, kRed, kWhite}));
    EXPECT_EQ(SlotColours(top, true, false)[4], kGreen);
    EXPECT_EQ(SlotColours(BuildGraph(league, 2, kPointsProgress, kToday, kRed, kLocale), false, true)[1],
              kBlue);
}

TEST(PositionGraph, PositionTexts) {
    const struct {
        int Position, Teams;
        const char* Text;
    } cases[] = {{1, 20, "Top"},   {20, 20, "Bottom"}, {2, 20, "2nd"},   {3, 20, "3rd"},   {4, 20, "4th"},
                 {11, 20, "11th"}, {12, 20, "12th"},   {13, 20, "13th"}, {21, 32, "21st"}, {22, 32, "22nd"},
                 {23, 32, "23rd"}, {31, 32, "31st"},   {1, 1, "Top"}};
    for (const auto& c : cases)
        EXPECT_EQ(PositionText(c.Position, c.Teams), c.Text);
}

} // namespace
} // namespace gorlin
