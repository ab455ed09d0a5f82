#include "core/update/ProcessUpdate.h"

#include "core/edit/Games.h"
#include "core/model/Dates.h"
#include "core/update/FieldSplitter.h"
#include "core/update/NamesMatch.h"
#include "core/update/UpdateWriter.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>

namespace gorlin {

namespace {

constexpr std::uint32_t kByte = 0xFF;
constexpr std::uint32_t kWord = 0xFFFF;
constexpr std::uint32_t kLong = 0xFFFFFFFF;
/// Names the league holds are this long; update names are cut to it before matching, so the
/// player or referee an update added is found again by the next update.
constexpr std::size_t kNameLength = 20;

std::size_t At(int index) {
    return static_cast<std::size_t>(index);
}

/// A field of plain decimal digits no larger than max; nullopt for anything else.
std::optional<std::uint32_t> Digits(std::string_view field, std::uint32_t max) {
    if (field.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : field) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > max)
            return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

/// Reads the numeric fields of one record; any failure marks the record damaged.
class RecordReader {
public:
    explicit RecordReader(std::string_view line) : m_fields(SplitFields(line)) {}

    int Number(int n, std::uint32_t max) {
        const auto value = m_fields.Has(n) ? Digits(m_fields.Field(n), max) : std::nullopt;
        m_ok = m_ok && value.has_value();
        return value ? static_cast<int>(*value) : 0;
    }
    std::uint32_t Unsigned(int n) {
        const auto value = m_fields.Has(n) ? Digits(m_fields.Field(n), kLong) : std::nullopt;
        m_ok = m_ok && value.has_value();
        return value.value_or(0);
    }
    /// A number that must lie in lo..hi.
    int Between(int n, int lo, int hi) {
        const int value = Number(n, kLong >> 1);
        m_ok = m_ok && value >= lo && value <= hi;
        return value;
    }
    /// A flag: exactly "1" is true; the field must be there.
    bool Flag(int n) {
        m_ok = m_ok && m_fields.Has(n);
        return m_fields.Field(n) == "1";
    }
    std::string Text(int n) {
        m_ok = m_ok && m_fields.Has(n);
        return std::string(m_fields.Field(n));
    }
    void Require(bool condition) { m_ok = m_ok && condition; }
    bool Ok() const { return m_ok; }

private:
    LineFields m_fields;
    bool m_ok = true;
};

struct UpdateReferee {
    std::string Name;
    int Match = 0;
    bool Damaged = false;
};

struct UpdatePlayer {
    std::string Name;
    int Team = 0;
    int Position = 0;
    int SquadNo = 0;
    int Match = 0;
    bool Damaged = false;
};

struct GoalValues {
    int Team = 0;
    int Scorer = 0;
    int Minute = 0;
    bool Penalty = false;
    bool OwnGoal = false;
};

class Processor {
public:
    Processor(League& league, const UpdateOptions& options, UpdateCounts& counts)
        : m_league(league), m_options(options), m_counts(counts) {
        m_goalsOf.resize(At(league.AllGameCount()) + 1);
        const int goals = std::min<int>(league.Head.GoalCount, static_cast<int>(league.Goals.size()) - 1);
        for (int i = 1; i <= goals; ++i)
            if (const int g = league.Goals[At(i)].Game; g >= 1 && At(g) < m_goalsOf.size())
                m_goalsOf[At(g)].push_back(i);
        m_maxDay = static_cast<std::uint32_t>(ToDayNumber(9999, 12, 31));
    }

    void Run(const std::vector<std::string>& lines);
    bool Changed() const { return m_changed; }

private:
    void ReadReferee(const std::string& line);
    void ReadPlayer(const std::string& line);
    int ProcessResult(const std::vector<std::string>& lines, std::size_t at);
    void FillKnownResult(const std::vector<std::string>& lines, std::size_t at, int g, int referee,
                         std::uint32_t attendance);
    std::optional<GoalValues> ReadGoal(std::string_view line, int g);
    void ProcessGoal(const std::string& line);
    void ProcessSquad(const std::string& line);
    void ProcessTransfer(const std::string& line);
    void ProcessMiss(const std::string& line);
    void ProcessFixture(const std::string& line);
    int AddReferee(int r);
    int AddPlayer(int p);

