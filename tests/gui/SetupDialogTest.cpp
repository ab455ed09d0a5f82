#include "gui/app/SetupDialog.h"

#include "core/app/SetupRules.h"
#include "gui/support/GuiFixture.h"

namespace gorlin {

using test::Child;
using test::Click;

class SetupDialogTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheSettingsOnEveryPage();
    void okTakesTheControlsAndWritesOnlyItsKeys();
    void refusalsReachThePrompterOnceAndCancelChangesNothing();
    void dialupPageWithoutTheService();
};

namespace {

/// The settings as their writers store them, for comparing whole settings.
std::string Snapshot(const Settings& s) {
    IniFile ini;
    s.WriteSetup(ini);
    s.WriteFormSize(ini);
    s.WriteFilePath(ini);
    s.WritePlayerCols(ini);
    return ini.Text();
}

QString Line(const SetupDialog& d, const char* list, int row) {
    return Child<QListWidget>(&d, list)->item(row)->text();
}

} // namespace

void SetupDialogTest::showsTheSettingsOnEveryPage() {
    test::GuiFixture f;
    f.settings.ShowPoss = true;
    f.settings.FormGames = 17;
    f.settings.SquadSort = 0;
    f.settings.Positions[2] = "Back";
    SetupDialog d(f.settings, f.ini, f.prompter, false);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QCOMPARE(d.windowTitle() + Child<QPushButton>(&d, "btnApply")->text() +
                 Child<QPushButton>(&d, "btnCancel")->text(),
             QString("Setup&Ok&Cancel"));
    QVERIFY(Child<QCheckBox>(&d, "cbShowPoss")->isChecked() &&
            Child<QRadioButton>(&d, "rbSortTime")->isChecked());
    QCOMPARE(Child<QSpinBox>(&d, "seFormGames")->value(), 17);
    QCOMPARE(Child<QComboBox>(&d, "cbColour")->currentIndex(), PaletteIndex(f.settings.Colour1)); // promoted
    QCOMPARE(Line(d, "lbPositions", 1), QString("2 - Back"));
    QCOMPARE(Child<QListWidget>(&d, "lbColumns")->item(2)->checkState(), Qt::Unchecked); // V not in use
    QVERIFY(!Child<QLineEdit>(&d, "edProxyName")->isEnabled());
    auto* pages = Child<QTabWidget>(&d, "pcSetup");
    const QStringList titles = {"General", "Squads", "HTML", "Table", "Dialup"};
    QCOMPARE(pages->count(), titles.size());
    for (int i = 0; i < pages->count(); ++i) {
        QCOMPARE(pages->tabText(i), titles[i]);
        pages->setCurrentIndex(i);
        QTest::qWait(20);
        test::Screenshot(&d, "setup-" + titles[i].toLower());
    }
}

void SetupDialogTest::okTakesTheControlsAndWritesOnlyItsKeys() {
    test::GuiFixture f;
    test::WriteFile(f.dir / "gorlin.ini",
                    "; my notes\n[Options]\nAdminMode=1\n[Queries]\nQryQuery1=a=b,\"c\"\n");
    QVERIFY(f.ini.Load());
    f.settings.Colour3 = 0x123456; // not in the palette
    SetupDialog d(f.settings, f.ini, f.prompter, false);
    d.show();
    Child<QCheckBox>(&d, "cbShowPoss")->setChecked(true);
    Child<QSpinBox>(&d, "seFormGames")->setValue(3);
    // Each element keeps its own working colour; one outside the palette leaves the box alone.
    auto* colour = Child<QComboBox>(&d, "cbColour");
    Child<QRadioButton>(&d, "rbPlayoffs")->click();
    colour->setCurrentIndex(PaletteIndex(0x808000));
    Child<QRadioButton>(&d, "rbRelegated")->click();
    Child<QRadioButton>(&d, "rbDefault")->click();
    QCOMPARE(colour->currentIndex(), PaletteIndex(0xC0C0C0));
    // A renamed position shows in its line at once.
    Child<QListWidget>(&d, "lbPositions")->setCurrentRow(4);
    QTest::keyClicks(Child<QLineEdit>(&d, "edPosition"), "Sweeper");
    QCOMPARE(Line(d, "lbPositions", 4), QString("5 - Sweeper"));
    // Columns: V ticked and moved to the top; U unticked in the short set.
    auto* columns = Child<QListWidget>(&d, "lbColumns");
    columns->item(2)->setCheckState(Qt::Checked);
    columns->setCurrentRow(2);
    Click(&d, "btnUp");
    Click(&d, "btnUp");
    Child<QRadioButton>(&d, "rbShort")->click();
    columns->item(11)->setCheckState(Qt::Unchecked);
    // The proxy boxes open with the tick (without the dial-up service too).
    Child<QCheckBox>(&d, "cbUseProxy")->click();
    QVERIFY(Child<QLineEdit>(&d, "edProxyPort")->isEnabled());
    QTest::keyClicks(Child<QLineEdit>(&d, "edProxyName"), "proxy.example");
    QCOMPARE(f.settings.Positions[5] + f.settings.TableLong,
             std::string("ABCDEFGHIJKLMSU")); // only OK takes them

    Click(&d, "btnApply");
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QVERIFY(f.prompter.Messages.isEmpty() && f.settings.ShowPoss && f.settings.UseProxy);
    QCOMPARE(f.settings.FormGames, 3);
    QCOMPARE(QList<Colour>({f.settings.Colour2, f.settings.Colour3}), QList<Colour>({0x808000, 0x123456}));
    QCOMPARE(f.settings.Positions[5], std::string("Sweeper"));
    QCOMPARE(f.settings.TableLong + " " + f.settings.TableShort, std::string("VABCDEFGHIJKLMSU ABCNOPQRS"));
    QCOMPARE(f.settings.ProxyName, std::string("proxy.example"));
    const std::string text = test::ReadFile(f.dir / "gorlin.ini");
    QVERIFY(text.starts_with("; my notes\n[Options]\nAdminMode=1\n"));
    QVERIFY(text.find("[Queries]\nQryQuery1=a=b,\"c\"\n") != std::string::npos);
    QVERIFY(text.find("Position5=Sweeper") != std::string::npos &&
            text.find("FontName") == std::string::npos);
}

