#pragma once

// The team statistics page's data: one team under the game filter (DivHead::GameType), computed
// from the league in one call. Label members carry the page's control names; texts are
// Windows-1252 bytes formatted with the Locale passed in (whose Today stands for the clock).

#include "core/app/Settings.h"
#include "core/engine/TeamCharts.h"
#include "core/engine/TeamStatsGrids.h"
#include "core/model/League.h"
#include "core/model/Locale.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace gorlin {

/// A highest score: the goals and the opponent (0 = none recorded).
struct HighScore {
    int Goals = 0;
    int Opponent = 0;
};

/// The team's totals over its games. Records are strict: the earliest game keeps a tie and a
/// score of 0 is never a record.
struct TeamStatsTotals {
    int HomeGames = 0;
    int AwayGames = 0;
    int GoalsScored = 0;
    int Won = 0;
    int Drawn = 0;
    int Lost = 0;
    HighScore HomeFor, HomeAgainst, AwayFor, AwayAgainst;
    // Attendances of home games with a known crowd.
    u32 AttMax = 0;
    int AttMaxOpponent = 0;
    u32 AttMin = 0; // 0 when no attendance was counted
    int AttMinOpponent = 0;
    unsigned long long AttTotal = 0;
    int AttCount = 0;
    int HomeClean = 0;
    int AwayClean = 0;
};

/// Everything the page shows for one team.
struct TeamStatsData {
    int Team = 0; // the statistics team; 0 when none is set
    int GameType = 0;
    /// The team's played games that pass the filter, most recent first (equal dates in index order).
    std::vector<int> TeamGames;
    TeamStatsTotals Totals;

    // Summary labels.
    std::string lblPlayed, lblGoals, lblWon, lblDrawn, lblLost;
    std::string lblPoints, lbDeducted; // blank for a single competition
    std::string hfHome, hfHomeTeam, hfAway, hfAwayTeam, haHome, haHomeTeam, haAway, haAwayTeam;
    // Miscellaneous tab.
    std::string labAttHigh, labAtHiTm, labAttLow, labAtLoTm, labAttAve, labAttTotal;
    std::string labTotClean, labHmClean, labAwClean;
    /// Graph and Print: the team has played in the standings up to today and the filter is not a
    /// single competition.
    bool btnGraph = false;
    bool btnTSPrint = false;

    /// Up to 10 letters W, D, L each, oldest on the left; together the ten most recent games.
    std::string HomeForm, AwayForm;
    std::vector<std::string> FormPhrases;

    std::vector<TeamResultRow> Results;      // in the results sort
    std::vector<int> Fixtures;               // the team's unplayed games passing the filter, index order
    std::vector<TeamFixtureRow> FixtureRows; // in the fixtures sort
    std::string PlayerColumns;               // the letters shown
    std::vector<TeamPlayerRow> Players;      // in the players sort
    PointsChartData Chart;
};

/// Recomputes the page for `team` under league.Head.GameType, with the grids in `sorts`. A team
/// index outside 1..TeamCount + OtherTeamCount gives a page with nothing selected.
TeamStatsData TeamStats(const League& league, int team, const Settings& settings, const Locale& locale,
                        const TeamStatsSorts& sorts = {});

/// Whether the page offers "Graph" for `team` under league.Head.GameType (its btnGraph): the
/// standings over the league games up to `today` count a game of the team, and the filter is not
/// one competition.
bool GraphOffered(const League& league, int team, int today);

/// Whether a player belongs on a team's Players tab: he is the team's player, he scored for the
/// team (an own goal counts for the side he played on), or he is in the team's squad of a played
/// game. The game filter does not apply.
bool IncludePlayer(const League& league, int player, int team);

/// IncludePlayer for every player 1..PlayerCount at once (entry 0 unused), in one pass over the
/// goals and the team's squads.
std::vector<bool> IncludedPlayers(const League& league, int team);

/// The summary and miscellaneous labels with their control names, in page order, then "btnGraph"
/// as "1" or "0".
std::vector<std::pair<std::string, std::string>> TeamStatsLabels(const TeamStatsData& data);

/// The statistics team list (`SelTeamList`) and its selected item.
struct StatsTeamList {
    std::vector<int> Teams; // by name (see FilterTeams)
    int Selected = 0;       // item index
};

/// The list as the league window opens: the own team selected when it is listed, else item 0.
StatsTeamList OpeningTeamList(const League& league);

/// A choice in the game filter list: sets GameType to `item` (without DataChanged: the filter is
/// not a change the user saves for), refills the team list for it and reselects the first team
/// named `selectedName`, or item 0 when none is. An item outside the list changes nothing.
StatsTeamList ChangeTeamGames(League& league, int item, std::string_view selectedName);

} // namespace gorlin
