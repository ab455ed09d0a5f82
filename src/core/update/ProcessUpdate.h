#pragma once

#include "core/model/League.h"

#include <string>
#include <vector>

namespace gorlin {

inline constexpr const char* kMsgUpdateInProgress = "Update in progress";
inline constexpr const char* kMsgUpdateComplete = "Update Complete";
inline constexpr const char* kMsgUpdateNoChanges = "Update Complete - No changes made";
inline constexpr const char* kMsgUpdateCancelled = "Update processing cancelled.";
inline constexpr const char* kMsgUpdateNotFormatted = "Update file is not correctly formatted";
inline constexpr const char* kMsgUpdateNotCompatible =
    "Update file not compatible with this version of Gorlin";

/// The check boxes of the update: what the file may change besides results and fixtures.
struct UpdateOptions {
    bool Referees = true; // O records kept, referees matched or added
    bool Players = true;  // P records kept, players matched or added; T, M and S need it
    bool Squads = true;   // S records applied
};

/// What an update did, record by record.
struct UpdateCounts {
    int ResultsAdded = 0;      // new league games
    int FixturesCompleted = 0; // fixtures that became results
    int ResultsFilled = 0;     // known results given a referee, an attendance or goal details
    int ResultsNotApplied = 0; // results for which the league has no place
    int GoalsAdded = 0;
    int SquadEntriesAdded = 0;
    int MissedPensAdded = 0;
    int PlayersAdded = 0;
    int RefereesAdded = 0;
    int Transfers = 0; // players moved to another team
    int FixturesDated = 0;
    int RecordsSkipped = 0; // damaged records
};

/// One message of the update, in the order the user sees them.
struct UpdateMessage {
    enum Kind { Status, ErrorBox } Type = Status;
    std::string Text; // an error box's whole text (lines separated by "\n")
};

struct UpdateReport {
    bool Accepted = false; // the header was accepted
    bool Changed = false;  // the league was changed (DataChanged set)
    std::vector<UpdateMessage> Messages;
    UpdateCounts Counts;
    /// The last status text.
    std::string FinalStatus() const;
};

/// Applies the lines of an update file (line 1 = lines[0], as LineReceiver gives them) to the
/// league. The header must read "Gorlin Update:100" and "League Version:" with the four digits
/// of the league's own VersionId; otherwise an error box ("Update file is not correctly
/// formatted" or "... not compatible ...", then "Update processing cancelled.") and nothing
/// changes. The records are applied to a copy of the league, which replaces it at the end only
/// when something changed (then DataChanged is set and every game's outcome recomputed), so the
/// league is never half-updated. A record whose number fields are missing, not plain decimal
/// digits or too large for their field, or whose teams the league or the current game do not
/// have, is damaged: skipped and counted.
UpdateReport ProcessUpdate(League& league, const std::vector<std::string>& lines,
                           const UpdateOptions& options = {});

} // namespace gorlin
