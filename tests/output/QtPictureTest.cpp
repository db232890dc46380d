// The Qt picture port: the clipboard's picture formats and the PNG and PDF files.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QPrinterInfo>

#include "common/graphics/SvgWriter.h"
#include "common/graphics/WmfWriter.h"
#include "qtui/PngEncoder.h"
#include "qtui/QtPicture.h"
#include "qtui/QtPrinter.h"
#include "qtui/RecordingPlayer.h"
#include "tests/support/TempProgramFolder.h"

namespace lavix::testing {
namespace {

graphics::Recording smallPicture() {
  graphics::Recording r;
  r.setWindow({0, 0}, {6000, 4500});
  r.selectBrush(graphics::rgb(255, 0, 0));
  r.rectangle(1000, 1000, 5000, 3500);
  r.text(1200, 4000, "SiO2");
  return r;
}

ui::ClipboardPicture clipboardPicture(const graphics::Recording& r) {
  ui::ClipboardPicture picture;
  picture.wmf = graphics::toPlaceableWmf(r, 6000, 4500);
  picture.svg = graphics::toSvg(r, 6000, 4500);
  picture.recording = &r;
  return picture;
}

TEST(QtPicture, ClipboardGetsTheMetafileTheSvgAndABitmap) {
  const graphics::Recording r = smallPicture();
  const ui::ClipboardPicture picture = clipboardPicture(r);
  const auto data = qtui::pictureMimeData(picture);
  const QByteArray wmf = data->data("image/x-wmf");
  EXPECT_EQ(std::vector<std::uint8_t>(wmf.begin(), wmf.end()), picture.wmf);
  EXPECT_EQ(data->data("image/svg+xml").toStdString(), picture.svg);
  ASSERT_TRUE(data->hasImage());
  const QImage image = qvariant_cast<QImage>(data->imageData());
  EXPECT_EQ(image.size(), QSize(1600, 1200));
  EXPECT_EQ(image.pixelColor(800, 600), QColor(255, 0, 0));  // inside the filled rectangle

  qtui::QtPicture port;
  port.copyPicture(picture);
  const QMimeData* onClipboard = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(onClipboard, nullptr);
  EXPECT_TRUE(onClipboard->hasFormat("image/x-wmf"));
  EXPECT_TRUE(onClipboard->hasFormat("image/svg+xml"));
}

TEST(QtPicture, PngAndPdfFilesAreWrittenWhole) {
  TempFolder folder;
  const graphics::Recording r = smallPicture();
  qtui::QtPicture port;
  struct Case {
    const char* format;
    const char* name;
    const char* start;
  };
  for (const Case c : {Case{"png", "/p.png", "\x89PNG"}, Case{"pdf", "/p.pdf", "%PDF"}}) {
    EXPECT_EQ(port.writePicture(r, c.format, folder.path() + c.name), std::nullopt) << c.format;
    EXPECT_EQ(readWholeFile(folder.path() + c.name).rfind(c.start, 0), 0u) << c.format;
    const std::string missing = folder.path() + "/none" + c.name;
    EXPECT_EQ(port.writePicture(r, c.format, missing).value_or("").rfind("cannot write " + missing, 0), 0u);
    EXPECT_FALSE(std::filesystem::exists(missing));
  }
  EXPECT_EQ(port.writePicture(r, "gif", folder.path() + "/p.gif"), "unknown picture format gif");
}

// Without a printer, printing offers to save the page as PDF instead of only failing.
TEST(QtPicture, WithoutAPrinterThePageAndTheReportMayBeSavedAsPdf) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a printer";
  TempFolder folder;
  const QString pdf = QString::fromStdString(folder.path() + "/page.pdf");
  int asked = 0;
  std::optional<QString> answer = pdf;
  qtui::QtPicture picture;
  picture.setPdfAsker([&] { return ++asked, answer; });
  EXPECT_EQ(picture.printPage(smallPicture(), true, 1), std::nullopt);
  EXPECT_EQ(readWholeFile(pdf.toStdString()).rfind("%PDF", 0), 0u);

