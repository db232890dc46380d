// The read filter: one or two control variables whose limits decide which rows of a file
// enter the matrix. It lasts for one read.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/ui/Prompts.h"
#include "lavix/data/DialogExchange.h"

namespace lavix::data {

// What a control variable tests: one of the three codes or a data field of the file.
struct ControlVariable {
  enum class Kind { None, Jcode, Kcode, Lcode, Field };
  Kind kind = Kind::None;
  int field = 0;     // Kind::Field: 1-based position of the field in the file's lines
  std::string name;  // as listed: "Jcode", or the field's header text
  float minimum = 0;
  float maximum = 0;
};

// One line of the file as the filter sees it.
struct FilterRow {
  int16_t jcode = 0, kcode = 0, lcode = 0;
  const std::vector<std::string_view>* fields = nullptr;  // 1-based positions map to index - 1
};

// What setupReadFilter needs to know about the file being read.
struct FilterSource {
  std::vector<std::string> columnNames;  // header texts of the data fields, in order
  std::vector<int> columnFields;         // 1-based field position of each data field
  int jcodeField = 0, kcodeField = 0, lcodeField = 0;  // 0 when the file has none
  std::vector<std::string_view> dataLines;             // for the presets' ranges
  char decimalSeparator = '.';
};

class ReadFilter {
 public:
  bool active() const { return !variables_.empty(); }
  const std::vector<ControlVariable>& variables() const { return variables_; }
  void clear() { variables_.clear(); }

  // Asks for the first and second control variables and their limits. Returns active().
  bool setupReadFilter(DialogExchange& exchange, ui::PromptPort& prompts, const FilterSource& source);

  // True when every control variable of the row lies within its limits (inclusive).
  bool acceptRow(const FilterRow& row, char decimalSeparator = '.') const;

  // Sets the filter directly (tests, scripts).
  void setVariables(std::vector<ControlVariable> variables) { variables_ = std::move(variables); }

 private:
  std::vector<ControlVariable> variables_;
};

// The "Read Filter" question asked before a read when the preference is on.
inline constexpr const char* readFilterQuestion = "Apply a filter while reading this data file?";
inline constexpr const char* readFilterTitle = "Read Filter";

}  // namespace lavix::data
