// The neighbours' interpolations behind the Eu, Ce and Nb anomalies: Eu*, Ce* and Nb* in ppm,
// so that Eu/Eu* is the Eu column divided by the Eu* column.
#pragma once

#include <cstdint>

#include "lavix/data/DataStore.h"

namespace lavix::recalc {

// CI chondrite (Sun & McDonough 1989): Sm 0.153, Eu 0.058, Gd 0.2055, Tb 0.0374, La 0.237,
// Ce 0.612, Nd 0.467 ppm. Primitive mantle (Sun & McDonough 1989): K 250, U 0.021, Nb 0.713 ppm.
namespace chondrite {
inline constexpr double sm = 0.153, eu = 0.058, gd = 0.2055, tb = 0.0374, la = 0.237, ce = 0.612, nd = 0.467;
}
namespace primitiveMantle {
inline constexpr double k = 250, u = 0.021, nb = 0.713;
}
inline constexpr double ppmKPerPercentK2O = 8301;  // 1e4 x 2 A(K) / M(K2O) = 8301.5

// The columns by their upper-cased markup-free names (the first of each name); 0 when absent.
struct AnomalyColumns {
  int16_t sm = 0, gd = 0, tb = 0, la = 0, nd = 0, k2o = 0, u = 0;
};
AnomalyColumns findAnomalyColumns(const data::DataStore& store);

// Each interpolated on logarithms (the mean of the base-10 logarithms of the normalised
// neighbours, weighted by atomic-number distance) and given back in ppm; 0 when a neighbour
// needed is 0 or negative.
// Eu* = 0.058 x sqrt(SmN x GdN); without Gd, 0.058 x (SmN^2 x TbN)^(1/3).
double euStar(double sm, double gd, double tb);
// Ce* = 0.612 x (LaN^2 x NdN)^(1/3) (Pr is seldom analysed).
double ceStar(double la, double nd);
// Nb* = 0.713 x sqrt(KN x UN), K from K2O in wt %: the neighbours of Nb in the primitive-mantle order.
double nbStar(double k2oPercent, double u);

}  // namespace lavix::recalc
