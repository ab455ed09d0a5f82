#include "core/engine/TeamCharts.h"

#include <algorithm>

namespace gorlin {

namespace {

constexpr long long kFar = 1 << 30;

Shape Line(int x1, int y1, int x2, int y2) {
    return Shape::MakeLine(x1, y1, x2, y2);
}

} // namespace

std::vector<Shape> PointsGraph(const PointsChartData& chart, int width, int height) {
    std::vector<Shape> shapes;
    if (!chart.Shown || width <= 0 || height <= 0)
        return shapes;
    // With no league game or no points above 0 there is nothing to scale the bars by.
    const bool bars = chart.Points > 0 && chart.Played > 0 && chart.MaxPoints > 0;
    const int w = bars ? width / chart.Played : 0;
    const int u = bars ? height / chart.MaxPoints : 0;
    const int x0 = bars ? (width - chart.Played * w) / 2 : 0;
    shapes.push_back(Line(x0, 0, x0, height - 1));
    shapes.push_back(Line(x0, height - 1, bars ? x0 + chart.Played * w : width, height - 1));
    if (!bars)
        return shapes;

    int total = chart.Adjust;
    int x = x0;
    for (const int points : chart.GamePoints) {
        total += points;
        if (total > 0) {
            const Colour fill = points == chart.LossPoints   ? kRed
                                : points == chart.DrawPoints ? kWhite
                                                             : kBlue;
            // A total above M (damaged counts) only makes the bar taller; never let it overflow.
            const long long top = std::max<long long>(height - static_cast<long long>(u) * total, -kFar);
            shapes.push_back(Shape::MakeRect(x, static_cast<int>(top), x + w, height, fill));
        }
        x += w;
    }
    return shapes;
}

std::vector<Shape> DrawCurrentForm(const std::string& homeForm, const std::string& awayForm) {
    std::vector<Shape> shapes;
    const struct {
        const std::string* Letters;
        int Y;
    } rows[] = {{&homeForm, 2}, {&awayForm, 20}};
    for (const auto& row : rows) {
        int x = 0;
        for (const char letter : *row.Letters) {
            const Colour fill = letter == 'W' ? kBlue : letter == 'D' ? kWhite : kRed;
            shapes.push_back(Shape::MakeRect(x, row.Y, x + 16, row.Y + 16, fill));
            shapes.push_back(Shape::MakeText(x, row.Y + 1, x + 16, row.Y + 16, std::string(1, letter), 8,
                                             kBlack, TextAlign::Centre));
            x += 15;
        }
    }
    return shapes;
}

} // namespace gorlin
