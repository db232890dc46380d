// A small diagram-like recording shared by the writer tests.
#include "tests/graphics/SampleRecording.h"

#include "common/graphics/TextMetrics.h"

namespace lavix::graphics::testing {

Recording sampleRecording() {
  Recording r;
  r.setWindow({0, 0}, {6000, 4500});
  r.selectPen(rgb(0, 0, 0), 10);
  r.selectHollowBrush();
  r.rectangle(1000, 500, 5000, 4000);
  for (int k = 1; k <= sampleTicks; ++k) r.line(1000 + 800 * k, 4000, 1000 + 800 * k, 3900);

  r.selectPen(rgb(255, 0, 0), 5);
  r.selectBrush(rgb(0, 128, 255));
  r.circle(2000, 3000, 50);
  r.circle(3000, 2000, 50);
  r.selectHollowBrush();
  r.circle(4000, 1000, 50);

  r.selectBrush(rgb(0, 160, 0));
  r.polygon({{2500, 1500}, {2550, 1590}, {2450, 1590}});
  r.selectHollowBrush();
  r.polygon({{3500, 2500}, {3550, 2500}, {3550, 2550}, {3500, 2550}});

  SelectFont font;
  font.name = "Arial";
  font.height = -150;
  r.setTextColour(rgb(0, 0, 128));
  recordMarkupText(r, {3000, 4300}, "Fe[2]O[3]", font, HAlign::Centre, VAlign::Baseline);
  font.escapement = 900;
  r.selectFont(font);
  r.text(700, 2250, "SiO2 wt%", HAlign::Centre, VAlign::Bottom);
  return r;
}

}  // namespace lavix::graphics::testing
