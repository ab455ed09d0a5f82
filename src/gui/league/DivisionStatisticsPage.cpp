#include "gui/league/DivisionStatisticsPage.h"

#include "core/app/Settings.h"
#include "core/model/League.h"
#include "gui/league/LeagueHost.h"
#include "gui/league/ResultPages.h"
#include "gui/league/RowsModel.h"
#include "gui/widgets/AppContext.h"
#include "gui/widgets/HelpKey.h"
#include "gui/widgets/LeagueText.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QShowEvent>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace gorlin {

namespace {

/// Where the own team's name stands in an item: a list of QPoint(start, length) in characters.
constexpr int kOwnTeamSpansRole = Qt::UserRole + 1;
constexpr int kGameRole = Qt::UserRole;

/// Draws an item's text, 2 pixels from the left like the top scorers, with the own team's name in
/// the own-team colour of the settings as they stand. The name is coloured where the own team
/// stands in the game, not at its first occurrence, which may lie inside the other team's name
/// ("Chesterfield v Chester").
class HighScoreDelegate final : public QStyledItemDelegate {
public:
    HighScoreDelegate(const Settings& settings, QObject* parent)
        : QStyledItemDelegate(parent), m_settings(settings) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QString text = opt.text;
        opt.text.clear();
        opt.widget->style()->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
        const bool selected = (opt.state & QStyle::State_Selected) != 0;
        const QColor normal = opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
        QList<QPoint> spans;
        for (const QVariant& v : index.data(kOwnTeamSpansRole).toList())
            spans << v.toPoint();
        painter->save();
        painter->setFont(opt.font);
        QRect r = opt.rect.adjusted(2, 0, -2, 0);
        const QColor own = ToQColor(m_settings.Colour4);
        int at = 0;
        const auto draw = [&](int from, int length, const QColor& colour) {
            if (length <= 0)
                return;
            const QString piece = text.mid(from, length);
            painter->setPen(colour);
            painter->drawText(r, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, piece);
            r.setLeft(r.left() + opt.fontMetrics.horizontalAdvance(piece));
        };
        for (const QPoint& span : spans) {
            draw(at, span.x() - at, normal);
            draw(span.x(), span.y(), selected ? normal : own);
            at = span.x() + span.y();
        }
        draw(at, static_cast<int>(text.size()) - at, normal);
        painter->restore();
    }

private:
    const Settings& m_settings;
};

} // namespace

void InstallDivisionStatisticsPage(LeagueHost& host) {
    auto* page = new DivisionStatisticsPage(host.GetLeague(), host.Context());
    host.SetPage(LeagueHost::kDivisionStatisticsPage, page);
    LeagueHost* h = &host;
    QObject::connect(page, &DivisionStatisticsPage::resultDetailsRequested, host.Window(),
                     [h, page](int game) {
                         ShowResultDetails(*h, game);
                         page->Recompute();
                     });
    QObject::connect(page, &DivisionStatisticsPage::helpRequested, host.Window(),
                     [h] { h->ShowHelp("maintenance.html#division"); });
}

DivisionStatisticsPage::DivisionStatisticsPage(League& league, AppContext& context, QWidget* parent)
    : QWidget(parent), m_league(league), m_context(context) {
    setObjectName("DivisionStatisticsPage");
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName("pcDivStats");
    m_tabs->addTab(BuildGoalsTab(), "&Goals");
    m_tabs->addTab(BuildResultsTab(), "&Results");
    m_tabs->addTab(BuildRefereesTab(), "Re&ferees");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    connect(HelpKey(this), &QShortcut::activated, this, &DivisionStatisticsPage::helpRequested);
    Recompute();
}

QListWidget* DivisionStatisticsPage::BuildList(const char* name) {
    auto* list = new QListWidget;
    list->setObjectName(name);
    list->setItemDelegate(new HighScoreDelegate(m_context.settings, list));
    list->setMinimumWidth(list->fontMetrics().horizontalAdvance(QString(20, 'n')));
    list->viewport()->installEventFilter(this);
    return list;
}

QLineEdit* DivisionStatisticsPage::AddEdit(const char* name) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setReadOnly(true);
    edit->setAlignment(Qt::AlignRight);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance("000,000.00") + 14);
    return edit;
}

QWidget* DivisionStatisticsPage::BuildGoalsTab() {
    auto* tab = new QWidget;
    m_highHome = BuildList("lbHighHome");
    m_highAway = BuildList("lbHighAway");
    auto* homeBox = new QGroupBox("Highest Home Scores");
    (new QVBoxLayout(homeBox))->addWidget(m_highHome);
    auto* awayBox = new QGroupBox("Highest Away Scores");
    (new QVBoxLayout(awayBox))->addWidget(m_highAway);
    auto* lists = new QHBoxLayout;
    lists->addWidget(homeBox);
    lists->addWidget(awayBox);

    auto* totals = new QGroupBox("Goals");
    auto* form = new QFormLayout(totals);
    form->addRow("Home Goals:", AddEdit("edHomeGoals"));
    form->addRow("Away Goals:", AddEdit("edAwayGoals"));
    form->addRow("Total Goals:", AddEdit("edTotGoals"));
    form->addRow("Average per Game:", AddEdit("edAveGoals"));
    form->addRow("Most in a Game:", AddEdit("edMostGoals"));
    form->addRow("Clean Sheets:", AddEdit("edClnShts"));
    auto* side = new QVBoxLayout;
    side->addWidget(totals);
    side->addStretch(1);

    auto* layout = new QHBoxLayout(tab);
    layout->addLayout(lists, 1);
    layout->addLayout(side);
    return tab;
}

