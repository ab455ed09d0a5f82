#include "core/update/UpdateRetrieval.h"

#include "core/app/Settings.h"
#include "core/model/League.h"
#include "core/model/Text.h"
#include "core/update/ProcessUpdate.h"
#include "core/update/UpdateWriter.h"

#include <algorithm>
#include <array>
#include <limits>

namespace gorlin {

namespace {

/// The longest path taken from an update host (from its first "/").
constexpr std::size_t kMaxHostPath = 200;
/// The longest Location value and index location taken.
constexpr std::size_t kMaxLocation = 100;
/// The most digits a Content-Length may have (more cannot be a size).
constexpr std::size_t kMaxLengthDigits = 18;

constexpr std::array<const char*, 8> kStatusTable = {
    "400Bad Request",           "401Unauthorized",    "403Forbidden",   "404Not Found",
    "500Internal Server Error", "501Not Implemented", "502Bad Gateway", "503Service Unavailable",
};

bool StartsNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && CompareNoCase(text.substr(0, prefix.size()), prefix) == 0;
}

bool AllDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::uint64_t ToNumber(std::string_view digits) {
    std::uint64_t n = 0;
    for (const char c : digits)
        n = n * 10 + static_cast<std::uint64_t>(c - '0');
    return n;
}

/// A path with every run of "/" made one.
std::string SingleSlashes(std::string_view path) {
    std::string out;
    out.reserve(path.size());
    for (const char c : path)
        if (c != '/' || out.empty() || out.back() != '/')
            out.push_back(c);
    return out;
}

/// Splits NAME[:PORT] (or [V6]:PORT); false when the name is empty or the port is not 1..65535.
bool SplitHostPort(std::string_view hostPort, std::string& name, int& port) {
    std::string_view portText;
    if (!hostPort.empty() && hostPort.front() == '[') {
        const std::size_t close = hostPort.find(']');
        if (close == std::string_view::npos)
            return false;
        name = std::string(hostPort.substr(1, close - 1));
        const std::string_view rest = hostPort.substr(close + 1);
        if (!rest.empty()) {
            if (rest.front() != ':')
                return false;
            portText = rest.substr(1);
            if (portText.empty())
                return false;
        }
    } else {
        const std::size_t colon = hostPort.rfind(':');
        name = std::string(hostPort.substr(0, colon));
        if (colon != std::string_view::npos) {
            portText = hostPort.substr(colon + 1);
            if (portText.empty())
                return false;
        }
    }
    port = 80;
    if (!portText.empty()) {
        if (!AllDigits(portText) || portText.size() > 5 || ToNumber(portText) < 1 ||
            ToNumber(portText) > 65535)
            return false;
        port = static_cast<int>(ToNumber(portText));
    }
    return !name.empty();
}

/// A location's scheme: "http://" is dropped; false for any other scheme.
bool DropHttpScheme(std::string& location) {
    if (StartsNoCase(location, "http://")) {
        location.erase(0, 7);
        return true;
    }
    const std::size_t scheme = location.find("://");
    return scheme == std::string::npos || location.find('/') < scheme;
}

std::string HostNameOf(std::string_view updateHost) {
    return std::string(updateHost.substr(0, updateHost.find('/')));
}

} // namespace

RetrievalStart RetrievalStartFor(const League& league, const Settings& settings, bool keepSquads) {
    RetrievalStart s;
    s.VersionId = league.Head.VersionId;
    s.UpdateAddress = league.Head.UpdateAddress.str();
    s.RootHost = settings.RootHost;
    s.UseProxy = settings.UseProxy;
    s.ProxyName = settings.ProxyName;
    s.ProxyPort = settings.ProxyPort;
    s.KeepSquads = keepSquads;
    return s;
}

HttpRequest BuildRequest(std::string_view updateHost, std::string_view file, bool useProxy,
                         std::string_view proxyName, int proxyPort) {
    HttpRequest r;
    updateHost = Trim(updateHost);
    const std::size_t slash = updateHost.find('/');
    const std::string_view hostPort = updateHost.substr(0, slash);
    std::string path = "/";
    if (slash != std::string_view::npos)
        path = std::string(updateHost.substr(slash, kMaxHostPath)) + "/";
    path = SingleSlashes(path + std::string(file));

    r.HostHeader = std::string(hostPort);
    if (!SplitHostPort(hostPort, r.Host, r.Port))
        return r;
    std::string target = path;
    if (useProxy) {
        target = "http://" + r.HostHeader + path;
        r.Host = std::string(Trim(proxyName));
        r.Port = proxyPort;
        if (r.Host.empty() || proxyPort < 1 || proxyPort > 65535)
            return r;
    }
    r.RequestLine = "GET " + target + " HTTP/1.0";
    r.Bytes = r.RequestLine + "\r\nHost: " + r.HostHeader + "\r\n\r\n";
    r.Ok = true;
    return r;
}

