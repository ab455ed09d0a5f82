#include "gui/app/FolderWindow.h"

#include "core/model/LeagueFile.h"
#include "gui/app/HelpWindow.h"
#include "gui/app/HintFilter.h"
#include "gui/app/LeagueWindow.h"
#include "gui/league/LeaguePages.h"
#include "gui/support/ScriptedPrompter.h"
#include "platform/SystemLocale.h"
#include "support/TestPaths.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QToolTip>
#include <QTreeWidget>
#include <QtTest>
#include <fstream>

using namespace gorlin;
namespace fs = std::filesystem;

namespace {

QString Q(const fs::path& p) {
    return QString::fromStdString(p.string());
}

/// A program folder in a temporary folder, with scripted message boxes and dialogs.
struct Fixture {
    test::TempDir dir;
    Settings settings;
    IniFile ini{(dir / "gorlin.ini").string()};
    Locale locale = LocaleFrom(QLocale(QLocale::English, QLocale::UnitedKingdom), QDate(2019, 5, 12));
    test::ScriptedPrompter prompter;
    test::ScriptedFileDialogs dialogs;
    AppContext context{settings, ini, locale, prompter, dialogs, Q(dir.Path()) + "/"};

    Fixture() {
        context.installLeaguePages = InstallLeaguePages;
        fs::create_directories(dir / "tables");
        settings.FilePath = (dir / "tables").string() + "/";
    }
    fs::path Tables() const { return dir / "tables"; }
};

void WriteLeague(const fs::path& path, const std::string& title) {
    fs::create_directories(path.parent_path());
    League league = MakeEmptyLeague();
    league.Head.TableName = title;
    QVERIFY2(SaveLeague(league, path, SaveOptions{false}).Ok, path.string().c_str());
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

QStringList TopTexts(const QTreeWidget* tree) {
    QStringList out;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        out << tree->topLevelItem(i)->text(0);
    return out;
}

QPushButton* Button(QWidget* w, const char* name) {
    return w->findChild<QPushButton*>(name);
}

} // namespace

class FolderWindowTest : public QObject {
    Q_OBJECT
private slots:
    void buttonsCarryTheirCaptionsAndHints();
    void listsOneTableAndWarnsOnceAboutTheForeignFile();
    void subFoldersFollowTheSettingAndSetup();
    void choosingAFolderStoresItAndWarnsAgain();
    void deletingAsksAndReportsFailures();
    void deletingToTheTrash();
    void openingShowsTheLeagueAndRebuildsWhenTheTitleChanged();
    void anUnreadableLeagueKeepsTheFolderWindow();
    void helpShowsTheGuide();
    void hintsFollowShowHints();
    void startsWithTheDefaultsWithoutASettingsFile();
};

void FolderWindowTest::buttonsCarryTheirCaptionsAndHints() {
    Fixture f;
    FolderWindow w(f.context);
    QCOMPARE(w.windowTitle(), QString("Gorlin 4.7"));
    const QList<std::tuple<const char*, QString, QString>> expected = {
        {"btnNew", "&New", "Create a new league table"},
        {"btnOpen", "&Open", "Open selected table"},
        {"btnExit", "&Exit", ""},
        {"btnAbout", "&About", "Display program version information"},
        {"btnSetup", "&Setup", "Set program options"},
        {"btnDirect", "&Folder", "Set location of league table files"},
        {"btnHelp", "&Help", "Display Help table of contents"},
        {"btnDelete", "&Delete", "Delete the selected table"},
    };
    for (const auto& [name, caption, hint] : expected) {
        QPushButton* b = Button(&w, name);
        QVERIFY2(b != nullptr, name);
        QCOMPARE(b->text(), caption);
        QCOMPARE(b->toolTip(), hint);
    }
    // An empty folder: nothing to open or delete, and no warning.
    QVERIFY(!Button(&w, "btnOpen")->isEnabled());
    QVERIFY(!Button(&w, "btnDelete")->isEnabled());
    QCoreApplication::processEvents();
    QVERIFY(f.prompter.Messages.isEmpty());
    QCOMPARE(w.findChild<QLabel*>("lbDirect")->text(),
             "Current Folder: " + QDir::toNativeSeparators(Q(f.Tables())));
}

void FolderWindowTest::listsOneTableAndWarnsOnceAboutTheForeignFile() {
    Fixture f;
    WriteLeague(f.Tables() / "LEAGUE.DIV", "Premier L\xE9"
                                           "ague"); // Windows-1252 e acute
    WriteBytes(f.Tables() / "readme.txt", "hello");
    WriteLeague(f.Tables() / "A.DIV", "Too Short");
    WriteBytes(f.Tables() / "OTHER.DIV", std::string(300, 'Z'));

    FolderWindow w(f.context);
    QCOMPARE(TopTexts(w.Tree()), QStringList{QString::fromUtf8("Premier L\u00e9ague")});
    QCOMPARE(w.DivFileCount(), 1);
    // The start-up warning comes once the message loop runs.
    QVERIFY(f.prompter.Messages.isEmpty());
    QTRY_COMPARE(f.prompter.Messages.size(), 1);
    QCOMPARE(f.prompter.Messages[0].Kind, QString("information"));
    QCOMPARE(f.prompter.Messages[0].Text, QString::fromLatin1(kNotCompatibleWarning));
    QVERIFY(Button(&w, "btnOpen")->isEnabled());
    QVERIFY(Button(&w, "btnDelete")->isEnabled()); // the first table is selected

    w.UpdateFileTable();
    QCOMPARE(f.prompter.Messages.size(), 1);
    QCOMPARE(w.Tree()->topLevelItemCount(), 1);

    // Deleting the only table leaves Open enabled until the next rebuild; Open then does nothing.
    f.prompter.Answers = {Prompter::Answer::Yes};
    f.settings.RecycleOnDelete = false;
    Button(&w, "btnDelete")->click();
    QCOMPARE(w.Tree()->topLevelItemCount(), 0);
    QVERIFY(Button(&w, "btnOpen")->isEnabled());
    QVERIFY(!Button(&w, "btnDelete")->isEnabled());
    Button(&w, "btnOpen")->click();
    QVERIFY(w.OpenLeagueWindow() == nullptr);
}

void FolderWindowTest::subFoldersFollowTheSettingAndSetup() {
    Fixture f;
    f.settings.ShowSubFolders = false;
    WriteLeague(f.Tables() / "TOP.DIV", "Top Flight");
    WriteLeague(f.Tables() / "Cups" / "FACUP.DIV", "Cup Run");
    WriteLeague(f.Tables() / "Cups" / "Old" / "CUP1999.DIV", "Cup 1999");

    FolderWindow w(f.context);
    QCOMPARE(TopTexts(w.Tree()), QStringList{"Top Flight"});

    // Setup turns sub-folders on: the list is rebuilt at once.
    QTimer::singleShot(0, [] {
        auto* setup = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(setup != nullptr);
        setup->findChild<QCheckBox*>("cbSubFolders")->setChecked(true);
        setup->findChild<QPushButton*>("btnApply")->click();
    });
    Button(&w, "btnSetup")->click();
    QVERIFY(f.settings.ShowSubFolders);
    QCOMPARE(TopTexts(w.Tree()), (QStringList{"Top Flight", "Cups"}));
    QTreeWidgetItem* cups = w.Tree()->topLevelItem(1);
    QCOMPARE(FolderWindow::FileIndexOf(cups), 0);
    QCOMPARE(cups->childCount(), 2);
    QCOMPARE(cups->child(0)->text(0), QString("Cup Run"));
    QCOMPARE(cups->child(1)->text(0), QString("Old"));
    QCOMPARE(w.FilePathOf(FolderWindow::FileIndexOf(cups->child(0))), Q(f.Tables()) + "/Cups/FACUP.DIV");

    // Open on a folder expands it; Delete is not offered for a folder.
    w.Tree()->setCurrentItem(cups);
    QVERIFY(!Button(&w, "btnDelete")->isEnabled());
    Button(&w, "btnOpen")->click();
    QVERIFY(cups->isExpanded());
    QVERIFY(w.OpenLeagueWindow() == nullptr);
    w.Tree()->setCurrentItem(cups->child(0));
    QVERIFY(Button(&w, "btnDelete")->isEnabled());

    test::Screenshot(&w, "folder-window");

    // And off again, set directly.
    f.settings.ShowSubFolders = false;
    w.UpdateFileTable();
    QCOMPARE(TopTexts(w.Tree()), QStringList{"Top Flight"});
}

void FolderWindowTest::choosingAFolderStoresItAndWarnsAgain() {
    Fixture f;
    WriteBytes(f.Tables() / "OTHER.DIV", std::string(300, 'Z'));
    FolderWindow w(f.context);
    QTRY_COMPARE(f.prompter.Messages.size(), 1);

    // Cancel changes nothing.
    Button(&w, "btnDirect")->click();
    QCOMPARE(f.dialogs.Captions, QStringList{"Set League Files Location"});
    QCOMPARE(f.settings.FilePath, f.Tables().string() + "/");

    const fs::path second = f.dir / "second";
    WriteLeague(second / "SECOND.DIV", "Second Division");
    WriteBytes(second / "FOREIGN.DIV", std::string(300, 'Q'));
    f.dialogs.Answers = {Q(second)};
    Button(&w, "btnDirect")->click();
    QCOMPARE(f.settings.FilePath, second.string() + "/");
    QCOMPARE(w.findChild<QLabel*>("lbDirect")->text(),
             "Current Folder: " + QDir::toNativeSeparators(Q(second)));
    QCOMPARE(TopTexts(w.Tree()), QStringList{"Second Division"});
    // The folder changed: the warning is shown again, once.
    QCOMPARE(f.prompter.Messages.size(), 2);
    QCOMPARE(f.prompter.Messages[1].Text, QString::fromLatin1(kNotCompatibleWarning));

    // Written to the settings file and nothing else of it.
    IniFile reread(f.ini.Path());
    QVERIFY(reread.Load().Ok);
    QCOMPARE(QString::fromStdString(reread.ReadString("Options", "FilePath", "")), Q(second) + "/");
    QVERIFY(!reread.HasKey("FormSize", "ProcWidth"));
}

void FolderWindowTest::deletingAsksAndReportsFailures() {
    Fixture f;
    f.settings.RecycleOnDelete = false;
    WriteLeague(f.Tables() / "AAAAAA.DIV", "Alpha");
    WriteLeague(f.Tables() / "BBBBBB.DIV", "Beta");
    FolderWindow w(f.context);
    QCOMPARE(TopTexts(w.Tree()), (QStringList{"Alpha", "Beta"}));

    // No keeps the file.
    f.prompter.Answers = {Prompter::Answer::No};
    Button(&w, "btnDelete")->click();
    QCOMPARE(f.prompter.Messages.last().Kind, QString("yesno"));
    QCOMPARE(f.prompter.Messages.last().Text, QString("Are you sure you want to delete Alpha"));
    QVERIFY(fs::exists(f.Tables() / "AAAAAA.DIV"));
    QCOMPARE(w.Tree()->topLevelItemCount(), 2);

    // A file removed behind the program's back cannot be deleted: reported, list unchanged.
    fs::remove(f.Tables() / "AAAAAA.DIV");
    f.prompter.Answers = {Prompter::Answer::Yes};
    Button(&w, "btnDelete")->click();
    QCOMPARE(f.prompter.Messages.last().Kind, QString("error"));
    QCOMPARE(f.prompter.Messages.last().Text, QString("The selected file could not be deleted"));
    QCOMPARE(w.Tree()->topLevelItemCount(), 2);
    QCOMPARE(w.DivFileCount(), 2);

    // Yes removes it for good when the recycle bin is off.
    w.Tree()->setCurrentItem(w.Tree()->topLevelItem(1));
    f.prompter.Answers = {Prompter::Answer::Yes};
    Button(&w, "btnDelete")->click();
    QVERIFY(!fs::exists(f.Tables() / "BBBBBB.DIV"));
    QCOMPARE(TopTexts(w.Tree()), QStringList{"Alpha"});
    QCOMPARE(w.DivFileCount(), 1);
}

void FolderWindowTest::deletingToTheTrash() {
    Fixture f;
    f.settings.RecycleOnDelete = true;
    WriteLeague(f.Tables() / "LEAGUE.DIV", "Kept In Trash");
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldData = qgetenv("XDG_DATA_HOME");
    auto restore = qScopeGuard([&] {
        qputenv("HOME", oldHome);
        if (oldData.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", oldData);
    });
    // A trash below the temporary folder (same file system as the table).
    qputenv("HOME", Q(f.dir.Path()).toLocal8Bit());
    qputenv("XDG_DATA_HOME", Q(f.dir / "data").toLocal8Bit());
    fs::create_directories(f.dir / "data");
    {
        FolderWindow w(f.context);
        f.prompter.Answers = {Prompter::Answer::Yes};
        Button(&w, "btnDelete")->click();
        QVERIFY(!fs::exists(f.Tables() / "LEAGUE.DIV"));
        QVERIFY(fs::exists(f.dir / "data" / "Trash" / "files" / "LEAGUE.DIV"));
        QCOMPARE(w.Tree()->topLevelItemCount(), 0);
    }
    // Without a usable trash the file is kept and the failure reported: never removed for good,
    // nor moved somewhere below the working folder.
    const QString oldCurrent = QDir::currentPath();
    auto restoreCurrent = qScopeGuard([&] { QDir::setCurrent(oldCurrent); });
    QDir::setCurrent(Q(f.dir.Path()));
    WriteLeague(f.Tables() / "SECOND.DIV", "No Trash Here");
    WriteBytes(f.dir / "blocked", "a file where the trash folder would be");
    qputenv("XDG_DATA_HOME", Q(f.dir / "blocked").toLocal8Bit());
    qputenv("HOME", Q(f.dir / "blocked").toLocal8Bit());
    {
        FolderWindow w(f.context);
        f.prompter.Answers = {Prompter::Answer::Yes};
        Button(&w, "btnDelete")->click();
        QVERIFY(fs::exists(f.Tables() / "SECOND.DIV"));
        QCOMPARE(f.prompter.Messages.last().Text, QString("The selected file could not be deleted"));
        QCOMPARE(w.Tree()->topLevelItemCount(), 1);
        QVERIFY(!fs::exists(f.dir / "files" / "SECOND.DIV"));
        QVERIFY(!fs::exists(f.dir / "info" / "SECOND.DIV.trashinfo"));
    }
}

void FolderWindowTest::openingShowsTheLeagueAndRebuildsWhenTheTitleChanged() {
    Fixture f;
    WriteLeague(f.Tables() / "LEAGUE.DIV", "Old Title");
    FolderWindow w(f.context);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    bool checked = false;
    QTimer::singleShot(0, [&] {
        LeagueWindow* lw = w.OpenLeagueWindow();
        QVERIFY(lw != nullptr);
        QVERIFY(lw->isVisible());
        QVERIFY(!w.isVisible()); // the folder window hides while a league is open
        QCOMPARE(lw->windowTitle(), QString("Gorlin 4.7 - Old Title"));
        test::Screenshot(lw, "league-window");
        League& league = lw->GetLeague();
        league.Head.TableName = "New Title";
        league.FileListStale = true;
        league.DataChanged = true;
        f.prompter.Answers = {Prompter::Answer::Yes};
        lw->close();
        checked = true;
    });
    // Double-click on the file node opens it.
    QTreeWidgetItem* item = w.Tree()->topLevelItem(0);
    QVERIFY(item != nullptr);
    emit w.Tree()->itemActivated(item, 0);
    QVERIFY(checked);
    QVERIFY(w.isVisible());
    QVERIFY(w.OpenLeagueWindow() == nullptr);
    QCOMPARE(TopTexts(w.Tree()), QStringList{"New Title"});
}

void FolderWindowTest::anUnreadableLeagueKeepsTheFolderWindow() {
    Fixture f;
    // A header that passes the check but promises teams the file does not hold.
    League league = MakeEmptyLeague();
    league.Head.TableName = "Truncated";
    league.Head.TeamCount = 20;
    WriteBytes(f.Tables() / "BROKEN.DIV",
               std::string(reinterpret_cast<const char*>(&league.Head), sizeof(DivHead)));
    FolderWindow w(f.context);
    w.show();
    QCOMPARE(TopTexts(w.Tree()), QStringList{"Truncated"});
    QVERIFY(!w.OpenLeague(1));
    QCOMPARE(f.prompter.Messages.size(), 1);
    QCOMPARE(f.prompter.Messages[0].Kind, QString("error"));
    QVERIFY(f.prompter.Messages[0].Text.contains("could not be opened"));
    QVERIFY(w.isVisible());
    QVERIFY(w.isEnabled());
    QVERIFY(w.OpenLeagueWindow() == nullptr);
}

void FolderWindowTest::helpShowsTheGuide() {
    Fixture f;
    FolderWindow w(f.context);
    Button(&w, "btnHelp")->click();
    auto* help = w.findChild<HelpWindow*>();
    QVERIFY(help != nullptr);
    QVERIFY(help->isVisible());
    QTextBrowser* browser = help->Browser();
    QCOMPARE(browser->documentTitle(), QString("Gorlin Help: Contents"));
    // Every page the contents link to is shipped.
    for (const char* page : {"folder.html", "league.html", "setup.html", "table.html", "files.html"}) {
        browser->setSource(QUrl(QString("qrc:/guide/") + page));
        QVERIFY2(!browser->toPlainText().trimmed().isEmpty(), page);
        QVERIFY2(browser->toPlainText().contains("Contents"), page);
    }
    help->ShowContents();
    QCOMPARE(browser->documentTitle(), QString("Gorlin Help: Contents"));
}

void FolderWindowTest::hintsFollowShowHints() {
    Fixture f;
    HintFilter filter(f.settings);
    qApp->installEventFilter(&filter);
    FolderWindow w(f.context);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QPushButton* open = Button(&w, "btnOpen");
    auto sendHint = [&] {
        QHelpEvent hint(QEvent::ToolTip, QPoint(2, 2), open->mapToGlobal(QPoint(2, 2)));
        return QApplication::sendEvent(open, &hint);
    };
    f.settings.ShowHints = false;
    QVERIFY(sendHint()); // swallowed
    QVERIFY(!QToolTip::isVisible());
    f.settings.ShowHints = true;
    QVERIFY(sendHint());
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QString("Open selected table"));
    QToolTip::hideText();
    qApp->removeEventFilter(&filter);
}

void FolderWindowTest::startsWithTheDefaultsWithoutASettingsFile() {
    test::TempDir program;
    WriteLeague(program / "HOME.DIV", "In The Program Folder");
    WriteLeague(program / "Sub" / "DEEP.DIV", "In A Sub-Folder");
    const QString programFolder = Q(program.Path()) + "/";
    IniFile ini((program / "gorlin.ini").string());
    QVERIFY(ini.Load().Ok); // a missing file is an empty store
    Settings settings = Settings::Read(ini, programFolder.toStdString());
    QVERIFY(settings.TakeBackup);
    QVERIFY(settings.ShowSubFolders);
    QVERIFY(settings.RecycleOnDelete);
    QVERIFY(settings.ShowHints);
    QCOMPARE(settings.TableLong, std::string("ABCDEFGHIJKLMSU"));

    Locale locale;
    test::ScriptedPrompter prompter;
    test::ScriptedFileDialogs dialogs;
    AppContext context(settings, ini, locale, prompter, dialogs, programFolder);
    QCOMPARE(context.TableFolder(), programFolder);
    FolderWindow w(context);
    QCOMPARE(w.findChild<QLabel*>("lbDirect")->text(),
             "Current Folder: " + QDir::toNativeSeparators(Q(program.Path())));
    QCOMPARE(TopTexts(w.Tree()), (QStringList{"In The Program Folder", "Sub"}));
    QCOMPARE(w.DivFileCount(), 2);
    QCoreApplication::processEvents();
    QVERIFY(prompter.Messages.isEmpty());
    QVERIFY(!fs::exists(program / "gorlin.ini")); // starting writes nothing
}

QTEST_MAIN(FolderWindowTest)
#include "FolderWindowTest.moc"
