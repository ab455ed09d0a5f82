#include "gui/app/LeagueWindow.h"

#include "core/model/LeagueFile.h"
#include "core/model/Text.h"
#include "gui/app/AboutBox.h"
#include "gui/app/HelpWindow.h"
#include "gui/app/SetupDialog.h"
#include "gui/widgets/LeagueText.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWindow>
#include <cstdlib>

namespace gorlin {

namespace {

constexpr int kDesignWidth = 960;
constexpr int kDesignHeight = 680;

const char* const kPageNames[LeagueWindow::kPageCount] = {
    "tsLeagueTable", "tsTeamStats", "tsGoalStats", "tsDivStats", "tsResults", "tsFixtures", "tsMaintenance"};

std::filesystem::path ToPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

/// A page not yet filled: shows its title.
QWidget* MakeTitlePage(int index, QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(kPageNames[index]);
    auto* layout = new QVBoxLayout(page);
    auto* title = new QLabel(QString::fromLatin1(LeagueHost::PageTitle(index)), page);
    title->setObjectName("lblPageTitle");
    QFont f = title->font();
    f.setPointSizeF(f.pointSizeF() * 1.6);
    f.setBold(true);
    title->setFont(f);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
    return page;
}

} // namespace

LeagueWindow::LeagueWindow(AppContext& context, QWidget* parent)
    : QDialog(parent), m_context(context), m_league(), m_toolBar(new QToolBar(this)),
      m_pages(new QTabWidget(this)) {
    setObjectName("LeagueWindow");
    setWindowTitle(QString::fromLatin1(kCaption));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);

    m_toolBar->setObjectName("tbLeague");
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_toolBar->setIconSize(QSize(16, 16));

    // The toolbar takes no Alt keys: those belong to the pages' captions (Save has Ctrl+S, and
    // Esc closes the window).
    m_saveAction = new QAction(style()->standardIcon(QStyle::SP_DialogSaveButton), tr("Save"), this);
    m_saveAction->setObjectName("miSave");
    m_saveAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_S), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)});
    m_saveAction->setShortcutContext(Qt::WindowShortcut);
    m_saveAction->setToolTip(tr("Save the league table (hold Shift to save it unchanged)"));
    connect(m_saveAction, &QAction::triggered, this, [this] {
        if (m_league.DataChanged || m_shiftHeld)
            SaveData();
    });

    m_aboutAction = new QAction(style()->standardIcon(QStyle::SP_MessageBoxInformation), tr("About"), this);
    m_aboutAction->setObjectName("miAbout");
    m_aboutAction->setToolTip(tr("Display program version information"));
    connect(m_aboutAction, &QAction::triggered, this, &LeagueWindow::ShowAbout);

    m_closeAction = new QAction(style()->standardIcon(QStyle::SP_DialogCloseButton), tr("Close"), this);
    m_closeAction->setObjectName("miClose");
    m_closeAction->setToolTip(tr("Close the table and return to the table folder"));
    connect(m_closeAction, &QAction::triggered, this, &QWidget::close);

    m_toolBar->addAction(m_saveAction);
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_aboutAction);
    m_toolBar->addAction(m_closeAction);
    addAction(m_saveAction);

    m_pages->setObjectName("pcLeague");
    for (int i = 0; i < kPageCount; ++i)
        m_pages->addTab(MakeTitlePage(i, m_pages), QString::fromLatin1(PageTitle(i)));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 4);
    layout->setSpacing(2);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_pages, 1);

    resize(kDesignWidth, kDesignHeight);
    qApp->installEventFilter(this);
    DataChangedNotify();
}

LeagueWindow::~LeagueWindow() {
    qApp->removeEventFilter(this);
}

bool LeagueWindow::Load(const QString& path) {
    Expected<League> loaded = LoadLeague(ToPath(path));
    if (!loaded) {
        m_context.prompter.Error(parentWidget(),
                                 tr("The league file %1 could not be opened.\n\n%2")
                                     .arg(path, QString::fromStdString(loaded.error().Message)));
        return false;
    }
    m_league = std::move(loaded.value());
    m_league.DataChanged = false;
    m_path = path;
    m_finished = false;
    PlaceFromSettings();

    setWindowTitle(QString::fromLatin1(kCaption) + QStringLiteral(" - ") +
                   FromLeague(m_league.Head.TableName.view()));
    if (m_context.installLeaguePages)
        m_context.installLeaguePages(*this);
    DataChangedNotify();
    emit LeagueLoaded();
    return true;
}

void LeagueWindow::SetPage(int index, QWidget* page) {
    if (index < 0 || index >= kPageCount || page == nullptr)
        return;
    QWidget* old = m_pages->widget(index);
    const bool current = m_pages->currentIndex() == index;
    m_pages->removeTab(index);
    m_pages->insertTab(index, page, QString::fromLatin1(PageTitle(index)));
    if (current)
        m_pages->setCurrentIndex(index);
    if (old != nullptr && old != page)
        old->deleteLater();
}

QWidget* LeagueWindow::Page(int index) const {
    return m_pages->widget(index);
}

void LeagueWindow::DataChangedNotify() {
    m_saveAction->setEnabled(m_league.DataChanged || m_shiftHeld);
}

