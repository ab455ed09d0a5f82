#include "core/engine/PlayerStats.h"

#include "core/model/Dates.h"
#include "support/LeagueBuilder.h"

#include <gtest/gtest.h>

namespace gorlin {
namespace {

using test::LeagueBuilder;
using Texts = std::vector<std::string>;

const Locale kLocale{};

SquadEntry Entry(int player, int on, int off, int yellows = 0, bool red = false, int rating = 0) {
    SquadEntry e{};
    e.Player = static_cast<u16>(player);
    e.TimeOn = static_cast<u8>(on);
    e.TimeOff = static_cast<u8>(off);
    e.Yellow1 = yellows > 0;
    e.Yellow2 = yellows > 1;
    e.Red = red;
    e.Rating = static_cast<u8>(rating);
    return e;
}

struct Season {
    League Model;
    int Kane = 0, Other = 0, G1 = 0, G2 = 0, G3 = 0, G5 = 0;
};

/// Kane starts g1 (three goals), comes on in g2 (one away goal), sits on the bench in g3 (and
/// misses a penalty), scores in a cup game and an own goal in g5 without a squad.
Season MakeSeason() {
    LeagueBuilder b;
    b.Teams({"Rovers", "Albion"}).Comp("Cup", "CUP");
    Season s;
    s.Kane = b.Player("Kane", 1);
    s.Other = b.Player("Other", 1);
    s.G1 = b.Played(1, 2, 4, 0, 40001);
    s.G2 = b.Played(2, 1, 0, 1, 40008);
    s.G3 = b.Played(1, 2, 0, 0, 40015);
    s.G5 = b.Played(1, 2, 0, 1, 40022);
    const int cup = b.CupGame(1, 2, 1, 0, 40018); // after the league games, which move it otherwise
    b.Squad(s.G1, 1, {Entry(s.Kane, 0, 90, 1, false, 67)});
    b.Squad(s.G2, 1, {Entry(s.Other, 0, 60), Entry(s.Kane, 60, 90, 2, true, 68)});
    b.Squad(s.G3, 1, {Entry(s.Kane, 0, 0)});
    b.Goal(s.G1, 1, s.Kane, 45);
    b.Goal(s.G1, 1, s.Kane, 46, false, true);
    b.Goal(s.G1, 1, s.Other, 20);
    b.Goal(s.G1, 1, s.Kane, 0);
    b.Goal(s.G2, 1, s.Kane, 70);
    b.Goal(cup, 1, s.Kane, 10);
    b.Goal(s.G5, 2, s.Kane, 30, true);
    b.MissedPen(s.G3, s.Kane, 1, 55);
    s.Model = b.Build();
    return s;
}

TEST(PlayerStats, TotalsLabelsAndMatchRows) {
    const Season s = MakeSeason();
    const PlayerStatsData d = BuildData(s.Model, s.Kane, 0, kLocale);
    EXPECT_EQ(d.Caption, "Statistics for Kane (Rovers)");
    Texts bars;
    for (const LabelText& l : d.Bars)
        bars.push_back(l.Name + l.Text);
    EXPECT_EQ(bars, (Texts{"Total:4", "First half:1", "Second half:2", "Home:3", "Away:1", "Pens Scored:1",
                           "Pens Missed:1", "Hat Tricks:1", "Own Goals:1", "Most in Game:3"}));
    EXPECT_EQ(d.lbYellow, "3");
    EXPECT_EQ(d.lbRed, "1");
    EXPECT_EQ(d.labRatWorst, "6.7");
    EXPECT_EQ(d.labRatBest, "6.8");
    EXPECT_EQ(d.labRatAve, "6.80");

    ASSERT_EQ(d.Matches.size(), 4u);
    const std::string teams = "Rovers v Albion";
    EXPECT_EQ(d.Matches[0].Cells, (Texts{"LGE", FormatShortDate(40022, kLocale), teams, "0", "n/a"}));
    EXPECT_EQ(d.Matches[1].Cells, (Texts{"LGE", FormatShortDate(40015, kLocale), teams, "0", "Bench"}));
    EXPECT_EQ(d.Matches[2].Cells[4], "Sub");
    EXPECT_EQ(d.Matches[3].Cells[3], "3");
    const GameDetails& sub = d.Matches[2].Details;
    EXPECT_EQ((Texts{sub.TimeOn, sub.TimeOff, sub.YellowCards, sub.RedCard, sub.Penalties, sub.Rating}),
              (Texts{"60", "90", "2", "Yes", "0", "6.8"}));
    const GameDetails& none = d.Matches[0].Details;
    EXPECT_EQ((Texts{none.TimeOn, none.RedCard, none.Penalties, none.Rating}),
              (Texts{"n/a", "n/a", "0", "n/a"}));

    const PlayerStatsData all = BuildData(s.Model, s.Kane, 1, kLocale);
    EXPECT_EQ(all.Goals, 5);
    EXPECT_EQ(all.FirstHalf, 2);
    EXPECT_EQ(s.Model.Head.GameType, 0);
}

TEST(PlayerStats, WithoutSquadsCautionsAndRatingsReadNotAvailable) {
    const Season s = MakeSeason();
    const PlayerStatsData d = BuildData(s.Model, s.Other, 0, kLocale);
    EXPECT_EQ((Texts{d.lbYellow, d.lbRed}), (Texts{"0", "0"})); // in g2's squad, unrated
    EXPECT_EQ((Texts{d.labRatWorst, d.labRatBest, d.labRatAve}), (Texts{"n/a", "n/a", "n/a"}));

    LeagueBuilder b;
    b.Teams({"Rovers", "Albion"});
    const int p = b.Player("Solo", 2);
    b.Goal(b.Played(1, 2, 0, 1, 40000), 2, p, 12);
    const PlayerStatsData solo = BuildData(b.Build(), p, 0, kLocale);
    EXPECT_EQ((Texts{solo.lbYellow, solo.lbRed, solo.labRatAve}), (Texts{"n/a", "n/a", "n/a"}));
    ASSERT_EQ(solo.Matches.size(), 1u);
    EXPECT_EQ(solo.Matches[0].Cells[4], "n/a");
}

TEST(PlayerStats, HalvesByHalfLength) {
    const struct {
        int Half, Minute, First, Second;
    } cases[] = {{45, 45, 1, 0}, {45, 46, 0, 1}, {45, 0, 0, 0},
                 {44, 44, 1, 0}, {44, 45, 0, 1}, {10, 11, 0, 1}};
    for (const auto& c : cases) {
        LeagueBuilder b;
        b.Teams({"Rovers", "Albion"});
        b.Get().Head.HalfLength = static_cast<u8>(c.Half);
        const int p = b.Player("Kane", 1);
        b.Goal(b.Played(1, 2, 1, 0, 40000), 1, p, c.Minute);
        const PlayerStatsData d = BuildData(b.Build(), p, 0, kLocale);
        EXPECT_EQ(d.Goals, 1);
        EXPECT_EQ(d.FirstHalf, c.First) << "half " << c.Half << " minute " << c.Minute;
        EXPECT_EQ(d.SecondHalf, c.Second) << "half " << c.Half << " minute " << c.Minute;
    }
}

TEST(PlayerStats, MatchOrdersBreakTiesMostRecentFirst) {
    const Season s = MakeSeason();
    PlayerStatsData d = BuildData(s.Model, s.Kane, 0, kLocale);
    const struct {
        int Key;
        std::vector<int> Games;
    } steps[] = {{5, {s.G3, s.G2, s.G1, s.G5}},
                 {4, {s.G1, s.G2, s.G5, s.G3}},
                 {1, {s.G5, s.G3, s.G2, s.G1}},
                 {0, {s.G5, s.G3, s.G2, s.G1}}};
    for (const auto& step : steps) {
        SortPlayerMatches(d.Matches, step.Key);
        std::vector<int> games;
        for (const PlayerMatchRow& r : d.Matches)
            games.push_back(r.Game);
        EXPECT_EQ(games, step.Games) << "key " << step.Key;
    }
}

TEST(PlayerStats, RatingTexts) {
    const struct {
        int Total, Games;
        const char* Average;
    } averages[] = {{135, 2, "6.80"}, {67, 1, "6.70"},     {100, 1, "10.00"}, {199, 2, "10.00"},
                    {5, 1, "0.50"},   {1000, 10, "10.00"}, {71, 3, "2.40"}};
    for (const auto& a : averages)
        EXPECT_EQ(AverageRatingText(a.Total, a.Games, kLocale), a.Average) << a.Total << "/" << a.Games;
    EXPECT_EQ((Texts{RatingText(67), RatingText(70), RatingText(100), RatingText(5)}),
              (Texts{"6.7", "7", "10", "0.5"}));
}

TEST(PlayerStats, GoalTotalsBars) {
    const Season s = MakeSeason();
    const PlayerStatsData d = BuildData(s.Model, s.Kane, 0, kLocale);
    const PlainTextMeasure measure;
    std::vector<const Shape*> bars;
    const std::vector<Shape> shapes = DrawGoalTotals(d, 200, 100, measure);
    for (const Shape& shape : shapes)
        if (shape.Kind == ShapeKind::Rect)
            bars.push_back(&shape);
    ASSERT_EQ(bars.size(), 10u);
    const int unit = (200 - measure.Width(" 99", 8) - 4) / 4; // the total is the largest value
    EXPECT_EQ(bars[0]->X2, 4 * unit);
    EXPECT_EQ(bars[7]->X2, 3 * unit); // one hat-trick counts three goals
    EXPECT_EQ(bars[0]->Fill, kBlue);
    EXPECT_EQ(bars[1]->Fill, kRed);
    EXPECT_EQ(FindPlayer(s.Model, "Kane"), s.Kane);
    EXPECT_EQ(FindPlayer(s.Model, "Kane", 2), 0);
}

} // namespace
} // namespace gorlin
