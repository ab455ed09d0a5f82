#include "gui/io/SaveAs.h"

#include "core/model/SafeFile.h"
#include "gui/widgets/AppContext.h"

#include <QFileInfo>
#include <filesystem>

namespace gorlin {

bool SaveAsUntilWritten(QWidget* parent, AppContext& context, const QString& filter, const QString& extension,
                        const std::function<Status(const QString& file)>& write) {
    QString folder = context.TableFolder();
    while (true) {
        const QString name = context.fileDialogs.SaveFileAs(parent, "Save As", folder, filter, extension);
        if (name.isEmpty())
            return false;
        const Status written = write(name);
        if (written)
            return true;
        context.prompter.Error(parent, QString::fromStdString(written.Message));
        folder = QFileInfo(name).absolutePath();
    }
}

bool SaveExportAs(QWidget* parent, AppContext& context, const QString& filter, const std::string& text,
                  ExportFormat format) {
    const std::string bytes = ExportFileBytes(text, format);
    const auto write = [&bytes](const QString& file) {
        return WriteFileAtomically(std::filesystem::path(file.toStdString()), bytes)
                   ? Status::Success()
                   : Status::Failure("The selected file could not be opened. It may be in-use");
    };
    return SaveAsUntilWritten(parent, context, filter, ExportExtension(format), write);
}

} // namespace gorlin
