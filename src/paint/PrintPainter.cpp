#include "paint/PrintPainter.h"

#include "core/model/SafeFile.h"
#include "core/model/Text.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <utility>

namespace gorlin {

PrintPageSetup PageSetupFor(const QPagedPaintDevice& device, std::string heading, std::string dateText) {
    PrintPageSetup setup;
    setup.Width = device.width();
    setup.Height = device.height();
    setup.Dpi = device.logicalDpiY() > 0 ? device.logicalDpiY() : 72;
    setup.Heading = std::move(heading);
    setup.DateText = std::move(dateText);
    return setup;
}

QtTextMeasure PrintMeasure(const QFont& font, const QPagedPaintDevice& device) {
    return QtTextMeasure(font, &device);
}

Status PaintPrintDocument(QPagedPaintDevice& device, const PrintDocument& document, const QFont& font) {
    QPainter painter;
    if (!painter.begin(&device))
        return Status::Failure("The printer could not be started");
    ShapePaintOptions options;
    options.Font = font;
    options.Antialiased = true;
    bool first = true;
    for (const std::vector<Shape>& page : document.Pages) {
        if (!first && !device.newPage()) {
            painter.end();
            return Status::Failure("The printer could not start a new page");
        }
        first = false;
        PaintShapes(painter, page, options);
    }
    if (!painter.end())
        return Status::Failure("The printer could not finish the document");
    return Status::Success();
}

Expected<int> PrintOnDevice(QPagedPaintDevice& device, const PrintLayout& layout, const std::string& heading,
                            const std::string& dateText, const QFont& font) {
    const QtTextMeasure measure = PrintMeasure(font, device);
    const PrintDocument document = layout(PageSetupFor(device, heading, dateText), measure);
    if (const Status st = PaintPrintDocument(device, document, font); !st)
        return Error{st.Message};
    return std::max(1, static_cast<int>(document.Pages.size()));
}

QPageLayout PdfPageLayout(const QPageSize& paper) {
    return QPageLayout(paper, QPageLayout::Portrait, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

Expected<PdfBytes> RenderPdf(const PrintLayout& layout, const PdfJob& job) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    int pages = 0;
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setCreator(QStringLiteral("Gorlin"));
        writer.setPageLayout(
            PdfPageLayout(QPageSize(job.Paper == PrintPaper::Letter ? QPageSize::Letter : QPageSize::A4)));
        const QtTextMeasure measure = PrintMeasure(job.Font, writer);
        const PrintDocument document = layout(PageSetupFor(writer, job.Heading, job.DateText), measure);
        writer.setTitle(QString::fromStdString(Win1252ToUtf8(document.JobTitle)));
        if (const Status st = PaintPrintDocument(writer, document, job.Font); !st)
            return Error{st.Message};
        pages = std::max(1, static_cast<int>(document.Pages.size()));
    }
    buffer.close();
    const QByteArray& data = buffer.data();
    return PdfBytes{std::string(data.constData(), static_cast<std::size_t>(data.size())), pages};
}

Expected<int> WritePdfFile(const std::string& file, const PrintLayout& layout, const PdfJob& job) {
    Expected<PdfBytes> pdf = RenderPdf(layout, job);
    if (!pdf)
        return pdf.error();
    if (const Status st = WriteFileAtomically(file, pdf->Bytes); !st)
        return Error{st.Message};
    return pdf->Pages;
}

} // namespace gorlin
