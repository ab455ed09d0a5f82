#include "support/LoopbackServer.h"

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace gorlin::test {

namespace {

/// How long the server waits for a request before playing its response anyway.
constexpr int kRequestWaitMs = 5000;
/// The longest request kept.
constexpr std::size_t kMaxRequest = 64 * 1024;

sockaddr_in Loopback(int port) {
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = htons(static_cast<std::uint16_t>(port));
    return addr;
}

int BoundPort(int fd) {
    sockaddr_in addr{};
    socklen_t len = sizeof addr;
    if (::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) != 0)
        throw std::runtime_error("getsockname failed");
    return ntohs(addr.sin_port);
}

} // namespace

ScriptedResponse ScriptedResponse::Whole(std::string bytes) {
    ScriptedResponse r;
    r.Chunks.push_back({std::move(bytes), 0});
    return r;
}

ScriptedResponse ScriptedResponse::Split(const std::string& bytes, std::size_t size, int pauseMs) {
    ScriptedResponse r;
    for (std::size_t at = 0; at < bytes.size(); at += size)
        r.Chunks.push_back({bytes.substr(at, size), pauseMs});
    return r;
}

ScriptedResponse ScriptedResponse::Http(const std::string& codeAndReason, const std::string& body,
                                        const std::vector<std::string>& headerLines) {
    std::string text = "HTTP/1.0 " + codeAndReason + "\r\n";
    for (const std::string& line : headerLines)
        text += line + "\r\n";
    return Whole(text + "\r\n" + body);
}

LoopbackServer::LoopbackServer(std::vector<ScriptedResponse> responses) : m_responses(std::move(responses)) {
    if (m_responses.empty())
        m_responses.push_back(ScriptedResponse{});
    m_listen = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (m_listen < 0 || ::pipe2(m_wake, O_CLOEXEC) != 0)
        throw std::runtime_error("loopback server: no socket");
    const int one = 1;
    ::setsockopt(m_listen, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in addr = Loopback(0);
    if (::bind(m_listen, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || ::listen(m_listen, 8) != 0)
        throw std::runtime_error("loopback server: cannot listen");
    m_port = BoundPort(m_listen);
    m_thread = std::thread([this] { Serve(); });
}

LoopbackServer::~LoopbackServer() {
    Stop();
}

std::string LoopbackServer::HostPort() const {
    return "127.0.0.1:" + std::to_string(m_port);
}

std::vector<std::string> LoopbackServer::Requests() const {
    std::lock_guard lock(m_mutex);
    return m_requests;
}

std::size_t LoopbackServer::Connections() const {
    std::lock_guard lock(m_mutex);
    return m_connections;
}

void LoopbackServer::Stop() {
    if (m_thread.joinable()) {
        m_stopping = true;
        const char byte = 0;
        [[maybe_unused]] const ssize_t n = ::write(m_wake[1], &byte, 1);
        m_thread.join();
    }
    for (int* fd : {&m_listen, &m_wake[0], &m_wake[1]}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}

bool LoopbackServer::Pause(int ms) {
    if (m_stopping)
        return false;
    if (ms <= 0)
        return true;
    pollfd wake{m_wake[0], POLLIN, 0};
    return ::poll(&wake, 1, ms) == 0 && !m_stopping;
}

void LoopbackServer::Serve() {
    while (!m_stopping) {
        pollfd fds[2] = {{m_listen, POLLIN, 0}, {m_wake[0], POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (m_stopping || (fds[1].revents & POLLIN) != 0)
            return;
        const int fd = ::accept4(m_listen, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0)
            continue;
        std::size_t index = 0;
        {
            std::lock_guard lock(m_mutex);
            index = m_connections++;
        }
        Play(fd, m_responses[std::min(index, m_responses.size() - 1)]);
        ::close(fd);
    }
}

void LoopbackServer::Play(int fd, const ScriptedResponse& response) {
    if (response.CloseAtOnce) {
        std::lock_guard lock(m_mutex);
        m_requests.emplace_back();
        return;
    }
    // The request: up to its blank line, or whatever came before the client stopped sending.
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < kMaxRequest) {
        pollfd fds[2] = {{fd, POLLIN, 0}, {m_wake[0], POLLIN, 0}};
        if (::poll(fds, 2, kRequestWaitMs) <= 0 || m_stopping || (fds[1].revents & POLLIN) != 0)
            break;
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0)
            break;
        request.append(buffer, static_cast<std::size_t>(n));
    }
    {
        std::lock_guard lock(m_mutex);
        m_requests.push_back(request);
    }

    const auto send = [&](const std::string& bytes) {
        std::size_t at = 0;
        while (at < bytes.size()) {
            const ssize_t n = ::send(fd, bytes.data() + at, bytes.size() - at, MSG_NOSIGNAL);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            at += static_cast<std::size_t>(n);
        }
        return true;
    };
    for (const Chunk& chunk : response.Chunks)
        if (!Pause(chunk.PauseMs) || !send(chunk.Bytes))
            return;
    if (response.End == ScriptedResponse::Ending::Endless && !response.Chunks.empty()) {
        const Chunk& last = response.Chunks.back();
        while (Pause(last.PauseMs) && send(last.Bytes)) {
        }
    } else if (response.End == ScriptedResponse::Ending::Silent) {
        // Until the client closes (readable with nothing to read) or the server stops.
        while (!m_stopping) {
            pollfd fds[2] = {{fd, POLLIN, 0}, {m_wake[0], POLLIN, 0}};
            if (::poll(fds, 2, -1) < 0 && errno != EINTR)
                return;
            if ((fds[1].revents & POLLIN) != 0)
                return;
            if ((fds[0].revents & (POLLIN | POLLHUP | POLLERR)) != 0 &&
                ::recv(fd, buffer, sizeof buffer, 0) <= 0)
                return;
        }
    }
}

int UnusedPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr = Loopback(0);
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0)
        throw std::runtime_error("no free port");
    const int port = BoundPort(fd);
    ::close(fd);
    return port;
}

} // namespace gorlin::test