RetrievalActions UpdateRetrieval::Start(const RetrievalStart& start, std::int64_t now) {
    RetrievalActions out = Abort();
    m_start = start;
    m_mode = 1;
    m_redirects = 0;
    m_progress = 0;
    m_chainDeadline = now + start.Limits.ChainMs;
    m_fileName = UpdateFileName(start.VersionId);
    m_updateHost = start.UpdateAddress.empty() ? start.RootHost : start.UpdateAddress;
    GetFile(out, m_updateHost, m_fileName, now);
    return out;
}

void UpdateRetrieval::GetFile(RetrievalActions& out, const std::string& host, const std::string& file,
                              std::int64_t now) {
    m_inHeader = true;
    m_badHeader = false;
    m_pending.clear();
    m_headerBytes = 0;
    m_headerLines.clear();
    m_protocol.clear();
    m_code.clear();
    m_reason.clear();
    m_contentLength = 0;
    m_received = 0;
    m_body = LineReceiver(m_start.KeepSquads);

    const HttpRequest request =
        BuildRequest(host, file, m_start.UseProxy, m_start.ProxyName, m_start.ProxyPort);
    m_phase = Phase::Connecting;
    if (!request.Ok) {
        Fail(out, kMsgConnectError);
        return;
    }
    m_request = request.Bytes;
    m_phaseDeadline = now + m_start.Limits.ConnectMs;
    RetrievalAction status;
    status.Text = kMsgRetrievingData;
    out.push_back(std::move(status));
    RetrievalAction connect;
    connect.Type = RetrievalAction::Connect;
    connect.Host = request.Host;
    connect.Port = request.Port;
    connect.RequestLine = request.RequestLine;
    out.push_back(std::move(connect));
}

RetrievalActions UpdateRetrieval::Connected(std::int64_t now) {
    RetrievalActions out;
    if (m_phase != Phase::Connecting || !CheckTime(out, now))
        return out;
    m_phase = Phase::Connected;
    m_phaseDeadline = now + m_start.Limits.SilenceMs;
    RetrievalAction send;
    send.Type = RetrievalAction::Send;
    send.Text = m_request;
    out.push_back(std::move(send));
    return out;
}

RetrievalActions UpdateRetrieval::Received(std::string_view bytes, std::int64_t now) {
    RetrievalActions out;
    if (m_phase != Phase::Connected || !CheckTime(out, now))
        return out;
    m_phaseDeadline = now + m_start.Limits.SilenceMs;
    if (m_inHeader)
        ProcessHeader(out, bytes);
    else
        ProcessBody(out, bytes);
    return out;
}

void UpdateRetrieval::ProcessHeader(RetrievalActions& out, std::string_view text) {
    while (m_inHeader && Running()) {
        const std::size_t feed = text.find('\n');
        const std::size_t taken = feed == std::string_view::npos ? text.size() : feed + 1;
        if (m_headerBytes + m_pending.size() + taken > m_start.Limits.MaxHeaderBytes) {
            Fail(out, kMsgFileTooLarge);
            return;
        }
        m_pending.append(text.substr(0, feed));
        if (feed == std::string_view::npos)
            return;
        text.remove_prefix(taken);
        m_headerBytes += m_pending.size() + 1;
        std::string line = std::move(m_pending);
        m_pending.clear();
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (m_headerLines.empty())
            ProcessStatusLine(line);
        if (!line.empty()) {
            HeaderLine(line);
            continue;
        }
        // The empty line (or an empty status line): the header has ended.
        m_inHeader = false;
        if (m_badHeader)
            Fail(out, kMsgRetrieveError);
        else if (m_contentLength > m_start.Limits.MaxBodyBytes)
            Fail(out, kMsgFileTooLarge);
        else
            ProcessBody(out, text);
        return;
    }
}

void UpdateRetrieval::ProcessStatusLine(const std::string& line) {
    const std::size_t space = line.find(' ');
    m_protocol = line.substr(0, space);
    if (space == std::string::npos)
        return;
    const std::string_view rest = std::string_view(line).substr(space + 1);
    const std::size_t next = rest.find(' ');
    m_code = std::string(Trim(rest.substr(0, next)));
    if (next != std::string_view::npos)
        m_reason = std::string(Trim(rest.substr(next + 1)));
}

