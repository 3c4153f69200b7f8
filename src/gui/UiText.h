#pragma once

#include <QString>
#include <cstddef>
#include <string>

namespace corvane {

/// Text between the logic (UTF-8, lines broken with CR or CR LF as the program always wrote
/// them) and Qt.
class UiText {
public:
    /// UTF-8 text of the logic as a QString; CR LF and lone CR become line feeds.
    static QString show(const std::string& text);
    /// As UTF-8.
    static std::string toModel(const QString& text);

    /// Most characters a message box shows; a longer text is cut in its middle.
    static constexpr std::size_t kMessageCharacters = 400;
    /// Most characters a message box shows without a place to break the line.
    static constexpr std::size_t kUnbrokenCharacters = 60;
    /// `text` as a message box can lay it out at once and fit on the screen: a text longer than
    /// kMessageCharacters keeps its beginning and its end around "..." (the middle, where a long
    /// path stands), and a run without spaces gets an invisible break opportunity every
    /// kUnbrokenCharacters characters.
    static std::string forMessageBox(const std::string& text);
};

}  // namespace corvane
