#include "core/engine/TeamStatsGrids.h"

#include "core/engine/GameFilter.h"
#include "core/engine/TeamStats.h"
#include "core/model/Dates.h"
#include "support/LeagueBuilder.h"

#include <gtest/gtest.h>

using namespace gorlin;
using gorlin::test::LeagueBuilder;

namespace {

using Texts = std::vector<std::string>;
using Ids = std::vector<int>;

Locale TestLocale(int today = 46000) {
    Locale l;
    l.Today = today;
    return l;
}

LeagueBuilder Base() {
    LeagueBuilder b;
    b.Teams({"Rovers", "Albion", "City"}).OtherTeams({"Athletic"}).Comp("FA Cup", "FAC");
    b.Get().Head.GameType = kLeagueAndCup;
    return b;
}

template <typename Row> Ids GamesOf(const std::vector<Row>& rows) {
    Ids ids;
    for (const Row& r : rows)
        ids.push_back(r.Game);
    return ids;
}

Ids PlayersOf(const std::vector<TeamPlayerRow>& rows) {
    Ids ids;
    for (const TeamPlayerRow& r : rows)
        ids.push_back(r.Stat.Player);
    return ids;
}

} // namespace

TEST(TeamStatsGrids, HeaderClickRule) {
    GridSort s; // Date, first order
    const struct {
        int Column;
        GridSort After;
    } clicks[] = {{kResDate, {kResDate, true}},
                  {kResDate, {kResDate, false}},
                  {kResFor, {kResFor, false}},
                  {kResFor, {kResFor, true}},
                  {kResAgainst, {kResAgainst, false}}};
    for (const auto& c : clicks) {
        s = ClickHeading(s, c.Column);
        EXPECT_EQ(s, c.After) << c.Column;
    }
}

TEST(TeamStatsGrids, ResultsOrdersAndTies) {
    LeagueBuilder b = Base();
    const auto crowd = [&b](int g, u32 n) { b.Get().Games[static_cast<std::size_t>(g)].Attendance = n; };
    crowd(b.Played(1, 2, 2, 0, 100), 500);
    crowd(b.Played(3, 1, 1, 1, 103), 900);
    crowd(b.Played(1, 3, 0, 1, 102), 500);
    crowd(b.Played(2, 1, 2, 3, 101), 1234);
    crowd(b.CupGame(1, 4, 2, 1, 102), 300);
    b.Get().Head.OwnTeam = 3;
    const TeamStatsData d = TeamStats(b.Build(), 1, Settings{}, TestLocale());
    ASSERT_EQ(GamesOf(d.Results), (Ids{2, 3, 5, 4, 1})); // most recent first, equal dates by index

    const struct {
        GridSort Sort;
        Ids Games;
    } cases[] = {
        {{kResComp, false}, {2, 3, 4, 1, 5}},      {{kResComp, true}, {2, 3, 4, 1, 5}},
        {{kResDate, true}, {1, 4, 3, 5, 2}},       {{kResAttend, false}, {5, 3, 1, 2, 4}},
        {{kResAttend, true}, {4, 2, 3, 1, 5}},     {{kResHomeAway, false}, {3, 5, 1, 2, 4}},
        {{kResHomeAway, true}, {2, 4, 3, 5, 1}},   {{kResOpposition, false}, {1, 4, 5, 3, 2}},
        {{kResOpposition, true}, {1, 4, 5, 3, 2}}, {{kResFor, false}, {4, 1, 5, 2, 3}},
        {{kResFor, true}, {3, 2, 1, 5, 4}},        {{kResAgainst, false}, {4, 3, 5, 2, 1}},
    };
    for (const auto& c : cases) {
        std::vector<TeamResultRow> rows = d.Results;
        SortResults(rows, c.Sort);
        EXPECT_EQ(GamesOf(rows), c.Games) << c.Sort.Column << (c.Sort.Second ? " second" : " first");
    }

    const TeamResultRow& away = d.Results[3];
    EXPECT_EQ(away.Cells,
              (Texts{"LGE", FormatShortDate(101, TestLocale()), "1,234", "A", "Albion", "3", "2"}));
    EXPECT_EQ(d.Results[2].Cells[0], "FAC");
    EXPECT_TRUE(d.Results[0].OwnTeamOpponent);
    EXPECT_FALSE(away.OwnTeamOpponent);
}

