#include "gui/league/PlayerDialog.h"

#include "core/edit/Players.h"
#include "core/edit/TeamList.h"
#include "core/model/Dates.h"
#include "core/model/League.h"
#include "gui/league/CalendarDialog.h"
#include "gui/widgets/AppContext.h"
#include "gui/widgets/LeagueText.h"

#include <QCheckBox>
#include <QComboBox>
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

namespace {

Qt::CheckState ForeignState(int foreign) {
    return foreign == 2 ? Qt::Checked : (foreign == 1 ? Qt::Unchecked : Qt::PartiallyChecked);
}

int ForeignValue(Qt::CheckState state) {
    return state == Qt::Checked ? 2 : (state == Qt::Unchecked ? 1 : 0);
}

} // namespace

PlayerDialog::PlayerDialog(League& league, AppContext& context, Mode mode, int target, QWidget* parent)
    : QDialog(parent), m_league(league), m_context(context), m_mode(mode), m_target(target),
      m_pickDate(&CalendarDialog::PickDate) {
    setObjectName("PlayerDialog");
    setWindowTitle(mode == Mode::Add ? "Add New Players" : "Change Player Details");
    BuildFields();
    BuildButtons();
    Preset();
}

void PlayerDialog::BuildFields() {
    m_name = new QLineEdit(this);
    m_name->setObjectName("edName");
    m_name->setMaxLength(20);
    m_name->setMinimumWidth(m_name->fontMetrics().horizontalAdvance(QString(22, 'n')));

    m_team = new QComboBox(this);
    m_team->setObjectName("cbTeam");
    const std::vector<TeamListItem> items = TeamListItems(m_league, true);
    for (std::size_t i = 1; i < items.size(); ++i) // every team, "Transferred-Out" first
        m_team->addItem(FromLeague(items[i].Text), items[i].Team);

    m_position = new QComboBox(this);
    m_position->setObjectName("cbPosition");
    const auto& positions = m_context.settings.Positions;
    for (std::size_t p = 0; p < positions.size(); ++p)
        if (p == 0 || !positions[p].empty())
            m_position->addItem(FromLeague(positions[p]), static_cast<int>(p));

    m_squadNo = new QSpinBox(this);
    m_squadNo->setObjectName("seSquadNo");
    m_squadNo->setRange(0, 99);

    m_birthDate = new QLineEdit(this);
    m_birthDate->setObjectName("edBirthDate");
    m_birthDate->setMaxLength(10);
    m_birthDate->setMaximumWidth(m_birthDate->fontMetrics().horizontalAdvance("00/00/00000") + 12);
    m_birthButton = new QPushButton("...", this);
    m_birthButton->setObjectName("btnBirthDate");
    m_birthButton->setToolTip("Pick the date of birth from a calendar");
    m_birthButton->setAutoDefault(false);
    m_birthButton->setMaximumWidth(m_birthButton->fontMetrics().horizontalAdvance("...") + 20);
    auto* birthRow = new QHBoxLayout;
    birthRow->addWidget(m_birthDate);
    birthRow->addWidget(m_birthButton);
    birthRow->addStretch(1);

    m_foreign = new QCheckBox(this);
    m_foreign->setObjectName("cbForeign");
    m_foreign->setTristate(true);
    m_foreign->setToolTip("Grey: not known");

    m_cost = new QLineEdit(this);
    m_cost->setObjectName("edCost");
    m_cost->setMaxLength(12);
    m_cost->setMaximumWidth(m_cost->fontMetrics().horizontalAdvance(QString(14, '0')));

    auto* form = new QFormLayout;
    form->addRow("&Name:", m_name);
    form->addRow("&Team:", m_team);
    form->addRow("&Position:", m_position);
    form->addRow("S&quad No.", m_squadNo);
    auto* birthLabel = new QLabel("&Date of Birth:", this);
    birthLabel->setBuddy(m_birthDate);
    form->addRow(birthLabel, birthRow);
    form->addRow("&Foreign:", m_foreign);
    form->addRow("C&ost:", m_cost);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);

    connect(m_birthButton, &QPushButton::clicked, this, &PlayerDialog::btnBirthDateClick);
}

void PlayerDialog::BuildButtons() {
    auto* buttons = new QDialogButtonBox(this);
    if (m_mode == Mode::Add) {
        m_ok = buttons->addButton("&Add", QDialogButtonBox::ActionRole);
        QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
        close->setObjectName("btnClose");
        connect(close, &QPushButton::clicked, this, &QDialog::reject);
    } else {
        m_ok = buttons->addButton(QDialogButtonBox::Ok);
        QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
        cancel->setObjectName("btnCancel");
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    }
    m_ok->setObjectName("btnOK");
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &PlayerDialog::btnOKClick);
    static_cast<QVBoxLayout*>(layout())->addWidget(buttons);
}

void PlayerDialog::Preset() {
    if (m_mode == Mode::Add) {
        m_team->setCurrentIndex(m_team->findData(m_target));
        m_position->setCurrentIndex(0);
        m_foreign->setCheckState(Qt::PartiallyChecked);
        return;
    }
    const PlayerInput input = PlayerInputOf(m_league, m_target, m_context.locale);
    m_name->setText(FromLeague(input.Name));
    m_team->setCurrentIndex(m_team->findData(input.Team));
    m_position->setCurrentIndex(std::max(0, m_position->findData(input.Position)));
    m_squadNo->setValue(input.SquadNo);
    m_birthDate->setText(FromLeague(input.BirthDate));
    m_foreign->setCheckState(ForeignState(input.Foreign));
    m_cost->setText(FromLeague(input.Cost));
}

PlayerInput PlayerDialog::Input() const {
    PlayerInput input;
    input.Name = ToLeague(m_name->text());
    input.Team = m_team->currentIndex() < 0 ? -1 : m_team->currentData().toInt();
    input.Position = m_position->currentIndex() < 0 ? 0 : m_position->currentData().toInt();
    input.SquadNo = m_squadNo->value();
    input.BirthDate = ToLeague(m_birthDate->text());
    input.Foreign = ForeignValue(m_foreign->checkState());
    input.Cost = ToLeague(m_cost->text());
    return input;
}

void PlayerDialog::btnOKClick() {
    const int player = m_mode == Mode::Add ? 0 : m_target;
    const Expected<int> stored = StorePlayer(m_league, player, Input(), m_context.locale);
    if (!stored) {
        m_context.prompter.Error(this, FromLeague(stored.error().Message));
        return;
    }
    m_last = *stored;
    if (m_mode == Mode::Change) {
        accept();
        return;
    }
    ClearForNext();
}

void PlayerDialog::ClearForNext() {
    m_name->clear();
    m_foreign->setCheckState(Qt::PartiallyChecked);
    m_name->setFocus();
}

void PlayerDialog::btnBirthDateClick() {
    const auto typed = ParseShortDate(ToLeague(m_birthDate->text().trimmed()), m_context.locale);
    const int preset = typed && *typed > 0 ? *typed : 0;
    const int picked =
        m_pickDate(this, preset, m_birthButton->mapToGlobal(QPoint(0, m_birthButton->height())));
    if (picked != 0)
        m_birthDate->setText(FromLeague(FormatShortDate(picked, m_context.locale)));
}

int PlayerDialog::AddPlayers(League& league, AppContext& context, int team, QWidget* parent) {
    PlayerDialog dialog(league, context, Mode::Add, team, parent);
    dialog.exec();
    return dialog.LastPlayer();
}

bool PlayerDialog::ChangePlayer(League& league, AppContext& context, int player, QWidget* parent) {
    PlayerDialog dialog(league, context, Mode::Change, player, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace gorlin
