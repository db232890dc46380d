// The data tests' ground: a prompt port that records what was asked and answers from queues,
// and a small data session (store, exchange, tables) to read files into.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "common/ui/SilentPrompts.h"
#include "lavix/data/DataFileReader.h"
#include "tests/support/TempProgramFolder.h"

namespace lavix::testing {

// Records what was shown, in order, and answers from the queues; an empty queue answers
// Yes/OK, OK with the presets, button 1 and Quit.
class FakePrompts : public ui::SilentPrompts {
 public:
  std::vector<ui::MessageRequest> messages;
  std::vector<ui::NumbersRequest> numberRequests;
  std::vector<ui::ButtonsRequest> buttonRequests;
  std::vector<ui::ListRequest> listRequests;

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


inline data::StandardTable testStandards() {
  data::StandardTable table;
  const char* names[] = {"SiO2", "TiO2", "Al2O3", "Fe2O3", "FeO", "MnO", "MgO", "CaO", "Na2O",
                         "K2O", "P2O5", "H2O+", "H2O-", "CO2", "LOI", "Cr2O3", "NiO"};
  const char* elements[] = {"Si", "Ti", "Al", "Fe", "Fe", "Mn", "Mg", "Ca", "Na",
                            "K",  "P",  "H",  "H",  "C",  "LOI", "Cr", "Ni"};
  for (int k = 1; k <= data::standardCount; ++k) {
    table.stdName[k] = names[k - 1];
    table.stdElement[k] = elements[k - 1];
  }
  table.displayName = {"H[2]O{+}", "H[2]O{-}", "Fe[2]O[3]", "{87}Sr/{86}Sr"};
  return table;
}

struct DataSession {
  data::DataStore store;
  data::DialogExchange exchange;
  FakePrompts prompts;
  data::StandardTable standards = testStandards();
  data::NormalisationTable normalisation;
  data::ReadFilter filter;
  TempFolder folder;
  bool readFilterOn = false;

  explicit DataSession(int16_t rows = 50, int16_t columns = 20) {
    store.allocate(rows, columns);
    exchange.allocate(store.maxRows);
    normalisation.element = {"Ti", "Rb", "Sr", "K"};
    normalisation.value = {4500.0f, 0.35f, 11.8f, 120.0f};
  }

  data::ReadContext context() {
    return {store, exchange, prompts, standards, normalisation, filter, readFilterOn, 51};
  }

  // Writes `content` as a file and reads it.
  data::ReadResult read(const std::string& content, const std::string& mode = "", const std::string& name = "in.txt") {
    store.currentFile = folder.write(name, content);
    auto c = context();
    return data::readDataFile(c, mode);
  }

  std::string cell(int row, int column) const { return std::string(store.cell(row, column)); }
};

}  // namespace lavix::testing
