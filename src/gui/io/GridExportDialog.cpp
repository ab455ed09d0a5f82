#include "gui/io/GridExportDialog.h"

#include "core/io/GridExport.h"
#include "gui/io/SaveAs.h"
#include "gui/league/DivisionStatisticsPage.h"
#include "gui/league/FixturesPage.h"
#include "gui/league/GoalStatisticsPage.h"
#include "gui/league/GoalsMaintenancePage.h"
#include "gui/league/LeagueHost.h"
#include "gui/league/MaintenancePages.h"
#include "gui/league/ResultsMaintenancePage.h"
#include "gui/league/TeamStatisticsPage.h"
#include "gui/widgets/AppContext.h"
#include "gui/widgets/GridPopup.h"
#include "gui/widgets/LeagueText.h"
#include "gui/widgets/RadioBox.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace gorlin {

namespace {

/// The format buttons in their order.
constexpr ExportFormat kFormats[] = {ExportFormat::Csv, ExportFormat::Tab, ExportFormat::Fixed,
                                     ExportFormat::Html};

} // namespace

ListExportDialog::ListExportDialog(AppContext& context, const QString& caption, const QString& okCaption,
                                   const QStringList& filter, QWidget* parent)
    : QDialog(parent), m_context(context), m_filter(filter) {
    setWindowTitle(caption);
    m_ok = new QPushButton(okCaption, this);
    m_ok->setObjectName("btnOK");
    m_ok->setDefault(true);
    m_cancel = new QPushButton("Cancel", this);
    m_cancel->setObjectName("btnCancel");
    m_cancel->setAutoDefault(false);

    auto* choices = new QHBoxLayout;
    choices->addWidget(BuildDestination());
    choices->addWidget(BuildFormat());
    m_extra = new QVBoxLayout;
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addLayout(m_extra);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_ok, &QPushButton::clicked, this, &ListExportDialog::btnOKClick);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* ListExportDialog::BuildDestination() {
    return RadioBox(this, "rgExportTo", "Export to:", {"Export to a &File", "Export to the &Clipboard"},
                    m_destination, true, {"rbFile", "rbClipboard"});
}

QWidget* ListExportDialog::BuildFormat() {
    return RadioBox(
        this, "rgExportAs", "Export as:",
        {"Comma &separated format (CSV)", "&Text format (Tab delimited)", "&Fixed format", "&HTML"}, m_format,
        false, {"rbCsv", "rbTab", "rbFixed", "rbHtml"});
}

ExportFormat ListExportDialog::Format() const {
    return kFormats[std::clamp(m_format->checkedId(), 0, 3)];
}

bool ListExportDialog::ToClipboard() const {
    return m_destination->checkedId() == 1;
}

QString ListExportDialog::FilterFor(ExportFormat format) const {
    // The format's own entry first, so the dialog offers its extension.
    const int first = format == ExportFormat::Csv ? 0 : format == ExportFormat::Html ? 1 : 2;
    QStringList entries = m_filter;
    entries.move(first, 0);
    return entries.join(";;");
}

void ListExportDialog::btnOKClick() {
    const ExportFormat format = Format();
    LineSink sink;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Write(format, sink);
    QApplication::restoreOverrideCursor();
    if (ToClipboard()) {
        QApplication::clipboard()->setText(FromLeague(sink.Text()));
        accept();
        return;
    }
    if (SaveExportAs(this, m_context, FilterFor(format), sink.Text(), format))
        accept();
}

GridExportDialog::GridExportDialog(GridCells cells, AppContext& context, QWidget* parent)
    : ListExportDialog(context, "Export Gorlin Grid", "OK",
                       {"Comma Separated Values (*.csv)", "HTML (*.htm)", "Text File (*.txt)"}, parent),
      m_cells(std::move(cells)) {
    setObjectName("GridExportDialog");
}

void GridExportDialog::Write(ExportFormat format, LineSink& sink) {
    WriteGridExport(m_cells.Rows, m_cells.HeadingRows, format, Context().settings.TableTag, sink);
}

void ExportGrid(const QAbstractItemView& grid, AppContext& context, QWidget* parent) {
    if (grid.model() == nullptr)
        return;
    GridExportDialog dialog(ShownCells(grid), context, parent);
    dialog.exec();
}

void AddGridExport(QAbstractItemView* grid, AppContext& context) {
    if (grid == nullptr)
        return;
    QMenu* menu = GridPopup(grid);
    QAction* action = menu->addAction("&Export");
    action->setObjectName("miExport");
    QPointer<QAbstractItemView> view(grid);
    QObject::connect(action, &QAction::triggered, grid, [view, &context] {
        if (view)
            ExportGrid(*view, context, view->window());
    });
}

void InstallGridExports(LeagueHost& host) {
    AppContext& context = host.Context();
    QWidget* window = host.Window();
    QTabWidget* pages = host.Pages();
    const auto grid = [](QWidget* page, const char* name) {
        return page == nullptr ? nullptr : page->findChild<QTableView*>(name);
    };
    const auto exportOf = [&context, window](QTableView* view) {
        return [view = QPointer<QTableView>(view), &context, window] {
            if (view)
                ExportGrid(*view, context, window);
        };
    };

    if (auto* results = pages->findChild<ResultsMaintenancePage*>())
        QObject::connect(results, &ResultsMaintenancePage::exportRequested, window,
                         exportOf(grid(results, "sgResults")));
    if (auto* goals = pages->findChild<GoalsMaintenancePage*>()) {
        QAction* action = goals->Popup()->addAction("&Export");
        action->setObjectName("miExport");
        QObject::connect(action, &QAction::triggered, window, exportOf(grid(goals, "sgGoals")));
    }
    AddGridExport(grid(pages->findChild<PlayersMaintenancePage*>(), "sgPlayers"), context);
    AddGridExport(grid(pages->findChild<RefereesMaintenancePage*>(), "sgReferees"), context);

    if (auto* fixtures = pages->findChild<FixturesPage*>())
        if (auto* action = fixtures->Popup()->findChild<QAction*>("miExport")) {
            action->setEnabled(true);
            QObject::connect(action, &QAction::triggered, window, exportOf(grid(fixtures, "sgFixtures")));
        }
    if (auto* team = pages->findChild<TeamStatisticsPage*>()) {
        QPointer<TeamStatisticsPage> page(team);
        QObject::connect(team, &TeamStatisticsPage::exportRequested, window,
                         [page, &context, window](int part) {
                             const char* name = part == TeamStatisticsPage::kPrintResults   ? "sgGames"
                                                : part == TeamStatisticsPage::kPrintPlayers ? "sgTmPlayers"
                                                                                            : "sgFixtures";
                             if (auto* view = page ? page->findChild<QTableView*>(name) : nullptr)
                                 ExportGrid(*view, context, window);
                         });
    }
    AddGridExport(grid(pages->findChild<DivisionStatisticsPage*>(), "sgDivRefs"), context);
    if (auto* goalStats = pages->findChild<GoalStatisticsPage*>())
        for (const char* name : {"sgGoalsPerMatch", "sgPens", "sgOwnGoals", "sgTeamGoals"})
            AddGridExport(grid(goalStats, name), context);
}

} // namespace gorlin
