#pragma once

#include "core/io/CsvImport.h"

#include <QDialog>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace gorlin {

struct AppContext;
class LeagueHost;
class LeagueTablePage;

/// "Import Gorlin Data": reads a comma-separated file into the open league (results, players,
/// goal scorers or fixture dates) and shows the counters, a status text and a progress bar
/// updated line by line.
class ImportDialog : public QDialog {
    Q_OBJECT
public:
    ImportDialog(League& league, AppContext& context, QWidget* parent = nullptr);

    /// "Browse": the file dialog, starting in the folder of the file named, else the table folder.
    void btnBrowseClick();
    /// "Import": beeps without a file name; otherwise imports the file.
    void btnImportClick();

    ImportWhat What() const;
    void SetWhat(ImportWhat what);
    QString FileName() const;
    void SetFileName(const QString& name);
    /// The counters as shown: records read, successful, errors.
    QStringList Counters() const;
    QString StatusText() const;

private:
    QWidget* BuildWhat();
    QWidget* BuildFrom();
    QWidget* BuildStatus();
    void BuildLayout();
    void ShowCounters(const ImportCounters& counters);

    League& m_league;
    AppContext& m_context;
    QButtonGroup* m_what = nullptr;
    QLineEdit* m_file = nullptr;
    QPushButton* m_browse = nullptr;
    QPushButton* m_import = nullptr;
    QPushButton* m_close = nullptr;
    QLineEdit* m_read = nullptr;
    QLineEdit* m_successful = nullptr;
    QLineEdit* m_errors = nullptr;
    QLabel* m_status = nullptr;
    QProgressBar* m_progress = nullptr;
};

/// Shows the dialog for the league of `host`, then recomputes every game's outcome, rebuilds
/// the table page's match dates and redraws it, and tells the window the data may have changed.
void RunImportDialog(LeagueHost& host, LeagueTablePage* table);

/// Adds "Import" (hint "Import data from a file") to the league table page's button column.
void InstallImport(LeagueHost& host);

} // namespace gorlin
