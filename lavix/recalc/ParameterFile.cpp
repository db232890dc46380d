// The parameter definition files Controls/pearce.txt and Controls/extra.txt.
#include "lavix/recalc/ParameterFile.h"

#include "common/text/Text.h"
#include "common/text/TextFile.h"

namespace lavix::recalc {

namespace {

bool isComment(std::string_view line) {
  const std::string trimmed = text::trim(line);
  return !trimmed.empty() && trimmed.front() == '#';
}

// A name in quotes without them; "" stays as it is rather than naming a column with nothing.
std::string unquoted(std::string name) {
  if (name.size() > 2 && name.front() == '"' && name.back() == '"') return name.substr(1, name.size() - 2);
  return name;
}

}  // namespace

bool parseParameterText(std::string_view content, std::vector<ParameterDefinition>& definitions,
                        std::string& failure) {
  definitions.clear();
  std::vector<std::string> fields;
  std::vector<std::string> parts;
  for (std::string_view line : text::splitLineViews(content)) {
    if (isComment(line)) continue;
    std::size_t start = 0;
    while (start <= line.size() && static_cast<int>(fields.size()) < maxParameterFields) {
      const std::size_t comma = std::min(line.find(',', start), line.size());
      char tab = '\t';
      text::tokenizeLine(line.substr(start, comma - start), tab, parts);
      for (const std::string& part : parts) {
        std::string field = text::trim(part);
        if (!field.empty() && static_cast<int>(fields.size()) < maxParameterFields) fields.push_back(std::move(field));
      }
      start = comma + 1;
    }
  }
  if (fields.size() % 2 != 0) {
    failure = "the name " + fields.back() + " has no formula";
    return false;
  }
  for (std::size_t i = 0; i + 1 < fields.size(); i += 2)
    definitions.push_back({unquoted(fields[i]), fields[i + 1]});
  return true;
}

bool readParameterFile(const std::string& path, std::vector<ParameterDefinition>& definitions,
                       std::string& failure) {
  std::string content;
  text::FileError error;
  if (!text::readFile(path, content, error)) {
    failure = error.text + "\n" + path;
    return false;
  }
  if (!parseParameterText(content, definitions, failure)) {
    failure = path + ": " + failure;
    return false;
  }
  return true;
}

}  // namespace lavix::recalc
