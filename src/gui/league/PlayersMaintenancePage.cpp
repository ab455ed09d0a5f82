#include "core/app/Settings.h"
#include "core/edit/DeleteTeam.h"
#include "core/edit/Maintenance.h"
#include "core/edit/TeamList.h"
#include "core/model/League.h"
#include "gui/league/MaintenancePages.h"
#include "gui/league/PlayerDialog.h"
#include "gui/league/RowsModel.h"
#include "gui/league/TeamChooser.h"
#include "gui/widgets/AppContext.h"
#include "gui/widgets/HelpKey.h"
#include "gui/widgets/LeagueText.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>

namespace gorlin {

PlayersMaintenancePage::PlayersMaintenancePage(League& league, AppContext& context, QWidget* parent)
    : QWidget(parent), m_league(league), m_context(context) {
    setObjectName("PlayersMaintenancePage");

    auto* top = TeamChooserRow(this, "cbPlayersFor", "&Players for:", m_team);

    QStringList headings;
    for (const char* h : kPlayerHeadings)
        headings << QString::fromLatin1(h);
    m_model = new RowsModel(
        headings, [this] { return static_cast<int>(m_rows.size()); },
        [this](int row, int column) {
            return FromLeague(m_rows[static_cast<std::size_t>(row)].Cells[static_cast<std::size_t>(column)]);
        },
        this);
    m_model->SetRightAligned({0, 4});
    m_view = new QTableView(this);
    m_view->setObjectName("sgPlayers");
    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->verticalHeader()->hide();
    m_view->setWordWrap(false);
    m_view->horizontalHeader()->setSectionsClickable(true);
    m_view->horizontalHeader()->setToolTip("Click a heading to sort by it");
    const QFontMetrics fm = m_view->fontMetrics();
    m_view->verticalHeader()->setDefaultSectionSize(fm.height() + 4);
    const int widths[] = {fm.horizontalAdvance("No.") + 16, fm.horizontalAdvance(QString(22, 'n')),
                          fm.horizontalAdvance(QString(22, 'n')), fm.horizontalAdvance(QString(14, 'n')),
                          fm.horizontalAdvance("Goals") + 16};
    for (int c = 0; c < 5; ++c)
        m_view->setColumnWidth(c, widths[c]);

    auto* side = new QVBoxLayout;
    const struct {
        const char* Caption;
        const char* Name;
        void (PlayersMaintenancePage::*Handler)();
    } buttons[] = {{"&Add", "btnAdd", &PlayersMaintenancePage::btnAddClick},
                   {"&Change", "btnChange", &PlayersMaintenancePage::btnChangeClick},
                   {"&Delete", "btnDelete", &PlayersMaintenancePage::btnDeleteClick}};
    for (const auto& b : buttons) {
        auto* button = new QPushButton(b.Caption, this);
        button->setObjectName(b.Name);
        connect(button, &QPushButton::clicked, this, b.Handler);
        side->addWidget(button);
    }
    side->addStretch(1);
    auto* body = new QHBoxLayout;
    body->addWidget(m_view, 1);
    body->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(body, 1);

    connect(m_team, &QComboBox::activated, this, &PlayersMaintenancePage::cbTeamChange);
    connect(m_view->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &PlayersMaintenancePage::sgPlayersHeadingClick);
    connect(m_view, &QTableView::doubleClicked, this, &PlayersMaintenancePage::btnChangeClick);
    connect(HelpKey(this), &QShortcut::activated, this, &PlayersMaintenancePage::helpRequested);
    SetUp();
}

void PlayersMaintenancePage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        SetUp();
}

void PlayersMaintenancePage::SetUp() {
    SetUpMaintenancePage(m_league, MaintenancePage::Players);
    FillTeamChooser(*m_team, m_league, true);
    Fill();
}

void PlayersMaintenancePage::Fill(int selectPlayer) {
    std::vector<TeamListItem> items;
    for (int i = 0; i < m_team->count(); ++i)
        items.push_back({ToLeague(m_team->itemText(i)), m_team->itemData(i).toInt()});
    const int team = PlayersTeamOfItem(items, m_team->currentIndex());
    m_rows = m_grid.Fill(m_league, team, m_context.settings.Positions);
    m_model->Reset();
    int select = m_rows.empty() ? -1 : 0;
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (selectPlayer != 0 && m_rows[i].Player == selectPlayer)
            select = static_cast<int>(i);
    if (select >= 0)
        m_view->selectRow(select);
}

int PlayersMaintenancePage::CurrentRow() const {
    const QModelIndexList rows = m_view->selectionModel()->selectedRows();
    const int row = rows.isEmpty() ? -1 : rows.first().row();
    return row < static_cast<int>(m_rows.size()) ? row : -1;
}

void PlayersMaintenancePage::cbTeamChange() {
    Fill();
}

void PlayersMaintenancePage::sgPlayersHeadingClick(int column) {
    const int row = CurrentRow();
    const int player = row >= 0 ? m_rows[static_cast<std::size_t>(row)].Player : 0;
    m_grid.SortBy(static_cast<PlayerColumn>(column), m_rows);
    m_model->Reset();
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (player != 0 && m_rows[i].Player == player)
            m_view->selectRow(static_cast<int>(i));
}

void PlayersMaintenancePage::btnAddClick() {
    const int team = m_team->currentIndex() > 0 ? m_team->currentData().toInt() : -1;
    const int added = PlayerDialog::AddPlayers(m_league, m_context, team, this);
    if (added != 0)
        emit dataChanged();
    Fill(added);
}

void PlayersMaintenancePage::btnChangeClick() {
    const int row = CurrentRow();
    if (row < 0) {
        m_context.prompter.Beep();
        return;
    }
    const int player = m_rows[static_cast<std::size_t>(row)].Player;
    if (PlayerDialog::ChangePlayer(m_league, m_context, player, this))
        emit dataChanged();
    Fill(player);
}

void PlayersMaintenancePage::btnDeleteClick() {
    const int row = CurrentRow();
    if (row < 0) {
        m_context.prompter.Beep();
        return;
    }
    const int player = m_rows[static_cast<std::size_t>(row)].Player;
    if (const Status allowed = CheckDeletePlayer(m_league, player); !allowed) {
        m_context.prompter.Error(this, FromLeague(allowed.Message));
        return;
    }
    if (m_context.prompter.YesNo(this, FromLeague(DeletePlayerQuestion(m_league, player))) !=
        Prompter::Answer::Yes)
        return;
    DeletePlayer(m_league, player);
    emit dataChanged();
    Fill();
}

} // namespace gorlin
