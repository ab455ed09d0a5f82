#include "core/app/NewTableWizard.h"

#include "core/model/Text.h"

#include <algorithm>
#include <set>

namespace gorlin {

PageHeading SplitPageText(std::string_view text) {
    const std::size_t split = text.find('>');
    if (split == std::string_view::npos)
        return {std::string(text), {}};
    return {std::string(text.substr(0, split)), std::string(text.substr(split + 1))};
}

PageHeading WizardPageHeading(int page) {
    if (page < 0 || page >= kWizardPageCount)
        return {};
    return SplitPageText(kWizardPageTexts[static_cast<std::size_t>(page)]);
}

int NextWizardPage(int page, bool fromScratch) {
    if (page < 0 || page >= kWizardPageCount - 1)
        return -1;
    if (page == kNameSizePage && fromScratch)
        return kTeamNamesPage;
    return page + 1;
}

int PreviousWizardPage(int page, bool fromScratch) {
    if (page <= 0 || page >= kWizardPageCount)
        return -1;
    if (page == kTeamNamesPage)
        return fromScratch ? kNameSizePage : kSelectTeamsPage;
    return page - 1;
}

const char* NextButtonCaption(int page) {
    return page == kWizardPageCount - 1 ? kFinishCaption : kNextCaption;
}

std::vector<int> BaseTableListOrder(const std::vector<DivFileRec>& divFiles) {
    std::vector<int> order;
    for (std::size_t i = 1; i < divFiles.size(); ++i)
        order.push_back(static_cast<int>(i));
    std::stable_sort(order.begin(), order.end(), [&divFiles](int a, int b) {
        return TeamNameBefore(divFiles[static_cast<std::size_t>(a)].Path,
                              divFiles[static_cast<std::size_t>(b)].Path);
    });
    return order;
}

std::string BaseTabCaption(int slot) {
    return "Table " + std::to_string(slot);
}

Status CheckTableName(std::string_view name) {
    if (Trim(name).empty())
        return Status::Failure(kTableNameMissingMessage);
    return Status::Success();
}

Status CheckTickedTeams(const BaseTables& base, int teamCount) {
    const int ticked = base.TickedCount();
    if (ticked == 0)
        return Status::Failure(kNoTeamSelectedMessage);
    if (ticked > teamCount)
        return Status::Failure(kTooManyTeamsSelectedMessage);
    return Status::Success();
}

Status CheckTeamNames(const std::vector<std::string>& names, int teamCount) {
    const std::size_t wanted = teamCount > 0 ? static_cast<std::size_t>(teamCount) : 0;
    if (names.size() < wanted)
        return Status::Failure(kTeamNamesMissingMessage);
    // Too many names (the team count lowered afterwards): "not yet added all" would mislead.
    if (names.size() > wanted)
        return Status::Failure(kTooManyTeamNamesMessage);
    std::set<std::string_view> seen;
    for (const std::string& name : names)
        if (!seen.insert(name).second)
            return Status::Failure(kDuplicateTeamNamesMessage);
    return Status::Success();
}

std::string RemainingText(int remaining) {
    if (remaining == 0)
        return "All teams entered";
    if (remaining == 1)
        return "One more team required";
    // Negative when the team count was lowered after names were added: not "-2 more teams".
    if (remaining == -1)
        return "One team too many";
    if (remaining < 0)
        return std::to_string(-remaining) + " teams too many";
    return std::to_string(remaining) + " more teams required";
}

std::optional<std::size_t> TeamNameList::Add(std::string_view typed) {
    std::string name = TidyName(typed);
    if (name.empty())
        return std::nullopt;
    const auto at =
        std::upper_bound(m_names.begin(), m_names.end(), name,
                         [](const std::string& a, const std::string& b) { return TeamNameBefore(a, b); });
    const auto added = m_names.insert(at, std::move(name));
    return static_cast<std::size_t>(added - m_names.begin());
}

std::string TeamNameList::Take(std::size_t index) {
    if (index >= m_names.size())
        return {};
    std::string name = std::move(m_names[index]);
    m_names.erase(m_names.begin() + static_cast<std::ptrdiff_t>(index));
    return name;
}

void TeamNameList::Replace(const std::vector<std::string>& names) {
    m_names.clear();
    for (const std::string& name : names)
        Add(name);
}

std::vector<std::string> OwnTeamItems(const std::vector<std::string>& names) {
    std::vector<std::string> items{kNoOwnTeamItem};
    items.insert(items.end(), names.begin(), names.end());
    return items;
}

int KeptOwnTeamLine(int previousLine, int lineCount) {
    return previousLine > 0 && previousLine < lineCount ? previousLine : 0;
}

std::string OwnTeamOfLine(const std::vector<std::string>& names, int line) {
    if (line < 1 || static_cast<std::size_t>(line) > names.size())
        return {};
    return names[static_cast<std::size_t>(line - 1)];
}

} // namespace gorlin
