// One fuzz target per file the program reads from outside: the fuzzer's input replaces that file
// (CORVANE_FUZZED_FILE) in an otherwise valid program folder, then a whole session runs on it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzHome.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto& home = corvane::fuzz::FuzzHome::instance();
    home.prepare(CORVANE_FUZZED_FILE, std::string(reinterpret_cast<const char*>(data), size));
    home.runEachLine(corvane::fuzz::kSessionScript);
    return 0;
}
