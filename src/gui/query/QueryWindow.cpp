#include "gui/query/QueryWindow.h"

#include "core/engine/GameFilter.h"
#include "core/model/League.h"
#include "gui/io/PrintEntries.h"
#include "gui/io/QueryExportDialog.h"
#include "gui/league/LeagueHost.h"
#include "gui/league/LeagueTablePage.h"
#include "gui/query/QueryDesignModel.h"
#include "gui/query/QueryFieldList.h"
#include "gui/query/QueryResultModel.h"
#include "gui/query/SaveQueryDialog.h"
#include "gui/widgets/AppContext.h"
#include "gui/widgets/LeagueText.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <unordered_set>

namespace gorlin {

namespace {

constexpr int kDesignColumnWidth = 104;
constexpr int kHeaderHeight = 5;
/// Room a results column gets beyond its widest text.
constexpr int kResultPadding = 8;

QPushButton* Button(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

QueryWindow::QueryWindow(League& league, AppContext& context, QWidget* parent)
    : QDialog(parent), m_league(league),
      m_context(context), m_format{context.locale, context.settings.Positions}, m_design(kTabTeams) {
    setObjectName("QueryWindow");
    setWindowTitle(kDesignCaption);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setMinimumSize(kMinWidth, kMinHeight);
    m_askTitle = [this](QWidget* parentWidget, const QString& title) {
        return SaveQueryDialog::AskTitle(parentWidget, m_context.prompter, title);
    };

    m_stack = new QStackedWidget(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_stack);
    BuildDesignPage();
    BuildResultsPage();
    BuildPopup();
    ConnectControls();

    OpenSavedQueries();
    FillGames();
    m_fieldsModel->SetTab(kTabTeams);
    FillQueries(0);
    m_fields->setFocus();
    resize(std::max(kMinWidth, sizeHint().width()), std::max(kMinHeight + 40, sizeHint().height()));
}

QueryWindow::~QueryWindow() = default;

void QueryWindow::BuildDesignPage() {
    m_designPage = new QWidget(m_stack);
    m_designPage->setObjectName("pnlDesign");
    m_stack->addWidget(m_designPage);

    // The tab speed buttons.
    auto* tabs = new QHBoxLayout;
    tabs->setSpacing(2);
    m_tabButtons = new QButtonGroup(m_designPage);
    m_tabButtons->setExclusive(true);
    for (int t = 0; t < kQueryTabCount; ++t) {
        auto* b = new QToolButton(m_designPage);
        const QString caption = QString::fromLatin1(TabCaption(t));
        b->setObjectName("sb" + caption);
        b->setText(caption);
        b->setCheckable(true);
        b->setChecked(t == kTabTeams);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setMinimumWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("Players")) + 24);
        b->setToolTip(QStringLiteral("Fields of the %1 rows").arg(caption.toLower()));
        m_tabButtons->addButton(b, t);
        tabs->addWidget(b);
    }
    tabs->addStretch(1);

    m_fieldsModel = new QueryFieldListModel(m_designPage);
    m_fields = new QListView(m_designPage);
    m_fields->setObjectName("lbFields");
    m_fields->setModel(m_fieldsModel);
    m_fields->setItemDelegate(new QueryFieldDelegate(m_fields));
    m_fields->setSelectionMode(QAbstractItemView::SingleSelection);
    m_fields->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_fields->setDragEnabled(true);
    m_fields->setDragDropMode(QAbstractItemView::DragOnly);
    m_fields->setDefaultDropAction(Qt::CopyAction);
    m_fields->setUniformItemSizes(true);
    m_fields->setToolTip("Double click a field, or drag it onto the grid, to add it to the query");

    // The saved queries, the game filter and the commands.
    auto* queriesLabel = new QLabel("Predefined &Query:", m_designPage);
    m_queries = new QComboBox(m_designPage);
    m_queries->setObjectName("cbQuery");
    m_queries->setMinimumContentsLength(20);
    m_queries->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    queriesLabel->setBuddy(m_queries);
    auto* gamesLabel = new QLabel("Games to &include:", m_designPage);
    m_games = new QComboBox(m_designPage);
    m_games->setObjectName("cbGames");
    m_games->setMinimumContentsLength(20);
    m_games->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    gamesLabel->setBuddy(m_games);
    m_run = Button("btnRun", "&Run", m_designPage);
    m_run->setToolTip("Run the query and show its results");
    m_save = Button("btnSave", "&Save", m_designPage);
    m_save->setToolTip("Save the query under a title");
    m_close = Button("btnClose", "&Close", m_designPage);

