#include "gui/league/LeagueTablePage.h"

#include "core/model/Dates.h"
#include "gui/league/CalendarDialog.h"
#include "gui/league/TeamSelectionDialog.h"
#include "gui/support/GuiFixture.h"
#include "gui/widgets/UpDown.h"
#include "support/LeagueBuilder.h"

namespace gorlin {

using test::Child;

class LeagueTablePageTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheTableInTheZoneColours();
    void optionsAndDatesReachTheTable();
    void popupMenuAndGridForwardCommands();
    void selectionsChosenAndEdited();
    void selectionDialogKeepsAnIncompleteSlotAndStoresEverySlot();
    void calendarKeysChooseOrCancel();
    void shortWindowKeepsHeadingsAndOptionsInView();
    void narrowWindowKeepsTheLastRowInView();
};

namespace {

/// Six teams, a double round robin in which the lower index always wins 2-1; the two games
/// between teams 4 and 5 are still to come. Team 1 is champion (U), team 6 relegated (D).
League SixTeams() {
    test::LeagueBuilder b;
    b.Teams({"Ashford United", "Bramley Town", "Carrow Rovers", "Dunmore Athletic", "Elmfield City",
             "Fenwick Wanderers"})
        .Places(1, 1, 2)
        .Selection(2, "Top & three", {1, 2, 3});
    int n = 0;
    for (int h = 1; h <= 6; ++h)
        for (int a = 1; a <= 6; ++a) {
            const int date = ToDayNumber(2024, 8, 10) + 7 * (n / 3);
            if (h == a)
                continue;
            ++n;
            if ((h == 4 && a == 5) || (h == 5 && a == 4))
                b.Fixture(h, a, date);
            else
                b.Played(h, a, h < a ? 2 : 1, h < a ? 1 : 2, date);
        }
    b.Get().Head.OwnTeam = 3;
    return b.Build();
}

/// The page over SixTeams with the fixture's settings, locale and prompter.
struct PageFixture : test::GuiFixture {
    League league = SixTeams();
    LeagueTablePage page{league, settings, locale, prompter};
    QAbstractItemModel* grid = Child<QTableView>(&page, "sgLeague")->model();

    QStringList Column(std::size_t column) const {
        QStringList out;
        for (const TableRow& row : page.View().Rows)
            out << QString::fromStdString(row.Cells[column]);
        return out;
    }
    QString Text(const char* name) const { return Child<QWidget>(&page, name)->property("text").toString(); }
    QAction* Action(const char* name) const { return Child<QAction>(&page, name); }
};

} // namespace

void LeagueTablePageTest::showsTheTableInTheZoneColours() {
    PageFixture f;
    QAbstractItemModelTester tester(f.grid, QAbstractItemModelTester::FailureReportingMode::QtTest);
    f.page.resize(900, 400);
    f.page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.page));
    QCOMPARE(f.grid->rowCount(), 6); // the headings are the grid's header, kept in view
    QCOMPARE(f.grid->columnCount(), 15);
    QCOMPARE(f.grid->headerData(1, Qt::Horizontal).toString() + "|" + f.grid->index(0, 1).data().toString(),
             QString("Team|Ashford United"));
    QCOMPARE(f.Column(0), QStringList({"U", "S", "S", "4", "5", "D"}));
    const auto colour = [&f](int row, int column, int role) {
        return f.grid->index(row, column).data(role).value<QColor>().name();
    };
    // Zone colours from the settings (0x00BBGGRR: Colour1, 2, 5, 3), and the own team's text (Colour4).
    QCOMPARE(QStringList({colour(0, 3, Qt::BackgroundRole), colour(1, 3, Qt::BackgroundRole),
                          colour(3, 3, Qt::BackgroundRole), colour(5, 3, Qt::BackgroundRole),
                          colour(2, 1, Qt::ForegroundRole)}),
             QStringList({"#ffff00", "#00ff00", "#c0c0c0", "#00ffff", "#ff0000"}));
    QCOMPARE(f.Text("pnlTitle"), QString("Test League"));
    test::Screenshot(&f.page, "league-table-long");
    f.settings.ShowStatus = false;
    f.page.SettingsChanged();
    QCOMPARE(f.Column(0), QStringList({"1", "2", "3", "4", "5", "6"}));
}

