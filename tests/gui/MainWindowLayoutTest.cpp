// The window as it stands after start: geometry in twips, captions, control names, colours,
// enabled states, and the screen check.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "GuiFixture.h"
#include "Twips.h"

namespace corvane::test {
namespace {

class MainWindowLayoutTest : public GuiFixture {};

TEST_F(MainWindowLayoutTest, StartsCollapsedAtTheTopLeftAndAlwaysOnTop) {
    start();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("APPROACH CORVANE"));
    EXPECT_EQ(window->size(),
              QSize(1291, 80));  // 19360 x 1530 twips less the title bar: the top strip only
    EXPECT_EQ(window->pos(), QPoint(0, 0));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(ended);
}

struct ContainerCase {
    const char* name;
    QRect pixels;  // the twips of the form divided by 15
    bool shownAtStart;
};

class ContainerGeometryTest : public GuiFixture,
                              public ::testing::WithParamInterface<ContainerCase> {};

TEST_P(ContainerGeometryTest, SitsWhereTheFormPutsIt) {
    start();
    const ContainerCase& expected = GetParam();
    auto* frame = qobject_cast<QGroupBox*>(widget(QString::fromUtf8(expected.name)));
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->geometry(), expected.pixels);
    EXPECT_EQ(frame->isVisible(), expected.shownAtStart);
}

