#include "core/update/UpdateRetrieval.h"

#include <deque>
#include <gtest/gtest.h>

using namespace gorlin;

namespace {

struct Request {
    std::string Host;
    int Port = 0;
    std::string Line;
    std::string Sent;
};

/// What a chain did against scripted server responses.
struct Outcome {
    std::vector<Request> Requests;
    std::vector<std::string> Statuses;
    std::vector<int> Progress;
    RetrievalAction Final;
};

RetrievalStart StartAt(std::string rootHost, int version = 42) {
    RetrievalStart s;
    s.VersionId = version;
    s.RootHost = std::move(rootHost);
    return s;
}

/// Runs a chain: the n-th request gets responses[n] (the last one again past the end), in pieces
/// of `piece` bytes, the server closing after it; the clock stands still.
Outcome Drive(const RetrievalStart& start, const std::vector<std::string>& responses,
              std::size_t piece = std::string::npos) {
    UpdateRetrieval m;
    Outcome o;
    std::int64_t now = 0;
    std::deque<RetrievalAction> todo;
    const auto queue = [&todo](RetrievalActions actions) {
        for (RetrievalAction& a : actions)
            todo.push_back(std::move(a));
    };
    queue(m.Start(start, now));
    while (!todo.empty()) {
        RetrievalAction a = std::move(todo.front());
        todo.pop_front();
        switch (a.Type) {
        case RetrievalAction::Connect:
            o.Requests.push_back({a.Host, a.Port, a.RequestLine, {}});
            queue(m.Connected(now));
            break;
        case RetrievalAction::Send: {
            o.Requests.back().Sent = a.Text;
            const std::string& response = responses.at(std::min(o.Requests.size(), responses.size()) - 1);
            for (std::size_t at = 0; at < response.size() && m.Running(); at += piece)
                queue(m.Received(std::string_view(response).substr(at, piece), now));
            queue(m.Closed(now));
            break;
        }
        case RetrievalAction::StartTimer:
            now += kEvaluateDelayMs;
            queue(m.TimerFired(now));
            break;
        case RetrievalAction::StatusText:
            o.Statuses.push_back(a.Text);
            break;
        case RetrievalAction::Progress:
            o.Progress.push_back(a.Percent);
            break;
        case RetrievalAction::Close:
            break;
        case RetrievalAction::Finished:
        case RetrievalAction::Failed:
            o.Final = std::move(a);
            EXPECT_FALSE(m.Running());
            break;
        }
    }
    return o;
}

std::string Http(const std::string& status, const std::string& body, const std::string& headers = "") {
    return "HTTP/1.0 " + status + "\r\n" + headers + "\r\n" + body;
}

std::string Ok(const std::string& body) {
    return Http("200 OK", body, "Content-Length: " + std::to_string(body.size()) + "\r\n");
}

const std::string kBody =
    "Gorlin Update:100 Date:1\r\nLeague Version:0042\r\nR,1,2\nS,1,5\r\n  G,3  \r\nlast";
const std::vector<std::string> kLines = {
    "Gorlin Update:100 Date:1", "League Version:0042", "R,1,2", "S,1,5", "G,3", "last"};

} // namespace

