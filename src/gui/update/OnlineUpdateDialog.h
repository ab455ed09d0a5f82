#pragma once

#include "core/update/DialUp.h"
#include "core/update/ProcessUpdate.h"
#include "core/update/UpdateRetrieval.h"

#include <QDialog>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace gorlin {

struct AppContext;
struct League;
class LeagueHost;
class LeagueTablePage;
class RetrievalDriver;

/// "Gorlin - On-Line Update": fetches the league's update file from its update server (dialling
/// first when the settings ask for it) and applies it. The status text shows every step; while
/// a chain runs the buttons are disabled and the cursor is busy, until Reset.
class OnlineUpdateDialog : public QDialog {
    Q_OBJECT
public:
    /// `dialUp` is the program's dial-up state; without one the service counts as absent.
    OnlineUpdateDialog(League& league, AppContext& context, DialUpSession* dialUp = nullptr,
                       QWidget* parent = nullptr);
    ~OnlineUpdateDialog() override;

    // Handlers (public so tests can drive them).
    /// Unticking the player box unticks and disables the squad box; ticking it enables the squad
    /// box without ticking it.
    void cbPlayersClick();
    /// Starts a chain: dial-up logic, then the retrieval, then ProcessUpdate.
    void btnProceedClick();
    /// A progress report of the dial-up service for the connection being dialled.
    void DialStateReported(int state, int error);

    /// Normal cursor, both buttons enabled, progress bar at 0.
    void Reset();
    /// Shows a status text at once.
    void LogMessage(const QString& text);

    /// The check boxes as they stand.
    UpdateOptions Options() const;
    /// Between Proceed and the end of its chain.
    bool Busy() const { return m_busy; }
    /// True once a received update file changed the league.
    bool LeagueChanged() const { return m_changed; }
    /// The chain's driver (tests shorten its limits through the start it is given).
    RetrievalDriver& Driver() const { return *m_driver; }
    /// Adjusts each chain's start before it runs (tests shorten the limits).
    void SetStartAdjuster(std::function<void(RetrievalStart&)> adjust) { m_adjustStart = std::move(adjust); }

    /// Closing abandons a running chain, then does with the dialled connection what DiscOption
    /// says (asking when it is 2).
    void done(int result) override;

private:
    void BuildLayout();
    void ConnectControls();
    void SetBusy();
    /// Carries out the dial-up logic's actions in order.
    void Execute(const DialUpActions& actions);
    void StartRetrieval();
    void RetrievalFinished(const std::vector<std::string>& lines);
    void RetrievalFailed(const QString& status, const QString& boxText);

    League& m_league;
    AppContext& m_context;
    std::unique_ptr<AbsentDialUpService> m_absent; // when no program dial-up state was given
    std::unique_ptr<DialUpSession> m_ownSession;
    DialUpSession& m_dialUp;
    RetrievalDriver* m_driver = nullptr;
    std::function<void(RetrievalStart&)> m_adjustStart;
    bool m_busy = false;
    bool m_changed = false;
    bool m_closing = false;

    QCheckBox* m_referees = nullptr;
    QCheckBox* m_players = nullptr;
    QCheckBox* m_squads = nullptr;
    QLabel* m_status = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_proceed = nullptr;
    QPushButton* m_close = nullptr;
};

/// Shows the dialog over the league window; afterwards every game's outcome is recomputed, the
/// table page's dates rebuilt and the table redrawn, whether or not anything changed.
void RunOnlineUpdate(LeagueHost& host, LeagueTablePage* table);

/// Adds "Update" (hint "Update with latest scores over the Internet") to the league table page's
/// button column, enabled while the league has a version ID.
void InstallOnlineUpdate(LeagueHost& host);

} // namespace gorlin
