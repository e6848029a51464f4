// GIO's headers come before Qt's: they use `signals` as a name, which Qt defines as a macro.
#include <gio/gio.h>

#include "platform/pointer_speed_settings.h"

#include <QtGlobal>

namespace {

// The desktop's own value from libinput's -1..1 and back.
using ToDesktop = double (*)(double);
using FromDesktop = double (*)(double);

double same(double speed)
{
    return speed;
}

// MATE keeps a factor 1..10, -1 standing for the desktop's default.
double mateFromSpeed(double speed)
{
    return qFuzzyIsNull(speed) ? -1.0 : 1.0 + (speed + 1.0) * 4.5;
}

double speedFromMate(double value)
{
    return value < 1.0 ? 0.0 : qBound(-1.0, (value - 1.0) / 4.5 - 1.0, 1.0);
}

class GSettingsPointerSpeed : public PointerSpeedSetting {
public:
    GSettingsPointerSpeed(QString name, const char *schema, const char *key, ToDesktop to, FromDesktop from)
        : m_name(std::move(name)), m_schema(schema), m_key(key), m_to(to), m_from(from)
    {
    }
    ~GSettingsPointerSpeed() override
    {
        if (m_settings)
            g_object_unref(m_settings);
    }

    QString name() const override { return m_name; }

    bool reachable(QString *reason) override
    {
        if (m_settings)
            return true;
        // Looked up first: GIO aborts the program for a schema it does not know.
        GSettingsSchemaSource *source = g_settings_schema_source_get_default();
        GSettingsSchema *schema = source ? g_settings_schema_source_lookup(source, m_schema, TRUE) : nullptr;
        if (!schema) {
            *reason = QStringLiteral("The settings schema %1 is not installed.").arg(QLatin1String(m_schema));
            return false;
        }
        bool usable = false;
        if (g_settings_schema_has_key(schema, m_key)) {
            GSettingsSchemaKey *key = g_settings_schema_get_key(schema, m_key);
            usable = g_variant_type_equal(g_settings_schema_key_get_value_type(key), G_VARIANT_TYPE_DOUBLE);
            g_settings_schema_key_unref(key);
        }
        if (usable)
            m_settings = g_settings_new_full(schema, nullptr, nullptr);
        g_settings_schema_unref(schema);
        if (!usable)
            *reason = QStringLiteral("The settings schema %1 has no speed key %2.").arg(QLatin1String(m_schema), QLatin1String(m_key));
        return usable;
    }

    bool read(double *speed) override
    {
        *speed = m_from(g_settings_get_double(m_settings, m_key));
        return true;
    }

    bool write(double speed) override
    {
        if (!g_settings_set_double(m_settings, m_key, m_to(speed)))
            return false;
        // Written before this program might end.
        g_settings_sync();
        return true;
    }

private:
    QString m_name;
    const char *m_schema;
    const char *m_key;
    ToDesktop m_to;
    FromDesktop m_from;
    GSettings *m_settings = nullptr;
};

} // namespace

std::unique_ptr<PointerSpeedSetting> gnomePointerSpeed()
{
    return std::make_unique<GSettingsPointerSpeed>(QStringLiteral("GNOME's mouse settings"), "org.gnome.desktop.peripherals.mouse",
                                                   "speed", same, same);
}

std::unique_ptr<PointerSpeedSetting> cinnamonPointerSpeed()
{
    return std::make_unique<GSettingsPointerSpeed>(QStringLiteral("Cinnamon's mouse settings"),
                                                   "org.cinnamon.desktop.peripherals.mouse", "speed", same, same);
}

std::unique_ptr<PointerSpeedSetting> matePointerSpeed()
{
    return std::make_unique<GSettingsPointerSpeed>(QStringLiteral("MATE's mouse settings"), "org.mate.peripherals-mouse",
                                                   "motion-acceleration", mateFromSpeed, speedFromMate);
}
