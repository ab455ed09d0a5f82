#pragma once

// Draws the shapes core computes for a chart (core/engine/ChartGeometry.h) with a QPainter, so
// a screen box and a printer page draw the same geometry. Core computes the shapes for a box
// size in the device's pixels (and measures text with QtTextMeasure over the same device);
// this file only turns them into painter calls.

#include "core/engine/ChartGeometry.h"

#include <QColor>
#include <QFont>
#include <vector>

class QPainter;
class QPaintDevice;

namespace gorlin {

/// What the shapes leave to the device.
struct ShapePaintOptions {
    /// Family and style of every text; its size comes from each shape's Points.
    QFont Font;
    /// What kButtonFace stands for (on screen the palette's button colour; white on paper).
    QColor ButtonFace{0xF0, 0xF0, 0xF0};
    /// Smooth edges; off by default so boxes that share a border line meet pixel for pixel.
    bool Antialiased = false;
};

/// A shape's colour as a QColor (kButtonFace as options.ButtonFace).
QColor ShapeColour(Colour colour, const ShapePaintOptions& options);

/// The font of a text shape: options' font at `points` points (at least 1).
QFont ShapeFont(const QFont& base, int points);

/// Draws the shapes in order with the painter's current transformation; the painter's state is
/// restored afterwards.
///  - Rect, Ellipse: the box from (X1, Y1) up to, not including, (X2, Y2) (reversed corners are
///    swapped), filled with Fill when Filled, its edge in Pen (PenWidth wide) when Outline, so a
///    rectangle ending at x and one starting at x - 1 share a border column.
///  - Line: from (X1, Y1) to (X2, Y2) in Pen, PenWidth pixels wide, both ends drawn.
///  - Text: Windows-1252 Text in Pen at Points points, on Fill when Filled, one line aligned by
///    Align and centred across the line; cut off at the box. Angle is counterclockwise in
///    degrees: 270 reads downwards, 90 upwards, 180 upside down; the box is the turned text's
///    box on the page and Align works along the turned line. Other angles turn the text about
///    the box's centre.
void PaintShapes(QPainter& painter, const std::vector<Shape>& shapes, const ShapePaintOptions& options = {});

/// TextMeasure with real fonts: widths and heights of ShapeFont(base, points) on a device (the
/// screen when none is given), as the painter will draw them there.
class QtTextMeasure final : public TextMeasure {
public:
    explicit QtTextMeasure(QFont base = QFont(), const QPaintDevice* device = nullptr);

    int Width(std::string_view text, int points) const override;
    int Height(int points) const override;

private:
    QFont m_base;
    const QPaintDevice* m_device;
};

} // namespace gorlin
