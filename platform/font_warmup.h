#pragma once

#include <thread>

// The first text the window lays out makes fontconfig parse the system's font configuration
// (dozens of XML files): several milliseconds on the GUI thread. Started before the application
// object, this reads it on another core meanwhile; wait() before the first text is laid out.
class FontConfigWarmup {
public:
    FontConfigWarmup();
    ~FontConfigWarmup();
    FontConfigWarmup(const FontConfigWarmup &) = delete;
    FontConfigWarmup &operator=(const FontConfigWarmup &) = delete;

    void wait();

private:
    std::thread reader;
};
