#include "gui/league/TeamSelectionDialog.h"

#include "core/model/League.h"
#include "core/model/Text.h"
#include "gui/widgets/LeagueText.h"
#include "gui/widgets/Prompter.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QVBoxLayout>

namespace gorlin {

namespace {

// Placement of the team check boxes.
constexpr int kBoxWidth = 150;
constexpr int kBoxStep = 20;
constexpr int kBoxesPerColumn = 11;
constexpr int kColumnStep = 154;
constexpr int kGapBelowName = 14;
constexpr int kMargin = 8;

/// Tab and check box captions show '&' literally.
QString Caption(std::string_view bytes) {
    return LiteralCaption(FromLeague(bytes));
}

} // namespace

TeamSelectionDialog::TeamSelectionDialog(League& league, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_league(league), m_prompter(prompter), m_edit(league) {
    setObjectName("TeamSelectionDialog");
    setWindowTitle("Edit Team Selections");

    m_tabs = new QTabBar(this);
    m_tabs->setObjectName("tcSelections");
    m_tabs->setExpanding(false);
    m_tabs->setDrawBase(false);
    for (int s = 1; s <= kMaxTeamSels; ++s)
        m_tabs->addTab(Caption(m_edit.TabCaption(s)));

    auto* pane = new QFrame(this);
    pane->setObjectName("pnlSelection");
    pane->setFrameShape(QFrame::StyledPanel);

    auto* label = new QLabel("Selection &Name: ", pane);
    m_name = new QLineEdit(pane);
    m_name->setObjectName("edSelName");
    m_name->setMaxLength(20);
    label->setBuddy(m_name);
    const int nameHeight = m_name->sizeHint().height();
    label->adjustSize();
    label->move(kMargin, kMargin + (nameHeight - label->height()) / 2);
    m_name->setGeometry(kMargin + label->width(), kMargin, 160, nameHeight);

    const int teams = m_edit.TeamCount();
    const int top = kMargin + nameHeight + kGapBelowName;
    int boxHeight = kBoxStep;
    int boxWidth = kBoxWidth; // every box as wide as the longest name needs
    for (int t = 1; t <= teams; ++t) {
        auto* box = new QCheckBox(Caption(league.Teams[static_cast<std::size_t>(t)].Name.view()), pane);
        box->setObjectName(QStringLiteral("cbTeam%1").arg(t));
        box->setToolTip(FromLeague(league.Teams[static_cast<std::size_t>(t)].Name.view()));
        boxHeight = std::min(box->sizeHint().height(), kBoxStep);
        boxWidth = std::max(boxWidth, box->sizeHint().width());
        m_boxes << box;
    }
    const int columnStep = boxWidth + (kColumnStep - kBoxWidth);
    for (int t = 1; t <= teams; ++t) {
        const int column = (t - 1) / kBoxesPerColumn;
        const int row = (t - 1) % kBoxesPerColumn;
        m_boxes[t - 1]->setGeometry(kMargin + column * columnStep, top + row * kBoxStep, boxWidth, boxHeight);
    }
    const int columns = std::max(1, (teams + kBoxesPerColumn - 1) / kBoxesPerColumn);
    const int rows = std::min(std::max(teams, 1), kBoxesPerColumn);
    const int paneWidth = std::max({kMargin + (columns - 1) * columnStep + boxWidth + kMargin,
                                    m_name->geometry().right() + kMargin, m_tabs->sizeHint().width()});
    pane->setFixedSize(paneWidth, top + (rows - 1) * kBoxStep + boxHeight + kMargin);

    auto* btnClear = new QPushButton("C&lear", this);
    btnClear->setObjectName("btnClear");
    btnClear->setAutoDefault(false);
    auto* btnOk = new QPushButton("OK", this);
    btnOk->setObjectName("btnOK");
    btnOk->setDefault(true);
    auto* btnCancel = new QPushButton("Cancel", this);
    btnCancel->setObjectName("btnCancel");
    btnCancel->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnClear);
    buttons->addStretch(1);
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->addWidget(m_tabs);
    layout->addWidget(pane);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnClear, &QPushButton::clicked, this, &TeamSelectionDialog::btnClearClick);
    connect(btnOk, &QPushButton::clicked, this, &TeamSelectionDialog::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_tabs, &QTabBar::currentChanged, this, &TeamSelectionDialog::TabChanging);

    ShowSlot(1);
    m_name->setFocus();
}

TeamSelectionEdit::Entry TeamSelectionDialog::OnScreen() const {
    TeamSelectionEdit::Entry entry;
    entry.Name = ToLeague(m_name->text());
    for (const QCheckBox* box : m_boxes)
        entry.Checked.push_back(box->isChecked());
    return entry;
}

void TeamSelectionDialog::ShowSlot(int slot) {
    const TeamSelectionEdit::Entry entry = m_edit.EntryOf(slot);
    m_name->setText(FromLeague(entry.Name));
    for (int i = 0; i < m_boxes.size(); ++i)
        m_boxes[i]->setChecked(static_cast<std::size_t>(i) < entry.Checked.size() &&
                               entry.Checked[static_cast<std::size_t>(i)]);
}

void TeamSelectionDialog::RenameTab(int slot) {
    m_tabs->setTabText(slot - 1, Caption(m_edit.TabCaption(slot)));
}

void TeamSelectionDialog::TabChanging(int index) {
    const int previous = m_edit.CurrentSlot();
    if (const Status switched = m_edit.SwitchTo(index + 1, OnScreen()); !switched) {
        const QSignalBlocker block(m_tabs);
        m_tabs->setCurrentIndex(previous - 1);
        m_prompter.Error(this, QString::fromStdString(switched.Message));
        return;
    }
    RenameTab(previous);
    ShowSlot(m_edit.CurrentSlot());
}

void TeamSelectionDialog::btnClearClick() {
    const int slot = m_edit.CurrentSlot();
    m_edit.Clear(slot);
    ShowSlot(slot);
    RenameTab(slot);
}

void TeamSelectionDialog::btnOkClick() {
    if (const Status ok = m_edit.Ok(m_league, OnScreen()); !ok) {
        m_prompter.Error(this, QString::fromStdString(ok.Message));
        return;
    }
    RenameTab(m_edit.CurrentSlot());
    m_reported = m_edit.ReportedSlot();
    accept();
}

} // namespace gorlin
