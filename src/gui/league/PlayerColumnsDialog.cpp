#include "gui/league/PlayerColumnsDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

namespace gorlin {

PlayerColumnsDialog::PlayerColumnsDialog(const std::string& playerCols, QWidget* parent)
    : QDialog(parent), m_chooser(playerCols) {
    setObjectName("PlayerColumnsDialog");
    setWindowTitle("Player Columns");
    BuildControls();
    ConnectControls();
    ShowLists(m_chooser.Available().empty() ? -1 : 0, -1);
}

void PlayerColumnsDialog::BuildControls() {
    auto makeList = [this](const char* name) {
        auto* list = new QListWidget(this);
        list->setObjectName(name);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        const int rows = kLastPlayerColumn - 'A' + 1;
        list->setMinimumHeight(list->fontMetrics().height() * rows / 2);
        list->setMinimumWidth(list->fontMetrics().horizontalAdvance("Players Position") + 40);
        return list;
    };
    auto makeButton = [this](const char* name, const QString& caption) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setAutoDefault(false);
        return button;
    };
    m_available = makeList("lbAvailable");
    m_displayed = makeList("lbDisplayed");
    m_add = makeButton("btnAdd", "&Add >>");
    m_remove = makeButton("btnRemove", "<< &Remove");
    m_up = makeButton("btnUp", "&Up");
    m_down = makeButton("btnDown", "&Down");
    m_default = makeButton("btnDefault", "De&fault");
    m_ok = makeButton("btnOK", "OK");
    m_ok->setDefault(true);
    m_cancel = makeButton("btnCancel", "Cancel");

    auto* availableLabel = new QLabel("A&vailable Columns", this);
    availableLabel->setBuddy(m_available);
    auto* displayedLabel = new QLabel("D&isplayed Columns", this);
    displayedLabel->setBuddy(m_displayed);

    auto* middle = new QVBoxLayout;
    middle->addStretch(1);
    middle->addWidget(m_add);
    middle->addWidget(m_remove);
    middle->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addStretch(1);
    right->addWidget(m_up);
    right->addWidget(m_down);
    right->addSpacing(12);
    right->addWidget(m_default);
    right->addStretch(1);

    auto* lists = new QGridLayout;
    lists->addWidget(availableLabel, 0, 0);
    lists->addWidget(displayedLabel, 0, 2);
    lists->addWidget(m_available, 1, 0);
    lists->addLayout(middle, 1, 1);
    lists->addWidget(m_displayed, 1, 2);
    lists->addLayout(right, 1, 3);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);
    setTabOrder(m_available, m_add);
    setTabOrder(m_add, m_remove);
    setTabOrder(m_remove, m_displayed);
    setTabOrder(m_displayed, m_up);
    setTabOrder(m_up, m_down);
    setTabOrder(m_down, m_default);
    setTabOrder(m_default, m_ok);
    setTabOrder(m_ok, m_cancel);
}

void PlayerColumnsDialog::ConnectControls() {
    connect(m_add, &QPushButton::clicked, this, &PlayerColumnsDialog::btnAddClick);
    connect(m_remove, &QPushButton::clicked, this, &PlayerColumnsDialog::btnRemoveClick);
    connect(m_up, &QPushButton::clicked, this, &PlayerColumnsDialog::btnUpClick);
    connect(m_down, &QPushButton::clicked, this, &PlayerColumnsDialog::btnDownClick);
    connect(m_default, &QPushButton::clicked, this, &PlayerColumnsDialog::btnDefaultClick);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_available, &QListWidget::currentRowChanged, this, &PlayerColumnsDialog::EnableButtons);
    connect(m_displayed, &QListWidget::currentRowChanged, this, &PlayerColumnsDialog::EnableButtons);
    connect(m_available, &QListWidget::itemDoubleClicked, this, &PlayerColumnsDialog::btnAddClick);
    connect(m_displayed, &QListWidget::itemDoubleClicked, this, &PlayerColumnsDialog::btnRemoveClick);
}

void PlayerColumnsDialog::ShowLists(int availableRow, int displayedRow) {
    auto fill = [](QListWidget* list, const std::string& letters, int row) {
        const QSignalBlocker block(list);
        list->clear();
        for (const char letter : letters)
            list->addItem(QString::fromLatin1(PlayerColumnChooser::Caption(letter)));
        const int last = static_cast<int>(letters.size()) - 1;
        list->setCurrentRow(row < 0 ? -1 : std::min(row, last));
    };
    fill(m_available, m_chooser.Available(), availableRow);
    fill(m_displayed, m_chooser.Displayed(), displayedRow);
    EnableButtons();
}

void PlayerColumnsDialog::EnableButtons() {
    const int available = m_available->currentRow();
    const int displayed = m_displayed->currentRow();
    m_add->setEnabled(m_chooser.CanAdd(available));
    m_remove->setEnabled(m_chooser.CanRemove(displayed));
    m_up->setEnabled(m_chooser.CanUp(displayed));
    m_down->setEnabled(m_chooser.CanDown(displayed));
    m_ok->setEnabled(m_chooser.CanOk());
}

void PlayerColumnsDialog::btnAddClick() {
    const int row = m_available->currentRow();
    const int added = m_chooser.Add(row);
    if (added < 0)
        return;
    ShowLists(row, added);
}

void PlayerColumnsDialog::btnRemoveClick() {
    const int row = m_displayed->currentRow();
    if (row < 0 || row >= static_cast<int>(m_chooser.Displayed().size()))
        return;
    const char letter = m_chooser.Displayed()[static_cast<std::size_t>(row)];
    if (!m_chooser.Remove(row))
        return;
    const std::string available = m_chooser.Available();
    ShowLists(static_cast<int>(available.find(letter)), row);
}

void PlayerColumnsDialog::btnUpClick() {
    const int row = m_displayed->currentRow();
    ShowLists(m_available->currentRow(), m_chooser.Up(row));
}

void PlayerColumnsDialog::btnDownClick() {
    const int row = m_displayed->currentRow();
    ShowLists(m_available->currentRow(), m_chooser.Down(row));
}

void PlayerColumnsDialog::btnDefaultClick() {
    m_chooser.Default();
    ShowLists(m_chooser.Available().empty() ? -1 : 0, -1);
}

} // namespace gorlin
