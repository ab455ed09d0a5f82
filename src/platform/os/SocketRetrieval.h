#pragma once

// The retrieval of an update file with plain sockets: non-blocking POSIX sockets, poll() and the
// monotonic clock driving the core state machine. For the command line; the GUI has its own
// driver on the event loop.

#include "core/update/UpdateRetrieval.h"

#include <cstdint>
#include <functional>

namespace gorlin {

/// Milliseconds of the monotonic clock.
std::int64_t MonotonicMs();

/// Runs one chain from Start to its end, blocking. Every action but Send, Close and StartTimer
/// is shown to observe as it happens (Connect, StatusText, Progress; then the final one). Returns
/// the final action: Finished with the lines, or Failed.
RetrievalAction RunRetrieval(const RetrievalStart& start,
                             const std::function<void(const RetrievalAction&)>& observe = {});

} // namespace gorlin
