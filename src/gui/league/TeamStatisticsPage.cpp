#include "gui/league/TeamStatisticsPage.h"

#include "core/edit/Fixtures.h"
#include "core/edit/TeamList.h"
#include "core/engine/GameFilter.h"
#include "core/engine/StatsLookup.h"
#include "core/engine/TeamCharts.h"
#include "gui/charts/ShapeBox.h"
#include "gui/league/CalendarDialog.h"
#include "gui/league/LeagueHost.h"
#include "gui/league/PlayerColumnsDialog.h"
#include "gui/league/StatsTeamListBox.h"
#include "gui/league/TeamStatsGridModels.h"
#include "gui/widgets/AppContext.h"
#include "gui/widgets/HelpKey.h"
#include "gui/widgets/LeagueText.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace gorlin {

namespace {

// The current-form boxes: ten boxes 15 pixels apart, the home row at y = 2 and the away row at
// y = 20, each 16 pixels high.
constexpr int kFormBoxesWidth = 15 * 10 + 1;
constexpr int kFormBoxesHeight = 20 + 16 + 2;
constexpr int kFormHomeY = 2;
constexpr int kFormAwayY = 20;
constexpr int kChartMinHeight = 80;
constexpr int kChartMaxHeight = 160;

QTableView* MakeGrid(QWidget* parent, const char* name, TeamGridModel* model) {
    auto* grid = new QTableView(parent);
    grid->setObjectName(name);
    grid->setModel(model);
    grid->setItemDelegate(new TeamGridDelegate(grid));
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    grid->setWordWrap(false);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 4);
    grid->horizontalHeader()->setSectionsClickable(true);
    grid->horizontalHeader()->setHighlightSections(false);
    return grid;
}

constexpr const char* kStretchColumn = "stretchColumn";

/// Columns as wide as their contents; the names' column (the grid's "stretchColumn" property)
/// takes the room left over. When the contents are wider than the grid, it scrolls.
void FitColumns(QTableView* grid) {
    QHeaderView* header = grid->horizontalHeader();
    header->setStretchLastSection(false);
    grid->resizeColumnsToContents();
    int total = 0;
    for (int c = 0; c < header->count(); ++c) {
        header->resizeSection(c, header->sectionSize(c) + 6);
        total += header->sectionSize(c);
    }
    const int stretch = grid->property(kStretchColumn).toInt();
    const int spare = grid->viewport()->width() - total;
    if (spare > 0 && stretch >= 0 && stretch < header->count())
        header->resizeSection(stretch, header->sectionSize(stretch) + spare);
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QString& tip) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(tip);
    button->setEnabled(false);
    return button;
}

QAction* MakeAction(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

} // namespace

TeamStatisticsPage::TeamStatisticsPage(League& league, AppContext& context, QWidget* parent)
    : QWidget(parent), m_league(league), m_context(context), m_prompter(context.prompter),
      m_lastFixtureDate(context.locale.Today), m_pickDate(&CalendarDialog::PickDate) {
    setObjectName("TeamStatisticsPage");
    m_formTimer = new QTimer(this);
    m_formTimer->setObjectName("tiForm");
    m_formTimer->setInterval(kFormRotationMs);
    BuildTeamChooser();
    BuildSummary();
    BuildHighScores();
    BuildCurrentForm();
    BuildChart();
    BuildTabs();
    BuildPopups();
    LayoutPage();
    ConnectControls();

    FillGameType();
    m_teams->Fill(m_league, OpeningTeamList(m_league));
    TeamStats(m_teams->SelectedTeam());
}

void TeamStatisticsPage::BuildTeamChooser() {
    m_gameType = new QComboBox(this);
    m_gameType->setObjectName("cbTeamGames");
    m_gameType->setToolTip("The games the statistics count");
    m_gameType->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_gameType->setMinimumContentsLength(10);
    m_teams = new StatsTeamListBox(this);
    m_teams->setObjectName("SelTeamList");
    m_teams->setToolTip("Choose a team to see its statistics");
}

