// Placeable Windows Metafile bytes of a recording, and writing them to a file.
#include "common/graphics/WmfWriter.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace lavix::graphics {

namespace {

// Record functions of the published metafile format.
enum : std::uint16_t {
  metaEof = 0x0000,
  metaSetBkMode = 0x0102,
  metaSetMapMode = 0x0103,
  metaSetTextAlign = 0x012E,
  metaSelectObject = 0x012D,
  metaDeleteObject = 0x01F0,
  metaSetTextColor = 0x0209,
  metaSetWindowOrg = 0x020B,
  metaSetWindowExt = 0x020C,
  metaLineTo = 0x0213,
  metaMoveTo = 0x0214,
  metaCreatePenIndirect = 0x02FA,
  metaCreateFontIndirect = 0x02FB,
  metaCreateBrushIndirect = 0x02FC,
  metaPolygon = 0x0324,
  metaPolyline = 0x0325,
  metaEllipse = 0x0418,
  metaRectangle = 0x041B,
  metaTextOut = 0x0521,
};

constexpr std::uint16_t mmAnisotropic = 8;
constexpr std::uint16_t transparentBackground = 1;
constexpr std::uint16_t psSolid = 0, psNull = 5;
constexpr std::uint16_t bsSolid = 0, bsNull = 1;
constexpr std::uint16_t taLeft = 0, taRight = 2, taCenter = 6, taTop = 0, taBottom = 8, taBaseline = 24;
constexpr std::size_t faceNameBytes = 32;
constexpr std::size_t maxPoints = 32767;

std::int16_t clamp16(std::int64_t value) {
  return static_cast<std::int16_t>(std::clamp<std::int64_t>(value, INT16_MIN, INT16_MAX));
}

void put16(std::vector<std::uint8_t>& out, std::uint16_t value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
  put16(out, static_cast<std::uint16_t>(value >> 16));
}

// The metafile's text is single-byte: UTF-8 letters up to U+00FF become their Latin-1 byte,
// other letters "?"; bytes that are not UTF-8 are taken as already single-byte.
std::string toSingleByte(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    auto c = static_cast<unsigned char>(text[i]);
    std::size_t length = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 && c < 0xF0 ? 3 : c >= 0xC2 && c < 0xE0 ? 2 : 1;
    bool wellFormed = length > 1 && i + length <= text.size();
    for (std::size_t k = 1; wellFormed && k < length; ++k) {
      wellFormed = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
    }
    if (!wellFormed) {
      out += static_cast<char>(c);
      continue;
    }
    if (length == 2 && c <= 0xC3) {
      out += static_cast<char>(((c & 0x1F) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3F));
    } else {
      out += '?';
    }
    i += length - 1;
  }
  return out;
}

class MetafileWriter {
 public:
  explicit MetafileWriter(const Recording& recording) : recording_(recording) {}

  std::vector<std::uint8_t> write() {
    out_.assign(18, 0);  // the header is filled in last, when the sizes are known
    Point origin = recording_.windowOrigin();
    Point extent = recording_.windowExtent();
    record(metaSetMapMode, {mmAnisotropic});
    record(metaSetWindowOrg, {word(clamp16(origin.y)), word(clamp16(origin.x))});
    record(metaSetWindowExt, {word(nonZero(extent.y)), word(nonZero(extent.x))});
    record(metaSetBkMode, {transparentBackground});
    for (const auto& operation : recording_.operations()) {
      std::visit([this](const auto& op) { draw(op); }, operation);
    }
    record(metaEof, {});
    finishHeader();
    return std::move(out_);
  }

 private:
  static std::uint16_t word(std::int16_t value) { return static_cast<std::uint16_t>(value); }
  static std::int16_t nonZero(std::int32_t value) {
    std::int16_t v = clamp16(value);
    return v == 0 ? 1 : v;
  }

  void beginRecord(std::uint32_t sizeInWords, std::uint16_t function) {
    maxRecord_ = std::max(maxRecord_, sizeInWords);
    put32(out_, sizeInWords);
    put16(out_, function);
  }
  void record(std::uint16_t function, std::initializer_list<std::uint16_t> parameters) {
    beginRecord(static_cast<std::uint32_t>(3 + parameters.size()), function);
    for (auto p : parameters) put16(out_, p);
  }

