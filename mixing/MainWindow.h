// The windows of mixing as core models: the main window `Main` and the output window `outpt`.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/ui/Form.h"
#include "common/ui/PrinterPort.h"
#include "common/ui/Prompts.h"
#include "mixing/MixingData.h"
#include "mixing/Solver.h"

namespace lavix::mixing {

// Everything one run of the program holds: the matrix, the control tables, the flags and
// the last model.
struct Session {
  Session(ui::PromptPort& prompts, ui::PrinterPort& printer, std::string baseFolder, char decimalSeparator = '.')
      : prompts(prompts), printer(printer), baseFolder(std::move(baseFolder)), decimalSeparator(decimalSeparator) {}

  ui::PromptPort& prompts;
  ui::PrinterPort& printer;
  std::string baseFolder;
  char decimalSeparator;

  DataMatrix matrix;
  OxideTable oxides;
  PartitionTable partition;
  bool pcRead = false;
  bool rocksRead = false;
  bool mineralsRead = false;
  bool fcRun = false;
  int rockCount = 0;
  int mineralCount = 0;
  std::string pcFileName, weightFileName, rockFileName, mineralFileName;

  int lastModel = 0;          // 0 before any model
  ModelChoice lastChoice;
  std::optional<ModelResult> lastResult;
  std::string correctedFile;  // empty until chosen

  std::string folder(const std::string& sub) const;
};

// `outpt`: the report in a text box, with Printr, txtfile, corr and quit.
class OutputWindow : public ui::FormModel {
 public:
  explicit OutputWindow(Session& session);

  std::string formName() const override { return "outpt"; }
  ui::EventResult click(const std::string& control, const std::string& item) override;
  std::vector<std::pair<std::string, std::string>> fields() const override;
  const ui::CommandTable& commands() const { return commands_; }

  bool visible = false;
  std::string text;  // lines ended by CR LF

  void show(const std::vector<std::string>& lines);
  std::vector<std::string> lines() const;

  void Printr();
  void txtfile();
  void corr();
  void quit() { visible = false; }

 private:
  Session& session_;
  ui::CommandTable commands_;
};

// `Main`: the file, model and view commands. While `outpt` is shown its controls are
// reached through this window too, so a script names them as it names Main's.
class MainWindow : public ui::FormModel {
 public:
  explicit MainWindow(Session& session);

  std::string formName() const override { return "Main"; }
  bool isOpen() const override { return open_; }
  ui::EventResult click(const std::string& control, const std::string& item) override;
  std::vector<std::pair<std::string, std::string>> fields() const override;
  // Main's own labels, whatever window is shown.
  std::vector<std::pair<std::string, std::string>> mainFields() const;
  const ui::CommandTable& commands() const { return commands_; }

  OutputWindow& output() { return output_; }
  Session& session() { return session_; }

  void readpc();
  void readrock();
  void readmin();
  void FC();
  void magmix();
  void both();
  void newpt();
  void newdt();
  void newmins();
  void viewpc();
  void showop() { output_.visible = true; }
  void redimen();
  void quit() { open_ = false; }

  std::string matrixCaption() const;
  // What is read: the numbers of rocks, minerals, oxides and trace elements, or what to read first.
  std::string loadedCaption() const;
  // Batch dumps: "report" (the output window's text), "corrected" (the corrected-data file).
  std::optional<std::string> dump(const std::string& what) const;

 private:
  bool filesReady(bool needMinerals);
  bool fcRerunAllowed();
  std::vector<int> rockRows() const;
  std::vector<int> mineralRows() const;
  int chooseOne(const std::string& prompt, const std::vector<int>& rows);
  std::vector<int> chooseMany(const std::string& prompt, const std::vector<int>& rows, bool quitItem);
  void run(const ModelChoice& choice);

  Session& session_;
  OutputWindow output_;
  ui::CommandTable commands_;
  bool open_ = true;
  std::string status_;
};

}  // namespace lavix::mixing
