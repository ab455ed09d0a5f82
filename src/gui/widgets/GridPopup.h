#pragma once

class QAbstractItemView;
class QMenu;

namespace gorlin {

/// The pop-up menu of a list grid that has no menu of its own: made on the first call (a child
/// of the grid named "pm" + the grid's name without its "sg") and shown on a right click in
/// the grid; later calls return the same menu, so each command adds its own entries.
QMenu* GridPopup(QAbstractItemView* grid);

} // namespace gorlin
