#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/LineSource.h"

namespace corvane {

/// Streams the lines of an open file descriptor through a large buffer, without a heap
/// allocation per line. Lines longer than kMaxLineBytes are cut there (the rest is skipped) so a
/// hostile file cannot make the program hold it whole.
class LineReader final : public LineSource {
public:
    static constexpr std::size_t kBufferBytes = 256 * 1024;
    static constexpr std::size_t kMaxLineBytes = 4 * 1024 * 1024;

    /// Takes ownership of `fd` and closes it on destruction; `version` is the file's version
    /// when it was opened, if known.
    explicit LineReader(int fd, std::optional<FileVersion> version = std::nullopt);
    ~LineReader() override;
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    bool next(std::string_view& line) override;
    bool nextRaw(std::string_view& line) override;
    bool failed() const override { return failed_; }
    bool endedInsideLine() const override { return endedInsideLine_; }
    bool lastLineCut() const override { return lastLineCut_; }
    std::optional<FileVersion> version() const override { return version_; }

private:
    bool fill();
    bool readLine(std::string_view& line);
    void appendToLong(std::string_view piece);
    std::string_view decode(std::string_view raw);

    int fd_;
    std::optional<FileVersion> version_;
    std::unique_ptr<char[]> buffer_;  // not zero-filled: most files opened are small
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool eof_ = false;
    bool failed_ = false;
    bool endedInsideLine_ = false;
    bool lastLineCut_ = false;
    std::string long_;     // a line that did not fit the buffer
    std::string decoded_;  // a Windows-1252 line decoded to UTF-8
};

}  // namespace corvane
