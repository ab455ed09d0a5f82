#include "gui/io/PrintJob.h"

#include "core/model/Dates.h"
#include "gui/io/PrintDialog.h"
#include "gui/io/PrintPreview.h"
#include "gui/io/SaveAs.h"
#include "gui/widgets/AppContext.h"
#include "gui/widgets/LeagueText.h"
#include "paint/PrintPainter.h"

#include <QApplication>
#include <QPrinter>

namespace gorlin {

namespace {

/// Asks for the file until the job is written or the user cancels.
bool WritePdf(QWidget* parent, AppContext& context, const PrintLayout& layout, const PrintChoices& choices,
              const QPageSize& paper) {
    PdfJob job;
    job.Paper = paper.id() == QPageSize::Letter ? PrintPaper::Letter : PrintPaper::A4;
    job.Heading = ToLeague(choices.Heading);
    if (choices.PrintDate)
        job.DateText = FormatShortDate(context.locale.Today, context.locale);
    job.Font = choices.Font;
    return SaveAsUntilWritten(parent, context, "PDF Files (*.pdf)", "pdf", [&](const QString& file) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const Expected<int> written = WritePdfFile(file.toStdString(), layout, job);
        QApplication::restoreOverrideCursor();
        if (written)
            return Status::Success();
        return Status::Failure("The PDF file could not be written.\n\n" + written.error().Message);
    });
}

} // namespace

bool RunPrint(QWidget* parent, AppContext& context, PrintMode mode,
              const std::optional<QString>& presetHeading, const PrintLayout& layout) {
    if (presetHeading)
        context.print.Heading = *presetHeading;
    PrintDialog dialog(context, mode, layout, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const PrintChoices choices = dialog.Choices();
    if (dialog.ToPdf())
        return WritePdf(parent, context, layout, choices, dialog.PdfPageSize());
    const std::shared_ptr<QPrinter> printer = dialog.Printer();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Expected<int> printed = PrintJobOn(*printer, context, layout, choices);
    QApplication::restoreOverrideCursor();
    if (!printed)
        context.prompter.Error(parent, QStringLiteral("The pages could not be printed.\n\n%1")
                                           .arg(QString::fromStdString(printed.error().Message)));
    return static_cast<bool>(printed);
}

} // namespace gorlin
