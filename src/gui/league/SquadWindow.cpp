#include "gui/league/SquadWindow.h"

#include "core/edit/EditStatus.h"
#include "core/edit/Games.h"
#include "core/model/League.h"
#include "gui/league/PlayerDialog.h"
#include "gui/league/RowsModel.h"
#include "gui/league/SquadDialogs.h"
#include "gui/widgets/AppContext.h"
#include "gui/widgets/LeagueText.h"
#include "gui/widgets/OkCancel.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

namespace gorlin {

namespace {

constexpr int kFirstCardColumn = 5; // "YC1", "YC2", "Red"
constexpr int kRedColumn = 7;
constexpr int kPlayerRole = Qt::UserRole;
const QColor kStarterTint(255, 255, 204);

/// Draws a card cell holding "Y" as a filled block the width of "W", centred: yellow for the
/// two yellow cards, red for the red card. Other cells are drawn as usual.
class CardDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        if (index.column() < kFirstCardColumn || index.data().toString() != QLatin1String("Y")) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        // The cell's background and selection as usual, without the text.
        QStyleOptionViewItem blank = option;
        initStyleOption(&blank, index);
        blank.text.clear();
        const QWidget* view = blank.widget;
        QStyle* style = view != nullptr ? view->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &blank, painter, view);
        const QFontMetrics fm(option.font);
        const int width = fm.horizontalAdvance('W');
        const int height = std::min(option.rect.height() - 4, fm.ascent());
        const QRect block(option.rect.center().x() - width / 2 + 1, option.rect.center().y() - height / 2 + 1,
                          width, height);
        painter->fillRect(block, index.column() == kRedColumn ? QColor(Qt::red) : QColor(Qt::yellow));
        painter->setPen(Qt::darkGray);
        painter->drawRect(block.adjusted(0, 0, -1, -1));
    }
};

QPushButton* Button(const char* name, const QString& text, const QString& hint, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    if (!hint.isEmpty())
        b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

} // namespace

SquadWindow::SquadWindow(League& league, AppContext& context, int game, QWidget* parent)
    : QDialog(parent), m_league(league), m_context(context), m_editor(league, game),
      m_side(m_editor.InitialSide()), m_sorted(context.settings.SquadSort == 0) {
    setObjectName("SquadWindow");
    setWindowTitle(FromLeague(m_editor.Caption(context.locale)));
    setSizeGripEnabled(true);
    BuildTeams();
    BuildGrid();
    BuildPlayers();
    BuildMenus();
    ConnectControls();
    ShowSide(m_side);
}

void SquadWindow::BuildTeams() {
    m_teamGroup = new QButtonGroup(this);
    m_teamGroup->setExclusive(true);
    for (SquadSide side : {SquadSide::Home, SquadSide::Away}) {
        auto* b = Button(side == SquadSide::Home ? "btnHomeTeam" : "btnAwayTeam",
                         LiteralCaption(FromLeague(TeamName(m_league, m_editor.TeamOf(side)))),
                         "Show this team's squad", this);
        b->setCheckable(true);
        m_teamGroup->addButton(b, static_cast<int>(side));
    }
}

