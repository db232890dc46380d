// The main window of lavix as a core model: menus, commands, title, status line.
#include "lavix/app/MainWindow.h"

#include <cmath>
#include <optional>

#include "lavix/app/Redraw.h"

#include "common/text/Text.h"
#include "lavix/app/CipwColumns.h"
#include "lavix/app/ClassifyCommand.h"
#include "lavix/app/DataLoading.h"
#include "lavix/app/Interaction.h"
#include "lavix/app/LegendCommand.h"
#include "lavix/app/LibraryCommands.h"
#include "lavix/app/OutputCommands.h"
#include "lavix/app/ProjectionCommands.h"
#include "lavix/app/RecalcCommands.h"
#include "lavix/app/SelectCommand.h"
#include "lavix/app/StatisticsCommands.h"
#include "lavix/app/SymbolForm.h"
#include "lavix/app/CommandTips.h"
#include "lavix/app/DiagramCommands.h"
#include "lavix/app/FileOperations.h"
#include "lavix/app/Messages.h"
#include "lavix/app/ModelCommands.h"
#include "lavix/app/PreferencesForm.h"
#include "lavix/app/Session.h"
#include "lavix/calc/VariableCalculator.h"
#include "lavix/data/ResetDataMatrix.h"

namespace lavix::app {

namespace {

// The diagram menu's own commands, in menu order.
const char* const diagramMenuCommands[] = {"menuAspect", "menuPosition", "menuZerosIn", "menuZerosOut", "menuWhite",
                                           "menuColor",  "menuVerticalY", "menuHorizY"};
const char* const outputMenuCommands[] = {"menuPrint", "mnuSaveDiag", "mnuSaveDiaPage", "mnuClipPage", "mnuClipnopage",
                                          "mnuExport"};

const char* const lastFileCommands[] = {"mLastFile1", "mLastFile2", "mLastFile3", "mLastFile4", "mLastFile5"};

// A click on the picture: "X Y" in page units, as the picture view and batch scripts send them.
std::optional<std::pair<int32_t, int32_t>> pagePoint(const std::string& item) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : item + " ") {
    if (c == ' ' || c == '\t') {
      if (!part.empty()) parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  if (parts.size() != 2) return std::nullopt;
  double x = 0, y = 0;
  if (!text::tryParseNumber(parts[0], '.', x) || !text::tryParseNumber(parts[1], '.', y)) return std::nullopt;
  if (std::fabs(x) > 1e9 || std::fabs(y) > 1e9) return std::nullopt;
  return std::pair{static_cast<int32_t>(std::lround(x)), static_cast<int32_t>(std::lround(y))};
}

}  // namespace

MainWindow::MainWindow(Session& session) : session_(session) {
  buildCommands();
  buildMenus();
  describeCommands(commands_);
}

void MainWindow::buildCommands() {
  commands_.add({"mOpen", "&Open", [this](const std::string&) { mOpen(); }, {}});
  for (int entry = 1; entry <= 5; ++entry)
    commands_.add({lastFileCommands[entry - 1], "", [this, entry](const std::string&) { mLastFile(entry); },
                   [this, entry] { return !session_.recent.caption(entry).empty(); }});
  commands_.add({"mfilops", "File &Operations", [this](const std::string&) { runFileOperations(session_); }, {}});
  commands_.add({"mSave", "&Save data file", [this](const std::string&) {
                   saveDataFile(session_, recalculatedColumns(session_));
                 }, {}});
  auto add = [this](const char* name, const char* caption, void (*command)(Session&)) {
    commands_.add({name, caption, [this, command](const std::string&) { command(session_); }, {}});
  };
  add("mplot", "&Plot", mplot);
  add("mxy", "&XY diagram", mxy);
  add("mtri", "&Ternary diagram", mtri);
  add("mcipw", "CIPW Norm", mcipw);
  add("mnorm", "&Normalize", mnorm);
  add("mpearce", "&Pearce parameters", mpearce);
  add("mextra", "&Extra parameters", mextra);
  add("mhist", "&Histogram", mhist);
  add("mspider", "&Spider diagram", mspider);
  add("mdiag", "&Diagram", mdiag);
  add("mcmas", "&CMAS projection", mcmas);
  add("mmin", "&Mineral projection", mmin);
  add("mclassify", "Classify samples", mclassify);
  add("Legend", "Legend", legend);
  add("menuSymbols", "S&ymbols", [](Session& s) {
    const SymbolsOutcome outcome = menuSymbols(s);
    if (outcome.resetSpider) s.spider.state.clear();
    if (outcome.rebuildHistogram) rebuildHistogram(s);
    if (outcome.redraw) redrawDiagram(s);
  });
  add("menuSelect", "Se&lect subset", [](Session& s) {
    const SelectOutcome outcome = menuSelect(s);
    if (!outcome.redraw) return;
    if (outcome.continueSpider) {
      s.spider.state = "CONTINUE";
      runSpiderChoice(s, s.spider, &s.subset);
    }
    if (outcome.rebuildHistogram) rebuildHistogram(s);
    redrawDiagram(s);
  });
  add("Identify", "ID ON", identify);
  add("Nextone", "Next", nextOne);
  add("prev", "Prev.", previous);
  add("pick", "Pick", pick);
  add("wrname", "Name", wrname);
  add("menuValues", "Write Values", menuValues);
  add("menuField", "Write Field", menuField);
  add("menuLabel", "Add a Label", menuLabel);
  // A click on the picture: "X Y" in page units.
  commands_.add({"lxpic", "", [this](const std::string& item) { clickAt(item); }, {}});
  add("menuAspect", "&Aspect", menuAspect);
  add("menuPosition", "&Position", menuPosition);
  add("menuZerosIn", "Zeros &in", [](Session& s) { setZerosIn(s, true); });
  add("menuZerosOut", "Zeros &out", [](Session& s) { setZerosIn(s, false); });
  add("menuWhite", "&White page", [](Session& s) { setWhitePage(s, true); });
  add("menuColor", "&Colour page", [](Session& s) { setWhitePage(s, false); });
  add("menuVerticalY", "&Vertical Y label", [](Session& s) { setYLabelOrientation(s, 1); });
  add("menuHorizY", "&Horizontal Y label", [](Session& s) { setYLabelOrientation(s, -1); });
  // The button row.
  add("newx", "New X", newx);
  add("newy", "New Y", newy);
  add("newz", "New Z", newz);
  add("SwitchXY", "XY-YX", switchXY);
  add("fliporder", "1-n n-1", flipOrder);
  add("cmdRem", "NB off", cmdRem);
  add("linRegress", "Regress", linRegress);
  // One button each; what they do, and whether they do anything, follows the diagram kind.
  commands_.add({"mix", "Mix", [this](const std::string&) { mix(session_); },
                 [this] { return mixAvailable(session_); }});
  commands_.add({"model", "Model", [this](const std::string&) { model(session_); },
                 [this] { return modelAvailable(session_); }});
  add("poisson", "&Poisson distribution", poisson);
  commands_.add({"maddpara", "&New variable", [this](const std::string&) { maddpara(); }, {}});
  commands_.add({"mReset", "&Reset data matrix", [this](const std::string&) { mReset(); }, {}});
  commands_.add({"mExit", "E&xit", [this](const std::string&) { mExit(); }, {}});
  add("menuPrint", "&Print", menuPrint);
  add("mnuSaveDiag", "&Save diagram", mnuSaveDiag);
  add("mnuSaveDiaPage", "Save diagram with &page", mnuSaveDiaPage);
  add("mnuClipPage", "&Copy with page", mnuClipPage);
  add("mnuClipnopage", "Copy &without page", mnuClipnopage);
  add("mnuExport", "&Export picture", mnuExport);
  add("mview", "&Preferences", mview);
}

void MainWindow::buildMenus() {
  Menu file{"mfile", "&File", {{"mOpen"}, {"mSave"}, {""}}};
  for (const char* name : lastFileCommands) file.entries.push_back({name});
  file.entries.insert(file.entries.end(), {{""}, {"mfilops"}, {"mReset"}, {""}, {"mExit"}});
  menus_.push_back(std::move(file));
  menus_.push_back({"mplot", "&Plot", {{"mxy"}, {"mtri"}, {"mhist"}, {"mspider"}, {"mdiag"}}});
  menus_.push_back({"mcalc",
                    "&Calculate",
                    {{"maddpara"}, {"mcipw"}, {"mnorm"}, {"mpearce"}, {"mextra"}, {"mcmas"}, {"mmin"}, {""},
                     {"linRegress"}, {"poisson"}}});
  Menu diagramMenu{"mdiagram", "&Diagram", {{"menuSymbols"}, {"menuSelect"}}};
  for (const char* name : diagramMenuCommands) diagramMenu.entries.push_back({name});
  diagramMenu.entries.insert(diagramMenu.entries.end(), {{""}, {"menuValues"}, {"menuField"}, {"menuLabel"}});
  diagramMenu.entries.insert(diagramMenu.entries.end(), {{""}, {"mclassify"}});
  menus_.push_back(std::move(diagramMenu));
  Menu output{"moutput", "&Output", {}};
  for (const char* name : outputMenuCommands) output.entries.push_back({name});
  menus_.push_back(std::move(output));
  menus_.push_back(Menu{"mmodels", "&Models", {{"model"}, {"mix"}}});
  menus_.push_back(Menu{"mprefs", "P&references", {{"mview"}}});
}

ui::EventResult MainWindow::click(const std::string& control, const std::string& item) {
  if (control == "lxpic" && !pagePoint(item)) return ui::EventResult::UnknownItem;
  ui::EventResult result = commands_.run(control, item);
  showDataTitle(session_);
  notify();
  return result;
}

std::vector<std::pair<std::string, std::string>> MainWindow::fields() const {
  std::vector<std::pair<std::string, std::string>> out;
  out.emplace_back("title", title());
  out.emplace_back("labStatus", statusText());
  for (int entry = 1; entry <= 5; ++entry)
    out.emplace_back(lastFileCommands[entry - 1], session_.recent.caption(entry));
  // The button row as the user sees it.
  if (session_.window.buttonRowVisible)
    for (const std::string& button : buttonCommands())
      if (isVisible(button)) out.emplace_back(button, caption(button));
  return out;
}

std::string MainWindow::caption(const std::string& command) const {
  for (int entry = 1; entry <= 5; ++entry)
    if (command == lastFileCommands[entry - 1]) return session_.recent.caption(entry);
  if (command == "Identify")
    return session_.window.identifyMode ? interactionText::identifyOff : interactionText::identifyOn;
  for (const diagram::DiagramButton& button : session_.buttons)
    if (button.control == command) return button.caption;
  const ui::Command* found = commands_.find(command);
  return found ? found->caption : std::string();
}

bool MainWindow::isChecked(const std::string& command) const {
  if (command == "menuWhite") return session_.diagram.whitePage == 1;
  if (command == "menuColor") return session_.diagram.whitePage != 1;
  if (command == "menuVerticalY") return session_.diagram.yLabelOrientation == 1;
  if (command == "menuHorizY") return session_.diagram.yLabelOrientation != 1;
  if (command == "menuZerosIn") return session_.window.zerosIn;
  if (command == "menuZerosOut") return !session_.window.zerosIn;
  return false;
}

bool MainWindow::isVisible(const std::string& command) const {
  for (int entry = 1; entry <= 5; ++entry)
    if (command == lastFileCommands[entry - 1]) return !session_.recent.caption(entry).empty();
  for (const diagram::DiagramButton& button : session_.buttons)
    if (button.control == command) {
      const bool walking = command == "Nextone" || command == "prev" || command == "pick";
      return button.visible && session_.window.buttonRowVisible && (!walking || session_.window.identifyMode);
    }
  return commands_.find(command) != nullptr;
}

std::string MainWindow::title() const { return session_.window.title; }
std::string MainWindow::statusText() const { return session_.window.status; }
bool MainWindow::buttonRowVisible() const { return session_.window.buttonRowVisible; }
const graphics::Recording& MainWindow::picture() const { return session_.recording; }
const graphics::Recording& MainWindow::highlight() const { return session_.interaction.highlight; }

void MainWindow::clickAt(const std::string& item) {
  if (const auto point = pagePoint(item)) clickPicture(session_, point->first, point->second);
}

std::string MainWindow::itemForm(const std::string& control) const {
  return control == "lxpic" ? messages::pictureClickItem : std::string();
}

std::vector<std::string> MainWindow::buttonCommands() const {
  std::vector<std::string> visible;
  for (const diagram::DiagramButton& button : session_.buttons)
    if (button.visible && commands_.find(button.control)) visible.push_back(button.control);
  return visible;
}

void MainWindow::notify() {
  if (changed_) changed_();
}

void MainWindow::mOpen() {
  ui::FileRequest request;
  request.filter = messages::openFilter;
  request.filterIndex = 1;
  request.folder = session_.dataFolder;
  request.mustExist = true;
  auto chosen = session_.prompts.openFile(request);
  if (!chosen || chosen->empty()) return;
  openDataFile(session_, *chosen);
}

void MainWindow::mLastFile(int entry) {
  std::string path = session_.recent.caption(entry);
  session_.data.currentFile = path;
  if (path.empty() || text::toUpper(path) == "DEFAULT") return;
  readCurrentFile(session_, "");
  if (session_.data.currentFile == "default") session_.recent.setCaption(entry, "default");
}

void MainWindow::mReset() {
  if (data::resetDataMatrix(session_.data, session_.exchange, session_.prompts)) {
    session_.allocateRowArrays();
    session_.recalc.forgetData();
    session_.window.identifyMode = false;
    session_.window.buttonRowVisible = false;
  }
}

void MainWindow::mExit() {
  // Columns computed or edited since the last read or save exist only in memory.
  if (session_.data.hasUnsavedChanges()) {
    const ui::MessageResult answer = session_.prompts.message(
        {messages::unsavedOnExit, {}, ui::MessageButtons::YesNoCancel, ui::MessageIcon::Warning});
    if (answer == ui::MessageResult::Cancel) return;
    if (answer == ui::MessageResult::Yes && !saveDataFile(session_, recalculatedColumns(session_))) return;
  }
  exitRequested_ = true;
}

void MainWindow::maddpara() {
  // A new variable belongs to a diagram: without one (or without data) there is nothing to do.
  if (session_.diagram.diagramKind.empty() || session_.data.rowCount == 0) return;
  if (session_.data.columnCount == 0) return;
  calc::CalculatorContext context{session_.data,     session_.standard, session_.exchange,
                                  session_.prompts,  session_.calcResult, session_.diagram.plot,
                                  session_.window.zerosIn, &session_.normalisation,
                                  session_.recalc.recast.recastFlags()};
  calc::selectVariable(context, "New Variable");
  showDataTitle(session_);
}

void MainWindow::openAtStart(const std::string& path) {
  openDataFile(session_, path);
  notify();
}

void MainWindow::openDropped(const std::string& path) {
  if (path.empty()) return;
  openDataFile(session_, path);
  showDataTitle(session_);
  notify();
}

}  // namespace lavix::app
