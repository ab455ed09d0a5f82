#include "core/io/PrintLayouts.h"

#include "core/edit/ResultsPage.h"
#include "core/engine/TablePage.h"
#include "core/engine/TeamStats.h"
#include "core/io/ListGrids.h"
#include "core/io/PrintText.h"
#include "core/model/Dates.h"
#include "support/LeagueBuilder.h"
#include "support/SeasonCsv.h"
#include "support/TestPaths.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace gorlin;
using namespace gorlin::test;

namespace {

// PlainTextMeasure: every character 8 pixels wide at 10 points, a 10-point line 16 high.
const PlainTextMeasure kMeasure;

PrintPageSetup Page(int width, int height, std::string heading = {}, std::string date = {}) {
    PrintPageSetup setup;
    setup.Width = width;
    setup.Height = height;
    setup.Heading = std::move(heading);
    setup.DateText = std::move(date);
    return setup;
}

/// The cell texts of each grid row of a document: texts of one page sharing a top edge, joined
/// by '|' in drawing order.
std::vector<std::string> DocumentRows(const PrintDocument& doc) {
    std::vector<std::string> rows;
    for (const std::vector<Shape>& page : doc.Pages) {
        std::map<int, std::string> byTop;
        for (const Shape& s : page)
            if (s.Kind == ShapeKind::Text && !s.Text.empty())
                byTop[s.Y1] += (byTop[s.Y1].empty() ? "" : "|") + s.Text;
        for (const auto& [top, text] : byTop)
            rows.push_back(text);
    }
    return rows;
}

int Count(const std::vector<std::string>& rows, const std::string& row) {
    return static_cast<int>(std::count(rows.begin(), rows.end(), row));
}

/// Every shape of every page lies within the page.
void ExpectInsidePage(const PrintDocument& doc, const PrintPageSetup& setup) {
    for (const std::vector<Shape>& page : doc.Pages)
        for (const Shape& s : page) {
            EXPECT_GE(std::min(s.X1, s.X2), 0) << DescribeShape(s);
            EXPECT_GE(std::min(s.Y1, s.Y2), 0) << DescribeShape(s);
            EXPECT_LE(std::max(s.X1, s.X2), setup.Width + 1) << DescribeShape(s);
            EXPECT_LE(std::max(s.Y1, s.Y2), setup.Height + 1) << DescribeShape(s);
        }
}

} // namespace

