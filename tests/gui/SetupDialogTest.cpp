#include "gui/app/SetupDialog.h"

#include "core/app/SetupRules.h"
#include "gui/support/GuiFixture.h"

namespace gorlin {

using test::Child;
using test::Click;

class SetupDialogTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithTheSettingsOnEveryPage();
    void okTakesTheControlsAndWritesOnlyItsKeys();
    void refusalsReachThePrompterOnceAndWriteNothing();
    void cancelChangesNothing();
    void dialupPageWithAndWithoutTheService();
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

void SetupDialogTest::opensWithTheSettingsOnEveryPage() {
    test::GuiFixture f;
    f.settings.ShowPoss = true;
    f.settings.FormGames = 17;
    f.settings.SquadSort = 0;
    f.settings.Positions[2] = "Back";
    f.settings.TableTag = "<TABLE BORDER=1>";
    SetupDialog d(f.settings, f.ini, f.prompter, false);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QCOMPARE(d.windowTitle() + Child<QPushButton>(&d, "btnApply")->text() +
                 Child<QPushButton>(&d, "btnCancel")->text(),
             QString("Setup&Ok&Cancel"));
    QVERIFY(Child<QCheckBox>(&d, "cbShowPoss")->isChecked());
    QCOMPARE(Child<QSpinBox>(&d, "seFormGames")->value(), 17);
    QVERIFY(Child<QRadioButton>(&d, "rbSortTime")->isChecked());
    QVERIFY(Child<QRadioButton>(&d, "rbPromoted")->isChecked());
    QCOMPARE(Child<QComboBox>(&d, "cbColour")->currentIndex(), PaletteIndex(f.settings.Colour1));
    QCOMPARE(Line(d, "lbPositions", 1), QString("2 - Back"));
    QCOMPARE(Child<QLineEdit>(&d, "edPosition")->text(), QString("Goal Keeper"));
    QCOMPARE(Child<QLineEdit>(&d, "edTableTag")->text(), QString("<TABLE BORDER=1>"));
    QCOMPARE(Line(d, "lbColumns", 0), QString::fromStdString(ColumnDescription('A')));
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
                    "; my notes\n[Options]\nAdminMode=1\n[Queries]\nQryCount=1\nQryQuery1=a=b,\"c\"\n");
    QVERIFY(f.ini.Load());
    f.settings.Colour3 = 0x123456; // not in the palette
    SetupDialog d(f.settings, f.ini, f.prompter, false);
    d.show();
    Child<QCheckBox>(&d, "cbShowPoss")->setChecked(true);
    Child<QSpinBox>(&d, "seFormGames")->setValue(3);
    // Each element keeps its own working colour; one outside the palette leaves the box alone.
    auto* colour = Child<QComboBox>(&d, "cbColour");
    Child<QRadioButton>(&d, "rbPlayoffs")->click();
    QCOMPARE(colour->currentIndex(), PaletteIndex(0x00FF00));
    colour->setCurrentIndex(PaletteIndex(0x808000));
    Child<QRadioButton>(&d, "rbRelegated")->click();
    Child<QRadioButton>(&d, "rbDefault")->click();
    QCOMPARE(colour->currentIndex(), PaletteIndex(0xC0C0C0));
    Child<QRadioButton>(&d, "rbPlayoffs")->click();
    QCOMPARE(colour->currentIndex(), PaletteIndex(0x808000));
    // A renamed position shows in its line at once, and only OK takes it.
    Child<QListWidget>(&d, "lbPositions")->setCurrentRow(4);
    QTest::keyClicks(Child<QLineEdit>(&d, "edPosition"), "Sweeper");
    QCOMPARE(Line(d, "lbPositions", 4), QString("5 - Sweeper"));
    Child<QListWidget>(&d, "lbPositions")->setCurrentRow(1);
    QCOMPARE(Child<QLineEdit>(&d, "edPosition")->text(), QString("Defender"));
    QCOMPARE(f.settings.Positions[5], std::string());
    // Columns: tick V and move it to the top; untick U of the short set; Restore Default
    // brings back only the set shown.
    auto* columns = Child<QListWidget>(&d, "lbColumns");
    columns->item(2)->setCheckState(Qt::Checked);
    columns->setCurrentRow(2);
    Click(&d, "btnUp");
    Click(&d, "btnUp");
    QCOMPARE(Line(d, "lbColumns", 0), QString::fromStdString(ColumnDescription('V')));
    Child<QRadioButton>(&d, "rbShort")->click();
    QCOMPARE(columns->count(), 12);
    columns->item(11)->setCheckState(Qt::Unchecked);
    Child<QRadioButton>(&d, "rbLong")->click();
    QCOMPARE(Line(d, "lbColumns", 0), QString::fromStdString(ColumnDescription('V')));
    Click(&d, "btnRestore");
    QCOMPARE(columns->item(0)->checkState(), Qt::Checked);
    // The proxy boxes open with the tick (without the dial-up service too).
    Child<QCheckBox>(&d, "cbUseProxy")->click();
    QVERIFY(Child<QLineEdit>(&d, "edProxyPort")->isEnabled());
    QTest::keyClicks(Child<QLineEdit>(&d, "edProxyName"), "proxy.example");
    Child<QLineEdit>(&d, "edProxyPort")->setText("3128");

