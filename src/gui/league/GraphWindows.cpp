#include "gui/league/GraphWindows.h"

#include "gui/charts/ShapeBox.h"
#include "gui/widgets/AppContext.h"
#include "gui/widgets/LeagueText.h"
#include "gui/widgets/RadioBox.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace gorlin {

namespace {

/// The windows' "Print" button, disabled until the window is given what it does.
QPushButton* PrintButton(QWidget* parent, const QString& hint) {
    auto* button = new QPushButton("&Print", parent);
    button->setObjectName("btnPrint");
    button->setToolTip(hint);
    button->setEnabled(false);
    button->setAutoDefault(false);
    return button;
}

} // namespace

PositionGraphWindow::PositionGraphWindow(const League& league, AppContext& context, int team, QWidget* parent)
    : QDialog(parent), m_league(league), m_context(context), m_team(team) {
    setObjectName("PositionGraphWindow");
    QGroupBox* typeBox =
        RadioBox(this, "RadioGroup1", "Graph &Type",
                 {"&Points Progress", "T&op team comparison", "Botto&m team comparison"}, m_type);
    m_styleBox = RadioBox(this, "RadioGroup2", "Graph St&yle", {"&Bar graph", "&Line graph"}, m_style);
    m_graph = new ShapeBox(this);
    m_graph->setObjectName("pbGraph");
    m_graph->setMinimumSize(480, 320);
    m_graph->setMouseTracking(true);
    m_graph->installEventFilter(this);
    m_graph->SetBackground(Qt::white);
    m_graph->SetDrawing([this](int width, int height, const TextMeasure& measure) {
        GraphPaintArgs args;
        args.Width = width;
        args.Height = height;
        args.Bars = m_bars;
        m_picture = PaintGraph(m_series, args, measure);
        return m_picture.Shapes;
    });
    m_hover = new QLabel(m_graph);
    m_hover->setObjectName("edMatch");
    m_hover->setTextFormat(Qt::PlainText);
    m_hover->setAutoFillBackground(true);
    QPalette palette = m_hover->palette();
    palette.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0x80));
    palette.setColor(QPalette::WindowText, Qt::black);
    m_hover->setPalette(palette);
    m_hover->hide();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_print = PrintButton(this, "Print the graph");
    buttons->addButton(m_print, QDialogButtonBox::ActionRole);
    connect(m_print, &QPushButton::clicked, this, [this] {
        if (m_printGraph)
            m_printGraph();
    });
    auto* side = new QVBoxLayout;
    side->addWidget(typeBox);
    side->addWidget(m_styleBox);
    side->addStretch(1);
    side->addWidget(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_graph, 1);
    layout->addLayout(side);

    connect(m_type, &QButtonGroup::idClicked, this, &PositionGraphWindow::RadioGroup1Click);
    connect(m_style, &QButtonGroup::idClicked, this, &PositionGraphWindow::RadioGroup2Click);
    connect(m_graph, &ShapeBox::doubleClicked, this, &PositionGraphWindow::GraphDblClick);

    // Opening: points progress, the style list disabled showing "Line graph", bars drawn.
    m_type->button(kPointsProgress)->setChecked(true);
    m_style->button(1)->setChecked(true);
    RadioGroup1Click(kPointsProgress);
}

void PositionGraphWindow::SetPrint(std::function<void()> print) {
    m_printGraph = std::move(print);
    m_print->setEnabled(static_cast<bool>(m_printGraph));
}

void PositionGraphWindow::RadioGroup1Click(int type) {
    if (type < kPointsProgress || type > kBottomComparison)
        return;
    m_type->button(type)->setChecked(true);
    m_series = BuildGraph(m_league, m_team, type, m_context.locale.Today, m_context.settings.Colour4,
                          m_context.locale);
    setWindowTitle(FromLeague(m_series.Caption));
    m_styleBox->setEnabled(m_series.StyleEnabled);
    m_bars = !m_series.StyleEnabled || m_style->checkedId() == 0;
    m_hover->hide();
    m_hoverGame = 0;
    m_picture = {};
    m_graph->update();
}

void PositionGraphWindow::RadioGroup2Click(int style) {
    if (!m_series.StyleEnabled)
        return;
    m_bars = style == 0;
    m_graph->update();
}

void PositionGraphWindow::GraphMouseMove(int x, int y) {
    if (m_picture.Shapes.empty()) // not painted yet at this size
        m_graph->Shapes();
    const GraphGame* game = GraphGameAt(m_series, m_picture, x, y);
    if (game == nullptr) {
        m_hover->hide();
        m_hoverGame = 0;
        return;
    }
    m_hoverGame = game->Game;
    m_hover->setText(FromLeague(game->Hover));
    m_hover->adjustSize();
    const int left = std::min(x + 12, std::max(0, m_graph->width() - m_hover->width()));
    m_hover->move(left, std::max(0, y - m_hover->height() - 4));
    m_hover->show();
}

void PositionGraphWindow::GraphDblClick() {
    if (m_hoverGame != 0 && m_openGame)
        m_openGame(m_hoverGame);
}

bool PositionGraphWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_graph && event->type() == QEvent::MouseMove) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        GraphMouseMove(at.x(), at.y());
    } else if (watched == m_graph && event->type() == QEvent::Leave) {
        m_hover->hide();
        m_hoverGame = 0;
    }
    return QDialog::eventFilter(watched, event);
}

MatchGridWindow::MatchGridWindow(const League& league, QWidget* parent) : QDialog(parent), m_league(league) {
    setObjectName("MatchGridWindow");
    setWindowTitle("League Matches Played/Scheduled");
    m_box = new ShapeBox(this);
    m_box->setObjectName("pbGrid");
    m_box->setMinimumSize(560, 400);
    m_box->SetDrawing([this](int width, int height, const TextMeasure& measure) {
        return DrawMatchGrid(m_grid, width, false, height, measure);
    });
    m_secondSet = new QCheckBox("&Second set of matches", this);
    m_secondSet->setObjectName("cbSecondSet");
    m_set = new QSpinBox(this);
    m_set->setObjectName("seSet");
    m_set->setPrefix("Set ");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_print = PrintButton(this, "Print the match grid");
    connect(m_print, &QPushButton::clicked, this, [this] {
        if (m_printGrid)
            m_printGrid();
    });
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_secondSet);
    bottom->addWidget(m_set);
    bottom->addStretch(1);
    bottom->addWidget(m_print);
    bottom->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_box, 1);
    layout->addLayout(bottom);

    connect(m_secondSet, &QCheckBox::toggled, this, [this](bool on) { ShowSet(on ? 2 : 1); });
    connect(m_set, &QSpinBox::valueChanged, this, [this](int set) { ShowSet(set); });
    ShowSet(1);
    const bool chooser = m_grid.SetChooser;
    m_secondSet->setVisible(!chooser);
    m_secondSet->setEnabled(m_grid.SecondSetEnabled);
    m_set->setVisible(chooser);
    m_set->setRange(1, std::max(1, m_grid.SetCount));
    if (const QScreen* s = screen(); s != nullptr && s->geometry().width() <= 800)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void MatchGridWindow::SetPrint(std::function<void()> print) {
    m_printGrid = std::move(print);
    m_print->setEnabled(static_cast<bool>(m_printGrid));
}

void MatchGridWindow::ShowSet(int set) {
    Expected<MatchGridData> grid = BuildMatchGrid(m_league, set);
    if (!grid)
        return;
    m_grid = std::move(*grid);
    m_box->update();
}

} // namespace gorlin
