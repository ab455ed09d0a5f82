#include "gui/update/OnlineUpdateDialog.h"

#include "core/model/League.h"
#include "core/update/UpdateRetrieval.h"
#include "gui/league/LeagueHost.h"
#include "gui/league/LeagueTablePage.h"
#include "gui/update/DialUpWindows.h"
#include "gui/widgets/AppContext.h"
#include "gui/widgets/LeagueText.h"
#include "platform/RetrievalDriver.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace gorlin {

OnlineUpdateDialog::OnlineUpdateDialog(League& league, AppContext& context, DialUpSession* dialUp,
                                       QWidget* parent)
    : QDialog(parent), m_league(league), m_context(context),
      m_absent(dialUp == nullptr ? std::make_unique<AbsentDialUpService>() : nullptr),
      m_ownSession(dialUp == nullptr ? std::make_unique<DialUpSession>(*m_absent) : nullptr),
      m_dialUp(dialUp != nullptr ? *dialUp : *m_ownSession), m_driver(new RetrievalDriver(this)) {
    setObjectName("OnlineUpdateDialog");
    setWindowTitle("Gorlin - On-Line Update");
    BuildLayout();
    ConnectControls();
}

OnlineUpdateDialog::~OnlineUpdateDialog() {
    if (m_busy)
        QApplication::restoreOverrideCursor();
}

void OnlineUpdateDialog::BuildLayout() {
    m_referees = new QCheckBox("Update &Referee information if available", this);
    m_referees->setObjectName("cbReferees");
    m_players = new QCheckBox("Update Player &details if available", this);
    m_players->setObjectName("cbPlayers");
    m_squads = new QCheckBox("Update &Squad details if available", this);
    m_squads->setObjectName("cbSquads");
    for (QCheckBox* box : {m_referees, m_players, m_squads})
        box->setChecked(true);
    auto* squadRow = new QHBoxLayout;
    squadRow->addSpacing(20); // indented under the player box
    squadRow->addWidget(m_squads);

    auto* statusGroup = new QGroupBox("Status:", this);
    statusGroup->setObjectName("gbStatus");
    m_status = new QLabel(statusGroup);
    m_status->setObjectName("lblStatus");
    QPalette blue = m_status->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    m_status->setPalette(blue);
    m_status->setMinimumHeight(m_status->fontMetrics().height() + 4);
    m_progress = new QProgressBar(statusGroup);
    m_progress->setObjectName("pbProgress");
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    auto* statusLayout = new QVBoxLayout(statusGroup);
    statusLayout->addWidget(m_status);
    statusLayout->addWidget(m_progress);

    m_proceed = new QPushButton("&Proceed", this);
    m_proceed->setObjectName("btnProceed");
    m_proceed->setDefault(true);
    m_proceed->setAutoDefault(true);
    m_close = new QPushButton("&Close", this);
    m_close->setObjectName("btnClose");
    m_close->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_proceed);
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_referees);
    layout->addWidget(m_players);
    layout->addLayout(squadRow);
    layout->addSpacing(6);
    layout->addWidget(statusGroup);
    layout->addLayout(buttons);
    setMinimumWidth(380);
}

void OnlineUpdateDialog::ConnectControls() {
    connect(m_players, &QCheckBox::clicked, this, &OnlineUpdateDialog::cbPlayersClick);
    connect(m_proceed, &QPushButton::clicked, this, &OnlineUpdateDialog::btnProceedClick);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_driver, &RetrievalDriver::statusText, this, &OnlineUpdateDialog::LogMessage);
    connect(m_driver, &RetrievalDriver::progress, this, [this](int percent) {
        if (percent > m_progress->value())
            m_progress->setValue(percent);
    });
    connect(m_driver, &RetrievalDriver::finished, this, &OnlineUpdateDialog::RetrievalFinished);
    connect(m_driver, &RetrievalDriver::failed, this, &OnlineUpdateDialog::RetrievalFailed);
}

void OnlineUpdateDialog::cbPlayersClick() {
    if (m_players->isChecked()) {
        m_squads->setEnabled(true);
    } else {
        m_squads->setChecked(false);
        m_squads->setEnabled(false);
    }
}

UpdateOptions OnlineUpdateDialog::Options() const {
    UpdateOptions options;
    options.Referees = m_referees->isChecked();
    options.Players = m_players->isChecked();
    options.Squads = m_players->isChecked() && m_squads->isChecked();
    return options;
}

void OnlineUpdateDialog::LogMessage(const QString& text) {
    m_status->setText(text);
    m_status->repaint();
}

