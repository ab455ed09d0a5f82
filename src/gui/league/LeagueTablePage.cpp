#include "gui/league/LeagueTablePage.h"

#include "core/app/Settings.h"
#include "core/engine/TeamSelectionEdit.h"
#include "core/model/Dates.h"
#include "core/model/League.h"
#include "core/model/Locale.h"
#include "core/model/Text.h"
#include "gui/league/CalendarDialog.h"
#include "gui/league/TeamSelectionDialog.h"
#include "gui/widgets/LeagueText.h"
#include "gui/widgets/Prompter.h"

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
#include <QRadioButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace gorlin {

namespace {

constexpr int kPictureSize = 14;
constexpr int kGridTop = 24;
constexpr int kTitleHeight = 22;
constexpr int kMargin = 4;

Colour ZoneColour(const Settings& s, RowZone zone) {
    switch (zone) {
    case RowZone::Promoted:
        return s.Colour1;
    case RowZone::PlayOff:
        return s.Colour2;
    case RowZone::Relegated:
        return s.Colour3;
    case RowZone::Default:
        break;
    }
    return s.Colour5;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Model

LeagueTableModel::LeagueTableModel(const Settings& settings, QObject* parent)
    : QAbstractTableModel(parent), m_settings(settings) {}

void LeagueTableModel::SetView(const TableViewData* view) {
    beginResetModel();
    m_view = view;
    endResetModel();
}

void LeagueTableModel::SetHint(const QString& hint) {
    m_hint = hint;
}

int LeagueTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || m_view == nullptr)
        return 0;
    return static_cast<int>(m_view->Rows.size()) + 1;
}

int LeagueTableModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid() || m_view == nullptr)
        return 0;
    return static_cast<int>(m_view->Headings.size());
}

char LeagueTableModel::ColumnLetter(int column) const {
    if (m_view == nullptr || column < 0)
        return '\0';
    const auto c = static_cast<std::size_t>(column);
    if (c < m_view->Columns.size())
        return m_view->Columns[c];
    return c < m_view->Headings.size() ? '+' : '\0';
}

QVariant LeagueTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || m_view == nullptr || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const auto column = static_cast<std::size_t>(index.column());
    const bool heading = index.row() == 0;
    const TableRow* row = heading ? nullptr : &m_view->Rows[static_cast<std::size_t>(index.row() - 1)];
    switch (role) {
    case Qt::DisplayRole:
        if (heading)
            return QString::fromStdString(m_view->Headings[column]);
        return column < row->Cells.size() ? FromLeague(row->Cells[column]) : QString();
    case Qt::TextAlignmentRole:
        if (heading)
            return int(Qt::AlignHCenter | Qt::AlignTop);
        return int((ColumnLetter(index.column()) == 'B' ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignTop);
    case Qt::BackgroundRole:
        return heading ? QColor(Qt::darkBlue) : ToQColor(ZoneColour(m_settings, row->Zone));
    case Qt::ForegroundRole:
        if (heading)
            return QColor(Qt::white);
        return row->OwnTeam ? ToQColor(m_settings.Colour4) : QColor(Qt::black);
    case Qt::ToolTipRole:
        return m_hint.isEmpty() ? QVariant() : QVariant(m_hint);
    case ColumnLetterRole:
        return QString(QChar::fromLatin1(ColumnLetter(index.column())));
    case TeamRole:
        return heading ? 0 : row->Team;
    default:
        return {};
    }
}

// ---------------------------------------------------------------------------------------------
// Delegate

LeagueTableDelegate::LeagueTableDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

