// Plays arbitrary server responses, split at random points and with random pauses, to the
// update retrieval state machine. Each chain must end (at the latest when its time is up), make
// a bounded number of requests and keep every buffer within its limit.

#include "core/update/UpdateRetrieval.h"

#include <cstdint>
#include <cstdlib>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

using namespace gorlin;

namespace {

void Check(bool ok) {
    if (!ok)
        std::abort();
}

/// Responses are separated by this in the input.
constexpr std::string_view kNext = "\xff\xfe";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const std::uint8_t flags = data[0];
    std::uint32_t random = data[1] * 2654435761u + 1;
    const auto next = [&random](std::uint32_t below) {
        random = random * 1103515245u + 12345u;
        return (random >> 8) % below;
    };
    std::vector<std::string_view> responses;
    std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);
    for (std::size_t at = rest.find(kNext); at != std::string_view::npos; at = rest.find(kNext)) {
        responses.push_back(rest.substr(0, at));
        rest.remove_prefix(at + kNext.size());
    }
    responses.push_back(rest);

    RetrievalStart start;
    start.VersionId = 42;
    start.RootHost = (flags & 1) != 0 ? "h:8080/a/" : "h";
    start.UseProxy = (flags & 2) != 0;
    start.ProxyName = "proxy";
    start.KeepSquads = (flags & 4) == 0;
    if ((flags & 8) != 0) {
        start.Limits.MaxBodyBytes = 2000;
        start.Limits.MaxBodyLines = 20;
        start.Limits.MaxHeaderBytes = 300;
        start.Limits.MaxHeaderLines = 5;
    }
    const RetrievalLimits& limits = start.Limits;

    UpdateRetrieval m;
    std::int64_t now = 0;
    std::size_t requests = 0;
    bool ended = false;
    std::deque<RetrievalAction> todo;
    const auto queue = [&](RetrievalActions actions) {
        for (RetrievalAction& a : actions)
            todo.push_back(std::move(a));
        Check(m.HeaderLines().size() <= limits.MaxHeaderLines);
        Check(m.BodyReceived() <= limits.MaxBodyBytes);
    };
    queue(m.Start(start, now));
    while (!todo.empty()) {
        RetrievalAction a = std::move(todo.front());
        todo.pop_front();
        Check(!ended);
        switch (a.Type) {
        case RetrievalAction::Connect:
            ++requests;
            Check(requests <= static_cast<std::size_t>(limits.MaxRedirects) + 3);
            Check(a.RequestLine.find("//", a.RequestLine.find(' ') + (start.UseProxy ? 12 : 0)) ==
                  std::string::npos);
            queue(next(16) == 0 ? m.SocketError(SocketFailure::Refused, now) : m.Connected(now));
            break;
        case RetrievalAction::Send: {
            const std::string_view response = responses[std::min(requests, responses.size()) - 1];
            for (std::size_t at = 0; at < response.size() && m.Running();) {
                const std::size_t piece = 1 + next(64);
                queue(m.Received(response.substr(at, piece), now));
                at += piece;
                now += next(8) == 0 ? next(40000) : next(100);
                if (next(4) == 0)
                    queue(m.Tick(now));
            }
            queue(m.Closed(now));
            break;
        }
        case RetrievalAction::StartTimer:
            now += kEvaluateDelayMs;
            queue(m.TimerFired(now));
            break;
        case RetrievalAction::Progress:
            Check(a.Percent >= 0 && a.Percent <= 100);
            break;
        case RetrievalAction::Finished:
            Check(a.Lines.size() <= limits.MaxBodyLines);
            for (const std::string& line : a.Lines)
                Check(line.size() <= kMaxReceivedLine);
            ended = true;
            break;
        case RetrievalAction::Failed:
            ended = true;
            break;
        default:
            break;
        }
        if (todo.empty() && !ended) {
            // Nothing more arrives: the time limits end the chain.
            const std::optional<std::int64_t> deadline = m.NextDeadline();
            Check(deadline.has_value());
            queue(m.Tick(*deadline));
        }
    }
    Check(ended && !m.Running());
    return 0;
}
