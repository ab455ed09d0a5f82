#include "gui/league/SquadDialogs.h"

#include "core/edit/Games.h"
#include "core/model/League.h"
#include "core/model/Locale.h"
#include "gui/widgets/LeagueText.h"
#include "gui/widgets/OkCancel.h"
#include "gui/widgets/Prompter.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

namespace gorlin {

RatingSpinBox::RatingSpinBox(const Locale& locale, QWidget* parent)
    : QDoubleSpinBox(parent), m_locale(locale) {
    setRange(0.0, 10.0);
    setSingleStep(0.5);
    setDecimals(1);
    setKeyboardTracking(false);
}

int RatingSpinBox::Tenths() const {
    return static_cast<int>(std::lround(value() * 10.0));
}

void RatingSpinBox::SetTenths(int tenths) {
    setValue(tenths / 10.0);
}

QValidator::State RatingSpinBox::validate(QString& input, int&) const {
    if (input.trimmed().isEmpty())
        return QValidator::Intermediate;
    return ParseRating(ToLeague(input), m_locale) ? QValidator::Acceptable : QValidator::Invalid;
}

QString RatingSpinBox::textFromValue(double value) const {
    return QString::fromStdString(FormatRating(static_cast<int>(std::lround(value * 10.0)), m_locale));
}

double RatingSpinBox::valueFromText(const QString& text) const {
    const std::optional<int> tenths = ParseRating(ToLeague(text), m_locale);
    return tenths ? *tenths / 10.0 : value();
}

void RatingSpinBox::fixup(QString& input) const {
    if (input.trimmed().isEmpty())
        input = textFromValue(0.0);
}

SquadMemberDialog::SquadMemberDialog(SquadEditor& editor, SquadSide side, int entry, const QString& player,
                                     const Locale& locale, QWidget* parent)
    : QDialog(parent), m_editor(editor), m_side(side), m_entry(entry) {
    setObjectName("SquadMemberDialog");
    setWindowTitle("Update Squad Member");
    const MemberInput input = editor.Member(side, entry).value_or(MemberInput{});

    auto minute = [this](const char* name, int value) {
        auto* s = new QSpinBox(this);
        s->setObjectName(name);
        s->setRange(0, 120);
        s->setValue(value);
        return s;
    };
    m_timeOn = minute("seTimeOn", input.TimeOn);
    m_timeOff = minute("seTimeOff", input.TimeOff);
    m_yellow1 = new QCheckBox("&1st Yellow", this);
    m_yellow1->setObjectName("cbYellow1");
    m_yellow1->setChecked(input.Yellow1);
    m_yellow2 = new QCheckBox("&2nd Yellow", this);
    m_yellow2->setObjectName("cbYellow2");
    m_yellow2->setChecked(input.Yellow2);
    m_red = new QCheckBox("&Red", this);
    m_red->setObjectName("cbRed");
    m_red->setChecked(input.Red);
    m_rating = new RatingSpinBox(locale, this);
    m_rating->setObjectName("seRating");
    m_rating->SetTenths(input.Rating);

    auto* name = new QLabel(player, this);
    name->setObjectName("lblPlayer");
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    auto* cards = new QHBoxLayout;
    cards->addWidget(m_yellow1);
    cards->addWidget(m_yellow2);
    cards->addWidget(m_red);
    auto* form = new QFormLayout;
    form->addRow("Time &on:", m_timeOn);
    form->addRow("Time O&ff:", m_timeOff);
    form->addRow(cards);
    form->addRow("R&ating: (0-10):", m_rating);
    QDialogButtonBox* buttons = OkCancel(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name);
    layout->addLayout(form);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &SquadMemberDialog::btnOKClick);
    connect(m_yellow2, &QCheckBox::clicked, this, &SquadMemberDialog::cbYellow2Click);
}

MemberInput SquadMemberDialog::Input() const {
    MemberInput input;
    input.TimeOn = m_timeOn->value();
    input.TimeOff = m_timeOff->value();
    input.Yellow1 = m_yellow1->isChecked();
    input.Yellow2 = m_yellow2->isChecked();
    input.Red = m_red->isChecked();
    input.Rating = m_rating->Tenths();
    return input;
}

void SquadMemberDialog::cbYellow2Click(bool on) {
    if (!on)
        return;
    const MemberInput ticked = TickSecondYellow(Input());
    m_yellow1->setChecked(ticked.Yellow1);
    m_red->setChecked(ticked.Red);
}

void SquadMemberDialog::btnOKClick() {
    m_rating->interpretText();
    if (m_editor.UpdateMember(m_side, m_entry, Input()))
        accept();
}

SubstituteDialog::SubstituteDialog(const League& league, SquadEditor& editor, SquadSide side, int entry,
                                   const SubstituteChoices& choices, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_editor(editor), m_prompter(prompter), m_side(side), m_entry(entry) {
    setObjectName("SubstituteDialog");
    setWindowTitle(FromLeague(choices.Caption));
    m_players = new QListWidget(this);
    m_players->setObjectName("lbSubstitutes");
    for (int p : choices.Players) {
        auto* item = new QListWidgetItem(FromLeague(PlayerName(league, p)), m_players);
        item->setData(Qt::UserRole, p);
    }
    m_minute = new QSpinBox(this);
    m_minute->setObjectName("seMinute");
    m_minute->setRange(0, 120);

    auto* label = new QLabel(choices.FromSquad ? "&Substitutes:" : "&Available Players:", this);
    label->setBuddy(m_players);
    auto* form = new QFormLayout;
    form->addRow("&Minute:", m_minute);
    QDialogButtonBox* buttons = OkCancel(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_players, 1);
    layout->addLayout(form);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &SubstituteDialog::btnOKClick);
    connect(m_players, &QListWidget::itemDoubleClicked, this, [this] { m_minute->setFocus(); });
}

void SubstituteDialog::btnOKClick() {
    const QListWidgetItem* item = m_players->currentItem();
    const int player = item != nullptr && item->isSelected() ? item->data(Qt::UserRole).toInt() : 0;
    const Status done = m_editor.Substitute(m_side, m_entry, player, m_minute->value());
    if (!done) {
        m_prompter.Error(this, FromLeague(done.Message));
        return;
    }
    accept();
}

} // namespace gorlin
