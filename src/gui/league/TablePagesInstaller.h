#pragma once

namespace gorlin {

class LeagueWindow;

/// Puts the league table engine's pages into a freshly loaded league window: the "League Table"
/// page as the first tab and a "Sort Rules" sub-tab in "Table Maintenance" (a QTabWidget named
/// "pcMaintenance" that other maintenance pages add their sub-tabs to). Wires the page's save,
/// setup, about and team requests to the window, and guards leaving the sort rules (sub-tab,
/// maintenance tab, window close) with the page's check.
void InstallTablePages(LeagueWindow& window);

} // namespace gorlin
