// The preferences file Controls/lxpref.ini: 19 values, one per line, and the Fe-ratio term.
#include "lavix/app/Preferences.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/format/NumberFormat.h"
#include "common/text/Text.h"
#include "lavix/app/Messages.h"
#include "lavix/recalc/FerricIron.h"

namespace lavix::app {

namespace {

constexpr int lineCount = 19;

// A line's value as a text: the part between the first and the last double quote when the
// line is quoted, else the trimmed line.
std::string textValue(const std::string& line) {
  std::string trimmed = text::trim(line);
  if (trimmed.size() >= 2 && trimmed.front() == '"') {
    std::size_t close = trimmed.find_last_of('"');
    if (close > 0) return trimmed.substr(1, close - 1);
  }
  if (trimmed.size() == 1 && trimmed.front() == '"') return "";
  return trimmed;
}

bool numberValue(const std::string& line, double& value) {
  return text::tryParseNumber(textValue(line), '.', value) && std::isfinite(value);
}

void readInt16(const std::string& line, int16_t& target, long low = -32768, long high = 32767) {
  double value = 0;
  if (!numberValue(line, value)) return;
  if (value < -2147483648.0 || value > 2147483647.0) {
    target = static_cast<int16_t>(value < 0 ? low : high);
    return;
  }
  long rounded = std::lround(value);
  if (rounded < low) rounded = low;
  if (rounded > high) rounded = high;
  target = static_cast<int16_t>(rounded);
}

// Lines 7 and 8: a size the matrix cannot use is reported and the default stays.
void readMatrixSize(const std::string& line, int16_t& target, int lineNumber, const char* what,
                    std::vector<std::string>* notices) {
  const std::string given = textValue(line);
  if (given.empty()) return;
  double value = 0;
  if (numberValue(line, value) && std::lround(std::min(value, 32767.0)) >= minimumMatrixSize) {
    target = static_cast<int16_t>(std::lround(std::min(value, 32767.0)));
    return;
  }
  if (notices)
    notices->push_back(messages::preferenceLine + std::to_string(lineNumber) + ": \"" + given + "\"" +
                       messages::notAUsable + what + " (" + std::to_string(minimumMatrixSize) + " to 32767)" +
                       messages::defaultIsUsed + std::to_string(target) + messages::isUsed);
}

// A value outside its range is reported with its line, and the default stays.
template <typename T>
void readRanged(const std::string& line, T& target, int lineNumber, const PreferenceRange& range,
                std::vector<std::string>* notices) {
  const std::string given = textValue(line);
  if (given.empty()) return;
  double value = 0;
  if (numberValue(line, value) && range.contains(value)) {
    target = static_cast<T>(value);
    return;
  }
  if (notices)
    notices->push_back(messages::preferenceLine + std::to_string(lineNumber) + ": " + range.refusal(given) +
                       messages::defaultIsUsed + format::shortestText(target) + messages::isUsed);
}

void readFloat(const std::string& line, float& target) {
  double value = 0;
  if (numberValue(line, value)) target = static_cast<float>(value);
}

void readText(const std::string& line, std::string& target) {
  std::string value = textValue(line);
  if (!value.empty()) target = std::move(value);
}

std::string quoted(const std::string& value) { return "\"" + value + "\""; }

template <typename T>
std::string number(T value) {
  return format::shortestText(value);
}

std::string plainFloat(float value) {
  std::string written = format::generalFormat(value);
  if (!written.empty() && written.front() == ' ') written.erase(0, 1);
  return written.empty() ? "0" : written;
}

}  // namespace

std::string PreferenceRange::refusal(const std::string& given) const {
  return "\"" + given + "\"" + messages::notAUsable + name + " (" + (whole ? messages::wholeNumberFrom : "") +
         format::shortestText(low) + messages::rangeTo + format::shortestText(high) + ")";
}

bool readPreferences(const std::string& path, Preferences& preferences, text::FileError& error,
                     std::vector<std::string>* notices) {
  std::vector<std::string> lines;
  if (!text::readLines(path, lines, error)) return false;
  lines.resize(lineCount);  // absent lines read as empty: their defaults stay

  Preferences read;
  readInt16(lines[0], read.printerYAxisAngle);
  readInt16(lines[1], read.readFilterOn);
  readFloat(lines[2], read.windowScale);
  if (!(read.windowScale > 0.0f)) read.windowScale = 1.0f;
  readText(lines[3], read.dataFolder);
  readText(lines[4], read.symbolFile);
  readText(lines[5], read.normalisationFile);
  readMatrixSize(lines[6], read.maxRows, 7, messages::rowsName, notices);
  readMatrixSize(lines[7], read.maxColumns, 8, messages::columnsName, notices);
  int16_t fontSize = 0;
  readInt16(lines[8], fontSize, 0, 32767);
  if (fontSize > 0) read.labelFontSize = fontSize;
  readInt16(lines[9], read.labelFontBold);
  readInt16(lines[10], read.labelFontItalic);
  readText(lines[11], read.labelFontName);
  readRanged(lines[12], read.tickHeight, 13, tickHeightRange, notices);
  readInt16(lines[13], read.yLabelOrientation);
  readRanged(lines[14], read.largeXTickEvery, 15, largeXTickRange, notices);
  readRanged(lines[15], read.largeYTickEvery, 16, largeYTickRange, notices);
  readRanged(lines[16], read.feRatioTemperature, 17, feTemperatureRange, notices);
  readRanged(lines[17], read.feRatioLogFO2, 18, feLogFO2Range, notices);
  readInt16(lines[18], read.histRegLabelsOn);

  preferences = std::move(read);
  return true;
}

std::string preferencesText(const Preferences& p) {
  const std::vector<std::string> lines = {
      number(p.printerYAxisAngle), number(p.readFilterOn),  plainFloat(p.windowScale),
      quoted(p.dataFolder),        quoted(p.symbolFile),    quoted(p.normalisationFile),
      number(p.maxRows),           number(p.maxColumns),    number(p.labelFontSize),
      number(p.labelFontBold),     number(p.labelFontItalic), quoted(p.labelFontName),
      plainFloat(p.tickHeight),    number(p.yLabelOrientation), number(p.largeXTickEvery),
      number(p.largeYTickEvery),   plainFloat(p.feRatioTemperature), plainFloat(p.feRatioLogFO2),
      number(p.histRegLabelsOn)};
  return text::joinLinesCrLf(lines);
}

bool writePreferences(const std::string& path, const Preferences& preferences, text::FileError& error) {
  return text::writeFileAtomically(path, preferencesText(preferences), error);
}

bool writeFeRatioPreferences(const std::string& path, const Preferences& preferences, text::FileError& error) {
  // Other values may have been changed in memory without "Save new preferences": the file keeps its own.
  Preferences kept = preferences;
  text::FileError unreadable;
  readPreferences(path, kept, unreadable);
  kept.feRatioTemperature = preferences.feRatioTemperature;
  kept.feRatioLogFO2 = preferences.feRatioLogFO2;
  return writePreferences(path, kept, error);
}

float feRatioTerm(float tempC, float logFO2) { return recalc::feRatioTerm(tempC, logFO2); }

}  // namespace lavix::app
