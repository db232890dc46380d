// The Calculate menu's "CIPW Norm" command: the norm of every row, appended as 26 columns.
#include "lavix/app/CipwColumns.h"

#include <string>

#include "common/format/NumberFormat.h"
#include "common/norm/Cipw.h"
#include "lavix/app/DataLoading.h"
#include "lavix/app/Messages.h"
#include "lavix/app/Session.h"

namespace lavix::app {

namespace {

std::string normColumnName(const Session& s, int k) {
  const std::string& name = s.standard.normColumnName[static_cast<std::size_t>(k)];
  return name.empty() ? std::string(norm::kDefaultLavixNormNames[static_cast<std::size_t>(k - 1)]) : name;
}

// The norm is appended once per data set: it is there when its 26 names follow one another.
bool normAlreadyAppended(const Session& s) {
  const auto& names = s.data.columnName;
  for (int first = 1; first + norm::kLavixNormColumns - 1 <= s.data.columnCount; ++first) {
    bool all = true;
    for (int k = 1; k <= norm::kLavixNormColumns && all; ++k)
      all = names[static_cast<std::size_t>(first + k - 1)] == normColumnName(s, k);
    if (all) return true;
  }
  return false;
}

bool hasRoom(const Session& s) {
  const int last = s.data.columnCount + norm::kLavixNormColumns;
  return last < s.data.matrixColumns() && last < static_cast<int>(s.data.columnName.size()) && last <= INT16_MAX;
}

}  // namespace

void mcipw(Session& s) {
  if (s.data.rowCount == 0 || s.data.columnCount == 0) {
    ui::say(s.prompts, messages::readAFileFirst);
    return;
  }
  if (normAlreadyAppended(s)) return;

  norm::LavixNormOptions options;
  const int iron = s.exchange.askButton(s.prompts, cipwText::adjustIron, {"&No", "&Yes", "&Quit"}, "nyq");
  if (iron != 1 && iron != 2) return;
  const int kind = s.exchange.askButton(s.prompts, cipwText::normKind, {"&Weight Norm", "&Cation Norm"}, "wc");
  if (kind != 1 && kind != 2) return;
  const int recast = s.exchange.askButton(s.prompts, cipwText::normalise, {"&No", "&Yes"}, "ny");
  if (recast != 1 && recast != 2) return;
  options.adjustIron = iron == 2;
  options.cationNorm = kind == 2;
  options.normalise = recast == 2;

  if (!hasRoom(s)) {
    ui::say(s.prompts, cipwText::noRoom);
    return;
  }

  norm::StdOxides weights{};
  for (int k = 1; k <= norm::kStdOxideCount; ++k)
    weights[static_cast<std::size_t>(k - 1)] = s.standard.molecularWeight[static_cast<std::size_t>(k)];

  // Each column gets room for its longest possible cells up front, so that no column is
  // copied as it grows, and gives back the rest at the end.
  const int first = s.data.columnCount + 1;
  for (int c = 0; c < norm::kLavixNormColumns; ++c)
    s.data.reserveColumn(first + c, static_cast<std::size_t>(s.data.rowCount) * (format::longestFloatText + 1));
  for (int row = 1; row <= s.data.rowCount; ++row) {
    norm::StdOxides oxides{};
    for (int k = 1; k <= norm::kStdOxideCount; ++k) oxides[static_cast<std::size_t>(k - 1)] = s.data.stdValue(row, k);
    const auto values = norm::computeLavixNorm(oxides, weights, options);
    for (int c = 0; c < norm::kLavixNormColumns; ++c)
      s.data.setCell(row, first + c, format::shortestText(values[static_cast<std::size_t>(c)]));
  }
  for (int c = 0; c < norm::kLavixNormColumns; ++c) s.data.fitColumn(first + c);
  for (int k = 1; k <= norm::kLavixNormColumns; ++k) {
    const auto column = static_cast<std::size_t>(first + k - 1);
    s.data.columnName[column] = normColumnName(s, k);
    if (column < s.data.stdIndexOfColumn.size()) s.data.stdIndexOfColumn[column] = 0;
    if (column < s.data.normValue.size()) s.data.normValue[column] = 1.0f;
  }
  s.data.columnCount = static_cast<int16_t>(first + norm::kLavixNormColumns - 1);
  showDataTitle(s);
}

}  // namespace lavix::app
