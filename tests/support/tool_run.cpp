#include "support/tool_run.h"

#include <QProcess>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

ToolRun runTool(const QString& program, const QStringList& arguments, bool noWindows,
                long fileSizeLimit) {
    QProcess process;
    if (fileSizeLimit > 0) {
        process.setChildProcessModifier([fileSizeLimit] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{static_cast<rlim_t>(fileSizeLimit),
                               static_cast<rlim_t>(fileSizeLimit)};
            setrlimit(RLIMIT_FSIZE, &limit);
        });
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (noWindows) {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("none-such"));
    }
    // Qt's window systems look for the session's runtime folder, and warn without one.
    static const QTemporaryDir runtime;
    if (!environment.contains(QStringLiteral("XDG_RUNTIME_DIR"))) {
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    }
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        return {};
    }
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
