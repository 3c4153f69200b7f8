#pragma once

namespace corvane {

class AppContext;
class MainWindowModel;

/// The choices the controller makes in the procedure file: a take-off runway lists the SIDs, a
/// landing runway lists the STARs and that runway's approaches, and the approach lists open and
/// close the approach description frame.
namespace RunwaySelection {
/// A take-off runway was picked in `CmbTORwy`: the airport's SIDs are appended to `CmbSid`.
void takeOffRunwaySelected(AppContext& context);
/// A landing runway was picked in `cmbLandRwy`: the STARs are appended to `cmbStar`, and
/// `List3` / `List4` list the approaches of that runway afresh.
void landingRunwaySelected(AppContext& context);
/// An approach name in `List3` was clicked: `fraILS` shows the descriptions.
void approachNameClicked(MainWindowModel& window);
/// An approach description in `List4` was clicked: `fraILS` is hidden again.
void approachDescriptionClicked(MainWindowModel& window);
}  // namespace RunwaySelection

}  // namespace corvane
