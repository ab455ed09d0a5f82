#include "core/edit/PlayersGrid.h"

#include "core/edit/Maintenance.h"

#include <algorithm>

namespace gorlin {

namespace {

constexpr std::size_t At(int i) {
    return static_cast<std::size_t>(i);
}

std::string TeamNameOf(const League& league, int team) {
    return team >= 0 && team <= league.AllTeamCount() && At(team) < league.Teams.size()
               ? league.Teams[At(team)].Name.str()
               : std::string();
}

/// Position 0 ("Not Specified") sorts after every other position.
int PositionKey(int position) {
    return position == 0 ? 256 : position;
}

constexpr std::size_t kName = static_cast<std::size_t>(PlayerColumn::Player);
constexpr std::size_t kTeam = static_cast<std::size_t>(PlayerColumn::Team);

} // namespace

int PlayersTeamOfItem(const std::vector<TeamListItem>& items, int item) {
    if (item <= 0 || At(item) >= items.size())
        return kAllPlayers;
    return items[At(item)].Team;
}

std::vector<PlayersPageRow> PlayersGrid::Fill(const League& league, int team,
                                              const PositionNames& positions) const {
    const int count = league.Head.PlayerCount;
    std::vector<int> goals(At(count) + 1, 0);
    for (int i = 1; i <= league.Head.GoalCount; ++i) {
        const GoalRec& g = league.Goals[At(i)];
        if (!g.OwnGoal && g.Scorer >= 1 && g.Scorer <= count)
            ++goals[g.Scorer];
    }
    std::vector<PlayersPageRow> rows;
    for (int p = 1; p <= count; ++p) {
        const PlayerRec& rec = league.Players[At(p)];
        if (team != kAllPlayers && rec.Team != team)
            continue;
        PlayersPageRow row;
        row.Player = p;
        row.SquadNo = rec.SquadNo;
        row.Position = rec.Position;
        row.Goals = goals[At(p)];
        row.Cells = {rec.SquadNo == 0 ? std::string() : std::to_string(rec.SquadNo), rec.Name.str(),
                     TeamNameOf(league, rec.Team),
                     rec.Position == 0 || rec.Position >= positions.size() ? std::string()
                                                                           : positions[rec.Position],
                     std::to_string(row.Goals)};
        rows.push_back(std::move(row));
    }
    Sort(m_column, rows);
    return rows;
}

void PlayersGrid::SortBy(PlayerColumn column, std::vector<PlayersPageRow>& rows) {
    m_column = column;
    Sort(column, rows);
}

void PlayersGrid::Sort(PlayerColumn column, std::vector<PlayersPageRow>& rows) {
    const auto byName = [](const PlayersPageRow& a, const PlayersPageRow& b) {
        return CompareNoCase(a.Cells[kName], b.Cells[kName]);
    };
    const auto keyOrder = [&](const PlayersPageRow& a, const PlayersPageRow& b) -> int {
        switch (column) {
        case PlayerColumn::No:
            return a.SquadNo - b.SquadNo;
        case PlayerColumn::Player:
            return byName(a, b);
        case PlayerColumn::Team:
            if (const int c = a.Cells[kTeam].compare(b.Cells[kTeam]); c != 0)
                return c;
            return byName(a, b);
        case PlayerColumn::Position:
            if (const int c = PositionKey(a.Position) - PositionKey(b.Position); c != 0)
                return c;
            return byName(a, b);
        case PlayerColumn::Goals:
            if (const int c = b.Goals - a.Goals; c != 0)
                return c;
            return byName(a, b);
        }
        return 0;
    };
    std::sort(rows.begin(), rows.end(), [&](const PlayersPageRow& a, const PlayersPageRow& b) {
        const int c = keyOrder(a, b);
        return c != 0 ? c < 0 : a.Player < b.Player;
    });
}

Status CheckDeletePlayer(const League& league, int player) {
    if (player < 1 || player > league.Head.PlayerCount)
        return Status::Failure("There is no player " + std::to_string(player));
    const auto& h = league.Head;
    bool used = false;
    for (int i = 1; i <= h.GoalCount && !used; ++i)
        used = league.Goals[At(i)].Scorer == player;
    for (int i = 1; i <= std::min<int>(h.MissedPenCount, kMaxMissedPens) && !used; ++i)
        used = league.MissedPens[At(i)].Player == player;
    for (int i = 1; i <= h.SquadCount && !used; ++i)
        for (const SquadEntry& e : league.Squads[At(i)].Entries)
            used = used || e.Player == player;
    if (used)
        return Status::Failure(
            "The selected player has goals assigned or appears in a squad. Delete not performed.");
    return Status::Success();
}

std::string DeletePlayerQuestion(const League& league, int player) {
    if (player < 1 || player > league.Head.PlayerCount)
        return {};
    const PlayerRec& rec = league.Players[At(player)];
    return "Are you sure you want to delete " + rec.Name.str() + " of " + TeamNameOf(league, rec.Team);
}

Expected<int> FindPlayer(const League& league, int team, std::string_view name) {
    for (int p = 1; p <= league.Head.PlayerCount; ++p) {
        const PlayerRec& rec = league.Players[At(p)];
        if (rec.Team == team && rec.Name.view() == name)
            return p;
    }
    return Error{"There is no player called " + std::string(name) + " in " + TeamNameOf(league, team)};
}

Expected<int> FindPlayer(const League& league, std::string_view teamName, std::string_view name) {
    if (teamName == kTransferredOut)
        return FindPlayer(league, 0, name);
    const Expected<int> team = FindTeam(league, teamName);
    if (!team)
        return team.error();
    return FindPlayer(league, *team, name);
}

} // namespace gorlin
