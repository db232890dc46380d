// Model and mix rows appended to the data matrix and the spider diagram's plotted rows.
#include "lavix/app/ModelRows.h"

#include <algorithm>

#include "common/format/NumberFormat.h"
#include "lavix/app/Session.h"

namespace lavix::app {

std::vector<int> plottedSamples(const Session& s) {
  std::vector<int> rows;
  for (int16_t row : s.spider.selectedRows)
    if (row >= 1 && row <= s.data.rowCount) rows.push_back(row);
  return rows;
}

bool haveRoomForRows(const Session& s, int count) { return s.data.rowCount + count <= s.data.maxRows; }

int appendModelRow(Session& s, const std::string& name, int16_t symbol, const std::string& label) {
  data::DataStore& d = s.data;
  const int row = d.rowCount + 1;
  const auto r = static_cast<std::size_t>(row);
  // The row may hold a removed model's or an earlier data set's cells: none of them belongs here.
  d.clearRowCells(row);
  d.sampleName[r] = name;
  d.symbolOf[r] = d.kcode[r] = symbol;
  d.jcode[r] = d.lcode[r] = 0;
  d.totalFactor[r] = 1.0f;
  d.rowCount = static_cast<int16_t>(row);
  s.spider.selectedRows.push_back(static_cast<int16_t>(row));
  s.spiderModels.rowLabels[row] = label;
  return row;
}

void setModelValue(Session& s, int row, int column, float value) {
  s.data.setCell(row, column, format::generalFormat(value));
}

std::vector<int16_t> elementColumns(const Session& s, const std::vector<std::string>& elements) {
  diagram::SpiderPattern pattern;
  pattern.elements = elements;
  pattern.normalisers.assign(elements.size(), 1.0f);
  return diagram::matchSpiderColumns(pattern, s.data.columnName, s.data.columnCount, spiderOxides(s.standard)).column;
}

std::array<int16_t, 8> isotopeRatioColumns(const Session& s) {
  const data::IsotopeColumns& i = s.data.isotope;
  return {i.sr87Sr86, i.nd143Nd144, i.hf176Hf177, i.os187Os186, i.li6Li7, i.pb206Pb204, i.pb207Pb204, i.pb208Pb204};
}

void removeModelRows(Session& s) { removeRowsAfter(s, s.data.dataRowCount); }

void removeRowsAfter(Session& s, int keep) {
  if (keep < s.data.dataRowCount || keep >= s.data.rowCount) return;
  // Repicking samples may have reordered the list: every model row goes, wherever it stands.
  auto& rows = s.spider.selectedRows;
  rows.erase(std::remove_if(rows.begin(), rows.end(), [keep](int16_t row) { return row > keep; }), rows.end());
  s.spiderModels.rowLabels.erase(s.spiderModels.rowLabels.upper_bound(keep), s.spiderModels.rowLabels.end());
  if (s.spiderModels.sourceRow > keep) s.spiderModels.sourceRow = 0;
  if (s.spiderModels.contaminantRow > keep) s.spiderModels.contaminantRow = 0;
  s.data.rowCount = static_cast<int16_t>(keep);
}

}  // namespace lavix::app
