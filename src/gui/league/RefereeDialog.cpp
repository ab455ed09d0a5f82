#include "gui/league/RefereeDialog.h"

#include "core/edit/EditStatus.h"
#include "core/edit/Referees.h"
#include "core/model/League.h"
#include "gui/widgets/LeagueText.h"
#include "gui/widgets/OkCancel.h"
#include "gui/widgets/Prompter.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace gorlin {

RefereeDialog::RefereeDialog(League& league, Prompter& prompter, int referee, QWidget* parent)
    : QDialog(parent), m_league(league), m_prompter(prompter), m_referee(referee),
      m_name(new QLineEdit(this)) {
    setObjectName("RefereeDialog");
    setWindowTitle(QString::fromLatin1(RefereeDialogCaption(referee)));
    m_name->setObjectName("edName");
    m_name->setMaxLength(20);
    m_name->setMinimumWidth(m_name->fontMetrics().horizontalAdvance(QString(20, 'n')));
    if (referee >= 1 && referee <= league.Head.RefereeCount && referee <= kMaxReferees)
        m_name->setText(FromLeague(league.Referees[static_cast<std::size_t>(referee)].Name.view()));

    auto* form = new QFormLayout;
    form->addRow("&Name:", m_name);
    QDialogButtonBox* buttons = OkCancel(this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &RefereeDialog::btnOKClick);
}

void RefereeDialog::btnOKClick() {
    const Expected<int> stored = StoreReferee(m_league, m_referee, ToLeague(m_name->text()));
    if (!stored) {
        if (IsBeep(stored.error()))
            m_prompter.Beep();
        else
            m_prompter.Error(this, FromLeague(stored.error().Message));
        m_name->setFocus();
        return;
    }
    m_stored = *stored;
    accept();
}

int RefereeDialog::AddReferee(League& league, Prompter& prompter, QWidget* parent) {
    RefereeDialog dialog(league, prompter, 0, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.Referee() : 0;
}

bool RefereeDialog::ChangeReferee(League& league, Prompter& prompter, int referee, QWidget* parent) {
    RefereeDialog dialog(league, prompter, referee, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace gorlin
