// The picture port of batch runs and tests: printing and clipboard copies go to the transcript.
#include "common/ui/ScriptedPicture.h"

#include "common/format/NumberFormat.h"

namespace lavix::ui {

std::optional<std::string> ScriptedPicture::printPage(const graphics::Recording& page, bool landscape,
                                                      int diagramCount) {
  transcript_.shown("print", std::string("page ") + (landscape ? "landscape" : "portrait") + ", " +
                                 format::shortestText(diagramCount) + (diagramCount == 1 ? " diagram" : " diagrams"));
  printed_.push_back(page);
  return std::nullopt;
}

std::optional<std::string> ScriptedPicture::writePicture(const graphics::Recording& recording,
                                                         const std::string& format, const std::string& path) {
  if (!rasterWriter_) return noRasterText(format);
  return rasterWriter_(recording, format, path);
}

void ScriptedPicture::copyPicture(const ClipboardPicture& picture) {
  std::string formats;
  auto add = [&formats](const char* name) { formats += formats.empty() ? name : std::string(", ") + name; };
  if (!picture.wmf.empty()) add("wmf");
  if (!picture.svg.empty()) add("svg");
  if (picture.recording) add("png");
  transcript_.shown("clipboard", "picture (" + formats + ")");
  clipboardWmf_ = picture.wmf;
  clipboardSvg_ = picture.svg;
  ++copies_;
}

}  // namespace lavix::ui
