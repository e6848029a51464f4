#include "ui/kit/kit_resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerResources()
{
    Q_INIT_RESOURCE(resources);
}

void initKitResources()
{
    static const bool done = (registerResources(), true);
    Q_UNUSED(done);
}
