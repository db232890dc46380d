// Main window size from the screen, and the scale factor that dialogs size their fonts by.
#pragma once

namespace lavix::qt {

struct WindowSize {
  int width = 0;
  int height = 0;
};

// The screen width in pixels; on a screen wider than 4:3 (width x 0.75 > height), the
// height / 0.75, so that wide screens size windows as a 4:3 screen of the same height would.
int screenBase(int screenWidth, int screenHeight);

// The main window: 80 % of the base times the window scale wide, 3:4 of that high, kept
// within the screen and no smaller than 320 x 240. A scale that is not a positive finite
// number counts as 1.
WindowSize mainWindowSize(int screenWidth, int screenHeight, float windowScale);

// window scale x (0.75 x base / 480) x (96 / vertical pixels per inch): 1 on a 640-pixel-wide
// screen at 96 pixels per inch.
float dialogScale(float windowScale, int base, double pixelsPerInchY);

}  // namespace lavix::qt
