// The symbol dialog `symform` and the `menuSymbols` command that opens it.
#include "lavix/app/SymbolForm.h"

#include <algorithm>
#include <cmath>

#include "common/format/NumberFormat.h"
#include "common/text/Text.h"
#include "lavix/app/Messages.h"
#include "lavix/calc/VariableCalculator.h"
#include "lavix/diagram/DrawSymbol.h"
#include "lavix/diagram/SymbolFile.h"

namespace lavix::app {

namespace {

ui::Rgb toRgb(int32_t colour) { return {graphics::redOf(colour), graphics::greenOf(colour), graphics::blueOf(colour)}; }

int clampByte(int value) { return std::clamp(value, 0, 255); }

diagram::SymbolRgb toSymbolRgb(const ui::Rgb& rgb) {
  return {static_cast<int16_t>(clampByte(rgb.red)), static_cast<int16_t>(clampByte(rgb.green)),
          static_cast<int16_t>(clampByte(rgb.blue))};
}

// A typed whole number, rounded half to even as the platform's integer conversion does;
// empty when the text is beyond 16 bits (which no caller can use).
std::optional<int> typedInteger(const std::string& text, char decimalSeparator) {
  const float value = text::parseNumber(text, decimalSeparator);
  if (!(std::fabs(value) <= 32767.0f)) return std::nullopt;
  return static_cast<int>(std::nearbyint(value));
}

}  // namespace

std::string currentSymbolPath(const Session& session) {
  const std::string& file = session.preferences.symbolFile;
  if (file.empty() || text::equalsIgnoreCase(file, "DEFAULT")) return session.controlsPath("default.sym");
  return file;
}

bool loadSymbolFile(Session& session, const std::string& path) {
  // Read into a copy first, so that a file that cannot be used leaves the symbols as they were.
  diagram::SymbolTable table = session.symbols;
  table.blackSymbols = false;
  text::FileError error;
  diagram::SymbolReadResult result = diagram::SymbolReadResult::openFailed;
  diagram::readSymbolFile(path, "default", table, error, session.decimalSeparator, &result);
  if (result != diagram::SymbolReadResult::complete) ui::say(session.prompts, error.text);
  if (result != diagram::SymbolReadResult::complete && result != diagram::SymbolReadResult::stopped) return false;
  session.symbols = std::move(table);
  session.preferences.symbolFile = path;
  return true;
}

std::optional<int16_t> scaledSymbol(float value, float begin, float end, float steps, int highest) {
  if (steps == 0.0f) steps = 5.0f;
  const float width = (end - begin) / steps;
  if (!(width > 0.0f)) return std::nullopt;
  const float k = std::floor((value - begin) / width);
  int symbol = 0;
  if (k >= 0.0f && begin <= value && value <= end) symbol = static_cast<int>(std::min(k, 32766.0f)) + 1;
  return diagram::limitSymbolNumber(symbol, highest - 1);
}

SymbolForm::SymbolForm(Session& session) : session_(session), checked_(diagram::symbolSlots, true) {
  for (int s = 0; s < diagram::symbolSlots; ++s)
    checked_[static_cast<std::size_t>(s)] = session_.symbols.selectedSymbol[static_cast<std::size_t>(s)] == s;
  addCommands();
}

void SymbolForm::addCommands() {
  auto add = [this](const char* name, const char* caption, std::function<void()> run) {
    commands_.add({name, caption, [run = std::move(run)](const std::string&) { run(); }, {}});
  };
  add("newsyms", "New symbols", [this] { newsyms(); });
  add("blacksyms", "Black", [this] { blacksyms(); });
  add("Colorsyms", "Colour", [this] { colorsyms(); });
  add("onesym", "One symbol", [this] { onesym(); });
  add("selall", "All", [this] { selall(); });
  add("delall", "None", [this] { delall(); });
  add("cmdOdds", "Odds", [this] { cmdOdds(); });
  add("cmdEvens", "Evens", [this] { cmdEvens(); });
  add("ties", "Ties", [this] { ties(); });
  add("cmdLineonly", "Line only", [this] { cmdLineonly(); });
  add("size", "Size", [this] { size(); });
  add("symline", "Symbol line", [this] { symline(); });
  add("Colsym", "Line colour", [this] { colsym(); });
  add("fillsym", "Fill colour", [this] { fillsym(); });
  add("boxcolor", "Box colour", [this] { pickColour(symformText::boxColour, session_.symbols.boxColour, true); });
  add("pagecolor", "Page colour", [this] { pickColour(symformText::pageColour, session_.symbols.pageColour, true); });
  add("tickcolor", "Frame colour",
      [this] { pickColour(symformText::frameColour, session_.symbols.frameColour, false); });
  add("linecol", "Curve colour", [this] { pickColour(symformText::curveColour, session_.symbols.curveColour, false); });
  add("boxline", "Frame width", [this] { pickWidth(symformText::frameLinePrompt, session_.symbols.frameLineWidth); });
  add("mixmodline", "Curve width",
      [this] { pickWidth(symformText::curveLinePrompt, session_.symbols.curveLineWidth); });
  add("Font", "Text colour", [this] { pickColour(symformText::textColour, session_.symbols.textColour, false); });
  add("whitepage", "White page", [this] { session_.diagram.whitePage = 1; });
  add("defcol", "File colours", [this] { reread("symbol"); });
  add("Option1", "Jcode", [this] { option(1); });
  add("Option2", "Kcode", [this] { option(2); });
  add("Option3", "Lcode", [this] { option(3); });
  add("Option4", "Parameter", [this] { option4(); });
  add("OKbut", "OK", [this] { okbut(); });
}

ui::EventResult SymbolForm::click(const std::string& control, const std::string& item) {
  if (control == "symbox" || control == "editsym") {
    std::vector<std::string> captions;
    for (int s = 0; s <= highestSymbol(); ++s) captions.push_back(format::shortestText(s));
    const int position = ui::findItem(captions, item);
    if (position == 0) return ui::EventResult::UnknownItem;
    if (control == "symbox") toggleSymbol(position - 1);
    else setEditedSymbol(position - 1);
    return ui::EventResult::Done;
  }
  return commands_.run(control, item);
}

std::vector<std::pair<std::string, std::string>> SymbolForm::fields() const {
  std::vector<std::pair<std::string, std::string>> out;
  for (int s = 0; s <= highestSymbol(); ++s)
    out.emplace_back("symbox(" + format::shortestText(s) + ")", isChecked(s) ? "1" : "0");
  out.emplace_back("ties", tiesBox() ? "1" : "0");
  out.emplace_back("cmdLineonly", lineOnlyBox() ? "1" : "0");
  out.emplace_back("editsym", format::shortestText(edited_));
  out.emplace_back("onesym", format::shortestText(session_.symbols.oneSymbol));
  out.emplace_back("size", format::shortestText(session_.symbols.symbolScale));
  out.emplace_back("symline", format::shortestText(session_.symbols.symbolPenWidth));
  out.emplace_back("blacksyms", session_.symbols.blackSymbols ? "1" : "0");
  out.emplace_back("whitepage", format::shortestText(session_.diagram.whitePage));
  return out;
}

bool SymbolForm::isChecked(int symbol) const {
  return symbol >= 0 && symbol < diagram::symbolSlots && checked_[static_cast<std::size_t>(symbol)];
}

void SymbolForm::setChecked(int symbol, bool checked) {
  if (symbol >= 0 && symbol < diagram::symbolSlots) checked_[static_cast<std::size_t>(symbol)] = checked;
}

void SymbolForm::toggleSymbol(int symbol) {
  if (symbol < 0 || symbol > highestSymbol()) return;
  setChecked(symbol, !isChecked(symbol));
  edited_ = symbol;
}

void SymbolForm::setEditedSymbol(int symbol) {
  if (symbol >= 0 && symbol <= highestSymbol()) edited_ = symbol;
}

void SymbolForm::selall() { checkWhere([](int) { return true; }); }
void SymbolForm::delall() { checkWhere([](int) { return false; }); }
void SymbolForm::cmdOdds() { checkWhere([](int s) { return s % 2 == 1; }); }
void SymbolForm::cmdEvens() { checkWhere([](int s) { return s % 2 == 0; }); }

void SymbolForm::checkWhere(const std::function<bool(int)>& shown) {
  for (int s = 0; s <= highestSymbol(); ++s) setChecked(s, shown(s));
  session_.symbols.oneSymbol = -1;
  session_.symbols.tiesOn = false;
  session_.symbols.lineOnly = false;
}

bool SymbolForm::reread(const char* mode) {
  text::FileError error;
  if (diagram::readSymbolFile(currentSymbolPath(session_), mode, session_.symbols, error,
                              session_.decimalSeparator))
    return true;
  ui::say(session_.prompts, error.text);
  return false;
}

void SymbolForm::newsyms() {
  ui::FileRequest request;
  request.filter = symformText::symbolFilter;
  request.folder = session_.baseFolder + "Controls";
  request.mustExist = true;
  const auto chosen = session_.prompts.openFile(request);
  if (!chosen || chosen->empty()) return;
  if (loadSymbolFile(session_, *chosen) && edited_ > highestSymbol()) edited_ = 0;
}

void SymbolForm::blacksyms() {
  session_.symbols.blackSymbols = true;
  reread("symbol");
}

void SymbolForm::colorsyms() {
  session_.symbols.blackSymbols = false;
  session_.symbols.oneSymbol = -1;
  reread("symbol");
}

void SymbolForm::onesym() {
  const int n = highestSymbol();
  const auto answer = session_.prompts.input(
      {symformText::pickSymbolPrompt + format::shortestText(n) + ")", symformText::pickSymbolTitle, ""});
  if (!answer) return;
  const std::optional<int> symbol = typedInteger(*answer, session_.decimalSeparator);
  session_.symbols.oneSymbol = static_cast<int16_t>(symbol && *symbol >= 0 && *symbol <= n ? *symbol : 0);
}

void SymbolForm::ties() {
  session_.symbols.tiesOn = !session_.symbols.tiesOn;
  session_.symbols.lineOnly = false;
}

void SymbolForm::cmdLineonly() {
  const bool on = !session_.symbols.lineOnly;
  session_.symbols.lineOnly = on;
  session_.symbols.tiesOn = on;
}

void SymbolForm::size() {
  const auto answer = session_.prompts.input({symformText::resizePrompt, symformText::resizeTitle, ""});
  if (!answer) return;
  session_.symbols.pendingSymbolSize = text::parseNumber(*answer, session_.decimalSeparator);
  reread("resize");
}

void SymbolForm::symline() {
  const auto answer = session_.prompts.input({symformText::symbolLinePrompt, symformText::lineWidthTitle, ""});
  if (!answer) return;
  const std::optional<int> width = typedInteger(*answer, session_.decimalSeparator);
  // A negative width would mean nothing to a pen; such an entry changes nothing.
  if (!width || *width < 0) return;
  session_.symbols.symbolLineWidthOverride = static_cast<int16_t>(*width);
  reread("line");
}

void SymbolForm::colsym() {
  const auto slot = static_cast<std::size_t>(edited_);
  auto& table = session_.symbols;
  const auto chosen = session_.prompts.colour(symformText::symbolLineColour, toRgb(table.symbolLineColour[slot]));
  if (!chosen) return;
  table.symbolLineRGB[slot] = toSymbolRgb(*chosen);
  table.symbolLineColour[slot] = diagram::symbolColour(table.symbolLineRGB[slot]);
}

void SymbolForm::fillsym() {
  const auto slot = static_cast<std::size_t>(edited_);
  auto& table = session_.symbols;
  const auto chosen = session_.prompts.colour(symformText::symbolFillColour, toRgb(table.symbolFillColour[slot]));
  if (!chosen) return;
  table.symbolFillRGB[slot] = toSymbolRgb(*chosen);
  table.symbolFillColour[slot] = diagram::symbolColour(table.symbolFillRGB[slot]);
}

void SymbolForm::pickColour(const char* title, int32_t& colour, bool pageColour) {
  const auto chosen = session_.prompts.colour(title, toRgb(colour));
  if (!chosen) return;
  colour = diagram::symbolColour(toSymbolRgb(*chosen));
  if (pageColour) session_.diagram.whitePage = 0;
}

void SymbolForm::pickWidth(const char* prompt, int32_t& width) {
  const auto answer = session_.prompts.input({prompt, symformText::lineWidthTitle, format::shortestText(width)});
  if (!answer) return;
  const std::optional<int> value = typedInteger(*answer, session_.decimalSeparator);
  if (value && *value >= 0) width = *value;
}

void SymbolForm::option(int key) {
  auto& data = session_.data;
  const std::vector<int16_t>& codes = key == 1 ? data.jcode : key == 3 ? data.lcode : data.kcode;
  const int rows = std::min<int>({data.rowCount, static_cast<int>(codes.size()) - 1,
                                  static_cast<int>(data.symbolOf.size()) - 1});
  for (int row = 1; row <= rows; ++row) {
    const auto r = static_cast<std::size_t>(row);
    data.symbolOf[r] = diagram::limitSymbolNumber(codes[r], highestSymbol());
  }
}

void SymbolForm::option4() {
  Session& s = session_;
  if (s.data.rowCount == 0 || s.data.columnCount == 0) {
    ui::say(s.prompts, messages::readAFileFirst);
    return;
  }
  calc::CalculatorContext context{s.data,    s.standard,     s.exchange,      s.prompts,
                                  s.calcResult, s.diagram.plot, s.window.zerosIn, &s.normalisation,
                                  s.recalc.recast.recastFlags()};
  const calc::SelectorOutcome outcome = calc::selectVariable(context, symformText::parameterTitle);
  if (outcome.cancelled) return;

  ui::NumbersRequest request;
  request.title = std::string(symformText::scaleOn) + outcome.label + symformText::scaleOnEnd;
  request.prompts = {symformText::beginAt, symformText::endAt, symformText::numberOfSteps};
  request.presets = {"0", "0", "0"};
  const auto answer = s.prompts.numbers(request);
  if (!answer) return;
  auto field = [&](std::size_t i) {
    return i < answer->size() ? text::parseNumber((*answer)[i], s.decimalSeparator) : 0.0f;
  };
  const float begin = field(0), end = field(1), steps = field(2);
  if (!scaledSymbol(0.0f, begin, end, steps, highestSymbol())) return;

  const std::vector<float>& p = s.diagram.plot.pValue;
  const int rows = std::min<int>({s.data.rowCount, static_cast<int>(p.size()) - 1,
                                  static_cast<int>(s.data.symbolOf.size()) - 1});
  for (int row = 1; row <= rows; ++row) {
    const auto r = static_cast<std::size_t>(row);
    s.data.symbolOf[r] = *scaledSymbol(p[r], begin, end, steps, highestSymbol());
  }
}

void SymbolForm::okbut() {
  auto& table = session_.symbols;
  for (int s = 0; s <= highestSymbol(); ++s)
    table.selectedSymbol[static_cast<std::size_t>(s)] = isChecked(s) ? static_cast<int16_t>(s) : diagram::hiddenSymbol;
  closedWithOk_ = true;
  open_ = false;
}

SymbolsOutcome menuSymbols(Session& session) {
  session.window.identifyMode = false;
  SymbolForm form(session);
  session.prompts.runModal(form);
  SymbolsOutcome outcome;
  outcome.closedWithOk = form.closedWithOk();
  outcome.resetSpider = session.diagram.diagramKind == "SPI";
  outcome.rebuildHistogram = session.diagram.diagramKind == "HIST";
  return outcome;
}

}  // namespace lavix::app
