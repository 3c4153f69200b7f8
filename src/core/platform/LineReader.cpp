#include "platform/LineReader.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include <cerrno>
#include <cstring>

#include "common/TextCodec.h"

namespace corvane {

LineReader::LineReader(int fd, std::optional<FileVersion> version)
    : fd_(fd), version_(version), buffer_(new char[kBufferBytes]) {}

LineReader::~LineReader() {
    if (fd_ >= 0) {
#ifdef _WIN32
        ::_close(fd_);
#else
        ::close(fd_);
#endif
    }
}

bool LineReader::fill() {
    if (eof_ || failed_) {
        return false;
    }
    if (begin_ > 0) {
        std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    while (true) {
#ifdef _WIN32
        const int got =
            ::_read(fd_, buffer_.get() + end_, static_cast<unsigned int>(kBufferBytes - end_));
#else
        const ssize_t got = ::read(fd_, buffer_.get() + end_, kBufferBytes - end_);
#endif
        if (got > 0) {
            end_ += static_cast<std::size_t>(got);
            return true;
        }
        if (got == 0) {
            eof_ = true;
            return false;
        }
        if (errno != EINTR) {
            failed_ = true;
            return false;
        }
    }
}

std::string_view LineReader::decode(std::string_view raw) {
    if (TextCodec::isAscii(raw) || TextCodec::isValidUtf8(raw)) {
        return raw;
    }
    decoded_.clear();
    TextCodec::appendWindows1252AsUtf8(raw, decoded_);
    return decoded_;
}

void LineReader::appendToLong(std::string_view piece) {
    const std::size_t room = kMaxLineBytes - long_.size();
    lastLineCut_ = lastLineCut_ || piece.size() > room;
    long_.append(piece.substr(0, room));
}

bool LineReader::readLine(std::string_view& line) {
    long_.clear();
    lastLineCut_ = false;
    bool inLong = false;
    while (true) {
        const char* start = buffer_.get() + begin_;
        const std::size_t pending = end_ - begin_;
        const auto* newline = static_cast<const char*>(std::memchr(start, '\n', pending));
        if (newline != nullptr) {
            const auto piece = std::string_view(start, static_cast<std::size_t>(newline - start));
            begin_ += piece.size() + 1;
            if (!inLong) {
                line = piece;
                return true;
            }
            appendToLong(piece);
            line = long_;
            return true;
        }
        if (pending == kBufferBytes) {
            // A line longer than the buffer: keep (a capped part of) it aside and read on.
            appendToLong(std::string_view(start, pending));
            begin_ = end_ = 0;
            inLong = true;
        }
        if (!fill()) {
            if (failed_) {
                return false;
            }
            if (begin_ < end_) {  // the last line has no line end
                endedInsideLine_ = true;
                const auto piece = std::string_view(buffer_.get() + begin_, end_ - begin_);
                begin_ = end_;
                if (!inLong) {
                    line = piece;
                    return true;
                }
                appendToLong(piece);
            }
            if (inLong) {
                endedInsideLine_ = true;
                line = long_;
                return true;
            }
            return false;
        }
    }
}

bool LineReader::nextRaw(std::string_view& line) {
    if (!readLine(line)) {
        return false;
    }
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return true;
}

bool LineReader::next(std::string_view& line) {
    if (!nextRaw(line)) {
        return false;
    }
    line = decode(line);
    return true;
}

}  // namespace corvane
