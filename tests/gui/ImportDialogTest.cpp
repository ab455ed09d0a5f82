#include "gui/io/ImportDialog.h"

#include "core/model/LeagueFile.h"
#include "gui/app/LeagueWindow.h"
#include "gui/league/LeaguePages.h"
#include "gui/league/LeagueTablePage.h"
#include "gui/support/GuiFixture.h"
#include "gui/support/ScriptedPrompter.h"
#include "platform/SystemLocale.h"
#include "support/LeagueBuilder.h"
#include "support/TestPaths.h"

#include <QAction>
#include <QApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <fstream>

using namespace gorlin;
using test::Q;
namespace fs = std::filesystem;

namespace {

struct Fixture : test::ProgramContext<test::RecordingFileDialogs> {
    League league = test::LeagueBuilder().Teams({"Alpha", "Bravo", "Charlie"}).TimesToPlay(0).Build();

    Fixture() {
        settings.FilePath = (dir / "tables").string() + "/";
        context.installLeaguePages = InstallLeaguePages;
    }

    QString Write(const std::string& name, const std::string& text) const {
        std::ofstream(dir / name, std::ios::binary) << text;
        return Q(dir / name);
    }
};

template <typename T> T* Child(QWidget* parent, const char* name) {
    T* child = parent->findChild<T*>(name);
    if (child == nullptr)
        qFatal("no child %s", name);
    return child;
}

} // namespace

class ImportDialogTest : public QObject {
    Q_OBJECT
private slots:
    void tableButtonImportsAndTheTableFollows();
    void choiceAndBrowseReachTheImport();
    void noFileBeepsAndAnUnreadableFileIsReportedOnce();
};

void ImportDialogTest::tableButtonImportsAndTheTableFollows() {
    Fixture f;
    const fs::path file = f.dir / "LEAGUE.DIV";
    QVERIFY(SaveLeague(f.league, file, SaveOptions{false}).Ok);
    const QString csv = f.Write("results.csv", "Date,HomeTeam,AwayTeam,HomeGoals,AwayGoals\n"
                                               "10/08/2018,Alpha,Bravo,2,1\n"
                                               "11/08/2018,Bravo,Charlie,0,3\n");
    LeagueWindow window(f.context);
    QVERIFY(window.Load(Q(file)));
    auto* table = qobject_cast<LeagueTablePage*>(window.Page(LeagueHost::kLeagueTablePage));
    QVERIFY(table != nullptr);
    auto* button = Child<QPushButton>(table, "btnImport");
    QCOMPARE(button->toolTip(), QString("Import data from a file"));

    bool driven = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<ImportDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->windowTitle(), QString("Import Gorlin Data"));
        QCOMPARE(dialog->Counters(), (QStringList{"0", "0", "0"}));
        dialog->SetFileName(csv);
        Child<QPushButton>(dialog, "btnImport")->click();
        QCOMPARE(dialog->Counters(), (QStringList{"3", "2", "1"}));
        QCOMPARE(dialog->StatusText(), QString("Done"));
        QCOMPARE(Child<QProgressBar>(dialog, "pbImport")->value(), 3);
        test::Screenshot(dialog, "ImportDialog");
        Child<QPushButton>(dialog, "btnClose")->click();
        driven = true;
    });
    button->click();
    QVERIFY(driven);

    // Closing recomputed the games, rebuilt the match dates and redrew the table.
    QCOMPARE(window.GetLeague().Games[2].Outcome, 2);
    QVERIFY(window.SaveAction()->isEnabled());
    QCOMPARE(table->Dates().MatchDates.size(), std::size_t{2});
    QCOMPARE(table->View().Rows.front().Cells[1], std::string("Charlie"));
    window.resize(900, 560);
    test::Screenshot(&window, "ImportDialogTableAfterImport");
}

void ImportDialogTest::choiceAndBrowseReachTheImport() {
    Fixture f;
    test::LeagueBuilder b;
    b.Teams({"Alpha", "Bravo", "Charlie"}).TimesToPlay(2);
    const int fixture = b.Fixture(1, 2, 0);
    f.league = b.Build();
    ImportDialog dialog(f.league, f.context);
    const QString chosen = f.Write("fixtures.csv", "20/09/2018,Alpha,Bravo\n");
    f.dialogs.Answers = {chosen, QString()};
    Child<QPushButton>(&dialog, "btnBrowse")->click();
    QCOMPARE(f.dialogs.Dirs.value(0), f.context.TableFolder());
    QVERIFY(f.dialogs.Filters.value(0).startsWith("CSV files (*.CSV"));
    QCOMPARE(dialog.FileName(), chosen);
    Child<QPushButton>(&dialog, "btnBrowse")->click(); // cancelled: the name stays
    QCOMPARE(f.dialogs.Dirs.value(1), Q(f.dir.Path()));
    QCOMPARE(dialog.FileName(), chosen);

    Child<QRadioButton>(&dialog, "rgImportWhat3")->click();
    dialog.btnImportClick();
    QCOMPARE(dialog.Counters(), (QStringList{"1", "1", "0"}));
    QVERIFY(f.league.Games[static_cast<std::size_t>(fixture)].Date > 0);
}

void ImportDialogTest::noFileBeepsAndAnUnreadableFileIsReportedOnce() {
    Fixture f;
    ImportDialog dialog(f.league, f.context);
    dialog.SetFileName("   ");
    dialog.btnImportClick();
    QCOMPARE(f.prompter.Beeps, 1);
    QVERIFY(f.prompter.Messages.isEmpty());

    dialog.SetFileName(Q(f.dir / "missing.csv"));
    dialog.btnImportClick();
    QCOMPARE(f.prompter.Messages.size(), 1);
    QVERIFY(f.prompter.Messages[0].contains("missing.csv"));
    QCOMPARE(dialog.Counters(), (QStringList{"0", "0", "0"}));
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QVERIFY(!f.league.DataChanged);
}

QTEST_MAIN(ImportDialogTest)
#include "ImportDialogTest.moc"
