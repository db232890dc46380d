// Diagram, Next diag and the legend on a session: what is drawn, what the user is asked, and a
// failure that leaves the diagram shown as it was.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "lavix/app/Redraw.h"
#include "lavix/diagram/Redraw.h"
#include "common/graphics/TextMetrics.h"
#include "tests/library/LibraryFixture.h"

namespace lavix::testing {
namespace {

class LibraryCommandsTest : public LibraryFixture {};

// Rows in three symbol groups; R0 has SiO2 0.
const char* const rocks =
    "SAMPLE\tKCODE\tSiO2\tAl2O3\tNa2O\tK2O\n"
    "B1\t1\t49\t40.5\t3\t1\n"
    "A1\t2\t60\t32\t5\t2\n"
    "R0\t3\t0\t90\t5\t5\n";

// An XY record whose lines are (0,0)-(1,1) and, after a pen 0 in the middle, (2,0)-(3,1).
std::string simpleRecord(const std::string& marker) {
  return marker + " Simple A_test_diagram Its_note SiO[2] SIO2 Na[2]O NA2O 0 0 80 10 20 0 0 10 1 2 "
                  "4 0 0 0 1 1 1 2 0 0 3 1 1 1 50 5 Field_one\n";
}

TEST_F(LibraryCommandsTest, DiagramDrawsTheChosenRecordWithItsFieldsAndNote) {
  loadExample();
  f.click("mdiag", {"Diagrams/tas.txt", "#1"});
  // The list, the counts and Next diag's caption: the batch test "library".
  EXPECT_TRUE(f.shown("file: open Diagram Files (*.txt)|*.txt| | name: *.txt"));
  EXPECT_EQ(settings().pagePosition, 1);  // FULL_PAGE in the marker
  EXPECT_TRUE(drawnText("Le Bas et al. (1986)"));
  // ATAC-4 (row 1): SiO2 57.28, Na2O + K2O = 4.28.
  EXPECT_FLOAT_EQ(x(1), 57.28f);
  EXPECT_FLOAT_EQ(y(1), 4.28f);

  // Next diag offers the list again; NMX and NMY recast the analysis to 100.
  f.click("newx", {"#2"});
  EXPECT_EQ(session().library.currentName, "TAS-anhydrous");
  EXPECT_EQ(settings().pagePosition, 2);
  EXPECT_NEAR(x(1), 57.28f * session().data.totalFactor[1], 1e-4);
  EXPECT_NEAR(y(1), 4.28f * session().data.totalFactor[1], 1e-4);
}

TEST_F(LibraryCommandsTest, ZerosInTheMarkerPlotZeros) {
  load(rocks);
  write("Diagrams/simple.txt", simpleRecord("XY") + simpleRecord("XYZEROSIN"));
  f.click("mdiag", {"Diagrams/simple.txt", "#1"});
  EXPECT_FALSE(session().window.zerosIn);
  EXPECT_EQ(session().plottedRows, (std::vector<int>{1, 2}));
  f.click("newx", {"#2"});
  EXPECT_TRUE(session().window.zerosIn);
  EXPECT_EQ(session().plottedRows, (std::vector<int>{1, 2, 3}));
}

TEST_F(LibraryCommandsTest, APenZeroInTheMiddleStartsASeparateLine) {
  load(rocks);
  write("Diagrams/simple.txt", simpleRecord("XY"));
  f.click("mdiag", {"Diagrams/simple.txt", "#1"});
  std::vector<graphics::Polyline> lines;
  for (const graphics::Polyline& p : recorded<graphics::Polyline>())
    if (p.points.size() == 2) lines.push_back(p);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].points[0], diagram::projectXY(settings(), 0, 0));
  EXPECT_EQ(lines[1].points[0], diagram::projectXY(settings(), 2, 0));
  EXPECT_TRUE(drawnText("Field one"));
}

TEST_F(LibraryCommandsTest, FailuresNameTheFileAndRecordAndLeaveTheDiagramAsItWas) {
  load(rocks);
  write("Diagrams/simple.txt", simpleRecord("XY"));
  f.click("mdiag", {"Diagrams/simple.txt", "#1"});
  const graphics::Recording before = session().recording;
  const std::string beforeName = session().library.currentName;

  write("Diagrams/bad.txt", "XY Cut short 0 x X y Y 0 0 1");
  f.click("mdiag", {"Diagrams/bad.txt", "#1"});
  EXPECT_TRUE(f.shown("message: Diagram file bad.txt, diagram Cut: the record runs past the end of the file"));
  write("Diagrams/formula.txt", "XY Parens d note x (SIO2 y NA2O 0 0 80 10 20 0 0 10 1 2 0 0");
  f.click("mdiag", {"Diagrams/formula.txt", "#1"});
  EXPECT_TRUE(f.shown("message: Parentheses don't match"));
  EXPECT_TRUE(f.shown("message: Diagram file formula.txt, diagram Parens: the formula \"(SIO2\" cannot be evaluated"));
  write("Diagrams/empty.txt", "no records here");
  f.click("mdiag", {"Diagrams/empty.txt"});
  EXPECT_TRUE(f.shown("message: Diagram file empty.txt holds no diagrams"));
  f.click("mdiag", {"Diagrams/simple.txt", "[quit]"});
  f.click("mdiag", {"[cancel]"});

  EXPECT_EQ(session().library.currentName, beforeName);
  EXPECT_EQ(session().library.file.records.size(), 1u);
  EXPECT_EQ(session().recording.operations(), before.operations());
  EXPECT_FALSE(f.prompts.failed()) << f.prompts.failure().text;
}

