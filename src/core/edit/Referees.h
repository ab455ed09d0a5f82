#pragma once

#include "core/model/Expected.h"
#include "core/model/League.h"

#include <string>
#include <vector>

namespace gorlin {

/// The referees 1..RefereeCount as the "Referee:" lists show them: ordered by name (byte
/// order, equal names in index order).
std::vector<int> RefereeChoices(const League& league);

/// OK of the referee dialog: adds a referee (r = 0, "Add Referee") or renames referee r
/// ("Update Referee"). An empty name beeps; a name another referee already has (compared as
/// stored, cut to 20 characters) gives "A referee with that name already exists"; a 251st
/// referee is refused, whichever route it comes by. Sets DataChanged; returns the index.
Expected<int> StoreReferee(League& league, int r, const std::string& name);

/// The dialog's caption: "Add Referee" or "Update Referee".
inline const char* RefereeDialogCaption(int r) {
    return r == 0 ? "Add Referee" : "Update Referee";
}

} // namespace gorlin
