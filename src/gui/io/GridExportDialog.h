#pragma once

#include "core/io/ExportLines.h"
#include "gui/widgets/GridCells.h"

#include <QDialog>

class QAbstractItemModel;
class QAbstractItemView;
class QButtonGroup;
class QPushButton;
class QVBoxLayout;

namespace gorlin {

struct AppContext;
class LeagueHost;

/// What the grid and query exports share: "Export to:" (a file or the clipboard), "Export as:"
/// (CSV, tab delimited, fixed, HTML), the command button and Cancel; a file is written through
/// the save-file dialog, asked again while the chosen file cannot be written.
class ListExportDialog : public QDialog {
    Q_OBJECT
public:
    ExportFormat Format() const;
    bool ToClipboard() const;

    /// The command button: writes the rows to the chosen destination and closes.
    void btnOKClick();

protected:
    /// `filter`: the save dialog's entries for CSV, HTML and text, in that order.
    ListExportDialog(AppContext& context, const QString& caption, const QString& okCaption,
                     const QStringList& filter, QWidget* parent);
    /// The lines of the export in a format.
    virtual void Write(ExportFormat format, LineSink& sink) = 0;
    /// A column above the buttons for what a dialog adds.
    QVBoxLayout* ExtraArea() const { return m_extra; }
    AppContext& Context() const { return m_context; }

private:
    QWidget* BuildDestination();
    QWidget* BuildFormat();
    QString FilterFor(ExportFormat format) const;

    AppContext& m_context;
    QStringList m_filter;
    QButtonGroup* m_destination = nullptr;
    QButtonGroup* m_format = nullptr;
    QVBoxLayout* m_extra = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

/// "Export Gorlin Grid": the rows of one list grid (its heading bar first), numbers told by
/// their characters.
class GridExportDialog : public ListExportDialog {
    Q_OBJECT
public:
    GridExportDialog(GridCells cells, AppContext& context, QWidget* parent = nullptr);

    const GridCells& Cells() const { return m_cells; }

protected:
    void Write(ExportFormat format, LineSink& sink) override;

private:
    GridCells m_cells;
};

/// Opens "Export Gorlin Grid" over what a grid shows.
void ExportGrid(const QAbstractItemView& grid, AppContext& context, QWidget* parent);

/// Adds "&Export" to the pop-up menu of a grid that has none of its own (GridPopup).
void AddGridExport(QAbstractItemView* grid, AppContext& context);

/// Wires the "&Export" entry of every list grid of the league window: the results, goals,
/// players and referees maintenance grids, the fixtures, the team statistics grids, the
/// division statistics referees and the goal statistics grids. Install after those pages.
void InstallGridExports(LeagueHost& host);

} // namespace gorlin
