#include "gui/league/LeagueTablePage.h"

#include "core/app/Settings.h"
#include "core/engine/TeamSelectionEdit.h"
#include "core/model/Dates.h"
#include "core/model/League.h"
#include "core/model/Locale.h"
#include "core/model/Text.h"
#include "gui/league/CalendarDialog.h"
#include "gui/league/LeagueTableDelegate.h"
#include "gui/league/LeagueTableHeader.h"
#include "gui/league/LeagueTableModel.h"
#include "gui/league/TeamSelectionDialog.h"
#include "gui/widgets/LeagueText.h"
#include "gui/widgets/Prompter.h"
#include "gui/widgets/RadioBox.h"
#include "gui/widgets/UpDown.h"

#include <QAction>
#include <QActionGroup>
#include <QButtonGroup>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace gorlin {

namespace {

constexpr int kGridTop = 24;
constexpr int kTitleHeight = 22;
constexpr int kMargin = 4;
/// The narrowest the grid gets before the page refuses to shrink.
constexpr int kMinGridWidth = 240;

} // namespace

LeagueTablePage::LeagueTablePage(League& league, Settings& settings, const Locale& locale, Prompter& prompter,
                                 QWidget* parent)
    : QWidget(parent), m_league(league), m_settings(settings), m_locale(locale), m_prompter(prompter),
      m_state(OpenTablePage(league, settings, locale.Today)), m_pickDate(&CalendarDialog::PickDate) {
    setObjectName("LeagueTablePage");
    BuildTitle();
    BuildGrid();
    BuildOptions();
    BuildPopup();
    ConnectControls();
    setFocusProxy(m_grid);
    Refresh();
}

void LeagueTablePage::BuildTitle() {
    m_title = new QLabel(this);
    m_title->setObjectName("pnlTitle");
    m_title->setFrameShape(QFrame::Panel);
    m_title->setFrameShadow(QFrame::Raised);
    m_title->setAlignment(Qt::AlignCenter);
    QFont titleFont = m_title->font();
    titleFont.setBold(true);
    m_title->setFont(titleFont);
}

LeagueTablePage::~LeagueTablePage() {
    // The view dies before the grid: nothing may read it while the window closes.
    m_model->SetView(nullptr);
}

void LeagueTablePage::BuildGrid() {
    m_model = new LeagueTableModel(m_settings, this);
    m_grid = new QTableView(this);
    m_grid->setObjectName("sgLeague");
    m_grid->setModel(m_model);
    m_grid->setItemDelegate(new LeagueTableDelegate(m_grid));
    m_grid->setHorizontalHeader(new LeagueTableHeader(m_grid));
    m_grid->verticalHeader()->hide();
    m_grid->setShowGrid(false);
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_grid->setWordWrap(false);
    m_grid->setMouseTracking(true);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    m_grid->setToolTip("Double click to display team statistics");
    m_model->SetHint("Double click to display team statistics");
    const int rowHeight = std::max(m_grid->fontMetrics().height() + 3, LeagueTableDelegate::kPictureSize + 2);
    m_grid->verticalHeader()->setMinimumSectionSize(1);
    m_grid->verticalHeader()->setDefaultSectionSize(rowHeight);
    m_grid->horizontalHeader()->setFixedHeight(rowHeight);
}

