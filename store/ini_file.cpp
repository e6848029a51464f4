#include "store/ini_file.h"

IniFile::IniFile(const QString &path)
{
    if (!path.isEmpty())
        m_settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
}

IniFile::~IniFile() = default;

bool IniFile::contains(const QString &key) const
{
    return m_settings && m_settings->contains(key);
}

QVariant IniFile::value(const QString &key) const
{
    return m_settings ? m_settings->value(key) : QVariant();
}

int64_t IniFile::integer(const QString &key, int64_t absent) const
{
    const QVariant v = value(key);
    if (!v.isValid())
        return absent;
    bool ok = false;
    const qlonglong n = v.toLongLong(&ok);
    return ok ? n : 0;
}

QString IniFile::text(const QString &key) const
{
    return value(key).toString();
}

QColor IniFile::color(const QString &key) const
{
    return value(key).value<QColor>();
}

void IniFile::setInteger(const QString &key, int64_t number)
{
    if (!m_settings)
        return;
    const QVariant old = m_settings->value(key);
    if (old.isValid() && old.toString() == QString::number(number))
        return;
    m_settings->setValue(key, static_cast<qlonglong>(number));
}

void IniFile::setText(const QString &key, const QString &text)
{
    if (!m_settings)
        return;
    const QVariant old = m_settings->value(key);
    if (old.userType() == QMetaType::QString && old.toString() == text)
        return;
    m_settings->setValue(key, text);
}

void IniFile::setColor(const QString &key, const QColor &color)
{
    if (!m_settings)
        return;
    const QVariant old = m_settings->value(key);
    if (old.userType() == QMetaType::QColor && old.value<QColor>() == color)
        return;
    m_settings->setValue(key, color);
}

bool IniFile::sync()
{
    if (!m_settings)
        return false;
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}
