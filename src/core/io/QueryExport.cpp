#include "core/io/QueryExport.h"

#include "core/query/QueryRun.h"

#include <algorithm>

namespace gorlin {

namespace {

constexpr std::size_t kMostPadding = 47;

std::string Padded(const std::string& cell, std::size_t width, bool right) {
    const std::size_t pad = width > cell.size() ? std::min(width - cell.size(), kMostPadding) : 0;
    const std::string spaces(pad, ' ');
    return right ? spaces + cell : cell + spaces;
}

} // namespace

void WriteQueryExport(const QueryResult& result, ExportFormat format, const std::string& tableTag,
                      LineSink& sink, const ExportProgress& progress) {
    const std::size_t total = result.Cells.size() + 1;
    const auto numeric = [&result](std::size_t c) { return c < result.Numeric.size() && result.Numeric[c]; };
    const auto width = [&result](std::size_t c) {
        return c < result.Widths.size() ? static_cast<std::size_t>(std::max(result.Widths[c], 0)) : 0;
    };
    if (format == ExportFormat::Html)
        sink.Add(tableTag);
    for (std::size_t r = 0; r < total; ++r) {
        const std::vector<std::string>& row = r == 0 ? result.Headings : result.Cells[r - 1];
        if (format == ExportFormat::Html) {
            sink.Add("<TR>");
            for (std::size_t c = 0; c < row.size(); ++c) {
                const std::string body = row[c].empty() ? "<BR>" : HtmlEscape(row[c]);
                if (r == 0)
                    sink.Add("   <TH>" + body + "</TH>");
                else if (numeric(c))
                    sink.Add("   <TD ALIGN=RIGHT>" + body + "</TD>");
                else
                    sink.Add("   <TD>" + body + "</TD>");
            }
            sink.Add("</TR>");
        } else {
            std::string line;
            for (std::size_t c = 0; c < row.size(); ++c) {
                if (format == ExportFormat::Csv)
                    line += (c > 0 ? "," : "") + CsvCell(row[c]);
                else if (format == ExportFormat::Tab)
                    line += (c > 0 ? "\t" : "") + TabCell(row[c]);
                else
                    line += (c > 0 ? "  " : "") + Padded(row[c], width(c), numeric(c));
            }
            sink.Add(line);
        }
        if (progress)
            progress(r + 1, total);
    }
    if (format == ExportFormat::Html)
        sink.Add("</TABLE>");
}

} // namespace gorlin
