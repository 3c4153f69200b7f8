#include "UiText.h"

#include <string_view>

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

namespace {

constexpr std::size_t kHeadCharacters = 240;
constexpr std::string_view kCut = "...";
constexpr std::string_view kZeroWidthSpace = "\u200B";

bool startsCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U;
}

// Byte offset of the character `index` (from 0) of UTF-8 `text`, or its size when beyond.
std::size_t offsetOf(std::string_view text, std::size_t index) {
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        if (startsCharacter(text[pos]) && index-- == 0) {
            return pos;
        }
    }
    return text.size();
}

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (const char byte : text) {
        count += startsCharacter(byte) ? 1 : 0;
    }
    return count;
}

}  // namespace

std::string UiText::forMessageBox(const std::string& text) {
    std::string_view kept = text;
    std::string cut;
    const std::size_t characters = characterCount(text);
    if (characters > kMessageCharacters) {
        const std::size_t tail = kMessageCharacters - kHeadCharacters - kCut.size();
        cut.assign(kept.substr(0, offsetOf(kept, kHeadCharacters)));
        cut += kCut;
        cut += kept.substr(offsetOf(kept, characters - tail));
        kept = cut;
    }
    std::string shown;
    shown.reserve(kept.size() + kept.size() / kUnbrokenCharacters * kZeroWidthSpace.size());
    std::size_t run = 0;
    for (const char byte : kept) {
        if (byte == ' ' || byte == '\r' || byte == '\n') {
            run = 0;
        } else if (startsCharacter(byte) && run++ == kUnbrokenCharacters) {
            shown += kZeroWidthSpace;
            run = 1;
        }
        shown += byte;
    }
    return shown;
}

}  // namespace corvane
