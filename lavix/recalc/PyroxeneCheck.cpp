// The pyroxene check: charge-balanced iron split by bisection, non-quadrilateral components,
// quadrilateral coordinates.
#include "lavix/recalc/PyroxeneCheck.h"

#include <algorithm>
#include <cmath>

#include "common/format/NumberFormat.h"
#include "common/text/Text.h"

namespace lavix::recalc {

namespace {

// Fe2O3 per FeO by weight: M(Fe2O3) / (2 M(FeO)).
constexpr double fe2o3PerFeo = 1.1113493;
constexpr int maxPasses = 100;

// The cations of one pass, recast to six oxygens; false when the analysis holds no oxygen.
bool recast(const OxideWork& w, double feo, double feot, const data::StandardTable& t, PyroxeneCations& c) {
  const auto oxygen = [&](double amount, int count, std::size_t standard) {
    const double weight = t.molecularWeight[standard];
    return weight > 0 ? amount * count / weight : 0.0;
  };
  const double fe2o3 = (feot - feo) * fe2o3PerFeo;
  const double oSi = oxygen(w[1], 2, 1), oTi = oxygen(w[2], 2, 2), oAl = oxygen(w[3], 3, 3);
  const double oFe3 = oxygen(fe2o3, 3, 4), oFe2 = oxygen(feo, 1, 5), oMn = oxygen(w[6], 1, 6);
  const double oMg = oxygen(w[7], 1, 7), oCa = oxygen(w[8], 1, 8), oNa = oxygen(w[9], 1, 9);
  const double oCr = oxygen(w[13], 3, 13);
  const double sum = oSi + oTi + oAl + oFe3 + oFe2 + oMn + oMg + oCa + oNa + oCr;
  if (!(sum > 0) || !std::isfinite(sum)) return false;
  const double f = 6.0 / sum;
  c = {f * oSi / 2, f * oTi / 2, f * oAl * 2 / 3, f * oFe3 * 2 / 3, f * oCr * 2 / 3,
       f * oFe2,    f * oMn,     f * oMg,         f * oCa,          f * oNa * 2};
  return true;
}

}  // namespace

PyroxeneCheck checkPyroxene(const OxideWork& w, const data::StandardTable& t) {
  PyroxeneCheck check;
  const double feot = std::max(0.0f, w[5]);
  double low = 0, high = feot, feo = 0;
  PyroxeneCations c;
  for (int pass = 0; pass < maxPasses; ++pass) {
    if (!recast(w, feo, feot, t, c)) return check;
    const double alIV = std::clamp(2 - c.si, 0.0, std::max(c.al, 0.0));
    const double alVI = c.al - alIV;
    const double residual = std::floor(((2 * c.ti + alVI + c.cr + c.fe3) - (alIV + c.na)) * 1e5) / 1e5;
    // Too little charge from the trivalent cations: less FeO, more Fe2O3.
    if (residual < 0) high = feo;
    if (residual > 0) low = feo;
    if (residual == 0 || high - low < 0.001) break;
    feo = (low + high) / 2;
  }
  check.cations = c;
  check.feo = feo;
  check.nonQuad = c.na + c.al + c.ti + c.fe3 + c.mn + c.cr;

  const double alIV = std::clamp((c.al - c.na + 2 * c.ti + c.cr + c.fe3) / 2, 0.0, std::max(c.al, 0.0));
  const double alVI = c.al - alIV;
  const double acmite = std::min(c.na, c.fe3);
  const double x = c.ca > 0.38 ? acmite + c.ca : 2 - c.mg - c.fe2 + acmite;
  check.wo = (x - alVI - c.fe3 - c.cr) / 2;
  if (!(c.mg + c.fe2 > 0)) return check;
  const double m = c.mg / (c.mg + c.fe2);
  check.en = static_cast<float>((1 - check.wo) * m);
  check.woValue = static_cast<float>(check.wo);
  check.fs = static_cast<float>((1 - check.wo) * (1 - m));
  check.placed = std::isfinite(check.en) && std::isfinite(check.woValue) && std::isfinite(check.fs);
  return check;
}

std::string pyroxeneMessage(const std::string& sampleName, const PyroxeneCheck& check) {
  const float shown = static_cast<float>(std::trunc(check.nonQuad * 500)) * 0.1f;
  return text::toUpper(sampleName) + " non-quad. comps.=" + format::generalFormat(shown) +
         (check.nonQuad <= 0.2 ? "  OK  " : "  CAUTION ");
}

}  // namespace lavix::recalc
