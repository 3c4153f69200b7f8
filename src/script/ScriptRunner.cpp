#include "ScriptRunner.h"

#include <charconv>
#include <utility>

#include "ScriptLine.h"
#include "StateDump.h"
#include "common/TextCodec.h"

namespace corvane {

namespace {

std::optional<long long> wholeNumber(const std::string& text) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return value;
}

std::optional<ClockTime> clockTime(const std::string& text) {
    if (text.size() != 5 || text[2] != ':') {
        return std::nullopt;
    }
    const auto hour = wholeNumber(text.substr(0, 2));
    const auto minute = wholeNumber(text.substr(3, 2));
    if (!hour || !minute || *hour < 0 || *hour > 23 || *minute < 0 || *minute > 59) {
        return std::nullopt;
    }
    return ClockTime{static_cast<int>(*hour), static_cast<int>(*minute)};
}

std::string argumentOrEmpty(const std::vector<std::string>& arguments, std::size_t index) {
    return index < arguments.size() ? arguments[index] : std::string();
}

}  // namespace

ScriptRunner::ScriptRunner(std::string programFolder, std::ostream& out, std::ostream& errors,
                           FileSystem* files)
    : programFolder_(std::move(programFolder)), out_(out), errors_(errors), platform_(files) {}

int ScriptRunner::run(std::istream& script) {
    std::string text;
    int lineNumber = 0;
    while (std::getline(script, text)) {
        ++lineNumber;
        const auto line = ScriptLine::parse(text);
        if (!line) {
            continue;
        }
        std::string problem;
        try {
            problem = runLine(line->command, line->arguments);
        } catch (const UnansweredQuestion& unanswered) {
            errors_ << "line " << lineNumber << ": " << unanswered.what() << '\n';
            return kUnanswered;
        }
        if (!problem.empty()) {
            errors_ << "line " << lineNumber << ": " << problem << '\n';
            return kBadLine;
        }
    }
    return kOk;
}

std::string ScriptRunner::runLine(const std::string& command,
                                  const std::vector<std::string>& arguments) {
    if (command == "dump") {
        dump();
        return {};
    }
    if (controller_ && !controller_->state().running) {
        return "the program has ended";
    }
    bool handled = false;
    std::string problem = runSetupCommand(command, arguments, handled);
    if (handled) {
        return problem;
    }
    if (!controller_) {
        return "the main window is not created yet (use start)";
    }
    return runWindowCommand(command, arguments);
}

std::string ScriptRunner::runSetupCommand(const std::string& command,
                                          const std::vector<std::string>& arguments,
                                          bool& handled) {
    handled = true;
    if (command == "screen") {
        const auto width = arguments.size() == 2 ? wholeNumber(arguments[0]) : std::nullopt;
        const auto height = arguments.size() == 2 ? wholeNumber(arguments[1]) : std::nullopt;
        if (!width || !height || *width < 0 || *height < 0) {
            return "screen needs a width and a height in pixels";
        }
        platform_.setScreenPixels(*width, *height);
        return {};
    }
    if (command == "clock") {
        const auto time = arguments.size() == 1 ? clockTime(arguments[0]) : std::nullopt;
        if (!time) {
            return "clock needs a time HH:MM";
        }
        platform_.setClock(*time);
        return {};
    }
    if (command == "answer") {
        if (arguments.size() != 1 || (arguments[0] != "yes" && arguments[0] != "no")) {
            return "answer needs yes or no";
        }
        platform_.queueAnswer(arguments[0] == "yes");
        return {};
    }
    if (command == "folder") {
        const std::string path = argumentOrEmpty(arguments, 0);
        if (path.empty()) {
            return "folder needs a path or cancel";
        }
        platform_.queueFolder(path == "cancel" ? std::nullopt : std::optional<std::string>(path));
        return {};
    }
    if (command == "start") {
        if (controller_) {
            return "the main window already exists";
        }
        controller_ = std::make_unique<MainWindowController>(platform_, programFolder_);
        controller_->start();
        return {};
    }
    handled = false;
    return {};
}

