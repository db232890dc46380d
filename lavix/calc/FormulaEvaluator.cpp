// The formula evaluator: one value per analysis from a formula over the data columns.
#include "lavix/calc/FormulaEvaluator.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>

#include "common/text/Text.h"
#include "lavix/data/SubsetCriteria.h"

namespace lavix::calc {

namespace {

// Rows ahead of the one read whose cells are asked for early.
constexpr int prefetchDistance = 16;

// Working storage of one level, as the formula window has always allowed.
constexpr int maxTerms = 40;
constexpr int maxGroups = 10;
constexpr int maxFunctions = 10;
// Each "(" is one recursion; deeper formulas are refused rather than risking the stack.
constexpr int maxDepth = 50;

// Placeholders for groups and LOG functions in the rewritten text: a mark byte and a
// lower-case index letter. Neither can come from the user's text, which is upper-cased and
// has its control bytes blanked, so a typed "PREN1" can never reach a group's values.
constexpr char groupMark = '\x01';
constexpr char functionMark = '\x02';

bool isOperator(char c) { return c == '+' || c == '-' || c == '*' || c == '/' || c == '^'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

struct Term {
  std::string text;  // as typed at this level: quotes kept, placeholders as marks
  char op = 0;       // the operator after the term; 0 for the last ("end")
  bool skip = false;    // the empty operand before a leading minus
  bool negate = false;  // a minus right after another operator
};

// An operand with nothing in it but quotes or blanks (SKIP is not one).
bool isEmptyTerm(const Term& term) {
  if (term.skip) return false;
  for (char c : term.text)
    if (c != '"') return false;
  return true;
}

struct Level {
  std::string text;              // the level's rewritten text, for messages
  std::vector<Level> functions;  // fnf1, fnf2, ... left to right
  std::vector<Level> groups;     // pren1 is the last group, as the groups are replaced from the right
  std::vector<Term> terms;
};

// Length of the number at the start of a term, read like BASIC's Val: digits, one ".",
// then an exponent with an optional sign; 0 when no digit leads.
std::size_t numberPrefix(std::string_view t) {
  std::size_t i = 0, digits = 0;
  while (i < t.size() && isDigit(t[i])) ++i, ++digits;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && isDigit(t[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < t.size() && t[i] == 'E') {
    std::size_t j = i + 1;
    if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
    std::size_t expDigits = 0;
    while (j < t.size() && isDigit(t[j])) ++j, ++expDigits;
    if (expDigits > 0) i = j;
  }
  return i;
}

// "2E" or "1.5E" followed by a signed digit: the sign belongs to the exponent.
bool endsInExponentMark(const std::string& term) {
  if (term.size() < 2 || term.back() != 'E') return false;
  return numberPrefix(term.substr(0, term.size() - 1)) == term.size() - 1;
}

// Text for messages: placeholders written as pren<n> and fnf<n>.
std::string readable(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((text[i] == groupMark || text[i] == functionMark) && i + 1 < text.size()) {
      out += text[i] == groupMark ? "pren" : "fnf";
      out += std::to_string(text[i + 1] - 'a' + 1);
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

struct Refusal {
  std::string message;
};

// Index of the ")" that closes the "(" at `open`, outside quotes; npos when none.
std::size_t closingParenthesis(std::string_view t, std::size_t open) {
  int depth = 0;
  bool quoted = false;
  for (std::size_t i = open; i < t.size(); ++i) {
    const char c = t[i];
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '(') ++depth;
    if (c == ')' && --depth == 0) return i;
  }
  return std::string_view::npos;
}

std::optional<Refusal> parseLevel(std::string_view text, int depth, Level& level);

// Replaces each LOG( ... ) outside groups and quotes by a function placeholder. LOG
// functions inside a group are left to the group's own level, where their placeholders
// belong.
std::optional<Refusal> replaceFunctions(std::string_view t, int depth, Level& level, std::string& out) {
  int nesting = 0;
  bool quoted = false;
  for (std::size_t i = 0; i < t.size();) {
    const char c = t[i];
    if (c == '"') quoted = !quoted;
    if (!quoted && nesting == 0 && t.substr(i, 4) == "LOG(") {
      const std::size_t close = closingParenthesis(t, i + 3);
      if (close == std::string_view::npos) return Refusal{"Parentheses don't match"};
      if (static_cast<int>(level.functions.size()) == maxFunctions)
        return Refusal{"Formula too long: more than 10 LOG functions at one level"};
      level.functions.emplace_back();
      if (auto refused = parseLevel(t.substr(i + 4, close - i - 4), depth + 1, level.functions.back())) return refused;
      out += functionMark;
      out += static_cast<char>('a' + level.functions.size() - 1);
      i = close + 1;
      continue;
    }
    if (!quoted && c == '(') ++nesting;
    if (!quoted && c == ')') --nesting;
    out += c;
    ++i;
  }
  return std::nullopt;
}

// Replaces each outermost group by a group placeholder, numbering from the last group.
std::optional<Refusal> replaceGroups(std::string_view t, int depth, Level& level, std::string& out) {
  std::vector<std::pair<std::size_t, std::size_t>> spans;
  bool quoted = false;
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (t[i] == '"') quoted = !quoted;
    if (quoted || t[i] != '(') continue;
    const std::size_t close = closingParenthesis(t, i);
    if (close == std::string_view::npos) return Refusal{"Parentheses don't match"};
    if (static_cast<int>(spans.size()) == maxGroups)
      return Refusal{"Formula too long: more than 10 groups in parentheses at one level"};
    spans.emplace_back(i, close);
    i = close;
  }
  level.groups.resize(spans.size());
  std::size_t from = 0;
  for (std::size_t g = 0; g < spans.size(); ++g) {
    const auto [open, close] = spans[g];
    const std::size_t number = spans.size() - g;  // 1 for the last group
    if (auto refused = parseLevel(t.substr(open + 1, close - open - 1), depth + 1, level.groups[number - 1]))
      return refused;
    out.append(t.substr(from, open - from));
    out += groupMark;
    out += static_cast<char>('a' + number - 1);
    from = close + 1;
  }
  out.append(t.substr(from));
  return std::nullopt;
}

std::optional<Refusal> splitTerms(std::string_view t, Level& level) {
  Term current;
  bool quoted = false;
  for (std::size_t i = 0; i < t.size(); ++i) {
    const char c = t[i];
    if (quoted) {
      current.text += c;
      if (c == '"') quoted = false;
      continue;
    }
    if (c == '"') {
      current.text += c;
      quoted = true;
      continue;
    }
    if ((c == groupMark || c == functionMark) && i + 1 < t.size()) {
      current.text += c;
      current.text += t[++i];
      continue;
    }
    if (c == ' ') continue;
    if (!isOperator(c)) {
      current.text += c;
      continue;
    }
    if ((c == '+' || c == '-') && i + 1 < t.size() && isDigit(t[i + 1]) && endsInExponentMark(current.text)) {
      current.text += c;  // 1E-5 is one number, not 1E minus 5
      continue;
    }
    if (c == '-' && current.text.empty()) {
      if (level.terms.empty()) {
        Term skip;
        skip.skip = true;
        skip.op = '-';
        level.terms.push_back(skip);
      } else {
        // After an operator, SKIP would give A*-B = -B; negate the operand instead.
        current.negate = !current.negate;
      }
      continue;
    }
    if (static_cast<int>(level.terms.size()) == maxTerms - 1)
      return Refusal{"Formula too long: more than 40 terms at one level"};
    current.op = c;
    level.terms.push_back(std::move(current));
    current = Term{};
  }
  if (static_cast<int>(level.terms.size()) == maxTerms) return Refusal{"Formula too long: more than 40 terms at one level"};
  level.terms.push_back(std::move(current));
  return std::nullopt;
}

std::optional<Refusal> parseLevel(std::string_view text, int depth, Level& level) {
  if (depth > maxDepth) return Refusal{"Formula too deeply nested: more than 50 levels of parentheses"};
  std::string withoutFunctions;
  if (auto refused = replaceFunctions(text, depth, level, withoutFunctions)) return refused;
  std::string rewritten;
  if (auto refused = replaceGroups(withoutFunctions, depth, level, rewritten)) return refused;
  if (auto refused = splitTerms(rewritten, level)) return refused;
  level.text = std::move(rewritten);
  return std::nullopt;
}

// Upper case, control bytes as blanks, blanks dropped outside quotes.
std::string prepare(std::string_view formula) {
  std::string out;
  out.reserve(formula.size());
  bool quoted = false;
  for (char c : formula) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7f) c = ' ';
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c == '"') quoted = !quoted;
    if (c == ' ' && !quoted) continue;
    out += c;
  }
  return out;
}

// Balance and nesting of the parentheses outside quotes, checked before anything is shown.
std::optional<Refusal> checkParentheses(std::string_view t) {
  int depth = 0, deepest = 0;
  bool quoted = false;
  for (char c : t) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '(') deepest = std::max(deepest, ++depth);
    if (c == ')' && --depth < 0) return Refusal{"Parentheses don't match"};
  }
  if (depth != 0) return Refusal{"Parentheses don't match"};
  if (deepest > maxDepth) return Refusal{"Formula too deeply nested: more than 50 levels of parentheses"};
  return std::nullopt;
}

