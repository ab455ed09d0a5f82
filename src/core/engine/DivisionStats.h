#pragma once

#include "core/model/League.h"
#include "core/model/Locale.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace gorlin {

/// Most items of each high-score list.
inline constexpr int kMaxHighScoreItems = 992;

/// "num / den" with two decimals, the exact quotient rounded half up (1 / 8 gives "0.13"), with
/// the locale's decimal separator. num and den are not negative; den is above 0.
std::string FormatQuotient2(long long num, long long den, const Locale& locale);

/// One referee's counters (cards and penalties are counted in int: a busy referee's cards over
/// a full season of squads pass 65,535).
struct RefStatsEntry {
    int Games = 0;
    int Pens = 0; // penalties awarded: scored and missed
    int Yellows = 0;
    int Reds = 0;
};

/// The referee table: Entries[1..RefereeCount] and Order, the referee indices in grid order.
struct RefStats {
    std::vector<RefStatsEntry> Entries; // entry 0 unused
    std::vector<int> Order;
};

/// The grid's sort keys, 1-based as the heading sections: Name (the first key) .. R/Gm.
enum RefSortKey : int {
    kRefName = 1,
    kRefGames,
    kRefPens,
    kRefYellows,
    kRefReds,
    kRefYellowRate,
    kRefRedRate
};
inline constexpr std::array<const char*, 7> kRefHeadings = {"Name", "Games", "Pens", "Yellows",
                                                            "Reds", "Y/Gm",  "R/Gm"};
/// The key of a heading text, nothing for an unknown one.
std::optional<int> RefSortKeyOfHeading(std::string_view heading);

/// One grid row: the referee (0 for the blank row of an empty table) and its seven cell texts.
struct RefGridRow {
    int Referee = 0;
    std::array<std::string, 7> Cells;
};

/// Counts, for every referee, the played games 1..GameCount (and the other games when
/// includeCup) they refereed, the yellow and red card flags of both squads' filled entries, and
/// the penalties (goals from a penalty and missed penalties) of those games. Order is index
/// order.
RefStats BuildRefStats(const League& league, bool includeCup);

/// Sorts stats.Order by `key` (stable: the previous order decides ties the key leaves open) and
/// returns the grid rows in that order. Name ascends by character code; Games, Pens, Yellows
/// and Reds descend, ties by name; Y/Gm and R/Gm descend by the exact quotient (0 without
/// games). Counts show as plain numbers, rates as "0.00", blank without games. With no referees
/// the grid holds one blank row. An unknown key leaves the order as it stands.
std::vector<RefGridRow> SortRefStats(RefStats& stats, const League& league, int key, const Locale& locale);

/// Totals over the played league games 1..GameCount (other competitions never count).
struct DivisionTotals {
    int Games = 0;
    int HomeGoals = 0;
    int AwayGoals = 0;
    int CleanSheets = 0; // each side that scored nothing: a 0-0 game counts twice
    int HighestHome = 0;
    int HighestAway = 0;
    int MostGoals = 0;
    int HomeWins = 0; // by Outcome, so awarded games count for their winner
    int AwayWins = 0;
    int Draws = 0;
    int ScoreDraws = 0;
    int NoScoreDraws = 0;
};

/// One item of a high-score list: the game, the text "date   h-a Home v Away" and where the two
/// team names stand in it (for drawing the own team's name in its colour).
struct HighScoreItem {
    int Game = 0;
    std::string Text;
    int HomeTeam = 0;
    int AwayTeam = 0;
    std::size_t HomeNameAt = 0;
    std::size_t AwayNameAt = 0;
};

/// The "Division Statistics" page.
struct DivisionStatsData {
    DivisionTotals Totals;
    /// Every played league game with the highest home (away) score, then each lower score down
    /// to 3, in game order within a score; at most 992 items each.
    std::vector<HighScoreItem> HighHome;
    std::vector<HighScoreItem> HighAway;
    // "Goals" tab.
    std::string edHomeGoals, edAwayGoals, edTotGoals, edAveGoals, edMostGoals, edClnShts;
    // "Results" tab.
    std::string edDivGames, edDivHome, edDivAway, edDivDraws, edDivScDraws, edDivNsDraws;
    // "Referees" tab: league games only.
    RefStats Referees;
    std::vector<RefGridRow> sgDivRefs;

    /// The twelve edits by name: edDivGames, the "Goals" tab's six, the "Results" tab's five.
    std::vector<std::pair<std::string, std::string>> Edits() const;
};

/// Computes the page; the referee grid is sorted by `refSortKey` (kRefName when the league
/// window opens, then the last heading clicked).
DivisionStatsData DivisionStats(const League& league, const Locale& locale, int refSortKey = kRefName);

} // namespace gorlin
