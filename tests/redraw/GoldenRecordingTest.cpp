// Whole recordings of a small fixed data set, compared as SVG text with files kept beside the
// tests: a change that moves one line shows up as a diff. LAVIX_UPDATE_GOLDEN=1 rewrites them.
#include <cstdlib>
#include <fstream>

#include "common/graphics/SvgWriter.h"
#include "lavix/app/Redraw.h"
#include "tests/support/LavixSessions.h"

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

TEST_F(GoldenRecordingTest, SpiderDiagram) {
  // Three rare-earth patterns; R2 has no Tb, so its line steps over it.
  f.folder.write("Data Files/ree.txt",
                 "SAMPLE\tJCODE\tKCODE\tLCODE\tLa\tCe\tPr\tNd\tSm\tEu\tGd\tTb\tDy\tHo\tEr\tTm\tYb\tLu\n"
                 "R1\t0\t1\t0\t6.7\t15.2\t2.1\t9.8\t2.45\t0.76\t2.3\t0.37\t2.2\t0.45\t1.25\t0.19\t1.22\t0.18\n"
                 "R2\t0\t2\t0\t18\t38\t4.6\t19\t3.9\t1.1\t3.5\t0\t3.1\t0.62\t1.8\t0.27\t1.7\t0.26\n"
                 "R3\t0\t3\t0\t35\t70\t8\t30\t5.2\t0.9\t4.4\t0.7\t4.1\t0.85\t2.5\t0.38\t2.6\t0.4\n");
  f.click("mOpen", {"Data Files/ree.txt"});
  f.click("mspider", {"#1", "[all]"});
  ASSERT_EQ(settings().diagramKind, "SPI");
  ASSERT_EQ(session().plottedRows, (std::vector<int>{1, 2, 3}));
  expectGolden("spider");
}

TEST_F(GoldenRecordingTest, TasDiagramOfTheExampleData) {
  f.click("mOpen", {"Data Files/atacazo-ninahuilca.txt"});
  f.click("mdiag", {"Diagrams/volcanic-classification.txt", "TAS"});
  ASSERT_EQ(settings().diagramFamily, "DDIAGS");
  expectGolden("tas");
}

}  // namespace
}  // namespace lavix::testing
