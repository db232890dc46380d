// Reading the spider models' partition-coefficient table and entering their mineral modes.
#include "lavix/app/PartitionModes.h"

#include <vector>

#include "common/text/Text.h"
#include "common/text/TextFile.h"
#include "lavix/app/Session.h"
#include "lavix/models/Messages.h"
#include "lavix/models/ModelInputs.h"

namespace lavix::app {

namespace msg = models::messages;

namespace {

// Modes follow their minerals into a new file: a mineral the new file also names keeps its mode.
std::vector<float> carriedModes(const std::vector<std::string>& oldMinerals, const std::vector<float>& oldModes,
                                const std::vector<std::string>& newMinerals) {
  std::vector<float> modes(maxModeMinerals, 0.0f);
  for (std::size_t n = 0; n < newMinerals.size() && n < modes.size(); ++n)
    for (std::size_t o = 0; o < oldMinerals.size() && o < oldModes.size(); ++o)
      if (text::equalsIgnoreCase(text::trim(oldMinerals[o]), text::trim(newMinerals[n]))) modes[n] = oldModes[o];
  return modes;
}

const char* refusalOf(partition::PartitionReadError error) {
  switch (error) {
    case partition::PartitionReadError::none: break;
    case partition::PartitionReadError::empty: return msg::pcEmpty;
    case partition::PartitionReadError::noMinerals: return msg::pcNoMinerals;
    case partition::PartitionReadError::tooManyMinerals: return msg::pcTooManyMinerals;
    case partition::PartitionReadError::tooManyElements: return msg::pcTooManyElements;
  }
  return nullptr;
}

}  // namespace

bool loadPartitionTable(Session& s, const std::string& path) {
  SpiderModelState& m = s.spiderModels;
  std::string content;
  text::FileError error;
  if (!text::readFile(path, content, error)) {
    ui::say(s.prompts, error.text);
    return false;
  }
  partition::PartitionRead read =
      partition::readPartitionTable(content, {maxModeMinerals, maxPcElements}, s.decimalSeparator);
  for (int blank = 0; blank < read.blankLines; ++blank) ui::say(s.prompts, msg::blankLine);
  if (const char* refused = refusalOf(read.error)) {
    ui::say(s.prompts, refused);
    return false;
  }
  if (const std::string unread = partition::unreadCellsNotice(read); !unread.empty()) ui::say(s.prompts, unread);
  const auto& minerals = read.table.identifiers;
  m.modeD = carriedModes(m.pc.identifiers, m.modeD, minerals);
  m.modeP = carriedModes(m.pc.identifiers, m.modeP, minerals);
  m.modeDText = models::modeText(minerals, m.modeD);
  m.modePText = models::modeText(minerals, m.modeP);
  m.pc = std::move(read.table);
  m.pcFileName = path;
  return true;
}

bool enterMineralModes(Session& s, bool melt) {
  SpiderModelState& m = s.spiderModels;
  const int minerals = m.pc.identifierCount();
  if (minerals == 0) {
    ui::say(s.prompts, msg::readPcsFile);
    return false;
  }
  std::vector<float>& modes = melt ? m.modeP : m.modeD;
  std::vector<float> presets(modes.begin(), modes.begin() + minerals);
  if (!s.exchange.askNumbers(s.prompts, melt ? msg::modePTitle : msg::modeDTitle, m.pc.identifiers, presets))
    return false;
  for (int i = 0; i < minerals; ++i)
    modes[static_cast<std::size_t>(i)] = s.exchange.fieldValue[static_cast<std::size_t>(i + 1)];
  (melt ? m.modePText : m.modeDText) = models::modeText(m.pc.identifiers, modes);
  return true;
}

}  // namespace lavix::app