TEST(UpdateRetrieval, EverySplitOfAResponseGivesTheSameLines) {
    const std::string response = Ok(kBody);
    const Outcome whole = Drive(StartAt("h"), {response});
    ASSERT_EQ(whole.Final.Type, RetrievalAction::Finished) << whole.Final.Text;
    EXPECT_EQ(whole.Final.Lines, kLines);
    EXPECT_EQ(whole.Progress, std::vector<int>{100});

    // Two pieces at every byte boundary (inside the header's closing CR LF too), then byte by byte.
    UpdateRetrieval m;
    for (std::size_t cut = 0; cut <= response.size(); ++cut) {
        RetrievalActions got = m.Start(StartAt("h"), 0);
        m.Connected(0);
        got = m.Received(std::string_view(response).substr(0, cut), 0);
        RetrievalActions more = m.Received(std::string_view(response).substr(cut), 0);
        got.insert(got.end(), more.begin(), more.end());
        m.Closed(0);
        const RetrievalActions end = m.TimerFired(kEvaluateDelayMs);
        ASSERT_EQ(end.size(), 1u) << cut;
        EXPECT_EQ(end[0].Lines, kLines) << cut;
        ASSERT_FALSE(got.empty()) << cut;
        EXPECT_EQ(got.back().Percent, 100) << cut;
    }
    const Outcome bytes = Drive(StartAt("h"), {response}, 1);
    EXPECT_EQ(bytes.Final.Lines, kLines);
    EXPECT_EQ(bytes.Progress.back(), 100);
    EXPECT_TRUE(std::is_sorted(bytes.Progress.begin(), bytes.Progress.end()));

    // Without squads the S line never arrives; without a length the bar stays at 0.
    RetrievalStart noSquads = StartAt("h");
    noSquads.KeepSquads = false;
    const Outcome noLength = Drive(noSquads, {Http("200 OK", kBody)}, 7);
    std::vector<std::string> withoutSquads = kLines;
    withoutSquads.erase(withoutSquads.begin() + 3);
    EXPECT_EQ(noLength.Final.Lines, withoutSquads);
    EXPECT_TRUE(noLength.Progress.empty());
}

TEST(UpdateRetrieval, RequestsGoWhereTheHostAndProxySay) {
    struct Case {
        std::string Address, Root;
        bool Proxy;
        std::string ProxyName;
        int ProxyPort;
        std::string Host;
        int Port;
        std::string Line, HostLine;
    };
    const Case cases[] = {
        {"", "H/league", true, "proxy", 8080, "proxy", 8080, "GET http://H/league/gnup0042.txt HTTP/1.0",
         "H"},
        {"", "H", false, "", 80, "H", 80, "GET /gnup0042.txt HTTP/1.0", "H"},
        {"", "updates.gorlin.example/leagues/", false, "", 80, "updates.gorlin.example", 80,
         "GET /leagues/gnup0042.txt HTTP/1.0", "updates.gorlin.example"},
        {"", "H:8080/x", false, "", 80, "H", 8080, "GET /x/gnup0042.txt HTTP/1.0", "H:8080"},
        {"", "H:8080/x", true, "p", 3128, "p", 3128, "GET http://H:8080/x/gnup0042.txt HTTP/1.0", "H:8080"},
        {"", "[::1]:81", false, "", 80, "::1", 81, "GET /gnup0042.txt HTTP/1.0", "[::1]:81"},
        {"own.example/d", "H", false, "", 80, "own.example", 80, "GET /d/gnup0042.txt HTTP/1.0",
         "own.example"},
    };
    for (const Case& c : cases) {
        RetrievalStart s = StartAt(c.Root);
        s.UpdateAddress = c.Address;
        s.UseProxy = c.Proxy;
        s.ProxyName = c.ProxyName;
        s.ProxyPort = c.ProxyPort;
        const Outcome o = Drive(s, {Ok(kBody)});
        ASSERT_EQ(o.Requests.size(), 1u) << c.Root;
        EXPECT_EQ(o.Requests[0].Host, c.Host) << c.Root;
        EXPECT_EQ(o.Requests[0].Port, c.Port) << c.Root;
        EXPECT_EQ(o.Requests[0].Line, c.Line) << c.Root;
        EXPECT_EQ(o.Requests[0].Sent, c.Line + "\r\nHost: " + c.HostLine + "\r\n\r\n") << c.Root;
        EXPECT_EQ(o.Statuses, std::vector<std::string>{kMsgRetrievingData}) << c.Root;
    }
    // No server to ask: nothing is opened.
    for (const char* root : {"", "/path", "H:", "H:0", "H:65536", "H:8x", "[::1"}) {
        const Outcome o = Drive(StartAt(root), {Ok(kBody)});
        EXPECT_TRUE(o.Requests.empty()) << root;
        EXPECT_EQ(o.Final.Text, kMsgConnectError) << root;
        EXPECT_FALSE(o.Final.Box);
    }
    RetrievalStart noProxy = StartAt("H");
    noProxy.UseProxy = true;
    EXPECT_EQ(Drive(noProxy, {Ok(kBody)}).Final.Text, kMsgConnectError);
}

