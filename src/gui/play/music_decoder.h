#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>

namespace tarveno {

// One buffer of decoded music: interleaved samples in full scale +-1, in the stream's own
// rate and channels, starting startUs microseconds into the music (negative when not known).
struct DecodedBuffer {
  int64_t startUs = -1;
  int channels = 0;
  int rate = 0;
  std::span<const float> samples;
};

// Decodes one music file with whatever decoders the platform has: QAudioDecoder in the program,
// a scripted stand-in in tests. What the decoder finds arrives through the callbacks, on the
// user-interface thread and only after start() has returned: buffers, then `finished` or
// `failed` (the decoder's own text, often English; may be empty).
//
// Destroying the decoder, even from inside one of its callbacks, stops it: no callback follows.
class MusicDecoder {
 public:
  struct Callbacks {
    std::function<void(const DecodedBuffer&)> buffer;
    std::function<void()> finished;
    std::function<void(const QString&)> failed;
  };
  virtual ~MusicDecoder() = default;
  virtual void start(const QString& path, Callbacks callbacks) = 0;
};

// Makes a decoder for each file to decode.
using MusicDecoderFactory = std::function<std::unique_ptr<MusicDecoder>()>;

}  // namespace tarveno
