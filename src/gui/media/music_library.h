#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "core/play/mix.h"
#include "gui/play/music_source.h"

class QAudioBuffer;
class QAudioDecoder;

namespace tarveno {

// The songs' music, decoded into the mix format (48 kHz stereo 16-bit) once and kept in
// memory per song code for the rest of the run, so playback starts at once the next time.
// An uncompressed WAV file is read directly; everything else (OGG, MP3, FLAC, ...) goes
// through QAudioDecoder and whatever decoders the platform has. One file is decoded at a time.
class MusicLibrary : public MusicSource {
  Q_OBJECT
 public:
  explicit MusicLibrary(QObject* parent = nullptr);
  ~MusicLibrary() override;

  // The song's music when it is kept and came from this file; null otherwise.
  std::shared_ptr<const MusicPcm> find(int songCode, const QString& path) const override;
  // Starts decoding the file for the song, unless it is kept already (then `ready` follows at
  // once) or under way. A load for another file abandons the one under way. `ready` or
  // `failed` follows, always after load() has returned.
  void load(int songCode, const QString& path) override;
  bool isLoading() const { return decoder_ != nullptr; }

 private:
  struct Kept {
    QString path;
    std::shared_ptr<const MusicPcm> music;
  };
  void take(const QAudioBuffer& buffer);
  void finish();
  void fail(const QString& why);
  void later(std::function<void()> report);

  std::map<int, Kept> kept_;
  std::unique_ptr<QAudioDecoder> decoder_;
  int songCode_ = 0;
  QString path_;
  std::vector<float> samples_;  // interleaved, in the decoder's own rate and channels
  int rate_ = 0;
  int channels_ = 0;
};

}  // namespace tarveno
