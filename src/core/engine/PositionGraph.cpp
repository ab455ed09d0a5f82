#include "core/engine/PositionGraph.h"

#include "core/engine/Standings.h"
#include "core/engine/StatsLookup.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace gorlin {

namespace {

int TeamLimit(const League& league) {
    return std::max(0, std::min({league.TeamCount(), kMaxTeams, static_cast<int>(league.Teams.size()) - 1}));
}

int GameLimit(const League& league) {
    return std::max(0, std::min(league.GameCount(), static_cast<int>(league.Games.size()) - 1));
}

int SidePoints(const DivHead& head, const GameRec& game, bool home) {
    switch (game.Outcome) {
    case 0:
        return head.DrawPoints;
    case 1:
        return home ? head.WinPoints : head.LossPoints;
    case 2:
        return home ? head.LossPoints : head.WinPoints;
    default:
        return 0;
    }
}

int GamePoints(const DivHead& head, const GameRec& game, int team) {
    return SidePoints(head, game, game.HomeTeam == team);
}

/// A team's games played and points over the played league games dated up to `today`, counted
/// as the standings count them (each side of a game, PointsAdjust included).
std::pair<int, int> PlayedAndPoints(const League& league, int team, int today) {
    int played = 0;
    int points = league.Teams[static_cast<std::size_t>(team)].PointsAdjust;
    const int games = GameLimit(league);
    for (int i = 1; i <= games; ++i) {
        const GameRec& game = league.Games[static_cast<std::size_t>(i)];
        const int day = GameDay(game);
        if (!game.Played || day < 0 || day > today)
            continue;
        if (game.HomeTeam == team) {
            ++played;
            points += SidePoints(league.Head, game, true);
        }
        if (game.AwayTeam == team) {
            ++played;
            points += SidePoints(league.Head, game, false);
        }
    }
    return {played, points};
}

int PositionOf(const Standings& s, int team) {
    for (int p = 1; p <= s.TableSize && p <= kMaxTeams; ++p)
        if (s.TableOrder[static_cast<std::size_t>(p)] == team)
            return p;
    return 0;
}

int TeamAt(const Standings& s, int position) {
    if (position < 1 || position > s.TableSize || position > kMaxTeams)
        return 0;
    return s.TableOrder[static_cast<std::size_t>(position)];
}

std::string HoverText(const League& league, const GraphGame& g, int teamCount, const Locale& locale) {
    const GameRec& game = league.Games[static_cast<std::size_t>(g.Game)];
    std::string text = " " + DateText(g.Date, locale);
    text.append(" ")
        .append(TeamName(league, game.HomeTeam))
        .append(" ")
        .append(std::to_string(game.HomeGoals));
    text.append(" ")
        .append(TeamName(league, game.AwayTeam))
        .append(" ")
        .append(std::to_string(game.AwayGoals));
    text.append(" (").append(std::to_string(g.Total)).append(g.Total == 1 ? "pt" : "pts");
    text.append(" - ").append(PositionText(g.Position, teamCount)).append(") ");
    return text;
}

} // namespace

std::string PositionText(int position, int teamCount) {
    if (position == 1)
        return "Top";
    if (position == teamCount)
        return "Bottom";
    const char* ending = "th";
    if (position % 100 < 11 || position % 100 > 13) {
        switch (position % 10) {
        case 1:
            ending = "st";
            break;
        case 2:
            ending = "nd";
            break;
        case 3:
            ending = "rd";
            break;
        default:
            break;
        }
    }
    return std::to_string(position) + ending;
}

std::array<Colour, 5> SlotColours(const GraphSeries& series, bool printing, bool bars) {
    std::array<Colour, 5> c = {kBlack, kBlue, kYellow, kRed, kWhite};
    if (printing)
        c[4] = bars || series.Shown == 1 ? kSilver : kGreen;
    if (series.Shown > 1 && series.OwnTeam != 0) {
        for (std::size_t s = 1; s <= 4; ++s) {
            if (series.Slots[s].Team != series.OwnTeam)
                continue;
            for (std::size_t o = 1; o <= 4; ++o)
                if (o != s && c[o] == series.OwnTeamColour) {
                    c[o] = c[s];
                    break;
                }
            c[s] = series.OwnTeamColour;
            break;
        }
    }
    return c;
}

