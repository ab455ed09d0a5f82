#include "core/model/Dates.h"
#include "gui/support/GuiFixture.h"
#include "platform/ProgramFolder.h"
#include "platform/SystemLocale.h"

namespace gorlin {

class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    void programFolderLocalesAndDatePatterns();
};

void PlatformTest::programFolderLocalesAndDatePatterns() {
    QCOMPARE(ConfigDirArgument({"gorlin", "--config-dir", "/tmp/x"}), QString("/tmp/x"));
    QCOMPARE(ConfigDirArgument({"gorlin", "--config-dir=/tmp/y"}), QString("/tmp/y"));
    QCOMPARE(ConfigDirArgument({"gorlin", "--config-dir"}) + ConfigDirArgument({"gorlin", "a.div"}),
             QString());
    test::GuiFixture f;
    QCOMPARE(ProgramFolder(test::Q(f.dir.Path())), f.context.programFolder);
    QCOMPARE(ProgramFolder(f.context.programFolder), f.context.programFolder);
    // The test's own folder is a build folder, which can be written: a portable install.
    QCOMPARE(ProgramFolder(QString()), QCoreApplication::applicationDirPath() + '/');

    // The system's pattern, its short date format and separator.
    const char* const patterns[][3] = {{"dd/MM/yyyy", "dd/mm/yyyy", "/"},
                                       {"M/d/yy", "m/d/yy", "/"},
                                       {"dd.MM.yy", "dd/mm/yy", "."},
                                       {"yyyy-MM-dd", "yyyy/mm/dd", "-"},
                                       {"yy. M. d.", "yy/m/d", "."},
                                       {"d MMM yyyy", "d/mmm/yyyy", " "},
                                       {"dddd, d MMMM yyyy", "d/mmmm/yyyy", " "},
                                       {"d'.'MM'.'yyyy", "d/mm/yyyy", "."},
                                       {"dd/MM", "dd/mm/yyyy", "/"}};
    for (const auto& [pattern, format, separator] : patterns) {
        Locale locale;
        ApplyQtDatePattern(pattern, locale);
        QCOMPARE(QString::fromStdString(locale.ShortDateFormat + locale.DateSeparator),
                 QString(format) + separator);
    }
    const QDate today(2026, 5, 17);
    const Locale de = LocaleFrom(QLocale(QLocale::German, QLocale::Germany), today);
    QCOMPARE(QString() + de.DateSeparator + de.ThousandSeparator + de.DecimalSeparator, QString("..,"));
    QCOMPARE(de.TwoDigitYearBase, 1956);
    QCOMPARE(de.Today, ToDayNumber(2026, 5, 17));
    const Locale us = LocaleFrom(QLocale(QLocale::English, QLocale::UnitedStates), today);
    QCOMPARE(QString::fromStdString(FormatShortDate(us.Today, us)), QString("5/17/26"));
    // French groups with a (narrow) no-break space: kept as the Windows-1252 no-break space.
    QCOMPARE(LocaleFrom(QLocale(QLocale::French, QLocale::France), today).ThousandSeparator,
             static_cast<char>(0xA0));
    QVERIFY(FormatShortDate(SystemLocale().Today, SystemLocale()).size() <= 10);
}

} // namespace gorlin

QTEST_MAIN(gorlin::PlatformTest)
#include "PlatformTest.moc"
