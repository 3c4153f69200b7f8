#include "AtisPanelForm.h"

#include <QGroupBox>
#include <QLabel>

#include "FormColours.h"
#include "WidgetFactory.h"

namespace corvane {

void AtisPanelForm::build(QWidget* window) {
    using F = WidgetFactory;
    auto* panel = F::frame(window, "FraMetar", QString(), 240, 1200, 18855, 2415);
    QLabel* atis = F::valueField(panel, "LblAtisInf", 120, 300, 11000, 1980);
    atis->setWordWrap(true);
    atis->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont large = atis->font();
    large.setPointSize(12);
    large.setBold(true);
    atis->setFont(large);
    F::valueField(panel, "LblAirac", 11280, 300, 7440, 330);
    QLabel* position =
        F::valueField(panel, "lblPosition", 11280, 700, 7440, 400, FormColours::magenta());
    position->setAlignment(Qt::AlignCenter);
    QFont bold = position->font();
    bold.setBold(true);
    position->setFont(bold);
    F::memo(panel, "txtInfoPos", 11280, 1170, 7440, 1110, FormColours::yellow());
}

}  // namespace corvane
