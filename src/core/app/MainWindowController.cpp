#include "app/MainWindowController.h"

#include "app/ActionWiring.h"
#include "app/ExitOperation.h"
#include "app/KeyFilters.h"
#include "common/TextCodec.h"
#include "common/TextColumns.h"
#include "traffic/TrafficRefresh.h"
#include "window/StartupSequence.h"

namespace corvane {

namespace {

void eraseLastCharacter(std::string& text) {
    const std::size_t length = TextColumns::length(text);
    if (length > 0) {
        text.resize(TextColumns::byteOffset(text, length));
    }
}

}  // namespace

MainWindowController::MainWindowController(Platform& platform, const std::string& programFolder)
    : context_(window_, state_, platform, ProgramFolder(programFolder, platform.files())) {
    installActions(actions_, context_);
}

void MainWindowController::start() {
    StartupSequence::run(context_);
    if (state_.running) {
        StartupSequence::activate(window_, state_);
    }
}

void MainWindowController::activate() {
    StartupSequence::activate(window_, state_);
}

ActionResult MainWindowController::click(const std::string& control) {
    Button* button = window_.button(control);
    const auto* action = actions_.click(control);
    if (button == nullptr) {
        if (window_.label(control) == nullptr || action == nullptr) {
            return ActionResult::UnknownControl;
        }
        (*action)();
        return ActionResult::Done;
    }
    if (action == nullptr) {
        return ActionResult::UnknownControl;
    }
    if (!button->enabled) {
        return ActionResult::Ignored;
    }
    (*action)();
    return ActionResult::Done;
}

ActionResult MainWindowController::select(const std::string& control, int index) {
    ListBox* list = window_.list(control);
    ComboBox* combo = window_.combo(control);
    if (list == nullptr && combo == nullptr) {
        return ActionResult::UnknownControl;
    }
    const auto* action = actions_.select(control);
    if (list != nullptr) {
        if (!list->hasIndex(index)) {
            return ActionResult::BadIndex;
        }
        list->selected = index;
    } else {
        if (!combo->hasIndex(index)) {
            return ActionResult::BadIndex;
        }
        if (!combo->enabled) {
            return ActionResult::Ignored;
        }
        combo->select(index);
    }
    if (action != nullptr) {
        (*action)(index);
    }
    return ActionResult::Done;
}

ActionResult MainWindowController::keyPress(const std::string& control, char32_t code) {
    TextBox* box = window_.textBox(control);
    if (box == nullptr || !KeyFilters::hasFilter(control)) {
        return ActionResult::UnknownControl;
    }
    if (!box->enabled) {
        return ActionResult::Ignored;
    }
    const char32_t key = KeyFilters::filter(window_, control, code);
    if (key == 0) {
        return ActionResult::Done;
    }
    if (key == KeyFilters::kBackspace) {
        eraseLastCharacter(box->text);
    } else if (box->maxLength == 0 || TextColumns::length(box->text) < box->maxLength) {
        TextCodec::appendCodePoint(key, box->text);
    }
    return ActionResult::Done;
}

ActionResult MainWindowController::paste(const std::string& control, const std::string& text) {
    if (TextBox* box = window_.textBox(control)) {
        if (!box->enabled || box->readOnly) {
            return ActionResult::Ignored;
        }
        box->text =
            box->maxLength == 0 ? text : std::string(TextColumns::left(text, box->maxLength));
        return ActionResult::Done;
    }
    if (ComboBox* combo = window_.combo(control)) {
        if (!combo->enabled) {
            return ActionResult::Ignored;
        }
        combo->text = text;
        combo->selected = -1;
        return ActionResult::Done;
    }
    return ActionResult::UnknownControl;
}

ActionResult MainWindowController::tick(const std::string& timer) {
    BlinkTimer* blink = window_.timer(timer);
    if (blink == nullptr) {
        return ActionResult::UnknownControl;
    }
    if (!blink->enabled) {
        return ActionResult::Ignored;
    }
    Label& warning = blink == &window_.departure.messageBlink ? window_.departure.message
                                                              : window_.arrival.message;
    warning.visible = !warning.visible;
    return ActionResult::Done;
}

ActionResult MainWindowController::refresh() {
    return TrafficRefresh::refresh(context_) == TrafficRefresh::Outcome::Refreshed
               ? ActionResult::Done
               : ActionResult::Ignored;
}

bool MainWindowController::requestClose() {
    return ExitOperation::closeRequested(state_, context_.platform, context_.folder);
}

ActionResult MainWindowController::closeSheet() {
    const auto* action = actions_.sheetClosed();
    if (action == nullptr) {
        return ActionResult::Ignored;
    }
    (*action)();
    return ActionResult::Done;
}

}  // namespace corvane
