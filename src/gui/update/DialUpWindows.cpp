#include "gui/update/DialUpWindows.h"

#include "core/update/DialUp.h"
#include "gui/widgets/OkCancel.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace gorlin {

ConnectionDetailsDialog::ConnectionDetailsDialog(const QString& userName, const QString& password,
                                                 QWidget* parent)
    : QDialog(parent) {
    setObjectName("ConnectionDetailsDialog");
    setWindowTitle(kConnectionDetailsCaption);
    BuildLayout();
    m_userName->setText(userName.left(static_cast<int>(kMaxDialCredential)));
    m_password->setText(password.left(static_cast<int>(kMaxDialCredential)));
    m_userName->setFocus();
}

void ConnectionDetailsDialog::BuildLayout() {
    m_userName = new QLineEdit(this);
    m_userName->setObjectName("edUserName");
    m_userName->setMaxLength(static_cast<int>(kMaxDialCredential));
    m_userName->setMinimumWidth(m_userName->fontMetrics().averageCharWidth() * 28);
    m_password = new QLineEdit(this);
    m_password->setObjectName("edPassword");
    m_password->setMaxLength(static_cast<int>(kMaxDialCredential));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setStyleSheet(QStringLiteral("lineedit-password-character: 42")); // '*'

    auto* fields = new QFormLayout;
    auto* userLabel = new QLabel("&User Name:", this);
    userLabel->setBuddy(m_userName);
    fields->addRow(userLabel, m_userName);
    auto* passwordLabel = new QLabel("&Password:", this);
    passwordLabel->setBuddy(m_password);
    fields->addRow(passwordLabel, m_password);

    QDialogButtonBox* buttons = OkCancel(this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
}

QString ConnectionDetailsDialog::UserName() const {
    return m_userName->text().left(static_cast<int>(kMaxDialCredential));
}

QString ConnectionDetailsDialog::Password() const {
    return m_password->text().left(static_cast<int>(kMaxDialCredential));
}

HangUpWindow::HangUpWindow(std::function<void()> hangUp, std::function<bool()> gone, QWidget* parent)
    : QDialog(parent), m_hangUp(std::move(hangUp)), m_gone(std::move(gone)) {
    setObjectName("HangUpWindow");
    setWindowTitle(kHangUpCaption);
    BuildLayout();
    m_poll.setInterval(kHangUpPollMs);
    connect(&m_poll, &QTimer::timeout, this, &HangUpWindow::tmrPollTimer);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::finished, &m_poll, &QTimer::stop);
}

void HangUpWindow::BuildLayout() {
    auto* title = new QLabel(kHangUpText, this);
    title->setObjectName("lblDisconnecting");
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    title->setAlignment(Qt::AlignCenter);
    auto* wait = new QLabel(kHangUpWait, this);
    wait->setObjectName("lblWait");
    wait->setAlignment(Qt::AlignCenter);

    m_cancel = new QPushButton("Cancel", this);
    m_cancel->setObjectName("btnCancel");
    m_cancel->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_cancel);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(wait);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setMinimumWidth(300);
}

void HangUpWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_hungUp)
        return;
    m_hungUp = true;
    if (m_hangUp)
        m_hangUp();
    m_poll.start();
}

void HangUpWindow::tmrPollTimer() {
    if (!m_gone || m_gone()) {
        m_poll.stop();
        accept();
    }
}

bool HangUpOnLeaving(DialUpSession& session, QWidget* parent) {
    if (!session.LeavingNeedsHangUp())
        return false;
    HangUpWindow window([&session] { session.HangUpStarted(); }, [&session] { return session.HangUpPoll(); },
                        parent);
    if (window.exec() != QDialog::Accepted)
        session.HangUpCancelled();
    return true;
}

} // namespace gorlin
