#include "core/chart/document_state.h"

#include <algorithm>
#include <cstring>

#include "core/chart/chart_text.h"

namespace tarveno {

namespace {

constexpr size_t kChecksumSize = 8;
constexpr size_t kPreambleSize = kDocumentStateMagic.size() + 2;

class StateWriter {
 public:
  void u8(uint64_t v) { out_.push_back(static_cast<char>(v & 0xFF)); }
  void u16(uint64_t v) { u8(v), u8(v >> 8); }
  void u32(uint64_t v) { u16(v), u16(v >> 16); }
  void u64(uint64_t v) { u32(v), u32(v >> 32); }
  void text(const std::string& s) {
    u32(s.size());
    out_ += s;
  }
  template <class Table>
  void table(const Table& rows) {
    for (const auto& row : rows) out_.append(reinterpret_cast<const char*>(row.data()), row.size());
  }
  std::string& bytes() { return out_; }

 private:
  std::string out_;
};

// Reads the body in order; once anything is missing every later read gives zero and ok() stays
// false, so the caller checks once at the end.
class StateReader {
 public:
  explicit StateReader(std::string_view bytes) : bytes_(bytes) {}

  bool ok() const { return ok_; }
  bool atEnd() const { return at_ == bytes_.size(); }
  void fail() { ok_ = false; }

  std::string_view take(size_t n) {
    if (!ok_ || bytes_.size() - at_ < n) {
      ok_ = false;
      return {};
    }
    const std::string_view part = bytes_.substr(at_, n);
    at_ += n;
    return part;
  }
  uint64_t number(size_t width) {
    const std::string_view b = take(width);
    uint64_t v = 0;
    for (size_t k = b.size(); k-- > 0;) v = (v << 8) | static_cast<unsigned char>(b[k]);
    return v;
  }
  uint8_t u8() { return static_cast<uint8_t>(number(1)); }
  int16_t i16() { return static_cast<int16_t>(number(2)); }
  int32_t i32() { return static_cast<int32_t>(number(4)); }
  // The count is checked against what is left before anything is allocated.
  std::string text() { return std::string(take(static_cast<size_t>(number(4)))); }
  template <class Table>
  void table(Table& rows) {
    for (auto& row : rows) {
      const std::string_view b = take(row.size());
      if (!ok_) return;
      std::memcpy(row.data(), b.data(), row.size());
    }
  }

 private:
  std::string_view bytes_;
  size_t at_ = 0;
  bool ok_ = true;
};

void writeBody(StateWriter& out, const Document& document) {
  const Chart& c = document.chart;
  out.table(c.StepData);
  out.table(c.FreezeData);
  out.table(c.BeatType);
  out.u8(static_cast<uint8_t>(c.PlayStyle));
  out.u8(c.Difficulty);
  out.u16(static_cast<uint16_t>(c.SongIndex));
  out.text(c.EditName);
  out.text(c.KrunTitle);
  out.u16(static_cast<uint16_t>(c.KrunWidth));
  out.u16(static_cast<uint16_t>(c.KrunHeight));
  out.text(c.KrunComment);
  out.u8(c.HasFreeze);
  for (const MeterSeg& seg : document.meterSegs) {
    out.u16(static_cast<uint16_t>(seg.FirstMeasure));
    out.u8(seg.BeatsPerMeasure);
  }
  const DocumentOrigin& origin = document.origin;
  out.u8(origin.kind ? static_cast<uint8_t>(*origin.kind) + 1 : 0);
  out.u32(static_cast<uint32_t>(origin.simfileChart));
  out.text(origin.path);
}

// False when a value lies outside what the program ever holds: such a copy was not written
// by it, and the editor must not be handed values it cannot draw.
bool readBody(StateReader& in, Document& document) {
  Chart& c = document.chart;
  in.table(c.StepData);
  in.table(c.FreezeData);
  in.table(c.BeatType);
  const uint8_t style = in.u8();
  c.PlayStyle = static_cast<PlayStyle>(style);
  c.Difficulty = in.u8();
  c.SongIndex = in.i16();
  c.EditName = in.text();
  c.KrunTitle = in.text();
  c.KrunWidth = in.i16();
  c.KrunHeight = in.i16();
  c.KrunComment = in.text();
  c.HasFreeze = in.u8();
  for (MeterSeg& seg : document.meterSegs) {
    seg.FirstMeasure = in.i16();
    seg.BeatsPerMeasure = in.u8();
  }
  const uint8_t kind = in.u8();
  if (kind > 0) document.origin.kind = static_cast<ChartFileKind>(kind - 1);
  document.origin.simfileChart = in.i32();
  document.origin.path = in.text();

  const bool beatKinds = std::ranges::all_of(
      c.BeatType, [](const auto& beats) { return std::ranges::all_of(beats, [](uint8_t b) { return b <= 2; }); });
  return in.ok() && in.atEnd() && style <= 2 && beatKinds && kind <= 3 && document.origin.simfileChart >= -1;
}

Error damagedCopy(ChartText what, std::vector<std::string> args = {}) {
  return Error{ErrorCode::BadData, chartText(ChartText::StateDamaged, {}, {chartText(what, std::move(args))})};
}

}  // namespace

uint64_t documentStateChecksum(std::string_view bytes) {
  uint64_t hash = 0xcbf29ce484222325ULL;
  for (const char b : bytes) {
    hash ^= static_cast<unsigned char>(b);
    hash *= 0x100000001b3ULL;
  }
  return hash;
}

std::string encodeDocumentState(const Document& document) {
  StateWriter out;
  out.bytes() += kDocumentStateMagic;
  out.u16(kDocumentStateVersion);
  writeBody(out, document);
  out.u64(documentStateChecksum(out.bytes()));
  return std::move(out.bytes());
}

Result<Document> decodeDocumentState(std::string_view bytes) {
  if (!bytes.starts_with(kDocumentStateMagic)) {
    return Error{ErrorCode::BadData, chartText(ChartText::StateNotOurs)};
  }
  if (bytes.size() < kPreambleSize + kChecksumSize) return damagedCopy(ChartText::StateCutShort);
  StateReader in(bytes);
  in.take(kDocumentStateMagic.size());
  const auto version = static_cast<uint16_t>(in.number(2));
  if (version > kDocumentStateVersion) {
    return Error{ErrorCode::Unsupported, chartText(ChartText::StateNewer, {std::to_string(version)})};
  }
  const std::string_view sealed = bytes.substr(0, bytes.size() - kChecksumSize);
  StateReader tail(bytes.substr(sealed.size()));
  if (tail.number(kChecksumSize) != documentStateChecksum(sealed)) return damagedCopy(ChartText::StateChecksum);
  if (version != kDocumentStateVersion) return damagedCopy(ChartText::StateOldVersion, {std::to_string(version)});

  Document document;
  StateReader body(sealed.substr(kPreambleSize));
  if (!readBody(body, document)) return damagedCopy(ChartText::StateBadContent);
  document.Modified = true;
  return document;
}

}  // namespace tarveno
