// Whole recordings of a small fixed data set, compared as SVG text with files kept beside the
// tests: a change that moves one line shows up as a diff. LAVIX_UPDATE_GOLDEN=1 rewrites them.
#include <cstdlib>
#include <fstream>

#include "common/graphics/SvgWriter.h"
#include "lavix/app/Redraw.h"
#include "tests/redraw/DiagramFixture.h"

namespace lavix::testing {
namespace {

class GoldenRecordingTest : public DiagramFixture {
 protected:
  void expectGolden(const std::string& name) {
    const graphics::Recording& r = session().recording;
    ASSERT_FALSE(r.empty());
    const std::string svg = graphics::toSvg(r, std::abs(r.windowExtent().x), std::abs(r.windowExtent().y));
    const std::string path = std::string(LAVIX_GOLDEN_DIR) + "/" + name + ".svg";
    if (std::getenv("LAVIX_UPDATE_GOLDEN")) {
      std::ofstream(path, std::ios::binary) << svg;
      return;
    }
    const std::string expected = readWholeFile(path);
    if (svg != expected) {
      const std::string actual = ::testing::TempDir() + name + ".actual.svg";
      std::ofstream(actual, std::ios::binary) << svg;
      FAIL() << name << ".svg differs; the new recording is in " << actual;
    }
  }
};

TEST_F(GoldenRecordingTest, XYDiagram) {
  xy("SiO2", "K2O");
  expectGolden("xy");
}

TEST_F(GoldenRecordingTest, LogLogDiagram) {
  f.click("mxy", {pick("Log"), pick("Zr"), pick("Log Zr"), pick("Log"), pick("K2O"), pick("Log K2O")});
  ASSERT_EQ(settings().plot.xLog, 1);
  ASSERT_EQ(settings().plot.yLog, 1);
  expectGolden("loglog");
}

TEST_F(GoldenRecordingTest, ClippedTernaryDiagram) {
  f.click("mtri", {pick("MgO"), pick("CaO"), pick("Na2O")});
  // A clipped family keeps its limits through the redraw.
  settings().diagramFamily = "QUAD";
  settings().xClipMax = 0.6f;
  settings().yClipMax = 0.7f;
  settings().zClipMin = 0.1f;
  app::redrawDiagram(session());
  expectGolden("ternary-clipped");
}

TEST_F(GoldenRecordingTest, Histogram) {
  f.click("mhist", {pick("SiO2")});
  expectGolden("histogram");
}

}  // namespace
}  // namespace lavix::testing