// A term's value: a constant, or one value per row.
struct Value {
  bool isVector = false;
  double constant = 0;
  std::vector<double> rows;
  // For a group or LOG function: 1 or 0 per row, empty when every row is valid. Their
  // validity comes from their own terms, so a group that is legitimately 0 (LOG(1)) keeps
  // its row.
  bool fromLevel = false;
  std::vector<double> validity;
};

// A level's operands in order, read left to right by sum(), product() and power().
struct Chain {
  std::vector<Value> values;
  std::vector<char> ops;      // ops[j]: the operator after operand j; 0 after the last
  std::vector<bool> negated;  // a minus typed after the operator before operand j
  std::size_t next = 0;       // the operand to take next

  bool done() const { return next >= values.size(); }
  char opBeforeNext() const { return done() || next == 0 ? 0 : ops[next - 1]; }
};

// A level's result: values (0 in invalid rows) and validity (empty when all rows are valid).
struct Outcome {
  std::vector<double> rows;
  std::vector<double> validity;
};

class Evaluator {
 public:
  Evaluator(const FormulaContext& context, int rowCount)
      : context_(context), rowCount_(rowCount), moleAmounts_(text::equalsIgnoreCase(context.formulaBasis, "MA")) {}

  // The level's result per row, single precision (as calcResult holds it) and finite.
  Outcome evaluate(const Level& level);

