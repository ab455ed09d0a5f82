#include "gui/app/HelpWindow.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

// The guide is compiled into the program's static library; this keeps it linked in.
static void InitGuideResource() {
    Q_INIT_RESOURCE(gorlin);
}

namespace gorlin {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), m_browser(new QTextBrowser(this)) {
    InitGuideResource();
    setObjectName("HelpWindow");
    setWindowTitle(tr("Gorlin Help"));
    setWindowFlag(Qt::WindowMinMaxButtonsHint);
    m_browser->setObjectName("tbHelp");
    m_browser->setOpenExternalLinks(true);

    auto* contents = new QPushButton(tr("&Contents"), this);
    contents->setObjectName("btnContents");
    auto* back = new QPushButton(tr("&Back"), this);
    back->setObjectName("btnBack");
    back->setEnabled(false);
    auto* close = new QPushButton(tr("&Close"), this);
    close->setObjectName("btnClose");
    connect(contents, &QPushButton::clicked, this, &HelpWindow::ShowContents);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser, 1);
    layout->addLayout(buttons);
    resize(640, 520);
}

void HelpWindow::ShowContents() {
    ShowTopic(QStringLiteral("index.html"));
}

void HelpWindow::ShowTopic(const QString& topic) {
    m_browser->setSource(QUrl(QStringLiteral("qrc:/guide/") + topic));
    show();
    raise();
    activateWindow();
}

} // namespace gorlin
