#include "gui/io/PrintDialog.h"

#include "gui/io/PrintPreview.h"
#include "gui/widgets/AppContext.h"
#include "gui/widgets/LeagueText.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace gorlin {

namespace {

/// The paper choices of a PDF file.
const struct {
    const char* Name;
    QPageSize::PageSizeId Id;
} kPapers[] = {{"A4", QPageSize::A4}, {"Letter", QPageSize::Letter}};

} // namespace

QString PrintDialog::PdfFileEntry() {
    return QStringLiteral("PDF file");
}

QString PrintDialog::Caption(PrintMode mode) {
    switch (mode) {
    case PrintMode::LeagueTable:
        return QStringLiteral("Print League Table");
    case PrintMode::TeamStatistics:
        return QStringLiteral("Print Team Statistics");
    case PrintMode::MatchGrid:
        return QStringLiteral("Print Match Grid");
    case PrintMode::ListTable:
        return QStringLiteral("Print Gorlin Table");
    case PrintMode::Graph:
        return QStringLiteral("Print Gorlin Graph");
    }
    return {};
}

PrintDialog::PrintDialog(AppContext& context, PrintMode mode, PrintLayout layout, QWidget* parent)
    : QDialog(parent), m_context(context), m_mode(mode), m_layout(std::move(layout)) {
    setObjectName("PrintDialog");
    setWindowTitle(Caption(mode));
    BuildLayout();
    ConnectControls();
    FillPrinters();
    FillFonts(FromLeague(m_context.settings.FontName));
    ApplyMode();
}

PrintDialog::~PrintDialog() = default;

QWidget* PrintDialog::BuildPrinterGroup() {
    auto* box = new QGroupBox("Printer:", this);
    box->setObjectName("gbPrinter");
    m_printer = new QComboBox(box);
    m_printer->setObjectName("cbPrinter");
    m_printer->setToolTip("The printer the pages go to, or a PDF file");
    m_printer->setMinimumContentsLength(24);
    m_setup = new QPushButton("&Setup", box);
    m_setup->setObjectName("btnSetup");
    m_setup->setToolTip("Paper and other settings of the printer");
    m_paper = new QComboBox(box);
    m_paper->setObjectName("cbPaper");
    m_paper->setToolTip("The paper size of the PDF file");
    for (const auto& paper : kPapers)
        m_paper->addItem(QString::fromLatin1(paper.Name), static_cast<int>(paper.Id));

    auto* nameLabel = new QLabel("&Name:", box);
    nameLabel->setBuddy(m_printer);
    m_paperLabel = new QLabel("P&aper:", box);
    m_paperLabel->setBuddy(m_paper);
    auto* grid = new QGridLayout(box);
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(m_printer, 0, 1);
    grid->addWidget(m_setup, 0, 2);
    grid->addWidget(m_paperLabel, 1, 0);
    grid->addWidget(m_paper, 1, 1);
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget* PrintDialog::BuildOptionsGroup() {
    auto* box = new QGroupBox("Options:", this);
    box->setObjectName("gbOptions");
    m_printDate = new QCheckBox("Print current &date at the top of the page", box);
    m_printDate->setObjectName("cbPrintDate");
    m_printDate->setChecked(true);
    m_printHeading = new QCheckBox("Print Page &Heading", box);
    m_printHeading->setObjectName("cbPrintHeading");
    m_printHeading->setChecked(true);
    m_heading = new QLineEdit(m_context.print.Heading, box);
    m_heading->setObjectName("edHeading");
    m_heading->setToolTip("The heading at the top of the first page");
    m_font = new QComboBox(box);
    m_font->setObjectName("cbFont");
    m_font->setToolTip("The font of the printed pages");
    m_font->setMinimumContentsLength(24);
    auto* fontLabel = new QLabel("&Font:", box);
    fontLabel->setBuddy(m_font);

    auto* fontRow = new QHBoxLayout;
    fontRow->addWidget(fontLabel);
    fontRow->addWidget(m_font, 1);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(m_printDate);
    layout->addWidget(m_printHeading);
    layout->addWidget(m_heading);
    layout->addLayout(fontRow);
    return box;
}

void PrintDialog::BuildLayout() {
    // Built in tab order: printer, options, then the buttons.
    QWidget* printer = BuildPrinterGroup();
    QWidget* options = BuildOptionsGroup();
    m_preview = new QPushButton("Pre&view", this);
    m_preview->setObjectName("btnPreview");
    m_preview->setToolTip("Show the pages as they will print");
    m_ok = new QPushButton("OK", this);
    m_ok->setObjectName("btnOK");
    m_ok->setDefault(true);
    m_cancel = new QPushButton("Cancel", this);
    m_cancel->setObjectName("btnCancel");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_preview);
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(printer);
    layout->addWidget(options);
    layout->addStretch(1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
}

void PrintDialog::ApplyMode() {
    const bool date = m_mode == PrintMode::LeagueTable || m_mode == PrintMode::TeamStatistics;
    const bool heading = m_mode != PrintMode::MatchGrid;
    m_printDate->setEnabled(date);
    m_printHeading->setEnabled(heading);
    m_heading->setEnabled(heading && m_printHeading->isChecked());
}

void PrintDialog::ConnectControls() {
    connect(m_printer, &QComboBox::activated, this, &PrintDialog::cbPrinterChange);
    connect(m_setup, &QPushButton::clicked, this, &PrintDialog::btnSetupClick);
    connect(m_printHeading, &QCheckBox::clicked, this, &PrintDialog::cbPrintHeadingClick);
    connect(m_preview, &QPushButton::clicked, this, &PrintDialog::btnPreviewClick);
    connect(m_ok, &QPushButton::clicked, this, &PrintDialog::btnOKClick);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_paper, &QComboBox::activated, this, [this] {
        m_context.print.PdfPage = static_cast<QPageSize::PageSizeId>(m_paper->currentData().toInt());
    });
}

