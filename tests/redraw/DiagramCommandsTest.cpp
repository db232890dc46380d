// The diagram commands of the main window, driven as the user drives them.
#include "lavix/app/Dumps.h"
#include "lavix/app/Redraw.h"
#include "tests/redraw/DiagramFixture.h"

namespace lavix::testing {
namespace {

class DiagramCommandsTest : public DiagramFixture {
 protected:
  std::string dumped(const char* what) { return *app::dump(session(), what); }
};

TEST(DiagramCommandsNoData, PlotMenuAndCreatingCommandsAskForAFile) {
  SessionFixture f;
  ASSERT_EQ(f.start(), app::StartupOutcome::Ready);
  for (const char* command : {"mplot", "mxy", "mtri", "mhist"}) {
    f.click(command);
    EXPECT_EQ(f.lastLine(), "message: Read a File first") << command;
  }
  f.click("newx");  // no data, no diagram: nothing at all
  EXPECT_TRUE(f.session->diagram.diagramKind.empty());
}

TEST_F(DiagramCommandsTest, CancelledVariableChoiceKeepsTheDiagram) {
  xy("SiO2", "K2O");
  const std::string before = dumped("settings");
  f.click("mxy", {pick("MgO"), "click cancel"});
  EXPECT_EQ(dumped("settings"), before);
  f.click("mtri", {pick("MgO"), "click cancel"});
  EXPECT_EQ(dumped("settings"), before);
}

TEST_F(DiagramCommandsTest, SwitchXYTwiceRestoresEverything) {
  f.click("mxy", {pick("Log"), pick("Zr"), pick("Log Zr"), pick("CaO")});
  const std::string settingsBefore = dumped("settings"), plottedBefore = dumped("plotted");
  f.click("SwitchXY");
  EXPECT_NE(dumped("settings"), settingsBefore);
  EXPECT_EQ(settings().plot.yLog, 1);
  f.click("SwitchXY");
  EXPECT_EQ(dumped("settings"), settingsBefore);
  EXPECT_EQ(dumped("plotted"), plottedBefore);
}

TEST_F(DiagramCommandsTest, AxisDialogChangesALinearAxisAndRefusesABadOne) {
  xy("SiO2", "K2O");
  f.click("newz", {"45,75,5,2,45,75,10", "0,5,1,0,0,5,1"});
  EXPECT_FLOAT_EQ(settings().x.start, 45);
  EXPECT_FLOAT_EQ(settings().x.end, 75);
  EXPECT_EQ(settings().x.largeTickEvery, 2);
  EXPECT_FLOAT_EQ(settings().y.end, 5);
  const std::string before = dumped("settings");
  f.click("newz", {"[cancel]"});
  EXPECT_EQ(dumped("settings"), before);
  f.click("newz", {"50,50,5,0,50,50,5"});
  EXPECT_TRUE(f.shown("The end of the axis must differ from its start"));
  EXPECT_EQ(dumped("settings"), before);
}

TEST_F(DiagramCommandsTest, AspectBoxMakesASquareAndOtherTakesTheEnteredRatio) {
  xy("SiO2", "K2O");
  f.click("menuAspect", {"&Box"});
  const diagram::DiagramSettings& s = settings();
  EXPECT_EQ(s.frameWidth, s.frameHeight);
  EXPECT_EQ(s.shapeChoice, 2);
  f.click("menuAspect", {"&Other", "1.2,0.5"});
  EXPECT_EQ(s.frameWidth, 7320);   // 6100 × 1.2
  EXPECT_EQ(s.frameHeight, 3050);  // 6100 × 0.5
  f.click("menuAspect", {"&Quit"});
  EXPECT_EQ(s.frameWidth, 7320);
}

TEST_F(DiagramCommandsTest, PositionMovesTheFrameAndNamesTheStatus) {
  xy("SiO2", "K2O");
  f.click("menuPosition", {"#3"});
  EXPECT_EQ(settings().pagePosition, 3);
  EXPECT_EQ(settings().frameLeft, 5800);
  EXPECT_EQ(session().window.status, "Right half ");
  EXPECT_EQ(f.window->statusText(), "Right half ");
}

TEST_F(DiagramCommandsTest, HistogramBinsDialogAndSwitches) {
  f.click("mhist", {pick("SiO2")});
  EXPECT_EQ(settings().diagramKind, "HIST");
  EXPECT_EQ(settings().pagePosition, 1);
  EXPECT_EQ(settings().shapeChoice, 2);
  EXPECT_FALSE(f.window->isVisible("Identify"));
  EXPECT_EQ(f.window->caption("newy"), "Bins");
  f.click("newy", {"40,80,4,40,80,10,0"});
  EXPECT_EQ(settings().binCount, 4);
  EXPECT_FLOAT_EQ(settings().y.end, 1.2f * 3);  // 48.5 50.2 52 in the first bin, 56.1 in the second...
  f.click("newy", {"40,80,0,40,80,10,0"});
  EXPECT_TRUE(f.shown("Number of Bins must be a whole number from 1 to 100"));
  EXPECT_EQ(settings().binCount, 4);
  f.click("cmdRem");
  EXPECT_FALSE(settings().statsCaptionOn);
  EXPECT_EQ(f.window->caption("cmdRem"), "NB on");
  f.click("mxy", {pick("SiO2"), pick("K2O")});
  EXPECT_TRUE(f.window->isVisible("Identify"));
}

}  // namespace
}  // namespace lavix::testing
