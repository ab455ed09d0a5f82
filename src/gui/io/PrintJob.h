#pragma once

#include "core/io/PrintDocument.h"

#include <QString>
#include <optional>

class QWidget;

namespace gorlin {

struct AppContext;

/// One print command: the print dialog for `mode` (its heading field preset to `presetHeading`
/// when given, else the heading kept for the run), then the job laid out for the chosen device
/// and painted there: the printer, or a PDF file named through the save dialog. True when pages
/// were printed or written; cancelling anywhere prints nothing.
bool RunPrint(QWidget* parent, AppContext& context, PrintMode mode,
              const std::optional<QString>& presetHeading, const PrintLayout& layout);

} // namespace gorlin