  qtui::QtPrinter printer;
  printer.setPdfAsker([&] { return ++asked, answer; });
  const QString report = QString::fromStdString(folder.path() + "/report.pdf");
  answer = report;
  EXPECT_EQ(printer.printText({"norm", {"  SiO2   50.00", "  TiO2    1.00"}}), std::nullopt);
  EXPECT_EQ(readWholeFile(report.toStdString()).rfind("%PDF", 0), 0u);
  answer = std::nullopt;  // declined: nothing written, nothing more to say
  EXPECT_EQ(printer.printText({"norm", {"x"}}), std::nullopt);
  answer = QString::fromStdString(folder.path() + "/none/report.pdf");
  EXPECT_EQ(printer.printText({"norm", {"x"}}), "cannot write " + folder.path() + "/none/report.pdf");
  EXPECT_EQ(asked, 4);
}

// The PNG encoder's files decode to the very pixels they were given, whatever they hold.
TEST(QtPicture, PngFilesDecodeToThePixelsEncoded) {
  std::vector<QImage> images = {qtui::renderRecording(smallPicture(), {400, 300}, qtui::Mapping::Isotropic)};
  for (const QSize size : {QSize(1, 1), QSize(37, 5), QSize(300, 200)}) {
    QImage noise(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
      for (int x = 0; x < size.width(); ++x)
        noise.setPixel(x, y, qRgb((x * 7 + y * 13) % 256, (x * y) % 256, (x ^ y) % 256));
    images.push_back(noise);
  }
  for (const QImage& image : images) {
    QImage decoded;
    ASSERT_TRUE(decoded.loadFromData(qtui::encodePng(image), "PNG")) << image.width();
    EXPECT_EQ(decoded.convertToFormat(QImage::Format_RGB32), image) << image.width();
  }
}

// PNG pictures stamp their small shapes from sprites; at the size one looks at them (a block
// of 4 x 4 pixels each) they must look as the shapes drawn one by one do.
TEST(QtPicture, StampedSymbolsLookLikeSymbolsDrawnOneByOne) {
  graphics::Recording r;
  r.setWindow({0, 0}, {11000, 8500});
  for (int i = 0; i < 3000; ++i) {
    const int x = 500 + (i * 7919) % 10000, y = 500 + (i * 104729) % 7500;
    r.selectPen(graphics::rgb(i % 3 * 90, 0, 0), 10);
    if (i % 5 == 0) r.selectHollowBrush();
    else r.selectBrush(graphics::rgb(230, 159, i % 2 * 200));
    if (i % 2 == 0) r.circle(x, y, 35);
    else r.polygon({{x, y - 40}, {x + 35, y + 20}, {x - 35, y + 20}});
  }
  r.circle(5500, 4250, 2000);  // large: drawn, not stamped
  const QSize size(1600, 1236);
  const QImage stamped = qtui::renderRecording(r, size, qtui::Mapping::Isotropic).convertToFormat(QImage::Format_RGB32);
  QImage drawn(size, QImage::Format_RGB32);
  drawn.fill(Qt::white);
  QPainter painter(&drawn);
  qtui::playRecording(painter, r, QRectF(QPointF(0, 0), QSizeF(size)), qtui::Mapping::Isotropic);
  painter.end();

  using Channel = int (*)(QRgb);
  const Channel channels[] = {qRed, qGreen, qBlue};
  int worst = 0;
  for (int by = 0; by + 4 <= size.height(); by += 4)
    for (int bx = 0; bx + 4 <= size.width(); bx += 4)
      for (Channel channel : channels) {
        int difference = 0;
        for (int y = by; y < by + 4; ++y)
          for (int x = bx; x < bx + 4; ++x) difference += channel(stamped.pixel(x, y)) - channel(drawn.pixel(x, y));
        worst = std::max(worst, std::abs(difference) / 16);
      }
  EXPECT_LE(worst, 24);
  EXPECT_NE(stamped, drawn);  // the stamps were used
}

}  // namespace
}  // namespace lavix::testing
