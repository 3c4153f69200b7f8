#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace corvane {

/// The separator the platform writes between a folder and a name.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

/// A path held as UTF-8 text, as the standard library's file functions take it (on Windows the
/// narrow text would be read in the ANSI code page, which cannot name every file).
std::filesystem::path nativePath(const std::string& utf8);
std::string utf8Path(const std::filesystem::path& path);

#ifdef _WIN32
/// UTF-8 to the UTF-16 of the wide Win32 calls; an invalid sequence becomes U+FFFD.
std::wstring wideFromUtf8(std::string_view utf8);
std::string utf8FromWide(std::wstring_view wide);
#endif

}  // namespace corvane
