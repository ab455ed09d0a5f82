#include "gui/league/TeamSelectionDialog.h"

#include "gui/support/ScriptedPrompter.h"
#include "support/LeagueBuilder.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

namespace gorlin {

class TeamSelectionDialogTest : public QObject {
    Q_OBJECT
private slots:
    void layoutFollowsTheTeamCount();
    void invalidSlotKeepsItsTab();
    void okStoresAllSlotsAndReportsTheCurrentOne();
    void clearMakesTheSlotUnused();
    void cancelChangesNothing();
};

namespace {

League TwentyTwoTeams() {
    std::vector<std::string> names;
    for (int i = 1; i <= 22; ++i)
        names.push_back("Team number " + std::to_string(i));
    names[4] = "F\xe9nix Montevid\xe9o"; // Windows-1252 accents
    names[5] = "Brighton & Hove";
    return test::LeagueBuilder().Teams(names).Selection(3, "Capital", {1, 2, 3, 4}).Build();
}

QCheckBox* Box(QDialog& d, int team) {
    return d.findChild<QCheckBox*>(QStringLiteral("cbTeam%1").arg(team));
}
QTabBar* Tabs(QDialog& d) {
    return d.findChild<QTabBar*>("tcSelections");
}
QLineEdit* Name(QDialog& d) {
    return d.findChild<QLineEdit*>("edSelName");
}
void Click(QDialog& d, const char* name) {
    QTest::mouseClick(d.findChild<QPushButton*>(name), Qt::LeftButton);
}

} // namespace

void TeamSelectionDialogTest::layoutFollowsTheTeamCount() {
    League league = TwentyTwoTeams();
    test::ScriptedPrompter prompter;
    TeamSelectionDialog dialog(league, prompter);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(Tabs(dialog)->count(), 8);
    QCOMPARE(Tabs(dialog)->tabText(0), QString("Selection 1"));
    QCOMPARE(Tabs(dialog)->tabText(2), QString("Capital"));
    QCOMPARE(Name(dialog)->maxLength(), 20);
    QCOMPARE(Box(dialog, 5)->text(), QString::fromUtf8("Fénix Montevidéo"));
    QCOMPARE(Box(dialog, 6)->text(), QString("Brighton && Hove")); // '&' shown, not a mnemonic

    // Columns of 11 boxes 20 px apart, 14 px below the name field, columns 154 px apart.
    QCOMPARE(Box(dialog, 1)->width(), 150);
    QCOMPARE(Box(dialog, 1)->y(), Name(dialog)->geometry().bottom() + 1 + 14);
    QCOMPARE(Box(dialog, 2)->y() - Box(dialog, 1)->y(), 20);
    QCOMPARE(Box(dialog, 12)->x() - Box(dialog, 1)->x(), 154);
    QCOMPARE(Box(dialog, 12)->y(), Box(dialog, 1)->y());
    QVERIFY(!Box(dialog, 23));
    for (int t = 1; t <= 22; ++t)
        QVERIFY(Box(dialog, t)->parentWidget()->rect().contains(Box(dialog, t)->geometry()));

    Tabs(dialog)->setCurrentIndex(2);
    QCOMPARE(Name(dialog)->text(), QString("Capital"));
    QVERIFY(Box(dialog, 4)->isChecked());
    QVERIFY(!Box(dialog, 5)->isChecked());
    test::Screenshot(&dialog, "team-selection-dialog");
}

void TeamSelectionDialogTest::invalidSlotKeepsItsTab() {
    League league = TwentyTwoTeams();
    test::ScriptedPrompter prompter;
    TeamSelectionDialog dialog(league, prompter);
    Name(dialog)->setText("Pair");
    Box(dialog, 1)->setChecked(true);
    Box(dialog, 2)->setChecked(true);
    Tabs(dialog)->setCurrentIndex(1);
    QCOMPARE(prompter.Texts(), QStringList({"You must select at least three teams"}));
    QCOMPARE(Tabs(dialog)->currentIndex(), 0);
    QCOMPARE(dialog.CurrentSlot(), 1);
    QCOMPARE(Name(dialog)->text(), QString("Pair")); // the input stays

    Box(dialog, 3)->setChecked(true);
    Name(dialog)->clear();
    Click(dialog, "btnOK");
    QCOMPARE(prompter.Texts().last(), QString("You must give the selection a name"));
    QVERIFY(!league.DataChanged);
}

void TeamSelectionDialogTest::okStoresAllSlotsAndReportsTheCurrentOne() {
    League league = TwentyTwoTeams();
    test::ScriptedPrompter prompter;
    TeamSelectionDialog dialog(league, prompter);
    Name(dialog)->setText(QString::fromUtf8("Fénix trio"));
    for (int t : {5, 6, 7})
        Box(dialog, t)->setChecked(true);
    Tabs(dialog)->setCurrentIndex(7);
    QVERIFY(prompter.Messages.isEmpty());
    QCOMPARE(Tabs(dialog)->tabText(0), QString::fromUtf8("Fénix trio"));
    Name(dialog)->setText("Last");
    for (int t : {20, 21, 22})
        Box(dialog, t)->setChecked(true);
    Click(dialog, "btnOK");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.ReportedSlot(), 8);
    QVERIFY(league.DataChanged);
    QCOMPARE(league.TeamSels[1].Name.view(), std::string_view("F\xe9nix trio"));
    QVERIFY(league.TeamSels[1].IsMember(6));
    QCOMPARE(league.TeamSels[3].Name.view(), std::string_view("Capital"));
    QVERIFY(league.TeamSels[8].IsMember(22));
    QCOMPARE(int(league.Head.TeamSelCount), 3);
}

void TeamSelectionDialogTest::clearMakesTheSlotUnused() {
    League league = TwentyTwoTeams();
    test::ScriptedPrompter prompter;
    TeamSelectionDialog dialog(league, prompter);
    Tabs(dialog)->setCurrentIndex(2);
    Click(dialog, "btnClear");
    QCOMPARE(Name(dialog)->text(), QString());
    QVERIFY(!Box(dialog, 1)->isChecked());
    QCOMPARE(Tabs(dialog)->tabText(2), QString("Selection 3"));
    Click(dialog, "btnOK");
    QVERIFY(prompter.Messages.isEmpty());
    QCOMPARE(dialog.ReportedSlot(), 0);
    QVERIFY(league.TeamSels[3].Name.empty());
    QCOMPARE(int(league.Head.TeamSelCount), 0);
}

void TeamSelectionDialogTest::cancelChangesNothing() {
    League league = TwentyTwoTeams();
    test::ScriptedPrompter prompter;
    TeamSelectionDialog dialog(league, prompter);
    Tabs(dialog)->setCurrentIndex(2);
    Click(dialog, "btnClear");
    Click(dialog, "btnCancel");
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(league.TeamSels[3].Name.view(), std::string_view("Capital"));
    QVERIFY(!league.DataChanged);
}

} // namespace gorlin

QTEST_MAIN(gorlin::TeamSelectionDialogTest)
#include "TeamSelectionDialogTest.moc"
