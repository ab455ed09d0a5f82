#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace gorlin {

/// The layouts the writers produce.
enum class ExportFormat { Csv, Fixed, Html, Tab };

/// How a cell sits in its width (fixed text) or its table cell (HTML).
enum class ExportAlign { Left, Right, Centre };

/// Characters the clipboard buffer of the league export holds.
inline constexpr std::size_t kClipboardLimit = 256000;
inline constexpr const char* kClipboardFull =
    "The Clipboard is full and the exported information has been truncated";

/// Collects the lines of one export, each ended by CR LF. With a limit (the clipboard) a line
/// that would bring the text to the limit or beyond is dropped, the sink is marked truncated
/// and no later line is taken, so the text never ends in lines that lost their context.
class LineSink {
public:
    /// limit 0: every line is kept (a file).
    explicit LineSink(std::size_t limit = 0) : m_limit(limit) {}

    /// Adds one line (Windows-1252, without its line break); false when it was dropped.
    bool Add(std::string_view line);

    /// The lines so far, Windows-1252, each ended by CR LF.
    const std::string& Text() const { return m_text; }
    bool Truncated() const { return m_truncated; }

private:
    std::size_t m_limit = 0;
    std::string m_text;
    bool m_truncated = false;
};

/// A text for an HTML cell: &, <, > and " as entities.
std::string HtmlEscape(std::string_view text);

/// A text in double quotes with its inner double quotes doubled.
std::string CsvQuoted(std::string_view text);

/// A CSV cell: the text as it stands, or quoted (CsvQuoted) when it holds a comma, a space, a
/// double quote or a line break.
std::string CsvCell(std::string_view text);

/// A tab-delimited cell: tabs and line breaks become spaces, so a cell never adds a field or a
/// line of its own.
std::string TabCell(std::string_view text);

/// The bytes of an export file from its Windows-1252 text: UTF-8, and for HTML and CSV a UTF-8
/// byte-order mark first so browsers and spreadsheets read the characters right.
std::string ExportFileBytes(std::string_view text, ExportFormat format);

/// The file name extension (without the dot) of a format: csv, htm, txt.
const char* ExportExtension(ExportFormat format);

} // namespace gorlin
