#pragma once

// Routes Qt's message output for the tool: the device traces (debug and info lines, and Qt's
// own warnings) reach standard error only when tracing is on, so that without --trace
// standard error holds nothing but the tool's own error sentence.
void installCliMessageHandler(bool trace);
