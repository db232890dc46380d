// Identify mode and labels placed with a click. The write modes: tests/cli/scripts/write_modes.lvb.
#include <cmath>

#include "lavix/app/Interaction.h"
#include "lavix/app/Redraw.h"
#include "lavix/diagram/Redraw.h"
#include "tests/support/LavixSessions.h"

namespace lavix::testing {
namespace {

class InteractionTest : public DiagramFixture {
 protected:
  int16_t currentPick() { return session().interaction.currentPick; }
  void clickAt(graphics::Point p) { f.window->click("lxpic", std::to_string(p.x) + " " + std::to_string(p.y)); }
};

TEST_F(InteractionTest, AClickIdentifiesTheNearestAndTheEarlierOfTwoOnOnePoint) {
  xy("SiO2", "K2O");
  auto& p = settings().plot;
  p.xValue[6] = p.xValue[3];
  p.yValue[6] = p.yValue[3];
  app::redrawDiagram(session());
  f.click("Identify");
  const graphics::Point third = diagram::projectXY(settings(), p.xValue[3], p.yValue[3]);
  clickAt({third.x + 20, third.y - 15});
  EXPECT_EQ(currentPick(), 3);
  const graphics::Point last = diagram::projectXY(settings(), p.xValue[8], p.yValue[8]);
  clickAt(last);
  EXPECT_EQ(currentPick(), 8);
}

TEST_F(InteractionTest, LabelOnALogAxisStaysAtItsValueWhenTheRangeChanges) {
  f.click("mxy", {pick("Log"), pick("Zr"), pick("Log Zr"), pick("K2O")});
  f.click("menuLabel", {"Zr 100"});
  EXPECT_TRUE(session().interaction.labelArmed);
  clickAt(diagram::projectData(settings(), 100.0f, 2.0f));
  EXPECT_FALSE(session().interaction.labelArmed);
  ASSERT_EQ(session().overlays.userLabels, 1);
  EXPECT_NEAR(session().overlays.x[0], 100.0f, 0.5f);
  EXPECT_NEAR(session().overlays.y[0], 2.0f, 0.01f);
  // A wider X range: the label's page point moves with the value 100.
  f.click("newz", {"1,10000", "0,5,1,0,0,5,1"});
  EXPECT_NEAR(session().overlays.x[0], 100.0f, 0.5f);
  const graphics::Point moved = diagram::projectData(settings(), 100.0f, 2.0f);
  bool found = false;
  for (const auto& op : session().recording.operations())
    if (const auto* t = std::get_if<graphics::Text>(&op))
      found = found || (t->text == "Zr 100" && std::abs(t->at.x - moved.x) <= 2);
  EXPECT_TRUE(found);
  f.click("newx", {pick("SiO2")});  // a new axis variable forgets the labels
  EXPECT_EQ(session().overlays.total(), 0);
}

}  // namespace
}  // namespace lavix::testing
