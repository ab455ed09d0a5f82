#pragma once

#include "core/model/League.h"
#include "core/model/Locale.h"

#include <string>
#include <vector>

namespace gorlin {

/// What the result details window shows for one game. Empty texts are not shown.
struct ResultDetails {
    std::string Caption; // "Result Details (" date ")" " - " competition name
    std::string HomeName;
    std::string Score; // home goals " - " away goals
    std::string AwayName;
    std::string Attendance; // "Att: " with thousands separators, when above 0
    std::string Awarded;    // "Game awarded to %s"
    std::string HalfTime;   // "HT: " home " - " away, when any scorer is listed
    std::string Referee;    // "Referee: " name
    /// Per team at most 10 lines "name minute[ og| Pen][,minute...]", one per scorer in the
    /// order of their first goal; goals count for the team they are credited to.
    std::vector<std::string> HomeScorers;
    std::vector<std::string> AwayScorers;
    /// Per team "%s sent off %d" for each red card of its squad, then "%s missed pen %d" for
    /// each missed penalty; at most 21 lines together, the home team's first.
    std::vector<std::string> HomeExtras;
    std::vector<std::string> AwayExtras;
    std::string Comment;
};

/// The details of game g. The goals listed are at most 30 with a known scorer, ordered by
/// minute; the half-time score counts those with a minute from 1 to HalfLength.
ResultDetails MakeResultDetails(const League& league, int g, const Locale& locale);

/// The comment dialog's OK: stores the comment (cut to 50 characters) and sets DataChanged.
bool SetGameComment(League& league, int g, const std::string& comment);

} // namespace gorlin
