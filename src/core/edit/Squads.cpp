#include "core/edit/Squads.h"

#include "core/edit/EditStatus.h"
#include "core/edit/Games.h"
#include "core/engine/Standings.h"
#include "core/model/Dates.h"
#include "core/model/Text.h"

#include <algorithm>

namespace gorlin {

namespace {

constexpr int kMaxMinute = 120;
constexpr int kMaxRating = 100;
constexpr int kFullTime = 90; // time off of an entry given only a time on
constexpr int kUnusedOrder = 200;
constexpr int kNoPositionOrder = 99;

bool IsEmpty(const SquadEntry& entry) {
    return entry.Player == 0;
}

bool Unused(const SquadEntry& entry) {
    return !IsEmpty(entry) && entry.TimeOn == 0 && entry.TimeOff == 0;
}

const PlayerRec* PlayerOf(const League& league, int p) {
    if (p < 1 || p > league.Head.PlayerCount || static_cast<std::size_t>(p) >= league.Players.size())
        return nullptr;
    return &league.Players[static_cast<std::size_t>(p)];
}

} // namespace

MemberInput TickSecondYellow(MemberInput input) {
    input.Yellow2 = true;
    input.Yellow1 = true;
    input.Red = true;
    return input;
}

std::optional<int> ParseRating(std::string_view text, const Locale& locale) {
    text = Trim(text);
    std::size_t i = 0;
    int whole = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9' && whole <= kMaxRating)
        whole = whole * 10 + (text[i++] - '0');
    if (i == 0)
        return std::nullopt;
    int tenths = 0;
    if (i < text.size() && (text[i] == '.' || text[i] == locale.DecimalSeparator)) {
        ++i;
        if (i < text.size() && text[i] >= '0' && text[i] <= '9')
            tenths = text[i++] - '0';
    }
    if (i != text.size())
        return std::nullopt;
    const int rating = whole * 10 + tenths;
    if (whole > kMaxRating || rating > kMaxRating)
        return std::nullopt;
    return rating;
}

std::string FormatRating(int tenths, const Locale& locale) {
    std::string text = std::to_string(tenths / 10);
    if (tenths % 10 != 0) {
        text += locale.DecimalSeparator;
        text += static_cast<char>('0' + tenths % 10);
    }
    return text;
}

std::array<std::string, 8> SquadRowCells(const League& league, const SquadEntry& entry,
                                         const Locale& locale) {
    std::array<std::string, 8> cells;
    if (IsEmpty(entry))
        return cells;
    if (const PlayerRec* player = PlayerOf(league, entry.Player)) {
        if (player->SquadNo != 0)
            cells[0] = std::to_string(player->SquadNo);
        cells[1] = player->Name.str();
    }
    cells[2] = FormatRating(std::min<int>(entry.Rating, kMaxRating), locale);
    cells[3] = std::to_string(entry.TimeOn);
    cells[4] = std::to_string(entry.TimeOff);
    cells[5] = entry.Yellow1 != 0 ? "Y" : "";
    cells[6] = entry.Yellow2 != 0 ? "Y" : "";
    cells[7] = entry.Red != 0 ? "Y" : "";
    return cells;
}

SquadEditor::SquadEditor(League& league, int g) : m_league(league) {
    if (!IsGame(league, g))
        return;
    m_game = g;
    for (SquadSide side : {SquadSide::Home, SquadSide::Away}) {
        const int s = SquadLink(side);
        if (s != 0)
            std::copy(std::begin(league.Squads[static_cast<std::size_t>(s)].Entries),
                      std::end(league.Squads[static_cast<std::size_t>(s)].Entries),
                      m_work[Index(side)].begin());
    }
}

int SquadEditor::SquadLink(SquadSide side) const {
    if (m_game == 0)
        return 0;
    const GameRec& game = m_league.Games[static_cast<std::size_t>(m_game)];
    const int s = side == SquadSide::Home ? game.HomeSquad : game.AwaySquad;
    const bool valid =
        s >= 1 && s <= m_league.Head.SquadCount && static_cast<std::size_t>(s) < m_league.Squads.size();
    return valid ? s : 0;
}

std::string SquadEditor::Caption(const Locale& locale) const {
    if (m_game == 0)
        return {};
    const GameRec& game = m_league.Games[static_cast<std::size_t>(m_game)];
    const int day = GameDay(game);
    return "Squad for " + TeamName(m_league, game.HomeTeam) + " v " + TeamName(m_league, game.AwayTeam) +
           " (" + (day == 0 ? std::string() : FormatShortDate(day, locale)) + ")";
}

SquadSide SquadEditor::InitialSide() const {
    const int own = m_league.Head.OwnTeam;
    return own != 0 && own == TeamOf(SquadSide::Away) ? SquadSide::Away : SquadSide::Home;
}

int SquadEditor::TeamOf(SquadSide side) const {
    if (m_game == 0)
        return 0;
    const GameRec& game = m_league.Games[static_cast<std::size_t>(m_game)];
    return side == SquadSide::Home ? game.HomeTeam : game.AwayTeam;
}

int SquadEditor::StarterTimeOff() const {
    return std::min(2 * m_league.Head.HalfLength, kMaxMinute);
}

bool SquadEditor::Filled(SquadSide side, int entry) const {
    return ValidEntry(entry) && !IsEmpty(m_work[Index(side)][static_cast<std::size_t>(entry - 1)]);
}

SquadEntry SquadEditor::Fresh(int player, int entry) const {
    SquadEntry fresh{};
    fresh.Player = static_cast<u16>(player);
    fresh.TimeOff = static_cast<u8>(entry <= m_league.Head.TeamSize ? StarterTimeOff() : 0);
    return fresh;
}

int SquadEditor::FirstEmpty(SquadSide side) const {
    for (int k = 1; k <= kSquadEntries; ++k)
        if (IsEmpty(m_work[Index(side)][static_cast<std::size_t>(k - 1)]))
            return k;
    return 0;
}

bool SquadEditor::InSquad(SquadSide side, int player) const {
    return std::any_of(m_work[Index(side)].begin(), m_work[Index(side)].end(),
                       [player](const SquadEntry& e) { return e.Player == player; });
}

bool SquadEditor::Available(SquadSide side, int player) const {
    const PlayerRec* rec = PlayerOf(m_league, player);
    return m_game != 0 && rec != nullptr && rec->Team == TeamOf(side) && !InSquad(side, player);
}

std::vector<int> SquadEditor::AvailablePlayers(SquadSide side) const {
    std::vector<int> players;
    if (m_game == 0)
        return players;
    const int count = std::min<int>(m_league.Head.PlayerCount, static_cast<int>(m_league.Players.size()) - 1);
    for (int p = 1; p <= count; ++p)
        if (Available(side, p))
            players.push_back(p);
    std::stable_sort(players.begin(), players.end(), [this](int a, int b) {
        return m_league.Players[static_cast<std::size_t>(a)].Name.view() <
               m_league.Players[static_cast<std::size_t>(b)].Name.view();
    });
    return players;
}

bool SquadEditor::Add(SquadSide side, int player) {
    const int entry = FirstEmpty(side);
    if (entry == 0 || !Available(side, player))
        return false;
    m_work[Index(side)][static_cast<std::size_t>(entry - 1)] = Fresh(player, entry);
    m_changed = true;
    return true;
}

bool SquadEditor::Remove(SquadSide side, int entry) {
    if (!Filled(side, entry))
        return false;
    WorkSquad& squad = m_work[Index(side)];
    std::move(squad.begin() + entry, squad.end(), squad.begin() + entry - 1);
    squad.back() = SquadEntry{};
    m_changed = true;
    return true;
}

bool SquadEditor::Swap(SquadSide side, int entry, int player) {
    if (!Filled(side, entry) || !Available(side, player))
        return false;
    m_work[Index(side)][static_cast<std::size_t>(entry - 1)] = Fresh(player, entry);
    m_changed = true;
    return true;
}

bool SquadEditor::ToggleYellow(SquadSide side, int entry) {
    if (!Filled(side, entry))
        return false;
    SquadEntry& e = m_work[Index(side)][static_cast<std::size_t>(entry - 1)];
    e.Yellow1 = e.Yellow1 != 0 ? 0 : 1;
    m_changed = true;
    return true;
}

std::optional<MemberInput> SquadEditor::Member(SquadSide side, int entry) const {
    if (!Filled(side, entry))
        return std::nullopt;
    const SquadEntry& e = m_work[Index(side)][static_cast<std::size_t>(entry - 1)];
    return MemberInput{e.TimeOn,       e.TimeOff,  e.Yellow1 != 0,
                       e.Yellow2 != 0, e.Red != 0, std::min<int>(e.Rating, kMaxRating)};
}

bool SquadEditor::UpdateMember(SquadSide side, int entry, const MemberInput& input) {
    const auto inRange = [](int v, int hi) { return v >= 0 && v <= hi; };
    if (!Filled(side, entry) || !inRange(input.TimeOn, kMaxMinute) || !inRange(input.TimeOff, kMaxMinute) ||
        !inRange(input.Rating, kMaxRating))
        return false;
    SquadEntry& e = m_work[Index(side)][static_cast<std::size_t>(entry - 1)];
    e.TimeOn = static_cast<u8>(input.TimeOn);
    e.TimeOff = static_cast<u8>(input.TimeOn != 0 && input.TimeOff == 0 ? kFullTime : input.TimeOff);
    e.Yellow1 = input.Yellow1 ? 1 : 0;
    e.Yellow2 = input.Yellow2 ? 1 : 0;
    e.Red = input.Red ? 1 : 0;
    e.Rating = static_cast<u8>(input.Rating);
    m_changed = true;
    return true;
}

Expected<SubstituteChoices> SquadEditor::SubstituteChoicesFor(SquadSide side, int entry) const {
    if (!Filled(side, entry))
        return BeepError();
    const WorkSquad& squad = m_work[Index(side)];
    SubstituteChoices choices;
    choices.Caption =
        "Assign Substitute for " + PlayerName(m_league, squad[static_cast<std::size_t>(entry - 1)].Player);
    for (int k = 1; k <= kSquadEntries; ++k)
        if (k != entry && Unused(squad[static_cast<std::size_t>(k - 1)]))
            choices.Players.push_back(squad[static_cast<std::size_t>(k - 1)].Player);
    if (!choices.Players.empty())
        return choices;
    if (FirstEmpty(side) == 0)
        return Error{"All the substitutes have been assigned"};
    choices.FromSquad = false;
    choices.Players = AvailablePlayers(side);
    return choices;
}

Status SquadEditor::Substitute(SquadSide side, int entry, int player, int minute) {
    if (!Filled(side, entry))
        return Beep();
    if (player == 0 || minute == 0)
        return Status::Failure("You have not selected a substitute");
    if (minute < 0 || minute > kMaxMinute)
        return Status::Failure("Input is invalid, please correct");
    WorkSquad& squad = m_work[Index(side)];
    int target = 0;
    for (int k = 1; k <= kSquadEntries && target == 0; ++k)
        if (k != entry && squad[static_cast<std::size_t>(k - 1)].Player == player &&
            Unused(squad[static_cast<std::size_t>(k - 1)]))
            target = k;
    if (target == 0 && Available(side, player))
        target = FirstEmpty(side);
    if (target == 0)
        return Status::Failure("You have not selected a substitute");
    SquadEntry sub{};
    sub.Player = static_cast<u16>(player);
    sub.TimeOn = static_cast<u8>(minute);
    sub.TimeOff = static_cast<u8>(std::max(StarterTimeOff(), minute));
    squad[static_cast<std::size_t>(target - 1)] = sub;
    squad[static_cast<std::size_t>(entry - 1)].TimeOff = static_cast<u8>(minute);
    m_changed = true;
    return Status::Success();
}

int SquadEditor::CloneSource(SquadSide side) const {
    if (m_game == 0)
        return 0;
    const int team = TeamOf(side);
    const int day = GameDay(m_league.Games[static_cast<std::size_t>(m_game)]);
    const int last = std::min<int>(m_league.GameCount(), static_cast<int>(m_league.Games.size()) - 1);
    int best = 0;
    int bestDay = 0;
    for (int g = 1; g <= last; ++g) {
        const GameRec& game = m_league.Games[static_cast<std::size_t>(g)];
        const int gameDay = GameDay(game);
        if (g == m_game || game.Played == 0 || gameDay >= day || (best != 0 && gameDay < bestDay))
            continue;
        const int s = game.HomeTeam == team ? game.HomeSquad : (game.AwayTeam == team ? game.AwaySquad : 0);
        if (s < 1 || s > m_league.Head.SquadCount || static_cast<std::size_t>(s) >= m_league.Squads.size())
            continue;
        const SquadRec& squad = m_league.Squads[static_cast<std::size_t>(s)];
        if (std::any_of(std::begin(squad.Entries), std::end(squad.Entries),
                        [](const SquadEntry& e) { return !IsEmpty(e); })) {
            best = s;
            bestDay = gameDay;
        }
    }
    return best;
}

bool SquadEditor::CanClone(SquadSide side) const {
    return std::all_of(m_work[Index(side)].begin(), m_work[Index(side)].end(), IsEmpty) &&
           CloneSource(side) != 0;
}

bool SquadEditor::Clone(SquadSide side) {
    if (!CanClone(side))
        return false;
    const SquadRec& source = m_league.Squads[static_cast<std::size_t>(CloneSource(side))];
    WorkSquad& squad = m_work[Index(side)];
    for (std::size_t k = 0; k < squad.size(); ++k) {
        const SquadEntry& from = source.Entries[k];
        SquadEntry copy{};
        copy.Player = from.Player;
        if (!IsEmpty(from) && from.TimeOn == 0 && from.TimeOff != 0)
            copy.TimeOff = static_cast<u8>(StarterTimeOff());
        squad[k] = copy;
    }
    m_changed = true;
    return true;
}

std::vector<int> SquadEditor::DisplayOrder(SquadSide side, bool sorted) const {
    std::vector<int> order;
    const WorkSquad& squad = m_work[Index(side)];
    for (int k = 1; k <= kSquadEntries; ++k)
        if (!sorted || !IsEmpty(squad[static_cast<std::size_t>(k - 1)]))
            order.push_back(k);
    if (!sorted)
        return order;
    const auto timeKey = [&squad](int k) {
        const SquadEntry& e = squad[static_cast<std::size_t>(k - 1)];
        return e.TimeOn == 0 && e.TimeOff == 0 ? kUnusedOrder : static_cast<int>(e.TimeOn);
    };
    const auto player = [this, &squad](int k) {
        return PlayerOf(m_league, squad[static_cast<std::size_t>(k - 1)].Player);
    };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        if (timeKey(a) != timeKey(b))
            return timeKey(a) < timeKey(b);
        const PlayerRec* pa = player(a);
        const PlayerRec* pb = player(b);
        if (pa == nullptr || pb == nullptr)
            return pa != nullptr && pb == nullptr;
        const int posA = pa->Position == 0 ? kNoPositionOrder : pa->Position;
        const int posB = pb->Position == 0 ? kNoPositionOrder : pb->Position;
        if (posA != posB)
            return posA < posB;
        if (pa->SquadNo != pb->SquadNo)
            return pa->SquadNo < pb->SquadNo;
        return CompareNoCase(pa->Name.view(), pb->Name.view()) < 0;
    });
    for (int k = 1; k <= kSquadEntries; ++k)
        if (IsEmpty(squad[static_cast<std::size_t>(k - 1)]))
            order.push_back(k);
    return order;
}

