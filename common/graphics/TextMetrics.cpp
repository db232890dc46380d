// Text extents without a window system: built-in sans widths, and titles with name markup split into runs.
#include "common/graphics/TextMetrics.h"

#include <array>
#include <cmath>
#include <numbers>

namespace lavix::graphics {

namespace {

// Advance widths of ASCII 32..126 in thousandths of the em, DejaVu Sans (its hmtx table,
// 2048 units per em, rounded); the screen and every file measure text with these.
constexpr std::array<std::int16_t, 95> regularWidths = {
     318,  401,  460,  838,  636,  950,  780,  275,  390,  390,  500,  838,
     318,  361,  318,  337,  636,  636,  636,  636,  636,  636,  636,  636,
     636,  636,  337,  337,  838,  838,  838,  531, 1000,  684,  686,  698,
     770,  632,  575,  775,  752,  295,  295,  656,  557,  863,  748,  787,
     603,  787,  695,  635,  611,  732,  684,  989,  685,  611,  685,  390,
     337,  390,  838,  500,  500,  613,  635,  550,  635,  615,  352,  635,
     634,  278,  278,  579,  278,  974,  634,  612,  635,  635,  411,  521,
     392,  634,  592,  818,  592,  592,  525,  636,  337,  636,  838,
};

// The same for DejaVu Sans Bold.
constexpr std::array<std::int16_t, 95> boldWidths = {
     348,  456,  521,  838,  696, 1002,  872,  306,  457,  457,  523,  838,
     380,  415,  380,  365,  696,  696,  696,  696,  696,  696,  696,  696,
     696,  696,  400,  400,  838,  838,  838,  580, 1000,  774,  762,  734,
     830,  683,  683,  821,  837,  372,  372,  775,  637,  995,  837,  850,
     733,  850,  770,  720,  682,  812,  774, 1103,  771,  724,  725,  457,
     365,  457,  838,  500,  500,  675,  716,  593,  716,  678,  435,  716,
     712,  343,  343,  665,  343, 1042,  712,  687,  716,  716,  493,  595,
     478,  712,  652,  924,  645,  652,  582,  712,  365,  712,  838,
};

// Cell above and below the baseline, thousandths of the em (DejaVu Sans: 1901 and 483 of 2048).
constexpr std::int64_t ascentPerMille = 928;
constexpr std::int64_t descentPerMille = 236;
constexpr std::int32_t defaultEm = 167;  // 12 point

std::int32_t scaled(std::int64_t perMille, std::int32_t em) {
  // Round half away from zero so that negative shifts mirror positive ones.
  std::int64_t product = perMille * em;
  return static_cast<std::int32_t>(product >= 0 ? (product + 500) / 1000 : -((-product + 500) / 1000));
}

std::int32_t scriptHeight(std::int32_t fontHeight) {
  std::int64_t scaledHeight = static_cast<std::int64_t>(fontHeight) * 2;
  return static_cast<std::int32_t>(scaledHeight >= 0 ? (scaledHeight + 1) / 3 : -((-scaledHeight + 1) / 3));
}

}  // namespace

std::int32_t emHeight(std::int32_t fontHeight) {
  if (fontHeight == 0) return defaultEm;
  if (fontHeight < 0) return fontHeight == INT32_MIN ? INT32_MAX : -fontHeight;
  return static_cast<std::int32_t>((static_cast<std::int64_t>(fontHeight) * 1000 + 582) /
                                   (ascentPerMille + descentPerMille));
}

std::int32_t ascentOf(std::int32_t fontHeight) { return scaled(ascentPerMille, emHeight(fontHeight)); }

std::int32_t descentOf(std::int32_t fontHeight) { return scaled(descentPerMille, emHeight(fontHeight)); }

std::int32_t textWidth(std::string_view text, std::int32_t fontHeight, bool bold) {
  const auto& widths = bold ? boldWidths : regularWidths;
  std::int64_t perMille = 0;
  for (unsigned char c : text) {
    if (c >= 32 && c <= 126) {
      perMille += widths[c - 32];
    } else if (c >= 0xC0) {
      perMille += widths['n' - 32];
    }
  }
  return scaled(perMille, emHeight(fontHeight));
}

std::vector<TextRun> splitMarkup(std::string_view title, std::int32_t fontHeight, bool bold) {
  std::vector<TextRun> runs;
  std::int32_t em = emHeight(fontHeight);
  std::int32_t offset = 0;
  RunKind kind = RunKind::Normal;
  std::string pending;
  auto flush = [&] {
    if (pending.empty()) return;
    TextRun run;
    run.kind = kind;
    run.height = kind == RunKind::Normal ? fontHeight : scriptHeight(fontHeight);
    run.baselineShift = kind == RunKind::Subscript ? scaled(250, em) : kind == RunKind::Superscript ? -scaled(400, em) : 0;
    run.width = textWidth(pending, run.height, bold);
    run.offset = offset;
    offset += run.width;
    run.text = std::move(pending);
    pending.clear();
    runs.push_back(std::move(run));
  };
  for (char c : title) {
    RunKind next = kind;
    switch (c) {
      case '[': next = RunKind::Subscript; break;
      case '{': next = RunKind::Superscript; break;
      case ']':
      case '}': next = RunKind::Normal; break;
      default: pending += c; continue;
    }
    if (next == kind) continue;
    flush();
    kind = next;
  }
  flush();
  return runs;
}

std::int32_t markupWidth(std::string_view title, std::int32_t fontHeight, bool bold) {
  auto runs = splitMarkup(title, fontHeight, bold);
  return runs.empty() ? 0 : runs.back().offset + runs.back().width;
}

void recordMarkupText(Recording& recording, Point at, std::string_view title, const SelectFont& font,
                      HAlign hAlign, VAlign vAlign, int yDirection) {
  auto runs = splitMarkup(title, font.height, font.bold);
  if (runs.empty()) return;
  std::int32_t total = runs.back().offset + runs.back().width;
  std::int32_t start = hAlign == HAlign::Left ? 0 : hAlign == HAlign::Centre ? -total / 2 : -total;
  std::int32_t down = vAlign == VAlign::Top ? ascentOf(font.height) : vAlign == VAlign::Bottom ? -descentOf(font.height) : 0;
  double angle = font.escapement / 10.0 * std::numbers::pi / 180.0;
  double s = yDirection < 0 ? -1.0 : 1.0;
  // Unit vectors on the page along the baseline and towards the bottom of the glyphs.
  double alongX = std::cos(angle), alongY = -s * std::sin(angle);
  double downX = std::sin(angle), downY = s * std::cos(angle);
  SelectFont runFont = font;
  for (const auto& run : runs) {
    double a = start + run.offset;
    double d = down + run.baselineShift;
    Point p{at.x + static_cast<std::int32_t>(std::lround(a * alongX + d * downX)),
            at.y + static_cast<std::int32_t>(std::lround(a * alongY + d * downY))};
    if (runFont.height != run.height) {
      runFont.height = run.height;
      recording.selectFont(runFont);
    } else if (&run == &runs.front()) {
      recording.selectFont(runFont);
    }
    recording.text(p.x, p.y, run.text, HAlign::Left, VAlign::Baseline);
  }
  if (runFont.height != font.height) recording.selectFont(font);
}

}  // namespace lavix::graphics
