#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

namespace corvane::test {

/// An HTTP server on 127.0.0.1 that answers one request with fixed bytes, after a delay, then
/// closes. Every wait is bounded, so a client that never comes cannot hang a test.
class LoopbackServer {
public:
    LoopbackServer(std::string answer, std::chrono::milliseconds delay)
        : answer_(std::move(answer)), delay_(delay) {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(listener_, reinterpret_cast<sockaddr*>(&address), length);
        ::listen(listener_, 1);
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { serve(); });
    }
    ~LoopbackServer() {
        thread_.join();
        ::close(listener_);
    }
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    /// The address of the server's one document.
    std::string url() const { return "http://127.0.0.1:" + std::to_string(port_) + "/whazzup"; }
    /// The request head the server received (read it after the client is done).
    const std::string& request() const { return request_; }

private:
    static constexpr int kWaitMs = 5000;

    void serve() {
        pollfd waiting{listener_, POLLIN, 0};
        if (::poll(&waiting, 1, kWaitMs) <= 0) {
            return;
        }
        const int client = ::accept(listener_, nullptr, nullptr);
        char buffer[4096];
        pollfd reading{client, POLLIN, 0};
        while (request_.find("\r\n\r\n") == std::string::npos && ::poll(&reading, 1, kWaitMs) > 0) {
            const ssize_t got = ::recv(client, buffer, sizeof buffer, 0);
            if (got <= 0) {
                break;
            }
            request_.append(buffer, static_cast<std::size_t>(got));
        }
        std::this_thread::sleep_for(delay_);
        for (std::size_t sent = 0; sent < answer_.size();) {
            const ssize_t put =
                ::send(client, answer_.data() + sent, answer_.size() - sent, MSG_NOSIGNAL);
            if (put <= 0) {
                break;
            }
            sent += static_cast<std::size_t>(put);
        }
        ::close(client);
    }

    std::string answer_;
    std::chrono::milliseconds delay_;
    int listener_ = -1;
    unsigned short port_ = 0;
    std::string request_;
    std::thread thread_;
};

}  // namespace corvane::test
