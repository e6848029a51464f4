#include "store/app_paths.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cstdio>

namespace {

QMutex &pathsMutex()
{
    static QMutex mutex;
    return mutex;
}

QString &directoryOverride()
{
    static QString dir;
    return dir;
}

std::function<bool(const QString &)> &writableCheck()
{
    static std::function<bool(const QString &)> check;
    return check;
}

// The folder chosen by configDirectory(), valid while the application directory stays the same.
struct ConfigChoice {
    QString forApplicationDirectory;
    QString directory;
};

ConfigChoice &configChoice()
{
    static ConfigChoice choice;
    return choice;
}

bool &onlyReading()
{
    static bool reading = false;
    return reading;
}

// Permission bits say nothing for root and little on read-only mounts: try to create a file.
bool canCreateFilesIn(const QString &dir)
{
    if (!QDir().mkpath(dir))
        return false;
    QTemporaryFile probe(dir + QStringLiteral("/.write-probe-XXXXXX"));
    return probe.open();
}

void copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    const QDir source(from);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = to + QLatin1Char('/') + source.relativeFilePath(path);
        if (it.fileInfo().isDir())
            QDir().mkpath(target);
        else if (!QFile::exists(target))
            QFile::copy(path, target);
    }
}

QString chooseConfigDirectory(const QString &appDir)
{
    const QString installed = appDir + QStringLiteral("/Configs");
    const auto &check = writableCheck();
    const QString user = userConfigDirectory();
    if (onlyReading()) {
        // The folder a write would choose, made and seeded by nobody: a folder not there yet
        // reads as empty, an unseeded per-user one as the installed one it would copy.
        const bool installedWritable = check ? check(installed)
                                             : canCreateFilesIn(QFileInfo(installed).isDir() ? installed : appDir);
        return installedWritable || !QFileInfo(user).isDir() ? installed : user;
    }
    if (check ? check(installed) : canCreateFilesIn(installed))
        return installed;
    if (!QFileInfo::exists(user)) {
        if (QFileInfo(installed).isDir())
            copyTree(installed, user);
        else
            QDir().mkpath(user);
    }
    return user;
}

QString withName(const QString &folder, const QString &name, const QString &extension)
{
    if (!isSafeFileName(name))
        return QString();
    return folder + QLatin1Char('/') + fileNameForName(name, extension);
}

} // namespace

QString applicationDirectory()
{
    QMutexLocker lock(&pathsMutex());
    if (!directoryOverride().isEmpty())
        return directoryOverride();
    return QCoreApplication::applicationDirPath();
}

void setApplicationDirectoryOverride(const QString &dir)
{
    QMutexLocker lock(&pathsMutex());
    directoryOverride() = dir.isEmpty() ? QString() : QDir(dir).absolutePath();
}

QString productDefinitionPath()
{
    return applicationDirectory() + QStringLiteral("/DefaultProfile.bin");
}

QString installedConfigDirectory()
{
    return applicationDirectory() + QStringLiteral("/Configs");
}

QString userConfigDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/zelmouse/Configs");
}

QString configDirectory()
{
    const QString appDir = applicationDirectory();
    QMutexLocker lock(&pathsMutex());
    ConfigChoice &choice = configChoice();
    if (choice.directory.isEmpty() || choice.forApplicationDirectory != appDir) {
        choice.directory = chooseConfigDirectory(appDir);
        choice.forApplicationDirectory = appDir;
    }
    return choice.directory;
}

void setSettingsReadOnly(bool reading)
{
    QMutexLocker lock(&pathsMutex());
    onlyReading() = reading;
    configChoice() = ConfigChoice();
}

void setConfigWritableCheck(std::function<bool(const QString &)> check)
{
    QMutexLocker lock(&pathsMutex());
    writableCheck() = std::move(check);
    configChoice() = ConfigChoice();
}

