#include "core/io/ExportLines.h"

#include "core/model/Text.h"

namespace gorlin {

bool LineSink::Add(std::string_view line) {
    if (m_truncated)
        return false;
    if (m_limit != 0 && m_text.size() + line.size() + 2 >= m_limit) {
        m_truncated = true;
        return false;
    }
    m_text.append(line);
    m_text.append("\r\n");
    return true;
}

std::string HtmlEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string CsvQuoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        out += c;
        if (c == '"')
            out += '"';
    }
    out += '"';
    return out;
}

std::string CsvCell(std::string_view text) {
    if (text.find_first_of(", \"\r\n") == std::string_view::npos)
        return std::string(text);
    return CsvQuoted(text);
}

std::string TabCell(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == '\t' || c == '\r' || c == '\n')
            c = ' ';
    return out;
}

std::string ExportFileBytes(std::string_view text, ExportFormat format) {
    std::string bytes;
    if (format == ExportFormat::Html || format == ExportFormat::Csv)
        bytes = "\xEF\xBB\xBF";
    bytes += Win1252ToUtf8(text);
    return bytes;
}

const char* ExportExtension(ExportFormat format) {
    switch (format) {
    case ExportFormat::Csv:
        return "csv";
    case ExportFormat::Html:
        return "htm";
    default:
        return "txt";
    }
}

} // namespace gorlin
