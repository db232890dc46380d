// Eu*, Ce* and Nb*: interpolations between the normalised neighbours, in ppm.
#include "lavix/recalc/Anomalies.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/text/Text.h"

namespace lavix::recalc {

namespace {

// The interpolations on logarithms, 10 to the weighted mean of the log10 values, written as the
// roots they equal; 0 unless both values are above 0.
// Half-way: sqrt(a b).
double halfWay(double a, double b) { return a > 0 && b > 0 ? std::sqrt(a * b) : 0.0; }
// A third of the way from `near` to `far`: (near^2 far)^(1/3).
double oneThirdAlong(double near, double far) { return near > 0 && far > 0 ? std::cbrt(near * near * far) : 0.0; }

}  // namespace

AnomalyColumns findAnomalyColumns(const data::DataStore& store) {
  AnomalyColumns found;
  const int last = std::min<int>(store.columnCount, static_cast<int>(store.columnName.size()) - 1);
  for (int c = last; c >= 1; --c) {  // from the back, so the first of a name stays
    const std::string name = text::normaliseName(store.columnName[static_cast<std::size_t>(c)]);
    const auto column = static_cast<int16_t>(c);
    if (name == "SM") found.sm = column;
    if (name == "GD") found.gd = column;
    if (name == "TB") found.tb = column;
    if (name == "LA") found.la = column;
    if (name == "ND") found.nd = column;
    if (name == "K2O") found.k2o = column;
    if (name == "U") found.u = column;
  }
  return found;
}

double euStar(double sm, double gd, double tb) {
  const double smN = sm / chondrite::sm, gdN = gd / chondrite::gd, tbN = tb / chondrite::tb;
  if (smN * gdN > 0) return chondrite::eu * halfWay(smN, gdN);
  return chondrite::eu * oneThirdAlong(smN, tbN);
}

double ceStar(double la, double nd) {
  return chondrite::ce * oneThirdAlong(la / chondrite::la, nd / chondrite::nd);
}

double nbStar(double k2oPercent, double u) {
  const double kN = k2oPercent * ppmKPerPercentK2O / primitiveMantle::k;
  return primitiveMantle::nb * halfWay(kN, u / primitiveMantle::u);
}

}  // namespace lavix::recalc
