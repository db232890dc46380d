// Tests of the SVG writer: the golden sample, flipped windows, turned text and escaping.
#include "common/graphics/SvgWriter.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/graphics/SampleRecording.h"
#include "tests/support/TempProgramFolder.h"

namespace lavix::graphics {
namespace {

const std::string goldenPath = std::string(LAVIX_GRAPHICS_DATA_DIR) + "/sample.svg";

TEST(SvgWriter, SampleMatchesTheGoldenFile) {
  std::string svg = toSvg(testing::sampleRecording(), 6000, 4500);
  if (std::getenv("LAVIX_UPDATE_GOLDEN") != nullptr) {
    std::ofstream(goldenPath, std::ios::binary) << svg;
  }
  EXPECT_EQ(svg, lavix::testing::readWholeFile(goldenPath));
  EXPECT_EQ(svg, toSvg(testing::sampleRecording(), 6000, 4500));
}

TEST(SvgWriter, FlippedWindowKeepsTextUpright) {
  Recording r;
  r.setWindow({0, 4500}, {6000, -4500});
  SelectFont font;
  font.height = -100;
  font.escapement = 900;
  r.selectFont(font);
  r.text(10, 20, "a<b & \"c\"", HAlign::Right, VAlign::Top);
  std::string svg = toSvg(r, 6000, 4500);
  EXPECT_NE(svg.find("viewBox=\"0 0 6000 4500\""), std::string::npos) << svg;
  EXPECT_NE(svg.find("<g transform=\"matrix(1 0 0 -1 0 4500)\">"), std::string::npos) << svg;
  EXPECT_NE(svg.find("<text xml:space=\"preserve\" transform=\"translate(10,20) scale(1,-1) rotate(-90.0)\" x=\"0\" "
                     "y=\"93\" text-anchor=\"end\" font-family=\"Arial, sans-serif\" font-size=\"100\" "
                     "fill=\"rgb(0,0,0)\">a&lt;b &amp; &quot;c&quot;</text>"),
            std::string::npos)
      << svg;
}

TEST(SvgWriter, TextThatIsNotUtf8IsReadAsLatin1) {
  Recording r;
  r.text(0, 0, "\xB5g/g \xC3\xA9 \x01");
  std::string svg = toSvg(r, 6000, 4500);
  EXPECT_NE(svg.find(">&#181;g/g \xC3\xA9 </text>"), std::string::npos) << svg;
}

}  // namespace
}  // namespace lavix::graphics
