// Fuzzes the live feed reader and its conversion: any bytes as a feed document (and as an
// airport table). Besides crashes, it stops on a snapshot line a ":" or a line break from the
// feed has broken: every line must keep exactly the fields of its kind.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "feed/FeedReader.h"
#include "feed/FeedSnapshot.h"

namespace {

constexpr std::size_t kStationColons = 15;
constexpr std::size_t kPilotColons = 46;

void checkLines(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size()) {
        const std::size_t end = text.find("\r\n", begin);
        if (end == std::string_view::npos) {
            std::abort();  // a line without its CR LF
        }
        const std::string_view line = text.substr(begin, end - begin);
        std::size_t colons = 0;
        for (const char c : line) {
            colons += c == ':' ? 1 : 0;
            if (c == '\r' || c == '\n') {
                std::abort();
            }
        }
        if (colons != kStationColons && colons != kPilotColons) {
            std::abort();
        }
        begin = end + 2;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::istringstream tableText{std::string(bytes)};
    const corvane::AirportTable fuzzedTable = corvane::AirportTable::read(tableText);
    std::istringstream knownText("EDDF,50.036521,8.561268,Frankfurt Airport\n");
    const corvane::AirportTable known = corvane::AirportTable::read(knownText);

    std::string error;
    const auto feed = corvane::FeedReader::parse(bytes, error);
    if (feed) {
        corvane::FeedReader::timeMillis(feed->updatedAt);
        checkLines(corvane::snapshotFromFeed(*feed, known).text);
        checkLines(corvane::snapshotFromFeed(*feed, fuzzedTable).text);
    }
    return 0;
}