QLabel* TeamStatisticsPage::ValueLabel(const char* name) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    m_labels[name] = label;
    return label;
}

void TeamStatisticsPage::BuildSummary() {
    auto* box = new QGroupBox("Summary", this);
    box->setObjectName("gbSummary");
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(8);
    const struct {
        const char* Caption;
        const char* Name;
        int Row, Column;
    } items[] = {{"Played:", "lblPlayed", 0, 0},   {"Won:", "lblWon", 1, 0},
                 {"Drawn:", "lblDrawn", 2, 0},     {"Lost:", "lblLost", 3, 0},
                 {"Goals:", "lblGoals", 0, 2},     {"Points:", "lblPoints", 1, 2},
                 {"Adjusted:", "lbDeducted", 2, 2}};
    for (const auto& item : items) {
        grid->addWidget(new QLabel(item.Caption, box), item.Row, item.Column);
        QLabel* value = ValueLabel(item.Name);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance("0000"));
        grid->addWidget(value, item.Row, item.Column + 1);
    }
    m_labels["lbDeducted"]->setToolTip("Points added to or deducted from the team's total");
    grid->setColumnMinimumWidth(1, 40);
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(4, 1);
    m_summary = box;
}

void TeamStatisticsPage::BuildHighScores() {
    auto* box = new QGroupBox("Highest Score", this);
    box->setObjectName("gbHighScore");
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(6);
    grid->addWidget(new QLabel("<b>Home</b>", box), 0, 1, 1, 2);
    grid->addWidget(new QLabel("<b>Away</b>", box), 0, 3, 1, 2);
    grid->addWidget(new QLabel("For:", box), 1, 0);
    grid->addWidget(new QLabel("Against:", box), 2, 0);
    const char* const names[2][4] = {{"hfHome", "hfHomeTeam", "hfAway", "hfAwayTeam"},
                                     {"haHome", "haHomeTeam", "haAway", "haAwayTeam"}};
    for (int row = 0; row < 2; ++row)
        for (int c = 0; c < 4; ++c) {
            QLabel* value = ValueLabel(names[row][c]);
            if (c % 2 == 0) {
                value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                value->setMinimumWidth(value->fontMetrics().horizontalAdvance("00"));
            } else {
                // Long names are cut rather than widening the window beyond its first size.
                value->setMinimumWidth(value->fontMetrics().horizontalAdvance("Liverpool"));
            }
            grid->addWidget(value, row + 1, c + 1);
        }
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(4, 1);
    m_highScores = box;
}

void TeamStatisticsPage::BuildCurrentForm() {
    auto* box = new QGroupBox("Current Form", this);
    box->setObjectName("gbCurrentForm");
    auto* boxes = new QWidget(box);
    auto* home = new QLabel("Home:", boxes);
    auto* away = new QLabel("Away:", boxes);
    const int captionWidth = std::max(home->sizeHint().width(), away->sizeHint().width()) + 6;
    home->setGeometry(0, kFormHomeY, captionWidth, 16);
    away->setGeometry(0, kFormAwayY, captionWidth, 16);
    m_curForm = new ShapeBox(boxes);
    m_curForm->setObjectName("pbCurForm");
    m_curForm->setToolTip("Recent results, the most recent on the right: blue won, white drawn, red lost");
    m_curForm->setGeometry(captionWidth, 0, kFormBoxesWidth, kFormBoxesHeight);
    boxes->setFixedSize(captionWidth + kFormBoxesWidth, kFormBoxesHeight);

    m_formSum = new QLabel(box);
    m_formSum->setObjectName("labFormSum");
    m_formSum->setTextFormat(Qt::PlainText);
    QFont bold = m_formSum->font();
    bold.setBold(true);
    m_formSum->setFont(bold);
    // Room for the longest phrase (40 characters).
    m_formSum->setMinimumWidth(
        m_formSum->fontMetrics().horizontalAdvance("Not scored at home for 38 games  "));

    auto* layout = new QVBoxLayout(box);
    layout->addWidget(boxes);
    layout->addWidget(m_formSum);
    layout->addStretch(1);
    m_formBox = box;
}

