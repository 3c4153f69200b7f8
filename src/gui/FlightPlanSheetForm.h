#pragma once

class QWidget;

namespace corvane {

/// The layout of the ICAO flight plan form: item captions (highlighted by what the item is
/// required for), prefixes, dashes and "<<=" line ends, the value labels and the legend.
class FlightPlanSheetForm {
public:
    /// Width and height of the form, in twips.
    static constexpr int kWidth = 12600;
    static constexpr int kHeight = 7560;

    /// Builds the form inside `sheet`; the value labels are named as the logic names them.
    static void build(QWidget* sheet);
};

}  // namespace corvane
