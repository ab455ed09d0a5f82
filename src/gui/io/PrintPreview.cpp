#include "gui/io/PrintPreview.h"

#include "core/model/Dates.h"
#include "gui/widgets/AppContext.h"
#include "gui/widgets/LeagueText.h"
#include "paint/PrintPainter.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace gorlin {

std::shared_ptr<QPrinter> PdfPreviewPrinter(const QPageSize& paper) {
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setResolution(kPdfResolution);
    printer->setPageLayout(PdfPageLayout(paper));
    return printer;
}

Expected<int> PrintJobOn(QPrinter& printer, const AppContext& context, const PrintLayout& layout,
                         const PrintChoices& choices) {
    const std::string dateText =
        choices.PrintDate ? FormatShortDate(context.locale.Today, context.locale) : std::string();
    const PrintPageSetup setup = PageSetupFor(printer, ToLeague(choices.Heading), dateText);
    const PrintDocument document = layout(setup, PrintMeasure(choices.Font, printer));
    printer.setDocName(FromLeague(document.JobTitle));
    if (const Status painted = PaintPrintDocument(printer, document, choices.Font); !painted)
        return Error{painted.Message};
    return std::max<int>(1, static_cast<int>(document.Pages.size()));
}

PrintPreviewWindow::PrintPreviewWindow(const AppContext& context, PrintLayout layout, PrintChoices choices,
                                       std::shared_ptr<QPrinter> printer, const QPageSize& paper,
                                       QWidget* parent)
    : QDialog(parent), m_context(context), m_layout(std::move(layout)), m_choices(std::move(choices)),
      m_printer(printer != nullptr ? std::move(printer) : PdfPreviewPrinter(paper)) {
    setObjectName("PrintPreviewWindow");
    setWindowTitle("Print Preview");
    m_view = new QPrintPreviewWidget(m_printer.get(), this);
    m_view->setObjectName("pvPages");
    m_view->setZoomMode(QPrintPreviewWidget::FitInView);

    auto button = [this](const char* name, const QString& text, const QString& hint) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setToolTip(hint);
        return b;
    };
    m_previous = button("btnPrevious", "&Previous", "The page before");
    m_next = button("btnNext", "&Next", "The page after");
    QPushButton* fitWidth = button("btnFitWidth", "Fit &Width", "Fit the page's width to the window");
    QPushButton* fitPage = button("btnFitPage", "Whole P&age", "Show the whole page");
    QPushButton* close = button("btnClose", "Close", "Close the preview");
    close->setDefault(true);
    m_page = new QLabel(this);
    m_page->setObjectName("lblPage");

    auto* bar = new QHBoxLayout;
    bar->addWidget(m_previous);
    bar->addWidget(m_next);
    bar->addWidget(m_page);
    bar->addStretch(1);
    bar->addWidget(fitWidth);
    bar->addWidget(fitPage);
    bar->addWidget(close);
    auto* layoutBox = new QVBoxLayout(this);
    layoutBox->addWidget(m_view, 1);
    layoutBox->addLayout(bar);

    connect(m_view, &QPrintPreviewWidget::paintRequested, this, &PrintPreviewWindow::Paint);
    connect(m_view, &QPrintPreviewWidget::previewChanged, this, &PrintPreviewWindow::ShowPage);
    connect(m_previous, &QPushButton::clicked, this, &PrintPreviewWindow::btnPreviousClick);
    connect(m_next, &QPushButton::clicked, this, &PrintPreviewWindow::btnNextClick);
    connect(fitWidth, &QPushButton::clicked, m_view, &QPrintPreviewWidget::fitToWidth);
    connect(fitPage, &QPushButton::clicked, m_view, &QPrintPreviewWidget::fitInView);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    QSize size(720, 860);
    if (const QScreen* s = screen(); s != nullptr)
        size = size.boundedTo(s->availableGeometry().size() * 9 / 10);
    resize(size);
    m_view->updatePreview();
}

PrintPreviewWindow::~PrintPreviewWindow() = default;

int PrintPreviewWindow::PageCount() const {
    return m_view->pageCount();
}

void PrintPreviewWindow::Paint(QPrinter* printer) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // A failure paints nothing: the preview then shows no pages.
    (void)PrintJobOn(*printer, m_context, m_layout, m_choices);
    QApplication::restoreOverrideCursor();
}

void PrintPreviewWindow::ShowPage() {
    const int count = m_view->pageCount();
    const int page = m_view->currentPage();
    m_page->setText(QStringLiteral("Page %1 of %2").arg(page).arg(count));
    m_previous->setEnabled(page > 1);
    m_next->setEnabled(page < count);
}

void PrintPreviewWindow::btnPreviousClick() {
    m_view->setCurrentPage(m_view->currentPage() - 1);
    ShowPage();
}

void PrintPreviewWindow::btnNextClick() {
    m_view->setCurrentPage(m_view->currentPage() + 1);
    ShowPage();
}

} // namespace gorlin
