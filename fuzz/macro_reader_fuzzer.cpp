// The macro-file reader, as the editor and the download read a macro.
#include "fuzz_support.h"

#include "store/macro_files.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    startFuzzing(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString name = QStringLiteral("fuzz");
    writeInput(macroFilePath(name), data, size);
    // As a button slot takes a macro: at most 63 events.
    if (readMacroEvents(name, 63).size() > 63)
        __builtin_trap();
    // The editor's read walks every counted event: only for a sample of inputs.
    if (size % 16 == 0) {
        if (readMacroFile(name).events.size() > 10000)
            __builtin_trap(); // a stored count must never size more than a macro can hold
    }
    return 0;
}
