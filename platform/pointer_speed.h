#pragma once

// The desktop pointer speed on the profile's scale: 1 (slowest) .. 20 (fastest), 10 being the
// display server's own default acceleration.

// Sets the X server's pointer acceleration for `mouseSpeed` (clamped to 1..20). Without an X
// display the request is traced and skipped; returns false then.
bool applyPointerSpeed(int mouseSpeed);

// The current acceleration mapped back to 1..20, the nearest step; 10 when it cannot be read.
int readPointerSpeed();

// The acceleration of a speed relative to the server's default, in 32nds (10 -> 32).
int pointerSpeedFactor32(int mouseSpeed);
