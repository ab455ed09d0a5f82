#include "core/engine/TeamCharts.h"

#include <algorithm>

namespace gorlin {

namespace {

constexpr long long kFar = 1 << 30;

const char* ColourName(ShapeColour colour) {
    switch (colour) {
    case ShapeColour::Blue:
        return "blue";
    case ShapeColour::White:
        return "white";
    case ShapeColour::Red:
        return "red";
    case ShapeColour::Black:
        break;
    }
    return "black";
}

ChartShape Line(int x1, int y1, int x2, int y2) {
    return {ShapeKind::Line, x1, y1, x2, y2, ShapeColour::Black, 0};
}

} // namespace

std::vector<ChartShape> PointsGraph(const PointsChartData& chart, int width, int height) {
    std::vector<ChartShape> shapes;
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
            const ShapeColour fill = points == chart.LossPoints   ? ShapeColour::Red
                                     : points == chart.DrawPoints ? ShapeColour::White
                                                                  : ShapeColour::Blue;
            // A total above M (damaged counts) only makes the bar taller; never let it overflow.
            const long long top = std::max<long long>(height - static_cast<long long>(u) * total, -kFar);
            shapes.push_back({ShapeKind::Rect, x, static_cast<int>(top), x + w, height, fill, 0});
        }
        x += w;
    }
    return shapes;
}

std::vector<ChartShape> DrawCurrentForm(const std::string& homeForm, const std::string& awayForm) {
    std::vector<ChartShape> shapes;
    const struct {
        const std::string* Letters;
        int Y;
    } rows[] = {{&homeForm, 2}, {&awayForm, 20}};
    for (const auto& row : rows) {
        int x = 0;
        for (const char letter : *row.Letters) {
            const ShapeColour fill = letter == 'W'   ? ShapeColour::Blue
                                     : letter == 'D' ? ShapeColour::White
                                                     : ShapeColour::Red;
            shapes.push_back({ShapeKind::Rect, x, row.Y, x + 16, row.Y + 16, fill, letter});
            x += 15;
        }
    }
    return shapes;
}

std::string ShapeText(const ChartShape& shape) {
    std::string text = shape.Kind == ShapeKind::Rect ? "rect" : "line";
    for (const int v : {shape.X1, shape.Y1, shape.X2, shape.Y2})
        text += " " + std::to_string(v);
    return text + " " + ColourName(shape.Colour);
}

} // namespace gorlin
