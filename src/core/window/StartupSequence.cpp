#include "window/StartupSequence.h"

#include "window/AppContext.h"
#include "window/ConnectionReset.h"
#include "window/WindowLayouts.h"

namespace corvane {

namespace {

constexpr int kTwipsPerPixel = 15;

constexpr const char* kScreenTooSmall =
    "Il programma è ottimizzato per una risoluzione dello schermo di 1024 per 768\r"
    "Pixel, o superiore.\r"
    "Prego aumentare la risoluzione.";

}  // namespace

bool StartupSequence::screenAtLeast(const Platform& platform, int width, int height) {
    const ScreenSize screen = platform.screenSize();
    return screen.widthTwips >= static_cast<long long>(width) * kTwipsPerPixel &&
           screen.heightTwips >= static_cast<long long>(height) * kTwipsPerPixel;
}

void StartupSequence::run(AppContext& context) {
    MainWindowModel& w = context.window;
    context.state.windowCreated = true;
    // A run that ended without EXIT or RESET (a crash, a kill) left its logs and perhaps half a
    // settings write behind; none of it belongs to this run.
    ConnectionReset::deleteClearanceLogs(context.files(), context.folder);
    for (const char* settings :
         {ProgramFolder::kSnapshotSettings, ProgramFolder::kProcedureSettings}) {
        context.files().removeStaleTemporaries(context.folder.dataFile(settings));
    }
    if (!screenAtLeast(context.platform, 1024, 768)) {
        // There is no portable display-settings panel to open here: say why and end.
        context.warn(kScreenTooSmall, w.caption);
        context.state.running = false;
        return;
    }
    WindowLayouts::posinit(w);
    w.topMost = true;
    WindowLayouts::disableButtons(w);
    w.topStrip.exit.enabled = true;
}

void StartupSequence::activate(MainWindowModel& w, ProgramState& s) {
    if (!s.FlightPlanKind.has_value() || *s.FlightPlanKind == 0) {
        w.topStrip.account.text.clear();
        w.focus = w.topStrip.account.name;
        w.topStrip.chooseProcedureFolder.enabled = true;
        w.topStrip.chooseDataFolder.enabled = true;
        s.FolderSelector = 0;
    }
    s.CentreMode = false;
}

}  // namespace corvane
