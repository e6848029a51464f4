#include "ui/kit/plug_in_flag.h"

namespace {
bool pluggedInFlag = false;
} // namespace

void setMousePluggedIn(bool pluggedIn)
{
    pluggedInFlag = pluggedIn;
}

bool mousePluggedIn()
{
    return pluggedInFlag;
}
