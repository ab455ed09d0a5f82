#include "gui/league/LeagueTablePage.h"

#include "core/app/Settings.h"
#include "core/model/Dates.h"
#include "core/model/Locale.h"
#include "gui/league/CalendarDialog.h"
#include "gui/league/LeagueTableDelegate.h"
#include "gui/league/LeagueTableModel.h"
#include "gui/league/TeamSelectionDialog.h"
#include "gui/support/ScriptedPrompter.h"
#include "gui/widgets/UpDown.h"
#include "support/LeagueBuilder.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace gorlin {

class LeagueTablePageTest : public QObject {
    Q_OBJECT
private slots:
    void calendarShowsMonthCaptionAndHints();
    void calendarKeysMoveAndChoose();
    void calendarEscapeCancels();
    void calendarClickChooses();

    void gridShowsTheTableWithStatusPictures();
    void contentAndSideOptions();
    void upDownsStepThroughMatchDates();
    void calendarPickSnapsToMatchDates();
    void popupTogglesColumnsAndSave();
    void choosingASelection();
    void editSelectionsBringsTheReportedSlotIntoForce();
    void hintAndDoubleClick();
    void layoutRules();
};

namespace {

/// 15 March 2024.
const int kMarch15 = CalendarDialog::ToDay(QDate(2024, 3, 15));

QWidget* CalendarView(CalendarDialog& dialog) {
    return dialog.findChild<QCalendarWidget*>("calDates")->findChild<QTableView*>();
}

/// Six teams, a double round robin in which the lower index always wins 2-1; the two games
/// between teams 4 and 5 are still to come. Team 1 is champion (U), team 6 relegated (D).
League SixTeams() {
    test::LeagueBuilder b;
    b.Teams({"Ashford United", "Bramley Town", "Carrow Rovers", "Dunmore Athletic", "Elmfield City",
             "Fenwick Wanderers"})
        .Places(1, 1, 2)
        .Selection(2, "Top & three", {1, 2, 3});
    const int start = ToDayNumber(2024, 8, 10);
    int n = 0;
    for (int h = 1; h <= 6; ++h)
        for (int a = 1; a <= 6; ++a) {
            if (h == a)
                continue;
            const int date = start + 7 * (n++ / 3);
            if ((h == 4 && a == 5) || (h == 5 && a == 4))
                b.Fixture(h, a, date);
            else if (h < a)
                b.Played(h, a, 2, 1, date);
            else
                b.Played(h, a, 1, 2, date);
        }
    League league = b.Build();
    league.Head.OwnTeam = 3;
    return league;
}

Locale TestLocale() {
    Locale locale;
    locale.Today = ToDayNumber(2024, 12, 1);
    return locale;
}

struct Fixture {
    League league = SixTeams();
    Settings settings;
    Locale locale = TestLocale();
    test::ScriptedPrompter prompter;
};

QStringList Column(LeagueTablePage& page, int column) {
    QStringList out;
    const TableViewData& v = page.View();
    for (const TableRow& row : v.Rows)
        out << QString::fromStdString(row.Cells[static_cast<std::size_t>(column)]);
    return out;
}

QTableView* Grid(LeagueTablePage& page) {
    return page.findChild<QTableView*>("sgLeague");
}
QAction* Action(LeagueTablePage& page, const char* name) {
    return page.findChild<QAction*>(name);
}
QString ButtonText(LeagueTablePage& page, const char* name) {
    return page.findChild<QPushButton*>(name)->text();
}

} // namespace

