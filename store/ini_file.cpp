#include "store/ini_file.h"

#include "platform/regular_file.h"
#include "store/settings_lock.h"
#include "store/settings_text.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

struct CheckedText {
    RegularFileRead::State state;
    QByteArray text;
    QStringList refusedKeys;
};

// A file in the program's own spelling has nothing a check would take out: it goes straight to
// the table. Any other is checked, and left to QSettings when the table declines it too.
CheckedText readChecked(const QString &path, PlainSettings &table, bool &plain)
{
    RegularFileRead read = readRegularFile(path);
    CheckedText checked{read.state, QByteArray(), QStringList()};
    plain = false;
    if (read.state != RegularFileRead::Regular && read.state != RegularFileRead::Missing)
        return checked;
    plain = table.read(read.data);
    if (plain) {
        checked.text = read.data;
        return checked;
    }
    checked.text = withoutUndecodableValues(read.data, &checked.refusedKeys);
    plain = !checked.refusedKeys.isEmpty() && table.read(checked.text);
    return checked;
}

QMutex &failureMutex()
{
    static QMutex mutex;
    return mutex;
}

QString &lastFailure()
{
    static QString path;
    return path;
}

void recordFailure(const QString &path)
{
    QMutexLocker lock(&failureMutex());
    lastFailure() = path;
    qDebug().noquote() << "The settings could not be saved:" << path;
}

bool writeWhole(QFile &file, const QByteArray &data)
{
    return file.write(data) == data.size() && file.flush();
}

// A staging file is renamed over a settings file only once it is known to hold what was meant
// for it: a full disk shows itself in write(), or on some file systems only in the sync.
bool writeStaged(QFile &file, const QByteArray &data)
{
    return writeWhole(file, data) && ::fdatasync(file.handle()) == 0 && file.size() == data.size();
}

// QSettings in this Qt loses a failed write of its own (a full disk leaves its file empty and
// reports no error): what it wrote is read back and must hold every key it was given.
bool holdsKeys(const QString &path, const QStringList &keys)
{
    const RegularFileRead read = readRegularFile(path);
    if (read.state != RegularFileRead::Regular)
        return false;
    PlainSettings table;
    if (table.read(read.data)) {
        return std::all_of(keys.cbegin(), keys.cend(), [&](const QString &key) { return table.contains(key); });
    }
    // Another spelling (escaped names): QSettings reads it back from a private copy, as no
    // cached object of this process has seen that path.
    QTemporaryDir dir;
    QFile copy(dir.filePath(QStringLiteral("check.ini")));
    if (!dir.isValid() || !copy.open(QIODevice::WriteOnly) || !writeWhole(copy, read.data))
        return false;
    copy.close();
    const QSettings back(copy.fileName(), QSettings::IniFormat);
    return back.status() == QSettings::NoError
        && std::all_of(keys.cbegin(), keys.cend(), [&](const QString &key) { return back.contains(key); });
}

} // namespace

IniFile::IniFile(const QString &path)
    : m_path(path)
{
    if (path.isEmpty())
        return;
    const CheckedText checked = readChecked(path, m_table, m_plain);
    if (checked.state == RegularFileRead::NotRegular || checked.state == RegularFileRead::Unreadable) {
        qDebug().noquote() << "Not reading" << path << "- it is not a readable regular file.";
        m_refused = true;
        return;
    }
    m_refusedKeys = checked.refusedKeys;
    if (!m_refusedKeys.isEmpty())
        qDebug().noquote() << "Ignoring malformed values in" << path << ":" << m_refusedKeys.join(QStringLiteral(", "));
    if (m_plain)
        return;
    if (m_refusedKeys.isEmpty()) {
        m_settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
        return;
    }
    // QSettings reads the checked text from a private copy; the file itself changes only when
    // something is saved to it.
    m_cleanCopy = std::make_unique<QTemporaryDir>();
    const QString copy = m_cleanCopy->filePath(QStringLiteral("checked.ini"));
    QFile out(copy);
    if (!m_cleanCopy->isValid() || !out.open(QIODevice::WriteOnly) || !writeWhole(out, checked.text)) {
        m_refused = true;
        return;
    }
    out.close();
    m_settings = std::make_unique<QSettings>(copy, QSettings::IniFormat);
}

IniFile::~IniFile()
{
    if (m_staged)
        commit();
    discard();
}

bool IniFile::contains(const QString &key) const
{
    if (m_plain) {
        return (!m_written.isEmpty() && m_written.contains(normalizedSettingsKey(key))) || m_table.contains(key);
    }
    return m_settings && m_settings->contains(key);
}

