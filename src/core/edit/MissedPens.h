#pragma once

#include "core/model/Expected.h"
#include "core/model/League.h"
#include "core/model/Locale.h"

#include <string>
#include <vector>

namespace gorlin {

/// One line of the "Missed Penalties" list: the record and its text, the player's name, "(",
/// the team's name, ") ", the minute and "m".
struct MissedPenLine {
    int Pen = 0;
    std::string Text;
};

/// The window's heading: home team, " v ", away team, " (", date, ")".
std::string MissedPensHeading(const League& league, int g, const Locale& locale);
/// The missed penalties of game g in record order.
std::vector<MissedPenLine> MissedPenLines(const League& league, int g);
/// "Pen Miss": true when game g already has missed penalties (the list opens), false when the
/// dialog opens directly.
bool HasMissedPens(const League& league, int g);

/// The fields of "Add/Update Missed Penalty".
struct MissedPenInput {
    int Team = 0;   // the game's home or away team
    int Player = 0; // a player of Team; 0 = none chosen
    int Minute = 0; // "Time of Miss:" 0..130
};

/// OK for a new miss of game g (pen = 0, stored at MissedPenCount + 1) or for record pen. No
/// player chosen beeps; a 151st record is refused with a message; a team that is not the
/// game's, a player not of that team or a minute outside 0..130 is invalid input. Sets
/// DataChanged; returns the record's index.
Expected<int> StoreMissedPen(League& league, int g, int pen, const MissedPenInput& input);

/// "Delete": removes record pen, the later ones moving down; sets DataChanged. False (beep)
/// when pen is no record.
bool DeleteMissedPen(League& league, int pen);

} // namespace gorlin