void OnlineUpdateDialog::SetBusy() {
    if (!m_busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    m_busy = true;
    m_proceed->setEnabled(false);
    m_close->setEnabled(false);
}

void OnlineUpdateDialog::Reset() {
    if (m_busy)
        QApplication::restoreOverrideCursor();
    m_busy = false;
    m_proceed->setEnabled(true);
    m_close->setEnabled(true);
    m_progress->setValue(0);
}

void OnlineUpdateDialog::btnProceedClick() {
    if (m_busy)
        return;
    SetBusy();
    Execute(m_dialUp.Proceed(m_context.settings));
}

void OnlineUpdateDialog::DialStateReported(int state, int error) {
    Execute(m_dialUp.DialState(state, error));
}

void OnlineUpdateDialog::Execute(const DialUpActions& actions) {
    for (const DialUpAction& action : actions) {
        switch (action.Type) {
        case DialUpAction::StatusText:
            LogMessage(FromLeague(action.Text));
            break;
        case DialUpAction::StartRetrieval:
            StartRetrieval();
            break;
        case DialUpAction::AskDetails: {
            ConnectionDetailsDialog details(FromLeague(action.UserName), FromLeague(action.Password), this);
            QApplication::setOverrideCursor(Qt::ArrowCursor); // the user types here: no hourglass
            const bool given = details.exec() == QDialog::Accepted;
            QApplication::restoreOverrideCursor();
            if (given)
                Execute(m_dialUp.DetailsGiven(ToLeague(details.UserName()), ToLeague(details.Password())));
            else
                Execute(m_dialUp.DetailsCancelled());
            break;
        }
        case DialUpAction::Reset:
            Reset();
            break;
        }
    }
}

void OnlineUpdateDialog::StartRetrieval() {
    if (m_closing)
        return;
    SetBusy();
    RetrievalStart start = RetrievalStartFor(m_league, m_context.settings, Options().Squads);
    if (m_adjustStart)
        m_adjustStart(start);
    m_driver->Start(start);
}

void OnlineUpdateDialog::RetrievalFinished(const std::vector<std::string>& lines) {
    LogMessage(kMsgUpdateInProgress); // while a large file is applied
    const UpdateReport report = ProcessUpdate(m_league, lines, Options());
    for (const UpdateMessage& message : report.Messages) {
        if (message.Type == UpdateMessage::ErrorBox)
            m_context.prompter.Error(this, FromLeague(message.Text));
        else
            LogMessage(FromLeague(message.Text));
    }
    m_changed = m_changed || report.Changed;
    Reset();
}

void OnlineUpdateDialog::RetrievalFailed(const QString& status, const QString& boxText) {
    if (!boxText.isEmpty())
        m_context.prompter.Error(this, boxText);
    LogMessage(status);
    Reset();
}

void OnlineUpdateDialog::done(int result) {
    if (m_closing)
        return;
    m_closing = true;
    if (m_driver->Running())
        m_driver->Abort();
    Reset();
    const CloseStep step = m_dialUp.DialogClosing(m_context.settings);
    if (step.Type == CloseStep::Ask)
        m_dialUp.CloseAnswer(m_context.prompter.YesNo(this, FromLeague(step.Question)) ==
                             Prompter::Answer::Yes);
    QDialog::done(result);
}

void RunOnlineUpdate(LeagueHost& host, LeagueTablePage* table) {
    League& league = host.GetLeague();
    {
        OnlineUpdateDialog dialog(league, host.Context(), host.Context().dialUp, host.Window());
        dialog.exec();
    }
    UpdateGameEx(league, 0);
    if (table != nullptr)
        table->Refresh();
    host.DataChangedNotify();
}

void InstallOnlineUpdate(LeagueHost& host) {
    auto* table = qobject_cast<LeagueTablePage*>(host.Pages()->widget(LeagueHost::kLeagueTablePage));
    if (table == nullptr)
        return;
    auto* button = new QPushButton("Update", table);
    button->setObjectName("btnUpdate");
    button->setToolTip("Update with latest scores over the Internet");
    table->ButtonArea()->addWidget(button);
    LeagueHost* h = &host;
    QPointer<LeagueTablePage> page(table);
    QPointer<QPushButton> updateButton(button);
    auto enable = [h, updateButton] {
        if (updateButton)
            updateButton->setEnabled(h->GetLeague().Head.VersionId != 0);
    };
    enable();
    QObject::connect(button, &QPushButton::clicked, host.Window(), [h, page, enable] {
        RunOnlineUpdate(*h, page.data());
        enable();
    });
    // The version ID is set from the table's pop-up menu; its dialog has closed by the time this runs.
    if (auto* setVersion = table->Popup()->findChild<QAction*>("miSetVersion"))
        QObject::connect(setVersion, &QAction::triggered, button, enable);
}

} // namespace gorlin
