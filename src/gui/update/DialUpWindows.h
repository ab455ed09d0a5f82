#pragma once

#include <QDialog>
#include <QString>
#include <QTimer>
#include <functional>

class QLineEdit;
class QPushButton;

namespace gorlin {

class DialUpSession;

/// "Connection Details": asks for the user name and password of a dial-up entry that has none
/// stored. Each text holds at most 256 characters; the password is shown as "*".
class ConnectionDetailsDialog : public QDialog {
    Q_OBJECT
public:
    ConnectionDetailsDialog(const QString& userName, const QString& password, QWidget* parent = nullptr);

    QString UserName() const;
    QString Password() const;

private:
    void BuildLayout();

    QLineEdit* m_userName = nullptr;
    QLineEdit* m_password = nullptr;
};

/// The hang-up window shown when the program ends while its own dial-up connection is up: on
/// showing it hangs up, then asks every 250 ms whether the connection has gone and closes when it
/// has (accepted); "Cancel" closes it at once (rejected) and leaves the rest to the system.
class HangUpWindow : public QDialog {
    Q_OBJECT
public:
    /// `hangUp` is called once, when the window is first shown; `gone` on each poll.
    HangUpWindow(std::function<void()> hangUp, std::function<bool()> gone, QWidget* parent = nullptr);

    /// One poll (public so tests can drive it without waiting).
    void tmrPollTimer();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildLayout();

    std::function<void()> m_hangUp;
    std::function<bool()> m_gone;
    bool m_hungUp = false;
    QTimer m_poll;
    QPushButton* m_cancel = nullptr;
};

/// Leaving the program: while the connection this program dialled is still up, the hang-up
/// window hangs it up and waits for it to go (or for Cancel). False when nothing was shown.
bool HangUpOnLeaving(DialUpSession& session, QWidget* parent = nullptr);

} // namespace gorlin
