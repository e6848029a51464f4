#pragma once
#include <QColor>
#include <QHash>
#include <QSettings>
#include <QString>
#include <QVariant>

#include "store/settings_text.h"

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

class QTemporaryDir;
class QTemporaryFile;
class SettingsLock;

// One settings file opened for one operation, in the program's INI format (CRLF or LF line
// ends, non-ASCII escaped, colours as @Variant). Every settings file the program reads is
// opened here, so every one passes the same checks first:
// - only a regular file is read; anything else (a FIFO would block for good) is refused;
// - values QSettings would decode as anything but a colour variant read as absent.
// A refused file (or an empty path, which stands for an unusable name) reads its defaults and
// takes no writes. A file in the program's own spelling is parsed once into a table
// (PlainSettings); any other is checked and read through QSettings.
//
// Writes only touch keys whose stored value differs, so saving unchanged settings leaves the
// file alone. The first write takes the settings lock and reads the file again; commit() writes
// a staging file beside it and renames it over the target, so the target is always whole, old
// or new. In a file of the program's own spelling, a write to a key it holds replaces that
// value's text in place, spelled as QSettings spells it; anything else (a new key, another
// spelling) goes through QSettings, which rewrites the whole file.
class IniFile {
public:
    explicit IniFile(const QString &path);
    // Commits what is staged; a failure is traced.
    ~IniFile();
    IniFile(const IniFile &) = delete;
    IniFile &operator=(const IniFile &) = delete;

    QString path() const { return m_path; }
    bool isOpen() const { return m_plain || m_settings != nullptr; }
    // True when the file exists at the path but may not be read (not a regular file, no access).
    bool isRefused() const { return m_refused; }
    // Open and read without a format error.
    bool isWellFormed() const { return m_plain || (m_settings && m_settings->status() == QSettings::NoError); }
    // Keys whose values were taken out as undecodable.
    QStringList refusedKeys() const { return m_refusedKeys; }

    bool contains(const QString &key) const;
    QStringList keys() const;
    QVariant value(const QString &key) const;

    // A value that does not parse reads as 0; absent reads as `absent`.
    int64_t integer(const QString &key, int64_t absent = 0) const;
    // The same, for a key read from many files.
    int64_t integer(const SettingsKey &key, int64_t absent = 0) const;
    // As integer(), held to [minimum, maximum]: for numbers that size, count or index anything.
    int64_t boundedInteger(const QString &key, int64_t absent, int64_t minimum, int64_t maximum) const;
    QString text(const QString &key) const;
    QColor color(const QString &key) const;

    void setInteger(const QString &key, int64_t value);
    // The same for a prepared key: a value the file holds is compared and edited without making
    // the key's name, as a profile save does thousands of times.
    void setInteger(const SettingsKey &key, int64_t value);
    void setText(const QString &key, const QString &value);
    void setColor(const QString &key, const QColor &value);

    // Writes the staged changes and renames them over the file. False when they could not be
    // written; the file is then as it was and later writes are dropped.
    bool commit();
    // The two halves of commit(), so that several files can be renamed in one short step.
    bool prepareCommit();
    bool finishCommit();
    void discard();

    // True once a write to this file failed.
    bool failed() const { return m_failed; }

private:
    bool stage();
    template <class Same>
    void set(const QString &key, const QVariant &value, Same same);
    // The staged text with the edits in place.
    QByteArray editedText() const;
    // The staged text with the edits in place, written to the staging file.
    bool writeStagedText();
    // From edits in place to QSettings on the staging file.
    bool stageThroughQSettings();

    QString m_path;
    bool m_refused = false;
    bool m_failed = false;
    QStringList m_refusedKeys;
    std::unique_ptr<QTemporaryDir> m_cleanCopy;
    std::unique_ptr<SettingsLock> m_lock;
    std::unique_ptr<QTemporaryFile> m_stage;
    bool m_staged = false;
    // Reads come from here while m_plain: one parse of the file, then look-ups (a profile holds
    // thousands of keys). Values written since land in m_written, which reads see first.
    PlainSettings m_table;
    QHash<QString, QVariant> m_written;
    bool m_plain = false;
    // Edits in place of the staged text, by where the replaced value starts: its end and text.
    std::map<int, std::pair<int, QByteArray>> m_edits;
    QByteArray m_stagedText;
    std::unique_ptr<QSettings> m_settings;
};

// Several files saved as one: every file is written to its staging file first, and only when
// all of them were written are they renamed over their targets, one after the other. Holds
// the settings lock from construction to the end.
class SettingsSave {
public:
    SettingsSave();
    ~SettingsSave();
    SettingsSave(const SettingsSave &) = delete;
    SettingsSave &operator=(const SettingsSave &) = delete;

    // The file of this save at `path`, opened on first use.
    IniFile &file(const QString &path);
    // False (and nothing renamed) when any file could not be written, or the lock was not had.
    bool commit();
    // The file that could not be written, after a failed commit().
    QString failedPath() const { return m_failedPath; }

private:
    std::unique_ptr<SettingsLock> m_lock;
    std::vector<std::unique_ptr<IniFile>> m_files;
    QString m_failedPath;
};

// The settings file whose save failed last in this process, for the message that says so.
QString lastFailedSavePath();