TEST(UpdateRetrieval, ChainsFollowRedirectsAndTheIndexFile) {
    const std::string found = Ok(kBody);
    const std::string moved = "302 Found";
    struct Case {
        const char* Name;
        std::vector<std::string> Responses;
        std::vector<std::string> Requests; // "HOST PORT LINE"; none: only the first request
        std::string Failure;               // empty: finished with kLines
    };
    const Case cases[] = {
        {"302 to another server",
         {Http(moved, "", "Location: http://M/files/gnup0042.txt\r\n"), found},
         {"H 80 GET /gnup0042.txt HTTP/1.0", "M 80 GET /files/gnup0042.txt HTTP/1.0"},
         ""},
        {"301, header names in any case, LF-only lines",
         {"HTTP/1.1 301 Moved\nlocation:   HTTP://M:81/gnup0042.txt  \n\n", found},
         {"H 80 GET /gnup0042.txt HTTP/1.0", "M 81 GET /gnup0042.txt HTTP/1.0"},
         ""},
        {"Location without a host keeps the server",
         {Http(moved, "", "Location: /other/gnup0042.txt\r\n"), found},
         {"H 80 GET /gnup0042.txt HTTP/1.0", "H 80 GET /other/gnup0042.txt HTTP/1.0"},
         ""},
        {"another scheme", {Http(moved, "", "Location: https://M/gnup0042.txt\r\n")}, {}, kMsgRetrieveError},
        {"Location not naming the file",
         {Http(moved, "", "Location: http://M/other.txt\r\n")},
         {},
         kMsgRetrieveError},
        {"404 then a range in the index file",
         {Http("404 Not Found", "gone"), Ok("0040-0049 M/upd/\r\n"), found},
         {"H 80 GET /gnup0042.txt HTTP/1.0", "H 80 GET /gnupindx.txt HTTP/1.0",
          "M 80 GET /upd/gnup0042.txt HTTP/1.0"},
         ""},
        {"index lines: not numbers skipped, another version, a location that is only a host",
         {Http("404 Not Found", ""), Ok("abcd-efgh X/\r\n0041:Y/\r\n00x2-0099 W/\r\n0042:Z\r\n"), found},
         {"H 80 GET /gnup0042.txt HTTP/1.0", "H 80 GET /gnupindx.txt HTTP/1.0",
          "Z 80 GET /gnup0042.txt HTTP/1.0"},
         ""},
        {"no index line for the version",
         {Http("404 Not Found", ""), Ok("0001:A/\r\n0050-0099 B/\r\n")},
         {"H 80 GET /gnup0042.txt HTTP/1.0", "H 80 GET /gnupindx.txt HTTP/1.0"},
         kMsgNotOnServer},
        {"no index file",
         {Http("404 Not Found", "")},
         {"H 80 GET /gnup0042.txt HTTP/1.0", "H 80 GET /gnupindx.txt HTTP/1.0"},
         "Error 404 retrieving update (Not Found)"},
        {"a code of the table",
         {Http("503 Busy", "")},
         {},
         "Error 503 retrieving update (Service Unavailable)"},
        {"a status line without reason", {"HTTP/1.0 200\r\n\r\n" + kBody}, {}, ""},
        {"ended inside the header", {"HTTP/1.0 200 OK\r\nServer: x\r\n"}, {}, kMsgRetrieveError},
        {"a transfer coding",
         {Http("200 OK", "5\r\nabcde\r\n0\r\n\r\n", "Transfer-Encoding: chunked\r\n")},
         {},
         kMsgRetrieveError},
        {"shorter than its length", {Http("200 OK", kBody, "Content-Length: 500\r\n")}, {}, kMsgNotInFull},
        {"longer than its length: the rest is not the file",
         {Http("200 OK", kBody + "\r\nextra", "content-LENGTH: " + std::to_string(kBody.size()) + "\r\n")},
         {},
         ""},
    };
    for (const Case& c : cases) {
        const Outcome o = Drive(StartAt("H"), c.Responses);
        std::vector<std::string> requests;
        for (const Request& r : o.Requests)
            requests.push_back(r.Host + " " + std::to_string(r.Port) + " " + r.Line);
        EXPECT_EQ(requests, c.Requests.empty() ? std::vector<std::string>{"H 80 GET /gnup0042.txt HTTP/1.0"}
                                               : c.Requests)
            << c.Name;
        if (c.Failure.empty()) {
            EXPECT_EQ(o.Final.Type, RetrievalAction::Finished) << c.Name << ": " << o.Final.Text;
            EXPECT_EQ(o.Final.Lines, kLines) << c.Name;
        } else {
            EXPECT_EQ(o.Final.Type, RetrievalAction::Failed) << c.Name;
            EXPECT_EQ(o.Final.Text, c.Failure) << c.Name;
            EXPECT_FALSE(o.Final.Box) << c.Name;
        }
    }
}