GraphSeries BuildGraph(const League& league, int team, int type, int today, Colour ownTeamColour,
                       const Locale& locale) {
    GraphSeries g;
    const DivHead& head = league.Head;
    const int teams = TeamLimit(league);
    g.Team = team;
    g.Type = type;
    g.Caption = "Points Progress for " + std::string(TeamName(league, team));
    g.TeamCount = teams;
    g.SeasonGames = teams > 0 ? head.GameCount * 2 / teams : 0;
    g.DrawPoints = head.DrawPoints;
    g.LossPoints = head.LossPoints;
    g.OwnTeam = head.OwnTeam;
    g.OwnTeamColour = ownTeamColour;
    g.StyleEnabled = type != kPointsProgress;

    const int chosen = team >= 1 && team <= teams ? team : 0;
    std::array<int, 5> slots{};
    if (type == kTopComparison || type == kBottomComparison) {
        FillTableArgs upToToday;
        upToToday.IgnoreSelection = true;
        upToToday.ToDate = today;
        const Standings table = FillTable(league, upToToday);
        ++g.TablesComputed;
        const int first = type == kTopComparison ? 1 : table.TableSize - 2;
        for (int s = 1; s <= 3; ++s)
            slots[static_cast<std::size_t>(s)] = TeamAt(table, first + s - 1);
        if (std::find(slots.begin() + 1, slots.begin() + 4, chosen) == slots.begin() + 4)
            slots[4] = chosen;
    } else {
        slots[1] = chosen;
    }

    const int games = GameLimit(league);
    for (std::size_t s = 1; s <= 4; ++s) {
        const int t = slots[s];
        if (t == 0)
            continue;
        GraphSlot& slot = g.Slots[s];
        slot.Team = t;
        slot.Name = std::string(TeamName(league, t));
        std::tie(slot.Played, slot.Points) = PlayedAndPoints(league, t, today);
        ++g.Shown;
        g.MostPlayed = std::max(g.MostPlayed, slot.Played);

        std::vector<int> list;
        for (int i = 1; i <= games; ++i) {
            const GameRec& game = league.Games[static_cast<std::size_t>(i)];
            if (game.Played && (game.HomeTeam == t || game.AwayTeam == t))
                list.push_back(i);
        }
        std::stable_sort(list.begin(), list.end(), [&](int a, int b) {
            return GameDay(league.Games[static_cast<std::size_t>(a)]) <
                   GameDay(league.Games[static_cast<std::size_t>(b)]);
        });
        const std::size_t count = std::min(list.size(), static_cast<std::size_t>(slot.Played));
        int total = league.Teams[static_cast<std::size_t>(t)].PointsAdjust;
        for (std::size_t k = 0; k < count; ++k) {
            const GameRec& game = league.Games[static_cast<std::size_t>(list[k])];
            GraphGame gg;
            gg.Game = list[k];
            gg.Date = GameDay(game);
            gg.Points = GamePoints(head, game, t);
            total += gg.Points;
            gg.Total = total;
            slot.Games.push_back(gg);
        }
    }
    int most = g.Shown == 1 ? 30 : 3;
    for (std::size_t s = 1; s <= 4; ++s)
        if (g.Slots[s].Team != 0)
            most = std::max(most, g.Slots[s].Points);
    g.MostPoints = most;

    const std::array<Colour, 5> colours = SlotColours(g, false, true);
    for (std::size_t s = 1; s <= 4; ++s)
        g.Slots[s].ScreenColour = colours[s];

    if (g.Shown == 1) {
        g.Hovering = true;
        for (GraphSlot& slot : g.Slots) {
            if (slot.Team == 0)
                continue;
            // The games are in date order: one table per distinct date.
            int tableDate = -1;
            int position = 0;
            for (GraphGame& gg : slot.Games) {
                if (gg.Date != tableDate) {
                    FillTableArgs upToGame;
                    upToGame.IgnoreSelection = true;
                    upToGame.ToDate = gg.Date;
                    position = PositionOf(FillTable(league, upToGame), slot.Team);
                    ++g.TablesComputed;
                    tableDate = gg.Date;
                }
                gg.Position = position;
                gg.Hover = HoverText(league, gg, teams, locale);
            }
        }
    }
    return g;
}

