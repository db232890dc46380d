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

void afterLoad(Session& s, const data::ReadResult& result) {
  if (!result.dataChanged()) return;
  // Every load ends identify mode and brings the main window's buttons back to idle.
  s.window.identifyMode = false;
  s.recalc.forgetData();
  s.window.title = result.title;
  s.prompts.showTitle(result.title);
  if (const int column = s.data.totalIronColumn; column > 0)
    ui::say(s.prompts, messages::theColumn + s.data.columnName[static_cast<std::size_t>(column)] +
                           messages::totalIronTaken + (s.data.totalIronToFeO != 1 ? messages::totalIronConverted : "") +
                           messages::totalIronUse);
}

}  // namespace

void readCurrentFile(Session& s, const std::string& mode) {
  data::ReadContext context = readContext(s);
  afterLoad(s, data::readDataFile(context, mode));
}

bool readClipboardTable(Session& s) {
  data::ReadContext context = readContext(s);
  data::ReadResult result = data::readClipboard(context, s.clipboard);
  afterLoad(s, result);
  return result.dataChanged();
}

void openDataFile(Session& s, const std::string& path) {
  s.data.currentFile = path;
  readCurrentFile(s, "");
  // The list shifts down one place whatever the read gave; entry 5 drops out.
  for (int entry = 5; entry > 1; --entry) s.recent.setCaption(entry, s.recent.caption(entry - 1));
  s.recent.setCaption(1, path);
}

void showDataCounts(Session& s) {
  std::string& title = s.window.title;
  const std::size_t rowsBy = title.rfind(" rows by ");
  if (rowsBy == std::string::npos) return;
  std::size_t start = rowsBy;
  while (start > 0 && std::isdigit(static_cast<unsigned char>(title[start - 1]))) --start;
  const std::string counted = title.substr(0, start) + format::shortestText(s.data.rowCount) + " rows by " +
                              format::shortestText(s.data.columnCount) + " columns";
  if (counted == title) return;
  title = counted;
  s.prompts.showTitle(title);
}

}  // namespace lavix::app
