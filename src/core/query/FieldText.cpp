#include "core/query/FieldText.h"

#include "core/engine/Standings.h"
#include "core/model/Dates.h"
#include "core/model/Text.h"

#include <charconv>
#include <cmath>

namespace gorlin {

namespace {

std::size_t At(int index) {
    return static_cast<std::size_t>(index);
}

std::string TeamName(const League& l, int team) {
    return team >= 0 && At(team) < l.Teams.size() ? l.Teams[At(team)].Name.str() : std::string();
}

const PlayerRec* PlayerOf(const League& l, int player) {
    return player >= 1 && player <= l.Head.PlayerCount && At(player) < l.Players.size()
               ? &l.Players[At(player)]
               : nullptr;
}

std::string CompName(const League& l, int comp) {
    return At(comp) < l.Comps.size() ? l.Comps[At(comp)].Name.str() : std::string();
}

std::string RefereeName(const League& l, int referee) {
    return referee >= 1 && At(referee) < l.Referees.size() ? l.Referees[At(referee)].Name.str()
                                                           : std::string();
}

std::string DateText(int day, const Locale& locale) {
    return day == 0 ? std::string() : FormatShortDate(day, locale);
}

std::string Whole(long long value) {
    return std::to_string(value);
}

std::string OptionalDecimal(const std::optional<double>& value, const Locale& locale) {
    return value ? FormatDecimal(*value, locale) : std::string();
}

double Ratio(long long numerator, long long denominator) {
    return denominator == 0 ? 0.0 : static_cast<double>(numerator) / static_cast<double>(denominator);
}

/// A decimal as FormatDecimal writes it, with the locale's thousands separator every three
/// digits of the whole part (a team's cost, which ReadDecimal reads back).
std::string GroupedDecimal(double value, const Locale& locale) {
    std::string text = FormatDecimal(value, locale);
    if (locale.ThousandSeparator == '\0')
        return text;
    const std::size_t first = text.front() == '-' ? 1 : 0;
    const std::size_t point = text.find(locale.DecimalSeparator, first);
    for (std::size_t at = (point == std::string::npos ? text.size() : point); at > first + 3; at -= 3)
        text.insert(at - 3, 1, locale.ThousandSeparator);
    return text;
}

std::string TeamText(const QuerySource& s, int id, const TeamRow& r) {
    const League& l = s.Model;
    const Locale& loc = s.Format.Conventions;
    const int adjust = At(r.Team) < l.Teams.size() ? l.Teams[At(r.Team)].PointsAdjust : 0;
    switch (id) {
    case 1:
        return TeamName(l, r.Team);
    case 2:
        return Whole(r.Played());
    case 3:
        return Whole(r.HomeWon + r.AwayWon);
    case 4:
        return Whole(r.HomeDrawn + r.AwayDrawn);
    case 5:
        return Whole(r.HomeLost + r.AwayLost);
    case 6:
        return Whole(r.For());
    case 7:
        return Whole(r.Against());
    case 8:
        return Whole(r.For() - r.Against());
    case 9:
        return Whole(r.HomePlayed);
    case 10:
        return Whole(r.HomeWon);
    case 11:
        return Whole(r.HomeDrawn);
    case 12:
        return Whole(r.HomeLost);
    case 13:
        return Whole(r.HomeFor);
    case 14:
        return Whole(r.HomeAgainst);
    case 15:
        return Whole(r.HomeFor - r.HomeAgainst);
    case 16:
        return Whole(r.AwayPlayed);
    case 17:
        return Whole(r.AwayWon);
    case 18:
        return Whole(r.AwayDrawn);
    case 19:
        return Whole(r.AwayLost);
    case 20:
        return Whole(r.AwayFor);
    case 21:
        return Whole(r.AwayAgainst);
    case 22:
        return Whole(r.AwayFor - r.AwayAgainst);
    case 23:
        return Whole(r.PossPoints);
    case 24:
        return Whole(adjust);
    case 25:
        return Whole(r.PointsEarned + adjust);
    case 26:
        return GroupThousands(r.CrowdGames == 0 ? 0 : r.TotCrowd / r.CrowdGames, loc);
    case 27:
        return GroupThousands(r.MaxCrowd, loc);
    case 28:
        return GroupThousands(r.MinCrowd, loc);
    case 29:
        return GroupThousands(r.TotCrowd, loc);
    case 30:
        return Whole(r.Yellows);
    case 31:
        return Whole(r.RedCards);
    case 32:
        return FormatDecimal(Ratio(r.Against(), r.Played()), loc);
    case 33:
        return FormatDecimal(Ratio(r.For(), r.Played()), loc);
    case 34:
        return FormatDecimal(Ratio(r.RatingTotal, r.Rated) / 10.0, loc);
    case 35:
        return Whole(r.ClnSheets);
    case 36:
        return GroupedDecimal(static_cast<double>(r.Cost), loc);
    case 37:
        return r.AgedPlayers == 0 ? std::string() : FormatDecimal(Ratio(r.AgeTotal, r.AgedPlayers), loc);
    case 38:
        return Whole(r.MissedPens);
    default:
        return {};
    }
}

std::string GameText(const QuerySource& s, int id, const GameRow& r) {
    const League& l = s.Model;
    const Locale& loc = s.Format.Conventions;
    const GameRec& g = l.Games[At(r.Game)];
    switch (id) {
    case 100:
        return GetYesNo(g.Comp != 0);
    case 101:
        return DateText(GameDay(g), loc);
    case 102:
        return TeamName(l, g.HomeTeam);
    case 103:
        return TeamName(l, g.AwayTeam);
    case 104:
        return Whole(g.HomeGoals);
    case 105:
        return Whole(g.AwayGoals);
    case 106:
        return Whole(g.Attendance);
    case 107:
        return GetYesNo(g.Outcome == 1);
    case 108:
        return GetYesNo(g.Outcome == 2);
    case 109:
        return GetYesNo(g.Outcome == 0);
    case 110:
        return Whole(g.HomeGoals + g.AwayGoals);
    case 111:
        return Whole(r.Yellows);
    case 112:
        return Whole(r.Reds);
    case 113:
        return CompName(l, g.Comp);
    case 114:
        return g.Comment.str();
    case 115:
        return RefereeName(l, g.Referee);
    case 116:
        return OptionalDecimal(r.HomeAge, loc);
    case 117:
        return OptionalDecimal(r.AwayAge, loc);
    case 118:
        return Whole(r.MissedPens);
    default:
        return {};
    }
}

std::string GoalText(const QuerySource& s, int id, const QueryGoalRow& r) {
    const League& l = s.Model;
    const GoalRec& goal = l.Goals[At(r.Goal)];
    const GameRec& g = l.Games[At(r.Game)];
    switch (id) {
    case 200:
        return GetYesNo(g.Comp != 0);
    case 201:
        return DateText(GameDay(g), s.Format.Conventions);
    case 202:
        return TeamName(l, g.HomeTeam);
    case 203:
        return TeamName(l, g.AwayTeam);
    case 204: {
        const PlayerRec* p = PlayerOf(l, goal.Scorer);
        return p ? p->Name.str() : std::string();
    }
    case 205:
        return TeamName(l, goal.TeamFor);
    case 206:
        return TeamName(l, r.Against);
    case 207:
        return Whole(goal.Minute);
    case 208:
        return GetYesNo(goal.Penalty != 0);
    case 209:
        return GetYesNo(goal.OwnGoal != 0);
    case 210:
        return Whole(g.HomeGoals);
    case 211:
        return Whole(g.AwayGoals);
    case 212:
        return GetYesNo(r.AwayGoal);
    case 213:
        return CompName(l, g.Comp);
    case 214:
        return RefereeName(l, g.Referee);
    default:
        return {};
    }
}

std::string PlayerText(const QuerySource& s, int id, const QueryPlayerRow& r) {
    const League& l = s.Model;
    const Locale& loc = s.Format.Conventions;
    const PlayerRec& p = l.Players[At(r.Player)];
    switch (id) {
    case 300:
        return p.Name.str();
    case 301:
        return TeamName(l, p.Team);
    case 302:
        return PositionName(p.Position, s.Format.Positions);
    case 303:
        return Whole(p.SquadNo);
    case 304:
        return Whole(r.LeagueGoals);
    case 305:
        return Whole(r.OwnGoals);
    case 306:
        return Whole(r.Penalties);
    case 307:
        return Whole(r.OtherGoals);
    case 308:
        return Whole(r.Yellows);
    case 309:
        return Whole(r.Reds);
    case 310:
        return Whole(r.Appear);
    case 311:
        return Whole(r.Started);
    case 312:
        return Whole(r.Sub);
    case 313:
        return Whole(r.Bench);
    case 314:
        return FormatDecimal(Ratio(r.RatingTotal, r.Rated) / 10.0, loc);
    case 315:
        return FormatDecimal(static_cast<double>(r.RatingTotal) / 10.0, loc);
    case 316:
        return Whole(r.CupGoals);
    case 317:
        return Whole(r.MinsPlay);
    case 318:
        return Whole(r.MissedPens);
    case 319:
        return Whole(r.TotalGoals());
    case 320:
        return DateText(p.BirthDate, loc);
    case 321:
        return Whole(r.Age);
    case 322:
        return ForeignText(p.Foreign);
    case 323:
        return GroupThousands(p.Cost, loc);
    case 324:
        return Whole(r.ClnSheets);
    case 325:
        return Whole(r.Substitutions);
    default:
        return {};
    }
}

std::string SquadText(const QuerySource& s, int id, const SquadRow& r) {
    const League& l = s.Model;
    const Locale& loc = s.Format.Conventions;
    const SquadRec& squad = l.Squads[At(r.Squad)];
    const SquadEntry& e = squad.Entries[r.Entry - 1];
    const GameRec& g = l.Games[squad.Game];
    const PlayerRec* p = PlayerOf(l, e.Player);
    switch (id) {
    case 400:
        return DateText(GameDay(g), loc);
    case 401:
        return TeamName(l, g.HomeTeam);
    case 402:
        return TeamName(l, g.AwayTeam);
    case 403:
        return TeamName(l, squad.Team);
    case 404:
        return TeamName(l, squad.Team == g.HomeTeam ? g.AwayTeam : g.HomeTeam);
    case 405:
        return p ? p->Name.str() : std::string();
    case 406:
        return p ? PositionName(p->Position, s.Format.Positions) : std::string();
    case 407:
        return Whole(p ? p->SquadNo : 0);
    case 408:
        return Whole(e.TimeOn);
    case 409:
        return Whole(e.TimeOff);
    case 410:
        return Whole(r.Goals);
    case 411:
        return Whole(r.OwnGoals);
    case 412:
        return e.TimeOn == 0 && e.TimeOff == 0 ? "Bench" : e.TimeOn > 0 ? "Sub" : "Started";
    case 413:
        return Whole((e.Yellow1 != 0 ? 1 : 0) + (e.Yellow2 != 0 ? 1 : 0));
    case 414:
        return GetYesNo(e.Red != 0);
    case 415:
        return RatingText(e.Rating, loc);
    case 416:
        return Whole(std::max(0, e.TimeOff - e.TimeOn));
    case 417:
        return RefereeName(l, g.Referee);
    case 418:
        return DateText(p ? p->BirthDate : 0, loc);
    case 419: {
        const int birth = p ? p->BirthDate : 0;
        const int day = GameDay(g);
        return Whole(birth != 0 && day != 0 ? AgeAt(birth, day) : 0);
    }
    case 420:
        return ForeignText(p ? p->Foreign : 0);
    case 421:
        return GroupThousands(p ? p->Cost : 0, loc);
    default:
        return {};
    }
}

} // namespace

std::string FormatDecimal(double value, const Locale& locale) {
    if (!std::isfinite(value))
        value = 0.0;
    // The shortest text that reads back as the value, so 2.125 and 9.995 round as written.
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
    const std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
    const bool negative = !sci.empty() && sci.front() == '-';
    const std::size_t e = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, e))
        if (c >= '0' && c <= '9')
            digits += c;
    int exponent = 0;
    std::string_view exp = sci.substr(e + 1);
    if (!exp.empty() && exp.front() == '+')
        exp.remove_prefix(1);
    std::from_chars(exp.data(), exp.data() + exp.size(), exponent);

    // The first digit stands for 10^exponent; keep three significant digits, at most two decimals.
    const int decimals = std::min(2, 2 - exponent);
    const int keep = exponent + 1 + decimals;
    long long kept = 0;
    if (value != 0.0 && keep >= 0) {
        for (int i = 0; i < keep; ++i)
            kept = kept * 10 + (At(i) < digits.size() ? digits[At(i)] - '0' : 0);
        if (At(keep) < digits.size() && digits[At(keep)] >= '5')
            ++kept;
    }
    // kept counts units of 10^-decimals; in hundredths that is kept followed by 2 - decimals zeros.
    std::string hundredths = std::to_string(kept);
    if (kept != 0)
        hundredths.append(At(2 - decimals), '0');
    if (hundredths.size() < 3)
        hundredths.insert(0, 3 - hundredths.size(), '0');
    std::string out = negative && kept != 0 ? "-" : "";
    out += hundredths.substr(0, hundredths.size() - 2);
    out += locale.DecimalSeparator;
    out += hundredths.substr(hundredths.size() - 2);
    return out;
}

