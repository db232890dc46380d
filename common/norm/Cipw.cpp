// The CIPW norm of one analysis.
#include "common/norm/Cipw.h"

#include "common/format/NumberFormat.h"
#include "common/norm/CipwCore.h"

namespace lavix::norm {

namespace detail {

namespace {
float& at(NormVector& v, Mineral m) { return v[index(m)]; }
}  // namespace

void allocateSilicates(Pool p, float feOWeight, float mgOWeight, Allocation& out) {
  NormVector& a = out.amounts;

  // Ilmenite.
  if (p.tiO2 <= p.feO) {
    at(a, Mineral::Il) = p.tiO2;
    p.feO -= p.tiO2;
    p.tiO2 = 0;
  } else {
    at(a, Mineral::Il) = p.feO;
    p.tiO2 -= p.feO;
    p.feO = 0;
  }

  // Zircon, feldspars, corundum, metasilicates, acmite.
  at(a, Mineral::Zr) = p.zrO2;
  float orthoclase = 0, albite = 0, anorthite = 0, kMeta = 0, naMeta = 0, acmite = 0;
  float celsian = 0;
  bool toAcmite = false;
  const float kb = p.k2O + p.baO;
  if (kb <= p.al2O3) {
    orthoclase = p.k2O;
    celsian = p.baO;
    p.al2O3 -= kb;
    if (p.na2O <= p.al2O3) {
      albite = p.na2O;
      p.al2O3 -= p.na2O;
      p.na2O = 0;
      if (p.caO <= p.al2O3) {
        anorthite = p.caO;
        at(a, Mineral::C) = p.al2O3 - p.caO;
        p.caO = 0;
      } else {
        anorthite = p.al2O3;
        p.caO -= p.al2O3;
      }
      p.al2O3 = 0;
    } else {
      albite = p.al2O3;
      p.na2O -= p.al2O3;
      p.al2O3 = 0;
      toAcmite = true;
    }
  } else {
    kMeta = kb - p.al2O3;
    orthoclase = p.al2O3 - p.baO;
    celsian = p.baO;
    p.al2O3 = 0;
    toAcmite = true;
  }
  if (toAcmite) {
    if (p.na2O <= p.fe2O3) {
      acmite = p.na2O;
      p.fe2O3 -= p.na2O;
    } else {
      naMeta = p.na2O - p.fe2O3;
      acmite = p.fe2O3;
      p.fe2O3 = 0;
    }
    p.na2O = 0;
  }

  // Titanite.
  float titanite = 0;
  if (p.tiO2 <= p.caO) {
    titanite = p.tiO2;
    p.caO -= p.tiO2;
  } else {
    titanite = p.caO;
    at(a, Mineral::Ru) = p.tiO2 - p.caO;
    p.caO = 0;
  }
  p.tiO2 = 0;

  // Magnetite.
  if (p.fe2O3 <= p.feO) {
    at(a, Mineral::Mt) = p.fe2O3;
    p.feO -= p.fe2O3;
  } else {
    at(a, Mineral::Mt) = p.feO;
    at(a, Mineral::Hem) = p.fe2O3 - p.feO;
    p.feO = 0;
  }

  // The (Fe,Mg)O pool and its mean oxide weight.
  const float fm = p.feO + p.mgO;
  out.feMgPool = fm;
  if (fm != 0) {
    out.mgRatio = p.mgO / fm;
    out.meanFeMgWeight = feOWeight - (feOWeight - mgOWeight) * p.mgO / fm;
  }

  // Diopside, hypersthene, wollastonite.
  float diopside = 0, hypersthene = 0, wollastonite = 0;
  if (p.caO - fm <= 0) {
    diopside = p.caO;
    hypersthene = fm - p.caO;
  } else {
    diopside = fm;
    wollastonite = p.caO - fm;
  }

  // Silica balance: without silica (or with too little for the first minerals) the
  // silicates are not reported at all.
  if (p.siO2 == 0) return;
  const float y = kMeta + naMeta + 2 * anorthite + 4 * acmite + at(a, Mineral::Zr);
  at(a, Mineral::An) = anorthite;
  at(a, Mineral::KS) = kMeta;
  at(a, Mineral::NaS) = naMeta;
  at(a, Mineral::Ac) = acmite;
  if (y > p.siO2) return;

  float d = p.siO2 - y - 2 * diopside - 6 * orthoclase - 6 * albite - titanite - hypersthene - wollastonite -
            2 * celsian;
  float olivine = 0, perovskite = 0, nepheline = 0, leucite = 0, kaliophilite = 0, caSilicate = 0, wustite = 0;
  Mineral celsianRow = Mineral::Or;
  // Each stage converts only as much as the deficit needs; a stage that removes it ends the sequence.
  [&] {
    if (d >= 0) return;
    if (d + hypersthene / 2 >= 0) {
      const float left = hypersthene + 2 * d;
      olivine = (hypersthene - left) / 2;
      hypersthene = left;
      d = 0;
      return;
    }
    d += hypersthene / 2;
    olivine = hypersthene / 2;
    hypersthene = 0;

    if (titanite + d >= 0) {
      const float left = titanite + d;
      perovskite = titanite - left;
      titanite = left;
      d = 0;
      return;
    }
    d += titanite;
    perovskite = titanite;
    titanite = 0;

    if (4 * albite + d >= 0) {
      const float left = albite + d / 4;
      nepheline = albite - left;
      albite = left;
      d = 0;
      return;
    }
    d += 4 * albite;
    nepheline = albite;
    albite = 0;

    if (2 * orthoclase + d >= 0) {
      const float left = orthoclase + d / 2;
      leucite = orthoclase - left;
      orthoclase = left;
      d = 0;
      return;
    }
    d += 2 * orthoclase;
    leucite = orthoclase;
    orthoclase = 0;
    celsianRow = Mineral::Lc;

    if (d + wollastonite / 2 >= 0) {
      const float left = wollastonite + 2 * d;
      caSilicate = (wollastonite - left) / 2;
      wollastonite = left;
      d = 0;
      return;
    }
    if (diopside + d + wollastonite / 2 >= 0) {
      const float left = diopside + d + wollastonite / 2;
      olivine += (diopside - left) / 2;
      caSilicate = wollastonite / 2 + (diopside - left) / 2;
      diopside = left;
      wollastonite = 0;
      d = 0;
      return;
    }
    d += wollastonite / 2 + diopside;
    caSilicate = (wollastonite + diopside) / 2;
    olivine += diopside / 2;
    wollastonite = 0;
    diopside = 0;

    if (2 * leucite + d >= 0) {
      const float left = leucite + d / 2;
      kaliophilite = leucite - left;
      leucite = left;
      d = 0;
      return;
    }
    d += 2 * leucite;
    kaliophilite = leucite;
    leucite = 0;
    celsianRow = Mineral::Kal;

    // Last resort: olivine gives up its silica; olivine may go negative here.
    olivine += d;
    wustite = -2 * d;
    d = 0;
  }();

  at(a, Mineral::Q) = d > 0 ? d : 0;
  at(a, Mineral::Or) = orthoclase;
  at(a, Mineral::Ab) = albite;
  at(a, Mineral::Lc) = leucite;
  at(a, Mineral::Ne) = nepheline;
  at(a, Mineral::Kal) = kaliophilite;
  at(a, Mineral::Di) = diopside;
  at(a, Mineral::Hy) = hypersthene;
  at(a, Mineral::Wo) = wollastonite;
  at(a, Mineral::Ol) = olivine;
  at(a, Mineral::Tn) = titanite;
  at(a, Mineral::Pf) = perovskite;
  at(a, Mineral::Wus) = wustite;
  at(a, Mineral::CS) = caSilicate;
  out.celsian = celsian;
  out.celsianRow = celsianRow;
}

}  // namespace detail

namespace {

constexpr float weight(Oxide o) { return kOxideWeights[index(o)]; }
float& at(NormVector& v, Mineral m) { return v[index(m)]; }

// Cations per unit of each row's amount (celsian and apatite handled apart).
constexpr std::array<float, kMineralCount + 1> kCations = {
    0, 1, 10, 10, 5, 8, 6, 6, 2, 4, 2, 2, 3, 8, 3, 2, 2, 16.0f / 3, 3, 2, 1, 1, 3, 3, 2, 1, 1, 2, 1, 3, 3, 3, 3};

float plagioclaseAn(const NormVector& v) {
  const float ab = v[index(Mineral::Ab)];
  const float an = v[index(Mineral::An)];
  return ab + an > 0.000001f ? 100 * an / (ab + an) : 0.0f;
}

// Weight of (Ca,Sr)O when `units` mol of it hold up to `srO` mol of SrO.
float caSrOxideWeight(float units, float srO) {
  if (units <= srO) return weight(Oxide::SrO);
  return weight(Oxide::SrO) + (weight(Oxide::CaO) - weight(Oxide::SrO)) * (units - srO) / units;
}

}  // namespace

CipwResult computeCipwNorm(const CipwInput& input) {
  CipwResult r;
  const auto& w = input.oxides;
  const CipwOptions& opt = input.options;

  float total = 0;
  for (float v : w) total += v;
  r.oxideTotal = total;
  if (total < 10) return r;
  r.computed = true;

  std::array<float, kOxideCount> m{};
  for (int i = 0; i < kOxideCount; ++i) {
    if (i == index(Oxide::H2Oplus) || i == index(Oxide::H2Ominus)) continue;
    m[i] = w[i] / kOxideWeights[i];
  }
  auto mol = [&](Oxide o) -> float& { return m[index(o)]; };

  const float mgFe = mol(Oxide::MgO) + mol(Oxide::FeO) + mol(Oxide::Fe2O3);
  r.mgNumber = mgFe != 0 ? mol(Oxide::MgO) / mgFe : 0.0f;

  for (Oxide o : {Oxide::ZrO2, Oxide::Cr2O3, Oxide::NiO, Oxide::BaO, Oxide::SrO, Oxide::Li2O, Oxide::F, Oxide::Cl,
                  Oxide::S, Oxide::SO3, Oxide::TiO2, Oxide::P2O5, Oxide::CO2}) {
    if (w[index(o)] < 0.01f) mol(o) = 0;
  }
  const float srO = mol(Oxide::SrO);

  float feO = mol(Oxide::FeO) + mol(Oxide::MnO) + mol(Oxide::NiO) + mol(Oxide::Li2O);
  float caO = mol(Oxide::CaO) + srO;
  float na2O = mol(Oxide::Na2O);
  const float p2O5 = mol(Oxide::P2O5);
  float f = mol(Oxide::F);

  NormVector& a = r.amounts;
  float apatite = 0, fluorapatite = 0;
  if (f == 0) {
    if (p2O5 > 0) {
      apatite = p2O5;
      caO -= 10.0f / 3 * p2O5;
    }
  } else if (f > 0 && p2O5 <= 0) {
    at(a, Mineral::Fl) = f / 2;
    caO -= f / 2;
  } else if (f > 0 && 1.5f * f <= p2O5) {
    fluorapatite = 1.5f * f;
    apatite = p2O5 - 1.5f * f;
    caO -= 10.0f / 3 * p2O5;
  } else if (f > 0) {
    fluorapatite = p2O5;
    f -= 2.0f / 3 * p2O5;
    caO -= 10.0f / 3 * p2O5;
    at(a, Mineral::Fl) = f / 2;
    caO -= f / 2;
  }
  at(a, Mineral::Ap) = apatite + fluorapatite;
  r.fluorapatite = fluorapatite;

  at(a, Mineral::Hl) = mol(Oxide::Cl);
  na2O -= mol(Oxide::Cl) / 2;

  float s = mol(Oxide::S);
  if (opt.hauynePresent) {
    at(a, Mineral::Th) = mol(Oxide::SO3);
    na2O -= mol(Oxide::SO3);
  } else {
    s += mol(Oxide::SO3);
  }

  at(a, Mineral::Pr) = s / 2;
  at(a, Mineral::Cm) = mol(Oxide::Cr2O3);
  feO -= s / 2 + mol(Oxide::Cr2O3);

  const float cO2 = mol(Oxide::CO2);
  if (opt.cancrinitePresent) {
    at(a, Mineral::NaC) = cO2;
    na2O -= cO2;
  } else if (opt.calcitePresent) {
    caO -= cO2;
    if (opt.calcitePrimary) at(a, Mineral::Cc) = cO2;
  }

  detail::Pool pool;
  pool.siO2 = mol(Oxide::SiO2);
  pool.tiO2 = mol(Oxide::TiO2);
  pool.al2O3 = mol(Oxide::Al2O3);
  pool.fe2O3 = mol(Oxide::Fe2O3);
  pool.feO = feO;
  pool.mgO = mol(Oxide::MgO);
  pool.caO = caO;
  pool.na2O = na2O;
  pool.k2O = mol(Oxide::K2O);
  pool.baO = mol(Oxide::BaO);
  pool.zrO2 = mol(Oxide::ZrO2);

  detail::Allocation alloc;
  alloc.amounts = a;
  detail::allocateSilicates(pool, weight(Oxide::FeO), weight(Oxide::MgO), alloc);
  a = alloc.amounts;
  r.celsian = alloc.celsian;  // 0 when the silica balance drops the silicates
  r.celsianRow = alloc.celsianRow;
  r.mgRatio = alloc.mgRatio;
  r.hasMgRatio = alloc.feMgPool != 0;
  r.meanFeMgWeight = alloc.meanFeMgWeight;
  // Formula weights.
  const float mfm = r.meanFeMgWeight;
  const float mSi = weight(Oxide::SiO2), mAl = weight(Oxide::Al2O3), mCa = weight(Oxide::CaO);
  const float mP = weight(Oxide::P2O5), mF = weight(Oxide::F);
  const float an = a[index(Mineral::An)];
  const float mcs = an > 0 ? caSrOxideWeight(an, srO) : 0.0f;
  const float celsianWeight = 2 * mSi + mAl + weight(Oxide::BaO);
  const float fapPlain = 10.0f / 3 * mCa + mP - 16.0f / 3 + 2.0f / 3 * mF;
  float apWeight = 10.0f / 3 * mCa + mP;
  float fapWeight = fapPlain;
  if (an == 0 && w[index(Oxide::SrO)] > 0.02f && 16.0f / 3 * (apatite + fluorapatite) > 0.02f) {
    const bool fapLarger = apatite < fluorapatite;
    const float part = fapLarger ? fluorapatite : apatite;
    const float withSr = mCa / 3 + mP + 3 * caSrOxideWeight(3 * part, srO);
    if (fapLarger) {
      fapWeight = withSr - 16.0f / 3 + 2.0f / 3 * mF;
    } else {
      apWeight = withSr;
    }
  }

  std::array<float, kMineralCount + 1> fw{};
  fw[index(Mineral::Q)] = mSi;
  fw[index(Mineral::Or)] = 6 * mSi + mAl + weight(Oxide::K2O);
  fw[index(Mineral::Ab)] = 6 * mSi + mAl + weight(Oxide::Na2O);
  fw[index(Mineral::An)] = 2 * mSi + mAl + mcs;
  fw[index(Mineral::Lc)] = 4 * mSi + mAl + weight(Oxide::K2O);
  fw[index(Mineral::Ne)] = 2 * mSi + mAl + weight(Oxide::Na2O);
  fw[index(Mineral::Kal)] = 2 * mSi + mAl + weight(Oxide::K2O);
  fw[index(Mineral::C)] = mAl;
  fw[index(Mineral::Di)] = mCa + mfm + 2 * mSi;
  fw[index(Mineral::Hy)] = mfm + mSi;
  fw[index(Mineral::Wo)] = mCa + mSi;
  fw[index(Mineral::Ol)] = 2 * mfm + mSi;
  fw[index(Mineral::Ac)] = 4 * mSi + weight(Oxide::Fe2O3) + weight(Oxide::Na2O);
  fw[index(Mineral::Mt)] = weight(Oxide::FeO) + weight(Oxide::Fe2O3);
  fw[index(Mineral::Il)] = weight(Oxide::FeO) + weight(Oxide::TiO2);
  fw[index(Mineral::Hem)] = weight(Oxide::Fe2O3);
  fw[index(Mineral::Tn)] = mCa + weight(Oxide::TiO2) + mSi;
  fw[index(Mineral::Pf)] = mCa + weight(Oxide::TiO2);
  fw[index(Mineral::Wus)] = mfm;
  fw[index(Mineral::Hl)] = weight(Oxide::Na2O) / 2 - 8 + weight(Oxide::Cl);
  fw[index(Mineral::NaC)] = weight(Oxide::CO2) + weight(Oxide::Na2O);
  fw[index(Mineral::Th)] = weight(Oxide::SO3) + weight(Oxide::Na2O);
  fw[index(Mineral::Zr)] = weight(Oxide::ZrO2) + mSi;
  fw[index(Mineral::Fl)] = 2 * mF + mCa - 16;
  fw[index(Mineral::Pr)] = 2 * weight(Oxide::S) + weight(Oxide::FeO) - 16;
  fw[index(Mineral::Cc)] = weight(Oxide::CO2) + mCa;
  fw[index(Mineral::Ru)] = weight(Oxide::TiO2);
  fw[index(Mineral::Cm)] = weight(Oxide::Cr2O3) + weight(Oxide::FeO);
  fw[index(Mineral::KS)] = weight(Oxide::K2O) + mSi;
  fw[index(Mineral::NaS)] = weight(Oxide::Na2O) + mSi;
  fw[index(Mineral::CS)] = 2 * mCa + mSi;

  for (int k = 1; k <= kMineralCount; ++k) {
    r.cations[k] = a[k] * kCations[k];
    r.weightNorm[k] = a[k] * fw[k];
  }
  r.weightNorm[index(Mineral::Ap)] = (a[index(Mineral::Ap)] - fluorapatite) * apWeight + fluorapatite * fapWeight;
  const int cRow = index(r.celsianRow);
  r.cations[cRow] += r.celsian * 5;
  r.weightNorm[cRow] += r.celsian * celsianWeight;

  r.cations[0] = plagioclaseAn(r.cations);
  r.weightNorm[0] = plagioclaseAn(r.weightNorm);

  float cationSum = 0;
  r.weightTotal = 0;
  for (int k = 1; k <= kMineralCount; ++k) {
    r.weightTotal += r.weightNorm[k];
    cationSum += r.cations[k];
  }
  if (cationSum == 0) cationSum = 1;
  r.moleNorm[0] = r.cations[0];
  r.moleTotal = 0;
  for (int k = 1; k <= kMineralCount; ++k) {
    r.moleNorm[k] = 100 * r.cations[k] / cationSum;
    r.moleTotal += r.moleNorm[k];
  }
  return r;
}

std::optional<IronValues> adjustIron(float feO, float fe2O3, float tiO2) {
  if (feO + fe2O3 <= 0) return std::nullopt;
  if (feO != 0 && fe2O3 != 0 && fe2O3 <= tiO2 + 1.5f) return std::nullopt;
  const float feOt = feO + 0.8998f * fe2O3;
  IronValues out;
  out.fe2O3 = tiO2 + 1.5f;
  if (feOt / 0.8998f < out.fe2O3) {
    out.fe2O3 = feOt / 0.8998f;
    out.feO = 0;
  } else {
    out.feO = feOt - 0.8998f * out.fe2O3;
  }
  return out;
}

std::string formatNormEntry(float value) {
  return value == 0 ? std::string() : format::formatNumber(value, kNormEntryMask);
}
std::string formatNormTotal(float value) { return format::formatNumber(value, kNormTotalMask); }
std::string formatMgNumber(float value) { return format::formatNumber(value, kMgNumberMask); }
std::string formatAdjustedIron(float value) { return format::formatNumber(value, kAdjustedIronMask); }

}  // namespace lavix::norm
