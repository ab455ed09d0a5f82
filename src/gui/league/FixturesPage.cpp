#include "gui/league/FixturesPage.h"

#include "core/engine/Prediction.h"
#include "core/engine/Standings.h"
#include "core/model/Dates.h"
#include "core/model/League.h"
#include "core/model/Locale.h"
#include "gui/league/CalendarDialog.h"
#include "gui/league/FixturesModel.h"
#include "gui/league/LeagueHost.h"
#include "gui/league/TeamChooser.h"
#include "gui/widgets/AppContext.h"
#include "gui/widgets/HelpKey.h"
#include "gui/widgets/LeagueText.h"
#include "gui/widgets/Prompter.h"
#include "gui/widgets/UpDown.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QShowEvent>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>

namespace gorlin {

namespace {

bool IsScoreColumn(int column) {
    return column == kFixHomeGoals || column == kFixAwayGoals;
}

/// Draws the tick of column "Predicted" centred in its cell.
class TickDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem plain = option;
        initStyleOption(&plain, index);
        const QPixmap tick = index.data(Qt::DecorationRole).value<QPixmap>();
        plain.features &= ~QStyleOptionViewItem::HasDecoration;
        plain.icon = QIcon();
        plain.text.clear();
        const QWidget* widget = option.widget;
        QStyle* style = widget != nullptr ? widget->style() : nullptr;
        if (style != nullptr)
            style->drawControl(QStyle::CE_ItemViewItem, &plain, painter, widget);
        if (!tick.isNull()) {
            const QSize size = tick.deviceIndependentSize().toSize();
            const QPoint at(option.rect.center().x() - size.width() / 2 + 1,
                            option.rect.center().y() - size.height() / 2 + 1);
            painter->drawPixmap(at, tick);
        }
    }
};

} // namespace

// ---- the grid ----

FixturesGrid::FixturesGrid(QWidget* parent) : QTableView(parent) {}

void FixturesGrid::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && index.column() == kFixPredicted) {
        if (event->button() == Qt::LeftButton)
            emit predictedClicked(index.row());
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
}

void FixturesGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && index.column() == kFixPredicted) {
        // The second click of a double click on the tick is a click of its own.
        if (event->button() == Qt::LeftButton)
            emit predictedClicked(index.row());
        event->accept();
        return;
    }
    if (!index.isValid() && event->button() == Qt::LeftButton) {
        emit doubleClicked(index); // below the rows: nothing to date
        event->accept();
        return;
    }
    QTableView::mouseDoubleClickEvent(event);
}

QModelIndex FixturesGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex next = QTableView::moveCursor(action, modifiers);
    if (next.isValid() && next.column() == kFixPredicted)
        return model()->index(next.row(), kFixComp);
    return next;
}

// ---- the page ----

FixturesPage::FixturesPage(League& league, const Locale& locale, Prompter& prompter, QWidget* parent)
    : QWidget(parent), m_league(league), m_locale(locale), m_prompter(prompter),
      m_pickDate(&CalendarDialog::PickDate), m_lastFixtureDate(locale.Today) {
    setObjectName("FixturesPage");
    BuildChooser();
    BuildGrid();
    BuildButtons();
    BuildPopup();

    auto* top = new QHBoxLayout;
    auto* label = new QLabel("Fixtures &for:", this);
    label->setBuddy(m_team);
    top->addWidget(label);
    top->addWidget(m_team);
    top->addStretch(1);
    auto* tip = new QLabel("Tip: date the first match of a day with Set Date, then double-click the "
                           "other matches of that day to give them the same date.",
                           this);
    tip->setObjectName("lblTip");
    tip->setWordWrap(true);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_setDate, m_clrDate, m_setScore, m_add, m_delete, m_auto, m_clear})
        buttons->addWidget(b);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);
    layout->addWidget(tip);
    layout->addLayout(buttons);

    ConnectControls();
    Refresh();
}

void FixturesPage::BuildChooser() {
    m_team = new QComboBox(this);
    m_team->setObjectName("cbTeam");
    m_team->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_team->setMinimumContentsLength(24);
    m_team->setMaxVisibleItems(20);
}

