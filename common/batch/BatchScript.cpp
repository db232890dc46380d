// Batch scripts read into lines: events with their answers, and the checking directives.
#include "common/batch/BatchScript.h"

#include "common/format/NumberFormat.h"
#include "common/text/Text.h"
#include "common/text/TextFile.h"

namespace lavix::batch {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimLeft(std::string_view line) {
  while (!line.empty() && isBlank(line.front())) line.remove_prefix(1);
  return line;
}

// Splits "@verb rest" into the verb and the rest after the blanks that follow it.
std::pair<std::string, std::string> verbAndRest(std::string_view line) {
  std::size_t end = 0;
  while (end < line.size() && !isBlank(line[end])) ++end;
  return {std::string(line.substr(0, end)), std::string(trimLeft(line.substr(end)))};
}

std::string lowerCase(std::string word) {
  for (auto& c : word)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return word;
}

ScriptParse failedAt(int lineNumber, const std::string& error) {
  return {std::nullopt, lineNumber, "line " + format::shortestText(lineNumber) + ": " + error};
}

}  // namespace

ScriptParse parseBatchScript(std::string_view scriptText) {
  BatchScript script;
  std::optional<std::size_t> lastEvent;  // an index: the vector grows
  const auto rawLines = text::splitLines(scriptText);
  for (std::size_t i = 0; i < rawLines.size(); ++i) {
    const int lineNumber = static_cast<int>(i) + 1;
    const std::string_view line = trimLeft(rawLines[i]);
    if (text::trim(line).empty() || line.front() == '#') continue;

    if (line.front() == '>') {
      std::string_view answer = line.substr(1);
      if (!answer.empty() && answer.front() == ' ') answer.remove_prefix(1);
      if (lastEvent)
        script.lines[*lastEvent].answers.emplace_back(answer);
      else
        script.startUpAnswers.emplace_back(answer);
      continue;
    }

    ScriptLine parsed;
    parsed.lineNumber = lineNumber;
    parsed.source = text::trim(line);
    if (line.front() == '@') {
      auto [verb, rest] = verbAndRest(line);
      if (verb == "@expect") {
        parsed.kind = ScriptLineKind::Expect;
        parsed.text = rest;
        if (text::trim(rest).empty()) return failedAt(lineNumber, "@expect needs a text");
      } else if (verb == "@echo") {
        parsed.kind = ScriptLineKind::Echo;
        parsed.text = rest;
      } else if (verb == "@dump") {
        parsed.kind = ScriptLineKind::Dump;
        parsed.text = text::trim(rest);
        if (parsed.text.empty()) return failedAt(lineNumber, "@dump needs what to dump");
      } else if (verb == "@export") {
        parsed.kind = ScriptLineKind::Export;
        auto [exportFormat, path] = verbAndRest(rest);
        parsed.format = lowerCase(exportFormat);
        parsed.text = text::trim(path);
        if (parsed.format != "svg" && parsed.format != "wmf" && parsed.format != "png" && parsed.format != "pdf")
          return failedAt(lineNumber, "@export needs a format svg, wmf, png or pdf, not \"" + exportFormat + "\"");
        if (parsed.text.empty()) return failedAt(lineNumber, "@export needs a path");
      } else {
        return failedAt(lineNumber, "unknown verb \"" + verb + "\"");
      }
      script.lines.push_back(std::move(parsed));
      continue;
    }

    auto event = ui::parseFormEvent(line);
    if (!event.event) return failedAt(lineNumber, event.error);
    parsed.kind = ScriptLineKind::Event;
    parsed.event = std::move(*event.event);
    script.lines.push_back(std::move(parsed));
    lastEvent = script.lines.size() - 1;
  }
  return {std::move(script), 0, {}};
}

}  // namespace lavix::batch
