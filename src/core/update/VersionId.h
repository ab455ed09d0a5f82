#pragma once

#include "core/model/League.h"

#include <string>
#include <string_view>

namespace gorlin {

inline constexpr const char* kMsgVersionNeedsAddress =
    "Version ID must be 2000 or higher if Address is given";
/// The lowest version ID a league with its own update address may have, and the highest of all.
inline constexpr int kMinAddressVersionId = 2000;
inline constexpr int kMaxVersionId = 9999;

/// The address as stored: trimmed, a closing "/" dropped (a lone "/" is kept), cut to 50.
std::string NormaliseUpdateAddress(std::string_view address);

enum class VersionResult {
    Stored,
    IdNotNumber,        // beep, focus back in the version field
    AddressNeedsHighId, // kMsgVersionNeedsAddress
};

/// "Set League Version ID" OK: checks both fields first (an ID of 0..9999 in decimal digits; an
/// address only with an ID of 2000 or more), and only then stores VersionId and UpdateAddress;
/// DataChanged is set when either changed. Refused, nothing changes.
VersionResult SetLeagueVersion(League& league, std::string_view id, std::string_view address);

} // namespace gorlin
