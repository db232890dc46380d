// Axis components: which columns an axis name stands for, and their values in a row.
#include "lavix/models/Components.h"

#include <algorithm>
#include <cmath>

#include "common/text/Text.h"
#include "lavix/data/SubsetCriteria.h"
#include "lavix/models/Messages.h"

namespace lavix::models {

namespace {

struct IsotopeRatioName {
  const char* reference;  // the ratio's denominator, normalised
  const char* element;
  IsotopeSystem system;
};

constexpr IsotopeRatioName isotopeRatios[] = {{"86SR", "SR", IsotopeSystem::sr86},
                                              {"144ND", "ND", IsotopeSystem::nd144},
                                              {"177HF", "HF", IsotopeSystem::hf177},
                                              {"188OS", "OS", IsotopeSystem::os188},
                                              {"204PB", "PB", IsotopeSystem::pb204}};
constexpr const char* leadRatioNames[] = {"206PB/204PB", "207PB/204PB", "208PB/204PB"};

// log10 of the calculator's missing-value marker (15): such a log cell holds no value.
constexpr double logMissing = 14.9;

std::string notFound(const std::string& name) { return messages::notFoundFor + name; }

int16_t findColumn(const data::DataStore& store, const std::string& name) {
  const std::string wanted = text::normaliseName(name);
  if (wanted.empty()) return 0;
  const int last = std::min<int>(store.columnCount, static_cast<int>(store.columnName.size()) - 1);
  for (int c = 1; c <= last; ++c)
    if (text::normaliseName(store.columnName[static_cast<std::size_t>(c)]) == wanted) return static_cast<int16_t>(c);
  return 0;
}

std::optional<ColumnRead> findColumnRead(const data::DataStore& store, const data::StandardTable& standard,
                                         const std::string& name) {
  if (const int16_t c = findColumn(store, name)) return ColumnRead{c, 1, false, false};
  // The calculator's "Log" replaces a column by its logarithms and renames it "Log ...".
  if (const int16_t c = findColumn(store, "Log " + name)) return ColumnRead{c, 1, false, true};
  if (const std::size_t at = name.find("[N]"); at != std::string::npos) {
    std::string base = name;
    base.erase(at, 3);
    std::optional<ColumnRead> read = findColumnRead(store, standard, base);
    if (read) read->divideByNorm = true;
    return read;
  }
  // An element plotted from its oxide column.
  const std::string wanted = text::normaliseName(name);
  for (int k = 1; k <= data::standardCount; ++k) {
    const auto i = static_cast<std::size_t>(k);
    if (store.stdColumn[i] > 0 && !wanted.empty() && text::normaliseName(standard.stdElement[i]) == wanted)
      return ColumnRead{store.stdColumn[i], standard.elementFactor[i], false, false};
  }
  return std::nullopt;
}

std::optional<Component> singleComponent(const data::DataStore& store, const data::StandardTable& standard,
                                         const std::string& name) {
  double number = 0;
  if (text::tryParseNumber(name, '.', number)) {
    Component c;
    c.kind = ComponentKind::constant;
    c.name = name;
    c.constant = number;
    return c;
  }
  const std::optional<ColumnRead> read = findColumnRead(store, standard, name);
  if (!read) return std::nullopt;
  Component c;
  c.kind = ComponentKind::column;
  c.name = name;
  c.read = *read;
  return c;
}

struct AxisParts {
  Component numerator, denominator;
  std::string error;
};

AxisParts isotopeParts(const data::DataStore& store, const data::StandardTable& standard, const std::string& name,
                       const IsotopeRatioName& ratio) {
  AxisParts parts;
  const int16_t ratioColumn = findColumn(store, name);
  if (ratioColumn == 0) return {{}, {}, notFound(name)};
  const std::optional<ColumnRead> element = findColumnRead(store, standard, ratio.element);
  if (!element) return {{}, {}, notFound(ratio.element)};
  Component c;
  c.kind = ComponentKind::isotope;
  c.name = store.columnName[static_cast<std::size_t>(element->column)];
  c.read = *element;
  c.system = ratio.system;
  c.ratioColumn = ratioColumn;
  if (ratio.system == IsotopeSystem::pb204) {
    for (std::size_t i = 0; i < c.leadRatios.size(); ++i) {
      c.leadRatios[i] = findColumn(store, leadRatioNames[i]);
      if (c.leadRatios[i] == 0) return {{}, {}, notFound(leadRatioNames[i])};
    }
  }
  parts.numerator = c;
  parts.denominator = c;
  parts.denominator.kind = ComponentKind::reference;
  return parts;
}

AxisParts axisParts(const data::DataStore& store, const data::StandardTable& standard, const std::string& title) {
  // The parentheses of the calculator's combined names carry no meaning here.
  std::string name;
  for (char ch : title)
    if (ch != '(' && ch != ')') name += ch;
  name = text::trim(name);
  if (name.empty()) return {};

  const std::string normalised = text::normaliseName(name);
  if (const std::size_t slash = normalised.find('/'); slash != std::string::npos) {
    const std::string denominator = normalised.substr(slash + 1);
    for (const IsotopeRatioName& ratio : isotopeRatios)
      if (denominator == ratio.reference) return isotopeParts(store, standard, name, ratio);
  }
  if (std::optional<Component> whole = singleComponent(store, standard, name)) {
    // δ18O is modelled with a fractionation rather than a partition coefficient.
    whole->oxygen = whole->kind == ComponentKind::column && name.find("18") != std::string::npos;
    return {*whole, {}, {}};
  }
  std::string firstMissing;
  for (std::size_t slash = name.find('/'); slash != std::string::npos; slash = name.find('/', slash + 1)) {
    const std::string top = text::trim(name.substr(0, slash)), bottom = text::trim(name.substr(slash + 1));
    std::optional<Component> numerator = singleComponent(store, standard, top);
    std::optional<Component> denominator = singleComponent(store, standard, bottom);
    if (numerator && denominator) {
      numerator->oxygen = numerator->kind == ComponentKind::column && top.find("18") != std::string::npos;
      return {*numerator, *denominator, {}};
    }
    if (firstMissing.empty()) firstMissing = numerator ? bottom : top;
  }
  return {{}, {}, notFound(firstMissing.empty() ? name : firstMissing)};
}

double readColumn(const ComponentData& data, const ColumnRead& read, int row) {
  double value = 0;
  if (read.logColumn) {
    const double logValue = data.store.value(row, read.column);
    value = logValue >= logMissing ? 0.0 : std::pow(10.0, logValue);
  } else {
    value = data::variableValue(data.store, read.column, row, data.normFlag);
  }
  if (read.divideByNorm) {
    const auto c = static_cast<std::size_t>(read.column);
    const double norm = c < data.store.normValue.size() ? data.store.normValue[c] : 1.0f;
    if (norm != 0) value /= norm;
  }
  return value * read.factor;
}

// A ratio cell that holds a number above 0.
std::optional<double> readRatio(const data::DataStore& store, int16_t column, int row) {
  double value = 0;
  if (!text::tryParseNumber(store.cell(row, column), store.decimalSeparator, value) || !(value > 0))
    return std::nullopt;
  return value;
}

}  // namespace

AxisComponents findComponents(const std::string& xTitle, const std::string& yTitle, const data::DataStore& store,
                              const data::StandardTable& standard) {
  AxisComponents result;
  const AxisParts x = axisParts(store, standard, xTitle);
  if (!x.error.empty()) return {{}, x.error};
  const AxisParts y = axisParts(store, standard, yTitle);
  if (!y.error.empty()) return {{}, y.error};
  result.parts = {x.numerator, x.denominator, y.numerator, y.denominator};
  return result;
}

std::optional<double> componentValue(const ComponentData& data, const Component& component, int row) {
  switch (component.kind) {
    case ComponentKind::absent: return 1.0;
    case ComponentKind::constant: return component.constant;
    case ComponentKind::column: return readColumn(data, component.read, row);
    case ComponentKind::isotope:
    case ComponentKind::reference: break;
  }
  const std::optional<double> ratio = readRatio(data.store, component.ratioColumn, row);
  const double concentration = readColumn(data, component.read, row);
  if (!ratio || !(concentration > 0)) return std::nullopt;
  double leadSum = 0;
  if (component.system == IsotopeSystem::pb204) {
    for (int16_t column : component.leadRatios) {
      const std::optional<double> r = readRatio(data.store, column, row);
      if (!r) return std::nullopt;
      leadSum += *r;
    }
  }
  const double reference = concentration / referenceIsotopeSum(component.system, *ratio, leadSum);
  return component.kind == ComponentKind::reference ? reference : reference * *ratio;
}

}  // namespace lavix::models
