#pragma once

// The first text the window lays out makes fontconfig parse the system's font configuration
// (dozens of XML files): several milliseconds on the GUI thread. Run as a BackgroundTask from
// before the application object, this reads it on another core meanwhile; wait for the task
// before the first text is laid out (two threads reading it would each parse it).
void readFontConfiguration();
