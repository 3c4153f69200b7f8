#include "FormFont.h"

#include <QFontDatabase>

namespace corvane {

QFont FormFont::standard() {
    QFont font;
    // Fontconfig answers any family with its nearest match, so ask for Arial only when it is
    // really there; otherwise the condensed sans keeps the captions inside their fields.
    const QString arial = QStringLiteral("Arial");
    font.setFamily(QFontDatabase::hasFamily(arial) ? arial
                                                   : QStringLiteral("DejaVu Sans Condensed"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

}  // namespace corvane
