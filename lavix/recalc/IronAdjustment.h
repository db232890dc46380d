// The iron adjustment the projections need: the ferric/ferrous ratio of Sack et al. (1980) set
// by the user, the split of one analysis's iron into FeO and Fe2O3 with its conversion to
// molecular proportions, and where the data hold chromium and nickel.
//
// Sack R.O., Carmichael I.S.E., Rivers M., Ghiorso M.S. (1980) Ferric-ferrous equilibria in
// natural silicate liquids at 1 bar. Contributions to Mineralogy and Petrology 75, 369-376.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "common/ui/Prompts.h"
#include "lavix/data/DataStore.h"
#include "lavix/data/DialogExchange.h"
#include "lavix/data/StandardTable.h"

namespace lavix::recalc {

// One analysis's standard oxides, entries 1..17 in the standard table's order (entry 0
// unused): 4 is Fe2O3, 5 is FeO.
using OxideWork = std::array<float, data::standardCount + 1>;

struct FerricRatio {
  std::string feRatioMode;  // "R" while the ratio is to be reset, empty otherwise
  float feRatioTerm = 0;    // 13184.7 / (T + 273) + log fO2 × 2.303 × 0.218 − 4.499
  float feTempC = 1200;     // °C, the last value entered
  float feLogFO2 = -8;      // log10 fO2, the last value entered
  std::string feLabel;      // "T= 1200 fo2= -8" after a reset, empty otherwise
};

// The ferric/ferrous dialog. "Leave it unchanged" (or a cancelled temperature dialog) leaves no
// adjustment to make; "Reset this ratio" asks for the temperature and fO2.
void setFerricRatio(FerricRatio& ratio, data::DialogExchange& exchange, ui::PromptPort& prompts);

// With feRatioMode "R" all iron becomes FeO (FeO + 0.8999 Fe2O3); entries 1..11 are divided by
// their molecular weights; then, with "R", the iron is split again by the ratio at the
// analysis's composition, both halves as molecular proportions. A sum of 0 counts as 1.
void adjustIron(OxideWork& oxideWork, const FerricRatio& ratio, const data::StandardTable& standard);

// The chromium and nickel columns: "CR2O3" and "NIO" in wt% (factor 1), "CR" and "NI" in ppm
// (factors to wt% oxide); the later column wins. 0 when absent.
struct CrNiColumns {
  int16_t crColumn = 0, niColumn = 0;
  float crFactor = 0, niFactor = 0;
};
CrNiColumns findCrNi(const data::DataStore& store);

}  // namespace lavix::recalc
