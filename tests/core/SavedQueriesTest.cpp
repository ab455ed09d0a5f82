#include "core/query/SavedQueries.h"

#include "core/query/Criteria.h"

#include <gtest/gtest.h>

namespace gorlin {
namespace {

/// `count` columns of the field Team.
std::string TeamColumns(int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "1,N,Y,,,,";
    return text;
}

IniFile Stored(const std::string& text) {
    IniFile ini;
    ini.SetText(text);
    return ini;
}

TEST(SavedQueryText, EncodeAndReadBack) {
    QueryDesign d(kTabPlayers);
    d.AddField(300);
    d.AddField(304);
    d.SetSort(1, SortOrder::Descending);
    d.SetText(1, kRowCriteria, ">4");
    d.SetText(0, kRowOr, "Smith, J");
    d.SetText(0, kRowTitle, "The name");
    d.ToggleInclude(0);
    const std::string text = EncodeQuery(d);
    EXPECT_EQ(text, "300,N,N,,\"Smith, J\",\"The name\",304,D,Y,\">4\",,,");
    const QueryDesign back = DecodeQuery(text, kTabPlayers);
    ASSERT_EQ(back.Count(), 2);
    EXPECT_EQ(EncodeQuery(back), text);

    // Default query 8, with its quoted criterion.
    const QueryDesign top = DecodeQuery(DefaultQueries()[7].Text, kTabPlayers);
    ASSERT_EQ(top.Count(), 4);
    EXPECT_EQ(top.Columns()[3].FieldId, 304);
    EXPECT_EQ(top.Columns()[3].Criteria, ">4");
    EXPECT_EQ(top.Columns()[3].Sort, SortOrder::Descending);
}

TEST(SavedQueryText, ItemsAndOddTexts) {
    EXPECT_EQ(SplitCommaList("1, N ,\"a, b\",,x y,\"q\"\"t\","),
              (std::vector<std::string>{"1", "N", "a, b", "", "x", "y", "q\"t"}));
    EXPECT_EQ(SplitCommaList("\"open"), (std::vector<std::string>{"open"}));
    EXPECT_EQ(DecodeQuery("1,N,Y,,,,2,N,Y", kTabTeams).Count(), 0); // 9 items
    EXPECT_EQ(DecodeQuery("1,N,Y,,,,2,", kTabTeams).Count(), 0);    // 7 stored items
    EXPECT_EQ(DecodeQuery(TeamColumns(30), kTabTeams).Count(), 22);

    // Ids are looked up in the current tab only; sort and include read leniently.
    const QueryDesign d = DecodeQuery("201,a,n,,,,x,D,?,\"" + std::string(45, 'c') + "\",,,", kTabTeams);
    ASSERT_EQ(d.Count(), 2);
    EXPECT_EQ(d.Columns()[0].FieldId, 0);
    EXPECT_EQ(d.Columns()[0].Sort, SortOrder::NotSorted);
    EXPECT_TRUE(d.Columns()[0].Include);
    EXPECT_EQ(d.Columns()[1].Sort, SortOrder::Descending);
    EXPECT_EQ(d.Columns()[1].Criteria.size(), 40u);
    EXPECT_EQ(QueryValid(d, Locale{}).error().Message,
              "The query is not correct. It contains an empty column");
}

TEST(SavedQueries, DefaultsWhenNoneAreStored) {
    for (const char* text : {"", "[Queries]\nQryCount=0\n", "[Queries]\nQryCount=-4\n"}) {
        IniFile ini = Stored(text);
        EXPECT_EQ(ReadSavedQueries(ini).size(), 9u);
        EXPECT_EQ(ini.Text(), Stored(text).Text()); // reading writes nothing
        EXPECT_TRUE(EnsureSavedQueries(ini));
        EXPECT_EQ(ini.ReadInt("Queries", "QryCount", 0), 9);
        EXPECT_EQ(ini.ReadString("Queries", "QryQuery8", ""),
                  "300,N,Y,,,,301,N,Y,,,,302,N,Y,,,,304,D,Y,\">4\",,,");
        EXPECT_FALSE(EnsureSavedQueries(ini));
    }
    // Every default is a valid design of its tab.
    for (const SavedQuery& q : DefaultQueries())
        EXPECT_TRUE(QueryValid(DecodeQuery(q.Text, q.Tab), Locale{})) << q.Title;
}

TEST(SavedQueries, ReadingKeepsOnlyUsableEntriesAndAtMostFifty) {
    std::string text = "[Queries]\nQryCount=60\n";
    for (int n = 1; n <= 60; ++n)
        text += "QryTab" + std::to_string(n) + "=1\nQryTitle" + std::to_string(n) + "=Q" + std::to_string(n) +
                "\nQryQuery" + std::to_string(n) + "=100,N,Y,,,,\n";
    EXPECT_EQ(ReadSavedQueries(Stored(text)).size(), 50u);

    const auto list = ReadSavedQueries(Stored("[Queries]\nQryCount=5\n"
                                              "QryTab1=2\nQryTitle1=Good\nQryQuery1=200,N,Y,,,,\n"
                                              "QryTab2=5\nQryTitle2=Tab five\nQryQuery2=1,N,Y,,,,\n"
                                              "QryTitle3=No tab\nQryQuery3=1,N,Y,,,,\n"
                                              "QryTab4=-1\nQryTitle4=Negative\nQryQuery4=1,N,Y,,,,\n"
                                              "QryTab5=0\nQryTitle5=No text\n"));
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].Title, "Good");
}

