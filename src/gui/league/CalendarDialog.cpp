#include "gui/league/CalendarDialog.h"

#include "core/model/Dates.h"
#include "core/model/Locale.h"

#include <QCalendarWidget>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace gorlin {

namespace {

QToolButton* NavButton(const QString& name, const QString& text, const QString& hint, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(text);
    b->setToolTip(hint);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setMinimumWidth(28);
    return b;
}

} // namespace

QDate CalendarDialog::ToQDate(int day) {
    return QDate::fromJulianDay(JulianDayOf(day));
}
int CalendarDialog::ToDay(const QDate& date) {
    return DayFromJulianDay(date.toJulianDay());
}

CalendarDialog::CalendarDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("CalendarDialog");
    setWindowTitle(tr("Calendar"));

    auto* prevYear = NavButton("btnPrevYear", "<<", "Previous Year", this);
    auto* prevMonth = NavButton("btnPrevMonth", "<", "Previous Month", this);
    auto* nextMonth = NavButton("btnNextMonth", ">", "Next Month", this);
    auto* nextYear = NavButton("btnNextYear", ">>", "Next Year", this);
    m_caption = new QLabel(this);
    m_caption->setObjectName("labMonth");
    m_caption->setAlignment(Qt::AlignCenter);
    QFont bold = m_caption->font();
    bold.setBold(true);
    m_caption->setFont(bold);

    m_calendar = new QCalendarWidget(this);
    m_calendar->setObjectName("calDates");
    m_calendar->setFirstDayOfWeek(Qt::Sunday);
    m_calendar->setNavigationBarVisible(false);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_calendar->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    m_calendar->setDateEditEnabled(false);
    m_calendar->setMinimumDate(ToQDate(1));
    m_calendar->setMaximumDate(QDate(9999, 12, 31));
    m_calendar->setGridVisible(true);

    auto* help = new QLabel("Select Date or Esc to cancel.", this);
    help->setObjectName("labHelp");
    help->setAlignment(Qt::AlignCenter);

    auto* nav = new QHBoxLayout;
    nav->addWidget(prevYear);
    nav->addWidget(prevMonth);
    nav->addWidget(m_caption, 1);
    nav->addWidget(nextMonth);
    nav->addWidget(nextYear);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(nav);
    layout->addWidget(m_calendar, 1);
    layout->addWidget(help);

    connect(prevYear, &QToolButton::clicked, this,
            [this] { MoveTo(m_calendar->selectedDate().addYears(-1)); });
    connect(nextYear, &QToolButton::clicked, this,
            [this] { MoveTo(m_calendar->selectedDate().addYears(1)); });
    connect(prevMonth, &QToolButton::clicked, this,
            [this] { MoveTo(m_calendar->selectedDate().addMonths(-1)); });
    connect(nextMonth, &QToolButton::clicked, this,
            [this] { MoveTo(m_calendar->selectedDate().addMonths(1)); });
    // Only a mouse click chooses; a keyboard move changes the selection without choosing.
    connect(m_calendar, &QCalendarWidget::clicked, this, &CalendarDialog::Choose);
    connect(m_calendar, &QCalendarWidget::currentPageChanged, this, [this] { UpdateCaption(); });
    connect(m_calendar, &QCalendarWidget::selectionChanged, this, [this] { UpdateCaption(); });

    m_calendar->installEventFilter(this);
    if (auto* view = m_calendar->findChild<QTableView*>())
        view->installEventFilter(this);
    m_calendar->setFocus();
    SetDay(0);
}

void CalendarDialog::SetDay(int day) {
    m_chosen = 0;
    MoveTo(day > 0 ? ToQDate(day) : QDate::currentDate());
}

int CalendarDialog::Day() const {
    return ToDay(m_calendar->selectedDate());
}

void CalendarDialog::MoveTo(const QDate& date) {
    if (!date.isValid())
        return;
    m_calendar->setSelectedDate(date);
    const QDate shown = m_calendar->selectedDate(); // clamped to the calendar's range
    m_calendar->setCurrentPage(shown.year(), shown.month());
    UpdateCaption();
}

void CalendarDialog::UpdateCaption() {
    const int month = m_calendar->monthShown();
    m_caption->setText(QStringLiteral("%1 %2")
                           .arg(QString::fromLatin1(Locale::LongMonthName(month)))
                           .arg(m_calendar->yearShown()));
}

void CalendarDialog::Choose(const QDate& date) {
    if (!date.isValid())
        return;
    m_chosen = ToDay(date);
    accept();
}

bool CalendarDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        // Tab and Shift+Tab belong to the calendar, not to the focus chain.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            event->accept();
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QDate current = m_calendar->selectedDate();
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Choose(current);
            return true;
        case Qt::Key_Escape:
            reject();
            return true;
        case Qt::Key_Plus:
            MoveTo(current.addDays(1));
            return true;
        case Qt::Key_Minus:
            MoveTo(current.addDays(-1));
            return true;
        case Qt::Key_Tab:
            MoveTo(current.addMonths(key->modifiers() & Qt::ShiftModifier ? -1 : 1));
            return true;
        case Qt::Key_Backtab:
            MoveTo(current.addMonths(-1));
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

int CalendarDialog::PickDate(QWidget* parent, int presetDay, QPoint where) {
    CalendarDialog dialog(parent);
    dialog.SetDay(presetDay);
    dialog.adjustSize();
    if (const QScreen* screen = QGuiApplication::screenAt(where)) {
        const QRect area = screen->availableGeometry();
        where.setX(std::clamp(where.x(), area.left(), std::max(area.left(), area.right() - dialog.width())));
        where.setY(std::clamp(where.y(), area.top(), std::max(area.top(), area.bottom() - dialog.height())));
    }
    dialog.move(where);
    if (dialog.exec() != QDialog::Accepted)
        return 0;
    return dialog.ChosenDay();
}

} // namespace gorlin
