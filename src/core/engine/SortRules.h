#pragma once

#include <array>
#include <string_view>

namespace gorlin {

/// One rule of the fixed sort-rule catalogue: the digit stored in SortRules and the name the
/// "Sort Rules" lists show.
struct SortRuleInfo {
    char Digit;
    const char* Name;
};

/// The catalogue in its fixed order (digits 1..9).
inline constexpr std::array<SortRuleInfo, 9> kSortRules = {{
    {'1', "Points total"},
    {'2', "Goal difference"},
    {'3', "Goals scored"},
    {'4', "Team name"},
    {'5', "Possible Points"},
    {'6', "Aggregate Points"},
    {'7', "Number of Wins"},
    {'8', "Goal Average"},
    {'9', "Increment"},
}};

/// The rule that may not head the active list.
inline constexpr char kAggregateRule = '6';
/// Most active rules SortRules can hold.
inline constexpr int kMaxActiveRules = 8;

/// The catalogue name of a rule digit, or nullptr for any other character.
inline const char* SortRuleName(char digit) {
    for (const SortRuleInfo& r : kSortRules)
        if (r.Digit == digit)
            return r.Name;
    return nullptr;
}

/// The digit of a rule named exactly `name`, or '\0' when no rule has that name.
inline char SortRuleDigit(std::string_view name) {
    for (const SortRuleInfo& r : kSortRules)
        if (name == r.Name)
            return r.Digit;
    return '\0';
}

} // namespace gorlin
