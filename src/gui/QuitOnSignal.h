#pragma once

#include <QObject>

class QSocketNotifier;

namespace corvane {

/// Turns SIGTERM, SIGINT and SIGHUP into a normal end of the event loop, so a window ended
/// from outside (a logout, kill, Ctrl+C in its terminal) still runs its shutdown: the live
/// feed reader is stopped there. A signal handler may do almost nothing, so it only writes a
/// byte into a pipe the event loop watches. One at a time; nothing on Windows, which has no
/// such signals.
class QuitOnSignal : public QObject {
    Q_OBJECT
public:
    explicit QuitOnSignal(QObject* parent = nullptr);
    ~QuitOnSignal() override;

    QuitOnSignal(const QuitOnSignal&) = delete;
    QuitOnSignal& operator=(const QuitOnSignal&) = delete;

private:
    void drain();

    int readEnd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace corvane
