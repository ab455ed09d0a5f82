#include "gui/app/SetupDialog.h"

#include "core/app/SetupRules.h"
#include "gui/support/ScriptedPrompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace gorlin {

class SetupDialogTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void opensWithTheSettings();
    void colourClashIsRefused();
    void elementsKeepTheirOwnWorkingColour();
    void renamedPositionIsWritten();
    void restoreDefaultBringsBackTheLongSet();
    void columnsMoveAndSwitchSets();
    void proxyPortThatIsNotANumberIs80();
    void proxyWithoutAddressIsRefused();
    void cancelChangesNothing();
    void dialupPageWithoutTheService();
    void okWritesOnlyItsKeysAndKeepsTheRest();
    void screenshots();

private:
    /// The settings as their writer would store them, for comparing whole settings.
    static std::string Snapshot(const Settings& s) {
        IniFile ini;
        s.WriteSetup(ini);
        s.WriteFormSize(ini);
        s.WriteFilePath(ini);
        s.WritePlayerCols(ini);
        return ini.Text();
    }
    template <typename T> static T* Child(SetupDialog& d, const char* name) {
        T* w = d.findChild<T*>(name);
        if (w == nullptr)
            qFatal("no control %s", name);
        return w;
    }
    static void Ok(SetupDialog& d) { QTest::mouseClick(Child<QPushButton>(d, "btnApply"), Qt::LeftButton); }
    QString IniText() const {
        QFile f(m_path);
        return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
    Settings m_settings;
    IniFile m_ini;
    test::ScriptedPrompter m_prompter;
};

void SetupDialogTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_path = m_dir->filePath("gorlin.ini");
    m_ini = IniFile(m_path.toStdString());
    QVERIFY(m_ini.Load().Ok);
    m_settings = Settings::Read(m_ini, m_dir->path().toStdString() + "/");
    m_prompter = test::ScriptedPrompter();
}

void SetupDialogTest::opensWithTheSettings() {
    m_settings.ShowPoss = true;
    m_settings.FormGames = 17;
    m_settings.SquadSort = 0;
    m_settings.Positions[2] = "Back";
    m_settings.TableTag = "<TABLE BORDER=1>";
    SetupDialog d(m_settings, m_ini, m_prompter, false);
    QCOMPARE(d.windowTitle(), QString("Setup"));
    QCOMPARE(Child<QPushButton>(d, "btnApply")->text(), QString("&Ok"));
    QCOMPARE(Child<QPushButton>(d, "btnCancel")->text(), QString("&Cancel"));
    auto* pages = Child<QTabWidget>(d, "pcSetup");
    QCOMPARE(pages->count(), 5);
    const QStringList titles = {"General", "Squads", "HTML", "Table", "Dialup"};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(pages->tabText(i), titles[i]);
    QVERIFY(Child<QCheckBox>(d, "cbShowPoss")->isChecked());
    QVERIFY(Child<QCheckBox>(d, "cbTakeBackup")->isChecked());
    QCOMPARE(Child<QSpinBox>(d, "seFormGames")->value(), 17);
    QCOMPARE(Child<QSpinBox>(d, "seFormGames")->minimum(), 2);
    QCOMPARE(Child<QSpinBox>(d, "seFormGames")->maximum(), 30);
    QVERIFY(Child<QRadioButton>(d, "rbSortTime")->isChecked());
    // The promoted element is chosen and the box shows its colour (yellow).
    QVERIFY(Child<QRadioButton>(d, "rbPromoted")->isChecked());
    QCOMPARE(Child<QComboBox>(d, "cbColour")->count(), 14);
    QCOMPARE(Child<QComboBox>(d, "cbColour")->currentIndex(), PaletteIndex(0x00FFFF));

    auto* positions = Child<QListWidget>(d, "lbPositions");
    QCOMPARE(positions->count(), 9);
    QCOMPARE(positions->item(0)->text(), QString("1 - Goal Keeper"));
    QCOMPARE(positions->item(1)->text(), QString("2 - Back"));
    QCOMPARE(positions->item(8)->text(), QString("9 - "));
    QCOMPARE(positions->currentRow(), 0);
    QCOMPARE(Child<QLineEdit>(d, "edPosition")->text(), QString("Goal Keeper"));
    QCOMPARE(Child<QLineEdit>(d, "edTableTag")->text(), QString("<TABLE BORDER=1>"));

    QVERIFY(Child<QRadioButton>(d, "rbLong")->isChecked());
    auto* columns = Child<QListWidget>(d, "lbColumns");
    QCOMPARE(columns->count(), 22);
    QCOMPARE(columns->item(0)->text(), QString::fromStdString(ColumnDescription('A')));
    QCOMPARE(columns->item(2)->checkState(), Qt::Unchecked); // V not in use
    QCOMPARE(columns->item(21)->checkState(), Qt::Checked);  // U
    QVERIFY(!Child<QLineEdit>(d, "edProxyName")->isEnabled());
    QVERIFY(!Child<QLineEdit>(d, "edProxyPort")->isEnabled());
    QCOMPARE(Child<QLineEdit>(d, "edProxyName")->maxLength(), 80);
    QCOMPARE(Child<QLineEdit>(d, "edProxyPort")->maxLength(), 4);
}