    GameRec& Game(int g) { return m_league.Games[At(g)]; }
    bool IsLeagueTeam(int t) const { return t >= 1 && t <= m_league.TeamCount(); }
    bool IsSide(int g, int t) const {
        const GameRec& game = m_league.Games[At(g)];
        return t != 0 && (t == game.HomeTeam || t == game.AwayTeam);
    }
    void Skip() { ++m_counts.RecordsSkipped; }
    /// The new value of a field, noting a change when it differs from the current one.
    template <typename T> T Update(T current, long long value) {
        if (static_cast<long long>(current) != value)
            m_changed = true;
        return static_cast<T>(value);
    }

    League& m_league;
    const UpdateOptions& m_options;
    UpdateCounts& m_counts;
    std::vector<UpdateReferee> m_referees; // update number n is [n - 1]
    std::vector<UpdatePlayer> m_players;
    std::vector<std::vector<int>> m_goalsOf; // goals of each game, in Goals order
    int m_current = 0;
    bool m_changed = false;
    std::uint32_t m_maxDay = 0;
};

void Processor::Run(const std::vector<std::string>& lines) {
    for (std::size_t i = 2; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.empty())
            continue;
        switch (line.front()) {
        case 'O':
            if (m_options.Referees)
                ReadReferee(line);
            break;
        case 'P':
            if (m_options.Players)
                ReadPlayer(line);
            break;
        case 'R':
            m_current = ProcessResult(lines, i);
            break;
        case 'G':
            ProcessGoal(line);
            break;
        case 'S':
            ProcessSquad(line);
            break;
        case 'T':
            ProcessTransfer(line);
            break;
        case 'M':
            ProcessMiss(line);
            break;
        case 'F':
            ProcessFixture(line);
            break;
        default:
            break;
        }
    }
}

void Processor::ReadReferee(const std::string& line) {
    UpdateReferee referee;
    std::string_view name = line.size() > 2 ? std::string_view(line).substr(2, 40) : std::string_view();
    name = Trim(name);
    referee.Name = std::string(name.substr(0, kNameLength));
    referee.Damaged = referee.Name.empty();
    if (referee.Damaged)
        Skip();
    m_referees.push_back(std::move(referee));
}

void Processor::ReadPlayer(const std::string& line) {
    RecordReader r(line);
    UpdatePlayer player;
    player.Team = r.Between(2, 0, m_league.TeamCount());
    player.Name = r.Text(3).substr(0, kNameLength);
    player.Position = r.Number(4, kByte);
    player.SquadNo = r.Number(5, kByte);
    r.Require(!player.Name.empty());
    if (player.Position > 9)
        player.Position = 0;
    player.Damaged = !r.Ok();
    if (player.Damaged)
        Skip();
    m_players.push_back(std::move(player));
}

int Processor::ProcessResult(const std::vector<std::string>& lines, std::size_t at) {
    RecordReader r(lines[at]);
    const int day = r.Number(2, m_maxDay);
    const int home = r.Between(3, 1, m_league.TeamCount());
    const int away = r.Between(4, 1, m_league.TeamCount());
    const int homeGoals = r.Number(5, kByte);
    const int awayGoals = r.Number(6, kByte);
    const std::uint32_t attendance = r.Unsigned(7);
    const int referee = r.Number(8, kByte);
    const int awarded = r.Number(9, kByte);
    r.Require(home != away);
    if (!r.Ok()) {
        Skip();
        return 0;
    }
    const int count = m_league.GameCount();
    auto teams = [&](const GameRec& game) { return game.HomeTeam == home && game.AwayTeam == away; };

    for (int g = 1; g <= count; ++g) {
        const GameRec& game = m_league.Games[At(g)];
        if (game.Played != 0 && teams(game) && WholeDay(game.Date) == day) {
            if (game.HomeGoals == homeGoals && game.AwayGoals == awayGoals)
                FillKnownResult(lines, at, g, referee, attendance);
            return 0;
        }
    }

    int fixture = 0;
    for (int pass = 0; pass < 3 && fixture == 0; ++pass)
        for (int g = 1; g <= count && fixture == 0; ++g) {
            const GameRec& game = m_league.Games[At(g)];
            if (game.Played == 0 && teams(game) &&
                (pass == 2 || WholeDay(game.Date) == (pass == 0 ? day : 0)))
                fixture = g;
        }
    int g = fixture;
    if (fixture != 0) {
        ++m_counts.FixturesCompleted;
    } else if (m_league.Head.TimesToPlay != 0) {
        ++m_counts.ResultsNotApplied;
        return 0;
    } else {
        const Expected<int> inserted = InsertGame(m_league, 0);
        if (!inserted) {
            ++m_counts.ResultsNotApplied;
            return 0;
        }
        g = *inserted;
        m_goalsOf.insert(m_goalsOf.begin() + static_cast<std::ptrdiff_t>(std::min(At(g), m_goalsOf.size())),
                         std::vector<int>{});
        Game(g).HomeTeam = static_cast<u8>(home);
        Game(g).AwayTeam = static_cast<u8>(away);
        ++m_counts.ResultsAdded;
    }
    GameRec& game = Game(g);
    game.Played = 1;
    game.Date = day;
    game.HomeGoals = static_cast<u8>(homeGoals);
    game.AwayGoals = static_cast<u8>(awayGoals);
    game.Attendance = attendance;
    game.Awarded = static_cast<u8>(awarded == 1 || awarded == 2 ? awarded : 0);
    if (referee != 0)
        game.Referee = static_cast<u8>(AddReferee(referee));
    m_changed = true;
    return g;
}

void Processor::FillKnownResult(const std::vector<std::string>& lines, std::size_t at, int g, int referee,
                                std::uint32_t attendance) {
    const bool before = m_changed;
    m_changed = false;
    if (Game(g).Referee == 0 && referee != 0)
        Game(g).Referee = Update(Game(g).Referee, AddReferee(referee));
    if (Game(g).Attendance == 0 && attendance >= 1)
        Game(g).Attendance = Update(Game(g).Attendance, attendance);
    const std::vector<int>& goals = m_goalsOf[At(g)];
    const int total = Game(g).HomeGoals + Game(g).AwayGoals;
    const auto unknown = std::count_if(goals.begin(), goals.end(),
                                       [this](int i) { return m_league.Goals[At(i)].Scorer == 0; });
    if (total != 0 && unknown == total && at + goals.size() < lines.size()) {
        std::vector<GoalValues> values;
        for (std::size_t k = 1; k <= goals.size(); ++k) {
            const std::string& line = lines[at + k];
            std::optional<GoalValues> v =
                line.empty() || line.front() != 'G' ? std::nullopt : ReadGoal(line, g);
            if (!v)
                break;
            values.push_back(*v);
        }
        if (values.size() == goals.size())
            for (std::size_t k = 0; k < goals.size(); ++k) {
                GoalRec& goal = m_league.Goals[At(goals[k])];
                goal.TeamFor = Update(goal.TeamFor, values[k].Team);
                goal.Scorer = Update(goal.Scorer, AddPlayer(values[k].Scorer));
                goal.Minute = Update(goal.Minute, values[k].Minute);
                goal.Penalty = Update(goal.Penalty, values[k].Penalty ? 1 : 0);
                goal.OwnGoal = Update(goal.OwnGoal, values[k].OwnGoal ? 1 : 0);
            }
    }
    if (m_changed)
        ++m_counts.ResultsFilled;
    m_changed = m_changed || before;
}

std::optional<GoalValues> Processor::ReadGoal(std::string_view line, int g) {
    RecordReader r(line);
    GoalValues v;
    v.Team = r.Number(2, kWord);
    v.Scorer = r.Number(3, kWord);
    v.Minute = r.Number(4, kWord);
    v.Penalty = r.Flag(5);
    v.OwnGoal = r.Flag(6);
    r.Require(IsSide(g, v.Team));
    if (!r.Ok())
        return std::nullopt;
    return v;
}

void Processor::ProcessGoal(const std::string& line) {
    if (m_current == 0)
        return;
    const std::optional<GoalValues> v = ReadGoal(line, m_current);
    if (!v) {
        Skip();
        return;
    }
    if (!AddGoal(m_league, m_current, v->Team, AddPlayer(v->Scorer), v->Minute, v->OwnGoal, v->Penalty))
        return;
    m_goalsOf[At(m_current)].push_back(m_league.Head.GoalCount);
    m_changed = true;
    ++m_counts.GoalsAdded;
}

void Processor::ProcessSquad(const std::string& line) {
    if (m_current == 0 || !m_options.Squads)
        return;
    RecordReader r(line);
    const int team = r.Number(2, kByte);
    const int number = r.Number(3, kWord);
    SquadEntry entry{};
    entry.TimeOn = static_cast<u8>(r.Number(4, kByte));
    entry.TimeOff = static_cast<u8>(r.Number(5, kByte));
    entry.Yellow1 = r.Flag(6) ? 1 : 0;
    entry.Yellow2 = r.Flag(7) ? 1 : 0;
    entry.Red = r.Flag(8) ? 1 : 0;
    entry.Rating = static_cast<u8>(r.Number(9, kByte));
    r.Require(IsSide(m_current, team));
    if (!r.Ok()) {
        Skip();
        return;
    }
    const int player = AddPlayer(number);
    if (player == 0)
        return;
    GameRec& game = Game(m_current);
    const bool home = game.HomeTeam == team;
    int s = home ? game.HomeSquad : game.AwaySquad;
    if (s < 1 || s > m_league.Head.SquadCount || At(s) >= m_league.Squads.size()) {
        if (m_league.Head.SquadCount >= kMaxGrowableCount)
            return;
        s = m_league.Head.SquadCount + 1;
        GrowTo(m_league.Squads, At(s));
        m_league.Squads[At(s)] = SquadRec{};
        m_league.Squads[At(s)].Game = static_cast<u16>(m_current);
        m_league.Squads[At(s)].Team = static_cast<u8>(team);
        m_league.Head.SquadCount = static_cast<u16>(s);
        if (home)
            game.HomeSquad = static_cast<u16>(s);
        else
            game.AwaySquad = static_cast<u16>(s);
        m_changed = true;
    }
    SquadRec& squad = m_league.Squads[At(s)];
    // A deleted player leaves an empty entry anywhere in a squad: look at every entry for the
    // player before filling the first empty one.
    for (const SquadEntry& e : squad.Entries)
        if (e.Player == player)
            return;
    for (SquadEntry& e : squad.Entries)
        if (e.Player == 0) {
            entry.Player = static_cast<u16>(player);
            e = entry;
            m_changed = true;
            ++m_counts.SquadEntriesAdded;
            return;
        }
}

void Processor::ProcessTransfer(const std::string& line) {
    if (!m_options.Players)
        return;
    RecordReader r(line);
    const int number = r.Number(2, kWord);
    const int team = r.Between(3, 0, m_league.TeamCount());
    if (!r.Ok()) {
        Skip();
        return;
    }
    if (number < 1 || At(number) > m_players.size() || m_players[At(number - 1)].Damaged)
        return;
    UpdatePlayer& update = m_players[At(number - 1)];
    if (m_current == 0) {
        update.Team = team;
        return;
    }
    const int player = AddPlayer(number);
    if (player == 0 || team == update.Team)
        return;
    update.Team = team;
    if (m_league.Players[At(player)].Team != team) {
        m_league.Players[At(player)].Team = static_cast<u8>(team);
        m_changed = true;
        ++m_counts.Transfers;
    }
}

void Processor::ProcessMiss(const std::string& line) {
    if (!m_options.Players || m_current == 0)
        return;
    RecordReader r(line);
    const int team = r.Number(2, kByte);
    const int number = r.Number(3, kWord);
    const int minute = r.Number(4, kByte);
    r.Require(IsSide(m_current, team));
    if (!r.Ok()) {
        Skip();
        return;
    }
    const int player = AddPlayer(number);
    if (player == 0)
        return;
    const int count = std::min<int>(m_league.Head.MissedPenCount, kMaxMissedPens);
    for (int i = 1; i <= count; ++i) {
        const MissedPenRec& pen = m_league.MissedPens[At(i)];
        if (pen.Game == m_current && pen.Team == team && pen.Player == player && pen.Minute >= minute - 5 &&
            pen.Minute <= minute + 5)
            return;
    }
    if (count >= kMaxMissedPens)
        return;
    MissedPenRec& pen = m_league.MissedPens[At(count + 1)];
    pen = MissedPenRec{static_cast<u16>(m_current), static_cast<u16>(player), static_cast<u8>(team),
                       static_cast<u8>(minute)};
    m_league.Head.MissedPenCount = static_cast<u8>(count + 1);
    m_changed = true;
    ++m_counts.MissedPensAdded;
}

void Processor::ProcessFixture(const std::string& line) {
    RecordReader r(line);
    const int day = r.Number(2, m_maxDay);
    const int home = r.Between(3, 1, m_league.TeamCount());
    const int away = r.Between(4, 1, m_league.TeamCount());
    r.Require(home != away);
    if (!r.Ok()) {
        Skip();
        return;
    }
    const int count = m_league.GameCount();
    int undated = 0;
    for (int g = 1; g <= count; ++g) {
        const GameRec& game = m_league.Games[At(g)];
        if (game.HomeTeam != home || game.AwayTeam != away)
            continue;
        const long long date = WholeDay(game.Date);
        if (date == day)
            return;
        if (date == 0 && undated == 0)
            undated = g;
    }
    if (undated == 0)
        return;
    Game(undated).Date = day;
    m_changed = true;
    ++m_counts.FixturesDated;
}

int Processor::AddReferee(int r) {
    if (r == 0 || !m_options.Referees || At(r) > m_referees.size())
        return 0;
    UpdateReferee& referee = m_referees[At(r - 1)];
    if (referee.Damaged)
        return 0;
    if (referee.Match != 0)
        return referee.Match;
    const int count = std::min<int>(m_league.Head.RefereeCount, kMaxReferees);
    for (int i = 1; i <= count; ++i)
        if (NamesMatch(referee.Name, m_league.Referees[At(i)].Name.view()))
            return referee.Match = i;
    if (count >= kMaxReferees)
        return 0;
    m_league.Referees[At(count + 1)].Name = referee.Name;
    m_league.Head.RefereeCount = static_cast<u8>(count + 1);
    m_changed = true;
    ++m_counts.RefereesAdded;
    return referee.Match = count + 1;
}

int Processor::AddPlayer(int p) {
    if (p == 0 || !m_options.Players || At(p) > m_players.size())
        return 0;
    UpdatePlayer& update = m_players[At(p - 1)];
    if (update.Damaged)
        return 0;
    if (update.Match != 0)
        return update.Match;
    const int count = std::min<int>(m_league.Head.PlayerCount, static_cast<int>(m_league.Players.size()) - 1);
    for (int i = 1; i <= count; ++i) {
        PlayerRec& player = m_league.Players[At(i)];
        if (player.Team != update.Team || !NamesMatch(update.Name, player.Name.view()))
            continue;
        if (player.Position == 0)
            player.Position = Update(player.Position, update.Position);
        if (player.SquadNo == 0)
            player.SquadNo = Update(player.SquadNo, update.SquadNo);
        return update.Match = i;
    }
    if (count >= kMaxPlayers)
        return 0;
    GrowTo(m_league.Players, At(count + 1));
    PlayerRec& player = m_league.Players[At(count + 1)];
    player = PlayerRec{};
    player.Name = update.Name;
    player.Team = static_cast<u8>(update.Team);
    player.Position = static_cast<u8>(update.Position);
    player.SquadNo = static_cast<u8>(update.SquadNo);
    m_league.Head.PlayerCount = static_cast<u16>(count + 1);
    m_changed = true;
    ++m_counts.PlayersAdded;
    return update.Match = count + 1;
}

/// The header's refusal, or nullptr when it is accepted.
const char* CheckHeader(const std::vector<std::string>& lines, int versionId) {
    const std::string_view first = lines.empty() ? std::string_view() : std::string_view(lines[0]);
    if (first.substr(0, 13) != kUpdateSignature)
        return kMsgUpdateNotFormatted;
    const std::string_view second = lines.size() < 2 ? std::string_view() : std::string_view(lines[1]);
    const std::string_view label = kUpdateVersionLabel;
    if (first.substr(0, 17) != kUpdateHeader || second.substr(0, label.size()) != label ||
        second.substr(label.size(), 4) != UpdateFileName(versionId).substr(4, 4))
        return kMsgUpdateNotCompatible;
    return nullptr;
}

} // namespace