void TeamStatisticsPage::BuildChart() {
    auto* box = new QGroupBox("Points Progress", this);
    box->setObjectName("gbPoints");
    m_chart = new ShapeBox(box);
    m_chart->setObjectName("pbPoints");
    m_chart->setToolTip("Points after each league game. Double click for the graph");
    m_chart->setMinimumSize(120, kChartMinHeight);
    m_graph = MakeButton(box, "btnGraph", "&Graph", "Points and position graph of the team");
    m_print = MakeButton(box, "btnTSPrint", "&Print", "Print the team's statistics");
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_graph);
    buttons->addWidget(m_print);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(box);
    layout->addWidget(m_chart, 1);
    layout->addLayout(buttons);
    m_chartBox = box;
}

void TeamStatisticsPage::BuildTabs() {
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName("pcTeamStats");
    const Settings& settings = m_context.settings;

    auto* results = new QWidget;
    m_gamesModel = new TeamGridModel(TeamGridModel::Grid::Results, settings, this);
    m_games = MakeGrid(results, "sgGames", m_gamesModel);
    m_games->horizontalHeader()->setObjectName("hcGames");
    m_games->setProperty(kStretchColumn, int(kResOpposition));
    m_games->setToolTip("Double click for the game's details");
    m_gameSummary = MakeButton(results, "btnGameSummary", "Game &Summary", "Details of the selected game");
    m_squads = MakeButton(results, "btnSquads", "S&quads", "Squads of the selected game");
    auto* resultsButtons = new QHBoxLayout;
    resultsButtons->addWidget(m_gameSummary);
    resultsButtons->addWidget(m_squads);
    resultsButtons->addStretch(1);
    auto* resultsLayout = new QVBoxLayout(results);
    resultsLayout->addWidget(m_games, 1);
    resultsLayout->addLayout(resultsButtons);
    m_tabs->addTab(results, "&Results");

    auto* players = new QWidget;
    m_playersModel = new TeamGridModel(TeamGridModel::Grid::Players, settings, this);
    m_players = MakeGrid(players, "sgTmPlayers", m_playersModel);
    auto* header = new PlayerHeaderView(m_players);
    header->setObjectName("hcTmPlayers");
    m_players->setHorizontalHeader(header);
    m_players->setToolTip("Double click for the player's statistics");
    m_playerStats =
        MakeButton(players, "btnPlayerStats", "Player &Statistics", "Statistics of the selected player");
    m_columns = MakeButton(players, "btnColumns", "&Columns...", "Choose the columns of the players grid");
    m_columns->setEnabled(true);
    auto* playersButtons = new QHBoxLayout;
    playersButtons->addWidget(m_playerStats);
    playersButtons->addWidget(m_columns);
    playersButtons->addStretch(1);
    auto* playersLayout = new QVBoxLayout(players);
    playersLayout->addWidget(m_players, 1);
    playersLayout->addLayout(playersButtons);
    m_tabs->addTab(players, "Pla&yers");

    auto* fixtures = new QWidget;
    m_fixturesModel = new TeamGridModel(TeamGridModel::Grid::Fixtures, settings, this);
    m_fixtures = MakeGrid(fixtures, "sgFixtures", m_fixturesModel);
    m_fixtures->horizontalHeader()->setObjectName("hcFixtures");
    m_fixtures->setProperty(kStretchColumn, int(kTeamFixOpposition));
    m_fixtures->setToolTip("Right click to set a fixture's date");
    auto* fixturesLayout = new QVBoxLayout(fixtures);
    fixturesLayout->addWidget(m_fixtures, 1);
    m_tabs->addTab(fixtures, "&Fixtures");

    auto* misc = new QWidget;
    auto* attendance = new QGroupBox("Attendance", misc);
    attendance->setObjectName("gbAttendance");
    auto* attGrid = new QGridLayout(attendance);
    const struct {
        const char* Caption;
        const char* Value;
        const char* Team;
    } att[] = {{"Highest:", "labAttHigh", "labAtHiTm"},
               {"Lowest:", "labAttLow", "labAtLoTm"},
               {"Average:", "labAttAve", nullptr},
               {"Total:", "labAttTotal", nullptr}};
    for (int row = 0; row < 4; ++row) {
        attGrid->addWidget(new QLabel(att[row].Caption, attendance), row, 0);
        QLabel* value = ValueLabel(att[row].Value);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance("99,999,999"));
        attGrid->addWidget(value, row, 1);
        if (att[row].Team)
            attGrid->addWidget(ValueLabel(att[row].Team), row, 2);
    }
    attGrid->setColumnMinimumWidth(2, attendance->fontMetrics().horizontalAdvance("Wolverhampton Wanderers"));
    attGrid->setColumnStretch(3, 1);
    auto* clean = new QGroupBox("Clean Sheets", misc);
    clean->setObjectName("gbCleanSheets");
    auto* cleanGrid = new QGridLayout(clean);
    const struct {
        const char* Caption;
        const char* Value;
    } sheets[] = {{"Total:", "labTotClean"}, {"Home:", "labHmClean"}, {"Away:", "labAwClean"}};
    for (int row = 0; row < 3; ++row) {
        cleanGrid->addWidget(new QLabel(sheets[row].Caption, clean), row, 0);
        QLabel* value = ValueLabel(sheets[row].Value);
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance("999 (100%)"));
        cleanGrid->addWidget(value, row, 1);
    }
    cleanGrid->setColumnStretch(2, 1);
    cleanGrid->setRowStretch(3, 1);
    auto* miscLayout = new QHBoxLayout(misc);
    miscLayout->addWidget(attendance, 3);
    miscLayout->addWidget(clean, 2);
    miscLayout->setAlignment(attendance, Qt::AlignTop);
    miscLayout->setAlignment(clean, Qt::AlignTop);
    m_tabs->addTab(misc, "&Miscellaneous");
}

