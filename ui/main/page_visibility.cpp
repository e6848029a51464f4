#include "ui/main/page_visibility.h"

namespace {

// F = front view only, S = side view only, Y = shown, '.' = hidden.
// Columns follow PagePart: lighting, model label, front picture, side picture, Front/Side
// buttons, front hotspots, side hotspots, wheel hotspots, customisation, DPI, pointer,
// report rate, macro.
constexpr const char *kVisibility[kWindowPageCount] = {
    /* LIGHTING  */ "YYY..........",
    /* CUSTOMIZE */ ".YFSYFSYY....",
    /* DPI       */ ".........YYY.",
    /* MACRO     */ "............Y",
};

static_assert(sizeof("YYY..........") - 1 == kPagePartCount, "one column per page part");

} // namespace

bool pagePartVisible(int page, PagePart part, bool frontView)
{
    if (page < 0 || page >= kWindowPageCount)
        return false;
    switch (kVisibility[page][int(part)]) {
    case 'Y':
        return true;
    case 'F':
        return frontView;
    case 'S':
        return !frontView;
    default:
        return false;
    }
}
