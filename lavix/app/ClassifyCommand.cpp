// The classification of samples by the fields of the library diagram shown.
#include "lavix/app/ClassifyCommand.h"

#include <span>
#include <string>

#include "common/text/Text.h"
#include "lavix/app/Interaction.h"
#include "lavix/app/Messages.h"
#include "lavix/app/Session.h"
#include "lavix/diagram/FieldClassification.h"
#include "lavix/diagram/LibraryFile.h"

namespace lavix::app {

namespace {

// The column of that name (compared without markup, any case), or 0.
int columnNamed(const Session& s, const std::string& name) {
  const std::string wanted = text::normaliseName(name);
  for (int c = 1; c <= s.data.columnCount && static_cast<std::size_t>(c) < s.data.columnName.size(); ++c)
    if (text::normaliseName(s.data.columnName[static_cast<std::size_t>(c)]) == wanted) return c;
  return 0;
}

bool roomForColumn(const Session& s) {
  const int next = s.data.columnCount + 1;
  return next < s.data.matrixColumns() && next < static_cast<int>(s.data.columnName.size()) && next <= INT16_MAX;
}

}  // namespace

void mclassify(Session& s) {
  identifyOff(s);
  if (s.data.rowCount == 0 || s.data.columnCount == 0) {
    ui::say(s.prompts, messages::readAFileFirst);
    return;
  }
  if (!s.library.showing() || s.diagram.diagramKind.empty() || s.library.currentName.empty()) {
    ui::say(s.prompts, messages::classifyNeedsLibrary);
    return;
  }
  const std::string name = diagram::shownText(s.library.currentName);  // "TAS_Cox" names the column "TAS Cox"
  const diagram::FieldClassification fields =
      diagram::classifyRows(s.diagram, s.overlays, s.data.rowCount, s.window.zerosIn);
  if (!fields.problem.empty()) {
    ui::say(s.prompts, "The fields of " + name + messages::fieldsNotClosed + fields.problem + ".");
    return;
  }
  // A column of empty cells would only hide that nothing was classified (a diagram whose
  // element the data lack draws no sample).
  if (fields.classified == 0) {
    ui::say(s.prompts, "None of the " + std::to_string(s.data.rowCount) + " samples lies in a field of " + name +
                           messages::noColumnWritten);
    return;
  }
  int column = columnNamed(s, name);
  if (column > 0) {
    if (!ui::askYesNo(s.prompts, "A column " + name + messages::replaceColumn)) return;
  } else {
    if (!roomForColumn(s)) {
      ui::say(s.prompts, messages::noRoomForColumn);
      return;
    }
    column = s.data.columnCount + 1;
  }
  s.data.setColumn(column, 1, std::span<const std::string>(fields.fieldOf).subspan(1));
  if (column > s.data.columnCount) {
    const auto at = static_cast<std::size_t>(column);
    s.data.columnName[at] = name;
    if (at < s.data.stdIndexOfColumn.size()) s.data.stdIndexOfColumn[at] = 0;
    if (at < s.data.normValue.size()) s.data.normValue[at] = 1.0f;
    s.data.columnCount = static_cast<int16_t>(column);
  }
  ui::say(s.prompts, std::to_string(fields.classified) + " of " + std::to_string(s.data.rowCount) +
                         " samples lie in a field of " + name + "; their field names are in the column " + name + ".");
}

}  // namespace lavix::app
