#pragma once

#include <string>
#include <string_view>

namespace corvane {

/// What every program of the package answers to --version.
namespace ProgramVersion {
/// The version of the package, e.g. "2.0.0".
std::string_view number();
/// "<program> <version>", then the copyright and the licence, in the form help2man turns into
/// the manual page's copyright section.
std::string text(std::string_view program);
}  // namespace ProgramVersion

}  // namespace corvane
