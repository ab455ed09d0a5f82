#include "gui/io/PrintDialog.h"

#include "core/engine/MatchGrid.h"
#include "core/engine/PositionGraph.h"
#include "core/engine/TablePage.h"
#include "core/engine/TeamStats.h"
#include "core/io/PrintLayouts.h"
#include "gui/app/LeagueWindow.h"
#include "gui/io/PrintEntries.h"
#include "gui/io/PrintJob.h"
#include "gui/io/PrintPreview.h"
#include "gui/league/DivisionStatisticsPage.h"
#include "gui/league/FixturesPage.h"
#include "gui/league/GoalStatisticsPage.h"
#include "gui/league/GoalsMaintenancePage.h"
#include "gui/league/GraphWindows.h"
#include "gui/league/LeagueTablePage.h"
#include "gui/league/MaintenancePages.h"
#include "gui/league/PlayerStatsWindow.h"
#include "gui/league/ResultsMaintenancePage.h"
#include "gui/league/TeamStatisticsPage.h"
#include "gui/query/QueryWindow.h"
#include "gui/support/GuiFixture.h"
#include "gui/support/ModalScript.h"
#include "gui/widgets/LeagueText.h"
#include "support/SeasonCsv.h"
#include "support/TestPaths.h"

#include <QRegularExpression>
#include <fstream>

namespace gorlin {

class PrintDialogTest : public QObject {
    Q_OBJECT
private slots:
    void captionsAndOptionsFollowTheMode();
    void headingIsKeptForTheRun();
    void fontListIsSortedWithFontNameChosen();
    void pdfFileThroughTheSaveDialog();
    void previewShowsThePagesOfEachMode();
    void everyEntryPointOpensTheDialog();
};

namespace {

namespace fs = std::filesystem;

/// A real season on disk, with a context whose save dialogs the test answers.
struct Fixture : test::ProgramContext<test::RecordingFileDialogs> {
    League league = test::BuildSeasonLeague(test::DataDir() / "eng1_2018-19_results.csv", "Premier League");
    fs::path file = test::SaveInTableFolder(dir, settings, context, league);

    Fixture() {
        context.terminate = [](int) {};
    }
};

/// A list of `rows` numbered rows under the title "Results".
PrintLayout ListLayout(int rows) {
    PrintListData list;
    list.Title = "Results";
    list.Headings = {{"No", "Home Team", "Away Team"}};
    list.RightAligned = {true, false, false};
    for (int r = 1; r <= rows; ++r)
        list.Rows.push_back({std::to_string(r), "Home " + std::to_string(r), "Away " + std::to_string(r)});
    return [list](const PrintPageSetup& setup, const TextMeasure& measure) {
        return PrintListTable(list, setup, measure);
    };
}

const struct {
    PrintMode Mode;
    const char* Caption;
    bool Date;
    bool Heading;
} kModes[] = {{PrintMode::LeagueTable, "Print League Table", true, true},
              {PrintMode::TeamStatistics, "Print Team Statistics", true, true},
              {PrintMode::MatchGrid, "Print Match Grid", false, false},
              {PrintMode::ListTable, "Print Gorlin Table", false, true},
              {PrintMode::Graph, "Print Gorlin Graph", false, true}};

/// Pages of a PDF file: its page objects.
int PdfPages(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.rfind("%PDF", 0) != 0)
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    int pages = 0;
    for (auto it = page.globalMatch(QString::fromLatin1(bytes)); it.hasNext(); it.next())
        ++pages;
    return pages;
}

/// Chooses "PDF file" and presses OK.
void ChoosePdfAndPrint(PrintDialog* dialog) {
    auto* printers = test::Child<QComboBox>(dialog, "cbPrinter");
    dialog->cbPrinterChange(printers->findText(PrintDialog::PdfFileEntry()));
    test::Click(dialog, "btnOK");
}

} // namespace

