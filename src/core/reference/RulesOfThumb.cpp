#include "reference/RulesOfThumb.h"

namespace corvane {

namespace {

// Exactly as pilots' reference sheets word them, odd spacing and punctuation included.
constexpr std::array<std::string_view, RulesOfThumb::kTitleCount> kTitles = {
    "Altimeter correction pressure",
    "Altimeter correction temperature",
    "SAT out of TAT",
    "SAT out of TAT for higher Mach and lower Temp",
    "Level Off procedure if R/C = 1000 feet/min",
    "Level Off procedure if R/C > 1000 feet/min",
    "Cruise Flight Level computation",
    "Vertical Speed to rejoin assigned altitude",
    "To obtain TAS out of Mach-number",
    "To find TAS out of IAS and FL",
    "Ground Speed out of Mach",
    "Drift computation in cruise",
    "Drift computation out of TAS (not IAS, unless during approach)",
    "To find Ground Speed with DME station available",
    "Off-Track distance",
    "Slant distance overhead a DME – station",
    "Intercepting outbound leg when close to the VOR-DME station (valid for Mach 0.7)",
    "Intercept Heading when passing over station before turning to outbound Heading",
    "Intercept Heading when a little bit off-track",
    "Top of Descent (Idle thrust - 3° descent path)",
    "R/D required to be down at certain point",
    "Vertical speed by changing Body Attitude (valid for high speeds)",
    "Vertical speed by changing Body Attitude (valid for lower speeds)",
    "Use TAS or IAS in approach",
    "Distance required if you want to maintain a certain R/D profile",
    "Wind correction for descent distance",
    "R/D required to follow a certain glide %",
    "Conversion % versus degrees for glide path",
    "Start the roll-out from a turn when",
    "Amount of Bank required for a turn",
    "Bank required for a rate one turn",
    "Turn diameter of a rate one turn",
    "Outbound timing for a base turn, when not mentioned on the chart ",
    "R/D to follow the glide slope ILS 3° = 5%",
    "Visibility required to see threshold at VDP (Non-Precision Approach)",
};

constexpr std::array<std::string_view, RulesOfThumb::kTextCount> kTexts = {
    "From high to low, look below - 1 mb = 30 feet Ex.: FL 270 QNH 977 ISA - 36 mb Æ 36 x 30 = "
    "1080 feet Altitude = 25920 feet.",
    "From high to low, look below Corr (feet) = 4 x Æ ISA x altitude / (feet)1000. Ex.:FL 300 ISA "
    "- 6°C Corr = 4 x 6 x 30 = 680 feet Alt = 29320 feet.",
    "SAT (°C) = TAT (°C) - 3 x Mach. Ex.: TAT = -17 °C Mach 0.64 SAT = -17 – 3 x 6 = -17 - 18 = "
    "-35 °C",
    "(°C) = TAT (°C) - (100 x Mach) - 50. Ex.:TAT = -31 °C Mach 0.74 You have 24 above M 0.50 SAT "
    "= -31 -24 = -55 °C.",
    "Æ feet = R/C (feet/min) / 10. Ex.:Climbing to FL 210 R/C = 2000 feet/min Æ feet = 200 --> "
    "feet Start Level off at 20800 feet.",
    "Æ feet = 2 x R/C (feet/min) / 10. Ex.:Climbing to FL 300 R/C = 2500 feet/min Æ feet = 500 --> "
    "feet Start Level off at 29500 feet.",
    "Cruise FL = Trip Distance (NM). Ex.:EBBR-EBOS = 60 NM Optimum is FL 60.",
    "V/S (feet/min) = 2 x Æ feet. Ex.: If on 6250 feet instead of 6000 feet, correct with V/S = "
    "500 feet/min.",
    "TAS (kt) = 6 x Mach. Ex.: M 0.72 TAS = 420 kt.",
    "TAS(kt) = IAS(kt) + FL / 2. Ex.: FL 300 IAS = 240 kt TAS = 240 + 150 = 390 kt.",
    "GS (NM/min) = 10 x Mach. Ex.: M 0.72 GS = 7,2 NM/min.",
    "Drift(°) = x - wind(kt) / Mach. Ex.: M 0.7 X-wind 35 kt Drift = 35 / 7 = 5°.",
    "Drift (°) = X-wind (kt) / speed Number. Ex.:TAS 180 kt X-wind 36 kt Drift = 36 / 3 = 12°.",
    "GS (kt) = 10 x distance (NM) in 36s. Read distance covered in 36 seconds towards or away from "
    "station.",
    "Off-Track Distance = Æ° x distance to station / 60. Ex.:9° off track 11 NM from station "
    "Off-Track Distance = 9 x 11 / 60 = 99 / 60 = 1.6 NM.",
    "each 6000 feet altitude --> 1 NM DME. Ex.:Overhead station FL 330 you will read 33000 / 6000 "
    "= 5.5 NM on DME.",
    "1 NM for each Æ30°. Ex.:FL 330 Inbound on R-180 (Hdg N) to track 060 outbound. Start your "
    "turn to 060 at 2 NM before (+ slant 5.5NM).",
    "Attack (°) = 1/3 x Æ Track (°). Ex.:Inbound on 180 (Hdg N) to track 060 outbound.Take Heading "
    "080 overhead Station to intercept Radial.",
    "Attack (°) = 3 x Off-Track angle(°). Ex.:On R-310 outbound instead of R-315.Take attack 15° "
    "to rejoin.",
    "TOD (NM) = ÆFL / 3. Ex.:FL 280 down to 2000 feet TOD = 260 / 3 = 87 NM.",
    "R/D (feet/min) = speed number x altitude (feet) / distance (NM). Ex.:Descent 17000 feet in "
    "the next 28 NM TAS 240 kt R/D = 4 x 17000 / 28 = 2400 feet/min.",
    "R/D (feet/min) = Mach x ÆBA (°). Ex.:Mach 0.74 --> One degree BA results in 740 feet/min.",
    "R/D (feet/min) = speed number x ÆBA(°). Ex.:Speed TAS 420 kt BA 3 degrees down R/D = 7 x 3 = "
    "2100 feet/min.",
    "Distance (NM) = speed number x altitude (feet) / R/D. Ex.:Descent 23000 feet at 1000 feet/min "
    "TAS 300 kt Distance = 5 x 23 = 115 NM.",
    "Wind Corr (NM) = 10% for each 40 kt component.Ex Thumbrule 20) with 20 kts Tailwind Add 58 to "
    "87 = 92 NM.",
    "R/D (feet/min) = Ground Speed (kt) x %. Es.:TAS 350 kts 20 kts tailwind Glide 3° = 5% R/D = "
    "370 x 5 = 1850 feet/min.",
    "% = 10 x degrees / 6. Ex.:ILS 3° Glide Slope Æ 30 / 6 = 5%.",
    "ÆHeading(°) to go = Bank(°) / 3. Ex.: Bank 25° Right turn to Hdg 080 Start roll-out 8° in "
    "advance, thus on Hdg 072.",
    "Bank(°) = Æ Heading(°). Ex.:Heading North Right to Heading 007.Take 7° Bank",
    "Bank(°) = 15% TAS (kt). Ex.:TAS 180 kt Rate one turn.Bank = 18 + 9 = 27°",
    "Diameter(NM) = TAS(kt)/100. Ex.:TAS 150 kt  Turn Ø = 1,5 NM.",
    "Time (min) = 36 / Track. Ex.:ILS Rwy 27 (QFU 270) Teardrop 066 outbound.Time = 36 / (090-066) "
    "= 1,5 min",
    "R/D (feet/min) = 5 x Ground Speed (kt). Ex.:On Glide Slope TAS 140 kt 10 kt Tailwind. R/D = "
    "750 feet/min",
    "Vis(m) = 6 x MDA(feet). Ex.:MDA 430 feet. Visibility = 6 x 430 feet = 2500 m.",
};

}  // namespace

const std::array<std::string_view, RulesOfThumb::kTitleCount>& RulesOfThumb::titles() {
    return kTitles;
}

const std::array<std::string_view, RulesOfThumb::kTextCount>& RulesOfThumb::texts() {
    return kTexts;
}

std::optional<std::size_t> RulesOfThumb::textNumberFor(int position) {
    if (position < 0 || position >= static_cast<int>(kTitleCount) ||
        position == kTitleWithoutText) {
        return std::nullopt;
    }
    // The texts follow the titles in order but skip the one title that has none, so every
    // title after it is answered by the text one number lower.
    const int number = position < kTitleWithoutText ? position : position - 1;
    return static_cast<std::size_t>(number);
}

std::optional<std::string_view> RulesOfThumb::shownFor(int position) {
    if (position == kTitleWithoutText) {
        return std::string_view{};
    }
    const std::optional<std::size_t> number = textNumberFor(position);
    if (!number) {
        return std::nullopt;
    }
    return kTexts[*number];
}

void RulesOfThumb::showTitles(ListBox& list) {
    list.clear();
    for (const std::string_view title : titles()) {
        list.add(std::string(title));
    }
}

void RulesOfThumb::chooseRule(std::string& shown, int position) {
    if (const auto text = shownFor(position)) {
        shown = std::string(*text);
    }
}

}  // namespace corvane
