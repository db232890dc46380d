// The row-wise norm lavix appends to its data matrix: no volatiles, halogens or trace oxides, fixed formula weights.
#include "common/norm/CipwCore.h"

namespace lavix::norm {

namespace {

// Standard oxide numbers (0-based) of the standard table.
enum Std : int { SiO2, TiO2, Al2O3, Fe2O3, FeO, MnO, MgO, CaO, Na2O, K2O, P2O5, NiO, Cr2O3, H2O, LOI };

constexpr float kApatiteCations = 5.3333f;
constexpr float kChromiteWeight = 223.84f;  // FeCr2O4

}  // namespace

std::array<float, kLavixNormColumns> computeLavixNorm(const StdOxides& oxides, const StdOxides& weights,
                                                      const LavixNormOptions& options) {
  StdOxides w = oxides;
  float total = 0;
  for (float v : w) total += v;
  total -= w[H2O] + w[LOI];

  if (options.adjustIron) {
    if (auto iron = adjustIron(w[FeO], w[Fe2O3], w[TiO2])) {
      total += iron->feO + iron->fe2O3 - w[FeO] - w[Fe2O3];
      w[FeO] = iron->feO;
      w[Fe2O3] = iron->fe2O3;
    }
  }
  if (options.normalise) {
    const float factor = 100 / (total == 0 ? 1.0f : total);
    for (int i = SiO2; i <= NiO; ++i) w[i] *= factor;
  }
  for (int i : {TiO2, P2O5, NiO, Cr2O3}) {
    if (w[i] < 0.01f) w[i] = 0;
  }

  StdOxides m{};
  for (int i = 0; i < kStdOxideCount; ++i) m[i] = weights[i] != 0 ? w[i] / weights[i] : 0.0f;

  detail::Allocation alloc;
  NormVector& a = alloc.amounts;
  float caO = m[CaO];
  if (m[P2O5] > 0) {
    a[index(Mineral::Ap)] = m[P2O5];
    caO -= 10.0f / 3 * m[P2O5];
  }
  a[index(Mineral::Cm)] = m[Cr2O3];

  detail::Pool pool;
  pool.siO2 = m[SiO2];
  pool.tiO2 = m[TiO2];
  pool.al2O3 = m[Al2O3];
  pool.fe2O3 = m[Fe2O3];
  pool.feO = m[FeO] + m[MnO] + m[NiO] - m[Cr2O3];
  pool.mgO = m[MgO];
  pool.caO = caO;
  pool.na2O = m[Na2O];
  pool.k2O = m[K2O];
  detail::allocateSilicates(pool, weights[FeO], weights[MgO], alloc);

  // Column order of the appended values, as minerals (An and the chromite column apart).
  constexpr std::array<Mineral, kLavixNormColumns> kRows = {
      Mineral::An0, Mineral::Q,  Mineral::Or, Mineral::Ab,  Mineral::An, Mineral::Lc,  Mineral::Ne,
      Mineral::Kal, Mineral::C,  Mineral::Di, Mineral::Hy,  Mineral::Wo, Mineral::Ol,  Mineral::Ac,
      Mineral::Mt,  Mineral::Il, Mineral::Hem, Mineral::Tn, Mineral::Ap, Mineral::Cm,  Mineral::Pf,
      Mineral::Wus, Mineral::Ru, Mineral::KS, Mineral::NaS, Mineral::CS};

  std::array<float, kLavixNormColumns> out{};
  const int ab = index(LavixColumn::Ab);
  const int an = index(LavixColumn::AnMineral);
  if (options.cationNorm) {
    constexpr std::array<float, kLavixNormColumns> kCations = {
        0, 1, 10, 10, 5, 8, 6, 6, 2, 4, 2, 2, 3, 8, 3, 2, 2, 3, kApatiteCations, 3, 2, 1, 1, 3, 3, 3};
    float sum = 0;
    for (int c = 1; c < kLavixNormColumns; ++c) {
      out[c] = a[index(kRows[c])] * kCations[c];
      sum += out[c];
    }
    if (sum == 0) sum = 1;
    for (int c = 1; c < kLavixNormColumns; ++c) out[c] = 100 * out[c] / sum;
  } else {
    const float mfm = alloc.meanFeMgWeight;
    const std::array<float, kLavixNormColumns> kWeights = {
        0,      60.09f,  556.7f,  524.48f, 278.221f, 436.52f, 284.12f, 316.34f,         101.96f,
        mfm + 176.26f,   mfm + 60.09f,     116.17f,  2 * mfm + 60.09f,  462.04f,        231.55f,
        151.75f, 159.7f, 196.07f, 328.88f, kChromiteWeight,  135.98f, mfm, 79.9f, 154.29f, 122.07f, 172.25f};
    for (int c = 1; c < kLavixNormColumns; ++c) out[c] = a[index(kRows[c])] * kWeights[c];
  }
  out[0] = out[ab] + out[an] > 0.000001f ? 100 * out[an] / (out[ab] + out[an]) : 0.0f;
  return out;
}

}  // namespace lavix::norm
