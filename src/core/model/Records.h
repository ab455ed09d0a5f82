#pragma once

// The league records, byte for byte as the league file stores them: packed, little-endian.
// Loading and saving copy whole records, so layouts and sizes are binding (checked below).
// Packed fields wider than a byte cannot bind to references: copy them to locals first.

#include "core/model/Text.h"

#include <bit>
#include <cstdint>

namespace gorlin {

static_assert(std::endian::native == std::endian::little, "records are stored little-endian");

using u8 = std::uint8_t;
using u16 = std::uint16_t;
using i16 = std::int16_t;
using u32 = std::uint32_t;

#pragma pack(push, 1)

/// The league header.
struct DivHead {
    PString<5> Signature; // "DIVHD"
    u8 Version;           // 46 while a league is in memory
    PString<30> TableName;
    u16 TeamCount; // league teams N, at most 32
    u16 GameCount; // league games G
    u16 GoalCount;
    u16 PlayerCount; // at most 5800
    u8 TrackGoals;
    u8 WinPoints;
    u8 Relegated;
    u8 Promoted;
    u8 OwnTeam;           // 0 none
    PString<8> SortRules; // rule digits in priority order
    u8 PlayOffs;
    u8 CompCount;     // 0..50
    u16 CupGameCount; // other games C
    u16 SquadCount;
    u8 TeamSize;
    u8 DrawPoints;
    u16 OtherTeamCount; // non-league teams X
    u8 GameType;        // 0 league, 1 league and other, k>=2 competition k-1 only
    u8 TeamSelCount;    // 0..8
    u8 RelPlayOffs;
    u8 RefereeCount; // 0..250
    u8 LossPoints;
    u8 MissedPenCount; // 0..150
    u8 HalfLength;     // 10..45
    u16 VersionId;     // 0 = Internet update off
    u8 TimesToPlay;    // 0..8, 0 = no fixed schedule
    PString<50> UpdateAddress;
};

struct TeamRec {
    PString<30> Name;
    i16 PointsAdjust;
    u8 Increment;
};

struct GameRec {
    u8 Played;
    u8 HomeTeam;
    u8 AwayTeam;
    u8 HomeGoals;
    u8 AwayGoals;
    double Date; // day number, 0 = not set
    u32 Attendance;
    u8 Predicted;
    u16 HomeSquad;
    u16 AwaySquad;
    u8 Comp; // 0 = league game
    PString<50> Comment;
    u8 Referee;
    u8 Awarded; // 0 as scored, 1 to the home team, 2 to the away team
    u8 Outcome; // in memory only: 0 draw, 1 home win, 2 away win
};

struct GoalRec {
    u16 Game;
    u16 TeamFor;
    u16 Scorer; // 0 = not known
    u16 Minute; // 0 = not known
    u8 OwnGoal;
    u8 Penalty;
};

struct PlayerRec {
    PString<20> Name;
    u8 Team; // 0 = left ("Transferred-Out")
    u8 Position;
    u8 SquadNo;
    u16 BirthDate; // day number, 0 = not known
    u8 Foreign;    // 0 not known, 1 no, 2 yes
    u32 Cost;
};

struct SquadEntry {
    u16 Player; // 0 = empty entry
    u8 TimeOn;
    u8 TimeOff;
    u8 Yellow1;
    u8 Yellow2;
    u8 Red;
    u8 Rating; // 0..100
};

inline constexpr int kSquadEntries = 18;

struct SquadRec {
    u16 Game;
    u8 Team;
    SquadEntry Entries[kSquadEntries]; // entry k (1..18) is Entries[k - 1]
};

struct CompRec {
    PString<30> Name;
    PString<4> ShortName;
};

struct RefereeRec {
    PString<20> Name;
};

struct MissedPenRec {
    u16 Game;
    u16 Player;
    u8 Team;
    u8 Minute;
};

inline constexpr int kMaxTeams = 32;

struct TeamSelRec {
    PString<20> Name;     // empty = unused slot
    u8 Member[kMaxTeams]; // Member[i - 1] belongs to league team i

    bool IsMember(int team) const { return team >= 1 && team <= kMaxTeams && Member[team - 1] != 0; }
    void SetMember(int team, bool on) {
        if (team >= 1 && team <= kMaxTeams)
            Member[team - 1] = on ? 1 : 0;
    }
};

#pragma pack(pop)

static_assert(sizeof(DivHead) == 131);
static_assert(sizeof(TeamRec) == 34);
static_assert(sizeof(GameRec) == 77);
static_assert(sizeof(GoalRec) == 10);
static_assert(sizeof(PlayerRec) == 31);
static_assert(sizeof(SquadEntry) == 8);
static_assert(sizeof(SquadRec) == 147);
static_assert(sizeof(CompRec) == 36);
static_assert(sizeof(RefereeRec) == 21);
static_assert(sizeof(MissedPenRec) == 6);
static_assert(sizeof(TeamSelRec) == 53);

/// Bytes of a game as stored (everything but Outcome).
inline constexpr int kStoredGameSize = 76;

} // namespace gorlin
