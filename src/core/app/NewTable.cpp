#include "core/app/NewTable.h"

#include "core/model/LeagueFile.h"
#include "core/model/Text.h"

#include <algorithm>
#include <set>

namespace gorlin {
namespace {

std::string RangeMessage(const char* what, const ValueRange& range) {
    return std::string(what) + " must be from " + std::to_string(range.Min) + " to " +
           std::to_string(range.Max);
}

/// The players copied into the new teams: for each new team, the players of every base team of
/// the same name, base teams and players in base order.
std::vector<PlayerRec> CopiedPlayers(const std::vector<std::string>& names, const BaseTables& base) {
    std::vector<std::vector<std::size_t>> playersOf(base.Teams.size());
    for (std::size_t p = 0; p < base.Players.size(); ++p)
        if (base.Players[p].Team < playersOf.size())
            playersOf[base.Players[p].Team].push_back(p);
    std::vector<PlayerRec> copied;
    for (std::size_t i = 0; i < names.size(); ++i)
        for (std::size_t b = 1; b < base.Teams.size(); ++b) {
            if (base.Teams[b].Name != names[i])
                continue;
            for (std::size_t p : playersOf[b]) {
                copied.push_back(base.Players[p]);
                copied.back().Team = static_cast<u8>(i + 1);
            }
        }
    return copied;
}

/// The base referees with exact duplicates merged (the first kept), at most the 250 a table
/// holds: more than that can only come from several base files, and the first file's referees
/// are the ones the user most likely still meets.
std::vector<RefereeRec> CopiedReferees(const BaseTables& base) {
    std::vector<RefereeRec> kept;
    std::set<std::string_view> seen;
    for (const RefereeRec& r : base.Referees) {
        if (kept.size() == static_cast<std::size_t>(kMaxReferees))
            break;
        if (seen.insert(r.Name.view()).second)
            kept.push_back(r);
    }
    return kept;
}

} // namespace

std::string TidyName(std::string_view typed) {
    std::string_view name = Trim(typed);
    name = Trim(name.substr(0, std::min(name.size(), kNewNameMax)));
    return std::string(name);
}

bool TeamNameBefore(std::string_view a, std::string_view b) {
    const int c = CompareNoCase(a, b);
    return c != 0 ? c < 0 : a < b;
}

std::vector<std::string> SortTeamNames(std::vector<std::string> names) {
    std::stable_sort(names.begin(), names.end(),
                     [](const std::string& a, const std::string& b) { return TeamNameBefore(a, b); });
    return names;
}

Status CheckNewTableInput(const NewTableInput& input) {
    if (TidyName(input.TableName).empty())
        return Status::Failure(kTableNameMissingMessage);
    const std::size_t count = input.TeamNames.size();
    if (count < static_cast<std::size_t>(kTeamCountRange.Min) ||
        count > static_cast<std::size_t>(kTeamCountRange.Max))
        return Status::Failure(RangeMessage("The number of teams", kTeamCountRange));
    std::set<std::string> names;
    for (const std::string& typed : input.TeamNames) {
        const std::string name = TidyName(typed);
        if (name.empty())
            return Status::Failure("A team name is empty");
        if (!names.insert(name).second)
            return Status::Failure(kDuplicateTeamNamesMessage);
    }
    struct Check {
        int Value;
        const ValueRange& Range;
        const char* What;
    };
    const Check checks[] = {
        {input.TimesToPlay, kTimesToPlayRange, "The number of times teams play each other"},
        {input.WinPoints, kWinPointsRange, "The points for a win"},
        {input.DrawPoints, kDrawPointsRange, "The points for a draw"},
        {input.LossPoints, kLossPointsRange, "The points for a loss"},
        {input.Promoted, kPlacesRange, "The number of teams promoted"},
        {input.PlayOffs, kPlacesRange, "The number of teams in promotion playoffs"},
        {input.Relegated, kPlacesRange, "The number of teams relegated"},
        {input.RelPlayOffs, kPlacesRange, "The number of teams in relegation playoffs"},
        {input.TeamSize, kTeamSizeRange, "The number of players in a team"},
        {input.HalfLength, kHalfLengthRange, "The length of each half"},
    };
    for (const Check& c : checks)
        if (!c.Range.Contains(c.Value))
            return Status::Failure(RangeMessage(c.What, c.Range));
    if (!input.OwnTeam.empty() && names.count(TidyName(input.OwnTeam)) == 0)
        return Status::Failure("The own team must be one of the teams");
    return Status::Success();
}

Expected<League> BuildNewLeague(const NewTableInput& input) {
    if (Status check = CheckNewTableInput(input); !check)
        return Error{check.Message};

    std::vector<std::string> names;
    for (const std::string& typed : input.TeamNames)
        names.push_back(TidyName(typed));
    names = SortTeamNames(std::move(names));
    const int teams = static_cast<int>(names.size());
    const int times = input.TimesToPlay;

    std::vector<PlayerRec> players;
    std::vector<RefereeRec> referees;
    if (input.Base) {
        if (input.CopyPlayers)
            players = CopiedPlayers(names, *input.Base);
        if (input.CopyReferees)
            referees = CopiedReferees(*input.Base);
    }
    if (players.size() > static_cast<std::size_t>(kMaxPlayers))
        return Error{"The teams of the new table have " + std::to_string(players.size()) +
                     " players in the base tables; a table holds at most " + std::to_string(kMaxPlayers)};

    League league = MakeEmptyLeague();
    DivHead& h = league.Head;
    h.TableName = TidyName(input.TableName);
    h.TeamCount = static_cast<u16>(teams);
    h.TimesToPlay = static_cast<u8>(times);
    h.GameCount = static_cast<u16>(teams * (teams - 1) / 2 * times);
    h.WinPoints = static_cast<u8>(input.WinPoints);
    h.DrawPoints = static_cast<u8>(input.DrawPoints);
    h.LossPoints = static_cast<u8>(input.LossPoints);
    h.Promoted = static_cast<u8>(input.Promoted);
    h.PlayOffs = static_cast<u8>(input.PlayOffs);
    h.Relegated = static_cast<u8>(input.Relegated);
    h.RelPlayOffs = static_cast<u8>(input.RelPlayOffs);
    h.TeamSize = static_cast<u8>(input.TeamSize);
    h.HalfLength = static_cast<u8>(input.HalfLength);
    h.SortRules = kNewTableSortRules;
    if (!input.OwnTeam.empty()) {
        const auto own = std::find(names.begin(), names.end(), TidyName(input.OwnTeam));
        h.OwnTeam = static_cast<u8>(own - names.begin() + 1);
    }

    league.Teams.assign(static_cast<std::size_t>(teams) + 1, TeamRec{});
    for (int t = 1; t <= teams; ++t)
        league.Teams[static_cast<std::size_t>(t)].Name = names[static_cast<std::size_t>(t - 1)];

    league.Games.assign(static_cast<std::size_t>(h.GameCount) + 33, GameRec{});
    std::size_t next = 1;
    auto fixture = [&](int home, int away) {
        GameRec& g = league.Games[next++];
        g.HomeTeam = static_cast<u8>(home);
        g.AwayTeam = static_cast<u8>(away);
    };
    for (int round = 0; round < times / 2; ++round)
        for (int i = 1; i <= teams; ++i)
            for (int j = 1; j <= teams; ++j)
                if (j != i)
                    fixture(i, j);
    if (times % 2 == 1)
        for (int i = 1; i < teams; ++i)
            for (int j = i + 1; j <= teams; ++j)
                fixture(i, j);

    h.PlayerCount = static_cast<u16>(players.size());
    league.Players.assign(players.size() + 33, PlayerRec{});
    std::copy(players.begin(), players.end(), league.Players.begin() + 1);
    h.RefereeCount = static_cast<u8>(referees.size());
    std::copy(referees.begin(), referees.end(), league.Referees.begin() + 1);

    league.SetReservedEntries();
    UpdateGameEx(league, 0);
    league.DataChanged = true;
    return league;
}

Status SaveNewLeague(League& league, const std::filesystem::path& path) {
    SaveOptions options;
    options.TakeBackup = false;
    options.FullLayout = true;
    return SaveLeague(league, path, options);
}

} // namespace gorlin
