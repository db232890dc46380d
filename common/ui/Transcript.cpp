// The batch transcript: one line per thing the program shows, printed as it happens.
#include "common/ui/Transcript.h"

#include <algorithm>

namespace lavix::ui {

std::string Transcript::oneLine(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r') {
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
      result += "\\n";
    } else if (c == '\n') {
      result += "\\n";
    } else {
      result += c;
    }
  }
  return result;
}

void Transcript::add(std::string line, bool flush) {
  if (out_) {
    *out_ << line << '\n';
    if (flush) out_->flush();
  }
  lines_.push_back(std::move(line));
}

void Transcript::shown(std::string_view kind, std::string_view text) {
  add(std::string(kind) + ": " + oneLine(text), true);
}

void Transcript::answer(std::string_view text) { add("  > " + oneLine(text), true); }

void Transcript::error(std::string_view text) { add("error: " + oneLine(text), true); }

void Transcript::plain(std::string_view text) { add(oneLine(text), true); }

void Transcript::block(const std::vector<std::string>& lines) {
  for (const auto& line : lines) add(oneLine(line), false);
  if (out_) out_->flush();
}

bool Transcript::contains(std::size_t from, std::size_t to, std::string_view text) const {
  to = std::min(to, lines_.size());
  for (std::size_t i = from; i < to; ++i)
    if (lines_[i].find(text) != std::string::npos) return true;
  return false;
}

}  // namespace lavix::ui