QStringList IniFile::keys() const
{
    if (m_plain) {
        QStringList keys = m_table.keys();
        for (auto it = m_written.cbegin(); it != m_written.cend(); ++it) {
            if (!m_table.contains(it.key()))
                keys.append(it.key());
        }
        std::sort(keys.begin(), keys.end());
        return keys;
    }
    return m_settings ? m_settings->allKeys() : QStringList();
}

QVariant IniFile::value(const QString &key) const
{
    if (m_plain) {
        if (!m_written.isEmpty()) {
            const auto written = m_written.constFind(normalizedSettingsKey(key));
            if (written != m_written.cend())
                return *written;
        }
        return m_table.value(key);
    }
    return m_settings ? m_settings->value(key) : QVariant();
}

int64_t IniFile::integer(const QString &key, int64_t absent) const
{
    if (m_plain && m_written.isEmpty())
        return m_table.integer(key, absent);
    const QVariant v = value(key);
    if (!v.isValid())
        return absent;
    bool ok = false;
    const qlonglong n = v.toLongLong(&ok);
    return ok ? n : 0;
}

int64_t IniFile::integer(const SettingsKey &key, int64_t absent) const
{
    if (m_plain && m_written.isEmpty())
        return m_table.integer(key, absent);
    return integer(key.name(), absent);
}

int64_t IniFile::boundedInteger(const QString &key, int64_t absent, int64_t minimum, int64_t maximum) const
{
    return std::clamp(integer(key, absent), minimum, maximum);
}

QString IniFile::text(const QString &key) const
{
    return value(key).toString();
}

QColor IniFile::color(const QString &key) const
{
    return value(key).value<QColor>();
}

bool IniFile::stage()
{
    if (m_staged)
        return true;
    if (m_failed || m_path.isEmpty())
        return false;
    m_lock = std::make_unique<SettingsLock>();
    if (!m_lock->isLocked()) {
        m_failed = true;
        return false;
    }
    // Read again under the lock: another program may have saved since this object opened, and
    // later writes are compared with what is there now.
    m_settings.reset();
    m_written.clear();
    m_edits.clear();
    const CheckedText checked = readChecked(m_path, m_table, m_plain);
    const QFileInfo target(m_path);
    if ((checked.state != RegularFileRead::Regular && checked.state != RegularFileRead::Missing)
        || !QDir().mkpath(target.absolutePath())) {
        m_failed = true;
        m_plain = false;
        m_table.clear();
        return false;
    }
    m_stage = std::make_unique<QTemporaryFile>(target.absolutePath() + QStringLiteral("/.") + target.fileName()
                                               + QStringLiteral(".XXXXXX"));
    if (!m_stage->open()) {
        m_failed = true;
        m_stage.reset();
        return false;
    }
    m_stage->close();
    m_stage->setPermissions(checked.state == RegularFileRead::Regular
                                ? QFile::permissions(m_path)
                                : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    m_staged = true;
    m_stagedText = checked.text;
    return m_plain || stageThroughQSettings();
}

QByteArray IniFile::editedText() const
{
    if (m_edits.empty())
        return m_stagedText;
    QByteArray text;
    text.reserve(m_stagedText.size() + 64);
    int copied = 0;
    for (const auto &edit : m_edits) {
        text.append(m_stagedText.constData() + copied, edit.first - copied);
        text.append(edit.second.second);
        copied = edit.second.first;
    }
    text.append(m_stagedText.constData() + copied, m_stagedText.size() - copied);
    return text;
}

bool IniFile::writeStagedText()
{
    const bool written = m_stage->open() && m_stage->resize(0) && writeStaged(*m_stage, editedText());
    m_stage->close();
    if (!written)
        m_failed = true;
    return written;
}

bool IniFile::stageThroughQSettings()
{
    if (m_settings)
        return true;
    if (!writeStagedText())
        return false;
    m_edits.clear();
    m_settings = std::make_unique<QSettings>(m_stage->fileName(), QSettings::IniFormat);
    return true;
}

template <class Same>
void IniFile::set(const QString &key, const QVariant &value, Same same)
{
    if (m_path.isEmpty())
        return;
    if (isOpen()) {
        const QVariant old = this->value(key);
        if (old.isValid() && same(old))
            return;
    }
    if (!stage())
        return;
    const QString normal = normalizedSettingsKey(key);
    int from = 0;
    int to = 0;
    const QByteArray spelled = m_settings ? QByteArray() : iniValueText(value);
    if (!spelled.isNull() && m_table.valueSpan(normal, &from, &to)) {
        m_edits[from] = {to, spelled};
    } else {
        if (!stageThroughQSettings())
            return;
        m_settings->setValue(key, value);
    }
    // As QSettings gives back a value set on it.
    if (m_plain)
        m_written.insert(normal, value);
}

void IniFile::setInteger(const QString &key, int64_t number)
{
    set(key, static_cast<qlonglong>(number), [&](const QVariant &old) { return old.toString() == QString::number(number); });
}

void IniFile::setInteger(const SettingsKey &key, int64_t number)
{
    if (m_plain && !m_settings && !m_path.isEmpty() && (m_written.isEmpty() || !m_written.contains(key.name()))) {
        const QByteArray spelled = iniValueText(qlonglong(number));
        const PlainSettings::Match match = m_table.compareValue(key, spelled);
        if (match == PlainSettings::Match::Same)
            return;
        int from = 0;
        int to = 0;
        // Staging reads the file again under the lock: the key is looked for in what it read.
        if (match == PlainSettings::Match::Different && stage() && m_plain && !m_settings
            && m_table.valueSpan(key, &from, &to)) {
            m_edits[from] = {to, spelled};
            m_written.insert(key.name(), qlonglong(number));
            return;
        }
    }
    setInteger(key.name(), number);
}

void IniFile::setText(const QString &key, const QString &text)
{
    set(key, text, [&](const QVariant &old) { return old.userType() == QMetaType::QString && old.toString() == text; });
}

void IniFile::setColor(const QString &key, const QColor &color)
{
    set(key, color, [&](const QVariant &old) { return old.userType() == QMetaType::QColor && old.value<QColor>() == color; });
}

bool IniFile::prepareCommit()
{
    if (m_failed)
        return false;
    if (!m_staged)
        return true;
    if (!m_settings)
        return writeStagedText();
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError || !holdsKeys(m_stage->fileName(), m_settings->allKeys())) {
        m_failed = true;
        return false;
    }
    return true;
}

