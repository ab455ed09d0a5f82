#include "gui/league/EnterResultsPage.h"

#include "core/edit/Competitions.h"
#include "core/edit/Games.h"
#include "core/edit/Referees.h"
#include "core/model/Dates.h"
#include "core/model/League.h"
#include "gui/league/CalendarDialog.h"
#include "gui/league/CompetitionDialog.h"
#include "gui/league/GoalDialog.h"
#include "gui/league/NonLeagueTeamDialog.h"
#include "gui/league/RefereeDialog.h"
#include "gui/widgets/AppContext.h"
#include "gui/widgets/HelpKey.h"
#include "gui/widgets/LeagueText.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace gorlin {

namespace {

constexpr int kTeamRole = Qt::UserRole;

QLabel* TeamCaption(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QString(24, 'n')));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setMinimumHeight(label->fontMetrics().height() + 8);
    return label;
}

} // namespace

EnterResultsPage::EnterResultsPage(League& league, AppContext& context, QWidget* parent)
    : QWidget(parent), m_league(league), m_context(context), m_entry(league, context.locale.Today),
      m_pickDate(&CalendarDialog::PickDate) {
    setObjectName("EnterResultsPage");
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(BuildChoice(), 2);
    layout->addWidget(BuildEntry(), 3);
    ConnectControls();
    SetUp();
}

QWidget* EnterResultsPage::BuildChoice() {
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* compLabel = new QLabel("C&ompetition:", panel);
    m_competition = new QComboBox(panel);
    m_competition->setObjectName("cbCompetition");
    m_competition->setMinimumWidth(m_competition->fontMetrics().horizontalAdvance(QString(24, 'n')));
    compLabel->setBuddy(m_competition);
    m_compButton = new QPushButton("New", panel);
    m_compButton->setObjectName("btnNewComp");
    m_compButton->setToolTip("Create a competition, or edit the one chosen");
    auto* compRow = new QHBoxLayout;
    compRow->addWidget(m_competition, 1);
    compRow->addWidget(m_compButton);

    auto* teamsLabel = new QLabel("&Teams", panel);
    QFont bold = teamsLabel->font();
    bold.setBold(true);
    teamsLabel->setFont(bold);
    m_teams = new QListWidget(panel);
    m_teams->setObjectName("lbTeams");
    m_teams->setToolTip("Double click to choose the home team, then the away team");
    teamsLabel->setBuddy(m_teams);
    m_addTeam = new QPushButton("Add New T&eam", panel);
    m_addTeam->setObjectName("btnAddTeam");
    m_addTeam->setToolTip("Add a team that is not in the league");

    layout->addWidget(compLabel);
    layout->addLayout(compRow);
    layout->addSpacing(6);
    layout->addWidget(teamsLabel);
    layout->addWidget(m_teams, 1);
    layout->addWidget(m_addTeam, 0, Qt::AlignLeft);
    return panel;
}

