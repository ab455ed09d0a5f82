#pragma once

#include "core/model/League.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace gorlin::test {

/// Little-endian bytes written field by field, for building league files of any version by hand.
class ByteWriter {
public:
    /// A value of the width of T (a byte, a 16- or 32-bit integer, a double).
    template <typename T> ByteWriter& Put(T value) { return Raw(&value, sizeof value); }
    ByteWriter& U8(int value) { return Put(static_cast<std::uint8_t>(value)); }
    ByteWriter& U16(int value) { return Put(static_cast<std::uint16_t>(value)); }
    /// A length-prefixed text of the given capacity: length byte, text, zero padding.
    ByteWriter& Str(std::string_view text, int capacity);
    ByteWriter& Fill(std::size_t count, int value = 0);
    ByteWriter& Raw(const void* data, std::size_t size);

    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }
    std::size_t Size() const { return m_bytes.size(); }

private:
    std::vector<std::uint8_t> m_bytes;
};

/// Header bytes a file of the version stores (64, 68, 71, 80 or 131).
std::size_t StoredHeaderSize(int version);

// The stored layouts of each era, written field by field as the older programs did.
void PutHeader(ByteWriter& w, const DivHead& head, int version);
/// An old team: the name in a 34-byte area (up to 33 characters), the stored adjustment.
void PutTeam(ByteWriter& w, std::string_view name, int storedAdjust, int increment, int version);
void PutGame(ByteWriter& w, const GameRec& game, int version);
void PutPlayer(ByteWriter& w, const PlayerRec& player, int version);
void PutSquad(ByteWriter& w, const SquadRec& squad, int version);
void PutTeamSel(ByteWriter& w, const TeamSelRec& sel, int version);

/// The league written in the layout of `version` with its fields stored as they stand (the
/// caller puts in the values an old file would hold: negated adjustments, old dates, ...).
/// Sections the version does not have are left out, as are other teams and games below 30.
/// The header's counts are written as they stand; Version becomes `version`.
std::vector<std::uint8_t> EncodeAs(const League& league, int version);

} // namespace gorlin::test