QPixmap LeagueTableDelegate::StatusPicture(const QString& mark) {
    if (mark != "U" && mark != "D" && mark != "S")
        return {};
    QPixmap pix(kPictureSize, kPictureSize);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    if (mark == "U" || mark == "D") {
        // An arrow: a head over (or under) a stem.
        QPainterPath arrow;
        arrow.moveTo(7, 0.5);
        arrow.lineTo(13.5, 7);
        arrow.lineTo(9.5, 7);
        arrow.lineTo(9.5, 13.5);
        arrow.lineTo(4.5, 13.5);
        arrow.lineTo(4.5, 7);
        arrow.lineTo(0.5, 7);
        arrow.closeSubpath();
        if (mark == "D") {
            QTransform flip;
            flip.translate(0, kPictureSize);
            flip.scale(1, -1);
            arrow = flip.map(arrow);
        }
        const QColor fill = mark == "U" ? QColor(0, 128, 0) : QColor(192, 0, 0);
        p.setPen(QPen(fill.darker(150), 1));
        p.setBrush(fill);
        p.drawPath(arrow);
    } else {
        // "Safe": a tick in a blue disc.
        p.setPen(QPen(QColor(0, 0, 96), 1));
        p.setBrush(QColor(0, 64, 192));
        p.drawEllipse(QRectF(0.5, 0.5, 13, 13));
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(3.5, 7.5), QPointF(6, 10), QPointF(10.5, 4)}));
    }
    return pix;
}

void LeagueTableDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    const QRect r = option.rect;
    painter->save();
    painter->fillRect(r, index.data(Qt::BackgroundRole).value<QColor>());

    const QString text = index.data(Qt::DisplayRole).toString();
    const bool heading = index.row() == 0;
    const QString letter = index.data(LeagueTableModel::ColumnLetterRole).toString();
    const QPixmap picture = !heading && letter == "A" ? StatusPicture(text) : QPixmap();
    if (!picture.isNull()) {
        painter->drawPixmap(r.topLeft() + QPoint(1, 1), picture);
    } else {
        painter->setPen(index.data(Qt::ForegroundRole).value<QColor>());
        painter->setFont(option.font);
        const int align = index.data(Qt::TextAlignmentRole).toInt();
        QRect textRect = r.adjusted(0, 1, 0, 0);
        if (align & Qt::AlignLeft)
            textRect.setLeft(r.left() + 1 + 1);
        else if (align & Qt::AlignRight)
            textRect.setRight(r.right() - 3);
        painter->drawText(textRect, align | Qt::TextSingleLine,
                          option.fontMetrics.elidedText(text, Qt::ElideRight, textRect.width()));
    }

    // A raised edge on all four sides.
    painter->setPen(QColor(Qt::white));
    painter->drawLine(r.topLeft(), r.topRight());
    painter->drawLine(r.topLeft(), r.bottomLeft());
    painter->setPen(QColor(Qt::darkGray));
    painter->drawLine(r.bottomLeft(), r.bottomRight());
    painter->drawLine(r.topRight(), r.bottomRight());
    painter->restore();
}

// ---------------------------------------------------------------------------------------------
// Up-down

