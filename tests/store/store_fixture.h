#pragma once
// A throw-away application directory for store tests: Configs beside a fake executable,
// fixture files written byte for byte.
#include "store/app_paths.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

class StoreFixture {
public:
    StoreFixture()
    {
        QDir().mkpath(appDir());
        setConfigWritableCheck({});
        setApplicationDirectoryOverride(appDir());
    }
    ~StoreFixture() { setApplicationDirectoryOverride(QString()); }

    QString root() const { return m_dir.path(); }
    QString appDir() const { return m_dir.path() + QStringLiteral("/app"); }
    QString configs() const { return appDir() + QStringLiteral("/Configs"); }

    // QSettings caches parsed files by size and modification time: each fixture gets a
    // timestamp of its own, as a file copied from another computer would.
    void writeFile(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(f.write(bytes), qint64(bytes.size()));
        f.flush();
        f.setFileTime(QDateTime::currentDateTime().addSecs(-1000 + ++m_generation), QFileDevice::FileModificationTime);
    }

    static QByteArray readFile(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // Every file below the temporary root, with its size and modification time.
    QStringList snapshot() const
    {
        QStringList files;
        QDirIterator it(root(), QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            const QFileInfo info = it.fileInfo();
            files << info.filePath() + QLatin1Char(' ') + QString::number(info.size()) + QLatin1Char(' ')
                    + QString::number(info.lastModified().toMSecsSinceEpoch());
        }
        files.sort();
        return files;
    }

private:
    QTemporaryDir m_dir;
    int m_generation = 0;
};