std::string ScriptRunner::runWindowCommand(const std::string& command,
                                           const std::vector<std::string>& arguments) {
    MainWindowController& app = *controller_;
    const std::string control = argumentOrEmpty(arguments, 0);
    const bool sheetOpen = app.state().Sheet.has_value();
    if (sheetOpen && command != "close-sheet" && command != "tick") {
        return "the flight plan sheet is open (close-sheet first)";
    }
    if (command == "type" || command == "key") {
        if (control.empty() || (command == "key" && arguments.size() != 2)) {
            return command + " needs a control and " + (command == "key" ? "a code" : "a text");
        }
        std::vector<char32_t> codes;
        if (command == "key") {
            const auto code = wholeNumber(arguments[1]);
            if (!code || *code <= 0 || *code > 0x10FFFF) {
                return "bad character code " + arguments[1];
            }
            codes.push_back(static_cast<char32_t>(*code));
        } else {
            const std::string text = argumentOrEmpty(arguments, 1);
            for (std::size_t pos = 0; pos < text.size();) {
                codes.push_back(TextCodec::nextCodePoint(text, pos));
            }
        }
        for (const char32_t code : codes) {
            const ActionResult result = app.keyPress(control, code);
            if (result == ActionResult::UnknownControl) {
                return control + " does not take typed keys";
            }
        }
        return {};
    }
    if (command == "paste") {
        return describe(app.paste(control, argumentOrEmpty(arguments, 1)), control, "");
    }
    if (command == "click") {
        if (arguments.size() != 1) {
            return "click needs one control";
        }
        return describe(app.click(control), control, "");
    }
    if (command == "select" || command == "pick") {
        int index = -1;
        if (command == "select") {
            const auto number = arguments.size() == 2 ? wholeNumber(arguments[1]) : std::nullopt;
            if (!number || *number < -1 || *number > 1'000'000'000) {
                return "select needs a control and an item index";
            }
            index = static_cast<int>(*number);
        } else {
            std::string problem = pickIndex(control, argumentOrEmpty(arguments, 1), index);
            if (!problem.empty()) {
                return problem;
            }
        }
        return describe(app.select(control, index), control, std::to_string(index));
    }
    if (command == "tick") {
        long long count = 1;
        if (arguments.size() == 2) {
            const auto number = wholeNumber(arguments[1]);
            if (!number || *number < 0 || *number > 1'000'000) {
                return "bad tick count " + arguments[1];
            }
            count = *number;
        } else if (arguments.size() != 1) {
            return "tick needs a timer";
        }
        if (control != "Timer1" && control != "Timer2") {
            return "unknown timer " + control;
        }
        for (long long i = 0; i < count; ++i) {
            app.tick(control);
        }
        return {};
    }
    if (command == "refresh") {
        if (!arguments.empty()) {
            return "refresh takes no arguments";
        }
        app.refresh();
        return {};
    }
    if (command == "activate") {
        app.activate();
        return {};
    }
    if (command == "close-sheet") {
        if (!sheetOpen) {
            return "the flight plan sheet is not open";
        }
        return describe(app.closeSheet(), "frmFP", "");
    }
    if (command == "close-window") {
        app.requestClose();
        return {};
    }
    return "unknown command " + command;
}

std::string ScriptRunner::pickIndex(const std::string& control, const std::string& text,
                                    int& index) const {
    const MainWindowModel& w = controller_->window();
    const std::vector<std::string>* items = nullptr;
    if (const ListBox* list = w.list(control)) {
        items = &list->items;
    } else if (const ComboBox* combo = w.combo(control)) {
        items = &combo->items;
    } else {
        return "unknown list or combo box " + control;
    }
    for (std::size_t i = 0; i < items->size(); ++i) {
        if ((*items)[i] == text) {
            index = static_cast<int>(i);
            return {};
        }
    }
    return control + " has no item \"" + text + "\"";
}

std::string ScriptRunner::describe(ActionResult result, const std::string& control,
                                   const std::string& argument) const {
    switch (result) {
        case ActionResult::Done:
        case ActionResult::Ignored:
            return {};
        case ActionResult::UnknownControl:
            return "unknown control " + control;
        case ActionResult::BadIndex:
            return control + " has no item " + argument;
    }
    return "unknown control " + control;
}

void ScriptRunner::dump() {
    const auto write = [this](const MainWindowController& window) {
        out_ << StateDump::make(window, platform_)
                    .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace)
             << '\n';
        out_.flush();
    };
    if (!controller_) {
        // Before `start` there is no window yet: dump the state a new window would have.
        write(MainWindowController(platform_, programFolder_));
        return;
    }
    write(*controller_);
}

}  // namespace corvane
