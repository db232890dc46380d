// The Calculate menu's recalculations: Normalize, Pearce and extra parameters, the ferric/ferrous dialog.
#include "lavix/app/RecalcCommands.h"

#include <string>
#include <vector>

#include "common/format/NumberFormat.h"
#include "common/text/Text.h"
#include "lavix/app/DataLoading.h"
#include "lavix/app/Interaction.h"
#include "lavix/app/Messages.h"
#include "lavix/app/Preferences.h"
#include "lavix/app/Session.h"
#include "lavix/calc/FormulaEvaluator.h"
#include "lavix/recalc/AppendColumns.h"
#include "lavix/recalc/ExtraParameters.h"
#include "lavix/recalc/MolecularProportions.h"

namespace lavix::app {

namespace {

bool haveData(Session& s) {
  if (s.data.rowCount != 0 && s.data.columnCount != 0) return true;
  ui::say(s.prompts, messages::readAFileFirst);
  return false;
}

int askYesNoQuit(Session& s, const char* question) {
  return s.exchange.askButton(s.prompts, question, {recalcText::yes, recalcText::no, recalcText::quitNo}, "ynq");
}

// The toggling list of every column; a list left with Quit changes nothing.
void pickRecastColumns(Session& s) {
  recalc::RecastState& recast = s.recalc.recast;
  std::vector<std::string> items;
  for (int c = 1; c <= s.data.columnCount; ++c)
    items.push_back((recast.normFlag[static_cast<std::size_t>(c)] == 1 ? "*" : " ") +
                    text::stripMarkup(s.data.columnName[static_cast<std::size_t>(c)]));
  const bool doneCaption = s.exchange.listDoneCaption;
  s.exchange.listDoneCaption = true;
  const int chosen = s.exchange.pickFromList(s.prompts, recalcText::pickTraces, items);
  s.exchange.listDoneCaption = doneCaption;
  if (chosen == 0) return;
  // The marks as the user left them: an oxide unmarked in the list is not recast either.
  for (int c = 1; c <= s.data.columnCount; ++c) {
    const std::string& item = s.exchange.fieldText[static_cast<std::size_t>(c)];
    recast.normFlag[static_cast<std::size_t>(c)] = !item.empty() && item[0] == '*' ? 1 : 0;
  }
}

// The diagram drawn before no longer shows the values the user chose: it goes.
void clearDiagramArea(Session& s) {
  identifyOff(s);
  s.plottedRows.clear();
  s.plottedNames.clear();
  s.window.buttonRowVisible = false;
  s.recording.clear();
  const std::string summary = recalc::recastSummary(s.data, s.recalc.recast);
  s.diagramStatus = summary.empty() ? std::string() : "/nm100 " + summary;
  s.setStatus(s.diagramStatus);
}

void keepFerricPreferences(Session& s) {
  Preferences& p = s.preferences;
  const recalc::IronState& iron = s.recalc.iron;
  if (p.feRatioTemperature == iron.feTempC && p.feRatioLogFO2 == iron.feLogFO2) return;
  p.feRatioTemperature = iron.feTempC;
  p.feRatioLogFO2 = iron.feLogFO2;
  s.feRatio = recalc::feRatioTerm(iron.feTempC, iron.feLogFO2);
  const std::string path = s.controlsPath("lxpref.ini");
  text::FileError error;
  if (!writeFeRatioPreferences(path, p, error))
    ui::say(s.prompts, recalcText::ferricNotKept + path + "\n" + error.text);
}

bool readDefinitions(Session& s, const char* fileName, std::vector<recalc::ParameterDefinition>& definitions) {
  std::string failure;
  if (recalc::readParameterFile(s.controlsPath(fileName), definitions, failure)) return true;
  ui::say(s.prompts, failure);
  return false;
}

bool haveRoom(Session& s, std::size_t columns) {
  if (recalc::hasRoomForColumns(s.data, static_cast<int>(columns))) return true;
  ui::say(s.prompts, recalcText::noRoom);
  return false;
}

}  // namespace

void mnorm(Session& s) {
  if (!haveData(s)) return;
  recalc::RecastState& recast = s.recalc.recast;
  const bool majors = askYesNoQuit(s, recalcText::normaliseMajors) == 1;
  if (majors && !haveRoom(s, 1)) return;
  recalc::clearFlags(s.data, recast);
  if (!majors) {
    recalc::removeLastTotalIronColumn(s.data, recast);
    recast.normOn = 0;
  } else {
    recalc::appendTotalIronColumn(s.data, recast);
    recalc::flagStandardOxides(s.data, recast);
    recast.normOn = 1;
    if (askYesNoQuit(s, recalcText::normaliseTraces) == 1) pickRecastColumns(s);
  }
  showDataTitle(s);
  clearDiagramArea(s);
}

void setFerricRatio(Session& s) {
  recalc::IronState& iron = s.recalc.iron;
  // The preferences window edits the same two values.
  iron.feTempC = s.preferences.feRatioTemperature;
  iron.feLogFO2 = s.preferences.feRatioLogFO2;
  recalc::leaveFerricRatio(iron);
  const int choice =
      s.exchange.askButton(s.prompts, recalcText::ferricTitle, {recalcText::resetRatio, recalcText::leaveRatio}, "rl");
  if (choice != 1) return;
  for (;;) {
    if (!s.exchange.askNumbers(s.prompts, recalcText::ferricInputTitle,
                               {recalcText::temperaturePrompt, recalcText::fo2Prompt}, {iron.feTempC, iron.feLogFO2}))
      return;
    const float tempC = s.exchange.fieldValue[1];
    const float logFO2 = s.exchange.fieldValue[2];
    // The same ranges as the preferences that keep these two values.
    std::string refused;
    for (const auto& [value, range] : {std::pair{tempC, feTemperatureRange}, std::pair{logFO2, feLogFO2Range}})
      if (!range.contains(value))
        refused += (refused.empty() ? "" : "\n") + range.refusal(format::shortestText(value)) + ".";
    if (refused.empty()) {
      recalc::resetFerricRatio(iron, tempC, logFO2);
      break;
    }
    ui::say(s.prompts, refused);
  }
  keepFerricPreferences(s);
}

void mpearce(Session& s) {
  if (!haveData(s) || s.recalc.pearceDone) return;
  std::vector<recalc::ParameterDefinition> definitions;
  if (!readDefinitions(s, recalcText::pearceFile, definitions) || !haveRoom(s, definitions.size())) return;
  s.recalc.crNi = recalc::findCrNi(s.data);
  setFerricRatio(s);
  const std::vector<recalc::MoleAmounts> moles =
      recalc::molecularProportions(s.data, s.standard, s.recalc.crNi, &s.recalc.iron);
  // Pearce's element symbols are cation proportions: the evaluator's "MA" element rule.
  calc::FormulaContext context{s.data, s.standard, s.prompts, s.window.zerosIn, "MA", {}};
  context.molecularAmount = [&moles](int row, int k) {
    return moles[static_cast<std::size_t>(row)][static_cast<std::size_t>(k)];
  };
  recalc::appendColumns(s.data, recalc::evaluateParameters(context, definitions, s.calcResult));
  s.recalc.pearceDone = true;
  showDataTitle(s);
}

void mextra(Session& s) {
  if (!haveData(s)) return;
  std::vector<recalc::ParameterDefinition> definitions;
  if (!readDefinitions(s, recalcText::extraFile, definitions) || !haveRoom(s, definitions.size() + 5)) return;
  setFerricRatio(s);
  recalc::IronState& iron = s.recalc.iron;
  // The density needs an iron split whatever the answer: at the T and fO2 last entered.
  iron.feRatioMode = "R";
  recalc::appendColumns(s.data, recalc::builtInExtraColumns(s.data, s.standard,
                                                            recalc::feRatioTerm(iron.feTempC, iron.feLogFO2)));
  iron.feRatioMode.clear();
  const calc::FormulaContext context{s.data, s.standard, s.prompts, true, "U", {}};
  recalc::appendColumns(s.data, recalc::evaluateParameters(context, definitions, s.calcResult));
  showDataTitle(s);
}

}  // namespace lavix::app
