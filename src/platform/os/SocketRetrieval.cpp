#include "platform/os/SocketRetrieval.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <deque>
#include <fcntl.h>
#include <memory>
#include <netdb.h>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

namespace gorlin {

namespace {

/// The socket of one request: the addresses of its host tried in turn, then the connection.
class Connection {
public:
    Connection() = default;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    ~Connection() { Close(); }

    /// Looks the host up and starts connecting; false when the name does not resolve.
    bool Open(const std::string& host, int port) {
        Close();
        addrinfo hints{};
        hints.ai_family = AF_UNSPEC;
        hints.ai_socktype = SOCK_STREAM;
        hints.ai_flags = AI_NUMERICSERV;
        addrinfo* found = nullptr;
        if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0 ||
            found == nullptr)
            return false;
        m_addresses.reset(found);
        m_next = found;
        return true;
    }

    /// Starts connecting to the next address; false when none is left.
    bool ConnectNext() {
        CloseSocket();
        for (; m_next != nullptr; m_next = m_next->ai_next) {
            m_fd = ::socket(m_next->ai_family, m_next->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC,
                            m_next->ai_protocol);
            if (m_fd < 0)
                continue;
            const int rc = ::connect(m_fd, m_next->ai_addr, m_next->ai_addrlen);
            m_next = m_next->ai_next;
            if (rc == 0 || errno == EINPROGRESS) {
                m_connecting = true;
                return true;
            }
            CloseSocket();
        }
        return false;
    }

    /// Whether the pending connect succeeded.
    bool ConnectDone() {
        int error = 0;
        socklen_t len = sizeof error;
        m_connecting = false;
        return ::getsockopt(m_fd, SOL_SOCKET, SO_ERROR, &error, &len) == 0 && error == 0;
    }

    void CloseSocket() {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
        m_connecting = false;
    }

    void Close() {
        CloseSocket();
        m_addresses.reset();
        m_next = nullptr;
    }

    int Fd() const { return m_fd; }
    bool Connecting() const { return m_connecting; }

private:
    struct FreeAddresses {
        void operator()(addrinfo* list) const { ::freeaddrinfo(list); }
    };
    std::unique_ptr<addrinfo, FreeAddresses> m_addresses;
    addrinfo* m_next = nullptr;
    int m_fd = -1;
    bool m_connecting = false;
};

} // namespace

std::int64_t MonotonicMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

RetrievalAction RunRetrieval(const RetrievalStart& start,
                             const std::function<void(const RetrievalAction&)>& observe) {
    const auto show = [&observe](const RetrievalAction& a) {
        if (observe)
            observe(a);
    };
    UpdateRetrieval machine;
    Connection socket;
    std::string unsent;
    bool timerArmed = false;
    std::int64_t timerAt = 0;
    std::deque<RetrievalAction> todo;
    const auto queue = [&todo](RetrievalActions actions) {
        for (RetrievalAction& a : actions)
            todo.push_back(std::move(a));
    };
    queue(machine.Start(start, MonotonicMs()));

    char buffer[64 * 1024];
    for (;;) {
        while (!todo.empty()) {
            RetrievalAction a = std::move(todo.front());
            todo.pop_front();
            switch (a.Type) {
            case RetrievalAction::Connect:
                show(a);
                unsent.clear();
                if (!socket.Open(a.Host, a.Port))
                    queue(machine.SocketError(SocketFailure::LookupFailed, MonotonicMs()));
                else if (!socket.ConnectNext())
                    queue(machine.SocketError(SocketFailure::Refused, MonotonicMs()));
                break;
            case RetrievalAction::Send:
                unsent += a.Text;
                break;
            case RetrievalAction::Close:
                socket.Close();
                break;
            case RetrievalAction::StartTimer:
                timerArmed = true;
                timerAt = MonotonicMs() + kEvaluateDelayMs;
                break;
            case RetrievalAction::StatusText:
            case RetrievalAction::Progress:
                show(a);
                break;
            case RetrievalAction::Finished:
            case RetrievalAction::Failed:
                socket.Close();
                show(a);
                return a;
            }
        }
        if (!machine.Running()) { // cannot happen: every chain ends with Finished or Failed
            RetrievalAction failed;
            failed.Type = RetrievalAction::Failed;
            failed.Text = kMsgRetrieveError;
            return failed;
        }

        std::int64_t now = MonotonicMs();
        std::int64_t wake = machine.NextDeadline().value_or(now + 1000);
        if (timerArmed)
            wake = std::min(wake, timerAt);
        const int timeout = static_cast<int>(std::clamp<std::int64_t>(wake - now, 0, 60000));
        pollfd fd{socket.Fd(), 0, 0};
        if (socket.Fd() >= 0)
            fd.events = static_cast<short>(socket.Connecting() || !unsent.empty() ? POLLOUT : POLLIN);
        const int ready = ::poll(&fd, socket.Fd() >= 0 ? 1 : 0, timeout);
        now = MonotonicMs();
        if (ready < 0 && errno != EINTR) {
            queue(machine.SocketError(SocketFailure::Broken, now));
            continue;
        }
        if (timerArmed && now >= timerAt) {
            timerArmed = false;
            queue(machine.TimerFired(now));
            continue;
        }
        if (ready <= 0 || fd.revents == 0) {
            queue(machine.Tick(now));
            continue;
        }
        if (socket.Connecting()) {
            if (socket.ConnectDone())
                queue(machine.Connected(now));
            else if (!socket.ConnectNext())
                queue(machine.SocketError(SocketFailure::Refused, now));
            continue;
        }
        if (!unsent.empty()) {
            const ssize_t n = ::send(socket.Fd(), unsent.data(), unsent.size(), MSG_NOSIGNAL);
            if (n > 0)
                unsent.erase(0, static_cast<std::size_t>(n));
            else if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
                queue(machine.SocketError(SocketFailure::Broken, now));
            continue;
        }
        const ssize_t n = ::recv(socket.Fd(), buffer, sizeof buffer, 0);
        if (n > 0) {
            queue(machine.Received(std::string_view(buffer, static_cast<std::size_t>(n)), now));
        } else if (n == 0) {
            socket.Close();
            queue(machine.Closed(now));
        } else if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
            socket.Close();
            queue(machine.SocketError(SocketFailure::Broken, now));
        }
    }
}

} // namespace gorlin