void SetupDialogTest::colourClashIsRefused() {
    const std::string before = Snapshot(m_settings);
    SetupDialog d(m_settings, m_ini, m_prompter, false);
    d.show();
    Child<QRadioButton>(d, "rbPromoted")->click();
    Child<QComboBox>(d, "cbColour")->setCurrentIndex(PaletteIndex(0x0000FF)); // red, as the own team
    Child<QCheckBox>(d, "cbShowPoss")->setChecked(true);
    Ok(d);
    QCOMPARE(m_prompter.Texts(),
             QStringList{"Your Own Team colour cannot be the same as one of the other four"});
    QCOMPARE(m_prompter.Messages.front().Kind, QString("error"));
    QVERIFY(d.isVisible());
    QCOMPARE(Snapshot(m_settings), before);
    QVERIFY(!QFile::exists(m_path));

    // Another colour for the promoted teams lets OK through.
    Child<QComboBox>(d, "cbColour")->setCurrentIndex(PaletteIndex(0xFF00FF));
    Ok(d);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(m_settings.Colour1, Colour(0xFF00FF));
    QVERIFY(m_settings.ShowPoss);
    QVERIFY(IniText().contains("Colour1=16711935"));
}

void SetupDialogTest::elementsKeepTheirOwnWorkingColour() {
    m_settings.Colour3 = 0x123456; // not in the palette
    SetupDialog d(m_settings, m_ini, m_prompter, false);
    auto* box = Child<QComboBox>(d, "cbColour");
    Child<QRadioButton>(d, "rbPlayoffs")->click();
    QCOMPARE(box->currentIndex(), PaletteIndex(0x00FF00));
    box->setCurrentIndex(PaletteIndex(0x808000));
    // A colour outside the palette leaves the box as it was, and is not changed by showing it.
    Child<QRadioButton>(d, "rbRelegated")->click();
    QCOMPARE(box->currentIndex(), PaletteIndex(0x808000));
    Child<QRadioButton>(d, "rbDefault")->click();
    QCOMPARE(box->currentIndex(), PaletteIndex(0xC0C0C0));
    Child<QRadioButton>(d, "rbPlayoffs")->click();
    QCOMPARE(box->currentIndex(), PaletteIndex(0x808000));
    Ok(d);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(m_settings.Colour2, Colour(0x808000));
    QCOMPARE(m_settings.Colour3, Colour(0x123456));
    QCOMPARE(m_settings.Colour5, Colour(0xC0C0C0));
}

void SetupDialogTest::renamedPositionIsWritten() {
    SetupDialog d(m_settings, m_ini, m_prompter, false);
    d.show();
    auto* positions = Child<QListWidget>(d, "lbPositions");
    auto* edit = Child<QLineEdit>(d, "edPosition");
    positions->setCurrentRow(4);
    QCOMPARE(edit->text(), QString(""));
    QTest::keyClicks(edit, "Sweeper");
    QCOMPARE(positions->item(4)->text(), QString("5 - Sweeper"));
    // Choosing another line shows its name and leaves the edited one alone.
    positions->setCurrentRow(1);
    QCOMPARE(edit->text(), QString("Defender"));
    QCOMPARE(positions->item(4)->text(), QString("5 - Sweeper"));
    QCOMPARE(m_settings.Positions[5], std::string()); // nothing taken before OK
    Ok(d);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(m_settings.Positions[5], std::string("Sweeper"));
    IniFile back(m_path.toStdString());
    QVERIFY(back.Load().Ok);
    QCOMPARE(back.ReadString("Squads", "Position5", "?"), std::string("Sweeper"));
    QCOMPARE(back.ReadString("Squads", "Position2", "?"), std::string("Defender"));
}

void SetupDialogTest::restoreDefaultBringsBackTheLongSet() {
    SetupDialog d(m_settings, m_ini, m_prompter, false);
    auto* columns = Child<QListWidget>(d, "lbColumns");
    columns->item(1)->setCheckState(Qt::Unchecked); // B
    QTest::mouseClick(Child<QPushButton>(d, "btnRestore"), Qt::LeftButton);
    QCOMPARE(columns->item(1)->checkState(), Qt::Checked);
    Ok(d);
    QCOMPARE(m_settings.TableLong, std::string("ABCDEFGHIJKLMSU"));

    // Without Restore Default, the unticked column is gone.
    SetupDialog again(m_settings, m_ini, m_prompter, false);
    Child<QListWidget>(again, "lbColumns")->item(1)->setCheckState(Qt::Unchecked);
    Ok(again);
    QCOMPARE(m_settings.TableLong, std::string("ACDEFGHIJKLMSU"));
    QVERIFY(IniText().contains("TableLong=ACDEFGHIJKLMSU"));
}

