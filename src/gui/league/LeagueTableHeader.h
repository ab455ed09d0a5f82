#pragma once

#include <QHeaderView>

namespace gorlin {

/// The league grid's heading row: drawn like the cells (navy, white text centred, raised
/// edges) and kept in view while the team rows scroll.
class LeagueTableHeader final : public QHeaderView {
    Q_OBJECT
public:
    explicit LeagueTableHeader(QWidget* parent = nullptr);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};

} // namespace gorlin
