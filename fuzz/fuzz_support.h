#pragma once
// What every fuzz target shares: an application directory of its own in memory (/dev/shm when
// there is one), and a way to put the input where a reader expects a file.
#include "store/app_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <memory>

inline QTemporaryDir &fuzzAppDir()
{
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/zel-fuzz-XXXXXX")
                                                                        : QDir::tempPath() + QStringLiteral("/zel-fuzz-XXXXXX"));
    return dir;
}

inline void startFuzzing(int *argc, char ***argv)
{
    static std::unique_ptr<QCoreApplication> app(new QCoreApplication(*argc, *argv));
    // Traces of refused values would drown the fuzzer's own output.
    qputenv("QT_LOGGING_RULES", "*.debug=false");
    QDir().mkpath(fuzzAppDir().filePath(QStringLiteral("Configs/Profile")));
    QDir().mkpath(fuzzAppDir().filePath(QStringLiteral("Configs/MacroDB")));
    setApplicationDirectoryOverride(fuzzAppDir().path());
}

inline void writeInput(const QString &path, const uint8_t *data, size_t size)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(reinterpret_cast<const char *>(data), qint64(size));
}
