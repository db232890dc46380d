// Column names that give the iron of an analysis as one total (FeOT, FeO*, Fe2O3(t), TFe2O3 ...).
#pragma once

#include <string_view>

namespace lavix::text {

enum class TotalIron { None, AsFeO, AsFe2O3 };

// wt % FeO per wt % Fe2O3 (2 FeO / Fe2O3 by formula weight).
inline constexpr float feoPerFe2o3 = 0.8998f;

// Whether a column name, in any case and markup, names total iron: FeO or Fe2O3 with one mark
// of a total before or after it (T, TOT, TOTAL, *), as in FeOT, FeO*, FeO(t), FeO{t},
// FeO_tot, Fe2O3T, TFe2O3. Plain FeO and Fe2O3 are None.
TotalIron totalIronKind(std::string_view name);

// What a total-iron value is worth as FeO: 1 for FeO, 0.8998 for Fe2O3, 0 for None.
float totalIronAsFeO(TotalIron kind);

}  // namespace lavix::text