bool isSafeFileName(const QString &name)
{
    if (name.isEmpty() || name.size() > 255 || name == QLatin1String(".") || name.contains(QLatin1String("..")))
        return false;
    for (const QChar c : name) {
        const ushort u = c.unicode();
        if (u < 0x20 || u == 0x7f || c == QLatin1Char('/') || c == QLatin1Char('\\'))
            return false;
    }
    return true;
}

QString fileNameForName(const QString &name, const QString &extension)
{
    // 255 bytes per name on Linux file systems, less the room QSettings needs for the lock
    // file and the temporary file it writes beside the target (".lock", ".XXXXXX").
    constexpr int kMaxFileNameBytes = 255 - 16;
    const QString plain = name + extension;
    if (QFile::encodeName(plain).size() <= kMaxFileNameBytes)
        return plain;
    const QString tag = QLatin1Char('~')
        + QString::fromLatin1(QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
    QString prefix = name;
    while (!prefix.isEmpty() && QFile::encodeName(prefix + tag + extension).size() > kMaxFileNameBytes) {
        prefix.chop(1);
        if (!prefix.isEmpty() && prefix.at(prefix.size() - 1).isHighSurrogate())
            prefix.chop(1);
    }
    return prefix + tag + extension;
}

QString configFilePath()
{
    return configDirectory() + QStringLiteral("/Config.ini");
}

QString slotProfilePath(const QString &name)
{
    const QString folder = configDirectory() + QStringLiteral("/Profile");
    // A slot without a name has always been kept in "Profile/.prof"; files carried over use it.
    if (name.isEmpty())
        return folder + QStringLiteral("/.prof");
    return withName(folder, name, QStringLiteral(".prof"));
}

QString defaultProfilePath()
{
    return configDirectory() + QStringLiteral("/Profile/DefaultProfile.prof");
}

QString productDirectory(const QString &product)
{
    return withName(configDirectory(), product, QString());
}

QString productListPath(const QString &product)
{
    const QString dir = productDirectory(product);
    return dir.isEmpty() ? QString() : dir + QStringLiteral("/Config.ini");
}

QString productProfilePath(const QString &product, const QString &name)
{
    const QString dir = productDirectory(product);
    return dir.isEmpty() ? QString() : withName(dir + QStringLiteral("/Profile"), name, QStringLiteral(".prof"));
}

QString macroDirectory()
{
    return configDirectory() + QStringLiteral("/MacroDB");
}

QString macroFilePath(const QString &name)
{
    return withName(macroDirectory(), name, QStringLiteral(".MSMACRO"));
}

bool copyFileWithoutOverwrite(const QString &from, const QString &to)
{
    if (from.isEmpty() || to.isEmpty() || QFileInfo::exists(to) || !QFileInfo(from).isFile())
        return false;
    QDir().mkpath(QFileInfo(to).absolutePath());
    return QFile::copy(from, to);
}

bool renameFileWithoutOverwrite(const QString &from, const QString &to)
{
    if (from.isEmpty() || to.isEmpty() || QFileInfo::exists(to))
        return false;
    return QFile::rename(from, to);
}

bool replaceFileAtomically(const QString &target, const std::function<bool(const QString &)> &fill)
{
    const QFileInfo info(target);
    if (target.isEmpty() || info.isDir() || !info.absoluteDir().exists())
        return false;
    QTemporaryFile staging(info.absoluteDir().filePath(info.fileName() + QStringLiteral(".XXXXXX")));
    if (!staging.open())
        return false;
    staging.close();
    if (!fill(staging.fileName()))
        return false;
    QFile::setPermissions(staging.fileName(),
                          info.exists() ? QFile::permissions(target)
                                        : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    // rename(2) replaces the target in one step; QFile::rename refuses an existing target.
    if (std::rename(QFile::encodeName(staging.fileName()).constData(), QFile::encodeName(info.absoluteFilePath()).constData()) != 0)
        return false;
    staging.setAutoRemove(false);
    return true;
}
