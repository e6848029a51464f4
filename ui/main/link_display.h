#pragma once

// How the window shows the way the mouse is connected.
struct LinkDisplay {
    int linkState = 3;        // 0 cable only, 1 cable and receiver or charging, 2 receiver, 3 none
    bool receiverIcon = false;
    bool batteryBar = true;
    bool cableFrame = false;  // the cable battery frame instead of the wireless one
};

// cableLink: the cable's vendor interface is present; receiverLink: the receiver's.
LinkDisplay linkDisplayFor(bool cableLink, bool receiverLink, bool charging);
