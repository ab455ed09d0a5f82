#pragma once

// The retrieval of an update file over HTTP/1.0 as a state machine without I/O: a driver (the
// GUI's socket and timer, or the command line's poll loop) feeds it the socket's events, the
// bytes that arrive and the time, and carries out the actions it returns. The machine never
// reads a clock and never touches a socket; every event takes `now`, a monotonic millisecond
// count of the driver's choosing.

#include "core/update/LineReceiver.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gorlin {

struct League;
struct Settings;

inline constexpr const char* kMsgConnectingServer = "Connecting to Gorlin Server";
inline constexpr const char* kMsgRetrievingData = "Retrieving update data...";
inline constexpr const char* kMsgConnectError = "Error connecting to the Gorlin Server";
inline constexpr const char* kMsgNetworkError = "A network error has occurred while processing your request.";
inline constexpr const char* kMsgRetrieveError = "Error retrieving update file";
inline constexpr const char* kMsgNotOnServer = "Update file could not be found on the server";
inline constexpr const char* kMsgFileTooLarge = "Update file is too large";
inline constexpr const char* kMsgTimedOut = "Timed out retrieving update file";
inline constexpr const char* kMsgTooManyRedirects = "Too many redirections retrieving update file";
inline constexpr const char* kMsgNotInFull = "Update file was not received in full";
/// The index file asked for when the server has no update file of the league's version.
inline constexpr const char* kIndexFileName = "gnupindx.txt";
/// The wait between the server closing the connection and the evaluation of the response.
inline constexpr int kEvaluateDelayMs = 500;

/// What no valid update file reaches; each ends the chain with its message.
struct RetrievalLimits {
    std::uint64_t MaxBodyBytes = std::uint64_t{64} << 20; // kMsgFileTooLarge
    std::size_t MaxBodyLines = 2000000;                   // kMsgFileTooLarge
    std::size_t MaxHeaderBytes = std::size_t{64} << 10;   // kMsgFileTooLarge
    std::size_t MaxHeaderLines = 100;                     // later header lines are ignored
    std::int64_t ConnectMs = 30000;                       // connect to connected: kMsgTimedOut
    std::int64_t SilenceMs = 30000;                       // connected, nothing arrives: kMsgTimedOut
    std::int64_t ChainMs = 300000;                        // Start to the end of the chain: kMsgTimedOut
    int MaxRedirects = 5;                                 // 301/302 followed: kMsgTooManyRedirects
};

/// What a chain starts from: the league's version and update address, the settings' server and
/// proxy, the squad check box of the dialog.
struct RetrievalStart {
    int VersionId = 0;
    std::string UpdateAddress; // the league's own update host; empty: RootHost
    std::string RootHost;      // HOST[:PORT][/PATH]
    bool UseProxy = false;
    std::string ProxyName;
    int ProxyPort = 80;
    bool KeepSquads = true; // false: lines beginning with "S" are dropped as they arrive
    RetrievalLimits Limits;
};

/// The start of a chain for a league with the program's settings.
RetrievalStart RetrievalStartFor(const League& league, const Settings& settings, bool keepSquads);

/// One thing the driver does. Actions come in the order they are to be carried out.
struct RetrievalAction {
    enum Kind {
        /// Drop any previous socket and open one to Host:Port (a name to look up, or an
        /// address). Then report Connected, Received, Closed or SocketError. RequestLine is the
        /// request's first line, for logs ("GET /gnup0042.txt HTTP/1.0").
        Connect,
        /// Write Text (the whole request) to the socket.
        Send,
        /// Close the socket now, ignoring anything it still reports. Harmless when closed.
        Close,
        /// Arm the one-shot timer for kEvaluateDelayMs; report TimerFired when it fires.
        StartTimer,
        /// Show Text as the status text.
        StatusText,
        /// Move the progress bar to Percent (0..100); it only ever grows within a chain.
        Progress,
        /// The chain ended with an update file: hand Lines (line 1 = Lines[0]) to ProcessUpdate.
        Finished,
        /// The chain ended without one: Text is the status text; when Box is set an error box
        /// shows BoxText first. The dialog is reset; the league is untouched.
        Failed,
    };
    Kind Type = StatusText;
    std::string Host;               // Connect
    int Port = 0;                   // Connect
    std::string RequestLine;        // Connect
    std::string Text;               // Send, StatusText, Failed
    int Percent = 0;                // Progress
    std::vector<std::string> Lines; // Finished
    bool Box = false;               // Failed
    std::string BoxText;            // Failed with Box: lines separated by "\n"
};

using RetrievalActions = std::vector<RetrievalAction>;

/// How a socket failed.
enum class SocketFailure {
    LookupFailed, // the host name could not be resolved, or the address is unusable
    Refused,      // the connection was refused or could not be made
    Broken,       // an established connection failed (reset, network down)
};

