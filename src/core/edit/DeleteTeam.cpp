#include "core/edit/DeleteTeam.h"

#include <algorithm>
#include <vector>

namespace gorlin {

namespace {

constexpr std::size_t At(int i) {
    return static_cast<std::size_t>(i);
}

/// Old index to new index after removing some records of an array of `count`: Map[i] is 0 for
/// a removed record. A link past the count (damaged) moves down by the number removed, as it
/// would under one-by-one removal.
class Renumbering {
public:
    template <typename Removed> Renumbering(int count, Removed removed) : m_map(At(count) + 1, 0) {
        u16 next = 0;
        for (int i = 1; i <= count; ++i) {
            if (removed(i))
                ++m_removed;
            else
                m_map[At(i)] = ++next;
        }
    }
    u16 operator()(int link) const {
        if (link >= 0 && At(link) < m_map.size())
            return m_map[At(link)];
        return static_cast<u16>(link - m_removed);
    }
    bool IsRemoved(int link) const { return link >= 1 && At(link) < m_map.size() && m_map[At(link)] == 0; }
    int RemovedCount() const { return m_removed; }

private:
    std::vector<u16> m_map;
    int m_removed = 0;
};

/// Keeps the records r of base[1..count] for which keep(r) holds, in order, and applies relink
/// to each kept one; the freed tail is zero-filled. Returns the new count.
template <typename Rec, typename Keep, typename Relink>
int Compact(Rec* base, int count, Keep keep, Relink relink) {
    int w = 0;
    for (int r = 1; r <= count; ++r) {
        if (!keep(r))
            continue;
        ++w;
        if (w != r)
            base[w] = base[r];
        relink(base[w]);
    }
    std::fill(base + w + 1, base + count + 1, Rec{});
    return w;
}

/// Applies a player renumbering to scorers, squad entries and missed penalties (a link to a
/// removed player is cleared) and removes those players from Players.
void RelinkPlayers(League& league, const Renumbering& players) {
    DivHead& h = league.Head;
    for (int i = 1; i <= h.GoalCount; ++i) {
        GoalRec& g = league.Goals[At(i)];
        g.Scorer = players(g.Scorer);
    }
    for (int i = 1; i <= h.SquadCount; ++i)
        for (SquadEntry& e : league.Squads[At(i)].Entries) {
            if (e.Player == 0)
                continue;
            const u16 moved = players(e.Player);
            if (moved == 0)
                e = SquadEntry{};
            else
                e.Player = moved;
        }
    for (int i = 1; i <= h.MissedPenCount; ++i) {
        MissedPenRec& m = league.MissedPens[At(i)];
        m.Player = players(m.Player);
    }
    h.PlayerCount = static_cast<u16>(Compact(
        league.Players.data(), h.PlayerCount, [&](int p) { return !players.IsRemoved(p); },
        [](PlayerRec&) {}));
}

void ShiftSelections(League& league, int t) {
    int named = 0;
    for (int slot = 1; slot <= kMaxTeamSels; ++slot) {
        TeamSelRec& sel = league.TeamSels[At(slot)];
        std::copy(sel.Member + t, sel.Member + kMaxTeams, sel.Member + t - 1);
        sel.Member[kMaxTeams - 1] = 0;
        const auto members = std::count_if(sel.Member, sel.Member + kMaxTeams, [](u8 m) { return m != 0; });
        if (members < 3)
            sel = TeamSelRec{};
        named += sel.Name.empty() ? 0 : 1;
    }
    league.Head.TeamSelCount = static_cast<u8>(named);
    league.CurrentSel = 0;
}

} // namespace

bool DeleteTeam(League& league, int t) {
    DivHead& h = league.Head;
    const int allTeams = league.AllTeamCount();
    if (t < 1 || t > allTeams || At(t) >= league.Teams.size())
        return false;
    const bool leagueTeam = t <= h.TeamCount;
    const int totalGames = league.AllGameCount();
    const auto plays = [&](int g) {
        const GameRec& game = league.Games[At(g)];
        return game.HomeTeam == t || game.AwayTeam == t;
    };
    const Renumbering games(totalGames, plays);
    int leagueGamesRemoved = 0;
    for (int g = 1; g <= h.GameCount; ++g)
        leagueGamesRemoved += games.IsRemoved(g) ? 1 : 0;

    // The squads of removed games, by the games' links and by their own game link.
    std::vector<char> dropSquad(At(h.SquadCount) + 1, 0);
    const auto markSquad = [&](int s) {
        if (s >= 1 && s <= h.SquadCount)
            dropSquad[At(s)] = 1;
    };
    for (int g = 1; g <= totalGames; ++g)
        if (games.IsRemoved(g)) {
            markSquad(league.Games[At(g)].HomeSquad);
            markSquad(league.Games[At(g)].AwaySquad);
        }
    for (int s = 1; s <= h.SquadCount; ++s)
        if (games.IsRemoved(league.Squads[At(s)].Game))
            dropSquad[At(s)] = 1;
    const Renumbering squads(h.SquadCount, [&](int s) { return dropSquad[At(s)] != 0; });

    const auto team = [t](int link) { return static_cast<u8>(link > t ? link - 1 : link); };
    const auto team16 = [t](int link) { return static_cast<u16>(link > t ? link - 1 : link); };
    const auto goalKept = [&](int i) { return !games.IsRemoved(league.Goals[At(i)].Game); };
    const auto penKept = [&](int i) { return !games.IsRemoved(league.MissedPens[At(i)].Game); };

    // Step 1 and the game and team links of what stays.
    h.GoalCount = static_cast<u16>(Compact(league.Goals.data(), h.GoalCount, goalKept, [&](GoalRec& g) {
        g.Game = games(g.Game);
        g.TeamFor = team16(g.TeamFor);
    }));
    h.MissedPenCount =
        static_cast<u8>(Compact(league.MissedPens.data(), h.MissedPenCount, penKept, [&](MissedPenRec& m) {
            m.Game = games(m.Game);
            m.Team = team(m.Team);
        }));
    h.SquadCount = static_cast<u16>(Compact(
        league.Squads.data(), h.SquadCount, [&](int s) { return dropSquad[At(s)] == 0; },
        [&](SquadRec& s) {
            s.Game = games(s.Game);
            s.Team = team(s.Team);
        }));

    // Step 2: the players of t.
    const Renumbering players(h.PlayerCount, [&](int p) { return league.Players[At(p)].Team == t; });
    RelinkPlayers(league, players);
    for (int p = 1; p <= h.PlayerCount; ++p)
        league.Players[At(p)].Team = team(league.Players[At(p)].Team);

    // Step 3: the games of t.
    const int keptGames = Compact(
        league.Games.data(), totalGames, [&](int g) { return !games.IsRemoved(g); },
        [&](GameRec& g) {
            g.HomeTeam = team(g.HomeTeam);
            g.AwayTeam = team(g.AwayTeam);
            g.HomeSquad = squads(g.HomeSquad);
            g.AwaySquad = squads(g.AwaySquad);
        });
    h.GameCount = static_cast<u16>(h.GameCount - leagueGamesRemoved);
    h.CupGameCount = static_cast<u16>(keptGames - h.GameCount);

    // Steps 4 to 6: the team itself.
    std::move(league.Teams.begin() + t + 1, league.Teams.begin() + allTeams + 1, league.Teams.begin() + t);
    league.Teams[At(allTeams)] = TeamRec{};
    if (leagueTeam) {
        ShiftSelections(league, t);
        h.TeamCount = static_cast<u16>(h.TeamCount - 1);
    } else {
        h.OtherTeamCount = static_cast<u16>(h.OtherTeamCount - 1);
    }
    if (h.OwnTeam == t)
        h.OwnTeam = 0;
    else
        h.OwnTeam = team(h.OwnTeam);
    league.DataChanged = true;
    return true;
}

bool DeletePlayer(League& league, int p) {
    if (p < 1 || p > league.Head.PlayerCount)
        return false;
    RelinkPlayers(league, Renumbering(league.Head.PlayerCount, [p](int i) { return i == p; }));
    league.DataChanged = true;
    return true;
}

} // namespace gorlin
