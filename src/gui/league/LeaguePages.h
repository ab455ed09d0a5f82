#pragma once

#include "core/edit/Maintenance.h"

class QTabWidget;
class QWidget;

namespace gorlin {

class LeagueHost;

/// Puts the pages into a freshly loaded league window: the "League Table" page as the first
/// tab and a "Sort Rules" sub-tab in "Table Maintenance" (a QTabWidget named "pcMaintenance"
/// that other maintenance pages add their sub-tabs to). Wires the pages' save, setup, about and
/// team requests to the window, and guards leaving the sort rules (sub-tab, maintenance tab,
/// window close) with the page's check. The program hands this to every league window.
void InstallLeaguePages(LeagueHost& host);

/// The sub-tabs of "Table Maintenance" (a QTabWidget named "pcMaintenance"), made on first use.
QTabWidget* MaintenanceTabs(LeagueHost& host);

/// Puts a maintenance page into its sub-tab, at its place in the fixed order ("Table",
/// "Results", "Goals", "Players", "Teams", "Sort Rules", "Referees") whatever order the pages
/// are installed in.
void AddMaintenancePage(LeagueHost& host, MaintenancePage which, QWidget* page);

} // namespace gorlin
