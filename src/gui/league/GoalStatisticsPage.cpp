#include "gui/league/GoalStatisticsPage.h"

#include "core/engine/GameFilter.h"
#include "gui/charts/ShapeBox.h"
#include "gui/league/OwnTeamDelegate.h"
#include "gui/league/RowsModel.h"
#include "gui/widgets/AppContext.h"
#include "gui/widgets/HelpKey.h"
#include "gui/widgets/LeagueText.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QShortcut>
#include <QShowEvent>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace gorlin {

namespace {

QStringList Headings(const std::vector<std::string>& headings) {
    QStringList list;
    for (const std::string& h : headings)
        list << FromLeague(h);
    return list;
}

QTableView* MakeGrid(QWidget* parent, const char* name, RowsModel* model) {
    auto* grid = new QTableView(parent);
    grid->setObjectName(name);
    grid->setModel(model);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setWordWrap(false);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 4);
    grid->horizontalHeader()->setSectionsClickable(true);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    return grid;
}

QLabel* ValueLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

GoalStatisticsPage::GoalStatisticsPage(League& league, AppContext& context, QWidget* parent)
    : QWidget(parent), m_league(league), m_context(context) {
    setObjectName("GoalStatisticsPage");
    BuildControls();
    BuildGrids();
    LayoutPage();
    ConnectControls();
    GoalStats();
}

void GoalStatisticsPage::BuildControls() {
    m_gameType = new QComboBox(this);
    m_gameType->setObjectName("cbTeamGoals");
    m_gameType->setToolTip("The games the statistics count");
    m_topScorers = new QListWidget(this);
    m_topScorers->setObjectName("lbTopScorers");
    m_topScorers->setToolTip("Players with two goals or more; double click for a player's statistics");
    auto* scorerDelegate = new OwnTeamDelegate(m_topScorers);
    m_topScorers->setItemDelegate(scorerDelegate);
    m_penScored = ValueLabel(this, "lbPenScored");
    m_penMissed = ValueLabel(this, "lbPenMissed");
    m_penCon = ValueLabel(this, "lbPenCon");
    m_penAward = ValueLabel(this, "lbPenAward");
    m_chartTeam = new QComboBox(this);
    m_chartTeam->setObjectName("cbGdTeam");
    m_chartTeam->setToolTip("The team whose goals the chart shows");
    m_chart = new ShapeBox(this);
    m_chart->setObjectName("pbGoals");
    m_chart->setMinimumSize(190, 90);
    m_chart->SetDrawing(
        [this](int width, int height, const TextMeasure&) { return GoalGraph(m_times, width, height); });
}

void GoalStatisticsPage::BuildGrids() {
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName("pcGoals");
    const League* league = &m_league;
    const Locale* locale = &m_context.locale;
    const QColor own = ToQColor(m_context.settings.Colour4);

    auto* hatModel = new RowsModel(
        Headings(GoalsPerMatchHeadings()), [this] { return static_cast<int>(m_data.sgGoalsPerMatch.size()); },
        [this, league, locale](int row, int column) {
            return FromLeague(HatTrickCell(*league, m_data.sgGoalsPerMatch[static_cast<std::size_t>(row)],
                                           column, *locale));
        },
        this);
    hatModel->SetRightAligned({0});
    m_hatTricks = MakeGrid(this, "sgGoalsPerMatch", hatModel);
    auto* gameDelegate = new OwnTeamDelegate(m_hatTricks);
    m_hatTricks->setItemDelegateForColumn(2, gameDelegate);

    auto playerModel = [this, league, own](std::vector<PlayerGoalsRow> GoalStatsData::*rows, int columns,
                                           const std::vector<std::string>& headings) {
        auto* model = new RowsModel(
            Headings(headings), [this, rows] { return static_cast<int>((m_data.*rows).size()); },
            [this, league, rows](int row, int column) {
                return FromLeague(
                    PlayerGoalsCell(*league, (m_data.*rows)[static_cast<std::size_t>(row)], column));
            },
            this);
        model->SetRightAligned(columns == 4 ? std::vector<int>{2, 3} : std::vector<int>{2});
        model->SetRoles([this, rows, own](int row, int column, int role) -> QVariant {
            if (role == Qt::ForegroundRole && column == 1 &&
                (m_data.*rows)[static_cast<std::size_t>(row)].OwnTeam)
                return own;
            return {};
        });
        return model;
    };
    m_pens = MakeGrid(this, "sgPens", playerModel(&GoalStatsData::sgPens, 4, PensHeadings()));
    m_ownGoals = MakeGrid(this, "sgOwnGoals", playerModel(&GoalStatsData::sgOwnGoals, 3, OwnGoalsHeadings()));

    auto* teamModel = new RowsModel(
        Headings(TeamGoalsHeadings()), [this] { return static_cast<int>(m_data.sgTeamGoals.size()); },
        [this, league](int row, int column) {
            return FromLeague(
                TeamGoalsCell(*league, m_data.sgTeamGoals[static_cast<std::size_t>(row)], column));
        },
        this);
    teamModel->SetRightAligned({1, 2, 3, 4, 5, 6});
    teamModel->SetRoles([this, own](int row, int column, int role) -> QVariant {
        if (role == Qt::ForegroundRole && column == 0 &&
            m_data.sgTeamGoals[static_cast<std::size_t>(row)].OwnTeam)
            return own;
        return {};
    });
    m_teamGoals = MakeGrid(this, "sgTeamGoals", teamModel);

    m_tabs->addTab(m_hatTricks, "&Hat-Tricks");
    m_tabs->addTab(m_pens, "&Penalties");
    m_tabs->addTab(m_ownGoals, "&Own Goals");
    m_tabs->addTab(m_teamGoals, "&By-Team");
}

