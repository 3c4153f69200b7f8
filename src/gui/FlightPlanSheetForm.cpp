#include "FlightPlanSheetForm.h"

#include <QLabel>
#include <map>
#include <string_view>

#include "FormColours.h"
#include "UiText.h"
#include "WidgetFactory.h"
#include "flightplan/FlightPlanSheetLayout.h"

namespace corvane {

namespace {

using F = WidgetFactory;
namespace Layout = FlightPlanSheetLayout;

constexpr int kCaptionHeight = 240;
constexpr int kValueHeight = 330;
constexpr int kRowStart = 1260;
constexpr int kSeparatorWidth = 240;
constexpr int kPrefixWidth = 460;
constexpr int kLineEndWidth = 600;
constexpr int kGap = 60;
/// Top of each row's caption line; the values lie under the captions.
constexpr int kRowTop[] = {600, 1380, 2160, 2940, 4020, 4800, 5940};
constexpr int kLegendTop = 7020;

/// Width (and, for the long texts, height) of each value label, in twips.
struct Size {
    int width;
    int height = kValueHeight;
};

const std::map<std::string_view, Size>& sizes() {
    static const std::map<std::string_view, Size> table = {
        {"LblAircId", {2200}}, {"LblFR", {1500}},          {"LblTOF", {1500}},
        {"LblNumber", {1100}}, {"LblTO", {1800}},          {"LblWake", {1500}},
        {"LblEquip", {2600}},  {"LblDA", {2400}},          {"LblTimeact", {1200}},
        {"LblCS", {1800}},     {"LblLevel", {1200}},       {"lblRoute", {6700, 720}},
        {"LblDEs", {1800}},    {"LblTotal", {1700}},       {"lblAltn", {1800}},
        {"Lbl2Altn", {2100}},  {"lblOther", {10400, 600}}, {"lblTime", {2200}},
        {"LblPOB", {1800}},    {"LblPIC", {3600}}};
    return table;
}

QLabel* fixedText(QWidget* sheet, const QString& name, std::string_view text, int left, int top,
                  int width, int height) {
    QLabel* label =
        F::caption(sheet, "", UiText::show(std::string(text)), left, top, width, height);
    label->setObjectName(name);
    return label;
}

QString nameOf(std::string_view prefix, std::string_view valueLabel) {
    return QString::fromUtf8(prefix.data(), static_cast<qsizetype>(prefix.size())) +
           QString::fromUtf8(valueLabel.data(), static_cast<qsizetype>(valueLabel.size()));
}

void paintHighlight(QLabel* caption, Layout::Need need) {
    if (const auto colour = Layout::highlight(need)) {
        F::paintBackground(caption, FormColours::fromWindowColour(*colour));
    }
}

void buildValue(QWidget* sheet, const Layout::Field& field, int left, int top, const Size& size) {
    const std::string name(field.valueLabel);
    QLabel* value = F::valueField(sheet, name.c_str(), left, top + kCaptionHeight, size.width,
                                  size.height, QColor(255, 255, 255));
    const bool tall = size.height > kValueHeight;
    value->setWordWrap(tall);
    value->setAlignment(Qt::AlignLeft | (tall ? Qt::AlignTop : Qt::AlignVCenter));
}

/// Lays out one field from `left`; returns where the next one starts.
int buildField(QWidget* sheet, const Layout::Field& field, int left) {
    const int top = kRowTop[field.row];
    const int textTop = top + kCaptionHeight + 45;
    if (!field.separator.empty()) {
        fixedText(sheet, nameOf("Separator_", field.valueLabel), field.separator, left, textTop,
                  kSeparatorWidth, kCaptionHeight);
        left += kSeparatorWidth;
    }
    if (!field.prefix.empty()) {
        fixedText(sheet, nameOf("Prefix_", field.valueLabel), field.prefix, left, textTop,
                  kPrefixWidth, kCaptionHeight);
        left += kPrefixWidth;
    }
    const Size size = sizes().at(field.valueLabel);
    QLabel* caption = fixedText(sheet, nameOf("Caption_", field.valueLabel), field.captions[0],
                                left, top, size.width, kCaptionHeight);
    caption->setWordWrap(false);
    paintHighlight(caption, field.need);
    if (!field.captions[1].empty()) {
        QLabel* second = fixedText(sheet, nameOf("Caption2_", field.valueLabel), field.captions[1],
                                   left, top - kCaptionHeight, size.width, kCaptionHeight);
        second->setWordWrap(false);
    }
    buildValue(sheet, field, left, top, size);
    left += size.width + kGap;
    if (field.endsLine) {
        fixedText(sheet, nameOf("LineEnd_", field.valueLabel), Layout::kLineEnd, left, textTop,
                  kLineEndWidth, kCaptionHeight);
        left += kLineEndWidth;
    }
    return left;
}

void buildHeadings(QWidget* sheet) {
    QLabel* title = fixedText(sheet, QStringLiteral("Heading"), Layout::kHeading, 0, 100,
                              FlightPlanSheetForm::kWidth, 420);
    title->setAlignment(Qt::AlignCenter);
    QFont large = title->font();
    large.setPointSize(14);
    title->setFont(large);
    fixedText(sheet, QStringLiteral("MessageStart"), Layout::kMessageStart, 120,
              kRowTop[0] + kCaptionHeight + 45, 1100, kCaptionHeight);
    fixedText(sheet, QStringLiteral("SupplementaryHeading"), Layout::kSupplementaryHeading, 120,
              kRowTop[6] - 360, 6000, 300);
}

void buildLegend(QWidget* sheet) {
    int left = 120;
    int index = 0;
    for (const Layout::LegendEntry& entry : Layout::legend()) {
        const bool swatch = entry.sample.empty();
        QLabel* sample = fixedText(sheet, QStringLiteral("LegendSample%1").arg(index), entry.sample,
                                   left, kLegendTop, swatch ? 600 : 1900, swatch ? 240 : 480);
        if (const auto colour = Layout::highlight(entry.need)) {
            F::paintBackground(sample, FormColours::fromWindowColour(*colour));
            sample->setFrameStyle(QFrame::Box);
        }
        const int sampleWidth = swatch ? 600 : 1900;
        left += sampleWidth + kGap;
        fixedText(sheet, QStringLiteral("LegendText%1").arg(index), entry.explanation, left,
                  kLegendTop, 2600, 480);
        left += 2600 + 2 * kGap;
        ++index;
    }
}

}  // namespace

void FlightPlanSheetForm::build(QWidget* sheet) {
    buildHeadings(sheet);
    int row = -1;
    int left = 0;
    for (const Layout::Field& field : Layout::fields()) {
        if (field.row != row) {
            row = field.row;
            // The supplementary row starts further left: its fields carry their prefixes.
            left = row == 6 ? kRowStart - kPrefixWidth : kRowStart;
        }
        left = buildField(sheet, field, left);
    }
    buildLegend(sheet);
}

}  // namespace corvane
