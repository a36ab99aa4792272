#include "core/songs/catalogue.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "core/io/files.h"
#include "core/text/cp932.h"
#include "core/text/number.h"

namespace tarveno {

namespace {

// Reads comma/line-break delimited fields the way the catalogue and meter files are written.
class FieldReader {
 public:
  explicit FieldReader(std::string_view text) : text_(text) {}

  // Skips blanks and line breaks between records; true when nothing but those is left.
  bool atEnd() {
    while (pos_ < text_.size() && isSpaceOrBreak(text_[pos_])) ++pos_;
    return pos_ >= text_.size();
  }

  // The next field, or nullopt when the text has ended before it.
  std::optional<std::string> next() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
    if (pos_ >= text_.size()) return std::nullopt;
    std::string field;
    if (text_[pos_] == '"') {
      size_t close = text_.find('"', pos_ + 1);
      if (close == std::string_view::npos) close = text_.size();
      field = std::string(text_.substr(pos_ + 1, close - pos_ - 1));
      pos_ = std::min(close + 1, text_.size());
      // Anything between the closing quote and the delimiter is dropped.
      while (pos_ < text_.size() && text_[pos_] != ',' && !isBreak(text_[pos_])) ++pos_;
    } else {
      size_t end = pos_;
      while (end < text_.size() && text_[end] != ',' && !isBreak(text_[end])) ++end;
      field = std::string(text_.substr(pos_, end - pos_));
      while (!field.empty() && (field.back() == ' ' || field.back() == '\t')) field.pop_back();
      pos_ = end;
    }
    consumeDelimiter();
    return field;
  }

 private:
  static bool isBreak(char c) { return c == '\r' || c == '\n'; }
  static bool isSpaceOrBreak(char c) { return c == ' ' || c == '\t' || isBreak(c); }

  void consumeDelimiter() {
    if (pos_ >= text_.size()) return;
    if (text_[pos_] == ',') {
      ++pos_;
    } else if (text_[pos_] == '\r') {
      ++pos_;
      if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    } else if (text_[pos_] == '\n') {
      ++pos_;
    }
  }

  std::string_view text_;
  size_t pos_ = 0;
};

int64_t clampTo(int64_t v, int64_t lo, int64_t hi) {
  return std::clamp(v, lo, hi);
}

}  // namespace

int Catalogue::validCount() const {
  int n = 0;
  while (n < kSongListSize && SongList[static_cast<size_t>(n)].Code >= 1) ++n;
  return n;
}

std::optional<int16_t> findSongByCode(const Catalogue& catalogue, int code) {
  std::optional<int16_t> found;
  for (int i = 0; i < catalogue.validCount(); ++i) {
    if (catalogue.SongList[static_cast<size_t>(i)].Code == code) found = static_cast<int16_t>(i);
  }
  return found;
}

const SongRecord* Catalogue::song(int songIndex) const {
  if (songIndex < 0 || songIndex >= kSongListSize) return nullptr;
  return &SongList[static_cast<size_t>(songIndex)];
}

int Catalogue::measures(int songIndex) const {
  const SongRecord* r = song(songIndex);
  return r ? r->Measures : 0;
}

CatalogueLoad parseSongList(std::string_view bytes) {
  CatalogueLoad load;
  FieldReader reader(bytes);
  int index = 0;
  while (!reader.atEnd()) {
    std::array<std::string, 7> fields;
    int got = 0;
    for (; got < 7; ++got) {
      auto f = reader.next();
      if (!f) break;
      fields[static_cast<size_t>(got)] = std::move(*f);
    }
    if (got < 7) {
      load.warnings.push_back(Message{SongText::SongCutShort, {std::to_string(index + 1)}, {}});
      break;
    }
    if (index >= kSongListSize) {
      int extra = 1;
      while (!reader.atEnd()) {
        int more = 0;
        while (more < 7 && reader.next()) ++more;
        if (more == 7) ++extra;
      }
      load.warnings.push_back(
          Message{SongText::TooManySongs, {std::to_string(kSongListSize), std::to_string(extra)}, {}});
      break;
    }
    SongRecord& r = load.catalogue.SongList[static_cast<size_t>(index)];
    r.Code = static_cast<int16_t>(clampTo(leadingNumber(fields[0]), -32768, 32767));
    r.Title = cp932ToUtf8(fields[1]);
    r.Bpm = static_cast<int16_t>(clampTo(leadingNumber(fields[2]), -32768, 32767));
    r.Measures = static_cast<int16_t>(clampTo(leadingNumber(fields[3]), -32768, 32767));
    r.AcMask = static_cast<uint16_t>(leadingNumber(fields[4]));
    r.CsMask = static_cast<uint16_t>(leadingNumber(fields[5]));
    r.MeterFlag = static_cast<uint8_t>(clampTo(leadingNumber(fields[6]), 0, 255));
    ++index;
  }
  return load;
}

Result<CatalogueLoad> LoadSongList(const std::filesystem::path& kruidDat) {
  auto bytes = readFileBytes(kruidDat);
  if (!bytes) {
    return Error{bytes.error().code, Message{SongText::CannotReadSongList, {}, {*bytes.error().text}}};
  }
  CatalogueLoad load = parseSongList(*bytes);
  load.catalogue.folder = kruidDat.parent_path();
  return load;
}

std::string meterFileName(int16_t code) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%X", static_cast<unsigned>(static_cast<uint16_t>(code)));
  return std::string(buf) + "s.dat";
}

Status parseMeterSegs(std::string_view bytes, MeterSegs& segs) {
  MeterSegs next = segs;
  FieldReader reader(bytes);
  int j = 0;
  while (!reader.atEnd()) {
    auto first = reader.next();
    auto beats = first ? reader.next() : std::nullopt;
    if (!beats) return Error{ErrorCode::BadData, Message{SongText::MeterCutShort, {}, {}}};
    if (j >= kMeterSegCount - 1) return Error{ErrorCode::BadData, Message{SongText::MeterTooManySegments, {}, {}}};
    int64_t fm = leadingNumber(*first);
    int64_t bpm = leadingNumber(*beats);
    if (fm < 0 || fm > 32767 || bpm < 1 || bpm > 255) {
      return Error{ErrorCode::BadData, Message{SongText::MeterBadValue, {}, {}}};
    }
    next[static_cast<size_t>(j)] = MeterSeg{static_cast<int16_t>(fm), static_cast<uint8_t>(bpm)};
    ++j;
  }
  next[static_cast<size_t>(j)].FirstMeasure = kMeterListEnd;
  segs = next;
  return {};
}

Status LoadMeterSegs(const Catalogue& catalogue, int songIndex, MeterSegs& segs) {
  const SongRecord* r = catalogue.song(songIndex);
  if (!r || r->MeterFlag == 0) return {};
  std::filesystem::path file = catalogue.folder / meterFileName(r->Code);
  auto bytes = readFileBytes(file);
  if (!bytes) return Error{bytes.error().code, Message{SongText::CannotReadMeter, {}, {*bytes.error().text}}};
  Status parsed = parseMeterSegs(*bytes, segs);
  if (!parsed)
    return Error{ErrorCode::BadData,
                 Message{SongText::MeterDamaged, {file.filename().string()}, {*parsed.error().text}}};
  return {};
}

PlayTempo songTempo(const Catalogue& catalogue, int songIndex) {
  const SongRecord* song = catalogue.song(songIndex);
  if (song == nullptr || song->Bpm <= 0) return {};
  return {static_cast<double>(song->Bpm), false};
}

}  // namespace tarveno