std::string UpdateReport::FinalStatus() const {
    for (auto it = Messages.rbegin(); it != Messages.rend(); ++it)
        if (it->Type == UpdateMessage::Status)
            return it->Text;
    return {};
}

UpdateReport ProcessUpdate(League& league, const std::vector<std::string>& lines,
                           const UpdateOptions& options) {
    UpdateReport report;
    report.Messages.push_back({UpdateMessage::Status, kMsgUpdateInProgress});
    if (const char* refusal = CheckHeader(lines, league.Head.VersionId)) {
        report.Messages.push_back(
            {UpdateMessage::ErrorBox, std::string(refusal) + "\n\n" + kMsgUpdateCancelled});
        report.Messages.push_back({UpdateMessage::Status, kMsgUpdateCancelled});
        return report;
    }
    report.Accepted = true;
    League copy = league;
    Processor processor(copy, options, report.Counts);
    processor.Run(lines);
    report.Changed = processor.Changed();
    if (report.Changed) {
        UpdateGameEx(copy, 0);
        copy.DataChanged = true;
        league = std::move(copy);
    }
    report.Messages.push_back(
        {UpdateMessage::Status, report.Changed ? kMsgUpdateComplete : kMsgUpdateNoChanges});
    return report;
}

} // namespace gorlin
