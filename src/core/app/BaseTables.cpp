#include "core/app/BaseTables.h"

#include "core/app/NewTable.h"
#include "core/model/LeagueFile.h"

#include <algorithm>
#include <set>

namespace gorlin {

int BaseTables::FirstTeamOfSlot(int slot) const {
    int first = 1;
    for (int s = 1; s < slot && s <= SlotCount(); ++s)
        first += SlotTeamCounts[static_cast<std::size_t>(s - 1)];
    return first;
}

int BaseTables::TeamsOfSlot(int slot) const {
    if (slot < 1 || slot > SlotCount())
        return 0;
    return SlotTeamCounts[static_cast<std::size_t>(slot - 1)];
}

void BaseTables::TickSlot(int slot, bool ticked) {
    const int first = FirstTeamOfSlot(slot);
    const int last = std::min(first + TeamsOfSlot(slot) - 1, TeamCount());
    for (int t = first; t <= last; ++t)
        Teams[static_cast<std::size_t>(t)].Ticked = ticked;
}

int BaseTables::TickedCount() const {
    return static_cast<int>(
        std::count_if(Teams.begin() + 1, Teams.end(), [](const BaseTeam& t) { return t.Ticked; }));
}

std::vector<std::string> BaseTables::TickedNames() const {
    std::vector<std::string> names;
    for (std::size_t t = 1; t < Teams.size(); ++t)
        if (Teams[t].Ticked)
            names.push_back(Teams[t].Name);
    return names;
}

std::vector<std::string> BaseTables::DistinctNames() const {
    std::vector<std::string> names;
    std::set<std::string> seen;
    for (std::size_t t = 1; t < Teams.size(); ++t)
        if (seen.insert(Teams[t].Name).second)
            names.push_back(Teams[t].Name);
    return names;
}

Status CheckBaseTableCount(int selected) {
    if (selected < 1 || selected > kMaxBaseTables)
        return Status::Failure(kBaseTableCountMessage);
    return Status::Success();
}

Expected<BaseTables> LoadBaseFiles(const std::vector<std::filesystem::path>& files) {
    if (Status count = CheckBaseTableCount(static_cast<int>(files.size())); !count)
        return Error{count.Message};
    BaseTables base;
    for (const std::filesystem::path& path : files) {
        // The version is judged from the header first, so an old file is called downlevel even
        // when its later records would not decode.
        const HeaderInfo header = VerifyDivFile(path);
        if (header.Result == HeaderCheck::CouldNotOpen)
            return Error{"The base file " + path.string() + " could not be opened"};
        if (header.Result == HeaderCheck::Ok && header.Version < kMinBaseFileVersion)
            return Error{kDownlevelMessage};
        Expected<League> loaded = LoadLeague(path);
        if (!loaded)
            return Error{"The base file " + path.string() + " could not be read: " + loaded.error().Message};
        const League& league = *loaded;
        if (league.LoadedVersion < kMinBaseFileVersion)
            return Error{kDownlevelMessage};

        const int before = base.TeamCount();
        const int teams = league.TeamCount();
        base.SlotTeamCounts.push_back(teams);
        for (int t = 1; t <= teams; ++t)
            base.Teams.push_back({TidyName(league.Teams[static_cast<std::size_t>(t)].Name.view()), false});
        for (int p = 1; p <= league.Head.PlayerCount; ++p) {
            PlayerRec player = league.Players[static_cast<std::size_t>(p)];
            if (player.Team < 1 || player.Team > teams)
                continue;
            player.Team = static_cast<u8>(player.Team + before);
            base.Players.push_back(player);
        }
        for (int r = 1; r <= league.Head.RefereeCount; ++r)
            base.Referees.push_back(league.Referees[static_cast<std::size_t>(r)]);
    }
    return base;
}

} // namespace gorlin
