#include "core/edit/MissedPens.h"

#include "core/edit/EditStatus.h"
#include "core/edit/Games.h"
#include "core/engine/Standings.h"
#include "core/model/Dates.h"

#include <algorithm>

namespace gorlin {

namespace {

int PenCount(const League& league) {
    return std::min<int>(league.Head.MissedPenCount, kMaxMissedPens);
}

} // namespace

std::string MissedPensHeading(const League& league, int g, const Locale& locale) {
    if (!IsGame(league, g))
        return {};
    const int day = GameDay(league.Games[static_cast<std::size_t>(g)]);
    return GameTitle(league, g) + " (" + (day == 0 ? std::string() : FormatShortDate(day, locale)) + ")";
}

std::vector<MissedPenLine> MissedPenLines(const League& league, int g) {
    std::vector<MissedPenLine> lines;
    for (int i = 1; i <= PenCount(league); ++i) {
        const MissedPenRec& pen = league.MissedPens[static_cast<std::size_t>(i)];
        if (pen.Game == g)
            lines.push_back({i, PlayerName(league, pen.Player) + "(" + TeamName(league, pen.Team) + ") " +
                                    std::to_string(pen.Minute) + "m"});
    }
    return lines;
}

bool HasMissedPens(const League& league, int g) {
    for (int i = 1; i <= PenCount(league); ++i)
        if (league.MissedPens[static_cast<std::size_t>(i)].Game == g)
            return true;
    return false;
}

Expected<int> StoreMissedPen(League& league, int g, int pen, const MissedPenInput& input) {
    if (input.Player == 0)
        return BeepError();
    if (!IsGame(league, g) || pen < 0 || pen > PenCount(league))
        return Error{"Input is invalid, please correct"};
    const GameRec& game = league.Games[static_cast<std::size_t>(g)];
    const bool teamOk = input.Team != 0 && (input.Team == game.HomeTeam || input.Team == game.AwayTeam);
    // A record keeps its player even when he has moved to another team since.
    const bool kept = pen != 0 && league.MissedPens[static_cast<std::size_t>(pen)].Player == input.Player;
    const bool playerOk = input.Player >= 1 && input.Player <= league.Head.PlayerCount &&
                          static_cast<std::size_t>(input.Player) < league.Players.size() &&
                          (kept || league.Players[static_cast<std::size_t>(input.Player)].Team == input.Team);
    if (!teamOk || !playerOk || input.Minute < 0 || input.Minute > 130)
        return Error{"Input is invalid, please correct"};
    int index = pen;
    if (pen == 0) {
        if (PenCount(league) >= kMaxMissedPens)
            return Error{"No more missed penalties can be added to this league"};
        index = PenCount(league) + 1;
        league.Head.MissedPenCount = static_cast<u8>(index);
    }
    MissedPenRec& rec = league.MissedPens[static_cast<std::size_t>(index)];
    rec.Game = static_cast<u16>(g);
    rec.Player = static_cast<u16>(input.Player);
    rec.Team = static_cast<u8>(input.Team);
    rec.Minute = static_cast<u8>(input.Minute);
    league.DataChanged = true;
    return index;
}

bool DeleteMissedPen(League& league, int pen) {
    const int count = PenCount(league);
    if (pen < 1 || pen > count)
        return false;
    const auto first = league.MissedPens.begin();
    std::move(first + pen + 1, first + count + 1, first + pen);
    league.MissedPens[static_cast<std::size_t>(count)] = MissedPenRec{};
    league.Head.MissedPenCount = static_cast<u8>(count - 1);
    league.DataChanged = true;
    return true;
}

} // namespace gorlin
