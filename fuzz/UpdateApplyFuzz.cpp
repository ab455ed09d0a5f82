// Feeds arbitrary bytes, in pieces, through the update line receiver and applies the lines to a
// league with league games, cup games, goals, squads, players, referees and missed penalties.
// Afterwards every link of the league must point inside its array, every count stay within its
// limit, and the league must save and load again.

#include "core/model/LeagueFile.h"
#include "core/update/LineReceiver.h"
#include "core/update/ProcessUpdate.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

using namespace gorlin;

namespace {

std::size_t At(int i) {
    return static_cast<std::size_t>(i);
}

void Check(bool ok) {
    if (!ok)
        std::abort();
}

GameRec Game(int played, int home, int away, int date, int comp) {
    GameRec g{};
    g.Played = static_cast<u8>(played);
    g.HomeTeam = static_cast<u8>(home);
    g.AwayTeam = static_cast<u8>(away);
    g.HomeGoals = static_cast<u8>(played);
    g.Date = date;
    g.Comp = static_cast<u8>(comp);
    return g;
}

League MakeLeague() {
    League l = MakeEmptyLeague();
    l.Head.VersionId = 42;
    l.Head.TeamCount = 4;
    l.Head.OtherTeamCount = 1;
    l.Teams.resize(6);
    for (int t = 1; t <= 5; ++t)
        l.Teams[At(t)].Name = std::string(1, static_cast<char>('A' + t));
    l.Head.CompCount = 1;
    l.Comps[1].Name = "Cup";
    l.Comps[1].ShortName = "CUP";
    const GameRec games[] = {Game(1, 1, 2, 100, 0), Game(0, 3, 4, 0, 0), Game(0, 2, 1, 300, 0),
                             Game(1, 1, 5, 150, 1), Game(0, 4, 5, 400, 1)};
    l.Games.resize(7);
    for (int g = 1; g <= 5; ++g)
        l.Games[At(g)] = games[g - 1];
    l.Head.GameCount = 3;
    l.Head.CupGameCount = 2;
    for (const char* name : {"Smith, John", "Smith, John", "Jones"}) {
        const int p = l.Head.PlayerCount + 1;
        GrowTo(l.Players, At(p));
        l.Players[At(p)].Name = name;
        l.Players[At(p)].Team = static_cast<u8>(p);
        l.Head.PlayerCount = static_cast<u16>(p);
    }
    AddGoal(l, 1, 1, 0, 10, false, false);
    AddGoal(l, 4, 1, 1, 20, false, true);
    GrowTo(l.Squads, 1);
    l.Squads[1].Game = 4;
    l.Squads[1].Team = 1;
    l.Squads[1].Entries[0].Player = 1;
    l.Head.SquadCount = 1;
    l.Games[4].HomeSquad = 1;
    l.Referees[1].Name = "Arden, K";
    l.Head.RefereeCount = 1;
    l.MissedPens[1] = MissedPenRec{4, 1, 1, 30};
    l.Head.MissedPenCount = 1;
    UpdateGameEx(l, 0);
    return l;
}

void CheckLinks(const League& l) {
    const int games = l.AllGameCount();
    Check(l.Games.size() > At(games) && l.Goals.size() > At(l.Head.GoalCount));
    Check(l.Players.size() > At(l.Head.PlayerCount) && l.Squads.size() > At(l.Head.SquadCount));
    Check(l.Head.PlayerCount <= kMaxPlayers && l.Head.RefereeCount <= kMaxReferees &&
          l.Head.MissedPenCount <= kMaxMissedPens);
    for (int g = 1; g <= games; ++g) {
        const GameRec& game = l.Games[At(g)];
        const int teams = g <= l.GameCount() ? l.TeamCount() : l.AllTeamCount();
        Check((game.Comp == 0) == (g <= l.GameCount()));
        Check(game.HomeTeam >= 1 && game.HomeTeam <= teams && game.AwayTeam >= 1 && game.AwayTeam <= teams);
        Check(game.Referee <= l.Head.RefereeCount && game.HomeSquad <= l.Head.SquadCount &&
              game.AwaySquad <= l.Head.SquadCount);
        for (int s : {static_cast<int>(game.HomeSquad), static_cast<int>(game.AwaySquad)})
            Check(s == 0 || l.Squads[At(s)].Game == g);
    }
    for (int i = 1; i <= l.Head.GoalCount; ++i) {
        const GoalRec& goal = l.Goals[At(i)];
        Check(goal.Game >= 1 && goal.Game <= games && goal.Scorer <= l.Head.PlayerCount);
        const GameRec& game = l.Games[goal.Game];
        Check(goal.TeamFor == game.HomeTeam || goal.TeamFor == game.AwayTeam);
    }
    for (int s = 1; s <= l.Head.SquadCount; ++s) {
        const SquadRec& squad = l.Squads[At(s)];
        Check(squad.Game >= 1 && squad.Game <= games);
        for (const SquadEntry& e : squad.Entries)
            Check(e.Player <= l.Head.PlayerCount);
    }
    for (int p = 1; p <= l.Head.PlayerCount; ++p)
        Check(l.Players[At(p)].Team <= l.AllTeamCount());
    for (int i = 1; i <= l.Head.MissedPenCount; ++i) {
        const MissedPenRec& pen = l.MissedPens[At(i)];
        Check(pen.Game >= 1 && pen.Game <= games && pen.Player >= 1 && pen.Player <= l.Head.PlayerCount);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const std::uint8_t flags = data[0];
    const std::size_t piece = 1 + data[1] % 64u;
    const std::string_view body(reinterpret_cast<const char*>(data + 2), size - 2);
    const UpdateOptions options{(flags & 1) == 0, (flags & 2) == 0, (flags & 4) == 0};

    LineReceiver receiver(options.Squads);
    if ((flags & 8) == 0)
        receiver.ProcessBody("Gorlin Update:100 Date:1\r\nLeague Version:0042\r\n");
    for (std::size_t at = 0; at < body.size(); at += piece)
        receiver.ProcessBody(body.substr(at, piece));
    receiver.Finish();

    League league = MakeLeague();
    League before = league;
    const UpdateReport report = ProcessUpdate(league, receiver.Lines(), options);
    if (!report.Changed)
        Check(EncodeLeague(league) == EncodeLeague(before));
    CheckLinks(league);
    const std::vector<std::uint8_t> saved = EncodeLeague(league);
    Check(static_cast<bool>(DecodeLeague(saved)));
    return 0;
}