void FixturesPage::BuildGrid() {
    m_model = new FixturesModel(this);
    m_grid = new FixturesGrid(this);
    m_grid->setObjectName("sgFixtures");
    m_grid->setModel(m_model);
    m_grid->setItemDelegateForColumn(kFixPredicted, new TickDelegate(m_grid));
    m_grid->verticalHeader()->hide();
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(false);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    m_grid->setToolTip("Double click an undated fixture to give it the last date set");
    const QFontMetrics fm = m_grid->fontMetrics();
    m_grid->verticalHeader()->setMinimumSectionSize(1);
    m_grid->verticalHeader()->setDefaultSectionSize(std::max(fm.height() + 8, 26));

    QHeaderView* header = m_grid->horizontalHeader();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setHighlightSections(false);
    auto fixed = [&](int column, int width) {
        header->setSectionResizeMode(column, QHeaderView::Fixed);
        const QString heading = QString::fromLatin1(kFixtureHeadings[static_cast<std::size_t>(column)]);
        // Room for the heading and its sort arrow.
        m_grid->setColumnWidth(column, std::max(width, fm.horizontalAdvance(heading) + 28));
    };
    fixed(kFixPredicted, FixturesModel::kTickSize + 12);
    fixed(kFixComp, fm.horizontalAdvance("WWWW") + 10);
    fixed(kFixDate,
          fm.horizontalAdvance(QString::fromStdString(FormatShortDate(ToDayNumber(2000, 12, 28), m_locale))) +
              12);
    fixed(kFixHomeGoals, fm.horizontalAdvance("20") + 40); // the digits and the spin button
    fixed(kFixAwayGoals, fm.horizontalAdvance("20") + 40);
    header->setSectionResizeMode(kFixHomeTeam, QHeaderView::Stretch);
    header->setSectionResizeMode(kFixAwayTeam, QHeaderView::Stretch);

    m_spin = new UpDown(m_grid->viewport());
    m_spin->setObjectName("udScore");
    m_spin->setToolTip("Change the predicted goals");
    m_spin->SetRange(-1, 1, 0);
    m_spin->hide();
}

void FixturesPage::BuildButtons() {
    auto make = [this](const char* name, const QString& caption, const QString& hint) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setToolTip(hint);
        b->setAutoDefault(false);
        return b;
    };
    m_setDate = make("btnSetDate", "Set &Date", "Set the date of the selected fixture");
    m_clrDate = make("btnClrDate", "Cl&r Date", "Clear the date of the selected fixture");
    m_setScore = make("btnSetScore", "Set &Score", "Set the predicted score of the selected fixture");
    m_add = make("btnAdd", "&Add", "Add a fixture");
    m_delete = make("btnDelete", "D&elete", "Delete the selected fixture");
    m_auto = make("btnAuto", "A&uto", "Automate predictions");
    m_clear = make("btnClear", "&Clear", "Clear all league predictions");
}

void FixturesPage::BuildPopup() {
    m_popup = new QMenu(this);
    m_popup->setObjectName("pmFixtures");
    auto item = [this](const char* name, const QString& caption) {
        QAction* action = m_popup->addAction(caption);
        action->setObjectName(name);
        return action;
    };
    m_miSetScore = item("miSetScore", "Set &Score");
    m_miSetDate = item("miSetDate", "Set &Date");
    m_miClearDate = item("miClearDate", "&Clear Date");
    m_miSwapTeams = item("miSwapTeams", "S&wap Teams");
    m_miDeleteFixture = item("miDeleteFixture", "De&lete Fixture");
    m_popup->addSeparator();
    QAction* add = item("miAddFixture", "&Add Fixture");
    m_popup->addSeparator();
    // Printing and exporting a list grid come with the print and export dialogs.
    item("miPrint", "&Print")->setEnabled(false);
    item("miExport", "&Export")->setEnabled(false);

    connect(m_miSetScore, &QAction::triggered, this, &FixturesPage::btnSetScoreClick);
    connect(m_miSetDate, &QAction::triggered, this, &FixturesPage::btnSetDateClick);
    connect(m_miClearDate, &QAction::triggered, this, &FixturesPage::btnClrDateClick);
    connect(m_miSwapTeams, &QAction::triggered, this, &FixturesPage::miSwapTeamsClick);
    connect(m_miDeleteFixture, &QAction::triggered, this, &FixturesPage::btnDeleteClick);
    connect(add, &QAction::triggered, this, &FixturesPage::btnAddClick);
}

