#include "FormFont.h"

#include <QFontDatabase>

namespace corvane {

QString FormFont::family() {
    // Fontconfig answers any family with its nearest match, so only a family that is really
    // installed is asked for.
    for (const char* candidate : {"Liberation Sans Narrow", "DejaVu Sans Condensed"}) {
        const QString name = QString::fromLatin1(candidate);
        if (QFontDatabase::hasFamily(name)) {
            return name;
        }
    }
    return QStringLiteral("DejaVu Sans Condensed");
}

QFont FormFont::sized(double points, bool bold) {
    QFont font;
    font.setFamily(family());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont FormFont::standard() {
    return sized(8, false);
}

}  // namespace corvane
