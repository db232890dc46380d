// Physical properties of the analysed melt: liquidus, density, viscosity, heat capacity, DI, rock density.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "common/norm/Cipw.h"

namespace lavix::norm {

// Conditions typed by the user; a temperature of 0 stands for the default 1200 C.
struct MeltConditions {
  float temperatureC = 1200;
  float pressureKbar = 0;
  float waterWtPercent = 0;
  bool operator==(const MeltConditions&) const = default;
};
inline constexpr float kDefaultTemperatureC = 1200;

// Property list entries 1..8 as the report numbers them (index 0 unused).
inline constexpr std::array<std::string_view, 9> kPropertyLabels = {
    "", "Liquid Density", "Rock Density ", " DI ", " Mg # ", "Heat Capacity", "Basalt Liq Temp",
    "Log visc poises", "Eff. visc"};

// Masks of the property fields.
inline constexpr std::string_view kLiquidusMask = " ####.#";
inline constexpr std::string_view kLiquidDensityMask = " #.##";
inline constexpr std::string_view kLogViscosityMask = " #0.##";
inline constexpr std::string_view kHeatCapacityMask = " 0.##";
inline constexpr std::string_view kDifferentiationIndexMask = " #0.##";
inline constexpr std::string_view kRockDensityMask = " #.##";
inline constexpr std::string_view kResidualViscosityMask = " #0.00";
inline constexpr std::string_view kEffectiveViscosityMask = " ##0.00";

struct MeltProperties {
  // Basalt liquidus (C); absent when SiO2 is outside 48..53.
  std::optional<float> liquidusTemperature;
  float liquidDensity = 0;  // g/cm3
  float logViscosity = 0;   // log10 poise; absent (hasViscosity false) when N was 0
  bool hasViscosity = false;
  float heatCapacity = 0;  // cal/(g K); 0 when G was not positive
  float differentiationIndex = 0;
  float rockDensity = 0;  // g/cm3
};

// Liquidus of a basalt from its iron ratio; nullopt outside 48 <= SiO2 <= 53.
std::optional<float> basaltLiquidusTemperature(const std::array<float, kOxideCount>& oxides, bool hasNepheline);

// Everything but the effective viscosity. The temperature must already be defaulted (see
// effectiveTemperature); oxides are the 24 weight percentages as entered.
MeltProperties computeMeltProperties(const std::array<float, kOxideCount>& oxides, const CipwResult& norm,
                                     const MeltConditions& conditions);

// 0 (empty field) becomes 1200.
inline float effectiveTemperature(float enteredC) { return enteredC == 0 ? kDefaultTemperatureC : enteredC; }

// log10 viscosity (poise) of a liquid whose anhydrous percentages of SiO2..P2O5 are given,
// with water W wt% (the oxides are recast to 100 - W); nullopt when N is 0 or the liquid is
// pure silica. `lnToLog` is 2.303 for the melt and 2.302 for the
// residual liquid of the effective-viscosity command.
std::optional<float> logViscosity(const std::array<float, 11>& oxides, float waterWtPercent, float temperatureC,
                                  float lnToLog = 2.303f);

// ---- effective viscosity of a crystal-bearing magma ----

inline constexpr std::string_view kCrystalDialogTitle = "Enter data%";
inline constexpr std::array<std::string_view, 8> kCrystalPrompts = {
    "ave size of xtals in mm (<=2mm!)", "% Plagioclase", "% K-Feldspar", "% Olivine",
    "% Augite", "% Ca-Poor Pyx", "% Mt-Ilm", "% Quartz"};
inline constexpr std::string_view kFractionTooLarge = "Volume fraction is very large! Lower it to 50%";
inline constexpr std::string_view kViscosityCalcError = "viscosity calc error";

// The eight answers of the crystal dialog, as typed.
struct CrystalLoad {
  float sizeMm = 0;
  std::array<float, 7> percent{};  // plagioclase, K-feldspar, olivine, augite, Ca-poor pyx, Mt-Ilm, quartz
};

enum class EffectiveViscosityStatus {
  Done,              // both values set
  Ended,             // size 0 or no crystals: the command ends silently
  FractionTooLarge,  // crystal fraction > 0.5 on a first entry: show kFractionTooLarge, ask again
  Failed             // show kViscosityCalcError
};

struct EffectiveViscosity {
  EffectiveViscosityStatus status = EffectiveViscosityStatus::Ended;
  float residualLogViscosity = 0;   // log10 poise of the liquid left (shown " #0.00")
  float effectiveLogViscosity = 0;  // log10 poise of liquid plus crystals (shown " ##0.00")
  float crystalFraction = 0;
};

// One evaluation of the command for one dialog entry. `secondEntry` accepts fractions
// above 0.5 (the answer after the warning). Oxides are the 24 weight percentages.
EffectiveViscosity computeEffectiveViscosity(const std::array<float, kOxideCount>& oxides,
                                             const MeltConditions& conditions, const CrystalLoad& crystals,
                                             bool secondEntry);

}  // namespace lavix::norm
