#pragma once

#include <QColor>
#include <QString>
#include <QStyledItemDelegate>

namespace gorlin {

/// Draws an item's text two pixels from the left with the first occurrence of the own team's
/// name in the own-team colour (selected items in the highlight colours throughout). Without a
/// name it draws as the default delegate does.
class OwnTeamDelegate final : public QStyledItemDelegate {
public:
    OwnTeamDelegate(QObject* parent = nullptr);
    void SetOwnTeam(QString name, QColor colour);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    QString m_name;
    QColor m_colour;
};

} // namespace gorlin