  // Lowest free slot of the object table, as the player assigns them.
  std::uint16_t createSlot() {
    auto free = std::find(slots_.begin(), slots_.end(), false);
    auto index = static_cast<std::size_t>(free - slots_.begin());
    if (free == slots_.end()) {
      slots_.push_back(true);
    } else {
      *free = true;
    }
    return static_cast<std::uint16_t>(index);
  }
  // Selects the object just created in `slot` and frees the one it replaces.
  void selectReplacing(std::uint16_t slot, std::optional<std::uint16_t>& current) {
    record(metaSelectObject, {slot});
    if (current) {
      record(metaDeleteObject, {*current});
      slots_[*current] = false;
    }
    current = slot;
  }

  void draw(const SelectPen& pen) {
    if (pen_ && *pen_ == pen) return;
    pen_ = pen;
    std::uint16_t slot = createSlot();
    record(metaCreatePenIndirect,
           {pen.style == PenStyle::Null ? psNull : psSolid, word(clamp16(std::max(pen.width, 0))), 0,
            static_cast<std::uint16_t>(pen.colour & 0xFFFF), static_cast<std::uint16_t>((pen.colour >> 16) & 0xFF)});
    selectReplacing(slot, penSlot_);
  }
  void draw(const SelectBrush& brush) {
    if (brush_ && *brush_ == brush) return;
    brush_ = brush;
    std::uint16_t slot = createSlot();
    Colour colour = brush.hollow ? 0 : brush.colour;
    record(metaCreateBrushIndirect, {brush.hollow ? bsNull : bsSolid, static_cast<std::uint16_t>(colour & 0xFFFF),
                                     static_cast<std::uint16_t>((colour >> 16) & 0xFF), 0});
    selectReplacing(slot, brushSlot_);
  }
  void draw(const SelectFont& font) {
    if (font_ && *font_ == font) return;
    font_ = font;
    std::uint16_t slot = createSlot();
    std::int32_t escapement = ((font.escapement % 3600) + 3600) % 3600;
    beginRecord(3 + 9 + faceNameBytes / 2, metaCreateFontIndirect);
    put16(out_, word(clamp16(font.height)));
    put16(out_, 0);  // width: the font's own
    put16(out_, static_cast<std::uint16_t>(escapement));
    put16(out_, static_cast<std::uint16_t>(escapement));  // orientation follows the escapement
    put16(out_, font.bold ? 700 : 400);
    out_.push_back(font.italic ? 1 : 0);
    out_.insert(out_.end(), 7, 0);  // underline, strike-out, ANSI, default precisions, quality, pitch
    std::string face = toSingleByte(font.name).substr(0, faceNameBytes - 1);
    out_.insert(out_.end(), face.begin(), face.end());
    out_.insert(out_.end(), faceNameBytes - face.size(), 0);
    selectReplacing(slot, fontSlot_);
  }
  void draw(const SetTextColour& colour) {
    if (textColour_ && *textColour_ == colour.colour) return;
    textColour_ = colour.colour;
    record(metaSetTextColor, {static_cast<std::uint16_t>(colour.colour & 0xFFFF),
                              static_cast<std::uint16_t>((colour.colour >> 16) & 0xFF)});
  }
  void draw(const MoveTo& move) { record(metaMoveTo, {word(clamp16(move.to.y)), word(clamp16(move.to.x))}); }
  void draw(const LineTo& line) { record(metaLineTo, {word(clamp16(line.to.y)), word(clamp16(line.to.x))}); }
  void draw(const Line& line) {
    draw(MoveTo{line.from});
    draw(LineTo{line.to});
  }
  void draw(const Polyline& polyline) {
    const auto& points = polyline.points;
    for (std::size_t start = 0; start + 1 < points.size(); start += maxPoints - 1) {
      std::size_t count = std::min(maxPoints, points.size() - start);
      pointRecord(metaPolyline, points.data() + start, count);
    }
  }
  void draw(const Polygon& polygon) {
    if (polygon.points.size() < 2) return;
    pointRecord(metaPolygon, polygon.points.data(), std::min(maxPoints, polygon.points.size()));
  }
  void draw(const Ellipse& e) {
    record(metaEllipse, {word(clamp16(e.bottom)), word(clamp16(e.right)), word(clamp16(e.top)), word(clamp16(e.left))});
  }
  void draw(const Rectangle& r) {
    record(metaRectangle,
           {word(clamp16(r.bottom)), word(clamp16(r.right)), word(clamp16(r.top)), word(clamp16(r.left))});
  }
  void draw(const Text& text) {
    std::string bytes = toSingleByte(text.text).substr(0, 32767);
    if (bytes.empty()) return;
    if (!font_) draw(SelectFont{});
    std::uint16_t align = (text.hAlign == HAlign::Left ? taLeft : text.hAlign == HAlign::Centre ? taCenter : taRight) |
                          (text.vAlign == VAlign::Top ? taTop : text.vAlign == VAlign::Bottom ? taBottom : taBaseline);
    if (textAlign_ != align) {
      textAlign_ = align;
      record(metaSetTextAlign, {align});
    }
    std::size_t padded = (bytes.size() + 1) / 2 * 2;
    beginRecord(static_cast<std::uint32_t>(3 + 1 + padded / 2 + 2), metaTextOut);
    put16(out_, static_cast<std::uint16_t>(bytes.size()));
    out_.insert(out_.end(), bytes.begin(), bytes.end());
    if (padded != bytes.size()) out_.push_back(0);
    put16(out_, word(clamp16(text.at.y)));
    put16(out_, word(clamp16(text.at.x)));
  }

