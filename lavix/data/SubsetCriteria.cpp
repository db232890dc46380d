// The subset criteria of the selection window and the row test the redraw plots with.
#include "lavix/data/SubsetCriteria.h"

#include <algorithm>

#include "common/format/NumberFormat.h"
#include "common/text/Text.h"

namespace lavix::data {

namespace {

int16_t codeOf(const std::vector<int16_t>& codes, int row) {
  return row >= 0 && static_cast<std::size_t>(row) < codes.size() ? codes[static_cast<std::size_t>(row)] : 0;
}

const std::vector<int16_t>* codesOf(const DataStore& store, int16_t variable) {
  switch (variable) {
    case jcodeVariable: return &store.jcode;
    case kcodeVariable: return &store.kcode;
    case lcodeVariable: return &store.lcode;
    default: return nullptr;
  }
}

}  // namespace

std::string variableName(const DataStore& store, int16_t variable) {
  switch (variable) {
    case jcodeVariable: return "Jcode";
    case kcodeVariable: return "Kcode";
    case lcodeVariable: return "Lcode";
    default: break;
  }
  if (variable < 1 || variable >= static_cast<int>(store.columnName.size())) return {};
  return store.columnName[static_cast<std::size_t>(variable)];
}

std::optional<int16_t> findVariable(const DataStore& store, std::string_view name) {
  const std::string wanted = text::normaliseName(name);
  if (wanted.empty()) return std::nullopt;
  if (wanted == "JCODE") return jcodeVariable;
  if (wanted == "KCODE") return kcodeVariable;
  if (wanted == "LCODE") return lcodeVariable;
  const int last = std::min<int>(store.columnCount, static_cast<int>(store.columnName.size()) - 1);
  for (int c = 1; c <= last; ++c)
    if (text::normaliseName(store.columnName[static_cast<std::size_t>(c)]) == wanted) return static_cast<int16_t>(c);
  return std::nullopt;
}

float variableValue(const DataStore& store, int16_t variable, int row, const std::vector<int16_t>* normFlag) {
  if (const auto* codes = codesOf(store, variable)) return codeOf(*codes, row);
  if (variable < 1) return 0;
  float value = store.value(row, variable);
  const auto column = static_cast<std::size_t>(variable);
  if (normFlag && column < normFlag->size() && (*normFlag)[column] == 1 && row >= 0 &&
      static_cast<std::size_t>(row) < store.totalFactor.size())
    value *= store.totalFactor[static_cast<std::size_t>(row)];
  return value;
}

std::string variableText(const DataStore& store, int16_t variable, int row) {
  if (const auto* codes = codesOf(store, variable)) return format::shortestText(codeOf(*codes, row));
  if (variable < 1) return {};
  return std::string(store.cell(row, variable));
}

bool rowSelected(const SubsetCriteria& criteria, const DataStore& store, int row,
                 const std::vector<int16_t>* normFlag) {
  if (!criteria.active) return true;
  for (const auto& limit : criteria.limits) {
    const float value = variableValue(store, limit.variable, row, normFlag);
    if (!(limit.minimum <= value && value <= limit.maximum)) return false;
  }
  if (!criteria.match.empty()) {
    bool any = false;
    for (const auto& entry : criteria.match)
      if (variableText(store, entry.variable, row) == entry.value) {
        any = true;
        break;
      }
    if (!any) return false;
  }
  for (const auto& entry : criteria.exclude)
    if (variableText(store, entry.variable, row) == entry.value) return false;
  return true;
}

}  // namespace lavix::data
