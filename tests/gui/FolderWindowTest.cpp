#include "gui/app/FolderWindow.h"

#include "core/app/TableFolder.h"
#include "core/model/LeagueFile.h"
#include "gui/app/AboutBox.h"
#include "gui/app/HelpWindow.h"
#include "gui/app/HintFilter.h"
#include "gui/app/LeagueWindow.h"
#include "gui/support/GuiFixture.h"

using namespace gorlin;
using test::Child;
using test::Click;
using test::Q;
namespace fs = std::filesystem;

namespace {

void WriteLeague(const fs::path& path, const std::string& title) {
    League league = test::GuiFixture::DefaultLeague();
    league.Head.TableName = title;
    fs::create_directories(path.parent_path());
    QVERIFY(SaveLeague(league, path, SaveOptions{false}));
}

QStringList TopTexts(const FolderWindow& w) {
    QStringList out;
    for (int i = 0; i < w.Tree()->topLevelItemCount(); ++i)
        out << w.Tree()->topLevelItem(i)->text(0);
    return out;
}

bool Enabled(const FolderWindow& w, const char* button) {
    return Child<QPushButton>(&w, button)->isEnabled();
}

const QString kWarning = "information: " + QString(kNotCompatibleWarning);

} // namespace

class FolderWindowTest : public QObject {
    Q_OBJECT
private slots:
    void listsTheTablesAndWarnsOnceAboutAForeignFile();
    void setupAndTheFolderDialogRebuildTheList();
    void deleteAsksThenRemovesOrReports();
    void deletingToTheTrash();
    void openingShowsTheLeagueAndRebuildsWhenTheTitleChanged();
    void enterOpensOrClosesAFolder();
    void helpShowsTheGuideAndHintsFollowTheSetting();
};

void FolderWindowTest::listsTheTablesAndWarnsOnceAboutAForeignFile() {
    test::GuiFixture f;
    test::WriteFile(f.dir / "OTHER.DIV", std::string(300, 'Z'));
    WriteLeague(f.dir / "NAMES.DIV", "Premi\xE8re"); // Windows-1252 e grave
    FolderWindow w(f.context);
    QCOMPARE(w.windowTitle(), QString(kProgramCaption));
    for (const char* button :
         {"btnNew|&New|Create a new league table", "btnOpen|&Open|Open selected table", "btnExit|&Exit|",
          "btnAbout|&About|Display program version information", "btnSetup|&Setup|Set program options",
          "btnDirect|&Folder|Set location of league table files",
          "btnHelp|&Help|Display Help table of contents", "btnDelete|&Delete|Delete the selected table"}) {
        const QStringList parts = QString(button).split('|');
        const auto* b = Child<QPushButton>(&w, qPrintable(parts[0]));
        QCOMPARE(b->text() + '|' + b->toolTip(), parts[1] + '|' + parts[2]);
    }
    QCOMPARE(Child<QLabel>(&w, "lbDirect")->text(),
             "Current Folder: " + QDir::toNativeSeparators(Q(f.dir.Path())));
    QCOMPARE(TopTexts(w), (QStringList{"Premier", QString::fromUtf8("Premi\u00e8re")}));
    QVERIFY(Enabled(w, "btnOpen") && Enabled(w, "btnDelete")); // the first table is selected
    QVERIFY(f.prompter.Messages.isEmpty());                    // the warning waits for the message loop
    QTRY_COMPARE(f.prompter.Messages, QStringList{kWarning});
    w.UpdateFileTable();
    QCoreApplication::processEvents();
    QCOMPARE(f.prompter.Messages.size(), 1);
    QVERIFY2(!fs::exists(f.dir / "gorlin.ini"), "starting writes nothing");
    QTimer::singleShot(0, [] { // the About box without a league has no statistics
        auto* box = qobject_cast<AboutBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr && box->findChild<QWidget*>("pnlStats") == nullptr);
        box->accept();
    });
    Click(&w, "btnAbout");

    // A table that cannot be read is reported, and the folder window stays.
    fs::resize_file(f.file, 140); // the header passes the check, the records are cut off
    w.show();
    QVERIFY(!w.OpenLeague(FolderWindow::FileIndexOf(w.Tree()->topLevelItem(0))));
    QVERIFY(f.prompter.Messages.size() == 2 && f.prompter.Messages[1].startsWith("error: "));
    QVERIFY(w.isVisible() && w.isEnabled());
}

