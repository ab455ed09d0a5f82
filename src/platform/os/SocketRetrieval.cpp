#include "platform/os/SocketRetrieval.h"

#include <chrono>

namespace gorlin {

std::int64_t MonotonicMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Work in progress.
RetrievalAction RunRetrieval(const RetrievalStart&, const std::function<void(const RetrievalAction&)>&) {
    RetrievalAction failed;
    failed.Type = RetrievalAction::Failed;
    failed.Text = kMsgConnectError;
    return failed;
}

} // namespace gorlin
