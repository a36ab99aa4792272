#include "core/sheet/view_settings.h"

#include <bit>
#include <cmath>
#include <limits>
#include <optional>

#include "core/io/files.h"
#include "core/sheet/sheet_text.h"
#include "core/text/cp932.h"

namespace tarveno {

namespace {

// Record numbers of view.dat (1-based, as the file is described).
enum Record : int {
  kRecMarginV = 1,
  kRecMarginH,
  kRecBlocks,
  kRecMarginC,
  kRecBackColor,
  kRecBeat13Color,
  kRecBeat24Color,
  kRecFrameColor,
  kRecFrameStyle,
  kRecMeasureLineColor,
  kRecMeasureLineStyle,
  kRecBeatLineColor,
  kRecBeatLineStyle,
  kRecHeaderColor,
  kRecPlayerLineColor,
  kRecPlayerLineStyle,
  kRecNumberColor,
  kRecHeaderBold,
  kRecHeaderItalic,
  kRecHeaderName,
  kRecHeaderSize,
  kRecHeaderStyle,
  kRecHeaderMargin,
  kRecNumberBold,
  kRecNumberItalic,
  kRecNumberName,
  kRecNumberSize,
  kRecShowNum,
  kRecNumPos,
};
static_assert(kRecNumPos == static_cast<int>(kViewRecordCount));

size_t recordOffset(int record) {
  return static_cast<size_t>(record - 1) * kViewRecordSize;
}

Message said(SheetText kind, std::vector<std::string> args = {}, std::vector<Message> parts = {}) {
  return Message{kind, std::move(args), std::move(parts)};
}

Error damaged(int record, Message why) {
  return Error{ErrorCode::BadData, said(SheetText::RecordDamaged, {std::to_string(record)}, {std::move(why)})};
}

bool isLineStyle(int64_t v) {
  return v >= 0 && v <= 5;
}
bool isColour(int64_t v) {
  return v >= 0 && v <= 0xFFFFFF;
}

// The size is stored as an IEEE single; one that overflows it or rounds to zero there would not
// come back. (Casting a double beyond the float range is undefined, so the range comes first.)
bool isFontSize(double size) {
  return std::isfinite(size) && size > 0 && size <= std::numeric_limits<float>::max() && static_cast<float>(size) > 0;
}

// Reads the values at the start of fixed records; every read is bounds-checked so a short
// file is reported instead of read past.
class RecordReader {
 public:
  explicit RecordReader(std::string_view bytes) : bytes_(bytes) {}

  const std::optional<Error>& error() const { return error_; }

  int16_t i16(int record) { return static_cast<int16_t>(u16(record, 0)); }

  int32_t i32(int record) {
    std::string_view b = take(record, 0, 4);
    if (b.empty()) return 0;
    uint32_t v = 0;
    for (int k = 3; k >= 0; --k) v = (v << 8) | static_cast<unsigned char>(b[static_cast<size_t>(k)]);
    return static_cast<int32_t>(v);
  }

  uint8_t u8(int record) {
    std::string_view b = take(record, 0, 1);
    return b.empty() ? 0 : static_cast<unsigned char>(b[0]);
  }

  // A stored boolean is -1 or 0; like the 16-bit booleans it came from, any non-zero is true.
  bool boolean(int record) { return i16(record) != 0; }

  float single(int record) { return std::bit_cast<float>(static_cast<uint32_t>(i32(record))); }

  std::string text(int record) {
    uint16_t n = u16(record, 0);
    if (error_) return {};
    if (n > kViewTextMaxBytes) {
      fail(damaged(record, said(SheetText::RecordTextLong, {std::to_string(n)})));
      return {};
    }
    return cp932ToUtf8(take(record, 2, n));
  }

  void fail(Error e) {
    if (!error_) error_ = std::move(e);
  }

 private:
  uint16_t u16(int record, size_t at) {
    std::string_view b = take(record, at, 2);
    if (b.empty()) return 0;
    return static_cast<uint16_t>(static_cast<unsigned char>(b[0]) | (static_cast<unsigned char>(b[1]) << 8));
  }

