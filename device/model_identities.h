#pragma once
#include "build_config.h"

#include <cstdint>

// The USB identities of the models this build knows, in the order of "Mouse_List/N": the
// build's own model first, then a second model of the same family. Shared with the emulated
// mouse, which presents them.
struct ModelIdentity {
    uint32_t receiverVid, receiverPid;
    uint32_t cableVid, cablePid;
};

constexpr ModelIdentity kModelIdentities[] = {
    {ZEL_RECEIVER_VID, ZEL_RECEIVER_PID, ZEL_CABLE_VID, ZEL_CABLE_PID},
    {ZEL_MODEL2_RECEIVER_VID, ZEL_MODEL2_RECEIVER_PID, ZEL_MODEL2_CABLE_VID, ZEL_MODEL2_CABLE_PID},
};
constexpr int kModelIdentityCount = int(sizeof kModelIdentities / sizeof kModelIdentities[0]);