void PrintDialogTest::captionsAndOptionsFollowTheMode() {
    Fixture x;
    x.context.print.Heading = "Season review";
    for (const auto& m : kModes) {
        PrintDialog dialog(x.context, m.Mode, ListLayout(3));
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QString(m.Caption));
        auto* date = test::Child<QCheckBox>(&dialog, "cbPrintDate");
        auto* heading = test::Child<QCheckBox>(&dialog, "cbPrintHeading");
        QVERIFY(date->isChecked() && heading->isChecked());
        QCOMPARE(date->isEnabled(), m.Date);
        QCOMPARE(heading->isEnabled(), m.Heading);
        QCOMPARE(test::Child<QLineEdit>(&dialog, "edHeading")->isEnabled(), m.Heading);
        // A disabled option does not apply to the job.
        const PrintChoices choices = dialog.Choices();
        QCOMPARE(choices.PrintDate, m.Date);
        QCOMPARE(choices.Heading, m.Heading ? QString("Season review") : QString());

        // Printers plus the PDF entry: with "PDF file" the paper, not the printer setup.
        auto* printers = test::Child<QComboBox>(&dialog, "cbPrinter");
        QCOMPARE(printers->itemText(printers->count() - 1), QString("PDF file"));
        dialog.cbPrinterChange(printers->count() - 1);
        QVERIFY(dialog.ToPdf());
        QVERIFY(!test::Child<QPushButton>(&dialog, "btnSetup")->isEnabled());
        QVERIFY(test::Child<QComboBox>(&dialog, "cbPaper")->isEnabled());
        test::Screenshot(&dialog, QStringLiteral("PrintDialog-%1").arg(static_cast<int>(m.Mode)));
    }
}

void PrintDialogTest::headingIsKeptForTheRun() {
    Fixture x;
    x.context.print.Heading = "Premier";
    {
        PrintDialog dialog(x.context, PrintMode::ListTable, ListLayout(3));
        auto* field = test::Child<QLineEdit>(&dialog, "edHeading");
        QCOMPARE(field->text(), QString("Premier"));
        field->setText("Cup Final");
        test::Click(&dialog, "btnCancel");
        QCOMPARE(x.context.print.Heading, QString("Premier")); // Cancel keeps nothing
    }
    {
        PrintDialog dialog(x.context, PrintMode::Graph, ListLayout(3));
        test::Child<QLineEdit>(&dialog, "edHeading")->setText("Cup Final");
        test::Click(&dialog, "btnOK");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(x.context.print.Heading, QString("Cup Final"));
    }
    {
        // Unchecking prints no heading and empties the one kept for the next print.
        PrintDialog dialog(x.context, PrintMode::LeagueTable, ListLayout(3));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(test::Child<QLineEdit>(&dialog, "edHeading")->text(), QString("Cup Final"));
        test::Child<QCheckBox>(&dialog, "cbPrintHeading")->click();
        QVERIFY(!test::Child<QLineEdit>(&dialog, "edHeading")->isEnabled());
        QCOMPARE(dialog.Choices().Heading, QString());
        test::Click(&dialog, "btnOK");
        QCOMPARE(x.context.print.Heading, QString());
    }
    // The match grid offers no heading: its OK leaves the kept heading alone.
    x.context.print.Heading = "Kept";
    {
        PrintDialog dialog(x.context, PrintMode::MatchGrid, ListLayout(3));
        test::Click(&dialog, "btnOK");
        QCOMPARE(x.context.print.Heading, QString("Kept"));
    }
    // A preset (the league table's) replaces the kept heading before the dialog opens.
    test::ModalScript script;
    QString shown;
    script.Then<PrintDialog>([&shown](PrintDialog* d) {
        shown = test::Child<QLineEdit>(d, "edHeading")->text();
        d->reject();
    });
    QVERIFY(!RunPrint(nullptr, x.context, PrintMode::LeagueTable, QString("Premier League (Top Six)"),
                      ListLayout(3)));
    QCOMPARE(shown, QString("Premier League (Top Six)"));
    QVERIFY(x.dialogs.Dirs.isEmpty()); // cancelled: no file asked for
    QVERIFY(script.Problems().isEmpty());
}