    Click(&d, "btnApply");
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QVERIFY(f.prompter.Messages.isEmpty());
    QVERIFY(f.settings.ShowPoss && f.settings.UseProxy);
    QCOMPARE(f.settings.FormGames, 3);
    QCOMPARE(f.settings.Colour2, Colour(0x808000));
    QCOMPARE(f.settings.Colour3, Colour(0x123456));
    QCOMPARE(f.settings.Positions[5], std::string("Sweeper"));
    QCOMPARE(f.settings.TableLong, std::string("ABCDEFGHIJKLMSU"));
    QCOMPARE(f.settings.TableShort, std::string("ABCNOPQRS"));
    QCOMPARE(f.settings.ProxyName + ":" + std::to_string(f.settings.ProxyPort),
             std::string("proxy.example:3128"));
    const std::string text = test::ReadFile(f.dir / "gorlin.ini");
    QVERIFY(text.starts_with("; my notes\n[Options]\nAdminMode=1\n"));
    QVERIFY(text.find("[Queries]\nQryCount=1\nQryQuery1=a=b,\"c\"\n") != std::string::npos);
    for (const char* key :
         {"Colour2=8421376", "Position5=Sweeper", "ProxyPort=3128", "TableShort=ABCNOPQRS\n"})
        QVERIFY2(text.find(key) != std::string::npos, key);
    QVERIFY(text.find("ProcLeft") == std::string::npos && text.find("FontName") == std::string::npos);
}

void SetupDialogTest::refusalsReachThePrompterOnceAndWriteNothing() {
    test::GuiFixture f;
    const std::string before = Snapshot(f.settings);
    SetupDialog d(f.settings, f.ini, f.prompter, false);
    d.show();
    Child<QComboBox>(&d, "cbColour")->setCurrentIndex(PaletteIndex(f.settings.Colour4)); // as the own team
    Child<QCheckBox>(&d, "cbShowPoss")->setChecked(true);
    Click(&d, "btnApply");
    QCOMPARE(f.prompter.Take(), QStringList{"error: " + QString(kOwnColourClashMessage)});
    QVERIFY(d.isVisible());
    QCOMPARE(Snapshot(f.settings), before);

    Child<QComboBox>(&d, "cbColour")->setCurrentIndex(PaletteIndex(0xFF00FF));
    Child<QCheckBox>(&d, "cbUseProxy")->click();
    Child<QListWidget>(&d, "lbPositions")->setCurrentRow(5);
    QTest::keyClicks(Child<QLineEdit>(&d, "edPosition"), "Libero");
    Click(&d, "btnApply");
    QCOMPARE(f.prompter.Take(), QStringList{"error: " + QString(kProxyAddressMissingMessage)});
    QVERIFY(d.isVisible());
    QVERIFY(f.settings.UseProxy); // in force for this run, but not written
    QCOMPARE(f.settings.Positions[6], std::string());
    QVERIFY(!std::filesystem::exists(f.dir / "gorlin.ini"));
}

void SetupDialogTest::cancelChangesNothing() {
    test::GuiFixture f;
    const std::string before = Snapshot(f.settings);
    SetupDialog d(f.settings, f.ini, f.prompter, false);
    d.show();
    Child<QCheckBox>(&d, "cbShowPoss")->setChecked(true);
    Child<QComboBox>(&d, "cbColour")->setCurrentIndex(0);
    QTest::keyClicks(Child<QLineEdit>(&d, "edPosition"), "X");
    Child<QListWidget>(&d, "lbColumns")->item(0)->setCheckState(Qt::Unchecked);
    Child<QLineEdit>(&d, "edTableTag")->setText("<TABLE>");
    Click(&d, "btnCancel");
    QCOMPARE(d.result(), int(QDialog::Rejected));
    QCOMPARE(Snapshot(f.settings), before);
    QVERIFY(!std::filesystem::exists(f.dir / "gorlin.ini"));
    QVERIFY(f.prompter.Messages.isEmpty());
}

void SetupDialogTest::dialupPageWithAndWithoutTheService() {
    test::GuiFixture f;
    f.settings.ManualConnect = false; // stored, but the service is absent
    f.settings.DiscOption = 2;
    SetupDialog d(f.settings, f.ini, f.prompter, false);
    d.show();
    Child<QTabWidget>(&d, "pcSetup")->setCurrentIndex(4);
    QVERIFY(Child<QRadioButton>(&d, "rbManual")->isChecked() &&
            !Child<QRadioButton>(&d, "rbManual")->isEnabled());
    QVERIFY(!Child<QComboBox>(&d, "cbConnection")->isEnabled());
    QVERIFY(Child<QRadioButton>(&d, "rbDiscManual")->isChecked());
    QVERIFY(Child<QLabel>(&d, "lblRasNote")->isVisible());
    QCOMPARE(Child<QLabel>(&d, "lblRasNote")->text(), QString(kNoDialUpNote));
    Click(&d, "btnApply");
    QVERIFY(f.settings.ManualConnect);
    QCOMPARE(f.settings.DiscOption, 0);

    f.settings.ManualConnect = false;
    f.settings.ConnectName = "Work";
    SetupDialog with(f.settings, f.ini, f.prompter, true, nullptr, {"Home", "Work"});
    QVERIFY(Child<QRadioButton>(&with, "rbDialUp")->isChecked());
    QCOMPARE(Child<QComboBox>(&with, "cbConnection")->currentText(), QString("Work"));
    QVERIFY(!Child<QLabel>(&with, "lblRasNote")->isVisibleTo(&with));
    Child<QRadioButton>(&with, "rbManual")->click();
    QVERIFY(!Child<QComboBox>(&with, "cbConnection")->isEnabled());
}

} // namespace gorlin

QTEST_MAIN(gorlin::SetupDialogTest)
#include "SetupDialogTest.moc"
