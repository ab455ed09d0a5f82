#include "gui/league/LeaguePages.h"

#include "gui/league/LeagueHost.h"
#include "gui/league/LeagueTablePage.h"
#include "gui/league/SortRulesPage.h"
#include "gui/widgets/AppContext.h"

#include <QPointer>
#include <QTabWidget>
#include <functional>
#include <memory>

namespace gorlin {

namespace {

/// Refuses to leave tab `guarded` of `tabs` while `canLeave` says no: the tab goes back and the
/// check has already told the user why.
void GuardTabLeave(QTabWidget* tabs, std::function<QWidget*()> guarded, std::function<bool()> canLeave) {
    auto previous = std::make_shared<QPointer<QWidget>>(tabs->currentWidget());
    auto reverting = std::make_shared<bool>(false);
    QObject::connect(tabs, &QTabWidget::currentChanged, tabs, [=](int) {
        if (*reverting)
            return;
        QWidget* left = previous->data();
        QWidget* now = tabs->currentWidget();
        if (left != nullptr && left == guarded() && left != now && !canLeave()) {
            *reverting = true;
            tabs->setCurrentWidget(left);
            *reverting = false;
            return;
        }
        *previous = now;
    });
}

} // namespace

void InstallLeaguePages(LeagueHost& host) {
    AppContext& context = host.Context();
    League& league = host.GetLeague();
    QWidget* window = host.Window();

    auto* table = new LeagueTablePage(league, context.settings, context.locale, context.prompter);
    host.SetPage(LeagueHost::kLeagueTablePage, table);

    auto* maintenance = new QTabWidget;
    maintenance->setObjectName("pcMaintenance");
    auto* sortRules = new SortRulesPage(league, context.settings, context.locale, context.prompter);
    maintenance->addTab(sortRules, "Sort Rules");
    host.SetPage(LeagueHost::kTableMaintenancePage, maintenance);

    LeagueHost* h = &host;
    QPointer<SortRulesPage> rules(sortRules);
    // Storing the rules on leaving may set DataChanged: the Save command follows it.
    auto canLeaveRules = [rules, h] {
        const bool ok = rules.isNull() || rules->CanLeave();
        h->DataChangedNotify();
        return ok;
    };
    host.SetSortRulesHook(canLeaveRules);
    GuardTabLeave(
        maintenance, [rules]() -> QWidget* { return rules.data(); }, canLeaveRules);
    QTabWidget* pages = host.Pages();
    QPointer<QTabWidget> maintenancePtr(maintenance);
    GuardTabLeave(
        pages, [maintenancePtr]() -> QWidget* { return maintenancePtr.data(); },
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
    QObject::connect(table, &LeagueTablePage::teamActivated, window,
                     [h] { h->Pages()->setCurrentIndex(LeagueHost::kTeamStatisticsPage); });
}

} // namespace gorlin
