#pragma once

#include "core/model/League.h"

#include <QString>
#include <functional>

class QTabWidget;
class QWidget;

namespace gorlin {

struct AppContext;

/// What the league window offers the pages installed into it: the open league, the program's
/// context, the page slots and the window's commands. The league window implements it; pages
/// see only this, so they never depend on the window itself.
class LeagueHost {
public:
    /// Tab order of the pages.
    enum PageIndex {
        kLeagueTablePage,
        kTeamStatisticsPage,
        kGoalStatisticsPage,
        kDivisionStatisticsPage,
        kEnterResultsPage,
        kFixturesPage,
        kTableMaintenancePage,
        kPageCount
    };
    /// The tab caption of a page ("" outside the range).
    static const char* PageTitle(int index);

    virtual ~LeagueHost() = default;

    virtual League& GetLeague() = 0;
    virtual AppContext& Context() = 0;
    /// The window, as parent of dialogs and receiver of connections.
    virtual QWidget* Window() = 0;

    /// Puts a page in place of the one at `index` (its tab title and position kept); the
    /// window takes ownership and deletes the page it replaces.
    virtual void SetPage(int index, QWidget* page) = 0;
    virtual QTabWidget* Pages() const = 0;

    /// Called by the close prompt while SortRulesChanged is set: validates and stores the
    /// rules, returning false when they could not be stored (the window then stays open).
    virtual void SetSortRulesHook(std::function<bool()> hook) = 0;

    /// The Save command; true when the league was written.
    virtual bool SaveData() = 0;
    /// Pages call this after changing the model, so the Save command follows DataChanged.
    virtual void DataChangedNotify() = 0;
    virtual void ShowAbout() = 0;
    /// The Setup dialog; true when its settings were taken.
    virtual bool ShowSetup() = 0;
    /// Opens the user guide at a page ("maintenance.html#teams").
    virtual void ShowHelp(const QString& topic) = 0;
};

} // namespace gorlin
