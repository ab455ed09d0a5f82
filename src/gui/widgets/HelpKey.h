#pragma once

class QShortcut;
class QWidget;

namespace gorlin {

/// The help key (F1) pressed anywhere in `page`, its children included: connect its
/// `activated` to what shows the page's help.
QShortcut* HelpKey(QWidget* page);

} // namespace gorlin
