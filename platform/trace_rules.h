#pragma once

// Which diagnostics a program of the window's prints. Started at login, every trace line
// would land in the user's journal: without `trace`, debug lines are off unless
// QT_LOGGING_RULES (applied after these rules) selects them. Warnings and errors always show.
void selectTraces(bool trace);
