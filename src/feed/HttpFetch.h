#pragma once

#include <string>

namespace corvane::feed {

/// The answer to one HTTP GET: the body when `ok`, a one-line reason otherwise.
struct HttpAnswer {
    bool ok = false;
    std::string body;
    std::string error;
};

/// Fetches `url` with a User-Agent naming the program and its version, accepting compressed
/// answers. Anything but a whole 200 answer within `timeoutSeconds` (an error status, a broken
/// or truncated transfer, a body past a sane size) is a failure.
HttpAnswer httpGet(const std::string& url, int timeoutSeconds);

std::string userAgent();

}  // namespace corvane::feed
