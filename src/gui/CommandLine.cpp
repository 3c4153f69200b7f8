#include "CommandLine.h"

#include <algorithm>

namespace corvane {

const std::vector<CommandLine::Option>& CommandLine::options() {
    static const std::vector<Option> table = {
        {"--home", "DIR",
         "the program folder holding DATA (default: CORVANE_HOME, the executable's folder when it "
         "holds DATA, else the per-user folder)"},
        {"--follow", nullptr,
         "refresh the traffic lists and the selected aircraft whenever the snapshot changes"},
        {"--feed", nullptr,
         "read IVAO's live feed through corvane-feed into live/recent.dat of the program folder, "
         "and follow it"},
        {"--help", nullptr, "print this help and exit"},
        {"--version", nullptr, "print the version and the licence and exit"},
    };
    return table;
}

std::string CommandLine::usage() {
    std::string text = "Usage: corvane";
    for (const Option& option : options()) {
        text += std::string(" [") + option.name +
                (option.value ? std::string(" ") + option.value : "") + "]";
    }
    text +=
        "\nShows the controller's station, traffic and clearances beside the radar client.\n"
        "\nOptions:\n";
    for (const Option& option : options()) {
        std::string head = std::string("  ") + option.name;
        if (option.value != nullptr) {
            head += std::string(" ") + option.value;
        }
        head.resize(std::max<std::size_t>(head.size() + 1, 16), ' ');
        text += head + option.help + "\n";
    }
    return text +
           "  Options with a single dash (-platform NAME, -style NAME ...) go to Qt.\n"
           "\n"
           "Exit status:\n"
           "  0  the program was ended\n"
           "  2  a usage error, or no usable program folder\n";
}

bool CommandLine::parse(const std::vector<std::string>& arguments, bool leaveSingleDash) {
    values_.clear();
    error_.clear();
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const auto& table = options();
        const auto option = std::find_if(table.begin(), table.end(), [&](const Option& known) {
            return argument == known.name;
        });
        if (option != table.end()) {
            if (option->value != nullptr && i + 1 >= arguments.size()) {
                error_ = std::string(option->name) + " needs " + option->value;
                return false;
            }
            values_[option->name] = option->value != nullptr ? arguments[++i] : "";
        } else if (argument == "-h") {
            values_["--help"] = "";
        } else if (leaveSingleDash && argument.size() > 1 && argument[0] == '-' &&
                   argument[1] != '-') {
            // A window-system option such as "-platform xcb": its value goes with it.
            if (i + 1 < arguments.size() && !arguments[i + 1].starts_with('-')) {
                ++i;
            }
        } else {
            error_ = "unknown argument " + argument;
            return false;
        }
    }
    return true;
}

std::string CommandLine::value(const std::string& name) const {
    const auto found = values_.find(name);
    return found == values_.end() ? std::string() : found->second;
}

}  // namespace corvane