TEST(PrintText, FitTextKeepsTheFirstWordAndALetterThenShortens) {
    struct Case {
        const char* Text;
        int Width;
        const char* Fitted;
    };
    const Case cases[] = {
        {"Manchester United", 200, "Manchester United"}, // fits: kept
        {"Manchester United", 136, "Manchester United"}, // exactly fits
        {"Manchester United", 135, "Manchester U"},      // cut after the letter after the space
        {"Manchester United", 96, "Manchester U"},
        {"Manchester United", 95, "Manchester "}, // then shortened from the end
        {"Manchester United", 50, "Manche"},
        {"Manchester United", 7, ""},
        {"West Bromwich Albion", 100, "West B"}, // only the first space counts
        {"Arsenal", 40, "Arsen"},                // one word: shortened from the end
        {"Leeds ", 40, "Leeds"},                 // a trailing space has no letter after it
        {"", 100, ""},
        {"Arsenal", 0, ""},
        {"Arsenal", -5, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitText(c.Text, c.Width, 10, kMeasure), c.Fitted) << c.Text << " in " << c.Width;
}

TEST(PrintText, PageTopHasTheHeadingLeftAndTheDateRight) {
    std::vector<Shape> page;
    const int body = DrawPageTop(page, Page(800, 1000, "Premier League", "06/12/2026"), kMeasure);
    ASSERT_EQ(page.size(), 2u);
    const Shape& date = page[0];
    const Shape& heading = page[1];
    EXPECT_EQ(heading.Text, "Premier League");
    EXPECT_EQ(heading.Points, 18);
    EXPECT_EQ(heading.X1, 0);
    EXPECT_EQ(heading.Y1, kPrintPageTop);
    EXPECT_EQ(date.Text, "06/12/2026");
    EXPECT_EQ(date.Align, TextAlign::Right);
    EXPECT_EQ(date.X2, 800);
    EXPECT_EQ(date.Y1, kPrintPageTop);
    // The body starts below the heading line by the height of a line plus a gap.
    EXPECT_GT(body, kPrintPageTop + kMeasure.Height(18));

    // A heading as wide as the page is fitted short of the date.
    page.clear();
    DrawPageTop(page, Page(400, 1000, std::string(60, 'x'), "06/12/2026"), kMeasure);
    ASSERT_EQ(page.size(), 2u);
    EXPECT_LE(page[1].X1 + kMeasure.Width(page[1].Text, 18), page[0].X2 - kMeasure.Width("06/12/2026", 18));

    // Nothing to write: the body starts at the top line.
    page.clear();
    EXPECT_EQ(DrawPageTop(page, Page(800, 1000), kMeasure), kPrintPageTop);
    EXPECT_TRUE(page.empty());
    // The date alone.
    DrawPageTop(page, Page(800, 1000, "", "06/12/2026"), kMeasure);
    ASSERT_EQ(page.size(), 1u);
    EXPECT_EQ(page[0].Text, "06/12/2026");
}

TEST(PrintList, BreaksBetweenRowsRepeatingTitlesAndCountingPages) {
    PrintListData list;
    list.Title = "Results";
    list.Headings = {{"Date", "Home Team", "F"}};
    list.RightAligned = {false, false, true};
    for (int r = 1; r <= 120; ++r)
        list.Rows.push_back({"d" + std::to_string(r), "Team " + std::to_string(r), std::to_string(r % 7)});
    const PrintPageSetup setup = Page(600, 700, "Heading", "");
    const PrintDocument doc = PrintListTable(list, setup, kMeasure);

    EXPECT_EQ(doc.JobTitle, "Gorlin Results");
    const std::size_t pages = doc.Pages.size();
    ASSERT_GT(pages, 2u);
    const std::vector<std::string> texts = PageTexts(doc);
    for (std::size_t p = 0; p < pages; ++p) {
        const std::string footer = "Page " + std::to_string(p + 1) + " of " + std::to_string(pages);
        EXPECT_NE(texts[p].find(footer + "\n"), std::string::npos) << texts[p];
        EXPECT_NE(texts[p].find("Results\nDate\nHome Team\nF\n"), std::string::npos) << texts[p];
        EXPECT_EQ(texts[p].find("Heading") != std::string::npos, p == 0);
    }
    // Every row once, whole, in order; no row runs into the footer.
    const std::vector<std::string> rows = DocumentRows(doc);
    int last = -1;
    for (int r = 1; r <= 120; ++r) {
        const std::string row =
            "d" + std::to_string(r) + "|Team " + std::to_string(r) + "|" + std::to_string(r % 7);
        EXPECT_EQ(Count(rows, row), 1) << row;
        const int at = static_cast<int>(std::find(rows.begin(), rows.end(), row) - rows.begin());
        EXPECT_GT(at, last);
        last = at;
    }
    ExpectInsidePage(doc, setup);
    for (const std::vector<Shape>& page : doc.Pages) {
        int footerTop = 0;
        int lowestCell = 0;
        for (const Shape& s : page) {
            if (s.Text.rfind("Page ", 0) == 0)
                footerTop = s.Y1;
            else if (s.Kind == ShapeKind::Text)
                lowestCell = std::max(lowestCell, s.Y2);
        }
        EXPECT_LE(lowestCell, footerTop);
    }
}

TEST(PrintList, EndsOnPagesTooSmallForARowAndPrintsAnEmptyList) {
    PrintListData list{"Goals", {{"Goal Scorer"}}, {{"A"}, {"B"}, {"C"}}, {}};
    // Too short for even one row below the titles: still one row a page, and an end.
    const PrintDocument tiny = PrintListTable(list, Page(300, 30), kMeasure);
    EXPECT_EQ(tiny.Pages.size(), 3u);

    list.Rows.clear();
    const PrintDocument empty = PrintListTable(list, Page(300, 400), kMeasure);
    ASSERT_EQ(empty.Pages.size(), 1u);
    EXPECT_NE(PageTexts(empty)[0].find("Goal Scorer\nPage 1 of 1\n"), std::string::npos);
}

TEST(PrintList, WideColumnsAreScaledToThePageAndNamesFitted) {
    PrintListData list{
        "Players", {{"Player", "Team"}}, {{std::string(80, 'n') + " Smith", "Manchester United"}}, {}};
    const PrintPageSetup setup = Page(300, 400);
    const PrintDocument doc = PrintListTable(list, setup, kMeasure);
    ExpectInsidePage(doc, setup);
    for (const Shape& s : doc.Pages[0])
        if (s.Kind == ShapeKind::Text) {
            EXPECT_LE(s.X1 + kMeasure.Width(s.Text, s.Points), setup.Width) << s.Text;
        }
}

TEST(PrintTable, TheWholeTableFitsOnePageWithItsGroupsAndNote) {
    LeagueBuilder b;
    std::vector<std::string> names;
    for (int t = 1; t <= 24; ++t)
        names.push_back("Long Named Athletic " + std::to_string(t));
    b.Teams(names).Places(2, 0, 3);
    for (int t = 1; t < 24; t += 2)
        b.Played(t, t + 1, 2, 1, 43000);
    b.Fixture(2, 1, 43010, true, 1, 1);
    const League league = b.Build();
    Settings settings;
    settings.TableLong = "ABVCDEFGHIJKLMNOPQRSTU";
    TablePageState state = OpenTablePage(league, settings, 43020);
    SetContent(state, league, kPlayedPredicted, 43020);

    for (const PrintPageSetup& setup :
         {Page(2000, 3000, "League", "06/12/2026"), Page(500, 520, "League", "")}) {
        const PrintDocument doc = PrintLeagueTable(league, state, settings, setup, kMeasure);
        EXPECT_EQ(doc.JobTitle, "Gorlin League Table");
        ASSERT_EQ(doc.Pages.size(), 1u);
        ExpectInsidePage(doc, setup);
        const std::string text = PageTexts(doc)[0];
        for (const char* group : {"\nHome\n", "\nAway\n", "\nTotal\n"})
            EXPECT_NE(text.find(group), std::string::npos) << group;
        EXPECT_NE(text.find("Note: Table includes predicted results\n"), std::string::npos);
        // A row per team, its name fitted to the team column.
        const std::vector<std::string> rows = DocumentRows(doc);
        for (int t = 1; t <= 24; ++t) {
            const std::string name = names[static_cast<std::size_t>(t - 1)];
            int found = 0;
            for (const std::string& row : rows)
                for (const std::string& fitted : {name, std::string("Long N"), std::string("Long "),
                                                  std::string("Long"), std::string("Lon")})
                    if (row.find("|" + fitted + "|") != std::string::npos)
                        ++found;
            EXPECT_GE(found, 1) << name;
        }
        EXPECT_EQ(rows.size(), 1u + 2u + 24u + 1u) << "heading, groups, column titles, rows, note";
        // Promotion and relegation rows keep their zone colours.
        std::map<Colour, std::set<int>> zoneRows;
        for (const Shape& s : doc.Pages[0])
            if (s.Kind == ShapeKind::Rect && s.Filled)
                zoneRows[s.Fill].insert(s.Y1);
        EXPECT_EQ(zoneRows[settings.Colour1].size(), 2u);
        EXPECT_EQ(zoneRows[settings.Colour3].size(), 3u);
    }

    // The plain table has no note; a table without D..U columns no groups.
    settings.TableLong = "ABCU";
    SetContent(state, league, kPlayedGames, 43020);
    const std::string plain =
        PageTexts(PrintLeagueTable(league, state, settings, Page(800, 1000), kMeasure))[0];
    EXPECT_EQ(plain.find("Note:"), std::string::npos);
    EXPECT_EQ(plain.find("Home"), std::string::npos);
}

TEST(PrintTeamStatistics, DateColumnHoldsTheLocaleDatesAndResultsSplitByVenue) {
    LeagueBuilder b;
    b.Teams({"Arsenal", "Burnley", "Chelsea"});
    b.Played(1, 2, 3, 0, 43000);
    b.Played(3, 1, 1, 1, 43007);
    b.Played(1, 3, 0, 2, 43014);
    const League league = b.Build();
    Locale locale;
    locale.ShortDateFormat = "dd mmmm yyyy";
    locale.Today = 43100;
    const TeamStatsData data = TeamStats(league, 1, Settings{}, locale);
    const PrintPageSetup setup = Page(700, 900, "Arsenal", "");
    const PrintDocument doc = PrintTeamStatistics(league, data, setup, kMeasure);
    ASSERT_EQ(doc.Pages.size(), 1u);
    ExpectInsidePage(doc, setup);
    const std::string text = PageTexts(doc)[0];
    for (const char* line :
         {"Played: 3\n", "Won: 1\n", "Drawn: 1\n", "Lost: 1\n", "Points: 4\n", "Goals: 4\n",
          "Highest Score For:\n", "    Home : 3 (Burnley)\n", "    Away : 1 (Chelsea)\n",
          "Highest Score Against:\n", "Current Form\n", "\nHome\n", "\nAway\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\nin\n" << text;
    // Long dates are printed whole, each result under its venue's column.
    const std::size_t away = text.find("\nAway\n");
    const auto at = [&](int day, const char* rest) { return text.find(FormatShortDate(day, locale) + rest); };
    EXPECT_LT(at(43000, "\nBurnley\n3-0\n"), away) << text;
    EXPECT_LT(at(43014, "\nChelsea\n0-2\n"), away) << text;
    EXPECT_NE(at(43007, "\nChelsea\n1-1\n"), std::string::npos) << text;
    EXPECT_GT(at(43007, "\nChelsea\n1-1\n"), away) << text;

    // A page too short even at the smallest size keeps to one page and says what it left out;
    // one too short for the summary keeps what fits.
    LeagueBuilder many;
    many.Teams({"Arsenal", "Burnley"});
    for (int g = 0; g < 60; ++g)
        many.Played(g % 2 + 1, 2 - g % 2, g % 3, 1, 43000 + g);
    const League busy = many.Build();
    const TeamStatsData busyData = TeamStats(busy, 1, Settings{}, locale);
    const PrintPageSetup shortPage = Page(700, 300);
    const PrintDocument cut = PrintTeamStatistics(busy, busyData, shortPage, kMeasure);
    ASSERT_EQ(cut.Pages.size(), 1u);
    ExpectInsidePage(cut, shortPage);
    EXPECT_NE(PageTexts(cut)[0].find("more results are not shown\n"), std::string::npos) << PageTexts(cut)[0];
    const PrintPageSetup tiny = Page(700, 60);
    ExpectInsidePage(PrintTeamStatistics(busy, busyData, tiny, kMeasure), tiny);
}

TEST(PrintList, ASeasonsResultsListHoldsEveryGameOnce) {
    const League league = BuildSeasonLeague(DataDir() / "eng1_2018-19_results.csv", "Premier League 2018-19");
    Locale locale;
    locale.Today = 45000;
    const Expected<ListGrid> grid = BuildListGrid(league, "results", {}, Settings{}, locale);
    ASSERT_TRUE(grid.ok());
    const PrintListData list = MakePrintList(grid->Title, grid->Rows, grid->HeadingRows, grid->RightAligned);
    EXPECT_EQ(list.Title, "Results");
    const PrintPageSetup setup = Page(2100, 2900, "Premier League 2018-19", "06/12/2026");
    const PrintDocument doc = PrintListTable(list, setup, kMeasure);
    EXPECT_GT(doc.Pages.size(), 2u);
    const std::vector<std::string> rows = DocumentRows(doc);
    int games = 0;
    for (int g = 1; g <= league.Head.GameCount; ++g) {
        std::string row;
        for (const std::string& cell : ResultsPage::Cells(league, g, locale))
            if (!cell.empty())
                row += (row.empty() ? "" : "|") + cell;
        EXPECT_EQ(Count(rows, row), 1) << row;
        ++games;
    }
    EXPECT_EQ(games, 380);
}
