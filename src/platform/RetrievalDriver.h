#pragma once

#include "core/update/UpdateRetrieval.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <string>
#include <vector>

class QTcpSocket;

namespace gorlin {

/// Runs retrieval chains on the event loop: a QTcpSocket and two QTimers feed the core
/// UpdateRetrieval with events and a monotonic time, and carry out the actions it returns. One
/// chain at a time; the signals report what the dialog shows.
class RetrievalDriver : public QObject {
    Q_OBJECT
public:
    explicit RetrievalDriver(QObject* parent = nullptr);
    ~RetrievalDriver() override;

    /// Starts a chain (abandoning one that still runs).
    void Start(const RetrievalStart& start);
    /// Abandons the running chain: the socket is closed and nothing more is reported.
    void Abort();
    /// Between Start and finished/failed.
    bool Running() const { return m_machine.Running(); }
    const UpdateRetrieval& Machine() const { return m_machine; }

signals:
    /// A status text to show.
    void statusText(const QString& text);
    /// The progress bar's new position (0..100).
    void progress(int percent);
    /// A request is about to be made: where the socket goes and the request's first line.
    void requestStarted(const QString& host, int port, const QString& requestLine);
    /// The chain ended with the lines of an update file (line 1 first).
    void finished(const std::vector<std::string>& lines);
    /// The chain ended without one. `boxText` is empty, or the text of an error box to show
    /// before `status`.
    void failed(const QString& status, const QString& boxText);

private:
    std::int64_t Now() const { return m_clock.elapsed(); }
    /// Carries out actions in order, then arms the deadline timer for the machine's next limit.
    void Execute(RetrievalActions actions);
    void OpenSocket(const std::string& host, int port);
    void DropSocket();
    void ArmDeadline();

    void socketConnected();
    void socketReadyRead();
    void socketDisconnected();
    void socketError();
    void evaluateTimeout();
    void deadlineTimeout();

    UpdateRetrieval m_machine;
    QElapsedTimer m_clock;
    QPointer<QTcpSocket> m_socket;
    QTimer m_evaluate; // the one-shot wait after the server closed
    QTimer m_deadline; // the machine's next time limit
    bool m_connected = false;
};

} // namespace gorlin
