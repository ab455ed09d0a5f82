#include "gui/app/FolderWindow.h"

#include "core/model/Text.h"
#include "gui/app/AboutBox.h"
#include "gui/app/HelpWindow.h"
#include "gui/app/LeagueWindow.h"
#include "gui/app/NewTableWizard.h"
#include "gui/app/SetupDialog.h"
#include "gui/widgets/LeagueText.h"
#include "platform/Trash.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace gorlin {

namespace {

constexpr int kIndexRole = Qt::UserRole;
constexpr int kFolderRole = Qt::UserRole + 1;

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QString& hint) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    if (!hint.isEmpty())
        b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

} // namespace

FolderWindow::FolderWindow(AppContext& context, QWidget* parent)
    : QMainWindow(parent), m_context(context), m_folderLabel(new QLabel), m_tree(new QTreeWidget) {
    setObjectName("FolderWindow");
    setWindowTitle(QString::fromLatin1(kCaption));
    auto* central = new QWidget(this);
    BuildTree(central);
    BuildButtons(central);
    LayOut(central);
    ConnectControls();

    resize(560, 400);
    ShowFolder();
    // The start-up warning waits for the message loop, so it appears over this window.
    m_deferWarning = true;
    UpdateFileTable();
    m_deferWarning = false;
}

void FolderWindow::BuildTree(QWidget* central) {
    m_folderLabel->setParent(central);
    m_folderLabel->setObjectName("lbDirect");
    m_folderLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_folderLabel->setWordWrap(true);

    m_tree->setParent(central);
    m_tree->setObjectName("tvDivFiles");
    m_tree->setHeaderHidden(true);
    m_tree->setColumnCount(1);
    m_tree->setRootIsDecorated(true);
    m_tree->setUniformRowHeights(true);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setExpandsOnDoubleClick(false); // activation toggles folders, for the mouse and Enter alike
    m_tree->setMinimumSize(260, 220);
}

void FolderWindow::BuildButtons(QWidget* central) {
    m_btnOpen = MakeButton(central, "btnOpen", tr("&Open"), tr("Open selected table"));
    m_btnNew = MakeButton(central, "btnNew", tr("&New"), tr("Create a new league table"));
    m_btnDelete = MakeButton(central, "btnDelete", tr("&Delete"), tr("Delete the selected table"));
    m_btnDirect = MakeButton(central, "btnDirect", tr("&Folder"), tr("Set location of league table files"));
    m_btnSetup = MakeButton(central, "btnSetup", tr("&Setup"), tr("Set program options"));
    m_btnHelp = MakeButton(central, "btnHelp", tr("&Help"), tr("Display Help table of contents"));
    m_btnAbout = MakeButton(central, "btnAbout", tr("&About"), tr("Display program version information"));
    m_btnExit = MakeButton(central, "btnExit", tr("&Exit"), QString());
}

void FolderWindow::LayOut(QWidget* central) {
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {m_btnOpen, m_btnNew, m_btnDelete, m_btnDirect})
        buttons->addWidget(b);
    buttons->addSpacing(12);
    for (QPushButton* b : {m_btnSetup, m_btnHelp, m_btnAbout})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(m_btnExit);

    auto* grid = new QGridLayout(central);
    grid->addWidget(m_tree, 0, 0);
    grid->addLayout(buttons, 0, 1);
    grid->addWidget(m_folderLabel, 1, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(0, 1);
    setCentralWidget(central);

    setTabOrder(m_tree, m_btnOpen);
    setTabOrder(m_btnOpen, m_btnNew);
    setTabOrder(m_btnNew, m_btnDelete);
    setTabOrder(m_btnDelete, m_btnDirect);
    setTabOrder(m_btnDirect, m_btnSetup);
    setTabOrder(m_btnSetup, m_btnHelp);
    setTabOrder(m_btnHelp, m_btnAbout);
    setTabOrder(m_btnAbout, m_btnExit);
}

