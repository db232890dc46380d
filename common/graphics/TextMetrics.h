// Text extents without a window system: built-in sans widths, and titles with name markup split into runs.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/graphics/Recording.h"

namespace lavix::graphics {

// Font heights follow SelectFont: negative is the em height, positive the cell height
// (ascent + descent = 1.164 em for the built-in metrics). 0 reads as 12 point (167 units).
std::int32_t emHeight(std::int32_t fontHeight);
std::int32_t ascentOf(std::int32_t fontHeight);   // baseline to the top of the cell
std::int32_t descentOf(std::int32_t fontHeight);  // baseline to the bottom of the cell

// Advance width of plain text in page units. ASCII 32..126 use the table; other control
// characters are zero-width; each non-ASCII UTF-8 character counts as an "n".
std::int32_t textWidth(std::string_view text, std::int32_t fontHeight, bool bold);

enum class RunKind { Normal, Subscript, Superscript };

// One piece of a title: `offset` along the baseline from the title's start, `baselineShift`
// towards the bottom of the glyphs (negative raises), `height` the font height to select
// (same sign convention as the title's), `width` its advance.
struct TextRun {
  std::string text;
  RunKind kind = RunKind::Normal;
  std::int32_t offset = 0;
  std::int32_t baselineShift = 0;
  std::int32_t height = 0;
  std::int32_t width = 0;
  friend bool operator==(const TextRun&, const TextRun&) = default;
};

// Splits a name with markup ("Fe[2]O[3]", "km{3}") into runs; the brackets are not drawn.
// An opening bracket without its closing one runs to the end; a stray closing bracket is
// dropped. Scripts are two thirds of the height, a subscript lowered by a quarter em, a
// superscript raised by 0.4 em. Empty runs are left out.
std::vector<TextRun> splitMarkup(std::string_view title, std::int32_t fontHeight, bool bold);

// The advance of a whole title with markup.
std::int32_t markupWidth(std::string_view title, std::int32_t fontHeight, bool bold);

// Records a title with markup as one Text per run in `font` (turned by its escapement),
// aligned on (x, y) as a whole, and selects `font` again at the end. `yDirection` is 1 when
// page y grows downwards, -1 when the caller's window flips it.
void recordMarkupText(Recording& recording, Point at, std::string_view title, const SelectFont& font,
                      HAlign hAlign = HAlign::Left, VAlign vAlign = VAlign::Baseline, int yDirection = 1);

}  // namespace lavix::graphics
