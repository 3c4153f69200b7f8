#include "SnapshotFollower.h"

#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace corvane {

SnapshotFollower::SnapshotFollower(QObject* parent) : QObject(parent) {
    due_.setSingleShot(true);
    connect(&due_, &QTimer::timeout, this, &SnapshotFollower::refreshDue);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &SnapshotFollower::changed);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &SnapshotFollower::changed);
}

void SnapshotFollower::watch(const QString& path) {
    if (path == path_) {
        return;
    }
    for (const QStringList& watched : {watcher_.files(), watcher_.directories()}) {
        if (!watched.isEmpty()) {
            watcher_.removePaths(watched);
        }
    }
    due_.stop();
    path_ = path;
    if (path_.isEmpty()) {
        return;
    }
    lastStamp_ = stamp();
    watcher_.addPath(QFileInfo(path_).absolutePath());
    if (QFileInfo::exists(path_)) {
        watcher_.addPath(path_);
    }
}

void SnapshotFollower::changed() {
    if (path_.isEmpty()) {
        return;
    }
    // A file replaced by a rename is a new file: watch it again.
    if (!watcher_.files().contains(path_) && QFileInfo::exists(path_)) {
        watcher_.addPath(path_);
    }
    const QString now = stamp();
    if (now == lastStamp_) {
        return;
    }
    lastStamp_ = now;
    if (due_.isActive()) {
        return;
    }
    const qint64 wait = sinceRefresh_.isValid()
                            ? std::max<qint64>(0, kMinimumIntervalMs - sinceRefresh_.elapsed())
                            : 0;
    due_.start(static_cast<int>(wait));
}

// What tells one state of the snapshot from another: the file (a rename brings a new one), its
// size and its last modification.
QString SnapshotFollower::stamp() const {
    struct stat info {};
    if (::stat(QFile::encodeName(path_).constData(), &info) != 0) {
        return QString();
    }
    return QStringLiteral("%1:%2:%3:%4:%5")
        .arg(info.st_dev)
        .arg(info.st_ino)
        .arg(info.st_size)
        .arg(info.st_mtim.tv_sec)
        .arg(info.st_mtim.tv_nsec);
}

}  // namespace corvane