void GoalStatisticsPage::LayoutPage() {
    auto* filterRow = new QHBoxLayout;
    auto* filterLabel = new QLabel("&Games:", this);
    filterLabel->setBuddy(m_gameType);
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(m_gameType);
    filterRow->addStretch(1);

    auto* scorersBox = new QGroupBox("Top Scorers", this);
    auto* scorersLayout = new QVBoxLayout(scorersBox);
    scorersLayout->addWidget(m_topScorers);

    auto* pensBox = new QGroupBox("Penalty Summary", this);
    auto* pensLayout = new QFormLayout(pensBox);
    pensLayout->addRow("Scored:", m_penScored);
    pensLayout->addRow("Missed:", m_penMissed);
    pensLayout->addRow("Most Conceded:", m_penCon);
    pensLayout->addRow("Most Awarded:", m_penAward);

    auto* chartBox = new QGroupBox("Goal Time Distribution", this);
    auto* chartLayout = new QVBoxLayout(chartBox);
    chartLayout->addWidget(m_chartTeam);
    chartLayout->addWidget(m_chart, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(scorersBox, 3);
    left->addWidget(pensBox);
    auto* right = new QVBoxLayout;
    right->addWidget(m_tabs, 3);
    right->addWidget(chartBox, 2);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 2);
    columns->addLayout(right, 3);
    auto* page = new QVBoxLayout(this);
    page->addLayout(filterRow);
    page->addLayout(columns, 1);
}

void GoalStatisticsPage::ConnectControls() {
    connect(m_gameType, &QComboBox::activated, this, &GoalStatisticsPage::cbTeamGoalsChange);
    connect(m_chartTeam, &QComboBox::activated, this, &GoalStatisticsPage::cbGdTeamClick);
    connect(m_topScorers, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { lbTopScorersDblClick(m_topScorers->row(item)); });
    for (QTableView* grid : {m_hatTricks, m_pens, m_ownGoals, m_teamGoals}) {
        connect(grid, &QTableView::doubleClicked, this,
                [this, grid](const QModelIndex& index) { GridDblClick(grid, index.row()); });
        connect(grid->horizontalHeader(), &QHeaderView::sectionClicked, this,
                [this, grid](int section) { HeaderClick(grid, section); });
    }
    connect(HelpKey(this), &QShortcut::activated, this, &GoalStatisticsPage::helpRequested);
}

RowsModel* GoalStatisticsPage::Model(QTableView* grid) const {
    return static_cast<RowsModel*>(grid->model());
}