void FolderWindowTest::setupAndTheFolderDialogRebuildTheList() {
    test::GuiFixture f;
    f.settings.ShowSubFolders = false;
    WriteLeague(f.dir / "Cups" / "FACUP.DIV", "Cup Run");
    FolderWindow w(f.context);
    QCOMPARE(TopTexts(w), QStringList{"Premier"});
    QTimer::singleShot(0, [] {
        QWidget* setup = QApplication::activeModalWidget();
        Child<QCheckBox>(setup, "cbSubFolders")->setChecked(true);
        Click(setup, "btnApply");
    });
    Click(&w, "btnSetup");
    QCOMPARE(TopTexts(w), (QStringList{"Premier", "Cups"}));
    w.Tree()->setCurrentItem(w.Tree()->topLevelItem(1)); // Open on a folder expands it; no Delete
    Click(&w, "btnOpen");
    QVERIFY(w.Tree()->topLevelItem(1)->isExpanded() && !Enabled(w, "btnDelete"));
    test::Screenshot(&w, "folder-window");

    Click(&w, "btnDirect"); // cancelled
    QCOMPARE(f.dialogs.Captions, QStringList{"Set League Files Location"});
    QCOMPARE(TopTexts(w).size(), 2);
    const fs::path second = f.dir / "second";
    WriteLeague(second / "SECOND.DIV", "Second Division");
    test::WriteFile(second / "FOREIGN.DIV", std::string(300, 'Q'));
    f.dialogs.Answers = {Q(second)};
    Click(&w, "btnDirect");
    QCOMPARE(TopTexts(w), QStringList{"Second Division"});
    QCOMPARE(Child<QLabel>(&w, "lbDirect")->text(), "Current Folder: " + QDir::toNativeSeparators(Q(second)));
    QCOMPARE(f.prompter.Take(), QStringList{kWarning}); // a new folder warns again
    IniFile reread(f.ini.Path());
    QVERIFY(reread.Load());
    QCOMPARE(reread.ReadString("Options", "FilePath", ""), second.string() + "/");
}

void FolderWindowTest::deleteAsksThenRemovesOrReports() {
    test::GuiFixture f;
    f.settings.RecycleOnDelete = false;
    FolderWindow w(f.context);
    const QString question = "yesno: Are you sure you want to delete Premier";
    f.prompter.Answers = {Prompter::Answer::No};
    Click(&w, "btnDelete");
    QCOMPARE(f.prompter.Take(), QStringList{question});
    QVERIFY(fs::exists(f.file));
    fs::rename(f.file, f.dir / "moved"); // removed behind the program's back: reported, list kept
    f.prompter.Answers = {Prompter::Answer::Yes};
    Click(&w, "btnDelete");
    QCOMPARE(f.prompter.Take(), (QStringList{question, "error: The selected file could not be deleted"}));
    QCOMPARE(w.DivFileCount(), 1);
    fs::rename(f.dir / "moved", f.file);
    f.prompter.Answers = {Prompter::Answer::Yes};
    Click(&w, "btnDelete");
    QVERIFY(!fs::exists(f.file));
    QCOMPARE(w.Tree()->topLevelItemCount() + w.DivFileCount(), 0);
    // Open stays enabled until the next rebuild, and then opens nothing.
    QVERIFY(!Enabled(w, "btnDelete") && Enabled(w, "btnOpen"));
    Click(&w, "btnOpen");
    QVERIFY(w.OpenLeagueWindow() == nullptr);
}