void PrintDialog::FillPrinters() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    PrintSession& session = m_context.print;
    if (!session.PrinterChosen) {
        session.PrinterName = QPrinterInfo::defaultPrinterName();
        session.PrinterChosen = true;
    }
    QStringList names = QPrinterInfo::availablePrinterNames();
    if (!names.contains(session.PrinterName))
        session.PrinterName.clear();
    m_printer->clear();
    for (const QString& name : names)
        m_printer->addItem(name, name);
    // The PDF entry carries no name, so it never collides with a printer called "PDF file".
    m_printer->addItem(PdfFileEntry(), QString());
    m_printer->setCurrentIndex(session.PrinterName.isEmpty() ? m_printer->count() - 1
                                                             : m_printer->findData(session.PrinterName));
    const int paper = m_paper->findData(static_cast<int>(session.PdfPage));
    m_paper->setCurrentIndex(std::max(paper, 0));
    ShowPrinterControls();
    QApplication::restoreOverrideCursor();
}

void PrintDialog::FillFonts(const QString& family) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QStringList families = QFontDatabase::families();
    families.removeDuplicates();
    std::sort(families.begin(), families.end());
    m_font->clear();
    m_font->addItems(families);
    int at = m_font->findText(family);
    // A font that is not installed: the family the system draws in its place.
    if (at < 0)
        at = m_font->findText(QFontInfo(QFont(family)).family());
    m_font->setCurrentIndex(std::max(at, 0));
    QApplication::restoreOverrideCursor();
}

void PrintDialog::ShowPrinterControls() {
    const bool pdf = ToPdf();
    m_setup->setEnabled(!pdf);
    m_paperLabel->setEnabled(pdf);
    m_paper->setEnabled(pdf);
}

bool PrintDialog::ToPdf() const {
    return m_printer->currentData().toString().isEmpty();
}

std::shared_ptr<QPrinter> PrintDialog::Printer() const {
    if (ToPdf())
        return nullptr;
    PrintSession& session = m_context.print;
    if (session.Printer == nullptr || session.Printer->printerName() != session.PrinterName) {
        session.Printer = std::make_shared<QPrinter>(QPrinterInfo::printerInfo(session.PrinterName),
                                                     QPrinter::HighResolution);
    }
    return session.Printer;
}

QPageSize PrintDialog::PdfPageSize() const {
    return QPageSize(static_cast<QPageSize::PageSizeId>(m_paper->currentData().toInt()));
}

PrintChoices PrintDialog::Choices() const {
    PrintChoices choices;
    if (m_printHeading->isEnabled() && m_printHeading->isChecked())
        choices.Heading = m_heading->text();
    choices.PrintDate = m_printDate->isEnabled() && m_printDate->isChecked();
    choices.Font = QFont(m_font->currentText());
    return choices;
}

void PrintDialog::cbPrinterChange(int index) {
    if (index < 0 || index >= m_printer->count())
        return;
    m_printer->setCurrentIndex(index);
    m_context.print.PrinterName = m_printer->itemData(index).toString();
    ShowPrinterControls();
    FillFonts(m_font->currentText());
}

void PrintDialog::btnSetupClick() {
    const std::shared_ptr<QPrinter> printer = Printer();
    if (printer == nullptr)
        return;
    QPageSetupDialog setup(printer.get(), this);
    setup.exec();
    // The setup may have moved the job to another printer.
    const int at = m_printer->findData(printer->printerName());
    if (at >= 0 && at != m_printer->currentIndex())
        cbPrinterChange(at);
}

void PrintDialog::cbPrintHeadingClick() {
    m_heading->setEnabled(m_printHeading->isEnabled() && m_printHeading->isChecked());
}

void PrintDialog::btnPreviewClick() {
    if (!m_layout)
        return;
    const PrintChoices choices = Choices();
    PrintPreviewWindow preview(m_context, m_layout, choices, ToPdf() ? nullptr : Printer(), PdfPageSize(),
                               this);
    preview.exec();
}

void PrintDialog::btnOKClick() {
    // The heading field belongs to the run: kept as typed, or emptied by an unchecked box.
    if (m_printHeading->isEnabled())
        m_context.print.Heading = m_printHeading->isChecked() ? m_heading->text() : QString();
    m_context.settings.FontName = ToLeague(m_font->currentText());
    accept();
}

} // namespace gorlin
