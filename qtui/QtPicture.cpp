// The picture port on Qt: the default printer, PNG and PDF files, and the clipboard's picture formats.
#include "qtui/QtPicture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "common/text/TextFile.h"
#include "qtui/PngEncoder.h"
#include "qtui/RecordingPlayer.h"

namespace lavix::qtui {

namespace {

constexpr int pictureWidth = 1600;

double windowRatio(const graphics::Recording& recording) {
  const graphics::Point extent = recording.windowExtent();
  const double ex = std::abs(extent.x == 0 ? 1 : extent.x), ey = std::abs(extent.y == 0 ? 1 : extent.y);
  return ey / ex;
}

}  // namespace

QImage pictureImage(const graphics::Recording& recording, int width) {
  const int height = std::max(1, static_cast<int>(std::lround(width * windowRatio(recording))));
  return renderRecording(recording, QSize(width, height), Mapping::Isotropic);
}

std::unique_ptr<QMimeData> pictureMimeData(const ui::ClipboardPicture& picture) {
  auto data = std::make_unique<QMimeData>();
  if (!picture.wmf.empty())
    data->setData(QStringLiteral("image/x-wmf"),
                  QByteArray(reinterpret_cast<const char*>(picture.wmf.data()), static_cast<qsizetype>(picture.wmf.size())));
  if (!picture.svg.empty())
    data->setData(QStringLiteral("image/svg+xml"), QByteArray::fromStdString(picture.svg));
  if (picture.recording) data->setImageData(pictureImage(*picture.recording, pictureWidth));
  return data;
}

std::optional<std::string> QtPicture::printPage(const graphics::Recording& page, bool landscape, int) {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) {
    // Declining the PDF is the user's answer to the missing printer: nothing more to report.
    const std::optional<QString> pdf = askPdf_ ? askPdf_() : std::nullopt;
    if (!pdf) return std::nullopt;
    if (!writePdf(page, *pdf, landscape)) return "cannot write " + pdf->toStdString();
    return std::nullopt;
  }
  QPrinter printer(info, QPrinter::HighResolution);
  printer.setDocName(QStringLiteral("Lavix diagram"));
  printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  QPainter painter;
  if (!painter.begin(&printer)) return std::string("The printer could not start the job");
  const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
  playRecording(painter, page, QRectF(0, 0, area.width(), area.height()), Mapping::Isotropic);
  if (!painter.end()) return std::string("The printer could not finish the job");
  return std::nullopt;
}

std::optional<std::string> writePictureFile(const graphics::Recording& recording, const std::string& format,
                                            const std::string& path) {
  const QString target = QString::fromStdString(path);
  if (format == "pdf") {
    if (!writePdf(recording, target, windowRatio(recording) < 1)) return "cannot write " + path;
    return std::nullopt;
  }
  if (format != "png") return "unknown picture format " + format;
  const QImage image = pictureImage(recording, pictureWidth);
  if (image.isNull()) return "cannot draw the picture";
  const QByteArray bytes = encodePng(image);
  text::FileError error;
  const std::string_view content(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  if (!text::writeFileAtomically(path, content, error))
    return "cannot write " + path + ": " + error.text;
  return std::nullopt;
}

std::optional<std::string> QtPicture::writePicture(const graphics::Recording& recording, const std::string& format,
                                                   const std::string& path) {
  return writePictureFile(recording, format, path);
}

void QtPicture::copyPicture(const ui::ClipboardPicture& picture) {
  QGuiApplication::clipboard()->setMimeData(pictureMimeData(picture).release());
}

}  // namespace lavix::qtui
