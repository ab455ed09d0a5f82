// The program as a desktop starts it: a command line, perhaps a league file to open, perhaps a
// first start with no settings at all; and the league file type the desktop knows it by.
#include "gui/app/FolderWindow.h"
#include "gui/app/LeagueWindow.h"
#include "gui/app/StartProgram.h"
#include "gui/league/LeaguePages.h"
#include "gui/support/ScriptedPrompter.h"
#include "platform/SystemLocale.h"
#include "support/TestPaths.h"

#include <QMimeDatabase>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>
#include <fstream>
#include <iterator>

using namespace gorlin;
namespace fs = std::filesystem;

namespace {

QString Q(const fs::path& p) {
    return QString::fromStdString(p.string());
}

fs::path SourceDir() {
    return test::DataDir().parent_path().parent_path();
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int ExampleCount() {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(SourceDir() / "examples"))
        count += entry.path().extension() == ".DIV" ? 1 : 0;
    return count;
}

/// A program folder with its settings file on disk, as main() reads them.
struct Program {
    test::TempDir dir;
    SettingsFile file;
    Locale locale = LocaleFrom(QLocale(QLocale::English, QLocale::UnitedKingdom), QDate(2019, 5, 12));
    test::ScriptedPrompter prompter;
    test::ScriptedFileDialogs dialogs;
    std::unique_ptr<AppContext> context;

