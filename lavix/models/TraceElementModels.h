// Trace-element models of melting and crystallisation for one element: the forward equation
// (the product of a source or parent) and its inversion (the source of a product).
//
// Concentrations in any unit (the models are linear in C0); D and P are bulk partition
// coefficients; F is the melt fraction (0..1) for melting, the fraction of melt remaining for
// crystallisation, and for AFC the magma mass over the initial magma mass (with r = 1 the
// assimilated mass over the initial magma mass). Single precision throughout.
#pragma once

#include <optional>
#include <string_view>

namespace lavix::models {

enum class TraceModel {
  batchMelt,
  fractionalMelt,
  aggregatedFractionalMelt,
  continuousMelt,
  rayleighCrystallisation,
  equilibriumCrystallisation,
  inSituCrystallisation,
  afc,
};

inline constexpr TraceModel allTraceModels[] = {
    TraceModel::batchMelt,          TraceModel::fractionalMelt,
    TraceModel::aggregatedFractionalMelt, TraceModel::continuousMelt,
    TraceModel::rayleighCrystallisation,  TraceModel::equilibriumCrystallisation,
    TraceModel::inSituCrystallisation,    TraceModel::afc};

// "batch melt", "fractional melt", "agg fract melt", "continuous melt", "ray fract xtal",
// "equi xtal", "in situ xtal", "AFC": the names the user picks and model rows carry.
const char* traceModelName(TraceModel model);
std::optional<TraceModel> traceModelNamed(std::string_view name);

// The equation that draws the model and its literature source, one line; where the form used
// differs from the published one the difference is named.
const char* traceModelEquation(TraceModel model);

// The settings of the model window that some equations take.
struct ModelSettings {
  float insituFraction = 0;   // in situ crystallisation: f, the fraction of the zone's melt returned (0..1)
  float solidDensity = 3.0f;  // continuous melting: g/cm3
  float liquidDensity = 2.7f;
  float porosity = 0.05f;     // continuous melting: fraction by volume
  bool inverse = false;       // the chosen sample is the product; the result is its source
};

// The product's (or, inverse, the source's) concentration for one element, every model but
// AFC. Empty when the equation gives no value: G = 1 - P F / D below 0 in the fractional
// models, a division by zero or a power of a non-positive number (F = 1 in fractional
// melting, f = 1 in situ, G = 0 inverted), or any result that is not a finite number. With
// P = 0 the fractional models take the limit of G^(1/P), e^(-F/D). D = 0 is the caller's:
// such an element is written as 0 without an equation.
std::optional<float> traceModelConcentration(TraceModel model, float c0, float bulkD, float bulkP, float f,
                                        const ModelSettings& settings);

// AFC after DePaolo (1981), Cm0 the magma's and Ca the assimilant's concentration, r the
// ratio of assimilation to crystallisation rate. `h` is the factor the isotope equation
// takes: e^(-D F) when r = 1, F^(-z) otherwise.
struct AfcStep {
  float cm = 0;
  float h = 0;
};
// Empty when z Cm0 Ca = 0 (r not 1): that cell is not written and its isotopes are skipped;
// also empty when the result is not a finite number.
std::optional<AfcStep> afcConcentration(float cm0, float ca, float bulkD, float f, float r);

// The magma's isotope ratio: e0 + (1 - Cm0/Cm)(ea - e0) h. Empty unless Cm Ca Cm0 e0 ea > 0.
std::optional<float> afcIsotopeRatio(float cm, float ca, float cm0, float e0, float ea, float h);

// The residue complementary to a melt (or the cumulate of a crystallised liquid) by mass
// balance: (C0 - CL F) / (1 - F); 0 when F = 1.
float residueConcentration(float c0, float cl, float f);

}  // namespace lavix::models
