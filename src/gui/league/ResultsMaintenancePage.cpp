#include "gui/league/ResultsMaintenancePage.h"

#include "core/edit/Maintenance.h"
#include "core/edit/ResultChange.h"
#include "core/engine/Standings.h"
#include "core/model/League.h"
#include "gui/league/CalendarDialog.h"
#include "gui/league/MissedPensWindow.h"
#include "gui/league/RowsModel.h"
#include "gui/league/SquadWindow.h"
#include "gui/league/TeamChooser.h"
#include "gui/league/UpdateResultDialog.h"
#include "gui/widgets/AppContext.h"
#include "gui/widgets/HelpKey.h"
#include "gui/widgets/LeagueText.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMetaMethod>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>

namespace gorlin {

ResultsMaintenancePage::ResultsMaintenancePage(League& league, AppContext& context, QWidget* parent)
    : QWidget(parent), m_league(league), m_context(context), m_pickDate(&CalendarDialog::PickDate) {
    setObjectName("ResultsMaintenancePage");
    BuildControls();
    BuildPopup();
    SetUp();
}

void ResultsMaintenancePage::BuildControls() {
    auto* top = TeamChooserRow(this, "cbResultsFor", "Results &For:", m_team);

    QStringList headings;
    for (const char* h : kResultHeadings)
        headings << QString::fromLatin1(h);
    m_model = new RowsModel(
        headings, [this] { return static_cast<int>(m_state.Rows().size()); },
        [this](int row, int column) {
            return FromLeague(
                m_state.Rows()[static_cast<std::size_t>(row)].Cells[static_cast<std::size_t>(column)]);
        },
        this);
    m_model->SetRightAligned({2, 5, 6});
    m_grid = new QTableView(this);
    m_grid->setObjectName("sgResults");
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
    const int widths[] = {fm.horizontalAdvance("WWWW") + 12,        fm.horizontalAdvance("00/00/0000") + 16,
                          fm.horizontalAdvance("000,000,000") + 12, fm.horizontalAdvance(QString(22, 'n')),
                          fm.horizontalAdvance(QString(22, 'n')),   fm.horizontalAdvance("000") + 12,
                          fm.horizontalAdvance("000") + 12};
    for (int c = 0; c < 7; ++c)
        m_grid->setColumnWidth(c, widths[c]);
    m_grid->horizontalHeader()->setStretchLastSection(false);

    m_buttons = new QWidget(this);
    auto* buttons = new QVBoxLayout(m_buttons);
    buttons->setContentsMargins(0, 0, 0, 0);
    auto button = [this, buttons](const char* name, const QString& text, const QString& hint, auto handler) {
        auto* b = new QPushButton(text, m_buttons);
        b->setObjectName(name);
        b->setToolTip(hint);
        buttons->addWidget(b);
        connect(b, &QPushButton::clicked, this, handler);
    };
    button("btnSetDate", "Set &Date", "Change the date of the selected result",
           &ResultsMaintenancePage::btnSetDateClick);
    button("btnSetScore", "Set &Score", "Change the score and details of the selected result",
           &ResultsMaintenancePage::btnSetScoreClick);
    button("btnSquads", "S&quads", "Enter the squads of the selected game",
           &ResultsMaintenancePage::btnSquadsClick);
    button("btnDelete", "De&lete", "Delete the selected result", &ResultsMaintenancePage::btnDeleteClick);
    button("btnPenMiss", "&Pen Miss", "Enter the missed penalties of the selected game",
           &ResultsMaintenancePage::btnPenMissClick);
    buttons->addStretch(1);

    auto* body = new QHBoxLayout;
    body->addWidget(m_grid, 1);
    body->addWidget(m_buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(body, 1);

    connect(m_team, &QComboBox::activated, this, &ResultsMaintenancePage::cbTeamChange);
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &ResultsMaintenancePage::sgResultsHeadingClick);
    connect(m_grid, &QTableView::doubleClicked, this, &ResultsMaintenancePage::btnSetScoreClick);
    connect(m_grid, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        PopupOpening();
        m_popup->popup(m_grid->viewport()->mapToGlobal(at));
    });
    connect(HelpKey(this), &QShortcut::activated, this, &ResultsMaintenancePage::helpRequested);
}

