#include "gui/league/CompetitionDialog.h"

#include "core/edit/Competitions.h"
#include "core/edit/EditStatus.h"
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

CompetitionDialog::CompetitionDialog(League& league, Prompter& prompter, int comp, QWidget* parent)
    : QDialog(parent), m_league(league), m_prompter(prompter), m_comp(comp), m_name(new QLineEdit(this)),
      m_shortName(new QLineEdit(this)) {
    setObjectName("CompetitionDialog");
    setWindowTitle("Create/Edit Competition Name");
    m_name->setObjectName("edCompName");
    m_name->setMaxLength(30);
    m_name->setMinimumWidth(m_name->fontMetrics().horizontalAdvance(QString(28, 'n')));
    m_shortName->setObjectName("edShortName");
    m_shortName->setMaxLength(4);
    m_shortName->setMaximumWidth(m_shortName->fontMetrics().horizontalAdvance("WWWW") + 16);
    if (comp >= 1 && comp <= league.Head.CompCount && comp <= kMaxComps) {
        const CompRec& rec = league.Comps[static_cast<std::size_t>(comp)];
        m_name->setText(FromLeague(rec.Name.view()));
        m_shortName->setText(FromLeague(rec.ShortName.view()));
    }

    auto* form = new QFormLayout;
    form->addRow("Competition &Name:", m_name);
    form->addRow("&Short Name:", m_shortName);
    QDialogButtonBox* buttons = OkCancel(this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CompetitionDialog::btnOKClick);
}

void CompetitionDialog::btnOKClick() {
    const Expected<int> stored =
        StoreCompetition(m_league, m_comp, ToLeague(m_name->text()), ToLeague(m_shortName->text()));
    if (!stored) {
        if (IsBeep(stored.error())) {
            m_prompter.Beep();
        } else {
            m_prompter.Error(this, FromLeague(stored.error().Message));
            m_name->setFocus();
        }
        return;
    }
    m_stored = *stored;
    accept();
}

} // namespace gorlin