    auto* side = new QVBoxLayout;
    side->addWidget(queriesLabel);
    side->addWidget(m_queries);
    side->addSpacing(8);
    side->addWidget(gamesLabel);
    side->addWidget(m_games);
    side->addStretch(1);
    auto* commands = new QHBoxLayout;
    commands->addWidget(m_run);
    commands->addWidget(m_save);
    commands->addWidget(m_close);
    side->addLayout(commands);

    auto* middle = new QHBoxLayout;
    middle->addWidget(m_fields, 1);
    middle->addLayout(side);

    // The design grid: a thin top row to drag columns by, the row captions on the left.
    m_designModel = new QueryDesignModel(m_design, m_designPage);
    m_grid = new QTableView(m_designPage);
    m_grid->setObjectName("sgQuery");
    m_grid->setModel(m_designModel);
    m_grid->setItemDelegate(new QueryDesignDelegate(m_grid));
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::SelectedClicked |
                            QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    m_grid->setDragDropMode(QAbstractItemView::DropOnly);
    m_grid->setDragDropOverwriteMode(true);
    m_grid->setDropIndicatorShown(true);
    m_grid->setAcceptDrops(true);
    m_grid->setDefaultDropAction(Qt::CopyAction);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    m_grid->setWordWrap(false);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QHeaderView* top = m_grid->horizontalHeader();
    top->setFixedHeight(kHeaderHeight);
    top->setMinimumSectionSize(20);
    top->setDefaultSectionSize(kDesignColumnWidth);
    top->setSectionsMovable(true);
    top->setHighlightSections(false);
    top->setToolTip("Drag a column by its top edge to move it");
    QHeaderView* left = m_grid->verticalHeader();
    left->setSectionResizeMode(QHeaderView::Fixed);
    left->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    left->setHighlightSections(false);
    const int rowHeight = std::max(left->defaultSectionSize(), QComboBox().sizeHint().height());
    left->setDefaultSectionSize(rowHeight);
    m_grid->setFixedHeight(kHeaderHeight + kDesignRows * rowHeight +
                           m_grid->horizontalScrollBar()->sizeHint().height() + 2 * m_grid->frameWidth() + 1);

    auto* layout = new QVBoxLayout(m_designPage);
    layout->addLayout(tabs);
    layout->addLayout(middle, 1);
    layout->addWidget(m_grid);
}

void QueryWindow::BuildResultsPage() {
    m_resultsPage = new QWidget(m_stack);
    m_resultsPage->setObjectName("pnlResults");
    m_stack->addWidget(m_resultsPage);

    m_resultsModel = new QueryResultModel(m_resultsPage);
    m_results = new QTableView(m_resultsPage);
    m_results->setObjectName("sgResults");
    m_results->setModel(m_resultsModel);
    m_results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_results->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_results->setWordWrap(false);
    m_results->verticalHeader()->hide();
    m_results->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_results->verticalHeader()->setDefaultSectionSize(m_results->fontMetrics().height() + 4);
    m_results->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_results->horizontalHeader()->setHighlightSections(false);
    m_results->horizontalHeader()->setMinimumSectionSize(8);

    m_status = new QLabel(m_resultsPage);
    m_status->setObjectName("pnlStatus");
    m_status->setFrameShape(QFrame::Panel);
    m_status->setFrameShadow(QFrame::Sunken);
    m_designButton = Button("btnDesign", "&Design", m_resultsPage);
    m_designButton->setToolTip("Back to the design of the query");

    m_resultButtons = new QHBoxLayout;
    m_resultButtons->addWidget(m_designButton);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_status, 1);
    bottom->addLayout(m_resultButtons);
    auto* layout = new QVBoxLayout(m_resultsPage);
    layout->addWidget(m_results, 1);
    layout->addLayout(bottom);
}