void LeagueTablePageTest::gridShowsTheTableWithStatusPictures() {
    Fixture f;
    LeagueTablePage page(f.league, f.settings, f.locale, f.prompter);
    QAbstractItemModelTester tester(Grid(page)->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    page.resize(900, 400);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    QAbstractItemModel* model = Grid(page)->model();
    QCOMPARE(model->rowCount(), 7);
    QCOMPARE(model->columnCount(), 15);
    QCOMPARE(model->index(0, 1).data().toString(), QString("Team"));
    QCOMPARE(model->index(1, 1).data().toString(), QString("Ashford United"));
    QCOMPARE(Column(page, 0), QStringList({"U", "S", "S", "4", "5", "D"}));
    // Zone colours from the settings (0x00BBGGRR) and the own team's text colour.
    QCOMPARE(model->index(1, 3).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 255, 0));   // Colour1
    QCOMPARE(model->index(2, 3).data(Qt::BackgroundRole).value<QColor>(), QColor(0, 255, 0));     // Colour2
    QCOMPARE(model->index(4, 3).data(Qt::BackgroundRole).value<QColor>(), QColor(192, 192, 192)); // Colour5
    QCOMPARE(model->index(6, 3).data(Qt::BackgroundRole).value<QColor>(), QColor(0, 255, 255));   // Colour3
    QCOMPARE(model->index(3, 1).data(Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));     // own team
    QCOMPARE(model->index(2, 1).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));
    QCOMPARE(model->index(0, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::darkBlue));
    QVERIFY(model->index(1, 1).data(Qt::TextAlignmentRole).toInt() & Qt::AlignLeft);
    QVERIFY(model->index(1, 2).data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight);
    for (const char* mark : {"U", "D", "S"}) {
        const QPixmap pix = LeagueTableDelegate::StatusPicture(mark);
        QCOMPARE(pix.size(), QSize(14, 14));
        QCOMPARE(pix.toImage().pixelColor(0, 0).alpha(), 0); // the corner is transparent
    }
    QVERIFY(LeagueTableDelegate::StatusPicture("4").isNull());
    QCOMPARE(page.findChild<QLabel*>("pnlTitle")->text(), QString("Test League"));
    test::Screenshot(&page, "league-table-long");

    f.settings.ShowStatus = false;
    page.SettingsChanged();
    QCOMPARE(Column(page, 0), QStringList({"1", "2", "3", "4", "5", "6"}));
}

void LeagueTablePageTest::contentAndSideOptions() {
    Fixture f;
    LeagueTablePage page(f.league, f.settings, f.locale, f.prompter);
    QCOMPARE(page.ContentMode(), 0);
    QCOMPARE(page.SideMode(), 0);
    QVERIFY(page.findChild<QRadioButton*>("rgContent0")->isChecked());

    QTest::mouseClick(page.findChild<QRadioButton*>("rgGames1"), Qt::LeftButton);
    QCOMPARE(page.SideMode(), 1);
    QCOMPARE(Column(page, 0), QStringList({"1", "2", "3", "4", "5", "6"})); // no marks for one side
    QCOMPARE(Column(page, 2), QStringList({"5", "5", "5", "4", "4", "5"})); // home games only

    QTest::mouseClick(page.findChild<QRadioButton*>("rgContent2"), Qt::LeftButton);
    QCOMPARE(page.ContentMode(), 2);
    for (const char* name : {"btnFromDate", "btnToDate"})
        QVERIFY(!page.findChild<QPushButton*>(name)->isEnabled());
    for (const char* name : {"udFromDate", "udToDate"})
        QVERIFY(!page.findChild<UpDown*>(name)->isEnabled());

    QTest::mouseClick(page.findChild<QRadioButton*>("rgContent0"), Qt::LeftButton);
    QVERIFY(page.findChild<QPushButton*>("btnFromDate")->isEnabled());
    QVERIFY(page.findChild<UpDown*>("udToDate")->isEnabled());
}

