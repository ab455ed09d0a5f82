#include "core/io/GridExport.h"

#include "core/model/Text.h"

#include <algorithm>

namespace gorlin {

bool IsNumericCell(std::string_view text) {
    if (Trim(text).empty())
        return false;
    return text.find_first_not_of(".,-0123456789() ") == std::string_view::npos;
}

void WriteGridExport(const std::vector<std::vector<std::string>>& rows, std::size_t headingRows,
                     ExportFormat format, const std::string& tableTag, LineSink& sink) {
    std::vector<std::size_t> widths;
    for (const auto& row : rows)
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (widths.size() <= c)
                widths.push_back(0);
            widths[c] = std::max(widths[c], row[c].size());
        }
    if (format == ExportFormat::Html)
        sink.Add(tableTag);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const auto& row = rows[r];
        const bool heading = r < headingRows;
        if (format == ExportFormat::Html) {
            sink.Add("<TR>");
            for (const std::string& cell : row) {
                const std::string body = cell.empty() ? "<BR>" : HtmlEscape(cell);
                if (heading)
                    sink.Add("   <TH>" + body + "</TH>");
                else if (IsNumericCell(cell))
                    sink.Add("   <TD ALIGN=RIGHT>" + body + "</TD>");
                else
                    sink.Add("   <TD>" + body + "</TD>");
            }
            sink.Add("</TR>");
            continue;
        }
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            const std::string& cell = row[c];
            switch (format) {
            case ExportFormat::Csv:
                line += (c > 0 ? "," : "") + CsvCell(cell);
                break;
            case ExportFormat::Tab:
                line += (c > 0 ? "\t" : "") + TabCell(cell);
                break;
            default: {
                const std::size_t pad = std::min<std::size_t>(widths[c] - cell.size(), 47);
                const std::string spaces(pad, ' ');
                line += (c > 0 ? "  " : "") + (IsNumericCell(cell) ? spaces + cell : cell + spaces);
            }
            }
        }
        sink.Add(line);
    }
    if (format == ExportFormat::Html)
        sink.Add("</TABLE>");
}

} // namespace gorlin
