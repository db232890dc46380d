// The read filter: one or two control variables whose limits decide which rows of a file
// enter the matrix.
#include "lavix/data/ReadFilter.h"

#include <algorithm>
#include <cmath>

#include "common/text/Text.h"

namespace lavix::data {

namespace {

float codeValue(std::string_view text, char decimalSeparator) {
  // Presets only: a code that would overflow on reading still shows its range.
  return std::nearbyint(text::parseNumber(text, decimalSeparator));
}

std::string_view fieldOf(const std::vector<std::string_view>& fields, int position) {
  if (position < 1 || position > static_cast<int>(fields.size())) return {};
  return fields[static_cast<std::size_t>(position - 1)];
}

// The variable's range over the file's data lines, from its non-empty fields.
void rangeOf(const ControlVariable& variable, const FilterSource& source, float& low, float& high) {
  const int position = variable.kind == ControlVariable::Kind::Jcode   ? source.jcodeField
                       : variable.kind == ControlVariable::Kind::Kcode ? source.kcodeField
                       : variable.kind == ControlVariable::Kind::Lcode ? source.lcodeField
                                                                       : variable.field;
  bool any = false;
  low = high = 0;
  std::vector<std::string_view> fields;
  for (std::string_view line : source.dataLines) {
    if (line.empty()) continue;
    char tab = '\t';
    text::tokenizeLine(line, tab, fields);
    std::string_view t = fieldOf(fields, position);
    if (text::trim(t).empty()) continue;
    float v = variable.kind == ControlVariable::Kind::Field ? text::parseNumber(t, source.decimalSeparator)
                                                            : codeValue(t, source.decimalSeparator);
    if (!any) low = high = v, any = true;
    low = std::min(low, v);
    high = std::max(high, v);
  }
}

// Lists "none", the codes and the columns, all unmarked; returns the variable clicked.
bool pickVariable(DialogExchange& exchange, ui::PromptPort& prompts, const FilterSource& source,
                  const std::string& title, ControlVariable& picked) {
  std::vector<std::string> items = {" none", " Jcode", " Kcode", " Lcode"};
  for (const auto& name : source.columnNames) items.push_back(" " + name);
  const int chosen = exchange.pickFromList(prompts, title, items);
  if (chosen <= 1) return false;  // Quit or "none"
  picked = {};
  switch (chosen) {
    case 2: picked.kind = ControlVariable::Kind::Jcode, picked.name = "Jcode"; break;
    case 3: picked.kind = ControlVariable::Kind::Kcode, picked.name = "Kcode"; break;
    case 4: picked.kind = ControlVariable::Kind::Lcode, picked.name = "Lcode"; break;
    default: {
      const auto index = static_cast<std::size_t>(chosen - 5);
      picked.kind = ControlVariable::Kind::Field;
      picked.name = source.columnNames[index];
      picked.field = index < source.columnFields.size() ? source.columnFields[index] : 0;
    }
  }
  return true;
}

bool askLimits(DialogExchange& exchange, ui::PromptPort& prompts, const FilterSource& source,
               ControlVariable& variable) {
  float low = 0, high = 0;
  rangeOf(variable, source, low, high);
  if (!exchange.askNumbers(prompts, "Upper and lower limits of " + variable.name,
                           {"Min value of " + variable.name, "Max value of " + variable.name}, {low, high}))
    return false;
  variable.minimum = exchange.fieldValue[1];
  variable.maximum = exchange.fieldValue[2];
  return true;
}

}  // namespace

bool ReadFilter::setupReadFilter(DialogExchange& exchange, ui::PromptPort& prompts, const FilterSource& source) {
  variables_.clear();
  ControlVariable first;
  if (!pickVariable(exchange, prompts, source, "Select First of two control variables", first)) return false;
  if (!askLimits(exchange, prompts, source, first)) return false;
  variables_.push_back(first);

  ControlVariable second;
  if (pickVariable(exchange, prompts, source, "Select Second control variable", second) &&
      askLimits(exchange, prompts, source, second))
    variables_.push_back(second);
  return true;
}

bool ReadFilter::acceptRow(const FilterRow& row, char decimalSeparator) const {
  for (const ControlVariable& v : variables_) {
    float value = 0;
    switch (v.kind) {
      case ControlVariable::Kind::None: continue;
      case ControlVariable::Kind::Jcode: value = row.jcode; break;
      case ControlVariable::Kind::Kcode: value = row.kcode; break;
      case ControlVariable::Kind::Lcode: value = row.lcode; break;
      case ControlVariable::Kind::Field:
        value = row.fields ? text::parseNumber(fieldOf(*row.fields, v.field), decimalSeparator) : 0.0f;
        break;
    }
    if (!(value >= v.minimum && value <= v.maximum)) return false;
  }
  return true;
}

}  // namespace lavix::data
