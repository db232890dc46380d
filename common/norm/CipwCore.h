// The allocation steps shared by the full norm and lavix's row-wise norm (internal to the library).
#pragma once

#include "common/norm/Cipw.h"

namespace lavix::norm::detail {

// Molar amounts still unallotted, in mol of the oxide.
struct Pool {
  float siO2 = 0, tiO2 = 0, al2O3 = 0, fe2O3 = 0, feO = 0, mgO = 0, caO = 0, na2O = 0, k2O = 0, baO = 0, zrO2 = 0;
};

struct Allocation {
  NormVector amounts{};
  float celsian = 0;
  Mineral celsianRow = Mineral::Or;
  float feMgPool = 0;  // FM of the ferromagnesian pool
  float mgRatio = 0;   // MgO/FM, 0 when FM is 0
  float meanFeMgWeight = 0;
};

// Ilmenite, feldspars with acmite and metasilicates, titanite, magnetite, the (Fe,Mg)O pool,
// diopside, then the silica balance and desilication. Amounts already allotted (ap, hl, ...)
// are kept in `out.amounts`. `feOWeight` and `mgOWeight` give MFM.
void allocateSilicates(Pool pool, float feOWeight, float mgOWeight, Allocation& out);

}  // namespace lavix::norm::detail