void FixturesPage::ConnectControls() {
    connect(m_team, &QComboBox::activated, this, &FixturesPage::cbTeamChange);
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &FixturesPage::sgFixturesHeaderClick);
    connect(m_grid, &FixturesGrid::predictedClicked, this, &FixturesPage::sgFixturesPredictedClick);
    connect(m_grid, &QTableView::doubleClicked, this, &FixturesPage::sgFixturesDblClick);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { sgFixturesSelectCell(current); });
    connect(m_grid->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { PlaceSpin(); });
    connect(m_grid->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { PlaceSpin(); });
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionResized, this, [this] { PlaceSpin(); });
    connect(m_spin, &UpDown::Changed, this, [this](int position) {
        m_spin->SetRange(-1, 1, 0);
        udScoreClick(position);
    });
    connect(m_grid, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        PopupOpening();
        m_popup->popup(m_grid->viewport()->mapToGlobal(at));
    });
    connect(m_setDate, &QPushButton::clicked, this, &FixturesPage::btnSetDateClick);
    connect(m_clrDate, &QPushButton::clicked, this, &FixturesPage::btnClrDateClick);
    connect(m_setScore, &QPushButton::clicked, this, &FixturesPage::btnSetScoreClick);
    connect(m_add, &QPushButton::clicked, this, &FixturesPage::btnAddClick);
    connect(m_delete, &QPushButton::clicked, this, &FixturesPage::btnDeleteClick);
    connect(m_auto, &QPushButton::clicked, this, &FixturesPage::btnAutoClick);
    connect(m_clear, &QPushButton::clicked, this, &FixturesPage::btnClearClick);
    connect(HelpKey(this), &QShortcut::activated, this, &FixturesPage::helpRequested);
}

void FixturesPage::FillTeams() {
    FillTeamChooser(*m_team, m_league);
}

void FixturesPage::Refresh() {
    FillTeams();
    ListFixtures();
}

void FixturesPage::ListFixtures() {
    const int game = SelectedGame();
    FixtureList list = gorlin::ListFixtures(m_league, m_team->currentData().toInt(), m_sortColumn, m_locale);
    m_delete->setEnabled(list.DeleteEnabled);
    m_auto->setEnabled(AutoEnabled(m_league, list.Rows.size()).Ok);
    m_model->SetList(std::move(list));
    m_grid->horizontalHeader()->setSortIndicator(m_sortColumn, Qt::AscendingOrder);
    SelectGame(game);
}

int FixturesPage::SelectedRow() const {
    const QModelIndex current = m_grid->currentIndex();
    return current.isValid() ? current.row() : -1;
}

int FixturesPage::SelectedGame() const {
    return m_model->GameAt(SelectedRow());
}

void FixturesPage::SelectGame(int game) {
    if (m_model->rowCount() == 0) {
        PlaceSpin();
        return;
    }
    int row = 0;
    for (int r = 0; r < m_model->rowCount(); ++r)
        if (m_model->GameAt(r) == game)
            row = r;
    const int column = m_grid->currentIndex().isValid() && m_grid->currentIndex().column() != kFixPredicted
                           ? m_grid->currentIndex().column()
                           : kFixComp;
    m_grid->setCurrentIndex(m_model->index(row, column));
    PlaceSpin();
}

void FixturesPage::RowChanged() {
    const int row = SelectedRow();
    m_model->UpdateRow(row, MakeFixtureRow(m_league, m_model->GameAt(row), m_locale));
}

void FixturesPage::PlaceSpin() {
    const QModelIndex current = m_grid->currentIndex();
    if (!current.isValid() || !IsScoreColumn(current.column())) {
        m_spin->hide();
        return;
    }
    const QRect cell = m_grid->visualRect(current);
    const QSize size = m_spin->sizeHint();
    m_spin->setGeometry(cell.right() - size.width(), cell.top() + (cell.height() - size.height()) / 2,
                        size.width(), size.height());
    m_spin->show();
}

void FixturesPage::cbTeamChange(int) {
    ListFixtures();
}

void FixturesPage::sgFixturesHeaderClick(int column) {
    m_sortColumn = column;
    ListFixtures();
}

void FixturesPage::sgFixturesPredictedClick(int row) {
    const int game = m_model->GameAt(row);
    if (!TogglePredicted(m_league, game))
        return;
    m_model->UpdateRow(row, MakeFixtureRow(m_league, game, m_locale));
    emit dataChanged();
}

void FixturesPage::sgFixturesDblClick(const QModelIndex& index) {
    const int game = index.isValid() ? m_model->GameAt(index.row()) : 0;
    const int before =
        IsFixture(m_league, game) ? GameDay(m_league.Games[static_cast<std::size_t>(game)]) : 0;
    if (!DateFixtureByDoubleClick(m_league, game, m_lastFixtureDate)) {
        m_prompter.Beep();
        return;
    }
    if (GameDay(m_league.Games[static_cast<std::size_t>(game)]) == before)
        return;
    m_model->UpdateRow(index.row(), MakeFixtureRow(m_league, game, m_locale));
    emit dataChanged();
}

void FixturesPage::sgFixturesSelectCell(const QModelIndex&) {
    PlaceSpin();
}

void FixturesPage::udScoreClick(int delta) {
    const QModelIndex current = m_grid->currentIndex();
    if (!current.isValid() || !IsScoreColumn(current.column()) ||
        !SpinPredictedGoals(m_league, SelectedGame(), current.column() == kFixHomeGoals, delta > 0)) {
        m_prompter.Beep();
        return;
    }
    RowChanged();
    emit dataChanged();
}

