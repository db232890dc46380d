// The automatic range of an axis, its number step and format, and the axis-values dialog's arithmetic.
#include "lavix/diagram/AxisRange.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "common/format/NumberFormat.h"

namespace lavix::diagram {

namespace {

constexpr double missingMarker = 1.0E15;  // raw values this large mean "missing"

// floor(log10(v)) for v > 0, exact at powers of ten where log10 may round the wrong way.
double floorLog10(double v) {
  double e = std::floor(std::log10(v));
  if (std::pow(10.0, e) > v) {
    e -= 1;
  } else if (std::pow(10.0, e + 1) <= v) {
    e += 1;
  }
  return e;
}

// Span, tick interval, number step, number range and format once start and end are set.
void finishAxis(AxisSettings& axis, bool logAxis) {
  axis.span = std::fabs(axis.end - axis.start);
  const double half = static_cast<double>(axis.span) / 2;
  // A zero span can only come from equal given limits; keep the tick interval usable.
  axis.tickInterval = half > 0 && std::isfinite(half) ? static_cast<float>(std::pow(10.0, floorLog10(half))) : 1.0f;
  axis.numberStep = logAxis ? axis.tickInterval : linearNumberStep(axis.span, axis.tickInterval);
  axis.numberStart = std::min(axis.start, axis.end);
  axis.numberEnd = std::max(axis.start, axis.end);
  rebuildNumberFormat(axis);
}

}  // namespace

float linearNumberStep(float span, float tickInterval) {
  float step = tickInterval;
  if (step == 0) return step;
  if (span / step > 14) step *= 5;
  if (span / step > 7) step *= 2;
  return step;
}

void rebuildNumberFormat(AxisSettings& axis) {
  axis.numberFormat = format::axisNumberMask(axis.numberEnd, axis.numberStep, axis.numberStart);
}

RangeResult automaticRange(AxisSettings& axis, int16_t& logFlag, const std::vector<float>& values, int rowCount,
                           bool zerosIn, std::optional<GivenLimits> given) {
  RangeResult result;
  float smallest = 0;
  float largest = 0;
  bool nothingCounted = false;
  if (given) {
    smallest = std::min(given->lower, given->upper);
    largest = std::max(given->lower, given->upper);
  } else {
    // A negative flag still holds logarithms during the scan (histogram of a log variable).
    const bool logValued = logFlag != 0;
    const bool linearAxis = logFlag != 1;
    smallest = 1.0E9f;
    largest = -1.0E9f;
    const int lastRow = std::min<long long>(rowCount, static_cast<long long>(values.size()) - 1);
    for (int row = 1; row <= lastRow; ++row) {
      const float v = values[static_cast<std::size_t>(row)];
      if (!std::isfinite(v)) continue;
      if (logValued && std::pow(10.0, static_cast<double>(v)) >= missingMarker) continue;
      if (linearAxis && !zerosIn && v == 0) continue;
      smallest = std::min(smallest, v);
      largest = std::max(largest, v);
    }
    nothingCounted = largest == -1.0E9f && smallest == 1.0E9f;
  }
  if (logFlag < 0) logFlag = 0;
  const bool logAxis = logFlag == 1;

  if (nothingCounted) {
    result.valuesFound = false;
    result.message = noNonZeroValuesFound;
    axis.start = -1;
    axis.end = 1;
  } else if (logAxis && given) {
    const double lower = smallest <= 0 ? 0.01 : static_cast<double>(smallest);
    const double upper = largest <= 0 ? 1.0 : static_cast<double>(largest);
    axis.start = static_cast<float>(std::log10(lower));
    axis.end = static_cast<float>(std::log10(upper));
  } else if (logAxis) {
    // The values are already log10 of the raw values, so whole decades are floor(v) and floor(v + 1).
    axis.start = static_cast<float>(std::floor(static_cast<double>(smallest)));
    axis.end = static_cast<float>(std::floor(static_cast<double>(largest) + 1));
  } else {
    double span = static_cast<double>(largest) - static_cast<double>(smallest);
    if (!(span > 0)) span = static_cast<double>(0.1f);
    const double magnitude = std::pow(10.0, floorLog10(span));
    axis.start = static_cast<float>(std::floor(smallest / magnitude) * magnitude);
    axis.end = static_cast<float>(std::floor(largest / magnitude + 1) * magnitude);
  }
  finishAxis(axis, logAxis);
  return result;
}

RangeResult automaticRange(DiagramSettings& settings, Axis which, int rowCount, bool zerosIn,
                           std::optional<GivenLimits> given) {
  return automaticRange(settings.axis(which), settings.logFlag(which), settings.values(which), rowCount, zerosIn,
                        given);
}

std::vector<std::string> axisDialogFields(Axis which, bool logAxis) {
  const std::string letter = which == Axis::x ? "X" : "Y";
  if (logAxis) return {"Start " + letter + " (must be >0)", "End " + letter + "  (must be >0)", "", "", "", "", ""};
  return {"Start of " + letter + "-axis", "End of " + letter + "-axis", "Tick interval", "Large Tick interval",
          "Start of " + letter + " Numbers", "End of " + letter + " Numbers", "Step of " + letter + " Numbers"};
}

LinearAxisValues currentLinearValues(const AxisSettings& axis) {
  return {axis.start,       axis.end,       axis.tickInterval, static_cast<float>(axis.largeTickEvery),
          axis.numberStart, axis.numberEnd, axis.numberStep};
}

std::pair<float, float> logAxisRawLimits(const AxisSettings& axis) {
  return {static_cast<float>(std::pow(10.0, static_cast<double>(axis.start))),
          static_cast<float>(std::pow(10.0, static_cast<double>(axis.end)))};
}

std::string applyLinearAxisValues(AxisSettings& axis, const LinearAxisValues& entered) {
  for (float v : {entered.start, entered.end, entered.tickInterval, entered.largeTickEvery, entered.numberStart,
                  entered.numberEnd, entered.numberStep}) {
    if (!std::isfinite(v)) return axisValueNotNumber;
  }
  // A zero span would divide the page transform by zero; a zero step would never reach the end.
  if (entered.end == entered.start) return axisEndEqualsStart;
  if (entered.numberStep == 0) return numberStepIsZero;
  const float count = std::nearbyint(entered.largeTickEvery);
  if (count < 0 || count > std::numeric_limits<int16_t>::max()) return largeTickNotCount;

  AxisSettings changed = axis;
  changed.start = entered.start;
  changed.end = entered.end;
  changed.span = std::fabs(entered.end - entered.start);
  changed.tickInterval = entered.tickInterval;
  changed.largeTickEvery = static_cast<int16_t>(count);
  changed.numberStart = entered.numberStart;
  changed.numberEnd = entered.numberEnd;
  changed.numberStep = entered.numberStep;
  rebuildNumberFormat(changed);
  axis = std::move(changed);
  return {};
}

std::string applyLogAxisValues(AxisSettings& axis, float rawStart, float rawEnd) {
  if (!std::isfinite(rawStart) || !std::isfinite(rawEnd)) return axisValueNotNumber;
  const double lower = rawStart <= 0 ? 1.0 : static_cast<double>(rawStart);
  const double upper = rawEnd <= 0 ? 10.0 : static_cast<double>(rawEnd);
  const auto start = static_cast<float>(std::log10(lower));
  const auto end = static_cast<float>(std::log10(upper));
  if (start == end) return axisEndEqualsStart;
  axis.start = start;
  axis.end = end;
  axis.span = std::fabs(end - start);
  return {};
}

}  // namespace lavix::diagram