void PrintDialogTest::fontListIsSortedWithFontNameChosen() {
    Fixture x;
    QStringList families = QFontDatabase::families();
    QVERIFY(families.size() >= 2);
    std::sort(families.begin(), families.end());
    const QString chosen = families.last();
    x.settings.FontName = ToLeague(chosen);

    PrintDialog dialog(x.context, PrintMode::TeamStatistics, ListLayout(3));
    auto* fonts = test::Child<QComboBox>(&dialog, "cbFont");
    QStringList listed;
    for (int i = 0; i < fonts->count(); ++i)
        listed << fonts->itemText(i);
    QVERIFY(std::is_sorted(listed.begin(), listed.end()));
    QCOMPARE(listed.removeDuplicates(), 0);
    QCOMPARE(fonts->currentText(), chosen);

    // Another printer refills the list and keeps the font chosen.
    fonts->setCurrentIndex(0);
    dialog.cbPrinterChange(test::Child<QComboBox>(&dialog, "cbPrinter")->count() - 1);
    QCOMPARE(fonts->currentText(), listed.first());
    QCOMPARE(dialog.Choices().Font.family(), listed.first());
    test::Click(&dialog, "btnOK");
    QCOMPARE(FromLeague(x.settings.FontName), listed.first());

    // A font that is not installed: the one drawn in its place, never no font at all.
    x.settings.FontName = "No Such Family Anywhere";
    PrintDialog other(x.context, PrintMode::TeamStatistics, ListLayout(3));
    QVERIFY(test::Child<QComboBox>(&other, "cbFont")->currentIndex() >= 0);
}

void PrintDialogTest::pdfFileThroughTheSaveDialog() {
    Fixture x;
    const PrintLayout list = ListLayout(150);
    const fs::path file = x.dir / "results.pdf";
    x.dialogs.Answers = {test::Q(x.dir / "no-such-folder" / "a.pdf"), test::Q(file)};
    test::ModalScript script;
    script.Then<PrintDialog>(ChoosePdfAndPrint);
    QVERIFY(RunPrint(nullptr, x.context, PrintMode::ListTable, std::nullopt, list));
    QVERIFY(script.Problems().isEmpty());
    // The unwritable name is refused once, then the dialog asks again from its folder.
    QCOMPARE(x.prompter.Messages.size(), 1);
    QVERIFY(x.prompter.Messages.first().startsWith("error: The PDF file could not be written."));
    QCOMPARE(x.dialogs.Dirs.size(), 2);
    QCOMPARE(x.dialogs.Dirs.first(), x.context.TableFolder());
    QCOMPARE(x.dialogs.Filters.first(), QString("PDF Files (*.pdf)"));
    QCOMPARE(x.dialogs.Extensions.first(), QString("pdf"));
    QCOMPARE(x.dialogs.Dirs.last(), test::Q(x.dir / "no-such-folder"));

    // The file holds the pages the preview of "PDF file" shows: several for 150 rows.
    const int pages = PdfPages(file);
    PrintChoices choices;
    choices.Font = QFont(FromLeague(x.settings.FontName));
    PrintPreviewWindow preview(x.context, list, choices, nullptr, QPageSize(QPageSize::A4));
    QVERIFY(pages > 1);
    QCOMPARE(pages, preview.PageCount());
    QVERIFY(x.context.print.PrinterName.isEmpty()); // "PDF file" stays chosen for the run

    // Cancelling the file name writes nothing and says nothing.
    x.prompter.Take();
    test::ModalScript again;
    again.Then<PrintDialog>([](PrintDialog* d) {
        QVERIFY(d->ToPdf());
        test::Click(d, "btnOK");
    });
    QVERIFY(!RunPrint(nullptr, x.context, PrintMode::ListTable, std::nullopt, list));
    QVERIFY(x.prompter.Messages.isEmpty());
    QVERIFY(again.Problems().isEmpty());
}

