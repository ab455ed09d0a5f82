#include "core/model/LeagueFile.h"
#include "core/update/VersionId.h"
#include "support/EngineCli.h"
#include "support/LoopbackServer.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

using namespace gorlin;
using namespace gorlin::test;

namespace {

std::filesystem::path Example(const char* name) {
    return DataDir().parent_path().parent_path() / "examples" / name;
}

/// A copy of an example league with version ID 42.
void CopyWithVersion(const char* example, const std::filesystem::path& to) {
    Expected<League> league = LoadLeague(Example(example));
    ASSERT_TRUE(league);
    ASSERT_EQ(SetLeagueVersion(*league, "42", ""), VersionResult::Stored);
    ASSERT_TRUE(SaveLeague(*league, to));
}

std::string TableBody(const std::string& config, const std::filesystem::path& league) {
    const std::string text = RunCli({"--config-dir", config, "table", league.string()}).Out;
    return text.substr(text.find('\n'));
}

/// The lines of a run that begin with `kind` and a tab.
std::vector<std::string> Rows(const CliRun& run, const std::string& kind) {
    std::vector<std::string> rows;
    for (const std::string& line : Lines(run.Out))
        if (line.rfind(kind + "\t", 0) == 0)
            rows.push_back(line.substr(kind.size() + 1));
    return rows;
}

struct Fixture {
    TempDir dir;
    std::string config = (dir / "config").string();
    std::filesystem::path league = dir / "half.DIV";

    Fixture() {
        std::filesystem::create_directories(config);
        CopyWithVersion("PREMIERXMAS.DIV", league);
    }
    CliRun Update(std::vector<std::string> more) const {
        std::vector<std::string> args = {"--config-dir", config, "update", league.string()};
        args.insert(args.end(), more.begin(), more.end());
        return RunCli(args);
    }
};

} // namespace

TEST(CliOnlineUpdate, FirstHalfFetchedThroughRedirectAndIndexGivesTheFinalTable) {
    Fixture f;
    CopyWithVersion("PREMIER1819.DIV", f.dir / "full.DIV");
    const CliRun upload = RunCli({"--config-dir", f.config, "upload", (f.dir / "full.DIV").string(), "--out",
                                  f.dir.Path().string(), "--since", "2018-01-01", "--today", "2019-06-01"});
    ASSERT_EQ(upload.Exit, 0) << upload.Err;
    const std::string file = ReadFile(f.dir / "gnup0042.txt");

    // The league's server: a 302 to another folder (no host: the same server), a 404 there, and
    // the index naming a folder on a second server, which sends the file in pieces of 1000 bytes.
    LoopbackServer files({ScriptedResponse::Split(
        "HTTP/1.0 200 OK\r\nContent-Length: " + std::to_string(file.size()) + "\r\n\r\n" + file, 1000)});
    LoopbackServer main({
        ScriptedResponse::Http("302 Found", "", {"Location: /moved/gnup0042.txt"}),
        ScriptedResponse::Http("404 Not Found", "gone"),
        ScriptedResponse::Http("200 OK", "0001-0041 x/\r\n0042:" + files.HostPort() + "/files/\r\n"),
    });
    const CliRun run = f.Update({"--from", "http://" + main.HostPort() + "/leagues/"});
    ASSERT_EQ(run.Exit, 0) << run.Out << run.Err;
    const std::string port = std::to_string(main.Port());
    EXPECT_EQ(Rows(run, "request"),
              (std::vector<std::string>{"127.0.0.1\t" + port + "\tGET /leagues/gnup0042.txt HTTP/1.0",
                                        "127.0.0.1\t" + port + "\tGET /moved/gnup0042.txt HTTP/1.0",
                                        "127.0.0.1\t" + port + "\tGET /moved/gnupindx.txt HTTP/1.0",
                                        "127.0.0.1\t" + std::to_string(files.Port()) +
                                            "\tGET /files/gnup0042.txt HTTP/1.0"}));
    const std::vector<std::string> statuses = Rows(run, "status");
    EXPECT_EQ(statuses.front(), "Connecting to Gorlin Server");
    EXPECT_EQ(statuses.back(), "Update Complete");
    EXPECT_EQ(files.Requests().at(0),
              "GET /files/gnup0042.txt HTTP/1.0\r\nHost: " + files.HostPort() + "\r\n\r\n");
    EXPECT_EQ(TableBody(f.config, f.league), TableBody(f.config, f.dir / "full.DIV"));
}

