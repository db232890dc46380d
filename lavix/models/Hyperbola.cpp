// Mixing hyperbolas between two end members and fitted to points.
#include "lavix/models/Hyperbola.h"

#include <array>
#include <cmath>

#include "common/format/NumberFormat.h"
#include "common/text/Text.h"

namespace lavix::models {

namespace {

constexpr int maxTicks = 25;
constexpr const char* coefficientMask = "#.000E-00; -#.000E-00";

double notZero(double value) { return value == 0 ? 1.0 : value; }

// Points of y(x), skipping `pole` itself and breaking the line where consecutive X lie on
// either side of it.
template <typename Curve>
std::vector<CurvePoint> curveAround(const std::vector<double>& xs, std::optional<double> pole, Curve y) {
  std::vector<CurvePoint> points;
  std::optional<double> previous;
  bool broken = false;
  for (double x : xs) {
    if (pole && x == *pole) {
      broken = true;
      continue;
    }
    const bool crossed = pole && previous && (*previous - *pole) * (x - *pole) < 0;
    points.push_back({x, y(x), Marker::plain, broken || crossed});
    previous = x;
    broken = false;
  }
  return points;
}

}  // namespace

Hyperbola mixingHyperbola(const EndMember& m1, const EndMember& m2) {
  return {m1.b * m2.c - m1.c * m2.b, m1.d * m2.b - m1.b * m2.d, m1.a * m2.d - m2.a * m1.d, m2.a * m1.c - m1.a * m2.c};
}

double hyperbolaY(const Hyperbola& h, double x) { return -(h.a * x + h.g) / notZero(h.b * x + h.e); }

double mixtureX(const EndMember& m1, const EndMember& m2, double f) {
  return ((1 - f) * m1.a + f * m2.a) / notZero((1 - f) * m1.b + f * m2.b);
}

std::vector<float> tickScheme(int choice) {
  static constexpr std::array<float, 3> spacing = {20.0f, 0.5f, 0.1f};
  std::vector<float> ticks;
  if (choice < 1 || choice > 3) return ticks;
  for (int n = 0; n <= 5; ++n) ticks.push_back(static_cast<float>(n) * spacing[static_cast<std::size_t>(choice - 1)]);
  return ticks;
}

std::vector<float> parseTicks(const std::string& typed, char decimalSeparator) {
  std::vector<float> ticks;
  std::string field;
  auto take = [&] {
    if (!text::trim(field).empty() && static_cast<int>(ticks.size()) < maxTicks)
      ticks.push_back(text::parseNumber(field, decimalSeparator));
    field.clear();
  };
  for (char ch : typed) {
    if (ch == ',' || ch == ' ' || ch == '\t') take();
    else field += ch;
  }
  take();
  return ticks;
}

std::string tickListText(const std::vector<float>& ticks) {
  std::string list;
  for (float t : ticks) list += format::generalFormat(t) + " ";
  return list;
}

std::vector<CurvePoint> tickPoints(const Hyperbola& h, const EndMember& m1, const EndMember& m2,
                                   const std::vector<float>& ticks) {
  std::vector<CurvePoint> points;
  double sum = 0;
  for (float t : ticks) sum += t;
  if (!(sum > 0)) return points;
  for (float t : ticks) {
    const double x = mixtureX(m1, m2, t / 100.0);
    points.push_back({x, hyperbolaY(h, x), Marker::tick});
  }
  return points;
}

std::vector<double> axisSteps(double from, double to, int steps, bool logAxis) {
  std::vector<double> xs;
  if (steps < 1) return xs;
  if (logAxis && from > 0 && to > 0) {
    const double low = std::log10(from), high = std::log10(to);
    for (int i = 0; i <= steps; ++i) xs.push_back(std::pow(10.0, low + (high - low) * i / steps));
  } else {
    for (int i = 0; i <= steps; ++i) xs.push_back(from + (to - from) * i / steps);
  }
  return xs;
}

std::vector<CurvePoint> hyperbolaCurve(const Hyperbola& h, const std::vector<double>& xs) {
  // B·X + E = 0 is the vertical asymptote; on plain axes B is 0 and the curve a straight line.
  std::optional<double> pole;
  if (h.b != 0) pole = -h.e / h.b;
  return curveAround(xs, pole, [&](double x) { return hyperbolaY(h, x); });
}

std::optional<HyperbolaFit> fitHyperbola(const std::vector<XYPoint>& points) {
  // Normal equations of X·Y = Yo·X + Xo·Y + K in the unknowns (Yo, Xo, K).
  std::array<std::array<double, 4>, 3> m{};
  for (const XYPoint& p : points) {
    const std::array<double, 3> row = {p.x, p.y, 1.0};
    const double target = p.x * p.y;
    for (std::size_t i = 0; i < 3; ++i) {
      for (std::size_t j = 0; j < 3; ++j) m[i][j] += row[i] * row[j];
      m[i][3] += row[i] * target;
    }
  }
  // Gaussian elimination with partial pivoting.
  for (std::size_t col = 0; col < 3; ++col) {
    std::size_t pivot = col;
    for (std::size_t r = col + 1; r < 3; ++r)
      if (std::fabs(m[r][col]) > std::fabs(m[pivot][col])) pivot = r;
    std::swap(m[col], m[pivot]);
    double scale = 0;
    for (std::size_t j = 0; j < 3; ++j) scale = std::max(scale, std::fabs(m[col][j]));
    if (!(std::fabs(m[col][col]) > 1e-12 * scale)) return std::nullopt;
    for (std::size_t r = 0; r < 3; ++r) {
      if (r == col) continue;
      const double factor = m[r][col] / m[col][col];
      for (std::size_t j = col; j < 4; ++j) m[r][j] -= factor * m[col][j];
    }
  }
  HyperbolaFit fit;
  fit.n = static_cast<int>(points.size());
  fit.yo = m[0][3] / m[0][0];
  fit.xo = m[1][3] / m[1][1];
  const double k = m[2][3] / m[2][2];
  fit.c = k + fit.xo * fit.yo;
  if (!std::isfinite(fit.xo) || !std::isfinite(fit.yo) || !std::isfinite(fit.c)) return std::nullopt;
  return fit;
}

std::vector<CurvePoint> fittedCurve(const HyperbolaFit& fit, const std::vector<double>& xs) {
  return curveAround(xs, fit.xo, [&](double x) { return fit.yo + fit.c / (x - fit.xo); });
}

std::string hyperbolaReport(const HyperbolaFit& fit) {
  return std::string(" Hyperbola regression \nY=Yo+C/(X-Xo)\n   n=") + format::formatNumber(fit.n, "####") +
         "\nXo = " + format::formatNumber(fit.xo, coefficientMask) +
         "\nYo = " + format::formatNumber(fit.yo, coefficientMask) +
         "\nC =  " + format::formatNumber(fit.c, coefficientMask);
}

std::string hyperbolaLabel(const HyperbolaFit& fit) {
  return "N=" + format::formatNumber(fit.n, "#####") + " Yo=" + format::formatNumber(fit.yo, coefficientMask) +
         " Xo=" + format::formatNumber(fit.xo, coefficientMask) + " C =" + format::formatNumber(fit.c, coefficientMask);
}

}  // namespace lavix::models
