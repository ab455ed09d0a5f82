#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace gorlin {

/// Characters of one received line that are kept; the rest of a longer line is dropped (no
/// record needs more), so a line without breaks cannot grow without bound.
inline constexpr std::size_t kMaxReceivedLine = 1024;

/// Collects the lines of an update file as its text arrives in pieces of any size (a file read
/// whole, or the body of an HTTP response). A line feed ends a line; each line is trimmed of
/// spaces and control characters at both ends (so a carriage return before the feed goes).
/// Without squads, lines beginning with "S" are dropped as they arrive.
class LineReceiver {
public:
    explicit LineReceiver(bool keepSquads = true) : m_keepSquads(keepSquads) {}

    /// Takes the next piece of text.
    void ProcessBody(std::string_view text);
    /// The text has ended: a last line without a line feed counts as a line.
    void Finish();

    /// Bytes taken so far (for a progress bar).
    std::size_t Received() const { return m_received; }
    /// The complete lines so far; line 1 is Lines()[0].
    const std::vector<std::string>& Lines() const { return m_lines; }
    std::vector<std::string> TakeLines() { return std::move(m_lines); }

private:
    void EndLine();

    bool m_keepSquads = true;
    std::size_t m_received = 0;
    std::string m_partial;
    bool m_pending = false; // characters have arrived since the last line feed
    std::vector<std::string> m_lines;
};

/// The lines of a whole update file.
std::vector<std::string> SplitUpdateLines(std::string_view text, bool keepSquads = true);

} // namespace gorlin
