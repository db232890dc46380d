// The commands of `Main` and `outpt`: file reading, the three models, the views and the saves.
#include "mixing/MainWindow.h"

#include <filesystem>

#include "common/format/NumberFormat.h"
#include "common/text/Text.h"
#include "common/text/TextFile.h"
#include "mixing/Messages.h"

namespace lavix::mixing {

namespace {

using format::formatNumber;
using format::formatText;

std::string baseName(const std::string& path) { return std::filesystem::path(path).filename().string(); }

std::string escapeBreaks(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\r') continue;
    if (c == '\n') out += "\\n";
    else out += c;
  }
  return out;
}

// Reads a chosen file whole; the system's error text is shown when it cannot be. A file
// larger than the matrix could hold is refused before it is read.
std::optional<std::string> readChosen(const Session& s, const std::string& path) {
  std::string content;
  text::FileError error;
  text::ReadLimits limits;
  limits.maxBytes = text::tableFileLimit(s.matrix.rowCount(), s.matrix.columnCount() + 4);
  if (!text::readFile(path, content, error, limits)) {
    ui::say(s.prompts, error.number == text::fileTooLargeError ? error.text + messages::tooLargeForMatrix : error.text);
    return std::nullopt;
  }
  return content;
}

// Whole numbers in a range, as typed into the Redim boxes.
std::optional<int> wholeNumber(const std::string& typed, int low, int high) {
  double value = 0;
  if (!text::tryParseNumber(typed, '.', value) || value != static_cast<double>(static_cast<long long>(value))) return std::nullopt;
  if (value < low || value > high) return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace

std::string Session::folder(const std::string& sub) const {
  return (std::filesystem::path(baseFolder) / sub).string() + "/";
}

// ---------------------------------------------------------------------------- outpt

OutputWindow::OutputWindow(Session& session) : session_(session) {
  commands_.add({"Printr", "Print", [this](const std::string&) { Printr(); }, {}});
  commands_.add({"txtfile", "Text file", [this](const std::string&) { txtfile(); }, {}});
  commands_.add({"corr", "Save corrected data", [this](const std::string&) { corr(); }, {}});
  commands_.add({"quit", "Close", [this](const std::string&) { quit(); }, {}});
}

ui::EventResult OutputWindow::click(const std::string& control, const std::string& item) {
  return commands_.run(control, item);
}

std::vector<std::pair<std::string, std::string>> OutputWindow::fields() const {
  return {{"report", escapeBreaks(text)}};
}

void OutputWindow::show(const std::vector<std::string>& reportLines) {
  text = text::joinLinesCrLf(reportLines);
  visible = true;
}

std::vector<std::string> OutputWindow::lines() const { return text::splitLines(text); }

void OutputWindow::Printr() {
  ui::TextPrintJob job{"mixing", lines()};
  if (const auto error = session_.printer.printText(job)) ui::say(session_.prompts, *error);
}

void OutputWindow::txtfile() {
  const auto path = session_.prompts.saveFile({messages::textOutputTitle, messages::textFilter, 1, "", "", false, true});
  if (!path) return;
  text::FileError error;
  if (!text::writeFileAtomically(*path, text, error)) ui::say(session_.prompts, error.text);
}

void OutputWindow::corr() {
  Session& s = session_;
  if (!s.lastResult || s.lastChoice.target == 0) {
    ui::say(s.prompts, messages::noTarget);
    return;
  }
  if (s.correctedFile.empty()) {
    const auto path = s.prompts.saveFile({messages::correctedTitle, messages::textFilter, 1, s.folder("Data Files"),
                                          messages::correctedPrefix + s.rockFileName, false, false});
    if (!path) return;
    s.correctedFile = *path;
  }
  // Appending rewrites the whole file atomically, so a failed save keeps the rows saved before.
  std::string content;
  text::FileError error;
  if (text::fileExists(s.correctedFile) && !text::readFile(s.correctedFile, content, error)) {
    ui::say(s.prompts, error.text);
    return;
  }
  std::vector<std::string> add;
  if (content.empty()) {
    std::string header = "Sample\tJcode\tKcode\tLcode";
    for (int i = 1; i <= s.oxides.count(); ++i)
      header += "\t" + (i == s.oxides.hiddenFe2o3Row ? std::string("dum") : s.oxides.names[static_cast<std::size_t>(i - 1)]);
    for (const auto& element : s.partition.elements) header += "\t" + element;
    add.push_back(header);
  } else if (content.back() != '\n') {
    content += "\r\n";
  }
  const int row = s.lastChoice.target;
  std::string line = s.matrix.name(row);
  for (int c = 0; c < 3; ++c) line += "\t" + std::to_string(s.matrix.code(c, row));
  for (int i = 1; i <= s.oxides.count(); ++i) line += "\t" + formatNumber(s.matrix.value(i, row), "#0.0#");
  for (int t = 1; t <= s.partition.elementCount(); ++t) {
    const int column = s.oxides.count() + t;
    line += "\t" + (s.matrix.missing(column, row) ? std::string() : formatNumber(s.matrix.value(column, row), "###0.0#"));
  }
  add.push_back(line);
  if (!text::writeFileAtomically(s.correctedFile, content + text::joinLinesCrLf(add), error)) {
    ui::say(s.prompts, error.text);
    return;
  }
  s.prompts.showStatus(messages::savedToFile);
  s.prompts.showStatus(messages::dataSaved);
}

// ---------------------------------------------------------------------------- Main

MainWindow::MainWindow(Session& session) : session_(session), output_(session) {
  const auto add = [this](const char* name, const char* caption, void (MainWindow::*method)()) {
    commands_.add({name, caption, [this, method](const std::string&) { (this->*method)(); }, {}});
  };
  add("readpc", "Read Partition Coefficients", &MainWindow::readpc);
  add("readrock", "Read Rock file", &MainWindow::readrock);
  add("readmin", "Read Mineral file", &MainWindow::readmin);
  add("FC", "Fractional Crystallisation", &MainWindow::FC);
  add("magmix", "Magma Mixing", &MainWindow::magmix);
  add("both", "Mixing + Fractionation", &MainWindow::both);
  add("newpt", "New Parent", &MainWindow::newpt);
  add("newdt", "New Daughter", &MainWindow::newdt);
  add("newmins", "New Minerals", &MainWindow::newmins);
  add("viewpc", "View Partition Coefficients", &MainWindow::viewpc);
  add("showop", "Show Output", &MainWindow::showop);
  add("redimen", "Redimension", &MainWindow::redimen);
  add("quit", "Quit", &MainWindow::quit);
}

ui::EventResult MainWindow::click(const std::string& control, const std::string& item) {
  if (output_.visible && output_.commands().find(control)) return output_.click(control, item);
  return commands_.run(control, item);
}

std::string MainWindow::matrixCaption() const {
  return "Matrix is " + std::to_string(session_.matrix.rowCount()) + " by " + std::to_string(session_.matrix.columnCount());
}

std::string MainWindow::loadedCaption() const {
  const Session& s = session_;
  if (!s.pcRead) return messages::readPcFirst;
  const int oxides = s.oxides.count() - (s.oxides.hiddenFe2o3Row > 0 ? 1 : 0);
  return std::to_string(s.rockCount) + messages::rocksLoaded + std::to_string(s.mineralCount) +
         messages::mineralsLoaded + std::to_string(oxides) + messages::oxidesLoaded +
         std::to_string(s.partition.elementCount()) + messages::elementsLoaded;
}

std::vector<std::pair<std::string, std::string>> MainWindow::mainFields() const {
  const Session& s = session_;
  return {{"pcFile", s.pcRead ? s.pcFileName : ""},
          {"weightFile", s.pcRead ? s.weightFileName : ""},
          {"rockFile", s.rocksRead ? s.rockFileName + messages::countPrefix + std::to_string(s.rockCount) : ""},
          {"mineralFile", s.mineralsRead ? s.mineralFileName + messages::countPrefix + std::to_string(s.mineralCount) : ""},
          {"matrixSize", matrixCaption()},
          {"loaded", loadedCaption()},
          {"status", status_}};
}

std::vector<std::pair<std::string, std::string>> MainWindow::fields() const {
  return output_.visible ? output_.fields() : mainFields();
}

std::optional<std::string> MainWindow::dump(const std::string& what) const {
  if (what == "report") return output_.text;
  if (what != "corrected") return std::nullopt;
  std::string content;
  text::FileError error;
  if (session_.correctedFile.empty() || !text::readFile(session_.correctedFile, content, error)) return std::string();
  return content;
}

void MainWindow::readpc() {
  Session& s = session_;
  const auto pcPath = s.prompts.openFile({messages::pcTitle, messages::pcFilter, 1, s.folder("PC"), "", true, false});
  if (!pcPath) return;
  const auto pcText = readChosen(s, *pcPath);
  if (!pcText) return;
  auto partition = readPartitionCoefficients(*pcText, s.decimalSeparator);
  for (const auto& notice : partition.notices) ui::say(s.prompts, notice);
  if (!partition.ok()) {
    ui::say(s.prompts, partition.error);
    return;
  }
  const auto weightPath =
      s.prompts.openFile({messages::weightTitle, messages::weightFilter, 1, s.folder("PC"), messages::weightDefault, true, false});
  if (!weightPath || weightPath->empty()) return;
  const auto weightText = readChosen(s, *weightPath);
  if (!weightText) return;
  auto weights = readWeights(*weightText, s.decimalSeparator, baseName(*weightPath));
  if (!weights.ok()) {
    ui::say(s.prompts, weights.error);
    return;
  }
  if (weights.value.count() + partition.value.elementCount() > s.matrix.columnCount()) {
    ui::say(s.prompts, messages::tooManyColumns);
    return;
  }
  s.partition = std::move(partition.value);
  s.oxides = std::move(weights.value);
  s.pcFileName = baseName(*pcPath);
  s.weightFileName = baseName(*weightPath);
  s.pcRead = true;
  // The column layout changed: rocks and minerals must be read again.
  s.rocksRead = s.mineralsRead = s.fcRun = false;
  s.rockCount = s.mineralCount = 0;
  s.lastResult.reset();
  s.matrix.allocate(s.matrix.rowCount(), s.matrix.columnCount());
}

void MainWindow::readrock() {
  Session& s = session_;
  if (!s.pcRead) {
    ui::say(s.prompts, messages::readPcFirst);
    return;
  }
  const auto path = s.prompts.openFile({messages::rockTitle, messages::rockFilter, 1, s.folder("Data Files"), "", true, false});
  if (!path) return;
  const auto content = readChosen(s, *path);
  if (!content) return;
  const auto rocks = readAnalyses(*content, s.oxides, s.partition.elements, s.decimalSeparator);
  for (const auto& notice : rocks.notices) ui::say(s.prompts, notice);
  if (!rocks.ok()) {
    ui::say(s.prompts, rocks.error);
    return;
  }
  if (static_cast<int>(rocks.value.size()) > s.matrix.rockCapacity()) {
    ui::say(s.prompts, messages::tooManyRocks);
    return;
  }
  s.matrix.replaceBlock(1, s.matrix.rockCapacity(), rocks.value);
  s.rockCount = static_cast<int>(rocks.value.size());
  s.rockFileName = baseName(*path);
  s.rocksRead = true;
  // The rows of the last fractionation run now hold other rocks.
  s.fcRun = false;
  s.lastResult.reset();
}

void MainWindow::readmin() {
  Session& s = session_;
  if (!s.pcRead) {
    ui::say(s.prompts, messages::readPcFirst);
    return;
  }
  const auto path = s.prompts.openFile({messages::mineralTitle, messages::mineralFilter, 1, s.folder("Data Files"), "", true, false});
  if (!path) return;
  const auto content = readChosen(s, *path);
  if (!content) return;
  const auto minerals = readAnalyses(*content, s.oxides, s.partition.elements, s.decimalSeparator);
  for (const auto& notice : minerals.notices) ui::say(s.prompts, notice);
  if (!minerals.ok()) {
    ui::say(s.prompts, minerals.error);
    return;
  }
  if (static_cast<int>(minerals.value.size()) > mineralRowCount) {
    ui::say(s.prompts, messages::tooManyMinerals);
    return;
  }
  const int first = s.matrix.firstMineralRow();
  s.matrix.replaceBlock(first, s.matrix.rowCount(), minerals.value);
  s.mineralCount = static_cast<int>(minerals.value.size());
  for (int row = first; row < first + s.mineralCount; ++row) {
    s.matrix.mineralId(row) = matchMineral(s.matrix.name(row), s.partition.identifiers);
    if (s.matrix.mineralId(row) == 0) ui::say(s.prompts, s.matrix.name(row) + messages::notMatched);
  }
  s.mineralFileName = baseName(*path);
  s.mineralsRead = true;
  s.fcRun = false;
  s.lastResult.reset();
}

bool MainWindow::filesReady(bool needMinerals) {
  const Session& s = session_;
  const char* missing = !s.pcRead                        ? messages::readPcFirst
                        : needMinerals && !s.mineralsRead ? messages::readMineralFirst
                        : !s.rocksRead                    ? messages::readRockFirst
                                                          : nullptr;
  if (missing) ui::say(session_.prompts, missing);
  return missing == nullptr;
}

std::vector<int> MainWindow::rockRows() const {
  std::vector<int> rows;
  for (int row = 1; row <= session_.rockCount; ++row) rows.push_back(row);
  return rows;
}

std::vector<int> MainWindow::mineralRows() const {
  std::vector<int> rows;
  const int first = session_.matrix.firstMineralRow();
  for (int row = first; row < first + session_.mineralCount; ++row) rows.push_back(row);
  return rows;
}

int MainWindow::chooseOne(const std::string& prompt, const std::vector<int>& rows) {
  ui::ListRequest request{prompt, {}, false};
  request.singleChoice = true;
  for (int row : rows) request.items.push_back(" " + session_.matrix.name(row));
  const ui::ListResult result = session_.prompts.pickList(request);
  if (result.listChoice < 1 || result.listChoice > static_cast<int>(rows.size())) return 0;
  return rows[static_cast<std::size_t>(result.listChoice - 1)];
}

std::vector<int> MainWindow::chooseMany(const std::string& prompt, const std::vector<int>& rows, bool quitItem) {
  ui::ListRequest request{prompt, {}, false};
  for (int row : rows) request.items.push_back(" " + session_.matrix.name(row));
  if (quitItem) request.items.emplace_back(" QUIT");
  const ui::ListResult result = session_.prompts.pickList(request);
  std::vector<int> chosen;
  for (std::size_t i = 0; i < rows.size() && i < result.items.size(); ++i)
    if (!result.items[i].empty() && result.items[i][0] == '*') chosen.push_back(rows[i]);
  return chosen;
}

void MainWindow::run(const ModelChoice& choice) {
  Session& s = session_;
  ModelResult result = runModel(s.matrix, s.oxides, s.partition, choice);
  if (!result.refusal.empty()) {
    ui::say(s.prompts, result.refusal);
    return;
  }
  s.lastResult = std::move(result);
  s.lastChoice = choice;
  s.lastModel = static_cast<int>(choice.model);
  if (choice.model == Model::Fractionation) s.fcRun = true;
  output_.show(s.lastResult->report);
}

void MainWindow::FC() {
  if (!filesReady(true)) return;
  ModelChoice choice;
  choice.model = Model::Fractionation;
  choice.minerals = chooseMany(messages::selectMinerals, mineralRows(), false);
  if (choice.minerals.empty()) return;
  choice.daughter = chooseOne(messages::selectDaughter, rockRows());
  if (choice.daughter == 0) return;
  status_ = messages::daughterIs + session_.matrix.name(choice.daughter);
  session_.prompts.showStatus(status_);
  choice.target = chooseOne(messages::selectParent, rockRows());
  if (choice.target == 0) return;
  status_ = messages::parentIs + session_.matrix.name(choice.target);
  session_.prompts.showStatus(status_);
  run(choice);
}

void MainWindow::magmix() {
  if (!filesReady(false)) return;
  ModelChoice choice;
  choice.model = Model::Mixing;
  choice.target = chooseOne(messages::selectHybrid, rockRows());
  if (choice.target == 0) return;
  choice.lavas = chooseMany(messages::selectLavas, rockRows(), true);
  if (choice.lavas.empty()) return;
  run(choice);
}

void MainWindow::both() {
  if (!filesReady(true)) return;
  ModelChoice choice;
  choice.model = Model::MixingAndFractionation;
  choice.target = chooseOne(messages::selectHybridKeys, rockRows());
  if (choice.target == 0) return;
  choice.minerals = chooseMany(messages::selectMinerals, mineralRows(), false);
  if (choice.minerals.empty()) return;
  choice.lavas = chooseMany(messages::selectLavas, rockRows(), true);
  if (choice.lavas.empty()) return;
  run(choice);
}

bool MainWindow::fcRerunAllowed() {
  const Session& s = session_;
  if (s.lastModel != 0 && s.lastModel != static_cast<int>(Model::Fractionation)) {
    ui::say(session_.prompts, messages::fcOnly);
    return false;
  }
  if (!s.fcRun) {
    ui::say(session_.prompts, messages::runFcFirst);
    return false;
  }
  return true;
}

void MainWindow::newpt() {
  if (!fcRerunAllowed()) return;
  ModelChoice choice = session_.lastChoice;
  choice.target = chooseOne(messages::selectParent, rockRows());
  if (choice.target == 0) return;
  status_ = messages::parentIs + session_.matrix.name(choice.target);
  session_.prompts.showStatus(status_);
  run(choice);
}

void MainWindow::newdt() {
  if (!fcRerunAllowed()) return;
  ModelChoice choice = session_.lastChoice;
  choice.daughter = chooseOne(messages::selectDaughter, rockRows());
  if (choice.daughter == 0) return;
  status_ = messages::daughterIs + session_.matrix.name(choice.daughter);
  session_.prompts.showStatus(status_);
  run(choice);
}

void MainWindow::newmins() {
  if (!fcRerunAllowed()) return;
  ModelChoice choice = session_.lastChoice;
  choice.minerals = chooseMany(messages::selectMinerals, mineralRows(), false);
  if (choice.minerals.empty()) return;
  run(choice);
}

void MainWindow::viewpc() {
  const Session& s = session_;
  if (!s.pcRead) {
    ui::say(s.prompts, messages::readPcFirst);
    return;
  }
  std::vector<std::string> lines{messages::pcHeading};
  std::string heading = "    ";
  for (const auto& id : s.partition.identifiers) heading += formatText(id, "@@@@@@@");
  lines.push_back(heading);
  for (int t = 1; t <= s.partition.elementCount(); ++t) {
    std::string line = formatText(s.partition.elements[static_cast<std::size_t>(t - 1)], "!@@@@");
    for (int m = 1; m <= s.partition.identifierCount(); ++m) {
      const float k = s.partition.k(t, m);
      line += formatText(formatNumber(k, k < 1 ? "0.##" : "##0.00"), "@@@@@@") + " ";
    }
    lines.push_back(line);
  }
  lines.emplace_back(messages::weightsHeading);
  for (int i = 1; i <= s.oxides.count(); ++i) {
    if (i == s.oxides.hiddenFe2o3Row) continue;
    lines.push_back("  " + formatText(text::stripMarkup(s.oxides.names[static_cast<std::size_t>(i - 1)]), "!@@@@@@@") +
                    formatNumber(s.oxides.weights[static_cast<std::size_t>(i - 1)], "##0.00"));
  }
  output_.show(lines);
}

void MainWindow::redimen() {
  Session& s = session_;
  const std::string rows = std::to_string(s.matrix.rowCount()), columns = std::to_string(s.matrix.columnCount());
  const std::string question = "The data matrix has " + rows + " analyses (rows) and " + columns + " elements (columns) " +
                               ".  Redimensioning removes all existing rock or mineral data. " + "Do you wish to proceed?";
  if (!ui::askYesNo(s.prompts, question, messages::redimTitle)) return;
  const auto rowText = s.prompts.input({messages::redimRows, messages::redimInputTitle, rows});
  if (!rowText) return;
  const auto newRows = wholeNumber(*rowText, mineralRowCount + 1, 32767);
  if (!newRows) {
    ui::say(s.prompts, messages::redimBadRows);
    return;
  }
  const auto columnText = s.prompts.input({messages::redimColumns, messages::redimInputTitle, columns});
  if (!columnText) return;
  const auto newColumns = wholeNumber(*columnText, 1, 200);
  if (!newColumns) {
    ui::say(s.prompts, messages::redimBadColumns);
    return;
  }
  s.matrix.allocate(*newRows, *newColumns);
  s.rocksRead = s.mineralsRead = s.fcRun = false;
  s.rockCount = s.mineralCount = 0;
  s.lastResult.reset();
  if (s.oxides.count() + s.partition.elementCount() > *newColumns) s.pcRead = false;
  status_ = matrixCaption();
  s.prompts.showStatus(status_);
}

}  // namespace lavix::mixing
