#include "gui/league/UpdateResultDialog.h"

#include "core/edit/Referees.h"
#include "core/edit/ResultChange.h"
#include "core/model/League.h"
#include "gui/league/GoalDialog.h"
#include "gui/widgets/AppContext.h"
#include "gui/widgets/LeagueText.h"
#include "gui/widgets/OkCancel.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace gorlin {

UpdateResultDialog::UpdateResultDialog(League& league, AppContext& context, int game, QWidget* parent)
    : QDialog(parent), m_league(league), m_context(context), m_game(game) {
    setObjectName("UpdateResultDialog");
    setWindowTitle("Update Result");
    const ResultForm form = ResultFormOf(league, game);

    auto* caption = new QLabel(FromLeague(form.Caption), this);
    caption->setObjectName("lblMatch");
    caption->setAlignment(Qt::AlignCenter);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);

    auto spin = [this](const char* name, int value) {
        auto* s = new QSpinBox(this);
        s->setObjectName(name);
        s->setRange(0, 99);
        s->setValue(value);
        return s;
    };
    m_homeGoals = spin("seHomeGoals", form.Values.HomeGoals);
    m_awayGoals = spin("seAwayGoals", form.Values.AwayGoals);
    m_attendance = new QLineEdit(FromLeague(form.Values.Attendance), this);
    m_attendance->setObjectName("edAttendance");
    m_attendance->setMaxLength(10);
    m_comment = new QLineEdit(FromLeague(form.Values.Comment), this);
    m_comment->setObjectName("edComment");
    m_comment->setMaxLength(50);
    m_comment->setMinimumWidth(m_comment->fontMetrics().horizontalAdvance(QString(36, 'n')));

    m_referee = new QComboBox(this);
    m_referee->setObjectName("cbReferee");
    m_referee->addItem(QString::fromLatin1(kNoRefereeItem), 0);
    for (int r : RefereeChoices(league))
        m_referee->addItem(FromLeague(league.Referees[static_cast<std::size_t>(r)].Name.view()), r);
    m_referee->setCurrentIndex(std::max(0, m_referee->findData(form.Values.Referee)));

    m_cup = new QComboBox(this);
    m_cup->setObjectName("cbCup");
    for (int c = 1; c <= std::min<int>(league.Head.CompCount, kMaxComps); ++c)
        m_cup->addItem(FromLeague(league.Comps[static_cast<std::size_t>(c)].Name.view()), c);
    m_cup->setCurrentIndex(m_cup->findData(form.Values.Comp));
    m_cup->setEnabled(form.CupEnabled);

    m_award = new QComboBox(this);
    m_award->setObjectName("cbAward");
    for (const char* item : kAwardItems)
        m_award->addItem(QString::fromLatin1(item));
    m_award->setCurrentIndex(std::clamp(form.Values.Awarded, 0, 2));

    auto* fields = new QFormLayout;
    fields->addRow("Score &For:", m_homeGoals);
    fields->addRow("A&gainst:", m_awayGoals);
    fields->addRow("A&ttendance:", m_attendance);
    fields->addRow("C&omment: ", m_comment);
    fields->addRow("&Referee:", m_referee);
    fields->addRow("C&up:", m_cup);
    fields->addRow("A&ward:", m_award);

    QDialogButtonBox* buttons = OkCancel(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &UpdateResultDialog::btnOKClick);
}

void UpdateResultDialog::btnOKClick() {
    const ResultForm form = ResultFormOf(m_league, m_game);
    ResultChange change;
    change.HomeGoals = m_homeGoals->value();
    change.AwayGoals = m_awayGoals->value();
    change.Attendance = ToLeague(m_attendance->text());
    change.Comment = ToLeague(m_comment->text());
    change.Referee = m_referee->currentData().toInt();
    change.Comp =
        form.CupEnabled && m_cup->currentIndex() >= 0 ? m_cup->currentData().toInt() : form.Values.Comp;
    change.Awarded = m_award->currentIndex();
    const Status stored = UpdateResult(m_league, m_game, change, GoalDialog::Prompt(m_context, this));
    if (!stored && stored.Message == kAttendanceNotNumeric) {
        m_context.prompter.Warning(this, QString::fromLatin1(kAttendanceNotNumeric));
        m_attendance->setFocus();
        return;
    }
    if (!stored) {
        m_context.prompter.Error(this, FromLeague(stored.Message));
        return;
    }
    accept();
}

} // namespace gorlin