void LeagueTablePageTest::upDownsStepThroughMatchDates() {
    Fixture f;
    LeagueTablePage page(f.league, f.settings, f.locale, f.prompter);
    const DateTable& d = page.Dates();
    QCOMPARE(int(d.MatchDates.size()), 10);
    QCOMPARE(d.FromDate, ToDayNumber(2024, 8, 10));
    QCOMPARE(ButtonText(page, "btnFromDate"), QString("10/08/2024"));
    QCOMPARE(ButtonText(page, "btnToDate"),
             QString::fromStdString(FormatShortDate(d.MatchDates.back(), f.locale)));
    auto* from = page.findChild<UpDown*>("udFromDate");
    auto* to = page.findChild<UpDown*>("udToDate");
    QCOMPARE(from->Position(), 1);
    QCOMPARE(to->Position(), 10);

    from->Step(1);
    QCOMPARE(page.Dates().FromDate, ToDayNumber(2024, 8, 17));
    QCOMPARE(ButtonText(page, "btnFromDate"), QString("17/08/2024"));
    from->Step(-1);
    from->Step(-1); // already at the first date
    QCOMPARE(from->Position(), 1);

    for (int i = 0; i < 9; ++i)
        to->Step(-1);
    QCOMPARE(page.Dates().ToDate, ToDayNumber(2024, 8, 10));
    int played = 0;
    for (const QString& p : Column(page, 2))
        played += p.toInt();
    QCOMPARE(played, 6); // three games on the first date

    // A league without played games shows today at both ends with the up-downs at 0.
    League empty = test::LeagueBuilder().Teams({"A", "B", "C"}).Build();
    LeagueTablePage emptyPage(empty, f.settings, f.locale, f.prompter);
    QCOMPARE(ButtonText(emptyPage, "btnFromDate"), QString("01/12/2024"));
    QCOMPARE(emptyPage.findChild<UpDown*>("udToDate")->Position(), 0);
    emptyPage.findChild<UpDown*>("udToDate")->Step(1);
    QCOMPARE(emptyPage.Dates().ToDate, f.locale.Today);
}

void LeagueTablePageTest::calendarPickSnapsToMatchDates() {
    Fixture f;
    LeagueTablePage page(f.league, f.settings, f.locale, f.prompter);
    QList<int> presets;
    int answer = 0;
    page.SetDatePicker([&](QWidget*, int preset, QPoint) {
        presets << preset;
        return answer;
    });

    answer = 0; // cancelled
    QTest::mouseClick(page.findChild<QPushButton*>("btnFromDate"), Qt::LeftButton);
    QCOMPARE(presets.last(), ToDayNumber(2024, 8, 10));
    QCOMPARE(page.Dates().FromDate, ToDayNumber(2024, 8, 10));

    answer = ToDayNumber(2024, 8, 20); // between two match dates: the next one
    QTest::mouseClick(page.findChild<QPushButton*>("btnFromDate"), Qt::LeftButton);
    QCOMPARE(page.Dates().FromDate, ToDayNumber(2024, 8, 24));
    QCOMPARE(page.findChild<UpDown*>("udFromDate")->Position(), 3);
    QCOMPARE(ButtonText(page, "btnFromDate"), QString("24/08/2024"));

    QTest::mouseClick(page.findChild<QPushButton*>("btnToDate"), Qt::LeftButton); // the previous one
    QCOMPARE(page.Dates().ToDate, ToDayNumber(2024, 8, 17));
    QCOMPARE(page.findChild<UpDown*>("udToDate")->Position(), 2);
    // A reversed range counts nothing.
    for (const QString& p : Column(page, 2))
        QCOMPARE(p, QString("0"));

    answer = ToDayNumber(2030, 1, 1); // later than all
    QTest::mouseClick(page.findChild<QPushButton*>("btnToDate"), Qt::LeftButton);
    QCOMPARE(page.findChild<UpDown*>("udToDate")->Position(), 10);
}

