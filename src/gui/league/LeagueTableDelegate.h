#pragma once

#include <QPixmap>
#include <QStyledItemDelegate>

namespace gorlin {

/// Draws the grid cells: heading row navy and centred, zone backgrounds, raised edges, and the
/// status pictures of column A.
class LeagueTableDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    /// Side of the square status pictures.
    static constexpr int kPictureSize = 14;

    explicit LeagueTableDelegate(QObject* parent = nullptr);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    /// The 14 x 14 picture of a status mark ("U", "D", "S"); a null pixmap for other text.
    static QPixmap StatusPicture(const QString& mark);
};

} // namespace gorlin
