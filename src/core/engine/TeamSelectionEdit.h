#pragma once

#include "core/model/Expected.h"
#include "core/model/League.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace gorlin {

/// The rules of the "Edit Team Selections" dialog. It works on a copy of the eight TeamSels
/// slots; nothing reaches the league before Ok. Names are the league's 8-bit text.
class TeamSelectionEdit {
public:
    /// What the dialog shows for one slot: the typed name and one check mark per league team
    /// (Checked[i - 1] for team i).
    struct Entry {
        std::string Name;
        std::vector<bool> Checked;
    };

    explicit TeamSelectionEdit(const League& league);

    int TeamCount() const { return m_teamCount; }
    /// The slot on screen, 1..8 (the dialog starts on slot 1).
    int CurrentSlot() const { return m_current; }
    const TeamSelRec& Slot(int slot) const { return m_slots[static_cast<std::size_t>(Clamp(slot))]; }
    /// The slot as the dialog shows it.
    Entry EntryOf(int slot) const;
    /// The tab caption: the slot's name, or "Selection %d" when it has none.
    std::string TabCaption(int slot) const;

    /// Checks an entry: empty name and no team is valid (an unused slot); otherwise fewer than
    /// three teams or an empty name is refused. Returns the message, empty when valid. A name
    /// of blanks counts as empty.
    static std::string Validate(const Entry& entry);

    /// Validates the entry on screen and, when valid, stores it into the copy of the current
    /// slot and moves to `slot`. Fails with the message, staying on the current slot.
    Status SwitchTo(int slot, const Entry& onScreen);

    /// Clear: the copy of `slot` gets no name and no members.
    void Clear(int slot);

    /// OK: validates and stores the entry on screen, then copies all eight slots back into the
    /// league, recounts TeamSelCount and sets DataChanged. Fails with the message when the
    /// entry is invalid (nothing copied).
    Status Ok(League& league, const Entry& onScreen);
    /// After a successful Ok: the current slot when it has a name, else 0.
    int ReportedSlot() const;

private:
    static int Clamp(int slot) { return slot < 1 ? 1 : (slot > kMaxTeamSels ? kMaxTeamSels : slot); }
    void Store(int slot, const Entry& entry);

    int m_teamCount = 0;
    int m_current = 1;
    std::array<TeamSelRec, kMaxTeamSels + 1> m_slots{};
};

/// What the league table does after the selection dialog's OK: a selection in force that has no
/// members any more falls back to all teams; with none in force the reported slot (when not 0)
/// comes into force.
void ApplySelectionEdit(League& league, int reportedSlot);

/// Number of league teams that are members of selection `slot` (1..8).
int SelectionSize(const League& league, int slot);

} // namespace gorlin
