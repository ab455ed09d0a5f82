#include "core/model/LeagueFile.h"
#include "core/model/LeagueLayout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <string>

namespace gorlin {
namespace {

using Bytes = std::vector<u8>;
/// One stored layout of a record kind, in force from FirstVersion until the next entry's.
/// Decode is null for the current layout, which is copied whole.
template <typename Rec> struct Era {
    int FirstVersion;
    std::size_t Size;
    void (*Decode)(const u8* src, std::size_t size, Rec& rec, int version);
};

template <typename Rec, std::size_t N> const Era<Rec>* PickEra(const Era<Rec> (&eras)[N], int version) {
    const Era<Rec>* found = nullptr;
    for (const Era<Rec>& e : eras)
        if (version >= e.FirstVersion)
            found = &e;
    return found;
}

/// The stored bytes are a prefix of the current record (later fields zero).
template <typename Rec> void CopyPrefix(const u8* src, std::size_t size, Rec& rec, int) {
    rec = Rec{};
    std::memcpy(static_cast<void*>(&rec), src, std::min(size, sizeof(Rec)));
}

/// Teams before version 44: a 34-byte name area of which 30 characters are kept, the point
/// adjustment, and from version 34 the increment.
void DecodeOldTeam(const u8* src, std::size_t, TeamRec& team, int version) {
    team = TeamRec{};
    team.Name.Len = std::min<u8>(src[0], 30);
    std::memcpy(team.Name.Data, src + 1, 30);
    i16 adjust = 0;
    std::memcpy(&adjust, src + 34, sizeof adjust);
    team.PointsAdjust = adjust;
    if (version >= 34)
        team.Increment = src[36];
}

/// Games before version 44: two ignored bytes, then the current fields as far as the old record
/// reaches (Attendance below 20, AwaySquad below 30, Comment below 34, Referee up to 43).
void DecodeOldGame(const u8* src, std::size_t size, GameRec& game, int) {
    game = GameRec{};
    std::memcpy(static_cast<void*>(&game), src + 2, std::min<std::size_t>(size - 2, 75));
}

/// Players before version 44.
void DecodeOldPlayer(const u8* src, std::size_t, PlayerRec& player, int version) {
    player = PlayerRec{};
    std::memcpy(static_cast<void*>(&player), src, 22); // Name, Team
    if (version >= 23) {
        player.Position = src[23];
        player.SquadNo = src[24];
    }
    if (version >= 43) {
        u16 birth = 0;
        u32 cost = 0;
        std::memcpy(&birth, src + 26, sizeof birth);
        std::memcpy(&cost, src + 29, sizeof cost);
        player.BirthDate = birth;
        player.Foreign = src[28];
        player.Cost = cost;
    }
}

/// Squads of versions 20..30: 16 entries of 7 bytes (no Rating) below 30, of 8 bytes in 30.
void DecodeOldSquad(const u8* src, std::size_t, SquadRec& squad, int version) {
    squad = SquadRec{};
    std::memcpy(static_cast<void*>(&squad), src, 3); // Game, Team
    const std::size_t entrySize = version >= 30 ? 8 : 7;
    for (std::size_t k = 0; k < 16; ++k)
        std::memcpy(static_cast<void*>(&squad.Entries[k]), src + 3 + k * entrySize, entrySize);
}

// The record layouts by first version.
constexpr std::size_t kHeaderSizes[][2] = {{6, 64}, {20, 68}, {30, 71}, {34, 80}, {46, 131}};
constexpr Era<TeamRec> kTeamEras[] = {{6, 36, DecodeOldTeam}, {34, 37, DecodeOldTeam}, {44, 34, nullptr}};
constexpr Era<GameRec> kGameEras[] = {{6, 19, DecodeOldGame},
                                      {20, 24, DecodeOldGame},
                                      {30, 76, DecodeOldGame},
                                      {34, 77, DecodeOldGame},
                                      {44, 76, nullptr}};
constexpr Era<GoalRec> kGoalEras[] = {{6, 10, nullptr}};
constexpr Era<PlayerRec> kPlayerEras[] = {{6, 23, DecodeOldPlayer},
                                          {23, 25, DecodeOldPlayer},
                                          {25, 26, DecodeOldPlayer},
                                          {43, 33, DecodeOldPlayer},
                                          {44, 31, nullptr}};
constexpr Era<SquadRec> kSquadEras[] = {
    {20, 115, DecodeOldSquad}, {30, 131, DecodeOldSquad}, {31, 147, nullptr}};
constexpr Era<CompRec> kCompEras[] = {{6, 36, nullptr}};
constexpr Era<TeamSelRec> kTeamSelEras[] = {
    {34, 47, CopyPrefix<TeamSelRec>}, {42, 50, CopyPrefix<TeamSelRec>}, {46, 53, nullptr}};
constexpr Era<RefereeRec> kRefereeEras[] = {{6, 21, nullptr}};
constexpr Era<MissedPenRec> kMissedPenEras[] = {{6, 6, nullptr}};

/// Day numbers of years 1..9999; a stored date outside them (or not a number) means no date.
constexpr double kFirstDay = -693593;
constexpr double kLastDay = 2958465;
/// Old files counted days from 1 January of year 1.
constexpr double kOldDateOffset = 693594;

Error Damaged(const std::string& detail) {
    return Error{"The league file is damaged: " + detail + "."};
}

class MemorySource final : public ByteSource {
public:
    explicit MemorySource(const Bytes& bytes) : m_bytes(bytes) {}
    std::size_t Left() const override { return m_bytes.size() - m_pos; }
    bool Read(void* dest, std::size_t n) override {
        if (n > Left())
            return false;
        if (n != 0)
            std::memcpy(dest, m_bytes.data() + m_pos, n);
        m_pos += n;
        return true;
    }

private:
    const Bytes& m_bytes;
    std::size_t m_pos = 0;
};

Error ReadFailed() {
    return Error{"The league file could not be read to its end."};
}

/// Reads count records of a section with the layout of the version: the bytes are checked
/// first, then dest(count) gives where the records go (so nothing is allocated for a file
/// that cannot hold them).
template <typename Rec, std::size_t N, typename Dest>
std::optional<Error> ReadSection(ByteSource& in, const Era<Rec> (&eras)[N], int version, std::size_t count,
                                 const char* what, Dest dest) {
    const Era<Rec>* era = PickEra(eras, version);
    if (count == 0) {
        dest(0);
        return std::nullopt;
    }
    if (era == nullptr) // the header defaults clear such counts; never read without a layout
        return Damaged(std::string("it holds ") + what + " that its version cannot have");
    const std::size_t need = era->Size * count;
    if (need > in.Left())
        return Damaged("it ends inside the " + std::string(what) + " (" +
                       std::to_string(in.Left() / era->Size) + " of " + std::to_string(count) +
                       " records present)");
    Rec* out = dest(count);
    if (era->Decode != nullptr) {
        Bytes raw(need);
        if (!in.Read(raw.data(), need))
            return ReadFailed();
        for (std::size_t i = 0; i < count; ++i)
            era->Decode(raw.data() + i * era->Size, era->Size, out[i], version);
    } else if (era->Size == sizeof(Rec)) {
        if (!in.Read(out, need))
            return ReadFailed();
    } else {
        // Stored records are shorter than in memory (games): read them packed into the array,
        // then spread them out from the last, clearing the bytes that are not stored.
        u8* base = reinterpret_cast<u8*>(out);
        if (!in.Read(base, need))
            return ReadFailed();
        for (std::size_t i = count; i-- > 1;)
            std::memmove(base + i * sizeof(Rec), base + i * era->Size, era->Size);
        for (std::size_t i = 0; i < count; ++i)
            std::memset(base + i * sizeof(Rec) + era->Size, 0, sizeof(Rec) - era->Size);
    }
    return std::nullopt;
}

/// Where a growable array's records go: entries 1.., the array sized to count + spare.
template <typename Rec> auto Growable(std::vector<Rec>& array, std::size_t spare) {
    return [&array, spare](std::size_t count) {
        array.assign(count + spare, Rec{});
        return array.data() + 1;
    };
}

/// Where a fixed array's records go: entries 1.. (the count was checked against its size).
template <typename Rec, std::size_t M> auto Fixed(std::array<Rec, M>& array) {
    return [&array](std::size_t) { return array.data() + 1; };
}

/// Header fields absent from an older header, or whose meaning arrived later.
void ApplyHeaderDefaults(DivHead& h, int version) {
    if (version < 20) {
        h.SquadCount = 0;
        h.TeamSize = 11;
    }
    if (version < 30) {
        h.CompCount = 0;
        h.CupGameCount = 0;
        h.OtherTeamCount = 0;
    }
    if (version < 33)
        h.DrawPoints = 1;
    if (version < 34) {
        h.GameType = 0;
        h.TeamSelCount = 0;
        h.RelPlayOffs = 0;
    }
    if (version < 40) {
        h.RefereeCount = 0;
        h.LossPoints = 0;
        h.MissedPenCount = 0;
        h.HalfLength = 45;
    }
    if (version < 45)
        h.VersionId = 0;
    if (version < 46) {
        // The games decide, also over a compact file's stored value: a schedule the games do
        // not support would offer fixtures that do not exist.
        h.TimesToPlay = static_cast<u8>(TimesToPlayFromGames(h));
        h.UpdateAddress = PString<50>{};
    }
    if (h.HalfLength < 10 || h.HalfLength > 45)
        h.HalfLength = 45;
}

std::optional<Error> CheckLimits(const DivHead& h) {
    struct Limit {
        int Count;
        int Max;
        const char* What;
    };
    const Limit limits[] = {
        {h.TeamCount, kMaxTeams, "league teams"},
        {h.CompCount, kMaxComps, "competitions"},
        {h.RefereeCount, kMaxReferees, "referees"},
        {h.MissedPenCount, kMaxMissedPens, "missed penalties"},
        {h.TeamSelCount, kMaxTeamSels, "team selections"},
        {h.PlayerCount, kMaxPlayers, "players"},
    };
    for (const Limit& l : limits)
        if (l.Count > l.Max)
            return Damaged("it declares " + std::to_string(l.Count) + " " + l.What + ", at most " +
                           std::to_string(l.Max) + " are allowed");
    return std::nullopt;
}

std::string LinkError(const std::string& record, int index, const char* field, int value, int count) {
    return "the " + record + " " + std::to_string(index) + " refers to " + field + " " +
           std::to_string(value) + ", but there are only " + std::to_string(count);
}

/// Links that define what a record is about are refused when they point past their array;
/// links whose 0 means "none" or "not known" are cleared.
std::optional<Error> CheckLinks(League& league) {
    DivHead& h = league.Head;
    const int teams = league.AllTeamCount();
    const int games = league.AllGameCount();
    const int players = h.PlayerCount;
    if (h.OwnTeam > h.TeamCount)
        h.OwnTeam = 0;
    if (h.GameType >= 2 && h.GameType - 1 > h.CompCount)
        h.GameType = 0;
    for (int i = 1; i <= games; ++i) {
        GameRec& g = league.Games[static_cast<std::size_t>(i)];
        if (g.HomeTeam > teams)
            return Damaged(LinkError("game", i, "team", g.HomeTeam, teams));
        if (g.AwayTeam > teams)
            return Damaged(LinkError("game", i, "team", g.AwayTeam, teams));
        if (g.Comp > h.CompCount)
            return Damaged(LinkError("game", i, "competition", g.Comp, h.CompCount));
        if (g.Referee > h.RefereeCount)
            g.Referee = 0;
        const double date = g.Date;
        if (!(date >= kFirstDay && date <= kLastDay))
            g.Date = 0;
    }
    for (int i = 1; i <= h.GoalCount; ++i) {
        GoalRec& goal = league.Goals[static_cast<std::size_t>(i)];
        if (goal.Game > games)
            return Damaged(LinkError("goal", i, "game", goal.Game, games));
        if (goal.TeamFor > teams)
            return Damaged(LinkError("goal", i, "team", goal.TeamFor, teams));
        if (goal.Scorer > players)
            goal.Scorer = 0;
    }
    for (int i = 1; i <= players; ++i) {
        PlayerRec& p = league.Players[static_cast<std::size_t>(i)];
        if (p.Team > teams)
            p.Team = 0;
    }
    for (int i = 1; i <= h.SquadCount; ++i) {
        SquadRec& s = league.Squads[static_cast<std::size_t>(i)];
        if (s.Game > games)
            return Damaged(LinkError("squad", i, "game", s.Game, games));
        if (s.Team > teams)
            return Damaged(LinkError("squad", i, "team", s.Team, teams));
        for (SquadEntry& e : s.Entries)
            if (e.Player > players)
                e = SquadEntry{};
    }
    for (int i = 1; i <= h.MissedPenCount; ++i) {
        MissedPenRec& m = league.MissedPens[static_cast<std::size_t>(i)];
        if (m.Game > games)
            return Damaged(LinkError("missed penalty", i, "game", m.Game, games));
        if (m.Team > teams)
            return Damaged(LinkError("missed penalty", i, "team", m.Team, teams));
        if (m.Player > players)
            m.Player = 0;
    }
    return std::nullopt;
}

/// Meaning changes of older versions, in order, after every section is read.
void ApplyConversions(League& league, int version) {
    const DivHead& h = league.Head;
    const std::size_t teams = static_cast<std::size_t>(league.AllTeamCount());
    const std::size_t games = static_cast<std::size_t>(league.AllGameCount());
    const std::size_t squads = h.SquadCount;
    const std::size_t players = h.PlayerCount;
    const std::size_t leagueGames = h.GameCount;
    if (version < 31)
        for (std::size_t i = 1; i <= teams; ++i)
            league.Teams[i].PointsAdjust = static_cast<i16>(-league.Teams[i].PointsAdjust);
    if (version < 20)
        for (std::size_t i = 1; i <= games; ++i) {
            GameRec& g = league.Games[i];
            g.Predicted = (g.Played == 0 && g.Date != 0) ? 1 : 0;
        }
    if (version < 40)
        for (std::size_t i = 1; i <= games; ++i)
            league.Games[i].Referee = 0;
    if (version < 20)
        for (std::size_t i = 1; i <= leagueGames; ++i) {
            GameRec& g = league.Games[i];
            if (g.Date != 0)
                g.Date = g.Date - kOldDateOffset;
        }
    if (version < 44) {
        for (std::size_t i = 1; i <= squads; ++i)
            for (SquadEntry& e : league.Squads[i].Entries)
                e.Rating = static_cast<u8>(std::min(e.Rating * 10, 100));
        for (std::size_t i = 1; i <= players; ++i)
            if (league.Players[i].Team == h.TeamCount + 1)
                league.Players[i].Team = 0;
    }
    for (std::size_t i = 1; i <= games; ++i) {
        GameRec& g = league.Games[i];
        if (g.HomeSquad > h.SquadCount)
            g.HomeSquad = 0;
        if (g.AwaySquad > h.SquadCount)
            g.AwaySquad = 0;
    }
}

/// Named selections keep their order and move to the front; the rest are emptied.
void CompactSelections(League& league) {
    int used = 0;
    for (int slot = 1; slot <= kMaxTeamSels; ++slot) {
        if (league.TeamSels[static_cast<std::size_t>(slot)].Name.empty())
            continue;
        ++used;
        if (used != slot)
            league.TeamSels[static_cast<std::size_t>(used)] = league.TeamSels[static_cast<std::size_t>(slot)];
    }
    for (int slot = used + 1; slot <= kMaxTeamSels; ++slot)
        league.TeamSels[static_cast<std::size_t>(slot)] = TeamSelRec{};
    league.Head.TeamSelCount = static_cast<u8>(used);
    league.CurrentSel = (league.Head.TimesToPlay == 0 && used > 0) ? 1 : 0;
}
} // namespace

int TimesToPlayFromGames(const DivHead& h) {
    const long long teams = h.TeamCount;
    const long long pairs = teams * (teams - 1) / 2;
    return pairs > 0 ? static_cast<int>(std::min<long long>(h.GameCount / pairs, kMaxTimesToPlay)) : 0;
}

std::size_t StoredHeaderSize(int version) {
    std::size_t size = 0;
    for (const auto& e : kHeaderSizes)
        if (static_cast<std::size_t>(version) >= e[0])
            size = e[1];
    return size;
}

std::optional<Error> CheckSignature(const u8* bytes, std::size_t size) {
    if (size < 7 || bytes[0] != static_cast<u8>(kLeagueSignature.size()) ||
        std::string_view(reinterpret_cast<const char*>(bytes + 1), kLeagueSignature.size()) !=
            kLeagueSignature)
        return Error{"This is not a league file."};
    const int version = bytes[6];
    if (version < kMinFileVersion || version > kCurrentFileVersion)
        return Error{"The league file has version " + std::to_string(version) +
                     "; this program reads versions " + std::to_string(kMinFileVersion) + " to " +
                     std::to_string(kCurrentFileVersion) + "."};
    return std::nullopt;
}

Expected<League> DecodeFrom(ByteSource& in) {
    u8 raw[sizeof(DivHead)] = {};
    const std::size_t start = std::min<std::size_t>(in.Left(), 7);
    if (!in.Read(raw, start))
        return ReadFailed();
    if (auto error = CheckSignature(raw, start))
        return *error;
    const int version = raw[6];
    const std::size_t headerSize = StoredHeaderSize(version);
    if (headerSize - start > in.Left())
        return Damaged("it ends inside the header");
    if (!in.Read(raw + start, headerSize - start))
        return ReadFailed();

    League league;
    DivHead& h = league.Head;
    std::memcpy(static_cast<void*>(&h), raw, headerSize);
    ApplyHeaderDefaults(h, version);
    if (auto error = CheckLimits(h))
        return *error;

    const std::size_t teams = static_cast<std::size_t>(league.AllTeamCount());
    const std::size_t games = static_cast<std::size_t>(league.AllGameCount());
    std::optional<Error> error;
    if ((error = ReadSection(in, kTeamEras, version, teams, "teams", Growable(league.Teams, 1))) ||
        (error = ReadSection(in, kGameEras, version, games, "games", Growable(league.Games, 33))) ||
        (error = ReadSection(in, kGoalEras, version, h.GoalCount, "goals", Growable(league.Goals, 32))) ||
        (error =
             ReadSection(in, kPlayerEras, version, h.PlayerCount, "players", Growable(league.Players, 33))) ||
        (error = ReadSection(in, kSquadEras, version, h.SquadCount, "squads", Growable(league.Squads, 32))) ||
        (error = ReadSection(in, kCompEras, version, h.CompCount, "competitions", Fixed(league.Comps))) ||
        (error = ReadSection(in, kTeamSelEras, version, h.TeamSelCount, "team selections",
                             Fixed(league.TeamSels))) ||
        (error =
             ReadSection(in, kRefereeEras, version, h.RefereeCount, "referees", Fixed(league.Referees))) ||
        (error = ReadSection(in, kMissedPenEras, version, h.MissedPenCount, "missed penalties",
                             Fixed(league.MissedPens))))
        return *error;

    ApplyConversions(league, version);
    if (auto linkError = CheckLinks(league))
        return *linkError;
    CompactSelections(league);
    league.SetReservedEntries();
    league.LoadedVersion = static_cast<u16>(version);
    h.Version = static_cast<u8>(kCurrentFileVersion);
    UpdateGameEx(league, 0);
    league.DataChanged = false;
    return league;
}

Expected<League> DecodeLeague(const std::vector<std::uint8_t>& bytes) {
    MemorySource in(bytes);
    return DecodeFrom(in);
}

} // namespace gorlin
