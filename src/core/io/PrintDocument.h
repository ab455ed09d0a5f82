#pragma once

// What a print job is before it reaches a device: pages of shapes laid out in core for one
// page size and one font measure. The printer, the PDF writer and the preview all lay a job out
// again for their own page and paint the same pages with the chart painter.

#include "core/engine/ChartGeometry.h"

#include <functional>
#include <string>
#include <vector>

namespace gorlin {

/// Which page prints; the print dialog's caption and disabled options follow it.
enum class PrintMode { LeagueTable = 0, TeamStatistics = 1, MatchGrid = 2, ListTable = 3, Graph = 4 };

/// The page a job is laid out for, in the device's units (its printable area starts at 0, 0).
struct PrintPageSetup {
    int Width = 0;
    int Height = 0;
    /// Device units per inch, to turn points into units.
    int Dpi = 72;
    /// Page heading (Windows-1252); empty prints none.
    std::string Heading;
    /// Today's date in the short date format, right-aligned on the first page; empty prints none.
    std::string DateText;
};

/// A laid-out job: its title for the print queue and the shapes of each page.
struct PrintDocument {
    std::string JobTitle;
    std::vector<std::vector<Shape>> Pages;
};

/// Lays a job out for a page and a measure of the device's print font.
using PrintLayout = std::function<PrintDocument(const PrintPageSetup&, const TextMeasure&)>;

} // namespace gorlin