TEST(SavedQueries, SaveReplacesOnItsTabAndAppendsOnAnother) {
    IniFile ini;
    EnsureSavedQueries(ini);
    auto list = ReadSavedQueries(ini);
    EXPECT_EQ(*SaveQuery(list, ini, kTabTeams, " Best Attack ", "1,N,Y,,,,"), 3);
    EXPECT_EQ(*SaveQuery(list, ini, kTabGames, "Best Attack", "100,N,Y,,,,"), 10);
    EXPECT_EQ(*SaveQuery(list, ini, kTabGames, "A title longer than twenty", "101,N,Y,,,,"), 11);
    EXPECT_EQ(SaveQuery(list, ini, kTabGames, "   ", "1").error().Message,
              "You must enter a title for the query");

    const auto back = ReadSavedQueries(ini);
    ASSERT_EQ(back.size(), 11u);
    EXPECT_EQ(back[2].Text, "1,N,Y,,,,");
    EXPECT_EQ(back[9].Tab, kTabGames);
    EXPECT_EQ(back[10].Title, "A title longer than");
    const auto items = QueryListItems(back, kTabGames);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].Text, "** None **");
    EXPECT_EQ(items[2].Entry, 10);
    EXPECT_EQ(FindSavedQuery(back, -1, "Best Attack"), &back[2]);
    EXPECT_EQ(FindSavedQuery(back, kTabGames, "Best Attack"), &back[9]);

    while (list.size() < 50)
        ASSERT_TRUE(SaveQuery(list, ini, kTabSquads, "Q" + std::to_string(list.size()), "400,N,Y,,,,"));
    EXPECT_EQ(SaveQuery(list, ini, kTabSquads, "One more", "400,N,Y,,,,").error().Message,
              "Maximum number of queries already saved");
    EXPECT_TRUE(SaveQuery(list, ini, kTabTeams, "Best Attack", "2,N,Y,,,,")); // a replace still fits
}

TEST(SavedQueries, SaveRenumbersSoADroppedEntryNeverHidesAKeptOne) {
    IniFile ini = Stored("; my queries\n[Queries]\nQryCount=3\n"
                         "QryTab1=0\nQryTitle1=First\nQryQuery1=1,N,Y,,,,\n"
                         "QryTab2=9\nQryTitle2=Broken\nQryQuery2=1,N,Y,,,,\n"
                         "QryTab3=0\nQryTitle3=Third\nQryQuery3=2,N,Y,,,,\n"
                         "QryTab7=0\nQryTitle7=Stray\nQryQuery7=3,N,Y,,,,\n"
                         "[Other]\nKey=1\n");
    auto list = ReadSavedQueries(ini);
    ASSERT_EQ(list.size(), 2u);
    const std::string z(40, 'z');
    const std::string longText =
        TeamColumns(21) + "1,N,Y,\"" + z + "\",\"" + z + "\",\"" + z + "\","; // over 255
    EXPECT_EQ(*SaveQuery(list, ini, kTabTeams, "Third", longText), 2);
    EXPECT_EQ(*SaveQuery(list, ini, kTabTeams, "Fourth", "4,N,Y,,,,"), 3);

    IniFile reloaded = Stored(ini.Text());
    const auto back = ReadSavedQueries(reloaded);
    ASSERT_EQ(back.size(), 3u);
    EXPECT_EQ(back[0].Title, "First");
    EXPECT_EQ(back[1].Title, "Third");
    EXPECT_EQ(back[1].Text, longText);
    EXPECT_EQ(DecodeQuery(back[1].Text, kTabTeams).Count(), 22);
    EXPECT_EQ(back[2].Text, "4,N,Y,,,,");
    EXPECT_FALSE(reloaded.HasKey("Queries", "QryTitle7"));
    EXPECT_EQ(reloaded.ReadString("Other", "Key", ""), "1");
    EXPECT_EQ(reloaded.Lines().front(), "; my queries");
}

} // namespace
} // namespace gorlin
