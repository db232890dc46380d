// Tests of the recording itself: what each call records, and the window.
#include "common/graphics/Recording.h"

#include <gtest/gtest.h>

namespace lavix::graphics {
namespace {

TEST(Recording, CallsRecordOperationsInOrder) {
  Recording r;
  EXPECT_EQ(r.windowOrigin(), (Point{0, 0}));
  EXPECT_EQ(r.windowExtent(), (Point{6000, 4500}));
  r.selectPen(rgb(255, 0, 0), 20);
  r.selectHollowBrush();
  r.circle(100, 200, 30);
  r.line(1, 2, 3, 4);
  r.text(5, 6, "x", HAlign::Centre, VAlign::Top);
  const std::vector<Operation> expected = {
      SelectPen{0x0000FF, 20, PenStyle::Solid}, SelectBrush{0, true}, Ellipse{70, 170, 130, 230},
      Line{{1, 2}, {3, 4}}, Text{{5, 6}, "x", HAlign::Centre, VAlign::Top},
  };
  EXPECT_EQ(r.operations(), expected);

  r.setWindow({-10, 20}, {300, -400});
  r.clear();
  EXPECT_TRUE(r.empty());
  EXPECT_EQ(r.windowExtent(), (Point{300, -400}));
}

}  // namespace
}  // namespace lavix::graphics