void QueryWindow::BuildPopup() {
    m_popup = new QMenu(this);
    m_popup->setObjectName("pmQuery");
    QAction* remove = m_popup->addAction("&Delete");
    remove->setObjectName("miDelete");
    connect(remove, &QAction::triggered, this, &QueryWindow::miDeleteClick);
    QMenu* sort = m_popup->addMenu("&Sort");
    sort->setObjectName("miSort");
    const std::pair<const char*, SortOrder> items[] = {{"miNotSorted", SortOrder::NotSorted},
                                                       {"miAscending", SortOrder::Ascending},
                                                       {"miDescending", SortOrder::Descending}};
    const char* captions[] = {"&Not Sorted", "&Ascending", "&Descending"};
    for (std::size_t i = 0; i < std::size(items); ++i) {
        QAction* item = sort->addAction(captions[i]);
        item->setObjectName(items[i].first);
        const SortOrder order = items[i].second;
        connect(item, &QAction::triggered, this, [this, order] { miSortClick(order); });
    }
}

void QueryWindow::ConnectControls() {
    connect(m_tabButtons, &QButtonGroup::idClicked, this, &QueryWindow::sbTabClick);
    connect(m_fields, &QListView::doubleClicked, this, &QueryWindow::lbFieldsDblClick);
    connect(m_queries, &QComboBox::activated, this, &QueryWindow::cbQueryClick);
    connect(m_games, &QComboBox::activated, this, &QueryWindow::cbGamesChange);
    connect(m_run, &QPushButton::clicked, this, &QueryWindow::btnRunClick);
    connect(m_save, &QPushButton::clicked, this, &QueryWindow::btnSaveClick);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_designButton, &QPushButton::clicked, this, &QueryWindow::btnDesignClick);
    connect(m_designModel, &QueryDesignModel::refused, this, [this] { m_context.prompter.Beep(); });
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionMoved, this, &QueryWindow::sgQueryColumnMoved);
    connect(m_grid, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (PopupFor(m_grid->columnAt(at.x())))
            m_popup->popup(m_grid->viewport()->mapToGlobal(at));
    });
}

void QueryWindow::OpenSavedQueries() {
    if (EnsureSavedQueries(m_context.ini))
        m_context.SaveSettings(this);
    m_saved = ReadSavedQueries(m_context.ini);
}

void QueryWindow::FillGames() {
    const int selected = SelectGameFilter(m_league);
    m_games->clear();
    for (const std::string& item : GameFilterItems(m_league))
        m_games->addItem(FromLeague(item));
    m_games->setCurrentIndex(selected);
    m_rows = BuildData(m_league, m_format.Conventions.Today);
}

void QueryWindow::FillQueries(int selectEntry) {
    m_queries->clear();
    for (const QueryListItem& item : QueryListItems(m_saved, m_design.Tab())) {
        m_queries->addItem(FromLeague(item.Text), item.Entry);
        if (item.Entry == selectEntry)
            m_queries->setCurrentIndex(m_queries->count() - 1);
    }
}

QuerySource QueryWindow::Source() const {
    return {m_league, m_rows, m_format};
}

bool QueryWindow::ShowingResults() const {
    return m_stack->currentWidget() == m_resultsPage;
}

void QueryWindow::sbTabClick(int tab) {
    if (QAbstractButton* b = m_tabButtons->button(tab))
        b->setChecked(true);
    if (tab == m_design.Tab() || tab < 0 || tab >= kQueryTabCount)
        return;
    m_design.SetTab(tab);
    m_designModel->Reset();
    m_fieldsModel->SetTab(tab);
    FillQueries(0);
}

void QueryWindow::lbFieldsDblClick(const QModelIndex& index) {
    if (index.isValid())
        m_designModel->AddField(index.data(QueryFieldListModel::FieldIdRole).toInt());
}

void QueryWindow::cbQueryClick(int index) {
    const int entry = m_queries->itemData(index).toInt();
    if (entry < 1 || entry > static_cast<int>(m_saved.size()))
        return;
    m_design = DecodeQuery(m_saved[static_cast<std::size_t>(entry - 1)].Text, m_design.Tab());
    m_designModel->Reset();
}

void QueryWindow::cbGamesChange(int index) {
    if (index < 0)
        return;
    // The league's own filter, shared with the statistics pages; not a change to save for.
    m_league.Head.GameType = static_cast<u8>(index);
    m_rows = BuildData(m_league, m_format.Conventions.Today);
}

void QueryWindow::btnRunClick() {
    m_grid->setCurrentIndex({}); // an open text box gives its text to the design first
    Expected<QueryResult> result = RunQuery(m_design, Source());
    if (!result) {
        m_context.prompter.Error(this, FromLeague(result.error().Message));
        return;
    }
    m_result = std::move(*result);
    ShowResults();
}

