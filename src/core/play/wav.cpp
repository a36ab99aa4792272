#include "core/play/wav.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <vector>

#include "core/io/files.h"

namespace tarveno {

namespace {

void put16(std::string& out, uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

void put32(std::string& out, uint32_t value) {
  put16(out, value & 0xFFFF);
  put16(out, value >> 16);
}

uint32_t get(std::string_view bytes, size_t at, size_t width) {
  uint32_t value = 0;
  for (size_t i = 0; i < width; ++i) value |= uint32_t{static_cast<unsigned char>(bytes[at + i])} << (8 * i);
  return value;
}

struct WavFormat {
  uint16_t tag = 0;  // 1 integer PCM, 3 float
  int channels = 0;
  int rate = 0;
  int bits = 0;
};

// `code` Unsupported: not a WAV file this reader can read, another decoder may;
// BadData: a damaged WAV file, or one this program refuses.
Error badWav(Message why, ErrorCode code = ErrorCode::BadData) {
  return {code, Message{PlayText::NotWav, {}, {std::move(why)}}};
}

std::optional<WavFormat> readFormat(std::string_view chunk) {
  if (chunk.size() < 16) return std::nullopt;
  WavFormat f{static_cast<uint16_t>(get(chunk, 0, 2)), static_cast<int>(get(chunk, 2, 2)),
              static_cast<int>(get(chunk, 4, 4)), static_cast<int>(get(chunk, 14, 2))};
  if (f.tag == 0xFFFE && chunk.size() >= 26) f.tag = static_cast<uint16_t>(get(chunk, 24, 2));  // extensible
  return f;
}

bool supported(const WavFormat& f) {
  const bool integer = f.tag == 1 && (f.bits == 8 || f.bits == 16 || f.bits == 24 || f.bits == 32);
  const bool floating = f.tag == 3 && (f.bits == 32 || f.bits == 64);
  return (integer || floating) && f.channels > 0;
}

float sampleAt(std::string_view data, size_t at, const WavFormat& f) {
  const size_t width = static_cast<size_t>(f.bits) / 8;
  if (f.tag == 3 && f.bits == 32) {
    float value;
    const uint32_t raw = get(data, at, 4);
    std::memcpy(&value, &raw, 4);
    return std::isfinite(value) ? value : 0.0f;
  }
  if (f.tag == 3) {
    const uint64_t raw = get(data, at, 4) | uint64_t{get(data, at + 4, 4)} << 32;
    double value;
    std::memcpy(&value, &raw, 8);
    return std::isfinite(value) ? static_cast<float>(value) : 0.0f;
  }
  if (width == 1) return (static_cast<int>(get(data, at, 1)) - 128) / 128.0f;  // 8-bit is unsigned
  // Shift the sample to the top of 32 bits so its sign bit is the sign of the int32.
  const auto value = static_cast<int32_t>(get(data, at, width) << (32 - 8 * width));
  return static_cast<float>(value / 2147483648.0);
}

// `data` lies inside the file, so every size below is bounded by the file's own: the samples
// take at most four bytes for each byte of it, the mix at most kMixRate / kMinMusicRate frames
// for each frame of it.
Result<MusicPcm> decodeData(std::string_view data, const WavFormat& f) {
  if (!mixableRate(f.rate)) return badWav(unmixableRate(f.rate, PlayText::RateOutOfRange));
  const size_t frameBytes = static_cast<size_t>(f.channels) * static_cast<size_t>(f.bits / 8);
  const size_t frames = data.size() / frameBytes;
  std::vector<float> samples(frames * static_cast<size_t>(f.channels));
  for (size_t i = 0; i < samples.size(); ++i) samples[i] = sampleAt(data, i * static_cast<size_t>(f.bits / 8), f);
  return toMixPcm(samples, f.channels, f.rate);
}

std::string wavHeader(uint32_t dataBytes) {
  std::string out = "RIFF";
  put32(out, 36 + dataBytes);
  out += "WAVEfmt ";
  put32(out, 16);
  put16(out, 1);  // integer PCM
  put16(out, kMixChannels);
  put32(out, kMixRate);
  put32(out, kMixRate * kMixChannels * 2);
  put16(out, kMixChannels * 2);
  put16(out, 16);
  out += "data";
  put32(out, dataBytes);
  return out;
}

// The RIFF size counts everything after its own 8 bytes in 32 bits: the header's other 36
// bytes and the samples.
constexpr uint64_t kMaxWavDataBytes = (uint64_t{0xFFFFFFFF} - 36) / (kMixChannels * 2) * (kMixChannels * 2);

Message tooLongMessage(int64_t frames) {
  const uint64_t seconds = static_cast<uint64_t>(frames) / kMixRate;
  const uint64_t longest = kMaxWavDataBytes / (kMixChannels * 2) / kMixRate;
  return {PlayText::WavTooLong,
          {std::to_string(seconds / 3600), std::to_string(seconds / 60 % 60), std::to_string(longest / 3600),
           std::to_string(longest / 60 % 60)},
          {}};
}

// The mix as the file's bytes: the header, then the samples rendered a block at a time, so
// that memory stays the same however long the song is.
class WavBlocks {
 public:
  explicit WavBlocks(const MixPlan& plan) : plan_(plan) {}

  std::string_view next() {
    if (!headerGiven_) {
      headerGiven_ = true;
      bytes_ = wavHeader(static_cast<uint32_t>(static_cast<uint64_t>(plan_.totalFrames) * kMixChannels * 2));
      return bytes_;
    }
    const int64_t frames = std::min<int64_t>(kBlockFrames, plan_.totalFrames - done_);
    if (frames <= 0) return {};
    samples_.resize(static_cast<size_t>(frames) * kMixChannels);
    renderMix(plan_, done_, samples_);
    done_ += frames;
    bytes_.clear();
    for (const int16_t sample : samples_) put16(bytes_, static_cast<uint16_t>(sample));
    return bytes_;
  }

 private:
  static constexpr int64_t kBlockFrames = 65536;
  const MixPlan& plan_;
  bool headerGiven_ = false;
  int64_t done_ = 0;
  std::vector<int16_t> samples_;
  std::string bytes_;
};

}  // namespace

bool mixableRate(int rate) {
  return rate >= kMinMusicRate && rate <= kMaxMusicRate;
}

Message unmixableRate(int rate, PlayText kind) {
  return {kind, {std::to_string(rate), std::to_string(kMinMusicRate), std::to_string(kMaxMusicRate)}, {}};
}

std::string encodeWav(std::span<const int16_t> samples) {
  std::string out = wavHeader(static_cast<uint32_t>(samples.size() * 2));
  out.reserve(out.size() + samples.size() * 2);
  for (const int16_t sample : samples) put16(out, static_cast<uint16_t>(sample));
  return out;
}

Status writeMixWav(const MixPlan& plan, const std::filesystem::path& path) {
  if (plan.totalFrames < 0 || static_cast<uint64_t>(plan.totalFrames) * kMixChannels * 2 > kMaxWavDataBytes) {
    return Error{ErrorCode::OutOfRange, tooLongMessage(plan.totalFrames)};
  }
  WavBlocks blocks(plan);
  return writeFileAtomically(path, [&blocks] { return blocks.next(); });
}

Result<MusicPcm> decodeWav(std::string_view bytes) {
  if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") {
    return badWav({PlayText::ReasonNoRiffHeader, {}, {}}, ErrorCode::Unsupported);
  }
  std::optional<WavFormat> format;
  for (size_t at = 12; at + 8 <= bytes.size();) {
    const std::string_view id = bytes.substr(at, 4);
    const size_t size = std::min<size_t>(get(bytes, at + 4, 4), bytes.size() - at - 8);
    const std::string_view body = bytes.substr(at + 8, size);
    if (id == "fmt ") format = readFormat(body);
    if (id == "data") {
      if (!format) return badWav({PlayText::ReasonNoFormatChunk, {}, {}});
      if (!supported(*format)) return badWav({PlayText::ReasonNotPcm, {}, {}}, ErrorCode::Unsupported);
      return decodeData(body, *format);
    }
    at += 8 + size + (size & 1);  // chunks are padded to even sizes
  }
  return badWav({PlayText::ReasonNoDataChunk, {}, {}});
}

Result<MusicPcm> readWavFile(const std::filesystem::path& path) {
  auto bytes = readFileBytes(path);
  if (!bytes) return bytes.error();
  auto music = decodeWav(*bytes);
  if (!music) return Error{music.error().code, Message{PlayText::InFile, {displayName(path)}, {*music.error().text}}};
  return music;
}

Result<MusicPcm> toMixPcm(std::span<const float> interleaved, int channels, int rate) {
  if (!mixableRate(rate)) return Error{ErrorCode::Unsupported, unmixableRate(rate)};
  MusicPcm pcm;
  if (channels <= 0) return pcm;
  const auto width = static_cast<size_t>(channels);
  const size_t inFrames = interleaved.size() / width;
  if (inFrames == 0) return pcm;
  const auto outFrames = static_cast<size_t>(static_cast<double>(inFrames) * kMixRate / rate);
  pcm.samples.resize(outFrames * kMixChannels);
  const auto at = [&](size_t frame, size_t side) {
    return interleaved[std::min(frame, inFrames - 1) * width + std::min(side, width - 1)];
  };
  for (size_t i = 0; i < outFrames; ++i) {
    const double position = static_cast<double>(i) * rate / kMixRate;
    const auto frame = static_cast<size_t>(position);
    const auto share = static_cast<float>(position - static_cast<double>(frame));
    for (size_t side = 0; side < kMixChannels; ++side) {
      const float value = at(frame, side) + (at(frame + 1, side) - at(frame, side)) * share;
      pcm.samples[i * kMixChannels + side] =
          static_cast<int16_t>(std::clamp(std::lrint(value * 32768.0f), -32768L, 32767L));
    }
  }
  return pcm;
}

}  // namespace tarveno
