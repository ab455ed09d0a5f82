// The program as a desktop starts it: a command line, perhaps a league file to open, perhaps a
// first start with no table folder named; and the league file type the desktop knows it by.
#include "gui/app/FolderWindow.h"
#include "gui/app/LeagueWindow.h"
#include "gui/app/StartProgram.h"
#include "gui/support/GuiFixture.h"

#include <QMimeDatabase>

using namespace gorlin;
using test::Q;
namespace fs = std::filesystem;

namespace {

fs::path Examples() {
    return test::DataDir().parent_path().parent_path() / "examples";
}

QStringList TopTexts(const FolderWindow& w) {
    QStringList out;
    for (int i = 0; i < w.Tree()->topLevelItemCount(); ++i)
        out << w.Tree()->topLevelItem(i)->text(0);
    return out;
}

int LeagueCount(const fs::path& folder) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        count += entry.path().extension() == ".DIV" ? 1 : 0;
    return count;
}

/// Shipped examples and a per-user data folder (outside the table folder).
StartEnvironment Shipped(const test::TempDir& data) {
    StartEnvironment environment;
    environment.ExamplesFolder = Q(Examples());
    environment.UserDataHome = Q(data.Path());
    return environment;
}

} // namespace

class DesktopStartTest : public QObject {
    Q_OBJECT
private slots:
    void commandLines_data();
    void commandLines();
    void aLeagueOnTheCommandLineOpensAtOnce();
    void anUnreadableLeagueLeavesTheFolderWindowUsable();
    void aFirstStartShowsCopiesOfTheExamples();
    void aFirstStartThatCannotCopyLeavesTheTableFolder();
    void leagueFilesAreKnownByNameAndHeader();
};

void DesktopStartTest::commandLines_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("parsed"); // config|tables|file|help|version|problem
    const QString cwd = QDir::currentPath();
    QTest::newRow("relative file") << QStringList{"A.DIV"} << "||" + cwd + "/A.DIV|0|0|";
    QTest::newRow("folders and a file")
        << QStringList{"--config-dir=/c", "--table-folder", "/t", "/t/B.DIV"} << "/c|/t|/t/B.DIV|0|0|";
    QTest::newRow("a file like an option") << QStringList{"--", "-x.DIV"} << "||" + cwd + "/-x.DIV|0|0|";
    QTest::newRow("help after a mistake")
        << QStringList{"--bogus", "-h"} << "|||1|0|unknown option '--bogus'";
    QTest::newRow("empty folder") << QStringList{"--table-folder="} << "|||0|0|--table-folder needs a folder";
    QTest::newRow("two files") << QStringList{"/a.DIV", "/b.DIV"}
                               << "||/a.DIV|0|0|one league file at a time ('/b.DIV' is a second)";
}

void DesktopStartTest::commandLines() {
    QFETCH(QStringList, arguments);
    const StartArguments a = ParseStartArguments(QStringList{"gorlin"} + arguments);
    const QStringList parsed{
        a.ConfigDir, a.TableFolder, a.LeagueFile, QString::number(a.Help), QString::number(a.Version),
        a.Problem};
    QTEST(parsed.join('|'), "parsed");
}

void DesktopStartTest::aLeagueOnTheCommandLineOpensAtOnce() {
    test::GuiFixture f;
    test::TempDir elsewhere, data;
    const fs::path league = elsewhere / "PREMIER1819.DIV";
    fs::copy_file(Examples() / "PREMIER1819.DIV", league);
    f.settings.WriteFilePath(f.ini); // the settings name the fixture's folder: no first start

    const auto window = StartProgram(ParseStartArguments({"gorlin", Q(league)}), f.context, Shipped(data));
    QVERIFY(window->OpenLeagueWindow() == nullptr); // not before the message loop runs
    bool seen = false;
    QTimer::singleShot(0, [&] {
        LeagueWindow* open = window->OpenLeagueWindow();
        QVERIFY(open != nullptr && open->isVisible());
        QVERIFY(!window->isVisible()); // over the folder window, as the Open button does
        QCOMPARE(open->FilePath(), Q(league));
        QCOMPARE(open->windowTitle(), QString("Gorlin 4.7 - Premier League 2018-19"));
        test::Screenshot(open, "start-with-league");
        open->close();
        seen = true;
    });
    QTRY_VERIFY(seen);
    QTRY_VERIFY(window->isVisible());
    QVERIFY(f.prompter.Messages.isEmpty());
    // The folder window shows the table folder, not the league's folder.
    QCOMPARE(TopTexts(*window), QStringList{"Premier"});
    QVERIFY(fs::is_empty(data.Path()));
}

