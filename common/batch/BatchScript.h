// Batch scripts read into lines: events with their answers, and the checking directives.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/ui/FormEvent.h"

namespace lavix::batch {

enum class ScriptLineKind {
  Event,   // click / type / enter / key
  Expect,  // @expect TEXT
  Export,  // @export FORMAT PATH
  Dump,    // @dump WHAT
  Echo,    // @echo TEXT
};

struct ScriptLine {
  int lineNumber = 0;     // 1-based, in the script text
  ScriptLineKind kind = ScriptLineKind::Event;
  std::string source;     // the line as written, without surrounding blanks
  ui::FormEvent event;    // Event
  std::vector<std::string> answers;  // Event: the `>` lines after it, up to the next event
  std::string format;     // Export: svg, wmf, png or pdf (lower case)
  std::string text;       // Expect, Echo: the text; Dump: WHAT; Export: PATH as written
};

struct BatchScript {
  std::vector<std::string> startUpAnswers;  // `>` lines before the first event
  std::vector<ScriptLine> lines;
};

struct ScriptParse {
  std::optional<BatchScript> script;
  int errorLine = 0;      // where the script could not be read
  std::string error;      // "line 4: unknown verb \"clik\""
};

// Blank lines and lines starting with "#" are skipped; lines may be indented; a `>` line's
// answer is the rest of the line after "> " (or after ">"), blanks kept. The whole script is
// read before anything runs, so an unreadable line stops it before its first event.
ScriptParse parseBatchScript(std::string_view scriptText);

}  // namespace lavix::batch