UpDown::UpDown(QWidget* parent)
    : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this)) {
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {m_up, m_down}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setFixedSize(17, 12);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    connect(m_up, &QToolButton::clicked, this, [this] { Step(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { Step(-1); });
}

void UpDown::SetRange(int min, int max, int position) {
    m_min = min;
    m_max = std::max(min, max);
    m_position = std::clamp(position, m_min, m_max);
}

void UpDown::Step(int delta) {
    const int next = std::clamp(m_position + delta, m_min, m_max);
    if (next == m_position)
        return;
    m_position = next;
    emit Changed(m_position);
}

// ---------------------------------------------------------------------------------------------
// Page

LeagueTablePage::LeagueTablePage(League& league, Settings& settings, const Locale& locale, Prompter& prompter,
                                 QWidget* parent)
    : QWidget(parent), m_league(league), m_settings(settings), m_locale(locale), m_prompter(prompter),
      m_shortFormat(settings.ShortTab), m_showPossPoints(settings.ShowPoss),
      m_pickDate(&CalendarDialog::PickDate) {
    setObjectName("LeagueTablePage");

    m_title = new QLabel(this);
    m_title->setObjectName("pnlTitle");
    m_title->setFrameShape(QFrame::Panel);
    m_title->setFrameShadow(QFrame::Raised);
    m_title->setAlignment(Qt::AlignCenter);
    QFont titleFont = m_title->font();
    titleFont.setBold(true);
    m_title->setFont(titleFont);

    m_model = new LeagueTableModel(settings, this);
    m_grid = new QTableView(this);
    m_grid->setObjectName("sgLeague");
    m_grid->setModel(m_model);
    m_grid->setItemDelegate(new LeagueTableDelegate(m_grid));
    m_grid->horizontalHeader()->hide();
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
    const int rowHeight = std::max(m_grid->fontMetrics().height() + 3, kPictureSize + 2);
    m_grid->verticalHeader()->setMinimumSectionSize(1);
    m_grid->verticalHeader()->setDefaultSectionSize(rowHeight);
    m_grid->horizontalHeader()->setMinimumSectionSize(1);

    // Options beside the grid.
    m_options = new QWidget(this);
    m_options->setObjectName("pnlOptions");
    auto* optionsLayout = new QVBoxLayout(m_options);
    optionsLayout->setContentsMargins(0, 0, 0, 0);

    auto makeGroup = [this](const char* name, const QString& caption, const QStringList& items,
                            QButtonGroup*& group) {
        auto* box = new QGroupBox(caption, m_options);
        box->setObjectName(name);
        auto* layout = new QVBoxLayout(box);
        group = new QButtonGroup(box);
        for (int i = 0; i < items.size(); ++i) {
            auto* rb = new QRadioButton(items[i], box);
            rb->setObjectName(QStringLiteral("%1%2").arg(QString::fromLatin1(name)).arg(i));
            group->addButton(rb, i);
            layout->addWidget(rb);
        }
        group->button(0)->setChecked(true);
        return box;
    };
    optionsLayout->addWidget(makeGroup("rgContent", "Table Content",
                                       {"&Played Games", "Played+Pre&dicted", "&Current Form"},
                                       m_contentGroup));
    optionsLayout->addWidget(
        makeGroup("rgGames", "Game Selection", {"&Home and Away", "Home &Only", "A&way Only"}, m_sideGroup));

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
                              QString::fromStdString(FormatShortDate(ToDayNumber(2000, 12, 28), locale))) +
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

    BuildPopup();
    Refresh();
}

QString LeagueTablePage::ColumnLetters() const {
    return QString::fromStdString(m_shortFormat ? m_settings.TableShort : m_settings.TableLong);
}

QString LeagueTablePage::TitleText() const {
    return FromLeague(TableTitle(m_league));
}

void LeagueTablePage::Refresh() {
    m_dates = BuildDateTable(m_league, m_content, m_locale.Today);
    ShowDates();
    EnableDates();
    DrawTable();
}

void LeagueTablePage::SettingsChanged() {
    DrawTable();
}

void LeagueTablePage::DrawTable() {
    TableViewArgs args;
    args.ColumnLetters = ColumnLetters().toStdString();
    args.ShowPossPoints = m_showPossPoints;
    args.ShowStatus = m_settings.ShowStatus;
    args.Content = m_content;
    args.Side = m_side;
    args.FromDate = m_dates.FromDate;
    args.ToDate = m_dates.ToDate;
    args.FormGames = m_settings.FormGames;
    m_view = gorlin::DrawTable(m_league, args);
    m_model->SetView(&m_view);
    m_hintRow = -1;
    m_title->setText(TitleText());
    Relayout();
}

void LeagueTablePage::ShowDates() {
    m_fromButton->setText(QString::fromStdString(FormatShortDate(m_dates.FromDate, m_locale)));
    m_toButton->setText(QString::fromStdString(FormatShortDate(m_dates.ToDate, m_locale)));
    m_fromUpDown->SetRange(m_dates.UpDownMin, m_dates.UpDownMax, m_dates.FromPos);
    m_toUpDown->SetRange(m_dates.UpDownMin, m_dates.UpDownMax, m_dates.ToPos);
}

void LeagueTablePage::EnableDates() {
    const bool on = m_content != kCurrentForm;
    for (QWidget* w : std::initializer_list<QWidget*>{m_fromButton, m_toButton, m_fromUpDown, m_toUpDown})
        w->setEnabled(on);
}

void LeagueTablePage::rgContentClick(int mode) {
    m_content = std::clamp(mode, 0, 2);
    if (QAbstractButton* b = m_contentGroup->button(m_content))
        b->setChecked(true);
    Refresh();
}

void LeagueTablePage::rgGamesClick(int mode) {
    m_side = std::clamp(mode, 0, 2);
    if (QAbstractButton* b = m_sideGroup->button(m_side))
        b->setChecked(true);
    Refresh();
}

void LeagueTablePage::btnFromDateClick() {
    const int preset = m_dates.FromDate != 0 ? m_dates.FromDate : m_locale.Today;
    const int picked = m_pickDate(this, preset, m_fromButton->mapToGlobal(QPoint(0, m_fromButton->height())));
    if (picked == 0)
        return;
    PickFromDate(m_dates, picked);
    ShowDates();
    DrawTable();
}

void LeagueTablePage::btnToDateClick() {
    const int preset = m_dates.ToDate != 0 ? m_dates.ToDate : m_locale.Today;
    const int picked = m_pickDate(this, preset, m_toButton->mapToGlobal(QPoint(0, m_toButton->height())));
    if (picked == 0)
        return;
    PickToDate(m_dates, picked);
    ShowDates();
    DrawTable();
}

void LeagueTablePage::udFromDateClick(int position) {
    if (position <= 0)
        return;
    StepFromDate(m_dates, position);
    ShowDates();
    DrawTable();
}

void LeagueTablePage::udToDateClick(int position) {
    if (position <= 0)
        return;
    StepToDate(m_dates, position);
    ShowDates();
    DrawTable();
}

void LeagueTablePage::sgLeagueMouseMove(const QModelIndex& index) {
    if (!index.isValid() || index.row() == 0 || m_model->ColumnLetter(index.column()) != 'B')
        return;
    if (index.row() == m_hintRow)
        return;
    m_hintRow = index.row();
    const int team = index.data(LeagueTableModel::TeamRole).toInt();
    const QString hint =
        FromLeague(LatestResultHint(m_league, team, m_side, m_dates.FromDate, m_dates.ToDate, m_locale));
    m_model->SetHint(hint);
    m_grid->setToolTip(hint);
}

void LeagueTablePage::sgLeagueDblClick(const QModelIndex& index) {
    if (!index.isValid() || index.row() == 0)
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
    m_miShortFormat->setChecked(m_shortFormat);
    m_miShowPoss->setChecked(m_showPossPoints);
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
    m_shortFormat = !m_shortFormat;
    m_miShortFormat->setChecked(m_shortFormat);
    DrawTable();
}

void LeagueTablePage::miShowPossClick() {
    m_showPossPoints = !m_showPossPoints;
    m_miShowPoss->setChecked(m_showPossPoints);
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
    const int contentHeight = rows * rowHeight + frame;

    int top = kGridTop;
    bool titleShown = true;
    if (top + contentHeight > height()) {
        titleShown = false;
        top = 1;
    }
    int gridHeight = contentHeight;
    bool scrolling = false;
    if (top + contentHeight > height()) {
        gridHeight = std::max(rowHeight + frame, height() - top);
        scrolling = true;
    }
    m_title->setVisible(titleShown);
    m_title->setGeometry(kMargin, 1, gridWidth, kTitleHeight);
    m_grid->setGeometry(kMargin, top, gridWidth, gridHeight);
    m_grid->setVerticalScrollBarPolicy(scrolling ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);

    // Column widths: the team column fits the widest league team name; the others share the rest.
    const int columns = m_model->columnCount();
    if (columns == 0)
        return;
    const int scrollWidth = scrolling ? m_grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
    const int client = gridWidth - frame - scrollWidth;
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
    m_grid->setHorizontalScrollBarPolicy(total > client ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

} // namespace gorlin
