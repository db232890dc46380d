// Cation proportions of every analysis: the basis of the Pearce element ratios.
#pragma once

#include <array>
#include <vector>

#include "lavix/data/DataStore.h"
#include "lavix/data/StandardTable.h"
#include "lavix/recalc/CrNiColumns.h"
#include "lavix/recalc/FerricIron.h"

namespace lavix::recalc {

// Entries 1..13 in the order of the standard oxides: SiO2 .. P2O5 (after adjustIron), NiO and
// Cr2O3 (from findCrNi's columns, oxide or ppm); entry 0 unused.
inline constexpr int cationOxides = 13;
using CationRow = std::array<float, cationOxides + 1>;

// One row: wt % / molecular weight x cations per formula unit (lines 2 and 3 of the standard
// table), so n(Al) = 2 x Al2O3 / 101.96.
CationRow cationProportions(const data::DataStore& store, const data::StandardTable& standard, const IronState& iron,
                            const CrNiColumns& crNi, int row);

// Rows 0..rowCount (row 0 all zero).
std::vector<CationRow> cationTable(const data::DataStore& store, const data::StandardTable& standard,
                                   const IronState& iron, const CrNiColumns& crNi);

}  // namespace lavix::recalc
