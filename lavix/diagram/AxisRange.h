// The automatic range of an axis, its number step and format, and the axis-values dialog's arithmetic.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "lavix/diagram/DiagramSettings.h"

namespace lavix::diagram {

inline constexpr const char* noNonZeroValuesFound = "No non-zero values found";
inline constexpr const char* axisEndEqualsStart = "The end of the axis must differ from its start";
inline constexpr const char* numberStepIsZero = "The step of the axis numbers must not be 0";
inline constexpr const char* largeTickNotCount = "Large Tick interval must be a whole number from 0 to 32767";
inline constexpr const char* axisValueNotNumber = "Every axis value must be a number";

// Limits supplied by a caller instead of the scan; on a log axis they are raw values.
struct GivenLimits {
  float lower = 0;
  float upper = 0;
};

struct RangeResult {
  bool valuesFound = true;  // false: nothing counted, the range is -1..1
  std::string message;      // noNonZeroValuesFound for the caller to show, else empty
};

// Sets start, end, span, tick interval, number start/end/step and number format of an axis
// from values[1..rowCount]. A value counts unless it is the missing marker on a log-valued
// axis (10^v >= 1.0E15) or exactly 0 on a linear axis with zerosIn off. A negative logFlag
// (a log variable binned on a linear axis) is set to 0.
RangeResult automaticRange(AxisSettings& axis, int16_t& logFlag, const std::vector<float>& values, int rowCount,
                           bool zerosIn, std::optional<GivenLimits> given = std::nullopt);
RangeResult automaticRange(DiagramSettings& settings, Axis which, int rowCount, bool zerosIn,
                           std::optional<GivenLimits> given = std::nullopt);

// Number step from the span and tick interval (linear axes): x5 above 14 steps, then x2 above 7.
float linearNumberStep(float span, float tickInterval);

// Rebuilds numberFormat from numberEnd, numberStep and numberStart.
void rebuildNumberFormat(AxisSettings& axis);

// The seven values of a linear axis in the "Change any axis values" dialog, in field order.
struct LinearAxisValues {
  float start = 0;
  float end = 0;
  float tickInterval = 0;
  float largeTickEvery = 0;  // a count, entered as a number
  float numberStart = 0;
  float numberEnd = 0;
  float numberStep = 0;
};

// Field captions of the dialog for one axis: seven for a linear axis, two and five empty for a log axis.
std::vector<std::string> axisDialogFields(Axis which, bool logAxis);

// The values a linear axis pre-fills the dialog with.
LinearAxisValues currentLinearValues(const AxisSettings& axis);
// The raw limits (10 to the power of start and end) a log axis pre-fills the dialog with.
std::pair<float, float> logAxisRawLimits(const AxisSettings& axis);

// Applies the entered values; returns an empty text on success, else the message to show, and
// then the axis is left as it was.
std::string applyLinearAxisValues(AxisSettings& axis, const LinearAxisValues& entered);
// Start <= 0 becomes 1 and end <= 0 becomes 10 before log10; ticks on a log axis are decades.
std::string applyLogAxisValues(AxisSettings& axis, float rawStart, float rawEnd);

}  // namespace lavix::diagram
