#include "gui/league/MaintenancePages.h"

#include "core/edit/Maintenance.h"
#include "gui/league/LeagueHost.h"
#include "gui/league/LeaguePages.h"

namespace gorlin {

namespace {

/// Wires a page's dataChanged and helpRequested to the window.
template <class Page> void Wire(LeagueHost& host, Page* page, const char* topic) {
    LeagueHost* h = &host;
    QObject::connect(page, &Page::dataChanged, host.Window(), [h] { h->DataChangedNotify(); });
    const QString help = QString::fromLatin1(topic);
    QObject::connect(page, &Page::helpRequested, host.Window(), [h, help] { h->ShowHelp(help); });
}

} // namespace

void InstallMaintenancePages(LeagueHost& host) {
    League& league = host.GetLeague();
    AppContext& context = host.Context();

    auto* table = new TableSettingsPage(league, context);
    AddMaintenancePage(host, MaintenancePage::Table, table);
    Wire(host, table, "maintenance.html#table");

    auto* players = new PlayersMaintenancePage(league, context);
    AddMaintenancePage(host, MaintenancePage::Players, players);
    Wire(host, players, "maintenance.html#players");

    auto* teams = new TeamsMaintenancePage(league, context);
    AddMaintenancePage(host, MaintenancePage::Teams, teams);
    Wire(host, teams, "maintenance.html#teams");

    auto* referees = new RefereesMaintenancePage(league, context);
    AddMaintenancePage(host, MaintenancePage::Referees, referees);
    Wire(host, referees, "maintenance.html#referees");
}

} // namespace gorlin
