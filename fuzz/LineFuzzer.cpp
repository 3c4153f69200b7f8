// Fuzzes the reader of every text file: any bytes as a file, read line by line both decoded and
// raw. The session targets keep their files in memory, so this is where the reader meets hostile
// bytes. Besides crashes, it stops on a line that holds a line feed or, decoded, is no UTF-8.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "common/TextCodec.h"
#include "platform/LineReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int fd = ::memfd_create("corvane-fuzz-lines", 0);
    if (fd < 0 || ::write(fd, data, size) != static_cast<ssize_t>(size) ||
        ::lseek(fd, 0, SEEK_SET) != 0) {
        std::abort();
    }
    corvane::LineReader reader(fd);
    std::string_view line;
    for (bool raw = size % 2 == 0; raw ? reader.nextRaw(line) : reader.next(line); raw = !raw) {
        if (line.find('\n') != std::string_view::npos ||
            (!raw && !corvane::TextCodec::isValidUtf8(line))) {
            std::abort();
        }
    }
    if (reader.failed()) {
        std::abort();
    }
    return 0;
}
