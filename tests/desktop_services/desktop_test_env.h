#pragma once
// What the tests of the desktops' own settings share: an environment variable for one scope,
// and GNOME's mouse speed as GSettings' keyfile backend stores it.

#include <QByteArray>
#include <QFile>
#include <QVariant>

class ScopedEnv {
public:
    ScopedEnv(const char *name, const QByteArray &value) : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnv()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }
    ScopedEnv(const ScopedEnv &) = delete;
    ScopedEnv &operator=(const ScopedEnv &) = delete;

private:
    const char *m_name;
    bool m_had;
    QByteArray m_old;
};

// Invalid while never written.
inline QVariant gnomeMouseSpeed(const QString &configHome)
{
    QFile file(configHome + QStringLiteral("/glib-2.0/settings/keyfile"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    bool inGroup = false;
    for (const QByteArray &raw : file.readAll().split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('['))
            inGroup = line == "[org/gnome/desktop/peripherals/mouse]";
        else if (inGroup && line.startsWith("speed="))
            return line.mid(6).toDouble();
    }
    return {};
}
