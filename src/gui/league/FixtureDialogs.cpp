#include "gui/league/FixtureDialogs.h"

#include "core/engine/Prediction.h"
#include "core/model/Dates.h"
#include "core/model/League.h"
#include "core/model/Locale.h"
#include "gui/league/CompetitionDialog.h"
#include "gui/league/NonLeagueTeamDialog.h"
#include "gui/widgets/LeagueText.h"
#include "gui/widgets/OkCancel.h"
#include "gui/widgets/Prompter.h"
#include "gui/widgets/RadioBox.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace gorlin {

namespace {

/// A small button that opens the calendar.
QPushButton* CalendarButton(QWidget* parent) {
    auto* button = new QPushButton("...", parent);
    button->setObjectName("btnDate");
    button->setToolTip("Pick the date from a calendar");
    button->setAutoDefault(false);
    button->setFixedWidth(button->fontMetrics().horizontalAdvance("...") + 16);
    return button;
}

/// Width of a date field: the longest date of the locale's format, with room to type.
int DateFieldWidth(const QWidget* field, const Locale& locale) {
    const QString sample = QString::fromStdString(FormatShortDate(ToDayNumber(2000, 12, 28), locale));
    return field->fontMetrics().horizontalAdvance(sample) + 20;
}

QString DateText(int day, const Locale& locale) {
    return day == 0 ? QString() : QString::fromStdString(FormatShortDate(day, locale));
}

} // namespace

// ---- Add Fixture ----

AddFixtureDialog::AddFixtureDialog(League& league, const Locale& locale, Prompter& prompter,
                                   FixtureDatePicker pickDate, QWidget* parent)
    : QDialog(parent), m_league(league), m_locale(locale), m_prompter(prompter),
      m_pickDate(std::move(pickDate)) {
    setObjectName("AddFixtureDialog");
    setWindowTitle("Add Fixture");

    m_comp = new QComboBox(this);
    m_comp->setObjectName("cbComp");
    m_home = new QComboBox(this);
    m_home->setObjectName("cbHomeTeam");
    m_away = new QComboBox(this);
    m_away->setObjectName("cbAwayTeam");
    for (QComboBox* box : {m_comp, m_home, m_away}) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        box->setMinimumContentsLength(20);
    }
    m_date = new QLineEdit(this);
    m_date->setObjectName("edDate");
    m_date->setFixedWidth(DateFieldWidth(m_date, m_locale));
    m_date->setToolTip("Leave empty for a fixture without a date");
    m_dateButton = CalendarButton(this);

    auto* addComp = new QPushButton("Add &Competition", this);
    addComp->setObjectName("btnAddComp");
    addComp->setAutoDefault(false);
    auto* addTeam = new QPushButton("Add &New Team", this);
    addTeam->setObjectName("btnAddTeam");
    addTeam->setAutoDefault(false);

    auto* compRow = new QHBoxLayout;
    compRow->addWidget(m_comp, 1);
    compRow->addWidget(addComp);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(m_date);
    dateRow->addWidget(m_dateButton);
    dateRow->addStretch(1);
    dateRow->addWidget(addTeam);

    auto* form = new QFormLayout;
    auto addRow = [&](const QString& caption, QWidget* buddy, QLayout* row) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(buddy);
        if (row != nullptr)
            form->addRow(label, row);
        else
            form->addRow(label, buddy);
    };
    addRow("C&ompetition:", m_comp, compRow);
    addRow("&Home Team:", m_home, nullptr);
    addRow("&Away Team:", m_away, nullptr);
    addRow("&Date:", m_date, dateRow);

    QDialogButtonBox* buttons = OkCancel(this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_comp, &QComboBox::currentIndexChanged, this, &AddFixtureDialog::cbCompChange);
    connect(m_dateButton, &QPushButton::clicked, this, &AddFixtureDialog::btnDateClick);
    connect(addComp, &QPushButton::clicked, this, &AddFixtureDialog::btnAddCompClick);
    connect(addTeam, &QPushButton::clicked, this, &AddFixtureDialog::btnAddTeamClick);
    connect(buttons, &QDialogButtonBox::accepted, this, &AddFixtureDialog::btnOkClick);

    FillCompetitions();
    m_comp->setFocus();
}

