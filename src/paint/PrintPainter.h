#pragma once

// Printing on a Qt paged device (printer or PDF writer): the page setup and font measure a
// core layout needs, and the painting of its pages. QtGui only, so the command line can print
// without widgets or a display.

#include "core/io/PrintDocument.h"
#include "core/model/Expected.h"
#include "paint/ShapePainter.h"

#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <string>

class QPagedPaintDevice;

namespace gorlin {

/// The page a device prints on: its printable area in device units, its resolution, and the
/// heading and date text (Windows-1252; empty prints none).
PrintPageSetup PageSetupFor(const QPagedPaintDevice& device, std::string heading, std::string dateText);

/// The measure of the print font as it is drawn on the device.
QtTextMeasure PrintMeasure(const QFont& font, const QPagedPaintDevice& device);

/// Paints every page of a document on the device, starting a new page between pages, with
/// `font` for every text (white for the button face). An error when the device cannot be
/// painted on (a printer that fails to start). An empty document paints one blank page.
Status PaintPrintDocument(QPagedPaintDevice& device, const PrintDocument& document, const QFont& font);

/// Lays a job out for the device's page and font and paints it; the number of pages printed.
Expected<int> PrintOnDevice(QPagedPaintDevice& device, const PrintLayout& layout, const std::string& heading,
                            const std::string& dateText, const QFont& font);

/// Paper sizes of a PDF.
enum class PrintPaper { A4, Letter };

/// Every PDF page, written or previewed: 300 dots per inch, the paper upright with 15 mm margins.
inline constexpr int kPdfResolution = 300;
QPageLayout PdfPageLayout(const QPageSize& paper);

/// A job as the bytes of a PDF file: the paper, 15 mm margins, 300 dots per inch.
struct PdfJob {
    PrintPaper Paper = PrintPaper::A4;
    std::string Heading;  // Windows-1252
    std::string DateText; // Windows-1252
    QFont Font;
};

/// The pages of the job as PDF bytes, and their count.
struct PdfBytes {
    std::string Bytes;
    int Pages = 0;
};

/// Lays the job out and writes it as a PDF in memory.
Expected<PdfBytes> RenderPdf(const PrintLayout& layout, const PdfJob& job);

/// Renders the job and writes the file through the safe writer (the old file stays on
/// failure); the number of pages written.
Expected<int> WritePdfFile(const std::string& file, const PrintLayout& layout, const PdfJob& job);

} // namespace gorlin
