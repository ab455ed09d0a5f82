#pragma once

#include "core/engine/ChartGeometry.h"
#include "paint/ShapePainter.h"

#include <QWidget>
#include <functional>
#include <vector>

namespace gorlin {

/// A paint box whose picture core computes: on every paint it asks its drawing for the shapes
/// of its current size (measuring text with the widget's font) and paints them with
/// PaintShapes. Without a drawing it stays blank.
class ShapeBox : public QWidget {
    Q_OBJECT
public:
    /// The shapes of a box `width` x `height` pixels.
    using Drawing = std::function<std::vector<Shape>(int width, int height, const TextMeasure& measure)>;

    explicit ShapeBox(QWidget* parent = nullptr);

    /// Replaces the drawing and repaints.
    void SetDrawing(Drawing drawing);
    /// The shapes of the box at its current size, as the next paint draws them.
    std::vector<Shape> Shapes() const;
    /// Background (the palette's window colour when invalid) and options of the painting.
    void SetBackground(const QColor& colour);
    ShapePaintOptions& PaintOptions() { return m_options; }

signals:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    Drawing m_drawing;
    ShapePaintOptions m_options;
    QColor m_background;
};

} // namespace gorlin
