// The flight plan sheet: the ICAO form's fixed texts around the values the logic fills in.
#include <gtest/gtest.h>

#include <QLabel>

#include "FlightPlanSheetDialog.h"
#include "FormColours.h"

namespace corvane::test {
namespace {

QString textOf(const QWidget& sheet, const QString& name) {
    auto* label = sheet.findChild<QLabel*>(name);
    return label != nullptr ? label->text() : QStringLiteral("<missing>");
}

int countTexts(const QWidget& sheet, const QString& text) {
    int count = 0;
    for (const QLabel* label : sheet.findChildren<QLabel*>()) {
        count += label->text() == text ? 1 : 0;
    }
    return count;
}

const FlightPlanSheetDialog::Values kValues = {
    {"LblAircId", "SWR123  "}, {"LblFR", "I"},           {"LblTOF", "S"},
    {"LblNumber", ""},         {"LblTO", "A320"},        {"LblWake", "M"},
    {"LblEquip", "SDFGIRWY"},  {"LblDA", "LSZH"},        {"LblTimeact", "12:30"},
    {"LblCS", "450"},          {"LblLevel", "350"},      {"lblRoute", "VEBIT UL613 RESIA"},
    {"LblDEs", "EGLL"},        {"LblTotal", "01:30"},    {"lblAltn", "EGKK"},
    {"Lbl2Altn", ""},          {"lblOther", "RMK/TCAS"}, {"lblTime", "03:30"},
    {"LblPOB", "150"},         {"LblPIC", "Jürg Müller"}};

TEST(FlightPlanSheetTest, ShowsEveryValueInItsLabel) {
    FlightPlanSheetDialog sheet(kValues, nullptr);
    EXPECT_EQ(sheet.objectName(), QStringLiteral("frmFP"));
    EXPECT_EQ(sheet.windowTitle(), QStringLiteral("INTERNATIONAL FLIGHT PLAN"));
    EXPECT_TRUE(sheet.isModal());
    for (const auto& [name, value] : kValues) {
        EXPECT_EQ(textOf(sheet, QString::fromStdString(name)), QString::fromUtf8(value.c_str()))
            << name;
    }
}

TEST(FlightPlanSheetTest, PrintsTheFormAroundTheValues) {
    FlightPlanSheetDialog sheet(kValues, nullptr);
    EXPECT_EQ(countTexts(sheet, QStringLiteral("International Flight Plan")), 1);
    EXPECT_EQ(countTexts(sheet, QStringLiteral("<<=    (FPL")), 1);
    EXPECT_EQ(countTexts(sheet, QStringLiteral("<<= ")), 3);  // items 8, 13 and 15
    EXPECT_EQ(countTexts(sheet, QStringLiteral("/")), 1);
    EXPECT_EQ(countTexts(sheet, QStringLiteral("19 SUPPLEMENTARY INFORMATION")), 1);
    EXPECT_EQ(textOf(sheet, QStringLiteral("Caption_LblAircId")),
              QStringLiteral("7  AIRCRAFT IDENT."));
    EXPECT_EQ(textOf(sheet, QStringLiteral("Caption_LblTotal")), QStringLiteral("TOTAL EET"));
    EXPECT_EQ(textOf(sheet, QStringLiteral("Caption2_LblTotal")), QStringLiteral("HR     MIN "));
    EXPECT_EQ(textOf(sheet, QStringLiteral("Prefix_lblTime")), QStringLiteral("E /"));
    EXPECT_EQ(textOf(sheet, QStringLiteral("Prefix_LblPOB")), QStringLiteral("P /"));
    EXPECT_EQ(textOf(sheet, QStringLiteral("Prefix_LblPIC")), QStringLiteral("C /"));
    EXPECT_EQ(countTexts(sheet, QStringLiteral("= field required for IFR and VFR")), 1);
    EXPECT_EQ(countTexts(sheet, QStringLiteral("= field required       for IFR ")), 1);
    EXPECT_EQ(countTexts(sheet, QStringLiteral("Not highlighted          field")), 1);
    EXPECT_EQ(countTexts(sheet, QStringLiteral("= field not required for         domestic ICAO")),
              1);
}

struct HighlightCase {
    const char* valueLabel;
    std::optional<QColor> colour;
};

class SheetHighlightTest : public ::testing::TestWithParam<HighlightCase> {};

TEST_P(SheetHighlightTest, CaptionsShowWhatTheItemIsRequiredFor) {
    FlightPlanSheetDialog sheet(kValues, nullptr);
    auto* caption = sheet.findChild<QLabel*>(QStringLiteral("Caption_") +
                                             QString::fromUtf8(GetParam().valueLabel));
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->autoFillBackground(), GetParam().colour.has_value());
    if (GetParam().colour) {
        EXPECT_EQ(caption->palette().color(QPalette::Window), *GetParam().colour);
    }
}

INSTANTIATE_TEST_SUITE_P(Items, SheetHighlightTest,
                         ::testing::Values(HighlightCase{"LblAircId", FormColours::yellow()},
                                           HighlightCase{"LblTOF", FormColours::yellow()},
                                           HighlightCase{"lblRoute", FormColours::yellow()},
                                           HighlightCase{"LblPIC", FormColours::yellow()},
                                           HighlightCase{"LblWake", FormColours::green()},
                                           HighlightCase{"LblEquip", FormColours::green()},
                                           HighlightCase{"LblNumber", std::nullopt},
                                           HighlightCase{"lblAltn", std::nullopt},
                                           HighlightCase{"Lbl2Altn", std::nullopt},
                                           HighlightCase{"lblOther", std::nullopt}),
                         [](const auto& param) { return std::string(param.param.valueLabel); });

}  // namespace
}  // namespace corvane::test
