#pragma once

#include <QDialog>
#include <optional>

class QLineEdit;

namespace gorlin {

class Prompter;

/// "Save Query": asks for the title of a saved query. OK refuses a blank title with an error
/// box and stays open; the title box holds 20 characters.
class SaveQueryDialog : public QDialog {
    Q_OBJECT
public:
    SaveQueryDialog(Prompter& prompter, const QString& title, QWidget* parent = nullptr);

    /// The title typed, trimmed.
    QString Title() const;

    /// Shows the dialog with a title filled in; the title chosen, or nothing for Cancel.
    static std::optional<QString> AskTitle(QWidget* parent, Prompter& prompter, const QString& title);

    void btnOkClick();

private:
    Prompter& m_prompter;
    QLineEdit* m_title = nullptr;
};

} // namespace gorlin
