#pragma once

namespace gorlin {

class LeagueHost;

/// Puts the result pages into a league window: "Enter Results" (leaving it is refused while a
/// result is being entered) and the "Results" and "Goals" maintenance sub-tabs, wired to the
/// window's DataChangedNotify and guide; and switches on the team statistics page's "Game
/// Summary" and "Squads" (when that page is installed first).
void InstallResultPages(LeagueHost& host);

/// The result details window for game g, as the statistics pages open it; the Save command
/// follows whatever it changed.
void ShowResultDetails(LeagueHost& host, int game);

/// The squad window for game g (the team statistics games list); the Save command follows.
void ShowSquadWindow(LeagueHost& host, int game);

} // namespace gorlin