void LeagueTablePage::BuildOptions() {
    m_options = new QWidget(this);
    m_options->setObjectName("pnlOptions");
    auto* optionsLayout = new QVBoxLayout(m_options);
    optionsLayout->setContentsMargins(0, 0, 0, 0);

    auto* contentBox = RadioBox(m_options, "rgContent", "Table Content",
                                {"&Played Games", "Played+Pre&dicted", "&Current Form"}, m_contentGroup);
    auto* gamesBox = RadioBox(m_options, "rgGames", "Game Selection",
                              {"&Home and Away", "Home &Only", "A&way Only"}, m_sideGroup);
    optionsLayout->addWidget(contentBox);
    optionsLayout->addWidget(gamesBox);

    auto* datesBox = new QGroupBox("Dates to include:", m_options);
    datesBox->setObjectName("gbDates");
    auto* datesLayout = new QGridLayout(datesBox);
    m_fromButton = new QPushButton(datesBox);
    m_fromButton->setObjectName("btnFromDate");
    m_fromButton->setToolTip("First date of the table");
    m_toButton = new QPushButton(datesBox);
    m_toButton->setObjectName("btnToDate");
    m_toButton->setToolTip("Last date of the table");
    m_fromUpDown = new UpDown(datesBox);
    m_fromUpDown->setObjectName("udFromDate");
    m_toUpDown = new UpDown(datesBox);
    m_toUpDown->setObjectName("udToDate");
    const int dateWidth = m_fromButton->fontMetrics().horizontalAdvance(
                              QString::fromStdString(FormatShortDate(ToDayNumber(2000, 12, 28), m_locale))) +
                          24;
    m_fromButton->setMinimumWidth(std::max(dateWidth, 90));
    m_toButton->setMinimumWidth(std::max(dateWidth, 90));
    datesLayout->addWidget(new QLabel("From:", datesBox), 0, 0);
    datesLayout->addWidget(m_fromButton, 0, 1);
    datesLayout->addWidget(m_fromUpDown, 0, 2);
    datesLayout->addWidget(new QLabel("To:", datesBox), 1, 0);
    datesLayout->addWidget(m_toButton, 1, 1);
    datesLayout->addWidget(m_toUpDown, 1, 2);
    optionsLayout->addWidget(datesBox);

    m_buttonArea = new QVBoxLayout;
    optionsLayout->addLayout(m_buttonArea);
    optionsLayout->addStretch(1);

    // The page never gets so small that the options are cut off above "To:".
    const int spacing = std::max(0, optionsLayout->spacing());
    setMinimumSize(m_options->sizeHint().width() + kMinGridWidth + 3 * kMargin,
                   contentBox->sizeHint().height() + gamesBox->sizeHint().height() +
                       datesBox->sizeHint().height() + 2 * spacing + 2 * kMargin);
}

void LeagueTablePage::ConnectControls() {
    connect(m_contentGroup, &QButtonGroup::idClicked, this, &LeagueTablePage::rgContentClick);
    connect(m_sideGroup, &QButtonGroup::idClicked, this, &LeagueTablePage::rgGamesClick);
    connect(m_fromButton, &QPushButton::clicked, this, &LeagueTablePage::btnFromDateClick);
    connect(m_toButton, &QPushButton::clicked, this, &LeagueTablePage::btnToDateClick);
    connect(m_fromUpDown, &UpDown::Changed, this, &LeagueTablePage::udFromDateClick);
    connect(m_toUpDown, &UpDown::Changed, this, &LeagueTablePage::udToDateClick);
    connect(m_grid, &QTableView::entered, this, &LeagueTablePage::sgLeagueMouseMove);
    connect(m_grid, &QTableView::doubleClicked, this, &LeagueTablePage::sgLeagueDblClick);
    connect(m_grid, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        PopupOpening(QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier);
        m_popup->popup(m_grid->viewport()->mapToGlobal(at));
    });
}

QString LeagueTablePage::TitleText() const {
    return FromLeague(TableTitle(m_league));
}

void LeagueTablePage::Refresh() {
    RefreshDates(m_state, m_league, m_locale.Today);
    ShowDates();
    EnableDates();
    DrawTable();
}

void LeagueTablePage::SettingsChanged() {
    DrawTable();
}

void LeagueTablePage::DrawTable() {
    m_view = gorlin::DrawTable(m_league, TableArgs(m_state, m_settings));
    m_model->SetView(&m_view);
    m_hintRow = -1;
    m_title->setText(TitleText());
    Relayout();
}

