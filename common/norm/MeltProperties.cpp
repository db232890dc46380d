// Melt properties derived after the norm, and the effective viscosity of a crystal-bearing magma.
#include "common/norm/MeltProperties.h"

#include <cmath>

namespace lavix::norm {

namespace {

constexpr int kMajors = 11;  // SiO2 .. P2O5
using Majors = std::array<float, kMajors>;

float at(const std::array<float, kOxideCount>& v, Oxide o) { return v[index(o)]; }

// The anhydrous percentages of SiO2..P2O5: 100 x oxide / (total less H2O+ and H2O-); 0 when
// that dry total is not positive.
Majors anhydrousPercent(const std::array<float, kOxideCount>& oxides) {
  float dry = 0;
  for (float v : oxides) dry += v;
  dry -= at(oxides, Oxide::H2Oplus) + at(oxides, Oxide::H2Ominus);
  Majors out{};
  if (dry <= 0) return out;
  for (int i = 0; i < kMajors; ++i) out[i] = 100 * oxides[i] / dry;
  return out;
}

Majors toMoles(const Majors& percent) {
  Majors out{};
  for (int i = 0; i < kMajors; ++i) out[i] = kOxideWeights[i] != 0 ? percent[i] / kOxideWeights[i] : 0.0f;
  return out;
}

float liquidDensity(const Majors& moles, float temperatureC, float pressureKbar) {
  struct Term {
    float volume, expansion;
  };
  const float dt = temperatureC - 1400;
  auto term = [&](float mol, Term t) { return mol * t.volume * (1 + t.expansion * 0.00001f * dt); };
  auto m = [&](Oxide o) { return moles[index(o)]; };
  float v100 = term(m(Oxide::SiO2), {27.03f, 0}) + term(m(Oxide::TiO2), {22.6f, 26.7f}) +
               term(m(Oxide::Al2O3), {36.63f, 14.7f}) + term(m(Oxide::Fe2O3), {43.73f, 12.2f}) +
               term(m(Oxide::FeO) + m(Oxide::MnO), {13.85f, 31.2f}) + term(m(Oxide::MgO), {11.43f, 9.4f}) +
               term(m(Oxide::CaO), {16.32f, 38.4f}) + term(m(Oxide::Na2O), {28.78f, 23.5f}) +
               term(m(Oxide::K2O), {45.93f, 24.9f});
  v100 *= 1 - 0.007f * pressureKbar;
  const float density = v100 > 0 ? 100 / v100 : 0.0f;
  return density * (1 + 0.007f * pressureKbar);
}

float heatCapacity(const Majors& moles) {
  float sum = 0;
  for (float v : moles) sum += v;
  if (sum == 0) return 0;
  Majors pct{};
  for (int i = 0; i < kMajors; ++i) pct[i] = moles[i] * 100 / sum;
  constexpr Majors kCp = {20.79f, 26.74f, 24.64f, 190.64f, 18.34f, 18.4f, 21.62f, 19.32f, 22.0f, 17.73f, 58.5f};
  float c = 0, g = 0;
  for (int i = 0; i < kMajors; ++i) {
    c += kCp[i] * pct[i];
    const float product = kOxideWeights[i] * pct[i];
    const bool twoCations = i == index(Oxide::Al2O3) || i == index(Oxide::Fe2O3) || i == index(Oxide::Na2O) ||
                            i == index(Oxide::K2O) || i == index(Oxide::P2O5);
    g += twoCations ? product / 2 : product;
  }
  return g > 0 ? c / g : 0.0f;
}

float rockDensity(const CipwResult& norm, float temperatureC, float pressureKbar) {
  const float r = norm.mgRatio;
  std::array<float, kMineralCount + 1> rho{};
  auto set = [&](Mineral m, float v) { rho[index(m)] = v; };
  set(Mineral::Q, 2.65f);
  set(Mineral::Or, 2.58f);
  set(Mineral::Ab, 2.63f);
  set(Mineral::An, 2.76f);
  set(Mineral::Lc, 2.48f);
  set(Mineral::Ne, 2.61f);
  set(Mineral::Kal, 2.61f);
  set(Mineral::C, 4.02f);
  set(Mineral::Di, 3.3f * r + 3.53f * (1 - r));
  set(Mineral::Hy, 3.209f * r + 3.96f * (1 - r));
  set(Mineral::Wo, 2.85f);
  set(Mineral::Ol, 3.222f * r + 4.392f * (1 - r));
  set(Mineral::Ac, 3.5f);
  set(Mineral::Mt, 5.2f);
  set(Mineral::Il, 4.74f);
  set(Mineral::Hem, 5.256f);
  set(Mineral::Ap, 3.22f);
  set(Mineral::Tn, 3.5f);
  set(Mineral::Pf, 4.12f);
  set(Mineral::Hl, 2.16f);
  set(Mineral::Th, 2.68f);
  set(Mineral::Zr, 4.68f);
  set(Mineral::Fl, 3.18f);
  set(Mineral::Pr, 4.99f);
  set(Mineral::Cc, 2.72f);
  set(Mineral::Ru, 4.2f);
  set(Mineral::Cm, 5.09f);
  set(Mineral::KS, 2.4f);
  set(Mineral::NaS, 2.4f);
  set(Mineral::CS, 3.28f);
  float sum = 0;
  for (int k = 1; k <= kMineralCount; ++k) sum += norm.weightNorm[k] * rho[k];
  sum /= 100;
  return sum * (1 - (temperatureC + 273.15f) * 0.00002f) * (1 + 0.0013f * pressureKbar);
}

}  // namespace

std::optional<float> basaltLiquidusTemperature(const std::array<float, kOxideCount>& oxides, bool hasNepheline) {
  const float siO2 = at(oxides, Oxide::SiO2);
  if (siO2 < 48 || siO2 > 53) return std::nullopt;
  const float iron = at(oxides, Oxide::FeO) + at(oxides, Oxide::Fe2O3);
  const float denominator = at(oxides, Oxide::MgO) + iron;
  const float x = denominator != 0 ? iron / denominator : 0.0f;
  if (!hasNepheline) return x <= 0.5f ? 1440 - 1600 * (x - 0.375f) : 1240 - 480 * (x - 0.5f);
  return x <= 0.6f ? 1420 - 889 * (x - 0.375f) : 1220 - 543 * (x - 0.6f);
}

std::optional<float> logViscosity(const std::array<float, 11>& oxides, float waterWtPercent, float temperatureC,
                                  float lnToLog) {
  // Shaw (1972) Am. J. Sci. 272, 870-893: ln eta = s (10^4/T - 1.5) - 6.4 with s from the
  // silica mole fraction and the oxides' slope coefficients.
  Majors mol{};
  for (int i = 0; i < kMajors; ++i) {
    if (kOxideWeights[i] == 0) continue;
    mol[i] = oxides[i] * (100 - waterWtPercent) / 100 / kOxideWeights[i];
  }
  for (Oxide o : {Oxide::Al2O3, Oxide::Fe2O3, Oxide::Na2O, Oxide::K2O, Oxide::P2O5}) mol[index(o)] *= 2;
  auto m = [&](Oxide o) { return mol[index(o)]; };
  const float h = waterWtPercent / 18.0152f;
  float n = h - (m(Oxide::Na2O) + m(Oxide::K2O) + m(Oxide::P2O5)) / 2;
  for (float v : mol) n += v;
  const float a = 6.7f * m(Oxide::Al2O3) +
                  3.4f * (m(Oxide::FeO) + m(Oxide::Fe2O3) + m(Oxide::MnO) + m(Oxide::MgO)) +
                  4.5f * (m(Oxide::CaO) + m(Oxide::TiO2)) + 2.8f * (m(Oxide::Na2O) + m(Oxide::K2O)) / 2 + 2 * h;
  if (n == 0) return std::nullopt;
  const float xSi = m(Oxide::SiO2) / n;
  if (xSi >= 1) return std::nullopt;  // pure silica: the slope is unbounded
  const float s = (m(Oxide::SiO2) * a / (n * n)) / (1 - xSi);
  const float lnEta = s * (10000 / (temperatureC + 273.15f) - 1.5f) - 6.4f;
  return lnEta / lnToLog;
}

MeltProperties computeMeltProperties(const std::array<float, kOxideCount>& oxides, const CipwResult& norm,
                                     const MeltConditions& conditions) {
  MeltProperties out;
  const float t = conditions.temperatureC;
  const float p = conditions.pressureKbar;
  out.liquidusTemperature = basaltLiquidusTemperature(oxides, norm.cations[index(Mineral::Ne)] != 0);
  const Majors percent = anhydrousPercent(oxides);
  const Majors moles = toMoles(percent);
  out.liquidDensity = liquidDensity(moles, t, p);
  if (auto eta = logViscosity(percent, conditions.waterWtPercent, t)) {
    out.logViscosity = *eta;
    out.hasViscosity = true;
  }
  out.heatCapacity = heatCapacity(moles);
  out.differentiationIndex = 0.15582f * at(oxides, Oxide::SiO2) - 0.603f * at(oxides, Oxide::MgO) -
                             0.71469f * at(oxides, Oxide::CaO) + 0.83015f * at(oxides, Oxide::K2O);
  out.rockDensity = rockDensity(norm, t, p);
  return out;
}

namespace {

// Idealised crystals: oxide moles per formula unit, density (g/cm3) and aspect ratio of the habit.
struct CrystalKind {
  Majors moles;
  float density;
  float aspectRatio;
};

Majors formula(std::initializer_list<std::pair<Oxide, float>> parts) {
  Majors m{};
  for (auto [o, n] : parts) m[index(o)] = n;
  return m;
}

// Plagioclase An50, K-feldspar, olivine Fo80, augite Wo45En40Fs15, Ca-poor pyroxene Wo3En70Fs27,
// magnetite and ilmenite one to one, quartz.
const std::array<CrystalKind, 7>& crystalKinds() {
  static const std::array<CrystalKind, 7> kinds = {{
      {formula({{Oxide::SiO2, 2.5f}, {Oxide::Al2O3, 0.75f}, {Oxide::CaO, 0.5f}, {Oxide::Na2O, 0.25f}}), 2.69f, 3},
      {formula({{Oxide::SiO2, 3}, {Oxide::Al2O3, 0.5f}, {Oxide::K2O, 0.5f}}), 2.56f, 2},
      {formula({{Oxide::SiO2, 1}, {Oxide::MgO, 1.6f}, {Oxide::FeO, 0.4f}}), 3.44f, 1.5f},
      {formula({{Oxide::SiO2, 2}, {Oxide::CaO, 0.9f}, {Oxide::MgO, 0.8f}, {Oxide::FeO, 0.3f}}), 3.35f, 2},
      {formula({{Oxide::SiO2, 2}, {Oxide::CaO, 0.06f}, {Oxide::MgO, 1.4f}, {Oxide::FeO, 0.54f}}), 3.45f, 3},
      {formula({{Oxide::FeO, 2}, {Oxide::Fe2O3, 1}, {Oxide::TiO2, 1}}), 4.95f, 1},
      {formula({{Oxide::SiO2, 1}}), 2.65f, 1},
  }};
  return kinds;
}

// Weight-percent composition of a crystal kind.
Majors composition(const CrystalKind& kind) {
  Majors wt{};
  float sum = 0;
  for (int i = 0; i < kMajors; ++i) {
    wt[i] = kind.moles[i] * kOxideWeights[i];
    sum += wt[i];
  }
  for (float& v : wt) v = 100 * v / sum;
  return wt;
}

}  // namespace

EffectiveViscosity computeEffectiveViscosity(const std::array<float, kOxideCount>& oxides,
                                             const MeltConditions& conditions, const CrystalLoad& crystals,
                                             bool secondEntry) {
  EffectiveViscosity out;
  const float sizeMicrons = crystals.sizeMm * 1000;
  if (sizeMicrons == 0) return out;
  float phi = 0;
  for (float pct : crystals.percent) phi += pct / 100;
  out.crystalFraction = phi;
  if (phi == 0) return out;
  if (phi > 0.5f && !secondEntry) {
    out.status = EffectiveViscosityStatus::FractionTooLarge;
    return out;
  }
  out.status = EffectiveViscosityStatus::Failed;
  if (phi < 0 || phi >= 1 || sizeMicrons < 0) return out;
  for (float pct : crystals.percent) {
    if (pct < 0) return out;
  }

  // Mass of crystals per unit volume of magma, from the entered volume percentages.
  const Majors bulk = anhydrousPercent(oxides);
  const float rhoLiquid = liquidDensity(toMoles(bulk), conditions.temperatureC, conditions.pressureKbar);
  if (!(rhoLiquid > 0)) return out;
  const auto& kinds = crystalKinds();
  float crystalMass = 0;
  for (int k = 0; k < 7; ++k) crystalMass += crystals.percent[k] / 100 * kinds[k].density;
  const float magmaMass = crystalMass + (1 - phi) * rhoLiquid;

  // The liquid left: the analysis less the crystals (per 100 g of magma); the crystals are dry,
  // so the water stays in the liquid.
  Majors residual = bulk;
  for (int k = 0; k < 7; ++k) {
    const float massPercent = 100 * crystals.percent[k] / 100 * kinds[k].density / magmaMass;
    const Majors comp = composition(kinds[k]);
    for (int i = 0; i < kMajors; ++i) residual[i] -= massPercent * comp[i] / 100;
  }
  float residualSum = 0;
  for (float& v : residual) {
    if (v < 0) v = 0;  // the analysis cannot supply this much of the oxide; nothing is left of it
    residualSum += v;
  }
  if (!(residualSum > 0)) return out;
  for (float& v : residual) v = 100 * v / residualSum;
  const float liquidFraction = 1 - 100 * crystalMass / magmaMass / 100;
  const float water = liquidFraction > 0 ? conditions.waterWtPercent / liquidFraction : 0.0f;
  if (water >= 100) return out;

  const auto lnLiquid = logViscosity(residual, water, conditions.temperatureC, 1.0f);
  if (!lnLiquid) return out;

  // Suspension: Maron-Pierce law eta_r = (1 - phi/phi_m)^-2 with the maximum packing fraction
  // of the crystals' shape, phi_m = 0.656 exp(-(log10 r_p)^2 / (2 x 1.08^2)) for smooth particles
  // (Mueller, Llewellin & Mader 2010, Proc. R. Soc. A 466, 1201-1228; Mader, Llewellin & Mueller
  // 2013, J. Volcanol. Geotherm. Res. 257, 135-158). The aspect ratio is the volume-weighted
  // geometric mean of the habits. For non-Brownian crystals of micrometres to millimetres the
  // relative viscosity does not depend on their absolute size, so the size only gates the command.
  float logAspect = 0;
  for (int k = 0; k < 7; ++k) logAspect += crystals.percent[k] / 100 / phi * std::log10(kinds[k].aspectRatio);
  const float phiMax = 0.656f * std::exp(-(logAspect * logAspect) / (2 * 1.08f * 1.08f));
  if (phi >= phiMax) return out;  // a touching crystal framework has no finite viscosity
  const float lnRelative = -2 * std::log(1 - phi / phiMax);

  out.residualLogViscosity = *lnLiquid / 2.302f;
  out.effectiveLogViscosity = (*lnLiquid + lnRelative) / 2.303f;
  out.status = EffectiveViscosityStatus::Done;
  return out;
}

}  // namespace lavix::norm