void SetupDialogTest::refusalsReachThePrompterOnceAndCancelChangesNothing() {
    test::GuiFixture f;
    const std::string before = Snapshot(f.settings);
    SetupDialog d(f.settings, f.ini, f.prompter, false);
    d.show();
    Child<QComboBox>(&d, "cbColour")->setCurrentIndex(PaletteIndex(f.settings.Colour4)); // the own team's
    Child<QCheckBox>(&d, "cbShowPoss")->setChecked(true);
    Click(&d, "btnApply");
    QCOMPARE(f.prompter.Take(), QStringList{"error: " + QString(kOwnColourClashMessage)});
    QVERIFY(d.isVisible());
    QCOMPARE(Snapshot(f.settings), before);
    Child<QComboBox>(&d, "cbColour")->setCurrentIndex(PaletteIndex(0xFF00FF));
    Child<QCheckBox>(&d, "cbUseProxy")->click();
    Click(&d, "btnApply");
    QCOMPARE(f.prompter.Take(), QStringList{"error: " + QString(kProxyAddressMissingMessage)});
    QVERIFY(d.isVisible() && f.settings.UseProxy); // in force for this run, but not written
    QVERIFY(!std::filesystem::exists(f.dir / "gorlin.ini"));

    f.settings.UseProxy = false;
    const std::string unchanged = Snapshot(f.settings);
    SetupDialog cancelled(f.settings, f.ini, f.prompter, false);
    Child<QCheckBox>(&cancelled, "cbShowPoss")->setChecked(false);
    QTest::keyClicks(Child<QLineEdit>(&cancelled, "edPosition"), "X");
    Child<QListWidget>(&cancelled, "lbColumns")->item(0)->setCheckState(Qt::Unchecked);
    Click(&cancelled, "btnCancel");
    QCOMPARE(cancelled.result(), int(QDialog::Rejected));
    QCOMPARE(Snapshot(f.settings), unchanged);
    QVERIFY(!std::filesystem::exists(f.dir / "gorlin.ini") && f.prompter.Messages.isEmpty());
}

void SetupDialogTest::dialupPageWithoutTheService() {
    test::GuiFixture f;
    f.settings.ManualConnect = false; // stored, but the service is absent on this platform
    f.settings.DiscOption = 2;
    SetupDialog d(f.settings, f.ini, f.prompter, false);
    d.show();
    Child<QTabWidget>(&d, "pcSetup")->setCurrentIndex(4);
    QVERIFY(Child<QRadioButton>(&d, "rbManual")->isChecked() &&
            !Child<QRadioButton>(&d, "rbManual")->isEnabled());
    QVERIFY(!Child<QComboBox>(&d, "cbConnection")->isEnabled() &&
            Child<QRadioButton>(&d, "rbDiscManual")->isChecked());
    QVERIFY(Child<QLabel>(&d, "lblRasNote")->isVisible());
    QCOMPARE(Child<QLabel>(&d, "lblRasNote")->text(), QString(kNoDialUpNote));
    Click(&d, "btnApply");
    QVERIFY(f.settings.ManualConnect && f.settings.DiscOption == 0);
}

} // namespace gorlin

QTEST_MAIN(gorlin::SetupDialogTest)
#include "SetupDialogTest.moc"
