#include "core/app/Settings.h"
#include "core/io/GridExport.h"
#include "core/io/ListGrids.h"
#include "core/io/QueryExport.h"
#include "core/model/Dates.h"
#include "core/query/QueryRun.h"
#include "core/query/SavedQueries.h"
#include "support/EngineCli.h"
#include "support/LeagueBuilder.h"
#include "support/SeasonCsv.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>
#include <set>

namespace gorlin {
namespace {

using test::Lines;

std::vector<std::string> Text(const LineSink& sink) {
    std::string text = sink.Text();
    std::erase(text, '\r');
    return Lines(text);
}

/// Two players, one with a name HTML must escape and the cost 1234567.
League Costly() {
    test::LeagueBuilder b;
    b.Teams({"Rovers", "Albion"});
    b.Player(PlayerRec{
        .Name = {}, .Team = 1, .Position = 0, .SquadNo = 9, .BirthDate = 0, .Foreign = 0, .Cost = 1234567});
    b.Player("Al", 2);
    League league = b.Build();
    league.Players[1].Name = "Bob <Big> & Co";
    return league;
}

QueryResult RunDesign(const League& league, const std::string& design, int tab) {
    const QueryRows rows = BuildData(league, ToDayNumber(2020, 6, 1));
    const QueryFormat format;
    Expected<QueryResult> result = RunQuery(DecodeQuery(design, tab), {league, rows, format});
    EXPECT_TRUE(result);
    return result ? *result : QueryResult{};
}

TEST(QueryExport, WidthsFromTheRunAndNumericByField) {
    const League league = Costly();
    // Player, Cost and Squad No. under the title "N".
    const QueryResult result = RunDesign(league, "300,N,Y,,,,323,N,Y,,,,303,N,Y,,,\"N\",", kTabPlayers);
    ASSERT_EQ(result.Cells.size(), 2u);
    ASSERT_EQ(result.Widths, (std::vector<int>{14, 9, 1}));

    const auto write = [&](ExportFormat format) {
        LineSink sink;
        WriteQueryExport(result, format, "<TABLE BORDER>", sink);
        return Text(sink);
    };
    EXPECT_EQ(write(ExportFormat::Fixed),
              (std::vector<std::string>{"Player               Cost  N", "Bob <Big> & Co  1,234,567  9",
                                        "Al                      0  0"}));
    EXPECT_EQ(write(ExportFormat::Csv),
              (std::vector<std::string>{"Player,Cost,N", "\"Bob <Big> & Co\",\"1,234,567\",9", "Al,0,0"}));
    const std::vector<std::string> html = write(ExportFormat::Html);
    ASSERT_EQ(html.size(), 17u);
    EXPECT_EQ(html[0], "<TABLE BORDER>");
    EXPECT_EQ(html[3], "   <TH>Cost</TH>");
    EXPECT_EQ(html[7], "   <TD>Bob &lt;Big&gt; &amp; Co</TD>");
    EXPECT_EQ(html[8], "   <TD ALIGN=RIGHT>1,234,567</TD>");
    EXPECT_EQ(html[16], "</TABLE>");
}

TEST(QueryExport, PaddingStopsAt47AndProgressReachesTheEnd) {
    QueryResult result;
    result.Headings = {"Comment", "Goals"};
    result.Numeric = {false, true};
    result.Widths = {60, 5};
    result.Cells = {{"short", "7"}, {"", ""}};
    std::vector<std::size_t> steps;
    LineSink sink;
    WriteQueryExport(result, ExportFormat::Fixed, "", sink, [&steps](std::size_t done, std::size_t total) {
        EXPECT_EQ(total, 3u);
        steps.push_back(done);
    });
    EXPECT_EQ(steps, (std::vector<std::size_t>{1, 2, 3}));
    const auto lines = Text(sink);
    EXPECT_EQ(lines[1], "short" + std::string(47, ' ') + "  " + "    7");
    EXPECT_EQ(lines[2], std::string(47, ' ') + "  " + std::string(5, ' '));
}

TEST(GridExport, CostAndEscapesInAListGrid) {
    League league = Costly();
    Settings settings;
    settings.PlayerCols = "BL"; // name and cost
    const Expected<ListGrid> grid = BuildListGrid(league, "team-players", {1, 0}, settings, Locale{});
    ASSERT_TRUE(grid) << grid.error().Message;
    ASSERT_EQ(grid->Rows.size(), 2u);
    const std::string cost = grid->Rows[1].back();
    EXPECT_EQ(cost, "1,234,567");
    EXPECT_TRUE(IsNumericCell(cost));

    const auto write = [&](ExportFormat format) {
        LineSink sink;
        WriteGridExport(grid->Rows, grid->HeadingRows, format, "<TABLE BORDER>", sink);
        return Text(sink);
    };
    EXPECT_EQ(write(ExportFormat::Csv)[1], "\"Bob <Big> & Co\",\"1,234,567\"");
    EXPECT_EQ(write(ExportFormat::Fixed)[1].substr(write(ExportFormat::Fixed)[1].size() - 9), "1,234,567");
}

TEST(ListGrids, ASeasonListsEveryGameOnceAndRefusesWhatIsMissing) {
    const League league =
        test::BuildSeasonLeague(test::DataDir() / "eng1_2018-19_results.csv", "Premier League 2018-19");
    const Settings settings;
    Locale locale;
    locale.Today = ToDayNumber(2019, 6, 1);

    const Expected<ListGrid> results = BuildListGrid(league, "results", {}, settings, locale);
    ASSERT_TRUE(results);
    EXPECT_EQ(results->Title, "Results");
    ASSERT_EQ(results->Rows.size(), 381u);
    EXPECT_EQ(results->RightAligned, (std::vector<bool>{false, false, true, false, false, true, true}));
    std::set<std::pair<std::string, std::string>> pairings;
    for (std::size_t r = 1; r < results->Rows.size(); ++r)
        pairings.emplace(results->Rows[r][3], results->Rows[r][4]);
    EXPECT_EQ(pairings.size(), 380u);

    // Every other list builds from the season.
    for (const ListGridInfo& info : ListGridCatalogue()) {
        const ListGridSubject subject{info.Needs == ListSubject::Team ? 2 : 0, 0};
        if (info.Needs != ListSubject::Player) {
            EXPECT_TRUE(BuildListGrid(league, info.Name, subject, settings, locale)) << info.Name;
        }
    }

    const struct {
        const char* Name;
        ListGridSubject Subject;
        const char* Message;
    } refusals[] = {
        {"tables", {}, "no list called tables"},
        {"team-fixtures", {}, "the list team-fixtures needs a team"},
        {"results", {21, 0}, "no team 21"},
        {"player-matches", {}, "the list player-matches needs a player"},
    };
    for (const auto& r : refusals) {
        const Expected<ListGrid> refused = BuildListGrid(league, r.Name, r.Subject, settings, locale);
        ASSERT_FALSE(refused) << r.Name;
        EXPECT_EQ(refused.error().Message, r.Message);
    }
}

} // namespace
} // namespace gorlin
