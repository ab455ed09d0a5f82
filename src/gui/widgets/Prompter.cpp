#include "gui/widgets/Prompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace gorlin {

namespace {
const QString kTitle = QStringLiteral("Gorlin");
}

void QtPrompter::Error(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, kTitle, text);
}
void QtPrompter::Information(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, kTitle, text);
}
void QtPrompter::Warning(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, kTitle, text);
}

Prompter::Answer QtPrompter::YesNo(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, kTitle, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
                   QMessageBox::Yes
               ? Answer::Yes
               : Answer::No;
}

Prompter::Answer QtPrompter::YesNoCancel(QWidget* parent, const QString& text) {
    const auto b = QMessageBox::question(
        parent, kTitle, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    return b == QMessageBox::Yes ? Answer::Yes : b == QMessageBox::No ? Answer::No : Answer::Cancel;
}

void QtPrompter::Beep() {
    QApplication::beep();
}

QString QtFileDialogs::OpenFile(QWidget* parent, const QString& caption, const QString& dir,
                                const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}
QString QtFileDialogs::SaveFile(QWidget* parent, const QString& caption, const QString& dir,
                                const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}
QString QtFileDialogs::Folder(QWidget* parent, const QString& caption, const QString& dir) {
    return QFileDialog::getExistingDirectory(parent, caption, dir);
}

QString FileDialogs::SaveFileAs(QWidget* parent, const QString& caption, const QString& dir,
                                const QString& filter, const QString& extension) {
    QString chosen = SaveFile(parent, caption, dir, filter);
    if (!chosen.isEmpty() && QFileInfo(chosen).suffix().isEmpty())
        chosen += '.' + extension;
    return chosen;
}

QString QtFileDialogs::SaveFileAs(QWidget* parent, const QString& caption, const QString& dir,
                                  const QString& filter, const QString& extension) {
    // The dialog adds the extension before it asks about replacing, so the question names the
    // file that would really be replaced.
    QFileDialog dialog(parent, caption, dir, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(extension);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace gorlin