void FolderWindowTest::deletingToTheTrash() {
    test::GuiFixture f;
    const QByteArray home = qgetenv("HOME"), data = qgetenv("XDG_DATA_HOME");
    const QString current = QDir::currentPath();
    auto restore = qScopeGuard([&] {
        qputenv("HOME", home);
        data.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", data);
        QDir::setCurrent(current);
    });
    fs::create_directories(f.dir / "data"); // a trash on the file system of the table
    qputenv("HOME", Q(f.dir.Path()).toLocal8Bit());
    qputenv("XDG_DATA_HOME", Q(f.dir / "data").toLocal8Bit());
    f.prompter.Answers = {Prompter::Answer::Yes, Prompter::Answer::Yes};
    FolderWindow(f.context).btnDeleteClick();
    QVERIFY(!fs::exists(f.file));
    QVERIFY(fs::exists(f.dir / "data" / "Trash" / "files" / "LEAGUE.DIV") &&
            fs::exists(f.dir / "data" / "Trash" / "info" / "LEAGUE.DIV.trashinfo"));
    // Without a usable trash the file is kept and the failure reported: never removed for good,
    // nor moved somewhere below the working folder.
    WriteLeague(f.file, "No Trash Here");
    QDir::setCurrent(Q(f.dir.Path()));
    test::WriteFile(f.dir / "blocked", "a file where the trash folder would be");
    qputenv("XDG_DATA_HOME", Q(f.dir / "blocked").toLocal8Bit());
    qputenv("HOME", Q(f.dir / "blocked").toLocal8Bit());
    FolderWindow(f.context).btnDeleteClick();
    QVERIFY(fs::exists(f.file) && !fs::exists(f.dir / "files") && !fs::exists(f.dir / "info"));
    QCOMPARE(f.prompter.Take().last(),
             "error: The selected file could not be deleted\n\n" + QString(FolderWindow::kNoTrashHint));
}

void FolderWindowTest::openingShowsTheLeagueAndRebuildsWhenTheTitleChanged() {
    test::GuiFixture f;
    FolderWindow w(f.context);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    bool checked = false;
    QTimer::singleShot(0, [&] {
        LeagueWindow* lw = w.OpenLeagueWindow();
        QVERIFY(lw != nullptr && lw->isVisible());
        QVERIFY(!w.isVisible()); // the folder window hides while a league is open
        test::Screenshot(lw, "league-window");
        lw->GetLeague().Head.TableName = "New Title";
        lw->GetLeague().FileListStale = lw->GetLeague().DataChanged = true;
        f.prompter.Answers = {Prompter::Answer::Yes};
        lw->close();
        checked = true;
    });
    emit w.Tree()->itemActivated(w.Tree()->topLevelItem(0), 0); // a double click on the table
    QVERIFY(checked && w.isVisible() && w.OpenLeagueWindow() == nullptr);
    QCOMPARE(TopTexts(w), QStringList{"New Title"});
}

void FolderWindowTest::enterOpensOrClosesAFolder() {
    test::GuiFixture f;
    WriteLeague(f.dir / "Older" / "OLD.DIV", "Last Season");
    FolderWindow w(f.context);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTreeWidgetItem* folder = nullptr;
    for (int i = 0; i < w.Tree()->topLevelItemCount(); ++i)
        if (w.Tree()->topLevelItem(i)->childCount() > 0)
            folder = w.Tree()->topLevelItem(i);
    QVERIFY(folder != nullptr && !folder->isExpanded());
    w.Tree()->setCurrentItem(folder);
    w.Tree()->setFocus();
    QTest::keyClick(w.Tree(), Qt::Key_Return);
    QVERIFY(folder->isExpanded());
    QTest::keyClick(w.Tree(), Qt::Key_Return);
    QVERIFY(!folder->isExpanded());
    QVERIFY(w.OpenLeagueWindow() == nullptr);
}

void FolderWindowTest::helpShowsTheGuideAndHintsFollowTheSetting() {
    test::GuiFixture f;
    HintFilter filter(f.settings);
    qApp->installEventFilter(&filter);
    FolderWindow w(f.context);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* open = Child<QPushButton>(&w, "btnOpen");
    for (bool shown : {false, true}) {
        f.settings.ShowHints = shown;
        QHelpEvent hint(QEvent::ToolTip, QPoint(2, 2), open->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(open, &hint);
        QTRY_COMPARE(QToolTip::isVisible() && QToolTip::text() == "Open selected table", shown);
    }
    QToolTip::hideText();
    qApp->removeEventFilter(&filter);

    Click(&w, "btnHelp");
    auto* help = w.findChild<HelpWindow*>();
    QVERIFY(help != nullptr && help->isVisible());
    QCOMPARE(help->Browser()->documentTitle(), QString("Gorlin Help: Contents"));
    for (const char* page : {"folder.html", "league.html", "setup.html", "table.html", "files.html"})
        QVERIFY2(QFile::exists(QString(":/guide/") + page), page); // every page linked is shipped
}

QTEST_MAIN(FolderWindowTest)
#include "FolderWindowTest.moc"
