#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace corvane::test {

/// The bytes of a file, or "" when it cannot be read.
inline std::string readFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

/// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder() {
        std::random_device random;
        do {
            path_ =
                (std::filesystem::temp_directory_path() / ("corvane-" + std::to_string(random())))
                    .string();
        } while (!std::filesystem::create_directory(path_));
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    /// The path of `relative` inside the folder.
    std::string file(const std::string& relative) const {
        std::string path = path_ + "/" + relative;
#ifdef _WIN32
        std::replace(path.begin(), path.end(), '/', '\\');  // as the program writes paths there
#endif
        return path;
    }
    /// Writes `bytes` to `relative`, creating folders on the way.
    void write(const std::string& relative, const std::string& bytes) const {
        const std::filesystem::path target = file(relative);
        std::filesystem::create_directories(target.parent_path());
        std::ofstream(target, std::ios::binary) << bytes;
    }
    /// The bytes of `relative`, or "" when it cannot be read.
    std::string read(const std::string& relative) const {
        return readFileBytes(file(relative));
    }
    bool exists(const std::string& relative) const {
        return std::filesystem::exists(file(relative));
    }

private:
    std::string path_;
};

}  // namespace corvane::test