bool IniFile::finishCommit()
{
    if (m_failed)
        return false;
    if (!m_staged)
        return true;
    m_settings.reset();
    m_edits.clear();
    m_stagedText.clear();
    m_stage->setAutoRemove(false);
    const QString staged = m_stage->fileName();
    m_stage.reset();
    m_staged = false;
    if (std::rename(QFile::encodeName(staged).constData(), QFile::encodeName(m_path).constData()) != 0) {
        QFile::remove(staged);
        m_failed = true;
    }
    m_lock.reset();
    // Later reads see what was saved: the table and the written values hold it when plain.
    if (m_failed) {
        m_table.clear();
        m_written.clear();
        m_plain = false;
    } else if (!m_plain) {
        m_settings = std::make_unique<QSettings>(m_path, QSettings::IniFormat);
    }
    return !m_failed;
}

bool IniFile::commit()
{
    if (prepareCommit() && finishCommit())
        return true;
    recordFailure(m_path);
    discard();
    return false;
}

QString lastFailedSavePath()
{
    QMutexLocker lock(&failureMutex());
    return lastFailure();
}

void IniFile::discard()
{
    if (!m_staged)
        return;
    m_settings.reset();
    m_table.clear();
    m_written.clear();
    m_edits.clear();
    m_stagedText.clear();
    m_plain = false;
    m_stage.reset(); // removes the staging file
    m_staged = false;
    m_lock.reset();
}

SettingsSave::SettingsSave()
    : m_lock(std::make_unique<SettingsLock>())
{
}

SettingsSave::~SettingsSave()
{
    // A save given up before its commit leaves every file as it was.
    for (const auto &f : m_files)
        f->discard();
}

IniFile &SettingsSave::file(const QString &path)
{
    for (const auto &f : m_files) {
        if (f->path() == path)
            return *f;
    }
    m_files.push_back(std::make_unique<IniFile>(path));
    return *m_files.back();
}

bool SettingsSave::commit()
{
    m_failedPath.clear();
    if (!m_lock->isLocked()) {
        m_failedPath = m_files.empty() ? QString() : m_files.front()->path();
        recordFailure(m_failedPath);
        for (const auto &f : m_files)
            f->discard();
        return false;
    }
    for (const auto &f : m_files) {
        if (!f->prepareCommit()) {
            m_failedPath = f->path();
            recordFailure(m_failedPath);
            for (const auto &g : m_files)
                g->discard();
            return false;
        }
    }
    // Everything is written; the renames follow one another with nothing in between.
    qDebug("Saving %d settings files.", int(m_files.size()));
    bool ok = true;
    for (const auto &f : m_files) {
        if (!f->finishCommit() && ok) {
            ok = false;
            m_failedPath = f->path();
            recordFailure(m_failedPath);
        }
    }
    qDebug("Settings saved.");
    return ok;
}
