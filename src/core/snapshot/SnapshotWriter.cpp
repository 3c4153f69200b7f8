#include "snapshot/SnapshotWriter.h"

#include <array>
#include <charconv>

namespace corvane {

void SnapshotWriter::appendField(std::string& out, std::string_view text) {
    out += text;
    out += ':';
}

void SnapshotWriter::appendLastField(std::string& out, std::string_view text) {
    out += text;
    out += "\r\n";
}

void SnapshotWriter::appendLine(std::string& out, std::span<const std::string> fields) {
    if (fields.empty()) {
        return;
    }
    for (std::size_t i = 0; i + 1 < fields.size(); ++i) {
        appendField(out, fields[i]);
    }
    appendLastField(out, fields.back());
}

std::string SnapshotWriter::fixed(double value, int decimals) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, decimals);
    return result.ec == std::errc{} ? std::string(buffer.data(), result.ptr) : std::string();
}

}  // namespace corvane
