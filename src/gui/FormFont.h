#pragma once

#include <QFont>
#include <QString>

namespace corvane {

/// The windows' font: a narrow sans serif that Debian ships, so that the captions and values
/// stand whole in the form's fixed geometry.
class FormFont {
public:
    /// Liberation Sans Narrow (fonts-liberation), the metrics of Arial Narrow; DejaVu Sans
    /// Condensed (fonts-dejavu-extra) where it is missing.
    static QString family();
    /// The standard 8 point font of the forms.
    static QFont standard();
    static QFont sized(double points, bool bold);
};

}  // namespace corvane
