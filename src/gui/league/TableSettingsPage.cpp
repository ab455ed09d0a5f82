#include "core/edit/Maintenance.h"
#include "core/model/League.h"
#include "gui/league/MaintenancePages.h"
#include "gui/widgets/AppContext.h"
#include "gui/widgets/HelpKey.h"
#include "gui/widgets/LeagueText.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>

namespace gorlin {

TableSettingsPage::TableSettingsPage(League& league, AppContext& context, QWidget* parent)
    : QWidget(parent), m_league(league), m_context(context) {
    setObjectName("TableSettingsPage");
    m_settings.resize(static_cast<std::size_t>(TableSetting::HalfLength) + 1);

    m_name = new QLineEdit(this);
    m_name->setObjectName("edTableName");
    m_name->setMaxLength(static_cast<int>(m_league.Head.TableName.Capacity));
    m_name->setMinimumWidth(m_name->fontMetrics().horizontalAdvance(QString(30, 'n')));
    m_ownTeam = new QComboBox(this);
    m_ownTeam->setObjectName("cbOwnTeam");
    m_ownTeam->setMinimumWidth(m_ownTeam->fontMetrics().horizontalAdvance(QString(24, 'n')));
    auto* names = new QFormLayout;
    names->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    names->addRow("Table &Name:", m_name);
    names->addRow("Select &own team:", m_ownTeam);

    auto* places = new QGroupBox("Promotion and Relegation", this);
    auto* placesForm = new QFormLayout(places);
    auto* points = new QGroupBox("Points", this);
    auto* pointsForm = new QFormLayout(points);
    const struct {
        TableSetting Setting;
        const char* Label;
        const char* Name;
        QFormLayout* Form;
    } rows[] = {
        {TableSetting::Promoted, "Automatic &Promotion:", "udPromoted", placesForm},
        {TableSetting::PlayOffs, "Promotion P&layoffs:", "udPlayOffs", placesForm},
        {TableSetting::Relegated, "Automatic &Relegated:", "udRelegated", placesForm},
        {TableSetting::RelPlayOffs, "Relegation Pla&yoffs:", "udRelPlayOffs", placesForm},
        {TableSetting::WinPoints, "Points for a &win:", "udWinPoints", pointsForm},
        {TableSetting::DrawPoints, "For a &draw:", "udDrawPoints", pointsForm},
        {TableSetting::LossPoints, "For a lo&ss:", "udLossPoints", pointsForm},
    };
    for (const auto& row : rows)
        row.Form->addRow(row.Label, AddSetting(static_cast<int>(row.Setting), row.Name));

    QSpinBox* half = AddSetting(static_cast<int>(TableSetting::HalfLength), "udHalfLength");
    auto* halfLabel = new QLabel("Length of each &half (Minutes): ", this);
    halfLabel->setBuddy(half);
    auto* note = new QLabel("( 10 to 45)", this);
    note->setObjectName("lblHalfRange");
    auto* halfRow = new QHBoxLayout;
    halfRow->addWidget(halfLabel);
    halfRow->addWidget(half);
    halfRow->addWidget(note);
    halfRow->addStretch(1);

    auto* groups = new QHBoxLayout;
    groups->addWidget(places);
    groups->addWidget(points);
    groups->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(names);
    layout->addLayout(groups);
    layout->addLayout(halfRow);
    layout->addStretch(1);

    connect(m_name, &QLineEdit::textEdited, this, &TableSettingsPage::edTableNameChange);
    connect(m_ownTeam, &QComboBox::activated, this, &TableSettingsPage::cbOwnTeamChange);
    connect(HelpKey(this), &QShortcut::activated, this, &TableSettingsPage::helpRequested);
    SetUp();
}

QSpinBox* TableSettingsPage::AddSetting(int setting, const char* name) {
    const SettingRange range = RangeOf(static_cast<TableSetting>(setting));
    auto* box = new QSpinBox(this);
    box->setObjectName(name);
    box->setRange(range.Min, range.Max);
    m_settings[static_cast<std::size_t>(setting)] = box;
    connect(box, &QSpinBox::valueChanged, this,
            [this, setting](int value) { SettingChanged(setting, value); });
    return box;
}

void TableSettingsPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        SetUp();
}

void TableSettingsPage::SetUp() {
    SetUpMaintenancePage(m_league, MaintenancePage::Table);
    m_filling = true;
    m_name->setText(FromLeague(m_league.Head.TableName.view()));
    m_ownTeam->clear();
    for (const TeamListItem& item : OwnTeamItems(m_league))
        m_ownTeam->addItem(FromLeague(item.Text), item.Team);
    m_ownTeam->setCurrentIndex(OwnTeamItem(m_league));
    for (std::size_t s = 0; s < m_settings.size(); ++s)
        m_settings[s]->setValue(TableSettingValue(m_league, static_cast<TableSetting>(s)));
    m_filling = false;
}

void TableSettingsPage::edTableNameChange() {
    // An emptied field stores nothing: the name stands until a new one is typed.
    const std::string name = ToLeague(m_name->text());
    if (name.empty() || !SetTableName(m_league, name))
        return;
    emit dataChanged();
}

void TableSettingsPage::cbOwnTeamChange() {
    const Expected<bool> sound = SetOwnTeam(m_league, m_ownTeam->currentData().toInt());
    if (!sound) {
        m_context.prompter.Error(this, FromLeague(sound.error().Message));
        return;
    }
    emit dataChanged();
    if (*sound)
        m_context.prompter.Beep(); // the own-team sound
}

void TableSettingsPage::SettingChanged(int setting, int value) {
    if (m_filling)
        return;
    if (const Status stored = SetTableSetting(m_league, static_cast<TableSetting>(setting), value); !stored) {
        m_context.prompter.Error(this, FromLeague(stored.Message));
        return;
    }
    emit dataChanged();
}

} // namespace gorlin
