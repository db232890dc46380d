// The selection window `SubSelect`: edits the subset criteria through its LIMITS, MATCH and
// EXCLUDE lists; Done commits them, closing any other way leaves them as they were.
#include "lavix/data/SubSelect.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

#include "common/format/NumberFormat.h"
#include "common/text/Text.h"

namespace lavix::data {

namespace {

// Cells of 1.0E15 and more mark missing values; they never widen a range.
constexpr float missingMarker = 1.0e15f;

// Limits are single precision: a number beyond float's range does not read either.
bool readsAsNumber(const std::string& text, char separator, double& value) {
  return text::tryParseNumber(text, separator, value) && std::isfinite(value) &&
         std::fabs(value) <= std::numeric_limits<float>::max();
}

}  // namespace

std::vector<std::string> distinctValues(const DataStore& store, int16_t variable) {
  std::set<std::string> seen;
  for (int r = 1; r <= store.rowCount; ++r) {
    std::string t = variableText(store, variable, r);
    if (!t.empty()) seen.insert(std::move(t));
  }
  std::vector<std::string> result(seen.begin(), seen.end());
  std::vector<std::pair<double, std::string>> numbers;
  numbers.reserve(result.size());
  for (const auto& t : result) {
    double v = 0;
    if (!readsAsNumber(t, store.decimalSeparator, v)) return result;  // text order
    numbers.emplace_back(v, t);
  }
  std::sort(numbers.begin(), numbers.end());
  for (std::size_t i = 0; i < numbers.size(); ++i) result[i] = std::move(numbers[i].second);
  return result;
}

SubSelect::SubSelect(const DataStore& store, SubsetCriteria& criteria, ui::PromptPort& prompts,
                     const std::vector<int16_t>* normFlag)
    : store_(store), criteria_(criteria), prompts_(prompts), normFlag_(normFlag) {
  variables_ = {"Jcode", "Kcode", "Lcode"};
  for (int c = 1; c <= store.columnCount && c < static_cast<int>(store.columnName.size()); ++c)
    variables_.push_back(store.columnName[static_cast<std::size_t>(c)]);

  for (const auto& l : criteria.limits)
    lists_[0].push_back(limitText(variableName(store, l.variable), l.minimum, l.maximum));
  for (const auto& m : criteria.match) lists_[1].push_back(valueText(variableName(store, m.variable), m.value));
  for (const auto& e : criteria.exclude) lists_[2].push_back(valueText(variableName(store, e.variable), e.value));
  active_ = criteria.active;

  auto add = [this](const char* name, const char* caption, auto action) {
    commands_.add({name, caption, [action](const std::string&) { action(); }, {}});
  };
  add("cmdAddLimits", "Add to limits", [this] { addLimits(); });
  add("cmdEditLimit", "Edit Limit", [this] { editLimit(); });
  add("cmdDeleteLimit", "Delete Limit", [this] { deleteLimit(); });
  add("cmdClearAll", "Clear all", [this] { clearAll(); });
  add("cmdDone", "Done", [this] { done(); });
  add("optMatch", "MATCH", [this] { chooseExclude(false); });
  add("optExclude", "EXCLUDE", [this] { chooseExclude(true); });
  add("activeOn", "active", [this] { setActive(true); });
  add("activeOff", "active", [this] { setActive(false); });
  add("close", "", [this] { close(); });
}

std::string SubSelect::limitText(const std::string& name, float minimum, float maximum) {
  return subSelectText::entryIndent + name + ":" + format::shortestText(minimum) + " to " +
         format::shortestText(maximum);
}

std::string SubSelect::valueText(const std::string& name, const std::string& value) {
  return subSelectText::entryIndent + name + " = " + value;
}

// A name may itself hold ":" or " to ", so every split is tried from the right until the
// name is a variable and both numbers read.
std::optional<LimitCriterion> SubSelect::parseLimit(const std::string& entry) const {
  const std::string separator = " to ";
  for (auto to = entry.rfind(separator); to != std::string::npos && to > 0; to = entry.rfind(separator, to - 1)) {
    const std::string head = entry.substr(0, to);
    const std::string maxPart = entry.substr(to + separator.size());
    for (auto colon = head.rfind(':'); colon != std::string::npos && colon > 0; colon = head.rfind(':', colon - 1)) {
      auto variable = findVariable(store_, head.substr(0, colon));
      double low = 0, high = 0;
      if (variable && readsAsNumber(head.substr(colon + 1), '.', low) && readsAsNumber(maxPart, '.', high))
        return LimitCriterion{*variable, static_cast<float>(low), static_cast<float>(high)};
    }
  }
  return std::nullopt;
}

// The value is everything after the separator, blanks included: MATCH compares exactly.
std::optional<ValueCriterion> SubSelect::parseValue(const std::string& entry) const {
  const std::string separator = " = ";
  for (auto eq = entry.find(separator); eq != std::string::npos; eq = entry.find(separator, eq + 1)) {
    if (auto variable = findVariable(store_, entry.substr(0, eq)))
      return ValueCriterion{*variable, entry.substr(eq + separator.size())};
  }
  return std::nullopt;
}

// List1 holds Jcode, Kcode, Lcode (references -2, -1, 0) and then columns 1, 2 ...
int16_t SubSelect::variableAt(int position) const { return static_cast<int16_t>(position - 3); }

void SubSelect::presetRange(int16_t variable) {
  bool any = false;
  float low = 0, high = 0;
  for (int r = 1; r <= store_.rowCount; ++r) {
    if (variable >= 1 && store_.cell(r, variable).empty()) continue;
    const float v = variableValue(store_, variable, r, normFlag_);
    if (std::fabs(v) >= missingMarker) continue;
    if (!any) low = high = v, any = true;
    low = std::min(low, v);
    high = std::max(high, v);
  }
  minText_ = any ? format::shortestText(low) : "";
  maxText_ = any ? format::shortestText(high) : "";
}

void SubSelect::showVariable(int16_t variable) {
  current_ = variable;
  values_ = distinctValues(store_, variable);
  for (const auto& entry : lists_[0]) {
    if (auto limit = parseLimit(entry); limit && limit->variable == variable) {
      minText_ = format::shortestText(limit->minimum);
      maxText_ = format::shortestText(limit->maximum);
      return;
    }
  }
  presetRange(variable);
}

void SubSelect::clickVariable(int position) {
  if (position < 1 || position > static_cast<int>(variables_.size())) return;
  showVariable(variableAt(position));
}

void SubSelect::clickValue(int position) {
  if (!current_ || position < 1 || position > static_cast<int>(values_.size())) return;
  auto& target = exclude_ ? lists_[2] : lists_[1];
  const std::string entry =
      valueText(variableName(store_, *current_), values_[static_cast<std::size_t>(position - 1)]);
  if (std::find(target.begin(), target.end(), entry) != target.end()) return;  // already there
  if (static_cast<int>(target.size()) >= maxCriteriaEntries) {
    ui::say(prompts_, exclude_ ? subSelectText::excludeFull : subSelectText::matchFull);
    return;
  }
  target.push_back(entry);
}

void SubSelect::selectEntry(int number, int position) {
  if (number < 3 || number > 5) return;
  if (position >= 1 && position <= static_cast<int>(list(number).size())) selected(number) = position;
}

void SubSelect::removeEntry(int number, int position) {
  if (number < 3 || number > 5) return;
  auto& entries = list(number);
  if (position < 1 || position > static_cast<int>(entries.size())) return;
  entries.erase(entries.begin() + (position - 1));
  selected(number) = 0;
}

void SubSelect::chooseExclude(bool exclude) { exclude_ = exclude; }

void SubSelect::addLimits() {
  if (!current_) {
    ui::say(prompts_, subSelectText::noVariable);
    return;
  }
  double low = 0, high = 0;
  if (!readsAsNumber(minText_, store_.decimalSeparator, low)) {
    ui::say(prompts_, subSelectText::minNotNumber);
    return;
  }
  if (!readsAsNumber(maxText_, store_.decimalSeparator, high)) {
    ui::say(prompts_, subSelectText::maxNotNumber);
    return;
  }
  const std::string entry = limitText(variableName(store_, *current_), static_cast<float>(low), static_cast<float>(high));
  // A second limit on the same variable would silently intersect with the first (the
  // usual path after Edit Limit), so it replaces it.
  auto& limits = lists_[0];
  for (auto& existing : limits) {
    if (auto limit = parseLimit(existing); limit && limit->variable == *current_) {
      existing = entry;
      return;
    }
  }
  if (static_cast<int>(limits.size()) >= maxCriteriaEntries) {
    ui::say(prompts_, subSelectText::limitsFull);
    return;
  }
  limits.push_back(entry);
}

void SubSelect::editLimit() {
  const int chosen = selected(3);
  if (chosen < 1 || chosen > static_cast<int>(lists_[0].size())) return;
  if (auto limit = parseLimit(lists_[0][static_cast<std::size_t>(chosen - 1)])) showVariable(limit->variable);
}

void SubSelect::deleteLimit() { removeEntry(3, selected(3)); }

void SubSelect::clearAll() {
  for (auto& entries : lists_) entries.clear();
  for (int& s : selected_) s = 0;
  minText_.clear();
  maxText_.clear();
}

int SubSelect::selectedCount() const {
  const SubsetCriteria shown = criteriaShown();
  int count = 0;
  for (int row = 1; row <= store_.rowCount; ++row) count += rowSelected(shown, store_, row, normFlag_) ? 1 : 0;
  return count;
}

std::string SubSelect::selectedCountText() const {
  return std::to_string(selectedCount()) + subSelectText::samplesOf + std::to_string(std::max<int>(store_.rowCount, 0)) +
         subSelectText::samplesSelected;
}

void SubSelect::done() {
  criteria_ = criteriaShown();
  open_ = false;
}

SubsetCriteria SubSelect::criteriaShown() const {
  SubsetCriteria parsed;
  // Entries come from List1's own names, so every one parses; one that somehow does not is
  // left out rather than turned into a criterion on the wrong variable.
  for (const auto& entry : lists_[0])
    if (auto limit = parseLimit(entry)) parsed.limits.push_back(*limit);
  for (const auto& entry : lists_[1])
    if (auto value = parseValue(entry)) parsed.match.push_back(*value);
  for (const auto& entry : lists_[2])
    if (auto value = parseValue(entry)) parsed.exclude.push_back(*value);
  parsed.active = active_;
  return parsed;
}

ui::EventResult SubSelect::click(const std::string& control, const std::string& item) {
  if (control == "List1") {
    int position = ui::findItem(variables_, item);
    if (position == 0 && !ui::itemPosition(item)) {
      if (auto variable = findVariable(store_, text::trim(item))) position = *variable + 3;
    }
    if (position == 0) return ui::EventResult::UnknownItem;
    if (!open_) return ui::EventResult::Disabled;
    clickVariable(position);
    return ui::EventResult::Done;
  }
  if (control == "List2") {
    const int position = ui::findItem(values_, item);
    if (position == 0) return ui::EventResult::UnknownItem;
    if (!open_) return ui::EventResult::Disabled;
    clickValue(position);
    return ui::EventResult::Done;
  }
  for (int number = 3; number <= 5; ++number) {
    if (control != "List" + std::to_string(number)) continue;
    const int position = ui::findItem(list(number), item);
    if (position == 0) return ui::EventResult::UnknownItem;
    if (!open_) return ui::EventResult::Disabled;
    selectEntry(number, position);
    return ui::EventResult::Done;
  }
  if (!commands_.find(control)) return ui::EventResult::UnknownControl;
  if (!open_) return ui::EventResult::Disabled;
  return commands_.run(control, item);
}

ui::EventResult SubSelect::type(const std::string& control, int index, const std::string& text) {
  (void)index;
  if (control != "Text2" && control != "Text3") return ui::EventResult::UnknownControl;
  if (!open_) return ui::EventResult::Disabled;
  (control == "Text2" ? minText_ : maxText_) = text;
  return ui::EventResult::Done;
}

ui::EventResult SubSelect::key(const std::string& control, int index, const std::string& keyName) {
  for (int number = 3; number <= 5; ++number) {
    if (control != "List" + std::to_string(number)) continue;
    if (!text::equalsIgnoreCase(text::trim(keyName), "Delete")) return ui::EventResult::UnknownItem;
    const int position = index > 0 ? index : selected(number);
    if (position < 1 || position > static_cast<int>(list(number).size())) return ui::EventResult::UnknownItem;
    if (!open_) return ui::EventResult::Disabled;
    removeEntry(number, position);
    return ui::EventResult::Done;
  }
  return ui::EventResult::UnknownControl;
}

std::vector<std::pair<std::string, std::string>> SubSelect::fields() const {
  std::vector<std::pair<std::string, std::string>> result;
  auto addList = [&result](const std::string& name, const std::vector<std::string>& entries) {
    for (std::size_t i = 0; i < entries.size(); ++i)
      result.emplace_back(name + "(" + std::to_string(i + 1) + ")", entries[i]);
  };
  addList("List1", variables_);
  addList("List2", values_);
  addList("List3", lists_[0]);
  addList("List4", lists_[1]);
  addList("List5", lists_[2]);
  result.emplace_back("Text2", minText_);
  result.emplace_back("Text3", maxText_);
  result.emplace_back("hint", hint());
  result.emplace_back("optMatch", exclude_ ? "0" : "1");
  result.emplace_back("optExclude", exclude_ ? "1" : "0");
  result.emplace_back("activeOn", active_ ? "1" : "0");
  result.emplace_back("activeOff", active_ ? "0" : "1");
  result.emplace_back("labCount", selectedCountText());
  return result;
}

}  // namespace lavix::data
