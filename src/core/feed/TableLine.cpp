#include "feed/TableLine.h"

namespace corvane {

bool readTableLine(std::istream& in, std::string& line, std::size_t maxLength) {
    if (!in.good()) {
        return false;
    }
    line.clear();
    for (int c; (c = in.get()) != std::char_traits<char>::eof() && c != '\n';) {
        if (line.size() < maxLength) {
            line += static_cast<char>(c);
        }
    }
    return true;
}

}  // namespace corvane
