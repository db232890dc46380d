// The CIPW norm of one analysis.
#include "common/norm/Cipw.h"

#include "common/format/NumberFormat.h"

namespace lavix::norm {

CipwResult computeCipwNorm(const CipwInput&) { return {}; }

std::optional<IronValues> adjustIron(float, float, float) { return std::nullopt; }

std::string formatNormEntry(float value) { return value == 0 ? std::string() : format::formatNumber(value, "#0.00"); }
std::string formatNormTotal(float value) { return format::formatNumber(value, "#00.00"); }
std::string formatMgNumber(float value) { return format::formatNumber(value, " 0.###"); }
std::string formatAdjustedIron(float value) { return format::formatNumber(value, "##.00"); }

}  // namespace lavix::norm
