// What the spider models keep for the whole session: the model chosen, the partition
// coefficients, the mineral modes, the source and contaminant, and the window's settings.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "common/partition/PartitionFile.h"

namespace lavix::app {

// The model window holds modes for at most this many minerals.
inline constexpr int maxModeMinerals = 10;
inline constexpr int maxPcElements = 75;

struct SpiderModelState {
  std::string modelName;  // "batch melt" ... "AFC"
  std::string modelMode;  // "Modal" (P = D) or "Non Modal"
  int16_t sourceRow = 0;       // 0: none chosen
  int16_t contaminantRow = 0;
  partition::PartitionTable pc;  // pcMineral, pcElement and kd of the last file read
  std::string pcFileName;        // the path last read; empty before any read
  std::vector<float> modeD = std::vector<float>(maxModeMinerals, 0.0f);  // percent, per mineral
  std::vector<float> modeP = std::vector<float>(maxModeMinerals, 0.0f);
  std::string modeDText, modePText;  // " 60ol  20opx "
  std::vector<float> fList;          // of the last calculation
  float insituFraction = 0;          // the number typed in insituf / 100
  std::string insituText;            // insituf as last typed
  float solidDensity = 3.0f;
  float liquidDensity = 2.7f;
  float porosity = 0.05f;
  // The short text written beside the pattern of each model or mix row ("F=5%"), by row.
  std::map<int, std::string> rowLabels;
};

}  // namespace lavix::app
