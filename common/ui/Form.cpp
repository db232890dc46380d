// Command table and item lookup shared by every window model.
#include "common/ui/Form.h"

#include <charconv>

#include "common/text/Text.h"

namespace lavix::ui {

void CommandTable::add(Command command) { commands_.push_back(std::move(command)); }

const Command* CommandTable::find(const std::string& name) const {
  for (const auto& command : commands_)
    if (command.name == name) return &command;
  return nullptr;
}

bool CommandTable::isEnabled(const std::string& name) const {
  const Command* command = find(name);
  return command && (!command->enabled || command->enabled());
}

EventResult CommandTable::run(const std::string& name, const std::string& item) const {
  const Command* command = find(name);
  if (!command) return EventResult::UnknownControl;
  if (command->enabled && !command->enabled()) return EventResult::Disabled;
  command->run(item);
  return EventResult::Done;
}

std::string CommandTable::tip(const std::string& name) const {
  const auto found = tips_.find(name);
  return found == tips_.end() ? std::string() : found->second;
}

std::string CommandTable::shortcut(const std::string& name) const {
  const auto found = shortcuts_.find(name);
  return found == shortcuts_.end() ? std::string() : found->second;
}

std::optional<int> itemPosition(const std::string& item) {
  if (item.size() < 2 || item[0] != '#') return std::nullopt;
  int value = 0;
  auto [ptr, ec] = std::from_chars(item.data() + 1, item.data() + item.size(), value);
  if (ec != std::errc() || ptr != item.data() + item.size() || value < 1) return std::nullopt;
  return value;
}

namespace {
std::string withoutMark(const std::string& caption) {
  std::string t = text::trim(caption);
  if (!t.empty() && t[0] == '*') t = text::trim(t.substr(1));
  return t;
}
}  // namespace

int findItem(const std::vector<std::string>& captions, const std::string& item) {
  if (auto position = itemPosition(item)) {
    return *position <= static_cast<int>(captions.size()) ? *position : 0;
  }
  const std::string wanted = withoutMark(item);
  for (std::size_t i = 0; i < captions.size(); ++i)
    if (withoutMark(captions[i]) == wanted) return static_cast<int>(i) + 1;
  // A caption laid out as a name padded with blanks before its description is picked by the name.
  for (std::size_t i = 0; i < captions.size(); ++i) {
    const std::string caption = withoutMark(captions[i]);
    const std::size_t padding = caption.find("  ");
    if (padding != std::string::npos && caption.substr(0, padding) == wanted) return static_cast<int>(i) + 1;
  }
  return 0;
}

}  // namespace lavix::ui
