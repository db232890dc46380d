// The File Operations menu (`mfilops`): print, modify, enter, clear, save, add a file, clipboard.
#include "lavix/app/FileOperations.h"

#include <filesystem>
#include <system_error>

#include "common/text/TextFile.h"
#include "lavix/app/DataEntry.h"
#include "lavix/app/DataLoading.h"
#include "lavix/app/Messages.h"
#include "lavix/app/PrintTable.h"
#include "lavix/app/Session.h"
#include "lavix/data/DataFileReader.h"
#include "lavix/data/DataFileWriter.h"

namespace lavix::app {

namespace {

enum Choice { printTable = 1, modifyData, enterData, clearAll, saveFile, addFile, readClip, copyToClip, quit };

const std::vector<std::string> choices = {"Print a table", "Modify data", "Enter data",
                                          "Clear all data", "Save file", "Add a file",
                                          "Read the clipbrd", "Copy file to clipbrd", "Quit"};

// Clipboard text beyond this many characters is not placed on the clipboard.
constexpr std::size_t clipboardLimit = 62600;

void setTitle(Session& s, const std::string& title) {
  s.window.title = title;
  s.prompts.showTitle(title);
}

// The rows picked for the spider diagram or a model; null when none are.
const std::vector<int16_t>* pickedRows(const Session& s) {
  return s.spider.selectedRows.empty() ? nullptr : &s.spider.selectedRows;
}

void clearAllData(Session& s) {
  auto answer = s.prompts.message({messages::removeAllData, {}, ui::MessageButtons::OkCancel, ui::MessageIcon::Warning});
  if (answer != ui::MessageResult::Ok) return;
  for (auto& name : s.data.sampleName) name.clear();
  for (auto& name : s.data.columnName) name.clear();
  s.data.clearCells();
  s.data.rowCount = 0;
  s.data.columnCount = 0;
  s.data.fileColumnCount = 0;
  s.data.currentFile.clear();
  s.data.partlyReadFiles.clear();
  setTitle(s, "Lavix ");
}

void addAFile(Session& s) {
  if (s.data.rowCount == 0) {
    ui::say(s.prompts, messages::cantAddToNothing);
    return;
  }
  ui::say(s.prompts, messages::appendsNewFile);
  ui::FileRequest request;
  request.filter = messages::openFilter;
  request.folder = s.dataFolder;
  request.mustExist = true;
  auto chosen = s.prompts.openFile(request);
  if (!chosen || chosen->empty()) return;
  s.data.currentFile = *chosen;
  readCurrentFile(s, "A");
}

void readTheClipboard(Session& s) {
  if (readClipboardTable(s)) {
    s.data.currentFile = "Clipboard";
    s.window.dataName = "Clipboard";
    setTitle(s, "Lavix Clipboard   " + std::to_string(s.data.rowCount) + " rows by " +
                    std::to_string(s.data.columnCount) + " columns");
  } else if (s.data.rowCount == 0) {
    // A refused clipboard leaves the data in memory alone; only an empty matrix loses its name.
    s.data.currentFile.clear();
    setTitle(s, "Lavix ");
  }
}

void copyToClipboard(Session& s) {
  std::string text;
  bool tooBig = false;
  data::WriteOptions options;
  options.rows = pickedRows(s);
  data::forEachDataFileLine(s.data, options, [&](std::string_view line) {
    if (tooBig || text.size() + line.size() + 2 > clipboardLimit) {
      tooBig = true;
      return;
    }
    text += line;
    text += "\r\n";
  });
  s.clipboard.setText(text);
  if (tooBig)
    ui::say(s.prompts, messages::fileTooBig + std::to_string(text.size()) + messages::charactersPlaced);
  else
    ui::say(s.prompts, messages::clipboardLoaded);
}

// Saving over a file that was read only in part would throw away what was left out.
bool mayOverwrite(Session& s, const std::string& path) {
  for (const std::string& source : s.data.partlyReadFiles) {
    std::error_code error;
    if (!std::filesystem::equivalent(path, source, error)) continue;
    const std::string question = messages::partlyReadStart + fileNamePart(source) + messages::partlyReadEnd;
    return s.prompts.message({question, {}, ui::MessageButtons::OkCancel, ui::MessageIcon::Warning}) ==
           ui::MessageResult::Ok;
  }
  return true;
}

}  // namespace

const std::vector<int16_t>* recalculatedColumns(const Session& s) { return s.recalc.recast.recastFlags(); }

bool askRecalculated(Session& s, const std::vector<int16_t>* recalculated, bool& writeRecalculated) {
  writeRecalculated = false;
  const int count = data::recalculatedCount(s.data, recalculated);
  if (count == 0) return true;
  const std::string question = std::to_string(count) + messages::recalculatedColumns + messages::allFeAsFeO;
  if (s.prompts.message({question, {}, ui::MessageButtons::OkCancel, ui::MessageIcon::Question}) != ui::MessageResult::Ok)
    return false;
  writeRecalculated = true;
  return true;
}

bool saveDataFile(Session& s, const std::vector<int16_t>* recalculated) {
  if (s.data.rowCount == 0) {
    ui::say(s.prompts, messages::noDataToSave);
    return false;
  }
  bool writeRecalculated = false;
  if (!askRecalculated(s, recalculated, writeRecalculated)) return false;
  ui::FileRequest request;
  request.filter = messages::saveFilter;
  request.folder = s.dataFolder;
  request.confirmOverwrite = true;
  auto chosen = s.prompts.saveFile(request);
  if (!chosen || chosen->empty()) return false;
  std::string path = *chosen;
  if (fileNamePart(path).find('.') == std::string::npos) {
    static const std::vector<std::string> extensions = {".txt", ".roc", ".min"};
    int extension = s.exchange.askButton(s.prompts, messages::selectExtension, extensions, "");
    if (extension < 1 || extension > 3) return false;
    path += extensions[static_cast<std::size_t>(extension - 1)];
  }
  if (!mayOverwrite(s, path)) return false;
  // Save writes every row, whichever samples are picked for the spider diagram.
  data::WriteOptions options;
  options.recalculated = writeRecalculated ? recalculated : nullptr;
  text::FileError error;
  if (!data::writeDataFile(s.data, path, error, options)) {
    ui::say(s.prompts, error.text + messages::errorNumber + std::to_string(error.number));
    return false;
  }
  s.data.currentFile = path;
  s.data.markSaved();
  s.window.dataName = fileNamePart(path);
  setTitle(s, data::dataTitle(s.data, false));
  return true;
}

void runFileOperations(Session& s) {
  bool onlyInMemory = false;
  for (;;) {
    // Entered or modified in the grid and not saved (nor replaced by a load) since.
    if (onlyInMemory && s.data.hasUnsavedChanges()) {
      ui::say(s.prompts, std::string(messages::warningInMemory) + messages::selectSaveOption);
      s.recording.clear();
    }
    int choice =
        s.exchange.askButton(s.prompts, messages::fileOperationsTitle + s.data.currentFile, choices, "pmtcsarfq");
    switch (choice) {
      case printTable: printDataTable(s, recalculatedColumns(s), pickedRows(s)); break;
      case modifyData: onlyInMemory = modifyDataInGrid(s) || onlyInMemory; break;
      case enterData: onlyInMemory = enterDataInGrid(s) || onlyInMemory; break;
      case clearAll: clearAllData(s); break;
      case saveFile: saveDataFile(s, recalculatedColumns(s)); break;
      case addFile: addAFile(s); break;
      case readClip: readTheClipboard(s); break;
      case copyToClip: copyToClipboard(s); break;
      default: return;
    }
    showDataTitle(s);
  }
}

}  // namespace lavix::app
