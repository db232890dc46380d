// A prompt port that shows nothing and answers every prompt as if it were cancelled;
// benchmarks, fuzzers and test fakes override only what they need.
#pragma once

#include "common/ui/Prompts.h"

namespace lavix::ui {

class SilentPrompts : public PromptPort {
 public:
  MessageResult message(const MessageRequest& request) override {
    switch (request.buttons) {
      case MessageButtons::Ok: return MessageResult::Ok;
      case MessageButtons::YesNo: return MessageResult::No;
      default: return MessageResult::Cancel;
    }
  }
  std::optional<std::string> input(const InputRequest&) override { return std::nullopt; }
  std::optional<std::vector<std::string>> numbers(const NumbersRequest&) override { return std::nullopt; }
  int buttons(const ButtonsRequest& request) override { return static_cast<int>(request.choices.size()); }
  ListResult pickList(const ListRequest& request) override { return {request.items, 0}; }
  std::optional<std::string> openFile(const FileRequest&) override { return std::nullopt; }
  std::optional<std::string> saveFile(const FileRequest&) override { return std::nullopt; }
  std::optional<Rgb> colour(const std::string&, Rgb) override { return std::nullopt; }
  std::optional<FontChoice> font(const std::string&, const FontChoice&) override { return std::nullopt; }
  void runModal(FormModel&) override {}
  void showTitle(const std::string&) override {}
  void showStatus(const std::string&) override {}
};

}  // namespace lavix::ui
