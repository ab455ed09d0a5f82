#include "gui/league/SortRulesPage.h"

#include "core/model/League.h"
#include "gui/widgets/Prompter.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

namespace gorlin {

namespace {

QByteArray EncodeDrag(SortRulePage::List list, int row) {
    return QByteArray::number(static_cast<int>(list)) + ':' + QByteArray::number(row);
}

bool DecodeDrag(const QMimeData* mime, int& list, int& row) {
    if (mime == nullptr || !mime->hasFormat(SortRuleList::kMimeType))
        return false;
    const QList<QByteArray> parts = mime->data(SortRuleList::kMimeType).split(':');
    if (parts.size() != 2)
        return false;
    bool okList = false;
    bool okRow = false;
    list = parts[0].toInt(&okList);
    row = parts[1].toInt(&okRow);
    return okList && okRow && (list == 0 || list == 1);
}

} // namespace

SortRuleList::SortRuleList(SortRulePage::List which, QWidget* parent) : QListWidget(parent), m_which(which) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(false);
    setDragDropMode(QAbstractItemView::DragDrop);
}

void SortRuleList::startDrag(Qt::DropActions) {
    const QListWidgetItem* item = currentItem();
    if (item == nullptr)
        return;
    auto* mime = new QMimeData;
    mime->setData(kMimeType, EncodeDrag(m_which, row(item)));
    mime->setText(item->text());
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->exec(Qt::MoveAction); // the drop rebuilds both lists from the page state
}

void SortRuleList::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasFormat(kMimeType))
        event->acceptProposedAction();
    else
        event->ignore();
}

void SortRuleList::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasFormat(kMimeType))
        event->acceptProposedAction();
    else
        event->ignore();
}

void SortRuleList::dropEvent(QDropEvent* event) {
    int source = 0;
    int sourceRow = -1;
    if (!DecodeDrag(event->mimeData(), source, sourceRow)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit ItemDropped(source, sourceRow, static_cast<int>(m_which));
}

SortRulesPage::SortRulesPage(League& league, Settings&, const Locale&, Prompter& prompter, QWidget* parent)
    : QWidget(parent), m_league(league), m_prompter(prompter), m_state(league) {
    setObjectName("SortRulesPage");

    auto* labAvailable = new QLabel("A&vailable Rules:", this);
    auto* labActive = new QLabel("A&ctive Rules:", this);
    m_available = new SortRuleList(SortRulePage::List::Available, this);
    m_available->setObjectName("lbAvailable");
    m_active = new SortRuleList(SortRulePage::List::Active, this);
    m_active->setObjectName("lbActive");
    int widest = 0;
    for (const SortRuleInfo& rule : kSortRules)
        widest =
            std::max(widest, m_available->fontMetrics().horizontalAdvance(QString::fromLatin1(rule.Name)));
    for (QListWidget* list : {static_cast<QListWidget*>(m_available), static_cast<QListWidget*>(m_active)}) {
        list->setMinimumWidth(widest + 2 * list->frameWidth() + 12);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // Room for the whole catalogue and a little more; taller lists would only be empty.
        list->setMaximumHeight(12 * (list->fontMetrics().height() + 2) + 2 * list->frameWidth());
    }
    labAvailable->setBuddy(m_available);
    labActive->setBuddy(m_active);

    auto makeButton = [this](const char* name, const QString& text, const QString& hint) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        if (!hint.isEmpty())
            b->setToolTip(hint);
        return b;
    };
    QPushButton* btnRight = makeButton("btnRight", "&Right >", "Make the selected rule active");
    QPushButton* btnLeft = makeButton("btnLeft", "< &Left", "Make the selected rule inactive");
    QPushButton* btnUp = makeButton("btnUp", "&Up", "Move the selected rule up");
    QPushButton* btnDown = makeButton("btnDown", "&Down", "Move the selected rule down");
    QPushButton* btnRestore = makeButton("btnRestore", "Re&store", "Undo any changes");

    auto* middle = new QVBoxLayout;
    middle->addStretch(1);
    middle->addWidget(btnRight);
    middle->addWidget(btnLeft);
    middle->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addStretch(1);
    right->addWidget(btnUp);
    right->addWidget(btnDown);
    right->addSpacing(16);
    right->addWidget(btnRestore);
    right->addStretch(1);

    auto* grid = new QGridLayout(this);
    grid->addWidget(labAvailable, 0, 0);
    grid->addWidget(labActive, 0, 2);
    grid->addWidget(m_available, 1, 0);
    grid->addLayout(middle, 1, 1);
    grid->addWidget(m_active, 1, 2);
    grid->addLayout(right, 1, 3);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(4, 2);
    grid->setRowStretch(2, 1);

    connect(btnRight, &QPushButton::clicked, this, &SortRulesPage::btnRightClick);
    connect(btnLeft, &QPushButton::clicked, this, &SortRulesPage::btnLeftClick);
    connect(btnUp, &QPushButton::clicked, this, &SortRulesPage::btnUpClick);
    connect(btnDown, &QPushButton::clicked, this, &SortRulesPage::btnDownClick);
    connect(btnRestore, &QPushButton::clicked, this, &SortRulesPage::btnRestoreClick);
    connect(m_available, &QListWidget::itemDoubleClicked, this, &SortRulesPage::btnRightClick);
    connect(m_active, &QListWidget::itemDoubleClicked, this, &SortRulesPage::btnLeftClick);
    connect(m_available, &SortRuleList::ItemDropped, this, &SortRulesPage::ListDrop);
    connect(m_active, &SortRuleList::ItemDropped, this, &SortRulesPage::ListDrop);

    Fill();
}

