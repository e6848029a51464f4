// The check an import file passes before anything changes, and the import itself for files
// the check lets through.
#include "fuzz_support.h"

#include "store/device_settings.h"
#include "store/profile_files.h"
#include "tools/cli/conf_file_check.h"

#include <memory>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    startFuzzing(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString file = fuzzAppDir().filePath(QStringLiteral("import.conf"));
    writeInput(file, data, size);
    const ConfFileVerdict verdict = checkImportFile(file, QStringLiteral("Glide X7"));
    if (verdict.usable) {
        auto settings = std::make_unique<DeviceSettings>();
        importAllSettings(*settings, file);
    }
    return 0;
}
