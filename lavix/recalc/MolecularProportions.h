// The molecular proportions that CMAS and mineral projections plot: each analysis's standard
// oxides in wt% divided by their molecular weights, with chromium and nickel wherever the data
// hold them (as oxides in wt% or as elements in ppm).
#pragma once

#include <array>
#include <vector>

#include "lavix/data/DataStore.h"
#include "lavix/data/StandardTable.h"
#include "lavix/recalc/CrNiColumns.h"
#include "lavix/recalc/FerricIron.h"

namespace lavix::recalc {

// Per row, entries 1..13 by standard oxide index (entry 0 unused): SiO2 .. P2O5, then NiO (12)
// and Cr2O3 (13), each divided by its own molecular weight.
using MoleAmounts = std::array<float, data::standardCount + 1>;

// Rows 0..rowCount (row 0 all 0). `iron` (CMAS): the iron split of adjustIron is applied to
// entries 1..11; null (minerals): the iron as it is in the data. An absent oxide reads 0; a
// molecular weight of 0 gives 0.
std::vector<MoleAmounts> molecularProportions(const data::DataStore& store, const data::StandardTable& standard,
                                              const CrNiColumns& crNi, const IronState* iron);

// The row's standard oxides 1..17 in wt% (an absent oxide is 0; total iron as FeO).
OxideWork oxidesOfRow(const data::DataStore& store, int row);

}  // namespace lavix::recalc
