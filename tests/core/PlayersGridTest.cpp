#include "core/edit/PlayersGrid.h"

#include "support/LeagueBuilder.h"

#include <gtest/gtest.h>

namespace gorlin {
namespace {

using test::LeagueBuilder;

const PositionNames kPositions = {"Not Specified", "Goal Keeper", "Defender", "Midfield", "Forward"};

League Squad() {
    LeagueBuilder b;
    b.Teams({"Rovers", "Albion"});
    struct P {
        const char* Name;
        int Team, Position, SquadNo;
    } players[] = {
        {"carter", 1, 0, 9}, {"Adams", 1, 4, 0}, {"Baker", 2, 2, 5}, {"Dixon", 0, 2, 0}, {"Evans", 1, 4, 7}};
    for (const P& p : players) {
        PlayerRec rec{};
        rec.Name = p.Name;
        rec.Team = static_cast<u8>(p.Team);
        rec.Position = static_cast<u8>(p.Position);
        rec.SquadNo = static_cast<u8>(p.SquadNo);
        b.Player(rec);
    }
    const int g = b.Played(1, 2, 3, 2, 45000);
    b.Goal(g, 1, 5);
    b.Goal(g, 1, 5);
    b.Goal(g, 1, 1);
    b.Goal(g, 2, 4); // Dixon scored for Albion before he left
    b.Goal(g, 2, 1, 0, true);
    return b.Build();
}

std::vector<std::string> Names(const std::vector<PlayersPageRow>& rows) {
    std::vector<std::string> names;
    for (const PlayersPageRow& r : rows)
        names.push_back(r.Cells[1]);
    return names;
}

TEST(PlayersGrid, EachHeadingSortsByItsKeys) {
    const League league = Squad();
    struct Case {
        PlayerColumn Column;
        std::vector<std::string> Order;
    } cases[] = {
        {PlayerColumn::No, {"Adams", "Dixon", "Baker", "Evans", "carter"}},
        {PlayerColumn::Player, {"Adams", "Baker", "carter", "Dixon", "Evans"}},
        {PlayerColumn::Team, {"Baker", "Adams", "carter", "Evans", "Dixon"}},
        {PlayerColumn::Position, {"Baker", "Dixon", "Adams", "Evans", "carter"}},
        {PlayerColumn::Goals, {"Evans", "carter", "Dixon", "Adams", "Baker"}},
    };
    PlayersGrid grid;
    for (const Case& c : cases) {
        std::vector<PlayersPageRow> rows = grid.Fill(league, kAllPlayers, kPositions);
        grid.SortBy(c.Column, rows);
        EXPECT_EQ(Names(rows), c.Order) << kPlayerHeadings[static_cast<std::size_t>(c.Column)];
        EXPECT_EQ(Names(grid.Fill(league, kAllPlayers, kPositions)), c.Order) << "kept for the refill";
    }
}

TEST(PlayersGrid, CellsAndTheTransferredOutItem) {
    const League league = Squad();
    const auto items = TeamListItems(league, true);
    ASSERT_EQ(items[1].Text, "Transferred-Out");
    EXPECT_EQ(PlayersTeamOfItem(items, 0), kAllPlayers);
    const std::vector<PlayersPageRow> rows =
        PlayersGrid().Fill(league, PlayersTeamOfItem(items, 1), kPositions);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].Cells, (std::array<std::string, 5>{"", "Dixon", "Transferred-Out", "Defender", "1"}));
    const std::vector<PlayersPageRow> rovers = PlayersGrid().Fill(league, 1, kPositions);
    ASSERT_EQ(rovers.size(), 3u);
    EXPECT_EQ(rovers[1].Cells, (std::array<std::string, 5>{"9", "carter", "Rovers", "", "1"}))
        << "own goals are not counted, position 0 is blank";
    EXPECT_EQ(*FindPlayer(league, "Transferred-Out", "Dixon"), 4);
    EXPECT_EQ(FindPlayer(league, "Rovers", "Dixon").error().Message,
              "There is no player called Dixon in Rovers");
    EXPECT_FALSE(FindPlayer(league, "Wanderers", "Dixon"));
}

} // namespace
} // namespace gorlin