int AddFixtureDialog::ChosenComp() const {
    return CompetitionOfItem(m_league, m_comp->currentIndex()).value_or(-1);
}

void AddFixtureDialog::FillCompetitions() {
    const int chosen = ChosenComp();
    const AddFixtureChoices choices = AddFixtureCompetitions(m_league);
    {
        const QSignalBlocker block(m_comp);
        m_comp->clear();
        for (const std::string& name : choices.Competitions)
            m_comp->addItem(FromLeague(name));
        // No competition is chosen until the user picks one.
        const int item = chosen < 0 ? -1 : (choices.LeagueListed ? chosen : chosen - 1);
        m_comp->setCurrentIndex(item < m_comp->count() ? item : -1);
    }
    FillTeams();
}

void AddFixtureDialog::FillTeams() {
    const int comp = std::max(0, ChosenComp());
    const std::vector<TeamListItem> teams = AddFixtureTeams(m_league, comp);
    for (QComboBox* box : {m_home, m_away}) {
        const int chosen = box->currentData().toInt();
        box->clear();
        for (const TeamListItem& item : teams)
            box->addItem(FromLeague(item.Text), item.Team);
        box->setCurrentIndex(box->findData(chosen));
    }
}

void AddFixtureDialog::cbCompChange(int) {
    FillTeams();
}

void AddFixtureDialog::btnDateClick() {
    const std::optional<int> typed = ParseShortDate(ToLeague(m_date->text()), m_locale);
    const int preset = typed && *typed > 0 ? *typed : 0;
    const int day = m_pickDate(this, preset, m_dateButton->mapToGlobal(QPoint(m_dateButton->width(), 0)));
    if (day != 0)
        m_date->setText(DateText(day, m_locale));
}

