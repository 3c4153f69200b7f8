#include "SnapshotPublisher.h"

#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>

namespace corvane::sim {

SnapshotPublisher::SnapshotPublisher(std::string path, bool inPlace)
    : path_(std::move(path)), inPlace_(inPlace) {}

bool SnapshotPublisher::publish(const TrafficSimulator& simulator, std::string& error) const {
    const std::string target = inPlace_ ? path_ : path_ + ".tmp";
    {
        std::ofstream out(target, std::ios::binary | std::ios::trunc);
        if (!out) {
            error = "cannot write " + target;
            return false;
        }
        simulator.writeSnapshot(out);
        out.flush();
        if (!out) {
            error = "write failed: " + target;
            return false;
        }
    }
    if (!inPlace_) {
        std::error_code ec;
        std::filesystem::rename(target, path_, ec);
        if (ec) {
            error = "cannot rename " + target + " to " + path_ + ": " + ec.message();
            std::filesystem::remove(target, ec);
            return false;
        }
    }
    return true;
}

}  // namespace corvane::sim
