// The batch runner: a script against a main window, its transcript and its exit code.
#include "common/batch/BatchRunner.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

namespace lavix::batch {
namespace {

using ui::EventResult;

// A modal window with a formula box, a variable list and OK.
class FormulaWindow : public ui::FormModel {
 public:
  std::string formName() const override { return "calcform"; }
  bool isOpen() const override { return open; }
  EventResult click(const std::string& control, const std::string& item) override {
    if (control == "varbut") {
      if (!ui::findItem({"SiO2", "MgO"}, item)) return EventResult::UnknownItem;
      formula += item;
      return EventResult::Done;
    }
    if (control != "okbutt") return EventResult::UnknownControl;
    open = false;
    return EventResult::Done;
  }
  bool open = true;
  std::string formula;
};

class MainWindow : public ui::FormModel {
 public:
  explicit MainWindow(ui::PromptPort& prompts) : prompts_(prompts) {
    commands_.add({"mClear", "Clear", [this](const std::string&) {
                     if (ui::askYesNo(prompts_, "Clear all data?")) {
                       cleared = true;
                       prompts_.showStatus("cleared");
                     }
                   }, {}});
    commands_.add({"mName", "Name", [this](const std::string&) {
                     if (auto name = prompts_.input({"Sample name", "", name_})) name_ = *name;
                   }, {}});
    commands_.add({"mOpen", "Open", [this](const std::string&) {
                     if (auto path = prompts_.openFile({"Open data file", "Text|*.txt|", 1, "", "", false, false})) {
                       openedPath = *path;
                       ui::say(prompts_, "Read " + *path);
                     }
                   }, {}});
    commands_.add({"mNorm", "Normalise", [this](const std::string&) {
                     const auto result = prompts_.pickList({"Select", {" SiO2", " MgO", " FeO"}});
                     if (result.listChoice) marks = result.items;
                   }, {}});
    commands_.add({"mThrow", "Fail", [](const std::string&) { throw std::runtime_error("disk full"); }, {}});
    commands_.add({"mCalc", "Calculator", [this](const std::string&) {
                     FormulaWindow window;
                     prompts_.runModal(window);
                     if (!window.open) formula = window.formula;
                   }, {}});
    commands_.add({"mPlot", "Plot", [](const std::string&) {}, [this] { return !cleared; }});
    commands_.add({"mExit", "Exit", [this](const std::string&) { open_ = false; }, {}});
    commands_.add({"mSym", "Symbols", [this](const std::string& item) {
                     symbol = item;
                   }, {}});
  }
  std::string formName() const override { return "lavix"; }
  bool isOpen() const override { return open_; }
  EventResult click(const std::string& control, const std::string& item) override {
    if (control == "mSym" && !item.empty() && !ui::findItem({"circle", "square"}, item))
      return EventResult::UnknownItem;
    return commands_.run(control, item);
  }
  std::vector<std::pair<std::string, std::string>> fields() const override {
    return {{"Text1", name_}, {"inpt(0)", "a\nb"}};
  }

  bool cleared = false;
  std::string openedPath, formula, symbol;
  std::vector<std::string> marks;

 private:
  ui::PromptPort& prompts_;
  ui::CommandTable commands_;
  std::string name_ = "none";
  bool open_ = true;
};

class BatchRunnerTest : public ::testing::Test {
 protected:
  int run(const std::string& script) {
    prompts = std::make_unique<ui::ScriptedPrompts>(transcript, "/work/scripts");
    window = std::make_unique<MainWindow>(*prompts);
    BatchRunner runner(*prompts, hooks);
    return runner.run(script, *window);
  }
  std::string lastLine() const { return transcript.lines().empty() ? "" : transcript.lines().back(); }