std::vector<Shape> DrawLegend(const GraphSeries& series, const std::array<Colour, 5>& colours, int left,
                              int top, bool printing, const TextMeasure& measure) {
    struct Item {
        Colour Pen;
        std::string Text;
    };
    std::vector<Item> items;
    if (series.Shown == 1) {
        items = {{kYellow, "League Position"}, {kBlue, "Win"}, {colours[4], "Draw"}, {kRed, "Loss"}};
    } else {
        for (std::size_t s = 1; s <= 4; ++s)
            if (series.Slots[s].Team != 0)
                items.push_back({colours[s], series.Slots[s].Name});
    }
    const int points = printing ? 10 : 7;
    const int lineHeight = measure.Height(points) + 2;
    constexpr int kSample = 20;
    int textWidth = 0;
    for (const Item& item : items)
        textWidth = std::max(textWidth, measure.Width(item.Text, points));
    const int right = left + 4 + kSample + 4 + textWidth + 4;
    const int bottom = top + 4 + lineHeight * static_cast<int>(items.size());

    std::vector<Shape> shapes;
    shapes.push_back(Shape::MakeRect(left, top, right, bottom, printing ? kWhite : kButtonFace));
    const int width = printing ? 4 : 2;
    int y = top + 2;
    for (const Item& item : items) {
        const int middle = y + lineHeight / 2;
        shapes.push_back(Shape::MakeLine(left + 4, middle, left + 4 + kSample, middle, item.Pen, width));
        shapes.push_back(
            Shape::MakeText(left + 8 + kSample, y, right - 4, y + lineHeight, item.Text, points));
        y += lineHeight;
    }
    return shapes;
}

