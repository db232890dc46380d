// Start-up and shut-down of lavix: configuration files in order, recovery prompts.
#include "lavix/app/Startup.h"

#include <cstdlib>
#include <exception>
#include <filesystem>
#include <functional>
#include <stdexcept>

#include "common/text/Text.h"
#include "common/text/TextFile.h"
#include "lavix/app/Messages.h"
#include "lavix/app/Session.h"
#include "lavix/app/StandardTableFile.h"
#include "lavix/calc/NormalisationFile.h"
#include "lavix/diagram/SymbolFile.h"

namespace lavix::app {

namespace {

namespace fs = std::filesystem;

// The file system's failures to open a file, as opposed to a file that opened but is malformed.
bool isOpenFailure(const text::FileError& error) {
  return error.number == 53 || error.number == 76 || error.number == 75 || error.number == 57;
}

// What start-up does with a configuration file that opened but could not be read whole.
enum class OnMalformed { Fatal, Report };

// Reads a configuration file; while it cannot be opened, says so and asks for another
// path. A cancelled dialog leaves the built-in defaults in place.
bool readWithRecovery(Session& session, std::string path, const std::string& filter,
                      const std::function<bool(const std::string&, text::FileError&)>& read,
                      std::string* usedPath = nullptr, OnMalformed onMalformed = OnMalformed::Fatal) {
  for (;;) {
    text::FileError error;
    if (read(path, error)) {
      if (usedPath) *usedPath = path;
      return true;
    }
    if (!isOpenFailure(error)) {
      if (onMalformed == OnMalformed::Fatal) throw std::runtime_error(error.text);
      ui::say(session.prompts, error.text);
      if (usedPath) *usedPath = path;
      return false;
    }
    ui::say(session.prompts, messages::findPathFor + filter);
    ui::FileRequest request;
    request.filter = filter;
    request.folder = session.baseFolder + "Controls";
    request.mustExist = true;
    auto chosen = session.prompts.openFile(request);
    if (!chosen || chosen->empty()) return false;
    path = *chosen;
  }
}

bool isDefault(const std::string& value) { return text::toUpper(value) == "DEFAULT"; }

bool makeCurrent(const std::string& folder) {
  std::error_code ec;
  fs::current_path(folder, ec);
  return !ec;
}

std::string homeFolder() {
  const char* home = std::getenv("HOME");
  return home && *home ? std::string(home) : std::string("/");
}

void readConfiguration(Session& s) {
  // 4: the standard table
  readWithRecovery(s, s.controlsPath("lavix.data.txt"), "lavix.data.txt|*.txt|",
                   [&](const std::string& path, text::FileError& error) {
                     return readStandardTable(path, s.standard, error, s.decimalSeparator);
                   });
  // 5: preferences
  std::vector<std::string> notices;
  readWithRecovery(s, s.controlsPath("lxpref.ini"), "lxpref.ini |*.ini|",
                   [&](const std::string& path, text::FileError& error) {
                     return readPreferences(path, s.preferences, error, &notices);
                   });
  for (const std::string& notice : notices) ui::say(s.prompts, notice);
  // 6: the data folder
  s.dataFolder = s.preferences.dataFolder;
  if (isDefault(s.dataFolder)) {
    ui::say(s.prompts, messages::setDefaultDirectory);
    s.dataFolder = s.baseFolder + "Data Files";
  }
  // 7: Y-label orientation and the Fe-ratio term
  s.diagram.yLabelOrientation = s.preferences.yLabelOrientation == 1 ? 1 : -1;
  s.diagram.x.largeTickEvery = s.preferences.largeXTickEvery;
  s.diagram.y.largeTickEvery = s.preferences.largeYTickEvery;
  s.feRatio = feRatioTerm(s.preferences.feRatioTemperature, s.preferences.feRatioLogFO2);
  s.recalc.iron.feTempC = s.preferences.feRatioTemperature;
  s.recalc.iron.feLogFO2 = s.preferences.feRatioLogFO2;
  // 8: recent files
  readWithRecovery(s, s.controlsPath("filenames.ini"), "filenames.ini |*.ini|",
                   [&](const std::string& path, text::FileError& error) {
                     return readRecentFiles(path, s.recent, error);
                   });
  // 9: the matrix and the dialog exchange area
  s.data.allocate(s.preferences.maxRows, s.preferences.maxColumns);
  s.allocateRowArrays();
  // 11: symbols; the path used becomes the preference's value
  std::string symbolPath =
      isDefault(s.preferences.symbolFile) ? s.controlsPath("default.sym") : s.preferences.symbolFile;
  readWithRecovery(
      s, symbolPath, "Symbols (*.sym)|*.sym|",
      [&](const std::string& path, text::FileError& error) {
        return diagram::readSymbolFile(path, "default", s.symbols, error, s.decimalSeparator);
      },
      &s.preferences.symbolFile, OnMalformed::Report);
  // 13: page layout
  readWithRecovery(s, s.controlsPath("page.txt"), "page.txt |*.txt|",
                   [&](const std::string& path, text::FileError& error) {
                     return readPageLayout(path, s.page, error);
                   });
  // 14: normalisation; the path used becomes the preference's value
  std::string normPath = isDefault(s.preferences.normalisationFile) ? s.controlsPath("default.nrm.txt")
                                                                    : s.preferences.normalisationFile;
  readWithRecovery(
      s, normPath, "norm. files (*.nrm.txt|*.txt|",
      [&](const std::string& path, text::FileError& error) {
        return calc::readNormalisationTable(path, s.normalisation, error, s.decimalSeparator);
      },
      &s.preferences.normalisationFile);
}

}  // namespace

StartupOutcome startUp(Session& s) {
  try {
    // 1: the program folder is the current folder while the configuration is read.
    if (s.baseFolder.empty() || s.baseFolder.back() != '/') s.baseFolder += '/';
    makeCurrent(s.baseFolder);
    // 3: zeros are out until the user lets them in.
    s.window.zerosIn = false;
    readConfiguration(s);
    // 15: the data folder becomes current.
    if (!makeCurrent(s.dataFolder)) {
      ui::say(s.prompts, messages::pressPreferences);
      s.dataFolder = homeFolder();
      makeCurrent(s.dataFolder);
    }
    // 17: a metafile left by an earlier run is stale.
    std::error_code ec;
    fs::remove(s.baseFolder + "garb.wmf", ec);
    s.window.title = "Lavix";
    return StartupOutcome::Ready;
  } catch (const std::exception& error) {
    ui::say(s.prompts, std::string(error.what()) + messages::fatalError + messages::bye);
    return StartupOutcome::Fatal;
  }
}

void shutDown(Session& s) {
  text::FileError error;
  if (!writeRecentFiles(s.controlsPath("filenames.ini"), s.recent, error))
    ui::say(s.prompts, messages::recentFilesNotSaved + error.text);
}

bool savePreferences(Session& s) {
  text::FileError error;
  if (writePreferences(s.controlsPath("lxpref.ini"), s.preferences, error)) return true;
  ui::say(s.prompts, messages::preferencesNotSaved + error.text);
  return false;
}

}  // namespace lavix::app
