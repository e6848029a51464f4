// zelmouse: starts the window program, zelmouse-gui, from the same folder. It loads none of Qt:
// with --emulate it puts umockdev's preload in place first, so that the window program with
// its sixty libraries is loaded once instead of starting and restarting itself.

#ifdef ZEL_WITH_EMULATOR
#include "emulator/preload_environment.h"
#endif

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

int main(int argc, char *argv[])
{
    char self[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) {
        std::fprintf(stderr, "zelmouse: cannot find its own folder: %s\n", std::strerror(errno));
        return 127;
    }
    std::string program(self, size_t(length));
    program = program.substr(0, program.rfind('/') + 1) + "zelmouse-gui";
#ifdef ZEL_WITH_EMULATOR
    for (int i = 1; i < argc; ++i) {
        // The window program checks the option's value.
        if (std::strncmp(argv[i], kEmulateOption, std::strlen(kEmulateOption)) == 0 && !emulationPreloadMapped()) {
            addEmulationPreloadToEnvironment();
            break;
        }
    }
#else
    (void)argc;
#endif
    execv(program.c_str(), argv);
    std::fprintf(stderr, "zelmouse: cannot start %s: %s\n", program.c_str(), std::strerror(errno));
    return 127;
}