void LeagueTablePageTest::optionsAndDatesReachTheTable() {
    PageFixture f;
    QTest::mouseClick(Child<QRadioButton>(&f.page, "rgGames1"), Qt::LeftButton);
    QCOMPARE(f.Column(2), QStringList({"5", "5", "5", "4", "4", "5"})); // home games only
    QTest::mouseClick(Child<QRadioButton>(&f.page, "rgContent2"), Qt::LeftButton);
    for (const char* name : {"btnFromDate", "btnToDate", "udFromDate", "udToDate"})
        QVERIFY2(!Child<QWidget>(&f.page, name)->isEnabled(), name); // no dates for current form
    QTest::mouseClick(Child<QRadioButton>(&f.page, "rgContent0"), Qt::LeftButton);
    QTest::mouseClick(Child<QRadioButton>(&f.page, "rgGames0"), Qt::LeftButton);
    QVERIFY(Child<QWidget>(&f.page, "btnFromDate")->isEnabled());

    QCOMPARE(f.Text("btnFromDate"), QString("10/08/2024"));
    Child<UpDown>(&f.page, "udFromDate")->Step(1);
    QCOMPARE(f.Text("btnFromDate"), QString("17/08/2024"));
    QList<int> presets;
    int answer = 0; // cancelled
    f.page.SetDatePicker([&](QWidget*, int preset, QPoint) {
        presets << preset;
        return answer;
    });
    QTest::mouseClick(Child<QPushButton>(&f.page, "btnFromDate"), Qt::LeftButton);
    QCOMPARE(f.page.Dates().FromDate, ToDayNumber(2024, 8, 17));
    answer = ToDayNumber(2024, 8, 20); // between two match dates: the one before for the to end
    QTest::mouseClick(Child<QPushButton>(&f.page, "btnToDate"), Qt::LeftButton);
    QCOMPARE(presets, (QList<int>{ToDayNumber(2024, 8, 17), ToDayNumber(2024, 10, 12)}));
    QVERIFY(f.Text("btnToDate") == "17/08/2024" && Child<UpDown>(&f.page, "udToDate")->Position() == 2);
    Child<UpDown>(&f.page, "udFromDate")->Step(-1);
    QCOMPARE(f.page.View().Table.TeamTotals[1].Played, 6); // team 1's games of the first two match days
}

void LeagueTablePageTest::popupMenuAndGridForwardCommands() {
    PageFixture f;
    f.page.PopupOpening(false);
    QVERIFY(!f.Action("miSave")->isEnabled());
    QVERIFY(!Child<QMenu>(&f.page, "miAdmin")->menuAction()->isVisible());
    f.page.PopupOpening(true); // Shift held
    QVERIFY(f.Action("miSave")->isEnabled());
    f.league.DataChanged = true;
    f.settings.AdminMode = true;
    f.page.PopupOpening(false);
    QVERIFY(f.Action("miSave")->isEnabled());
    QVERIFY(Child<QMenu>(&f.page, "miAdmin")->menuAction()->isVisible());

    f.Action("miShortFormat")->trigger();
    QCOMPARE(f.grid->columnCount(), 10);
    f.Action("miShowPoss")->trigger();
    QCOMPARE(f.grid->headerData(10, Qt::Horizontal).toString() + f.grid->index(4, 10).data().toString(),
             QString("PP12"));
    test::Screenshot(&f.page, "league-table-short");
    f.Action("miShortFormat")->trigger();
    QCOMPARE(f.grid->columnCount(), 16);
    f.page.PopupOpening(false);
    QVERIFY(f.Action("miShowPoss")->isChecked() && !f.Action("miShortFormat")->isChecked());

    QSignalSpy save(&f.page, &LeagueTablePage::saveRequested);
    QSignalSpy setup(&f.page, &LeagueTablePage::setupRequested);
    QSignalSpy about(&f.page, &LeagueTablePage::aboutRequested);
    for (const char* name : {"miSave", "miSetup", "miAbout"})
        f.Action(name)->trigger();
    QCOMPARE((QList<qsizetype>{save.count(), setup.count(), about.count()}), (QList<qsizetype>{1, 1, 1}));

    // Hovering a team shows its latest result as the hint; a double click asks for its statistics.
    auto* grid = Child<QTableView>(&f.page, "sgLeague");
    QCOMPARE(f.grid->index(0, 1).data(Qt::ToolTipRole).toString(),
             QString("Double click to display team statistics"));
    emit grid->entered(f.grid->index(5, 1)); // Fenwick Wanderers
    const QString hint = f.grid->index(0, 4).data(Qt::ToolTipRole).toString();
    QVERIFY2(hint.startsWith("12/10/2024 ") && hint.contains("Fenwick Wanderers"), qPrintable(hint));
    QSignalSpy activated(&f.page, &LeagueTablePage::teamActivated);
    emit grid->doubleClicked(f.grid->index(2, 4));
    emit grid->doubleClicked(QModelIndex()); // below the rows: nothing
    QCOMPARE(activated.count(), 1);
    QCOMPARE(activated.front().front().toInt(), 3);
}

