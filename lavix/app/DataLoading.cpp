// Loading data files into the session: the reader plus the window-side steps after it.
#include "lavix/app/DataLoading.h"

#include <cctype>

#include "common/format/NumberFormat.h"
#include "lavix/app/Messages.h"
#include "lavix/app/Session.h"
#include "lavix/data/DataFileReader.h"

namespace lavix::app {

namespace {

data::ReadContext readContext(Session& s) {
  return data::ReadContext{s.data,          s.exchange,       s.prompts,
                           s.standard,      s.normalisation,  s.readFilter,
                           s.preferences.readFilterOn != 0, static_cast<int16_t>(s.symbols.symbolCount)};
}

void afterLoad(Session& s, const data::ReadResult& result, bool merged) {
  if (!result.dataChanged()) return;
  // Every load ends identify mode and brings the main window's buttons back to idle.
  s.window.identifyMode = false;
  s.window.dataName = merged ? std::string("merged files ") : fileNamePart(s.data.currentFile);
  s.recalc.forgetData();
  s.window.title = result.title;
  s.prompts.showTitle(result.title);
  if (const int column = s.data.totalIronColumn; column > 0)
    ui::say(s.prompts, messages::theColumn + s.data.columnName[static_cast<std::size_t>(column)] +
                           messages::totalIronTaken + (s.data.totalIronToFeO != 1 ? messages::totalIronConverted : "") +
                           messages::totalIronUse);
  // A file read is safe on disk; rows merged from two files exist only in memory.
  if (!merged) s.data.markSaved();
}

}  // namespace

void readCurrentFile(Session& s, const std::string& mode) {
  data::ReadContext context = readContext(s);
  afterLoad(s, data::readDataFile(context, mode), mode == "A");
}

bool readClipboardTable(Session& s) {
  data::ReadContext context = readContext(s);
  data::ReadResult result = data::readClipboard(context, s.clipboard);
  afterLoad(s, result, false);
  return result.dataChanged();
}

void openDataFile(Session& s, const std::string& path) {
  s.data.currentFile = path;
  readCurrentFile(s, "");
  s.recent.bringToTop(path);
}

void showDataTitle(Session& s) {
  if (s.data.rowCount <= 0 && s.data.columnCount <= 0) return;
  const std::string title = "Lavix " + s.window.dataName + "   " + std::to_string(s.data.rowCount) + " rows by " +
                            std::to_string(s.data.columnCount) + " columns";
  if (title == s.window.title) return;
  s.window.title = title;
  s.prompts.showTitle(title);
}

std::string fileNamePart(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace lavix::app
