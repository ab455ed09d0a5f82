#include "core/edit/Players.h"

#include "core/model/Dates.h"
#include "core/model/Text.h"

#include <algorithm>

namespace gorlin {

namespace {

constexpr int kMaxPositions = 9;
constexpr int kMaxSquadNo = 99;

} // namespace

std::vector<int> TeamPlayers(const League& league, int t) {
    std::vector<int> players;
    const int count = std::min<int>(league.Head.PlayerCount, static_cast<int>(league.Players.size()) - 1);
    for (int p = 1; p <= count; ++p)
        if (league.Players[static_cast<std::size_t>(p)].Team == t)
            players.push_back(p);
    std::stable_sort(players.begin(), players.end(), [&league](int a, int b) {
        return league.Players[static_cast<std::size_t>(a)].Name.view() <
               league.Players[static_cast<std::size_t>(b)].Name.view();
    });
    return players;
}

PlayerInput PlayerInputOf(const League& league, int p, const Locale& locale) {
    PlayerInput input;
    if (p < 1 || p > league.Head.PlayerCount || static_cast<std::size_t>(p) >= league.Players.size())
        return input;
    const PlayerRec& rec = league.Players[static_cast<std::size_t>(p)];
    input.Name = rec.Name.str();
    input.Team = rec.Team;
    input.Position = rec.Position;
    input.SquadNo = rec.SquadNo;
    const int birth = rec.BirthDate;
    input.BirthDate = birth == 0 ? std::string() : FormatShortDate(birth, locale);
    input.Foreign = rec.Foreign;
    const u32 cost = rec.Cost;
    input.Cost = cost == 0 ? std::string() : std::to_string(cost);
    return input;
}

u32 ParseCost(std::string_view text) {
    unsigned long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            continue;
        value = value * 10 + static_cast<unsigned>(c - '0');
        if (value > 0xFFFFFFFFull)
            return 0xFFFFFFFFu;
    }
    return static_cast<u32>(value);
}

Expected<int> StorePlayer(League& league, int p, const PlayerInput& input, const Locale& locale) {
    const bool adding = p == 0;
    if (!adding &&
        (p < 0 || p > league.Head.PlayerCount || static_cast<std::size_t>(p) >= league.Players.size()))
        return Error{"Input is invalid, please correct"};
    PString<20> name;
    name = input.Name;
    if (input.Team < 0 || input.Team > league.AllTeamCount() || Trim(name.view()).empty())
        return Error{"You must enter a Name and select a team"};
    const int count = std::min<int>(league.Head.PlayerCount, static_cast<int>(league.Players.size()) - 1);
    for (int other = 1; other <= count; ++other) {
        const PlayerRec& rec = league.Players[static_cast<std::size_t>(other)];
        if (other != p && rec.Team == input.Team && CompareNoCase(rec.Name.view(), name.view()) == 0)
            return Error{"A player with the name " + input.Name + " already exists for this team"};
    }
    if (input.SquadNo > 0)
        for (int other = 1; other <= count; ++other) {
            const PlayerRec& rec = league.Players[static_cast<std::size_t>(other)];
            if (other != p && rec.Team == input.Team && rec.SquadNo == input.SquadNo)
                return Error{"The specified squad number has already been assigned to " + rec.Name.str()};
        }
    int birth = 0;
    if (!Trim(input.BirthDate).empty()) {
        const auto day = ParseShortDate(Trim(input.BirthDate), locale);
        if (!day || *day < 1 || *day > 0xFFFF)
            return Error{"The Date of Birth is not a valid date"};
        birth = *day;
    }
    PlayerRec rec{};
    rec.Name = name.view();
    rec.Team = static_cast<u8>(input.Team);
    rec.Position = static_cast<u8>(std::clamp(input.Position, 0, kMaxPositions));
    rec.SquadNo = static_cast<u8>(std::clamp(input.SquadNo, 0, kMaxSquadNo));
    rec.BirthDate = static_cast<u16>(birth);
    rec.Foreign = static_cast<u8>(std::clamp(input.Foreign, 0, 2));
    rec.Cost = ParseCost(input.Cost);
    if (adding)
        return AppendPlayer(league, rec);
    league.Players[static_cast<std::size_t>(p)] = rec;
    league.DataChanged = true;
    return p;
}

Expected<int> AppendPlayer(League& league, const PlayerRec& player) {
    if (Trim(player.Name.view()).empty())
        return Error{"You must enter a Name and select a team"};
    if (league.Head.PlayerCount >= kMaxPlayers)
        return Error{"No more players can be added to this league"};
    const int index = league.Head.PlayerCount + 1;
    GrowTo(league.Players, static_cast<std::size_t>(index), 33);
    league.Players[static_cast<std::size_t>(index)] = player;
    league.Head.PlayerCount = static_cast<u16>(index);
    league.DataChanged = true;
    return index;
}

} // namespace gorlin
