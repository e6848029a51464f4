#pragma once
// What the window benchmarks share: quiet output and a private copy of the application
// directory.
#include "emulator/mouse_emulator.h"
#include "store/app_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdio>

inline void silenceBenchOutput(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

inline void copyBenchTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + file.mid(from.size());
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(file, target);
    }
}

// Before the application object: the offscreen platform unless one was chosen.
inline void chooseBenchPlatform()
{
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// After it: quiet output and the built application directory copied into `appDir` and used.
// False, with a message, when the process does not run under the emulator's preload.
inline bool prepareWindowBench(const QTemporaryDir &appDir)
{
    qInstallMessageHandler(silenceBenchOutput);
    if (!MouseEmulator::environmentReady()) {
        std::fprintf(stderr, "run under umockdev-wrapper\n");
        return false;
    }
    const QString built = qEnvironmentVariable("ZEL_APP_DIR", QCoreApplication::applicationDirPath() + QStringLiteral("/../app"));
    copyBenchTree(built, appDir.path());
    setApplicationDirectoryOverride(appDir.path());
    return true;
}