void LeagueTablePageTest::selectionsChosenAndEdited() {
    PageFixture f;
    f.page.SelectionMenuOpening();
    QVERIFY(f.Action("miAllTeams")->isChecked() && !f.Action("miSelection1")->isVisible());
    QCOMPARE(f.Action("miSelection2")->text(), QString("Top && three"));
    f.Action("miSelection2")->trigger();
    QCOMPARE(int(f.league.CurrentSel), 2);
    QCOMPARE(f.Text("pnlTitle"), QString("Test League (Top & three)"));
    QCOMPARE(f.grid->rowCount(), 3);
    test::Screenshot(&f.page, "league-table-selection");
    f.Action("miAllTeams")->trigger();
    QCOMPARE(f.grid->rowCount(), 6);

    QSignalSpy changed(&f.page, &LeagueTablePage::dataChanged);
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<TeamSelectionDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        Child<QLineEdit>(dialog, "edSelName")->setText("Bottom");
        for (const char* box : {"cbTeam4", "cbTeam5", "cbTeam6"})
            Child<QCheckBox>(dialog, box)->setChecked(true);
        dialog->btnOkClick();
    });
    f.Action("miEditSelections")->trigger();
    QCOMPARE(changed.count(), 1);
    QVERIFY(f.league.DataChanged);
    QCOMPARE(f.Text("pnlTitle"), QString("Test League (Bottom)")); // the slot reported comes into force
}

void LeagueTablePageTest::selectionDialogKeepsAnIncompleteSlotAndStoresEverySlot() {
    test::GuiFixture f;
    std::vector<std::string> names(22, "Club");
    names[4] = "F\xe9nix Montevid\xe9o"; // Windows-1252 accents
    names[5] = "Brighton & Hove Albion";
    names[6] = "Wolverhampton Wanderers";
    League league = test::LeagueBuilder().Teams(names).Selection(3, "Capital", {1, 2, 3, 4}).Build();
    TeamSelectionDialog dialog(league, f.prompter);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const auto box = [&dialog](int team) {
        return Child<QCheckBox>(&dialog, qPrintable(QString("cbTeam%1").arg(team)));
    };
    auto* tabs = Child<QTabBar>(&dialog, "tcSelections");
    auto* name = Child<QLineEdit>(&dialog, "edSelName");
    QCOMPARE(tabs->count(), 8);
    QCOMPARE(box(5)->text() + "|" + box(6)->text(),
             QString::fromUtf8("Fénix Montevidéo|Brighton && Hove Albion"));
    QVERIFY(dialog.findChild<QCheckBox*>("cbTeam23") == nullptr);
    for (int t = 1; t <= 22; ++t) // every name shown whole
        QVERIFY(box(t)->parentWidget()->rect().contains(box(t)->geometry()) &&
                box(t)->width() >= box(t)->sizeHint().width());
    tabs->setCurrentIndex(2);
    QVERIFY(name->text() == "Capital" && box(4)->isChecked() && !box(5)->isChecked());
    test::Screenshot(&dialog, "team-selection-dialog");
    box(4)->setChecked(false);
    box(3)->setChecked(false);
    tabs->setCurrentIndex(0);
    QCOMPARE(f.prompter.Take(), QStringList{"error: You must select at least three teams"});
    QCOMPARE(tabs->currentIndex(), 2);
    test::Click(&dialog, "btnClear");
    QCOMPARE(tabs->tabText(2), QString("Selection 3"));
    tabs->setCurrentIndex(7);
    name->setText(QString::fromUtf8("Fénix trio"));
    for (int t : {5, 6, 7})
        box(t)->setChecked(true);
    test::Click(&dialog, "btnOK");
    QCOMPARE(dialog.ReportedSlot(), 8);
    QVERIFY(league.DataChanged && f.prompter.Messages.isEmpty());
    QVERIFY(league.TeamSels[3].Name.empty() && league.TeamSels[8].IsMember(6));
    QCOMPARE(league.TeamSels[8].Name.view(), std::string_view("F\xe9nix trio"));
    QCOMPARE(int(league.Head.TeamSelCount), 1);

    League untouched = test::LeagueBuilder().Teams(names).Selection(1, "Capital", {1, 2, 3}).Build();
    TeamSelectionDialog cancelled(untouched, f.prompter);
    test::Click(&cancelled, "btnClear");
    test::Click(&cancelled, "btnCancel");
    QVERIFY(!untouched.DataChanged && untouched.TeamSels[1].Name.view() == "Capital");
}

