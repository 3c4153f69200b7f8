// Fuzzes the driver's script parser and every action it reaches, on a valid program folder.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzHome.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto& home = corvane::fuzz::FuzzHome::instance();
    home.prepare("", "");
    home.runEachLine(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
