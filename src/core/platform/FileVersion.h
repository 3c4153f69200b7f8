#pragma once

#include <cstdint>

namespace corvane {

/// What tells one state of a file from another: the file itself (device and inode, which a
/// writer that replaces the file by a rename changes) and its size and last modification (which
/// a writer that rewrites it in place changes). Two reads of the same version read the same
/// bytes.
struct FileVersion {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;  ///< nanoseconds since the epoch

    bool operator==(const FileVersion&) const = default;
};

}  // namespace corvane