void SetupDialogTest::columnsMoveAndSwitchSets() {
    SetupDialog d(m_settings, m_ini, m_prompter, false);
    auto* columns = Child<QListWidget>(d, "lbColumns");
    // Tick V (third line) and move it to the top.
    columns->item(2)->setCheckState(Qt::Checked);
    columns->setCurrentRow(2);
    QTest::mouseClick(Child<QPushButton>(d, "btnUp"), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(d, "btnUp"), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(d, "btnUp"), Qt::LeftButton); // at the top already
    QCOMPARE(columns->currentRow(), 0);
    QCOMPARE(columns->item(0)->text(), QString::fromStdString(ColumnDescription('V')));
    QCOMPARE(columns->item(0)->checkState(), Qt::Checked);
    // The short set: drop U by moving... untick the last line, then back to long.
    Child<QRadioButton>(d, "rbShort")->click();
    QCOMPARE(columns->count(), 12);
    QCOMPARE(columns->item(11)->text(), QString::fromStdString(ColumnDescription('U')));
    columns->item(11)->setCheckState(Qt::Unchecked);
    columns->setCurrentRow(0);
    QTest::mouseClick(Child<QPushButton>(d, "btnDown"), Qt::LeftButton);
    QCOMPARE(columns->currentRow(), 1);
    Child<QRadioButton>(d, "rbLong")->click();
    QCOMPARE(columns->count(), 22);
    QCOMPARE(columns->item(0)->text(), QString::fromStdString(ColumnDescription('V')));
    QCOMPARE(m_settings.TableLong, std::string("ABCDEFGHIJKLMSU")); // working copies only
    Ok(d);
    QCOMPARE(m_settings.TableLong, std::string("VABCDEFGHIJKLMSU"));
    QCOMPARE(m_settings.TableShort, std::string("BACNOPQRS"));
}

void SetupDialogTest::proxyPortThatIsNotANumberIs80() {
    SetupDialog d(m_settings, m_ini, m_prompter, false);
    d.show();
    auto* use = Child<QCheckBox>(d, "cbUseProxy");
    auto* name = Child<QLineEdit>(d, "edProxyName");
    auto* port = Child<QLineEdit>(d, "edProxyPort");
    QTest::mouseClick(use, Qt::LeftButton, {}, QPoint(6, use->height() / 2));
    QVERIFY(use->isChecked());
    QVERIFY(name->isEnabled()); // without the dial-up service too
    QVERIFY(port->isEnabled());
    QTest::keyClicks(name, "  proxy.example  ");
    port->clear();
    QTest::keyClicks(port, "8x");
    Ok(d);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QVERIFY(m_settings.UseProxy);
    QCOMPARE(m_settings.ProxyName, std::string("proxy.example"));
    QCOMPARE(m_settings.ProxyPort, 80);
    QVERIFY(IniText().contains("ProxyPort=80"));
    QVERIFY(IniText().contains("ProxyName=proxy.example\n"));

    // Unticking closes the boxes again.
    SetupDialog again(m_settings, m_ini, m_prompter, false);
    QVERIFY(Child<QLineEdit>(again, "edProxyName")->isEnabled());
    Child<QCheckBox>(again, "cbUseProxy")->click();
    QVERIFY(!Child<QLineEdit>(again, "edProxyName")->isEnabled());
    QVERIFY(!Child<QLineEdit>(again, "edProxyPort")->isEnabled());
}

void SetupDialogTest::proxyWithoutAddressIsRefused() {
    SetupDialog d(m_settings, m_ini, m_prompter, false);
    d.show();
    Child<QCheckBox>(d, "cbUseProxy")->click();
    QTest::keyClicks(Child<QLineEdit>(d, "edProxyName"), "   ");
    Child<QListWidget>(d, "lbPositions")->setCurrentRow(5);
    QTest::keyClicks(Child<QLineEdit>(d, "edPosition"), "Libero");
    Ok(d);
    QCOMPARE(m_prompter.Texts(),
             QStringList{"You have selected to use a proxy but have not entered an address/name"});
    QVERIFY(d.isVisible());
    QVERIFY(!QFile::exists(m_path)); // nothing written
    QVERIFY(m_settings.UseProxy);    // but in force for this run
    QCOMPARE(m_settings.Positions[6], std::string());
}

