#include "core/chart/card.h"

#include <algorithm>
#include <cstring>

#include "core/chart/card_edition.h"
#include "core/chart/card_name.h"
#include "core/chart/chart_text.h"
#include "core/io/files.h"

namespace tarveno {

namespace {

// Directory frame of the memory card, then the save block from offset 128.
constexpr size_t kOffFrameFlags = 0;
constexpr size_t kOffFrameSize = 4;
constexpr size_t kOffFrameNext = 8;
constexpr size_t kOffFileName = 10;
constexpr size_t kOffEditName = 22;
constexpr size_t kOffChecksum = 127;
constexpr size_t kOffSaveMagic = 128;
constexpr size_t kOffTitle = 132;
constexpr size_t kOffWordA = 640;
constexpr size_t kOffWordB = 644;
constexpr size_t kOffWordC = 648;
constexpr size_t kOffFormat = 656;
constexpr size_t kOffSignature = 664;
constexpr size_t kOffWordD = 688;
constexpr size_t kOffFreezeLength = 704;
constexpr size_t kOffCode = 708;
constexpr size_t kOffStyle = 710;
constexpr size_t kOffDifficulty = 711;
constexpr size_t kOffFreezeLength2 = 768;
constexpr size_t kOffStyle2 = 772;
constexpr size_t kOffHeaderWord = 773;
constexpr size_t kOffCode2 = 776;
constexpr size_t kOffDifficulty2 = 778;
constexpr size_t kOffHasFreeze = 779;
constexpr size_t kOffStepBlockA = 784;
constexpr size_t kOffStepBlockB = 1040;
// In the second layout the step block starts 16 rows later but the freeze rows did not move.
constexpr int kLayoutBRowShift = 16;

constexpr std::string_view kFileNamePrefix = "BISLPM-40731";
constexpr std::string_view kSignature = "--KrunKrunPerambulator--";

static_assert(kOffStepBlockA + sizeof(StepTable) == kCardFileSize);
static_assert(kOffStepBlockA == kCardMinimumSize);

void put8(std::string& out, size_t off, uint8_t v) {
  out[off] = static_cast<char>(v);
}
void put16(std::string& out, size_t off, uint16_t v) {
  put8(out, off, static_cast<uint8_t>(v & 0xFF));
  put8(out, off + 1, static_cast<uint8_t>(v >> 8));
}
void put32(std::string& out, size_t off, uint32_t v) {
  put16(out, off, static_cast<uint16_t>(v & 0xFFFF));
  put16(out, off + 2, static_cast<uint16_t>(v >> 16));
}
void putText(std::string& out, size_t off, std::string_view text) {
  out.replace(off, text.size(), text);
}

// File content where everything past the end reads as zero, so a short save reads as if it
// had been padded.
class CardBytes {
 public:
  explicit CardBytes(std::string_view bytes) : bytes_(bytes) {}
  uint8_t u8(size_t off) const { return off < bytes_.size() ? static_cast<uint8_t>(bytes_[off]) : 0; }
  int16_t i16(size_t off) const { return static_cast<int16_t>(u8(off) | (u8(off + 1) << 8)); }
  uint32_t u32(size_t off) const {
    return static_cast<uint32_t>(u8(off)) | static_cast<uint32_t>(u8(off + 1)) << 8 |
           static_cast<uint32_t>(u8(off + 2)) << 16 | static_cast<uint32_t>(u8(off + 3)) << 24;
  }
  std::string_view text(size_t off, size_t size) const {
    if (off >= bytes_.size()) return {};
    return bytes_.substr(off, size);
  }

