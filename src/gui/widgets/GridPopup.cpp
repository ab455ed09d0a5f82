#include "gui/widgets/GridPopup.h"

#include <QAbstractItemView>
#include <QMenu>

namespace gorlin {

QMenu* GridPopup(QAbstractItemView* grid) {
    QString name = grid->objectName();
    if (name.startsWith("sg"))
        name.remove(0, 2);
    name.prepend("pm");
    if (auto* menu = grid->findChild<QMenu*>(name, Qt::FindDirectChildrenOnly))
        return menu;
    auto* menu = new QMenu(grid);
    menu->setObjectName(name);
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(grid, &QWidget::customContextMenuRequested, menu, [grid, menu](const QPoint& at) {
        // A right click selects the row under the pointer first, so the menu acts on it.
        if (const QModelIndex index = grid->indexAt(at); index.isValid())
            grid->setCurrentIndex(index);
        menu->popup(grid->viewport()->mapToGlobal(at));
    });
    return menu;
}

} // namespace gorlin