void TeamStatisticsPage::BuildPopups() {
    m_gamesPopup = new QMenu(this);
    m_gamesPopup->setObjectName("pmGames");
    connect(MakeAction(m_gamesPopup, "miGameSummary", "Game &Summary"), &QAction::triggered, this,
            &TeamStatisticsPage::btnGameSummaryClick);
    connect(MakeAction(m_gamesPopup, "miSquads", "S&quads"), &QAction::triggered, this,
            &TeamStatisticsPage::btnSquadsClick);

    m_playersPopup = new QMenu(this);
    m_playersPopup->setObjectName("pmTmPlayers");
    connect(MakeAction(m_playersPopup, "miPlayerStats", "&Player Statistics"), &QAction::triggered, this,
            &TeamStatisticsPage::btnPlayerStatsClick);
    connect(MakeAction(m_playersPopup, "miColumns", "&Columns..."), &QAction::triggered, this,
            &TeamStatisticsPage::btnColumnsClick);

    m_fixturesPopup = new QMenu(this);
    m_fixturesPopup->setObjectName("pmFixtures");
    connect(MakeAction(m_fixturesPopup, "miSetDate", "Set &Date"), &QAction::triggered, this,
            &TeamStatisticsPage::miSetDateClick);

    const struct {
        QMenu* Menu;
        const char* Suffix;
        int Part;
    } grids[] = {{m_gamesPopup, "Games", kPrintResults},
                 {m_playersPopup, "TmPlayers", kPrintPlayers},
                 {m_fixturesPopup, "Fixtures", kPrintFixtures}};
    for (const auto& g : grids) {
        g.Menu->addSeparator();
        const QByteArray suffix(g.Suffix);
        const int part = g.Part;
        connect(MakeAction(g.Menu, QByteArray("miPrint" + suffix).constData(), "&Print"), &QAction::triggered,
                this, [this, part] { emit printRequested(part); });
        connect(MakeAction(g.Menu, QByteArray("miExport" + suffix).constData(), "&Export"),
                &QAction::triggered, this, [this, part] { emit exportRequested(part); });
    }
}