TEST(CliOnlineUpdate, FailuresExitOneAndLeaveTheLeague) {
    Fixture f;
    const std::string before = ReadFile(f.league);

    LoopbackServer looping({ScriptedResponse::Http("302 Found", "", {"Location: /again/gnup0042.txt"})});
    CliRun run = f.Update({"--from", looping.HostPort()});
    EXPECT_EQ(run.Exit, 1);
    EXPECT_EQ(Rows(run, "request").size(), 6u);
    EXPECT_EQ(Rows(run, "status").back(), "Too many redirections retrieving update file");

    ScriptedResponse silent = ScriptedResponse::Whole("HTTP/1.0 200 OK\r\n");
    silent.End = ScriptedResponse::Ending::Silent;
    LoopbackServer quiet({silent});
    run = f.Update({"--from", quiet.HostPort(), "--timeout", "1"});
    EXPECT_EQ(run.Exit, 1);
    EXPECT_EQ(Rows(run, "status").back(), "Timed out retrieving update file");

    ScriptedResponse endless = ScriptedResponse::Whole("HTTP/1.0 200 OK\r\n\r\n");
    endless.Chunks.push_back({std::string(64 * 1024, 'x') + "\r\n", 0});
    endless.End = ScriptedResponse::Ending::Endless;
    LoopbackServer flood({endless});
    run = f.Update({"--from", flood.HostPort()});
    EXPECT_EQ(run.Exit, 1);
    EXPECT_EQ(Rows(run, "status").back(), "Update file is too large");

    run = f.Update({"--from", "127.0.0.1:" + std::to_string(UnusedPort())});
    EXPECT_EQ(run.Exit, 1);
    EXPECT_EQ(Rows(run, "error"),
              std::vector<std::string>{"A network error has occurred while processing your request."});
    EXPECT_EQ(Rows(run, "status").back(), "Update processing cancelled.");

    LoopbackServer bad({ScriptedResponse::Http("200 OK", "not an update file\r\n")});
    run = f.Update({"--from", bad.HostPort()});
    EXPECT_EQ(run.Exit, 1);
    EXPECT_EQ(Rows(run, "error"), std::vector<std::string>{"Update file is not correctly formatted"});
    EXPECT_EQ(ReadFile(f.league), before);

    // Bad usage, and a league whose updates are off.
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--file", "x", "--from", "h"},
                                                 {"--timeout", "0"},
                                                 {"--timeout", "x"},
                                                 {"--from", "https://h"}})
        EXPECT_EQ(f.Update(args).Exit, 2) << args[1];
    std::filesystem::copy_file(Example("PREMIERXMAS.DIV"), f.dir / "off.DIV");
    run =
        RunCli({"--config-dir", f.config, "update", (f.dir / "off.DIV").string(), "--from", bad.HostPort()});
    EXPECT_EQ(run.Exit, 1);
    EXPECT_NE(run.Err.find("no version ID"), std::string::npos);
}

TEST(CliOnlineUpdate, ThroughAProxyTheRequestNamesTheServer) {
    Fixture f;
    LoopbackServer proxy({ScriptedResponse::Http("404 Not Found", "")});
    WriteFile(std::filesystem::path(f.config) / "gorlin.ini",
              "[Options]\r\nUseProxy=1\r\nProxyName=127.0.0.1\r\nProxyPort=" + std::to_string(proxy.Port()) +
                  "\r\nRootHost=updates.example:8080/leagues/\r\n");
    const CliRun run = f.Update({});
    EXPECT_EQ(run.Exit, 1);
    const std::string port = std::to_string(proxy.Port());
    EXPECT_EQ(Rows(run, "request"),
              (std::vector<std::string>{
                  "127.0.0.1\t" + port + "\tGET http://updates.example:8080/leagues/gnup0042.txt HTTP/1.0",
                  "127.0.0.1\t" + port + "\tGET http://updates.example:8080/leagues/gnupindx.txt HTTP/1.0"}));
    EXPECT_EQ(proxy.Requests().at(0), "GET http://updates.example:8080/leagues/gnup0042.txt "
                                      "HTTP/1.0\r\nHost: updates.example:8080\r\n\r\n");
    EXPECT_EQ(Rows(run, "status").back(), "Error 404 retrieving update (Not Found)");
}
