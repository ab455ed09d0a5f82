#include "core/edit/DeleteTeam.h"
#include "core/edit/Maintenance.h"
#include "core/model/League.h"
#include "gui/league/MaintenancePages.h"
#include "gui/league/TeamStatsPictures.h"
#include "gui/widgets/AppContext.h"
#include "gui/widgets/HelpKey.h"
#include "gui/widgets/LeagueText.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>

namespace gorlin {

TeamsMaintenancePage::TeamsMaintenancePage(League& league, AppContext& context, QWidget* parent)
    : QWidget(parent), m_league(league), m_context(context) {
    setObjectName("TeamsMaintenancePage");

    m_teams = new QListWidget(this);
    m_teams->setObjectName("lbTeams");
    m_teams->setIconSize(QSize(kTeamPictureSize, kTeamPictureSize));
    m_teams->setMinimumWidth(m_teams->fontMetrics().horizontalAdvance(QString(26, 'n')));
    auto* teamsLabel = new QLabel("&Teams:", this);
    teamsLabel->setBuddy(m_teams);

    m_adjust = new QSpinBox(this);
    m_adjust->setObjectName("udPointsAdjust");
    m_adjust->setRange(-20, 20);
    m_increment = new QSpinBox(this);
    m_increment->setObjectName("udIncrement");
    m_increment->setRange(0, kMaxTeams);
    auto* values = new QFormLayout;
    values->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    values->addRow("&Added or Deducted Points:", m_adjust);
    values->addRow("In&crement:", m_increment);

    m_name = new QLineEdit(this);
    m_name->setObjectName("edTeamName");
    m_name->setMaxLength(static_cast<int>(TeamRec{}.Name.Capacity));
    m_edit = new QPushButton("&Edit", this);
    m_edit->setObjectName("btnEdit");
    m_update = new QPushButton("&Update", this);
    m_update->setObjectName("btnUpdate");
    m_delete = new QPushButton("&Delete", this);
    m_delete->setObjectName("btnDelete");
    auto* nameLabel = new QLabel("&Name:", this);
    nameLabel->setBuddy(m_name);
    m_name->setMinimumWidth(m_name->fontMetrics().horizontalAdvance(QString(30, 'n')));
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(m_name);
    nameRow->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_edit);
    buttons->addWidget(m_update);
    buttons->addWidget(m_delete);
    buttons->addStretch(1);

    auto* right = new QVBoxLayout;
    right->addLayout(values);
    right->addSpacing(12);
    right->addLayout(nameRow);
    right->addLayout(buttons);
    right->addStretch(1);
    auto* left = new QVBoxLayout;
    left->addWidget(teamsLabel);
    left->addWidget(m_teams, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right, 1);

    connect(m_teams, &QListWidget::currentRowChanged, this, &TeamsMaintenancePage::lbTeamsClick);
    connect(m_teams, &QListWidget::itemDoubleClicked, this, &TeamsMaintenancePage::btnEditClick);
    connect(m_adjust, &QSpinBox::valueChanged, this, &TeamsMaintenancePage::ValueChanged);
    connect(m_increment, &QSpinBox::valueChanged, this, &TeamsMaintenancePage::ValueChanged);
    connect(m_name, &QLineEdit::textChanged, this,
            [this] { m_update->setEnabled(m_editing != 0 && !m_name->text().isEmpty()); });
    connect(m_edit, &QPushButton::clicked, this, &TeamsMaintenancePage::btnEditClick);
    connect(m_update, &QPushButton::clicked, this, &TeamsMaintenancePage::btnUpdateClick);
    connect(m_delete, &QPushButton::clicked, this, &TeamsMaintenancePage::btnDeleteClick);
    connect(HelpKey(this), &QShortcut::activated, this, &TeamsMaintenancePage::helpRequested);
    SetUp();
}

void TeamsMaintenancePage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        SetUp();
}

void TeamsMaintenancePage::SetUp() {
    SetUpMaintenancePage(m_league, MaintenancePage::Teams);
    m_filling = true;
    m_teams->clear();
    const QPixmap leaguePicture = LeagueGamePicture();
    const QPixmap cupPicture = CupPicture();
    for (const TeamsPageItem& item : TeamsPageItems(m_league)) {
        auto* row =
            new QListWidgetItem(QIcon(item.Picture == TeamPicture::League ? leaguePicture : cupPicture),
                                FromLeague(item.Name), m_teams);
        row->setData(Qt::UserRole, item.Team);
    }
    m_filling = false;
    m_editing = 0;
    m_name->clear();
    m_name->setEnabled(false);
    m_update->setEnabled(false);
    m_teams->setCurrentRow(m_teams->count() > 0 ? 0 : -1);
    lbTeamsClick();
}

int TeamsMaintenancePage::SelectedTeam() const {
    const QListWidgetItem* item = m_teams->currentItem();
    return item == nullptr ? 0 : item->data(Qt::UserRole).toInt();
}

void TeamsMaintenancePage::SelectTeam(int team) {
    for (int i = 0; i < m_teams->count(); ++i)
        if (m_teams->item(i)->data(Qt::UserRole).toInt() == team)
            m_teams->setCurrentRow(i);
}

void TeamsMaintenancePage::lbTeamsClick() {
    if (m_filling)
        return;
    const int team = SelectedTeam();
    const TeamValues values = TeamPageValues(m_league, team);
    m_filling = true;
    m_adjust->setValue(values.PointsAdjust);
    m_increment->setValue(values.Increment);
    m_filling = false;
    m_adjust->setEnabled(values.Enabled);
    m_increment->setEnabled(values.Enabled);
    m_edit->setEnabled(team != 0);
    m_delete->setEnabled(team != 0);
}

void TeamsMaintenancePage::ValueChanged() {
    const int team = SelectedTeam();
    if (m_filling || team == 0)
        return;
    Status stored = SetPointsAdjust(m_league, team, m_adjust->value());
    if (stored)
        stored = SetIncrement(m_league, team, m_increment->value());
    if (!stored) {
        m_context.prompter.Error(this, FromLeague(stored.Message));
        return;
    }
    emit dataChanged();
}

void TeamsMaintenancePage::btnEditClick() {
    const int team = SelectedTeam();
    if (team == 0) {
        m_context.prompter.Beep();
        return;
    }
    m_editing = team;
    m_name->setEnabled(true);
    m_name->setText(FromLeague(m_league.Teams[static_cast<std::size_t>(team)].Name.view()));
    m_update->setEnabled(!m_name->text().isEmpty());
    m_name->setFocus();
    m_name->selectAll();
}

void TeamsMaintenancePage::btnUpdateClick() {
    if (m_editing == 0)
        return;
    if (const Status renamed = RenameTeam(m_league, m_editing, ToLeague(m_name->text())); !renamed) {
        m_context.prompter.Error(this, FromLeague(renamed.Message));
        return;
    }
    const int team = m_editing;
    emit dataChanged();
    SetUp();
    SelectTeam(team);
}

void TeamsMaintenancePage::btnDeleteClick() {
    const int team = SelectedTeam();
    if (team == 0) {
        m_context.prompter.Beep();
        return;
    }
    if (const Status allowed = CheckDeleteTeam(m_league, team); !allowed) {
        m_context.prompter.Error(this, FromLeague(allowed.Message));
        return;
    }
    if (m_context.prompter.YesNo(this, FromLeague(DeleteTeamQuestion(m_league, team))) !=
        Prompter::Answer::Yes)
        return;
    DeleteTeam(m_league, team);
    emit dataChanged();
    SetUp();
}

} // namespace gorlin
