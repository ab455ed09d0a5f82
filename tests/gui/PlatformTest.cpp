#include "core/model/Dates.h"
#include "platform/ProgramFolder.h"
#include "platform/SystemLocale.h"

#include <QCoreApplication>
#include <QDir>
#include <QTest>

namespace gorlin {

class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    void configDirArgument();
    void programFolder();
    void datePatterns_data();
    void datePatterns();
    void localeFromQtLocale();
};

void PlatformTest::configDirArgument() {
    QCOMPARE(ConfigDirArgument({"gorlin", "--config-dir", "/tmp/x"}), QString("/tmp/x"));
    QCOMPARE(ConfigDirArgument({"gorlin", "--config-dir=/tmp/y"}), QString("/tmp/y"));
    QCOMPARE(ConfigDirArgument({"gorlin", "--config-dir"}), QString());
    QCOMPARE(ConfigDirArgument({"gorlin", "file.div"}), QString());
}

void PlatformTest::programFolder() {
    QCOMPARE(ProgramFolder("/tmp/cfg"), QString("/tmp/cfg/"));
    QCOMPARE(ProgramFolder("/tmp/cfg/"), QString("/tmp/cfg/"));
    // The test's own folder is a build folder, which can be written: a portable install.
    QCOMPARE(ProgramFolder(QString()), QCoreApplication::applicationDirPath() + '/');
}

void PlatformTest::datePatterns_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("separator");
    QTest::newRow("british") << "dd/MM/yyyy"
                             << "dd/mm/yyyy"
                             << "/";
    QTest::newRow("us") << "M/d/yy"
                        << "m/d/yy"
                        << "/";
    QTest::newRow("german") << "dd.MM.yy"
                            << "dd/mm/yy"
                            << ".";
    QTest::newRow("iso") << "yyyy-MM-dd"
                         << "yyyy/mm/dd"
                         << "-";
    QTest::newRow("korean") << "yy. M. d."
                            << "yy/m/d"
                            << ".";
    QTest::newRow("month name") << "d MMM yyyy"
                                << "d/mmm/yyyy"
                                << " ";
    QTest::newRow("day name dropped") << "dddd, d MMMM yyyy"
                                      << "d/mmmm/yyyy"
                                      << " ";
    QTest::newRow("quoted") << "d'.'MM'.'yyyy"
                            << "d/mm/yyyy"
                            << ".";
    QTest::newRow("no year") << "dd/MM"
                             << "dd/mm/yyyy"
                             << "/";
}

void PlatformTest::datePatterns() {
    QFETCH(QString, pattern);
    QFETCH(QString, format);
    QFETCH(QString, separator);
    Locale locale;
    locale.ShortDateFormat = "x";
    ApplyQtDatePattern(pattern, locale);
    QCOMPARE(QString::fromStdString(locale.ShortDateFormat), format);
    QCOMPARE(QString(QChar::fromLatin1(locale.DateSeparator)), separator);
}

void PlatformTest::localeFromQtLocale() {
    const QDate today(2026, 5, 17);
    const Locale de = LocaleFrom(QLocale(QLocale::German, QLocale::Germany), today);
    QCOMPARE(de.DateSeparator, '.');
    QCOMPARE(de.ThousandSeparator, '.');
    QCOMPARE(de.DecimalSeparator, ',');
    QCOMPARE(de.TwoDigitYearBase, 1956);
    QCOMPARE(de.Today, ToDayNumber(2026, 5, 17));
    QCOMPARE(QString::fromStdString(FormatShortDate(de.Today, de)).right(2), QString("26"));

    const Locale us = LocaleFrom(QLocale(QLocale::English, QLocale::UnitedStates), today);
    QCOMPARE(QString::fromStdString(FormatShortDate(us.Today, us)), QString("5/17/26"));
    QCOMPARE(us.ThousandSeparator, ',');

    // French groups with a (narrow) no-break space: kept as the Windows-1252 no-break space.
    const Locale fr = LocaleFrom(QLocale(QLocale::French, QLocale::France), today);
    QCOMPARE(fr.ThousandSeparator, static_cast<char>(0xA0));
    QCOMPARE(fr.DecimalSeparator, ',');

    // A format longer than 10 characters today falls back to dd/mm/yy.
    Locale longFormat = LocaleFrom(QLocale(QLocale::English, QLocale::UnitedKingdom), today);
    longFormat.ShortDateFormat = "dd mmmm yyyy";
    ApplyShortDateRule(longFormat);
    QCOMPARE(QString::fromStdString(longFormat.ShortDateFormat), QString("dd/mm/yy"));
    QVERIFY(FormatShortDate(SystemLocale().Today, SystemLocale()).size() <= 10);
}

} // namespace gorlin

QTEST_MAIN(gorlin::PlatformTest)
#include "PlatformTest.moc"
