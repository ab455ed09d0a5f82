#pragma once

#include "core/io/PrintDocument.h"

#include <QDialog>
#include <QFont>
#include <QPageSize>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;

namespace gorlin {

struct AppContext;

/// The choices of the print dialog that shape a job's pages.
struct PrintChoices {
    /// The page heading; empty prints none.
    QString Heading;
    bool PrintDate = false;
    /// The print font (its family; sizes come from the layout).
    QFont Font;
};

/// The print dialog: the printer (installed printers plus "PDF file", so a job can always be
/// written), its setup, the date and heading options and the print font. The caption and the
/// options offered follow the mode. "Preview" shows the job laid out for the chosen printer and
/// paper; OK keeps the heading for the run and stores the font in FontName.
class PrintDialog final : public QDialog {
    Q_OBJECT
public:
    /// The printer list's entry for writing a PDF file.
    static QString PdfFileEntry();
    /// The caption of a mode ("Print League Table", ...).
    static QString Caption(PrintMode mode);

    /// `layout` lays the job out for the preview.
    PrintDialog(AppContext& context, PrintMode mode, PrintLayout layout, QWidget* parent = nullptr);
    ~PrintDialog() override;

    /// True when "PDF file" is chosen.
    bool ToPdf() const;
    /// The chosen printer with its setup (null for "PDF file").
    std::shared_ptr<QPrinter> Printer() const;
    /// The paper of a PDF file.
    QPageSize PdfPageSize() const;
    /// The choices as they stand; options the mode disables do not apply.
    PrintChoices Choices() const;

    // Handlers (public so tests can drive them).
    /// Another printer chosen: it becomes the current printer and the font list is refilled.
    void cbPrinterChange(int index);
    void btnSetupClick();
    void cbPrintHeadingClick();
    void btnPreviewClick();
    /// OK: the heading kept for the run (empty when unchecked), the font stored, the dialog closed.
    void btnOKClick();

private:
    QWidget* BuildPrinterGroup();
    QWidget* BuildOptionsGroup();
    void BuildLayout();
    void ApplyMode();
    void ConnectControls();
    void FillPrinters();
    /// Fills the font list with the busy cursor, selecting `family` (or FontName).
    void FillFonts(const QString& family);
    void ShowPrinterControls();

    AppContext& m_context;
    PrintMode m_mode;
    PrintLayout m_layout;

    QComboBox* m_printer = nullptr;
    QPushButton* m_setup = nullptr;
    QLabel* m_paperLabel = nullptr;
    QComboBox* m_paper = nullptr;
    QCheckBox* m_printDate = nullptr;
    QCheckBox* m_printHeading = nullptr;
    QLineEdit* m_heading = nullptr;
    QComboBox* m_font = nullptr;
    QPushButton* m_preview = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace gorlin
