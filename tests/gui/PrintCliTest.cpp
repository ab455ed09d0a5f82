#include "cli/Cli.h"
#include "cli/print/CmdPrint.h"
#include "core/edit/ResultsPage.h"
#include "core/model/Dates.h"
#include "core/model/Text.h"
#include "support/EngineCli.h"
#include "support/SeasonOnDisk.h"
#include "support/TestPaths.h"

#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>
#include <filesystem>
#include <memory>
#include <sstream>

namespace gorlin {

using namespace gorlin::test;

class PrintCliTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void resultsListReadsEveryGameOnce();
    void everyPageKindPrints();
    void usageAndWriteFailures();
    void theProgramPrintsWithoutADisplay();

private:
    std::unique_ptr<SeasonOnDisk> m_season;

    CliRun Run(std::vector<std::string> args) const { return m_season->Run(std::move(args)); }
};

void PrintCliTest::initTestCase() {
    cli::RegisterPrintCommand(cli::RunPrint);
    m_season = std::make_unique<SeasonOnDisk>();
}

void PrintCliTest::resultsListReadsEveryGameOnce() {
    const std::string pdf = (m_season->Dir / "results.pdf").string();
    const CliRun run =
        Run({"print", m_season->File, "--what", "list:results", "--pdf", pdf, "--today", "2019-06-01"});
    QCOMPARE(run.Exit, 0);
    QVERIFY2(run.Err.empty(), run.Err.c_str());
    QVERIFY2(run.Out.rfind("Pages: ", 0) == 0, run.Out.c_str());
    QVERIFY(std::stoi(run.Out.substr(7)) > 3);
    QCOMPARE(ReadFile(pdf).substr(0, 5), std::string("%PDF-"));

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed to read the PDF back");
    QProcess process;
    process.start(pdftotext, {QStringLiteral("-layout"), QString::fromStdString(pdf), QStringLiteral("-")});
    QVERIFY(process.waitForFinished(60000));
    // Compatibility forms undo the ligatures the reader may give (one character for "ff").
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput())
                                  .normalized(QString::NormalizationForm_KC)
                                  .split(QChar(10));
    QVERIFY(lines.size() > 380);
    Locale locale;
    for (int g = 1; g <= m_season->Season.Head.GameCount; ++g) {
        const auto cells = ResultsPage::Cells(m_season->Season, g, locale);
        const QString date = QString::fromStdString(cells[1]);
        const QString home = QString::fromStdString(Win1252ToUtf8(cells[3]));
        const QString away = QString::fromStdString(Win1252ToUtf8(cells[4]));
        int found = 0;
        for (const QString& line : lines)
            if (line.contains(date) && line.contains(home) && line.contains(away))
                ++found;
        QVERIFY2(found == 1, qPrintable(date + " " + home + " " + away + ": " + QString::number(found)));
    }
    QCOMPARE(lines.filter(QStringLiteral("Page 1 of ")).size(), 1);
}

void PrintCliTest::everyPageKindPrints() {
    const struct {
        std::vector<std::string> Args;
        const char* Out;
    } cases[] = {
        {{"--what", "table"}, "Pages: 1\n"},
        {{"--what", "table", "--page", "letter", "--no-heading", "--no-date"}, "Pages: 1\n"},
        {{"--what", "team", "--team", "Arsenal FC", "--heading", "Gunners"}, "Pages: 1\n"},
        {{"--what", "team"}, "Pages: 1\n"},
        {{"--what", "grid", "--font", "DejaVu Serif"}, "Pages: 1\n"},
        {{"--what", "graph", "--team", "Liverpool FC"}, "Pages: 1\n"},
        {{"--what", "list:players"}, "Pages: 1\n"},
        {{"--what", "list:fixtures", "--team", "Chelsea FC"}, "Pages: 1\n"},
        {{"--what", "list:goals"}, "Pages: 1\n"},
        {{"--what", "query", "--design", "1,N,Y,,,,"}, "Pages: 1\n"},
    };
    int n = 0;
    for (const auto& c : cases) {
        const std::string pdf = (m_season->Dir / ("kind" + std::to_string(++n) + ".pdf")).string();
        std::vector<std::string> args = {"print", m_season->File, "--pdf", pdf, "--today", "2019-06-01"};
        args.insert(args.end(), c.Args.begin(), c.Args.end());
        const CliRun run = Run(args);
        QVERIFY2(run.Exit == 0, (c.Args[1] + ": " + run.Err).c_str());
        QCOMPARE(run.Out, std::string(c.Out));
        QCOMPARE(ReadFile(pdf).substr(0, 5), std::string("%PDF-"));
    }
}

void PrintCliTest::usageAndWriteFailures() {
    const std::string pdf = (m_season->Dir / "never.pdf").string();
    const struct {
        std::vector<std::string> Args;
        int Exit;
        const char* Message;
    } cases[] = {
        {{"print", m_season->File, "--what", "table"}, 2, "--pdf is needed"},
        {{"print", m_season->File, "--pdf", pdf}, 2, "--what is needed"},
        {{"print", m_season->File, "--what", "list:nonsense", "--pdf", pdf}, 2, "no list called 'nonsense'"},
        {{"print", m_season->File, "--what", "chart", "--pdf", pdf}, 2, "--what needs"},
        {{"print", m_season->File, "--what", "query", "--pdf", pdf}, 2, "needs --design or --saved"},
        {{"print", m_season->File, "--what", "table", "--pdf", pdf, "--heading", "x", "--no-heading"},
         2,
         "exclude"},
        {{"print", m_season->File, "--what", "team", "--team", "Nobody", "--pdf", pdf},
         1,
         "no team called Nobody"},
        {{"print", m_season->File, "--what", "grid", "--second", "--pdf", pdf}, 1, "no second set"},
        {{"print", (m_season->Dir / "missing.div").string(), "--what", "table", "--pdf", pdf},
         1,
         "missing.div"},
        {{"print", m_season->File, "--what", "table", "--pdf",
          (m_season->Dir / "no" / "such" / "x.pdf").string()},
         1,
         "x.pdf"},
    };
    for (const auto& c : cases) {
        const CliRun run = Run(c.Args);
        QVERIFY2(run.Exit == c.Exit, run.Err.c_str());
        QVERIFY2(run.Err.find(c.Message) != std::string::npos, run.Err.c_str());
        QVERIFY(run.Out.empty());
    }
    QVERIFY(!std::filesystem::exists(pdf));
}

void PrintCliTest::theProgramPrintsWithoutADisplay() {
    // The real program registers the command and starts its own offscreen application.
    const std::string pdf = (m_season->Dir / "process.pdf").string();
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    process.setProcessEnvironment(env);
    process.start(QString::fromStdString(CliPath().string()),
                  {QStringLiteral("--config-dir"), QString::fromStdString(m_season->Config),
                   QStringLiteral("print"), QString::fromStdString(m_season->File), QStringLiteral("--what"),
                   QStringLiteral("table"), QStringLiteral("--pdf"), QString::fromStdString(pdf)});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(process.readAllStandardOutput(), QByteArray("Pages: 1\n"));
    QCOMPARE(ReadFile(pdf).substr(0, 5), std::string("%PDF-"));
}

} // namespace gorlin

QTEST_MAIN(gorlin::PrintCliTest)
#include "PrintCliTest.moc"