QWidget* DivisionStatisticsPage::BuildResultsTab() {
    auto* tab = new QWidget;
    auto* box = new QGroupBox("League Games Played");
    auto* form = new QFormLayout(box);
    form->addRow("Games:", AddEdit("edDivGames"));
    form->addRow("Home Wins:", AddEdit("edDivHome"));
    form->addRow("Away Wins:", AddEdit("edDivAway"));
    form->addRow("Draws:", AddEdit("edDivDraws"));
    form->addRow("Score Draws:", AddEdit("edDivScDraws"));
    form->addRow("No-Score Draws:", AddEdit("edDivNsDraws"));
    auto* layout = new QVBoxLayout(tab);
    auto* row = new QHBoxLayout;
    row->addWidget(box);
    row->addStretch(1);
    layout->addLayout(row);
    layout->addStretch(1);
    return tab;
}

QWidget* DivisionStatisticsPage::BuildRefereesTab() {
    auto* tab = new QWidget;
    QStringList headings;
    for (const char* h : kRefHeadings)
        headings << QString::fromLatin1(h);
    m_refModel = new RowsModel(
        headings, [this] { return static_cast<int>(m_data.sgDivRefs.size()); },
        [this](int row, int column) {
            return FromLeague(
                m_data.sgDivRefs[static_cast<std::size_t>(row)].Cells[static_cast<std::size_t>(column)]);
        },
        this);
    m_refModel->SetRightAligned({1, 2, 3, 4, 5, 6});
    m_refs = new QTableView;
    m_refs->setObjectName("sgDivRefs");
    m_refs->setModel(m_refModel);
    m_refs->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_refs->setSelectionMode(QAbstractItemView::SingleSelection);
    m_refs->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_refs->verticalHeader()->hide();
    m_refs->setWordWrap(false);
    m_refs->horizontalHeader()->setObjectName("hcDivRefs");
    m_refs->horizontalHeader()->setSectionsClickable(true);
    m_refs->horizontalHeader()->setToolTip("Click a heading to sort by it");
    const QFontMetrics fm = m_refs->fontMetrics();
    m_refs->verticalHeader()->setDefaultSectionSize(fm.height() + 4);
    m_refs->setColumnWidth(0, fm.horizontalAdvance(QString(22, 'n')));
    for (int c = 1; c < 7; ++c)
        m_refs->setColumnWidth(c, fm.horizontalAdvance("Yellows") + 16);
    connect(m_refs->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &DivisionStatisticsPage::hcDivRefsSectionClick);
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(m_refs);
    return tab;
}

void DivisionStatisticsPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        Recompute();
}

bool DivisionStatisticsPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (QListWidget* list : {m_highHome, m_highAway})
            if (list != nullptr && watched == list->viewport()) {
                const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
                const QModelIndex index = list->indexAt(at);
                HighScoreDblClick(list == m_highHome, index.isValid() ? index.row() : list->count());
                return true;
            }
    }
    return QWidget::eventFilter(watched, event);
}

void DivisionStatisticsPage::FillList(QListWidget* list, const std::vector<HighScoreItem>& items) {
    list->clear();
    const int own = m_league.Head.OwnTeam;
    for (const HighScoreItem& item : items) {
        auto* row = new QListWidgetItem(FromLeague(item.Text), list);
        row->setData(kGameRole, item.Game);
        // Positions are bytes of the Windows-1252 text: one character each.
        QVariantList spans;
        const auto span = [&](int team, std::size_t at) {
            if (own != 0 && team == own)
                spans << QPoint(
                    static_cast<int>(at),
                    static_cast<int>(m_league.Teams[static_cast<std::size_t>(team)].Name.view().size()));
        };
        span(item.HomeTeam, item.HomeNameAt);
        span(item.AwayTeam, item.AwayNameAt);
        row->setData(kOwnTeamSpansRole, spans);
    }
}

void DivisionStatisticsPage::Recompute() {
    m_data = DivisionStats(m_league, m_context.locale, m_refKey);
    FillList(m_highHome, m_data.HighHome);
    FillList(m_highAway, m_data.HighAway);
    for (const auto& [name, text] : m_data.Edits())
        if (auto* edit = findChild<QLineEdit*>(QString::fromLatin1(name)))
            edit->setText(FromLeague(text));
    m_refModel->Reset();
}

void DivisionStatisticsPage::hcDivRefsSectionClick(int column) {
    m_refKey = column + 1;
    m_data.sgDivRefs = SortRefStats(m_data.Referees, m_league, m_refKey, m_context.locale);
    m_refModel->Reset();
}

void DivisionStatisticsPage::HighScoreDblClick(bool home, int row) {
    const std::vector<HighScoreItem>& items = home ? m_data.HighHome : m_data.HighAway;
    if (row < 0 || row >= static_cast<int>(items.size())) {
        m_context.prompter.Beep();
        return;
    }
    emit resultDetailsRequested(items[static_cast<std::size_t>(row)].Game);
}

} // namespace gorlin