void LeagueTablePage::ShowDates() {
    const DateTable& dates = m_state.Dates;
    m_fromButton->setText(QString::fromStdString(FormatShortDate(dates.FromDate, m_locale)));
    m_toButton->setText(QString::fromStdString(FormatShortDate(dates.ToDate, m_locale)));
    m_fromUpDown->SetRange(dates.UpDownMin, dates.UpDownMax, dates.FromPos);
    m_toUpDown->SetRange(dates.UpDownMin, dates.UpDownMax, dates.ToPos);
}

void LeagueTablePage::EnableDates() {
    const bool on = DatesApply(m_state);
    for (QWidget* w : std::initializer_list<QWidget*>{m_fromButton, m_toButton, m_fromUpDown, m_toUpDown})
        w->setEnabled(on);
}

void LeagueTablePage::rgContentClick(int mode) {
    SetContent(m_state, m_league, mode, m_locale.Today);
    if (QAbstractButton* b = m_contentGroup->button(m_state.Content))
        b->setChecked(true);
    ShowDates();
    EnableDates();
    DrawTable();
}

void LeagueTablePage::rgGamesClick(int mode) {
    SetSide(m_state, m_league, mode, m_locale.Today);
    if (QAbstractButton* b = m_sideGroup->button(m_state.Side))
        b->setChecked(true);
    ShowDates();
    EnableDates();
    DrawTable();
}

void LeagueTablePage::btnFromDateClick() {
    const int preset = m_state.Dates.FromDate != 0 ? m_state.Dates.FromDate : m_locale.Today;
    const int picked = m_pickDate(this, preset, m_fromButton->mapToGlobal(QPoint(0, m_fromButton->height())));
    if (picked == 0)
        return;
    PickFromDate(m_state.Dates, picked);
    ShowDates();
    DrawTable();
}

void LeagueTablePage::btnToDateClick() {
    const int preset = m_state.Dates.ToDate != 0 ? m_state.Dates.ToDate : m_locale.Today;
    const int picked = m_pickDate(this, preset, m_toButton->mapToGlobal(QPoint(0, m_toButton->height())));
    if (picked == 0)
        return;
    PickToDate(m_state.Dates, picked);
    ShowDates();
    DrawTable();
}

void LeagueTablePage::udFromDateClick(int position) {
    if (position <= 0)
        return;
    StepFromDate(m_state.Dates, position);
    ShowDates();
    DrawTable();
}

void LeagueTablePage::udToDateClick(int position) {
    if (position <= 0)
        return;
    StepToDate(m_state.Dates, position);
    ShowDates();
    DrawTable();
}

void LeagueTablePage::sgLeagueMouseMove(const QModelIndex& index) {
    if (!index.isValid() || m_model->ColumnLetter(index.column()) != 'B')
        return;
    if (index.row() == m_hintRow)
        return;
    m_hintRow = index.row();
    const int team = index.data(LeagueTableModel::TeamRole).toInt();
    const QString hint = FromLeague(LatestResultHint(m_league, team, m_state.Side, m_state.Dates.FromDate,
                                                     m_state.Dates.ToDate, m_locale));
    m_model->SetHint(hint);
    m_grid->setToolTip(hint);
}

void LeagueTablePage::sgLeagueDblClick(const QModelIndex& index) {
    if (!index.isValid())
        return;
    emit teamActivated(index.data(LeagueTableModel::TeamRole).toInt());
}