GraphPicture PaintGraph(const GraphSeries& series, const GraphPaintArgs& args, const TextMeasure& measure) {
    GraphPicture pic;
    std::vector<Shape>& out = pic.Shapes;
    int areaLeft = 0;
    int areaTop = 0;
    int areaWidth = args.Width;
    int areaHeight = args.Height;
    if (args.Printing) {
        const int titleHeight = measure.Height(14);
        if (!args.Title.empty())
            out.push_back(
                Shape::MakeText(0, 0, args.Width, titleHeight, args.Title, 14, kBlack, TextAlign::Centre));
        areaTop = titleHeight * 3 / 2;
        areaHeight -= areaTop;
        areaLeft = args.Width / 20;
        areaWidth -= 2 * areaLeft;
    }
    const int n = series.Shown;
    if (n == 0)
        return pic;
    const bool one = n == 1;
    const int most = std::max(1, series.MostPlayed);
    const int usable = std::max(0, areaWidth - 20);
    int unit = 0;
    int columns = 0; // plot width in units
    if (one) {
        // Games in a season, never fewer than the team has played (and never a division by 0).
        columns = std::max(series.SeasonGames, most);
    } else if (!args.Bars) {
        columns = most;
    } else {
        const int groups = most > 30 ? most / 2 + 1 : most;
        columns = (n + 1) * groups;
    }
    unit = usable / columns;
    const int points = std::max(1, series.MostPoints);
    const int vUnit = std::max(0, areaHeight - 30) / points;
    const int plotWidth = columns * unit;
    const int plotHeight = points * vUnit;
    const int rUnit = series.TeamCount > 0 ? std::max(0, plotHeight - 10) / series.TeamCount : 0;
    const int left = areaLeft + (areaWidth - plotWidth) / 2;
    const int top = areaTop + (areaHeight - plotHeight) / 2;
    const int right = left + plotWidth;
    const int bottom = top + plotHeight;
    pic.PlotLeft = left;
    pic.PlotTop = top;
    pic.PlotRight = right;
    pic.PlotBottom = bottom;
    pic.Unit = unit;

    const std::array<Colour, 5> colours = SlotColours(series, args.Printing, args.Bars);
    const int lineWidth = args.Printing ? 4 : 2;
    const int legendPoints = args.Printing ? 10 : 7;
    const int diameter = std::min(unit, measure.Width("W", legendPoints));
    auto circleTop = [&](int position) { return bottom - (series.TeamCount - position) * rUnit - unit / 2; };

    out.push_back(Shape::MakeLine(left, top, left, bottom));
    out.push_back(Shape::MakeLine(left, bottom, right, bottom));
    if (one) {
        out.push_back(Shape::MakeLine(right, top, right, bottom));
        for (int p = 1; p <= series.TeamCount; ++p) {
            const int y = circleTop(p) + diameter / 2;
            out.push_back(Shape::MakeLine(left - (p % 2 ? 2 : 4), y, left, y));
        }
        for (int pt = 1; pt <= points; ++pt) {
            const int y = bottom - pt * vUnit;
            out.push_back(Shape::MakeLine(right, y, right + (pt % 5 == 0 ? 4 : 2), y));
        }
    } else {
        for (int pt = 5; pt <= points; pt += 5)
            out.push_back(Shape::MakeLine(left, bottom - pt * vUnit, right, bottom - pt * vUnit));
    }

    for (std::size_t s = 1; s <= 4; ++s) {
        const GraphSlot& slot = series.Slots[s];
        if (slot.Team == 0)
            continue;
        const int count = static_cast<int>(slot.Games.size());
        if (!args.Bars) {
            int x0 = left;
            int y0 = bottom;
            for (int k = 1; k <= count; ++k) {
                const int total = slot.Games[static_cast<std::size_t>(k - 1)].Total;
                if (total <= 0)
                    continue;
                const int x = left + k * unit;
                const int y = bottom - total * vUnit;
                out.push_back(Shape::MakeLine(x0, y0, x, y, colours[s], lineWidth));
                x0 = x;
                y0 = y;
            }
        } else if (one) {
            for (int k = 1; k <= count; ++k) {
                const GraphGame& gg = slot.Games[static_cast<std::size_t>(k - 1)];
                if (gg.Total <= 0)
                    continue;
                Colour fill = kBlue;
                if (gg.Points == series.LossPoints)
                    fill = kRed;
                else if (gg.Points == series.DrawPoints)
                    fill = colours[4];
                const int x = left + (k - 1) * unit;
                out.push_back(Shape::MakeRect(x, bottom - gg.Total * vUnit, x + unit, bottom, fill));
            }
        } else {
            int j = 0;
            for (int k = 1; k <= count; ++k) {
                if (most > 30 && k % 2 == 0 && k != count)
                    continue;
                ++j;
                const int total = slot.Games[static_cast<std::size_t>(k - 1)].Total;
                if (total <= 0)
                    continue;
                const int x = left + (j - 1) * unit * (n + 1) + static_cast<int>(s - 1) * unit;
                out.push_back(Shape::MakeRect(x, bottom - total * vUnit, x + unit, bottom, colours[s]));
            }
        }
    }

    if (one) {
        for (const GraphSlot& slot : series.Slots) {
            if (slot.Team == 0)
                continue;
            std::vector<Shape> circles;
            int k = 0;
            int previousX = 0;
            int previousY = 0;
            for (const GraphGame& gg : slot.Games) {
                ++k;
                const int x = left + (k - 1) * unit + unit / 2;
                const int y = circleTop(gg.Position);
                const int cx = x - diameter / 2;
                circles.push_back(Shape::MakeEllipse(cx, y, cx + diameter, y + diameter, kYellow));
                const int centreY = y + diameter / 2;
                if (k > 1)
                    out.push_back(Shape::MakeLine(previousX, previousY, x, centreY, kBlack, lineWidth));
                previousX = x;
                previousY = centreY;
            }
            out.insert(out.end(), circles.begin(), circles.end());
            pic.HoverGames = series.Hovering ? k : 0;
        }
    }

    const std::vector<Shape> legend = DrawLegend(series, colours, left + 2, top + 2, args.Printing, measure);
    out.insert(out.end(), legend.begin(), legend.end());
    return pic;
}

const GraphGame* GraphGameAt(const GraphSeries& series, const GraphPicture& picture, int x, int y) {
    if (picture.HoverGames <= 0 || picture.Unit <= 0)
        return nullptr;
    if (x < picture.PlotLeft || x >= picture.PlotRight || y < picture.PlotTop || y > picture.PlotBottom)
        return nullptr;
    const int k = (x - picture.PlotLeft) / picture.Unit + 1;
    if (k > picture.HoverGames)
        return nullptr;
    for (const GraphSlot& slot : series.Slots)
        if (slot.Team != 0 && k <= static_cast<int>(slot.Games.size()))
            return &slot.Games[static_cast<std::size_t>(k - 1)];
    return nullptr;
}

} // namespace gorlin
