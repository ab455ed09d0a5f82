#include "core/model/LeagueFile.h"
#include "core/model/LeagueLayout.h"

#include <algorithm>
#include <cstring>

namespace gorlin {

int CountNamedSelections(const League& league) {
    int named = 0;
    for (int slot = 1; slot <= kMaxTeamSels; ++slot)
        if (!league.TeamSels[static_cast<std::size_t>(slot)].Name.empty())
            ++named;
    return named;
}

int ChooseSaveVersion(const League& league) {
    const DivHead& h = league.Head;
    // The compact layout's schedule is read back from the games, so it must agree with them.
    if (h.TimesToPlay == 0 || h.TimesToPlay != TimesToPlayFromGames(h) || !h.UpdateAddress.empty() ||
        h.TeamCount > kCompactMaxTeams || CountNamedSelections(league) > kCompactMaxTeamSels)
        return kCurrentFileVersion;
    const std::size_t last = std::min<std::size_t>(static_cast<std::size_t>(league.AllGameCount()),
                                                   league.Games.empty() ? 0 : league.Games.size() - 1);
    for (std::size_t i = static_cast<std::size_t>(h.GameCount) + 1; i <= last; ++i)
        if (league.Games[i].Played == 0)
            return kCurrentFileVersion;
    return kCompactFileVersion;
}

std::vector<std::uint8_t> EncodeLeague(League& league, bool fullLayout) {
    DivHead& h = league.Head;
    h.TeamSelCount = static_cast<u8>(CountNamedSelections(league));
    const int version = fullLayout ? kCurrentFileVersion : ChooseSaveVersion(league);
    const bool compact = version == kCompactFileVersion;
    const std::size_t headerSize = compact ? kCompactHeaderSize : sizeof(DivHead);
    const std::size_t selSize = compact ? kCompactTeamSelSize : sizeof(TeamSelRec);

    // Counts past the allocated arrays are never written from outside them.
    const std::size_t teams = std::min<std::size_t>(static_cast<std::size_t>(league.AllTeamCount()),
                                                    league.Teams.empty() ? 0 : league.Teams.size() - 1);
    const std::size_t games = std::min<std::size_t>(static_cast<std::size_t>(league.AllGameCount()),
                                                    league.Games.empty() ? 0 : league.Games.size() - 1);
    const std::size_t goals =
        std::min<std::size_t>(h.GoalCount, league.Goals.empty() ? 0 : league.Goals.size() - 1);
    const std::size_t players =
        std::min<std::size_t>(h.PlayerCount, league.Players.empty() ? 0 : league.Players.size() - 1);
    const std::size_t squads =
        std::min<std::size_t>(h.SquadCount, league.Squads.empty() ? 0 : league.Squads.size() - 1);
    const std::size_t comps = std::min<std::size_t>(h.CompCount, kMaxComps);
    const std::size_t referees = std::min<std::size_t>(h.RefereeCount, kMaxReferees);
    const std::size_t pens = std::min<std::size_t>(h.MissedPenCount, kMaxMissedPens);

    std::vector<std::uint8_t> out;
    out.resize(headerSize + teams * sizeof(TeamRec) + games * kStoredGameSize + goals * sizeof(GoalRec) +
               players * sizeof(PlayerRec) + squads * sizeof(SquadRec) + comps * sizeof(CompRec) +
               h.TeamSelCount * selSize + referees * sizeof(RefereeRec) + pens * sizeof(MissedPenRec));
    u8* p = out.data();
    auto put = [&p](const void* src, std::size_t n) {
        if (n != 0)
            std::memcpy(p, src, n);
        p += n;
    };

    DivHead head = h;
    head.Version = static_cast<u8>(version);
    put(&head, headerSize);
    if (teams != 0)
        put(league.Teams.data() + 1, teams * sizeof(TeamRec));
    for (std::size_t i = 1; i <= games; ++i)
        put(&league.Games[i], static_cast<std::size_t>(kStoredGameSize));
    if (goals != 0)
        put(league.Goals.data() + 1, goals * sizeof(GoalRec));
    if (players != 0)
        put(league.Players.data() + 1, players * sizeof(PlayerRec));
    if (squads != 0)
        put(league.Squads.data() + 1, squads * sizeof(SquadRec));
    put(league.Comps.data() + 1, comps * sizeof(CompRec));
    for (int slot = 1; slot <= kMaxTeamSels; ++slot)
        if (!league.TeamSels[static_cast<std::size_t>(slot)].Name.empty())
            put(&league.TeamSels[static_cast<std::size_t>(slot)], selSize);
    put(league.Referees.data() + 1, referees * sizeof(RefereeRec));
    put(league.MissedPens.data() + 1, pens * sizeof(MissedPenRec));
    return out;
}

} // namespace gorlin
