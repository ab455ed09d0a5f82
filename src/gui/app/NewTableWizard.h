#pragma once

#include "core/app/BaseTables.h"
#include "core/app/NewTableWizard.h"
#include "core/app/TableFolder.h"
#include "gui/widgets/AppContext.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;
class QTabBar;

namespace gorlin {

class HelpWindow;

/// The New Table wizard: eleven pages from the table's source to its team size, then a save
/// dialog and a new league file. Built anew for each use, so it always starts on page 0 with
/// every control at its default. Base tables are chosen among the league files of the table
/// folder listed in `divFiles` (the folder window's DivFiles, 1-based).
class NewTableWizard final : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kCaption = "New Table Wizard";
    static constexpr const char* kSaveCaption = "Save New Table";
    static constexpr const char* kHelpTopic = "newtable.html";

    NewTableWizard(AppContext& context, std::vector<DivFileRec> divFiles, QWidget* parent = nullptr);

    /// The page shown, 0..10.
    int Page() const { return m_page; }
    /// The file Finish wrote (empty until then).
    QString SavedFile() const { return m_savedFile; }
    /// The help window once Help was used.
    HelpWindow* Help() const { return m_help; }

public slots:
    void btnBackClick();
    void btnNextClick();
    void btnHelpClick();
    void btnSelectAllClick();
    void btnClearAllClick();
    void btnAddClick();
    void btnEditClick();

private:
    void BuildHeading();
    void BuildPages();
    QWidget* BuildIntroPage();
    QWidget* BuildSourcePage();
    QWidget* BuildNameSizePage();
    QWidget* BuildBaseTablePage();
    QWidget* BuildSelectTeamsPage();
    QWidget* BuildTeamNamesPage();
    QWidget* BuildTimesToPlayPage();
    QWidget* BuildGamePointsPage();
    QWidget* BuildOwnTeamPage();
    QWidget* BuildPromotionPage();
    QWidget* BuildTeamSizePage();
    void BuildButtons();
    void LayOut();
    void ConnectControls();
    void SetTabOrder();

    bool FromScratch() const;
    int TeamCount() const;
    /// Shows a page and does what entering it does.
    void EnterPage(int page);
    /// The checks and work of Next on the page shown; false keeps the page.
    bool LeavePage();
    bool LeaveNameSizePage();
    bool LeaveBaseTablePage();
    bool LeaveSelectTeamsPage();
    bool LeaveTeamNamesPage();
    /// Finish: builds the league, asks for the file and writes it; false keeps the wizard open.
    bool FinishHit();
    /// Shows a failed check in an error box.
    void Refuse(const std::string& message, QWidget* focus = nullptr);

    void ShowTabs();
    void ShowSlotTeams(int slot);
    void StoreShownTicks();
    void TabChanging(int index);
    void ShowNames();
    void UpdateRemaining();
    void EditName(QListWidgetItem* item);
    bool eventFilter(QObject* watched, QEvent* event) override;

    AppContext& m_context;
    std::vector<DivFileRec> m_divFiles;
    int m_page = kIntroPage;
    /// The number of teams, taken when Next leaves page 2.
    int m_teamCount = kTeamCountRange.Default;
    BaseTables m_base;
    /// The base slot whose teams page 4 shows.
    int m_shownSlot = 0;
    TeamNameList m_names;
    QString m_savedFile;
    HelpWindow* m_help = nullptr;

    QLabel* m_heading = nullptr;
    QLabel* m_subHeading = nullptr;
    QStackedWidget* m_pages = nullptr;
    QRadioButton* m_rbScratch = nullptr;
    QRadioButton* m_rbExisting = nullptr;
    QLineEdit* m_edTableName = nullptr;
    QSpinBox* m_udNumTeams = nullptr;
    QListWidget* m_lbTables = nullptr;
    QCheckBox* m_cbCopyPlayers = nullptr;
    QCheckBox* m_cbCopyReferees = nullptr;
    QTabBar* m_tcTables = nullptr;
    QListWidget* m_clbTeams = nullptr;
    QPushButton* m_btnSelectAll = nullptr;
    QPushButton* m_btnClearAll = nullptr;
    QListWidget* m_lbTeamNames = nullptr;
    QLineEdit* m_edTeamName = nullptr;
    QPushButton* m_btnAdd = nullptr;
    QPushButton* m_btnEdit = nullptr;
    QLabel* m_pnlRemaining = nullptr;
    QSpinBox* m_udPlayTimes = nullptr;
    QSpinBox* m_udWinPoints = nullptr;
    QSpinBox* m_udDrawPoints = nullptr;
    QSpinBox* m_udLossPoints = nullptr;
    QListWidget* m_lbOwnTeam = nullptr;
    QSpinBox* m_udPromoted = nullptr;
    QSpinBox* m_udPlayOffs = nullptr;
    QSpinBox* m_udRelegated = nullptr;
    QSpinBox* m_udRelPlayOffs = nullptr;
    QSpinBox* m_udTeamSize = nullptr;
    QSpinBox* m_udHalfLength = nullptr;
    QPushButton* m_btnBack = nullptr;
    QPushButton* m_btnNext = nullptr;
    QPushButton* m_btnCancel = nullptr;
    QPushButton* m_btnHelp = nullptr;
};

} // namespace gorlin
