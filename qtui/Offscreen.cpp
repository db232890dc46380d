// The offscreen application and window pictures of batch mode.
#include "qtui/Offscreen.h"

namespace lavix::qtui {

OffscreenApplication::OffscreenApplication() {
  if (QApplication::instance()) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  own_ = std::make_unique<QApplication>(argc_, argv_);
}

bool saveWindowPicture(const QImage& image, const std::string& path, const std::string& what, std::string& error) {
  if (image.isNull()) {
    error = what + " could not be rendered";
    return false;
  }
  if (!image.save(QString::fromStdString(path), "PNG")) {
    error = "cannot write " + path;
    return false;
  }
  return true;
}

}  // namespace lavix::qtui
