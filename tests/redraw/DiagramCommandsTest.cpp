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

}  // namespace
}  // namespace lavix::testing
