#include "gui/io/ExportDialog.h"

#include "core/model/Dates.h"
#include "core/model/LeagueFile.h"
#include "gui/app/LeagueWindow.h"
#include "gui/league/LeaguePages.h"
#include "gui/league/LeagueTablePage.h"
#include "gui/support/GuiFixture.h"
#include "gui/support/ScriptedPrompter.h"
#include "platform/SystemLocale.h"
#include "support/LeagueBuilder.h"
#include "support/TestPaths.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

using namespace gorlin;
using test::Q;
namespace fs = std::filesystem;

namespace {

struct Fixture : test::ProgramContext<test::RecordingFileDialogs> {
    League league;

    /// Three teams in a double round: two results in August 2018, the rest fixtures (one dated
    /// in June 2019), and a cup.
    Fixture() {
        settings.FilePath = (dir / "tables").string() + "/";
        context.installLeaguePages = InstallLeaguePages;
        test::LeagueBuilder b;
        b.Teams({"Alpha", "Bravo", "Charlie & Co"}).TimesToPlay(2);
        b.Played(1, 2, 2, 1, ToDayNumber(2018, 8, 10));
        b.Played(2, 3, 0, 3, ToDayNumber(2018, 8, 11));
        b.Fixture(3, 1, ToDayNumber(2019, 6, 1));
        b.Fixture(2, 1, 0);
        b.Fixture(3, 2, 0);
        b.Fixture(1, 3, 0);
        b.Comp("Cup", "CUP");
        league = b.Build();
    }
};

template <typename T> T* Child(QWidget* parent, const char* name) {
    T* child = parent->findChild<T*>(name);
    if (child == nullptr)
        qFatal("no child %s", name);
    return child;
}

} // namespace

class ExportDialogTest : public QObject {
    Q_OBJECT
private slots:
    void tableButtonOpensTheDialogWithItsDefaults();
    void fullResultsLockHtmlAndAnUnwritableFileAsksAgain();
    void clipboardAndDatesReachTheExport();
};

void ExportDialogTest::tableButtonOpensTheDialogWithItsDefaults() {
    Fixture f;
    const fs::path file = f.dir / "LEAGUE.DIV";
    QVERIFY(SaveLeague(f.league, file, SaveOptions{false}).Ok);
    LeagueWindow window(f.context);
    QVERIFY(window.Load(Q(file)));
    auto* table = qobject_cast<LeagueTablePage*>(window.Page(LeagueHost::kLeagueTablePage));
    QVERIFY(table != nullptr);
    auto* button = Child<QPushButton>(table, "btnExport");
    QCOMPARE(button->toolTip(), QString("Export Gorlin data"));

    bool driven = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<ExportDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->windowTitle(), QString("Export Gorlin Data"));
        QCOMPARE(Child<QLineEdit>(dialog, "edFromDate")->text(), QString("10/08/2018"));
        QCOMPARE(Child<QLineEdit>(dialog, "edToDate")->text(), QString("01/06/2019")); // the last fixture
        QCOMPARE(Child<QPushButton>(dialog, "btnToDate")->toolTip(),
                 QString("Set end date of included matches"));
        QVERIFY(Child<QRadioButton>(dialog, "rbFile")->isChecked());
        QVERIFY(Child<QRadioButton>(dialog, "rbCsv")->isChecked());
        auto* games = Child<QComboBox>(dialog, "cbGameType");
        QCOMPARE(games->count(), 3);
        QCOMPARE(games->itemText(2), QString("Cup"));
        auto* teams = Child<QComboBox>(dialog, "cbTeam");
        QCOMPARE(teams->itemText(0), QString("*** All Teams ***"));
        QCOMPARE(teams->itemText(3), QString("Charlie & Co"));
        QVERIFY(Child<QCheckBox>(dialog, "cbMatchesGrid")->isEnabled());
        QVERIFY(!Child<QPushButton>(dialog, "btnExport")->isEnabled());
        test::Screenshot(dialog, "ExportDialog");
        Child<QPushButton>(dialog, "btnClose")->click();
        driven = true;
    });
    button->click();
    QVERIFY(driven);

    // A seventh league game: no longer a double round, so no grid.
    test::LeagueBuilder b;
    b.Teams({"Alpha", "Bravo", "Charlie"});
    for (int g = 0; g < 7; ++g)
        b.Fixture(1 + g % 3, 1 + (g + 1) % 3, 0);
    const League odd = b.Build();
    ExportDialog dialog(odd, TableViewData{}, f.context);
    QVERIFY(!Child<QCheckBox>(&dialog, "cbMatchesGrid")->isEnabled());
}

