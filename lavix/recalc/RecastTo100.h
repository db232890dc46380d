// Columns shown recast to 100 % volatile-free, and the total-iron column "FeO{t}" that comes with
// them. The stored cells never change: a flagged column's value is multiplied by the row's
// totalFactor wherever it is used (data::variableValue with the flags).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "lavix/data/DataStore.h"

namespace lavix::recalc {

inline constexpr const char* totalIronName = data::totalIronColumnName;

struct RecastState {
  std::vector<int16_t> normFlag;  // per column: 1 when shown recast to 100
  int16_t normOn = 0;             // 1 after the user accepted the recast, 0 after refusing it
  // The FeO{t} columns the recast appended to this data set, in order; only these are taken
  // off again, never a data file's own FeO{t}.
  std::vector<int16_t> totalIronColumns;

  // What every value reader takes: the flags while the recast is on, else null (none).
  const std::vector<int16_t>* recastFlags() const { return normOn == 1 ? &normFlag : nullptr; }
  std::vector<int16_t>* recastFlags() { return normOn == 1 ? &normFlag : nullptr; }
  // A load or a new matrix: nothing is recast any more.
  void forgetData();
};

// (Fe2O3 x 0.8998 + FeO) x totalFactor of the row, Fe2O3 and FeO through stdColumn (absent: 0).
float totalIronAsFeO(const data::DataStore& store, int row);

// Every flag 0, sized to the column names.
void clearFlags(const data::DataStore& store, RecastState& recast);

// Flags the standard oxides the data set has, except those whose markup-free name holds H2O,
// CO2 or SO2 (a loss on ignition is flagged).
void flagStandardOxides(const data::DataStore& store, RecastState& recast);

// Appends an FeO{t} column (unflagged) and remembers it; the caller has checked the room.
void appendTotalIronColumn(data::DataStore& store, RecastState& recast);

// Takes off the last column when it is an FeO{t} that the recast appended.
void removeLastTotalIronColumn(data::DataStore& store, RecastState& recast);

// The markup-free names of the flagged columns 1..columnCount, in column order.
std::vector<std::string> recastColumnNames(const data::DataStore& store, const RecastState& recast);

// "(SiO2 TiO2 ... recast to 100)" for the status line; empty when nothing is recast.
std::string recastSummary(const data::DataStore& store, const RecastState& recast);

}  // namespace lavix::recalc
