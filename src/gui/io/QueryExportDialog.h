#pragma once

#include "gui/io/GridExportDialog.h"

class QProgressBar;

namespace gorlin {

struct QueryResult;
class QueryWindow;

/// "Export Query Results": the results of the query window's latest run, numbers told by their
/// fields, fixed columns as wide as the run found them; the progress bar follows the rows.
class QueryExportDialog : public ListExportDialog {
    Q_OBJECT
public:
    QueryExportDialog(const QueryResult& result, AppContext& context, QWidget* parent = nullptr);

protected:
    void Write(ExportFormat format, LineSink& sink) override;

private:
    const QueryResult& m_result;
    QProgressBar* m_progress = nullptr;
};

/// Adds "Export" to the results page of a query window; it opens the dialog over the run shown.
void AddQueryExport(QueryWindow& window, AppContext& context);

} // namespace gorlin
