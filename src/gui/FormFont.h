#pragma once

#include <QFont>

namespace corvane {

/// The windows' font: the narrow sans serif the form was laid out for, so that the captions
/// fit the fixed geometry; the closest installed family stands in where Arial is missing.
class FormFont {
public:
    /// The standard 8 point font of the forms.
    static QFont standard();
};

}  // namespace corvane