/// The request the machine would make for an update host and file: where it connects and what
/// it sends. Ok is false when the host names no server (empty, or a bad port).
struct HttpRequest {
    bool Ok = false;
    std::string Host; // where the socket goes: the server, or the proxy
    int Port = 80;
    std::string HostHeader;  // the server as written (NAME or NAME:PORT), for the Host: line
    std::string RequestLine; // "GET " + path (or the proxy's absolute URL) + " HTTP/1.0"
    std::string Bytes;       // the whole request as sent
};

/// Builds the request of GetFile: updateHost is HOST[:PORT][/PATH]; the path (at most 200
/// characters from the host's "/") is followed by "/" and the file, with no "//" anywhere in
/// it; through a proxy the request names "http://" + HOST[:PORT] + path and goes to the proxy.
HttpRequest BuildRequest(std::string_view updateHost, std::string_view file, bool useProxy,
                         std::string_view proxyName, int proxyPort);

/// One retrieval chain: mode 1 (the update file from the update host), perhaps repeated on a
/// 301/302, mode 2 (the index file on a 404), mode 3 (the update file where the index points).
/// Events outside a running chain, or that do not fit its phase, return no actions; a driver
/// stops reporting events of a socket once it has been told to Close it or to Connect anew.
class UpdateRetrieval {
public:
    /// ConnectionComplete: mode 1, the request for the league's update file.
    RetrievalActions Start(const RetrievalStart& start, std::int64_t now);
    /// The socket connected: the request is sent.
    RetrievalActions Connected(std::int64_t now);
    /// Bytes arrived, split anywhere.
    RetrievalActions Received(std::string_view bytes, std::int64_t now);
    /// The server closed the connection: the response is evaluated once the timer fires.
    /// Closed before connecting counts as a refused connection.
    RetrievalActions Closed(std::int64_t now);
    /// A failed lookup ends with kMsgConnectError (status text only); a refused or broken
    /// connection with the network error box and kMsgUpdateCancelled.
    RetrievalActions SocketError(SocketFailure failure, std::int64_t now);
    /// The StartTimer timer fired.
    RetrievalActions TimerFired(std::int64_t now);
    /// Only checks the time limits; call it at NextDeadline().
    RetrievalActions Tick(std::int64_t now);
    /// Abandons the chain (the dialog closes): a Close action when a socket is open.
    RetrievalActions Abort();

    /// When Tick must be called at the latest while nothing else happens; none when idle.
    std::optional<std::int64_t> NextDeadline() const;
    /// Between Start and Finished/Failed.
    bool Running() const { return m_phase != Phase::Idle; }

    /// 1, 2 or 3 (0 before the first Start).
    int Mode() const { return m_mode; }
    /// The parts of the current response's status line, and its other findings.
    const std::string& Protocol() const { return m_protocol; }
    const std::string& StatusCode() const { return m_code; }
    const std::string& Reason() const { return m_reason; }
    const std::vector<std::string>& HeaderLines() const { return m_headerLines; }
    std::uint64_t ContentLength() const { return m_contentLength; }
    std::uint64_t BodyReceived() const { return m_received; }
    /// The update host requests go to now (after redirects).
    const std::string& UpdateHost() const { return m_updateHost; }

private:
    enum class Phase { Idle, Connecting, Connected, Closing };

    void GetFile(RetrievalActions& out, const std::string& host, const std::string& file, std::int64_t now);
    void ProcessHeader(RetrievalActions& out, std::string_view text);
    void ProcessStatusLine(const std::string& line);
    void HeaderLine(const std::string& line);
    void ProcessBody(RetrievalActions& out, std::string_view text);
    void Evaluate(RetrievalActions& out, std::int64_t now);
    bool FollowLocation(RetrievalActions& out, std::int64_t now);
    void ProcessRedirect(RetrievalActions& out, const std::vector<std::string>& lines, std::int64_t now);
    void DoRedirect(RetrievalActions& out, std::string_view location, std::int64_t now);
    bool CheckTime(RetrievalActions& out, std::int64_t now);
    void Fail(RetrievalActions& out, std::string status, std::string box = {});
    void Finish(RetrievalActions& out);

    RetrievalStart m_start;
    Phase m_phase = Phase::Idle;
    int m_mode = 0;
    std::string m_updateHost;
    std::string m_fileName;
    std::string m_request;
    int m_redirects = 0;
    std::int64_t m_chainDeadline = 0;
    std::int64_t m_phaseDeadline = 0; // connect or silence deadline; unused while Closing
    int m_progress = 0;

    // The response being received.
    bool m_inHeader = true;
    bool m_badHeader = false; // a transfer coding, or an unusable Content-Length
    std::string m_pending;    // the partial header line
    std::size_t m_headerBytes = 0;
    std::vector<std::string> m_headerLines;
    std::string m_protocol;
    std::string m_code;
    std::string m_reason;
    std::uint64_t m_contentLength = 0;
    std::uint64_t m_received = 0;
    LineReceiver m_body;
};

} // namespace gorlin