void UpdateRetrieval::HeaderLine(const std::string& line) {
    if (m_headerLines.size() >= m_start.Limits.MaxHeaderLines)
        return;
    m_headerLines.push_back(line);
    if (m_headerLines.size() == 1)
        return;
    if (StartsNoCase(line, "Content-Length:")) {
        const std::string_view value = Trim(std::string_view(line).substr(15));
        // Not a number: as if absent; more digits than any size has: too large.
        if (AllDigits(value))
            m_contentLength = value.size() <= kMaxLengthDigits ? ToNumber(value)
                                                               : std::numeric_limits<std::uint64_t>::max();
    } else if (StartsNoCase(line, "Transfer-Encoding:")) {
        if (CompareNoCase(Trim(std::string_view(line).substr(18)), "identity") != 0)
            m_badHeader = true;
    }
}

void UpdateRetrieval::ProcessBody(RetrievalActions& out, std::string_view text) {
    // Bytes past a declared length are not part of the file.
    if (m_contentLength != 0)
        text =
            text.substr(0, static_cast<std::size_t>(m_contentLength - std::min(m_received, m_contentLength)));
    m_received += text.size();
    if (m_received > m_start.Limits.MaxBodyBytes) {
        Fail(out, kMsgFileTooLarge);
        return;
    }
    if (m_contentLength != 0 && !m_code.empty() && m_code.front() == '2' && m_mode != 2) {
        const auto percent = static_cast<int>((m_received * 200 + m_contentLength) / (2 * m_contentLength));
        if (percent > m_progress) {
            m_progress = percent;
            RetrievalAction progress;
            progress.Type = RetrievalAction::Progress;
            progress.Percent = percent;
            out.push_back(std::move(progress));
        }
    }
    m_body.ProcessBody(text);
    if (m_body.Lines().size() > m_start.Limits.MaxBodyLines)
        Fail(out, kMsgFileTooLarge);
}

RetrievalActions UpdateRetrieval::Closed(std::int64_t now) {
    RetrievalActions out;
    if (m_phase == Phase::Connecting)
        return SocketError(SocketFailure::Refused, now);
    if (m_phase != Phase::Connected || !CheckTime(out, now))
        return out;
    m_phase = Phase::Closing;
    RetrievalAction timer;
    timer.Type = RetrievalAction::StartTimer;
    out.push_back(std::move(timer));
    return out;
}

RetrievalActions UpdateRetrieval::SocketError(SocketFailure failure, std::int64_t now) {
    RetrievalActions out;
    if ((m_phase != Phase::Connecting && m_phase != Phase::Connected) || !CheckTime(out, now))
        return out;
    if (failure == SocketFailure::LookupFailed)
        Fail(out, kMsgConnectError);
    else
        Fail(out, kMsgUpdateCancelled, std::string(kMsgNetworkError) + "\n\n" + kMsgUpdateCancelled);
    return out;
}

RetrievalActions UpdateRetrieval::TimerFired(std::int64_t now) {
    RetrievalActions out;
    if (m_phase != Phase::Closing || !CheckTime(out, now))
        return out;
    Evaluate(out, now);
    return out;
}

RetrievalActions UpdateRetrieval::Tick(std::int64_t now) {
    RetrievalActions out;
    if (Running())
        CheckTime(out, now);
    return out;
}

RetrievalActions UpdateRetrieval::Abort() {
    RetrievalActions out;
    if (m_phase == Phase::Connecting || m_phase == Phase::Connected) {
        RetrievalAction close;
        close.Type = RetrievalAction::Close;
        out.push_back(std::move(close));
    }
    m_phase = Phase::Idle;
    return out;
}

std::optional<std::int64_t> UpdateRetrieval::NextDeadline() const {
    switch (m_phase) {
    case Phase::Idle:
        return std::nullopt;
    case Phase::Closing:
        return m_chainDeadline;
    default:
        return std::min(m_chainDeadline, m_phaseDeadline);
    }
}

bool UpdateRetrieval::CheckTime(RetrievalActions& out, std::int64_t now) {
    const std::optional<std::int64_t> deadline = NextDeadline();
    if (!deadline || now < *deadline)
        return true;
    Fail(out, kMsgTimedOut);
    return false;
}