  std::string_view take(int record, size_t at, size_t length) {
    if (error_) return {};
    size_t start = recordOffset(record) + at;
    if (start + length > bytes_.size()) {
      fail(Error{ErrorCode::BadData,
                 said(SheetText::FileCutAtRecord, {std::to_string(bytes_.size()), std::to_string(record)})});
      return {};
    }
    return length == 0 ? std::string_view("", 0) : bytes_.substr(start, length);
  }

  std::string_view bytes_;
  std::optional<Error> error_;
};

// Encodes the 29 records into a zero-filled buffer of the full file size.
class RecordWriter {
 public:
  RecordWriter() : bytes_(kViewFileSize, '\0') {}

  void i16(int record, int16_t v) { put(record, 0, static_cast<uint16_t>(v), 2); }
  void i32(int record, int32_t v) { put(record, 0, static_cast<uint32_t>(v), 4); }
  void u8(int record, uint8_t v) { put(record, 0, v, 1); }
  void boolean(int record, bool v) { i16(record, v ? -1 : 0); }
  void single(int record, float v) { put(record, 0, std::bit_cast<uint32_t>(v), 4); }
  // The CP932 bytes must already have been checked to fit.
  void text(int record, const std::string& cp932) {
    put(record, 0, static_cast<uint32_t>(cp932.size()), 2);
    bytes_.replace(recordOffset(record) + 2, cp932.size(), cp932);
  }

  std::string take() { return std::move(bytes_); }

 private:
  void put(int record, size_t at, uint32_t v, size_t length) {
    for (size_t k = 0; k < length; ++k) {
      bytes_[recordOffset(record) + at + k] = static_cast<char>((v >> (8 * k)) & 0xFF);
    }
  }

