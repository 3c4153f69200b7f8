#pragma once

#include <string>
#include <vector>

#include "platform/Platform.h"

namespace corvane {

/// The command line's arguments as UTF-8, whatever the system's code page.
std::vector<std::string> commandLineArguments(int argc, char** argv);

/// Makes standard input and output pass bytes unchanged (no CR added before LF on Windows), so
/// the driver's JSON Lines are the same everywhere.
void useBinaryStandardStreams();

ClockTime localClockTime();

}  // namespace corvane
