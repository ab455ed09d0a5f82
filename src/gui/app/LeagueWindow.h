#pragma once

#include "core/Version.h"
#include "core/model/League.h"
#include "gui/league/LeagueHost.h"
#include "gui/widgets/AppContext.h"

#include <QDialog>
#include <QString>
#include <functional>

class QAction;
class QTabWidget;
class QToolBar;

namespace gorlin {

class HelpWindow;

/// The window of one open league: loads the file, owns the model while open, holds the seven
/// pages, the Save command and the close prompt. Created for each opening, shown modally over the
/// hidden folder window.
class LeagueWindow final : public QDialog, public LeagueHost {
    Q_OBJECT
public:
    static constexpr const char* kCaption = kProgramCaption;
    static constexpr const char* kPendingGameText = "Result entry in progress. Complete it or cancel";
    static constexpr const char* kSavePromptText = "Table data updated ! Do you want to save the changes?";

    explicit LeagueWindow(AppContext& context, QWidget* parent = nullptr);
    ~LeagueWindow() override;

    /// Reads the league file and prepares the window for it. A file that cannot be read is reported
    /// through the prompter and false is returned: the window must then not be shown.
    bool Load(const QString& path);

    // LeagueHost
    League& GetLeague() override { return m_league; }
    AppContext& Context() override { return m_context; }
    QWidget* Window() override { return this; }
    void SetPage(int index, QWidget* page) override;
    QTabWidget* Pages() const override { return m_pages; }
    void SetSortRulesHook(std::function<bool()> hook) override { m_sortRulesHook = std::move(hook); }
    /// Writes the league to its file (backup first when TakeBackup is on). A failure is reported
    /// and the league stays open and unsaved; returns whether it was written.
    bool SaveData() override;
    /// The About box with the league's statistics panel.
    void ShowAbout() override;
    bool ShowSetup() override;
    void ShowHelp(const QString& topic) override;

    const League& GetLeague() const { return m_league; }
    const QString& FilePath() const { return m_path; }
    QWidget* Page(int index) const;

    /// Asks the close questions in order; true when the window may close.
    bool CloseQuery();

    /// The Save command: enabled while DataChanged is set, or while Shift is held.
    QAction* SaveAction() const { return m_saveAction; }

    /// State of the loaded league the pages read.
    bool UpdateAvailable() const { return m_league.Head.VersionId != 0; }
    bool MatchGridAvailable() const {
        return m_league.Head.TimesToPlay == 2 || m_league.Head.TimesToPlay == 4;
    }
    /// FileListStale as it stood when the window closed (the model is emptied on closing).
    bool FileListStaleOnClose() const { return m_fileListStale; }

public slots:
    /// Pages call this after changing the model, so the Save command follows DataChanged.
    void DataChangedNotify() override;
    void reject() override;

signals:
    /// The file was loaded and the window prepared; pages refresh from the model.
    void LeagueLoaded();
    /// The window is closing; the model is still intact.
    void LeagueClosing();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlaceFromSettings();
    /// The closing steps: empties the model and stores size, place and print font.
    void FinishClose();

    AppContext& m_context;
    League m_league;
    QString m_path;
    QToolBar* m_toolBar;
    QTabWidget* m_pages;
    QAction* m_saveAction;
    QAction* m_aboutAction;
    QAction* m_closeAction;
    HelpWindow* m_help = nullptr;
    std::function<bool()> m_sortRulesHook;
    bool m_shiftHeld = false;
    bool m_closeApproved = false;
    bool m_finished = false;
    bool m_fileListStale = false;
    bool m_firstShow = true;
    bool m_backupSkipTold = false; // "saved without a backup" is said once per opening
};

} // namespace gorlin
