// The Qt picture port: the clipboard's picture formats and the PNG and PDF files.
#include <filesystem>

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPrinterInfo>

#include "common/graphics/SvgWriter.h"
#include "common/graphics/WmfWriter.h"
#include "qtui/QtPicture.h"
#include "qtui/QtPrinter.h"
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

}  // namespace
}  // namespace lavix::testing