std::string RatingText(int rating, const Locale& locale) {
    std::string out = std::to_string(rating / 10);
    if (rating % 10 != 0) {
        out += locale.DecimalSeparator;
        out += std::to_string(std::abs(rating % 10));
    }
    return out;
}

const char* GetYesNo(bool flag) {
    return flag ? "Y" : "N";
}

const char* ForeignText(u8 foreign) {
    return foreign >= 2 ? "Y" : foreign == 1 ? "N" : " ";
}

std::string PositionName(int position, const PositionNames& names) {
    if (position == 0)
        return "Not Specified";
    return position > 0 && At(position) < names.size() ? names[At(position)] : std::string();
}

long long ReadLenientWhole(std::string_view text) {
    constexpr long long kCap = 100'000'000'000'000'000LL; // 10^17: no further growth
    long long value = 0;
    bool negative = false;
    for (char c : text) {
        if (c == '-')
            negative = true;
        else if (c >= '0' && c <= '9' && value < kCap)
            value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

bool ThousandsGrouped(std::string_view text, char separator) {
    auto digit = [&](std::size_t i) { return i < text.size() && text[i] >= '0' && text[i] <= '9'; };
    for (std::size_t i = 0; separator != '\0' && i < text.size(); ++i)
        if (text[i] == separator && !(digit(i + 1) && digit(i + 2) && digit(i + 3) && !digit(i + 4)))
            return false;
    return true;
}

std::optional<double> ReadDecimal(std::string_view text, const Locale& locale) {
    if (!ThousandsGrouped(text, locale.ThousandSeparator))
        return std::nullopt;
    std::string plain;
    bool digit = false;
    bool point = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digit = true;
            plain += c;
        } else if (c == locale.DecimalSeparator && !point) {
            point = true;
            plain += '.';
        } else if (c == locale.ThousandSeparator && c != '\0' && digit && !point) {
            continue;
        } else if ((c == '-' || c == '+') && i == 0) {
            if (c == '-')
                plain += c;
        } else {
            return std::nullopt;
        }
    }
    if (!digit)
        return std::nullopt;
    double value = 0.0;
    const auto res =
        std::from_chars(plain.data(), plain.data() + plain.size(), value, std::chars_format::fixed);
    if (res.ec != std::errc{} || res.ptr != plain.data() + plain.size())
        return std::nullopt;
    return value;
}

