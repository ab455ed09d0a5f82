#include "gui/league/TeamChooser.h"

#include "core/edit/TeamList.h"
#include "gui/widgets/LeagueText.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

namespace gorlin {

QHBoxLayout* TeamChooserRow(QWidget* page, const char* name, const QString& caption, QComboBox*& box) {
    box = new QComboBox(page);
    box->setObjectName(name);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QString(24, 'n')));
    auto* label = new QLabel(caption, page);
    label->setBuddy(box);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(box);
    row->addStretch(1);
    return row;
}

void FillTeamChooser(QComboBox& box, const League& league, bool withTransferredOut) {
    const bool filled = box.count() > 0 && box.currentIndex() >= 0;
    const int team = box.currentData().toInt();
    const QString text = box.currentText();
    const std::vector<TeamListItem> items = TeamListItems(league, withTransferredOut);
    const QSignalBlocker block(&box);
    box.clear();
    for (const TeamListItem& item : items)
        box.addItem(FromLeague(item.Text), item.Team);
    int keep = -1;
    for (int i = 0; filled && i < box.count(); ++i) {
        if (box.itemData(i).toInt() != team)
            continue;
        if (keep < 0)
            keep = i;
        if (box.itemText(i) == text) {
            keep = i;
            break;
        }
    }
    box.setCurrentIndex(keep >= 0 ? keep : TeamListInitialItem(league, items));
}

} // namespace gorlin
