#include "gui/league/LeaguePages.h"

#include "gui/io/ExportDialog.h"
#include "gui/io/GridExportDialog.h"
#include "gui/io/ImportDialog.h"
#include "gui/io/PrintEntries.h"
#include "gui/league/DivisionStatisticsPage.h"
#include "gui/league/FixturesPage.h"
#include "gui/league/LeagueHost.h"
#include "gui/league/LeagueTablePage.h"
#include "gui/league/MaintenancePages.h"
#include "gui/league/ResultPages.h"
#include "gui/league/SortRulesPage.h"
#include "gui/league/StatisticsWindows.h"
#include "gui/league/TeamStatisticsPage.h"
#include "gui/query/QueryWindow.h"
#include "gui/update/OnlineUpdateDialog.h"
#include "gui/update/UploadDialog.h"
#include "gui/widgets/AppContext.h"
#include "gui/widgets/TabLeaveGuard.h"

#include <QPointer>
#include <QTabWidget>

namespace gorlin {

namespace {

const char* const kMaintenanceCaptions[] = {"Table", "Results",    "Goals",   "Players",
                                            "Teams", "Sort Rules", "Referees"};
constexpr const char* kMaintenanceOrder = "maintenanceOrder";

} // namespace

QTabWidget* MaintenanceTabs(LeagueHost& host) {
    if (auto* tabs = qobject_cast<QTabWidget*>(host.Pages()->widget(LeagueHost::kTableMaintenancePage));
        tabs != nullptr && tabs->objectName() == QLatin1String("pcMaintenance"))
        return tabs;
    auto* tabs = new QTabWidget;
    tabs->setObjectName("pcMaintenance");
    host.SetPage(LeagueHost::kTableMaintenancePage, tabs);
    return tabs;
}

void AddMaintenancePage(LeagueHost& host, MaintenancePage which, QWidget* page) {
    QTabWidget* tabs = MaintenanceTabs(host);
    const int order = static_cast<int>(which);
    page->setProperty(kMaintenanceOrder, order);
    int at = 0;
    while (at < tabs->count() && tabs->widget(at)->property(kMaintenanceOrder).toInt() < order)
        ++at;
    tabs->insertTab(at, page, QString::fromLatin1(kMaintenanceCaptions[order]));
}

void InstallLeaguePages(LeagueHost& host) {
    AppContext& context = host.Context();
    League& league = host.GetLeague();
    QWidget* window = host.Window();

    auto* table = new LeagueTablePage(league, context.settings, context.locale, context.prompter);
    host.SetPage(LeagueHost::kLeagueTablePage, table);
    InstallImport(host);
    InstallExport(host);
    InstallAdministration(host);
    InstallOnlineUpdate(host);
    QPointer<TeamStatisticsPage> teamStats(InstallTeamStatisticsPage(host));
    InstallFixturesPage(host);
    // Both pages date fixtures: they share the last date given.
    if (QPointer<FixturesPage> fixtures =
            qobject_cast<FixturesPage*>(host.Pages()->widget(LeagueHost::kFixturesPage)))
        teamStats->ShareLastFixtureDate([fixtures] { return fixtures ? fixtures->LastFixtureDate() : 0; },
                                        [fixtures](int day) {
                                            if (fixtures)
                                                fixtures->SetLastFixtureDate(day);
                                        });

    auto* sortRules = new SortRulesPage(league, context.settings, context.locale, context.prompter);
    AddMaintenancePage(host, MaintenancePage::SortRules, sortRules);
    QTabWidget* maintenance = MaintenanceTabs(host);

    LeagueHost* h = &host;
    QPointer<SortRulesPage> rules(sortRules);
    // Storing the rules on leaving may set DataChanged: the Save command follows it.
    auto canLeaveRules = [rules, h] {
        const bool ok = rules.isNull() || rules->CanLeave();
        h->DataChangedNotify();
        return ok;
    };
    host.SetSortRulesHook(canLeaveRules);
    new TabLeaveGuard(
        maintenance, [rules]() -> QWidget* { return rules.data(); }, canLeaveRules);
    QPointer<QTabWidget> maintenancePtr(maintenance);
    new TabLeaveGuard(
        host.Pages(), [maintenancePtr]() -> QWidget* { return maintenancePtr.data(); },
        [rules, maintenancePtr, canLeaveRules] {
            // Only the sort rules sub-tab in view has edits to check.
            if (maintenancePtr.isNull() || maintenancePtr->currentWidget() != rules.data())
                return true;
            return canLeaveRules();
        });

    QObject::connect(table, &LeagueTablePage::saveRequested, window, [h] { h->SaveData(); });
    QObject::connect(table, &LeagueTablePage::aboutRequested, window, [h] { h->ShowAbout(); });
    QObject::connect(table, &LeagueTablePage::dataChanged, window, [h] { h->DataChangedNotify(); });
    QObject::connect(table, &LeagueTablePage::setupRequested, window, [h, table] {
        if (h->ShowSetup())
            table->SettingsChanged();
    });
    QObject::connect(table, &LeagueTablePage::teamActivated, window, [h, teamStats](int team) {
        if (teamStats)
            teamStats->SelectTeam(team);
        h->Pages()->setCurrentIndex(LeagueHost::kTeamStatisticsPage);
    });

    InstallQueryWindow(host);
    InstallResultPages(host);
    InstallMaintenancePages(host);
    InstallDivisionStatisticsPage(host);
    InstallStatisticsWindows(host);
    InstallGridExports(host);
    InstallPrinting(host);
}

} // namespace gorlin
