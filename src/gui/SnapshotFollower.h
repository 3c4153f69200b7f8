#pragma once

#include <QElapsedTimer>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

namespace corvane {

/// Watches the traffic snapshot for follow mode and asks for a refresh after it changed, at
/// most once a second. The radar client may replace the file by a rename, which ends a watch on
/// the file itself, so its folder is watched too; a change elsewhere in the folder that leaves
/// the snapshot as it was asks for nothing.
class SnapshotFollower : public QObject {
    Q_OBJECT
public:
    /// The shortest time between two refreshes.
    static constexpr int kMinimumIntervalMs = 1000;

    explicit SnapshotFollower(QObject* parent = nullptr);

    /// Watches the snapshot at `path`; "" stops watching.
    void watch(const QString& path);
    /// A refresh has just run (F5 too): the next one comes a second later at the soonest.
    void refreshed() { sinceRefresh_.restart(); }

signals:
    /// The snapshot has changed since the last refresh asked for.
    void refreshDue();

private:
    void changed();
    QString stamp() const;

    QFileSystemWatcher watcher_;
    QTimer due_;
    QElapsedTimer sinceRefresh_;
    QString path_;
    QString lastStamp_;
};

}  // namespace corvane
