#include "LiveFeedProcess.h"

#include <QCoreApplication>
#include <QDir>

#include "platform/Platform.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace corvane {

namespace {

constexpr int kStopWaitMs = 3000;

#ifdef _WIN32
// A job that ends every process in it when its last handle closes, which Windows does when
// this program ends in any way. Never closed here: it lives as long as the program.
HANDLE killOnCloseJob() {
    static const HANDLE job = [] {
        const HANDLE created = CreateJobObjectW(nullptr, nullptr);
        if (created != nullptr) {
            JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
            limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
            SetInformationJobObject(created, JobObjectExtendedLimitInformation, &limits,
                                    sizeof limits);
        }
        return created;
    }();
    return job;
}

void endWithThisProgram(qint64 processId) {
    const HANDLE job = killOnCloseJob();
    const HANDLE process =
        OpenProcess(PROCESS_SET_QUOTA | PROCESS_TERMINATE, FALSE, static_cast<DWORD>(processId));
    if (job != nullptr && process != nullptr) {
        AssignProcessToJobObject(job, process);
    }
    if (process != nullptr) {
        CloseHandle(process);
    }
}
#endif

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
#ifdef _WIN32
    connect(&process_, &QProcess::started, this,
            [this] { endWithThisProgram(process_.processId()); });
#endif
    // The reader must not outlive the window even when the window is killed: on POSIX it
    // watches this process, on Windows the job ends it.
    process_.start(readerProgram(),
                   QStringList{QStringLiteral("--out"), snapshotPath, QStringLiteral("--parent"),
                               QString::number(QCoreApplication::applicationPid())} +
                       readerOptions);
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
