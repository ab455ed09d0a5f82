#include "paint/ShapePainter.h"

#include "core/model/Text.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace gorlin {

namespace {

QString FromLeague(std::string_view bytes) {
    return QString::fromStdString(Win1252ToUtf8(bytes));
}

/// The box of a rect or ellipse shape: (X1, Y1) up to, not including, (X2, Y2), corners in
/// order. Empty when either side is 0.
QRect ShapeBox(const Shape& s) {
    const int left = std::min(s.X1, s.X2);
    const int top = std::min(s.Y1, s.Y2);
    const int right = std::max(s.X1, s.X2);
    const int bottom = std::max(s.Y1, s.Y2);
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

QPen ShapePen(const Shape& s, const ShapePaintOptions& options) {
    QPen pen(ShapeColour(s.Pen, options));
    pen.setWidth(std::max(1, s.PenWidth));
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

void PaintBox(QPainter& painter, const Shape& s, const ShapePaintOptions& options) {
    const QRect box = ShapeBox(s);
    if (box.isEmpty())
        return;
    painter.setBrush(s.Filled ? QBrush(ShapeColour(s.Fill, options)) : QBrush(Qt::NoBrush));
    if (s.Kind == ShapeKind::Ellipse) {
        painter.setPen(s.Outline ? ShapePen(s, options) : QPen(Qt::NoPen));
        // An outline is drawn on the box's last row and column, as a rectangle's is.
        painter.drawEllipse(s.Outline ? box.adjusted(0, 0, -1, -1) : box);
        return;
    }
    if (s.Filled)
        painter.fillRect(box, ShapeColour(s.Fill, options));
    if (s.Outline) {
        painter.setPen(ShapePen(s, options));
        painter.setBrush(Qt::NoBrush);
        // QPainter's rectangle outline covers width + 1 pixels: one less keeps the right and
        // bottom edges inside the box.
        painter.drawRect(box.adjusted(0, 0, -1, -1));
    }
}

int AlignFlags(TextAlign align) {
    switch (align) {
    case TextAlign::Centre:
        return Qt::AlignHCenter;
    case TextAlign::Right:
        return Qt::AlignRight;
    case TextAlign::Left:
        break;
    }
    return Qt::AlignLeft;
}

void PaintText(QPainter& painter, const Shape& s, const ShapePaintOptions& options) {
    const QRect box = ShapeBox(s);
    if (box.isEmpty())
        return;
    if (s.Filled)
        painter.fillRect(box, ShapeColour(s.Fill, options));
    if (s.Text.empty())
        return;
    painter.save();
    painter.setFont(ShapeFont(options.Font, s.Points));
    painter.setPen(ShapeColour(s.Pen, options));
    // The line's own box: along the turned line, then across it.
    const int angle = ((s.Angle % 360) + 360) % 360;
    QRect line(0, 0, box.width(), box.height());
    switch (angle) {
    case 0:
        line = box;
        break;
    case 270: // reads downwards: the line starts at the top, its letters' tops face right
        painter.translate(box.left() + box.width(), box.top());
        painter.rotate(90);
        line = QRect(0, 0, box.height(), box.width());
        break;
    case 90: // reads upwards
        painter.translate(box.left(), box.top() + box.height());
        painter.rotate(-90);
        line = QRect(0, 0, box.height(), box.width());
        break;
    case 180:
        painter.translate(box.left() + box.width(), box.top() + box.height());
        painter.rotate(180);
        break;
    default:
        painter.translate(QRectF(box).center());
        painter.rotate(-angle);
        line.moveCenter(QPoint(0, 0));
        break;
    }
    painter.setClipRect(line, Qt::IntersectClip);
    painter.drawText(line, AlignFlags(s.Align) | Qt::AlignVCenter | Qt::TextSingleLine, FromLeague(s.Text));
    painter.restore();
}

} // namespace

QColor ShapeColour(Colour colour, const ShapePaintOptions& options) {
    if (colour == kButtonFace)
        return options.ButtonFace;
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

QFont ShapeFont(const QFont& base, int points) {
    QFont font = base;
    font.setPointSize(std::clamp(points, 1, 1000));
    return font;
}

void PaintShapes(QPainter& painter, const std::vector<Shape>& shapes, const ShapePaintOptions& options) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, options.Antialiased);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const Shape& s : shapes) {
        switch (s.Kind) {
        case ShapeKind::Rect:
        case ShapeKind::Ellipse:
            PaintBox(painter, s, options);
            break;
        case ShapeKind::Line:
            painter.setPen(ShapePen(s, options));
            painter.drawLine(s.X1, s.Y1, s.X2, s.Y2);
            break;
        case ShapeKind::Text:
            PaintText(painter, s, options);
            break;
        }
    }
    painter.restore();
}

QtTextMeasure::QtTextMeasure(QFont base, const QPaintDevice* device)
    : m_base(std::move(base)), m_device(device) {}

int QtTextMeasure::Width(std::string_view text, int points) const {
    const QFont font = ShapeFont(m_base, points);
    const QFontMetrics metrics = m_device ? QFontMetrics(font, m_device) : QFontMetrics(font);
    return metrics.horizontalAdvance(FromLeague(text));
}

int QtTextMeasure::Height(int points) const {
    const QFont font = ShapeFont(m_base, points);
    const QFontMetrics metrics = m_device ? QFontMetrics(font, m_device) : QFontMetrics(font);
    return metrics.height();
}

} // namespace gorlin