  void pointRecord(std::uint16_t function, const Point* points, std::size_t count) {
    beginRecord(static_cast<std::uint32_t>(3 + 1 + 2 * count), function);
    put16(out_, static_cast<std::uint16_t>(count));
    for (std::size_t i = 0; i < count; ++i) {
      put16(out_, word(clamp16(points[i].x)));
      put16(out_, word(clamp16(points[i].y)));
    }
  }

  void finishHeader() {
    std::vector<std::uint8_t> header;
    put16(header, 1);       // in memory, the file type
    put16(header, 9);       // header size in words
    put16(header, 0x0300);  // version with device-independent bitmaps
    put32(header, static_cast<std::uint32_t>(out_.size() / 2));
    put16(header, static_cast<std::uint16_t>(slots_.size()));
    put32(header, maxRecord_);
    put16(header, 0);
    std::copy(header.begin(), header.end(), out_.begin());
  }

  const Recording& recording_;
  std::vector<std::uint8_t> out_;
  std::vector<bool> slots_;
  std::uint32_t maxRecord_ = 0;
  std::optional<SelectPen> pen_;
  std::optional<SelectBrush> brush_;
  std::optional<SelectFont> font_;
  std::optional<Colour> textColour_;
  std::optional<std::uint16_t> penSlot_, brushSlot_, fontSlot_;
  std::optional<std::uint16_t> textAlign_;
};

}  // namespace

std::uint16_t placeableChecksum(std::int16_t left, std::int16_t top, std::int16_t right, std::int16_t bottom,
                                std::int16_t unitsPerInch) {
  std::uint16_t sum = static_cast<std::uint16_t>(placeableKey & 0xFFFF) ^ static_cast<std::uint16_t>(placeableKey >> 16);
  for (std::int16_t word : {left, top, right, bottom, unitsPerInch}) sum ^= static_cast<std::uint16_t>(word);
  return sum;  // the handle and the reserved words are 0
}

std::array<std::uint8_t, 22> placeableHeader(std::int16_t boxRight, std::int16_t boxBottom) {
  std::vector<std::uint8_t> bytes;
  put32(bytes, placeableKey);
  put16(bytes, 0);
  for (std::int16_t word : {std::int16_t{0}, std::int16_t{0}, boxRight, boxBottom, placeableUnitsPerInch}) {
    put16(bytes, static_cast<std::uint16_t>(word));
  }
  put32(bytes, 0);
  put16(bytes, placeableChecksum(0, 0, boxRight, boxBottom));
  std::array<std::uint8_t, 22> header{};
  std::copy(bytes.begin(), bytes.end(), header.begin());
  return header;
}

std::vector<std::uint8_t> toWindowsMetafile(const Recording& recording) { return MetafileWriter(recording).write(); }

std::vector<std::uint8_t> toPlaceableWmf(const Recording& recording, std::int16_t boxRight, std::int16_t boxBottom) {
  auto header = placeableHeader(boxRight, boxBottom);
  std::vector<std::uint8_t> bytes(header.begin(), header.end());
  auto metafile = toWindowsMetafile(recording);
  bytes.insert(bytes.end(), metafile.begin(), metafile.end());
  return bytes;
}

bool writePlaceableWmf(const std::string& path, const std::vector<std::uint8_t>& bytes, text::FileError& error) {
  std::string_view content(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  return text::writeFileAtomically(path, content, error);
}

bool writePlaceableWmf(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  text::FileError ignored;
  return writePlaceableWmf(path, bytes, ignored);
}

}  // namespace lavix::graphics
