#include "core/update/UpdateWriter.h"

#include "core/model/SafeFile.h"
#include "core/update/FieldSplitter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace gorlin {

namespace {

std::size_t At(int index) {
    return static_cast<std::size_t>(index);
}

/// The goals and missed penalties of each game, in record order.
struct GameDetails {
    std::vector<std::vector<int>> Goals;
    std::vector<std::vector<int>> Pens;
};

GameDetails CollectDetails(const League& league) {
    GameDetails details;
    const std::size_t games = At(league.AllGameCount()) + 1;
    details.Goals.resize(games);
    details.Pens.resize(games);
    const int goals = std::min<int>(league.Head.GoalCount, static_cast<int>(league.Goals.size()) - 1);
    for (int i = 1; i <= goals; ++i)
        if (const int g = league.Goals[At(i)].Game; g >= 1 && At(g) < games)
            details.Goals[At(g)].push_back(i);
    for (int i = 1; i <= std::min<int>(league.Head.MissedPenCount, kMaxMissedPens); ++i)
        if (const int g = league.MissedPens[At(i)].Game; g >= 1 && At(g) < games)
            details.Pens[At(g)].push_back(i);
    return details;
}

/// The played league games by date, equal dates in index order.
std::vector<int> PlayedByDate(const League& league) {
    std::vector<int> games;
    const int count = std::min<int>(league.GameCount(), static_cast<int>(league.Games.size()) - 1);
    for (int g = 1; g <= count; ++g)
        if (league.Games[At(g)].Played != 0)
            games.push_back(g);
    std::stable_sort(games.begin(), games.end(),
                     [&league](int a, int b) { return league.Games[At(a)].Date < league.Games[At(b)].Date; });
    return games;
}

const SquadRec* SquadOf(const League& league, int s) {
    if (s < 1 || s > league.Head.SquadCount || At(s) >= league.Squads.size())
        return nullptr;
    return &league.Squads[At(s)];
}

/// Calls see(player, team) for each player seen in game g: scorers first, then, with squads,
/// the home squad and the away squad.
template <typename See>
void WalkSightings(const League& league, const GameDetails& details, int g, bool squads, See see) {
    const GameRec& game = league.Games[At(g)];
    for (int i : details.Goals[At(g)]) {
        const GoalRec& goal = league.Goals[At(i)];
        if (goal.Scorer == 0)
            continue;
        int team = goal.TeamFor;
        if (goal.OwnGoal != 0)
            team = goal.TeamFor == game.HomeTeam ? game.AwayTeam : game.HomeTeam;
        see(static_cast<int>(goal.Scorer), team);
    }
    if (!squads)
        return;
    for (const auto& [link, team] : {std::pair{int{game.HomeSquad}, int{game.HomeTeam}},
                                     std::pair{int{game.AwaySquad}, int{game.AwayTeam}}})
        if (const SquadRec* squad = SquadOf(league, link))
            for (const SquadEntry& entry : squad->Entries)
                if (entry.Player != 0)
                    see(static_cast<int>(entry.Player), static_cast<int>(team));
}

std::vector<int> TeamsAtStart(const League& league, const GameDetails& details,
                              const std::vector<int>& byDate, int since, bool squads) {
    std::vector<int> teams(At(league.Head.PlayerCount) + 1, 0);
    for (int g : byDate) {
        const bool before = WholeDay(league.Games[At(g)].Date) < since;
        WalkSightings(league, details, g, squads, [&](int player, int team) {
            if (At(player) < teams.size() && (before || teams[At(player)] == 0))
                teams[At(player)] = team;
        });
    }
    return teams;
}

/// A text as one line: control characters become spaces.
std::string LineText(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (static_cast<unsigned char>(c) < ' ' || c == '\x7f')
            c = ' ';
    return out;
}

/// A player name between double quotes, its own double quotes made single where the reader
/// would otherwise split or shorten it.
std::string QuotedName(std::string_view name) {
    std::string text = LineText(name);
    std::string_view kept = text;
    while (!kept.empty() && kept.front() == ' ')
        kept.remove_prefix(1);
    while (!kept.empty() && kept.back() == ' ')
        kept.remove_suffix(1);
    const LineFields fields = SplitFields("P,0,\"" + text + "\",0,0");
    if (fields.Count != 5 || fields.Field(3) != kept)
        std::replace(text.begin(), text.end(), '"', '\'');
    return "\"" + text + "\"";
}

class Writer {
public:
    explicit Writer(std::string& out) : m_out(out) {}
    Writer& operator<<(std::string_view text) {
        m_out += text;
        return *this;
    }
    Writer& operator<<(long long n) {
        m_out += std::to_string(n);
        return *this;
    }
    Writer& operator<<(int n) { return *this << static_cast<long long>(n); }
    /// Record letter, then each field after a comma, then CR LF.
    template <typename... Fields> void Record(char letter, const Fields&... fields) {
        m_out += letter;
        ((m_out += ',', *this << fields), ...);
        m_out += "\r\n";
    }

private:
    std::string& m_out;
};

} // namespace

std::string UpdateFileName(int versionId) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%04d", versionId);
    return std::string("gnup") + digits + ".txt";
}

int UploadSinceDefault(int today, int fromDate) {
    return std::max(today - kUploadDaysBack, fromDate);
}

int ClampUploadSince(int picked, int fromDate) {
    return std::max(picked, fromDate);
}