INSTANTIATE_TEST_SUITE_P(
    Containers, ContainerGeometryTest,
    ::testing::Values(ContainerCase{"Frame7", QRect(8, 0, 1265, 81), true},
                      ContainerCase{"FraMetar", QRect(16, 80, 1257, 161), false},
                      ContainerCase{"FraSid", QRect(8, 80, 1265, 233), false},
                      ContainerCase{"FraStar", QRect(8, 80, 1265, 233), false},
                      ContainerCase{"fraILS", QRect(-24, 16, 1289, 65), false}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(TwipsTest, FifteenTwipsMakeOnePixel) {
    EXPECT_EQ(Twips::toPixels(19360), 1291);
    EXPECT_EQ(Twips::toPixels(5200), 347);
    EXPECT_EQ(Twips::toPixels(-360), -24);
    EXPECT_EQ(Twips::rect(120, 1200, 18975, 3495), QRect(8, 80, 1265, 233));
}

struct CaptionCase {
    const char* name;
    const char* text;
};

class CaptionTest : public GuiFixture, public ::testing::WithParamInterface<CaptionCase> {};

TEST_P(CaptionTest, ShowsTheCaptionAsWritten) {
    start();
    EXPECT_EQ(text(QString::fromUtf8(GetParam().name)), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Captions, CaptionTest,
    ::testing::Values(
        CaptionCase{"Label5", "OPERATOR/VID "}, CaptionCase{"Label9", "POSITION NAME :"},
        CaptionCase{"Label2", "AIRPORT NAME:"}, CaptionCase{"Label7", "YOUR RATING :"},
        CaptionCase{"Label1(41)", "T.A."}, CaptionCase{"Label1(39)", "QNH hPa"},
        CaptionCase{"Label1(33)", "QNH inHg"}, CaptionCase{"Label1(40)", "T.L."},
        CaptionCase{"Label1(1)", "Select T/O     Rwy"}, CaptionCase{"Label1(2)", "Select Sid"},
        CaptionCase{"Label1(3)", "Insert Initial     Climb"},
        CaptionCase{"Label1(4)", "SQUAWK  CODE AVAILABLE"}, CaptionCase{"Label3", "RANGE"},
        CaptionCase{"Label4", "-"}, CaptionCase{"Label1(21)", "EXPECTED SID FILED"},
        CaptionCase{"Label1(31)", "IFR DEPARTURE CLEARANCE"},
        CaptionCase{"Label1(32)", "SID ASSIGNED"}, CaptionCase{"Label1(34)", "RULES OF THUMBES"},
        CaptionCase{"Label1(27)", "AIRCRAFT ACTIVITY"},
        CaptionCase{"Label1(38)", "PARAMETERS FLIGHT"}, CaptionCase{"Label1(5)", "DISTANCE FROM "},
        CaptionCase{"Label1(12)", "TO"}, CaptionCase{"Label1(16)", "TOTAL NM"},
        CaptionCase{"Label1(17)", "ENDURANCE"}, CaptionCase{"Label1(15)", "TAS  FILED"},
        CaptionCase{"Label1(14)", "FL  FILED"}, CaptionCase{"Label1(28)", "CURRENT SPEED"},
        CaptionCase{"Label1(29)", "CURRENT ALT"}, CaptionCase{"Label1(37)", "REMAIN NM"},
        CaptionCase{"Label1(36)", "POSITION NEAR "}, CaptionCase{"Label1(47)", "CTR RESPONS."},
        CaptionCase{"Label1(8)", "Select Land        Rwy"}, CaptionCase{"Label1(7)", "Select Star"},
        CaptionCase{"Label1(6)", "Insert Initial   Descend"},
        CaptionCase{"Label1(0)", "ILS/LOC/VOR   PROCEDURES"},
        CaptionCase{"Label1(22)", "EXPECTED STAR"}, CaptionCase{"Label1(42)", "IFR STAR CLEARANCE"},
        CaptionCase{"Label1(45)", "STAR ASSIGNED"}, CaptionCase{"Label1(24)", "RULES OF THUMBES"},
        CaptionCase{"Label1(20)", "SQUAWK CODE AVAILABLE"},
        CaptionCase{"Label1(18)", "SQUAWK ASSIGNED"},
        CaptionCase{"Label1(10)", "DISTANCE TO DEST.  AIRPORT "}, CaptionCase{"Label1(23)", "NM"},
        CaptionCase{"Label1(30)", "SPEED"}, CaptionCase{"Label1(43)", "ENDURANCE"},
        CaptionCase{"Label1(19)", "CURRENT ALTITUDE"}, CaptionCase{"Label1(25)", "REAL ETA"},
        CaptionCase{"Label1(35)", "POSITION NEAR "}, CaptionCase{"Label1(26)", "AIRCRAFT ACTIVITY"},
        CaptionCase{"Label1(44)", "PARAMETERS FLIGHT"},
        CaptionCase{"Label1(46)", "CTR RESPONSABILITY"},
        CaptionCase{"CmdExecute", "CONNECT TO IVAO SERVER"},
        CaptionCase{"Command3(0)", "ATIS  INFORMATION"},
        CaptionCase{"Command3(1)", "DEPARTURE CLRS GENERATOR"},
        CaptionCase{"Command3(3)", "APPROACH CLRS GENERATOR"},
        CaptionCase{"Command3(5)", "SID/STAR FOLDER"},
        CaptionCase{"Command3(6)", "DATA EYE FOLDER"}, CaptionCase{"Command3(7)", "RESET"},
        CaptionCase{"Command3(8)", "EXIT"}, CaptionCase{"Command3(9)", "RESET SUB WINDOW"},
        CaptionCase{"cmdSidGen", "GENERATE IFR DEPARTURE CLEARANCE"},
        CaptionCase{"cmdStarGen", "GENERATE STAR AND APPROACH CLEARANCE"},
        CaptionCase{"cmdRemoveDep", "REMOVE AIRCRAFT"}, CaptionCase{"cmdFPDep", "SHOW FLIGHT PLAN"},
        CaptionCase{"cmdRemoveArr", "REMOVE AIRCRAFT"},
        CaptionCase{"cmdFPArr", "SHOW FLIGHT PLAN"}),
    [](const auto& param) {
        std::string name = param.param.name;
        for (char& c : name) {
            if (!std::isalnum(static_cast<unsigned char>(c))) {
                c = '_';
            }
        }
        return name + "_" + std::to_string(param.index);
    });

TEST_F(MainWindowLayoutTest, FramesCarryTheirCaptions) {
    start();
    const std::pair<const char*, const char*> frames[] = {
        {"Frame7",
         "INSERT YOUR IVAO ACCOUNT TO CONNECT (NORMALLY NAME AND SURNAME BUT IF DON'T WORK INSERT "
         "VID NUMBER)"},
        {"FraMetar", "ATIS INFORMATION"},
        {"FraSid", "IFR DEPARTURE CLEARANCE AND SQUAWK CODE ASSIGN"},
        {"FraStar", "STARS AND APPROACH CLEARANCE GENERATOR"},
        {"FraDeparture", "DEPARTURE ACFT"},
        {"FraClrAss", "      CLRS ASSIGNED       "},
        {"FraArrival", "ARRIVAL ACFT"},
        {"FraStarAss", "STAR ASSIGNED"},
        {"FraSquawk", "SQUAWK CODE RANGE"}};
    for (const auto& [name, caption] : frames) {
        auto* frame = qobject_cast<QGroupBox*>(widget(QString::fromUtf8(name)));
        ASSERT_NE(frame, nullptr) << name;
        EXPECT_EQ(frame->title(), QString::fromUtf8(caption)) << name;
    }
}

struct ColourCase {
    const char* name;
    QColor colour;
};

class FieldColourTest : public GuiFixture, public ::testing::WithParamInterface<ColourCase> {};

TEST_P(FieldColourTest, PaintsTheNamedColour) {
    start();
    EXPECT_EQ(background(widget(QString::fromUtf8(GetParam().name))), GetParam().colour);
}

const QColor kYellow(255, 255, 0);
const QColor kGreen(0, 255, 0);
const QColor kMagenta(255, 0, 255);
const QColor kCyan(0, 255, 255);
const QColor kLightCyan(192, 255, 255);

INSTANTIATE_TEST_SUITE_P(
    Colours, FieldColourTest,
    ::testing::Values(ColourCase{"LblPositionName", kYellow}, ColourCase{"LblNomeApt", kYellow},
                      ColourCase{"LblRating", kYellow}, ColourCase{"lblTA", kYellow},
                      ColourCase{"lblQNH", kYellow}, ColourCase{"lblPollici", kYellow},
                      ColourCase{"lblTL", kYellow}, ColourCase{"LblAtisInf", kYellow},
                      ColourCase{"LblAirac", kYellow}, ColourCase{"txtInfoPos", kYellow},
                      ColourCase{"LblSquawk", kYellow}, ColourCase{"lblParam", kYellow},
                      ColourCase{"lblParArr", kYellow}, ColourCase{"lblPosDep", kYellow},
                      ColourCase{"LblSqArr", kYellow}, ColourCase{"lblCompanyDep", kGreen},
                      ColourCase{"lblCompanyArr", kGreen}, ColourCase{"Label1(11)", kGreen},
                      ColourCase{"lblPosition", kMagenta}, ColourCase{"Label1(13)", kMagenta},
                      ColourCase{"lblCallSign", kMagenta}, ColourCase{"LblIfrSid", kCyan},
                      ColourCase{"lblIfrStar", kCyan}, ColourCase{"LblExpSid", kLightCyan},
                      ColourCase{"lblExpStar", kLightCyan}, ColourCase{"List3", kYellow},
                      ColourCase{"List4", kYellow}),
    [](const auto& param) { return "Field" + std::to_string(param.index); });

TEST_F(MainWindowLayoutTest, OnlyTheOperatorNameFoldersAndExitAreUsableAtStart) {
    start();
    EXPECT_TRUE(lineEdit("TxtOperatorName")->isEnabled());
    EXPECT_EQ(window->focusWidget(), widget("TxtOperatorName"));
    EXPECT_EQ(lineEdit("TxtOperatorName")->maxLength(), 30);
    EXPECT_FALSE(widget("CmdExecute")->isEnabled());
    for (const int index : {5, 6, 8}) {
        EXPECT_TRUE(widget(QStringLiteral("Command3(%1)").arg(index))->isEnabled()) << index;
    }
    for (const int index : {0, 1, 3, 7, 9}) {
        EXPECT_FALSE(widget(QStringLiteral("Command3(%1)").arg(index))->isEnabled()) << index;
    }
    for (const char* name : {"cmdRemoveDep", "cmdFPDep", "cmdRemoveArr", "cmdFPArr"}) {
        EXPECT_FALSE(widget(QString::fromUtf8(name))->isEnabled()) << name;
    }
}

TEST_F(MainWindowLayoutTest, ButtonsLieInTheirOrderWithResetAboveExit) {
    start();
    int left = -1;
    for (const int index : {0, 1, 3, 6, 5, 9}) {
        const int x = widget(QStringLiteral("Command3(%1)").arg(index))->x();
        EXPECT_GT(x, left) << index;
        left = x;
    }
    QWidget* reset = widget("Command3(7)");
    QWidget* exit = widget("Command3(8)");
    EXPECT_EQ(reset->x(), exit->x());
    EXPECT_LT(reset->y(), exit->y());
    EXPECT_GT(reset->x(), left);
    for (const int index : {0, 1, 3, 5, 6, 7, 8, 9}) {
        EXPECT_FALSE(widget(QStringLiteral("Command3(%1)").arg(index))->toolTip().isEmpty())
            << index;
    }
}

TEST_F(MainWindowLayoutTest, ASmallScreenEndsTheProgramWithTheResolutionMessage) {
    platform.setScreenOverride(QtPlatform::twipsOf(1024, 767));
    start();
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_EQ(messages[0].title, "APPROACH CORVANE");
    EXPECT_EQ(messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(messages[0].text.rfind("Il programma è ottimizzato", 0), 0U);
    EXPECT_TRUE(ended);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowLayoutTest, AScreenOfExactly1024By768PixelsPasses) {
    platform.setScreenOverride(QtPlatform::twipsOf(1024, 768));
    start();
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(window->isVisible());
}

TEST(QtPlatformScreenTest, CountsFifteenTwipsPerDeviceIndependentPixel) {
    const ScreenSize full = QtPlatform::twipsOf(1024, 768);
    EXPECT_EQ(full.widthTwips, 15360);
    EXPECT_EQ(full.heightTwips, 11520);
    // 1024 x 768 physical pixels at 125 % scaling are 819 x 614 device-independent pixels.
    const ScreenSize scaled = QtPlatform::twipsOf(819, 614);
    EXPECT_LT(scaled.widthTwips, 15360);
}

}  // namespace
}  // namespace corvane::test
