#include "gui/league/TeamSelectionDialog.h"

#include "gui/support/GuiFixture.h"
#include "support/LeagueBuilder.h"

namespace gorlin {

using test::Child;
using test::Click;

class TeamSelectionDialogTest : public QObject {
    Q_OBJECT
private slots:
    void showsEveryTeamAndRefusesAnIncompleteSlotOnce();
    void okStoresEverySlotAndClearOrCancelAsked();
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

QCheckBox* Box(const QDialog& d, int team) {
    return Child<QCheckBox>(&d, qPrintable(QStringLiteral("cbTeam%1").arg(team)));
}

} // namespace

void TeamSelectionDialogTest::showsEveryTeamAndRefusesAnIncompleteSlotOnce() {
    test::GuiFixture f;
    League league = TwentyTwoTeams();
    TeamSelectionDialog dialog(league, f.prompter);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* tabs = Child<QTabBar>(&dialog, "tcSelections");
    QCOMPARE(tabs->count(), 8);
    QCOMPARE(tabs->tabText(2), QString("Capital"));
    QCOMPARE(Box(dialog, 5)->text(), QString::fromUtf8("Fénix Montevidéo"));
    QCOMPARE(Box(dialog, 6)->text(), QString("Brighton && Hove")); // '&' shown, not a mnemonic
    QVERIFY(dialog.findChild<QCheckBox*>("cbTeam23") == nullptr);
    for (int t = 1; t <= 22; ++t)
        QVERIFY(Box(dialog, t)->parentWidget()->rect().contains(Box(dialog, t)->geometry()));
    tabs->setCurrentIndex(2);
    QCOMPARE(Child<QLineEdit>(&dialog, "edSelName")->text(), QString("Capital"));
    QVERIFY(Box(dialog, 4)->isChecked() && !Box(dialog, 5)->isChecked());
    test::Screenshot(&dialog, "team-selection-dialog");

    Box(dialog, 4)->setChecked(false);
    Box(dialog, 3)->setChecked(false);
    tabs->setCurrentIndex(0);
    QCOMPARE(f.prompter.Take(), QStringList{"error: You must select at least three teams"});
    QCOMPARE(tabs->currentIndex(), 2);
    QCOMPARE(Child<QLineEdit>(&dialog, "edSelName")->text(), QString("Capital")); // the input stays
    Click(&dialog, "btnOK");
    QCOMPARE(f.prompter.Take(), QStringList{"error: You must select at least three teams"});
    QVERIFY(!league.DataChanged);
}

void TeamSelectionDialogTest::okStoresEverySlotAndClearOrCancelAsked() {
    test::GuiFixture f;
    League league = TwentyTwoTeams();
    TeamSelectionDialog dialog(league, f.prompter);
    Child<QLineEdit>(&dialog, "edSelName")->setText(QString::fromUtf8("Fénix trio"));
    for (int t : {5, 6, 7})
        Box(dialog, t)->setChecked(true);
    auto* tabs = Child<QTabBar>(&dialog, "tcSelections");
    tabs->setCurrentIndex(2);
    QCOMPARE(tabs->tabText(0), QString::fromUtf8("Fénix trio"));
    Click(&dialog, "btnClear");
    QCOMPARE(tabs->tabText(2), QString("Selection 3"));
    tabs->setCurrentIndex(7);
    Child<QLineEdit>(&dialog, "edSelName")->setText("Last");
    for (int t : {20, 21, 22})
        Box(dialog, t)->setChecked(true);
    {
        League untouched = league;
        TeamSelectionDialog cancelled(untouched, f.prompter);
        Child<QTabBar>(&cancelled, "tcSelections")->setCurrentIndex(2);
        Click(&cancelled, "btnClear");
        Click(&cancelled, "btnCancel");
        QCOMPARE(cancelled.result(), int(QDialog::Rejected));
        QVERIFY(!untouched.DataChanged && untouched.TeamSels[3].Name.view() == "Capital");
    }
    Click(&dialog, "btnOK");
    QVERIFY(f.prompter.Messages.isEmpty());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.ReportedSlot(), 8);
    QVERIFY(league.DataChanged);
    QCOMPARE(league.TeamSels[1].Name.view(), std::string_view("F\xe9nix trio"));
    QVERIFY(league.TeamSels[1].IsMember(6));
    QVERIFY(league.TeamSels[3].Name.empty());
    QVERIFY(league.TeamSels[8].IsMember(22));
    QCOMPARE(int(league.Head.TeamSelCount), 2);
}

} // namespace gorlin

QTEST_MAIN(gorlin::TeamSelectionDialogTest)
#include "TeamSelectionDialogTest.moc"
