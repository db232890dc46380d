// The automatic axis range, the number step and mask it builds, and the axis-values dialog's arithmetic.
#include <gtest/gtest.h>

#include <cmath>

#include "lavix/diagram/AxisRange.h"

namespace lavix::diagram {
namespace {

// Row 0 is unused, as in the plotted-value arrays.
std::vector<float> rows(std::initializer_list<float> values) {
  std::vector<float> v{0};
  v.insert(v.end(), values);
  return v;
}

struct Ranged {
  AxisSettings axis;
  int16_t log;
  RangeResult result;
};

Ranged range(std::vector<float> values, int16_t log, bool zerosIn, std::optional<GivenLimits> given = std::nullopt) {
  Ranged r{{}, log, {}};
  r.result = automaticRange(r.axis, r.log, values, static_cast<int>(values.size()) - 1, zerosIn, given);
  return r;
}

TEST(AutomaticRange, DataFrom3To87) {
  const Ranged r = range(rows({12, 3, 87, 40}), 0, false);
  EXPECT_TRUE(r.result.valuesFound);
  EXPECT_EQ(r.result.message, "");
  EXPECT_FLOAT_EQ(r.axis.start, 0);
  EXPECT_FLOAT_EQ(r.axis.end, 90);
  EXPECT_FLOAT_EQ(r.axis.span, 90);
  EXPECT_FLOAT_EQ(r.axis.tickInterval, 10);
  EXPECT_FLOAT_EQ(r.axis.numberStep, 20);
  EXPECT_FLOAT_EQ(r.axis.numberStart, 0);
  EXPECT_FLOAT_EQ(r.axis.numberEnd, 90);
  EXPECT_EQ(r.axis.numberFormat, "#0");
}

TEST(AutomaticRange, EqualValuesTakeASpanOfOneTenth) {
  const Ranged r = range(rows({5, 5, 5}), 0, false);
  EXPECT_FLOAT_EQ(r.axis.start, 5.0f);
  EXPECT_FLOAT_EQ(r.axis.end, 5.1f);
  EXPECT_FLOAT_EQ(r.axis.tickInterval, 0.01f);
  EXPECT_FLOAT_EQ(r.axis.numberStep, 0.02f);
  EXPECT_EQ(r.axis.numberFormat, "0.00");
}

TEST(AutomaticRange, ColumnOfZeros) {
  const Ranged off = range(rows({0, 0, 0}), 0, false);
  EXPECT_FALSE(off.result.valuesFound);
  EXPECT_EQ(off.result.message, "No non-zero values found");
  EXPECT_FLOAT_EQ(off.axis.start, -1);
  EXPECT_FLOAT_EQ(off.axis.end, 1);
  EXPECT_FLOAT_EQ(off.axis.span, 2);
  EXPECT_FLOAT_EQ(off.axis.tickInterval, 1);

  const Ranged on = range(rows({0, 0, 0}), 0, true);
  EXPECT_TRUE(on.result.valuesFound);
  EXPECT_EQ(on.result.message, "");
  EXPECT_FLOAT_EQ(on.axis.start, 0);
  EXPECT_FLOAT_EQ(on.axis.end, 0.1f);
}

TEST(AutomaticRange, ZerosOffIgnoresZerosOnlyOnALinearAxis) {
  EXPECT_FLOAT_EQ(range(rows({0, 30, 45}), 0, false).axis.start, 30);
  EXPECT_FLOAT_EQ(range(rows({0, 30, 45}), 0, true).axis.start, 0);
  // On a log axis 0 is the value 1 and counts.
  const Ranged log = range(rows({0, 2.5f}), 1, false);
  EXPECT_FLOAT_EQ(log.axis.start, 0);
  EXPECT_FLOAT_EQ(log.axis.end, 3);
}

TEST(AutomaticRange, MissingMarkerNeverWidensALogAxis) {
  const Ranged r = range(rows({1, 15, 2, 15.5f, 1.5f}), 1, false);
  EXPECT_FLOAT_EQ(r.axis.start, 1);
  EXPECT_FLOAT_EQ(r.axis.end, 3);
  // Only missing values: nothing counts.
  EXPECT_FALSE(range(rows({15, 15}), 1, true).result.valuesFound);
  // On a linear axis a large value is just a value.
  EXPECT_GE(range(rows({1, 15}), 0, false).axis.end, 15);
}

TEST(AutomaticRange, LogDataSpanWholeDecades) {
  const Ranged r = range(rows({std::log10(0.03f), std::log10(850.0f), 1}), 1, false);
  EXPECT_FLOAT_EQ(r.axis.start, -2);
  EXPECT_FLOAT_EQ(r.axis.end, 3);
  EXPECT_FLOAT_EQ(r.axis.span, 5);
  EXPECT_EQ(r.log, 1);
  // A value on a decade starts there.
  EXPECT_FLOAT_EQ(range(rows({2, 2.5f}), 1, false).axis.start, 2);
}

TEST(AutomaticRange, NegativeLogFlagBinsLogarithmsOnALinearAxis) {
  // Logarithms of 10..5000 and a missing value; the flag ends 0 and the range is linear.
  const Ranged r = range(rows({1, 3.7f, 15, 0}), -1, false);
  EXPECT_EQ(r.log, 0);
  EXPECT_FLOAT_EQ(r.axis.start, 1);
  EXPECT_FLOAT_EQ(r.axis.end, 4);
  EXPECT_FLOAT_EQ(r.axis.tickInterval, 1);
}

TEST(AutomaticRange, NegativeValuesGetASignPlaceInTheMask) {
  const Ranged r = range(rows({-35, -5}), 0, false);
  EXPECT_FLOAT_EQ(r.axis.start, -40);
  EXPECT_FLOAT_EQ(r.axis.end, 0);
  EXPECT_FLOAT_EQ(r.axis.numberStep, 10);
  EXPECT_EQ(r.axis.numberFormat, "#0");
}

TEST(AutomaticRange, RowsBeyondRowCountAndNonFiniteValuesDoNotCount) {
  AxisSettings axis;
  int16_t log = 0;
  const std::vector<float> values = {0, 3, NAN, 87, 5000};
  automaticRange(axis, log, values, 3, false);
  EXPECT_FLOAT_EQ(axis.end, 90);
  // A row count past the array is clipped to it.
  automaticRange(axis, log, values, 99, false);
  EXPECT_FLOAT_EQ(axis.end, 6000);
}

TEST(AutomaticRange, GivenLimits) {
  const Ranged linear = range(rows({500}), 0, false, GivenLimits{3, 87});
  EXPECT_FLOAT_EQ(linear.axis.start, 0);
  EXPECT_FLOAT_EQ(linear.axis.end, 90);
  const Ranged log = range(rows({}), 1, false, GivenLimits{0.5f, 200});
  EXPECT_FLOAT_EQ(log.axis.start, std::log10(0.5f));
  EXPECT_FLOAT_EQ(log.axis.end, std::log10(200.0f));
  const Ranged nonPositive = range(rows({}), 1, false, GivenLimits{-3, 0});
  EXPECT_FLOAT_EQ(nonPositive.axis.start, -2);
  EXPECT_FLOAT_EQ(nonPositive.axis.end, 0);
}

TEST(LinearNumberStep, FiveAboveFourteenThenTwoAboveSeven) {
  struct Case {
    float span, tick, step;
  } const cases[] = {{90, 10, 20}, {70, 10, 10}, {150, 10, 50}, {140, 10, 20}, {400, 10, 100}, {5, 1, 1}, {0.1f, 0.01f, 0.02f}};
  for (const Case& c : cases) EXPECT_FLOAT_EQ(linearNumberStep(c.span, c.tick), c.step) << c.span << " " << c.tick;
}

TEST(AxisDialog, FieldCaptions) {
  EXPECT_EQ(axisDialogFields(Axis::x, false),
            (std::vector<std::string>{"Start of X-axis", "End of X-axis", "Tick interval", "Large Tick interval",
                                      "Start of X Numbers", "End of X Numbers", "Step of X Numbers"}));
  EXPECT_EQ(axisDialogFields(Axis::y, true),
            (std::vector<std::string>{"Start Y (must be >0)", "End Y  (must be >0)", "", "", "", "", ""}));
}

TEST(AxisDialog, LinearValuesRebuildTheMask) {
  struct Case {
    float numberStart, numberEnd, numberStep;
    const char* mask;
  } const cases[] = {{0, 150, 20, "##0"},   {0, 1.5f, 0.2f, "0.0"},   {-40, -40, 10, "##0"},
                     {0, 0.5f, 0.1f, "#0.0"}, {2.5f, 100, 5, "##0.0"}};
  for (const Case& c : cases) {
    AxisSettings axis;
    const std::string error = applyLinearAxisValues(axis, {0, 150, 10, 5, c.numberStart, c.numberEnd, c.numberStep});
    EXPECT_EQ(error, "");
    EXPECT_EQ(axis.numberFormat, c.mask) << c.numberEnd << " " << c.numberStep << " " << c.numberStart;
    EXPECT_FLOAT_EQ(axis.span, 150);
    EXPECT_EQ(axis.largeTickEvery, 5);
  }
  AxisSettings reversed;
  applyLinearAxisValues(reversed, {10, 2, 1, 0, 2, 10, 2});
  EXPECT_FLOAT_EQ(reversed.span, 8);
}

TEST(AxisDialog, BadLinearValuesLeaveTheAxisAsItWas) {
  const Ranged r = range(rows({3, 87}), 0, false);
  struct Case {
    LinearAxisValues values;
    const char* message;
  } const cases[] = {
      {{5, 5, 1, 0, 0, 5, 1}, "The end of the axis must differ from its start"},
      {{0, 5, 1, 0, 0, 5, 0}, "The step of the axis numbers must not be 0"},
      {{0, 5, 1, -1, 0, 5, 1}, "Large Tick interval must be a whole number from 0 to 32767"},
      {{0, 5, 1, 40000, 0, 5, 1}, "Large Tick interval must be a whole number from 0 to 32767"},
      {{0, INFINITY, 1, 0, 0, 5, 1}, "Every axis value must be a number"},
  };
  for (const Case& c : cases) {
    AxisSettings axis = r.axis;
    EXPECT_EQ(applyLinearAxisValues(axis, c.values), c.message);
    EXPECT_EQ(axis, r.axis);
  }
}

TEST(AxisDialog, LogLimitsNotAboveZeroBecomeOneAndTen) {
  struct Case {
    float rawStart, rawEnd, start, end;
  } const cases[] = {{0, 0, 0, 1}, {-5, 1000, 0, 3}, {0.01f, -1, -2, 1}, {0.5f, 200, std::log10(0.5f), std::log10(200.0f)}};
  for (const Case& c : cases) {
    AxisSettings axis;
    EXPECT_EQ(applyLogAxisValues(axis, c.rawStart, c.rawEnd), "");
    EXPECT_FLOAT_EQ(axis.start, c.start);
    EXPECT_FLOAT_EQ(axis.end, c.end);
    EXPECT_FLOAT_EQ(axis.span, std::fabs(c.end - c.start));
  }
  AxisSettings axis;
  EXPECT_EQ(applyLogAxisValues(axis, 10, 10), "The end of the axis must differ from its start");
  EXPECT_EQ(axis, AxisSettings{});
}

}  // namespace
}  // namespace lavix::diagram
