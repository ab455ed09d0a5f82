#pragma once

#include <QApplication>
#include <QString>
#include <functional>

namespace gorlin {

class Prompter;

/// The message of the program-wide error handler for an error's own message.
QString UnexpectedErrorText(const QString& message);

/// The application object of the program: an exception that escapes an event handler reaches
/// notify(), which shows the unexpected-error message through the prompter and ends the program.
class GorlinApplication final : public QApplication {
    Q_OBJECT
public:
    GorlinApplication(int& argc, char** argv);

    /// The prompter that shows the error, and what ends the program (std::exit by default).
    void SetErrorHandler(Prompter* prompter, std::function<void(int)> terminate = {});

    bool notify(QObject* receiver, QEvent* event) override;

    /// Shows the message for an error nobody handled and ends the program.
    void ReportUnexpected(const QString& message);

private:
    Prompter* m_prompter = nullptr;
    std::function<void(int)> m_terminate;
    bool m_reporting = false;
};

} // namespace gorlin
