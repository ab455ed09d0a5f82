#pragma once

#include "core/engine/SortRules.h"
#include "core/model/Expected.h"
#include "core/model/League.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gorlin {

/// State of the "Sort Rules" maintenance page: the two lists of rule names and the editing
/// operations on them. Edits only touch the lists (and set league.SortRulesChanged); the
/// league's SortRules changes only through SortUpdate.
///
/// A stored SortRules may hold characters other than the rule digits 1..9 (only a hand-made
/// file can); the page does not show them, just as the ranking ignores them, so the first
/// successful SortUpdate after an edit drops them.
class SortRulePage {
public:
    enum class List { Available, Active };

    explicit SortRulePage(League& league);

    /// Page fill: "Available Rules:" = catalogue rules whose digit is not in SortRules, in
    /// catalogue order; "Active Rules:" = the rules of SortRules in stored order. Clears
    /// SortRulesChanged. Restore does the same.
    void Fill();
    void Restore() { Fill(); }

    const std::vector<std::string>& Available() const { return m_available; }
    const std::vector<std::string>& Active() const { return m_active; }
    const std::vector<std::string>& Items(List list) const {
        return list == List::Active ? m_active : m_available;
    }

    /// Right: the available item at `index` to the end of the active list. False (beep) when
    /// the index selects nothing.
    bool Right(int index);
    /// Left: the active item at `index` to the end of the available list. False (beep) when
    /// the index selects nothing.
    bool Left(int index);
    /// Up/Down: moves the active item one place; returns its new index, or nothing (beep) with
    /// no selection or at the end it would move past.
    std::optional<int> Up(int index);
    std::optional<int> Down(int index);

    /// A drag from item `sourceIndex` of `source` dropped on `target`: the item is appended to
    /// the target's end and removed from its old place (so a drop on its own list moves it to
    /// that list's end). False when the source index selects nothing.
    bool Drop(List source, int sourceIndex, List target);

    /// Validates the active list and stores it into SortRules (SortRulesChanged cleared;
    /// DataChanged set only when the stored string changed). On failure SortRulesChanged stays
    /// set and the lists stay as they are.
    Status SortUpdate();

    /// What leaving the page or closing the window needs: SortUpdate when there are unsaved
    /// edits; a failure keeps the user on the page.
    Status CheckLeave();

private:
    std::vector<std::string>& ItemsRef(List list) { return list == List::Active ? m_active : m_available; }

    League& m_league;
    std::vector<std::string> m_available;
    std::vector<std::string> m_active;
};

} // namespace gorlin
