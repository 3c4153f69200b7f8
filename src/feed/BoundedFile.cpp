#include "BoundedFile.h"

#include <filesystem>
#include <fstream>
#include <utility>

namespace corvane::feed {

std::optional<std::string> readBoundedFile(const std::string& path, std::uintmax_t maxBytes,
                                           std::string& error) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::exists(status)) {
        error = "cannot read " + path;
        return std::nullopt;
    }
    if (!std::filesystem::is_regular_file(status)) {
        error = path + " is not a regular file";
        return std::nullopt;
    }
    const std::string tooLarge =
        path + " is larger than " + std::to_string(maxBytes / (1024U * 1024U)) + " MiB";
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec && size > maxBytes) {
        error = tooLarge;
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read " + path;
        return std::nullopt;
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(ec ? 0 : size));
    // Read to the end, not to the size taken above: the file may change meanwhile.
    char chunk[65536];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > maxBytes) {
            error = tooLarge;
            return std::nullopt;
        }
    }
    if (in.bad()) {
        error = "cannot read " + path;
        return std::nullopt;
    }
    return std::optional<std::string>(std::move(bytes));
}

}  // namespace corvane::feed
