#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>

#include "feed/FeedOutage.h"

namespace corvane {

class Platform;

/// `corvane --feed`: runs corvane-feed beside the window, in a process of its own, so the
/// window never waits for the network. Its outage reports become at most one message box per
/// outage; the reader ends with the window.
class LiveFeedProcess : public QObject {
    Q_OBJECT
public:
    /// Starts the reader writing `snapshotPath`, with `readerOptions` added to its command line;
    /// warnings go through `platform`.
    LiveFeedProcess(Platform& platform, const QString& snapshotPath,
                    const QStringList& readerOptions = {}, QObject* parent = nullptr);
    ~LiveFeedProcess() override;

    LiveFeedProcess(const LiveFeedProcess&) = delete;
    LiveFeedProcess& operator=(const LiveFeedProcess&) = delete;

    /// The reader program: corvane-feed beside this program.
    static QString readerProgram();

private:
    void readReports();
    void warn(const std::optional<std::string>& warning);

    Platform& platform_;
    QProcess process_;
    FeedOutage outage_;
    QByteArray pending_;
};

}  // namespace corvane
