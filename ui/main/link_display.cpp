#include "ui/main/link_display.h"

namespace {

enum Charging { Any, No, Yes };

struct LinkRow {
    bool cable;
    bool receiver;
    Charging charging;
    LinkDisplay display;
};

// A mouse on its cable or charging has no battery level worth showing.
constexpr LinkRow kLinkTable[] = {
    // cable  receiver charging  {state, receiver icon, battery bar, cable frame}
    {true, true, Any, {1, true, false, true}},
    {true, false, Any, {0, false, false, true}},
    {false, true, No, {2, true, true, false}},
    {false, true, Yes, {1, true, false, true}},
    {false, false, Any, {3, false, true, false}},
};

} // namespace

LinkDisplay linkDisplayFor(bool cableLink, bool receiverLink, bool charging)
{
    for (const LinkRow &row : kLinkTable) {
        if (row.cable != cableLink || row.receiver != receiverLink)
            continue;
        if (row.charging == Any || (row.charging == Yes) == charging)
            return row.display;
    }
    return LinkDisplay{};
}