QWidget* EnterResultsPage::BuildEntry() {
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* dateLabel = new QLabel("Date matches were played:", panel);
    m_date = new QLabel(panel);
    m_date->setObjectName("lblEntryDate");
    QFont bold = m_date->font();
    bold.setBold(true);
    m_date->setFont(bold);
    m_calendar = new QPushButton("Ca&lendar...", panel);
    m_calendar->setObjectName("btnCalendar");
    m_calendar->setToolTip("Choose the date the results are entered under");
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(dateLabel);
    dateRow->addWidget(m_date);
    dateRow->addWidget(m_calendar);
    dateRow->addStretch(1);

    auto* box = new QGroupBox(panel);
    box->setObjectName("gbResult");
    auto* grid = new QGridLayout(box);
    m_home = TeamCaption("lblHomeTeam", box);
    m_away = TeamCaption("lblAwayTeam", box);
    auto* versus = new QLabel("v", box);
    versus->setAlignment(Qt::AlignCenter);
    auto* teamsRow = new QHBoxLayout;
    teamsRow->addWidget(m_home, 1);
    teamsRow->addWidget(versus);
    teamsRow->addWidget(m_away, 1);

    m_homeGoals = new QSpinBox(box);
    m_homeGoals->setObjectName("seHomeGoals");
    m_homeGoals->setRange(0, 99);
    m_homeGoals->setToolTip("Goals of the home team");
    m_awayGoals = new QSpinBox(box);
    m_awayGoals->setObjectName("seAwayGoals");
    m_awayGoals->setRange(0, 99);
    m_awayGoals->setToolTip("Goals of the away team");
    auto* scoreRow = new QHBoxLayout;
    scoreRow->addWidget(m_homeGoals);
    scoreRow->addWidget(m_awayGoals);
    scoreRow->addStretch(1);

    m_attendance = new QLineEdit(box);
    m_attendance->setObjectName("edAttendance");
    m_attendance->setMaxLength(10);
    m_attendance->setMaximumWidth(m_attendance->fontMetrics().horizontalAdvance(QString(12, '0')));

    m_referee = new QComboBox(box);
    m_referee->setObjectName("cbReferee");
    m_referee->setMinimumWidth(m_referee->fontMetrics().horizontalAdvance(QString(22, 'n')));
    m_addReferee = new QPushButton("A&dd", box);
    m_addReferee->setObjectName("btnAddReferee");
    m_addReferee->setToolTip("Add a referee");
    auto* refereeRow = new QHBoxLayout;
    refereeRow->addWidget(m_referee);
    refereeRow->addWidget(m_addReferee);
    refereeRow->addStretch(1);

    m_comment = new QLineEdit(box);
    m_comment->setObjectName("edComment");
    m_comment->setMaxLength(50);

    auto label = [box](const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text, box);
        l->setBuddy(buddy);
        return l;
    };
    grid->addLayout(teamsRow, 0, 0, 1, 2);
    grid->addWidget(label("&Score:", m_homeGoals), 1, 0);
    grid->addLayout(scoreRow, 1, 1);
    grid->addWidget(label("Atte&ndance:", m_attendance), 2, 0);
    grid->addWidget(m_attendance, 2, 1);
    grid->addWidget(label("Re&feree:", m_referee), 3, 0);
    grid->addLayout(refereeRow, 3, 1);
    grid->addWidget(label("Co&mments:", m_comment), 4, 0);
    grid->addWidget(m_comment, 4, 1);
    grid->setColumnStretch(1, 1);

    m_status = new QLabel(panel);
    m_status->setObjectName("pnlStatus");
    m_status->setFrameShape(QFrame::Panel);
    m_status->setFrameShadow(QFrame::Sunken);
    m_status->setMinimumHeight(m_status->fontMetrics().height() + 8);
    m_status->setTextFormat(Qt::PlainText);

    m_trackGoals = new QCheckBox("Track &Goals", panel);
    m_trackGoals->setObjectName("cbTrackGoals");
    m_trackGoals->setToolTip("Set if you want to enter goal details with results");
    m_record = new QPushButton("&Record", panel);
    m_record->setObjectName("btnRecord");
    m_record->setToolTip("Record entered result");
    m_record->setDefault(true);
    m_cancel = new QPushButton("&Cancel", panel);
    m_cancel->setObjectName("btnCancel");
    m_cancel->setToolTip("Cancel the result you are entering");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_trackGoals);
    buttons->addStretch(1);
    buttons->addWidget(m_record);
    buttons->addWidget(m_cancel);

    layout->addLayout(dateRow);
    layout->addWidget(box);
    layout->addWidget(m_status);
    layout->addLayout(buttons);
    layout->addStretch(1);
    return panel;
}

void EnterResultsPage::ConnectControls() {
    connect(m_competition, &QComboBox::activated, this, &EnterResultsPage::cbCompetitionChange);
    connect(m_compButton, &QPushButton::clicked, this, &EnterResultsPage::btnCompClick);
    connect(m_addTeam, &QPushButton::clicked, this, &EnterResultsPage::btnAddTeamClick);
    connect(m_teams, &QListWidget::itemDoubleClicked, this, &EnterResultsPage::lbTeamsDblClick);
    connect(m_addReferee, &QPushButton::clicked, this, &EnterResultsPage::btnAddRefereeClick);
    connect(m_trackGoals, &QCheckBox::clicked, this, &EnterResultsPage::cbTrackGoalsClick);
    connect(m_record, &QPushButton::clicked, this, &EnterResultsPage::btnRecordClick);
    connect(m_cancel, &QPushButton::clicked, this, &EnterResultsPage::btnCancelClick);
    connect(m_calendar, &QPushButton::clicked, this, &EnterResultsPage::btnCalendarClick);
    // "Record" is the page's default button: Enter records wherever the focus is but on a button.
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto* shortcut = new QShortcut(key, this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [this] {
            if (auto* button = qobject_cast<QAbstractButton*>(focusWidget()))
                button->animateClick();
            else if (m_record->isEnabled())
                btnRecordClick();
        });
    }
    connect(HelpKey(this), &QShortcut::activated, this, &EnterResultsPage::helpRequested);
}

void EnterResultsPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Shown again after a refused leave, the page keeps the result being entered.
    if (!event->spontaneous() && !m_league.PendingGame)
        SetUp();
}

void EnterResultsPage::FillCompetitions(int select) {
    m_competition->clear();
    for (const std::string& name : CompetitionItems(m_league))
        m_competition->addItem(FromLeague(name));
    m_competition->setCurrentIndex(std::clamp(select, 0, m_competition->count() - 1));
}

void EnterResultsPage::FillReferees(int select) {
    m_referee->clear();
    for (int r : RefereeChoices(m_league))
        m_referee->addItem(FromLeague(m_league.Referees[static_cast<std::size_t>(r)].Name.view()), r);
    m_referee->setCurrentIndex(select == 0 ? -1 : m_referee->findData(select));
}

