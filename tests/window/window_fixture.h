#pragma once
// A private application directory for window tests: the built program's product file,
// configuration, skin and translations, copied so that tests may change them.

#include "store/app_paths.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <functional>

class WindowAppDir {
public:
    WindowAppDir()
    {
        const QString built = qEnvironmentVariable("ZEL_APP_DIR");
        copyTree(qEnvironmentVariable("ZEL_SEED_CONFIGS"), path() + QStringLiteral("/Configs"));
        copyTree(built + QStringLiteral("/skin"), path() + QStringLiteral("/skin"));
        copyTree(built + QStringLiteral("/lang"), path() + QStringLiteral("/lang"));
        QFile::copy(built + QStringLiteral("/DefaultProfile.bin"), path() + QStringLiteral("/DefaultProfile.bin"));
        setApplicationDirectoryOverride(path());
    }
    ~WindowAppDir() { setApplicationDirectoryOverride(QString()); }

    QString path() const { return m_dir.path(); }
    QString configFile() const { return path() + QStringLiteral("/Configs/Config.ini"); }

    void setProductValue(const QString &key, const QVariant &value) const
    {
        QSettings product(path() + QStringLiteral("/DefaultProfile.bin"), QSettings::IniFormat);
        product.setValue(key, value);
    }
    QVariant configValue(const QString &key) const
    {
        QSettings config(configFile(), QSettings::IniFormat);
        return config.value(key);
    }
    void setConfigValue(const QString &key, const QVariant &value) const
    {
        QSettings config(configFile(), QSettings::IniFormat);
        config.setValue(key, value);
    }

private:
    static void copyTree(const QString &from, const QString &to)
    {
        QDir().mkpath(to);
        QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            const QString target = to + file.mid(from.size());
            QDir().mkpath(QFileInfo(target).path());
            QFile::copy(file, target);
        }
    }

    QTemporaryDir m_dir;
};

// Runs `handle` on the first modal dialog of type T that comes up (polled from the event loop,
// so it also works while a nested exec() runs).
template <typename T>
void handleNextModal(std::function<void(T *)> handle)
{
    auto *timer = new QTimer(qApp);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, handle]() {
        if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            handle(dialog);
        }
    });
    timer->start();
}
