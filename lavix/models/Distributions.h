// The distribution curves drawn over a histogram: the normal curve of the plotted values and
// a Poisson distribution, both in expected counts per class.
#pragma once

#include <vector>

#include "lavix/models/Regression.h"

namespace lavix::models {

// z from −2.5 to 2.5 in steps of 0.1: x = mean + sd × z, y = count × (span / (classes × sd))
// / √(2π) × e^(−z²/2). Empty when sd is not above 0.
std::vector<XYPoint> normalCurve(int classCount, double axisSpan, int totalCount, double mean, double sd);

// λ = lambdaEntered / classes; for k = 0..classes−1 the expected count N λ^k e^(−λ) / k! at the
// centre of class k+1 (tenths of the axis for ten classes). Empty for a negative λ.
std::vector<XYPoint> poissonCurve(int classCount, double xStart, double xEnd, int totalCount, double lambdaEntered);

}  // namespace lavix::models
