#include "gui/charts/ShapeBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace gorlin {

ShapeBox::ShapeBox(QWidget* parent) : QWidget(parent) {
    m_options.Font = font();
    m_options.ButtonFace = palette().color(QPalette::Button);
}

void ShapeBox::SetDrawing(Drawing drawing) {
    m_drawing = std::move(drawing);
    update();
}

std::vector<Shape> ShapeBox::Shapes() const {
    if (!m_drawing)
        return {};
    const QtTextMeasure measure(m_options.Font, this);
    return m_drawing(width(), height(), measure);
}

void ShapeBox::SetBackground(const QColor& colour) {
    m_background = colour;
    update();
}

void ShapeBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_background.isValid())
        painter.fillRect(rect(), m_background);
    PaintShapes(painter, Shapes(), m_options);
}

void ShapeBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    QWidget::mouseDoubleClickEvent(event);
}

} // namespace gorlin
