// Qt for batch mode: an offscreen application when none runs, and window pictures saved as PNG.
#pragma once

#include <QApplication>
#include <QImage>

#include <memory>
#include <string>

namespace lavix::qtui {

// Fonts and painting need an application; batch mode has none and no display. QApplication
// keeps references to argc and argv, so they live as long as it does.
class OffscreenApplication {
 public:
  OffscreenApplication();
  OffscreenApplication(const OffscreenApplication&) = delete;
  OffscreenApplication& operator=(const OffscreenApplication&) = delete;

 private:
  int argc_ = 1;
  char name_[6] = "lavix";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> own_;
};

// Writes a window's picture (a null image: `what` could not be rendered); false with `error`.
bool saveWindowPicture(const QImage& image, const std::string& path, const std::string& what, std::string& error);

}  // namespace lavix::qtui
