#include "platform/font_warmup.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

FontConfigWarmup::FontConfigWarmup()
{
    try {
        // fontconfig builds its default configuration once per process, safely across threads;
        // Qt's font database then finds it ready.
        reader = std::thread([] { FcInit(); });
    } catch (const std::system_error &) {
        // No thread: the GUI thread reads the configuration when it first needs it, as without this.
    }
}

FontConfigWarmup::~FontConfigWarmup()
{
    wait();
}

void FontConfigWarmup::wait()
{
    if (reader.joinable())
        reader.join();
}
