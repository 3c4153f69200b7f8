#pragma once

#include <QDialog>
#include <string>
#include <utility>
#include <vector>

namespace corvane {

/// The flight plan sheet `frmFP` "INTERNATIONAL FLIGHT PLAN": the ICAO flight plan form with
/// the value labels the logic filled for the selected aircraft. It only shows; closing it is
/// the one thing the user does with it.
class FlightPlanSheetDialog : public QDialog {
    Q_OBJECT
public:
    using Values = std::vector<std::pair<std::string, std::string>>;

    /// Builds the form and shows `values` (value label name, text) in it.
    FlightPlanSheetDialog(const Values& values, QWidget* parent);
};

}  // namespace corvane
