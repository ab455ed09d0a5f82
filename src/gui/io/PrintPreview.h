#pragma once

#include "core/io/PrintDocument.h"
#include "core/model/Expected.h"
#include "gui/io/PrintDialog.h"

#include <QDialog>
#include <QPageSize>
#include <memory>

class QLabel;
class QPrintPreviewWidget;
class QPrinter;
class QPushButton;

namespace gorlin {

struct AppContext;

/// A PDF page as the PDF writer makes it (PdfPageLayout) on a printer that only previews, so the
/// preview of "PDF file" shows the pages the file will hold.
std::shared_ptr<QPrinter> PdfPreviewPrinter(const QPageSize& paper);

/// Lays the job out for the printer's page with the dialog's choices and paints it there; the
/// number of pages, or why the printer could not be painted on.
Expected<int> PrintJobOn(QPrinter& printer, const AppContext& context, const PrintLayout& layout,
                         const PrintChoices& choices);

/// "Print Preview": the job's pages laid out for the chosen printer (or the PDF paper) and
/// painted as they will print, page by page or fitted to the width.
class PrintPreviewWindow final : public QDialog {
    Q_OBJECT
public:
    /// `printer` null: the PDF paper `paper`.
    PrintPreviewWindow(const AppContext& context, PrintLayout layout, PrintChoices choices,
                       std::shared_ptr<QPrinter> printer, const QPageSize& paper, QWidget* parent = nullptr);
    ~PrintPreviewWindow() override;

    /// Pages of the preview.
    int PageCount() const;
    QPrintPreviewWidget* View() const { return m_view; }

    void btnPreviousClick();
    void btnNextClick();

private:
    void Paint(QPrinter* printer);
    void ShowPage();

    const AppContext& m_context;
    PrintLayout m_layout;
    PrintChoices m_choices;
    std::shared_ptr<QPrinter> m_printer;
    QPrintPreviewWidget* m_view = nullptr;
    QLabel* m_page = nullptr;
    QPushButton* m_previous = nullptr;
    QPushButton* m_next = nullptr;
};

} // namespace gorlin
