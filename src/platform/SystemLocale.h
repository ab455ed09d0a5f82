#pragma once

#include "core/model/Locale.h"

#include <QDate>
#include <QLocale>
#include <QString>

namespace gorlin {

/// Takes a Qt date pattern ("dd.MM.yyyy", "M/d/yy") into the locale: ShortDateFormat in our
/// tokens (d, dd, m, mm, mmm, mmmm, yy, yyyy) with '/' between the fields, and DateSeparator =
/// the first character between the first two fields. Day names and quoted text are dropped; a
/// pattern without day, month and year leaves "dd/mm/yyyy" with '/'.
void ApplyQtDatePattern(const QString& pattern, Locale& locale);

/// The locale's conventions on the given day: short date format and separator, thousands and
/// decimal separators (as Windows-1252 characters), two-digit years from 70 years back, today;
/// then the rule that shortens a format longer than 10 characters.
Locale LocaleFrom(const QLocale& qlocale, const QDate& today);

/// LocaleFrom(QLocale::system(), QDate::currentDate()).
Locale SystemLocale();

} // namespace gorlin