Status SquadEditor::Ok() {
    if (!m_changed || m_game == 0)
        return Status::Success();
    const auto hasPlayers = [this](SquadSide side) {
        return std::any_of(m_work[Index(side)].begin(), m_work[Index(side)].end(),
                           [](const SquadEntry& e) { return !IsEmpty(e); });
    };
    int needed = 0;
    for (SquadSide side : {SquadSide::Home, SquadSide::Away})
        needed += hasPlayers(side) && SquadLink(side) == 0 ? 1 : 0;
    if (m_league.Head.SquadCount + needed > kMaxGrowableCount)
        return Status::Failure("No more squads can be added to this league");
    for (SquadSide side : {SquadSide::Home, SquadSide::Away}) {
        int s = SquadLink(side);
        if (s == 0 && hasPlayers(side)) {
            s = m_league.Head.SquadCount + 1;
            GrowTo(m_league.Squads, static_cast<std::size_t>(s), 32);
            m_league.Squads[static_cast<std::size_t>(s)] = SquadRec{};
            m_league.Squads[static_cast<std::size_t>(s)].Game = static_cast<u16>(m_game);
            m_league.Squads[static_cast<std::size_t>(s)].Team = static_cast<u8>(TeamOf(side));
            m_league.Head.SquadCount = static_cast<u16>(s);
            GameRec& game = m_league.Games[static_cast<std::size_t>(m_game)];
            if (side == SquadSide::Home)
                game.HomeSquad = static_cast<u16>(s);
            else
                game.AwaySquad = static_cast<u16>(s);
        }
        if (s != 0)
            std::copy(m_work[Index(side)].begin(), m_work[Index(side)].end(),
                      std::begin(m_league.Squads[static_cast<std::size_t>(s)].Entries));
    }
    m_league.DataChanged = true;
    m_changed = false;
    return Status::Success();
}

} // namespace gorlin
