#pragma once

#include "core/io/ExportLines.h"

#include <string>
#include <string_view>
#include <vector>

namespace gorlin {

/// True when a grid cell reads as a number: trimmed, it is not empty and holds only
/// ".,-0123456789() " (a space included).
bool IsNumericCell(std::string_view text);

/// Writes the rows of a list grid (Windows-1252 cells), its first `headingRows` rows being
/// headings. CSV: cells joined by ",", quoted when they hold a space, a comma or a double quote;
/// tab: joined by tabs; fixed: each column as wide as its longest cell, numeric cells right-
/// aligned, cells two spaces apart; HTML: one table opened by `tableTag`, a cell per line,
/// numeric cells right-aligned, an empty cell "<BR>".
void WriteGridExport(const std::vector<std::vector<std::string>>& rows, std::size_t headingRows,
                     ExportFormat format, const std::string& tableTag, LineSink& sink);

} // namespace gorlin
