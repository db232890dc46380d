// The standard oxide table (Controls/lavix.data.txt) that names, weights and converts
// the 17 standard oxides every subsystem finds through stdColumn.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace lavix::data {

inline constexpr int standardCount = 17;

// Arrays are 1-based like the file's fields: entry 0 is unused.
struct StandardTable {
  std::array<std::string, standardCount + 1> stdName{};       // line 1: "SiO2" ... exact form
  std::array<float, standardCount + 1> molecularWeight{};      // line 2: g/mol
  std::array<int16_t, standardCount + 1> cations{};            // line 3: cations per formula unit
  std::array<std::string, standardCount + 1> stdElement{};     // line 4: "Si" ...
  std::array<float, standardCount + 1> elementFactor{};        // line 5: ppm element per wt% oxide
  std::array<float, 13> molarVolume{};                         // line 6: 12 partial molar volumes, cm3/mol
  std::array<std::string, 27> normColumnName{};                // line 7: 26 CIPW norm column names
  std::array<float, 15> ferricCoefficient{};                   // line 8: 14 Fe2O3/FeO model numbers
  std::vector<std::string> displayName;                        // line 9 on: up to 100, with markup

  // 1..17 for a name equal (after stripMarkup and upper-casing) to a standard name; else 0.
  int indexOfName(const std::string& name) const;
};

}  // namespace lavix::data
