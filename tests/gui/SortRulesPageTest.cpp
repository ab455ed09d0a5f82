#include "gui/league/SortRulesPage.h"

#include "gui/app/LeagueWindow.h"
#include "gui/league/LeagueTablePage.h"
#include "gui/support/GuiFixture.h"
#include "support/LeagueBuilder.h"

namespace gorlin {

using test::Child;
using test::Click;

class SortRulesPageTest : public QObject {
    Q_OBJECT
private slots:
    void buttonsAndDropsReachTheRules();
    void leagueWindowKeepsTheUserOnRulesItCannotStore();
    void tableShowsTheNewOrderFromItsFirstPicture();
};

namespace {

QStringList Items(const SortRulesPage& page, const char* name) {
    QStringList out;
    const auto* list = Child<QListWidget>(&page, name);
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

void Select(const SortRulesPage& page, const char* list, int row) {
    Child<QListWidget>(&page, list)->setCurrentRow(row);
}

/// Delivers a drop of row `row` of list `source` onto list `target`.
void Drop(const SortRulesPage& page, SortRulePage::List source, int row, const char* target) {
    QMimeData mime;
    mime.setData(SortRuleList::kMimeType,
                 QByteArray::number(static_cast<int>(source)) + ':' + QByteArray::number(row));
    QWidget* viewport = Child<QListWidget>(&page, target)->viewport();
    QDragEnterEvent enter(viewport->rect().center(), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &enter);
    QDropEvent drop(viewport->rect().center(), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &drop);
    QVERIFY(drop.isAccepted());
}

} // namespace

void SortRulesPageTest::buttonsAndDropsReachTheRules() {
    test::GuiFixture f;
    League league = test::LeagueBuilder().Teams({"Alpha", "Bravo"}).Rules("21").Build();
    SortRulesPage page(league, f.settings, f.locale, f.prompter);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QCOMPARE(Items(page, "lbActive"), QStringList({"Goal difference", "Points total"}));
    test::Screenshot(&page, "sort-rules-page");
    Click(&page, "btnRight"); // nothing selected
    QCOMPARE(f.prompter.Beeps, 1);
    Select(page, "lbAvailable", 3); // "Aggregate Points"
    Click(&page, "btnRight");
    Select(page, "lbActive", 2);
    Click(&page, "btnUp");
    Select(page, "lbActive", 0);
    Click(&page, "btnDown");
    Select(page, "lbActive", 2);
    Click(&page, "btnLeft");
    QCOMPARE(Items(page, "lbActive"), QStringList({"Aggregate Points", "Goal difference"}));
    Drop(page, SortRulePage::List::Available, 0, "lbActive"); // "Goals scored"
    Drop(page, SortRulePage::List::Active, 0, "lbAvailable");
    QCOMPARE(Items(page, "lbActive"), QStringList({"Goal difference", "Goals scored"}));
    QCOMPARE(Items(page, "lbAvailable").last(), QString("Aggregate Points"));
    Click(&page, "btnRestore");
    QCOMPARE(Items(page, "lbActive"), QStringList({"Goal difference", "Points total"}));
    QVERIFY(page.CanLeave() && !league.DataChanged && f.prompter.Messages.isEmpty());
}

void SortRulesPageTest::leagueWindowKeepsTheUserOnRulesItCannotStore() {
    test::GuiFixture f(test::LeagueBuilder().Teams({"Alpha", "Bravo"}).Rules("61").Build());
    LeagueWindow w(f.context);
    QVERIFY(w.Load(test::Q(f.file)));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* maintenance = qobject_cast<QTabWidget*>(w.Page(LeagueWindow::kTableMaintenancePage));
    SortRulesPage* page = nullptr;
    for (int i = 0; i < maintenance->count(); ++i)
        if (maintenance->tabText(i) == "Sort Rules")
            page = qobject_cast<SortRulesPage*>(maintenance->widget(i));
    QVERIFY(page != nullptr);
    w.Pages()->setCurrentIndex(LeagueWindow::kTableMaintenancePage);
    maintenance->setCurrentWidget(page);
    Select(*page, "lbActive", 0);
    Click(page, "btnDown");
    Select(*page, "lbActive", 1);
    Click(page, "btnUp"); // Aggregate Points first again
    test::Screenshot(&w, "sort-rules-in-window");

    w.Pages()->setCurrentIndex(LeagueWindow::kLeagueTablePage);
    QCOMPARE(w.Pages()->currentIndex(), int(LeagueWindow::kTableMaintenancePage));
    const QString refusal = "error: Sort rule 'Aggregate Points' cannot be first";
    QCOMPARE(f.prompter.Take(), QStringList{refusal});
    w.close();
    QVERIFY(w.isVisible());
    QCOMPARE(f.prompter.Take(), QStringList{refusal});

    Select(*page, "lbActive", 1);
    Click(page, "btnUp");
    w.Pages()->setCurrentIndex(LeagueWindow::kLeagueTablePage);
    QCOMPARE(w.Pages()->currentIndex(), int(LeagueWindow::kLeagueTablePage));
    QCOMPARE(w.GetLeague().Head.SortRules.view(), std::string_view("16"));
    QVERIFY(w.SaveAction()->isEnabled());
    test::Screenshot(&w, "league-table-in-window");
    f.prompter.Answers = {Prompter::Answer::No};
    w.close();
    QVERIFY(!w.isVisible());
}

void SortRulesPageTest::tableShowsTheNewOrderFromItsFirstPicture() {
    // Alpha leads on points, Bravo on goal difference.
    test::LeagueBuilder b;
    b.Teams({"Alpha", "Bravo", "Charlie"}).Rules("12");
    b.Played(1, 2, 1, 0, 43000);
    b.Played(2, 3, 4, 0, 43001);
    b.Played(3, 1, 0, 0, 43002);
    test::GuiFixture f(b.Build());
    LeagueWindow w(f.context);
    QVERIFY(w.Load(test::Q(f.file)));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* table = qobject_cast<LeagueTablePage*>(w.Page(LeagueWindow::kLeagueTablePage));
    const auto leader = [table] { return QString::fromStdString(table->View().Rows.front().Cells[1]); };
    QCOMPARE(leader(), QString("Alpha"));
    auto* maintenance = qobject_cast<QTabWidget*>(w.Page(LeagueWindow::kTableMaintenancePage));
    SortRulesPage* page = nullptr;
    for (int i = 0; i < maintenance->count(); ++i)
        if (maintenance->tabText(i) == "Sort Rules")
            page = qobject_cast<SortRulesPage*>(maintenance->widget(i));
    w.Pages()->setCurrentIndex(LeagueWindow::kTableMaintenancePage);
    maintenance->setCurrentWidget(page);
    Select(*page, "lbActive", 1);
    Click(page, "btnUp"); // goal difference first

    // Every picture the table draws after the click shows the new order.
    QStringList pictures;
    QObject listening; // gone before the window, whose closing resets the model once more
    QObject::connect(Child<QTableView>(table, "sgLeague")->model(), &QAbstractItemModel::modelReset,
                     &listening, [&] { pictures << leader(); });
    QTabBar* tabs = w.Pages()->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(LeagueWindow::kLeagueTablePage).center());
    QCOMPARE(w.Pages()->currentIndex(), int(LeagueWindow::kLeagueTablePage));
    QCOMPARE(w.GetLeague().Head.SortRules.view(), std::string_view("21"));
    QVERIFY(!pictures.isEmpty());
    QCOMPARE(pictures, QStringList(pictures.size(), "Bravo"));
    f.prompter.Answers = {Prompter::Answer::No};
    w.close();
}

} // namespace gorlin

QTEST_MAIN(gorlin::SortRulesPageTest)
#include "SortRulesPageTest.moc"
