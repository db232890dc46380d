// Mixing hyperbolas (Langmuir et al. 1978): the curve on which every mixture of two end
// members lies when both axes are ratios, its tick marks at mixing percentages, and the
// hyperbola Y = Yo + C / (X − Xo) fitted by least squares to plotted points.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "lavix/models/CurveEntries.h"
#include "lavix/models/Regression.h"

namespace lavix::models {

// The four components of one end member: X = a / b, Y = c / d.
struct EndMember {
  double a = 0, b = 1, c = 0, d = 1;
};

// A·X + B·X·Y + E·Y + G = 0.
struct Hyperbola {
  double a = 0, b = 0, e = 0, g = 0;
};

Hyperbola mixingHyperbola(const EndMember& first, const EndMember& second);

// Y on the hyperbola at X: −(A·X + G) / (B·X + E), a denominator of 0 taken as 1.
double hyperbolaY(const Hyperbola& h, double x);

// X of the mixture with the fraction f of the second end member; a denominator of 0 taken as 1.
double mixtureX(const EndMember& first, const EndMember& second, double f);

// The tick schemes of "Select tick scheme": 1 "n*20%", 2 "n*.5%", 3 "n*.1%" give six ticks
// at n = 0..5; any other choice none.
std::vector<float> tickScheme(int choice);
// Up to 25 percentages separated by commas or blanks.
std::vector<float> parseTicks(const std::string& typed, char decimalSeparator);
// Each value in the general number format followed by one blank.
std::string tickListText(const std::vector<float>& ticks);
// Separate tick marks at the percentages (of the second end member); none when they add up to 0 or less.
std::vector<CurvePoint> tickPoints(const Hyperbola& h, const EndMember& first, const EndMember& second,
                                   const std::vector<float>& ticks);

// steps + 1 values from `from` to `to`, equally spaced along the axis (in logarithms on a log axis).
std::vector<double> axisSteps(double from, double to, int steps, bool logAxis);

// The hyperbola at each X; the line is broken where it crosses the vertical asymptote.
std::vector<CurvePoint> hyperbolaCurve(const Hyperbola& h, const std::vector<double>& xs);

struct HyperbolaFit {
  int n = 0;
  double xo = 0, yo = 0, c = 0;
};

// X·Y = Yo·X + Xo·Y + K by least squares, C = K + Xo·Yo; nullopt when the normal equations are
// singular (the points define no hyperbola).
std::optional<HyperbolaFit> fitHyperbola(const std::vector<XYPoint>& points);

// Y = Yo + C / (X − Xo) at each X except Xo itself, broken at the asymptote.
std::vector<CurvePoint> fittedCurve(const HyperbolaFit& fit, const std::vector<double>& xs);

// The report, its lines separated by "\n".
std::string hyperbolaReport(const HyperbolaFit& fit);
std::string hyperbolaLabel(const HyperbolaFit& fit);

}  // namespace lavix::models
