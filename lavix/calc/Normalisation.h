// Choosing the normalisation file (.nrm.txt) and the normalising values it gives the columns.
#pragma once

#include <string>

#include "common/ui/Prompts.h"
#include "lavix/data/DataFileReader.h"
#include "lavix/data/DataStore.h"
#include "lavix/data/NormalisationTable.h"
#include "lavix/data/StandardTable.h"

namespace lavix::calc {

// normValue of every column 1..columnCount from the table, by the rule of the dataset
// preparation (the one implementation lives with the reader).
using data::recomputeNormValues;

inline constexpr const char* selectNormalisationText =
    "Select the normalization you want in the calculator (variable) window.";
inline constexpr const char* normalisationFilter = "Normalization (.nrm.txt)|*.txt|";

// What setNormalisation works on; the caller owns all of it.
struct NormalisationContext {
  ui::PromptPort& prompts;
  std::string baseFolder;      // the program folder, ending in "/"
  std::string& normFile;       // the preference that names the file
  data::NormalisationTable& table;
  data::DataStore& store;
  const data::StandardTable& standard;
};

// The preferences' "Set nrm. file": asks for a file in Controls/; a chosen file becomes
// normFile, is read into the table and every column's normValue is recomputed. Returns true
// when the file was taken. A cancelled dialog changes nothing; a file that cannot be read is
// reported and changes nothing.
bool setNormalisation(NormalisationContext& context);

// The message for a normalisation file that cannot be read.
std::string unreadableNormalisationText(const std::string& path, const std::string& reason);

}  // namespace lavix::calc