void SortRulesPage::showEvent(QShowEvent* event) {
    // A page shown again after a refused leave keeps the user's unsaved lists.
    if (!event->spontaneous() && !m_league.SortRulesChanged)
        Fill();
    QWidget::showEvent(event);
}

void SortRulesPage::Fill() {
    m_state.Fill();
    ShowLists();
}

void SortRulesPage::ShowLists(int activeSelection) {
    auto show = [](QListWidget* list, const std::vector<std::string>& items) {
        list->clear();
        for (const std::string& name : items)
            list->addItem(QString::fromStdString(name));
    };
    show(m_available, m_state.Available());
    show(m_active, m_state.Active());
    if (activeSelection >= 0 && activeSelection < m_active->count())
        m_active->setCurrentRow(activeSelection);
}

bool SortRulesPage::CanLeave() {
    const Status leave = m_state.CheckLeave();
    if (!leave)
        m_prompter.Error(this, QString::fromStdString(leave.Message));
    return leave.Ok;
}

namespace {
int SelectedRow(const QListWidget* list) {
    const QListWidgetItem* item = list->currentItem();
    return item != nullptr && item->isSelected() ? list->row(item) : -1;
}
} // namespace

void SortRulesPage::btnRightClick() {
    if (!m_state.Right(SelectedRow(m_available))) {
        m_prompter.Beep();
        return;
    }
    ShowLists();
}

void SortRulesPage::btnLeftClick() {
    if (!m_state.Left(SelectedRow(m_active))) {
        m_prompter.Beep();
        return;
    }
    ShowLists();
}

void SortRulesPage::btnUpClick() {
    const std::optional<int> moved = m_state.Up(SelectedRow(m_active));
    if (!moved) {
        m_prompter.Beep();
        return;
    }
    ShowLists(*moved);
}

void SortRulesPage::btnDownClick() {
    const std::optional<int> moved = m_state.Down(SelectedRow(m_active));
    if (!moved) {
        m_prompter.Beep();
        return;
    }
    ShowLists(*moved);
}

void SortRulesPage::btnRestoreClick() {
    Fill();
}

void SortRulesPage::ListDrop(int source, int row, int target) {
    if (m_state.Drop(static_cast<SortRulePage::List>(source), row, static_cast<SortRulePage::List>(target)))
        ShowLists();
}

} // namespace gorlin