bool LeagueWindow::SaveData() {
    if (!SignatureIntact(m_league)) {
        // The model is damaged: writing it would destroy the file.
        m_context.prompter.Error(this, QString::fromLatin1(kInternalErrorText));
        if (m_context.terminate)
            m_context.terminate(EXIT_FAILURE);
        else
            std::exit(EXIT_FAILURE);
        return false;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    SaveReport report;
    const Status saved =
        SaveLeague(m_league, ToPath(m_path), SaveOptions{m_context.settings.TakeBackup}, &report);
    QApplication::restoreOverrideCursor();
    if (!saved) {
        m_context.prompter.Error(this,
                                 tr("The league table could not be saved. Your changes have NOT been written "
                                    "and the table stays open.\n\n%1")
                                     .arg(QString::fromStdString(saved.Message)));
        DataChangedNotify();
        return false;
    }
    if (report.BackupSkipped && !m_backupSkipTold) {
        m_backupSkipTold = true;
        m_context.prompter.Information(
            this, tr("The league was saved without a backup: the backup of %1 would have the same name as "
                     "the league file itself. Rename the file to keep backups.")
                      .arg(QFileInfo(m_path).fileName()));
    }
    DataChangedNotify();
    return true;
}

bool LeagueWindow::CloseQuery() {
    if (m_league.SortRulesChanged && m_sortRulesHook && !m_sortRulesHook())
        return false;
    if (m_league.PendingGame) {
        m_context.prompter.Error(this, QString::fromLatin1(kPendingGameText));
        return false;
    }
    if (m_league.DataChanged) {
        switch (m_context.prompter.YesNoCancel(this, QString::fromLatin1(kSavePromptText))) {
        case Prompter::Answer::Yes:
            return SaveData();
        case Prompter::Answer::No:
            return true;
        case Prompter::Answer::Cancel:
            return false;
        }
    }
    return true;
}

void LeagueWindow::reject() {
    // Escape and the close button both come here; the close questions guard both.
    if (!m_closeApproved && !CloseQuery())
        return;
    m_closeApproved = false;
    FinishClose();
    QDialog::reject();
}

void LeagueWindow::closeEvent(QCloseEvent* event) {
    if (m_finished || !isVisible()) {
        QDialog::closeEvent(event);
        return;
    }
    if (!CloseQuery()) {
        event->ignore();
        return;
    }
    m_closeApproved = true;
    QDialog::closeEvent(event); // calls reject() while visible
    if (m_closeApproved) {
        m_closeApproved = false;
        FinishClose();
    }
}

void LeagueWindow::FinishClose() {
    if (m_finished)
        return;
    m_finished = true;
    emit LeagueClosing();
    m_fileListStale = m_league.FileListStale;

    Settings& s = m_context.settings;
    const QRect frame = frameGeometry();
    const QRect normal = isMaximized() || isMinimized() ? normalGeometry() : geometry();
    s.ProcHeight = normal.height();
    s.ProcWidth = normal.width();
    s.ProcLeft = isMaximized() || isMinimized() ? normal.x() : frame.x();
    s.ProcTop = isMaximized() || isMinimized() ? normal.y() : frame.y();
    s.WriteFormSize(m_context.ini);
    m_context.SaveSettings(this);

    m_league.Clear();
    m_league.DataChanged = false;
    m_league.PendingGame = false;
    m_league.SortRulesChanged = false;
}

void LeagueWindow::PlaceFromSettings() {
    const Settings& s = m_context.settings;
    if (s.ProcHeight > 0 && s.ProcWidth > 0)
        resize(s.ProcWidth, s.ProcHeight);
    if (s.ProcLeft != 0 || s.ProcTop != 0) {
        // A place kept from a screen that is no longer there would hide the window.
        const QPoint topLeft(s.ProcLeft, s.ProcTop);
        for (const QScreen* screen : QGuiApplication::screens()) {
            if (screen->availableGeometry().contains(topLeft + QPoint(40, 20))) {
                move(topLeft);
                break;
            }
        }
    }
}

void LeagueWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_firstShow) {
        m_firstShow = false;
        const QScreen* screen = this->screen();
        if (screen != nullptr && screen->size().width() <= 640 && screen->size().height() <= 480)
            setWindowState(windowState() | Qt::WindowMaximized);
        // The keyboard starts on the page (the league grid), not on the toolbar.
        if (QWidget* page = m_pages->currentWidget())
            page->setFocus(Qt::OtherFocusReason);
    }
}

void LeagueWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized()) {
        // Minimising the table minimises the whole program, not just this window.
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top != this && top->isVisible() && !top->isMinimized() && top->isWindow())
                top->showMinimized();
    }
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && m_shiftHeld) {
        m_shiftHeld = false;
        DataChangedNotify();
    }
}

bool LeagueWindow::eventFilter(QObject* watched, QEvent* event) {
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Shift) {
        const bool held = event->type() == QEvent::KeyPress;
        if (held != m_shiftHeld) {
            m_shiftHeld = held;
            DataChangedNotify();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void LeagueWindow::ShowAbout() {
    AboutBox box(&m_league, this);
    box.exec();
}

void LeagueWindow::ShowHelp(const QString& topic) {
    if (m_help == nullptr)
        m_help = new HelpWindow(this);
    m_help->ShowTopic(topic);
}

bool LeagueWindow::ShowSetup() {
    SetupDialog dialog(m_context.settings, m_context.ini, m_context.prompter, m_context.dialUpAvailable,
                       this);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace gorlin
