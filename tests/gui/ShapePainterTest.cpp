#include "paint/ShapePainter.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QtTest>

namespace gorlin {

class ShapePainterTest : public QObject {
    Q_OBJECT
private slots:
    void boxesShareBordersAndStopBeforeTheFarEdge();
    void linesEllipsesAndTheButtonFace();
    void textStaysInItsBoxAndTurns();
    void measureUsesTheRealFont();
};

namespace {

QImage Paint(const std::vector<Shape>& shapes, QSize size, const ShapePaintOptions& options = {}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintShapes(painter, shapes, options);
    return image;
}

QColor At(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

/// The box around every pixel that is not white.
QRect Inked(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != QColor(Qt::white))
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

void ShapePainterTest::boxesShareBordersAndStopBeforeTheFarEdge() {
    // Two form boxes as the current-form drawing places them: 16 wide, 15 apart.
    const QImage image =
        Paint({Shape::MakeRect(0, 2, 16, 18, kBlue), Shape::MakeRect(15, 2, 31, 18, kRed)}, {40, 24});
    const struct {
        int X, Y;
        QColor Colour;
    } pixels[] = {
        {0, 2, Qt::black},           {15, 9, Qt::black},         {30, 9, Qt::black},
        {8, 17, Qt::black},          {31, 9, Qt::white},         {8, 18, Qt::white},
        {8, 1, Qt::white},           {5, 9, QColor(0, 0, 255)},  {20, 9, QColor(255, 0, 0)},
        {14, 16, QColor(0, 0, 255)}, {16, 3, QColor(255, 0, 0)},
    };
    for (const auto& p : pixels)
        QVERIFY2(At(image, p.X, p.Y) == p.Colour, qPrintable(QString("pixel %1,%2").arg(p.X).arg(p.Y)));
}

void ShapePainterTest::linesEllipsesAndTheButtonFace() {
    ShapePaintOptions options;
    options.ButtonFace = QColor(10, 20, 30);
    const QImage image = Paint({Shape::MakeLine(0, 29, 39, 29), Shape::MakeLine(2, 0, 2, 9, kRed, 3),
                                Shape::MakeEllipse(10, 0, 30, 20, kButtonFace)},
                               {40, 30}, options);
    QCOMPARE(At(image, 0, 29), QColor(Qt::black));
    QCOMPARE(At(image, 39, 29), QColor(Qt::black)); // both ends drawn
    QCOMPARE(At(image, 1, 5), QColor(255, 0, 0));   // three pixels wide
    QCOMPARE(At(image, 3, 5), QColor(255, 0, 0));
    QCOMPARE(At(image, 20, 10), QColor(10, 20, 30)); // the ellipse's middle
    QCOMPARE(At(image, 10, 0), QColor(Qt::white));   // its corner stays clear
    QCOMPARE(ShapeColour(kButtonFace, options), QColor(10, 20, 30));
    QCOMPARE(ShapeColour(0x00336699, options), QColor(0x99, 0x66, 0x33)); // 0x00BBGGRR
}

void ShapePainterTest::textStaysInItsBoxAndTurns() {
    ShapePaintOptions options;
    options.Font = QApplication::font();
    // Cut off at its box, even when the text is longer.
    const QImage cut = Paint({Shape::MakeText(10, 10, 40, 30, "WWWWWWWWWWWW", 10)}, {80, 40}, options);
    const QRect ink = Inked(cut);
    QVERIFY(!ink.isEmpty());
    QVERIFY(QRect(10, 10, 30, 20).contains(ink));

    // Filled text paints its whole box; centred text is in the middle of it.
    Shape filled = Shape::MakeText(0, 0, 40, 20, "D", 8, kBlack, TextAlign::Centre);
    filled.Filled = true;
    filled.Fill = kYellow;
    const QImage centred = Paint({filled}, {40, 20}, options);
    QCOMPARE(At(centred, 0, 0), QColor(255, 255, 0));
    QCOMPARE(At(centred, 39, 19), QColor(255, 255, 0));
    const QRect letter =
        Inked(Paint({Shape::MakeText(0, 0, 40, 20, "D", 8, kBlack, TextAlign::Centre)}, {40, 20}));
    QVERIFY(qAbs(letter.center().x() - 20) <= 2);

    // Turned a quarter: the line runs down the box; right-aligned, it ends at the bottom.
    Shape down = Shape::MakeText(0, 0, 20, 100, "ABCDEF", 9, kBlack, TextAlign::Right);
    down.Angle = 270;
    const QRect turned = Inked(Paint({down}, {20, 100}, options));
    QVERIFY(!turned.isEmpty());
    QVERIFY(turned.height() > 2 * turned.width());
    QVERIFY(turned.bottom() >= 90);
    QVERIFY(turned.top() > 30);
}

void ShapePainterTest::measureUsesTheRealFont() {
    QFont base = QApplication::font();
    const QtTextMeasure measure(base);
    const QFontMetrics at10(ShapeFont(base, 10));
    QCOMPARE(measure.Width("Wolves", 10), at10.horizontalAdvance("Wolves"));
    QCOMPARE(measure.Height(10), at10.height());
    QVERIFY(measure.Width("Wolves", 20) > measure.Width("Wolves", 10));
    QVERIFY(measure.Height(20) > measure.Height(10));
    // Texts are Windows-1252: one byte is one character.
    QCOMPARE(measure.Width("Cit\xe9", 10), at10.horizontalAdvance(QStringLiteral("Cit\u00e9")));
    QCOMPARE(measure.Width("", 10), 0);
}

} // namespace gorlin

QTEST_MAIN(gorlin::ShapePainterTest)
#include "ShapePainterTest.moc"
