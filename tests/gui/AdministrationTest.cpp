#include "core/model/Dates.h"
#include "core/model/LeagueFile.h"
#include "gui/app/LeagueWindow.h"
#include "gui/league/LeaguePages.h"
#include "gui/league/LeagueTablePage.h"
#include "gui/support/GuiFixture.h"
#include "gui/update/UploadDialog.h"
#include "gui/update/VersionDialog.h"
#include "support/LeagueBuilder.h"

using namespace gorlin;
using test::Child;

namespace {

/// Save dialogs answered from a list, keeping where each started.
struct SaveDialogs final : FileDialogs {
    QStringList Answers, Starts;
    QString OpenFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString SaveFile(QWidget*, const QString&, const QString& dir, const QString&) override {
        Starts << dir;
        return Answers.isEmpty() ? QString() : Answers.takeFirst();
    }
    QString Folder(QWidget*, const QString&, const QString&) override { return {}; }
};

League Played() {
    test::LeagueBuilder b;
    b.Teams({"Arsenal", "Burnley", "Chelsea"});
    b.Get().Head.VersionId = 42;
    b.Played(1, 2, 1, 0, ToDayNumber(2019, 4, 1));
    return b.Build();
}

} // namespace

class AdministrationTest : public QObject {
    Q_OBJECT
private slots:
    void versionDialogFromTheAdministrationMenu();
    void uploadDialogProposesTheNameAndWritesTheFile();
};

void AdministrationTest::versionDialogFromTheAdministrationMenu() {
    test::GuiFixture f;
    f.settings.AdminMode = true;
    f.context.installLeaguePages = InstallLeaguePages;
    LeagueWindow window(f.context);
    QVERIFY(window.Load(test::Q(f.file)));
    auto* table = qobject_cast<LeagueTablePage*>(window.Page(LeagueHost::kLeagueTablePage));
    auto* setVersion = table->Popup()->findChild<QAction*>("miSetVersion");
    QVERIFY(setVersion->isEnabled() && table->Popup()->findChild<QAction*>("miCreateUpload")->isEnabled());

    bool driven = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<VersionDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->windowTitle(), QString("Set League Version ID"));
        auto* version = Child<QLineEdit>(dialog, "edVersion");
        auto* address = Child<QLineEdit>(dialog, "edAddress");
        QCOMPARE(version->text() + "|" + address->text(), QString("0|"));
        QCOMPARE(version->maxLength() * 100 + address->maxLength(), 450);
        test::Screenshot(dialog, "VersionDialog");
        version->setText("12a");
        dialog->btnOKClick();
        QCOMPARE(f.prompter.Beeps, 1);
        QVERIFY(version->hasFocus() || !dialog->isActiveWindow());
        version->setText("1999");
        address->setText(" host/updates/ ");
        dialog->btnOKClick();
        QCOMPARE(f.prompter.Take(),
                 QStringList{"error: Version ID must be 2000 or higher if Address is given"});
        QVERIFY(dialog->isVisible());
        version->setText("2000");
        test::Click(dialog, "btnOK");
        driven = true;
    });
    setVersion->trigger();
    QVERIFY(driven);
    QCOMPARE(window.GetLeague().Head.VersionId, 2000);
    QCOMPARE(window.GetLeague().Head.UpdateAddress.str(), std::string("host/updates"));
    QVERIFY(window.SaveAction()->isEnabled());
    QVERIFY(f.prompter.Messages.isEmpty());
}

void AdministrationTest::uploadDialogProposesTheNameAndWritesTheFile() {
    test::GuiFixture f(Played());
    SaveDialogs saves;
    AppContext context(f.settings, f.ini, f.locale, f.prompter, saves, f.context.programFolder);
    f.settings.FilePath = f.dir.Path().string() + "/";

    // The picker starts 60 days before today (12 May 2019) or on the table's first date.
    League league = Played();
    UploadDialog later(league, context, ToDayNumber(2019, 4, 1));
    QCOMPARE(later.SinceDay(), ToDayNumber(2019, 4, 1));
    later.SetSinceDay(ToDayNumber(2019, 1, 1));
    QCOMPARE(later.SinceDay(), ToDayNumber(2019, 4, 1));

    UploadDialog dialog(league, context, ToDayNumber(2019, 1, 1));
    QCOMPARE(dialog.windowTitle(), QString("Create Gorlin Upload File"));
    QCOMPARE(dialog.SinceDay(), ToDayNumber(2019, 3, 13));
    QVERIFY(Child<QCheckBox>(&dialog, "cbSquads")->isChecked());
    dialog.show();
    test::Screenshot(&dialog, "UploadDialog");

    const QString target = test::Q(f.dir / "up" / "gnup0042.txt");
    saves.Answers = {test::Q(f.dir / "missing" / "x.txt"), target};
    std::filesystem::create_directory(f.dir / "up");
    dialog.btnCreateClick();
    QCOMPARE(f.prompter.Take(),
             QStringList{"error: The selected file could not be opened. It may be in-use"});
    QCOMPARE(saves.Starts, (QStringList{f.context.TableFolder() + "gnup0042.txt",
                                        test::Q(f.dir / "missing") + "/gnup0042.txt"}));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(test::ReadFile(f.dir / "up" / "gnup0042.txt").starts_with("Gorlin Update:100 Date:43597\r\n"));

    league.Games[1].Played = 0;
    UploadDialog empty(league, context, 0);
    empty.btnCreateClick();
    QCOMPARE(f.prompter.Take(), QStringList{"information: No games played during the selected period"});
    QCOMPARE(saves.Starts.size(), 2);
}

QTEST_MAIN(AdministrationTest)
#include "AdministrationTest.moc"