void EnterResultsPage::ClearInputs() {
    m_homeGoals->setValue(0);
    m_awayGoals->setValue(0);
    m_attendance->setText("0");
    m_comment->clear();
    m_referee->setCurrentIndex(-1);
}

void EnterResultsPage::SetUp() {
    FillCompetitions(m_entry.Competition());
    m_entry.SetCompetition(m_competition->currentIndex());
    m_trackGoals->setChecked(m_league.Head.TrackGoals != 0);
    FillReferees(0);
    ClearInputs();
    ShowState();
}

void EnterResultsPage::ShowState() {
    m_teams->clear();
    const QColor highlight = ToQColor(m_context.settings.Colour4);
    for (int t : m_entry.Teams()) {
        auto* item = new QListWidgetItem(FromLeague(TeamName(m_league, t)), m_teams);
        item->setData(kTeamRole, t);
        if (t == m_entry.Highlighted())
            item->setForeground(highlight);
    }
    m_home->setText(m_entry.Home() == 0 ? QString() : FromLeague(TeamName(m_league, m_entry.Home())));
    m_away->setText(m_entry.Away() == 0 ? QString() : FromLeague(TeamName(m_league, m_entry.Away())));
    m_status->setText(FromLeague(m_entry.StatusText()));
    m_record->setEnabled(m_entry.RecordEnabled());
    m_cancel->setEnabled(m_entry.CancelEnabled());
    m_compButton->setText(QString::fromStdString(m_entry.CompButtonCaption()));
    m_compButton->setEnabled(m_entry.CompButtonEnabled());
    m_addTeam->setEnabled(m_entry.AddTeamEnabled());
    m_addReferee->setEnabled(m_entry.AddRefereeEnabled());
    m_date->setText(QString::fromStdString(FormatShortDate(m_entry.EntryDate(), m_context.locale)));
}

bool EnterResultsPage::CanLeave() {
    const Status leave = m_entry.CheckLeave();
    if (!leave)
        m_context.prompter.Error(this, QString::fromStdString(leave.Message));
    return leave.Ok;
}

void EnterResultsPage::cbCompetitionChange(int index) {
    m_entry.SetCompetition(index);
    ClearInputs();
    ShowState();
}

void EnterResultsPage::btnCompClick() {
    const int comp = m_entry.Competition();
    CompetitionDialog dialog(m_league, m_context.prompter, comp, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    emit dataChanged();
    if (comp == 0) {
        FillCompetitions(dialog.Competition());
        cbCompetitionChange(dialog.Competition());
    } else {
        m_competition->setItemText(comp,
                                   FromLeague(m_league.Comps[static_cast<std::size_t>(comp)].Name.view()));
    }
}

void EnterResultsPage::btnAddTeamClick() {
    NonLeagueTeamDialog dialog(m_league, m_context.prompter, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_entry.TeamAdded(dialog.Team());
    ShowState();
    emit dataChanged();
}

void EnterResultsPage::lbTeamsDblClick() {
    const QListWidgetItem* item = m_teams->currentItem();
    const int team = item != nullptr && item->isSelected() ? item->data(kTeamRole).toInt() : 0;
    if (!m_entry.ChooseTeam(team)) {
        m_context.prompter.Beep();
        return;
    }
    ShowState();
}

void EnterResultsPage::btnAddRefereeClick() {
    const int referee = RefereeDialog::AddReferee(m_league, m_context.prompter, this);
    if (referee == 0)
        return;
    FillReferees(referee);
    m_addReferee->setEnabled(m_entry.AddRefereeEnabled());
    emit dataChanged();
}

void EnterResultsPage::cbTrackGoalsClick(bool on) {
    m_entry.SetTrackGoals(on);
}

void EnterResultsPage::btnRecordClick() {
    EntryInput input;
    input.HomeGoals = m_homeGoals->value();
    input.AwayGoals = m_awayGoals->value();
    input.Attendance = ToLeague(m_attendance->text());
    input.Referee = m_referee->currentIndex() < 0 ? 0 : m_referee->currentData().toInt();
    input.Comment = ToLeague(m_comment->text());
    const Expected<RecordOutcome> done = m_entry.Record(input, GoalDialog::Prompt(m_context, this));
    if (!done) {
        m_context.prompter.Error(this, FromLeague(done.error().Message));
        m_homeGoals->setFocus();
        m_homeGoals->selectAll();
        return;
    }
    emit dataChanged();
    if (done->OwnTeamWon)
        m_context.prompter.Beep(); // the win sound
    ClearInputs();
    ShowState();
}

void EnterResultsPage::btnCancelClick() {
    m_entry.Cancel();
    ClearInputs();
    ShowState();
}

void EnterResultsPage::btnCalendarClick() {
    const int picked =
        m_pickDate(this, m_entry.EntryDate(), m_calendar->mapToGlobal(QPoint(0, m_calendar->height())));
    if (picked == 0)
        return;
    m_entry.SetEntryDate(picked);
    FillReferees(0);
    ClearInputs();
    ShowState();
}

} // namespace gorlin
