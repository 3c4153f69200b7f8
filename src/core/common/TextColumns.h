#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace corvane {

/// Fixed-column reads on UTF-8 text. Columns count characters (code points) from 1; a range
/// that runs past the end of the text is cut there and is empty when the text ends before it.
namespace TextColumns {
/// Characters `start`..`start + count - 1` (1-based) of `text`.
std::string_view mid(std::string_view text, std::size_t start, std::size_t count);
/// Characters from `start` (1-based) to the end of `text`.
std::string_view from(std::string_view text, std::size_t start);
/// Characters `first`..`last` (1-based, inclusive) of `text`.
std::string_view columns(std::string_view text, std::size_t first, std::size_t last);
std::string_view left(std::string_view text, std::size_t count);
std::string_view right(std::string_view text, std::size_t count);
/// In code points, not bytes.
std::size_t length(std::string_view text);
/// Byte offset of the character with 1-based index `column`, or text.size() when beyond.
std::size_t byteOffset(std::string_view text, std::size_t column);
}  // namespace TextColumns

/// Removes leading and trailing spaces (only the space character, as the program's trim does).
std::string_view trimSpaces(std::string_view text);
std::string_view trimTrailingSpaces(std::string_view text);
/// `text` with every control character (C0, DEL and the C1 range U+0080 to U+009F) replaced by
/// "?", so that no escape sequence from a file reaches a terminal or an editor.
std::string replaceControlCharacters(std::string_view text);
/// Upper-cases a to z and every other letter of Windows-1252 that has a capital: the accented
/// Latin-1 letters, œ, š, ž and ÿ.
std::string upperCase(std::string_view text);

}  // namespace corvane