void PrintDialogTest::previewShowsThePagesOfEachMode() {
    Fixture x;
    const League& league = x.league;
    const Settings& settings = x.settings;
    const TablePageState table = OpenTablePage(league, settings, x.locale.Today);
    const TeamStatsData team = TeamStats(league, 1, settings, x.locale);
    const Expected<MatchGridData> grid = BuildMatchGrid(league, 1);
    QVERIFY(grid.ok());
    const GraphSeries graph =
        BuildGraph(league, 1, kPointsProgress, x.locale.Today, settings.Colour4, x.locale);
    const struct {
        PrintMode Mode;
        PrintLayout Layout;
        bool OnePage;
    } jobs[] = {
        {PrintMode::LeagueTable,
         [&](const PrintPageSetup& s, const TextMeasure& m) {
             return PrintLeagueTable(league, table, settings, s, m);
         },
         true},
        {PrintMode::TeamStatistics,
         [&](const PrintPageSetup& s, const TextMeasure& m) {
             return PrintTeamStatistics(league, team, s, m);
         },
         true},
        {PrintMode::MatchGrid,
         [&](const PrintPageSetup& s, const TextMeasure& m) { return PrintMatchGrid(*grid, s, m); }, true},
        {PrintMode::ListTable, ListLayout(150), false},
        {PrintMode::Graph,
         [&](const PrintPageSetup& s, const TextMeasure& m) { return PrintGraph(graph, true, s, m); }, true},
    };
    PrintChoices choices;
    choices.Heading = "Premier League";
    choices.PrintDate = true;
    choices.Font = QFont("DejaVu Sans");
    for (const auto& job : jobs) {
        PrintPreviewWindow preview(x.context, job.Layout, choices, nullptr, QPageSize(QPageSize::A4));
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        const int pages = preview.PageCount();
        QVERIFY2(job.OnePage ? pages == 1 : pages > 1, qPrintable(QString::number(pages)));
        auto* label = test::Child<QLabel>(&preview, "lblPage");
        QCOMPARE(label->text(), QStringLiteral("Page 1 of %1").arg(pages));
        QCOMPARE(test::Child<QPushButton>(&preview, "btnNext")->isEnabled(), pages > 1);
        test::Screenshot(&preview, QStringLiteral("PrintPreview-%1").arg(static_cast<int>(job.Mode)));
        if (pages > 1) {
            test::Click(&preview, "btnNext");
            QCOMPARE(label->text(), QStringLiteral("Page 2 of %1").arg(pages));
        }
    }

    // The dialog's Preview shows the job on the chosen paper and returns to the dialog.
    test::ModalScript script;
    int shown = 0;
    script.Then<PrintDialog>([](PrintDialog* d) {
        test::Click(d, "btnPreview");
        d->reject();
    });
    script.Then<PrintPreviewWindow>([&shown](PrintPreviewWindow* w) {
        shown = w->PageCount();
        w->accept();
    });
    QVERIFY(!RunPrint(nullptr, x.context, PrintMode::ListTable, std::nullopt, ListLayout(150)));
    QVERIFY(shown > 1);
    QVERIFY(script.Problems().isEmpty());
}

