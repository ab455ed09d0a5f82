#pragma once

#include <QDialog>

class QTextBrowser;

namespace gorlin {

/// The user guide shipped inside the program (qrc:/guide), opened at its table of contents.
class HelpWindow final : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kContentsUrl = "qrc:/guide/index.html";

    explicit HelpWindow(QWidget* parent = nullptr);

    /// Shows the contents page and brings the window to the front.
    void ShowContents();
    /// Shows a page of the guide ("maintenance.html#teams") and brings the window to the front.
    void ShowTopic(const QString& topic);
    QTextBrowser* Browser() const { return m_browser; }

private:
    QTextBrowser* m_browser;
};

} // namespace gorlin