    explicit Program(const std::string& iniText = {}) {
        if (!iniText.empty())
            WriteBytes(dir / "gorlin.ini", iniText);
        file = LoadSettingsFile(dir.Path().string() + "/");
        context = std::make_unique<AppContext>(file.Values, file.Ini, locale, prompter, dialogs,
                                               Q(dir.Path()) + "/");
        context->installLeaguePages = InstallLeaguePages;
    }
    /// A table folder holding one league, named in the settings.
    static std::string WithTables(const fs::path& tables) {
        fs::create_directories(tables);
        fs::copy_file(SourceDir() / "examples" / "AUSTRIA1516.DIV", tables / "AUSTRIA1516.DIV");
        return "[Options]\nFilePath=" + tables.string() + "/\n";
    }
};

QStringList TopTexts(const QTreeWidget* tree) {
    QStringList out;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        out << tree->topLevelItem(i)->text(0);
    return out;
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
    QTest::addColumn<QString>("configDir");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("help");
    QTest::addColumn<bool>("version");
    QTest::addColumn<QString>("problem");
    const QString cwd = QDir::currentPath();
    QTest::newRow("nothing") << QStringList{} << ""
                             << "" << false << false << "";
    QTest::newRow("relative file") << QStringList{"A.DIV"} << "" << cwd + "/A.DIV" << false << false << "";
    QTest::newRow("config and file") << QStringList{"--config-dir=/c", "/t/B.DIV"} << "/c"
                                     << "/t/B.DIV" << false << false << "";
    QTest::newRow("file like an option") << QStringList{"--config-dir", "/c", "--", "-x.DIV"} << "/c"
                                         << cwd + "/-x.DIV" << false << false << "";
    QTest::newRow("help after a mistake") << QStringList{"--bogus", "-h"} << ""
                                          << "" << true << false << "unknown option '--bogus'";
    QTest::newRow("version") << QStringList{"-V"} << ""
                             << "" << false << true << "";
    QTest::newRow("no folder") << QStringList{"--config-dir"} << ""
                               << "" << false << false << "--config-dir needs a folder";
    QTest::newRow("empty folder") << QStringList{"--config-dir="} << ""
                                  << "" << false << false << "--config-dir needs a folder";
    QTest::newRow("two files") << QStringList{"/a.DIV", "/b.DIV"} << ""
                               << "/a.DIV" << false << false
                               << "one league file at a time ('/b.DIV' is a second)";
}

void DesktopStartTest::commandLines() {
    QFETCH(QStringList, arguments);
    const StartArguments args = ParseStartArguments(QStringList{"gorlin"} + arguments);
    QTEST(args.ConfigDir, "configDir");
    QTEST(args.LeagueFile, "file");
    QTEST(args.Help, "help");
    QTEST(args.Version, "version");
    QTEST(args.Problem, "problem");
}

void DesktopStartTest::aLeagueOnTheCommandLineOpensAtOnce() {
    test::TempDir elsewhere;
    Program program(Program::WithTables(elsewhere / "tables"));
    const fs::path league = elsewhere / "cups" / "PREMIER1819.DIV";
    fs::create_directories(league.parent_path());
    fs::copy_file(SourceDir() / "examples" / "PREMIER1819.DIV", league);

    const auto window = StartProgram(ParseStartArguments({"gorlin", Q(league)}), *program.context, {});
    bool seen = false;
    QTimer::singleShot(0, [&] {
        LeagueWindow* open = window->OpenLeagueWindow();
        QVERIFY(open != nullptr);
        QVERIFY(open->isVisible());
        QVERIFY(!window->isVisible()); // over the folder window, as the Open button does
        QCOMPARE(open->FilePath(), Q(league));
        QCOMPARE(open->windowTitle(), QString("Gorlin 4.7 - Premier League 2018-19"));
        test::Screenshot(open, "start-with-league");
        open->close();
        seen = true;
    });
    QTRY_VERIFY(seen);
    QTRY_VERIFY(window->isVisible());
    QVERIFY(window->OpenLeagueWindow() == nullptr);
    QVERIFY(program.prompter.Messages.isEmpty());
    // The folder window still shows the table folder, which the settings keep naming.
    QCOMPARE(TopTexts(window->Tree()), QStringList{"Bundesliga Austria 2015-16"});
    QCOMPARE(program.file.Values.FilePath, (elsewhere / "tables").string() + "/");
    QCOMPARE(program.file.Ini.ReadString("Options", "FilePath", ""), program.file.Values.FilePath);
}

void DesktopStartTest::anUnreadableLeagueLeavesTheFolderWindowUsable() {
    test::TempDir elsewhere;
    WriteBytes(elsewhere / "DAMAGED.DIV", std::string("\x05") + "DIVHD" + std::string(40, '\xFF'));
    for (const fs::path& path : {elsewhere / "DAMAGED.DIV", elsewhere / "MISSING.DIV"}) {
        Program program(Program::WithTables(elsewhere / ("tables-" + path.stem().string())));
        const auto window = StartProgram(ParseStartArguments({"gorlin", Q(path)}), *program.context, {});
        QTRY_COMPARE(program.prompter.Messages.size(), 1);
        QCOMPARE(program.prompter.Messages[0].Kind, QString("error"));
        QVERIFY2(program.prompter.Messages[0].Text.startsWith("The league file " + Q(path) +
                                                              " could not be opened."),
                 qPrintable(program.prompter.Messages[0].Text));
        QVERIFY(window->isVisible());
        QVERIFY(window->OpenLeagueWindow() == nullptr);

        // The listed league still opens from the folder window.
        bool opened = false;
        QTimer::singleShot(0, [&] {
            LeagueWindow* open = window->OpenLeagueWindow();
            QVERIFY(open != nullptr);
            opened = open->GetLeague().Head.TableName.view() == "Bundesliga Austria 2015-16";
            open->close();
        });
        window->findChild<QPushButton*>("btnOpen")->click();
        QVERIFY(opened);
        QVERIFY(window->isVisible());
    }
}

void DesktopStartTest::aFirstStartShowsCopiesOfTheExamples() {
    StartEnvironment shipped;
    shipped.ExamplesFolder = Q(SourceDir() / "examples");
    Program program;
    const fs::path copies = program.dir / "examples";
    {
        const auto window = StartProgram(StartArguments{}, *program.context, shipped);
        QCOMPARE(window->DivFileCount(), ExampleCount());
        QVERIFY(TopTexts(window->Tree()).contains("Premier League 2018-19"));
        QCOMPARE(program.context->TableFolder(), Q(copies) + "/");
        test::Screenshot(window.get(), "first-start");
    }
    QVERIFY(program.prompter.Messages.isEmpty());

    // The settings file names the copies: a copy the user deleted stays deleted at the next start.
    fs::remove(copies / "PREMIERXMAS.DIV");
    Program next(ReadBytes(program.dir / "gorlin.ini"));
    QCOMPARE(next.file.Values.FilePath, copies.string() + "/");
    const auto window = StartProgram(StartArguments{}, *next.context, shipped);
    QCOMPARE(window->DivFileCount(), ExampleCount() - 1);
    QVERIFY(!fs::exists(copies / "PREMIERXMAS.DIV"));
}

void DesktopStartTest::aFirstStartThatCannotCopyLeavesTheTableFolder() {
    StartEnvironment shipped;
    shipped.ExamplesFolder = Q(SourceDir() / "examples");
    {
        Program program;
        WriteBytes(program.dir / "examples", "a file where the copies would go");
        const auto window = StartProgram(StartArguments{}, *program.context, shipped);
        QCOMPARE(program.prompter.Messages.size(), 1);
        QVERIFY(program.prompter.Messages[0].Text.startsWith("The example leagues could not be copied to " +
                                                             Q(program.dir / "examples")));
        QCOMPARE(program.context->TableFolder(), program.context->programFolder);
        QVERIFY(!fs::exists(program.dir / "gorlin.ini"));
    }
    {
        // A settings file that could not be read is never replaced by one naming the copies.
        Program program;
        shipped.SettingsRead = false;
        const auto window = StartProgram(StartArguments{}, *program.context, shipped);
        QVERIFY(!fs::exists(program.dir / "examples"));
        QVERIFY(!fs::exists(program.dir / "gorlin.ini"));
    }
}

void DesktopStartTest::leagueFilesAreKnownByNameAndHeader() {
    // The desktop's view of the file type: the shared-mime-info package as installed.
    test::TempDir share;
    fs::create_directories(share / "mime" / "packages");
    fs::copy_file(SourceDir() / "desktop" / "gorlin-league.xml", share / "mime" / "packages" / "gorlin.xml");
    qputenv("XDG_DATA_HOME", QFile::encodeName(Q(share.Path())));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(Q(share.Path())));

    const QString league = QStringLiteral("application/x-gorlin-league");
    const QMimeDatabase db;
    for (const char* name : {"PREMIER.DIV", "cup.div"})
        QCOMPARE(db.mimeTypeForFile(QString::fromLatin1(name), QMimeDatabase::MatchExtension).name(), league);
    test::TempDir files;
    fs::copy_file(SourceDir() / "examples" / "AUSTRIA1516.DIV", files / "renamed.bin");
    WriteBytes(files / "shifted.bin", std::string("DIVHD") + std::string(200, '\0'));
    WriteBytes(files / "longer.bin", std::string("\x06") + "DIVHDX" + std::string(200, '\0'));
    const auto byContent = [&](const char* name) {
        return db.mimeTypeForFile(Q(files / name), QMimeDatabase::MatchContent).name();
    };
    QCOMPARE(byContent("renamed.bin"), league);
    QVERIFY(byContent("shifted.bin") != league);
    QVERIFY(byContent("longer.bin") != league);
}

QTEST_MAIN(DesktopStartTest)
#include "DesktopStartTest.moc"
