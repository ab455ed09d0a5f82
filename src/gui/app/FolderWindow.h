#pragma once

#include "core/Version.h"
#include "core/app/TableFolder.h"
#include "gui/widgets/AppContext.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace gorlin {

class HelpWindow;
class LeagueWindow;

/// The main window, captioned with the program name and version: the tree of league files of the table folder
/// and the commands to open, create, delete and locate them, Setup, Help and About. Closing it ends the
/// program.
class FolderWindow final : public QMainWindow {
    Q_OBJECT
public:
    static constexpr const char* kCaption = kProgramCaption;
    static constexpr const char* kCurrentFolderLabel = "Current Folder: ";
    static constexpr const char* kFolderDialogTitle = "Set League Files Location";
    static constexpr const char* kDeleteQuestion = "Are you sure you want to delete %1";
    static constexpr const char* kDeleteFailed = "The selected file could not be deleted";
    static constexpr const char* kNoTrashHint =
        "There is no usable trash for its folder, so it was kept. Untick \"Send deleted files to the "
        "Recycle Bin\" in Setup to delete files without the trash.";

    explicit FolderWindow(AppContext& context, QWidget* parent = nullptr);
    ~FolderWindow() override;

    /// Rebuilds the list of league files from the table folder and shows a folder warning once.
    void UpdateFileTable();

    const TableFolderScan& Files() const { return m_scan; }
    /// Files listed (lowered by a delete until the next rebuild).
    int DivFileCount() const { return m_divFileCount; }
    QTreeWidget* Tree() const { return m_tree; }
    /// The DivFiles index of a file node, 0 for a folder node or none.
    static int FileIndexOf(const QTreeWidgetItem* item);
    /// The full path of DivFiles entry `index`.
    QString FilePathOf(int index) const;

    /// Opens the league of entry `index`: hides this window, shows the league window modally,
    /// and shows this window again when it has closed. False when the file could not be loaded.
    bool OpenLeague(int index);
    /// Opens the league file at `path` (listed or not) as OpenLeague opens a listed one, with the
    /// same message for a file that cannot be read. The table folder is left as it is.
    bool OpenLeagueFile(const QString& path);
    /// The league window while one is open (tests drive it from a timer).
    LeagueWindow* OpenLeagueWindow() const;

    /// Selects the node of the listed file at `path` (showing its folder); false when it is not listed.
    bool SelectFile(const QString& path);

public slots:
    void btnNewClick();
    void btnOpenClick();
    void btnDeleteClick();
    void btnDirectClick();
    void btnSetupClick();
    void btnHelpClick();
    void btnAboutClick();
    void btnExitClick();

private:
    void BuildTree(QWidget* central);
    void BuildButtons(QWidget* central);
    void LayOut(QWidget* central);
    void ConnectControls();
    void AddNodes(QTreeWidgetItem* parent, const std::vector<FolderNode>& nodes);
    void ShowFolder();
    void UpdateDeleteEnabled();

    AppContext& m_context;
    TableFolderScan m_scan;
    int m_divFileCount = 0;
    bool m_warned = false;
    bool m_deferWarning = false;
    QLabel* m_folderLabel;
    QTreeWidget* m_tree;
    QPushButton* m_btnNew;
    QPushButton* m_btnOpen;
    QPushButton* m_btnDelete;
    QPushButton* m_btnDirect;
    QPushButton* m_btnSetup;
    QPushButton* m_btnHelp;
    QPushButton* m_btnAbout;
    QPushButton* m_btnExit;
    HelpWindow* m_help = nullptr;
    QPointer<LeagueWindow> m_leagueWindow;
};

} // namespace gorlin
