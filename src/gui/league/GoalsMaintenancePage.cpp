#include "gui/league/GoalsMaintenancePage.h"

#include "core/edit/Maintenance.h"
#include "core/model/League.h"
#include "gui/league/GoalDialog.h"
#include "gui/league/RowsModel.h"
#include "gui/league/TeamChooser.h"
#include "gui/widgets/AppContext.h"
#include "gui/widgets/HelpKey.h"
#include "gui/widgets/LeagueText.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>

namespace gorlin {

GoalsMaintenancePage::GoalsMaintenancePage(League& league, AppContext& context, QWidget* parent)
    : QWidget(parent), m_league(league), m_context(context) {
    setObjectName("GoalsMaintenancePage");

    auto* top = TeamChooserRow(this, "cbGoalsFor", "Goals &for:", m_team);

    QStringList headings;
    for (const char* h : kGoalHeadings)
        headings << QString::fromLatin1(h);
    m_model = new RowsModel(
        headings, [this] { return static_cast<int>(m_state.Rows().size()); },
        [this](int row, int column) {
            return FromLeague(
                m_state.Rows()[static_cast<std::size_t>(row)].Cells[static_cast<std::size_t>(column)]);
        },
        this);
    m_model->SetRightAligned({6});
    m_grid = new QTableView(this);
    m_grid->setObjectName("sgGoals");
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    m_grid->setWordWrap(false);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    m_grid->horizontalHeader()->setSectionsClickable(true);
    m_grid->horizontalHeader()->setToolTip("Click a heading to sort by it");
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 4);
    const QFontMetrics fm = m_grid->fontMetrics();
    const int widths[] = {fm.horizontalAdvance("WWWW") + 12,      fm.horizontalAdvance("00/00/0000") + 16,
                          fm.horizontalAdvance(QString(22, 'n')), fm.horizontalAdvance("OG") + 16,
                          fm.horizontalAdvance("Pen") + 16,       fm.horizontalAdvance(QString(20, 'n')),
                          fm.horizontalAdvance("Time") + 16};
    for (int c = 0; c < 7; ++c)
        m_grid->setColumnWidth(c, widths[c]);

    m_summary = new QLabel(this);
    m_summary->setObjectName("lblSummary");
    m_summary->setTextFormat(Qt::PlainText);

    auto* update = new QPushButton("&Update", this);
    update->setObjectName("btnUpdate");
    update->setToolTip("Update the details of the selected goal");
    auto* side = new QVBoxLayout;
    side->addWidget(update);
    side->addStretch(1);
    auto* body = new QHBoxLayout;
    body->addWidget(m_grid, 1);
    body->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(body, 1);
    layout->addWidget(m_summary);

    m_popup = new QMenu(this);
    m_popup->setObjectName("pmGoals");
    QAction* updateGoal = m_popup->addAction("&Update Goal");
    updateGoal->setObjectName("miUpdateGoal");

    connect(m_team, &QComboBox::activated, this, &GoalsMaintenancePage::cbTeamChange);
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &GoalsMaintenancePage::sgGoalsHeadingClick);
    connect(m_grid, &QTableView::doubleClicked, this, &GoalsMaintenancePage::btnUpdateClick);
    connect(update, &QPushButton::clicked, this, &GoalsMaintenancePage::btnUpdateClick);
    connect(updateGoal, &QAction::triggered, this, &GoalsMaintenancePage::btnUpdateClick);
    connect(m_grid, &QWidget::customContextMenuRequested, this, [this, updateGoal](const QPoint& at) {
        updateGoal->setEnabled(CurrentRow() >= 0);
        m_popup->popup(m_grid->viewport()->mapToGlobal(at));
    });
    connect(HelpKey(this), &QShortcut::activated, this, &GoalsMaintenancePage::helpRequested);
    SetUp();
}

void GoalsMaintenancePage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        SetUp();
}

void GoalsMaintenancePage::SetUp() {
    SetUpMaintenancePage(m_league, MaintenancePage::Goals);
    FillTeamChooser(*m_team, m_league);
    Fill();
}

void GoalsMaintenancePage::Fill() {
    m_state.Fill(m_league, m_team->currentData().toInt(), m_context.locale);
    m_model->Reset();
    m_summary->setText(FromLeague(m_state.Summary()));
    if (!m_state.Rows().empty())
        m_grid->selectRow(0);
}

void GoalsMaintenancePage::cbTeamChange() {
    Fill();
}

void GoalsMaintenancePage::sgGoalsHeadingClick(int column) {
    const int row = CurrentRow();
    const int goal = row >= 0 ? m_state.Rows()[static_cast<std::size_t>(row)].Goal : 0;
    m_state.SortBy(m_league, static_cast<GoalColumn>(column), m_context.locale);
    m_model->Reset();
    for (std::size_t i = 0; i < m_state.Rows().size(); ++i)
        if (goal != 0 && m_state.Rows()[i].Goal == goal)
            m_grid->selectRow(static_cast<int>(i));
}

int GoalsMaintenancePage::CurrentRow() const {
    const QModelIndexList rows = m_grid->selectionModel()->selectedRows();
    const int row = rows.isEmpty() ? -1 : rows.first().row();
    return row < static_cast<int>(m_state.Rows().size()) ? row : -1;
}

void GoalsMaintenancePage::btnUpdateClick() {
    const int row = CurrentRow();
    if (row < 0) {
        m_context.prompter.Beep();
        return;
    }
    GoalDialog dialog(m_league, m_context, m_state.Rows()[static_cast<std::size_t>(row)].Goal, 0, this);
    dialog.exec(); // "New Player" may have added players even when the goal is left as it was
    m_state.RefreshRow(m_league, row, m_context.locale);
    m_model->RowChanged(row);
    m_summary->setText(FromLeague(m_state.Summary()));
    emit dataChanged();
}

} // namespace gorlin