 private:
  std::vector<double> take() {
    if (pool_.empty()) return std::vector<double>(static_cast<std::size_t>(rowCount_));
    std::vector<double> rows = std::move(pool_.back());
    pool_.pop_back();
    return rows;
  }
  void release(Value& v) {
    if (v.isVector) pool_.push_back(std::move(v.rows));
    if (!v.validity.empty()) pool_.push_back(std::move(v.validity));
    v = Value{};
  }
  void invalidate(std::vector<double>& validity, int row) {
    if (validity.empty()) {
      validity = take();
      std::fill(validity.begin(), validity.end(), 1.0);
    }
    validity[row] = 0;
  }
  void setVector(Value& v, std::vector<double>&& rows) {
    v.isVector = true;
    v.rows = std::move(rows);
  }
  void say(const std::string& text) { ui::say(context_.prompts, text); }

  Value termValue(const Level& level, std::size_t index, std::vector<Value>& functions, std::vector<Value>& groups);
  bool lookUpName(const std::string& name, Value& value);
  bool lookUpAmount(const std::string& wanted, Value& value);
  // Standard oxide k of every row as wt % (total iron as FeO), times `factor`.
  std::vector<double> oxideRows(int k, double factor);
  void combine(Value& a, Value& b, char op);
  Value sum(Chain& chain);
  Value product(Chain& chain);
  Value signedPower(Chain& chain);
  Value power(Chain& chain);
  const std::vector<std::string>& columnNames();

  const FormulaContext& context_;
  const int rowCount_;
  const bool moleAmounts_;
  std::vector<std::vector<double>> pool_;
  std::vector<std::string> normalisedColumns_;
  bool columnsNormalised_ = false;
};

const std::vector<std::string>& Evaluator::columnNames() {
  if (!columnsNormalised_) {
    const auto& store = context_.store;
    const int count = std::min<int>(store.columnCount, static_cast<int>(store.columnName.size()) - 1);
    normalisedColumns_.assign(1, {});
    for (int c = 1; c <= count; ++c) normalisedColumns_.push_back(text::normaliseName(store.columnName[c]));
    columnsNormalised_ = true;
  }
  return normalisedColumns_;
}

