// Choosing the normalisation file (.nrm.txt) and the normalising values it gives the columns.
#include "lavix/calc/Normalisation.h"

#include "lavix/calc/NormalisationFile.h"

namespace lavix::calc {

std::string unreadableNormalisationText(const std::string& path, const std::string& reason) {
  return "The normalization file " + path + " cannot be read: " + reason + ". The normalization is unchanged.";
}

bool setNormalisation(NormalisationContext& context) {
  ui::say(context.prompts, selectNormalisationText);
  ui::FileRequest request;
  request.filter = normalisationFilter;
  request.folder = context.baseFolder + "Controls/";
  request.mustExist = true;
  const auto chosen = context.prompts.openFile(request);
  if (!chosen || chosen->empty()) return false;

  // Read into a copy first, so a bad file leaves the table and the values as they were.
  data::NormalisationTable read;
  text::FileError error;
  if (!readNormalisationTable(*chosen, read, error, context.store.decimalSeparator)) {
    context.prompts.message({unreadableNormalisationText(*chosen, error.text), {}, ui::MessageButtons::Ok,
                             ui::MessageIcon::Warning});
    return false;
  }
  context.table = std::move(read);
  context.normFile = *chosen;
  recomputeNormValues(context.store, context.standard, context.table);
  return true;
}

}  // namespace lavix::calc
