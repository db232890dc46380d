// Lavix sessions over a temporary program folder, answered by a script's `>` lines: the plain
// session, and the ones the diagram, model, symbol and selection tests start from.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/ui/ScriptedPrompts.h"
#include "common/ui/Transcript.h"
#include "lavix/app/MainWindow.h"
#include "lavix/app/Session.h"
#include "lavix/app/Startup.h"
#include "lavix/app/SymbolForm.h"
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

// Eight rows in three symbol groups (basalts 1, andesites 2, rhyolites 3) of SiO2, MgO, CaO,
// Na2O, K2O and Zr: the file the batch scripts of tests/cli use too.
inline std::string smallDataSet() { return readWholeFile(testDataPath("../cli/scripts/files/eight.txt")); }

// A session with the eight samples loaded, for diagram commands and whole-recording checks.
class DiagramFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(f.start(), app::StartupOutcome::Ready);
    f.folder.write("Data Files/small.txt", smallDataSet());
    f.click("mOpen", {"Data Files/small.txt"});
    ASSERT_EQ(f.session->data.rowCount, 8);
  }

  // Picks one variable of the calculator by its button.
  static std::string pick(const std::string& name) { return "click varbut " + name; }

  void xy(const std::string& x, const std::string& y) { f.click("mxy", {pick(x), pick(y)}); }

  app::Session& session() { return *f.session; }
  diagram::DiagramSettings& settings() { return f.session->diagram; }

  SessionFixture f;
};

// The files of the model scripts (tests/models/scripts/files): three samples, LAV without Rb; a
// pattern that normalises by 1, so it shows the raw values; partition coefficients where OL carries
// the D's of the modal tests (mode 100 % OL), CE has no Kd and NI no column.
inline std::string modelFile(const std::string& name) {
  return readWholeFile(testDataPath("../models/scripts/files/" + name));
}

// A session on the model scripts' files drawn as a spider diagram, with their PC file in PC/.
struct ModelSession : SessionFixture {
  ModelSession() {
    folder.write("Controls/Spider.txt", modelFile("Spider.txt"));
    folder.write("Data Files/models.txt", modelFile("models.txt"));
    folder.write("PC/unit.PC.txt", modelFile("unit.PC.txt"));
    start();
    click("mOpen", {"Data Files/models.txt"});
    click("mspider", {"#1", "[all]"});
  }

  app::Session& s() { return *session; }
  const std::string& name(int row) const { return session->data.sampleName[static_cast<std::size_t>(row)]; }
  int rows() const { return session->data.rowCount; }
};

// A started session with the shipped symbols (N = 36) and the symbol dialog on it.
struct SymbolSession : SessionFixture {
  // One click on the dialog with the answers of the prompts it raises; all must be used.
  void click(const std::string& control, const std::vector<std::string>& answers = {},
             const std::string& item = "") {
    prompts.queueAnswers(answers);
    EXPECT_EQ(form.click(control, item), ui::EventResult::Done) << control;
    EXPECT_FALSE(prompts.failed()) << prompts.failure().text;
    EXPECT_EQ(prompts.takeUnusedAnswers(), std::vector<std::string>{}) << control;
  }
  app::Session& s = (start(), *session);  // the base is built first, so it can start here
  app::SymbolForm form{s};
};

// Six analyses of SiO2 and rock type for the selection window's view (the batch runs read the
// same rows from tests/select/scripts/files/select.txt).
// Rows: SiO2 100, 9.5, 45, "", 52, 1E1; Type basalt, Andesite, 1, andesite, Basalt, basalt;
// Kcode 1, 2, 3, 1, 2, 3.
inline void fillSelectData(data::DataStore& store) {
  store.allocate(40, 3);
  store.columnCount = 3;
  store.columnName[1] = "SiO2";
  store.columnName[2] = "Type";
  store.columnName[3] = "Fe[2]O[3]";
  const char* sio2[] = {"100", "9.5", "45", "", "52", "1E1"};
  const char* type[] = {"basalt", "Andesite", "1", "andesite", "Basalt", "basalt"};
  for (int r = 1; r <= 6; ++r) {
    const auto row = static_cast<std::size_t>(r);
    store.setCell(r, 1, sio2[r - 1]);
    store.setCell(r, 2, type[r - 1]);
    store.kcode[row] = static_cast<int16_t>((r - 1) % 3 + 1);
    store.totalFactor[row] = 1;
  }
  store.rowCount = 6;
}

}  // namespace lavix::testing
