#include "gui/app/AboutBox.h"

#include "core/Version.h"
#include "core/model/LeagueFile.h"
#include "gui/support/GuiFixture.h"

using namespace gorlin;
using test::Child;

class AboutBoxTest : public QObject {
    Q_OBJECT
private slots:
    void theCodeShowsTheLeagueStatisticsAndAnyKeyHidesThem();
};

void AboutBoxTest::theCodeShowsTheLeagueStatisticsAndAnyKeyHidesThem() {
    test::GuiFixture f;
    League league = *LoadLeague(f.file);
    league.Head.GoalCount = 812;
    league.Head.PlayerCount = 431;
    league.Head.SquadCount = 760;
    league.Head.VersionId = 4321;
    AboutBox box(&league);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const auto type = [&box](const QString& keys) {
        QTest::keyClicks(box.focusWidget() ? box.focusWidget() : &box, keys);
    };
    QVERIFY(Child<QLabel>(&box, "lblVersion")->text().contains(kProgramVersion));
    QString stats;
    for (const char* name :
         {"lblGoalCount", "lblPlayerCount", "lblSquadCount", "lblLoadedVersion", "lblVersionId"})
        stats += Child<QLabel>(&box, name)->text() + " ";
    QCOMPARE(stats, QString("812 431 760 %1 4321 ").arg(league.LoadedVersion));
    type("GOxr"); // a wrong key breaks the code
    QVERIFY(!box.StatsVisible());
    type("zzgor"); // the last three keys count, in any case
    QVERIFY(box.StatsVisible());
    test::Screenshot(&box, "about-box");
    type("q");
    QVERIFY(!box.StatsVisible());
    QTest::keyClick(&box, Qt::Key_Escape);
    QVERIFY(!box.isVisible());

    AboutBox plain(nullptr); // from the folder window: no statistics
    plain.show();
    QTest::keyClicks(&plain, "GOR");
    QVERIFY(!plain.StatsVisible() && plain.findChild<QWidget*>("pnlStats") == nullptr);
}

QTEST_MAIN(AboutBoxTest)
#include "AboutBoxTest.moc"