 private:
  std::string_view bytes_;
};

// The table holds 471 measures; a catalogue length beyond that cannot be stored anyway.
int storedMeasures(const SongRecord& song) {
  return std::clamp<int>(song.Measures, 0, kStepMeasures);
}

// The reader's two errors keep the titles the user has always seen for them.
Notice readError(NoticeKind kind) {
  const char* code = kind == NoticeKind::CardUnknownSong ? "102" : "103";
  return Notice{kind, chartText(ChartText::TitleCardError, {code}), chartText(ChartText::CardBadData)};
}

bool holdsFreeze(const Chart& chart, int measures) {
  for (int m = 0; m < std::min(measures, kFreezeMeasures); ++m) {
    if (chart.FreezeData[static_cast<size_t>(m)] != MeasureBytes{}) return true;
  }
  return false;
}

// In the single style the console expects the pad's nibble in both halves of each byte.
MeasureBytes toCardRow(const MeasureBytes& row, PlayStyle style) {
  if (style != PlayStyle::Single) return row;
  MeasureBytes card;
  for (size_t s = 0; s < row.size(); ++s) card[s] = static_cast<uint8_t>((row[s] & 15) * 17);
  return card;
}

// A single chart with all four arrows on the beat would be stored as 255, which every reader
// takes for a triplet marker: four arrows would vanish. Such a slot is refused, named.
std::optional<Error> markerMadeOfArrows(const Chart& chart, int measures) {
  for (int m = 0; m < measures; ++m) {
    const MeasureBytes card = toCardRow(chart.StepData[static_cast<size_t>(m)], chart.PlayStyle);
    for (int b = 0; b < kBeatsPerMeasure; ++b) {
      const auto onBeat = static_cast<size_t>(4 * b);
      if (card[onBeat] != kTripletMark || chart.StepData[static_cast<size_t>(m)][onBeat] == kTripletMark) continue;
      return Error{ErrorCode::OutOfRange,
                   chartText(ChartText::CardArrowsLikeMarker, {std::to_string(m), std::to_string(b + 1)})};
    }
  }
  return std::nullopt;
}

// The step block stands in for the writers' scratch table: the song's step rows, one empty row,
// then, when the chart has freeze arrows, the freeze rows of the song's measures.
StepTable cardStepBlock(const Chart& chart, int measures, bool withFreeze) {
  StepTable block{};
  for (int m = 0; m < measures; ++m) {
    block[static_cast<size_t>(m)] = toCardRow(chart.StepData[static_cast<size_t>(m)], chart.PlayStyle);
  }
  if (!withFreeze) return block;
  // For long songs the freeze rows run off the table's end and the tail is lost, as it is on
  // the console; measures past the freeze table have no freeze bits.
  for (int m = 0; m < std::min(measures, kFreezeMeasures) && measures + 1 + m < kStepMeasures; ++m) {
    block[static_cast<size_t>(measures + 1 + m)] = toCardRow(chart.FreezeData[static_cast<size_t>(m)], chart.PlayStyle);
  }
  return block;
}

// The memory card's directory entry: a used block that starts the file, its size, no next
// block, the file name and the checksum that makes its bytes XOR to zero.
void putDirectoryFrame(std::string& out, std::string_view name) {
  put32(out, kOffFrameFlags, 0x51);
  put32(out, kOffFrameSize, 8192);
  put16(out, kOffFrameNext, 0xFFFF);
  putText(out, kOffFileName, kFileNamePrefix);
  putText(out, kOffEditName, name);
  uint8_t checksum = 0;
  for (size_t i = 0; i < kOffChecksum; ++i) checksum ^= static_cast<uint8_t>(out[i]);
  put8(out, kOffChecksum, checksum);
}

// The save block's header: the console's save title, the release words of the song, and the
// chart's song, style, difficulty and freeze length, twice over.
void putSaveHeader(std::string& out, const Chart& chart, const SongRecord& song, std::string_view name, int measures,
                   bool withFreeze) {
  const CardEdition edition = cardEditionForCode(song.Code);
  const uint16_t freezeLength = static_cast<uint16_t>((measures + 2) * kSlotsPerMeasure);
  const uint16_t code = static_cast<uint16_t>(song.Code);
  const auto style = static_cast<uint8_t>(chart.PlayStyle);
  put32(out, kOffSaveMagic, 0x01134353);
  putText(out, kOffTitle, cardSaveTitle(cardTitleLabel(edition.label), name));
  put32(out, kOffWordA, edition.wordA);
  put32(out, kOffWordB, edition.wordB);
  put16(out, kOffWordC, edition.wordC);
  put8(out, kOffFormat, 2);
  putText(out, kOffSignature, kSignature);
  put16(out, kOffWordD, static_cast<uint16_t>(edition.wordD));
  put16(out, kOffFreezeLength, freezeLength);
  put16(out, kOffCode, code);
  put8(out, kOffStyle, style);
  put8(out, kOffDifficulty, chart.Difficulty);
  put16(out, kOffFreezeLength2, freezeLength);
  put8(out, kOffStyle2, style);
  put16(out, kOffHeaderWord, 259);
  put16(out, kOffCode2, code);
  put8(out, kOffDifficulty2, chart.Difficulty);
  put8(out, kOffHasFreeze, withFreeze ? 1 : 0);
}

// The step block of a save: 16 rows further on in the second layout, which starts with the
// three words 256, 252 and 1.
bool isLayoutB(const CardBytes& file) {
  return file.u32(kOffStepBlockA) == 256 && file.u32(kOffStepBlockA + 4) == 252 && file.u32(kOffStepBlockA + 8) == 1;
}

// The step block from `start` on; a file that ends early leaves the rest of the table empty.
void readStepBlock(std::string_view bytes, size_t start, Chart& chart) {
  chart.StepData = {};
  if (start >= bytes.size()) return;
  const size_t size = std::min(sizeof chart.StepData, bytes.size() - start);
  std::memcpy(chart.StepData.data(), bytes.data() + start, size);
}

// A single chart's bytes carry the pad's nibble twice; only an on-beat 255 is a triplet marker,
// any other byte keeps the first pad's nibble. A beat's four bytes are masked as one word.
void keepFirstPadOnly(Chart& chart) {
  for (auto& measure : chart.StepData) {
    for (size_t onBeat = 0; onBeat < measure.size(); onBeat += 4) {
      const bool marker = measure[onBeat] == kTripletMark;
      uint32_t beat;
      std::memcpy(&beat, &measure[onBeat], sizeof beat);
      beat &= 0x0F0F0F0Fu;
      std::memcpy(&measure[onBeat], &beat, sizeof beat);
      if (marker) measure[onBeat] = kTripletMark;
    }
  }
}

// Moves the freeze rows out of the step table into the freeze table. They start at the row the
// stored freeze length points to; only the 201 freeze measures can receive bytes, so a damaged
// length never walks further.
void moveFreezeRows(Chart& chart, int freezeLength, bool layoutB) {
  const int count = std::min(freezeLength, kFreezeMeasures * kSlotsPerMeasure);
  for (int i = 0; i < count; ++i) {
    const int position = freezeLength + i;
    const int row = position / kSlotsPerMeasure - 1 - (layoutB ? kLayoutBRowShift : 0);
    const int slot = position % kSlotsPerMeasure;
    if (row < 0 || row >= kStepMeasures) continue;
    uint8_t& source = chart.StepData[static_cast<size_t>(row)][static_cast<size_t>(slot)];
    // Freeze bytes have no triplet marker: in the single style only the first pad counts.
    chart.FreezeData[static_cast<size_t>(i / kSlotsPerMeasure)][static_cast<size_t>(i % kSlotsPerMeasure)] =
        chart.PlayStyle == PlayStyle::Single ? static_cast<uint8_t>(source & 15) : source;
    source = 0;
  }
}

}  // namespace

Result<std::string> WriteCardSave(const Chart& chart, const Catalogue& catalogue) {
  if (!catalogue.isValidIndex(chart.SongIndex)) {
    return Error{ErrorCode::OutOfRange, chartText(ChartText::CardNoSong)};
  }
  if (static_cast<uint8_t>(chart.PlayStyle) > static_cast<uint8_t>(PlayStyle::Double)) {
    return Error{ErrorCode::OutOfRange, chartText(ChartText::CardBadPlayStyle)};
  }
  const SongRecord& song = catalogue.SongList[static_cast<size_t>(chart.SongIndex)];
  const int measures = storedMeasures(song);
  if (auto refused = markerMadeOfArrows(chart, measures)) return *refused;
  const bool withFreeze = holdsFreeze(chart, measures);
  const std::string name = cardEditNameBytes(chart.EditName);
  const StepTable block = cardStepBlock(chart, measures, withFreeze);

  std::string out(kCardFileSize, '\0');
  putDirectoryFrame(out, name);
  putSaveHeader(out, chart, song, name, measures, withFreeze);
  out.replace(kOffStepBlockA, sizeof block, reinterpret_cast<const char*>(block.data()), sizeof block);
  return out;
}

Status WriteCardSaveFile(const std::filesystem::path& path, const Chart& chart, const Catalogue& catalogue) {
  auto bytes = WriteCardSave(chart, catalogue);
  if (!bytes) return bytes.error();
  return writeFileAtomically(path, *bytes);
}

Result<std::vector<Notice>> ReadCardSave(std::string_view bytes, Chart& chart, const Catalogue& catalogue,
                                         MeterSegs& meterSegs) {
  if (bytes.size() < kCardMinimumSize) return Error{ErrorCode::BadData, chartText(ChartText::CardBadData)};
  const CardBytes file(bytes);
  std::vector<Notice> notices;

  chart.eraseFreeze();
  chart.EditName = cardEditNameFromBytes(file.text(kOffEditName, kCardNameBytes));
  const std::optional<int16_t> index = findSongByCode(catalogue, file.i16(kOffCode));
  if (!index) {
    notices.push_back(readError(NoticeKind::CardUnknownSong));
    return notices;
  }
  chart.SongIndex = *index;
  if (catalogue.SongList[static_cast<size_t>(*index)].MeterFlag != 0) {
    Status loaded = LoadMeterSegs(catalogue, *index, meterSegs);
    if (!loaded) {
      notices.push_back(Notice{NoticeKind::Warning, chartText(ChartText::TitleError), textOf(loaded.error())});
    }
  }
  const uint8_t styleByte = file.u8(kOffStyle);
  if (styleByte > static_cast<uint8_t>(PlayStyle::Double)) {
    notices.push_back(readError(NoticeKind::CardBadPlayStyle));
    return notices;
  }
  chart.PlayStyle = static_cast<PlayStyle>(styleByte);
  chart.Difficulty = file.u8(kOffDifficulty);
  chart.HasFreeze = file.u8(kOffHasFreeze);

  const bool layoutB = isLayoutB(file);
  readStepBlock(bytes, layoutB ? kOffStepBlockB : kOffStepBlockA, chart);
  if (chart.PlayStyle == PlayStyle::Single) keepFirstPadOnly(chart);
  const int freezeLength = file.i16(kOffFreezeLength);
  if (chart.HasFreeze == 1 && freezeLength > 0) moveFreezeRows(chart, freezeLength, layoutB);
  return notices;
}

}  // namespace tarveno