void UpdateRetrieval::Evaluate(RetrievalActions& out, std::int64_t now) {
    if (m_inHeader) {
        Fail(out, kMsgRetrieveError);
        return;
    }
    m_body.Finish();
    if (m_body.Lines().size() > m_start.Limits.MaxBodyLines) { // the last line, ended by the close
        Fail(out, kMsgFileTooLarge);
        return;
    }
    if (m_mode == 1 && (m_code == "301" || m_code == "302") && FollowLocation(out, now))
        return;
    if (!m_code.empty() && m_code.front() == '2') {
        if (m_received < m_contentLength)
            Fail(out, kMsgNotInFull);
        else if (m_mode == 2)
            ProcessRedirect(out, m_body.Lines(), now);
        else
            Finish(out);
        return;
    }
    if (m_code == "404" && m_mode == 1) {
        m_mode = 2;
        GetFile(out, m_updateHost, kIndexFileName, now);
        return;
    }
    std::string message = kMsgRetrieveError;
    for (const char* entry : kStatusTable)
        if (m_code == std::string_view(entry).substr(0, 3))
            message = "Error " + m_code + " retrieving update (" + std::string(entry + 3) + ")";
    Fail(out, message);
}

bool UpdateRetrieval::FollowLocation(RetrievalActions& out, std::int64_t now) {
    for (std::size_t i = 1; i < m_headerLines.size(); ++i) {
        const std::string& line = m_headerLines[i];
        if (!StartsNoCase(line, "Location:"))
            continue;
        const std::string value(Trim(std::string_view(line).substr(9, kMaxLocation)));
        const std::size_t at = value.find(m_fileName);
        if (at == std::string::npos)
            continue;
        if (++m_redirects > m_start.Limits.MaxRedirects) {
            Fail(out, kMsgTooManyRedirects);
            return true;
        }
        // The location up to the "/" before the file name.
        std::string host = value.substr(0, at == 0 ? 0 : at - 1);
        if (!DropHttpScheme(host)) {
            Fail(out, kMsgRetrieveError);
            return true;
        }
        host = host.substr(0, kMaxLocation);
        if (host.empty() || host.front() == '/')
            host = HostNameOf(m_updateHost) + host; // no host: the same server
        m_updateHost = host;
        GetFile(out, m_updateHost, m_fileName, now);
        return true;
    }
    return false;
}

void UpdateRetrieval::ProcessRedirect(RetrievalActions& out, const std::vector<std::string>& lines,
                                      std::int64_t now) {
    const std::string digits = m_fileName.substr(4, 4);
    const std::uint64_t version = ToNumber(digits);
    for (const std::string& line : lines) {
        if (line.size() < 5)
            continue;
        const std::string_view view(line);
        if (line[4] == ':' && view.substr(0, 4) == digits) {
            DoRedirect(out, view.substr(5, kMaxLocation), now);
            return;
        }
        if (line[4] == '-' && line.size() >= 10 && AllDigits(view.substr(0, 4)) &&
            AllDigits(view.substr(5, 4)) && ToNumber(view.substr(0, 4)) <= version &&
            version <= ToNumber(view.substr(5, 4))) {
            DoRedirect(out, view.substr(10, kMaxLocation), now);
            return;
        }
    }
    Fail(out, kMsgNotOnServer);
}

void UpdateRetrieval::DoRedirect(RetrievalActions& out, std::string_view location, std::int64_t now) {
    std::string where(Trim(location));
    if (!DropHttpScheme(where)) {
        Fail(out, kMsgRetrieveError);
        return;
    }
    const std::size_t slash = where.find('/');
    const std::string host = where.substr(0, slash);
    const std::string prefix =
        slash == std::string::npos ? std::string() : std::string(Trim(where.substr(slash + 1)));
    m_mode = 3;
    GetFile(out, host, prefix + m_fileName, now);
}

void UpdateRetrieval::Fail(RetrievalActions& out, std::string status, std::string box) {
    RetrievalActions close = Abort();
    out.insert(out.end(), close.begin(), close.end());
    RetrievalAction failed;
    failed.Type = RetrievalAction::Failed;
    failed.Text = std::move(status);
    failed.Box = !box.empty();
    failed.BoxText = std::move(box);
    out.push_back(std::move(failed));
}

void UpdateRetrieval::Finish(RetrievalActions& out) {
    m_phase = Phase::Idle;
    RetrievalAction finished;
    finished.Type = RetrievalAction::Finished;
    finished.Lines = m_body.TakeLines();
    out.push_back(std::move(finished));
}

} // namespace gorlin