std::string UpperText(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7))
            c = static_cast<char>(b - 0x20);
        else if (b == 0x9A || b == 0x9C || b == 0x9E)
            c = static_cast<char>(b - 0x10);
        else if (b == 0xFF)
            c = static_cast<char>(0x9F);
    }
    return out;
}

std::string GetData(const QuerySource& source, const QueryField& field, int row) {
    const QueryRows& rows = source.Rows;
    if (row < 0 || row >= rows.Count(field.Tab))
        return {};
    switch (field.Tab) {
    case kTabTeams:
        return TeamText(source, field.Id, rows.TeamRows[At(row)]);
    case kTabGames:
        return GameText(source, field.Id, rows.GameRows[At(row)]);
    case kTabGoals:
        return GoalText(source, field.Id, rows.GoalRows[At(row)]);
    case kTabPlayers:
        return PlayerText(source, field.Id, rows.PlayerRows[At(row)]);
    default:
        return SquadText(source, field.Id, rows.SquadRows[At(row)]);
    }
}

int GetDataDate(const QuerySource& source, const QueryField& field, int row) {
    const QueryRows& rows = source.Rows;
    const League& l = source.Model;
    if (field.Kind != FieldKind::Date || row < 0 || row >= rows.Count(field.Tab))
        return 0;
    switch (field.Id) {
    case 101:
        return GameDay(l.Games[At(rows.GameRows[At(row)].Game)]);
    case 201:
        return GameDay(l.Games[At(rows.GoalRows[At(row)].Game)]);
    case 400:
        return GameDay(l.Games[l.Squads[rows.SquadRows[At(row)].Squad].Game]);
    case 320:
        return l.Players[At(rows.PlayerRows[At(row)].Player)].BirthDate;
    case 418: {
        const SquadRow& r = rows.SquadRows[At(row)];
        const PlayerRec* p = PlayerOf(l, l.Squads[At(r.Squad)].Entries[r.Entry - 1].Player);
        return p ? p->BirthDate : 0;
    }
    default:
        return 0;
    }
}

} // namespace gorlin
