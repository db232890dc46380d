// The four components behind the axes of an XY diagram (X numerator, X denominator, Y
// numerator, Y denominator) and the one place where models and mixing lines read their values.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "lavix/data/DataStore.h"
#include "lavix/data/StandardTable.h"
#include "lavix/models/IsotopeAmounts.h"

namespace lavix::models {

inline constexpr int componentCount = 4;

enum class ComponentKind {
  absent,     // the axis has no such part: the value is 1
  column,     // a data column (ppm, wt %, or a delta value)
  constant,   // a number written in the axis name, such as the 1 of 1/Sr
  isotope,    // the numerator isotope of an isotope-ratio axis: C × r / S
  reference,  // the reference isotope of that axis: C / S
};

// How a concentration is read from a column.
struct ColumnRead {
  int16_t column = 0;
  float factor = 1;             // ppm element per wt % oxide when an element is read from its oxide
  bool divideByNorm = false;    // "[N]": divided by the column's normalising value
  bool logColumn = false;       // the column holds log10 values (after the calculator's "Log")
};

struct Component {
  ComponentKind kind = ComponentKind::absent;
  // As written on the axis; for both parts of an isotope ratio the element, so that they
  // share one partition coefficient.
  std::string name;
  ColumnRead read;  // the column, or the isotope system's element
  double constant = 0;
  IsotopeSystem system = IsotopeSystem::none;
  int16_t ratioColumn = 0;                // the isotope ratio
  std::array<int16_t, 3> leadRatios{};   // 206PB/204PB, 207PB/204PB, 208PB/204PB
  bool oxygen = false;                    // a δ18O value, modelled with a fractionation Δ

  bool exists() const { return kind != ComponentKind::absent; }
};

struct AxisComponents {
  std::array<Component, componentCount> parts;  // components 1..4 at 0..3
  std::string error;  // "did not find data for ..." when a part has no data; empty when found
};

// The components of the two axis titles (display form, markup kept). An axis name is split
// at "/" into numerator and denominator unless it names a column or an isotope ratio whole.
AxisComponents findComponents(const std::string& xTitle, const std::string& yTitle, const data::DataStore& store,
                              const data::StandardTable& standard);

// What the values are read from. `normFlag` marks the columns recast to 100 volatile-free
// (their values are multiplied by the row's totalFactor); null: none.
struct ComponentData {
  const data::DataStore& store;
  const std::vector<int16_t>* normFlag = nullptr;
};

// The component's value in a row; nullopt when an isotope ratio or its element cannot be read.
std::optional<double> componentValue(const ComponentData& data, const Component& component, int row);

}  // namespace lavix::models
