#include "gui/league/GoalDialog.h"

#include "core/model/League.h"
#include "gui/league/PlayerDialog.h"
#include "gui/widgets/AppContext.h"
#include "gui/widgets/LeagueText.h"
#include "gui/widgets/OkCancel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace gorlin {

GoalDialog::GoalDialog(League& league, AppContext& context, int goal, int number, QWidget* parent)
    : QDialog(parent), m_league(league), m_context(context), m_goal(goal) {
    setObjectName("GoalDialog");
    setWindowTitle("Update Goal Information");
    const GoalDialogTexts texts = GoalTexts(league, goal, number);
    const bool valid = goal >= 1 && goal <= league.Head.GoalCount;
    const GoalRec rec = valid ? league.Goals[static_cast<std::size_t>(goal)] : GoalRec{};

    m_match = new QLabel(FromLeague(texts.Match), this);
    m_match->setObjectName("lblMatch");
    m_match->setAlignment(Qt::AlignCenter);
    QFont bold = m_match->font();
    bold.setBold(true);
    m_match->setFont(bold);
    m_heading = new QLabel(FromLeague(texts.Heading), this);
    m_heading->setObjectName("lblGoal");
    m_heading->setAlignment(Qt::AlignCenter);

    m_scorer = new QComboBox(this);
    m_scorer->setObjectName("cbScorer");
    m_scorer->setEditable(true);
    m_scorer->setInsertPolicy(QComboBox::NoInsert);
    m_scorer->completer()->setCompletionMode(QCompleter::InlineCompletion);
    m_scorer->setMinimumWidth(m_scorer->fontMetrics().horizontalAdvance(QString(24, 'n')));
    auto* newPlayer = new QPushButton("&New Player", this);
    newPlayer->setObjectName("btnNewPlayer");
    newPlayer->setAutoDefault(false);
    newPlayer->setToolTip("Add a player to the team");
    auto* scorerRow = new QHBoxLayout;
    scorerRow->addWidget(m_scorer, 1);
    scorerRow->addWidget(newPlayer);

    m_ownGoal = new QCheckBox("&Own Goal", this);
    m_ownGoal->setObjectName("cbOwnGoal");
    m_ownGoal->setChecked(rec.OwnGoal != 0);
    m_penalty = new QCheckBox("&Penalty", this);
    m_penalty->setObjectName("cbPenalty");
    m_penalty->setChecked(rec.Penalty != 0);
    m_minute = new QSpinBox(this);
    m_minute->setObjectName("seMinute");
    m_minute->setRange(0, 120);
    m_minute->setValue(std::min<int>(rec.Minute, 120));
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(m_ownGoal);
    boxes->addWidget(m_penalty);
    boxes->addStretch(1);

    auto* form = new QFormLayout;
    auto* scorerLabel = new QLabel("Goal &Scorer:", this);
    scorerLabel->setBuddy(m_scorer);
    form->addRow(scorerLabel, scorerRow);
    form->addRow(boxes);
    form->addRow("Goal &Time:", m_minute);

    QDialogButtonBox* buttons = OkCancel(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_match);
    layout->addWidget(m_heading);
    layout->addSpacing(6);
    layout->addLayout(form);
    layout->addWidget(buttons);

    FillScorers(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &GoalDialog::btnOKClick);
    connect(newPlayer, &QPushButton::clicked, this, &GoalDialog::btnNewPlayerClick);
    connect(m_ownGoal, &QCheckBox::clicked, this, &GoalDialog::cbOwnGoalClick);
}

void GoalDialog::FillScorers(bool keepCurrent) {
    const ScorerList list = GoalScorers(m_league, m_goal, m_ownGoal->isChecked(), keepCurrent);
    m_players = list.Players;
    m_scorer->clear();
    for (int p : m_players)
        m_scorer->addItem(FromLeague(m_league.Players[static_cast<std::size_t>(p)].Name.view()), p);
    m_scorer->setCurrentIndex(list.Selected);
    if (list.Selected < 0)
        m_scorer->setEditText(QString());
}

int GoalDialog::ChosenScorer() const {
    const QString text = m_scorer->currentText();
    if (text.isEmpty())
        return 0;
    // The item chosen first (a scorer who moved on is listed once, under his own name).
    if (m_scorer->currentIndex() >= 0 && m_scorer->itemText(m_scorer->currentIndex()) == text)
        return m_scorer->currentData().toInt();
    const int at = m_scorer->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    return at < 0 ? 0 : m_scorer->itemData(at).toInt();
}

void GoalDialog::cbOwnGoalClick() {
    FillScorers(false);
}

void GoalDialog::btnNewPlayerClick() {
    const QString typed = m_scorer->currentText();
    const int team = ScorerTeam(m_league, m_goal, m_ownGoal->isChecked());
    const int added = PlayerDialog::AddPlayers(m_league, m_context, team, this);
    FillScorers(false);
    const int at =
        typed.isEmpty() ? -1 : m_scorer->findText(typed, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (at >= 0) {
        m_scorer->setCurrentIndex(at);
    } else if (added != 0) {
        m_scorer->setCurrentIndex(m_scorer->findData(added));
        m_minute->setFocus();
    } else {
        m_scorer->setEditText(typed);
    }
}

void GoalDialog::btnOKClick() {
    GoalDetails details;
    details.OwnGoal = m_ownGoal->isChecked();
    details.Penalty = m_penalty->isChecked();
    details.Minute = m_minute->value();
    details.Scorer = ChosenScorer();
    const Status stored = StoreGoal(m_league, m_goal, details);
    if (!stored) {
        m_context.prompter.Error(this, FromLeague(stored.Message));
        return;
    }
    accept();
}

GoalPrompt GoalDialog::Prompt(AppContext& context, QWidget* parent) {
    return [&context, parent](League& league, int goal, int number) {
        GoalDialog dialog(league, context, goal, number, parent);
        dialog.exec();
    };
}

} // namespace gorlin
