#include "core/engine/FormSummary.h"

#include "core/edit/TeamList.h"
#include "core/engine/GameFilter.h"
#include "core/engine/TeamStats.h"
#include "support/LeagueBuilder.h"
#include "support/SeasonCsv.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

using namespace gorlin;
using gorlin::test::LeagueBuilder;

namespace {

using Texts = std::vector<std::string>;

/// One game of Rovers (team 1) against Albion, seen from Rovers.
struct G {
    char Side; // 'H' or 'A'
    int For, Against;
    int Comp = 0;
    int Awarded = 0;
};

/// Rovers' games listed most recent first, dated one day apart; 3/1/0 points.
League FormLeague(const std::vector<G>& recentFirst) {
    LeagueBuilder b;
    b.Teams({"Rovers", "Albion"}).Comp("Cup", "CUP").Points(3, 1, 0);
    int day = 45000;
    for (auto it = recentFirst.rbegin(); it != recentFirst.rend(); ++it, ++day) {
        const bool home = it->Side == 'H';
        const int hg = home ? it->For : it->Against;
        const int ag = home ? it->Against : it->For;
        const int g = it->Comp ? b.CupGame(home ? 1 : 2, home ? 2 : 1, hg, ag, day, it->Comp)
                               : b.Played(home ? 1 : 2, home ? 2 : 1, hg, ag, day);
        b.Get().Games[static_cast<std::size_t>(g)].Awarded = static_cast<u8>(it->Awarded);
    }
    League l = b.Build();
    UpdateGameEx(l, 0);
    l.Head.GameType = kLeagueAndCup;
    return l;
}

Locale TestLocale() {
    Locale l;
    l.Today = 46000;
    return l;
}

TeamStatsData Rovers(const League& l) {
    return TeamStats(l, 1, Settings{}, TestLocale());
}

} // namespace

TEST(FormSummary, WorkedExample) {
    const League l =
        FormLeague({{'H', 2, 0}, {'A', 1, 0}, {'H', 3, 1}, {'A', 0, 0}, {'H', 0, 2}, {'A', 2, 1}});
    const TeamStatsData d = Rovers(l);
    EXPECT_EQ(d.FormPhrases, (Texts{"Won last 3", "Unbeaten in 4", "One loss in 6", "Unbeaten away",
                                    "13 points out of last 18"}));
    EXPECT_EQ(d.HomeForm, "LWW");
    EXPECT_EQ(d.AwayForm, "WDW");

    const FormCounts c = FormPass(l, d.TeamGames, 1);
    EXPECT_EQ((std::vector<int>{c.WinRun, c.HomeWinRun, c.AwayWinRun, c.CleanRun, c.UnbeatenRun, c.OneWin,
                                c.OneLoss, c.LastWin, c.LastScored, c.Earned, c.Possible}),
              (std::vector<int>{3, 2, 1, 2, 4, 1, 6, 1, 1, 13, 18}));
    EXPECT_TRUE(c.UnbeatenAway && !c.UnbeatenHome && !c.UnbeatenAll);
}

TEST(FormSummary, PhrasesByRule) {
    const struct {
        const char* Name;
        std::vector<G> Games; // most recent first
        Texts Phrases;
    } cases[] = {
        {"three games give nothing", {{'A', 0, 3}, {'H', 0, 1}, {'A', 0, 2}}, {}},
        {"awarded against a side that scored more",
         {{'H', 3, 1, 0, 2}, {'H', 1, 0}, {'A', 2, 0}, {'A', 1, 0}},
         {"Unbeaten away", "9 points out of last 12"}},
        {"seven wins fill the window at the seventh",
         {{'H', 1, 0}, {'A', 1, 0}, {'H', 1, 0}, {'A', 1, 0}, {'H', 1, 0}, {'A', 1, 0}, {'H', 1, 0}},
         {"Won last 7", "Won last 4 at home", "Won last 3 away", "7 clean sheets in a row", "Unbeaten in 7",
          "Won all home matches", "Undefeated this season", "18 points out of last 18"}},
        {"one point is singular",
         {{'H', 1, 1}, {'A', 0, 1}, {'H', 0, 2}, {'A', 1, 3}},
         {"Not won yet this season", "1 point out of last 12"}},
        {"no points is plural",
         {{'H', 0, 1}, {'A', 0, 1}, {'H', 0, 1}, {'A', 0, 1}},
         {"Not won yet this season", "Lost last 4", "Not scored yet this season", "0 points out of last 12"}},
        {"cup games count for every rule but the points window",
         {{'A', 1, 0, 1}, {'A', 1, 0, 1}, {'A', 1, 0, 1}, {'H', 0, 1}, {'A', 0, 1}, {'H', 0, 1}, {'A', 0, 1}},
         {"Not won at home this season", "Won last 3", "Won last 3 away", "3 clean sheets in a row",
          "0 points out of last 12"}},
        {"not won and not scored for a while",
         {{'H', 0, 0}, {'A', 0, 0}, {'H', 0, 0}, {'A', 0, 0}, {'H', 1, 0}, {'A', 2, 0}},
         {"Not won for 4 matches", "Not scored for 4 games", "Not scored at home for 2 games",
          "Not scored away for 2 games", "6 clean sheets in a row", "Unbeaten in 6", "One win in 5",
          "Undefeated this season", "10 points out of last 18"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Rovers(FormLeague(c.Games)).FormPhrases, c.Phrases) << c.Name;
}

TEST(FormSummary, AwardedGameLettersFollowOutcome) {
    const TeamStatsData d = Rovers(FormLeague({{'H', 3, 1, 0, 2}, {'H', 1, 0}, {'A', 2, 0}, {'A', 1, 0}}));
    EXPECT_EQ(d.HomeForm, "WL");
    EXPECT_EQ(d.AwayForm, "WW");
}

TEST(FormSummary, RotationAdvancesOnThePageAndStopsOffIt) {
    const Texts phrases = {"one", "two"};
    FormRotation r = StartFormRotation(2);
    EXPECT_TRUE(r.TimerOn);
    EXPECT_EQ(ShownPhrase(phrases, r), "one");
    FormTick(r, true);
    EXPECT_EQ(ShownPhrase(phrases, r), "two");
    FormTick(r, true);
    EXPECT_EQ(ShownPhrase(phrases, r), "one");
    FormTick(r, false);
    EXPECT_FALSE(r.TimerOn);
    EXPECT_EQ(ShownPhrase(phrases, r), "one");

    EXPECT_FALSE(StartFormRotation(1).TimerOn);
    EXPECT_EQ(ShownPhrase({}, StartFormRotation(0)), "");
}

TEST(FormSummary, RealSeasonChampions) {
    const League l = test::BuildSeasonLeague(test::DataDir() / "eng1_2018-19_results.csv", "Premier League");
    const TeamStatsData d = TeamStats(l, GetTeamID(l, "Liverpool FC"), Settings{}, TestLocale());
    ASSERT_FALSE(d.FormPhrases.empty());
    EXPECT_EQ(d.FormPhrases.front(), "Won last 9");
    EXPECT_EQ(d.FormPhrases.back(), "18 points out of last 18");
    EXPECT_EQ(d.lblPoints, "97");
}
