#pragma once

// Text fitting and the elements every printed page shares. Positions are in the device units of
// the page a job is laid out for (PrintPageSetup); texts are Windows-1252.

#include "core/engine/ChartGeometry.h"
#include "core/io/PrintDocument.h"

#include <string>
#include <string_view>
#include <vector>

namespace gorlin {

/// Top of the first page's heading line, in device units.
inline constexpr int kPrintPageTop = 20;
/// Size of the page heading.
inline constexpr int kPrintHeadingPoints = 18;
/// Size of the body text of the table, team statistics and list pages (before any scaling).
inline constexpr int kPrintBodyPoints = 10;
/// Smallest size a page scales its body text down to.
inline constexpr int kPrintMinPoints = 4;

/// The fitting rule: a text that is wider than `width` at `points` is first cut after the
/// character that follows its first space (two words keep the first, the space and the second's
/// first letter), then loses characters from its end until it fits. A text that fits is kept;
/// a width of 0 or less gives "".
std::string FitText(std::string_view text, int width, int points, const TextMeasure& measure);

/// Writes the first page's top: the heading at 18 points at the left edge and y = 20, and the
/// date text at the same size right-aligned against the right edge (each only when not empty). Returns the y
/// the body starts at: below that line by the height of "M" plus a gap, or kPrintPageTop when neither is
/// written.
int DrawPageTop(std::vector<Shape>& page, const PrintPageSetup& setup, const TextMeasure& measure);

/// All text shapes of a document's pages in page order, one string per page joined by '\n'
/// (what a reader of the printed page sees, for checks and previews without a device).
std::vector<std::string> PageTexts(const PrintDocument& document);

} // namespace gorlin