void SquadWindow::BuildGrid() {
    QStringList headings;
    for (const char* h : kSquadHeadings)
        headings << QString::fromLatin1(h);
    m_model = new RowsModel(
        headings, [this] { return static_cast<int>(m_order.size()); },
        [this](int row, int column) {
            const SquadEntry& e = m_editor.Squad(m_side)[static_cast<std::size_t>(EntryAt(row) - 1)];
            return FromLeague(SquadRowCells(m_league, e, m_context.locale)[static_cast<std::size_t>(column)]);
        },
        this);
    m_model->SetRightAligned({0, 2, 3, 4});
    const bool manyColours =
        QGuiApplication::primaryScreen() == nullptr || QGuiApplication::primaryScreen()->depth() > 8;
    m_model->SetRoles([this, manyColours](int row, int, int role) -> QVariant {
        if (role == Qt::BackgroundRole && manyColours && EntryAt(row) <= m_league.Head.TeamSize)
            return kStarterTint;
        return {};
    });

    m_grid = new QTableView(this);
    m_grid->setObjectName("sgSquad");
    m_grid->setModel(m_model);
    m_grid->setItemDelegate(new CardDelegate(m_grid));
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    m_grid->setWordWrap(false);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    m_grid->setToolTip("Double click to update the entry; right click for cards, substitutes and the player");
    const QFontMetrics fm = m_grid->fontMetrics();
    const int rowHeight = fm.height() + 4;
    m_grid->verticalHeader()->setDefaultSectionSize(rowHeight);
    const int narrow = fm.horizontalAdvance("9999") + 8;
    for (int c = 0; c < static_cast<int>(kSquadHeadings.size()); ++c)
        m_grid->setColumnWidth(c, std::max(narrow, fm.horizontalAdvance(headings[c]) + 14));
    m_grid->setColumnWidth(1, fm.horizontalAdvance(QString(20, 'n')));
    int width = 2 * m_grid->frameWidth() + 4;
    for (int c = 0; c < static_cast<int>(kSquadHeadings.size()); ++c)
        width += m_grid->columnWidth(c);
    m_grid->setMinimumWidth(width);
    m_grid->setMinimumHeight(kSquadEntries * rowHeight + m_grid->horizontalHeader()->sizeHint().height() +
                             2 * m_grid->frameWidth() + 2);
}