TEST(UpdateRetrieval, RedirectsEndAfterFive) {
    const std::string loop = Http("302 Found", "", "Location: http://H/gnup0042.txt\r\n");
    const Outcome o = Drive(StartAt("H"), {loop});
    EXPECT_EQ(o.Requests.size(), 6u);
    EXPECT_EQ(o.Final.Text, kMsgTooManyRedirects);
    // Five are followed.
    const Outcome five = Drive(StartAt("H"), {loop, loop, loop, loop, loop, Ok(kBody)});
    EXPECT_EQ(five.Final.Type, RetrievalAction::Finished);
}

TEST(UpdateRetrieval, SizeLimitsEndTheChain) {
    RetrievalStart s = StartAt("H");
    s.Limits.MaxBodyBytes = 100;
    s.Limits.MaxBodyLines = 5;
    s.Limits.MaxHeaderBytes = 200;
    const std::string hundred(100, 'x');
    const struct {
        const char* Name;
        std::string Response;
        const char* Message;
    } cases[] = {
        {"body at its limit", Http("200 OK", hundred), nullptr},
        {"body past it", Http("200 OK", hundred + "y"), kMsgFileTooLarge},
        {"a length past it", Http("200 OK", "", "Content-Length: 101\r\n"), kMsgFileTooLarge},
        {"a length no size has", Http("200 OK", "", "Content-Length: 1234567890123456789012\r\n"),
         kMsgFileTooLarge},
        {"too many lines", Http("200 OK", "1\n2\n3\n4\n5\n6\n"), kMsgFileTooLarge},
        {"five lines", Http("200 OK", "1\n2\n3\n4\n5"), nullptr},
        {"the sixth ended by the close", Http("200 OK", "1\n2\n3\n4\n5\n6"), kMsgFileTooLarge},
        {"a long header line", Http("200 OK", "", "X: " + std::string(200, 'h') + "\r\n"), kMsgFileTooLarge},
        {"a header without end", "HTTP/1.0 200 OK\r\n" + std::string(300, 'h'), kMsgFileTooLarge},
    };
    for (const auto& c : cases) {
        for (const std::size_t piece : {std::string::npos, std::size_t{1}}) {
            const Outcome o = Drive(s, {c.Response}, piece);
            if (c.Message == nullptr)
                EXPECT_EQ(o.Final.Type, RetrievalAction::Finished) << c.Name;
            else
                EXPECT_EQ(o.Final.Text, c.Message) << c.Name;
        }
    }

    // Header lines past 100 are ignored: a length there counts for nothing.
    std::string many;
    for (int i = 0; i < 100; ++i)
        many += "X-" + std::to_string(i) + ": y\r\n";
    UpdateRetrieval m;
    m.Start(StartAt("H"), 0);
    m.Connected(0);
    m.Received(Http("200 OK", kBody, many + "Content-Length: 5000\r\n"), 0);
    EXPECT_EQ(m.HeaderLines().size(), 100u);
    EXPECT_EQ(m.ContentLength(), 0u);
    m.Closed(0);
    EXPECT_EQ(m.TimerFired(kEvaluateDelayMs).at(0).Type, RetrievalAction::Finished);
}