bool Evaluator::lookUpAmount(const std::string& wanted, Value& value) {
  if (!context_.molecularAmount) return false;
  const auto& standard = context_.standard;
  // An oxide counts once; an element counts its cations in each of its oxides.
  std::vector<std::pair<int, float>> parts;
  for (int k = 1; k <= data::standardCount && parts.empty(); ++k)
    if (text::normaliseName(standard.stdName[k]) == wanted) parts.emplace_back(k, 1.0f);
  if (parts.empty())
    for (int k = 1; k <= data::standardCount; ++k)
      if (!standard.stdElement[k].empty() && text::normaliseName(standard.stdElement[k]) == wanted)
        parts.emplace_back(k, static_cast<float>(standard.cations[static_cast<std::size_t>(k)]));
  if (parts.empty()) return false;
  auto rows = take();
  for (int r = 0; r < rowCount_; ++r) {
    double sum = 0;
    for (const auto& [k, cations] : parts) sum += context_.molecularAmount(r + 1, k) * cations;
    rows[r] = sum;
  }
  setVector(value, std::move(rows));
  return true;
}

bool Evaluator::lookUpName(const std::string& name, Value& value) {
  const auto& store = context_.store;
  const std::string wanted = text::normaliseName(name);
  if (moleAmounts_ && lookUpAmount(wanted, value)) return true;
  const auto& names = columnNames();
  for (std::size_t c = 1; c < names.size(); ++c) {
    if (names[c] != wanted) continue;
    const int column = static_cast<int>(c);
    if (!moleAmounts_) {
      auto rows = take();
      for (int r = 0; r < rowCount_; ++r) {
        store.prefetchCell(r + 1 + prefetchDistance, column);
        rows[r] = data::variableValue(store, static_cast<int16_t>(column), r + 1, context_.normFlag);
      }
      setVector(value, std::move(rows));
      return true;
    }
    int standardIndex = 0;
    for (int k = 1; k <= data::standardCount; ++k)
      if (store.stdColumn[k] == column) standardIndex = k;
    if (standardIndex == 0 || !context_.molecularAmount) return true;  // 0 for every row
    auto rows = take();
    for (int r = 0; r < rowCount_; ++r) rows[r] = context_.molecularAmount(r + 1, standardIndex);
    setVector(value, std::move(rows));
    return true;
  }
  // An element by name when only its oxide is in the data (the first oxide present wins).
  for (int k = 1; k <= data::standardCount; ++k) {
    if (store.stdColumn[k] <= 0 || context_.standard.stdElement[k].empty()) continue;
    if (text::normaliseName(context_.standard.stdElement[k]) != wanted) continue;
    setVector(value, oxideRows(k, context_.standard.elementFactor[k]));
    return true;
  }
  // A standard oxide under another column name (FEO from a FeOT column), or one the data lack.
  if (const int k = context_.standard.indexOfName(name); k > 0 && !moleAmounts_) {
    if (store.stdColumn[k] > 0) {
      setVector(value, oxideRows(k, 1.0));
      return true;
    }
    if (context_.absentOxidesZero) return true;  // 0 for every row
  }
  return false;
}

std::vector<double> Evaluator::oxideRows(int k, double factor) {
  const auto& store = context_.store;
  const int column = store.stdColumn[k];
  auto rows = take();
  for (int r = 0; r < rowCount_; ++r) {
    store.prefetchCell(r + 1 + prefetchDistance, column);
    const float cell = data::variableValue(store, static_cast<int16_t>(column), r + 1, context_.normFlag);
    const float asOxide = column == store.totalIronColumn ? cell * store.totalIronToFeO : cell;
    rows[r] = static_cast<double>(asOxide) * factor;
  }
  return rows;
}

Value Evaluator::termValue(const Level& level, std::size_t index, std::vector<Value>& functions,
                           std::vector<Value>& groups) {
  const Term& term = level.terms[index];
  Value value;
  if (term.skip) return value;

  if (isEmptyTerm(term)) {
    say("Possible error in formula: empty term " + std::to_string(index + 1) + " of \"" + readable(level.text) +
        "\" (length 0)");
    return value;
  }

  if (const std::size_t length = numberPrefix(term.text); length > 0) {
    double number = 0;
    if (text::tryParseNumber(std::string_view(term.text).substr(0, length), '.', number) && number != 0) {
      value.constant = number;
      return value;
    }
  }

  if (term.text[0] == groupMark || term.text[0] == functionMark) {
    auto& table = term.text[0] == groupMark ? groups : functions;
    const std::size_t slot = static_cast<std::size_t>(term.text[1] - 'a');
    if (slot < table.size()) {
      value = std::move(table[slot]);
      table[slot] = Value{};
      return value;
    }
  }

  std::string name;
  for (char c : term.text)
    if (c != '"') name += c;
  if (lookUpName(name, value)) return value;
  say("Did not match " + readable(name));
  return value;
}

