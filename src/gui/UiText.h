#pragma once

#include <QString>
#include <string>

namespace corvane {

/// Text between the logic (UTF-8, lines broken with CR or CR LF as the program always wrote
/// them) and Qt.
class UiText {
public:
    /// UTF-8 text of the logic as a QString; CR LF and lone CR become line feeds.
    static QString show(const std::string& text);
    /// A QString back as the logic's UTF-8 text.
    static std::string toModel(const QString& text);
};

}  // namespace corvane
