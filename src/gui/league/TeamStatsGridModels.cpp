#include "gui/league/TeamStatsGridModels.h"

#include "gui/league/TeamStatsPictures.h"
#include "gui/widgets/LeagueText.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace gorlin {

namespace {

Qt::Alignment ToQt(CellAlign align) {
    switch (align) {
    case CellAlign::Centre:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case CellAlign::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case CellAlign::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

} // namespace

TeamGridModel::TeamGridModel(Grid grid, const Settings& settings, QObject* parent)
    : QAbstractTableModel(parent), m_grid(grid), m_settings(settings) {}

void TeamGridModel::SetStats(const TeamStatsData* data) {
    beginResetModel();
    m_data = data;
    endResetModel();
}

char TeamGridModel::ColumnLetter(int column) const {
    if (m_grid != Grid::Players || !m_data || column < 0 ||
        column >= static_cast<int>(m_data->PlayerColumns.size()))
        return 0;
    return m_data->PlayerColumns[static_cast<std::size_t>(column)];
}

int TeamGridModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !m_data)
        return 0;
    switch (m_grid) {
    case Grid::Results:
        return static_cast<int>(m_data->Results.size());
    case Grid::Players:
        return static_cast<int>(m_data->Players.size());
    case Grid::Fixtures:
        return static_cast<int>(m_data->FixtureRows.size());
    }
    return 0;
}

int TeamGridModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    switch (m_grid) {
    case Grid::Results:
        return kResColumns;
    case Grid::Players:
        return m_data ? static_cast<int>(m_data->PlayerColumns.size()) : 0;
    case Grid::Fixtures:
        return kTeamFixColumns;
    }
    return 0;
}

int TeamGridModel::RowKey(int row) const {
    if (row < 0 || row >= rowCount())
        return 0;
    const auto r = static_cast<std::size_t>(row);
    switch (m_grid) {
    case Grid::Results:
        return m_data->Results[r].Game;
    case Grid::Players:
        return m_data->Players[r].Stat.Player;
    case Grid::Fixtures:
        return m_data->FixtureRows[r].Game;
    }
    return 0;
}

const std::vector<std::string>* TeamGridModel::Cells(int row) const {
    if (row < 0 || row >= rowCount())
        return nullptr;
    const auto r = static_cast<std::size_t>(row);
    switch (m_grid) {
    case Grid::Results:
        return &m_data->Results[r].Cells;
    case Grid::Players:
        return &m_data->Players[r].Cells;
    case Grid::Fixtures:
        return &m_data->FixtureRows[r].Cells;
    }
    return nullptr;
}

CellAlign TeamGridModel::Alignment(int column) const {
    const auto c = static_cast<std::size_t>(column);
    switch (m_grid) {
    case Grid::Results:
        return c < ResultsAlignment().size() ? ResultsAlignment()[c] : CellAlign::Left;
    case Grid::Players:
        return PlayerAlignment(ColumnLetter(column));
    case Grid::Fixtures:
        return c < FixturesAlignment().size() ? FixturesAlignment()[c] : CellAlign::Left;
    }
    return CellAlign::Left;
}

QVariant TeamGridModel::data(const QModelIndex& index, int role) const {
    const std::vector<std::string>* cells = index.isValid() ? Cells(index.row()) : nullptr;
    if (!cells || index.column() < 0 || index.column() >= static_cast<int>(cells->size()))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return FromLeague((*cells)[static_cast<std::size_t>(index.column())]);
    case Qt::TextAlignmentRole:
        return static_cast<int>(ToQt(Alignment(index.column())));
    case Qt::ForegroundRole:
        if (m_grid == Grid::Results && index.column() == kResOpposition &&
            m_data->Results[static_cast<std::size_t>(index.row())].OwnTeamOpponent)
            return ToQColor(m_settings.Colour4);
        return {};
    case RowKeyRole:
        return RowKey(index.row());
    default:
        return {};
    }
}

QVariant TeamGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    const auto s = static_cast<std::size_t>(section);
    switch (role) {
    case Qt::DisplayRole:
        switch (m_grid) {
        case Grid::Results:
            return QString::fromLatin1(ResultsHeadings()[s].c_str());
        case Grid::Players:
            return QString::fromLatin1(PlayerHeading(ColumnLetter(section)));
        case Grid::Fixtures:
            return QString::fromLatin1(FixturesHeadings()[s].c_str());
        }
        return {};
    case Qt::ToolTipRole:
        if (m_grid == Grid::Players)
            return QString::fromLatin1(PlayerColumnChooser::Caption(ColumnLetter(section)));
        return {};
    case Qt::TextAlignmentRole:
        return static_cast<int>(ToQt(Alignment(section)));
    default:
        return {};
    }
}

void TeamGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    if (index.data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight) {
        // The style leaves its own text margin; make the gap to the right edge 4 pixels.
        const QWidget* widget = option.widget;
        const QStyle* style = widget ? widget->style() : nullptr;
        const int styleMargin =
            style ? style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1 : 0;
        opt.rect.adjust(0, 0, styleMargin - kRightMargin, 0);
        // The cell's background still covers the whole cell.
        if (option.state & QStyle::State_Selected)
            painter->fillRect(option.rect,
                              option.palette.color(option.state & QStyle::State_Active ? QPalette::Active
                                                                                       : QPalette::Inactive,
                                                   QPalette::Highlight));
    }
    QStyledItemDelegate::paint(painter, opt, index);
}

PlayerHeaderView::PlayerHeaderView(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(true);
    setHighlightSections(false);
}

void PlayerHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    const auto* grid = qobject_cast<const TeamGridModel*>(model());
    if (!grid || grid->ColumnLetter(logicalIndex) != 'A') {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        return;
    }
    QStyleOptionHeader opt;
    initStyleOptionForIndex(&opt, logicalIndex);
    opt.rect = rect;
    opt.text.clear();
    const bool pressed = m_pressed == logicalIndex;
    if (pressed)
        opt.state |= QStyle::State_Sunken;
    // The style leaves the painter clipped to nothing when it had no clip before: keep its state.
    painter->save();
    style()->drawControl(QStyle::CE_Header, &opt, painter, this);
    painter->restore();
    const QPixmap shirt = ShirtPicture();
    const int shift = pressed ? 1 : 0;
    painter->drawPixmap(rect.left() + (rect.width() - shirt.width()) / 2 + shift,
                        rect.top() + (rect.height() - shirt.height()) / 2 + shift, shirt);
}

void PlayerHeaderView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_pressed = logicalIndexAt(event->position().toPoint());
    QHeaderView::mousePressEvent(event);
    viewport()->update();
}

void PlayerHeaderView::mouseReleaseEvent(QMouseEvent* event) {
    m_pressed = -1;
    QHeaderView::mouseReleaseEvent(event);
    viewport()->update();
}

} // namespace gorlin
