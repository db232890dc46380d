// The picture port: diagrams on a printer page, in PNG/PDF files and on the clipboard.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/graphics/Recording.h"

namespace lavix::ui {

// What a picture copy puts on the clipboard: the placeable metafile as a saved file holds
// it, and the same picture as SVG text and, drawn by the port, as a bitmap.
struct ClipboardPicture {
  std::vector<std::uint8_t> wmf;
  std::string svg;
  const graphics::Recording* recording = nullptr;  // for the bitmap; valid during the call only
};

class PicturePort {
 public:
  virtual ~PicturePort() = default;
  // Plays `page` onto one printer page; nullopt when it was sent, otherwise why not.
  virtual std::optional<std::string> printPage(const graphics::Recording& page, bool landscape,
                                               int diagramCount) = 0;
  // Writes `recording` as "png" or "pdf", replacing any old file only when complete;
  // nullopt when written, otherwise why not.
  virtual std::optional<std::string> writePicture(const graphics::Recording& recording, const std::string& format,
                                                  const std::string& path) = 0;
  // Replaces the clipboard's contents with the picture.
  virtual void copyPicture(const ClipboardPicture& picture) = 0;
};

// Why PNG or PDF cannot be written where there is no window system.
inline std::string noRasterText(const std::string& format) {
  return "cannot write " + format + " without the window system";
}

}  // namespace lavix::ui
