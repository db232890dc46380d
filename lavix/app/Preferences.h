// The preferences file Controls/lxpref.ini: 19 values, one per line, and the Fe-ratio term.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "common/text/TextFile.h"
#include "lavix/app/Messages.h"
#include "lavix/data/DataStore.h"

namespace lavix::app {

// The values of lxpref.ini in file order; the defaults are those of the shipped file.
struct Preferences {
  int16_t printerYAxisAngle = 900;        // 1: tenths of a degree, 900 or 2700
  int16_t readFilterOn = 0;               // 2: 1 asks for a read filter at every read
  float windowScale = 1.0f;               // 3: main window size factor
  std::string dataFolder = "DEFAULT";     // 4: "DEFAULT" (any case): none chosen
  std::string symbolFile = "DEFAULT";     // 5: "DEFAULT": Controls/default.sym
  std::string normalisationFile = "DEFAULT";  // 6: "DEFAULT": Controls/default.nrm.txt
  int16_t maxRows = 32767;                // 7: 1..32767
  int16_t maxColumns = 200;               // 8: 1..32767
  int16_t labelFontSize = 10;             // 9: points
  int16_t labelFontBold = 0;              // 10
  int16_t labelFontItalic = 0;            // 11
  std::string labelFontName = "DejaVu Sans";  // 12
  float tickHeight = 0.025f;              // 13: fraction of the axis length
  int16_t yLabelOrientation = 1;          // 14: 1 vertical, -1 horizontal
  int16_t largeXTickEvery = 0;            // 15: every n-th tick is large, 0 none
  int16_t largeYTickEvery = 0;            // 16
  float feRatioTemperature = 1200.0f;     // 17: degrees Celsius
  float feRatioLogFO2 = -8.0f;            // 18: log10 fO2 (bar)
  int16_t histRegLabelsOn = 1;            // 19: histogram and regression captions
};

// The fewest rows or columns a data matrix is worth having.
inline constexpr int minimumMatrixSize = 10;

// The values a preference may take; start-up, the Misc. Controls dialog and the ferric-ratio
// dialog refuse others, naming the value and its range.
struct PreferenceRange {
  const char* name;  // as messages name it: "tick height"
  float low, high;
  bool whole;  // whole numbers only
  // Compared as the single-precision value kept, so that ".1" typed or read is inside.
  bool contains(double value) const {
    if (!(value >= -1e30 && value <= 1e30)) return false;
    const float kept = static_cast<float>(value);
    return kept >= low && kept <= high && (!whole || kept == std::nearbyint(kept));
  }
  // "\"-1\" is not a usable tick height (0.001 to 0.1)"
  std::string refusal(const std::string& given) const;
};
// Longer ticks cross the data; none at all, or outside the frame, is not what the line is for.
inline constexpr PreferenceRange tickHeightRange{messages::tickHeightName, 0.001f, 0.1f, false};
// Every n-th tick is large, 0 for none.
inline constexpr PreferenceRange largeXTickRange{messages::largeXTickName, 0, 100, true};
inline constexpr PreferenceRange largeYTickRange{messages::largeYTickName, 0, 100, true};
// Magmatic conditions, where the Sack et al. (1980) ferric/ferrous relation is applied.
inline constexpr PreferenceRange feTemperatureRange{messages::feTemperatureName, 600, 1700, false};
inline constexpr PreferenceRange feLogFO2Range{messages::feLogFO2Name, -25, 0, false};
inline constexpr PreferenceRange matrixRowsRange{messages::rowsName, minimumMatrixSize, data::maxRowCapacity, true};
inline constexpr PreferenceRange matrixColumnsRange{messages::columnsName, minimumMatrixSize,
                                                    data::maxColumnCapacity, true};
inline constexpr PreferenceRange windowScaleRange{messages::windowScaleName, 0.5f, 1, false};

// Reads lxpref.ini. Texts may be quoted; numbers are plain decimal notation with a period.
// A value that is missing or cannot be read keeps its default (so a file of 18 lines has
// the labels on). A matrix size that is given but not a number of at least minimumMatrixSize,
// and a tick height, tick interval, Fe-ratio temperature or log fO2 outside its range, keeps
// its default too, and a message saying so (with the line) goes to `notices`; larger matrix
// sizes are cut to 32767. False, with `error` filled and `preferences` unchanged, only when
// the file cannot be read at all.
bool readPreferences(const std::string& path, Preferences& preferences, text::FileError& error,
                     std::vector<std::string>* notices = nullptr);

// The 19 lines as written: texts in double quotes, numbers in the general format without
// the leading blank (".025", "-8").
std::string preferencesText(const Preferences& preferences);

// Writes lxpref.ini atomically with CR LF line ends.
bool writePreferences(const std::string& path, const Preferences& preferences, text::FileError& error);

// Writes lines 17 and 18 (the Fe-ratio temperature and log fO2) of `preferences` into the file,
// which keeps its other lines; a file that cannot be read is written whole from `preferences`.
bool writeFeRatioPreferences(const std::string& path, const Preferences& preferences, text::FileError& error);

// 13184.7 / (T + 273) + log fO2 × 2.303 × 0.218 − 4.499 in single precision (the non-compositional
// part of Sack et al. 1980, T in °C). A temperature at or below −273 °C gives 0.
float feRatioTerm(float tempC, float logFO2);

}  // namespace lavix::app
