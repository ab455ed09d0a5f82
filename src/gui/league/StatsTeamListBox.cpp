#include "gui/league/StatsTeamListBox.h"

#include "gui/league/TeamStatsPictures.h"
#include "gui/widgets/LeagueText.h"

#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <algorithm>

namespace gorlin {

namespace {

constexpr int kPictureLeft = 2;
constexpr int kNameGap = 6;

/// Picture, then the name 6 pixels after it.
class TeamItemDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette::ColorGroup group =
            option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
        if (selected)
            painter->fillRect(option.rect, option.palette.color(group, QPalette::Highlight));
        const QPixmap picture = index.data(Qt::DecorationRole).value<QPixmap>();
        const QRect r = option.rect;
        painter->drawPixmap(r.left() + kPictureLeft, r.top() + (r.height() - kTeamPictureSize) / 2, picture);
        const int textLeft = r.left() + kPictureLeft + kTeamPictureSize + kNameGap;
        painter->setPen(option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        painter->setFont(option.font);
        const QRect textRect(textLeft, r.top(), std::max(0, r.right() - textLeft), r.height());
        painter->drawText(
            textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
            option.fontMetrics.elidedText(index.data().toString(), Qt::ElideRight, textRect.width()));
        if (option.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(option);
            focus.backgroundColor =
                option.palette.color(group, selected ? QPalette::Highlight : QPalette::Base);
            option.widget->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, option.widget);
        }
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const int width = kPictureLeft + kTeamPictureSize + kNameGap +
                          option.fontMetrics.horizontalAdvance(index.data().toString()) + 4;
        return {width, std::max(kTeamPictureSize + 2, option.fontMetrics.height() + 2)};
    }
};

} // namespace

StatsTeamListBox::StatsTeamListBox(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new TeamItemDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
}

void StatsTeamListBox::Fill(const League& league, const StatsTeamList& list) {
    const QSignalBlocker block(this);
    clear();
    const QPixmap leaguePicture = LeagueGamePicture();
    const QPixmap cupPicture = CupPicture();
    for (const int team : list.Teams) {
        const std::string_view name = league.Teams[static_cast<std::size_t>(team)].Name.view();
        auto* item = new QListWidgetItem(FromLeague(name));
        item->setData(TeamRole, team);
        item->setData(NameRole, QByteArray(name.data(), static_cast<qsizetype>(name.size())));
        item->setData(Qt::DecorationRole, team <= league.TeamCount() ? leaguePicture : cupPicture);
        addItem(item);
    }
    if (list.Selected >= 0 && list.Selected < count())
        setCurrentRow(list.Selected);
}

int StatsTeamListBox::SelectedTeam() const {
    const QListWidgetItem* item = currentItem();
    return item ? item->data(TeamRole).toInt() : 0;
}

std::string StatsTeamListBox::SelectedName() const {
    const QListWidgetItem* item = currentItem();
    return item ? item->data(NameRole).toByteArray().toStdString() : std::string();
}

bool StatsTeamListBox::SelectTeam(int team) {
    for (int row = 0; row < count(); ++row)
        if (item(row)->data(TeamRole).toInt() == team) {
            const QSignalBlocker block(this);
            setCurrentRow(row);
            return true;
        }
    return false;
}

} // namespace gorlin
