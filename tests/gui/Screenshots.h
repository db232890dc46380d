// Pictures of windows for the documentation, written only when LAVIX_SCREENSHOT_DIR names a folder.
#pragma once

#include <QDir>
#include <QWidget>

#include <cstdlib>

namespace lavix::testing {

inline void saveScreenshot(QWidget& window, const char* name) {
  const char* folder = std::getenv("LAVIX_SCREENSHOT_DIR");
  if (!folder || !*folder) return;
  window.grab().save(QDir(QString::fromLocal8Bit(folder)).filePath(QString::fromLatin1(name)));
}

}  // namespace lavix::testing
