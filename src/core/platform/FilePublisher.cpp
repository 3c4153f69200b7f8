#include "platform/FilePublisher.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace corvane {

bool FilePublisher::publish(const std::string& path, bool inPlace, const Writer& write,
                            std::string& error) {
    const std::string target = inPlace ? path : path + ".tmp";
    std::error_code ec;
    {
        std::ofstream out(target, std::ios::binary | std::ios::trunc);
        if (!out) {
            error = "cannot write " + target;
            return false;
        }
        write(out);
        out.flush();
        if (!out) {
            error = "write failed: " + target;
            out.close();
            if (!inPlace) {
                std::filesystem::remove(target, ec);
            }
            return false;
        }
    }
    if (!inPlace) {
        std::filesystem::rename(target, path, ec);
        if (ec) {
            error = "cannot rename " + target + " to " + path + ": " + ec.message();
            std::filesystem::remove(target, ec);
            return false;
        }
    }
    return true;
}

}  // namespace corvane
