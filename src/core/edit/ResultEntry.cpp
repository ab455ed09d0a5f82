#include "core/edit/ResultEntry.h"

#include "core/edit/Games.h"
#include "core/engine/Standings.h"

#include <algorithm>

namespace gorlin {

namespace {

constexpr int kMaxScore = 99;
constexpr int kMaxOtherTeams = 200;
constexpr const char* kInvalidInput = "Input is invalid, please correct";
constexpr const char* kNotFound = "Pending game not found";
constexpr const char* kLeagueTeamsOnly = "A league game is played between two league teams";

int GameLimit(const League& league) {
    return std::min<int>(league.AllGameCount(), static_cast<int>(league.Games.size()) - 1);
}

int LeagueGameLimit(const League& league) {
    return std::min<int>(league.GameCount(), static_cast<int>(league.Games.size()) - 1);
}

int TeamLimit(const League& league) {
    return std::min<int>(league.AllTeamCount(), static_cast<int>(league.Teams.size()) - 1);
}

} // namespace

ResultEntry::ResultEntry(League& league, int entryDate) : m_league(league), m_entryDate(entryDate) {
    SetUp();
}

bool ResultEntry::Scheduled() const {
    return m_comp == 0 && m_league.Head.TimesToPlay != 0;
}

bool ResultEntry::IsHome(int t) const {
    return t >= 1 && static_cast<std::size_t>(t) < m_homeAvail.size() &&
           m_homeAvail[static_cast<std::size_t>(t)];
}

bool ResultEntry::IsAway(int t) const {
    return t >= 1 && static_cast<std::size_t>(t) < m_awayAvail.size() &&
           m_awayAvail[static_cast<std::size_t>(t)];
}

void ResultEntry::SortTeams() {
    std::stable_sort(m_teams.begin(), m_teams.end(), [this](int a, int b) {
        return m_league.Teams[static_cast<std::size_t>(a)].Name.view() <
               m_league.Teams[static_cast<std::size_t>(b)].Name.view();
    });
}

void ResultEntry::FillFromHomeAvail() {
    m_teams.clear();
    for (std::size_t t = 1; t < m_homeAvail.size(); ++t)
        if (m_homeAvail[t])
            m_teams.push_back(static_cast<int>(t));
    SortTeams();
}

void ResultEntry::Highlight(bool opponents) {
    m_highlighted = 0;
    const int last = LeagueGameLimit(m_league);
    for (int t : m_teams)
        for (int g = 1; g <= last; ++g) {
            const GameRec& game = m_league.Games[static_cast<std::size_t>(g)];
            const bool pair = opponents ? game.HomeTeam == m_home && game.AwayTeam == t : game.HomeTeam == t;
            if (pair && game.Played == 0 && GameDay(game) == m_entryDate) {
                m_highlighted = t;
                return;
            }
        }
}

void ResultEntry::SetUp() {
    const int teamCount = std::min<int>(m_league.TeamCount(), TeamLimit(m_league));
    m_homeAvail.assign(static_cast<std::size_t>(teamCount) + 1, false);
    m_awayAvail.assign(static_cast<std::size_t>(teamCount) + 1, false);
    if (m_league.Head.TimesToPlay != 0) {
        const int last = LeagueGameLimit(m_league);
        for (int g = 1; g <= last; ++g) {
            const GameRec& game = m_league.Games[static_cast<std::size_t>(g)];
            if (game.Played != 0)
                continue;
            if (game.HomeTeam >= 1 && game.HomeTeam <= teamCount)
                m_homeAvail[game.HomeTeam] = true;
            if (game.AwayTeam >= 1 && game.AwayTeam <= teamCount)
                m_awayAvail[game.AwayTeam] = true;
        }
    } else {
        std::fill(m_homeAvail.begin() + 1, m_homeAvail.end(), true);
        std::fill(m_awayAvail.begin() + 1, m_awayAvail.end(), true);
    }
    m_home = 0;
    m_away = 0;
    m_highlighted = 0;
    if (m_comp != 0) {
        m_teams.clear();
        for (int t = 1; t <= TeamLimit(m_league); ++t)
            m_teams.push_back(t);
        SortTeams();
    } else {
        FillFromHomeAvail();
        Highlight(false);
    }
    m_status = m_teams.empty() ? "All league games have been played" : "";
    m_league.PendingGame = false;
}

void ResultEntry::SetCompetition(int comp) {
    m_comp = std::clamp(comp, 0, static_cast<int>(m_league.Head.CompCount));
    SetUp();
}

void ResultEntry::SetEntryDate(int day) {
    if (day == 0)
        return;
    m_entryDate = day;
    SetUp();
}

void ResultEntry::SetTrackGoals(bool on) {
    const u8 value = on ? 1 : 0;
    if (m_league.Head.TrackGoals == value)
        return;
    m_league.Head.TrackGoals = value; // saved with the league: a change to save like any other
    m_league.DataChanged = true;
}

bool ResultEntry::CompButtonEnabled() const {
    return m_comp != 0 || m_league.Head.CompCount < kMaxComps;
}

bool ResultEntry::AddTeamEnabled() const {
    return m_comp != 0 && m_league.Head.OtherTeamCount < kMaxOtherTeams;
}

bool ResultEntry::AddRefereeEnabled() const {
    return m_league.Head.RefereeCount < kMaxReferees;
}

void ResultEntry::TeamAdded(int t) {
    if (m_comp == 0 || t < 1 || t > TeamLimit(m_league) || t == m_home || t == m_away ||
        std::find(m_teams.begin(), m_teams.end(), t) != m_teams.end())
        return;
    m_teams.push_back(t);
    SortTeams();
}

bool ResultEntry::ChooseTeam(int t) {
    if (t == 0 || (m_home != 0 && m_away != 0))
        return false;
    const auto at = std::find(m_teams.begin(), m_teams.end(), t);
    if (at == m_teams.end())
        return false;
    m_teams.erase(at);
    if (m_highlighted == t)
        m_highlighted = 0;
    m_league.PendingGame = true;
    if (m_home == 0) {
        m_home = t;
        m_status.clear();
        if (Scheduled()) {
            m_teams.clear();
            const int last = LeagueGameLimit(m_league);
            for (int g = 1; g <= last; ++g) {
                const GameRec& game = m_league.Games[static_cast<std::size_t>(g)];
                if (game.Played == 0 && game.HomeTeam == t && IsAway(game.AwayTeam) &&
                    std::find(m_teams.begin(), m_teams.end(), game.AwayTeam) == m_teams.end())
                    m_teams.push_back(game.AwayTeam);
            }
            SortTeams();
            Highlight(true);
            if (m_teams.empty())
                m_status = "No games pending - Press Cancel";
        }
        return true;
    }
    m_away = t;
    const GameRec* predicted = nullptr;
    for (int g = 1; g <= GameLimit(m_league); ++g) {
        const GameRec& game = m_league.Games[static_cast<std::size_t>(g)];
        if (game.Played == 0 && game.Predicted != 0 && game.HomeTeam == m_home && game.AwayTeam == m_away &&
            game.Comp == m_comp) {
            predicted = &game;
            if (GameDay(game) == m_entryDate)
                break;
        }
    }
    if (predicted != nullptr)
        m_status = "Predicted result for this match: " + std::to_string(predicted->HomeGoals) + " - " +
                   std::to_string(predicted->AwayGoals);
    return true;
}

Expected<RecordOutcome> ResultEntry::Record(const EntryInput& input, const GoalPrompt& prompt) {
    if (m_home == 0 || m_away == 0)
        return Error{"You have not selected both teams"};
    const auto attendance = ParseAttendance(input.Attendance);
    if (!attendance || input.HomeGoals < 0 || input.HomeGoals > kMaxScore || input.AwayGoals < 0 ||
        input.AwayGoals > kMaxScore || input.Referee < 0 || input.Referee > m_league.Head.RefereeCount ||
        input.Awarded < 0 || input.Awarded > 2)
        return Error{kInvalidInput};

    int found = 0;
    for (int g = 1; g <= GameLimit(m_league); ++g) {
        const GameRec& game = m_league.Games[static_cast<std::size_t>(g)];
        if (game.Played == 0 && game.Comp == m_comp && game.HomeTeam == m_home && game.AwayTeam == m_away) {
            found = g;
            if (GameDay(game) == m_entryDate)
                break;
        }
    }
    if (found == 0 && Scheduled())
        return Error{kNotFound};
    if (!GoalsFit(m_league, input.HomeGoals + input.AwayGoals))
        return Error{kGoalLimitMessage};

    int g = found;
    if (g == 0) {
        const auto inserted = InsertGame(m_league, m_comp);
        if (!inserted)
            return inserted.error();
        g = *inserted;
        GameRec& game = m_league.Games[static_cast<std::size_t>(g)];
        game.HomeTeam = static_cast<u8>(m_home);
        game.AwayTeam = static_cast<u8>(m_away);
        game.Comp = static_cast<u8>(m_comp);
    }
    GameRec& game = m_league.Games[static_cast<std::size_t>(g)];
    game.Played = 1;
    game.HomeGoals = static_cast<u8>(input.HomeGoals);
    game.AwayGoals = static_cast<u8>(input.AwayGoals);
    game.Date = m_entryDate;
    game.Attendance = *attendance;
    game.Comment = input.Comment;
    game.Referee = static_cast<u8>(input.Referee);
    game.Awarded = static_cast<u8>(input.Awarded);
    RecordGoals(m_league, g, prompt); // fits: checked above
    UpdateGameEx(m_league, g);
    m_league.DataChanged = true;

    RecordOutcome outcome;
    outcome.Game = g;
    const GameRec& done = m_league.Games[static_cast<std::size_t>(g)];
    const int own = m_league.Head.OwnTeam;
    outcome.OwnTeamWon = own != 0 && ((done.Outcome == 1 && done.HomeTeam == own) ||
                                      (done.Outcome == 2 && done.AwayTeam == own));

    for (int t : {m_home, m_away})
        if (static_cast<std::size_t>(t) < m_homeAvail.size()) {
            m_homeAvail[static_cast<std::size_t>(t)] = false;
            m_awayAvail[static_cast<std::size_t>(t)] = false;
        }
    if (m_league.Head.TimesToPlay != 0) {
        std::vector<bool> keep(m_homeAvail.size(), false);
        const int last = LeagueGameLimit(m_league);
        for (int i = 1; i <= last; ++i) {
            const GameRec& other = m_league.Games[static_cast<std::size_t>(i)];
            if (other.Played == 0 && IsAway(other.AwayTeam) && other.HomeTeam < keep.size())
                keep[other.HomeTeam] = true;
        }
        for (std::size_t t = 1; t < m_homeAvail.size(); ++t)
            m_homeAvail[t] = m_homeAvail[t] && keep[t];
    }

    m_status = TeamName(m_league, m_home) + " v " + TeamName(m_league, m_away) + " recorded";
    Reset();
    if (m_comp == 0) {
        FillFromHomeAvail();
        Highlight(false);
    }
    return outcome;
}

void ResultEntry::Reset() {
    m_home = 0;
    m_away = 0;
    m_league.PendingGame = false;
}

void ResultEntry::Cancel() {
    if (m_comp != 0) {
        for (int t : {m_home, m_away})
            if (t != 0)
                m_teams.push_back(t);
        SortTeams();
    } else {
        FillFromHomeAvail();
        Highlight(false);
    }
    Reset();
    m_status = "Result input canceled";
}

Status ResultEntry::CheckLeave() const {
    if (m_league.PendingGame)
        return Status::Failure("Result entry in progress. Complete it or cancel");
    return Status::Success();
}

Expected<RecordOutcome> RecordResult(League& league, const ResultInput& input, const GoalPrompt& prompt) {
    int comp = 0;
    if (!input.Competition.empty()) {
        comp = -1;
        for (int c = 0; c <= league.Head.CompCount && comp < 0; ++c)
            if (league.Comps[static_cast<std::size_t>(c)].ShortName.view() == input.Competition)
                comp = c;
        if (comp < 0)
            return Error{"No competition with the short name " + input.Competition};
    }
    const int lastTeam = comp == 0 ? std::min(league.TeamCount(), TeamLimit(league)) : TeamLimit(league);
    auto findTeam = [&](const std::string& name) {
        for (int t = 1; t <= lastTeam; ++t)
            if (league.Teams[static_cast<std::size_t>(t)].Name.view() == name)
                return t;
        return 0;
    };
    const int home = findTeam(input.Home);
    if (home == 0)
        return Error{"No team named " + input.Home};
    const int away = findTeam(input.Away);
    if (away == 0)
        return Error{"No team named " + input.Away};
    if (home == away)
        return Error{"The Home and Away team must be different"};
    int referee = 0;
    if (!input.Referee.empty()) {
        for (int r = 1; r <= league.Head.RefereeCount && referee == 0; ++r)
            if (league.Referees[static_cast<std::size_t>(r)].Name.view() == input.Referee)
                referee = r;
        if (referee == 0)
            return Error{"No referee named " + input.Referee};
    }
    return RecordResultFor(league, comp, home, away, input.Date,
                           {input.HomeGoals, input.AwayGoals, input.Attendance, referee, input.Comment},
                           prompt);
}

Expected<RecordOutcome> RecordResultFor(League& league, int comp, int home, int away, int date,
                                        const EntryInput& input, const GoalPrompt& prompt) {
    if (comp < 0 || comp > std::min<int>(league.Head.CompCount, kMaxComps))
        return Error{kInvalidInput};
    const int lastTeam = comp == 0 ? std::min(league.TeamCount(), TeamLimit(league)) : TeamLimit(league);
    for (int t : {home, away})
        if (t < 1 || t > lastTeam)
            return Error{comp == 0 ? kLeagueTeamsOnly : kInvalidInput};
    if (home == away)
        return Error{"The Home and Away team must be different"};

    const bool wasPending = league.PendingGame;
    ResultEntry entry(league, date);
    entry.SetCompetition(comp);
    Expected<RecordOutcome> result = Error{kNotFound};
    if (entry.ChooseTeam(home) && entry.ChooseTeam(away))
        result = entry.Record(input, prompt);
    league.PendingGame = wasPending;
    return result;
}

} // namespace gorlin
