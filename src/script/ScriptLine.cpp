#include "ScriptLine.h"

#include <map>

namespace corvane {

namespace {

// Commands whose last argument is the rest of the line, with the number of words before it.
const std::map<std::string, std::size_t, std::less<>>& textCommands() {
    static const std::map<std::string, std::size_t, std::less<>> commands = {
        {"type", 1}, {"paste", 1}, {"pick", 1}, {"folder", 0}};
    return commands;
}

std::vector<std::string> splitWords(std::string_view text) {
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t space = text.find(' ', start);
        const std::size_t end = space == std::string_view::npos ? text.size() : space;
        words.emplace_back(text.substr(start, end - start));
        if (space == std::string_view::npos) {
            break;
        }
        start = space + 1;
    }
    return words;
}

}  // namespace

std::optional<ScriptLine> ScriptLine::parse(std::string_view line) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    if (line.empty() || line.front() == '#') {
        return std::nullopt;
    }
    ScriptLine parsed;
    const std::size_t space = line.find(' ');
    parsed.command = std::string(line.substr(0, space));
    if (space == std::string_view::npos) {
        return parsed;
    }
    std::string_view rest = line.substr(space + 1);
    const auto text = textCommands().find(parsed.command);
    if (text == textCommands().end()) {
        parsed.arguments = splitWords(rest);
        return parsed;
    }
    for (std::size_t word = 0; word < text->second; ++word) {
        const std::size_t next = rest.find(' ');
        if (next == std::string_view::npos) {
            parsed.arguments.emplace_back(rest);
            return parsed;  // the TEXT is missing; the runner reports it
        }
        parsed.arguments.emplace_back(rest.substr(0, next));
        rest = rest.substr(next + 1);
    }
    parsed.arguments.emplace_back(rest);
    return parsed;
}

}  // namespace corvane