void SquadWindow::BuildPlayers() {
    m_players = new QListWidget(this);
    m_players->setObjectName("lbPlayers");
    m_players->setContextMenuPolicy(Qt::CustomContextMenu);
    m_players->setToolTip("Double click to add the player to the squad");
    m_players->setMinimumWidth(m_players->fontMetrics().horizontalAdvance(QString(20, 'n')));

    auto* add = Button("btnAdd", ">>", "Add the player to the squad", this);
    auto* remove = Button("btnRemove", "<<", "Remove the entry from the squad", this);
    auto* swap = Button("btnSwap", "S&wap", "Put the player in place of the entry", this);
    auto* update = Button("btnUpdate", "&Update", "Update the entry's times, cards and rating", this);
    m_clone = Button("btnClone", "C&lone", "Clone squad from previous match", this);
    auto* addPlayer = Button("btnAddPlayer", "A&dd", "Add new players to the team", this);

    auto* sortBox = new QGroupBox("Sort Order", this);
    sortBox->setObjectName("rgSortOrder");
    m_sortGroup = new QButtonGroup(sortBox);
    auto* entered = new QRadioButton("As &entered", sortBox);
    entered->setObjectName("rbAsEntered");
    auto* sorted = new QRadioButton("By &Position/Squad No./Name", sortBox);
    sorted->setObjectName("rbSorted");
    m_sortGroup->addButton(entered, 0);
    m_sortGroup->addButton(sorted, 1);
    (m_sorted ? sorted : entered)->setChecked(true);
    auto* sortLayout = new QHBoxLayout(sortBox);
    sortLayout->addWidget(entered);
    sortLayout->addWidget(sorted);

    auto* teams = new QHBoxLayout;
    teams->addWidget(m_teamGroup->button(0));
    teams->addWidget(m_teamGroup->button(1));
    teams->addStretch(1);

    auto* middle = new QVBoxLayout;
    middle->addStretch(1);
    middle->addWidget(add);
    middle->addWidget(remove);
    middle->addSpacing(12);
    middle->addWidget(swap);
    middle->addStretch(2);

    auto* playersLabel = new QLabel("Available &Players", this);
    playersLabel->setBuddy(m_players);
    auto* right = new QVBoxLayout;
    right->addWidget(playersLabel);
    right->addWidget(m_players, 1);
    right->addWidget(addPlayer, 0, Qt::AlignLeft);

    auto* squadLabel = new QLabel("&Squad", this);
    squadLabel->setBuddy(m_grid);
    auto* left = new QVBoxLayout;
    left->addWidget(squadLabel);
    left->addWidget(m_grid, 1);

    auto* body = new QHBoxLayout;
    body->addLayout(left, 3);
    body->addLayout(middle);
    body->addLayout(right, 2);

    QDialogButtonBox* buttons = OkCancel(this);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(update);
    bottom->addWidget(m_clone);
    bottom->addWidget(sortBox);
    bottom->addStretch(1);
    bottom->addWidget(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(teams);
    layout->addLayout(body, 1);
    layout->addLayout(bottom);

    connect(add, &QPushButton::clicked, this, &SquadWindow::btnAddClick);
    connect(remove, &QPushButton::clicked, this, &SquadWindow::btnRemoveClick);
    connect(swap, &QPushButton::clicked, this, &SquadWindow::btnSwapClick);
    connect(update, &QPushButton::clicked, this, &SquadWindow::btnUpdateClick);
    connect(m_clone, &QPushButton::clicked, this, &SquadWindow::btnCloneClick);
    connect(addPlayer, &QPushButton::clicked, this, &SquadWindow::btnAddPlayerClick);
    connect(buttons, &QDialogButtonBox::accepted, this, &SquadWindow::btnOKClick);
}

void SquadWindow::BuildMenus() {
    m_squadMenu = new QMenu(this);
    m_squadMenu->setObjectName("pmSquad");
    QAction* yellow = m_squadMenu->addAction("&Yellow Card");
    yellow->setObjectName("miYellowCard");
    QAction* substitute = m_squadMenu->addAction("&Substitute");
    substitute->setObjectName("miSubstitute");
    QAction* updateSquadPlayer = m_squadMenu->addAction("Upd&ate Player");
    updateSquadPlayer->setObjectName("miUpdateSquadPlayer");
    connect(yellow, &QAction::triggered, this, &SquadWindow::miYellowCardClick);
    connect(substitute, &QAction::triggered, this, &SquadWindow::miSubstituteClick);
    connect(updateSquadPlayer, &QAction::triggered, this, &SquadWindow::miUpdateSquadPlayerClick);

    m_playerMenu = new QMenu(this);
    m_playerMenu->setObjectName("pmPlayers");
    QAction* updatePlayer = m_playerMenu->addAction("&Update Player");
    updatePlayer->setObjectName("miUpdatePlayer");
    connect(updatePlayer, &QAction::triggered, this, &SquadWindow::miUpdatePlayerClick);
}

void SquadWindow::ConnectControls() {
    connect(m_teamGroup, &QButtonGroup::idClicked, this,
            [this](int id) { ShowSide(static_cast<SquadSide>(id)); });
    connect(m_sortGroup, &QButtonGroup::idClicked, this, &SquadWindow::rgSortOrderClick);
    connect(m_grid, &QTableView::doubleClicked, this, &SquadWindow::btnUpdateClick);
    connect(m_players, &QListWidget::itemDoubleClicked, this, &SquadWindow::btnAddClick);
    connect(m_grid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_squadMenu->popup(m_grid->viewport()->mapToGlobal(at)); });
    connect(m_players, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_playerMenu->popup(m_players->viewport()->mapToGlobal(at)); });
}

int SquadWindow::EntryAt(int row) const {
    return row >= 0 && static_cast<std::size_t>(row) < m_order.size() ? m_order[static_cast<std::size_t>(row)]
                                                                      : 0;
}

int SquadWindow::SelectedEntry() const {
    const QModelIndexList rows = m_grid->selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : EntryAt(rows.first().row());
}

int SquadWindow::SelectedPlayer() const {
    const QListWidgetItem* item = m_players->currentItem();
    return item != nullptr && item->isSelected() ? item->data(kPlayerRole).toInt() : 0;
}

void SquadWindow::ShowSide(SquadSide side) {
    m_side = side;
    m_teamGroup->button(static_cast<int>(side))->setChecked(true);
    Refresh(0);
}

void SquadWindow::Refresh(int row) {
    if (row < 0) {
        const QModelIndexList rows = m_grid->selectionModel()->selectedRows();
        row = rows.isEmpty() ? 0 : rows.first().row();
    }
    m_order = m_editor.DisplayOrder(m_side, m_sorted);
    m_model->Reset();
    m_grid->selectRow(std::clamp(row, 0, std::max(0, static_cast<int>(m_order.size()) - 1)));

    m_players->clear();
    for (int p : m_editor.AvailablePlayers(m_side)) {
        auto* item = new QListWidgetItem(FromLeague(PlayerName(m_league, p)), m_players);
        item->setData(kPlayerRole, p);
    }
    m_clone->setEnabled(m_editor.CanClone(m_side));
}

