#include "FlightPlanSheetDialog.h"

#include <QLabel>

#include "FlightPlanSheetForm.h"
#include "FormFont.h"
#include "Twips.h"
#include "UiText.h"
#include "flightplan/FlightPlanSheetLayout.h"

namespace corvane {

FlightPlanSheetDialog::FlightPlanSheetDialog(const Values& values, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmFP"));
    setWindowTitle(UiText::show(std::string(FlightPlanSheetLayout::kWindowCaption)));
    setModal(true);
    setWindowModality(Qt::ApplicationModal);
    // The main window stays on top of everything; the sheet must stay above it.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setFont(FormFont::standard());
    FlightPlanSheetForm::build(this);
    setFixedSize(Twips::toPixels(FlightPlanSheetForm::kWidth),
                 Twips::toPixels(FlightPlanSheetForm::kHeight));
    for (const auto& [name, text] : values) {
        if (auto* label = findChild<QLabel*>(QString::fromStdString(name))) {
            label->setText(UiText::show(text));
        }
    }
}

}  // namespace corvane
