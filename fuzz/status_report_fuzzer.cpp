// The status report the mouse sends, as the poller reads it.
#include "device/status_report.h"

#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // An exact-size copy, so that a read past the reply is caught.
    std::vector<unsigned char> buffer(data, data + size);
    const auto report = parseStatusReport(buffer.data(), buffer.size());
    if (report && report->dpiStage > 15)
        __builtin_trap();
    return 0;
}
