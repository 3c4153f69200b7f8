#pragma once

#include <nlohmann/json.hpp>

namespace corvane {

class MainWindowController;
class ScriptPlatform;

/// The JSON document the driver writes for `dump`: the whole visible state of the main window,
/// the program-wide values, the flight plan, the sheet and every message box shown.
class StateDump {
public:
    static nlohmann::ordered_json make(const MainWindowController& controller,
                                       const ScriptPlatform& platform);
};

}  // namespace corvane