void QueryWindow::ShowResults() {
    m_resultsModel->SetResult(&m_result);
    // Each column as wide as its widest text, heading or cell, and a little room; equal texts are
    // measured once.
    const QFontMetrics cells = m_results->fontMetrics();
    const QFontMetrics headings = m_results->horizontalHeader()->fontMetrics();
    const int headingMargin = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, m_results);
    const int cellMargin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_results) + 1);
    for (std::size_t c = 0; c < m_result.Headings.size(); ++c) {
        int width = headings.horizontalAdvance(FromLeague(m_result.Headings[c])) + headingMargin;
        std::unordered_set<std::string_view> measured;
        for (const std::vector<std::string>& row : m_result.Cells)
            if (c < row.size() && measured.insert(row[c]).second)
                width = std::max(width, cells.horizontalAdvance(FromLeague(row[c])) + cellMargin);
        m_results->setColumnWidth(static_cast<int>(c), width + kResultPadding);
    }
    m_status->setText(FromLeague(m_result.StatusText));
    m_stack->setCurrentWidget(m_resultsPage);
    setWindowTitle(kResultsCaption);
    m_results->scrollToTop();
    m_designButton->setFocus();
}

void QueryWindow::btnDesignClick() {
    m_stack->setCurrentWidget(m_designPage);
    setWindowTitle(kDesignCaption);
}

void QueryWindow::btnSaveClick() {
    m_grid->setCurrentIndex({});
    if (const Expected<CompiledQuery> valid = QueryValid(m_design, m_format.Conventions); !valid) {
        m_context.prompter.Error(this, FromLeague(valid.error().Message));
        return;
    }
    const std::string text = EncodeQuery(m_design);
    const int chosen = m_queries->currentData().toInt();
    const QString offered = chosen >= 1 && chosen <= static_cast<int>(m_saved.size())
                                ? FromLeague(m_saved[static_cast<std::size_t>(chosen - 1)].Title)
                                : QString();
    const std::optional<QString> title = m_askTitle(this, offered);
    if (!title)
        return;
    const Expected<int> entry = SaveQuery(m_saved, m_context.ini, m_design.Tab(), ToLeague(*title), text);
    if (!entry) {
        m_context.prompter.Error(this, FromLeague(entry.error().Message));
        return;
    }
    m_context.SaveSettings(this);
    FillQueries(*entry);
}

void QueryWindow::sgQueryColumnMoved(int, int oldVisual, int newVisual) {
    // The header keeps its order; the design moves the column instead.
    QHeaderView* header = m_grid->horizontalHeader();
    {
        const QSignalBlocker block(header);
        header->moveSection(newVisual, oldVisual);
    }
    m_grid->setCurrentIndex({});
    m_designModel->MoveColumn(oldVisual, newVisual);
}

bool QueryWindow::PopupFor(int column) {
    if (column < 0 || column >= m_design.Count())
        return false;
    m_popupColumn = column;
    return true;
}

void QueryWindow::miDeleteClick() {
    m_grid->setCurrentIndex({});
    m_designModel->DeleteColumn(m_popupColumn);
}

void QueryWindow::miSortClick(SortOrder sort) {
    m_designModel->SetSort(m_popupColumn, sort);
}

QPushButton* QueryWindow::AddResultButton(const QString& caption, const char* name, const QString& hint) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setToolTip(hint);
    m_resultButtons->addWidget(button);
    return button;
}

void InstallQueryWindow(LeagueHost& host) {
    auto* table = qobject_cast<LeagueTablePage*>(host.Pages()->widget(LeagueHost::kLeagueTablePage));
    if (table == nullptr)
        return;
    auto* button = new QPushButton("&Query", table);
    button->setObjectName("btnQuery");
    button->setToolTip("Perform adhoc queries");
    // The first of the page's commands (Query, Import, Export, Print, Update, Match Grid).
    table->ButtonArea()->insertWidget(0, button);
    LeagueHost* h = &host;
    QObject::connect(button, &QPushButton::clicked, table, [h] {
        QueryWindow window(h->GetLeague(), h->Context(), h->Window());
        AddQueryExport(window, h->Context());
        AddQueryPrint(window, h->Context());
        window.exec();
    });
}

} // namespace gorlin