void LeagueTablePageTest::popupTogglesColumnsAndSave() {
    Fixture f;
    f.settings.TableShort = "ABCNOPQRSU";
    LeagueTablePage page(f.league, f.settings, f.locale, f.prompter);
    page.resize(900, 400);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    page.PopupOpening(false);
    QVERIFY(!Action(page, "miShortFormat")->isChecked());
    QVERIFY(!Action(page, "miSave")->isEnabled());
    QVERIFY(!page.findChild<QMenu*>("miAdmin")->menuAction()->isVisible());
    page.PopupOpening(true); // Shift held
    QVERIFY(Action(page, "miSave")->isEnabled());
    f.league.DataChanged = true;
    page.PopupOpening(false);
    QVERIFY(Action(page, "miSave")->isEnabled());
    QSignalSpy save(&page, &LeagueTablePage::saveRequested);
    Action(page, "miSave")->trigger();
    QCOMPARE(save.count(), 1);

    Action(page, "miShortFormat")->trigger();
    QVERIFY(page.ShortFormat());
    QCOMPARE(Grid(page)->model()->columnCount(), 10);
    QCOMPARE(Grid(page)->model()->index(0, 3).data().toString(), QString("W"));
    test::Screenshot(&page, "league-table-short");

    Action(page, "miShowPoss")->trigger();
    QCOMPARE(Grid(page)->model()->columnCount(), 11);
    QCOMPARE(Grid(page)->model()->index(0, 10).data().toString(), QString("PP"));
    QCOMPARE(Grid(page)->model()->index(5, 10).data().toString(), QString("12")); // Elmfield: 6 + 2 * 3
    test::Screenshot(&page, "league-table-possible-points");

    Action(page, "miShortFormat")->trigger();
    QCOMPARE(Grid(page)->model()->columnCount(), 16);
    page.PopupOpening(false);
    QVERIFY(Action(page, "miShowPoss")->isChecked());
    QVERIFY(!Action(page, "miShortFormat")->isChecked());

    f.settings.AdminMode = true;
    page.PopupOpening(false);
    QVERIFY(page.findChild<QMenu*>("miAdmin")->menuAction()->isVisible());
    QVERIFY(!Action(page, "miSetVersion")->isEnabled());

    QSignalSpy setup(&page, &LeagueTablePage::setupRequested);
    QSignalSpy about(&page, &LeagueTablePage::aboutRequested);
    Action(page, "miSetup")->trigger();
    Action(page, "miAbout")->trigger();
    QCOMPARE(setup.count(), 1);
    QCOMPARE(about.count(), 1);
}

void LeagueTablePageTest::choosingASelection() {
    Fixture f;
    LeagueTablePage page(f.league, f.settings, f.locale, f.prompter);
    page.resize(900, 400);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    page.PopupOpening(false);
    QVERIFY(Action(page, "miAllTeams")->isChecked());
    QVERIFY(!Action(page, "miSelection1")->isVisible());
    QVERIFY(Action(page, "miSelection2")->isVisible());
    QCOMPARE(Action(page, "miSelection2")->text(), QString("Top && three"));

    Action(page, "miSelection2")->trigger();
    QCOMPARE(int(f.league.CurrentSel), 2);
    QCOMPARE(page.findChild<QLabel*>("pnlTitle")->text(), QString("Test League (Top & three)"));
    QCOMPARE(Grid(page)->model()->rowCount(), 4);
    QCOMPARE(Column(page, 2), QStringList({"4", "4", "4"})); // only games between members
    page.PopupOpening(false);
    QVERIFY(Action(page, "miSelection2")->isChecked());
    QVERIFY(!Action(page, "miAllTeams")->isChecked());
    test::Screenshot(&page, "league-table-selection");

    Action(page, "miAllTeams")->trigger();
    QCOMPARE(int(f.league.CurrentSel), 0);
    QCOMPARE(Grid(page)->model()->rowCount(), 7);
    QCOMPARE(page.findChild<QLabel*>("pnlTitle")->text(), QString("Test League"));
}

