#include "gui/widgets/HelpKey.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace gorlin {

QShortcut* HelpKey(QWidget* page) {
    auto* key = new QShortcut(QKeySequence::HelpContents, page);
    key->setContext(Qt::WidgetWithChildrenShortcut);
    return key;
}

} // namespace gorlin
