#pragma once

namespace gorlin {

class LeagueHost;

/// Puts the "Goal Statistics" page into the league window and hangs on the statistics windows:
/// the player statistics window (from the goal page and the team statistics page's "Player
/// Statistics"), the position graph ("Graph" of the team statistics page) and the match grid
/// (a "Match Grid" button of the league table page). Install after those pages.
void InstallStatisticsWindows(LeagueHost& host);

/// Runs the player statistics window for player p; its "Game Summary" opens the result details
/// and the Save command follows whatever they changed.
void ShowPlayerStats(LeagueHost& host, int player);

} // namespace gorlin
