// The configuration and profile reader: the input as Config.ini, as a slot profile and as the
// product definition. Every value in the file is decoded, which is where a crafted variant
// would allocate without bound.
#include "fuzz_support.h"

#include "store/config_file.h"
#include "store/device_settings.h"
#include "store/ini_file.h"
#include "store/language_config.h"
#include "store/product_definition.h"
#include "store/profile_files.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    startFuzzing(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString config = configFilePath();
    writeInput(config, data, size);
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