void SquadWindow::btnAddClick() {
    if (!m_editor.Add(m_side, SelectedPlayer())) {
        m_context.prompter.Beep();
        return;
    }
    const int row = m_players->currentRow();
    Refresh();
    m_players->setCurrentRow(std::min(row, m_players->count() - 1));
}

void SquadWindow::btnRemoveClick() {
    if (!m_editor.Remove(m_side, SelectedEntry())) {
        m_context.prompter.Beep();
        return;
    }
    Refresh();
}

void SquadWindow::btnSwapClick() {
    if (!m_editor.Swap(m_side, SelectedEntry(), SelectedPlayer())) {
        m_context.prompter.Beep();
        return;
    }
    Refresh();
}

void SquadWindow::btnUpdateClick() {
    const int entry = SelectedEntry();
    if (!m_editor.Member(m_side, entry)) {
        m_context.prompter.Beep();
        return;
    }
    const int player = m_editor.Squad(m_side)[static_cast<std::size_t>(entry - 1)].Player;
    SquadMemberDialog dialog(m_editor, m_side, entry, FromLeague(PlayerName(m_league, player)),
                             m_context.locale, this);
    if (dialog.exec() == QDialog::Accepted)
        Refresh();
}

void SquadWindow::btnCloneClick() {
    if (!m_editor.Clone(m_side)) {
        m_context.prompter.Beep();
        return;
    }
    Refresh(0);
}

void SquadWindow::btnAddPlayerClick() {
    PlayerDialog::AddPlayers(m_league, m_context, m_editor.TeamOf(m_side), this);
    Refresh();
}

void SquadWindow::rgSortOrderClick(int sorted) {
    m_sorted = sorted == 1;
    m_context.settings.SquadSort = m_sorted ? 0 : 1;
    m_context.ini.WriteInt("Squads", "SquadSort", m_context.settings.SquadSort);
    m_context.SaveSettings(this);
    Refresh(0);
}

void SquadWindow::miYellowCardClick() {
    if (!m_editor.ToggleYellow(m_side, SelectedEntry())) {
        m_context.prompter.Beep();
        return;
    }
    Refresh();
}

void SquadWindow::miSubstituteClick() {
    const int entry = SelectedEntry();
    const Expected<SubstituteChoices> choices = m_editor.SubstituteChoicesFor(m_side, entry);
    if (!choices) {
        if (IsBeep(choices.error()))
            m_context.prompter.Beep();
        else
            m_context.prompter.Error(this, FromLeague(choices.error().Message));
        return;
    }
    SubstituteDialog dialog(m_league, m_editor, m_side, entry, *choices, m_context.prompter, this);
    if (dialog.exec() == QDialog::Accepted)
        Refresh();
}

void SquadWindow::miUpdateSquadPlayerClick() {
    const int entry = SelectedEntry();
    if (!m_editor.Member(m_side, entry)) {
        m_context.prompter.Beep();
        return;
    }
    PlayerDialog::ChangePlayer(m_league, m_context,
                               m_editor.Squad(m_side)[static_cast<std::size_t>(entry - 1)].Player, this);
    Refresh();
}

void SquadWindow::miUpdatePlayerClick() {
    const int player = SelectedPlayer();
    if (player == 0) {
        m_context.prompter.Beep();
        return;
    }
    PlayerDialog::ChangePlayer(m_league, m_context, player, this);
    Refresh();
}

void SquadWindow::btnOKClick() {
    const Status written = m_editor.Ok();
    if (!written) {
        m_context.prompter.Error(this, FromLeague(written.Message));
        return;
    }
    accept();
}

bool SquadWindow::ShowSquads(League& league, AppContext& context, int game, QWidget* parent) {
    SquadWindow window(league, context, game, parent);
    return window.exec() == QDialog::Accepted;
}

} // namespace gorlin
