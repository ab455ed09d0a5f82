#pragma once

#include "core/query/QueryDesign.h"
#include "core/query/QueryRun.h"
#include "core/query/SavedQueries.h"

#include <QDialog>
#include <functional>
#include <optional>

class QButtonGroup;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QListView;
class QMenu;
class QPushButton;
class QStackedWidget;
class QTableView;

namespace gorlin {

struct AppContext;
struct League;
class LeagueHost;
class QueryDesignModel;
class QueryFieldListModel;
class QueryResultModel;

/// The query window: a design page ("Query - Design") where fields of one tab are put into the
/// design grid with their sort, include box, criteria and title, and a results page ("Query -
/// Results") showing a run. Saved queries live in the settings file; the game filter chosen
/// here is the league's, shared with the statistics pages.
class QueryWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kDesignCaption = "Query - Design";
    static constexpr const char* kResultsCaption = "Query - Results";
    static constexpr int kMinWidth = 647;
    static constexpr int kMinHeight = 460;

    /// Asks the title to save a query under, given the one to offer; nothing for Cancel.
    using TitleAsker = std::function<std::optional<QString>(QWidget* parent, const QString& title)>;

    /// Opens over a league: writes the predefined queries to the settings file when it stores
    /// none, builds the rows under the league's game filter and shows the "Teams" tab.
    QueryWindow(League& league, AppContext& context, QWidget* parent = nullptr);
    ~QueryWindow() override;

    /// Replaces the "Save Query" dialog (tests script it).
    void SetTitleAsker(TitleAsker asker) { m_askTitle = std::move(asker); }

    int Tab() const { return m_design.Tab(); }
    const QueryDesign& Design() const { return m_design; }
    const QueryRows& Rows() const { return m_rows; }
    const std::vector<SavedQuery>& SavedQueries() const { return m_saved; }
    /// The latest run (what the results page shows, and what an export takes).
    const QueryResult& Result() const { return m_result; }
    bool ShowingResults() const;
    /// The row of buttons of the results page, beside "Design".
    QHBoxLayout* ResultButtonArea() const { return m_resultButtons; }
    /// A command added at the end of that row (never the default button).
    QPushButton* AddResultButton(const QString& caption, const char* name, const QString& hint);
    QMenu* Popup() const { return m_popup; }

    // Handlers (public so tests can drive them).
    void sbTabClick(int tab);
    void lbFieldsDblClick(const QModelIndex& index);
    void cbQueryClick(int index);
    void cbGamesChange(int index);
    void btnRunClick();
    void btnSaveClick();
    void btnDesignClick();
    /// The design grid's top row was dragged: the column moves (header positions stay put).
    void sgQueryColumnMoved(int logical, int oldVisual, int newVisual);
    /// Prepares the right-click menu for a grid column; false for an unused column (no menu).
    bool PopupFor(int column);
    void miDeleteClick();
    void miSortClick(SortOrder sort);

private:
    void BuildDesignPage();
    void BuildResultsPage();
    void BuildPopup();
    void ConnectControls();
    void OpenSavedQueries();
    void FillGames();
    void FillQueries(int selectEntry);
    void ShowResults();
    QuerySource Source() const;

    League& m_league;
    AppContext& m_context;
    QueryFormat m_format;
    QueryRows m_rows;
    QueryDesign m_design;
    QueryResult m_result;
    std::vector<SavedQuery> m_saved;
    TitleAsker m_askTitle;
    int m_popupColumn = -1;

    QStackedWidget* m_stack = nullptr;
    QWidget* m_designPage = nullptr;
    QWidget* m_resultsPage = nullptr;
    QButtonGroup* m_tabButtons = nullptr;
    QListView* m_fields = nullptr;
    QueryFieldListModel* m_fieldsModel = nullptr;
    QTableView* m_grid = nullptr;
    QueryDesignModel* m_designModel = nullptr;
    QComboBox* m_queries = nullptr;
    QComboBox* m_games = nullptr;
    QPushButton* m_run = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_close = nullptr;
    QTableView* m_results = nullptr;
    QueryResultModel* m_resultsModel = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_designButton = nullptr;
    QHBoxLayout* m_resultButtons = nullptr;
    QMenu* m_popup = nullptr;
};

/// Adds the "Query" button (hint "Perform adhoc queries") to the league table page's buttons;
/// it opens the query window over the league.
void InstallQueryWindow(LeagueHost& host);

} // namespace gorlin
