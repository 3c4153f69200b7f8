#include "LiveFeedProcess.h"

#include <QCoreApplication>
#include <QDir>

#include "platform/Platform.h"

namespace corvane {

namespace {

constexpr int kStopWaitMs = 3000;

}  // namespace

QString LiveFeedProcess::readerProgram() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("corvane-feed"));
}

LiveFeedProcess::LiveFeedProcess(Platform& platform, const QString& snapshotPath,
                                 const QStringList& readerOptions, QObject* parent)
    : QObject(parent), platform_(platform) {
    process_.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    connect(&process_, &QProcess::readyReadStandardError, this, &LiveFeedProcess::readReports);
    connect(&process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            warn(outage_.readerStopped("CORVANE-FEED CANNOT BE STARTED"));
        }
    });
    connect(&process_, &QProcess::finished, this, [this](int, QProcess::ExitStatus) {
        readReports();
        warn(outage_.readerStopped("CORVANE-FEED HAS ENDED"));
    });
    process_.start(readerProgram(),
                   QStringList{QStringLiteral("--out"), snapshotPath} + readerOptions);
}

LiveFeedProcess::~LiveFeedProcess() {
    process_.disconnect(this);
    if (process_.state() != QProcess::NotRunning) {
        process_.terminate();
        if (!process_.waitForFinished(kStopWaitMs)) {
            process_.kill();
            process_.waitForFinished(kStopWaitMs);
        }
    }
}

void LiveFeedProcess::readReports() {
    pending_ += process_.readAllStandardError();
    for (qsizetype end; (end = pending_.indexOf('\n')) >= 0;) {
        const QByteArray line = pending_.left(end);
        pending_.remove(0, end + 1);
        warn(outage_.take(
            std::string_view(line.constData(), static_cast<std::size_t>(line.size()))));
    }
}

void LiveFeedProcess::warn(const std::optional<std::string>& warning) {
    if (warning) {
        platform_.showMessage(*warning, "", MessageIcon::Exclamation, MessageButtons::Ok);
    }
}

}  // namespace corvane
