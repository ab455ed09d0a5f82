#include "gui/league/LeagueTableModel.h"

#include "core/app/Settings.h"
#include "gui/widgets/LeagueText.h"

#include <QColor>

namespace gorlin {

namespace {

Colour ZoneColour(const Settings& s, RowZone zone) {
    switch (zone) {
    case RowZone::Promoted:
        return s.Colour1;
    case RowZone::PlayOff:
        return s.Colour2;
    case RowZone::Relegated:
        return s.Colour3;
    case RowZone::Default:
        break;
    }
    return s.Colour5;
}

} // namespace

LeagueTableModel::LeagueTableModel(const Settings& settings, QObject* parent)
    : QAbstractTableModel(parent), m_settings(settings) {}

void LeagueTableModel::SetView(const TableViewData* view) {
    beginResetModel();
    m_view = view;
    endResetModel();
}

void LeagueTableModel::SetHint(const QString& hint) {
    m_hint = hint;
}

int LeagueTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || m_view == nullptr)
        return 0;
    return static_cast<int>(m_view->Rows.size());
}

int LeagueTableModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid() || m_view == nullptr)
        return 0;
    return static_cast<int>(m_view->Headings.size());
}

char LeagueTableModel::ColumnLetter(int column) const {
    if (m_view == nullptr || column < 0)
        return '\0';
    const auto c = static_cast<std::size_t>(column);
    if (c < m_view->Columns.size())
        return m_view->Columns[c];
    return c < m_view->Headings.size() ? '+' : '\0';
}

QVariant LeagueTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || m_view == nullptr || section < 0 || section >= columnCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(m_view->Headings[static_cast<std::size_t>(section)]);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignHCenter | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return QColor(Qt::darkBlue);
    case Qt::ForegroundRole:
        return QColor(Qt::white);
    default:
        return {};
    }
}

QVariant LeagueTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || m_view == nullptr || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const auto column = static_cast<std::size_t>(index.column());
    const TableRow& row = m_view->Rows[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return column < row.Cells.size() ? FromLeague(row.Cells[column]) : QString();
    case Qt::TextAlignmentRole:
        return int((ColumnLetter(index.column()) == 'B' ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignTop);
    case Qt::BackgroundRole:
        return ToQColor(ZoneColour(m_settings, row.Zone));
    case Qt::ForegroundRole:
        return row.OwnTeam ? ToQColor(m_settings.Colour4) : QColor(Qt::black);
    case Qt::ToolTipRole:
        return m_hint.isEmpty() ? QVariant() : QVariant(m_hint);
    case ColumnLetterRole:
        return QString(QChar::fromLatin1(ColumnLetter(index.column())));
    case TeamRole:
        return row.Team;
    default:
        return {};
    }
}

} // namespace gorlin
