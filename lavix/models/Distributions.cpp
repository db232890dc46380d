// Normal and Poisson curves over a histogram.
#include "lavix/models/Distributions.h"

#include <cmath>

namespace lavix::models {

std::vector<XYPoint> normalCurve(int classCount, double axisSpan, int totalCount, double mean, double sd) {
  std::vector<XYPoint> points;
  if (!(sd > 0) || classCount < 1) return points;
  const double scale = totalCount * (axisSpan / (classCount * sd)) / std::sqrt(6.28318);
  for (int k = 0; k <= 50; ++k) {
    const double z = -2.5 + 0.1 * k;
    points.push_back({mean + sd * z, scale * std::exp(-z * z / 2)});
  }
  return points;
}

std::vector<XYPoint> poissonCurve(int classCount, double xStart, double xEnd, int totalCount, double lambdaEntered) {
  std::vector<XYPoint> points;
  if (classCount < 1 || !(lambdaEntered >= 0)) return points;
  const double lambda = lambdaEntered / classCount;
  double term = std::exp(-lambda);  // λ^k e^(−λ) / k!, built up so that k! never overflows
  for (int k = 0; k < classCount; ++k) {
    if (k > 0) term *= lambda / k;
    points.push_back({xStart + (k + 0.5) / classCount * (xEnd - xStart), totalCount * term});
  }
  return points;
}

}  // namespace lavix::models
