#pragma once

#include <QPageSize>
#include <QString>
#include <memory>

class QPrinter;

namespace gorlin {

/// What the print dialog keeps for the program's run, shared by every league window.
struct PrintSession {
    /// The page heading: the dialog's heading field starts with it, OK stores it (empty when
    /// "Print Page Heading" is unchecked); the league table presets it before the dialog opens.
    QString Heading;
    /// Whether a dialog has chosen the current printer yet (before that: the system's default).
    bool PrinterChosen = false;
    /// The current printer's name; empty for the "PDF file" entry.
    QString PrinterName;
    /// The current printer with its page setup ("Setup"); null until a printer is used.
    std::shared_ptr<QPrinter> Printer;
    /// The paper of PDF files.
    QPageSize::PageSizeId PdfPage = QPageSize::A4;
};

} // namespace gorlin
