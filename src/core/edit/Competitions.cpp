#include "core/edit/Competitions.h"

#include "core/edit/EditStatus.h"
#include "core/model/Text.h"

#include <algorithm>

namespace gorlin {

std::vector<std::string> CompetitionItems(const League& league) {
    std::vector<std::string> items;
    const int count = std::min<int>(league.Head.CompCount, kMaxComps);
    for (int c = 0; c <= count; ++c)
        items.push_back(league.Comps[static_cast<std::size_t>(c)].Name.str());
    return items;
}

Expected<int> StoreCompetition(League& league, int comp, const std::string& name,
                               const std::string& shortName) {
    const int count = std::min<int>(league.Head.CompCount, kMaxComps);
    if (comp < 0 || comp > count)
        return Error{"Input is invalid, please correct"};
    CompRec stored{};
    stored.Name = name;
    stored.ShortName = shortName;
    if (stored.Name.empty() || stored.ShortName.empty())
        return BeepError();
    for (int c = 0; c <= count; ++c) {
        const CompRec& other = league.Comps[static_cast<std::size_t>(c)];
        if ((comp == 0 || c != comp) &&
            (other.Name.view() == stored.Name.view() || other.ShortName.view() == stored.ShortName.view()))
            return Error{"Competition name already defined"};
    }
    if (comp == 0)
        return AddCompetition(league, name, shortName);
    league.Comps[static_cast<std::size_t>(comp)] = stored;
    league.DataChanged = true;
    return comp;
}

Expected<int> AddCompetition(League& league, const std::string& name, const std::string& shortName) {
    const int count = std::min<int>(league.Head.CompCount, kMaxComps);
    if (count >= kMaxComps)
        return Error{"No more competitions can be added to this league"};
    const int index = count + 1;
    CompRec& added = league.Comps[static_cast<std::size_t>(index)];
    added = CompRec{};
    added.Name = name;
    added.ShortName = shortName;
    league.Head.CompCount = static_cast<u8>(index);
    league.DataChanged = true;
    return index;
}

Expected<int> AddNonLeagueTeam(League& league, const std::string& name) {
    PString<30> stored;
    stored = name;
    if (stored.empty())
        return BeepError();
    const int count = std::min<int>(league.AllTeamCount(), static_cast<int>(league.Teams.size()) - 1);
    for (int t = 1; t <= count; ++t)
        if (league.Teams[static_cast<std::size_t>(t)].Name.view() == stored.view())
            return Error{"A team with that name already exists"};
    const int index = league.AllTeamCount() + 1;
    if (league.Head.OtherTeamCount >= kMaxOtherTeams || index > 255)
        return Error{"No more non-league teams can be added to this league"};
    GrowTo(league.Teams, static_cast<std::size_t>(index), 1);
    TeamRec& team = league.Teams[static_cast<std::size_t>(index)];
    team = TeamRec{};
    team.Name = stored.view();
    league.Head.OtherTeamCount = static_cast<u16>(league.Head.OtherTeamCount + 1);
    league.DataChanged = true;
    return index;
}

} // namespace gorlin
