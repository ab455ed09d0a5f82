#include "core/edit/Maintenance.h"
#include "core/model/League.h"
#include "gui/league/MaintenancePages.h"
#include "gui/league/RefereeDialog.h"
#include "gui/league/RowsModel.h"
#include "gui/widgets/AppContext.h"
#include "gui/widgets/HelpKey.h"
#include "gui/widgets/LeagueText.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>

namespace gorlin {

RefereesMaintenancePage::RefereesMaintenancePage(League& league, AppContext& context, QWidget* parent)
    : QWidget(parent), m_league(league), m_context(context) {
    setObjectName("RefereesMaintenancePage");

    QStringList headings;
    for (const char* h : kRefHeadings)
        headings << QString::fromLatin1(h);
    m_model = new RowsModel(
        headings, [this] { return static_cast<int>(m_rows.size()); },
        [this](int row, int column) {
            return FromLeague(m_rows[static_cast<std::size_t>(row)].Cells[static_cast<std::size_t>(column)]);
        },
        this);
    m_model->SetRightAligned({1, 2, 3, 4, 5, 6});
    m_view = new QTableView(this);
    m_view->setObjectName("sgReferees");
    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->verticalHeader()->hide();
    m_view->setWordWrap(false);
    m_view->horizontalHeader()->setSectionsClickable(true);
    m_view->horizontalHeader()->setToolTip("Click a heading to sort by it");
    const QFontMetrics fm = m_view->fontMetrics();
    m_view->verticalHeader()->setDefaultSectionSize(fm.height() + 4);
    m_view->setColumnWidth(0, fm.horizontalAdvance(QString(22, 'n')));
    for (int c = 1; c < 7; ++c)
        m_view->setColumnWidth(c, fm.horizontalAdvance("Yellows") + 16);

    auto* side = new QVBoxLayout;
    const struct {
        const char* Caption;
        const char* Name;
        void (RefereesMaintenancePage::*Handler)();
    } buttons[] = {{"&Add", "btnAdd", &RefereesMaintenancePage::btnAddClick},
                   {"&Change", "btnChange", &RefereesMaintenancePage::btnChangeClick},
                   {"&Delete", "btnDelete", &RefereesMaintenancePage::btnDeleteClick}};
    for (const auto& b : buttons) {
        auto* button = new QPushButton(b.Caption, this);
        button->setObjectName(b.Name);
        connect(button, &QPushButton::clicked, this, b.Handler);
        side->addWidget(button);
        if (m_add == nullptr)
            m_add = button;
    }
    side->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addLayout(side);

    connect(m_view->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &RefereesMaintenancePage::sgRefereesHeadingClick);
    connect(m_view, &QTableView::doubleClicked, this, &RefereesMaintenancePage::btnChangeClick);
    connect(HelpKey(this), &QShortcut::activated, this, &RefereesMaintenancePage::helpRequested);
    SetUp();
}

void RefereesMaintenancePage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        SetUp();
}

void RefereesMaintenancePage::SetUp() {
    SetUpMaintenancePage(m_league, MaintenancePage::Referees);
    Rebuild(SelectedReferee());
}

void RefereesMaintenancePage::Rebuild(int selectReferee) {
    // Every competition's games count here, unlike on the division statistics page.
    m_stats = BuildRefStats(m_league, true);
    m_rows = SortRefStats(m_stats, m_league, m_key, m_context.locale);
    m_model->Reset();
    int select = 0;
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (selectReferee != 0 && m_rows[i].Referee == selectReferee)
            select = static_cast<int>(i);
    m_view->selectRow(select);
    m_add->setEnabled(CanAddReferee(m_league));
}

int RefereesMaintenancePage::SelectedReferee() const {
    const QModelIndexList rows = m_view->selectionModel()->selectedRows();
    const int row = rows.isEmpty() ? -1 : rows.first().row();
    return row >= 0 && row < static_cast<int>(m_rows.size()) ? m_rows[static_cast<std::size_t>(row)].Referee
                                                             : 0;
}

void RefereesMaintenancePage::sgRefereesHeadingClick(int column) {
    const int referee = SelectedReferee();
    m_key = column + 1;
    m_rows = SortRefStats(m_stats, m_league, m_key, m_context.locale);
    m_model->Reset();
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].Referee == referee)
            m_view->selectRow(static_cast<int>(i));
}

void RefereesMaintenancePage::btnAddClick() {
    if (!CanAddReferee(m_league)) {
        m_context.prompter.Beep();
        return;
    }
    const int added = RefereeDialog::AddReferee(m_league, m_context.prompter, this);
    if (added != 0)
        emit dataChanged();
    Rebuild(added);
}

void RefereesMaintenancePage::btnChangeClick() {
    const int referee = SelectedReferee();
    if (referee == 0) {
        m_context.prompter.Beep();
        return;
    }
    if (RefereeDialog::ChangeReferee(m_league, m_context.prompter, referee, this))
        emit dataChanged();
    Rebuild(referee);
}

void RefereesMaintenancePage::btnDeleteClick() {
    const int referee = SelectedReferee();
    if (referee == 0) {
        m_context.prompter.Beep();
        return;
    }
    if (m_context.prompter.YesNo(this, FromLeague(DeleteRefereeQuestion(m_league, referee))) !=
        Prompter::Answer::Yes)
        return;
    if (const Status deleted = DeleteReferee(m_league, referee); !deleted) {
        m_context.prompter.Error(this, FromLeague(deleted.Message));
        return;
    }
    emit dataChanged();
    Rebuild();
}

} // namespace gorlin
