// The picture port of batch runs and tests: printing and clipboard copies go to the transcript.
#pragma once

#include <functional>

#include "common/ui/PicturePort.h"
#include "common/ui/Transcript.h"

namespace lavix::ui {

class ScriptedPicture : public PicturePort {
 public:
  // Writes PNG or PDF; a batch run without a window system has none.
  using RasterWriter = std::function<std::optional<std::string>(const graphics::Recording&, const std::string& format,
                                                                const std::string& path)>;

  explicit ScriptedPicture(Transcript& transcript, RasterWriter rasterWriter = {})
      : transcript_(transcript), rasterWriter_(std::move(rasterWriter)) {}

  // "print: page landscape, 2 diagrams".
  std::optional<std::string> printPage(const graphics::Recording& page, bool landscape, int diagramCount) override;
  std::optional<std::string> writePicture(const graphics::Recording& recording, const std::string& format,
                                          const std::string& path) override;
  // "clipboard: picture (wmf, svg, png)"; the picture is kept for checking.
  void copyPicture(const ClipboardPicture& picture) override;

  // What was sent, for checks.
  const std::vector<graphics::Recording>& printedPages() const { return printed_; }
  const std::vector<std::uint8_t>& clipboardWmf() const { return clipboardWmf_; }
  const std::string& clipboardSvg() const { return clipboardSvg_; }
  int copies() const { return copies_; }

 private:
  Transcript& transcript_;
  RasterWriter rasterWriter_;
  std::vector<graphics::Recording> printed_;
  std::vector<std::uint8_t> clipboardWmf_;
  std::string clipboardSvg_;
  int copies_ = 0;
};

}  // namespace lavix::ui
