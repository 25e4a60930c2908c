// Reading the system's font configuration is the longest single step of
// Pelmor's start-up on Linux (some milliseconds of parsing configuration
// files). It needs no window system, so a thread does it while Qt connects
// to the display; Qt then finds the configuration already loaded.
#pragma once

#include <thread>

class TFontWarmUp
{
  public:
    // Starts the thread; on systems without fontconfig it does nothing.
    TFontWarmUp();
    ~TFontWarmUp();
    TFontWarmUp(const TFontWarmUp &) = delete;
    TFontWarmUp &operator=(const TFontWarmUp &) = delete;

    // Waits until the configuration is loaded; call before the first text
    // is measured, so that Qt does not load it a second time meanwhile.
    void Wait();

  private:
    std::thread Worker;
};
