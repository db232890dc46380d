// The pyroxene check before an analysis is placed on the pyroxene quadrilateral: the iron split
// into Fe2+ and Fe3+ that balances the charges of a six-oxygen formula (found by bisection),
// the non-quadrilateral components, and the Wo-En-Fs coordinates of the quadrilateral.
#pragma once

#include <string>

#include "lavix/data/StandardTable.h"
#include "lavix/recalc/FerricIron.h"

namespace lavix::recalc {

// Cations per six oxygens.
struct PyroxeneCations {
  double si = 0, ti = 0, al = 0, fe3 = 0, cr = 0, fe2 = 0, mn = 0, mg = 0, ca = 0, na = 0;
};

struct PyroxeneCheck {
  bool placed = false;     // false when the analysis has no oxygen or no Mg and Fe2+
  PyroxeneCations cations;  // of the last bisection pass
  double feo = 0;           // wt% FeO of that pass; Fe2O3 = (FeOt - FeO) × 1.1113493
  double nonQuad = 0;       // N = Na + Al + Ti + Fe3+ + Mn + Cr
  double wo = 0;            // the wollastonite fraction
  // The ternary values: X-left (1 − Wo) M, Y-top Wo, Z-right (1 − Wo)(1 − M), M = Mg / (Mg + Fe2+).
  float en = 0, woValue = 0, fs = 0;
};

// `oxides`: wt% in entries 1..9 (SiO2, TiO2, Al2O3, Fe2O3, FeO, MnO, MgO, CaO, Na2O) with all
// iron as FeO in entry 5, and Cr2O3 in entry 13. Fe2O3 in entry 4 is not used.
PyroxeneCheck checkPyroxene(const OxideWork& oxides, const data::StandardTable& standard);

// The message: the upper-cased name, " non-quad. comps.=", N × 500 truncated to a whole number
// times 0.1, and "  OK  " when N is at most 0.2, else "  CAUTION ".
std::string pyroxeneMessage(const std::string& sampleName, const PyroxeneCheck& check);

}  // namespace lavix::recalc
