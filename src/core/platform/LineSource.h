#pragma once

#include <optional>
#include <string_view>

#include "platform/FileVersion.h"

namespace corvane {

/// A text file opened for sequential reading, one line at a time.
class LineSource {
public:
    virtual ~LineSource() = default;
    /// Reads the next line without its CR LF or LF end, decoded to UTF-8 (kept when valid
    /// UTF-8, otherwise read as Windows-1252). The view stays valid until the next call.
    /// Returns false at the end of the file or on a read failure (then failed() is true).
    virtual bool next(std::string_view& line) = 0;
    /// Reads the next line as it stands in the file, only without its CR LF or LF end: the
    /// bytes are not decoded. A pass that looks at a few columns of every line decodes only the
    /// lines it uses (TextCodec::decodeLine, TextCodec::decodeField). By default the decoded
    /// line, which decodes to itself.
    virtual bool nextRaw(std::string_view& line) { return next(line); }
    /// True when reading stopped because of a read failure rather than the end of the file.
    virtual bool failed() const = 0;
    /// True when the last line read had no line end: the file ended inside a line. A writer
    /// that ends every line (as the snapshot format does) has not finished such a file yet.
    virtual bool endedInsideLine() const { return false; }
    /// True when the last line read was longer than the source keeps and lost its end: what
    /// stood in its later fields is unknown.
    virtual bool lastLineCut() const { return false; }
    /// The version of the file when it was opened, when the source knows it.
    virtual std::optional<FileVersion> version() const { return std::nullopt; }
};

}  // namespace corvane
