#include "platform/RetrievalDriver.h"

#include <QByteArray>
#include <QNetworkProxy>
#include <QTcpSocket>
#include <algorithm>
#include <limits>
#include <string_view>

namespace gorlin {

namespace {

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

RetrievalDriver::RetrievalDriver(QObject* parent) : QObject(parent) {
    m_clock.start();
    m_evaluate.setSingleShot(true);
    m_evaluate.setInterval(kEvaluateDelayMs);
    m_deadline.setSingleShot(true);
    connect(&m_evaluate, &QTimer::timeout, this, &RetrievalDriver::evaluateTimeout);
    connect(&m_deadline, &QTimer::timeout, this, &RetrievalDriver::deadlineTimeout);
}

RetrievalDriver::~RetrievalDriver() {
    DropSocket();
}

void RetrievalDriver::Start(const RetrievalStart& start) {
    if (m_machine.Running())
        Abort();
    Execute(m_machine.Start(start, Now()));
}

void RetrievalDriver::Abort() {
    RetrievalActions actions = m_machine.Abort();
    // Abandoned: only the socket's closing is carried out, nothing is reported.
    actions.erase(std::remove_if(actions.begin(), actions.end(),
                                 [](const RetrievalAction& a) { return a.Type != RetrievalAction::Close; }),
                  actions.end());
    Execute(std::move(actions));
    DropSocket();
    m_evaluate.stop();
    m_deadline.stop();
}

void RetrievalDriver::Execute(RetrievalActions actions) {
    for (RetrievalAction& action : actions) {
        switch (action.Type) {
        case RetrievalAction::Connect:
            emit requestStarted(Text(action.Host), action.Port, Text(action.RequestLine));
            OpenSocket(action.Host, action.Port);
            break;
        case RetrievalAction::Send:
            if (m_socket)
                m_socket->write(action.Text.data(), static_cast<qint64>(action.Text.size()));
            break;
        case RetrievalAction::Close:
            DropSocket();
            break;
        case RetrievalAction::StartTimer:
            m_evaluate.start();
            break;
        case RetrievalAction::StatusText:
            emit statusText(Text(action.Text));
            break;
        case RetrievalAction::Progress:
            emit progress(action.Percent);
            break;
        case RetrievalAction::Finished:
            DropSocket();
            m_evaluate.stop();
            m_deadline.stop();
            emit finished(action.Lines);
            break;
        case RetrievalAction::Failed:
            DropSocket();
            m_evaluate.stop();
            m_deadline.stop();
            emit failed(Text(action.Text), action.Box ? Text(action.BoxText) : QString());
            break;
        }
    }
    ArmDeadline();
}

void RetrievalDriver::ArmDeadline() {
    const std::optional<std::int64_t> deadline = m_machine.NextDeadline();
    if (!m_machine.Running() || !deadline) {
        m_deadline.stop();
        return;
    }
    const std::int64_t wait = std::clamp<std::int64_t>(*deadline - Now(), 0, std::numeric_limits<int>::max());
    m_deadline.start(static_cast<int>(wait));
}

void RetrievalDriver::OpenSocket(const std::string& host, int port) {
    DropSocket();
    m_connected = false;
    auto* socket = new QTcpSocket(this);
    // The program's own proxy setting decides; the system's proxy is not used behind its back.
    socket->setProxy(QNetworkProxy::NoProxy);
    connect(socket, &QTcpSocket::connected, this, &RetrievalDriver::socketConnected);
    connect(socket, &QTcpSocket::readyRead, this, &RetrievalDriver::socketReadyRead);
    connect(socket, &QTcpSocket::disconnected, this, &RetrievalDriver::socketDisconnected);
    connect(socket, &QTcpSocket::errorOccurred, this, &RetrievalDriver::socketError);
    m_socket = socket;
    socket->connectToHost(Text(host), static_cast<quint16>(std::clamp(port, 0, 65535)));
}

void RetrievalDriver::DropSocket() {
    if (m_socket.isNull())
        return;
    QTcpSocket* socket = m_socket.data();
    m_socket.clear();
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
    m_connected = false;
}

void RetrievalDriver::socketConnected() {
    m_connected = true;
    Execute(m_machine.Connected(Now()));
}

void RetrievalDriver::socketReadyRead() {
    if (m_socket.isNull())
        return;
    const QByteArray bytes = m_socket->readAll();
    if (!bytes.isEmpty())
        Execute(m_machine.Received(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), Now()));
}

void RetrievalDriver::socketDisconnected() {
    // What is still buffered belongs to the response.
    socketReadyRead();
    if (m_socket.isNull())
        return;
    DropSocket();
    Execute(m_machine.Closed(Now()));
}

void RetrievalDriver::socketError() {
    if (m_socket.isNull())
        return;
    const QAbstractSocket::SocketError error = m_socket->error();
    if (error == QAbstractSocket::RemoteHostClosedError) {
        // The server closing is the normal end of a response.
        socketDisconnected();
        return;
    }
    SocketFailure failure = SocketFailure::Refused;
    if (error == QAbstractSocket::HostNotFoundError)
        failure = SocketFailure::LookupFailed;
    else if (m_connected)
        failure = SocketFailure::Broken;
    DropSocket();
    Execute(m_machine.SocketError(failure, Now()));
}

void RetrievalDriver::evaluateTimeout() {
    Execute(m_machine.TimerFired(Now()));
}

void RetrievalDriver::deadlineTimeout() {
    Execute(m_machine.Tick(Now()));
}

} // namespace gorlin