void LeagueTablePageTest::editSelectionsBringsTheReportedSlotIntoForce() {
    Fixture f;
    LeagueTablePage page(f.league, f.settings, f.locale, f.prompter);
    QSignalSpy changed(&page, &LeagueTablePage::dataChanged);
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TeamSelectionDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        seen = true;
        dialog->findChild<QLineEdit*>("edSelName")->setText("Bottom");
        for (int t : {4, 5, 6})
            dialog->findChild<QCheckBox*>(QStringLiteral("cbTeam%1").arg(t))->setChecked(true);
        dialog->btnOkClick();
    });
    Action(page, "miEditSelections")->trigger();
    QVERIFY(seen);
    QCOMPARE(changed.count(), 1);
    QVERIFY(f.league.DataChanged);
    QCOMPARE(int(f.league.CurrentSel), 1);
    QCOMPARE(page.findChild<QLabel*>("pnlTitle")->text(), QString("Test League (Bottom)"));
    QCOMPARE(Grid(page)->model()->rowCount(), 4);
}

void LeagueTablePageTest::hintAndDoubleClick() {
    Fixture f;
    LeagueTablePage page(f.league, f.settings, f.locale, f.prompter);
    auto* model = Grid(page)->model();
    QCOMPARE(model->index(1, 1).data(Qt::ToolTipRole).toString(),
             QString("Double click to display team statistics"));

    page.sgLeagueMouseMove(model->index(6, 1)); // Fenwick Wanderers
    const QString hint = model->index(1, 4).data(Qt::ToolTipRole).toString();
    QVERIFY2(hint.startsWith("12/10/2024 "), qPrintable(hint));
    QVERIFY(hint.contains("Fenwick Wanderers"));
    page.sgLeagueMouseMove(model->index(2, 5)); // another column: unchanged
    QCOMPARE(model->index(1, 4).data(Qt::ToolTipRole).toString(), hint);

    QSignalSpy activated(&page, &LeagueTablePage::teamActivated);
    page.sgLeagueDblClick(model->index(3, 4));
    page.sgLeagueDblClick(model->index(0, 4)); // heading row: nothing
    QCOMPARE(activated.count(), 1);
    QCOMPARE(activated.front().front().toInt(), 3);
}

void LeagueTablePageTest::layoutRules() {
    Fixture f;
    LeagueTablePage page(f.league, f.settings, f.locale, f.prompter);
    page.resize(900, 400);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QTableView* grid = Grid(page);
    auto* title = page.findChild<QLabel*>("pnlTitle");
    QVERIFY(title->isVisible());
    QCOMPARE(grid->y(), 24);
    QCOMPARE(title->width(), grid->width());
    int widest = 0;
    for (int t = 1; t <= 6; ++t)
        widest = std::max(widest, grid->fontMetrics().horizontalAdvance(QString::fromStdString(
                                      f.league.Teams[static_cast<std::size_t>(t)].Name.str())));
    const int share = grid->columnWidth(2);
    QVERIFY(grid->columnWidth(1) >= widest + 3 && grid->columnWidth(1) < widest + 3 + 15);
    for (int c = 3; c < 14; ++c)
        QCOMPARE(grid->columnWidth(c), share);
    int total = 0;
    for (int c = 0; c < 15; ++c)
        total += grid->columnWidth(c);
    QCOMPARE(total, grid->viewport()->width());
    QVERIFY(grid->geometry().right() < page.findChild<QWidget*>("pnlOptions")->x());

    // Too low for title and grid: the title goes; lower still: the grid scrolls.
    const int rowHeight = grid->rowHeight(0);
    page.resize(900, 7 * rowHeight + 2 * grid->frameWidth() + 10);
    QVERIFY(!title->isVisible());
    QCOMPARE(grid->y(), 1);
    page.resize(900, 4 * rowHeight);
    QCOMPARE(grid->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(grid->geometry().bottom() < page.height());
}

void LeagueTablePageTest::calendarShowsMonthCaptionAndHints() {
    CalendarDialog dialog;
    dialog.SetDay(kMarch15);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.findChild<QLabel*>("labMonth")->text(), QString("March 2024"));
    QCOMPARE(dialog.findChild<QToolButton*>("btnPrevYear")->toolTip(), QString("Previous Year"));
    QCOMPARE(dialog.findChild<QToolButton*>("btnNextYear")->toolTip(), QString("Next Year"));
    QCOMPARE(dialog.findChild<QToolButton*>("btnPrevMonth")->toolTip(), QString("Previous Month"));
    QCOMPARE(dialog.findChild<QToolButton*>("btnNextMonth")->toolTip(), QString("Next Month"));
    QCOMPARE(dialog.findChild<QLabel*>("labHelp")->text(), QString("Select Date or Esc to cancel."));
    QCOMPARE(dialog.findChild<QCalendarWidget*>("calDates")->firstDayOfWeek(), Qt::Sunday);
    test::Screenshot(&dialog, "calendar");

    QTest::mouseClick(dialog.findChild<QToolButton*>("btnPrevYear"), Qt::LeftButton);
    QCOMPARE(dialog.findChild<QLabel*>("labMonth")->text(), QString("March 2023"));
    QTest::mouseClick(dialog.findChild<QToolButton*>("btnNextMonth"), Qt::LeftButton);
    QCOMPARE(dialog.findChild<QLabel*>("labMonth")->text(), QString("April 2023"));
    QVERIFY(dialog.isVisible());
}