void PrintDialogTest::everyEntryPointOpensTheDialog() {
    Fixture x;
    x.league.TeamSels[2].Name = "Top Six";
    x.league.CurrentSel = 2;
    QCOMPARE(LeagueTableHeading(x.league), QString("Premier League (Top Six)"));
    x.league.CurrentSel = 0;
    QCOMPARE(LeagueTableHeading(x.league), QString("Premier League"));

    LeagueWindow window(x.context);
    QVERIFY(window.Load(test::Q(x.file)));
    window.show();

    // Each command opens the dialog of its mode; the script answers it with Cancel.
    QStringList captions;
    test::ModalScript script;
    auto expect = [&](int count) {
        for (int i = 0; i < count; ++i)
            script.Then<PrintDialog>([&captions](PrintDialog* d) {
                captions << d->windowTitle();
                d->reject();
            });
    };

    auto* table = qobject_cast<LeagueTablePage*>(window.Page(LeagueHost::kLeagueTablePage));
    QVERIFY(table != nullptr);
    QVBoxLayout* area = table->ButtonArea();
    auto* print = test::Child<QPushButton>(table, "btnPrint");
    QCOMPARE(area->indexOf(print), area->indexOf(test::Child<QPushButton>(table, "btnExport")) + 1);
    QString heading;
    script.Then<PrintDialog>([&](PrintDialog* d) {
        captions << d->windowTitle();
        heading = test::Child<QLineEdit>(d, "edHeading")->text();
        d->reject();
    });
    print->click();
    QCOMPARE(heading, QString("Premier League"));

    auto* stats = qobject_cast<TeamStatisticsPage*>(window.Page(LeagueHost::kTeamStatisticsPage));
    QVERIFY(stats != nullptr && stats->SelectTeam(1));
    expect(1);
    test::Click(stats, "btnTSPrint");

    // The match grid and graph windows print from their own "Print".
    script.Then<MatchGridWindow>([&](MatchGridWindow* w) {
        test::Screenshot(w, "MatchGridWindow-print");
        test::Click(w, "btnPrint");
        w->reject();
    });
    expect(1);
    test::Click(table, "btnMatchGrid");
    script.Then<PositionGraphWindow>([&](PositionGraphWindow* w) {
        test::Screenshot(w, "PositionGraphWindow-print");
        test::Click(w, "btnPrint");
        w->reject();
    });
    expect(1);
    test::Click(stats, "btnGraph");

    // The query window's results page prints from its own "&Print", after "&Export".
    script.Then<QueryWindow>([&](QueryWindow* w) {
        auto* query = test::Child<QComboBox>(w, "cbQuery");
        query->setCurrentIndex(query->findText("Best Attack"));
        emit query->activated(query->currentIndex());
        test::Click(w, "btnRun");
        QVERIFY(w->ShowingResults());
        QHBoxLayout* buttons = w->ResultButtonArea();
        QCOMPARE(buttons->indexOf(test::Child<QPushButton>(w, "btnPrint")),
                 buttons->indexOf(test::Child<QPushButton>(w, "btnExport")) + 1);
        test::Screenshot(w, "QueryResultsWithPrint");
        test::Click(w, "btnPrint");
        w->reject();
    });
    expect(1);
    test::Click(table, "btnQuery");

    // Every list grid: a right-click opens its pop-up, whose "&Print" prints the list.
    auto* results = window.findChild<ResultsMaintenancePage*>();
    QVERIFY(results != nullptr);
    results->SetUp();
    const struct {
        QWidget* Page;
        const char* Grid;
    } grids[] = {{results, "sgResults"},
                 {window.findChild<GoalsMaintenancePage*>(), "sgGoals"},
                 {window.findChild<PlayersMaintenancePage*>(), "sgPlayers"},
                 {window.findChild<RefereesMaintenancePage*>(), "sgReferees"},
                 {window.findChild<FixturesPage*>(), "sgFixtures"},
                 {window.findChild<GoalStatisticsPage*>(), "sgGoalsPerMatch"},
                 {window.findChild<GoalStatisticsPage*>(), "sgPens"},
                 {window.findChild<GoalStatisticsPage*>(), "sgOwnGoals"},
                 {window.findChild<GoalStatisticsPage*>(), "sgTeamGoals"},
                 {window.findChild<DivisionStatisticsPage*>(), "sgDivRefs"},
                 {stats, "sgGames"},
                 {stats, "sgTmPlayers"},
                 {stats, "sgFixtures"}};
    int opened = 0;
    auto printFromPopup = [&](QTableView* grid) {
        grid->window()->activateWindow();
        emit grid->customContextMenuRequested(QPoint(4, 4));
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY2(menu != nullptr, qPrintable(grid->objectName()));
        QAction* item = nullptr;
        for (QAction* a : menu->actions())
            if (a->text() == "&Print")
                item = a;
        QVERIFY2(item != nullptr && item->isEnabled(), qPrintable(grid->objectName()));
        if (QAction* exporting = menu->findChild<QAction*>("miExport")) // "&Print" comes just before it
            QCOMPARE(menu->actions().indexOf(exporting), menu->actions().indexOf(item) + 1);
        menu->close();
        expect(1);
        item->trigger();
        ++opened;
    };
    for (const auto& g : grids) {
        QVERIFY2(g.Page != nullptr, g.Grid);
        printFromPopup(test::Child<QTableView>(g.Page, g.Grid));
    }
    // The player window's match list, from the same pop-up as its "&Export".
    script.Then<PlayerStatsWindow>([&](PlayerStatsWindow* w) {
        printFromPopup(test::Child<QTableView>(w, "sgGoals"));
        w->reject();
    });
    emit window.findChild<GoalStatisticsPage*>()->playerRequested(1);
    QCOMPARE(script.Pending(), 0);
    QVERIFY2(script.Problems().isEmpty(), qPrintable(script.Problems().join("; ")));
    QStringList wanted{"Print League Table", "Print Team Statistics", "Print Match Grid",
                       "Print Gorlin Graph", "Print Gorlin Table"};
    for (int i = 0; i < opened; ++i)
        wanted << "Print Gorlin Table";
    QCOMPARE(captions, wanted);
    window.close();
}

} // namespace gorlin

QTEST_MAIN(gorlin::PrintDialogTest)
#include "PrintDialogTest.moc"
