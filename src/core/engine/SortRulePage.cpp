#include "core/engine/SortRulePage.h"

#include <cstddef>

namespace gorlin {

namespace {

bool Valid(const std::vector<std::string>& items, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < items.size();
}

void MoveToEnd(std::vector<std::string>& from, int index, std::vector<std::string>& to) {
    std::string item = from[static_cast<std::size_t>(index)];
    from.erase(from.begin() + index);
    to.push_back(std::move(item));
}

} // namespace

SortRulePage::SortRulePage(League& league) : m_league(league) {}

void SortRulePage::Fill() {
    const std::string_view stored = m_league.Head.SortRules.view();
    m_available.clear();
    m_active.clear();
    for (const SortRuleInfo& rule : kSortRules)
        if (stored.find(rule.Digit) == std::string_view::npos)
            m_available.emplace_back(rule.Name);
    for (char c : stored)
        if (const char* name = SortRuleName(c))
            m_active.emplace_back(name);
    m_league.SortRulesChanged = false;
}

bool SortRulePage::Right(int index) {
    if (!Valid(m_available, index))
        return false;
    MoveToEnd(m_available, index, m_active);
    m_league.SortRulesChanged = true;
    return true;
}

bool SortRulePage::Left(int index) {
    if (!Valid(m_active, index))
        return false;
    MoveToEnd(m_active, index, m_available);
    m_league.SortRulesChanged = true;
    return true;
}

std::optional<int> SortRulePage::Up(int index) {
    if (!Valid(m_active, index) || index == 0)
        return std::nullopt;
    std::swap(m_active[static_cast<std::size_t>(index)], m_active[static_cast<std::size_t>(index - 1)]);
    m_league.SortRulesChanged = true;
    return index - 1;
}

std::optional<int> SortRulePage::Down(int index) {
    if (!Valid(m_active, index) || static_cast<std::size_t>(index) + 1 >= m_active.size())
        return std::nullopt;
    std::swap(m_active[static_cast<std::size_t>(index)], m_active[static_cast<std::size_t>(index + 1)]);
    m_league.SortRulesChanged = true;
    return index + 1;
}

bool SortRulePage::Drop(List source, int sourceIndex, List target) {
    std::vector<std::string>& from = ItemsRef(source);
    if (!Valid(from, sourceIndex))
        return false;
    std::vector<std::string>& to = ItemsRef(target);
    MoveToEnd(from, sourceIndex, to);
    m_league.SortRulesChanged = true;
    return true;
}

Status SortRulePage::SortUpdate() {
    if (m_active.empty())
        return Status::Failure("You must have at least one active sort rule");
    if (SortRuleDigit(m_active.front()) == kAggregateRule)
        return Status::Failure("Sort rule '" + m_active.front() + "' cannot be first");
    if (m_active.size() > static_cast<std::size_t>(kMaxActiveRules))
        return Status::Failure("You cannot have more than 8 active sort rules");

    m_league.SortRulesChanged = false;
    std::string rules;
    for (const std::string& item : m_active)
        if (const char digit = SortRuleDigit(item); digit != '\0')
            rules.push_back(digit);
    if (m_league.Head.SortRules.view() != rules) {
        m_league.Head.SortRules = rules;
        m_league.DataChanged = true;
    }
    return Status::Success();
}

Status SortRulePage::CheckLeave() {
    if (!m_league.SortRulesChanged)
        return Status::Success();
    return SortUpdate();
}

} // namespace gorlin
