#pragma once

#include "core/io/ExportLines.h"

#include <cstddef>
#include <functional>
#include <string>

namespace gorlin {

struct QueryResult;

/// Told after each row written: the rows done (the heading row counted) and the rows in all.
using ExportProgress = std::function<void(std::size_t done, std::size_t total)>;

/// Writes the results of a query run: the heading row first, then every result row (Windows-1252
/// cells). A column is numeric when its field is numeric in the catalogue. CSV: cells joined by
/// ",", quoted when they hold a space, a comma or a double quote; tab: joined by tabs; fixed:
/// each column as wide as the run's width of its field, numeric cells right-aligned, at most 47
/// padding spaces, cells two spaces apart; HTML: one table opened by `tableTag`, heading cells
/// <TH>, numeric cells right-aligned, an empty cell "<BR>".
void WriteQueryExport(const QueryResult& result, ExportFormat format, const std::string& tableTag,
                      LineSink& sink, const ExportProgress& progress = {});

} // namespace gorlin
