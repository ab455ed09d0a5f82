#include "gui/update/VersionDialog.h"

#include "core/model/League.h"
#include "core/update/VersionId.h"
#include "gui/widgets/LeagueText.h"
#include "gui/widgets/OkCancel.h"
#include "gui/widgets/Prompter.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace gorlin {

namespace {

constexpr const char* kVersionText =
    "The League version ID is used to correlate updates to the league file over the Internet. You "
    "should enter a number that matches the update file. Any mismatch will  result in unpredictable "
    "results. To disable Internet updates, set the ID to zero.";
constexpr const char* kAddressText =
    "If you are hosting updates on your own web site enter the update address in full. If the "
    "updates are hosted by the Gorlin web site leave the  address blank. ";

QLabel* Note(const char* text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

VersionDialog::VersionDialog(League& league, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_league(league), m_prompter(prompter) {
    setObjectName("VersionDialog");
    setWindowTitle("Set League Version ID");
    BuildLayout();
    m_version->setText(QString::number(league.Head.VersionId));
    m_address->setText(FromLeague(league.Head.UpdateAddress.view()));
    m_version->setFocus();
}

void VersionDialog::BuildLayout() {
    m_version = new QLineEdit(this);
    m_version->setObjectName("edVersion");
    m_version->setMaxLength(4);
    m_version->setMaximumWidth(m_version->fontMetrics().horizontalAdvance("00000") + 16);
    m_address = new QLineEdit(this);
    m_address->setObjectName("edAddress");
    m_address->setMaxLength(static_cast<int>(decltype(DivHead::UpdateAddress)::Capacity));
    m_address->setMinimumWidth(m_address->fontMetrics().averageCharWidth() * 40);

    auto* fields = new QFormLayout;
    auto* versionLabel = new QLabel("&Version ID:", this);
    versionLabel->setBuddy(m_version);
    fields->addRow(versionLabel, m_version);
    fields->addRow(Note(kVersionText, this));
    auto* addressLabel = new QLabel("Update &Address:", this);
    addressLabel->setBuddy(m_address);
    fields->addRow(addressLabel, m_address);
    fields->addRow(Note(kAddressText, this));

    QDialogButtonBox* buttons = OkCancel(this);
    connect(buttons, &QDialogButtonBox::accepted, this, &VersionDialog::btnOKClick);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    setMinimumWidth(440);
}

void VersionDialog::btnOKClick() {
    switch (SetLeagueVersion(m_league, ToLeague(m_version->text()), ToLeague(m_address->text()))) {
    case VersionResult::Stored:
        accept();
        break;
    case VersionResult::IdNotNumber:
        m_prompter.Beep();
        m_version->setFocus();
        m_version->selectAll();
        break;
    case VersionResult::AddressNeedsHighId:
        m_prompter.Error(this, kMsgVersionNeedsAddress);
        break;
    }
}

} // namespace gorlin
