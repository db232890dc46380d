// The planar subdivision behind Classify samples, on a unit frame.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "lavix/diagram/FieldRegions.h"

namespace lavix::testing {
namespace {

using diagram::FieldMap;
using diagram::PlanePoint;
using Lines = std::vector<std::pair<PlanePoint, PlanePoint>>;

const std::vector<PlanePoint> unitFrame = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};

TEST(FieldMap, ADiagonalMakesTwoFieldsAndAPointOnItTakesTheUpperOne) {
  FieldMap map(Lines{{{0, 0}, {1, 1}}}, unitFrame);
  ASSERT_EQ(map.regions().size(), 2u);
  map.addLabel({0.2, 0.7}, "upper");
  map.addLabel({0.7, 0.2}, "lower");
  const auto name = [&](PlanePoint p) {
    const int r = map.locate(p);
    return r < 0 ? std::string() : map.regions()[static_cast<std::size_t>(r)].labels.front();
  };
  EXPECT_EQ(name({0.5, 0.5}), "upper");
  EXPECT_EQ(name({0.9, 0.1}), "lower");
  EXPECT_EQ(name({1.0, 0.5}), "lower");  // on the right edge: the field inside
  EXPECT_EQ(name({1.2, 0.5}), "");       // off the frame
}

TEST(FieldMap, LineEndsThatNearlyTouchCloseAFieldAndLooseEndsBoundNothing) {
  // A vertical line stopping 0.003 short of the horizontal one closes the lower-left field.
  FieldMap closed(Lines{{{0, 0.5}, {1, 0.5}}, {{0.5, 0}, {0.5, 0.497}}}, unitFrame);
  EXPECT_EQ(closed.regions().size(), 3u);
  // One 0.02 short is a loose end: the lower half stays one field.
  FieldMap open(Lines{{{0, 0.5}, {1, 0.5}}, {{0.5, 0}, {0.5, 0.48}}}, unitFrame);
  EXPECT_EQ(open.regions().size(), 2u);
}

TEST(FieldMap, LinesWhoseNumbersCannotBeWorkedWithAreLeftOut) {
  const double huge = std::numeric_limits<double>::max(), nan = std::nan("");
  FieldMap map(Lines{{{-huge, 0.5}, {huge, 0.5}}, {{nan, 0}, {0.5, nan}}, {{0, 0}, {1, 1}}}, unitFrame);
  EXPECT_GE(map.regions().size(), 2u);
  EXPECT_EQ(map.locate({nan, 0.5}), -1);
}

}  // namespace
}  // namespace lavix::testing
