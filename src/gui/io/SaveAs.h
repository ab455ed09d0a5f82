#pragma once

#include "core/io/ExportLines.h"
#include "core/model/Expected.h"

#include <QString>
#include <functional>
#include <string>

class QWidget;

namespace gorlin {

struct AppContext;

/// Asks for a file name with the "Save As" dialog, starting in the table folder, and writes it
/// with `write` until that succeeds or the user cancels; after a failed write its message is
/// shown and the dialog asks again in that file's folder. True when the file was written.
bool SaveAsUntilWritten(QWidget* parent, AppContext& context, const QString& filter, const QString& extension,
                        const std::function<Status(const QString& file)>& write);

/// Saves exported text as a file of its format (ExportFileBytes) through SaveAsUntilWritten; a
/// failed write says "The selected file could not be opened. It may be in-use". True when the
/// file was written.
bool SaveExportAs(QWidget* parent, AppContext& context, const QString& filter, const std::string& text,
                  ExportFormat format);

} // namespace gorlin
