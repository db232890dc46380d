// The eight trace-element models of melting and crystallisation, forward and inverted.
#include "lavix/models/TraceElementModels.h"

#include <cmath>

namespace lavix::models {

namespace {

struct ModelText {
  TraceModel model;
  const char* name;
  const char* equation;
};

constexpr ModelText modelTexts[] = {
    {TraceModel::batchMelt, "batch melt", "C = C0 / (D + F(1 - P))   non-modal batch melting, Shaw (1970)"},
    {TraceModel::fractionalMelt, "fractional melt",
     "C = C0 G^(1/P) / (D(1 - F)), G = 1 - PF/D   instantaneous fractional melt after Shaw (1970), who divides by "
     "D - PF where this form has D(1 - F) (the two agree when P = D)"},
    {TraceModel::aggregatedFractionalMelt, "agg fract melt",
     "C = C0 (1 - G^(1/P)) / F, G = 1 - PF/D   aggregated fractional melt, Shaw (1970)"},
    {TraceModel::continuousMelt, "continuous melt",
     "C = C0 Y (1 - F)^X   continuous melting after Zou (1998), F the melt extracted: Y = 1/(D(1 - phm) + phm) with "
     "phm the porosity by mass; X = (1 - D)(1 - ph)/(D(1 - ph) + ph) takes the porosity ph by volume where Zou (1998) "
     "has phm"},
    {TraceModel::rayleighCrystallisation, "ray fract xtal",
     "C = C0 F^(D - 1)   Rayleigh fractional crystallisation, F the melt remaining"},
    {TraceModel::equilibriumCrystallisation, "equi xtal",
     "C = C0 / (D + F(1 - D))   equilibrium crystallisation, F the melt remaining"},
    {TraceModel::inSituCrystallisation, "in situ xtal",
     "C = C0 F^Z, Z = f(E - 1)/(f - 1), E = 1/(D(1 - f) + f)   in situ crystallisation, Langmuir (1989), f the "
     "fraction of the zone's melt returned"},
    {TraceModel::afc, "AFC",
     "C = C0 F^-z + (r/(r - 1))(Ca/z)(1 - F^-z), z = (r + D - 1)/(r - 1); r = 1: C = (Ca/D)(1 - e^-DF) + C0 e^-DF   "
     "AFC, DePaolo (1981); isotope ratios e = e0 + (1 - C0/C)(ea - e0)H, H = F^-z (r = 1: e^-DF), where DePaolo "
     "(1981) has e = e0 + (1 - (C0/C)H)(ea - e0)"},
};

const ModelText& textOf(TraceModel model) {
  for (const ModelText& t : modelTexts)
    if (t.model == model) return t;
  return modelTexts[0];
}

std::optional<float> finite(float value) {
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

// G^(1/P) of the fractional models; with P = 0 its limit e^(-F/D).
float fractionalTerm(float g, float d, float p, float f) {
  if (p == 0.0f) return std::exp(-f / d);
  return std::pow(g, 1.0f / p);
}

}  // namespace

const char* traceModelName(TraceModel model) { return textOf(model).name; }

std::optional<TraceModel> traceModelNamed(std::string_view name) {
  for (const ModelText& t : modelTexts)
    if (name == t.name) return t.model;
  return std::nullopt;
}

const char* traceModelEquation(TraceModel model) { return textOf(model).equation; }

std::optional<float> traceModelConcentration(TraceModel model, float c0, float d, float p, float f,
                                        const ModelSettings& settings) {
  const bool inverse = settings.inverse;
  switch (model) {
    case TraceModel::batchMelt: {
      const float factor = d + f * (1.0f - p);
      return finite(inverse ? c0 * factor : c0 / factor);
    }
    case TraceModel::fractionalMelt:
    case TraceModel::aggregatedFractionalMelt: {
      const float g = 1.0f - p * f / d;
      if (g < 0.0f) return std::nullopt;
      const float term = fractionalTerm(g, d, p, f);
      if (model == TraceModel::fractionalMelt)
        return finite(inverse ? c0 * d * (1.0f - f) / term : c0 * term / (d * (1.0f - f)));
      return finite(inverse ? c0 * f / (1.0f - term) : c0 * (1.0f - term) / f);
    }
    case TraceModel::continuousMelt: {
      const float rs = settings.solidDensity, rl = settings.liquidDensity, phi = settings.porosity;
      const float x = (1.0f - d) * rs * (1.0f - phi) / ((1.0f - phi) * rs * d + rs * phi);
      if (inverse) {
        const float oneOverY = ((1.0f - phi) * rs * d + rl * phi) / ((1.0f - phi) * rs + rl * phi);
        return finite(c0 * oneOverY / std::pow(1.0f - f, x));
      }
      const float y = ((1.0f - phi) * rs + rl * phi) / ((1.0f - phi) * rs * d + rl * phi);
      return finite(c0 * y * std::pow(1.0f - f, x));
    }
    case TraceModel::rayleighCrystallisation: {
      const float factor = std::pow(f, d - 1.0f);
      return finite(inverse ? c0 / factor : c0 * factor);
    }
    case TraceModel::equilibriumCrystallisation: {
      const float factor = d + f * (1.0f - d);
      return finite(inverse ? c0 * factor : c0 / factor);
    }
    case TraceModel::inSituCrystallisation: {
      const float returned = settings.insituFraction;
      const float e = 1.0f / ((1.0f - returned) * d + returned);
      const float z = returned * (e - 1.0f) / (returned - 1.0f);
      const float factor = std::pow(f, z);
      return finite(inverse ? c0 / factor : c0 * factor);
    }
    case TraceModel::afc: return std::nullopt;
  }
  return std::nullopt;
}

std::optional<AfcStep> afcConcentration(float cm0, float ca, float d, float f, float r) {
  AfcStep step;
  if (r == 1.0f) {
    step.h = std::exp(-d * f);
    step.cm = (ca / d) * (1.0f - step.h) + step.h * cm0;
  } else {
    const float z = (r + d - 1.0f) / (r - 1.0f);
    if (z * cm0 * ca == 0.0f) return std::nullopt;
    step.h = std::pow(f, -z);
    step.cm = step.h * cm0 + (r / (r - 1.0f)) * (ca / z) * (1.0f - step.h);
  }
  if (!std::isfinite(step.cm) || !std::isfinite(step.h)) return std::nullopt;
  return step;
}

std::optional<float> afcIsotopeRatio(float cm, float ca, float cm0, float e0, float ea, float h) {
  if (!(cm * ca * cm0 * e0 * ea > 0.0f)) return std::nullopt;
  return finite(e0 + (1.0f - cm0 / cm) * (ea - e0) * h);
}

float residueConcentration(float c0, float cl, float f) {
  if (f == 1.0f) return 0.0f;
  return (c0 - cl * f) / (1.0f - f);
}

}  // namespace lavix::models
