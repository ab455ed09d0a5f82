#include "core/update/UpdateRetrieval.h"

namespace gorlin {

// Work in progress: the chain is filled in step by step.
RetrievalStart RetrievalStartFor(const League&, const Settings&, bool keepSquads) {
    RetrievalStart s;
    s.KeepSquads = keepSquads;
    return s;
}
HttpRequest BuildRequest(std::string_view, std::string_view, bool, std::string_view, int) {
    return {};
}
RetrievalActions UpdateRetrieval::Start(const RetrievalStart&, std::int64_t) {
    return {};
}
RetrievalActions UpdateRetrieval::Connected(std::int64_t) {
    return {};
}
RetrievalActions UpdateRetrieval::Received(std::string_view, std::int64_t) {
    return {};
}
RetrievalActions UpdateRetrieval::Closed(std::int64_t) {
    return {};
}
RetrievalActions UpdateRetrieval::SocketError(SocketFailure, std::int64_t) {
    return {};
}
RetrievalActions UpdateRetrieval::TimerFired(std::int64_t) {
    return {};
}
RetrievalActions UpdateRetrieval::Tick(std::int64_t) {
    return {};
}
RetrievalActions UpdateRetrieval::Abort() {
    return {};
}
std::optional<std::int64_t> UpdateRetrieval::NextDeadline() const {
    return std::nullopt;
}

} // namespace gorlin
