#include "gui/league/NonLeagueTeamDialog.h"

#include "core/edit/Competitions.h"
#include "core/edit/EditStatus.h"
#include "gui/widgets/LeagueText.h"
#include "gui/widgets/OkCancel.h"
#include "gui/widgets/Prompter.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace gorlin {

NonLeagueTeamDialog::NonLeagueTeamDialog(League& league, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_league(league), m_prompter(prompter), m_name(new QLineEdit(this)) {
    setObjectName("NonLeagueTeamDialog");
    setWindowTitle("Add Non-League Team");
    m_name->setObjectName("edTeamName");
    m_name->setMaxLength(30);
    m_name->setMinimumWidth(m_name->fontMetrics().horizontalAdvance(QString(28, 'n')));

    auto* form = new QFormLayout;
    form->addRow("&Name: ", m_name);
    QDialogButtonBox* buttons = OkCancel(this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &NonLeagueTeamDialog::btnOKClick);
}

void NonLeagueTeamDialog::btnOKClick() {
    const Expected<int> added = AddNonLeagueTeam(m_league, ToLeague(m_name->text()));
    if (!added) {
        if (IsBeep(added.error()))
            m_prompter.Beep();
        else
            m_prompter.Error(this, FromLeague(added.error().Message));
        m_name->setFocus();
        return;
    }
    m_team = *added;
    accept();
}

} // namespace gorlin
