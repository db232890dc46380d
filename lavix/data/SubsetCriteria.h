// The subset criteria of the selection window and the row test the redraw plots with.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lavix/data/DataStore.h"

namespace lavix::data {

// Each of the three lists holds at most this many entries.
inline constexpr int maxCriteriaEntries = 30;

// Variable references: the three codes, or a data column 1..columnCount.
inline constexpr int16_t jcodeVariable = -2;
inline constexpr int16_t kcodeVariable = -1;
inline constexpr int16_t lcodeVariable = 0;

struct LimitCriterion {
  int16_t variable = 0;
  float minimum = 0;
  float maximum = 0;
  bool operator==(const LimitCriterion&) const = default;
};

// A MATCH or EXCLUDE entry: the row's text for the variable must equal `value` exactly.
struct ValueCriterion {
  int16_t variable = 0;
  std::string value;
  bool operator==(const ValueCriterion&) const = default;
};

// Program-wide; a load does not clear it.
struct SubsetCriteria {
  std::vector<LimitCriterion> limits;
  std::vector<ValueCriterion> match;
  std::vector<ValueCriterion> exclude;
  // Empty lists select every row, so being on by default costs nothing.
  bool active = true;

  bool operator==(const SubsetCriteria&) const = default;
};

// "Jcode", "Kcode", "Lcode" or the column's display name; "" for a reference out of range.
std::string variableName(const DataStore& store, int16_t variable);

// The reference of a name compared after stripMarkup and upper-casing ("KCODE" is -1).
std::optional<int16_t> findVariable(const DataStore& store, std::string_view name);

// The code, or parseNumber of the cell times the row's totalFactor when the column's
// normFlag is 1 (null normFlag: no column is normalised).
float variableValue(const DataStore& store, int16_t variable, int row,
                    const std::vector<int16_t>* normFlag = nullptr);

// What MATCH and EXCLUDE compare: the code as integer text, or the cell's text as stored.
std::string variableText(const DataStore& store, int16_t variable, int row);

// True when the switch is off, or the row meets every limit (ends included), equals at
// least one MATCH entry (when there are any) and no EXCLUDE entry.
bool rowSelected(const SubsetCriteria& criteria, const DataStore& store, int row,
                 const std::vector<int16_t>* normFlag = nullptr);

}  // namespace lavix::data
