#include "support/LeagueBuilder.h"

namespace gorlin::test {

LeagueBuilder::LeagueBuilder() : m_league(MakeEmptyLeague()) {
    m_league.Head.TableName = "Test League";
}

LeagueBuilder& LeagueBuilder::Teams(const std::vector<std::string>& names) {
    m_league.Teams.resize(1);
    m_league.Head.TeamCount = static_cast<u16>(names.size());
    m_league.Head.OtherTeamCount = 0;
    for (const std::string& n : names)
        m_league.Teams.emplace_back().Name = n;
    return *this;
}

LeagueBuilder& LeagueBuilder::OtherTeams(const std::vector<std::string>& names) {
    for (const std::string& n : names)
        m_league.Teams.emplace_back().Name = n;
    m_league.Head.OtherTeamCount = static_cast<u16>(m_league.Head.OtherTeamCount + names.size());
    return *this;
}

LeagueBuilder& LeagueBuilder::Points(int win, int draw, int loss) {
    m_league.Head.WinPoints = static_cast<u8>(win);
    m_league.Head.DrawPoints = static_cast<u8>(draw);
    m_league.Head.LossPoints = static_cast<u8>(loss);
    return *this;
}

LeagueBuilder& LeagueBuilder::Rules(const std::string& sortRules) {
    m_league.Head.SortRules = sortRules;
    return *this;
}

LeagueBuilder& LeagueBuilder::Places(int promoted, int playOffs, int relegated, int relPlayOffs) {
    m_league.Head.Promoted = static_cast<u8>(promoted);
    m_league.Head.PlayOffs = static_cast<u8>(playOffs);
    m_league.Head.Relegated = static_cast<u8>(relegated);
    m_league.Head.RelPlayOffs = static_cast<u8>(relPlayOffs);
    return *this;
}

LeagueBuilder& LeagueBuilder::TimesToPlay(int times) {
    m_league.Head.TimesToPlay = static_cast<u8>(times);
    return *this;
}

int LeagueBuilder::AppendGame(const GameRec& game, bool league) {
    League& l = m_league;
    int index = 0;
    if (league) {
        index = l.Head.GameCount + 1;
        MoveGamesDown(l, index);
        l.Head.GameCount = static_cast<u16>(index);
    } else {
        index = l.AllGameCount() + 1;
        GrowTo(l.Games, static_cast<std::size_t>(index));
        l.Head.CupGameCount = static_cast<u16>(l.Head.CupGameCount + 1);
    }
    l.Games[static_cast<std::size_t>(index)] = game;
    UpdateGameEx(l, index);
    return index;
}

namespace {

GameRec Game(bool played, int home, int away, int homeGoals, int awayGoals, int date) {
    GameRec g{};
    g.Played = played ? 1 : 0;
    g.HomeTeam = static_cast<u8>(home);
    g.AwayTeam = static_cast<u8>(away);
    g.HomeGoals = static_cast<u8>(homeGoals);
    g.AwayGoals = static_cast<u8>(awayGoals);
    g.Date = date;
    return g;
}

} // namespace

int LeagueBuilder::Played(int home, int away, int homeGoals, int awayGoals, int date) {
    return AppendGame(Game(true, home, away, homeGoals, awayGoals, date), true);
}

int LeagueBuilder::Fixture(int home, int away, int date, bool predicted, int homeGoals, int awayGoals) {
    GameRec g = Game(false, home, away, homeGoals, awayGoals, date);
    g.Predicted = predicted ? 1 : 0;
    return AppendGame(g, true);
}

int LeagueBuilder::CupGame(int home, int away, int homeGoals, int awayGoals, int date, int comp) {
    GameRec g = Game(true, home, away, homeGoals, awayGoals, date);
    g.Comp = static_cast<u8>(comp);
    return AppendGame(g, false);
}

LeagueBuilder& LeagueBuilder::Comp(const std::string& name, const std::string& shortName) {
    const int index = m_league.Head.CompCount + 1;
    m_league.Comps[static_cast<std::size_t>(index)].Name = name;
    m_league.Comps[static_cast<std::size_t>(index)].ShortName = shortName;
    m_league.Head.CompCount = static_cast<u8>(index);
    return *this;
}

int LeagueBuilder::Player(const std::string& name, int team) {
    const int index = m_league.Head.PlayerCount + 1;
    GrowTo(m_league.Players, static_cast<std::size_t>(index));
    PlayerRec& p = m_league.Players[static_cast<std::size_t>(index)];
    p = PlayerRec{};
    p.Name = name;
    p.Team = static_cast<u8>(team);
    m_league.Head.PlayerCount = static_cast<u16>(index);
    return index;
}

int LeagueBuilder::Player(const PlayerRec& player) {
    const int index = Player(std::string(player.Name.view()), player.Team);
    m_league.Players[static_cast<std::size_t>(index)] = player;
    return index;
}

int LeagueBuilder::Goal(int game, int team, int scorer, int minute, bool ownGoal, bool penalty) {
    AddGoal(m_league, game, team, scorer, minute, ownGoal, penalty);
    return m_league.Head.GoalCount;
}

int LeagueBuilder::Squad(int game, int team, const std::vector<SquadEntry>& entries) {
    const int index = m_league.Head.SquadCount + 1;
    GrowTo(m_league.Squads, static_cast<std::size_t>(index));
    SquadRec& s = m_league.Squads[static_cast<std::size_t>(index)];
    s = SquadRec{};
    s.Game = static_cast<u16>(game);
    s.Team = static_cast<u8>(team);
    for (std::size_t k = 0; k < entries.size() && k < static_cast<std::size_t>(kSquadEntries); ++k)
        s.Entries[k] = entries[k];
    m_league.Head.SquadCount = static_cast<u16>(index);
    GameRec& g = m_league.Games[static_cast<std::size_t>(game)];
    if (g.HomeTeam == team)
        g.HomeSquad = static_cast<u16>(index);
    else
        g.AwaySquad = static_cast<u16>(index);
    return index;
}

int LeagueBuilder::Referee(const std::string& name) {
    const int index = m_league.Head.RefereeCount + 1;
    m_league.Referees[static_cast<std::size_t>(index)].Name = name;
    m_league.Head.RefereeCount = static_cast<u8>(index);
    return index;
}

int LeagueBuilder::MissedPen(int game, int player, int team, int minute) {
    const int index = m_league.Head.MissedPenCount + 1;
    MissedPenRec& m = m_league.MissedPens[static_cast<std::size_t>(index)];
    m.Game = static_cast<u16>(game);
    m.Player = static_cast<u16>(player);
    m.Team = static_cast<u8>(team);
    m.Minute = static_cast<u8>(minute);
    m_league.Head.MissedPenCount = static_cast<u8>(index);
    return index;
}

LeagueBuilder& LeagueBuilder::Selection(int slot, const std::string& name, const std::vector<int>& members) {
    TeamSelRec& s = m_league.TeamSels[static_cast<std::size_t>(slot)];
    s = TeamSelRec{};
    s.Name = name;
    for (int t : members)
        s.SetMember(t, true);
    int count = 0;
    for (int i = 1; i <= kMaxTeamSels; ++i)
        count += m_league.TeamSels[static_cast<std::size_t>(i)].Name.empty() ? 0 : 1;
    m_league.Head.TeamSelCount = static_cast<u8>(count);
    return *this;
}

League LeagueBuilder::Build() {
    return m_league;
}

} // namespace gorlin::test
