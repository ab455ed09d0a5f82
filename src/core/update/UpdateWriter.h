#pragma once

#include "core/model/Expected.h"
#include "core/model/League.h"

#include <filesystem>
#include <string>
#include <vector>

namespace gorlin {

inline constexpr const char* kUpdateSignature = "Gorlin Update";
inline constexpr const char* kUpdateHeader = "Gorlin Update:100";
inline constexpr const char* kUpdateVersionLabel = "League Version:";

inline constexpr const char* kMsgNoGamesPlayed = "No games played during the selected period";
inline constexpr const char* kMsgUploadNotOpened = "The selected file could not be opened. It may be in-use";
inline constexpr const char* kMsgUploadNotWritten = "The upload file could not be written";

/// Days before today the "since" date starts at.
inline constexpr int kUploadDaysBack = 60;

/// "gnup", the version ID as four digits, ".txt" (version 42 gives gnup0042.txt).
std::string UpdateFileName(int versionId);

/// The "since" date the upload dialog opens with: 60 days before today, or `fromDate` (the
/// table's first date in range) when that is later.
int UploadSinceDefault(int today, int fromDate);
/// A picked "since" date held to `fromDate` at the earliest.
int ClampUploadSince(int picked, int fromDate);

struct UploadOptions {
    int Since = 0;      // the period starts on this day
    bool Squads = true; // "Unload Squad details if present"
    int Today = 0;      // the header's creation date
};

/// Each player's team at the start of the period (index = player, 0 = not seen): the team he
/// was seen with last before the period, else the team of his first game inside it. Scorers
/// count for TeamFor (an own goal for the other side), then, with squads, the home and the away
/// squad's players for their sides; games are walked by date, equal dates in index order.
std::vector<int> StartOfPeriodTeams(const League& league, int since, bool squads);

/// The whole update file: header, table name, every referee, a P record for every player (the
/// update number is the league index), the played league games of the period by date with their
/// goals, transfers and (with squads) squads and missed penalties, then the dated fixtures of
/// the period. Lines end in CR LF. Control characters in texts become spaces; a player name
/// that would not read back whole (an odd number of double quotes, or quotes around a comma)
/// has its double quotes written as single ones.
std::string WriteUpdateText(const League& league, const UploadOptions& options);

/// "Create": refuses a league without played league games (kMsgNoGamesPlayed, nothing
/// written); otherwise writes the file beside the target and renames it in, so the target is
/// either the whole new file or what it was. kMsgUploadNotOpened when it cannot be created,
/// kMsgUploadNotWritten and the reason when writing fails.
Status CreateUploadFile(const League& league, const std::filesystem::path& path,
                        const UploadOptions& options);

/// A game date as the whole day count the file carries (the fraction dropped; a date that is no
/// finite day count gives 0, "no date").
long long WholeDay(double date);

/// True when the league has a played league game (the upload has something to carry).
bool HasPlayedGames(const League& league);

} // namespace gorlin