void ExportDialogTest::fullResultsLockHtmlAndAnUnwritableFileAsksAgain() {
    Fixture f;
    ExportDialog dialog(f.league, TableViewData{}, f.context);
    auto* full = Child<QCheckBox>(&dialog, "cbResultsFull");
    auto* csv = Child<QRadioButton>(&dialog, "rbCsv");
    full->click();
    QVERIFY(Child<QRadioButton>(&dialog, "rbHtml")->isChecked());
    QVERIFY(!csv->isEnabled());
    QVERIFY(Child<QPushButton>(&dialog, "btnExport")->isEnabled());
    test::Screenshot(&dialog, "ExportDialogFullResults");
    full->click();
    QVERIFY(csv->isEnabled());
    QVERIFY(!Child<QPushButton>(&dialog, "btnExport")->isEnabled());

    full->click();
    Child<QCheckBox>(&dialog, "cbFixtures")->click();
    const fs::path missing = f.dir / "no such folder" / "out.htm";
    const fs::path written = f.dir / "out.htm";
    f.dialogs.Answers = {Q(missing), Q(written)};
    Child<QPushButton>(&dialog, "btnExport")->click();
    QCOMPARE(f.prompter.Take(),
             QStringList{"error: The selected file could not be opened. It may be in-use"});
    QCOMPARE(f.dialogs.Dirs, (QStringList{f.context.TableFolder(), Q(missing.parent_path())}));
    QCOMPARE(f.dialogs.Extensions.value(0), QString("htm"));
    QVERIFY(f.dialogs.Filters.value(0).startsWith("HTM (HTML File) (*.htm)"));
    const std::string bytes = test::ReadFile(written);
    QVERIFY(bytes.starts_with("\xEF\xBB\xBF<H2>League Games</H2>\r\n"));
    QVERIFY(bytes.find("<TR><TH COLSPAN=3>Match Fixtures</TH></TR>") != std::string::npos);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void ExportDialogTest::clipboardAndDatesReachTheExport() {
    Fixture f;
    ExportDialog dialog(f.league, TableViewData{}, f.context);
    int picks = 0;
    dialog.SetDatePicker(
        [&picks](QWidget*, int, QPoint) { return ++picks == 1 ? 0 : ToDayNumber(2018, 8, 11); });
    dialog.btnFromDateClick(); // cancelled: the date stays
    QCOMPARE(Child<QLineEdit>(&dialog, "edFromDate")->text(), QString("10/08/2018"));
    Child<QPushButton>(&dialog, "btnFromDate")->click();
    QCOMPARE(Child<QLineEdit>(&dialog, "edFromDate")->text(), QString("11/08/2018"));

    Child<QRadioButton>(&dialog, "rbClipboard")->click();
    Child<QRadioButton>(&dialog, "rbFixed")->click();
    Child<QCheckBox>(&dialog, "cbResultsShort")->click();
    Child<QPushButton>(&dialog, "btnExport")->click();
    const QStringList lines = QApplication::clipboard()->text().split("\r\n");
    QCOMPARE(lines.size(), 3); // heading, the one game from 11 August, and the last CR LF
    QVERIFY(lines[1].startsWith("11/08/2018 Bravo        Charlie & Co   0       3 "));
    QVERIFY(f.prompter.Messages.isEmpty());
}

QTEST_MAIN(ExportDialogTest)
#include "ExportDialogTest.moc"
