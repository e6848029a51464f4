#pragma once
// What the window benchmarks share: quiet output and a private copy of the application
// directory.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QString>
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
