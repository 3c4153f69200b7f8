#include "common/CommandLine.h"

#include <algorithm>

namespace corvane::CommandLine {

namespace {

std::string filled(std::string text, std::string_view field, std::string_view with) {
    for (auto at = text.find(field); at != std::string::npos;
         at = text.find(field, at + with.size())) {
        text.replace(at, field.size(), with);
    }
    return text;
}

const Option* find(const Grammar& grammar, std::string_view name) {
    const auto found =
        std::find_if(grammar.options.begin(), grammar.options.end(), [&](const Option& option) {
            return name == option.name || (!option.alias.empty() && name == option.alias);
        });
    return found == grammar.options.end() ? nullptr : &*found;
}

bool isOption(std::string_view argument) {
    return argument.size() > 1 && argument[0] == '-';
}

}  // namespace

Option helpOption() {
    return {"--help", "", "print this help and exit", "-h"};
}

Option versionOption() {
    return {"--version", "", "print the version and the licence and exit"};
}

std::string Arguments::value(std::string_view name) const {
    const auto found = values.find(name);
    return found == values.end() ? std::string() : found->second;
}

std::optional<Arguments> parse(const Grammar& grammar, const std::vector<std::string>& arguments,
                               std::string& error) {
    Arguments given;
    const auto refuse = [&](const std::string& text) {
        error = text;
        return std::nullopt;
    };
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || !isOption(argument)) {
            if (given.positionals.size() >= grammar.positionals) {
                return refuse(filled(grammar.unknown, "{arg}", argument));
            }
            given.positionals.push_back(argument);
            continue;
        }
        const bool doubleDash = argument[1] == '-';
        const auto equals = doubleDash ? argument.find('=') : std::string::npos;
        const Option* option = find(grammar, std::string_view(argument).substr(0, equals));
        if (option == nullptr && grammar.leaveSingleDash && !doubleDash) {
            // "-platform xcb": the window system's option takes its value along.
            if (i + 1 < arguments.size() && !arguments[i + 1].starts_with('-')) {
                ++i;
            }
            continue;
        }
        if (option == nullptr || (option->value.empty() && equals != std::string::npos)) {
            return refuse(filled(grammar.unknown, "{arg}", argument));
        }
        std::string value;
        if (equals != std::string::npos) {
            value = argument.substr(equals + 1);
        } else if (!option->value.empty() && i + 1 < arguments.size() &&
                   !arguments[i + 1].starts_with("--")) {
            value = arguments[++i];
        }
        if (!option->value.empty() && value.empty()) {
            return refuse(filled(filled(grammar.missingValue, "{option}", option->name), "{value}",
                                 option->value));
        }
        given.values[option->name] = value;
    }
    return given;
}

std::string optionLines(const std::vector<Option>& options, std::size_t column) {
    std::string text;
    for (const Option& option : options) {
        std::string line = "  " + option.name;
        if (!option.value.empty()) {
            line += " " + option.value;
        }
        line.resize(std::max(line.size() + 1, column), ' ');
        text += line + filled(option.help, "\n", "\n" + std::string(column, ' ')) + "\n";
    }
    return text;
}

}  // namespace corvane::CommandLine
