#pragma once
#include <QColor>
#include <QSettings>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <memory>

// One settings file opened for one operation, in the program's INI format (CRLF or LF line
// ends, non-ASCII escaped, colours as @Variant). An empty path stands for a refused file: every
// read gives its default and every write is dropped.
//
// Writes only touch keys whose stored value differs, so saving unchanged settings leaves the
// file alone (QSettings rewrites the whole file as soon as one key is set). The file is
// written atomically by QSettings when the object goes away.
class IniFile {
public:
    explicit IniFile(const QString &path);
    ~IniFile();
    IniFile(const IniFile &) = delete;
    IniFile &operator=(const IniFile &) = delete;

    bool isOpen() const { return m_settings != nullptr; }
    bool contains(const QString &key) const;
    QVariant value(const QString &key) const;

    // A value that does not parse reads as 0; absent reads as `absent`.
    int64_t integer(const QString &key, int64_t absent = 0) const;
    QString text(const QString &key) const;
    QColor color(const QString &key) const;

    void setInteger(const QString &key, int64_t value);
    void setText(const QString &key, const QString &value);
    void setColor(const QString &key, const QColor &value);

    // Flushes now instead of at destruction; false when the file could not be written (or
    // was refused).
    bool sync();

private:
    std::unique_ptr<QSettings> m_settings;
};
