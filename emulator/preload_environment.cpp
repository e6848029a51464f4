#include "emulator/preload_environment.h"

#include <cstdlib>
#include <fstream>
#include <string>

namespace {

// The path of the first mapped file whose path holds `part`; empty when none is.
std::string mappedFile(const char *part)
{
    std::ifstream maps("/proc/self/maps");
    std::string line;
    while (std::getline(maps, line)) {
        const size_t path = line.find('/');
        if (path != std::string::npos && line.find(part, path) != std::string::npos)
            return line.substr(path);
    }
    return std::string();
}

} // namespace

bool emulationPreloadMapped()
{
    return !mappedFile("libumockdev-preload").empty();
}

void addEmulationPreloadToEnvironment()
{
    std::string preload = kEmulationPreload;
    const char *existing = std::getenv("LD_PRELOAD");
    if (existing && *existing)
        preload += std::string(" ") + existing;
    // A sanitizer runtime must stay first in the list, ahead of umockdev's.
    const std::string sanitizer = mappedFile("/libasan.so");
    if (!sanitizer.empty() && !(existing && std::string(existing).find(sanitizer) != std::string::npos))
        preload = sanitizer + ' ' + preload;
    setenv("LD_PRELOAD", preload.c_str(), 1);
    setenv(kEmulationRestartMark, "1", 1);
}