void SetupDialogTest::cancelChangesNothing() {
    const std::string before = Snapshot(m_settings);
    SetupDialog d(m_settings, m_ini, m_prompter, false);
    d.show();
    Child<QCheckBox>(d, "cbShowPoss")->setChecked(true);
    Child<QSpinBox>(d, "seFormGames")->setValue(3);
    Child<QComboBox>(d, "cbColour")->setCurrentIndex(0);
    Child<QListWidget>(d, "lbPositions")->setCurrentRow(0);
    QTest::keyClicks(Child<QLineEdit>(d, "edPosition"), "X");
    Child<QListWidget>(d, "lbColumns")->item(0)->setCheckState(Qt::Unchecked);
    Child<QLineEdit>(d, "edTableTag")->setText("<TABLE>");
    QTest::mouseClick(Child<QPushButton>(d, "btnCancel"), Qt::LeftButton);
    QCOMPARE(d.result(), int(QDialog::Rejected));
    QVERIFY(!d.isVisible());
    QCOMPARE(Snapshot(m_settings), before);
    QVERIFY(!QFile::exists(m_path));
    QVERIFY(m_prompter.Messages.isEmpty());
}

void SetupDialogTest::dialupPageWithoutTheService() {
    m_settings.ManualConnect = false; // stored, but the service is absent
    m_settings.DiscOption = 2;
    SetupDialog d(m_settings, m_ini, m_prompter, false);
    d.show();
    Child<QTabWidget>(d, "pcSetup")->setCurrentIndex(4);
    auto* manual = Child<QRadioButton>(d, "rbManual");
    auto* dialUp = Child<QRadioButton>(d, "rbDialUp");
    QVERIFY(manual->isChecked());
    QVERIFY(!manual->isEnabled());
    QVERIFY(!dialUp->isEnabled());
    QVERIFY(!Child<QComboBox>(d, "cbConnection")->isEnabled());
    QVERIFY(!Child<QRadioButton>(d, "rbDiscAsk")->isEnabled());
    QVERIFY(Child<QRadioButton>(d, "rbDiscManual")->isChecked());
    auto* note = Child<QLabel>(d, "lblRasNote");
    QVERIFY(note->isVisible());
    QCOMPARE(
        note->text(),
        QString("The RAS API is not available on this system so RAS related options have been disabled. "));
    Ok(d);
    QVERIFY(m_settings.ManualConnect);
    QCOMPARE(m_settings.DiscOption, 0);

    // With the service, the stored choice is shown and the entry list offered.
    m_settings.ManualConnect = false;
    m_settings.ConnectName = "Work";
    SetupDialog with(m_settings, m_ini, m_prompter, true, nullptr, {"Home", "Work"});
    QVERIFY(Child<QRadioButton>(with, "rbDialUp")->isChecked());
    QVERIFY(Child<QComboBox>(with, "cbConnection")->isEnabled());
    QCOMPARE(Child<QComboBox>(with, "cbConnection")->currentText(), QString("Work"));
    QVERIFY(!Child<QLabel>(with, "lblRasNote")->isVisibleTo(&with));
    Child<QRadioButton>(with, "rbManual")->click();
    QVERIFY(!Child<QComboBox>(with, "cbConnection")->isEnabled());
}

void SetupDialogTest::okWritesOnlyItsKeysAndKeepsTheRest() {
    QFile f(m_path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(
        "; my "
        "notes\n[Options]\nAdminMode=1\nFilePath=/leagues/\n[Queries]\nQryCount=1\nQryQuery1=a=b,\"c\"\n");
    f.close();
    QVERIFY(m_ini.Load().Ok);
    m_settings = Settings::Read(m_ini, "/prog/");
    SetupDialog d(m_settings, m_ini, m_prompter, false);
    Ok(d);
    const QString text = IniText();
    QVERIFY(text.startsWith("; my notes\n[Options]\nAdminMode=1\nFilePath=/leagues/\n"));
    QVERIFY(text.contains("[Queries]\nQryCount=1\nQryQuery1=a=b,\"c\"\n"));
    QVERIFY(text.contains("TakeBackup=1"));
    QVERIFY(!text.contains("ProcLeft"));
    QVERIFY(!text.contains("FontName"));
}

void SetupDialogTest::screenshots() {
    m_settings.Positions[5] = "Sweeper";
    SetupDialog d(m_settings, m_ini, m_prompter, false);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    auto* pages = Child<QTabWidget>(d, "pcSetup");
    const char* const names[] = {"setup-general", "setup-squads", "setup-html", "setup-table",
                                 "setup-dialup"};
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        QTest::qWait(20);
        test::Screenshot(&d, names[i]);
    }
}

} // namespace gorlin

QTEST_MAIN(gorlin::SetupDialogTest)
#include "SetupDialogTest.moc"
