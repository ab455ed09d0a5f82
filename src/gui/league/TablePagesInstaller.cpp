#include "gui/league/TablePagesInstaller.h"

#include "gui/app/LeagueWindow.h"
#include "gui/app/SetupDialog.h"
#include "gui/league/LeagueTablePage.h"
#include "gui/league/SortRulesPage.h"

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

void InstallTablePages(LeagueWindow& window) {
    AppContext& context = window.Context();
    League& league = window.GetLeague();

    auto* table = new LeagueTablePage(league, context.settings, context.locale, context.prompter);
    window.SetPage(LeagueWindow::kLeagueTablePage, table);

    auto* maintenance = new QTabWidget;
    maintenance->setObjectName("pcMaintenance");
    auto* sortRules = new SortRulesPage(league, context.settings, context.locale, context.prompter);
    maintenance->addTab(sortRules, "Sort Rules");
    window.SetPage(LeagueWindow::kTableMaintenancePage, maintenance);

    LeagueWindow* w = &window;
    QPointer<SortRulesPage> rules(sortRules);
    // Storing the rules on leaving may set DataChanged: the Save command follows it.
    auto canLeaveRules = [rules, w] {
        const bool ok = rules.isNull() || rules->CanLeave();
        w->DataChangedNotify();
        return ok;
    };
    window.SetSortRulesHook(canLeaveRules);
    GuardTabLeave(
        maintenance, [rules]() -> QWidget* { return rules.data(); }, canLeaveRules);
    QTabWidget* pages = window.Pages();
    QPointer<QTabWidget> maintenancePtr(maintenance);
    GuardTabLeave(
        pages, [maintenancePtr]() -> QWidget* { return maintenancePtr.data(); },
        [rules, maintenancePtr, canLeaveRules] {
            // Only the sort rules sub-tab in view has edits to check.
            if (maintenancePtr.isNull() || maintenancePtr->currentWidget() != rules.data())
                return true;
            return canLeaveRules();
        });

    QObject::connect(table, &LeagueTablePage::saveRequested, w, [w] { w->SaveData(); });
    QObject::connect(table, &LeagueTablePage::aboutRequested, w, &LeagueWindow::ShowAbout);
    QObject::connect(table, &LeagueTablePage::dataChanged, w, &LeagueWindow::DataChangedNotify);
    QObject::connect(table, &LeagueTablePage::setupRequested, w, [w, table] {
        AppContext& c = w->Context();
        SetupDialog dialog(c.settings, c.ini, c.prompter, c.dialUpAvailable, w);
        dialog.exec();
        table->SettingsChanged();
    });
    QObject::connect(table, &LeagueTablePage::teamActivated, w,
                     [w] { w->Pages()->setCurrentIndex(LeagueWindow::kTeamStatisticsPage); });
}

} // namespace gorlin
