#include "gui/league/SortRulesPage.h"

#include "core/app/Settings.h"
#include "core/model/LeagueFile.h"
#include "core/model/Locale.h"
#include "gui/app/LeagueWindow.h"
#include "gui/league/LeaguePages.h"
#include "gui/league/LeagueTablePage.h"
#include "gui/support/ScriptedPrompter.h"
#include "support/LeagueBuilder.h"
#include "support/TestPaths.h"

#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace gorlin {

class SortRulesPageTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheStoredRules();
    void buttonsMoveAndBeep();
    void dropMovesBetweenAndWithinLists();
    void leavingStoresOrRefuses();
    void restoreUndoesChanges();
    void leagueWindowGuardsLeavingTheRules();

private:
    League MakeLeague(const std::string& rules) {
        return test::LeagueBuilder().Teams({"Alpha", "Bravo", "Charlie", "Delta"}).Rules(rules).Build();
    }
};

namespace {

QStringList Items(SortRulesPage& page, const char* name) {
    QStringList out;
    auto* list = page.findChild<QListWidget*>(name);
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

void Click(SortRulesPage& page, const char* button) {
    QTest::mouseClick(page.findChild<QPushButton*>(button), Qt::LeftButton);
}

void Select(SortRulesPage& page, const char* list, int row) {
    page.findChild<QListWidget*>(list)->setCurrentRow(row);
}

/// Delivers a drop of row `row` of list `source` onto list `target`.
void Drop(SortRulesPage& page, SortRulePage::List source, int row, const char* target) {
    QMimeData mime;
    mime.setData(SortRuleList::kMimeType,
                 QByteArray::number(static_cast<int>(source)) + ':' + QByteArray::number(row));
    auto* list = page.findChild<QListWidget*>(target);
    const QPoint at = list->viewport()->rect().center();
    QDragEnterEvent enter(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &drop);
    QVERIFY(drop.isAccepted());
}

} // namespace

void SortRulesPageTest::showsTheStoredRules() {
    League league = MakeLeague("2x1");
    Settings settings;
    Locale locale;
    test::ScriptedPrompter prompter;
    SortRulesPage page(league, settings, locale, prompter);
    page.resize(600, 300);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QCOMPARE(Items(page, "lbActive"), QStringList({"Goal difference", "Points total"}));
    QCOMPARE(Items(page, "lbAvailable"),
             QStringList({"Goals scored", "Team name", "Possible Points", "Aggregate Points",
                          "Number of Wins", "Goal Average", "Increment"}));
    QCOMPARE(page.findChild<QPushButton*>("btnRestore")->toolTip(), QString("Undo any changes"));
    test::Screenshot(&page, "sort-rules-page");
}

void SortRulesPageTest::buttonsMoveAndBeep() {
    League league = MakeLeague("12");
    Settings settings;
    Locale locale;
    test::ScriptedPrompter prompter;
    SortRulesPage page(league, settings, locale, prompter);

    Click(page, "btnRight"); // nothing selected
    Click(page, "btnLeft");
    Click(page, "btnUp");
    QCOMPARE(prompter.Beeps, 3);
    QVERIFY(!league.SortRulesChanged);

    Select(page, "lbAvailable", 3); // "Aggregate Points"
    Click(page, "btnRight");
    QCOMPARE(Items(page, "lbActive"), QStringList({"Points total", "Goal difference", "Aggregate Points"}));
    QVERIFY(league.SortRulesChanged);

    Select(page, "lbActive", 2);
    Click(page, "btnUp");
    QCOMPARE(Items(page, "lbActive"), QStringList({"Points total", "Aggregate Points", "Goal difference"}));
    QCOMPARE(page.findChild<QListWidget*>("lbActive")->currentRow(), 1); // stays selected
    Click(page, "btnUp");
    Click(page, "btnUp"); // already first
    QCOMPARE(prompter.Beeps, 4);
    Click(page, "btnDown");
    QCOMPARE(Items(page, "lbActive"), QStringList({"Points total", "Aggregate Points", "Goal difference"}));

    Select(page, "lbActive", 0);
    Click(page, "btnLeft");
    QCOMPARE(Items(page, "lbAvailable").last(), QString("Points total"));
}

void SortRulesPageTest::dropMovesBetweenAndWithinLists() {
    League league = MakeLeague("123");
    Settings settings;
    Locale locale;
    test::ScriptedPrompter prompter;
    SortRulesPage page(league, settings, locale, prompter);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    Drop(page, SortRulePage::List::Available, 0, "lbActive"); // "Team name"
    QCOMPARE(Items(page, "lbActive"),
             QStringList({"Points total", "Goal difference", "Goals scored", "Team name"}));
    Drop(page, SortRulePage::List::Active, 0, "lbActive");
    QCOMPARE(Items(page, "lbActive"),
             QStringList({"Goal difference", "Goals scored", "Team name", "Points total"}));
    Drop(page, SortRulePage::List::Active, 3, "lbAvailable");
    QCOMPARE(Items(page, "lbAvailable").last(), QString("Points total"));
    QVERIFY(league.SortRulesChanged);
    QVERIFY(page.CanLeave());
    QCOMPARE(league.Head.SortRules.view(), std::string_view("234"));
}

void SortRulesPageTest::leavingStoresOrRefuses() {
    League league = MakeLeague("61");
    Settings settings;
    Locale locale;
    test::ScriptedPrompter prompter;
    SortRulesPage page(league, settings, locale, prompter);

    QVERIFY(page.CanLeave()); // untouched: no check
    QVERIFY(prompter.Messages.isEmpty());

    Select(page, "lbActive", 0);
    Click(page, "btnDown");
    Select(page, "lbActive", 1);
    Click(page, "btnUp"); // back to Aggregate Points first
    QVERIFY(!page.CanLeave());
    QCOMPARE(prompter.Texts(), QStringList({"Sort rule 'Aggregate Points' cannot be first"}));
    QCOMPARE(prompter.Messages.front().Kind, QString("error"));

    for (int i = 0; i < 2; ++i) {
        Select(page, "lbActive", 0);
        Click(page, "btnLeft");
    }
    QVERIFY(!page.CanLeave());
    QCOMPARE(prompter.Texts().last(), QString("You must have at least one active sort rule"));

    for (int i = 0; i < 9; ++i) {
        Select(page, "lbAvailable", 0);
        Click(page, "btnRight");
    }
    QVERIFY(!page.CanLeave());
    QCOMPARE(prompter.Texts().last(), QString("You cannot have more than 8 active sort rules"));
    QVERIFY(!league.DataChanged);

    Select(page, "lbActive", 8);
    Click(page, "btnLeft");
    QVERIFY(page.CanLeave());
    QVERIFY(league.DataChanged);
    QVERIFY(!league.SortRulesChanged);
    QCOMPARE(league.Head.SortRules.view(), std::string_view("23457896"));
}

void SortRulesPageTest::restoreUndoesChanges() {
    League league = MakeLeague("1234");
    Settings settings;
    Locale locale;
    test::ScriptedPrompter prompter;
    SortRulesPage page(league, settings, locale, prompter);
    Select(page, "lbActive", 0);
    Click(page, "btnLeft");
    Click(page, "btnRestore");
    QVERIFY(!league.SortRulesChanged);
    QCOMPARE(Items(page, "lbActive"),
             QStringList({"Points total", "Goal difference", "Goals scored", "Team name"}));
    QVERIFY(page.CanLeave());
    QVERIFY(!league.DataChanged);
}

void SortRulesPageTest::leagueWindowGuardsLeavingTheRules() {
    test::TempDir dir;
    Settings settings;
    IniFile ini((dir / "gorlin.ini").string());
    Locale locale;
    test::ScriptedPrompter prompter;
    test::ScriptedFileDialogs dialogs;
    AppContext context(settings, ini, locale, prompter, dialogs,
                       QString::fromStdString(dir.Path().string()) + "/");
    context.installLeaguePages = InstallLeaguePages;
    const auto file = dir / "LEAGUE.DIV";
    League stored = MakeLeague("61");
    QVERIFY(SaveLeague(stored, file, SaveOptions{false}).Ok);

    LeagueWindow w(context);
    QVERIFY(w.Load(QString::fromStdString(file.string())));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(qobject_cast<LeagueTablePage*>(w.Page(LeagueWindow::kLeagueTablePage)));
    auto* maintenance = qobject_cast<QTabWidget*>(w.Page(LeagueWindow::kTableMaintenancePage));
    QVERIFY(maintenance);
    int rulesTab = -1;
    for (int i = 0; i < maintenance->count(); ++i)
        if (maintenance->tabText(i) == QString("Sort Rules"))
            rulesTab = i;
    auto* page = qobject_cast<SortRulesPage*>(maintenance->widget(rulesTab));
    QVERIFY(page);

    w.Pages()->setCurrentIndex(LeagueWindow::kTableMaintenancePage);
    maintenance->setCurrentWidget(page);
    Select(*page, "lbActive", 0);
    Click(*page, "btnDown");
    Select(*page, "lbActive", 1);
    Click(*page, "btnUp");
    test::Screenshot(&w, "sort-rules-in-window");

    w.Pages()->setCurrentIndex(LeagueWindow::kLeagueTablePage);
    QCOMPARE(w.Pages()->currentIndex(), int(LeagueWindow::kTableMaintenancePage));
    QCOMPARE(prompter.Texts(), QStringList({"Sort rule 'Aggregate Points' cannot be first"}));
    w.close();
    QVERIFY(w.isVisible());
    QCOMPARE(prompter.Messages.size(), 2);

    Select(*page, "lbActive", 1);
    Click(*page, "btnUp");
    w.Pages()->setCurrentIndex(LeagueWindow::kLeagueTablePage);
    QCOMPARE(w.Pages()->currentIndex(), int(LeagueWindow::kLeagueTablePage));
    QCOMPARE(w.GetLeague().Head.SortRules.view(), std::string_view("16"));
    QVERIFY(w.GetLeague().DataChanged);
    QVERIFY(w.SaveAction()->isEnabled());
    test::Screenshot(&w, "league-table-in-window");

    prompter.Answers = {Prompter::Answer::No};
    w.close();
    QVERIFY(!w.isVisible());
}

} // namespace gorlin

QTEST_MAIN(gorlin::SortRulesPageTest)
#include "SortRulesPageTest.moc"
