#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace corvane::feed {

/// The bytes of the regular file `path` when it holds at most `maxBytes`, or nothing with a
/// one-line reason in `error`. A device, a pipe or a folder is refused before it is read (a
/// read of /dev/zero would never end), and a file growing while it is read is cut off.
std::optional<std::string> readBoundedFile(const std::string& path, std::uintmax_t maxBytes,
                                           std::string& error);

}  // namespace corvane::feed