void FolderWindow::ConnectControls() {
    connect(m_btnNew, &QPushButton::clicked, this, &FolderWindow::btnNewClick);
    connect(m_btnOpen, &QPushButton::clicked, this, &FolderWindow::btnOpenClick);
    connect(m_btnDelete, &QPushButton::clicked, this, &FolderWindow::btnDeleteClick);
    connect(m_btnDirect, &QPushButton::clicked, this, &FolderWindow::btnDirectClick);
    connect(m_btnSetup, &QPushButton::clicked, this, &FolderWindow::btnSetupClick);
    connect(m_btnHelp, &QPushButton::clicked, this, &FolderWindow::btnHelpClick);
    connect(m_btnAbout, &QPushButton::clicked, this, &FolderWindow::btnAboutClick);
    connect(m_btnExit, &QPushButton::clicked, this, &FolderWindow::btnExitClick);
    connect(m_tree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        // Double-click or Enter on a file opens it; on a folder either expands or collapses it.
        if (FileIndexOf(item) > 0)
            btnOpenClick();
        else if (item != nullptr && item->data(0, kFolderRole).toBool())
            item->setExpanded(!item->isExpanded());
    });
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this] { UpdateDeleteEnabled(); });
    connect(m_tree, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
        item->setIcon(0, style()->standardIcon(QStyle::SP_DirOpenIcon));
    });
    connect(m_tree, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) {
        item->setIcon(0, style()->standardIcon(QStyle::SP_DirClosedIcon));
    });
}

FolderWindow::~FolderWindow() = default;

LeagueWindow* FolderWindow::OpenLeagueWindow() const {
    return m_leagueWindow.data();
}

int FolderWindow::FileIndexOf(const QTreeWidgetItem* item) {
    return item == nullptr || item->data(0, kFolderRole).toBool() ? 0 : item->data(0, kIndexRole).toInt();
}

QString FolderWindow::FilePathOf(int index) const {
    if (index < 1 || index >= static_cast<int>(m_scan.DivFiles.size()))
        return {};
    return m_context.TableFolder() +
           QString::fromStdString(m_scan.DivFiles[static_cast<std::size_t>(index)].Path);
}

void FolderWindow::ShowFolder() {
    QString folder = m_context.TableFolder();
    if (folder.size() > 1 && folder.endsWith('/'))
        folder.chop(1);
    m_folderLabel->setText(QString::fromLatin1(kCurrentFolderLabel) + QDir::toNativeSeparators(folder));
}

void FolderWindow::UpdateFileTable() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_tree->setUpdatesEnabled(false);
    m_tree->clear();
    m_scan = ScanTableFolder(std::filesystem::path(QFile::encodeName(m_context.TableFolder()).toStdString()),
                             m_context.settings.ShowSubFolders);
    m_divFileCount = m_scan.DivFileCount;
    AddNodes(nullptr, m_scan.Nodes);
    if (m_tree->topLevelItemCount() > 0)
        m_tree->setCurrentItem(m_tree->topLevelItem(0));
    m_tree->setUpdatesEnabled(true);
    QApplication::restoreOverrideCursor();

    if (const auto warning = FolderWarning(m_scan, m_warned)) {
        const QString text = QString::fromStdString(*warning);
        if (m_deferWarning)
            QTimer::singleShot(0, this, [this, text] { m_context.prompter.Information(this, text); });
        else
            m_context.prompter.Information(this, text);
    }

    m_btnOpen->setEnabled(m_divFileCount > 0);
    UpdateDeleteEnabled();
}

void FolderWindow::AddNodes(QTreeWidgetItem* parent, const std::vector<FolderNode>& nodes) {
    for (const FolderNode& node : nodes) {
        auto* item = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_tree);
        if (node.IsFolder) {
            item->setText(0, QString::fromStdString(node.Text));
            item->setData(0, kFolderRole, true);
            item->setData(0, kIndexRole, 0);
            item->setIcon(0, style()->standardIcon(QStyle::SP_DirClosedIcon));
            item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
            AddNodes(item, node.Children);
        } else {
            item->setText(0, FromLeague(node.Text));
            item->setData(0, kFolderRole, false);
            item->setData(0, kIndexRole, node.FileIndex);
            item->setIcon(0, style()->standardIcon(QStyle::SP_FileIcon));
            item->setToolTip(0, QDir::toNativeSeparators(QString::fromStdString(
                                    m_scan.DivFiles[static_cast<std::size_t>(node.FileIndex)].Path)));
        }
    }
}

void FolderWindow::UpdateDeleteEnabled() {
    m_btnDelete->setEnabled(m_divFileCount > 0 && FileIndexOf(m_tree->currentItem()) > 0);
}