void DesktopStartTest::anUnreadableLeagueLeavesTheFolderWindowUsable() {
    test::GuiFixture f;
    test::TempDir bad;
    test::WriteFile(bad / "DAMAGED.DIV", std::string("\x05") + "DIVHD" + std::string(40, '\xFF'));
    for (const fs::path& path : {bad / "DAMAGED.DIV", bad / "MISSING.DIV"}) {
        const auto window = StartProgram(ParseStartArguments({"gorlin", Q(path)}), f.context, {});
        QTRY_COMPARE(f.prompter.Messages.size(), 1);
        const QString message = f.prompter.Take().first();
        QVERIFY2(message.startsWith("error: The league file " + Q(path) + " could not be opened."),
                 qPrintable(message));
        QVERIFY(window->isVisible() && window->OpenLeagueWindow() == nullptr);

        // The listed league still opens from the folder window.
        QString opened;
        QTimer::singleShot(0, [&] {
            LeagueWindow* open = window->OpenLeagueWindow();
            QVERIFY(open != nullptr);
            opened = open->windowTitle();
            open->close();
        });
        test::Click(window.get(), "btnOpen");
        QCOMPARE(opened, QString("Gorlin 4.7 - Premier"));
        QVERIFY(window->isVisible());
    }
}

void DesktopStartTest::aFirstStartShowsCopiesOfTheExamples() {
    test::GuiFixture f;
    test::TempDir data;
    const fs::path copies = data / "gorlin" / "examples";
    {
        const auto window = StartProgram(StartArguments{}, f.context, Shipped(data));
        QCOMPARE(f.context.TableFolder(), Q(copies) + "/");
        QCOMPARE(window->DivFileCount(), LeagueCount(Examples()));
        QVERIFY(TopTexts(*window).contains("Premier League 2018-19"));
        test::Screenshot(window.get(), "first-start");
    }
    QCOMPARE(test::ReadFile(copies / "AUSTRIA1516.DIV"), test::ReadFile(Examples() / "AUSTRIA1516.DIV"));
    // Shown for this run only, as `--table-folder` would: the settings still name no folder.
    QVERIFY(!f.ini.HasKey("Options", "FilePath") && !fs::exists(f.dir / "gorlin.ini"));

    // A folder given for the run wins, and nothing is copied.
    test::GuiFixture g;
    test::TempDir none;
    const auto window = StartProgram(ParseStartArguments({"gorlin", "--table-folder", Q(Examples())}),
                                     g.context, Shipped(none));
    QCOMPARE(g.context.TableFolder(), Q(Examples()) + "/");
    QVERIFY(fs::is_empty(none.Path()));
    QVERIFY(g.prompter.Messages.isEmpty() && f.prompter.Messages.isEmpty());
}

void DesktopStartTest::aFirstStartThatCannotCopyLeavesTheTableFolder() {
    test::GuiFixture f;
    test::TempDir data;
    test::WriteFile(data / "gorlin", "a file where the copies would go");
    const auto window = StartProgram(StartArguments{}, f.context, Shipped(data));
    QCOMPARE(f.prompter.Messages.size(), 1);
    QVERIFY(f.prompter.Messages[0].startsWith("error: The example leagues could not be copied to " +
                                              Q(data / "gorlin" / "examples")));
    QCOMPARE(f.context.TableFolder(), Q(f.dir.Path()) + "/");
    QCOMPARE(TopTexts(*window), QStringList{"Premier"});
}

void DesktopStartTest::leagueFilesAreKnownByNameAndHeader() {
    // The desktop's view of the file type: the shared-mime-info package as installed.
    test::TempDir share;
    fs::create_directories(share / "mime" / "packages");
    fs::copy_file(Examples().parent_path() / "desktop" / "gorlin-league.xml",
                  share / "mime" / "packages" / "gorlin.xml");
    qputenv("XDG_DATA_HOME", QFile::encodeName(Q(share.Path())));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(Q(share.Path())));

    const QString league = QStringLiteral("application/x-gorlin-league");
    const QMimeDatabase db;
    for (const char* name : {"PREMIER.DIV", "cup.div"})
        QCOMPARE(db.mimeTypeForFile(QString::fromLatin1(name), QMimeDatabase::MatchExtension).name(), league);
    test::TempDir files;
    fs::copy_file(Examples() / "AUSTRIA1516.DIV", files / "renamed.bin");
    test::WriteFile(files / "shifted.bin", std::string("DIVHD") + std::string(200, '\0'));
    const auto byContent = [&](const char* name) {
        return db.mimeTypeForFile(Q(files / name), QMimeDatabase::MatchContent).name();
    };
    QCOMPARE(byContent("renamed.bin"), league);
    QVERIFY(byContent("shifted.bin") != league);
}

QTEST_MAIN(DesktopStartTest)
#include "DesktopStartTest.moc"
