// The main window of lavix as a core model: menus, commands, title, status line.
#include "lavix/app/MainWindow.h"

#include "common/text/Text.h"
#include "lavix/app/DataLoading.h"
#include "lavix/app/DiagramCommands.h"
#include "lavix/app/FileOperations.h"
#include "lavix/app/Messages.h"
#include "lavix/app/Session.h"
#include "lavix/calc/VariableCalculator.h"
#include "lavix/data/ResetDataMatrix.h"

namespace lavix::app {

namespace {

// Commands whose subsystems are not built yet: present in the menus, never enabled.
struct Placeholder {
  const char* name;
  const char* caption;
};

constexpr Placeholder plotCommands[] = {
    {"mtri", "&Ternary diagram"}, {"mhist", "&Histogram"},
    {"mspider", "&Spider diagram"}, {"mdiag", "&Diagram library"}};
constexpr Placeholder calculateCommands[] = {
    {"mnorm", "&Normalize"}, {"mpearce", "&Pearce parameters"},
    {"mextra", "&Extra parameters"}, {"mcmas", "&CMAS projection"}, {"mmin", "&Mineral projection"}};
constexpr Placeholder diagramCommands[] = {
    {"menuSymbols", "S&ymbols"},           {"menuSelect", "Se&lect subset"},
    {"menuAspect", "&Aspect"},             {"menuPosition", "&Position"},
    {"menuZerosIn", "Zeros &in"},          {"menuZerosOut", "Zeros &out"},
    {"menuWhite", "&White page"},          {"menuColor", "&Colour page"},
    {"menuVerticalY", "&Vertical Y label"}, {"menuHorizY", "&Horizontal Y label"}};
constexpr Placeholder outputCommands[] = {{"menuPrint", "&Print"},
                                          {"mnuSaveDiag", "&Save diagram"},
                                          {"mnuSaveDiaPage", "Save diagram with &page"},
                                          {"mnuClipPage", "&Copy with page"},
                                          {"mnuClipnopage", "Copy &without page"}};
constexpr Placeholder modelCommands[] = {{"mpi", "&Melting and crystallisation"}, {"magmix", "&Mixing"}};
constexpr Placeholder preferenceCommands[] = {{"mpref", "&Preferences"}};

const char* const lastFileCommands[] = {"mLastFile1", "mLastFile2", "mLastFile3", "mLastFile4", "mLastFile5"};

}  // namespace

MainWindow::MainWindow(Session& session) : session_(session) {
  buildCommands();
  buildMenus();
}

void MainWindow::buildCommands() {
  commands_.add({"mOpen", "&Open", [this](const std::string&) { mOpen(); }, {}});
  for (int entry = 1; entry <= 5; ++entry)
    commands_.add({lastFileCommands[entry - 1], "", [this, entry](const std::string&) { mLastFile(entry); },
                   [this, entry] { return !session_.recent.caption(entry).empty(); }});
  commands_.add({"mfilops", "File &Operations", [this](const std::string&) { runFileOperations(session_); }, {}});
  commands_.add({"mxy", "&XY diagram", [this](const std::string&) { mxy(session_); }, {}});
  commands_.add({"maddpara", "&New variable", [this](const std::string&) { maddpara(); }, {}});
  commands_.add({"mReset", "&Reset data matrix", [this](const std::string&) { mReset(); }, {}});
  commands_.add({"mExit", "E&xit", [this](const std::string&) { mExit(); }, {}});
  auto addPlaceholders = [this](const auto& list) {
    for (const auto& p : list) commands_.add({p.name, p.caption, [](const std::string&) {}, [] { return false; }});
  };
  addPlaceholders(plotCommands);
  addPlaceholders(calculateCommands);
  addPlaceholders(diagramCommands);
  addPlaceholders(outputCommands);
  addPlaceholders(modelCommands);
  addPlaceholders(preferenceCommands);
}

void MainWindow::buildMenus() {
  Menu file{"mfile", "&File", {{"mOpen"}, {""}}};
  for (const char* name : lastFileCommands) file.entries.push_back({name});
  file.entries.insert(file.entries.end(), {{""}, {"mfilops"}, {"mReset"}, {""}, {"mExit"}});
  menus_.push_back(std::move(file));
  auto menuOf = [](const char* name, const char* caption, const auto& list) {
    Menu menu{name, caption, {}};
    for (const auto& p : list) menu.entries.push_back({p.name});
    return menu;
  };
  Menu plot = menuOf("mplot", "&Plot", plotCommands);
  plot.entries.insert(plot.entries.begin(), {"mxy"});
  menus_.push_back(std::move(plot));
  Menu calculate = menuOf("mcalc", "&Calculate", calculateCommands);
  calculate.entries.insert(calculate.entries.begin(), {"maddpara"});
  menus_.push_back(std::move(calculate));
  menus_.push_back(menuOf("mdiagram", "&Diagram", diagramCommands));
  menus_.push_back(menuOf("moutput", "&Output", outputCommands));
  menus_.push_back(menuOf("mmodels", "&Models", modelCommands));
  menus_.push_back(menuOf("mprefs", "P&references", preferenceCommands));
}

ui::EventResult MainWindow::click(const std::string& control, const std::string& item) {
  ui::EventResult result = commands_.run(control, item);
  notify();
  return result;
}

std::vector<std::pair<std::string, std::string>> MainWindow::fields() const {
  std::vector<std::pair<std::string, std::string>> out;
  out.emplace_back("title", title());
  out.emplace_back("labStatus", statusText());
  for (int entry = 1; entry <= 5; ++entry)
    out.emplace_back(lastFileCommands[entry - 1], session_.recent.caption(entry));
  return out;
}

std::string MainWindow::caption(const std::string& command) const {
  for (int entry = 1; entry <= 5; ++entry)
    if (command == lastFileCommands[entry - 1]) return session_.recent.caption(entry);
  const ui::Command* found = commands_.find(command);
  return found ? found->caption : std::string();
}

bool MainWindow::isChecked(const std::string& command) const {
  if (command == "menuVerticalY") return session_.diagram.yLabelOrientation == 1;
  if (command == "menuHorizY") return session_.diagram.yLabelOrientation != 1;
  if (command == "menuZerosIn") return session_.window.zerosIn;
  if (command == "menuZerosOut") return !session_.window.zerosIn;
  return false;
}

bool MainWindow::isVisible(const std::string& command) const {
  for (int entry = 1; entry <= 5; ++entry)
    if (command == lastFileCommands[entry - 1]) return !session_.recent.caption(entry).empty();
  return commands_.find(command) != nullptr;
}

std::string MainWindow::title() const { return session_.window.title; }
std::string MainWindow::statusText() const { return session_.window.status; }
bool MainWindow::buttonRowVisible() const { return session_.window.buttonRowVisible; }
std::vector<std::string> MainWindow::buttonCommands() const { return {}; }

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
    session_.window.identifyMode = false;
    session_.window.buttonRowVisible = false;
  }
}

void MainWindow::mExit() { exitRequested_ = true; }

void MainWindow::maddpara() {
  // A new variable belongs to a diagram: without one (or without data) there is nothing to do.
  if (session_.diagram.diagramKind.empty() || session_.data.rowCount == 0) return;
  if (session_.data.columnCount == 0) return;
  calc::CalculatorContext context{session_.data,     session_.standard, session_.exchange,
                                  session_.prompts,  session_.calcResult, session_.diagram.plot,
                                  session_.window.zerosIn, &session_.normalisation};
  calc::selectVariable(context, "New Variable");
}

void MainWindow::openAtStart(const std::string& path) {
  openDataFile(session_, path);
  notify();
}

}  // namespace lavix::app
