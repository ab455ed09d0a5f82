#include "core/update/LineReceiver.h"

namespace gorlin {

namespace {

bool Blank(char c) {
    return static_cast<unsigned char>(c) <= ' ' || c == '\x7f';
}

} // namespace

void LineReceiver::ProcessBody(std::string_view text) {
    m_received += text.size();
    while (!text.empty()) {
        const std::size_t feed = text.find('\n');
        const std::string_view piece = text.substr(0, feed);
        if (m_partial.size() < kMaxReceivedLine)
            m_partial.append(piece.substr(0, kMaxReceivedLine - m_partial.size()));
        m_pending = m_pending || !piece.empty();
        if (feed == std::string_view::npos)
            return;
        EndLine();
        text.remove_prefix(feed + 1);
    }
}

void LineReceiver::Finish() {
    if (m_pending)
        EndLine();
}

void LineReceiver::EndLine() {
    std::string_view line = m_partial;
    while (!line.empty() && Blank(line.front()))
        line.remove_prefix(1);
    while (!line.empty() && Blank(line.back()))
        line.remove_suffix(1);
    if (m_keepSquads || line.empty() || line.front() != 'S')
        m_lines.emplace_back(line);
    m_partial.clear();
    m_pending = false;
}

std::vector<std::string> SplitUpdateLines(std::string_view text, bool keepSquads) {
    LineReceiver receiver(keepSquads);
    receiver.ProcessBody(text);
    receiver.Finish();
    return receiver.TakeLines();
}

} // namespace gorlin
