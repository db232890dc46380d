// The symbol dialog `symform`: which symbols are shown, the symbol file, sizes, colours and
// the symbol numbers of the rows (from a key or from a scalable parameter).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/ui/Form.h"
#include "lavix/app/Session.h"
#include "lavix/diagram/SymbolTable.h"

namespace lavix::app {

// The user texts of the symbol dialog, in one place.
namespace symformText {
inline constexpr const char* symbolFilter = "Symbol files (.sym)|*.sym";
inline constexpr const char* pickSymbolTitle = "Pick a Symbol";
inline constexpr const char* pickSymbolPrompt = "enter an integer (0-";  // + N + ")"
inline constexpr const char* resizeTitle = "Resize";
inline constexpr const char* resizePrompt = "enter a new size";
inline constexpr const char* lineWidthTitle = "Line width";
inline constexpr const char* symbolLinePrompt = "enter a line width for the symbols";
inline constexpr const char* frameLinePrompt = "enter a line width for the frame and ticks";
inline constexpr const char* curveLinePrompt = "enter a line width for model and mixing curves";
inline constexpr const char* parameterTitle = "P, a scalable parameter";
inline constexpr const char* scaleOn = "Scale on ";
inline constexpr const char* scaleOnEnd = ". Enter beginning\nvalue, end value, and # of steps";
inline constexpr const char* beginAt = "Begin at ";
inline constexpr const char* endAt = "End at";
inline constexpr const char* numberOfSteps = "number of Steps";
inline constexpr const char* symbolLineColour = "Symbol line colour";
inline constexpr const char* symbolFillColour = "Symbol fill colour";
inline constexpr const char* boxColour = "Box colour";
inline constexpr const char* pageColour = "Page colour";
inline constexpr const char* frameColour = "Frame and tick colour";
inline constexpr const char* curveColour = "Curve colour";
inline constexpr const char* textColour = "Text colour";
}  // namespace symformText

// The symbol file in use: the preference's path, or Controls/default.sym for "DEFAULT".
std::string currentSymbolPath(const Session& session);

// Loads a symbol file in place of the symbols in use, which then names it; a file that cannot
// be read is reported and changes nothing (one that stops part way keeps what was read).
bool loadSymbolFile(Session& session, const std::string& path);

// Symbols from a scalable parameter: the class 1..steps+1 of `value` between `begin` and `end`
// in `steps` steps (0 steps: 5), 0 outside; numbers above highest - 1 become 0. Empty when the
// step width is not above 0: then nothing changes.
std::optional<int16_t> scaledSymbol(float value, float begin, float end, float steps, int highest);

class SymbolForm : public ui::FormModel {
 public:
  explicit SymbolForm(Session& session);

  std::string formName() const override { return "symform"; }
  bool isOpen() const override { return open_; }

  // Controls of the table of the symbol dialog, plus `symbox ITEM` (the check box of symbol
  // ITEM, by number or #n; it also becomes the edited symbol) and `editsym ITEM` (the symbol
  // whose colours Colsym and fillsym change).
  ui::EventResult click(const std::string& control, const std::string& item) override;
  std::vector<std::pair<std::string, std::string>> fields() const override;
  const ui::CommandTable& commands() const { return commands_; }

  // Check boxes of symbols 0..N.
  int highestSymbol() const { return session_.symbols.symbolCount; }
  bool isChecked(int symbol) const;
  void setChecked(int symbol, bool checked);
  void toggleSymbol(int symbol);
  int editedSymbol() const { return edited_; }
  void setEditedSymbol(int symbol);
  bool tiesBox() const { return session_.symbols.tiesOn; }
  bool lineOnlyBox() const { return session_.symbols.lineOnly; }
  const diagram::SymbolTable& table() const { return session_.symbols; }
  int16_t whitePage() const { return session_.diagram.whitePage; }

  // The events, for the views.
  void newsyms();
  void blacksyms();
  void colorsyms();
  void onesym();
  void selall();
  void delall();
  void cmdOdds();
  void cmdEvens();
  void ties();
  void cmdLineonly();
  void size();
  void symline();
  void colsym();
  void fillsym();
  void option(int key);  // 1 Jcode, 2 Kcode, 3 Lcode
  void option4();
  void okbut();
  // Escape or the title bar: closes without taking the check boxes over.
  void close() { open_ = false; }
  bool closedWithOk() const { return closedWithOk_; }

 private:
  void checkWhere(const std::function<bool(int)>& shown);
  void addCommands();
  bool reread(const char* mode);
  void pickColour(const char* title, int32_t& colour, bool pageColour);
  void pickWidth(const char* prompt, int32_t& width);

  Session& session_;
  ui::CommandTable commands_;
  std::vector<bool> checked_;  // slots 0..51
  int edited_ = 0;
  bool open_ = true;
  bool closedWithOk_ = false;
};

// What the caller still has to do after the dialog: the redraw, and before it the spider
// reset ("SPI") or the histogram counts and statistics ("HIST").
struct SymbolsOutcome {
  bool closedWithOk = false;
  bool resetSpider = false;
  bool rebuildHistogram = false;
  bool redraw = true;
};

// `menuSymbols`: identify off, the dialog modally, then tells the caller what follows.
SymbolsOutcome menuSymbols(Session& session);

}  // namespace lavix::app