void TeamStatisticsPage::LayoutPage() {
    auto* gamesLabel = new QLabel("&Games:", this);
    gamesLabel->setBuddy(m_gameType);
    auto* teamLabel = new QLabel("&Team:", this);
    teamLabel->setBuddy(m_teams);
    auto* left = new QVBoxLayout;
    left->addWidget(gamesLabel);
    left->addWidget(m_gameType);
    left->addWidget(teamLabel);
    left->addWidget(m_teams, 1);

    auto* top = new QHBoxLayout;
    top->addWidget(m_summary);
    top->addWidget(m_highScores, 1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(m_formBox);
    middle->addWidget(m_chartBox, 1);
    auto* right = new QVBoxLayout;
    right->addLayout(top);
    right->addLayout(middle);
    right->addWidget(m_tabs, 1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(left);
    layout->addLayout(right, 1);
    // As wide as a long team name when there is room, narrower in a small window.
    const int listWidth = m_teams->fontMetrics().horizontalAdvance("Wolverhampton Wanderers") + 50;
    m_teams->setMinimumWidth(listWidth * 2 / 3);
    m_teams->setMaximumWidth(listWidth);
    m_gameType->setMinimumWidth(listWidth * 2 / 3);
    m_gameType->setMaximumWidth(listWidth);

    setTabOrder(m_gameType, m_teams);
    setTabOrder(m_teams, m_graph);
    setTabOrder(m_graph, m_print);
    setTabOrder(m_print, m_tabs);
}

void TeamStatisticsPage::ConnectControls() {
    connect(m_teams, &QListWidget::currentRowChanged, this, &TeamStatisticsPage::SelTeamListClick);
    connect(m_gameType, qOverload<int>(&QComboBox::activated), this, &TeamStatisticsPage::cbTeamGamesChange);
    connect(m_formTimer, &QTimer::timeout, this, &TeamStatisticsPage::tiFormTimer);
    connect(m_graph, &QPushButton::clicked, this, &TeamStatisticsPage::btnGraphClick);
    connect(m_chart, &ShapeBox::doubleClicked, this, &TeamStatisticsPage::btnGraphClick);
    connect(m_print, &QPushButton::clicked, this, &TeamStatisticsPage::btnTSPrintClick);
    connect(m_gameSummary, &QPushButton::clicked, this, &TeamStatisticsPage::btnGameSummaryClick);
    connect(m_squads, &QPushButton::clicked, this, &TeamStatisticsPage::btnSquadsClick);
    connect(m_playerStats, &QPushButton::clicked, this, &TeamStatisticsPage::btnPlayerStatsClick);
    connect(m_columns, &QPushButton::clicked, this, &TeamStatisticsPage::btnColumnsClick);
    connect(m_games, &QTableView::doubleClicked, this, [this] {
        if (m_gameWindowsAvailable)
            btnGameSummaryClick();
    });
    connect(m_players, &QTableView::doubleClicked, this, [this] {
        if (m_playerAvailable)
            btnPlayerStatsClick();
    });
    connect(m_games->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &TeamStatisticsPage::hcGamesSectionClick);
    connect(m_players->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &TeamStatisticsPage::hcTmPlayersSectionClick);
    connect(m_fixtures->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &TeamStatisticsPage::hcFixturesSectionClick);
    for (QTableView* grid : {m_games, m_players, m_fixtures}) {
        connect(grid, &QWidget::customContextMenuRequested, this,
                [this, grid](const QPoint& at) { GridContextMenu(grid, at); });
        grid->viewport()->installEventFilter(this);
    }
    connect(HelpKey(this), &QShortcut::activated, this, &TeamStatisticsPage::helpRequested);

    m_curForm->SetDrawing(
        [this](int, int, const TextMeasure&) { return DrawCurrentForm(m_data.HomeForm, m_data.AwayForm); });
    m_chart->SetDrawing([this](int width, int height, const TextMeasure&) {
        return PointsGraph(m_data.Chart, width, height);
    });
}

void TeamStatisticsPage::FillGameType() {
    const QSignalBlocker block(m_gameType);
    m_gameType->clear();
    for (const std::string& item : GameFilterItems(m_league))
        m_gameType->addItem(FromLeague(item));
    m_gameType->setCurrentIndex(SelectGameFilter(m_league));
}

void TeamStatisticsPage::RefillTeams() {
    // The chosen team by its name, which outlives a deletion that moves it to another index; a
    // team renamed since the list was filled is still found by its index.
    std::string name = m_teams->SelectedName();
    if (FindTeamIndex(m_league, name) < 0)
        name = std::string(TeamName(m_league, m_teams->SelectedTeam()));
    m_teams->Fill(m_league, ChangeTeamGames(m_league, m_league.Head.GameType, name));
}

int TeamStatisticsPage::SelectedTeam() const {
    return m_teams->SelectedTeam();
}

bool TeamStatisticsPage::SelectTeam(int team) {
    // Teams may have been added, renamed or deleted since the list was last filled.
    m_teams->Fill(m_league, ChangeTeamGames(m_league, m_league.Head.GameType, TeamName(m_league, team)));
    if (!m_teams->SelectTeam(team))
        return false;
    if (isVisible())
        TeamStats(team);
    return true;
}

void TeamStatisticsPage::TeamStats(int team) {
    m_formTimer->stop();
    m_data = gorlin::TeamStats(m_league, team, m_context.settings, m_context.locale, m_sorts);
    m_gamesModel->SetStats(&m_data);
    m_playersModel->SetStats(&m_data);
    m_fixturesModel->SetStats(&m_data);
    const std::size_t playerName = m_data.PlayerColumns.find('B');
    m_players->setProperty(kStretchColumn, playerName != std::string::npos
                                               ? static_cast<int>(playerName)
                                               : static_cast<int>(m_data.PlayerColumns.size()) - 1);
    for (QTableView* grid : {m_games, m_players, m_fixtures}) {
        FitColumns(grid);
        if (grid->model()->rowCount() > 0)
            grid->selectRow(0);
    }
    ShowLabels();
    m_rotation = StartFormRotation(static_cast<int>(m_data.FormPhrases.size()));
    ShowPhrase();
    if (m_rotation.TimerOn)
        m_formTimer->start();
    m_curForm->update();
    // One pixel a point at least: the bars' unit is the height div the leader's points.
    m_chart->setMinimumHeight(std::clamp(m_data.Chart.MaxPoints + 1, kChartMinHeight, kChartMaxHeight));
    m_chart->update();
    EnableCommands();
}

void TeamStatisticsPage::ShowLabels() {
    for (const auto& [name, text] : TeamStatsLabels(m_data)) {
        const auto it = m_labels.find(name);
        if (it != m_labels.end())
            it->second->setText(FromLeague(text));
    }
}

void TeamStatisticsPage::ShowPhrase() {
    m_formSum->setText(FromLeague(ShownPhrase(m_data.FormPhrases, m_rotation)));
}

void TeamStatisticsPage::EnableCommands() {
    m_graph->setEnabled(m_graphAvailable && m_data.btnGraph);
    m_print->setEnabled(m_printAvailable && m_data.btnTSPrint);
    m_gameSummary->setEnabled(m_gameWindowsAvailable);
    m_squads->setEnabled(m_gameWindowsAvailable);
    m_playerStats->setEnabled(m_playerAvailable);
    for (QMenu* menu : {m_gamesPopup, m_playersPopup, m_fixturesPopup})
        for (QAction* action : menu->actions()) {
            const QString name = action->objectName();
            if (name.startsWith("miPrint"))
                action->setEnabled(m_printAvailable);
            else if (name.startsWith("miExport"))
                action->setEnabled(m_exportAvailable);
        }
    for (const char* name : {"miGameSummary", "miSquads"})
        m_gamesPopup->findChild<QAction*>(name)->setEnabled(m_gameWindowsAvailable);
    m_playersPopup->findChild<QAction*>("miPlayerStats")->setEnabled(m_playerAvailable);
}

void TeamStatisticsPage::SetGraphAvailable(bool on) {
    m_graphAvailable = on;
    EnableCommands();
}

void TeamStatisticsPage::SetPlayerWindowAvailable(bool on) {
    m_playerAvailable = on;
    EnableCommands();
}

void TeamStatisticsPage::SetGameWindowsAvailable(bool on) {
    m_gameWindowsAvailable = on;
    EnableCommands();
}

void TeamStatisticsPage::SetPrintAvailable(bool on) {
    m_printAvailable = on;
    EnableCommands();
}

void TeamStatisticsPage::SetExportAvailable(bool on) {
    m_exportAvailable = on;
    EnableCommands();
}

void TeamStatisticsPage::SelTeamListClick() {
    TeamStats(m_teams->SelectedTeam());
}

void TeamStatisticsPage::cbTeamGamesChange(int item) {
    m_teams->Fill(m_league, ChangeTeamGames(m_league, item, m_teams->SelectedName()));
    TeamStats(m_teams->SelectedTeam());
}

void TeamStatisticsPage::tiFormTimer() {
    FormTick(m_rotation, isVisible());
    if (!m_rotation.TimerOn) {
        m_formTimer->stop();
        return;
    }
    ShowPhrase();
}

void TeamStatisticsPage::btnGraphClick() {
    if (m_graphAvailable && m_data.btnGraph)
        emit graphRequested(m_data.Team);
}

void TeamStatisticsPage::btnTSPrintClick() {
    if (m_printAvailable && m_data.btnTSPrint)
        emit printRequested(kPrintPage);
}

int TeamStatisticsPage::SelectedKey(QTableView* grid) {
    const auto* model = static_cast<const TeamGridModel*>(grid->model());
    const QModelIndex current = grid->currentIndex();
    const int key = current.isValid() ? model->RowKey(current.row()) : 0;
    if (key == 0)
        m_prompter.Beep();
    return key;
}

void TeamStatisticsPage::btnGameSummaryClick() {
    if (!m_gameWindowsAvailable)
        return;
    if (const int game = SelectedKey(m_games))
        emit gameSummaryRequested(game);
}

void TeamStatisticsPage::btnSquadsClick() {
    if (!m_gameWindowsAvailable)
        return;
    if (const int game = SelectedKey(m_games))
        emit squadsRequested(game);
}

void TeamStatisticsPage::btnPlayerStatsClick() {
    if (!m_playerAvailable)
        return;
    if (const int player = SelectedKey(m_players))
        emit playerRequested(player);
}

void TeamStatisticsPage::btnColumnsClick() {
    PlayerColumnsDialog dialog(m_context.settings.PlayerCols, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_context.settings.PlayerCols = dialog.Displayed();
    m_context.settings.WritePlayerCols(m_context.ini);
    m_context.SaveSettings(this);
    TeamStats(m_data.Team);
}

void TeamStatisticsPage::miSetDateClick() {
    const QModelIndex current = m_fixtures->currentIndex();
    const int game = current.isValid() ? m_fixturesModel->RowKey(current.row()) : 0;
    if (game == 0) {
        m_prompter.Beep();
        return;
    }
    const QRect cell = m_fixtures->visualRect(current);
    const QPoint where = m_fixtures->viewport()->mapToGlobal(QPoint(cell.left(), cell.bottom()));
    int last = m_readLastFixtureDate ? m_readLastFixtureDate() : m_lastFixtureDate;
    const int picked = m_pickDate(this, SetDatePreset(m_league, game, last), where);
    if (picked == 0)
        return;
    if (!SetFixtureDate(m_league, game, picked, last)) {
        m_prompter.Beep();
        return;
    }
    m_lastFixtureDate = last;
    if (m_writeLastFixtureDate)
        m_writeLastFixtureDate(last);
    emit dataChanged();
    TeamStats(m_data.Team);
}

void TeamStatisticsPage::ShareLastFixtureDate(std::function<int()> read, std::function<void(int)> write) {
    m_readLastFixtureDate = std::move(read);
    m_writeLastFixtureDate = std::move(write);
}

void TeamStatisticsPage::Resorted(QTableView* grid, TeamGridModel* model, const std::function<void()>& sort) {
    const QModelIndex current = grid->currentIndex();
    const int key = current.isValid() ? model->RowKey(current.row()) : 0;
    sort();
    model->SetStats(&m_data);
    for (int row = 0; row < model->rowCount(); ++row)
        if (model->RowKey(row) == key) {
            grid->selectRow(row);
            return;
        }
}

void TeamStatisticsPage::hcGamesSectionClick(int section) {
    Resorted(m_games, m_gamesModel, [this, section] {
        m_sorts.Results = ClickHeading(m_sorts.Results, section);
        SortResults(m_data.Results, m_sorts.Results);
    });
}

void TeamStatisticsPage::hcFixturesSectionClick(int section) {
    Resorted(m_fixtures, m_fixturesModel, [this, section] {
        m_sorts.Fixtures = ClickHeading(m_sorts.Fixtures, section);
        SortFixtures(m_data.FixtureRows, m_sorts.Fixtures);
    });
}

void TeamStatisticsPage::hcTmPlayersSectionClick(int section) {
    const char letter = m_playersModel->ColumnLetter(section);
    if (letter == 0)
        return;
    Resorted(m_players, m_playersModel, [this, letter] {
        m_sorts.Players = letter;
        SortPlayers(m_data.Players, letter);
    });
}

void TeamStatisticsPage::GridContextMenu(QTableView* grid, QPoint where) {
    const QModelIndex index = grid->indexAt(where);
    if (index.isValid())
        grid->selectRow(index.row());
    QMenu* menu = grid == m_games ? m_gamesPopup : grid == m_players ? m_playersPopup : m_fixturesPopup;
    menu->popup(grid->viewport()->mapToGlobal(where));
}

void TeamStatisticsPage::ResultChanged() {
    TeamStats(m_teams->SelectedTeam());
}

bool TeamStatisticsPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize)
        for (QTableView* grid : {m_games, m_players, m_fixtures})
            if (watched == grid->viewport())
                FitColumns(grid);
    return QWidget::eventFilter(watched, event);
}

void TeamStatisticsPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    // Competitions, teams or the shared filter may have changed on other pages.
    FillGameType();
    RefillTeams();
    TeamStats(m_teams->SelectedTeam());
}

TeamStatisticsPage* InstallTeamStatisticsPage(LeagueHost& host) {
    auto* page = new TeamStatisticsPage(host.GetLeague(), host.Context());
    host.SetPage(LeagueHost::kTeamStatisticsPage, page);
    LeagueHost* h = &host;
    QObject::connect(page, &TeamStatisticsPage::dataChanged, host.Window(), [h] { h->DataChangedNotify(); });
    QObject::connect(page, &TeamStatisticsPage::helpRequested, host.Window(),
                     [h] { h->ShowHelp("teamstats.html"); });
    return page;
}

} // namespace gorlin