void LeagueTablePageTest::calendarKeysChooseOrCancel() {
    const int march15 = CalendarDialog::ToDay(QDate(2024, 3, 15));
    CalendarDialog dialog;
    dialog.SetDay(march15);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* calendar = Child<QCalendarWidget>(&dialog, "calDates");
    QWidget* view = calendar->findChild<QTableView*>();
    const auto month = [&dialog] { return Child<QLabel>(&dialog, "labMonth")->text(); };
    QCOMPARE(month(), QString("March 2024"));
    QCOMPARE(calendar->firstDayOfWeek(), Qt::Sunday);
    QCOMPARE(Child<QWidget>(&dialog, "btnPrevMonth")->toolTip(), QString("Previous Month"));
    test::Screenshot(&dialog, "calendar");
    QTest::keyClick(view, Qt::Key_Plus, Qt::KeypadModifier);
    QCOMPARE(dialog.Day(), march15 + 1);
    QTest::keyClick(view, Qt::Key_Tab); // a month on
    QCOMPARE(month(), QString("April 2024"));
    QTest::keyClick(view, Qt::Key_Down); // arrows move without closing
    QVERIFY(dialog.isVisible() && dialog.ChosenDay() == 0);
    QTest::keyClick(view, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(CalendarDialog::ToQDate(dialog.ChosenDay()), QDate(2024, 4, 23));

    CalendarDialog escape;
    escape.show();
    QTest::keyClick(escape.findChild<QCalendarWidget*>()->findChild<QTableView*>(), Qt::Key_Escape);
    QCOMPARE(escape.result(), int(QDialog::Rejected));
    QCOMPARE(escape.ChosenDay(), 0);
    CalendarDialog click; // a click on a day chooses it
    emit Child<QCalendarWidget>(&click, "calDates")->clicked(QDate(2024, 3, 20));
    QCOMPARE(CalendarDialog::ToQDate(click.ChosenDay()), QDate(2024, 3, 20));
}

void LeagueTablePageTest::shortWindowKeepsHeadingsAndOptionsInView() {
    test::GuiFixture f;
    std::vector<std::string> names;
    for (int t = 1; t <= 40; ++t)
        names.push_back("Club " + std::to_string(t));
    League league = test::LeagueBuilder().Teams(names).Build();
    LeagueTablePage page{league, f.settings, f.locale, f.prompter};
    page.resize(10, 10); // as small as the page lets itself be made
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    auto* grid = Child<QTableView>(&page, "sgLeague");
    grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum());
    QVERIFY(grid->rowAt(0) > 10 && grid->horizontalHeader()->isVisible()); // rows scrolled, headings kept
    QCOMPARE(grid->model()->headerData(1, Qt::Horizontal).toString(), QString("Team"));
    for (const char* name : {"udToDate", "btnToDate", "rgContent2"}) {
        const QWidget* w = Child<QWidget>(&page, name);
        QVERIFY2(page.rect().contains(QRect(w->mapTo(&page, QPoint(0, 0)), w->size())), name);
    }
    test::Screenshot(&page, "league-table-short-window");
}

void LeagueTablePageTest::narrowWindowKeepsTheLastRowInView() {
    PageFixture f;
    f.page.resize(420, 600); // tall enough for every row, too narrow for every column
    f.page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.page));
    auto* grid = Child<QTableView>(&f.page, "sgLeague");
    QVERIFY(grid->horizontalScrollBar()->isVisible());
    const QRect last = grid->visualRect(grid->model()->index(grid->model()->rowCount() - 1, 1));
    QVERIFY(grid->viewport()->rect().contains(last));
    test::Screenshot(&f.page, "league-table-narrow-window");
}

} // namespace gorlin

QTEST_MAIN(gorlin::LeagueTablePageTest)
#include "LeagueTablePageTest.moc"
