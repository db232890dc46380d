// The clipboard port over the system clipboard (text only).
#pragma once

#include "common/ui/Prompts.h"

namespace lavix::qtui {

// Needs a running QGuiApplication.
class QtClipboard : public ui::ClipboardPort {
 public:
  std::optional<std::string> text() override;
  void setText(const std::string& text) override;
};

}  // namespace lavix::qtui