  std::ostringstream printed;
  ui::Transcript transcript{printed};
  BatchHooks hooks;
  std::unique_ptr<ui::ScriptedPrompts> prompts;
  std::unique_ptr<MainWindow> window;
};

TEST_F(BatchRunnerTest, SuccessfulScriptPrintsItsTranscript) {
  std::vector<std::string> exported;
  hooks.startUp = [&] { exported.push_back("started"); };
  hooks.dump = [](const std::string& what) -> std::optional<std::string> {
    if (what == "matrix") return std::string("SAMPLE\tSiO2\r\nA\t50\r\n");
    return std::nullopt;
  };
  hooks.exportRecording = [&](const std::string& format, const std::string& path) -> std::optional<std::string> {
    exported.push_back(format + " " + path);
    return std::nullopt;
  };
  const int code = run(
      "# clear and name\n"
      "click mClear\n"
      "> yes\n"
      "@expect status: cleared\n"
      "@expect Clear all data?\n"
      "click mName\n"
      "> Basalt 1\n"
      "@echo named\n"
      "click mOpen\n"
      "> data/rocks.txt\n"
      "@expect Read /work/scripts/data/rocks.txt\n"
      "click mCalc\n"
      "> click varbut SiO2\n"
      "> click okbutt\n"
      "@dump matrix\n"
      "@dump fields\n"
      "@export svg plots/x.svg\n");
  EXPECT_EQ(code, exitSuccess);
  EXPECT_EQ(printed.str(),
            "click mClear\n"
            "message: Clear all data?\n"
            "  > yes\n"
            "status: cleared\n"
            "click mName\n"
            "input: Sample name = none\n"
            "  > Basalt 1\n"
            "named\n"
            "click mOpen\n"
            "file: open Text|*.txt| | title: Open data file\n"
            "  > data/rocks.txt\n"
            "message: Read /work/scripts/data/rocks.txt\n"
            "click mCalc\n"
            "window: calcform\n"
            "  > click varbut SiO2\n"
            "  > click okbutt\n"
            "@dump matrix\n"
            "SAMPLE\tSiO2\n"
            "A\t50\n"
            "end\n"
            "@dump fields\n"
            "Text1\tBasalt 1\n"
            "inpt(0)\ta\\nb\n"
            "end\n"
            "@export svg plots/x.svg\n");
  EXPECT_EQ(exported, (std::vector<std::string>{"started", "svg /work/scripts/plots/x.svg"}));
  EXPECT_TRUE(window->cleared);
  EXPECT_EQ(window->formula, "SiO2");
}

TEST_F(BatchRunnerTest, ExitCodesAndTheirErrorLines) {
  struct Case {
    std::string script;
    int code;
    std::string lastLine;
  };
  const std::vector<Case> cases = {
      {"click mClear\n", 3, "error: no answer for the message box"},
      {"click mClear\n> Maybe\n", 3, "error: \"Maybe\" is not a button of the message box (Yes, No)"},
      {"click mClear\n> No\n> extra\n", 3, "error: unused answer: extra"},
      {"> nobody asks\nclick mClear\n> No\n", 3, "error: unused answer: nobody asks"},
      {"click mClear\n> No\n@expect status: cleared\n", 3, "error: expected status: cleared"},
      {"click mName\n> a\nclick mPlot\n@expect Sample name\n", 3, "error: expected Sample name"},
      {"click mNorm\n> FeO | TiO2\n", 3, "error: \"TiO2\" is not an item of the list"},
      {"click nothing\n", 2, "error: unknown control nothing"},
      {"click mSym hexagon\n", 2, "error: unknown item hexagon of mSym"},
      {"click mClear\n> Yes\nclick mPlot\n", 2, "error: mPlot is not available"},
      {"click mCalc\n> click varbut FeO\n", 2, "error: unknown item FeO of varbut"},
      {"click mClear\n> Yes\nclik mPlot\n", 2, "error: line 3: unknown verb \"clik\""},
      {"@dump plotted\n", 2, "error: unknown dump plotted"},
      {"@export png a.png\n", 2, "error: this program has nothing to export"},
      {"click mExit\nclick mName\n", 2, "error: window lavix is closed"},
      {"click mThrow\n", 1, "error: disk full"},
  };
  for (const Case& c : cases) {
    transcript = ui::Transcript{};
    EXPECT_EQ(run(c.script), c.code) << c.script;
    EXPECT_EQ(lastLine(), c.lastLine) << c.script;
  }
}

TEST_F(BatchRunnerTest, StopsAtTheFirstFailure) {
  EXPECT_EQ(run("click mClear\nclick mName\n> never\n"), exitUnanswered);
  EXPECT_FALSE(window->cleared);
  EXPECT_EQ(transcript.lines(),
            (std::vector<std::string>{"click mClear", "message: Clear all data?", "error: no answer for the message box"}));
}

TEST_F(BatchRunnerTest, ExportFailureIsAProgramFailure) {
  hooks.exportRecording = [](const std::string&, const std::string& path) -> std::optional<std::string> {
    return "cannot write " + path;
  };
  EXPECT_EQ(run("@export wmf /tmp/none/x.wmf\n"), exitProgramFailure);
  EXPECT_EQ(lastLine(), "error: cannot write /tmp/none/x.wmf");
}

TEST_F(BatchRunnerTest, ProgramThatFailsAfterACancelledPromptStillReportsTheMissingAnswer) {
  ui::ScriptedPrompts port(transcript);
  MainWindow mainWindow(port);
  BatchRunner runner(port, {[&] {
                              if (!port.input({"Base folder", "", ""})) throw std::runtime_error("no folder");
                            },
                            {}, {}});
  EXPECT_EQ(runner.run("click mName\n> x\n", mainWindow), exitUnanswered);
  EXPECT_EQ(transcript.lines(), (std::vector<std::string>{"input: Base folder", "error: no answer for the input box",
                                                          "error: no folder"}));
}

TEST(ReadScriptSourceTest, TakesTheScriptFolderAndReportsUnreadableFiles) {
  std::istringstream input("click mOpen\n");
  const auto fromInput = readScriptSource("-", input);
  EXPECT_TRUE(fromInput.ok);
  EXPECT_EQ(fromInput.text, "click mOpen\n");
  EXPECT_FALSE(fromInput.folder.empty());
  const auto missing = readScriptSource("/no/such/dir/script.txt", input);
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.error.rfind("cannot read the script /no/such/dir/script.txt: ", 0), 0u);
}

}  // namespace
}  // namespace lavix::batch