template <typename Op>
void applyRows(std::vector<double>& out, const std::vector<double>& a, const std::vector<double>& b, Op op) {
  for (std::size_t r = 0; r < out.size(); ++r) out[r] = op(a[r], b[r]);
}
template <typename Op>
void applyLeft(std::vector<double>& out, double a, const std::vector<double>& b, Op op) {
  for (std::size_t r = 0; r < out.size(); ++r) out[r] = op(a, b[r]);
}
template <typename Op>
void applyRight(std::vector<double>& out, const std::vector<double>& a, double b, Op op) {
  for (std::size_t r = 0; r < out.size(); ++r) out[r] = op(a[r], b);
}

template <typename Op>
void combineWith(Value& a, Value& b, Op op) {
  if (!a.isVector && !b.isVector) {
    a.constant = op(a.constant, b.constant);
  } else if (a.isVector && b.isVector) {
    applyRows(a.rows, a.rows, b.rows, op);
  } else if (a.isVector) {
    applyRight(a.rows, a.rows, b.constant, op);
  } else {
    // b's rows are about to be dropped, so the result can live in them.
    std::vector<double>& out = b.rows;
    applyLeft(out, a.constant, b.rows, op);
    a.isVector = true;
    a.rows = std::move(out);
    b.isVector = false;
  }
}

// a = a op b; b becomes 0.
void Evaluator::combine(Value& a, Value& b, char op) {
  switch (op) {
    case '*': combineWith(a, b, [](double x, double y) { return x * y; }); break;
    case '/': combineWith(a, b, [](double x, double y) { return y == 0 ? 0.0 : x / y; }); break;
    case '^': combineWith(a, b, [](double x, double y) { return y == 0 ? 1.0 : std::pow(x, y); }); break;
    case '-':
      if (b.isVector || b.constant != 0) combineWith(a, b, [](double x, double y) { return x - y; });
      break;
    default:
      if (b.isVector || b.constant != 0) combineWith(a, b, [](double x, double y) { return x + y; });
      break;
  }
  release(b);
}

void negate(Value& v) {
  if (!v.isVector) {
    v.constant = -v.constant;
    return;
  }
  for (double& x : v.rows) x = -x;
}

bool isMultiplicative(char op) { return op == '*' || op == '/' || op == '^'; }

// The usual rules: "^" before "*" and "/", which come before "+" and "-"; "*", "/", "+" and
// "-" group from the left, "^" from the right. A minus after an operator applies to the power
// that follows it, so -2^2 and 3*-2^2 are -4 and -12.
Value Evaluator::sum(Chain& chain) {
  Value total = product(chain);
  while (!chain.done()) {
    const char op = chain.opBeforeNext();
    Value term = product(chain);
    combine(total, term, op == '-' ? '-' : '+');
  }
  return total;
}

Value Evaluator::product(Chain& chain) {
  Value total = signedPower(chain);
  while (chain.opBeforeNext() == '*' || chain.opBeforeNext() == '/') {
    const char op = chain.opBeforeNext();
    Value factor = signedPower(chain);
    combine(total, factor, op);
  }
  return total;
}

Value Evaluator::signedPower(Chain& chain) {
  const bool negated = chain.negated[chain.next];
  Value value = power(chain);
  if (negated) negate(value);
  return value;
}

Value Evaluator::power(Chain& chain) {
  Value base = std::move(chain.values[chain.next++]);
  if (chain.opBeforeNext() == '^') {
    Value exponent = signedPower(chain);
    combine(base, exponent, '^');
  }
  return base;
}

// What calcResult can hold: single precision and finite.
bool storable(double x) { return std::isfinite(x) && std::fabs(x) <= FLT_MAX; }

