// The batch transcript: one line per thing the program shows, printed as it happens.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace lavix::ui {

// Line layouts (texts verbatim; a line break inside a text is written as the two characters \n):
//
//   title: TEXT                              a new window title
//   status: TEXT                             a status line
//   message: TEXT                            a message box; " | title: TITLE" follows when the
//                                            box has its own title
//   input: PROMPT                            an input box; " = PRESET" follows a non-empty preset,
//                                            then " | title: TITLE" when titled
//   numbers: TITLE | prompt1 = preset1 | prompt2 = preset2
//   buttons: TITLE | choice1 | choice2       captions as the program wrote them (with '&')
//   list: TITLE | *item | item               items with their marks ("*" or blank)
//   file: open FILTER                        "file: save FILTER" for the save dialog;
//                                            " | title: TITLE" and " | name: DEFAULT" follow when set
//   colour: TITLE | r,g,b                    the colour dialog with its initial colour
//   font: TITLE | name, size, bold, italic   the font dialog with its initial font
//   window: NAME                             a modal window opened by the program
//     > ANSWER                               the answer, on the line after what it answered
//   error: TEXT                              a failure; the batch run ends with it
//
// Script lines that ran are echoed as written (`click mxy`); dump blocks and `@echo` texts
// are copied as they are.
class Transcript {
 public:
  Transcript() = default;
  // Also prints every line to `out` at once, so a crash still leaves what came before.
  explicit Transcript(std::ostream& out) : out_(&out) {}

  void shown(std::string_view kind, std::string_view text);  // "kind: text"
  void answer(std::string_view text);                        // "  > text"
  void error(std::string_view text);                         // "error: text"
  void plain(std::string_view text);                         // the text as it is
  // Several lines at once (a dump block), flushed once.
  void block(const std::vector<std::string>& lines);

  const std::vector<std::string>& lines() const { return lines_; }
  std::size_t size() const { return lines_.size(); }
  // True when one of lines [from, to) contains `text`.
  bool contains(std::size_t from, std::size_t to, std::string_view text) const;

  // The text on one line: CR LF, LF and CR become the two characters \n.
  static std::string oneLine(std::string_view text);

 private:
  void add(std::string line, bool flush);

  std::ostream* out_ = nullptr;
  std::vector<std::string> lines_;
};

}  // namespace lavix::ui
