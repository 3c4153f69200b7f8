#include "HttpFetch.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>

namespace corvane::feed {

namespace {

// The real feed is about 0.7 MB; anything far past that is not the feed.
constexpr std::size_t kMaxBodyBytes = 64U * 1024U * 1024U;

struct Body {
    std::string bytes;
    bool tooLarge = false;
};

std::size_t collect(char* data, std::size_t size, std::size_t count, void* target) {
    auto* body = static_cast<Body*>(target);
    const std::size_t bytes = size * count;
    if (body->bytes.size() + bytes > kMaxBodyBytes) {
        body->tooLarge = true;
        return 0;  // stops the transfer
    }
    body->bytes.append(data, bytes);
    return bytes;
}

void initialiseOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

}  // namespace

std::string userAgent() {
    return std::string("corvane-feed/") + CORVANE_VERSION + " (ATC Corvane)";
}

HttpAnswer httpGet(const std::string& url, int timeoutSeconds) {
    initialiseOnce();
    HttpAnswer answer;
    const std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(),
                                                                   &curl_easy_cleanup);
    if (!curl) {
        answer.error = "cannot start an HTTP transfer";
        return answer;
    }
    Body body;
    const std::string agent = userAgent();
    CURL* handle = curl.get();
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_USERAGENT, agent.c_str());
    curl_easy_setopt(handle, CURLOPT_ACCEPT_ENCODING, "");  // every encoding libcurl decodes
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(handle, CURLOPT_MAXREDIRS, 3L);
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_TIMEOUT, static_cast<long>(timeoutSeconds));
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, static_cast<long>(timeoutSeconds));
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &collect);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &body);
    const CURLcode result = curl_easy_perform(handle);
    if (body.tooLarge) {
        answer.error = "the answer is larger than any feed";
        return answer;
    }
    if (result != CURLE_OK) {
        answer.error = curl_easy_strerror(result);
        return answer;
    }
    long status = 0;
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
    if (status != 200) {
        answer.error = "HTTP status " + std::to_string(status);
        return answer;
    }
    answer.ok = true;
    answer.body = std::move(body.bytes);
    return answer;
}

}  // namespace corvane::feed