TEST_F(LibraryCommandsTest, ANewDiagramOfAnotherKindEndsTheLibrarySequence) {
  load(rocks);
  write("Diagrams/simple.txt", simpleRecord("XY"));
  f.click("mdiag", {"Diagrams/simple.txt", "#1"});
  f.click("mxy", {"click varbut SiO2", "click varbut K2O"});
  EXPECT_EQ(session().library.librarySequence, "");
  EXPECT_EQ(session().overlays.total(), 0);
  EXPECT_EQ(f.window->caption("newx"), "New X");
  EXPECT_FALSE(drawnText("Its note"));
}

TEST_F(LibraryCommandsTest, SwitchXYTakesTheFieldsAlong) {
  load(rocks);
  write("Diagrams/simple.txt", simpleRecord("XY"));
  f.click("mdiag", {"Diagrams/simple.txt", "#1"});
  f.click("SwitchXY");
  EXPECT_FLOAT_EQ(session().overlays.x[4], 5);  // the label at SiO2 50, Na2O 5
  EXPECT_FLOAT_EQ(session().overlays.y[4], 50);
}

TEST_F(LibraryCommandsTest, LegendShowsTheEntriesOfPlottedSymbolsAtItsPosition) {
  load(rocks);
  // A blank-separated line keeps the blanks of its text.
  write("Data Files/legend.txt", "1\tBasalts\n\n2  Andesites and dacites\n7\tNot plotted\n");
  write("Diagrams/simple.txt", simpleRecord("XY"));
  f.click("mdiag", {"Diagrams/simple.txt", "#1"});
  f.click("Legend", {"Data Files/legend.txt"});
  EXPECT_TRUE(f.shown("file: open Legend File (.txt)|*.txt|All Files (*.*)|*.*|"));
  EXPECT_TRUE(session().legend.legendLoaded);
  EXPECT_EQ(session().legend.entries.size(), 3u);
  EXPECT_TRUE(drawnText("Basalts"));
  EXPECT_TRUE(drawnText("Andesites and dacites"));
  EXPECT_FALSE(drawnText("Not plotted"));

  // Top Left: entry n at frameTop − 1.8 h n, h the label font's height.
  const auto texts = recorded<graphics::Text>();
  const auto second = std::find_if(texts.begin(), texts.end(), [](const auto& t) { return t.text == "Andesites and dacites"; });
  const double h = std::abs(session().labelFontHeight);
  EXPECT_NEAR(second->at.y, settings().frameTop - 1.8 * h * 2 - 0.35 * h, 1.5);
  EXPECT_LT(second->at.x, settings().frameLeft + settings().frameWidth / 2);

  f.click("Legend", {"Top Right"});
  EXPECT_TRUE(f.shown("buttons: Choose a Position for legend | Top Left | Top Right | Outside Right | Separate "
                      "Diagram | Remove legend"));
  EXPECT_EQ(session().legend.legendPosition, 2);
  f.click("Legend", {"Separate Diagram"});
  EXPECT_TRUE(drawnText("Basalts"));
  EXPECT_FALSE(drawnText("Field one"));  // only the legend
  EXPECT_TRUE(recorded<graphics::Ellipse>().size() + recorded<graphics::Polygon>().size() == 2);
  f.click("Identify");  // walks the rows of the legend alone without trouble
  EXPECT_EQ(session().plottedNames.size(), session().plottedRows.size());
  EXPECT_EQ(f.window->statusText(), " B1");
  f.click("Identify");
  f.click("Legend", {"Remove legend"});
  EXPECT_FALSE(session().legend.legendLoaded);
  EXPECT_EQ(session().legend.legendPosition, 1);
  EXPECT_FALSE(drawnText("Basalts"));

  write("Data Files/broken.txt", "1\tfine\nx\tno number\n");
  f.click("Legend", {"Data Files/broken.txt"});
  EXPECT_TRUE(f.shown("message: Legend file broken.txt, line 2: \"x\" is not a symbol number"));
  EXPECT_FALSE(session().legend.legendLoaded);
}

TEST_F(LibraryCommandsTest, AnOutsideLegendWidensAFullPageDiagramsPictureToHoldIt) {
  loadExample();
  f.click("mdiag", {"Diagrams/volcanic-classification.txt", "TAS"});
  const int32_t pageWidth = std::abs(session().recording.windowExtent().x);
  f.click("Legend", {"Data Files/atacazo-ninahuilca.legend.txt"});
  f.click("Legend", {"Outside Right"});
  const int32_t width = std::abs(session().recording.windowExtent().x);
  const auto texts = recorded<graphics::Text>();
  const auto last = std::find_if(texts.begin(), texts.end(), [](const auto& t) { return t.text == "Ninahuilca"; });
  ASSERT_NE(last, texts.end());
  const double end = last->at.x + graphics::markupWidth("Ninahuilca", session().labelFontHeight, false);
  EXPECT_GT(end, pageWidth);  // TAS fills the page: the legend runs past it
  EXPECT_GT(width, end + std::abs(session().labelFontHeight));
  // The added strip has the page's colour, not the device's background.
  const auto fills = recorded<graphics::Rectangle>();
  EXPECT_TRUE(std::any_of(fills.begin(), fills.end(), [&](const auto& r) { return r.left == pageWidth && r.right == width; }));

  f.click("Legend", {"Top Right"});
  EXPECT_EQ(std::abs(session().recording.windowExtent().x), pageWidth);
}

}  // namespace
}  // namespace lavix::testing
