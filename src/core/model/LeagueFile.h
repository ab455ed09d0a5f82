#pragma once

#include "core/model/Expected.h"
#include "core/model/League.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace gorlin {

inline constexpr int kMinFileVersion = 6;
inline constexpr int kCurrentFileVersion = 46;
inline constexpr int kCompactFileVersion = 45;

/// The message of a save refused because the model in memory is damaged.
inline constexpr const char* kInternalErrorText =
    "An Gorlin internal error has been detected. Please contact the author.The changes you have made "
    "have NOT been saved... Sorry !";

/// False when the model's signature was overwritten: such a model must never be written.
bool SignatureIntact(const League& league);

/// Outcome of the header check of one file.
enum class HeaderCheck { Ok, NotCompatible, CouldNotOpen };

struct HeaderInfo {
    HeaderCheck Result = HeaderCheck::CouldNotOpen;
    int Version = 0;
    std::string TableName; // Windows-1252 bytes
    std::string Reason; // why it could not be opened (the system's words, kNotRegularFile or kReadOnlyFile)
};

/// The header check of the folder list: opens the file for reading, reads 131 bytes and accepts
/// signature "DIVHD" with a version from 6 to 46. Anything else that could be read, a file
/// shorter than 131 bytes included, is not compatible; a file that cannot be opened or read, is
/// not a regular file (a folder, a FIFO, a device) or is read-only could not be opened.
HeaderInfo VerifyDivFile(const std::filesystem::path& path);

/// Decodes a whole league file held in memory: every version 6..46, with every conversion and
/// default, the selection compaction and CurrentSel. Never reads outside the bytes or the fixed
/// arrays. Refused with a message naming what is wrong: a truncated file, counts beyond the
/// limits, and links that say what a record is about pointing past their array (a game's
/// teams and competition; a goal's game and team; a squad's game and team; a missed penalty's
/// game and team). Links whose 0 means none or not known are cleared instead (a game's referee
/// and squads, a goal's scorer, a player's team, a squad entry's player, a missed penalty's
/// player, the header's OwnTeam and GameType), as are dates that are no day of years 1..9999.
Expected<League> DecodeLeague(const std::vector<std::uint8_t>& bytes);

/// Reads and decodes a league file (straight into the records, with the checks of DecodeLeague).
/// Anything but a regular file, or a file larger than any legal league, is refused unread.
Expected<League> LoadLeague(const std::filesystem::path& path);

/// The layout a save chooses: 45 (compact) or 46 (full).
int ChooseSaveVersion(const League& league);

/// Encodes the league in the layout ChooseSaveVersion picks, or always the full one when
/// `fullLayout` (TeamSelCount recounted first).
std::vector<std::uint8_t> EncodeLeague(League& league, bool fullLayout = false);

/// The backup of a league file: its path with the last three characters of the file name
/// replaced by "bak" (LEAGUE.DIV -> LEAGUE.bak); a name shorter than that gets ".bak" added.
std::filesystem::path BackupPath(const std::filesystem::path& path);

struct SaveOptions {
    bool TakeBackup = true;
    /// The full layout (version 46) even where the compact one would do: new tables are written
    /// that way.
    bool FullLayout = false;
};

/// What a successful save did besides writing the league.
struct SaveReport {
    /// A backup was asked for but not taken: the backup's name is the file's own (a league
    /// named X.bak), and a file is never copied onto itself.
    bool BackupSkipped = false;
};

/// Saves the league over path: copies the old file to the backup when asked (nothing to copy
/// when there is no file yet, and no backup when the backup's name is the file's own), writes
/// the new bytes into a temporary file beside it, flushes them to the disk, and renames them
/// into place; the backup goes the same way (see AtomicFile). A link at path stays a link: the
/// file it leads to is replaced. A read-only or special file is refused. A damaged in-memory
/// signature fails with the program's internal-error text, touching nothing.
/// On success DataChanged is cleared and LoadedVersion set to the version written; on failure
/// the file and its backup are as they were, the league is unchanged (DataChanged kept) and the
/// error says what failed.
Status SaveLeague(League& league, const std::filesystem::path& path, const SaveOptions& options = {},
                  SaveReport* report = nullptr);

} // namespace gorlin
