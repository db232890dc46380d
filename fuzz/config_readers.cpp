// Fuzz target: feeds the input, through a temporary file, to every configuration reader.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

#include "lavix/app/PageLayout.h"
#include "lavix/app/Preferences.h"
#include "lavix/app/RecentFiles.h"
#include "lavix/app/StandardTableFile.h"
#include "lavix/calc/NormalisationFile.h"
#include "lavix/diagram/SymbolFile.h"

namespace {

std::string temporaryPath() { return "/tmp/lavix-fuzz-config-" + std::to_string(::getpid()) + ".txt"; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lavix;
  static const std::string path = temporaryPath();
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  text::FileError error;
  data::StandardTable standard;
  app::readStandardTable(path, standard, error, size % 2 ? ',' : '.');
  app::Preferences preferences;
  if (app::readPreferences(path, preferences, error)) {
    if (preferences.maxRows < 1 || preferences.maxColumns < 1) __builtin_trap();
    app::feRatioTerm(preferences.feRatioTemperature, preferences.feRatioLogFO2);
    (void)app::preferencesText(preferences);
  }
  app::RecentFiles recent;
  app::readRecentFiles(path, recent, error);
  app::PageLayout layout;
  if (app::readPageLayout(path, layout, error) && layout.positionCount > app::maxPagePositions) __builtin_trap();
  data::NormalisationTable normalisation;
  if (calc::readNormalisationTable(path, normalisation, error, '.') &&
      normalisation.element.size() > static_cast<std::size_t>(data::maxNormalisationEntries))
    __builtin_trap();
  diagram::SymbolTable symbols;
  diagram::readSymbolFile(path, "default", symbols, error);
  std::remove(path.c_str());
  return 0;
}
