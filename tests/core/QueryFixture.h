#pragma once

// A small league that gives every query tab something to show: a league game with goals,
// squads, cards, ratings and a missed penalty, a 3-3 draw, an unplayed fixture and a cup game
// against a team outside the league.

#include "core/app/Settings.h"
#include "core/model/Dates.h"
#include "core/query/FieldText.h"
#include "core/query/QueryRows.h"
#include "support/LeagueBuilder.h"

#include <string>

namespace gorlin::test {

struct QueryLeague {
    League Model;
    QueryFormat Format;
    QueryRows Rows;
    int G1 = 0, G2 = 0, G3 = 0;
    int Muller = 0, Keeper = 0, Smith = 0, Jones = 0, Brown = 0, Green = 0;

    /// Rebuilds the rows under a game filter.
    void Filter(int gameType) {
        Model.Head.GameType = static_cast<u8>(gameType);
        Rows = BuildData(Model, Format.Conventions.Today);
    }
    QuerySource Source() const { return {Model, Rows, Format}; }
    /// The text of field `id` in row `row` of the field's tab.
    std::string Cell(int id, int row) const {
        return GetData(Source(), *FindField(id < 100 ? 0 : id / 100, id), row);
    }
};

inline SquadEntry Entry(int player, int on, int off, int yellow = 0, int red = 0, int rating = 0) {
    SquadEntry e{};
    e.Player = static_cast<u16>(player);
    e.TimeOn = static_cast<u8>(on);
    e.TimeOff = static_cast<u8>(off);
    e.Yellow1 = static_cast<u8>(yellow);
    e.Red = static_cast<u8>(red);
    e.Rating = static_cast<u8>(rating);
    return e;
}

inline PlayerRec Person(const std::string& name, int team, int position, int birth = 0, int foreign = 0,
                        u32 cost = 0) {
    PlayerRec p{};
    p.Name = name;
    p.Team = static_cast<u8>(team);
    p.Position = static_cast<u8>(position);
    p.BirthDate = static_cast<u16>(birth);
    p.Foreign = static_cast<u8>(foreign);
    p.Cost = cost;
    return p;
}

/// Teams 1 Rovers, 2 Albion (3 points deducted), 3 City, 4 Athletic (not in the league); today is
/// 14/06/2020, the day before Müller's 30th birthday; position 4 is called "Striker".
inline QueryLeague MakeQueryLeague(int gameType = 1) {
    LeagueBuilder b;
    b.Teams({"Rovers", "Albion", "City"}).OtherTeams({"Athletic"}).Comp("FA Cup", "FAC");
    const int taylor = b.Referee("Taylor");
    QueryLeague q;
    q.G1 = b.Played(1, 2, 3, 1, ToDayNumber(2019, 1, 5));
    q.G2 = b.Played(2, 3, 3, 3, ToDayNumber(2019, 2, 10));
    b.Fixture(3, 1, ToDayNumber(2019, 3, 1));
    q.G3 = b.CupGame(1, 4, 2, 0, ToDayNumber(2019, 1, 20));
    League& l = b.Get();
    l.Teams[2].PointsAdjust = -3;
    l.Games[static_cast<std::size_t>(q.G1)].Attendance = 12345;
    l.Games[static_cast<std::size_t>(q.G1)].Referee = static_cast<u8>(taylor);

    q.Muller = b.Player(Person("M\xFCller", 1, 4, ToDayNumber(1990, 6, 15), 2, 1234567));
    q.Keeper = b.Player(Person("Keeper", 1, 1, 0, 1));
    q.Smith = b.Player(Person("Smith", 2, 3)); // scored for Rovers before he moved
    q.Jones = b.Player(Person("Jones", 2, 2, 0, 1, 4000000000u));
    q.Brown = b.Player(Person("Brown", 1, 3));
    q.Green = b.Player(Person("Green", 1, 0));

    b.Goal(q.G1, 1, q.Muller, 10);
    b.Goal(q.G1, 1, q.Muller, 50, false, true);
    b.Goal(q.G1, 1, q.Smith, 70);
    b.Goal(q.G1, 2, q.Keeper, 80, true);
    b.Goal(q.G3, 1, q.Muller, 30);
    b.Goal(q.G3, 1, 0, 60);

    b.Squad(q.G1, 1,
            {Entry(q.Keeper, 0, 90, 0, 0, 70), Entry(q.Muller, 0, 75, 1, 0, 75), Entry(q.Smith, 60, 90),
             Entry(q.Brown, 46, 80), Entry(q.Green, 0, 0)});
    b.Squad(q.G1, 2, {Entry(q.Jones, 0, 90, 0, 1, 65)});
    b.Squad(q.G3, 1, {Entry(q.Keeper, 0, 90)});
    b.MissedPen(q.G1, q.Jones, 2, 30);

    q.Model = b.Build();
    q.Format.Conventions.Today = ToDayNumber(2020, 6, 14);
    q.Format.Positions = Settings{}.Positions;
    q.Format.Positions[4] = "Striker";
    q.Filter(gameType);
    return q;
}

} // namespace gorlin::test
