#pragma once

#include <QDate>
#include <QDialog>
#include <QPoint>

class QCalendarWidget;
class QLabel;
class QToolButton;

namespace gorlin {

/// The shared date picker: a month calendar (weeks from Sunday) preset to a day. Clicking a
/// day or pressing Enter chooses; Esc cancels. Keypad + and - move one day, Tab and Shift+Tab
/// one month, the arrow keys move without choosing.
class CalendarDialog : public QDialog {
    Q_OBJECT
public:
    explicit CalendarDialog(QWidget* parent = nullptr);

    /// Shows the month of `day` with that day current; 0 means today.
    void SetDay(int day);
    /// The day currently marked in the calendar.
    int Day() const;
    /// The chosen day after the dialog closed; 0 when it was cancelled.
    int ChosenDay() const { return m_chosen; }

    /// Opens the calendar with its top-left corner at `where` (global coordinates, kept on the
    /// screen), preset to `presetDay` (0 = today). Returns the chosen day number, or 0 for cancel.
    static int PickDate(QWidget* parent, int presetDay, QPoint where);

    static QDate ToQDate(int day);
    static int ToDay(const QDate& date);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Choose(const QDate& date);
    void MoveTo(const QDate& date);
    void UpdateCaption();

    QCalendarWidget* m_calendar = nullptr;
    QLabel* m_caption = nullptr;
    int m_chosen = 0;
};

} // namespace gorlin
