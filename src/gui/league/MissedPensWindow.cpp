#include "gui/league/MissedPensWindow.h"

#include "core/edit/EditStatus.h"
#include "core/edit/Games.h"
#include "core/edit/MissedPens.h"
#include "core/edit/Players.h"
#include "core/model/League.h"
#include "gui/league/PlayerDialog.h"
#include "gui/widgets/AppContext.h"
#include "gui/widgets/LeagueText.h"
#include "gui/widgets/OkCancel.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace gorlin {

namespace {

constexpr int kPenRole = Qt::UserRole;

} // namespace

MissedPenDialog::MissedPenDialog(League& league, AppContext& context, int game, int pen, QWidget* parent)
    : QDialog(parent), m_league(league), m_context(context), m_game(game), m_pen(pen) {
    setObjectName("MissedPenDialog");
    setWindowTitle("Add/Update Missed Penalty");
    const bool valid = IsGame(league, game);
    const GameRec rec = valid ? league.Games[static_cast<std::size_t>(game)] : GameRec{};
    const MissedPenRec miss = pen >= 1 && pen <= std::min<int>(league.Head.MissedPenCount, kMaxMissedPens)
                                  ? league.MissedPens[static_cast<std::size_t>(pen)]
                                  : MissedPenRec{};

    m_team = new QComboBox(this);
    m_team->setObjectName("cbTeam");
    m_team->addItem(FromLeague(TeamName(league, rec.HomeTeam)), rec.HomeTeam);
    m_team->addItem(FromLeague(TeamName(league, rec.AwayTeam)), rec.AwayTeam);
    m_team->setCurrentIndex(pen != 0 && miss.Team == rec.AwayTeam ? 1 : 0);
    m_player = new QComboBox(this);
    m_player->setObjectName("cbPlayer");
    m_player->setMinimumWidth(m_player->fontMetrics().horizontalAdvance(QString(22, 'n')));
    auto* newPlayer = new QPushButton("&New Player", this);
    newPlayer->setObjectName("btnNewPlayer");
    newPlayer->setAutoDefault(false);
    newPlayer->setToolTip("Add a player to the team");
    auto* playerRow = new QHBoxLayout;
    playerRow->addWidget(m_player, 1);
    playerRow->addWidget(newPlayer);
    m_minute = new QSpinBox(this);
    m_minute->setObjectName("seMinute");
    m_minute->setRange(0, 130);
    m_minute->setValue(std::min<int>(miss.Minute, 130));

    auto* form = new QFormLayout;
    form->addRow("&Team:", m_team);
    auto* playerLabel = new QLabel("&Player:", this);
    playerLabel->setBuddy(m_player);
    form->addRow(playerLabel, playerRow);
    form->addRow("Time of &Miss:", m_minute);
    QDialogButtonBox* buttons = OkCancel(this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    FillPlayers(miss.Player);
    connect(m_team, &QComboBox::activated, this, &MissedPenDialog::cbTeamChange);
    connect(newPlayer, &QPushButton::clicked, this, &MissedPenDialog::btnNewPlayerClick);
    connect(buttons, &QDialogButtonBox::accepted, this, &MissedPenDialog::btnOKClick);
}

void MissedPenDialog::FillPlayers(int player) {
    m_player->clear();
    for (int p : TeamPlayers(m_league, m_team->currentData().toInt()))
        m_player->addItem(FromLeague(PlayerName(m_league, p)), p);
    if (player != 0 && m_player->findData(player) < 0)
        m_player->addItem(FromLeague(PlayerName(m_league, player)), player);
    m_player->setCurrentIndex(player == 0 ? -1 : m_player->findData(player));
}

void MissedPenDialog::cbTeamChange() {
    FillPlayers(0);
}

void MissedPenDialog::btnNewPlayerClick() {
    const int added = PlayerDialog::AddPlayers(m_league, m_context, m_team->currentData().toInt(), this);
    const int kept = m_player->currentIndex() < 0 ? 0 : m_player->currentData().toInt();
    FillPlayers(added != 0 ? added : kept);
}

void MissedPenDialog::btnOKClick() {
    MissedPenInput input;
    input.Team = m_team->currentData().toInt();
    input.Player = m_player->currentIndex() < 0 ? 0 : m_player->currentData().toInt();
    input.Minute = m_minute->value();
    const Expected<int> stored = StoreMissedPen(m_league, m_game, m_pen, input);
    if (!stored) {
        if (IsBeep(stored.error()))
            m_context.prompter.Beep();
        else
            m_context.prompter.Error(this, FromLeague(stored.error().Message));
        return;
    }
    accept();
}

MissedPensWindow::MissedPensWindow(League& league, AppContext& context, int game, QWidget* parent)
    : QDialog(parent), m_league(league), m_context(context), m_game(game) {
    setObjectName("MissedPensWindow");
    setWindowTitle("Missed Penalties");
    auto* heading = new QLabel(FromLeague(MissedPensHeading(league, game, context.locale)), this);
    heading->setObjectName("lblHeading");
    heading->setAlignment(Qt::AlignCenter);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    m_list = new QListWidget(this);
    m_list->setObjectName("lbMissedPens");
    m_list->setMinimumWidth(m_list->fontMetrics().horizontalAdvance(QString(44, 'n')));

    auto button = [this](const char* name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    QPushButton* add = button("btnAdd", "&Add");
    QPushButton* update = button("btnUpdate", "&Update");
    QPushButton* remove = button("btnDelete", "&Delete");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName("btnClose");
    auto* row = new QHBoxLayout;
    row->addWidget(add);
    row->addWidget(update);
    row->addWidget(remove);
    row->addStretch(1);
    row->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(m_list, 1);
    layout->addLayout(row);

    connect(add, &QPushButton::clicked, this, &MissedPensWindow::btnAddClick);
    connect(update, &QPushButton::clicked, this, &MissedPensWindow::btnUpdateClick);
    connect(remove, &QPushButton::clicked, this, &MissedPensWindow::btnDeleteClick);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &MissedPensWindow::btnUpdateClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::accept);
    Fill(0);
}

void MissedPensWindow::Fill(int row) {
    m_list->clear();
    for (const MissedPenLine& line : MissedPenLines(m_league, m_game)) {
        auto* item = new QListWidgetItem(FromLeague(line.Text), m_list);
        item->setData(kPenRole, line.Pen);
    }
    if (m_list->count() > 0)
        m_list->setCurrentRow(std::clamp(row, 0, m_list->count() - 1));
}

int MissedPensWindow::SelectedPen() const {
    const QListWidgetItem* item = m_list->currentItem();
    return item != nullptr && item->isSelected() ? item->data(kPenRole).toInt() : 0;
}

void MissedPensWindow::btnAddClick() {
    MissedPenDialog dialog(m_league, m_context, m_game, 0, this);
    if (dialog.exec() == QDialog::Accepted)
        Fill(m_list->count());
}

void MissedPensWindow::btnUpdateClick() {
    const int pen = SelectedPen();
    if (pen == 0) {
        m_context.prompter.Beep();
        return;
    }
    MissedPenDialog dialog(m_league, m_context, m_game, pen, this);
    if (dialog.exec() == QDialog::Accepted)
        Fill(m_list->currentRow());
}

void MissedPensWindow::btnDeleteClick() {
    const int row = m_list->currentRow();
    if (!DeleteMissedPen(m_league, SelectedPen())) {
        m_context.prompter.Beep();
        return;
    }
    Fill(row);
}

void MissedPensWindow::PenMiss(League& league, AppContext& context, int game, QWidget* parent) {
    if (HasMissedPens(league, game)) {
        MissedPensWindow window(league, context, game, parent);
        window.exec();
        return;
    }
    MissedPenDialog dialog(league, context, game, 0, parent);
    dialog.exec();
}

} // namespace gorlin
