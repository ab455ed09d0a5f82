#include "gui/league/CalendarDialog.h"
#include "gui/support/ScriptedPrompter.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QTableView>
#include <QTest>
#include <QToolButton>

namespace gorlin {

class LeagueTablePageTest : public QObject {
    Q_OBJECT
private slots:
    void calendarShowsMonthCaptionAndHints();
    void calendarKeysMoveAndChoose();
    void calendarEscapeCancels();
    void calendarClickChooses();
};

namespace {

/// 15 March 2024.
const int kMarch15 = CalendarDialog::ToDay(QDate(2024, 3, 15));

QWidget* CalendarView(CalendarDialog& dialog) {
    return dialog.findChild<QCalendarWidget*>("calDates")->findChild<QTableView*>();
}

} // namespace

void LeagueTablePageTest::calendarShowsMonthCaptionAndHints() {
    CalendarDialog dialog;
    dialog.SetDay(kMarch15);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.findChild<QLabel*>("labMonth")->text(), QString("March 2024"));
    QCOMPARE(dialog.findChild<QToolButton*>("btnPrevYear")->toolTip(), QString("Previous Year"));
    QCOMPARE(dialog.findChild<QToolButton*>("btnNextYear")->toolTip(), QString("Next Year"));
    QCOMPARE(dialog.findChild<QToolButton*>("btnPrevMonth")->toolTip(), QString("Pevious Month"));
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
