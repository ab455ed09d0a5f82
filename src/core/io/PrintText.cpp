#include "core/io/PrintText.h"

namespace gorlin {

std::string FitText(std::string_view text, int width, int points, const TextMeasure& measure) {
    if (width <= 0)
        return {};
    std::string fitted(text);
    if (measure.Width(fitted, points) <= width)
        return fitted;
    // A name of two words keeps its first word, the space and the second word's first letter.
    if (const std::size_t space = fitted.find(' '); space != std::string::npos && space + 2 < fitted.size())
        fitted.resize(space + 2);
    while (!fitted.empty() && measure.Width(fitted, points) > width)
        fitted.pop_back();
    return fitted;
}

int DrawPageTop(std::vector<Shape>& page, const PrintPageSetup& setup, const TextMeasure& measure) {
    if (setup.Heading.empty() && setup.DateText.empty())
        return kPrintPageTop;
    const int lineHeight = measure.Height(kPrintHeadingPoints);
    const int bottom = kPrintPageTop + lineHeight;
    if (!setup.DateText.empty()) {
        const int dateWidth = measure.Width(setup.DateText, kPrintHeadingPoints);
        page.push_back(Shape::MakeText(setup.Width - dateWidth - 1, kPrintPageTop, setup.Width, bottom,
                                       setup.DateText, kPrintHeadingPoints, kBlack, TextAlign::Right));
    }
    if (!setup.Heading.empty()) {
        // The heading never runs into the date.
        const int dateRoom =
            setup.DateText.empty() ? 0 : measure.Width(setup.DateText + "MM", kPrintHeadingPoints);
        const int room = setup.Width - dateRoom;
        page.push_back(Shape::MakeText(0, kPrintPageTop, std::max(0, room), bottom,
                                       FitText(setup.Heading, room, kPrintHeadingPoints, measure),
                                       kPrintHeadingPoints));
    }
    // Below the line by the height of "M" plus a gap of half a body line.
    return bottom + measure.Height(kPrintBodyPoints) / 2;
}

std::vector<std::string> PageTexts(const PrintDocument& document) {
    std::vector<std::string> texts;
    for (const std::vector<Shape>& page : document.Pages) {
        std::string text;
        for (const Shape& s : page)
            if (s.Kind == ShapeKind::Text && !s.Text.empty()) {
                text += s.Text;
                text += '\n';
            }
        texts.push_back(std::move(text));
    }
    return texts;
}

} // namespace gorlin