TEST(TeamStatsGrids, FixturesOrdersWithAnUndatedFixture) {
    LeagueBuilder b = Base();
    b.Fixture(1, 3, 0, false, 1, 0);
    b.Fixture(2, 1, 200, false, 2, 0);
    b.Fixture(1, 2, 200, false, 0, 1);
    const int cup = b.CupGame(1, 4, 3, 0, 150);
    b.Get().Games[static_cast<std::size_t>(cup)].Played = 0;
    const TeamStatsData d = TeamStats(b.Build(), 1, Settings{}, TestLocale());
    ASSERT_EQ(GamesOf(d.FixtureRows), (Ids{1, 4, 3, 2})); // earliest first; equal dates: name, then home
    EXPECT_EQ(d.FixtureRows[0].Cells, (Texts{"LGE", "", "H", "City", "1", "0"}));
    EXPECT_EQ(d.FixtureRows[3].Cells[4], "0");
    EXPECT_EQ(d.FixtureRows[3].Cells[5], "2");

    const struct {
        GridSort Sort;
        Ids Games;
    } cases[] = {
        {{kTeamFixDate, true}, {3, 2, 4, 1}},        {{kTeamFixComp, false}, {1, 3, 2, 4}},
        {{kTeamFixComp, true}, {4, 1, 3, 2}},        {{kTeamFixHomeAway, true}, {2, 1, 4, 3}},
        {{kTeamFixFor, false}, {4, 1, 3, 2}},        {{kTeamFixAgainst, true}, {1, 4, 3, 2}},
        {{kTeamFixOpposition, false}, {3, 2, 4, 1}},
    };
    for (const auto& c : cases) {
        std::vector<TeamFixtureRow> rows = d.FixtureRows;
        SortFixtures(rows, c.Sort);
        EXPECT_EQ(GamesOf(rows), c.Games) << c.Sort.Column << (c.Sort.Second ? " second" : " first");
    }
}

TEST(TeamStatsGrids, PlayerCellsAndOrders) {
    LeagueBuilder b = Base();
    const auto player = [&b](const char* name, int squadNo, int position, int born, int foreign, u32 cost) {
        PlayerRec p{};
        p.Name = name;
        p.Team = 1;
        p.SquadNo = static_cast<u8>(squadNo);
        p.Position = static_cast<u8>(position);
        p.BirthDate = static_cast<u16>(born);
        p.Foreign = static_cast<u8>(foreign);
        p.Cost = cost;
        return b.Player(p);
    };
    const int born = ToDayNumber(1990, 6, 15);
    player("adams", 5, 2, born, 2, 1500000);
    player("Baker", 0, 0, 0, 0, 0);
    player("Cole", 9, 2, born + 700, 1, 0);
    player("Ade", 1, 1, born + 300, 0, 0);
    Settings settings;
    settings.PlayerCols = "ABCJKLM";
    const League l = b.Build();
    const TeamStatsData d = TeamStats(l, 1, settings, TestLocale(ToDayNumber(2020, 6, 14)));
    EXPECT_EQ(PlayersOf(d.Players), (Ids{1, 4, 2, 3})); // by name, whatever the case
    EXPECT_EQ(d.Players[0].Cells,
              (Texts{"5", "adams", "Defender", FormatShortDate(born, TestLocale()), "29", "1,500,000", "Y"}));
    EXPECT_EQ(d.Players[2].Cells, (Texts{"", "Baker", "", "", "", "", ""}));
    EXPECT_EQ(PlayerCell(d.Players[0], 'K', settings, TestLocale(ToDayNumber(2020, 6, 15))), "30");

    const struct {
        char Letter;
        Ids Players;
    } cases[] = {{'A', {2, 4, 1, 3}}, {'C', {4, 1, 3, 2}}, {'J', {3, 4, 1, 2}},
                 {'M', {3, 1, 4, 2}}, {'L', {1, 4, 2, 3}}, {'Z', {1, 4, 2, 3}}};
    for (const auto& c : cases) {
        std::vector<TeamPlayerRow> rows = d.Players;
        SortPlayers(rows, c.Letter);
        EXPECT_EQ(PlayersOf(rows), c.Players) << c.Letter;
    }

    settings.PlayerCols = "ACD";
    EXPECT_EQ(PlayersOf(TeamStats(l, 1, settings, TestLocale()).Players), (Ids{2, 4, 1, 3})); // by number
}

TEST(TeamStatsGrids, PlayerColumnsSetting) {
    const struct {
        const char *Setting, *Shown;
    } cases[] = {{"ABCDEFGHI", "ABCDEFGHI"}, {"nmA", "NMA"},      {"AAB", "AB"}, {"A-Z B", "AB"},
                 {"", "ABCDEFGHI"},          {"xyz", "ABCDEFGHI"}};
    for (const auto& c : cases)
        EXPECT_EQ(PlayerColumns(c.Setting), c.Shown) << c.Setting;
    EXPECT_EQ(PlayerHeadings("AGN"), (Texts{"SN", "O.Gs", "Rating"}));
}

TEST(TeamStatsGrids, ColumnChooserRules) {
    PlayerColumnChooser c("ABC");
    EXPECT_EQ(c.Available(), "DEFGHIJKLMN");
    EXPECT_FALSE(c.CanAdd(11) || c.CanRemove(3) || c.CanUp(0) || c.CanDown(2));
    EXPECT_TRUE(c.Remove(0));
    EXPECT_FALSE(c.CanOk()); // two columns
    EXPECT_EQ(c.Add(0), 2);  // "A" is back in letter order and goes last
    EXPECT_EQ(c.Up(2), 1);
    EXPECT_EQ(c.Down(0), 1);
    EXPECT_EQ(c.Displayed(), "ABC");
    EXPECT_TRUE(c.CanOk());
    c.Default();
    EXPECT_EQ(c.Displayed(), "ABCDEFGHI");
}