void LeagueTablePage::BuildPopup() {
    m_popup = new QMenu(this);
    m_popup->setObjectName("pmLeague");

    m_miShortFormat = m_popup->addAction("Short &Format");
    m_miShortFormat->setObjectName("miShortFormat");
    m_miShortFormat->setCheckable(true);
    connect(m_miShortFormat, &QAction::triggered, this, &LeagueTablePage::miShortFormatClick);

    m_miShowPoss = m_popup->addAction("Show &Possible Points");
    m_miShowPoss->setObjectName("miShowPoss");
    m_miShowPoss->setCheckable(true);
    connect(m_miShowPoss, &QAction::triggered, this, &LeagueTablePage::miShowPossClick);

    m_miSave = m_popup->addAction("&Save");
    m_miSave->setObjectName("miSave");
    connect(m_miSave, &QAction::triggered, this, &LeagueTablePage::saveRequested);

    QAction* setup = m_popup->addAction("S&etup...");
    setup->setObjectName("miSetup");
    connect(setup, &QAction::triggered, this, &LeagueTablePage::setupRequested);

    QAction* about = m_popup->addAction("&About...");
    about->setObjectName("miAbout");
    connect(about, &QAction::triggered, this, &LeagueTablePage::aboutRequested);

    m_miAdmin = m_popup->addMenu("Ad&ministration");
    m_miAdmin->setObjectName("miAdmin");
    QAction* setVersion = m_miAdmin->addAction("Set Version ID");
    setVersion->setObjectName("miSetVersion");
    setVersion->setEnabled(false);
    QAction* upload = m_miAdmin->addAction("Create Upload File");
    upload->setObjectName("miCreateUpload");
    upload->setEnabled(false);

    QMenu* teams = m_popup->addMenu("Select &Teams");
    teams->setObjectName("miSelectTeams");
    QAction* edit = teams->addAction("E&dit Selections...");
    edit->setObjectName("miEditSelections");
    connect(edit, &QAction::triggered, this, &LeagueTablePage::miEditSelectionsClick);
    teams->addSeparator();
    auto* exclusive = new QActionGroup(teams);
    m_miAllTeams = teams->addAction("&All Teams");
    m_miAllTeams->setObjectName("miAllTeams");
    m_miAllTeams->setCheckable(true);
    exclusive->addAction(m_miAllTeams);
    connect(m_miAllTeams, &QAction::triggered, this, [this] { SelectTeams(0); });
    for (int s = 1; s <= kMaxTeamSels; ++s) {
        QAction* item = teams->addAction(QString());
        item->setObjectName(QStringLiteral("miSelection%1").arg(s));
        item->setCheckable(true);
        exclusive->addAction(item);
        connect(item, &QAction::triggered, this, [this, s] { SelectTeams(s); });
        m_miSelections << item;
    }
    connect(teams, &QMenu::aboutToShow, this, &LeagueTablePage::SelectionMenuOpening);
}

void LeagueTablePage::PopupOpening(bool shiftHeld) {
    m_miShortFormat->setChecked(m_state.ShortFormat);
    m_miShowPoss->setChecked(m_state.ShowPossPoints);
    m_miSave->setEnabled(m_league.DataChanged || shiftHeld);
    m_miAdmin->menuAction()->setVisible(m_settings.AdminMode);
    SelectionMenuOpening();
}

void LeagueTablePage::SelectionMenuOpening() {
    const int inForce = SelectionInForce(m_league);
    m_miAllTeams->setChecked(inForce == 0);
    for (int s = 1; s <= kMaxTeamSels; ++s) {
        QAction* item = m_miSelections[s - 1];
        const auto& name = m_league.TeamSels[static_cast<std::size_t>(s)].Name;
        item->setText(LiteralCaption(FromLeague(name.view())));
        item->setVisible(!name.empty());
        item->setChecked(inForce == s);
    }
}

void LeagueTablePage::miShortFormatClick() {
    m_state.ShortFormat = !m_state.ShortFormat;
    m_miShortFormat->setChecked(m_state.ShortFormat);
    DrawTable();
}

void LeagueTablePage::miShowPossClick() {
    m_state.ShowPossPoints = !m_state.ShowPossPoints;
    m_miShowPoss->setChecked(m_state.ShowPossPoints);
    DrawTable();
}

void LeagueTablePage::SelectTeams(int slot) {
    m_league.CurrentSel = static_cast<u16>(std::clamp(slot, 0, kMaxTeamSels));
    DrawTable();
}

void LeagueTablePage::miEditSelectionsClick() {
    TeamSelectionDialog dialog(m_league, m_prompter, this);
    if (dialog.exec() == QDialog::Accepted) {
        ApplySelectionEdit(m_league, dialog.ReportedSlot());
        emit dataChanged();
    }
    DrawTable();
}

