#pragma once
#include <QByteArray>
#include <QHash>
#include <QStringList>
#include <QVariant>

#include <cstdint>
#include <vector>

// Settings files are INI text that QSettings decodes. A value spelled "@Variant(...)" is handed
// to QDataStream as a whole QVariant: a list or hash with a crafted count makes it allocate
// without bound and the program dies. The only such values the program itself writes are
// colours, so every file is passed through here before QSettings sees it.

// The text with every line removed whose value would be decoded as anything but a colour
// variant of the exact length one takes; the keys of the removed lines go to `refusedKeys`.
// The lines are found as QSettings finds them (quotes, escapes, continuation lines, comments).
QByteArray withoutUndecodableValues(const QByteArray &iniText, QStringList *refusedKeys);

// A key read from many files, prepared once: its name as QSettings gives it, and its spelling
// in a file with the hash the table files it under, so that finding it compares bytes only.
// A profile's keys are kept for every read: they hold bytes only, and the name is made on demand.
struct SettingsKey {
    explicit SettingsKey(const QString &name);
    // The key of `section` (plain ASCII, no slash) and `spelled` (plain ASCII, backslashes for
    // slashes), made from its bytes: as SettingsKey(section + "/" + spelled).
    SettingsKey(const QByteArray &section, const QByteArray &spelled);
    QString name() const;
    QByteArray section;
    // The name below the section, slashes spelled as backslashes.
    QByteArray spelled;
    uint32_t hash = 0;
    // False for a name no table can hold (not plain ASCII, no section).
    bool plain = false;

private:
    // The name, when it is not plain.
    QString m_name;
};

// The values of a settings file in the program's own spelling, read as QSettings reads them,
// keyed as QSettings names them ("PROFILE/LedMode/LED_MODE_3_RGB"), in one pass. Only that
// spelling is taken: plain section and key names, one value per key that is text or a colour.
// Anything else (escaped names, lists, other "@" values, keys outside a section, a byte order
// mark, a line without '=') is declined; the file is then read through QSettings itself.
//
// A profile holds thousands of keys: they stay spans of the text, found through one table, so
// reading a file costs no allocation per key.
class PlainSettings {
public:
    // False, and nothing held, when the text is not in the program's spelling.
    bool read(const QByteArray &text);
    void clear();

    // Keys are looked up as QSettings looks them up, stray slashes dropped.
    bool contains(const QString &key) const { return find(SettingsKey(key)) >= 0; }
    QVariant value(const QString &key) const;
    // As QVariant::toLongLong() of value(): `absent` when there is no such key, 0 when the
    // value is not a number.
    int64_t integer(const QString &key, int64_t absent) const;
    int64_t integer(const SettingsKey &key, int64_t absent) const;
    QStringList keys() const;
    int size() const { return int(m_entries.size()); }

    const QByteArray &text() const { return m_text; }
    // The bytes after the key's '=' up to the end of its line, which an edit in place replaces.
    bool valueSpan(const QString &key, int *from, int *to) const;
    bool valueSpan(const SettingsKey &key, int *from, int *to) const;
    // Whether the key's value is written exactly as `text`; Unknown when the key is missing or
    // its value needs decoding.
    enum class Match { Unknown, Same, Different };
    Match compareValue(const SettingsKey &key, const QByteArray &text) const;

private:
    struct Entry {
        uint32_t hash;
        int section;
        int keyFrom, keyTo;
        // The value as written, without surrounding blanks, when it needs no decoding.
        int valueFrom, valueTo;
        // From after '=' to the end of the line.
        int spanFrom, spanTo;
        // Index into m_decoded for a quoted, escaped or colour value; -1 otherwise.
        int decoded;
    };
    int find(const SettingsKey &key) const;
    int findRaw(uint32_t hash, int section, const char *key, int length) const;
    QVariant valueAt(int index) const;
    void insert(const Entry &entry);
    void placeInSlot(int index);
    QString keyOf(const Entry &entry) const;

    QByteArray m_text;
    std::vector<Entry> m_entries;
    std::vector<QVariant> m_decoded;
    QList<QByteArray> m_sections;
    // Open addressing over m_entries; -1 is free.
    std::vector<int> m_slots;
};

// A key as QSettings looks it up: without leading, trailing or doubled slashes.
QString normalizedSettingsKey(const QString &key);

// A value as QSettings spells it in an INI file: integers, text (quoted and escaped as QSettings
// does) and colour variants. Null for anything else.
QByteArray iniValueText(const QVariant &value);
