// The CIPW norm of one analysis (weight and mole norms) and the row-wise variant lavix appends as columns.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lavix::norm {

// Oxide rows in input order (0-based here; the user-facing table numbers them from 1).
enum class Oxide : int {
  SiO2, TiO2, Al2O3, Fe2O3, FeO, MnO, MgO, CaO, Na2O, K2O, P2O5, CO2,
  H2Oplus, H2Ominus, ZrO2, Cr2O3, NiO, BaO, SrO, Li2O, F, Cl, S, SO3
};
inline constexpr int kOxideCount = 24;
constexpr int index(Oxide o) { return static_cast<int>(o); }

// Captions of the 24 oxide inputs, then "Total".
inline constexpr std::array<std::string_view, kOxideCount + 1> kOxideNames = {
    "SiO2", "TiO2", "Al2O3", "Fe2O3", "FeO", "MnO", "MgO", "CaO", "Na2O", "K2O", "P2O5", "CO2",
    "H2O+", "H2O-", "ZrO2", "Cr2O3", "NiO", "BaO", "SrO", "Li2O", "F", "Cl", "S", "SO3", "Total"};

// Molecular weights, single precision as the norm uses them.
inline constexpr std::array<float, kOxideCount> kOxideWeights = {
    60.0848f, 79.899f, 101.961f, 159.692f, 71.846f, 70.9374f, 40.311f, 56.0794f,
    61.979f,  94.2f,   141.95f,  44.011f,  18.0152f, 18.0152f, 123.22f, 151.9902f,
    74.71f,   153.36f, 103.63f,  29.88f,   19.0f,    35.457f,  32.066f, 80.066f};

// Mineral rows 1..32 (0 is the An of the plagioclase in result vectors).
enum class Mineral : int {
  An0 = 0,
  Q = 1, Or, Ab, An, Lc, Ne, Kal, C, Di, Hy, Wo, Ol, Ac, Mt, Il, Hem, Ap, Tn, Pf, Wus,
  Hl, NaC, Th, Zr, Fl, Pr, Cc, Ru, Cm, KS, NaS, CS
};
inline constexpr int kMineralCount = 32;
constexpr int index(Mineral m) { return static_cast<int>(m); }

// Captions of the output rows 1..34 (index 0 unused, 33 "Total", 34 "AN").
inline constexpr std::array<std::string_view, 35> kMineralLabels = {
    "",   "Q",  "or", "ab",  "an",  "lc", "ne",  "kal", "C",  "di", "hy", "wo",
    "ol", "ac", "mt", "il",  "hem", "ap", "tn",  "pf",  "wus", "hl", "NaC", "th",
    "zr", "fl", "pr", "cc",  "ru",  "cm", "KS",  "NaS", "CS",  "Total", "AN"};

enum class NormType : int { Weight = 1, Mole = 2 };

struct CipwOptions {
  NormType type = NormType::Weight;
  bool hauynePresent = false;     // sulfate goes to thenardite
  bool cancrinitePresent = false;  // CO2 goes to sodium carbonate
  bool calcitePresent = false;     // CO2 takes its CaO away (ignored with cancrinite)
  bool calcitePrimary = false;     // with calcitePresent: report it as "cc"
};

struct CipwInput {
  std::array<float, kOxideCount> oxides{};  // weight percent, input order
  CipwOptions options;
};

// Vectors indexed by Mineral: entry 0 is the An of the plagioclase, 1..32 the minerals.
using NormVector = std::array<float, kMineralCount + 1>;

struct CipwResult {
  bool computed = false;  // false: the oxide sum was below 10, nothing is to be shown
  float oxideTotal = 0;   // sum of the 24 inputs (shown "#00.00")
  float mgNumber = 0;     // MgO/(MgO+FeO+Fe2O3) molar, before lumping
  // MgO/(FeO+MgO) of the ferromagnesian pool; 0 when the pool is empty (hasMgRatio false).
  float mgRatio = 0;
  bool hasMgRatio = false;
  float meanFeMgWeight = 0;  // MFM

  // Final molar amounts in the units of the mineral table (entry 0 unused); the K-feldspar-family
  // rows hold the K2O part only, celsian is apart; "ap" holds both apatite parts.
  NormVector amounts{};
  float celsian = 0;  // molar BaO, counted with the row celsianRow
  Mineral celsianRow = Mineral::Or;
  float fluorapatite = 0;  // the fluorapatite part of "ap" (mol P2O5)

  NormVector weightNorm{};  // grams per 100 g; entry 0 = An by weight
  NormVector cations{};     // raw cation amounts; entry 0 = An by cations
  NormVector moleNorm{};    // cations scaled so 1..32 sum to 100; entry 0 = An by cations
  float weightTotal = 0;    // sum of weightNorm 1..32
  float moleTotal = 0;      // sum of moleNorm 1..32

  // The vector and total of the chosen norm type.
  const NormVector& shown(NormType type) const { return type == NormType::Mole ? moleNorm : weightNorm; }
  float shownTotal(NormType type) const { return type == NormType::Mole ? moleTotal : weightTotal; }
};

CipwResult computeCipwNorm(const CipwInput& input);

// The "Fe2O3 = TiO2+1.5" iron adjustment; nullopt when the rule leaves the values alone.
struct IronValues {
  float feO = 0;
  float fe2O3 = 0;
};
std::optional<IronValues> adjustIron(float feO, float fe2O3, float tiO2);

// Display texts: a mineral entry ("" for 0, else "#0.00"), a total or An ("#00.00"),
// the oxide total ("#00.00"), the Mg number (" 0.###"), the adjusted iron ("##.00").
inline constexpr std::string_view kNormEntryMask = "#0.00";
inline constexpr std::string_view kNormTotalMask = "#00.00";
inline constexpr std::string_view kMgNumberMask = " 0.###";
inline constexpr std::string_view kAdjustedIronMask = "##.00";
std::string formatNormEntry(float value);
std::string formatNormTotal(float value);
std::string formatMgNumber(float value);
std::string formatAdjustedIron(float value);

// ---- lavix: one row of the data matrix -> 26 columns ----

inline constexpr int kStdOxideCount = 17;
inline constexpr int kLavixNormColumns = 26;

// Column order of the appended values (An of the plagioclase first).
enum class LavixColumn : int {
  An, Q, Or, Ab, AnMineral, Lc, Ne, Kal, C, Di, Hy, Wo, Ol, Ac, Mt, Il, Hem, Tn, Ap, Cm, Pf, Wus, Ru, KS, NaS, CS
};
constexpr int index(LavixColumn c) { return static_cast<int>(c); }

// Used when the standard table lacks its norm names line.
inline constexpr std::array<std::string_view, kLavixNormColumns> kDefaultLavixNormNames = {
    "An[pl]", "Q", "or", "ab", "an", "lc", "ne", "kal", "C", "di", "hy", "wo", "ol",
    "ac", "mt", "il", "hem", "tn", "ap", "cm", "pf", "wus", "ru", "KS", "NaS", "CS"};

struct LavixNormOptions {
  bool adjustIron = false;
  bool cationNorm = false;  // false: weight norm with fixed formula weights
  bool normalise = false;   // recast standard oxides 1..12 to 100
};

// The 17 standard oxide weights of the standard table (line 2); only the FeO and MgO
// weights (standard oxides 5 and 7) are used, for MFM.
using StdOxides = std::array<float, kStdOxideCount>;

std::array<float, kLavixNormColumns> computeLavixNorm(const StdOxides& oxides, const StdOxides& weights,
                                                      const LavixNormOptions& options);

}  // namespace lavix::norm
