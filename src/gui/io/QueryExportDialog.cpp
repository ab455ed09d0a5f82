#include "gui/io/QueryExportDialog.h"

#include "core/io/QueryExport.h"
#include "core/query/QueryRun.h"
#include "gui/query/QueryWindow.h"
#include "gui/widgets/AppContext.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace gorlin {

QueryExportDialog::QueryExportDialog(const QueryResult& result, AppContext& context, QWidget* parent)
    : ListExportDialog(
          context, "Export Query Results", "&Export",
          {"csv (Comma separated values) (*.csv)", "htm (HTML file) (*.htm)", "txt (Text file) (*.txt)"},
          parent),
      m_result(result) {
    setObjectName("QueryExportDialog");
    m_progress = new QProgressBar(this);
    m_progress->setObjectName("pbExport");
    m_progress->setRange(0, static_cast<int>(result.Cells.size()) + 1);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    ExtraArea()->addWidget(m_progress);
}

void QueryExportDialog::Write(ExportFormat format, LineSink& sink) {
    m_progress->setValue(0);
    WriteQueryExport(m_result, format, Context().settings.TableTag, sink,
                     [this](std::size_t done, std::size_t total) {
                         m_progress->setMaximum(static_cast<int>(total));
                         m_progress->setValue(static_cast<int>(done));
                     });
}

void AddQueryExport(QueryWindow& window, AppContext& context) {
    QPushButton* button = window.AddResultButton("&Export", "btnExport", "Export the results of the query");
    QueryWindow* w = &window;
    QObject::connect(button, &QPushButton::clicked, w, [w, &context] {
        QueryExportDialog dialog(w->Result(), context, w);
        dialog.exec();
    });
}

} // namespace gorlin