void AddFixtureDialog::btnAddCompClick() {
    CompetitionDialog dialog(m_league, m_prompter, 0, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    FillCompetitions();
    const bool leagueListed = AddFixtureCompetitions(m_league).LeagueListed;
    m_comp->setCurrentIndex(leagueListed ? dialog.Competition() : dialog.Competition() - 1);
}

void AddFixtureDialog::btnAddTeamClick() {
    NonLeagueTeamDialog dialog(m_league, m_prompter, this);
    if (dialog.exec() == QDialog::Accepted)
        FillTeams();
}

void AddFixtureDialog::btnOkClick() {
    AddFixtureInput input;
    input.CompetitionItem = m_comp->currentIndex();
    input.HomeTeam = m_home->currentData().toInt();
    input.AwayTeam = m_away->currentData().toInt();
    input.DateText = ToLeague(m_date->text());
    const Expected<int> added = AddFixtureOk(m_league, input, m_locale);
    if (!added) {
        m_prompter.Error(this, FromLeague(added.error().Message));
        return;
    }
    m_added = *added;
    accept();
}

// ---- Predict Score ----

PredictScoreDialog::PredictScoreDialog(const PredictScoreView& view, const Locale& locale,
                                       FixtureDatePicker pickDate, QWidget* parent)
    : QDialog(parent), m_locale(locale), m_pickDate(std::move(pickDate)), m_dateDay(view.Date) {
    setObjectName("PredictScoreDialog");
    setWindowTitle("Predict Score");

    auto* heading = new QLabel(FromLeague(view.Heading), this);
    heading->setObjectName("lblTeams");
    heading->setTextFormat(Qt::PlainText);
    heading->setAlignment(Qt::AlignCenter);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    auto goals = [this](const char* name, int value) {
        auto* box = new QSpinBox(this);
        box->setObjectName(name);
        box->setRange(0, kPredictScoreGoalsMax);
        box->setValue(value);
        box->setAlignment(Qt::AlignRight);
        return box;
    };
    m_homeGoals = goals("udHomeGoals", view.HomeGoals);
    m_awayGoals = goals("udAwayGoals", view.AwayGoals);
    m_date = new QLineEdit(this);
    m_date->setObjectName("edDate");
    m_date->setReadOnly(true);
    m_date->setFixedWidth(DateFieldWidth(m_date, m_locale));
    m_dateButton = CalendarButton(this);

    auto* scoreRow = new QHBoxLayout;
    scoreRow->addWidget(m_homeGoals);
    scoreRow->addWidget(new QLabel("-", this));
    scoreRow->addWidget(m_awayGoals);
    scoreRow->addStretch(1);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(m_date);
    dateRow->addWidget(m_dateButton);
    dateRow->addStretch(1);
    auto* form = new QFormLayout;
    auto* scoreLabel = new QLabel("&Score:", this);
    scoreLabel->setBuddy(m_homeGoals);
    form->addRow(scoreLabel, scoreRow);
    auto* dateLabel = new QLabel("&Match Date:", this);
    dateLabel->setBuddy(m_dateButton);
    form->addRow(dateLabel, dateRow);

    QDialogButtonBox* buttons = OkCancel(this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addSpacing(4);
    layout->addLayout(form);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(m_dateButton, &QPushButton::clicked, this, &PredictScoreDialog::btnDateClick);

    ShowDate();
    m_homeGoals->setFocus();
    m_homeGoals->selectAll();
}

int PredictScoreDialog::HomeGoals() const {
    return m_homeGoals->value();
}

int PredictScoreDialog::AwayGoals() const {
    return m_awayGoals->value();
}

void PredictScoreDialog::ShowDate() {
    m_date->setText(DateText(m_dateDay, m_locale));
}

void PredictScoreDialog::btnDateClick() {
    const int day = m_pickDate(this, m_dateDay, m_dateButton->mapToGlobal(QPoint(m_dateButton->width(), 0)));
    if (day == 0)
        return;
    m_dateDay = day;
    m_picked = day;
    ShowDate();
}

// ---- Automatic Result Prediction ----

AutoPredictDialog::AutoPredictDialog(League& league, Prompter& prompter, int selectedGame, int today,
                                     QWidget* parent)
    : QDialog(parent), m_league(league), m_prompter(prompter), m_selectedGame(selectedGame), m_today(today) {
    setObjectName("AutoPredictDialog");
    setWindowTitle("Automatic Result Prediction");

    auto* whatBox = RadioBox(this, "rgPredictWhat", "Predict What:",
                             {"Predict &all  League fixtures", "Predict &non-predicted League fixtures",
                              "Predict &Selected League fixture"},
                             m_what);
    m_what->button(kPredictAll)->setChecked(true);

    m_matches = new QSpinBox(this);
    m_matches->setObjectName("udMatches");
    const int most = PredictMatchesMax(league);
    m_matches->setRange(kPredictMatchesMin, std::max(kPredictMatchesMin, most));
    m_matches->setValue(kPredictMatchesDefault);
    m_matches->setAlignment(Qt::AlignRight);
    m_matches->setToolTip(QStringLiteral("From %1 to %2").arg(kPredictMatchesMin).arg(m_matches->maximum()));
    auto* matchesLabel = new QLabel("Number of &matches to consider :", this);
    matchesLabel->setBuddy(m_matches);
    auto* matchesRow = new QHBoxLayout;
    matchesRow->addWidget(matchesLabel);
    matchesRow->addWidget(m_matches);
    matchesRow->addWidget(new QLabel("(Home and Away)", this));
    matchesRow->addStretch(1);

    QDialogButtonBox* buttons = OkCancel(this);
    connect(buttons, &QDialogButtonBox::accepted, this, &AutoPredictDialog::btnOkClick);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(whatBox);
    layout->addLayout(matchesRow);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AutoPredictDialog::btnOkClick() {
    PredictArgs args;
    args.What = m_what->checkedId();
    args.Matches = m_matches->value();
    args.SelectedGame = m_selectedGame;
    args.Today = m_today;
    const Expected<int> predicted = PredictResults(m_league, args);
    if (!predicted) {
        m_prompter.Error(this, FromLeague(predicted.error().Message));
        return;
    }
    m_predicted = *predicted;
    accept();
}

} // namespace gorlin
