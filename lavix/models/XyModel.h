// Paths of a magma in the plane of an XY diagram: assimilation with fractional crystallisation
// (DePaolo 1981), fractional and equilibrium crystallisation, zone refining, recharge,
// two-component mixing and equilibrium (batch) melting (Shaw 1970).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "lavix/models/Components.h"
#include "lavix/models/CurveEntries.h"

namespace lavix::models {

// The letters of "Select Model", in the order of its key string "afezrmbq".
enum class Process : char {
  afc = 'A',
  fc = 'F',
  ec = 'E',
  zoneRefining = 'Z',
  recharge = 'R',
  mixing = 'M',
  melting = 'B',
};

// A, Z and M take an assimilant (or the second end member); the others only a parent.
bool needsAssimilant(Process process);
// A and R ask for R = dMa/dMfc with their coefficients.
bool asksRatio(Process process);
// R after the coefficient dialog: 0 for F, B, E and M, 1 for Z, the entered value for A and R.
float ratioAfterCoefficients(Process process, float entered);

struct FRange {
  std::string title;
  float start = 1;
  float end = 0.1f;
  float step = 0.05f;
};

// The presets of the F-range dialog for a process and R; for M, `r` becomes 0.4.
FRange fRangePreset(Process process, float& r);

struct FSteps {
  std::vector<float> values;  // start, then sub-steps of step / 5 towards the end
  std::string refusal;        // why the range was refused; empty when accepted
};

// F from start towards end (downwards when start > end) in sub-steps of a fifth of the step,
// as long as it does not pass end by more than step / 10. Refused when the step is 0 or the
// range needs more than maxCurvePoints points.
FSteps fSteps(float start, float end, float step);

// Concentration components (D a bulk partition coefficient). `limitForm` is set when z = 0
// and DePaolo's equation 6b replaces 6a.
double xyModelConcentration(Process process, double f, double co, double ca, double d, double r, bool& limitForm);

// δ18O components (d the mineral/melt fractionation Δ).
double modelDelta(Process process, double f, double deltaO, double deltaA, double fractionation, double r);

// One component of the model: parent (Co), assimilant (Ca) and coefficient.
struct ModelComponent {
  ComponentKind kind = ComponentKind::absent;
  bool oxygen = false;
  double co = 0;
  double ca = 0;
  double d = 0;
};

struct ModelCurve {
  std::vector<CurvePoint> points;  // every fifth one (each whole step) a tick on the line
  bool limitFormUsed = false;      // z = 0 was met
};

// X = Cm(1) / Cm(2), Y = Cm(3) / Cm(4) at each F; an absent component, and a concentration
// whose parent value is 0, count as 1; a denominator of exactly 0 is taken as 1E-9.
ModelCurve modelCurve(Process process, const std::vector<float>& fValues,
                      const std::array<ModelComponent, componentCount>& components, double r);

}  // namespace lavix::models
