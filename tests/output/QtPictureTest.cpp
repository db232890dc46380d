// The Qt picture port: the clipboard's picture formats and the PNG and PDF files.
#include <filesystem>

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "common/graphics/SvgWriter.h"
#include "common/graphics/WmfWriter.h"
#include "qtui/QtPicture.h"
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

}  // namespace
}  // namespace lavix::testing
