#pragma once

#include "core/model/Expected.h"
#include "core/model/League.h"
#include "core/model/Locale.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gorlin {

enum class SquadSide { Home = 0, Away = 1 };

/// The 18 entries of one working squad; entry k (1..18) is at [k - 1].
using WorkSquad = std::array<SquadEntry, kSquadEntries>;

/// The headings of the squad grid.
inline constexpr std::array<const char*, 8> kSquadHeadings = {"SN",  "Player", "Rtng", "On",
                                                              "Off", "YC1",    "YC2",  "Red"};

/// "Update Squad Member": the fields of one entry.
struct MemberInput {
    int TimeOn = 0;  // 0..120
    int TimeOff = 0; // 0..120
    bool Yellow1 = false;
    bool Yellow2 = false;
    bool Red = false;
    int Rating = 0; // tenths, 0..100
};

/// Ticking "2nd Yellow" also ticks "1st Yellow" and "Red".
MemberInput TickSecondYellow(MemberInput input);

/// A typed rating in tenths: a whole number, a number with one digit after the point, or a
/// number followed by the point ('.' or the locale's decimal separator). Nothing for any other
/// text or a value above 10 (the typing is ignored).
std::optional<int> ParseRating(std::string_view text, const Locale& locale);
/// A rating as shown: 0..10, with one decimal digit when not whole (75 is "7.5", 70 is "7").
std::string FormatRating(int tenths, const Locale& locale);

/// The cells of one squad row in heading order: squad number (blank when 0), name, rating,
/// minutes on and off, and "Y" for each card; an empty entry is all blank.
std::array<std::string, 8> SquadRowCells(const League& league, const SquadEntry& entry, const Locale& locale);

/// What "&Substitute" offers for an entry: the squad's unused entries (neither time on nor time
/// off), or when there are none the team's available players (taking the first empty entry).
struct SubstituteChoices {
    std::string Caption;      // "Assign Substitute for " + the player's name
    bool FromSquad = true;    // the players below are entries of the squad
    std::vector<int> Players; // player indices in list order
};

/// The squad window of one game: WorkSquads, copies of the home and away squad edited until
/// OK. Entries are numbered 1..18; entries 1..TeamSize are the starters.
class SquadEditor {
public:
    SquadEditor(League& league, int g);

    int Game() const { return m_game; }
    /// "Squad for %s v %s (%s)" with home, away and date.
    std::string Caption(const Locale& locale) const;
    /// The side shown first: the away side when the own team plays away, else the home side.
    SquadSide InitialSide() const;
    int TeamOf(SquadSide side) const;
    const WorkSquad& Squad(SquadSide side) const { return m_work[Index(side)]; }
    bool Changed() const { return m_changed; }

    /// "Available Players": the team's players not in its working squad, by name.
    std::vector<int> AvailablePlayers(SquadSide side) const;

    /// ">>": the player takes the first empty entry with time on 0, time off twice the half
    /// length for a starter's entry (else 0), no cards, rating 0. False (beep) when no entry is
    /// empty or the player is not available.
    bool Add(SquadSide side, int player);
    /// "<<": removes the entry, the later ones moving up. False (beep) for an empty entry.
    bool Remove(SquadSide side, int entry);
    /// "Swap": the available player takes the entry with the defaults of Add. False (beep) for
    /// an empty entry or a player who is not available.
    bool Swap(SquadSide side, int entry, int player);
    /// "&Yellow Card": toggles the first yellow card. False (beep) for an empty entry.
    bool ToggleYellow(SquadSide side, int entry);

    /// "Update Squad Member" preset for a filled entry.
    std::optional<MemberInput> Member(SquadSide side, int entry) const;
    /// Its OK: a time on with time off 0 stores time off 90. False for an empty entry or a
    /// value out of range (nothing stored).
    bool UpdateMember(SquadSide side, int entry, const MemberInput& input);

    /// The list of "&Substitute" for a filled entry (an empty one beeps); "All the substitutes
    /// have been assigned" when neither an unused entry nor an empty one remains.
    Expected<SubstituteChoices> SubstituteChoicesFor(SquadSide side, int entry) const;
    /// Its OK: the substitute comes on at `minute` and stays to the end (twice the half length,
    /// or the minute itself when later); the entry's player goes off at `minute`. No player or
    /// minute 0: "You have not selected a substitute".
    Status Substitute(SquadSide side, int entry, int player, int minute);

    /// "Clone" is enabled while the working squad is empty and the team has a squad with
    /// players in a played league game dated before this game.
    bool CanClone(SquadSide side) const;
    /// Copies the players of the team's squad of the latest such game: those who started get
    /// time on 0 and off twice the half length, all others 0 and 0; cards and ratings cleared.
    bool Clone(SquadSide side);

    /// The entry numbers in grid order: 1..18 "As entered"; sorted, the filled entries by time
    /// on (neither on nor off counts as 200), position (0 counts as 99), squad number and name
    /// ignoring case, then the empty ones.
    std::vector<int> DisplayOrder(SquadSide side, bool sorted) const;

    /// OK: when anything changed, a side with players and no squad record gets one appended
    /// and linked from the game; the entries are written to the records and DataChanged set.
    /// A squad emptied here keeps its empty record.
    Status Ok();

private:
    static std::size_t Index(SquadSide side) { return side == SquadSide::Home ? 0 : 1; }
    bool ValidEntry(int entry) const { return entry >= 1 && entry <= kSquadEntries; }
    bool Filled(SquadSide side, int entry) const;
    SquadEntry Fresh(int player, int entry) const;
    int StarterTimeOff() const;
    int SquadLink(SquadSide side) const;
    int FirstEmpty(SquadSide side) const;
    bool InSquad(SquadSide side, int player) const;
    bool Available(SquadSide side, int player) const;
    int CloneSource(SquadSide side) const;

    League& m_league;
    int m_game = 0;
    std::array<WorkSquad, 2> m_work{};
    bool m_changed = false;
};

} // namespace gorlin
