#include "core/engine/ChartGeometry.h"

#include <cstdio>
#include <utility>

namespace gorlin {

Shape Shape::MakeRect(int x1, int y1, int x2, int y2, Colour fill, Colour pen) {
    Shape s;
    s.Kind = ShapeKind::Rect;
    s.X1 = x1;
    s.Y1 = y1;
    s.X2 = x2;
    s.Y2 = y2;
    s.Fill = fill;
    s.Pen = pen;
    return s;
}

Shape Shape::MakeLine(int x1, int y1, int x2, int y2, Colour pen, int width) {
    Shape s;
    s.Kind = ShapeKind::Line;
    s.X1 = x1;
    s.Y1 = y1;
    s.X2 = x2;
    s.Y2 = y2;
    s.Pen = pen;
    s.PenWidth = width;
    s.Filled = false;
    return s;
}

Shape Shape::MakeEllipse(int x1, int y1, int x2, int y2, Colour fill, Colour pen) {
    Shape s = MakeRect(x1, y1, x2, y2, fill, pen);
    s.Kind = ShapeKind::Ellipse;
    return s;
}

Shape Shape::MakeText(int x1, int y1, int x2, int y2, std::string text, int points, Colour pen,
                      TextAlign align) {
    Shape s;
    s.Kind = ShapeKind::Text;
    s.X1 = x1;
    s.Y1 = y1;
    s.X2 = x2;
    s.Y2 = y2;
    s.Text = std::move(text);
    s.Points = points;
    s.Pen = pen;
    s.Align = align;
    s.Filled = false;
    s.Outline = false;
    return s;
}

int PlainTextMeasure::Width(std::string_view text, int points) const {
    // 0.6 em per character, an em being points * 96 / 72 pixels.
    return static_cast<int>(text.size()) * points * 4 / 5;
}

int PlainTextMeasure::Height(int points) const {
    return points * 5 / 3;
}

std::string ColourHex(Colour colour) {
    if (colour == kButtonFace)
        return "#F0F0F0";
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", colour & 0xFFu, (colour >> 8) & 0xFFu,
                  (colour >> 16) & 0xFFu);
    return text;
}

std::string ColourName(Colour colour) {
    switch (colour) {
    case kBlack:
        return "black";
    case kWhite:
        return "white";
    case kBlue:
        return "blue";
    case kRed:
        return "red";
    case kYellow:
        return "yellow";
    case kSilver:
        return "silver";
    case kGreen:
        return "green";
    case kButtonFace:
        return "buttonface";
    default:
        return ColourHex(colour);
    }
}

std::string DescribeShape(const Shape& s) {
    const std::string box = std::to_string(s.X1) + " " + std::to_string(s.Y1) + " " + std::to_string(s.X2) +
                            " " + std::to_string(s.Y2) + " ";
    switch (s.Kind) {
    case ShapeKind::Rect:
        return "rect " + box + ColourName(s.Fill);
    case ShapeKind::Line:
        return "line " + box + ColourName(s.Pen);
    case ShapeKind::Ellipse:
        return "ellipse " + box + ColourName(s.Fill);
    case ShapeKind::Text:
        return "text " + box + ColourName(s.Pen) + " " + s.Text;
    }
    return {};
}

} // namespace gorlin
