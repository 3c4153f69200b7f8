#include "UiText.h"

namespace corvane {

QString UiText::show(const std::string& text) {
    QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

std::string UiText::toModel(const QString& text) {
    return text.toUtf8().toStdString();
}

}  // namespace corvane
