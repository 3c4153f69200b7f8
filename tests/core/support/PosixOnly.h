#pragma once

#include <cerrno>
#include <string>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#if defined(_WIN32) && !defined(EDQUOT)
#define EDQUOT ENOSPC  // no disk quota error there: a used-up quota reads as a full disk
#endif

namespace corvane::test {

/// Skips the rest of a test that needs what only a POSIX file system has (symbolic links any
/// user can make, named pipes, devices, permission bits), saying so.
#ifdef _WIN32
#define CORVANE_SKIP_UNLESS_POSIX(what) GTEST_SKIP() << "Windows has no " << what
#else
#define CORVANE_SKIP_UNLESS_POSIX(what) static_cast<void>(what)
#endif

/// Makes a named pipe at `path`; false where there are none.
inline bool makePipe(const std::string& path) {
#ifdef _WIN32
    static_cast<void>(path);
    return false;
#else
    return ::mkfifo(path.c_str(), 0600) == 0;
#endif
}

}  // namespace corvane::test
