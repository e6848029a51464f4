#pragma once

// Set by the main window when a mouse arrives while a message box waits for one (its
// `pluggedIn`); message boxes built with plug-in polling accept themselves when it is set.
void setMousePluggedIn(bool pluggedIn);
bool mousePluggedIn();
