#pragma once

// Registers the resources compiled into the program (":/skin/loading.gif", ":/yes_Btn",
// ":/no_Btn"). Idempotent; happens automatically when the kit is linked, callable for safety.
void initKitResources();
