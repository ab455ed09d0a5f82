#include "support/FileBytes.h"

#include <cstring>

namespace gorlin::test {

ByteWriter& ByteWriter::Str(std::string_view text, int capacity) {
    const std::size_t n = std::min(text.size(), static_cast<std::size_t>(capacity));
    U8(static_cast<int>(n));
    Raw(text.data(), n);
    return Fill(static_cast<std::size_t>(capacity) - n);
}

ByteWriter& ByteWriter::Fill(std::size_t count, int value) {
    m_bytes.insert(m_bytes.end(), count, static_cast<std::uint8_t>(value));
    return *this;
}

ByteWriter& ByteWriter::Raw(const void* data, std::size_t size) {
    const auto* p = static_cast<const std::uint8_t*>(data);
    m_bytes.insert(m_bytes.end(), p, p + size);
    return *this;
}

std::size_t StoredHeaderSize(int version) {
    if (version >= 46)
        return 131;
    if (version >= 34)
        return 80;
    if (version >= 30)
        return 71;
    if (version >= 20)
        return 68;
    return 64;
}

void PutHeader(ByteWriter& w, const DivHead& head, int version) {
    ByteWriter all;
    all.Str("DIVHD", 5).U8(version).Str(head.TableName.view(), 30);
    all.U16(head.TeamCount).U16(head.GameCount).U16(head.GoalCount).U16(head.PlayerCount);
    all.U8(head.TrackGoals).U8(head.WinPoints).U8(head.Relegated).U8(head.Promoted).U8(head.OwnTeam);
    all.Str(head.SortRules.view(), 8).U8(head.PlayOffs).U8(head.CompCount).U16(head.CupGameCount); // 64
    all.U16(head.SquadCount).U8(head.TeamSize).U8(head.DrawPoints);                                // 68
    all.U16(head.OtherTeamCount).U8(head.GameType);                                                // 71
    all.U8(head.TeamSelCount).U8(head.RelPlayOffs).U8(head.RefereeCount).U8(head.LossPoints);
    all.U8(head.MissedPenCount).U8(head.HalfLength).U16(head.VersionId).U8(head.TimesToPlay); // 80
    all.Str(head.UpdateAddress.view(), 50);                                                   // 131
    w.Raw(all.Bytes().data(), StoredHeaderSize(version));
}

void PutTeam(ByteWriter& w, std::string_view name, int storedAdjust, int increment, int version) {
    if (version >= 44) {
        w.Str(name, 30).Put<std::int16_t>(static_cast<std::int16_t>(storedAdjust)).U8(increment);
        return;
    }
    w.Str(name, 33).Put<std::int16_t>(static_cast<std::int16_t>(storedAdjust));
    if (version >= 34)
        w.U8(increment);
}

void PutGame(ByteWriter& w, const GameRec& g, int version) {
    const bool current = version >= 44;
    if (!current)
        w.U8(0xEE).U8(0xEE); // two bytes the reader ignores
    w.U8(g.Played)
        .U8(g.HomeTeam)
        .U8(g.AwayTeam)
        .U8(g.HomeGoals)
        .U8(g.AwayGoals)
        .Put(g.Date)
        .Put(g.Attendance);
    if (version < 20)
        return;
    w.U8(g.Predicted).U16(g.HomeSquad).U16(g.AwaySquad);
    if (version < 30)
        return;
    w.U8(g.Comp).Str(g.Comment.view(), 50);
    if (version < 34)
        return;
    w.U8(g.Referee);
    if (current)
        w.U8(g.Awarded);
}

void PutPlayer(ByteWriter& w, const PlayerRec& p, int version) {
    w.Str(p.Name.view(), 20).U8(p.Team);
    if (version >= 44) {
        w.U8(p.Position).U8(p.SquadNo).U16(p.BirthDate).U8(p.Foreign).Put(p.Cost);
        return;
    }
    w.U8(0xEE);
    if (version >= 23)
        w.U8(p.Position).U8(p.SquadNo);
    if (version >= 25)
        w.U8(0xEE);
    if (version >= 43)
        w.U16(p.BirthDate).U8(p.Foreign).Put(p.Cost);
}

void PutSquad(ByteWriter& w, const SquadRec& s, int version) {
    w.U16(s.Game).U8(s.Team);
    const int entries = version >= 31 ? 18 : 16;
    for (int k = 0; k < entries; ++k) {
        const SquadEntry& e = s.Entries[k];
        w.U16(e.Player).U8(e.TimeOn).U8(e.TimeOff).U8(e.Yellow1).U8(e.Yellow2).U8(e.Red);
        if (version >= 30)
            w.U8(e.Rating);
    }
}

void PutTeamSel(ByteWriter& w, const TeamSelRec& sel, int version) {
    w.Str(sel.Name.view(), 20);
    const int members = version >= 46 ? 32 : version >= 42 ? 29 : 26;
    for (int i = 0; i < members; ++i)
        w.U8(sel.Member[i]);
}

std::vector<std::uint8_t> EncodeAs(const League& league, int version) {
    const DivHead& h = league.Head;
    ByteWriter w;
    PutHeader(w, h, version);
    const bool others = version >= 30;
    const int teams = h.TeamCount + (others ? h.OtherTeamCount : 0);
    for (int i = 1; i <= teams; ++i) {
        const TeamRec& t = league.Teams[static_cast<std::size_t>(i)];
        PutTeam(w, t.Name.view(), t.PointsAdjust, t.Increment, version);
    }
    const int games = h.GameCount + (others ? h.CupGameCount : 0);
    for (int i = 1; i <= games; ++i)
        PutGame(w, league.Games[static_cast<std::size_t>(i)], version);
    for (int i = 1; i <= h.GoalCount; ++i) {
        const GoalRec& g = league.Goals[static_cast<std::size_t>(i)];
        w.U16(g.Game).U16(g.TeamFor).U16(g.Scorer).U16(g.Minute).U8(g.OwnGoal).U8(g.Penalty);
    }
    for (int i = 1; i <= h.PlayerCount; ++i)
        PutPlayer(w, league.Players[static_cast<std::size_t>(i)], version);
    if (version >= 20)
        for (int i = 1; i <= h.SquadCount; ++i)
            PutSquad(w, league.Squads[static_cast<std::size_t>(i)], version);
    if (version >= 30)
        for (int i = 1; i <= h.CompCount; ++i)
            w.Str(league.Comps[static_cast<std::size_t>(i)].Name.view(), 30)
                .Str(league.Comps[static_cast<std::size_t>(i)].ShortName.view(), 4);
    if (version >= 34)
        for (int i = 1; i <= h.TeamSelCount; ++i)
            PutTeamSel(w, league.TeamSels[static_cast<std::size_t>(i)], version);
    if (version >= 40) {
        for (int i = 1; i <= h.RefereeCount; ++i)
            w.Str(league.Referees[static_cast<std::size_t>(i)].Name.view(), 20);
        for (int i = 1; i <= h.MissedPenCount; ++i) {
            const MissedPenRec& m = league.MissedPens[static_cast<std::size_t>(i)];
            w.U16(m.Game).U16(m.Player).U8(m.Team).U8(m.Minute);
        }
    }
    return w.Bytes();
}

} // namespace gorlin::test