void ResultsMaintenancePage::BuildPopup() {
    m_popup = new QMenu(this);
    m_popup->setObjectName("pmResults");
    auto item = [this](const char* name, const QString& text, auto handler) {
        QAction* a = m_popup->addAction(text);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    m_rowActions << item("miUpdateResult", "&Update Result", &ResultsMaintenancePage::btnSetScoreClick)
                 << item("miSetDate", "Set Result D&ate", &ResultsMaintenancePage::btnSetDateClick)
                 << item("miSquads", "Update &Squads", &ResultsMaintenancePage::btnSquadsClick)
                 << item("miDeleteResult", "&Delete Result", &ResultsMaintenancePage::btnDeleteClick)
                 << item("miMissedPens", "&Missed Penalties", &ResultsMaintenancePage::btnPenMissClick);
    m_popup->addSeparator();
    m_print = item("miPrint", "&Print", &ResultsMaintenancePage::printRequested);
    m_export = item("miExport", "&Export", &ResultsMaintenancePage::exportRequested);
}

void ResultsMaintenancePage::PopupOpening() {
    const bool valid = m_state.ValidRow(CurrentRow());
    for (QAction* a : m_rowActions)
        a->setEnabled(valid);
    m_print->setEnabled(valid &&
                        isSignalConnected(QMetaMethod::fromSignal(&ResultsMaintenancePage::printRequested)));
    m_export->setEnabled(
        valid && isSignalConnected(QMetaMethod::fromSignal(&ResultsMaintenancePage::exportRequested)));
}

void ResultsMaintenancePage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        SetUp();
}

void ResultsMaintenancePage::SetUp() {
    SetUpMaintenancePage(m_league, MaintenancePage::Results);
    FillTeamChooser(*m_team, m_league);
    Fill();
}

void ResultsMaintenancePage::Fill() {
    m_state.Fill(m_league, m_team->currentData().toInt(), m_context.locale);
    m_model->Reset();
    if (!m_state.Rows().empty())
        m_grid->selectRow(0);
}

void ResultsMaintenancePage::cbTeamChange() {
    Fill();
}

void ResultsMaintenancePage::sgResultsHeadingClick(int column) {
    const int game =
        m_state.ValidRow(CurrentRow()) ? m_state.Rows()[static_cast<std::size_t>(CurrentRow())].Game : 0;
    m_state.SortBy(m_league, static_cast<ResultColumn>(column), m_context.locale);
    m_model->Reset();
    for (std::size_t i = 0; i < m_state.Rows().size(); ++i)
        if (game != 0 && m_state.Rows()[i].Game == game)
            m_grid->selectRow(static_cast<int>(i));
}

int ResultsMaintenancePage::CurrentRow() const {
    const QModelIndexList rows = m_grid->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

int ResultsMaintenancePage::SelectedGame() {
    const int row = CurrentRow();
    if (!m_state.ValidRow(row)) {
        m_context.prompter.Beep();
        return 0;
    }
    return m_state.Rows()[static_cast<std::size_t>(row)].Game;
}

void ResultsMaintenancePage::RowChanged(int row) {
    m_state.RefreshRow(m_league, row, m_context.locale);
    m_model->RowChanged(row);
    emit dataChanged();
}

void ResultsMaintenancePage::btnSetDateClick() {
    const int game = SelectedGame();
    if (game == 0)
        return;
    const int row = CurrentRow();
    const QPoint above = m_buttons->mapToGlobal(QPoint(0, 0)) - QPoint(0, 240);
    const int picked = m_pickDate(this, GameDay(m_league.Games[static_cast<std::size_t>(game)]), above);
    if (SetResultDate(m_league, game, picked))
        RowChanged(row);
}

void ResultsMaintenancePage::btnSetScoreClick() {
    const int game = SelectedGame();
    if (game == 0)
        return;
    const int row = CurrentRow();
    UpdateResultDialog dialog(m_league, m_context, game, this);
    if (dialog.exec() == QDialog::Accepted)
        RowChanged(row);
}

void ResultsMaintenancePage::btnSquadsClick() {
    const int game = SelectedGame();
    if (game == 0)
        return;
    SquadWindow::ShowSquads(m_league, m_context, game, this);
    emit dataChanged();
}

void ResultsMaintenancePage::btnDeleteClick() {
    const int game = SelectedGame();
    if (game == 0)
        return;
    const int row = CurrentRow();
    if (m_context.prompter.YesNo(this, FromLeague(DeleteResultQuestion(m_league, game))) !=
        Prompter::Answer::Yes)
        return;
    const Status deleted = m_state.DeleteRow(m_league, row);
    if (!deleted) {
        m_context.prompter.Error(this, FromLeague(deleted.Message));
        return;
    }
    m_model->RowChanged(row);
    emit dataChanged();
}

void ResultsMaintenancePage::btnPenMissClick() {
    const int game = SelectedGame();
    if (game == 0)
        return;
    MissedPensWindow::PenMiss(m_league, m_context, game, this);
    emit dataChanged();
}

} // namespace gorlin
