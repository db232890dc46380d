// A mixing session over a fresh copy of the program folder, answered by scripted prompts.
#pragma once

#include "common/ui/ScriptedPrompts.h"
#include "common/ui/Transcript.h"
#include "mixing/MainWindow.h"
#include "tests/support/TempProgramFolder.h"

namespace lavix::mixing::testing {

struct MixingSession {
  lavix::testing::TempProgramFolder folder;
  ui::Transcript transcript;
  ui::ScriptedPrompts prompts{transcript, folder.path()};
  ui::ScriptedPrinter printer{transcript};
  Session session{prompts, printer, folder.path()};
  MainWindow window{session};
};

}  // namespace lavix::mixing::testing
