#include "core/engine/TeamSelectionEdit.h"

#include "core/model/Text.h"

#include <algorithm>

namespace gorlin {

namespace {

constexpr int kMinSelectionTeams = 3;

int CountChecked(const std::vector<bool>& checked) {
    return static_cast<int>(std::count(checked.begin(), checked.end(), true));
}

} // namespace

TeamSelectionEdit::TeamSelectionEdit(const League& league)
    : m_teamCount(std::clamp(league.TeamCount(), 0, kMaxTeams)), m_slots(league.TeamSels) {}

TeamSelectionEdit::Entry TeamSelectionEdit::EntryOf(int slot) const {
    const TeamSelRec& rec = Slot(slot);
    Entry entry;
    entry.Name = rec.Name.str();
    entry.Checked.resize(static_cast<std::size_t>(m_teamCount));
    for (int t = 1; t <= m_teamCount; ++t)
        entry.Checked[static_cast<std::size_t>(t - 1)] = rec.IsMember(t);
    return entry;
}

std::string TeamSelectionEdit::TabCaption(int slot) const {
    const TeamSelRec& rec = Slot(slot);
    if (!rec.Name.empty())
        return rec.Name.str();
    return "Selection " + std::to_string(Clamp(slot));
}

std::string TeamSelectionEdit::Validate(const Entry& entry) {
    // Blanks alone are no name: the selection could not be told apart in the menu. Names are
    // stored trimmed for the same reason.
    const bool noName = Trim(entry.Name).empty();
    const int teams = CountChecked(entry.Checked);
    if (noName && teams == 0)
        return {};
    if (teams < kMinSelectionTeams)
        return "You must select at least three teams";
    if (noName)
        return "You must give the selection a name";
    return {};
}

void TeamSelectionEdit::Store(int slot, const Entry& entry) {
    TeamSelRec& rec = m_slots[static_cast<std::size_t>(Clamp(slot))];
    rec.Name = Trim(entry.Name);
    for (int t = 1; t <= kMaxTeams; ++t) {
        const bool on = t <= m_teamCount && static_cast<std::size_t>(t - 1) < entry.Checked.size() &&
                        entry.Checked[static_cast<std::size_t>(t - 1)];
        rec.SetMember(t, on);
    }
}

Status TeamSelectionEdit::SwitchTo(int slot, const Entry& onScreen) {
    if (const std::string message = Validate(onScreen); !message.empty())
        return Status::Failure(message);
    Store(m_current, onScreen);
    m_current = Clamp(slot);
    return Status::Success();
}

void TeamSelectionEdit::Clear(int slot) {
    Store(slot, Entry{});
}

Status TeamSelectionEdit::Ok(League& league, const Entry& onScreen) {
    if (const std::string message = Validate(onScreen); !message.empty())
        return Status::Failure(message);
    Store(m_current, onScreen);
    int named = 0;
    for (int s = 1; s <= kMaxTeamSels; ++s) {
        league.TeamSels[static_cast<std::size_t>(s)] = m_slots[static_cast<std::size_t>(s)];
        if (!m_slots[static_cast<std::size_t>(s)].Name.empty())
            ++named;
    }
    league.Head.TeamSelCount = static_cast<u8>(named);
    league.DataChanged = true;
    return Status::Success();
}

int TeamSelectionEdit::ReportedSlot() const {
    return Slot(m_current).Name.empty() ? 0 : m_current;
}

int SelectionSize(const League& league, int slot) {
    if (slot < 1 || slot > kMaxTeamSels)
        return 0;
    const TeamSelRec& rec = league.TeamSels[static_cast<std::size_t>(slot)];
    int n = 0;
    for (int t = 1; t <= std::min(league.TeamCount(), kMaxTeams); ++t)
        if (rec.IsMember(t))
            ++n;
    return n;
}

void ApplySelectionEdit(League& league, int reportedSlot) {
    if (league.CurrentSel != 0) {
        if (SelectionSize(league, league.CurrentSel) == 0)
            league.CurrentSel = 0;
    } else if (reportedSlot >= 1 && reportedSlot <= kMaxTeamSels) {
        league.CurrentSel = static_cast<u16>(reportedSlot);
    }
}

} // namespace gorlin
