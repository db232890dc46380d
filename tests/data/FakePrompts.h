// A prompt port for the data tests: records what was asked and answers from queues.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "common/ui/SilentPrompts.h"

namespace lavix::testing {

class FakePrompts : public ui::SilentPrompts {
 public:
  // What was shown, in order.
  std::vector<ui::MessageRequest> messages;
  std::vector<ui::NumbersRequest> numberRequests;
  std::vector<ui::ButtonsRequest> buttonRequests;
  std::vector<ui::ListRequest> listRequests;

  // Answers, taken from the front; an empty queue answers Yes/OK, OK with the presets,
  // button 1 and Quit.
  std::deque<ui::MessageResult> messageAnswers;
  std::deque<std::optional<std::vector<std::string>>> numberAnswers;
  std::deque<int> buttonAnswers;
  std::deque<ui::ListResult> listAnswers;

  std::vector<std::string> messageTexts() const {
    std::vector<std::string> texts;
    for (const auto& m : messages) texts.push_back(m.text);
    return texts;
  }

  ui::MessageResult message(const ui::MessageRequest& request) override {
    messages.push_back(request);
    if (!messageAnswers.empty()) {
      auto answer = messageAnswers.front();
      messageAnswers.pop_front();
      return answer;
    }
    return request.buttons == ui::MessageButtons::YesNo || request.buttons == ui::MessageButtons::YesNoCancel
               ? ui::MessageResult::Yes
               : ui::MessageResult::Ok;
  }
  std::optional<std::string> input(const ui::InputRequest& request) override { return request.preset; }
  std::optional<std::vector<std::string>> numbers(const ui::NumbersRequest& request) override {
    numberRequests.push_back(request);
    if (!numberAnswers.empty()) {
      auto answer = numberAnswers.front();
      numberAnswers.pop_front();
      return answer;
    }
    return request.presets;
  }
  int buttons(const ui::ButtonsRequest& request) override {
    buttonRequests.push_back(request);
    if (!buttonAnswers.empty()) {
      int answer = buttonAnswers.front();
      buttonAnswers.pop_front();
      return answer;
    }
    return 1;
  }
  ui::ListResult pickList(const ui::ListRequest& request) override {
    listRequests.push_back(request);
    if (!listAnswers.empty()) {
      auto answer = listAnswers.front();
      listAnswers.pop_front();
      if (answer.items.empty()) answer.items = request.items;
      return answer;
    }
    return {request.items, 0};
  }
};

class FakeClipboard : public ui::ClipboardPort {
 public:
  std::optional<std::string> content;
  std::optional<std::string> text() override { return content; }
  void setText(const std::string& text) override { content = text; }
};

}  // namespace lavix::testing
