// What the next redraw draws for: the screen, the printer page or a metafile.
#pragma once

#include <cstdint>

namespace lavix::diagram {

enum class OutputDevice { Screen, Print, Wmf };

struct OutputState {
  OutputDevice outputDevice = OutputDevice::Screen;
  bool withPage = false;      // the background page is part of the output
  int16_t pageOpenCount = 0;  // diagrams already on the open printer page, 0 = no page open
};

// The size of the metafile window when the diagram goes out without its page (6 × 4.5 inches).
inline constexpr int wmfWindowWidth = 6000;
inline constexpr int wmfWindowHeight = 4500;

}  // namespace lavix::diagram
