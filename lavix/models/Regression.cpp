// Least-squares line, rank correlation and the regression's texts.
#include "lavix/models/Regression.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

#include "common/format/NumberFormat.h"
#include "lavix/models/Messages.h"

namespace lavix::models {

namespace {

constexpr const char* coefficientMask = "  #.000E-00; -#.000E-00";
constexpr const char* fileMask = "  #.00000E-00; -#.00000E-00";
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

std::string formatted(double value, const char* mask) { return format::formatNumber(value, mask); }
std::string formatted(const std::optional<double>& value, const char* mask) {
  return value ? format::formatNumber(*value, mask) : std::string();
}

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
  return text;
}

bool outsideRange(double y, double start, double end) { return (y - start) * (y - end) > 0; }

}  // namespace

std::vector<double> tiedRanks(const std::vector<double>& values) {
  std::vector<std::size_t> order(values.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return values[a] < values[b]; });
  std::vector<double> ranks(values.size());
  for (std::size_t first = 0; first < order.size();) {
    std::size_t last = first;
    while (last + 1 < order.size() && values[order[last + 1]] == values[order[first]]) ++last;
    // Positions first+1 .. last+1 share their mean.
    const double rank = (static_cast<double>(first) + static_cast<double>(last)) / 2.0 + 1.0;
    for (std::size_t i = first; i <= last; ++i) ranks[order[i]] = rank;
    first = last + 1;
  }
  return ranks;
}

double spearmanCorrelation(const std::vector<XYPoint>& points) {
  const std::size_t n = points.size();
  if (n < 2) return notANumber;
  std::vector<double> xs(n), ys(n);
  for (std::size_t i = 0; i < n; ++i) {
    xs[i] = points[i].x;
    ys[i] = points[i].y;
  }
  const std::vector<double> rx = tiedRanks(xs), ry = tiedRanks(ys);
  double squares = 0;
  for (std::size_t i = 0; i < n; ++i) squares += (rx[i] - ry[i]) * (rx[i] - ry[i]);
  const double count = static_cast<double>(n);
  return 1.0 - 6.0 * squares / (count * count * count - count);
}

RegressionOutcome fitLine(const std::vector<XYPoint>& points) {
  RegressionFit fit;
  const double n = static_cast<double>(points.size());
  fit.n = static_cast<int>(points.size());
  if (fit.n < 3) return {std::nullopt, messages::needThreePoints};
  double sx = 0, sy = 0, sxy = 0, sxx = 0, syy = 0;
  for (const XYPoint& p : points) {
    sx += p.x;
    sy += p.y;
    sxy += p.x * p.y;
    sxx += p.x * p.x;
    syy += p.y * p.y;
    fit.xMin = std::min(fit.xMin, p.x);
    fit.xMax = std::max(fit.xMax, p.x);
  }
  const double spread = n * sxx - sx * sx;
  // Points above one another define no line; the slope would be a division by zero.
  if (fit.xMin == fit.xMax || !(spread > 0)) return {std::nullopt, messages::sameX};
  fit.slope = (n * sxy - sx * sy) / spread;
  fit.intercept = sy / n - (sx / n) * fit.slope;
  const double variance = (syy - fit.intercept * sy - fit.slope * sxy) / (n - 2);
  const double s = variance > 0 ? std::sqrt(variance) : variance;
  fit.interceptError = s * std::sqrt(sx * sx / n / spread + 1.0 / n);
  fit.slopeError = s / std::sqrt(spread / n);

  const double meanY = sy / n;
  double ssr = 0, sst = 0;
  for (const XYPoint& p : points) {
    const double fitted = fit.slope * p.x + fit.intercept;
    ssr += (meanY - fitted) * (meanY - fitted);
    sst += (meanY - p.y) * (meanY - p.y);
  }
  const double sxxCentred = sxx - sx * sx / n;
  fit.rSquared = sst > 0 ? ssr / sst : notANumber;
  fit.r = std::copysign(std::sqrt(fit.rSquared), fit.slope);
  // t and F need a residual; rounding alone must not make one out of points on a line.
  const double residual = sst - ssr;
  if (residual > 1e-12 * sst) {
    fit.t = fit.slope / std::sqrt(residual / ((n - 2) * sxxCentred));
    fit.f = (n - 2) * ssr / residual;
  }
  fit.spearman = spearmanCorrelation(points);
  return {fit, {}};
}

std::optional<std::pair<XYPoint, XYPoint>> regressionLineEnds(const RegressionFit& fit, LineBounds bounds,
                                                              double xStart, double xEnd, double yStart, double yEnd) {
  auto at = [&](double x) { return XYPoint{x, fit.slope * x + fit.intercept}; };
  if (bounds == LineBounds::endpoints) return std::pair{at(fit.xMin), at(fit.xMax)};
  const double step = std::fabs(xEnd - xStart) / 30 / 10;
  const double inwards = xEnd >= xStart ? step : -step;
  constexpr int maxSteps = 300;
  double x1 = xStart, x2 = xEnd;
  for (int i = 0; i <= maxSteps && outsideRange(at(x1).y, yStart, yEnd); ++i) x1 += inwards;
  for (int i = 0; i <= maxSteps && outsideRange(at(x2).y, yStart, yEnd); ++i) x2 -= inwards;
  if (outsideRange(at(x1).y, yStart, yEnd) || outsideRange(at(x2).y, yStart, yEnd) || (x2 - x1) * inwards < 0)
    return std::nullopt;
  return std::pair{at(x1), at(x2)};
}

std::string regressionLabel(const RegressionFit& fit) {
  return "Slope=" + formatted(fit.slope, coefficientMask) + "  Int=" + formatted(fit.intercept, coefficientMask) +
         "   n=" + format::formatNumber(fit.n, "#####") + "  t=" + formatted(fit.t, "###.##") +
         "  F=" + formatted(fit.f, "###.#") + "  r=" + formatted(fit.r, "#.##");
}

std::string regressionDiagramLabel(const RegressionFit& fit) {
  return regressionLabel(fit) + "  r'=" + formatted(fit.spearman, "#.##");
}

std::string regressionReport(const RegressionFit& fit, const std::string& xName, const std::string& yName) {
  return joined({"X-" + xName + "  Y-" + yName + "  n=" + format::formatNumber(fit.n, "#### "),
          "Slope=" + formatted(fit.slope, coefficientMask),
          "        +-" + formatted(fit.slopeError, coefficientMask),
          "     Int=" + formatted(fit.intercept, coefficientMask),
          "        +-" + formatted(fit.interceptError, coefficientMask),
          "t=" + formatted(fit.t, "###.##") + "   F=" + formatted(fit.f, "###.##"),
          "r=" + formatted(fit.r, "#.###") + "  R^2=" + formatted(fit.rSquared, "#.##"),
          "Spearman rank corr coef",
          "r'=" + formatted(fit.spearman, "#.###")});
}

std::string regressionFileHeader() { return "X,Y,Slope,SlopeError,Intercept,InterceptError,r,n,ttest"; }

std::string regressionFileLine(const RegressionFit& fit, const std::string& xName, const std::string& yName) {
  return xName + "," + yName + "," + formatted(fit.slope, fileMask) + "," + formatted(fit.slopeError, fileMask) + "," +
         formatted(fit.intercept, fileMask) + "," + formatted(fit.interceptError, fileMask) + "," +
         format::generalFormat(fit.r) + "," + format::generalFormat(fit.n) + "," +
         (fit.t ? format::generalFormat(*fit.t) : std::string());
}

}  // namespace lavix::models
