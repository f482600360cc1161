// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ctl/HeatmapSvg.h"

#include "model/ConfigStore.h"
#include "model/KeyboardVariant.h"
#include "tools/cli/KeyLegends.h"
#include "tools/ctl/ColourScale.h"
#include "tools/ctl/HexColour.h"
#include "tools/ctl/KeyboardPicture.h"
#include "tools/ctl/PressCount.h"
#include "tools/ctl/SvgWriter.h"

#include <algorithm>
#include <optional>

namespace {

// The picture in user units; the keys keep the main window's design units.
constexpr double kMargin = 28;
constexpr double kCaseTop = 82;
constexpr double kCasePadding = 10;
constexpr double kKeyInset = 1.5;
constexpr double kLegendGap = 26;
constexpr double kScaleBarWidth = 300;
constexpr double kScaleBarHeight = 14;
constexpr double kShownScale = 1.5; // the size a browser shows it at, in pixels per unit

constexpr const char* kFont = "DejaVu Sans, Verdana, Arial, sans-serif";
constexpr Rgb kBackground = rgb(20, 20, 20); // the program's dark brush
constexpr Rgb kCaseFill = rgb(35, 35, 39);
constexpr Rgb kCaseEdge = rgb(58, 58, 64);
constexpr Rgb kTitleText = rgb(236, 236, 240);
constexpr Rgb kQuietText = rgb(170, 170, 178);
constexpr Rgb kLightText = rgb(245, 245, 245);
constexpr Rgb kDarkText = rgb(17, 17, 17);
constexpr Rgb kHighestOutline = rgb(255, 255, 255);
constexpr Rgb kLowestOutline = rgb(255, 111, 0); // the information box's text colour

struct CountRange {
    int lowest = 0;
    int highest = 0;

    double position(int count) const {
        return highest > lowest ? static_cast<double>(count - lowest) / (highest - lowest) : 0.0;
    }
};

int shownCount(const CConfigStore& store, int key) {
    return std::max(0, store.pressCounts[key]);
}

CountRange countRange(const CConfigStore& store) {
    CountRange range{shownCount(store, kFirstKey), shownCount(store, kFirstKey)};
    for (int key = kFirstKey + 1; key <= kLastKey; ++key) {
        range.lowest = std::min(range.lowest, shownCount(store, key));
        range.highest = std::max(range.highest, shownCount(store, key));
    }
    return range;
}

int keysNeverPressed(const CConfigStore& store) {
    int keys = 0;
    for (int key = kFirstKey; key <= kLastKey; ++key)
        keys += shownCount(store, key) == 0 ? 1 : 0;
    return keys;
}

long long totalCount(const CConfigStore& store) {
    long long total = 0;
    for (int key = kFirstKey; key <= kLastKey; ++key)
        total += shownCount(store, key);
    return total;
}

// Where the picture's parts go for one variant's keyboard.
struct Layout {
    SkinRect keys;
    double keyShiftX = 0;
    double keyShiftY = 0;
    double caseWidth = 0;
    double caseHeight = 0;
    double legendTop = 0;
    double width = 0;
    double height = 0;

