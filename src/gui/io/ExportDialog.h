#pragma once

#include "core/engine/TableView.h"
#include "core/io/LeagueExport.h"

#include <QDialog>
#include <QPoint>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace gorlin {

struct AppContext;
class LeagueHost;

/// "Export Gorlin Data": writes chosen sections of the league (table, results, fixtures, grid,
/// scorers, players) as CSV, fixed text or HTML to a file or the clipboard.
class ExportDialog : public QDialog {
    Q_OBJECT
public:
    /// Opens a date picker below a point; returns the picked day or 0 for cancel.
    using DatePicker = std::function<int(QWidget* parent, int presetDay, QPoint where)>;

    /// `table` is the league table as the table page shows it.
    ExportDialog(const League& league, const TableViewData& table, AppContext& context,
                 QWidget* parent = nullptr);

    void SetDatePicker(DatePicker picker) { m_pickDate = std::move(picker); }

    // Handlers (public so tests can drive them).
    void btnFromDateClick();
    void btnToDateClick();
    /// A section's check box changed: full results lock the format to HTML; "&Export" needs a
    /// section.
    void cbSectionClick();
    /// "&Export": writes the sections to the chosen destination.
    void btnExportClick();

    /// The choices as they stand.
    LeagueExportOptions Options() const;
    bool ToClipboard() const;

private:
    QWidget* BuildDates();
    QWidget* BuildDestination();
    QWidget* BuildFormat();
    QWidget* BuildRange();
    QWidget* BuildSections();
    void BuildLayout();
    void ConnectControls();
    void ShowDates();
    /// Asks for a file until one is written or the user cancels.

    const League& m_league;
    const TableViewData& m_table;
    AppContext& m_context;
    DatePicker m_pickDate;
    ExportDates m_dates;

    QLineEdit* m_fromDate = nullptr;
    QLineEdit* m_toDate = nullptr;
    QPushButton* m_fromButton = nullptr;
    QPushButton* m_toButton = nullptr;
    QButtonGroup* m_destination = nullptr;
    QButtonGroup* m_format = nullptr;
    QComboBox* m_gameType = nullptr;
    QComboBox* m_team = nullptr;
    QCheckBox* m_sections[kExportSectionCount] = {};
    QPushButton* m_export = nullptr;
    QPushButton* m_close = nullptr;
};

/// Adds "Export" (hint "Export Gorlin data") to the league table page's button column; it opens
/// the dialog over the table as shown.
void InstallExport(LeagueHost& host);

} // namespace gorlin
