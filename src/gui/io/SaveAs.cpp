#include "gui/io/SaveAs.h"

#include "gui/widgets/AppContext.h"

#include <QFileInfo>

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

} // namespace gorlin
