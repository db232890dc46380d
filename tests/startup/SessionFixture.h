// A lavix session over a temporary program folder, answered by a script's `>` lines.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "common/ui/ScriptedPrompts.h"
#include "common/ui/Transcript.h"
#include "lavix/app/MainWindow.h"
#include "lavix/app/Session.h"
#include "lavix/app/Startup.h"
#include "tests/support/TempProgramFolder.h"

namespace lavix::testing {

struct SessionFixture {
  TempProgramFolder folder;
  ui::Transcript transcript;
  ui::ScriptedPrompts prompts{transcript, folder.path()};
  ui::ScriptedClipboard clipboard;
  std::unique_ptr<app::Session> session;
  std::unique_ptr<app::MainWindow> window;

  // Builds the session; call after changing files of the folder.
  app::StartupOutcome start(const std::vector<std::string>& answers = {}) {
    session = std::make_unique<app::Session>(prompts, clipboard, folder.path(), '.');
    window = std::make_unique<app::MainWindow>(*session);
    prompts.queueAnswers(answers);
    return app::startUp(*session);
  }

  // The session without start-up or window, for tests that set its state by hand.
  app::Session& bare() {
    session = std::make_unique<app::Session>(prompts, clipboard, folder.path(), '.');
    return *session;
  }

  void click(const std::string& control, const std::vector<std::string>& answers = {}) {
    prompts.queueAnswers(answers);
    window->click(control, "");
  }

  bool shown(const std::string& text) const {
    return transcript.contains(0, transcript.size(), text);
  }
  std::string lastLine() const { return transcript.lines().empty() ? "" : transcript.lines().back(); }
};

}  // namespace lavix::testing
