// Column names that give the iron of an analysis as one total (FeOT, FeO*, Fe2O3(t), TFe2O3 ...).
#include "common/text/TotalIron.h"

#include <array>
#include <string>
#include <utility>

#include "common/text/Text.h"

namespace lavix::text {

namespace {

bool isTotalMark(std::string_view mark) {
  constexpr std::array<std::string_view, 4> marks = {"T", "TOT", "TOTAL", "*"};
  for (std::string_view m : marks)
    if (mark == m) return true;
  return false;
}

}  // namespace

TotalIron totalIronKind(std::string_view name) {
  std::string n;
  for (char c : normaliseName(name))
    if (c != '(' && c != ')' && c != '_' && c != '.' && c != '-') n += c;
  constexpr std::array<std::pair<std::string_view, TotalIron>, 2> oxides = {
      {{"FE2O3", TotalIron::AsFe2O3}, {"FEO", TotalIron::AsFeO}}};
  for (const auto& [oxide, kind] : oxides) {
    const std::size_t at = n.find(oxide);
    if (at == std::string::npos) continue;
    const std::string_view before = std::string_view(n).substr(0, at);
    const std::string_view after = std::string_view(n).substr(at + oxide.size());
    // One mark, on one side: "*FeO" is not a way to write it.
    if (before.empty() && isTotalMark(after)) return kind;
    if (after.empty() && before != "*" && isTotalMark(before)) return kind;
  }
  return TotalIron::None;
}

float totalIronAsFeO(TotalIron kind) {
  switch (kind) {
    case TotalIron::AsFeO: return 1.0f;
    case TotalIron::AsFe2O3: return feoPerFe2o3;
    case TotalIron::None: break;
  }
  return 0.0f;
}

}  // namespace lavix::text