Outcome Evaluator::evaluate(const Level& level) {
  std::vector<Value> functions(level.functions.size());
  for (std::size_t k = 0; k < level.functions.size(); ++k) {
    Outcome inner = evaluate(level.functions[k]);
    for (int r = 0; r < rowCount_; ++r) {
      double& x = inner.rows[r];
      if (x > 0) {
        x = std::log10(x);
      } else {
        x = 0;
        if (!context_.zerosIn) invalidate(inner.validity, r);  // no logarithm to give
      }
    }
    setVector(functions[k], std::move(inner.rows));
    functions[k].fromLevel = true;
    functions[k].validity = std::move(inner.validity);
  }
  std::vector<Value> groups(level.groups.size());
  for (std::size_t k = 0; k < level.groups.size(); ++k) {
    Outcome inner = evaluate(level.groups[k]);
    setVector(groups[k], std::move(inner.rows));
    groups[k].fromLevel = true;
    groups[k].validity = std::move(inner.validity);
  }

  const std::size_t n = level.terms.size();
  std::vector<Value> values(n);
  std::vector<char> ops(n);
  bool allInvalid = false;
  std::vector<double> validity;  // per row 1 or 0; left unallocated while every row is valid
  for (std::size_t j = 0; j < n; ++j) {
    values[j] = termValue(level, j, functions, groups);
    ops[j] = level.terms[j].op;
    if (context_.zerosIn || level.terms[j].skip) continue;
    Value& v = values[j];
    if (v.fromLevel) {
      if (!v.validity.empty()) {
        for (int r = 0; r < rowCount_; ++r)
          if (v.validity[r] == 0) invalidate(validity, r);
        pool_.push_back(std::move(v.validity));
        v.validity = {};
      }
      continue;
    }
    if (!v.isVector) {
      if (v.constant == 0) allInvalid = true;
      continue;
    }
    for (int r = 0; r < rowCount_; ++r)
      if (v.rows[r] == 0) invalidate(validity, r);
  }
  for (auto& unused : functions) release(unused);
  for (auto& unused : groups) release(unused);

  // An empty operand before "*", "/" or "^" drops out and hands its operator to the one before.
  Chain chain;
  chain.ops = std::move(ops);
  for (std::size_t j = 0; j < n; ++j) chain.negated.push_back(level.terms[j].negate);
  std::vector<bool> empty(n);
  for (std::size_t j = 0; j < n; ++j) empty[j] = isEmptyTerm(level.terms[j]);
  for (std::size_t j = n - 1; j-- > 0;) {
    if (!isMultiplicative(chain.ops[j]) || !empty[j]) continue;
    say("bad (..) area");
    if (j > 0) chain.ops[j - 1] = chain.ops[j];
    release(values[j]);
    const auto at = static_cast<std::ptrdiff_t>(j);
    values.erase(values.begin() + at);
    chain.ops.erase(chain.ops.begin() + at);
    chain.negated.erase(chain.negated.begin() + at);
    empty.erase(empty.begin() + at);
  }
  chain.values = std::move(values);
  Value last = sum(chain);

  std::vector<double> result;
  if (last.isVector) {
    result = std::move(last.rows);
  } else {
    result = take();
    std::fill(result.begin(), result.end(), last.constant);
  }
  if (allInvalid) {
    if (validity.empty()) validity = take();
    std::fill(validity.begin(), validity.end(), 0.0);
  }
  for (int r = 0; r < rowCount_; ++r) {
    double& x = result[r];
    if (!validity.empty() && validity[r] == 0) {
      x = 0;
    } else if (!storable(x)) {
      // Not a number, or beyond single precision: 0, and no value when zeros are out.
      x = 0;
      if (!context_.zerosIn) invalidate(validity, r);
    } else {
      x = static_cast<double>(static_cast<float>(x));  // what calcResult holds
    }
  }
  return {std::move(result), std::move(validity)};
}

}  // namespace

bool evaluateFormula(const FormulaContext& context, const std::string& formula, std::vector<float>& calcResult) {
  const std::string text = prepare(formula);
  std::optional<Refusal> refused = checkParentheses(text);
  Level top;
  if (!refused) refused = parseLevel(text, 0, top);
  if (refused) {
    ui::say(context.prompts, refused->message);
    return false;
  }
  const int rowCount = std::max<int>(context.store.rowCount, 0);
  Evaluator evaluator(context, rowCount);
  const std::vector<double> result = evaluator.evaluate(top).rows;
  if (calcResult.size() < static_cast<std::size_t>(rowCount) + 1) calcResult.resize(static_cast<std::size_t>(rowCount) + 1);
  for (int r = 0; r < rowCount; ++r) calcResult[r + 1] = static_cast<float>(result[r]);
  return true;
}

}  // namespace lavix::calc
