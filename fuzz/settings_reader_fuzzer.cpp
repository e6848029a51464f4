// The configuration and profile reader: the input as Config.ini, as a slot profile and as the
// product definition. Every value in the file is decoded, which is where a crafted variant
// would allocate without bound; and the one-pass reader is held to what QSettings reads.
#include "fuzz_support.h"

#include "store/config_file.h"
#include "store/device_settings.h"
#include "store/ini_file.h"
#include "store/language_config.h"
#include "store/product_definition.h"
#include "store/profile_files.h"
#include "store/settings_text.h"

#include <QSettings>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// Whenever the one-pass reader takes a file, it must read what QSettings reads from it.
void compareFastReaderWithQSettings(const uint8_t *data, size_t size)
{
    const QByteArray checked = withoutUndecodableValues(QByteArray(reinterpret_cast<const char *>(data), int(size)), nullptr);
    PlainSettings plain;
    if (!plain.read(checked))
        return;
    // A new name each time: QSettings keeps files it has read, by name, size and time.
    static int serial = 0;
    const QString path = fuzzAppDir().filePath(QStringLiteral("reference-%1.ini").arg(++serial));
    writeInput(path, reinterpret_cast<const uint8_t *>(checked.constData()), size_t(checked.size()));
    {
        const QSettings reference(path, QSettings::IniFormat);
        const QStringList keys = plain.keys();
        bool same = reference.status() == QSettings::NoError && keys == reference.allKeys();
        for (const QString &key : keys) {
            const QVariant expected = reference.value(key);
            if (!same || plain.value(key).userType() != expected.userType() || plain.value(key) != expected
                || plain.integer(SettingsKey(key), -1) != plain.integer(key, -1)) {
                std::fprintf(stderr, "The one-pass reader differs from QSettings at \"%s\"\n", qPrintable(key));
                std::abort();
            }
        }
        if (!same) {
            std::fprintf(stderr, "The one-pass reader found other keys than QSettings\n");
            std::abort();
        }
    }
    QFile::remove(path);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    startFuzzing(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString config = configFilePath();
    writeInput(config, data, size);
    compareFastReaderWithQSettings(data, size);
    {
        const IniFile ini(config);
        for (const QString &key : ini.keys())
            (void)ini.value(key);
        DeviceSettings settings;
        readDeviceOptions(settings, ini);
    }
    // The other readers open their files the same way; a sample of the inputs goes through
    // them too (a whole profile is thousands of keys, which would slow the fuzzer down).
    if (size % 64 == 0) {
        LanguageTable table;
        readLanguageTable(table);
        (void)readLanguageFont(0);
        writeInput(productDefinitionPath(), data, size);
        (void)productButtonCount();
        ProductProfileTemplate product;
        (void)productProfileTemplate(&product);
        ProfileData profile;
        loadProfile(0, profile, config);
    }
    return 0;
}
