// The File Operations menu (`mfilops`): save, add a file, clipboard, clear.
#include "lavix/app/FileOperations.h"

#include "common/text/TextFile.h"
#include "lavix/app/DataLoading.h"
#include "lavix/app/Messages.h"
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
  setTitle(s, "Lavix ");
}

void save(Session& s) {
  if (s.data.rowCount == 0) {
    ui::say(s.prompts, messages::noDataToSave);
    return;
  }
  ui::FileRequest request;
  request.filter = messages::saveFilter;
  request.folder = s.dataFolder;
  request.confirmOverwrite = true;
  auto chosen = s.prompts.saveFile(request);
  if (!chosen || chosen->empty()) return;
  std::string path = *chosen;
  std::string name = path.substr(path.find_last_of('/') == std::string::npos ? 0 : path.find_last_of('/') + 1);
  if (name.find('.') == std::string::npos) {
    static const std::vector<std::string> extensions = {".txt", ".roc", ".min"};
    int extension = s.exchange.askButton(s.prompts, messages::selectExtension, extensions, "");
    if (extension < 1 || extension > 3) return;
    path += extensions[static_cast<std::size_t>(extension - 1)];
  }
  text::FileError error;
  if (!data::writeDataFile(s.data, path, error)) {
    ui::say(s.prompts, error.text + messages::errorNumber + std::to_string(error.number));
    return;
  }
  s.data.currentFile = path;
  setTitle(s, data::dataTitle(s.data, false));
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
  data::forEachDataFileLine(s.data, [&](std::string_view line) {
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

}  // namespace

void runFileOperations(Session& s) {
  for (;;) {
    int choice = s.exchange.askButton(s.prompts, "Current file- " + s.data.currentFile, choices, "pmtcsarfq");
    switch (choice) {
      case printTable:
      case modifyData:
      case enterData:
        ui::say(s.prompts, choices[static_cast<std::size_t>(choice - 1)] + messages::needsEntryGrid);
        break;
      case clearAll: clearAllData(s); break;
      case saveFile: save(s); break;
      case addFile: addAFile(s); break;
      case readClip: readTheClipboard(s); break;
      case copyToClip: copyToClipboard(s); break;
      default: return;
    }
  }
}

}  // namespace lavix::app
