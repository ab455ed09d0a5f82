#pragma once

#include "core/model/Colour.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace gorlin {

// Colours of the drawings.
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kBlue = 0xFF0000;
inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kYellow = 0x00FFFF;
inline constexpr Colour kSilver = 0xC0C0C0;
inline constexpr Colour kGreen = 0x008000;
/// Stands for the system's button-face colour, which only the painter knows.
inline constexpr Colour kButtonFace = 0x80000000u;

enum class ShapeKind { Rect, Line, Ellipse, Text };
enum class TextAlign { Left, Centre, Right };

/// One element of a drawing, in pixels of the box it was computed for.
/// Rect and Ellipse: bounding box from (X1, Y1) to (X2, Y2), right and bottom edges excluded,
/// outlined with Pen (when Outline) and filled with Fill. Line: from (X1, Y1) to (X2, Y2) in
/// Pen, PenWidth pixels wide. Text: written in Pen at Points points into the box, vertically
/// centred and aligned by Align, on Fill when Filled; Angle 270 turns the text a quarter turn
/// clockwise so that it reads downwards (the box is the turned text's box on the page; Align
/// then works along the turned line).
struct Shape {
    ShapeKind Kind = ShapeKind::Line;
    int X1 = 0;
    int Y1 = 0;
    int X2 = 0;
    int Y2 = 0;
    Colour Pen = kBlack;
    Colour Fill = kWhite;
    bool Filled = true;
    bool Outline = true;
    int PenWidth = 1;
    std::string Text; // Windows-1252
    int Points = 8;
    TextAlign Align = TextAlign::Left;
    int Angle = 0;

    static Shape MakeRect(int x1, int y1, int x2, int y2, Colour fill, Colour pen = kBlack);
    static Shape MakeLine(int x1, int y1, int x2, int y2, Colour pen = kBlack, int width = 1);
    static Shape MakeEllipse(int x1, int y1, int x2, int y2, Colour fill, Colour pen = kBlack);
    static Shape MakeText(int x1, int y1, int x2, int y2, std::string text, int points, Colour pen = kBlack,
                          TextAlign align = TextAlign::Left);
};

/// Text sizes the geometry needs; the painter measures with its real fonts, the command line and
/// the tests with PlainTextMeasure.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    /// Width in pixels of a Windows-1252 text at `points` points.
    virtual int Width(std::string_view text, int points) const = 0;
    /// Height in pixels of a line at `points` points.
    virtual int Height(int points) const = 0;
};

/// A font-less measure at 96 dots per inch: every character 0.6 em wide, a line 1.25 em high.
class PlainTextMeasure : public TextMeasure {
public:
    int Width(std::string_view text, int points) const override;
    int Height(int points) const override;
};

/// "#RRGGBB" of a colour (the button face reads "#F0F0F0").
std::string ColourHex(Colour colour);

/// The name of a colour of the drawings ("black", "blue", "red", "yellow", "white", "silver",
/// "green", "buttonface"), or its "#RRGGBB".
std::string ColourName(Colour colour);

/// One line of text describing a shape: "rect X1 Y1 X2 Y2 FILL", "line X1 Y1 X2 Y2 PEN",
/// "ellipse X1 Y1 X2 Y2 FILL" or "text X1 Y1 X2 Y2 PEN TEXT".
std::string DescribeShape(const Shape& shape);

} // namespace gorlin
