// Model equations and the F steps of the XY models.
#include "lavix/models/XyModel.h"

#include <cmath>

#include "lavix/models/Messages.h"

namespace lavix::models {

namespace {

constexpr double smallF = 0.000001;

double notZero(double value, double replacement) { return value == 0 ? replacement : value; }

}  // namespace

bool needsAssimilant(Process p) { return p == Process::afc || p == Process::zoneRefining || p == Process::mixing; }

bool asksRatio(Process p) { return p == Process::afc || p == Process::recharge; }

float ratioAfterCoefficients(Process p, float entered) {
  if (p == Process::zoneRefining) return 1;
  return asksRatio(p) ? entered : 0;
}

FRange fRangePreset(Process p, float& r) {
  FRange range{"F=Mm/Mmo - magma mass/initial magma mass", 1, r < 1 ? 0.1f : 5.0f, r < 1 ? 0.05f : 0.2f};
  if (p == Process::ec || p == Process::fc) {
    range.title = "F is the  liquid";
    range.end = 0.6f;
    range.step = 0.05f;
  }
  if (p == Process::melting) range = {"F is the  melt", 0.01f, 0.15f, 0.01f};
  if (r == 1) {
    range.title = "R=1  thus  F=Ma/Mm";
    range.start = 0;
  }
  if (p == Process::mixing) {
    range = {"Mixing: let F = 0 to 1", 1, 0, 0.2f};
    r = 0.4f;  // not used by the mixing equation: the preset of "R=dMa/dMfc" next time
  }
  return range;
}

FSteps fSteps(float start, float end, float step) {
  FSteps steps;
  const double width = std::fabs(static_cast<double>(step));
  if (!(width > 0) || !std::isfinite(width)) {
    steps.refusal = messages::zeroStep;
    return steps;
  }
  const double sub = width / 5;
  const double span = std::fabs(static_cast<double>(end) - start) + width / 10;
  const double count = std::floor(span / sub + 1e-6) + 1;
  if (!(count <= maxCurvePoints)) {
    steps.refusal = messages::tooManySteps;
    return steps;
  }
  const double direction = end >= start ? 1.0 : -1.0;
  for (int i = 0; i < static_cast<int>(count); ++i) {
    double value = start + direction * i * sub;
    if (std::fabs(value - end) < 1e-6 * sub) value = end;  // reached exactly, not by rounding
    steps.values.push_back(static_cast<float>(value));
  }
  return steps;
}

double xyModelConcentration(Process p, double f, double co, double ca, double d, double r, bool& limitForm) {
  // Shaw (1970): batch melting, F the melt fraction; equilibrium crystallisation, F the liquid.
  if (p == Process::melting) return co / notZero(f + d - f * d, 0.000001);
  if (p == Process::ec) return co / notZero((1 - f) * d + f, 0.000001);
  // Two-component mixing, F the parent's fraction.
  if (p == Process::mixing) return f * co + (1 - f) * ca;
  // DePaolo (1981): r = 1 (zone refining), F = Ma/Mm.
  if (r == 1) {
    const double dd = notZero(d, 0.0001);
    const double x = std::exp(-dd * f);
    return (1 - x) * ca / dd + x * co;
  }
  const double z = (d + r - 1) / (r - 1);
  if (z == 0) {
    // Equation 6b, the limit of 6a as z → 0.
    limitForm = true;
    if (f <= 0) f = smallF;
    return r * ca * std::log(f) / (r - 1) + co;
  }
  if (f == 0 && z >= 0) f = smallF;
  // Equation 6a; with r = 0 it is Rayleigh fractionation, Co × F^(D−1).
  const double fz = std::pow(f, -z);
  return fz * co + (1 - fz) * r * ca / ((r - 1) * z);
}

double modelDelta(Process p, double f, double deltaO, double deltaA, double fractionation, double r) {
  // Closed-system mass balance with the solids Δ away from the melt.
  if (p == Process::melting || p == Process::ec) return deltaO - (1 - f) * fractionation;
  if (p == Process::mixing) return f * deltaO + (1 - f) * deltaA;
  if (r == 1) return (deltaA - deltaO - fractionation) * (1 - std::exp(-f)) + deltaO;
  if (f <= 0) f = smallF;
  // Rayleigh fractionation: the limit of the AFC form as r → 0.
  if (r == 0) return deltaO + fractionation * std::log(f);
  const double z = r / (r - 1);
  return (1 - std::pow(f, -z)) * ((deltaA - deltaO) - fractionation / r) + deltaO;
}

ModelCurve modelCurve(Process p, const std::vector<float>& fValues,
                      const std::array<ModelComponent, componentCount>& components, double r) {
  ModelCurve curve;
  for (std::size_t i = 0; i < fValues.size(); ++i) {
    const double f = fValues[i];
    std::array<double, componentCount> cm{};
    for (std::size_t k = 0; k < cm.size(); ++k) {
      const ModelComponent& c = components[k];
      if (c.kind == ComponentKind::constant) cm[k] = c.co;
      else if (c.kind == ComponentKind::absent) cm[k] = 1;
      else if (c.oxygen) cm[k] = modelDelta(p, f, c.co, c.ca, c.d, r);
      else if (c.co == 0) cm[k] = 1;
      else cm[k] = xyModelConcentration(p, f, c.co, c.ca, c.d, r, curve.limitFormUsed);
    }
    const double x = cm[0] / notZero(cm[1], 0.000000001);
    const double y = cm[2] / notZero(cm[3], 0.000000001);
    curve.points.push_back({x, y, i % 5 == 0 ? Marker::tickOnLine : Marker::plain});
  }
  return curve;
}

}  // namespace lavix::models
