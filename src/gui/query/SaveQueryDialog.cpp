#include "gui/query/SaveQueryDialog.h"

#include "core/query/SavedQueries.h"
#include "gui/widgets/LeagueText.h"
#include "gui/widgets/Prompter.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace gorlin {

SaveQueryDialog::SaveQueryDialog(Prompter& prompter, const QString& title, QWidget* parent)
    : QDialog(parent), m_prompter(prompter) {
    setObjectName("SaveQueryDialog");
    setWindowTitle("Save Query");

    m_title = new QLineEdit(title, this);
    m_title->setObjectName("edTitle");
    m_title->setMaxLength(static_cast<int>(kQueryTitleMax));
    m_title->setMinimumWidth(m_title->fontMetrics().averageCharWidth() * 24);
    m_title->selectAll();
    auto* label = new QLabel("&Title:", this);
    label->setBuddy(m_title);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("btnOk");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("btnCancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &SaveQueryDialog::btnOkClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_title, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString SaveQueryDialog::Title() const {
    return m_title->text().trimmed();
}

void SaveQueryDialog::btnOkClick() {
    if (const Status st = CheckQueryTitle(ToLeague(m_title->text())); !st) {
        m_prompter.Error(this, FromLeague(st.Message));
        m_title->setFocus();
        return;
    }
    accept();
}

std::optional<QString> SaveQueryDialog::AskTitle(QWidget* parent, Prompter& prompter, const QString& title) {
    SaveQueryDialog dialog(prompter, title, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Title();
}

} // namespace gorlin