void LeagueTablePage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        Refresh();
}

void LeagueTablePage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Relayout();
}

void LeagueTablePage::Relayout() {
    const QSize optionsSize = m_options->sizeHint();
    const int optionsWidth = optionsSize.width();
    m_options->setGeometry(width() - kMargin - optionsWidth, kMargin, optionsWidth,
                           std::max(optionsSize.height(), height() - 2 * kMargin));
    const int gridWidth = std::max(50, width() - optionsWidth - 3 * kMargin);

    const int rows = m_model->rowCount();
    const int rowHeight = m_grid->verticalHeader()->defaultSectionSize();
    const int frame = 2 * m_grid->frameWidth();
    const int barExtent = m_grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    // Columns wider than the grid bring a horizontal scroll bar, which must not cover the last row.
    const int wholeTotal = LayoutColumns(gridWidth - frame);
    const bool overflows = wholeTotal > gridWidth - frame;
    const int contentHeight =
        (rows + 1) * rowHeight + frame + (overflows ? barExtent : 0); // heading: one row

    int top = kGridTop;
    bool titleShown = true;
    if (top + contentHeight > height()) {
        titleShown = false;
        top = 1;
    }
    int gridHeight = contentHeight;
    bool scrolling = false;
    if (top + contentHeight > height()) {
        gridHeight = std::max(2 * rowHeight + frame, height() - top);
        scrolling = true;
    }
    m_title->setVisible(titleShown);
    m_title->setGeometry(kMargin, 1, gridWidth, kTitleHeight);
    m_grid->setGeometry(kMargin, top, gridWidth, gridHeight);
    m_grid->setVerticalScrollBarPolicy(scrolling ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    const int client = gridWidth - frame - (scrolling ? barExtent : 0);
    const int total = scrolling ? LayoutColumns(client) : wholeTotal;
    m_grid->setHorizontalScrollBarPolicy(total > client ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

int LeagueTablePage::LayoutColumns(int client) {
    // The team column fits the widest league team name; the others share the rest.
    const int columns = m_model->columnCount();
    if (columns == 0)
        return 0;
    int teamColumn = -1;
    for (int c = 0; c < columns; ++c)
        if (m_model->ColumnLetter(c) == 'B')
            teamColumn = c;
    const QFontMetrics fm = m_grid->fontMetrics();
    int teamWidth = 0;
    if (teamColumn >= 0) {
        for (int t = 1; t <= std::min(m_league.TeamCount(), kMaxTeams); ++t)
            teamWidth = std::max(teamWidth, fm.horizontalAdvance(FromLeague(
                                                m_league.Teams[static_cast<std::size_t>(t)].Name.view())));
        teamWidth += 3;
    }
    const int others = teamColumn >= 0 ? columns - 1 : columns;
    const int minWidth = fm.horizontalAdvance("999") + 6;
    int share = 0;
    int leftover = 0;
    if (others > 0) {
        const int rest = std::max(0, client - teamWidth);
        share = rest / others;
        leftover = rest % others;
        if (share < minWidth) {
            share = minWidth;
            leftover = 0;
        }
    }
    const bool possShown = m_model->ColumnLetter(columns - 1) == '+';
    const int lastLettered = possShown ? columns - 2 : columns - 1;
    const int third = leftover / 3;
    int toMain = leftover - third - (possShown ? third : 0);
    int total = 0;
    for (int c = 0; c < columns; ++c) {
        int w = c == teamColumn ? teamWidth : share;
        if (c == lastLettered && c != teamColumn)
            w += third;
        if (possShown && c == columns - 1)
            w += third;
        if (c == (teamColumn >= 0 ? teamColumn : 0)) {
            w += toMain;
            toMain = 0;
        }
        m_grid->setColumnWidth(c, w);
        total += w;
    }
    return total;
}

} // namespace gorlin