  std::string bytes_;
};

LineStyle readLineStyle(RecordReader& in, int record) {
  int32_t v = in.i32(record);
  if (!in.error() && !isLineStyle(v)) in.fail(damaged(record, said(SheetText::RecordLineStyle, {std::to_string(v)})));
  return static_cast<LineStyle>(v);
}

int32_t readColour(RecordReader& in, int record) {
  int32_t v = in.i32(record);
  if (!in.error() && !isColour(v)) in.fail(damaged(record, said(SheetText::RecordColour, {std::to_string(v)})));
  return v;
}

void readFont(RecordReader& in, int boldRecord, FontSpec& font) {
  font.bold = in.boolean(boldRecord);
  font.italic = in.boolean(boldRecord + 1);
  font.name = in.text(boldRecord + 2);
  float size = in.single(boldRecord + 3);
  if (!in.error() && !(std::isfinite(size) && size > 0)) {
    in.fail(damaged(boldRecord + 3, said(SheetText::RecordFontSize)));
  }
  font.size = size;
  font.underline = false;
  font.strikethrough = false;
}

// Text as it will be stored: CP932, refused when a character has no CP932 form or the
// bytes do not fit a record, because a cut or altered text would come back different.
Result<std::string> storableText(const std::string& utf8, SheetText what) {
  if (!isCp932Encodable(utf8)) {
    return Error{ErrorCode::Unsupported, said(SheetText::NotShiftJis, {}, {said(what)})};
  }
  std::string bytes = utf8ToCp932(utf8);
  if (bytes.size() > kViewTextMaxBytes) {
    return Error{ErrorCode::OutOfRange, said(SheetText::TextTooLong, {std::to_string(bytes.size())}, {said(what)})};
  }
  return bytes;
}

Error outOfRange(SheetText kind, std::vector<Message> parts = {}) {
  return Error{ErrorCode::OutOfRange, said(kind, {}, std::move(parts))};
}

}  // namespace

Result<ViewSettings> decodeViewSettings(std::string_view bytes) {
  if (bytes.size() < kViewMinimumFileSize) {
    return Error{ErrorCode::BadData,
                 said(SheetText::FileTooShort, {std::to_string(bytes.size()), std::to_string(kViewMinimumFileSize)})};
  }
  RecordReader in(bytes);
  ViewSettings s;
  s.SheetMarginV = in.i16(kRecMarginV);
  s.SheetMarginH = in.i16(kRecMarginH);
  s.SheetBlocks = in.i16(kRecBlocks);
  if (Status blocks = checkSheetBlocks(s.SheetBlocks); !in.error() && !blocks) {
    in.fail(
        damaged(kRecBlocks, said(SheetText::RecordBlocks, {std::to_string(s.SheetBlocks)}, {*blocks.error().text})));
  }
  s.SheetMarginC = in.i16(kRecMarginC);
  s.SheetBackColor = readColour(in, kRecBackColor);
  s.Beat13Color = readColour(in, kRecBeat13Color);
  s.Beat24Color = readColour(in, kRecBeat24Color);
  s.FrameColor = readColour(in, kRecFrameColor);
  s.FrameStyle = readLineStyle(in, kRecFrameStyle);
  s.MeasureLineColor = readColour(in, kRecMeasureLineColor);
  s.MeasureLineStyle = readLineStyle(in, kRecMeasureLineStyle);
  s.BeatLineColor = readColour(in, kRecBeatLineColor);
  s.BeatLineStyle = readLineStyle(in, kRecBeatLineStyle);
  s.HeaderColor = readColour(in, kRecHeaderColor);
  s.PlayerLineColor = readColour(in, kRecPlayerLineColor);
  s.PlayerLineStyle = readLineStyle(in, kRecPlayerLineStyle);
  s.NumberColor = readColour(in, kRecNumberColor);
  readFont(in, kRecHeaderBold, s.HeaderFont);
  s.HeaderStyle = in.text(kRecHeaderStyle);
  s.HeaderMargin = in.i16(kRecHeaderMargin);
  readFont(in, kRecNumberBold, s.NumberFont);
  s.ShowNum = in.u8(kRecShowNum);
  if (!in.error() && s.ShowNum > 1) {
    in.fail(damaged(kRecShowNum, said(SheetText::RecordShowNum, {std::to_string(s.ShowNum)})));
  }
  s.NumPos = in.i16(kRecNumPos);
  if (!in.error() && (s.NumPos < 0 || s.NumPos > kNumPosMax)) {
    in.fail(damaged(kRecNumPos, said(SheetText::RecordNumPos, {std::to_string(s.NumPos)})));
  }
  if (in.error()) return *in.error();
  return s;
}

ViewSettings parseViewSettings(std::string_view bytes) {
  Result<ViewSettings> decoded = decodeViewSettings(bytes);
  return decoded ? *decoded : ViewSettings{};
}

ViewSettings LoadViewSettings(const std::filesystem::path& viewDat) {
  Result<std::string> bytes = readFileBytes(viewDat);
  return bytes ? parseViewSettings(*bytes) : ViewSettings{};
}

Status checkSheetBlocks(double blocks) {
  if (blocks >= 1) return {};
  return outOfRange(SheetText::BlocksBelowOne);
}

Status validateViewSettings(const ViewSettings& s) {
  if (Status blocks = checkSheetBlocks(s.SheetBlocks); !blocks) return blocks;
  struct Named {
    int32_t colour;
    SheetText name;
  };
  for (const Named& c :
       {Named{s.SheetBackColor, SheetText::NameBackColour}, Named{s.Beat13Color, SheetText::NameBeat13Colour},
        Named{s.Beat24Color, SheetText::NameBeat24Colour}, Named{s.FrameColor, SheetText::NameFrameColour},
        Named{s.MeasureLineColor, SheetText::NameMeasureLineColour},
        Named{s.BeatLineColor, SheetText::NameBeatLineColour}, Named{s.HeaderColor, SheetText::NameHeaderColour},
        Named{s.PlayerLineColor, SheetText::NamePlayerLineColour}, Named{s.NumberColor, SheetText::NameNumberColour}}) {
    if (!isColour(c.colour)) return outOfRange(SheetText::NotRgb, {said(c.name)});
  }
  struct Style {
    LineStyle style;
    SheetText name;
  };
  for (const Style& l :
       {Style{s.FrameStyle, SheetText::NameFrameLine}, Style{s.MeasureLineStyle, SheetText::NameMeasureLine},
        Style{s.BeatLineStyle, SheetText::NameBeatLine}, Style{s.PlayerLineStyle, SheetText::NamePlayerLine}}) {
    if (!isLineStyle(static_cast<int32_t>(l.style))) return outOfRange(SheetText::BadLineStyle, {said(l.name)});
  }
  if (!isFontSize(s.HeaderFont.size)) return outOfRange(SheetText::BadHeaderFontSize);
  if (!isFontSize(s.NumberFont.size)) return outOfRange(SheetText::BadNumberFontSize);
  if (s.ShowNum > 1) return outOfRange(SheetText::ShowNumNotZeroOrOne);
  if (s.NumPos < 0 || s.NumPos > kNumPosMax) return outOfRange(SheetText::NumPosOutOfRange);
  for (auto text : {storableText(s.HeaderFont.name, SheetText::NameHeaderFontName),
                    storableText(s.HeaderStyle, SheetText::NameHeaderStyle),
                    storableText(s.NumberFont.name, SheetText::NameNumberFontName)}) {
    if (!text) return text.error();
  }
  return {};
}

Result<std::string> serializeViewSettings(const ViewSettings& s) {
  if (Status valid = validateViewSettings(s); !valid) return valid.error();
  RecordWriter out;
  out.i16(kRecMarginV, s.SheetMarginV);
  out.i16(kRecMarginH, s.SheetMarginH);
  out.i16(kRecBlocks, s.SheetBlocks);
  out.i16(kRecMarginC, s.SheetMarginC);
  out.i32(kRecBackColor, s.SheetBackColor);
  out.i32(kRecBeat13Color, s.Beat13Color);
  out.i32(kRecBeat24Color, s.Beat24Color);
  out.i32(kRecFrameColor, s.FrameColor);
  out.i32(kRecFrameStyle, static_cast<int32_t>(s.FrameStyle));
  out.i32(kRecMeasureLineColor, s.MeasureLineColor);
  out.i32(kRecMeasureLineStyle, static_cast<int32_t>(s.MeasureLineStyle));
  out.i32(kRecBeatLineColor, s.BeatLineColor);
  out.i32(kRecBeatLineStyle, static_cast<int32_t>(s.BeatLineStyle));
  out.i32(kRecHeaderColor, s.HeaderColor);
  out.i32(kRecPlayerLineColor, s.PlayerLineColor);
  out.i32(kRecPlayerLineStyle, static_cast<int32_t>(s.PlayerLineStyle));
  out.i32(kRecNumberColor, s.NumberColor);
  out.boolean(kRecHeaderBold, s.HeaderFont.bold);
  out.boolean(kRecHeaderItalic, s.HeaderFont.italic);
  out.text(kRecHeaderName, utf8ToCp932(s.HeaderFont.name));
  out.single(kRecHeaderSize, static_cast<float>(s.HeaderFont.size));
  out.text(kRecHeaderStyle, utf8ToCp932(s.HeaderStyle));
  out.i16(kRecHeaderMargin, s.HeaderMargin);
  out.boolean(kRecNumberBold, s.NumberFont.bold);
  out.boolean(kRecNumberItalic, s.NumberFont.italic);
  out.text(kRecNumberName, utf8ToCp932(s.NumberFont.name));
  out.single(kRecNumberSize, static_cast<float>(s.NumberFont.size));
  out.u8(kRecShowNum, s.ShowNum);
  out.i16(kRecNumPos, s.NumPos);
  return out.take();
}

Status SaveViewSettings(const std::filesystem::path& viewDat, const ViewSettings& settings) {
  Result<std::string> bytes = serializeViewSettings(settings);
  if (!bytes) return bytes.error();
  // The user's configuration folder may not exist before the first save; the writer then
  // reports a failure to create it like any other.
  std::error_code ec;
  if (viewDat.has_parent_path()) std::filesystem::create_directories(viewDat.parent_path(), ec);
  return writeFileAtomically(viewDat, *bytes);
}

}  // namespace tarveno
