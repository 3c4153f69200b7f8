#pragma once

#include <string>
#include <string_view>

namespace corvane {

/// Decoding of the 8-bit or UTF-8 text of files from outside.
namespace TextCodec {
/// True when `bytes` is well-formed UTF-8 (no overlongs, no surrogates, nothing past U+10FFFF).
bool isValidUtf8(std::string_view bytes);
bool isAscii(std::string_view bytes);
void appendWindows1252AsUtf8(std::string_view bytes, std::string& out);
/// In UTF-8.
void appendCodePoint(char32_t code, std::string& out);
/// The character of UTF-8 `text` at `pos`, moving `pos` past it. Lenient, for text typed
/// by hand: a byte that starts no sequence stands for itself, and a cut sequence ends at
/// the end of the text.
char32_t nextCodePoint(std::string_view text, std::size_t& pos);
/// A line as the program reads it: kept when valid UTF-8, otherwise decoded as Windows-1252.
std::string decodeLine(std::string_view bytes);
/// A field of the raw line `rawLine` as it reads once the whole line is decoded.
std::string decodeField(std::string_view field, std::string_view rawLine);
}  // namespace TextCodec

}  // namespace corvane
