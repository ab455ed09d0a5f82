#pragma once

// `gorlin-cli print`: the one command that links QtGui (the shape painter and the PDF writer).
// A build with the GUI links this library into gorlin-cli and registers RunPrint with
// RegisterPrintCommand before running a command line.

#include "cli/Cli.h"

#include <iosfwd>

namespace gorlin::cli {

/// Writes a page as a PDF (see kPrintUsage). Runs a QGuiApplication on the "offscreen" platform
/// for the command when none exists (QT_QPA_PLATFORM is set to "offscreen" when unset), so it
/// needs no display.
int RunPrint(const Invocation& inv, std::ostream& out, std::ostream& err);

} // namespace gorlin::cli
