#pragma once

#include "gui/play/music_decoder.h"

class QAudioDecoder;

namespace tarveno {

// The platform's decoders through QAudioDecoder. The buffers come in whatever format the
// platform chooses (the mix format is only asked for) and are handed on as they are.
class QtMusicDecoder : public MusicDecoder {
 public:
  QtMusicDecoder();
  ~QtMusicDecoder() override;
  QtMusicDecoder(const QtMusicDecoder&) = delete;
  QtMusicDecoder& operator=(const QtMusicDecoder&) = delete;

  void start(const QString& path, Callbacks callbacks) override;

 private:
  QAudioDecoder* decoder_;  // deleted later: this may go from inside one of its signals
};

MusicDecoderFactory qtMusicDecoders();

}  // namespace tarveno
