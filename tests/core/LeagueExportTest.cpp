#include "core/io/LeagueExport.h"

#include "core/io/GridExport.h"
#include "core/model/Dates.h"
#include "support/EngineCli.h"
#include "support/LeagueBuilder.h"

#include <gtest/gtest.h>

namespace gorlin {
namespace {

using test::LeagueBuilder;
using test::Lines;

const int kDay = ToDayNumber(2018, 9, 8);

std::string Export(const League& league, ExportSection section, ExportFormat format, int team = 0) {
    LeagueExportOptions o;
    o.Format = format;
    o.Set(section, true);
    o.FromDate = kDay;
    o.ToDate = kDay + 400;
    o.Team = team;
    o.Positions[1] = "Goal Keeper";
    LineSink sink;
    WriteLeagueExport(league, TableViewData{}, o, Locale{}, sink);
    std::string text = sink.Text();
    std::erase(text, '\r');
    return text;
}

League TwoGames() {
    LeagueBuilder b;
    b.Teams({"Arsenal", "Man Utd"});
    const int first = b.Played(1, 2, 3, 12, kDay);
    const int second = b.Played(2, 1, 0, 0, kDay + 7);
    b.Fixture(1, 2, kDay + 14);
    League& league = b.Get();
    league.Games[first].Attendance = 60000;
    league.Games[first].Comment = "Late, winner";
    league.Games[first].Referee = static_cast<u8>(b.Referee("Mike Dean"));
    league.Games[second].Comment = "Derby";
    league.Games[second].Awarded = 2;
    b.Player(PlayerRec{
        .Name = {}, .Team = 1, .Position = 1, .SquadNo = 9, .BirthDate = 0, .Foreign = 2, .Cost = 1234567});
    league.Players[1].Name = "Bob Smith";
    return b.Build();
}

TEST(LeagueExport, ResultsInCsvAndFixedText) {
    const League league = TwoGames();
    EXPECT_EQ(
        Lines(Export(league, ExportSection::ShortResults, ExportFormat::Csv)),
        (std::vector<std::string>{
            "Date,Home-Team,Away-Team,For,Against,Attendance,Competition,Comp,Comments,Referee,Awarded",
            "08/09/2018,Arsenal,\"Man Utd\",3,12,60000,\"League Game\",LGE,\"Late, winner\",\"Mike Dean\",0",
            "15/09/2018,\"Man Utd\",Arsenal,0,0,0,\"League Game\",LGE,\"Derby\",\"\",2",
        }));
    const auto fixed = Lines(Export(league, ExportSection::ShortResults, ExportFormat::Fixed));
    ASSERT_EQ(fixed.size(), 3u);
    // Against is right-aligned in 7; comments are at least 7 wide, the longest comment here 12.
    EXPECT_EQ(fixed[1],
              "08/09/2018 Arsenal Man Utd   3      12      60000 League Game LGE  Late, winner Mike Dean "
              "As Scored  ");
    EXPECT_EQ(fixed[0].substr(0, 38), "Date     Home-Team Away-Team For Again");
    EXPECT_EQ(Lines(Export(league, ExportSection::Players, ExportFormat::Csv))[1],
              "\"Bob Smith\",Arsenal,9,\"Goal Keeper\",,Y,1234567");
    EXPECT_EQ(Lines(Export(league, ExportSection::Players, ExportFormat::Fixed))[1],
              "Bob Smith Arsenal   9 Goal Keeper               Y       1,234,567  ");
    EXPECT_EQ(Lines(Export(league, ExportSection::Fixtures, ExportFormat::Csv, 2)),
              (std::vector<std::string>{"Date,Home-Team,Away-Team", "22/09/2018,Arsenal,\"Man Utd\""}));
}

TEST(LeagueExport, HtmlEscapesNamesAndStaysAFragment) {
    LeagueBuilder b;
    b.Teams({"A&B", "C<D"});
    b.Fixture(1, 2, kDay);
    const int game = b.Played(2, 1, 1, 0, kDay);
    b.Goal(game, 2, b.Player("O'Neil <Jr>", 2), 30, false, true);
    const League league = b.Build();
    const std::string html = Export(league, ExportSection::Fixtures, ExportFormat::Html);
    EXPECT_EQ(Lines(html),
              (std::vector<std::string>{"<TABLE BORDER>", "<TR><TH COLSPAN=3>Match Fixtures</TH></TR>",
                                        "<TR>", "   <TH>Date</TH>", "   <TH>Home Team</TH>",
                                        "   <TH>Away Team</TH>", "</TR>", "<TR>", "   <TD>08/09/2018</TD>",
                                        "   <TD>A&amp;B</TD>", "   <TD>C&lt;D</TD>", "</TR>", "</TABLE>"}));
    const std::string full = Export(league, ExportSection::FullResults, ExportFormat::Html);
    EXPECT_NE(full.find("<B>C&lt;D</B>"), std::string::npos);
    EXPECT_NE(full.find("O'Neil &lt;Jr&gt; Pen 30 <BR>"), std::string::npos);
    EXPECT_NE(full.find("Half-Time: 1-0"), std::string::npos);
    EXPECT_EQ(full.find("<HTML"), std::string::npos);
    // Full results are HTML only.
    EXPECT_EQ(Export(league, ExportSection::FullResults, ExportFormat::Csv), "");
}

TEST(LeagueExport, EachGridCellShowsItsOwnPairing) {
    LeagueBuilder b;
    b.Teams({"Arsenal", "Chelsea", "Man Utd"});
    b.Played(1, 2, 1, 0, kDay);
    b.Played(1, 2, 2, 2, kDay + 1); // the pairing's second game, early in game order
    b.Fixture(1, 3, ToDayNumber(2018, 12, 26));
    b.Played(2, 1, 0, 3, kDay);
    b.Fixture(2, 3, 0);
    b.Played(3, 1, 1, 1, kDay);
    b.Played(3, 2, 4, 0, kDay);
    b.Played(1, 3, 0, 1, kDay);
    b.Played(2, 1, 1, 2, kDay);
    b.Played(2, 3, 2, 0, kDay);
    b.Played(3, 1, 3, 3, kDay);
    b.Played(3, 2, 0, 0, kDay);
    League league = b.Build();
    EXPECT_EQ(MatchesGridCount(league), 2);
    EXPECT_EQ(Lines(Export(league, ExportSection::Grid, ExportFormat::Csv)),
              (std::vector<std::string>{
                  "First set of matches",
                  "Team,Ars,Che,M.U",
                  "Arsenal,\" \",1-0,26/12",
                  "Chelsea,0-3,\" \",\"  -  \"",
                  "\"Man Utd\",1-1,4-0,\" \"",
                  "Second set of matches",
                  "Team,Ars,Che,M.U",
                  "Arsenal,\" \",2-2,0-1",
                  "Chelsea,1-2,\" \",2-0",
                  "\"Man Utd\",3-3,0-0,\" \"",
              }));
    const std::string html = Export(league, ExportSection::Grid, ExportFormat::Html);
    EXPECT_NE(html.find("<TR><TH COLSPAN=4>Second set of matches</TH></TR>"), std::string::npos);
    EXPECT_NE(html.find("   <TH>Man-Utd</TH>"), std::string::npos);

    // One grid for a double round, none for any other number of games or fewer than two teams.
    league.Head.GameCount = 6;
    EXPECT_EQ(MatchesGridCount(league), 1);
    EXPECT_EQ(Lines(Export(league, ExportSection::Grid, ExportFormat::Fixed))[0],
              "Team    Ars   Che   M.U   ");
    league.Head.GameCount = 7;
    EXPECT_EQ(MatchesGridCount(league), 0);
    league.Head.TeamCount = 1;
    league.Head.GameCount = 0;
    EXPECT_EQ(MatchesGridCount(league), 0);
}

TEST(LeagueExport, DefaultDatesReachTheLastFixture) {
    const League league = TwoGames();
    const struct {
        int Today, From, To;
    } cases[] = {{kDay + 100, kDay, kDay + 14}, {kDay - 5, kDay - 5, kDay + 14}};
    for (const auto& c : cases) {
        const ExportDates d = DefaultExportDates(league, c.Today);
        EXPECT_EQ(d.From, c.From);
        EXPECT_EQ(d.To, c.To);
    }
    const ExportDates none = DefaultExportDates(LeagueBuilder().Build(), kDay);
    EXPECT_EQ(none.From, kDay);
    EXPECT_EQ(none.To, kDay);
}

TEST(LeagueExport, ClipboardKeepsTheLinesThatFitAndNoLaterOne) {
    LineSink sink(kClipboardLimit);
    EXPECT_TRUE(sink.Add(std::string(kClipboardLimit - 10, 'x')));
    EXPECT_FALSE(sink.Add("123456")); // would reach the limit with its CR LF
    EXPECT_FALSE(sink.Add(""));       // would fit, but follows a dropped line
    EXPECT_TRUE(sink.Truncated());
    EXPECT_EQ(sink.Text().size(), kClipboardLimit - 8);

    EXPECT_EQ(ExportFileBytes("a\xE9", ExportFormat::Csv), "\xEF\xBB\xBF"
                                                           "a\xC3\xA9");
    EXPECT_EQ(ExportFileBytes("a", ExportFormat::Fixed), "a");
}

TEST(GridExport, NumericCellsAlignRight) {
    const std::vector<std::vector<std::string>> rows = {
        {"Player", "Goals"}, {"Bob \"Big\" Smith", "12"}, {"Al", "(3)"}, {"", ""}};
    const auto write = [&](ExportFormat format) {
        LineSink sink;
        WriteGridExport(rows, 1, format, "<TABLE>", sink);
        std::string text = sink.Text();
        std::erase(text, '\r');
        return Lines(text);
    };
    EXPECT_EQ(write(ExportFormat::Fixed),
              (std::vector<std::string>{"Player           Goals", "Bob \"Big\" Smith     12",
                                        "Al                 (3)", std::string(22, ' ')}));
    EXPECT_EQ(write(ExportFormat::Csv)[1], "\"Bob \"\"Big\"\" Smith\",12");
    const auto html = write(ExportFormat::Html);
    EXPECT_EQ(html[2], "   <TH>Player</TH>");
    EXPECT_EQ(html[7], "   <TD ALIGN=RIGHT>12</TD>");
    EXPECT_EQ(html[14], "   <TD><BR></TD>");
}

} // namespace
} // namespace gorlin