void LeagueTablePageTest::calendarKeysMoveAndChoose() {
    CalendarDialog dialog;
    dialog.SetDay(kMarch15);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QWidget* view = CalendarView(dialog);
    QVERIFY(view);

    QTest::keyClick(view, Qt::Key_Plus, Qt::KeypadModifier);
    QCOMPARE(dialog.Day(), kMarch15 + 1);
    QTest::keyClick(view, Qt::Key_Minus, Qt::KeypadModifier);
    QTest::keyClick(view, Qt::Key_Minus, Qt::KeypadModifier);
    QCOMPARE(dialog.Day(), kMarch15 - 1);

    QTest::keyClick(view, Qt::Key_Tab);
    QCOMPARE(CalendarDialog::ToQDate(dialog.Day()), QDate(2024, 4, 14));
    QTest::keyClick(view, Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClick(view, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(CalendarDialog::ToQDate(dialog.Day()), QDate(2024, 2, 14));
    QCOMPARE(dialog.findChild<QLabel*>("labMonth")->text(), QString("February 2024"));

    // Arrow keys move without closing.
    QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_Down);
    QVERIFY(dialog.isVisible());
    QCOMPARE(CalendarDialog::ToQDate(dialog.Day()), QDate(2024, 2, 22));
    QCOMPARE(dialog.ChosenDay(), 0);

    QTest::keyClick(view, Qt::Key_Return);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(CalendarDialog::ToQDate(dialog.ChosenDay()), QDate(2024, 2, 22));
}

void LeagueTablePageTest::calendarEscapeCancels() {
    CalendarDialog dialog;
    dialog.SetDay(kMarch15);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClick(CalendarView(dialog), Qt::Key_Plus, Qt::KeypadModifier);
    QTest::keyClick(CalendarView(dialog), Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(dialog.ChosenDay(), 0);
}

void LeagueTablePageTest::calendarClickChooses() {
    CalendarDialog dialog;
    dialog.SetDay(kMarch15);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* view = qobject_cast<QTableView*>(CalendarView(dialog));
    // Find the cell of 20 March in the month view and click it.
    QModelIndex target;
    for (int r = 0; r < view->model()->rowCount() && !target.isValid(); ++r)
        for (int c = 0; c < view->model()->columnCount(); ++c) {
            const QModelIndex i = view->model()->index(r, c);
            if (r > 0 && i.data().toString() == "20") {
                target = i;
                break;
            }
        }
    QVERIFY(target.isValid());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(target).center());
    QVERIFY(!dialog.isVisible());
    QCOMPARE(CalendarDialog::ToQDate(dialog.ChosenDay()), QDate(2024, 3, 20));
}

} // namespace gorlin

QTEST_MAIN(gorlin::LeagueTablePageTest)
#include "LeagueTablePageTest.moc"
