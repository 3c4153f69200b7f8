#include "common/ProgramVersion.h"

namespace corvane {

std::string_view ProgramVersion::number() {
    return CORVANE_VERSION;
}

std::string ProgramVersion::text(std::string_view program) {
    return std::string(program) + " " + std::string(number()) +
           "\n"
           "Copyright (C) 2026 ATC Corvane developers\n"
           "License GPL-3.0-or-later: GNU GPL version 3 or later "
           "<https://gnu.org/licenses/gpl.html>.\n"
           "This is free software: you are free to change and redistribute it.\n"
           "There is NO WARRANTY, to the extent permitted by law.\n";
}

}  // namespace corvane