void GoalStatisticsPage::GoalStats() {
    m_gameType->clear();
    for (const std::string& item : GameFilterItems(m_league))
        m_gameType->addItem(FromLeague(item));
    m_gameType->setCurrentIndex(SelectGameFilter(m_league));
    m_data = gorlin::GoalStats(m_league, m_league.Head.GameType, m_keys);

    const QString ownTeam = FromLeague(m_data.OwnTeamName);
    const QColor own = ToQColor(m_context.settings.Colour4);
    static_cast<OwnTeamDelegate*>(m_topScorers->itemDelegate())->SetOwnTeam(ownTeam, own);
    static_cast<OwnTeamDelegate*>(m_hatTricks->itemDelegateForColumn(2))->SetOwnTeam(ownTeam, own);
    m_topScorers->clear();
    for (int i = 0; i < m_data.TopScorerCount; ++i) {
        const ScorerEntry& entry = m_data.Scorers[static_cast<std::size_t>(i)];
        auto* item = new QListWidgetItem(FromLeague(TopScorerText(m_league, entry)), m_topScorers);
        item->setData(Qt::UserRole, entry.Player);
    }
    m_penScored->setText(FromLeague(m_data.lbPenScored));
    m_penMissed->setText(FromLeague(m_data.lbPenMissed));
    m_penCon->setText(FromLeague(m_data.lbPenCon));
    m_penAward->setText(FromLeague(m_data.lbPenAward));
    for (QTableView* grid : {m_hatTricks, m_pens, m_ownGoals, m_teamGoals}) {
        Model(grid)->Reset();
        grid->resizeColumnsToContents();
    }
    FillChartTeams();
    ComputeTimes();
}

void GoalStatisticsPage::FillChartTeams() {
    m_chartTeam->clear();
    const std::vector<TeamListItem> items = GoalChartTeams(m_league);
    int selected = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        m_chartTeam->addItem(FromLeague(items[i].Text), items[i].Team);
        if (m_league.Head.OwnTeam != 0 && items[i].Team == m_league.Head.OwnTeam)
            selected = static_cast<int>(i);
    }
    m_chartTeam->setCurrentIndex(selected);
}

int GoalStatisticsPage::ChartTeam() const {
    return m_chartTeam->currentIndex() < 0 ? 0 : m_chartTeam->currentData().toInt();
}

void GoalStatisticsPage::ComputeTimes() {
    m_times = GoalTimeBuckets(m_league, m_league.Head.GameType, ChartTeam());
    m_chart->update();
}

void GoalStatisticsPage::cbTeamGoalsChange(int item) {
    if (item < 0)
        return;
    m_league.Head.GameType = static_cast<u8>(item);
    const int team = ChartTeam();
    GoalStats();
    // The chart keeps its team while the filter changes.
    const int at = m_chartTeam->findData(team);
    if (at >= 0)
        m_chartTeam->setCurrentIndex(at);
    ComputeTimes();
}

void GoalStatisticsPage::cbGdTeamClick(int item) {
    if (item >= 0)
        ComputeTimes();
}

void GoalStatisticsPage::lbTopScorersDblClick(int item) {
    if (QListWidgetItem* entry = m_topScorers->item(item))
        if (const int player = entry->data(Qt::UserRole).toInt())
            emit playerRequested(player);
}

int GoalStatisticsPage::RowPlayer(QTableView* grid, int row) const {
    const auto at = static_cast<std::size_t>(row);
    if (row < 0)
        return 0;
    if (grid == m_hatTricks)
        return at < m_data.sgGoalsPerMatch.size() ? m_data.sgGoalsPerMatch[at].Item.Player : 0;
    if (grid == m_pens)
        return at < m_data.sgPens.size() ? m_data.sgPens[at].Player : 0;
    if (grid == m_ownGoals)
        return at < m_data.sgOwnGoals.size() ? m_data.sgOwnGoals[at].Player : 0;
    return 0; // the by-team rows have no player
}

void GoalStatisticsPage::GridDblClick(QTableView* grid, int row) {
    if (const int player = RowPlayer(grid, row))
        emit playerRequested(player);
}

void GoalStatisticsPage::HeaderClick(QTableView* grid, int section) {
    const int key = section + 1;
    if (grid == m_hatTricks) {
        m_keys.GoalsPerMatch = key;
        SortGoalsPerMatch(m_data.sgGoalsPerMatch, key);
    } else if (grid == m_pens) {
        m_keys.Pens = key;
        SortPens(m_data.sgPens, key);
    } else if (grid == m_ownGoals) {
        m_keys.OwnGoals = key;
        SortOwnGoals(m_data.sgOwnGoals, key);
    } else {
        m_keys.TeamGoals = key;
        SortTeamGoals(m_data.sgTeamGoals, key);
    }
    Model(grid)->Reset();
}

void GoalStatisticsPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        GoalStats(); // results, players or the shared filter may have changed on other pages
}

} // namespace gorlin