long long WholeDay(double date) {
    if (!std::isfinite(date) || std::fabs(date) > 1e9)
        return 0;
    return static_cast<long long>(std::floor(date));
}

bool HasPlayedGames(const League& league) {
    const int count = std::min<int>(league.GameCount(), static_cast<int>(league.Games.size()) - 1);
    for (int g = 1; g <= count; ++g)
        if (league.Games[At(g)].Played != 0)
            return true;
    return false;
}

std::vector<int> StartOfPeriodTeams(const League& league, int since, bool squads) {
    return TeamsAtStart(league, CollectDetails(league), PlayedByDate(league), since, squads);
}

std::string WriteUpdateText(const League& league, const UploadOptions& options) {
    const GameDetails details = CollectDetails(league);
    const std::vector<int> byDate = PlayedByDate(league);
    std::vector<int> teams = TeamsAtStart(league, details, byDate, options.Since, options.Squads);
    const long long since = std::max(options.Since, 1);

    std::string text;
    text.reserve(64 + At(league.Head.PlayerCount) * 40 + At(league.Head.GoalCount) * 16 +
                 At(league.Head.SquadCount) * kSquadEntries * 24);
    Writer w(text);
    w << kUpdateHeader << " Date:" << options.Today << "\r\n";
    w << kUpdateVersionLabel << UpdateFileName(league.Head.VersionId).substr(4, 4) << "\r\n";
    w << "N," << LineText(league.Head.TableName.view()) << "\r\n";
    for (int r = 1; r <= std::min<int>(league.Head.RefereeCount, kMaxReferees); ++r)
        w << "O," << LineText(league.Referees[At(r)].Name.view()) << "\r\n";
    const int players = std::min<int>(league.Head.PlayerCount, static_cast<int>(league.Players.size()) - 1);
    for (int p = 1; p <= players; ++p) {
        const PlayerRec& player = league.Players[At(p)];
        const int team = teams[At(p)] != 0 ? teams[At(p)] : player.Team;
        w.Record('P', team, QuotedName(player.Name.view()), static_cast<int>(player.Position),
                 static_cast<int>(player.SquadNo));
    }

    for (int g : byDate) {
        const GameRec& game = league.Games[At(g)];
        const long long day = WholeDay(game.Date);
        if (day < since)
            continue;
        w.Record('R', day, static_cast<int>(game.HomeTeam), static_cast<int>(game.AwayTeam),
                 static_cast<int>(game.HomeGoals), static_cast<int>(game.AwayGoals),
                 static_cast<long long>(game.Attendance), static_cast<int>(game.Referee),
                 static_cast<int>(game.Awarded));
        for (int i : details.Goals[At(g)]) {
            const GoalRec& goal = league.Goals[At(i)];
            w.Record('G', static_cast<int>(goal.TeamFor), static_cast<int>(goal.Scorer),
                     static_cast<int>(goal.Minute), goal.Penalty != 0 ? 1 : 0, goal.OwnGoal != 0 ? 1 : 0);
        }
        WalkSightings(league, details, g, options.Squads, [&](int player, int team) {
            if (At(player) < teams.size() && teams[At(player)] != team) {
                w.Record('T', player, team);
                teams[At(player)] = team;
            }
        });
        if (!options.Squads)
            continue;
        for (const auto& [link, team] : {std::pair{int{game.HomeSquad}, int{game.HomeTeam}},
                                         std::pair{int{game.AwaySquad}, int{game.AwayTeam}}})
            if (const SquadRec* squad = SquadOf(league, link))
                for (const SquadEntry& e : squad->Entries)
                    if (e.Player != 0)
                        w.Record('S', static_cast<int>(team), static_cast<int>(e.Player),
                                 static_cast<int>(e.TimeOn), static_cast<int>(e.TimeOff),
                                 e.Yellow1 != 0 ? 1 : 0, e.Yellow2 != 0 ? 1 : 0, e.Red != 0 ? 1 : 0,
                                 static_cast<int>(e.Rating));
        for (int i : details.Pens[At(g)]) {
            const MissedPenRec& pen = league.MissedPens[At(i)];
            w.Record('M', static_cast<int>(pen.Team), static_cast<int>(pen.Player),
                     static_cast<int>(pen.Minute));
        }
    }

    const int count = std::min<int>(league.GameCount(), static_cast<int>(league.Games.size()) - 1);
    for (int g = 1; g <= count; ++g) {
        const GameRec& game = league.Games[At(g)];
        if (game.Played == 0 && WholeDay(game.Date) >= since)
            w.Record('F', WholeDay(game.Date), static_cast<int>(game.HomeTeam),
                     static_cast<int>(game.AwayTeam));
    }
    return text;
}

Status CreateUploadFile(const League& league, const std::filesystem::path& path,
                        const UploadOptions& options) {
    if (!HasPlayedGames(league))
        return Status::Failure(kMsgNoGamesPlayed);
    Expected<AtomicFile> file = AtomicFile::Create(path);
    if (!file)
        return Status::Failure(kMsgUploadNotOpened);
    const std::string text = WriteUpdateText(league, options);
    if (Status st = file->Write(text); !st)
        return Status::Failure(std::string(kMsgUploadNotWritten) + ": " + st.Message);
    if (Status st = file->Commit(); !st)
        return Status::Failure(std::string(kMsgUploadNotWritten) + ": " + st.Message);
    return Status::Success();
}

} // namespace gorlin
