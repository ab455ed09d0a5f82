#include "gui/league/FixturesModel.h"

#include "gui/widgets/LeagueText.h"

#include <QPainter>

namespace gorlin {

FixturesModel::FixturesModel(QObject* parent) : QAbstractTableModel(parent) {}

void FixturesModel::SetList(FixtureList list) {
    beginResetModel();
    m_list = std::move(list);
    endResetModel();
}

void FixturesModel::UpdateRow(int row, FixtureRow fixture) {
    if (row < 0 || row >= rowCount())
        return;
    m_list.Rows[static_cast<std::size_t>(row)] = std::move(fixture);
    emit dataChanged(index(row, 0), index(row, kFixtureColumnCount - 1));
}

int FixturesModel::GameAt(int row) const {
    if (row < 0 || row >= rowCount())
        return 0;
    return m_list.Rows[static_cast<std::size_t>(row)].Game;
}

int FixturesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_list.Rows.size());
}

int FixturesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kFixtureColumnCount;
}

QVariant FixturesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= kFixtureColumnCount)
        return {};
    const FixtureRow& row = m_list.Rows[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return FromLeague(row.Cell(index.column()));
    case Qt::DecorationRole:
        if (index.column() == kFixPredicted && row.Predicted)
            return TickPicture();
        return {};
    case Qt::TextAlignmentRole:
        if (index.column() == kFixPredicted || index.column() == kFixHomeGoals ||
            index.column() == kFixAwayGoals)
            return QVariant::fromValue(Qt::AlignCenter);
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::ToolTipRole:
        if (index.column() == kFixPredicted)
            return QStringLiteral(
                "Click to count or not count the predicted score in the Played+Predicted table");
        return {};
    case GameRole:
        return row.Game;
    default:
        return {};
    }
}

QVariant FixturesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kFixtureColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return QString::fromLatin1(kFixtureHeadings[static_cast<std::size_t>(section)]);
    if (role == Qt::ToolTipRole)
        return QStringLiteral("Click to sort by this column");
    return {};
}

QPixmap FixturesModel::TickPicture() {
    QPixmap pix(kTickSize, kTickSize);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 128, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(2, 7.5), QPointF(5.5, 11), QPointF(12, 3)}));
    return pix;
}

} // namespace gorlin