void FixturesPage::btnSetDateClick() {
    const int game = SelectedGame();
    if (!IsFixture(m_league, game)) {
        m_prompter.Beep();
        return;
    }
    // The calendar opens above the button.
    CalendarDialog probe;
    probe.adjustSize();
    const QPoint where = m_setDate->mapToGlobal(QPoint(0, -probe.height()));
    const int chosen = m_pickDate(this, SetDatePreset(m_league, game, m_lastFixtureDate), where);
    if (chosen == 0)
        return;
    SetFixtureDate(m_league, game, chosen, m_lastFixtureDate);
    RowChanged();
    emit dataChanged();
}

void FixturesPage::btnClrDateClick() {
    if (!ClearFixtureDate(m_league, SelectedGame())) {
        m_prompter.Beep();
        return;
    }
    RowChanged();
    emit dataChanged();
}

void FixturesPage::btnSetScoreClick() {
    const int game = SelectedGame();
    const std::optional<PredictScoreView> view = OpenPredictScore(m_league, game, m_lastScoreDate, m_locale);
    if (!view) {
        m_prompter.Beep();
        return;
    }
    PredictScoreDialog dialog(*view, m_locale, m_pickDate, this);
    const bool ok = dialog.exec() == QDialog::Accepted;
    if (dialog.PickedDate() != 0)
        m_lastScoreDate = dialog.PickedDate();
    if (!ok)
        return;
    ApplyPredictScore(m_league, game, dialog.HomeGoals(), dialog.AwayGoals(), dialog.Date());
    RowChanged();
    emit dataChanged();
}

void FixturesPage::btnAddClick() {
    AddFixtureDialog dialog(m_league, m_locale, m_prompter, m_pickDate, this);
    const bool added = dialog.exec() == QDialog::Accepted;
    emit dataChanged(); // a competition or team added from the dialog counts even without a fixture
    if (!added)
        return;
    ListFixtures();
    SelectGame(dialog.AddedGame());
}

void FixturesPage::btnDeleteClick() {
    const int game = SelectedGame();
    const Expected<std::string> question = DeleteFixturePrompt(m_league, game);
    if (!question) {
        if (question.error().Message.empty())
            m_prompter.Beep();
        else
            m_prompter.Information(this, FromLeague(question.error().Message));
        return;
    }
    if (m_prompter.YesNo(this, FromLeague(*question)) != Prompter::Answer::Yes)
        return;
    if (const Status deleted = DeleteFixture(m_league, game); !deleted) {
        m_prompter.Error(this, FromLeague(deleted.Message));
        return;
    }
    ListFixtures();
    emit dataChanged();
}

void FixturesPage::btnAutoClick() {
    AutoPredictDialog dialog(m_league, m_prompter, SelectedGame(), m_locale.Today, this);
    dialog.exec();
    UpdateGameEx(m_league, 0);
    ListFixtures();
    emit dataChanged();
}

void FixturesPage::btnClearClick() {
    if (m_prompter.YesNo(this, QString::fromLatin1(kMsgConfirmClearPredictions)) != Prompter::Answer::Yes)
        return;
    ClearPredictions(m_league);
    ListFixtures();
    emit dataChanged();
}

void FixturesPage::miSwapTeamsClick() {
    if (!SwapFixtureTeams(m_league, SelectedGame())) {
        m_prompter.Beep();
        return;
    }
    RowChanged();
    emit dataChanged();
}

void FixturesPage::PopupOpening() {
    const FixtureMenuState menu = FixtureMenu(m_league, SelectedGame());
    m_miSetScore->setEnabled(menu.SetScore);
    m_miSetDate->setEnabled(menu.SetDate);
    m_miClearDate->setEnabled(menu.ClearDate);
    m_miSwapTeams->setEnabled(menu.SwapTeams);
    m_miDeleteFixture->setEnabled(menu.DeleteFixture);
}

void FixturesPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        Refresh();
}

void InstallFixturesPage(LeagueHost& host) {
    AppContext& context = host.Context();
    auto* page = new FixturesPage(host.GetLeague(), context.locale, context.prompter);
    host.SetPage(LeagueHost::kFixturesPage, page);
    LeagueHost* h = &host;
    QObject::connect(page, &FixturesPage::dataChanged, host.Window(), [h] { h->DataChangedNotify(); });
    QObject::connect(page, &FixturesPage::helpRequested, host.Window(),
                     [h] { h->ShowHelp(QStringLiteral("fixtures.html")); });
}

} // namespace gorlin
