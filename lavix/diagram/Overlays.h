// The labels and fields overlay table: library field lines, library labels and the user's
// labels, in data coordinates so that they move with the axes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lavix::diagram {

struct OverlayTable {
  static constexpr int maxPositions = 300;
  static constexpr int maxTexts = 500;

  // Positions in data coordinates: raw values on log axes; on a ternary x = fx and y = fy.
  std::vector<float> x, y;
  std::vector<float> pen;  // field-line points: 0 starts a new line there
  std::vector<std::string> text;
  int16_t fieldLines = 0;
  int16_t fieldLabels = 0;
  int16_t userLabels = 0;

  int total() const { return fieldLines + fieldLabels + userLabels; }
  void clearCounts() {
    fieldLines = fieldLabels = userLabels = 0;
    x.clear();
    y.clear();
    pen.clear();
    text.clear();
  }
  // A user label goes after everything stored; false when the table is full.
  bool addUserLabel(float atX, float atY, std::string label) {
    const int position = total();
    if (position >= maxPositions || position >= maxTexts) return false;
    x.resize(static_cast<std::size_t>(position) + 1);
    y.resize(static_cast<std::size_t>(position) + 1);
    text.resize(static_cast<std::size_t>(position) + 1);
    x[static_cast<std::size_t>(position)] = atX;
    y[static_cast<std::size_t>(position)] = atY;
    text[static_cast<std::size_t>(position)] = std::move(label);
    ++userLabels;
    return true;
  }
};

}  // namespace lavix::diagram