void FolderWindow::btnNewClick() {
    NewTableWizard wizard(m_context, m_scan.DivFiles, this);
    const bool created = wizard.exec() == QDialog::Accepted;
    UpdateFileTable();
    if (created)
        SelectFile(wizard.SavedFile());
}

bool FolderWindow::SelectFile(const QString& path) {
    const QString wanted = QFileInfo(path).canonicalFilePath();
    if (wanted.isEmpty())
        return false;
    for (QTreeWidgetItemIterator it(m_tree); *it != nullptr; ++it) {
        const int index = FileIndexOf(*it);
        if (index > 0 && QFileInfo(FilePathOf(index)).canonicalFilePath() == wanted) {
            for (QTreeWidgetItem* up = (*it)->parent(); up != nullptr; up = up->parent())
                up->setExpanded(true);
            m_tree->setCurrentItem(*it);
            m_tree->scrollToItem(*it);
            return true;
        }
    }
    return false;
}

void FolderWindow::btnOpenClick() {
    QTreeWidgetItem* item = m_tree->currentItem();
    if (item == nullptr)
        return;
    if (item->data(0, kFolderRole).toBool()) {
        item->setExpanded(true);
        return;
    }
    OpenLeague(FileIndexOf(item));
}

bool FolderWindow::OpenLeague(int index) {
    const QString path = FilePathOf(index);
    return !path.isEmpty() && OpenLeagueFile(path);
}

bool FolderWindow::OpenLeagueFile(const QString& path) {
    auto* window = new LeagueWindow(m_context, this);
    m_leagueWindow = window;
    if (!window->Load(path)) {
        delete window;
        return false;
    }
    hide();
    window->exec();
    const bool stale = window->FileListStaleOnClose();
    delete window;
    show();
    activateWindow();
    if (stale)
        UpdateFileTable();
    return true;
}

void FolderWindow::btnDeleteClick() {
    QTreeWidgetItem* item = m_tree->currentItem();
    const int index = FileIndexOf(item);
    if (index == 0) {
        m_context.prompter.Beep();
        return;
    }
    const QString title = item->text(0);
    if (m_context.prompter.YesNo(this, QString::fromLatin1(kDeleteQuestion).arg(title)) !=
        Prompter::Answer::Yes)
        return;
    const QString path = FilePathOf(index);
    // Without a usable trash the file is kept and the failure reported: it is never removed for good
    // when the user asked for the recycle bin.
    const TrashResult result = m_context.settings.RecycleOnDelete ? MoveToTrash(path)
                               : QFile::remove(path)              ? TrashResult::Moved
                                                                  : TrashResult::Failed;
    if (result == TrashResult::NoTrash) {
        m_context.prompter.Error(this, QString::fromLatin1(kDeleteFailed) + QStringLiteral("\n\n") +
                                           QString::fromLatin1(kNoTrashHint));
        return;
    }
    if (result != TrashResult::Moved) {
        m_context.prompter.Error(this, QString::fromLatin1(kDeleteFailed));
        return;
    }
    --m_divFileCount;
    delete item;
    UpdateDeleteEnabled();
}

void FolderWindow::btnDirectClick() {
    QString chosen =
        m_context.fileDialogs.Folder(this, QString::fromLatin1(kFolderDialogTitle), m_context.TableFolder());
    if (chosen.isEmpty())
        return;
    chosen = QDir::fromNativeSeparators(chosen);
    if (!chosen.endsWith('/'))
        chosen += '/';
    m_context.settings.FilePath = chosen.toStdString();
    m_context.settings.WriteFilePath(m_context.ini);
    m_context.SaveSettings(this);
    ShowFolder();
    m_warned = false;
    UpdateFileTable();
}

void FolderWindow::btnSetupClick() {
    const bool showSubFolders = m_context.settings.ShowSubFolders;
    SetupDialog dialog(m_context.settings, m_context.ini, m_context.prompter, m_context.dialUpAvailable,
                       this);
    dialog.exec();
    // Hints follow ShowHints by themselves (HintFilter reads it at each hint).
    if (m_context.settings.ShowSubFolders != showSubFolders)
        UpdateFileTable();
}

void FolderWindow::btnHelpClick() {
    if (m_help == nullptr)
        m_help = new HelpWindow(this);
    m_help->ShowContents();
}

void FolderWindow::btnAboutClick() {
    AboutBox box(nullptr, this);
    box.exec();
}

void FolderWindow::btnExitClick() {
    close();
}

} // namespace gorlin
