#pragma once

// A scripted HTTP server for tests: a raw socket on 127.0.0.1 (a free port), served by a thread
// of its own. Each connection it accepts reads the request (up to its blank line) and plays the
// next scripted response. Standard C++ and POSIX only.

#include <atomic>
#include <cstddef>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace gorlin::test {

/// Bytes the server sends, after waiting PauseMs.
struct Chunk {
    std::string Bytes;
    int PauseMs = 0;
};

/// What the server does on one connection.
struct ScriptedResponse {
    enum class Ending {
        Close,  // close the connection after the last chunk
        Silent, // keep it open, sending nothing, until the client closes or the server stops
        Endless // send the last chunk again and again until the client closes
    };
    std::vector<Chunk> Chunks;
    Ending End = Ending::Close;
    /// Close at once, without reading the request or sending anything.
    bool CloseAtOnce = false;

    /// The whole text in one piece, then close.
    static ScriptedResponse Whole(std::string bytes);
    /// The text in pieces of `size` bytes (the last may be shorter), pauseMs before each.
    static ScriptedResponse Split(const std::string& bytes, std::size_t size, int pauseMs = 0);
    /// "HTTP/1.0 CODE REASON", the header lines given (each without its CR LF), a blank line and
    /// the body, in one piece.
    static ScriptedResponse Http(const std::string& codeAndReason, const std::string& body,
                                 const std::vector<std::string>& headerLines = {});
};

class LoopbackServer {
public:
    /// Serves responses[0] to the first connection, responses[1] to the second, ...; connections
    /// past the end get the last response again.
    explicit LoopbackServer(std::vector<ScriptedResponse> responses);
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    /// The port it listens on (on 127.0.0.1).
    int Port() const { return m_port; }
    /// "127.0.0.1:PORT".
    std::string HostPort() const;
    /// The requests received so far, one per connection, each as read (up to and including
    /// its blank line).
    std::vector<std::string> Requests() const;
    /// Connections accepted so far.
    std::size_t Connections() const;
    /// Stops serving: closes every socket and joins the thread (the destructor does it too).
    void Stop();

private:
    void Serve();
    void Play(int fd, const ScriptedResponse& response);
    bool Pause(int ms); // false when stopping

    std::vector<ScriptedResponse> m_responses;
    int m_listen = -1;
    int m_wake[2] = {-1, -1}; // a pipe that wakes the thread to stop
    int m_port = 0;
    std::atomic<bool> m_stopping{false};
    mutable std::mutex m_mutex;
    std::vector<std::string> m_requests;
    std::size_t m_connections = 0;
    std::thread m_thread;
};

/// A port on 127.0.0.1 that nothing listens on (bound, then released): connecting is refused.
int UnusedPort();

} // namespace gorlin::test
