// The picture port on Qt: the default printer, PNG and PDF files, and the clipboard's picture formats.
#pragma once

#include <QImage>
#include <QMimeData>

#include <memory>

#include "common/ui/PicturePort.h"
#include "qtui/PdfInstead.h"

namespace lavix::qtui {

// Needs a running QApplication.
class QtPicture : public ui::PicturePort {
 public:
  // Without a printer, printPage offers to save the page as PDF; this asks (the dialogs by default).
  void setPdfAsker(PdfPathAsker asker) { askPdf_ = std::move(asker); }

  std::optional<std::string> printPage(const graphics::Recording& page, bool landscape, int diagramCount) override;
  std::optional<std::string> writePicture(const graphics::Recording& recording, const std::string& format,
                                          const std::string& path) override;
  void copyPicture(const ui::ClipboardPicture& picture) override;

 private:
  PdfPathAsker askPdf_ = [] { return askPdfInstead(nullptr, QStringLiteral("Lavix")); };
};

// The recording as a bitmap `width` pixels wide, in its window's proportions.
QImage pictureImage(const graphics::Recording& recording, int width);

// What copyPicture puts on the clipboard: the metafile ("image/x-wmf"), the SVG
// ("image/svg+xml") and the bitmap.
std::unique_ptr<QMimeData> pictureMimeData(const ui::ClipboardPicture& picture);

// PNG (1600 pixels wide) or PDF (one page, landscape when the picture is wider than high),
// replacing an old file only when complete; nullopt when written, otherwise why not.
std::optional<std::string> writePictureFile(const graphics::Recording& recording, const std::string& format,
                                            const std::string& path);

}  // namespace lavix::qtui
