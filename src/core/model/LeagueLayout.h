#pragma once

// What the league file's reader, writer and file operations share: the signature, the stored
// header sizes, the compact layout's limits and the byte source the decoder reads from.

#include "core/model/Expected.h"
#include "core/model/League.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace gorlin {

inline constexpr std::string_view kLeagueSignature = "DIVHD";

// The compact layout (version 45) the writer picks when the league fits it.
inline constexpr std::size_t kCompactHeaderSize = 80;
inline constexpr std::size_t kCompactTeamSelSize = 50;
inline constexpr int kCompactMaxTeams = 29;
inline constexpr int kCompactMaxTeamSels = 5;

/// The largest file a legal league makes (every count at its limit, every game stored whole),
/// with room to spare; anything larger is refused before it is read.
inline constexpr std::uint64_t kMaxLeagueFileSize =
    sizeof(DivHead) + (kMaxTeams + 65535ull) * sizeof(TeamRec) + 2ull * 65535 * 77 +
    65535ull * sizeof(GoalRec) + kMaxPlayers * sizeof(PlayerRec) + 65535ull * sizeof(SquadRec) +
    kMaxComps * sizeof(CompRec) + kMaxTeamSels * sizeof(TeamSelRec) + kMaxReferees * sizeof(RefereeRec) +
    kMaxMissedPens * sizeof(MissedPenRec) + (1u << 20);

/// Header bytes a file of the version stores (64, 68, 71, 80 or 131).
std::size_t StoredHeaderSize(int version);

/// "This is not a league file." or the version message, for the first bytes of a file.
std::optional<Error> CheckSignature(const std::uint8_t* bytes, std::size_t size);

/// How often each pair meets by the header's counts: league games div the pairs of league
/// teams, at most kMaxTimesToPlay; 0 with fewer than two teams. Files older than the current
/// version store no schedule of their own: this is theirs.
int TimesToPlayFromGames(const DivHead& h);

/// Named team selections (slots 1..8 with a name).
int CountNamedSelections(const League& league);

/// The bytes of a league file, read front to back.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    /// Bytes not yet read.
    virtual std::size_t Left() const = 0;
    /// Copies the next n bytes (at most Left()) to dest; false when they cannot be read.
    virtual bool Read(void* dest, std::size_t n) = 0;
};

/// Decodes a league from its bytes (DecodeLeague's rules).
Expected<League> DecodeFrom(ByteSource& in);

} // namespace gorlin