    explicit Layout(int variant) : keys(KeyboardPicture::keysBounds(variant)) {
        keyShiftX = kMargin + kCasePadding - keys.left;
        keyShiftY = kCaseTop + kCasePadding - keys.top;
        caseWidth = keys.width() + 2 * kCasePadding;
        caseHeight = keys.height() + 2 * kCasePadding;
        legendTop = kCaseTop + caseHeight + kLegendGap;
        width = caseWidth + 2 * kMargin;
        height = legendTop + 64;
    }
};

SvgAttribute fill(Rgb colour) {
    return {"fill", hexColour(colour)};
}

// The presses in all, and the keys never pressed, which the lowest key (the fewest presses above 0)
// leaves out.
std::string summary(const CConfigStore& store) {
    std::string text = pressCountText(totalCount(store)) + " on " + std::to_string(kLastKey) + " keys";
    if (const int never = keysNeverPressed(store); never > 0)
        text += " (" + std::to_string(never) + " never pressed)";
    return text + ", each key coloured from the fewest presses to the most";
}

void drawTitle(SvgWriter& svg, const CConfigStore& store) {
    svg.text("text",
             {{"x", svgNumber(kMargin)},
              {"y", "40"},
              {"font-size", "20"},
              {"font-weight", "bold"},
              fill(kTitleText)},
             std::string(KeyboardVariant::name(store.deviceVariant)) + " press counts");
    svg.text("text", {{"x", svgNumber(kMargin)}, {"y", "62"}, {"font-size", "12"}, fill(kQuietText)},
             summary(store));
}

void drawCase(SvgWriter& svg, const Layout& layout) {
    svg.element("rect", {{"x", svgNumber(kMargin)},
                         {"y", svgNumber(kCaseTop)},
                         {"width", svgNumber(layout.caseWidth)},
                         {"height", svgNumber(layout.caseHeight)},
                         {"rx", "10"},
                         fill(kCaseFill),
                         {"stroke", hexColour(kCaseEdge)}});
}

// The outline that marks the highest or lowest key, if key is one of them.
std::optional<Rgb> outlineOf(const CConfigStore& store, int key) {
    if (key == store.highestKey)
        return kHighestOutline;
    if (key == store.lowestKey)
        return kLowestOutline;
    return std::nullopt;
}

// A font size that fits the count's digits into a key of width.
double countFontSize(const std::string& count, double width) {
    return std::min(14.0, (width - 8) / (0.68 * static_cast<double>(count.size())));
}

void drawKey(SvgWriter& svg, const CConfigStore& store, const Layout& layout, const CountRange& range,
             int key) {
    const int count = shownCount(store, key);
    const Rgb colour = ColourScale::at(range.position(count));
    const Rgb text = ColourScale::luminance(colour) > 0.4 ? kDarkText : kLightText;
    const SkinRect rect = KeyboardPicture::keyRect(store.deviceVariant, key);
    const double x = rect.left + layout.keyShiftX + kKeyInset;
    const double y = rect.top + layout.keyShiftY + kKeyInset;
    const double width = rect.width() - 2 * kKeyInset;
    const double height = rect.height() - 2 * kKeyInset;
    const std::string legend = KeyLegends::keyLegend(store.deviceVariant, key);
    const std::string shown = std::to_string(count);
    const std::optional<Rgb> outline = outlineOf(store, key);

    svg.open("g", {{"class", "key"}, {"data-key", std::to_string(key)}, {"data-count", shown}});
    svg.text("title", {}, legend + " (key " + std::to_string(key) + "): " + pressCountText(count));
    svg.element("rect", {{"x", svgNumber(x)},
                         {"y", svgNumber(y)},
                         {"width", svgNumber(width)},
                         {"height", svgNumber(height)},
                         {"rx", "4"},
                         fill(colour),
                         {"stroke", hexColour(outline.value_or(kBackground))},
                         {"stroke-width", outline ? "2.5" : "1"}});
    svg.text("text", {{"x", svgNumber(x + 4)}, {"y", svgNumber(y + 11)}, {"font-size", "9"}, fill(text)},
             legend);
    svg.text("text",
             {{"x", svgNumber(x + width / 2)},
              {"y", svgNumber(y + height - 8)},
              {"font-size", svgNumber(countFontSize(shown, width))},
              {"font-weight", "bold"},
              {"text-anchor", "middle"},
              fill(text)},
             shown);
    svg.close();
}

void drawScaleGradient(SvgWriter& svg) {
    svg.open("defs");
    svg.open("linearGradient", {{"id", "press-scale"}, {"x1", "0"}, {"x2", "1"}, {"y1", "0"}, {"y2", "0"}});
    const auto anchors = ColourScale::anchors();
    const double step = 100.0 / static_cast<double>(anchors.size() - 1);
    for (std::size_t i = 0; i < anchors.size(); ++i)
        svg.element("stop", {{"offset", svgNumber(step * static_cast<double>(i)) + "%"},
                             {"stop-color", hexColour(anchors[i])}});
    svg.close();
    svg.close();
}

void drawScaleLegend(SvgWriter& svg, const Layout& layout, const CountRange& range) {
    const double top = layout.legendTop;
    svg.text("text",
             {{"x", svgNumber(kMargin)}, {"y", svgNumber(top + 4)}, {"font-size", "12"}, fill(kQuietText)},
             "Presses per key");
    svg.element("rect", {{"x", svgNumber(kMargin)},
                         {"y", svgNumber(top + 12)},
                         {"width", svgNumber(kScaleBarWidth)},
                         {"height", svgNumber(kScaleBarHeight)},
                         {"rx", "3"},
                         {"fill", "url(#press-scale)"},
                         {"stroke", hexColour(kCaseEdge)}});
    const double labelY = top + 12 + kScaleBarHeight + 15;
    const int middle = range.lowest + (range.highest - range.lowest) / 2;
    const struct {
        double x;
        const char* anchor;
        int count;
    } labels[] = {{kMargin, "start", range.lowest},
                  {kMargin + kScaleBarWidth / 2, "middle", middle},
                  {kMargin + kScaleBarWidth, "end", range.highest}};
    for (const auto& label : labels)
        svg.text("text",
                 {{"x", svgNumber(label.x)},
                  {"y", svgNumber(labelY)},
                  {"font-size", "11"},
                  {"text-anchor", label.anchor},
                  fill(kTitleText)},
                 std::to_string(label.count));
}

std::string extremeText(const CConfigStore& store, const char* what, int key) {
    if (key < kFirstKey || key > kLastKey)
        return std::string(what) + ": none, no key has been pressed";
    return std::string(what) + ": " + KeyLegends::keyLabel(store.deviceVariant, key) + ", " +
           pressCountText(shownCount(store, key));
}

void drawExtreme(SvgWriter& svg, double x, double y, Rgb outline, const std::string& text) {
    svg.element("rect", {{"x", svgNumber(x)},
                         {"y", svgNumber(y - 11)},
                         {"width", "14"},
                         {"height", "14"},
                         {"rx", "3"},
                         {"fill", "none"},
                         {"stroke", hexColour(outline)},
                         {"stroke-width", "2.5"}});
    svg.text("text", {{"x", svgNumber(x + 22)}, {"y", svgNumber(y)}, {"font-size", "13"}, fill(kTitleText)},
             text);
}

void drawExtremes(SvgWriter& svg, const CConfigStore& store, const Layout& layout) {
    const double x = kMargin + kScaleBarWidth + 48;
    drawExtreme(svg, x, layout.legendTop + 16, kHighestOutline,
                extremeText(store, "Highest", store.highestKey));
    drawExtreme(svg, x, layout.legendTop + 40, kLowestOutline, extremeText(store, "Lowest", store.lowestKey));
}

} // namespace

std::string heatmapSvg(const CConfigStore& store) {
    const Layout layout(store.deviceVariant);
    const CountRange range = countRange(store);
    SvgWriter svg(layout.width, layout.height, kShownScale);
    drawScaleGradient(svg);
    svg.element("rect", {{"width", "100%"}, {"height", "100%"}, {"rx", "12"}, fill(kBackground)});
    svg.open("g", {{"font-family", kFont}});
    drawTitle(svg, store);
    drawCase(svg, layout);
    svg.open("g", {{"id", "keys"}});
    for (int key = kFirstKey; key <= kLastKey; ++key)
        drawKey(svg, store, layout, range, key);
    svg.close();
    drawScaleLegend(svg, layout, range);
    drawExtremes(svg, store, layout);
    return svg.finish();
}