TEST(UpdateRetrieval, TimeLimitsFireOnTicksAndOnEvents) {
    RetrievalStart s = StartAt("H");
    UpdateRetrieval m;
    const auto ends = [](const RetrievalActions& a) {
        return !a.empty() && a.back().Type == RetrievalAction::Failed && a.back().Text == kMsgTimedOut &&
               a.front().Type == RetrievalAction::Close;
    };
    // Connecting: 30 s.
    m.Start(s, 1000);
    EXPECT_EQ(m.NextDeadline(), 31000);
    EXPECT_TRUE(m.Tick(30999).empty());
    EXPECT_TRUE(ends(m.Tick(31000)));
    EXPECT_FALSE(m.NextDeadline());

    // Silence: 30 s after the last bytes; a slow drip keeps it alive until the chain's 300 s.
    m.Start(s, 0);
    m.Connected(10);
    EXPECT_EQ(m.NextDeadline(), 30010);
    m.Received("HTTP/1.0 200 OK\r\n", 20000);
    EXPECT_EQ(m.NextDeadline(), 50000);
    std::int64_t now = 20000;
    for (; now < 300000; now += 25000)
        EXPECT_TRUE(m.Received("x", now).empty()) << now;
    EXPECT_EQ(m.NextDeadline(), 300000);
    EXPECT_TRUE(ends(m.Received("x", 300000)));

    // An event late past its deadline ends the chain as the tick would have.
    m.Start(s, 0);
    m.Connected(0);
    EXPECT_TRUE(ends(m.Received("HTTP", 30000)));

    // Waiting for the evaluation only the chain's limit counts; a shorter chain limit too.
    s.Limits.ChainMs = 2000;
    m.Start(s, 0);
    m.Connected(0);
    m.Received(Ok(kBody), 0);
    EXPECT_EQ(m.Closed(1000).at(0).Type, RetrievalAction::StartTimer);
    EXPECT_EQ(m.NextDeadline(), 2000);
    const RetrievalActions late = m.TimerFired(2500);
    ASSERT_EQ(late.size(), 1u);
    EXPECT_EQ(late[0].Text, kMsgTimedOut);
}

TEST(UpdateRetrieval, SocketFailuresAndStrayEvents) {
    UpdateRetrieval m;
    m.Start(StartAt("H"), 0);
    RetrievalActions a = m.SocketError(SocketFailure::LookupFailed, 0);
    ASSERT_EQ(a.back().Type, RetrievalAction::Failed);
    EXPECT_EQ(a.back().Text, kMsgConnectError);
    EXPECT_FALSE(a.back().Box);

    for (const SocketFailure f : {SocketFailure::Refused, SocketFailure::Broken}) {
        m.Start(StartAt("H"), 0);
        if (f == SocketFailure::Broken)
            m.Connected(0);
        a = m.SocketError(f, 0);
        EXPECT_EQ(a.front().Type, RetrievalAction::Close);
        EXPECT_EQ(a.back().Text, "Update processing cancelled.");
        EXPECT_TRUE(a.back().Box);
        EXPECT_EQ(a.back().BoxText, "A network error has occurred while processing your request.\n\n"
                                    "Update processing cancelled.");
    }
    // Closed before connecting is a refused connection.
    m.Start(StartAt("H"), 0);
    EXPECT_TRUE(m.Closed(0).back().Box);

    // Nothing happens outside a chain or out of order.
    EXPECT_TRUE(m.TimerFired(0).empty());
    EXPECT_TRUE(m.Received("x", 0).empty());
    EXPECT_TRUE(m.Tick(1'000'000).empty());
    m.Start(StartAt("H"), 0);
    EXPECT_TRUE(m.Received("HTTP/1.0 200 OK\r\n\r\nx", 0).empty());
    EXPECT_TRUE(m.TimerFired(0).empty());
    EXPECT_EQ(m.Abort().size(), 1u);
    EXPECT_FALSE(m.Running());
}
