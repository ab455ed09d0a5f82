#include "platform/SystemLocale.h"

#include "core/model/Dates.h"
#include "core/model/Text.h"

namespace gorlin {

namespace {

/// One character of the locale as Windows-1252; narrow and plain no-break spaces both become
/// 0xA0, anything Windows-1252 cannot hold becomes fallback.
char Win1252Char(const QString& text, char fallback) {
    if (text.isEmpty())
        return fallback;
    if (text[0] == QChar(0x202F) || text[0] == QChar(0x00A0))
        return static_cast<char>(0xA0);
    const std::string bytes = Utf8ToWin1252(QString(text[0]).toStdString());
    return bytes.size() == 1 && bytes[0] != '?' ? bytes[0] : fallback;
}

} // namespace

void ApplyQtDatePattern(const QString& pattern, Locale& locale) {
    std::string format;
    QString firstSeparator;
    QString run; // text since the last field
    bool seenField = false;
    bool day = false;
    bool month = false;
    bool year = false;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i];
        if (c == '\'') { // quoted literal: part of the separator run
            qsizetype close = pattern.indexOf('\'', i + 1);
            if (close < 0)
                close = pattern.size();
            run += pattern.mid(i + 1, close - i - 1);
            i = close + 1;
            continue;
        }
        if (c != 'd' && c != 'M' && c != 'y') {
            if (!c.isLetter())
                run += c;
            ++i;
            continue;
        }
        qsizetype n = 1;
        while (i + n < pattern.size() && pattern[i + n] == c)
            ++n;
        i += n;
        std::string token;
        if (c == 'd' && n <= 2) {
            token = std::string(static_cast<std::size_t>(n), 'd');
            day = true;
        } else if (c == 'M') {
            token = std::string(static_cast<std::size_t>(std::min<qsizetype>(n, 4)), 'm');
            month = true;
        } else if (c == 'y') {
            token = n <= 2 ? "yy" : "yyyy";
            year = true;
        }
        if (token.empty()) // day names
            continue;
        if (seenField) {
            if (firstSeparator.isEmpty())
                firstSeparator = run;
            format += '/';
        }
        format += token;
        seenField = true;
        run.clear();
    }
    if (!day || !month || !year) {
        locale.ShortDateFormat = "dd/mm/yyyy";
        locale.DateSeparator = '/';
        return;
    }
    const QString trimmed = firstSeparator.trimmed();
    locale.ShortDateFormat = format;
    locale.DateSeparator = Win1252Char(trimmed.isEmpty() ? firstSeparator : trimmed, '/');
}

Locale LocaleFrom(const QLocale& qlocale, const QDate& today) {
    Locale locale;
    ApplyQtDatePattern(qlocale.dateFormat(QLocale::ShortFormat), locale);
    locale.ThousandSeparator = Win1252Char(qlocale.groupSeparator(), ' ');
    locale.DecimalSeparator = Win1252Char(qlocale.decimalPoint(), '.');
    if (locale.DecimalSeparator == locale.ThousandSeparator)
        locale.ThousandSeparator = locale.DecimalSeparator == ',' ? '.' : ',';
    locale.TwoDigitYearBase = today.year() - 70;
    locale.Today = ToDayNumber(today.year(), today.month(), today.day());
    ApplyShortDateRule(locale);
    return locale;
}

Locale SystemLocale() {
    return LocaleFrom(QLocale::system(), QDate::currentDate());
}

} // namespace gorlin
