#include "gui/app/ErrorHandler.h"

#include "gui/widgets/Prompter.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace gorlin {

QString UnexpectedErrorText(const QString& message) {
    return QStringLiteral(
               "An unexpected error has occurred in Gorlin. Please report this problem to the program "
               "author (support@gorlin.example).\n\nError: ") +
           message;
}

GorlinApplication::GorlinApplication(int& argc, char** argv) : QApplication(argc, argv) {}

void GorlinApplication::SetErrorHandler(Prompter* prompter, std::function<void(int)> terminate) {
    m_prompter = prompter;
    m_terminate = std::move(terminate);
}

bool GorlinApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ReportUnexpected(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        ReportUnexpected(QStringLiteral("Unknown error"));
    }
    return false;
}

void GorlinApplication::ReportUnexpected(const QString& message) {
    const QString text = UnexpectedErrorText(message);
    std::fprintf(stderr, "%s\n", qPrintable(text));
    // An error raised while the message itself is shown must not stack a second box.
    if (m_prompter != nullptr && !m_reporting) {
        m_reporting = true;
        m_prompter->Error(activeWindow(), text);
        m_reporting = false;
    }
    if (m_terminate)
        m_terminate(EXIT_FAILURE);
    else
        std::exit(EXIT_FAILURE);
}

} // namespace gorlin
