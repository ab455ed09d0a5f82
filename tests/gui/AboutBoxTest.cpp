#include "gui/app/AboutBox.h"

#include "core/model/League.h"
#include "gui/app/ErrorHandler.h"
#include "gui/support/ScriptedPrompter.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace gorlin;

namespace {

League StatsLeague() {
    League league = MakeEmptyLeague();
    league.Head.GoalCount = 812;
    league.Head.PlayerCount = 431;
    league.Head.SquadCount = 760;
    league.Head.VersionId = 4321;
    league.LoadedVersion = 45;
    return league;
}

QString LabelText(QWidget* w, const char* name) {
    auto* label = w->findChild<QLabel*>(name);
    return label != nullptr ? label->text() : QString("<missing %1>").arg(name);
}

/// Types into whatever has the focus in the box, as a user would.
void Type(AboutBox& box, const QString& keys) {
    QWidget* target = box.focusWidget() != nullptr ? box.focusWidget() : &box;
    QTest::keyClicks(target, keys);
}

} // namespace

class AboutBoxTest : public QObject {
    Q_OBJECT
private slots:
    void showsProductVersionAndLinks();
    void theCodeShowsAndAnyKeyHidesTheStatistics();
    void fromTheFolderWindowThereIsNoPanel();
    void animationHasSixFramesEveryHundredMs();
    void unexpectedErrorText();
};

void AboutBoxTest::showsProductVersionAndLinks() {
    AboutBox box(nullptr);
    QCOMPARE(LabelText(&box, "lblProductName"), QString("Gorlin"));
    QVERIFY(LabelText(&box, "lblVersion").contains("4.7"));
    QVERIFY(!LabelText(&box, "lblCredits").isEmpty());
    QVERIFY(LabelText(&box, "lblEmail").contains("href=\"mailto:support@gorlin.example\""));
    QVERIFY(LabelText(&box, "lblWeb").contains("href=\"https://gorlin.example\""));
    QVERIFY(box.findChild<QLabel*>("lblEmail")->openExternalLinks());
    QVERIFY(box.findChild<QLabel*>("lblWeb")->openExternalLinks());
}

void AboutBoxTest::theCodeShowsAndAnyKeyHidesTheStatistics() {
    const League league = StatsLeague();
    AboutBox box(&league);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QVERIFY(!box.StatsVisible());
    QCOMPARE(LabelText(&box, "lblGoalCount"), QString("812"));
    QCOMPARE(LabelText(&box, "lblPlayerCount"), QString("431"));
    QCOMPARE(LabelText(&box, "lblSquadCount"), QString("760"));
    QCOMPARE(LabelText(&box, "lblLoadedVersion"), QString("45"));
    QCOMPARE(LabelText(&box, "lblVersionId"), QString("4321"));

    Type(box, "GO");
    QVERIFY(!box.StatsVisible());
    Type(box, "x"); // a wrong key breaks the code
    Type(box, "r");
    QVERIFY(!box.StatsVisible());
    Type(box, "zzgor"); // only the last three keys count, in any case
    QVERIFY(box.StatsVisible());
    test::Screenshot(&box, "about-box");

    Type(box, "q"); // any key hides it
    QVERIFY(!box.StatsVisible());
    Type(box, "Go");
    QVERIFY(!box.StatsVisible());
    Type(box, "R");
    QVERIFY(box.StatsVisible());
    // Escape still closes the box.
    QTest::keyClick(&box, Qt::Key_Escape);
    QVERIFY(!box.isVisible());
}

void AboutBoxTest::fromTheFolderWindowThereIsNoPanel() {
    AboutBox box(nullptr);
    box.show();
    Type(box, "GOR");
    QVERIFY(!box.StatsVisible());
    QVERIFY(box.findChild<QWidget*>("pnlStats") == nullptr);
    QVERIFY(box.findChild<QLabel*>("lblGoalCount") == nullptr);
}

void AboutBoxTest::animationHasSixFramesEveryHundredMs() {
    AboutBox box(nullptr);
    auto* timer = box.findChild<QTimer*>("tmAnimate");
    QVERIFY(timer != nullptr);
    QCOMPARE(timer->interval(), 100);
    QVERIFY(timer->isActive());
    auto* animation = const_cast<AboutAnimation*>(box.Animation());
    QCOMPARE(animation->Frame(), 0);
    for (int i = 1; i <= 6; ++i) {
        animation->Advance();
        QCOMPARE(animation->Frame(), i % 6);
    }
    // Frames differ from each other (the ball moves).
    QImage first = animation->grab().toImage();
    animation->Advance();
    QVERIFY(animation->grab().toImage() != first);
    QTRY_VERIFY_WITH_TIMEOUT(animation->Frame() != 1, 1000); // the timer drives it
}

void AboutBoxTest::unexpectedErrorText() {
    QCOMPARE(
        UnexpectedErrorText("Disk full"),
        QString(
            "An unexpected error has occurred in Gorlin. Please report this problem to the program author "
            "(support@gorlin.example).\n\nError: Disk full"));
}

QTEST_MAIN(AboutBoxTest)
#include "AboutBoxTest.moc"
