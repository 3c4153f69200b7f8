#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "feed/LiveFeed.h"

namespace corvane {

/// Reads IVAO's public JSON network feed. The document comes from outside: unknown members are
/// ignored, every member may be missing, null or of another type, and nothing in it can make
/// the reader throw or crash. It is read as a stream of events, one client at a time, keeping
/// only the members a snapshot line uses, so memory follows the clients kept, not the document.
namespace FeedReader {
/// Clients read from one document, stations and pilots together; today's network has about a
/// thousand. The rest are counted in `LiveFeed::clientsPastLimit`.
inline constexpr std::size_t kMaxClients = 20000;

/// ATIS lines read from one station; Aurora writes about eight.
inline constexpr std::size_t kMaxAtisLines = 32;

/// The feed held in `document`, or nothing with a one-line reason in `error` when the text
/// is not JSON or not a feed document.
std::optional<LiveFeed> parse(std::string_view document, std::string& error);

/// `updatedAt` as milliseconds since 1970 (with or without fractional seconds), or nothing
/// when it is not an ISO-8601 UTC time.
std::optional<long long> timeMillis(std::string_view isoTime);
}  // namespace FeedReader

}  // namespace corvane
