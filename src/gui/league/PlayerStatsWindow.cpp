#include "gui/league/PlayerStatsWindow.h"

#include "core/engine/GameFilter.h"
#include "gui/charts/ShapeBox.h"
#include "gui/league/RowsModel.h"
#include "gui/widgets/AppContext.h"
#include "gui/widgets/LeagueText.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace gorlin {

namespace {

const char* const kDetailNames[] = {"lbTimeOn",  "lbTimeOff",   "lbYellowCards",
                                    "lbRedCard", "lbPenalties", "lbRating"};
const char* const kDetailCaptions[] = {
    "Time on:", "Time off:", "Yellow Cards:", "Red Card:", "Penalties:", "Rating:"};

QLabel* ValueLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

PlayerStatsWindow::PlayerStatsWindow(const League& league, AppContext& context, int player, QWidget* parent)
    : QDialog(parent), m_league(league), m_context(context), m_player(player),
      m_gameType(league.Head.GameType) {
    setObjectName("PlayerStatsWindow");
    BuildControls();
    LayoutWindow();
    ConnectControls();
    BuildData();
}

void PlayerStatsWindow::BuildControls() {
    m_filter = new QComboBox(this);
    m_filter->setObjectName("cbTeamPlay");
    m_filter->setToolTip("The games this window counts");
    for (const std::string& item : GameFilterItems(m_league))
        m_filter->addItem(FromLeague(item));
    if (m_gameType >= m_filter->count())
        m_gameType = 0;
    m_filter->setCurrentIndex(m_gameType);

    for (std::size_t i = 0; i < m_barLabels.size(); ++i)
        m_barLabels[i] = new QLabel(this);
    m_bars = new ShapeBox(this);
    m_bars->setObjectName("pbGoals");
    m_bars->setMinimumWidth(160);
    m_bars->SetDrawing([this](int width, int height, const TextMeasure& measure) {
        return DrawGoalTotals(m_data, width, height, measure);
    });
    m_yellow = ValueLabel(this, "lbYellow");
    m_red = ValueLabel(this, "lbRed");
    m_worst = ValueLabel(this, "labRatWorst");
    m_best = ValueLabel(this, "labRatBest");
    m_average = ValueLabel(this, "labRatAve");

    QStringList headings;
    for (const std::string& h : PlayerMatchHeadings())
        headings << FromLeague(h);
    m_model = new RowsModel(
        headings, [this] { return static_cast<int>(m_data.Matches.size()); },
        [this](int row, int column) {
            const auto& cells = m_data.Matches[static_cast<std::size_t>(row)].Cells;
            return column < static_cast<int>(cells.size())
                       ? FromLeague(cells[static_cast<std::size_t>(column)])
                       : QString();
        },
        this);
    m_model->SetRightAligned({3});
    m_matches = new QTableView(this);
    m_matches->setObjectName("sgGoals");
    m_matches->setModel(m_model);
    m_matches->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_matches->setSelectionMode(QAbstractItemView::SingleSelection);
    m_matches->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_matches->setWordWrap(false);
    m_matches->verticalHeader()->hide();
    m_matches->verticalHeader()->setDefaultSectionSize(m_matches->fontMetrics().height() + 4);
    m_matches->horizontalHeader()->setObjectName("hcGoals");
    m_matches->horizontalHeader()->setSectionsClickable(true);
    m_matches->horizontalHeader()->setHighlightSections(false);
    m_matches->horizontalHeader()->setStretchLastSection(true);
    m_matches->setMinimumWidth(420);

    for (std::size_t i = 0; i < m_details.size(); ++i)
        m_details[i] = ValueLabel(this, kDetailNames[i]);
    m_gameSummary = new QPushButton("Game &Summary", this);
    m_gameSummary->setObjectName("btnGameSummary");
    m_gameSummary->setEnabled(false);
}

void PlayerStatsWindow::LayoutWindow() {
    auto* filterRow = new QHBoxLayout;
    auto* filterLabel = new QLabel("&Games:", this);
    filterLabel->setBuddy(m_filter);
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(m_filter);
    filterRow->addStretch(1);

    // The bars lie level with their labels: ten rows of one height.
    auto* goalsBox = new QGroupBox("Goals", this);
    auto* goalsLayout = new QGridLayout(goalsBox);
    const int rowHeight = fontMetrics().height() + 4;
    goalsLayout->setVerticalSpacing(0);
    auto* labels = new QVBoxLayout;
    labels->setSpacing(0);
    for (QLabel* label : m_barLabels) {
        label->setFixedHeight(rowHeight);
        labels->addWidget(label);
    }
    m_bars->setFixedHeight(rowHeight * 10);
    goalsLayout->addLayout(labels, 0, 0);
    goalsLayout->addWidget(m_bars, 0, 1);
    goalsLayout->setColumnStretch(1, 1);

    auto* cautionsBox = new QGroupBox("Discipline and Ratings", this);
    auto* cautions = new QFormLayout(cautionsBox);
    cautions->addRow("Yellow Cards:", m_yellow);
    cautions->addRow("Red Cards:", m_red);
    cautions->addRow("Worst Rating:", m_worst);
    cautions->addRow("Best Rating:", m_best);
    cautions->addRow("Average Rating:", m_average);

    auto* detailsBox = new QGroupBox("Game Details", this);
    auto* details = new QFormLayout(detailsBox);
    for (std::size_t i = 0; i < m_details.size(); ++i)
        details->addRow(kDetailCaptions[i], m_details[i]);

    auto* left = new QVBoxLayout;
    left->addWidget(goalsBox);
    left->addWidget(cautionsBox);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(m_matches, 1);
    right->addWidget(detailsBox);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(m_gameSummary, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right, 1);
    auto* window = new QVBoxLayout(this);
    window->addLayout(filterRow);
    window->addLayout(columns, 1);
    window->addWidget(buttons);
}

void PlayerStatsWindow::ConnectControls() {
    connect(m_filter, &QComboBox::activated, this, &PlayerStatsWindow::cbTeamPlayChange);
    connect(m_matches->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &PlayerStatsWindow::hcGoalsSectionClick);
    connect(m_matches->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { sgGoalsSelectCell(current.row()); });
    connect(m_matches, &QTableView::doubleClicked, this, [this] { btnGameSummaryClick(); });
    connect(m_gameSummary, &QPushButton::clicked, this, &PlayerStatsWindow::btnGameSummaryClick);
}

void PlayerStatsWindow::SetOpenGame(OpenGame open) {
    m_openGame = std::move(open);
    m_gameSummary->setEnabled(m_openGame != nullptr && !m_data.Matches.empty());
}

void PlayerStatsWindow::BuildData() {
    m_data = gorlin::BuildData(m_league, m_player, m_gameType, m_context.locale, m_sortKey);
    setWindowTitle(FromLeague(m_data.Caption));
    for (std::size_t i = 0; i < m_barLabels.size(); ++i)
        m_barLabels[i]->setText(FromLeague(m_data.Bars[i].Name));
    m_yellow->setText(FromLeague(m_data.lbYellow));
    m_red->setText(FromLeague(m_data.lbRed));
    m_worst->setText(FromLeague(m_data.labRatWorst));
    m_best->setText(FromLeague(m_data.labRatBest));
    m_average->setText(FromLeague(m_data.labRatAve));
    m_bars->update();
    FillGrid();
}

void PlayerStatsWindow::FillGrid() {
    m_model->Reset();
    m_matches->resizeColumnsToContents();
    if (!m_data.Matches.empty())
        m_matches->selectRow(0);
    sgGoalsSelectCell(m_data.Matches.empty() ? -1 : 0);
    m_gameSummary->setEnabled(m_openGame != nullptr && !m_data.Matches.empty());
}

void PlayerStatsWindow::cbTeamPlayChange(int item) {
    if (item < 0)
        return;
    m_gameType = item;
    BuildData();
}

void PlayerStatsWindow::hcGoalsSectionClick(int section) {
    if (section < 0 || section >= static_cast<int>(PlayerMatchHeadings().size()))
        return;
    m_sortKey = section + 1;
    m_data.SortKey = m_sortKey;
    SortPlayerMatches(m_data.Matches, m_sortKey);
    FillGrid();
}

void PlayerStatsWindow::sgGoalsSelectCell(int row) {
    const GameDetails none{};
    const GameDetails& d = row >= 0 && row < static_cast<int>(m_data.Matches.size())
                               ? m_data.Matches[static_cast<std::size_t>(row)].Details
                               : none;
    const std::string* texts[] = {&d.TimeOn, &d.TimeOff, &d.YellowCards, &d.RedCard, &d.Penalties, &d.Rating};
    for (std::size_t i = 0; i < m_details.size(); ++i)
        m_details[i]->setText(FromLeague(*texts[i]));
}

void PlayerStatsWindow::btnGameSummaryClick() {
    const QModelIndex current = m_matches->currentIndex();
    if (!m_openGame || !current.isValid() || current.row() >= static_cast<int>(m_data.Matches.size()))
        return;
    m_openGame(m_data.Matches[static_cast<std::size_t>(current.row())].Game);
}

} // namespace gorlin
