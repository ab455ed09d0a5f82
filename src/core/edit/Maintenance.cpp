#include "core/edit/Maintenance.h"

#include "core/engine/GameFilter.h"

#include <algorithm>

namespace gorlin {

namespace {

constexpr std::size_t At(int i) {
    return static_cast<std::size_t>(i);
}

struct SettingInfo {
    const char* Label;
    SettingRange Range;
};

SettingInfo InfoOf(TableSetting setting) {
    switch (setting) {
    case TableSetting::Promoted:
        return {"Automatic Promotion", {0, 9}};
    case TableSetting::PlayOffs:
        return {"Promotion Playoffs", {0, 9}};
    case TableSetting::Relegated:
        return {"Automatic Relegated", {0, 9}};
    case TableSetting::RelPlayOffs:
        return {"Relegation Playoffs", {0, 9}};
    case TableSetting::WinPoints:
        return {"Points for a win", {1, 9}};
    case TableSetting::DrawPoints:
        return {"Points for a draw", {1, 5}};
    case TableSetting::LossPoints:
        return {"Points for a loss", {0, 4}};
    case TableSetting::HalfLength:
        return {"Length of each half", {10, 45}};
    }
    return {"", {0, 0}};
}

template <typename Head> auto& Field(Head& h, TableSetting setting) {
    switch (setting) {
    case TableSetting::Promoted:
        return h.Promoted;
    case TableSetting::PlayOffs:
        return h.PlayOffs;
    case TableSetting::Relegated:
        return h.Relegated;
    case TableSetting::RelPlayOffs:
        return h.RelPlayOffs;
    case TableSetting::WinPoints:
        return h.WinPoints;
    case TableSetting::DrawPoints:
        return h.DrawPoints;
    case TableSetting::LossPoints:
        return h.LossPoints;
    case TableSetting::HalfLength:
        break;
    }
    return h.HalfLength;
}

Status OutOfRange(const std::string& label, int min, int max) {
    return Status::Failure(label + " must be from " + std::to_string(min) + " to " + std::to_string(max));
}

/// Checks a name for a text field of `capacity` characters.
Status CheckName(std::string_view name, std::size_t capacity, const char* what) {
    if (name.empty())
        return Status::Failure(std::string(what) + " must not be empty");
    if (name.size() > capacity)
        return Status::Failure(std::string(what) + " can have at most " + std::to_string(capacity) +
                               " characters");
    return Status::Success();
}

bool IsTeam(const League& league, int team) {
    return team >= 1 && team <= league.AllTeamCount() && At(team) < league.Teams.size();
}

std::string TeamNameOf(const League& league, int team) {
    return team >= 0 && At(team) < league.Teams.size() ? league.Teams[At(team)].Name.str() : std::string();
}

Status CheckLeagueTeam(const League& league, int team) {
    if (!IsTeam(league, team))
        return Status::Failure("There is no team " + std::to_string(team));
    if (team > league.TeamCount())
        return Status::Failure(TeamNameOf(league, team) + " is not a league team");
    return Status::Success();
}

bool IsReferee(const League& league, int referee) {
    return referee >= 1 && referee <= league.Head.RefereeCount && referee <= kMaxReferees;
}

int RefereeCount(const League& league) {
    return std::min<int>(league.Head.RefereeCount, kMaxReferees);
}

} // namespace

int SetUpMaintenancePage(League& league, MaintenancePage page) {
    league.SortRulesChanged = false;
    return 900 + 10 * static_cast<int>(page);
}

SettingRange RangeOf(TableSetting setting) {
    return InfoOf(setting).Range;
}

int TableSettingValue(const League& league, TableSetting setting) {
    return Field(league.Head, setting);
}

Status SetTableSetting(League& league, TableSetting setting, int value) {
    const SettingInfo info = InfoOf(setting);
    if (value < info.Range.Min || value > info.Range.Max)
        return OutOfRange(info.Label, info.Range.Min, info.Range.Max);
    u8& field = Field(league.Head, setting);
    if (field != value) {
        field = static_cast<u8>(value);
        league.DataChanged = true;
    }
    return Status::Success();
}

Status SetTableName(League& league, std::string_view name) {
    if (Status s = CheckName(name, league.Head.TableName.Capacity, "The table name"); !s)
        return s;
    if (league.Head.TableName.view() != name) {
        league.Head.TableName = name;
        league.FileListStale = true;
        league.DataChanged = true;
    }
    return Status::Success();
}

std::vector<TeamListItem> OwnTeamItems(const League& league) {
    std::vector<TeamListItem> items{{kNoOwnTeamItem, 0}};
    for (int t = 1; t <= league.TeamCount() && IsTeam(league, t); ++t)
        items.push_back({league.Teams[At(t)].Name.str(), t});
    return items;
}

int OwnTeamItem(const League& league) {
    const int own = league.Head.OwnTeam;
    return own <= league.TeamCount() && IsTeam(league, own) ? own : 0;
}

Expected<bool> SetOwnTeam(League& league, int team) {
    if (team != 0)
        if (Status s = CheckLeagueTeam(league, team); !s)
            return Error{s.Message};
    if (league.Head.OwnTeam == team)
        return false;
    league.Head.OwnTeam = static_cast<u8>(team);
    league.DataChanged = true;
    return team != 0 && league.Teams[At(team)].Name.view() == kSoundTeamName;
}

std::vector<TeamsPageItem> TeamsPageItems(const League& league) {
    std::vector<TeamsPageItem> items;
    for (int t : FilterTeams(league, kLeagueAndCup))
        items.push_back({league.Teams[At(t)].Name.str(), t,
                         t <= league.TeamCount() ? TeamPicture::League : TeamPicture::Cup});
    return items;
}

TeamValues TeamPageValues(const League& league, int team) {
    if (!IsTeam(league, team))
        return {};
    const TeamRec& rec = league.Teams[At(team)];
    return {rec.PointsAdjust, rec.Increment, team <= league.TeamCount()};
}

Status SetPointsAdjust(League& league, int team, int value) {
    if (Status s = CheckLeagueTeam(league, team); !s)
        return s;
    if (value < -20 || value > 20)
        return OutOfRange("Added or Deducted Points", -20, 20);
    TeamRec& rec = league.Teams[At(team)];
    if (rec.PointsAdjust != value) {
        rec.PointsAdjust = static_cast<i16>(value);
        league.DataChanged = true;
    }
    return Status::Success();
}

Status SetIncrement(League& league, int team, int value) {
    if (Status s = CheckLeagueTeam(league, team); !s)
        return s;
    if (value < 0 || value > kMaxTeams)
        return OutOfRange("Increment", 0, kMaxTeams);
    TeamRec& rec = league.Teams[At(team)];
    if (rec.Increment != value) {
        rec.Increment = static_cast<u8>(value);
        league.DataChanged = true;
    }
    return Status::Success();
}

Status RenameTeam(League& league, int team, std::string_view name) {
    if (!IsTeam(league, team))
        return Status::Failure("There is no team " + std::to_string(team));
    if (Status s = CheckName(name, TeamRec{}.Name.Capacity, "The team name"); !s)
        return s;
    league.Teams[At(team)].Name = name;
    league.DataChanged = true;
    return Status::Success();
}

Status CheckDeleteTeam(const League& league, int team) {
    if (!IsTeam(league, team))
        return Status::Failure("There is no team " + std::to_string(team));
    if (team <= league.TeamCount() && league.TeamCount() < 5)
        return Status::Failure(kNoMoreLeagueTeamsMessage);
    return Status::Success();
}

std::string DeleteTeamQuestion(const League& league, int team) {
    return "Are you sure you want to delete " + TeamNameOf(league, team) +
           " and all their games and players ?";
}

Expected<int> FindTeam(const League& league, std::string_view name) {
    const int team = GetTeamID(league, name);
    if (team == 0)
        return Error{"There is no team called " + std::string(name)};
    return team;
}

bool CanAddReferee(const League& league) {
    return league.Head.RefereeCount < kMaxReferees;
}

Expected<int> FindReferee(const League& league, std::string_view name) {
    for (int r = 1; r <= RefereeCount(league); ++r)
        if (league.Referees[At(r)].Name.view() == name)
            return r;
    return Error{"There is no referee called " + std::string(name)};
}

std::string DeleteRefereeQuestion(const League& league, int referee) {
    const std::string name =
        IsReferee(league, referee) ? league.Referees[At(referee)].Name.str() : std::string();
    return "Are you sure you want to delete referee " + name;
}

Status DeleteReferee(League& league, int referee) {
    if (!IsReferee(league, referee))
        return Status::Failure("There is no referee " + std::to_string(referee));
    const int count = RefereeCount(league);
    std::move(league.Referees.begin() + referee + 1, league.Referees.begin() + count + 1,
              league.Referees.begin() + referee);
    league.Referees[At(count)] = RefereeRec{};
    league.Head.RefereeCount = static_cast<u8>(count - 1);
    const int games = std::min<int>(league.AllGameCount(), static_cast<int>(league.Games.size()) - 1);
    for (int g = 1; g <= games; ++g) {
        GameRec& game = league.Games[At(g)];
        if (game.Referee == referee)
            game.Referee = 0;
        else if (game.Referee > referee)
            game.Referee = static_cast<u8>(game.Referee - 1);
    }
    league.DataChanged = true;
    return Status::Success();
}

} // namespace gorlin
