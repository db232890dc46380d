// Where a data set keeps chromium and nickel: as oxides in wt % or as elements in ppm.
#pragma once

#include <cstdint>

#include "lavix/data/DataStore.h"

namespace lavix::recalc {

// A cell of the column times its factor is wt % Cr2O3 or NiO; a column of 0 means absent.
struct CrNiColumns {
  int16_t crColumn = 0;
  int16_t niColumn = 0;
  float crFactor = 0;
  float niFactor = 0;
};

// Their places among the standard oxides (and in a row of proportions).
inline constexpr int nioIndex = 12;
inline constexpr int cr2o3Index = 13;

// wt % oxide per ppm element: M(Cr2O3) / (2 A(Cr)) x 1e-4 and M(NiO) / A(Ni) x 1e-4 (IUPAC 2021
// atomic weights give 1.4615e-4 and 1.2726e-4).
inline constexpr float cr2o3PerPpmCr = 0.0001462f;
inline constexpr float nioPerPpmNi = 0.0001273f;

// Columns 1..columnCount by their upper-cased markup-free names: CR2O3 and NIO (factor 1), CR and
// NI (ppm). A later match replaces an earlier one.
CrNiColumns findCrNi(const data::DataStore& store);

// The row's wt % Cr2O3 and NiO; 0 without the column.
float cr2o3Percent(const data::DataStore& store, const CrNiColumns& columns, int row);
float nioPercent(const data::DataStore& store, const CrNiColumns& columns, int row);

}  // namespace lavix::recalc
