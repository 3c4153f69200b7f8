#include "station/ConnectErrorTrap.h"

#include "window/AppContext.h"
#include "window/ConnectionReset.h"

namespace corvane {

std::string ConnectErrorTrap::snapshotMissing(const std::string& path) {
    return "PAY ATTENTION!!! TRAFFIC FILE " + path +
           " NOT FOUND. START THE EYE OR IVAE, OR USE DATA EYE FOLDER TO CHOOSE ITS DATA FOLDER";
}

std::string ConnectErrorTrap::procedureFileMissing(const std::string& path) {
    return "PAY ATTENTION!!! PROCEDURE FILE " + path +
           " NOT FOUND. NO RUNWAYS ARE LISTED: ADD THE FILE OR USE SID/STAR FOLDER";
}

std::string ConnectErrorTrap::cannotRead(const std::string& path, FileStatus status) {
    return "PAY ATTENTION!!! CANNOT READ FILE " + path + " (" + describeFileStatus(status) + ")";
}

void ConnectErrorTrap::snapshotFailed(AppContext& context, FileStatus status,
                                      const std::string& path) {
    if (status != FileStatus::FileNotFound) {
        fileFailed(context, status, path);
        return;
    }
    context.warn(snapshotMissing(path));
    ConnectionReset::resetConnection(context);
}

void ConnectErrorTrap::fileFailed(AppContext& context, FileStatus status, const std::string& path) {
    switch (status) {
        case FileStatus::DeviceUnavailable:
            context.warn(kDeviceUnavailable, kDeviceUnavailableTitle);
            ConnectionReset::resetConnection(context);
            context.window.topStrip.chooseDataFolder.enabled = true;
            return;
        case FileStatus::PathNotFound:
            context.warn(kPathNotFound, kPathNotFoundTitle);
            ConnectionReset::resetConnection(context);
            context.window.topStrip.chooseProcedureFolder.enabled = true;
            context.window.topStrip.chooseDataFolder.enabled = true;
            return;
        default:
            context.warn(cannotRead(path, status));
            ConnectionReset::resetConnection(context);
            return;
    }
}

}  // namespace corvane
