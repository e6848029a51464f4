#include "platform/font_warmup.h"

#include <fontconfig/fontconfig.h>

void readFontConfiguration()
{
    // fontconfig builds its default configuration once per process, safely across threads;
    // Qt's font database then finds it ready.
    FcInit();
}
