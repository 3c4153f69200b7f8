#pragma once

#include <functional>
#include <iosfwd>
#include <string>

namespace corvane {

/// Puts a whole file on disk for readers that may open it at any moment. By default it writes
/// a temporary file beside the target and renames it over the target, so a reader never sees
/// half a file; in place it truncates and rewrites the target itself, as some radar clients do.
namespace FilePublisher {
/// Fills the file's content.
using Writer = std::function<void(std::ostream&)>;

/// Writes the file at `path` through `write`. Returns false with a reason on failure; a
/// failed write leaves the previous file in place (unless `inPlace`). Only a regular file
/// or nothing is ever replaced (see isWritableTarget).
bool publish(const std::string& path, bool inPlace, const Writer& write, std::string& error);

/// True when `path` names a regular file or nothing yet: the only things a publisher
/// replaces. Otherwise false with the reason (a link, a pipe, a device, a folder).
bool isWritableTarget(const std::string& path, std::string& error);
}  // namespace FilePublisher

}  // namespace corvane
