#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/model/Expected.h"
#include "core/model/League.h"

namespace gorlin {

inline constexpr int kMinFileVersion = 6;
inline constexpr int kCurrentFileVersion = 46;
inline constexpr int kCompactFileVersion = 45;

/// Outcome of the header check of one file.
enum class HeaderCheck { Ok, NotCompatible, CouldNotOpen };

struct HeaderInfo {
    HeaderCheck Result = HeaderCheck::CouldNotOpen;
    int Version = 0;
    std::string TableName; // Windows-1252 bytes
};

/// The header check of the folder list: opens the file for reading, reads the header and
/// accepts signature "DIVHD" with a version from 6 to 46. Shorter than 131 bytes: not compatible.
HeaderInfo VerifyDivFile(const std::filesystem::path& path);

/// Decodes a whole league file held in memory: every version 6..46, with every conversion and
/// default, the selection compaction and CurrentSel. Never reads outside the bytes or the fixed
/// arrays; a damaged file (truncated, counts beyond limits, links past their arrays) is refused
/// with a message naming what is wrong.
Expected<League> DecodeLeague(const std::vector<std::uint8_t>& bytes);

/// Reads and decodes a league file.
Expected<League> LoadLeague(const std::filesystem::path& path);

/// The layout a save chooses: 45 (compact) or 46 (full).
int ChooseSaveVersion(const League& league);

/// Encodes the league in the layout ChooseSaveVersion picks (TeamSelCount recounted first).
std::vector<std::uint8_t> EncodeLeague(League& league);

/// The backup of a league file: its path with the last three characters replaced by "bak".
std::filesystem::path BackupPath(const std::filesystem::path& path);

struct SaveOptions {
    bool TakeBackup = true;
};

/// Saves the league over path: copies the old file to the backup when asked, writes the new
/// bytes beside the old file, flushes, and renames them into place. On success DataChanged is
/// cleared and LoadedVersion set to the version written; on failure the file and its backup are
/// as they were, the league is unchanged (DataChanged kept) and the error says what failed.
Status SaveLeague(League& league, const std::filesystem::path& path, const SaveOptions& options = {});

} // namespace gorlin
