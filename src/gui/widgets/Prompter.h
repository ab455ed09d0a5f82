#pragma once

#include <QString>

class QWidget;

namespace gorlin {

/// Every message box of the program goes through this, so tests can script the answers.
class Prompter {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Prompter() = default;
    /// Error box with OK.
    virtual void Error(QWidget* parent, const QString& text) = 0;
    /// Information box with OK.
    virtual void Information(QWidget* parent, const QString& text) = 0;
    /// Warning box with OK.
    virtual void Warning(QWidget* parent, const QString& text) = 0;
    /// Confirmation with Yes and No.
    virtual Answer YesNo(QWidget* parent, const QString& text) = 0;
    /// Confirmation with Yes, No and Cancel.
    virtual Answer YesNoCancel(QWidget* parent, const QString& text) = 0;
    /// A command with nothing to act on.
    virtual void Beep() = 0;
};

/// Open, save and folder dialogs, scripted in tests. Empty string = cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual QString OpenFile(QWidget* parent, const QString& caption, const QString& dir,
                             const QString& filter) = 0;
    virtual QString SaveFile(QWidget* parent, const QString& caption, const QString& dir,
                             const QString& filter) = 0;
    virtual QString Folder(QWidget* parent, const QString& caption, const QString& dir) = 0;
    /// A save dialog that adds `extension` ("div") to a name chosen without one and asks before
    /// replacing a file. This default takes SaveFile's answer and adds the extension.
    virtual QString SaveFileAs(QWidget* parent, const QString& caption, const QString& dir,
                               const QString& filter, const QString& extension);
};

/// QMessageBox and QFileDialog behind the interfaces.
class QtPrompter final : public Prompter {
public:
    void Error(QWidget* parent, const QString& text) override;
    void Information(QWidget* parent, const QString& text) override;
    void Warning(QWidget* parent, const QString& text) override;
    Answer YesNo(QWidget* parent, const QString& text) override;
    Answer YesNoCancel(QWidget* parent, const QString& text) override;
    void Beep() override;
};

class QtFileDialogs final : public FileDialogs {
public:
    QString OpenFile(QWidget* parent, const QString& caption, const QString& dir,
                     const QString& filter) override;
    QString SaveFile(QWidget* parent, const QString& caption, const QString& dir,
                     const QString& filter) override;
    QString Folder(QWidget* parent, const QString& caption, const QString& dir) override;
    QString SaveFileAs(QWidget* parent, const QString& caption, const QString& dir, const QString& filter,
                       const QString& extension) override;
};

} // namespace gorlin
