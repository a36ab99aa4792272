#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "core/play/mix.h"

class QAudioBuffer;
class QAudioDecoder;

namespace tarveno {

// The songs' music, decoded into the mix format (48 kHz stereo 16-bit) once and kept in
// memory per song code for the rest of the run, so playback starts at once the next time.
// An uncompressed WAV file is read directly; everything else (OGG, MP3, FLAC, ...) goes
// through QAudioDecoder and whatever decoders the platform has. One file is decoded at a time.
//
// Use: on play, find(); when it gives nothing, load() and play when `ready` arrives, or go on
// without music and show the text of `failed`.
class MusicLibrary : public QObject {
  Q_OBJECT
 public:
  explicit MusicLibrary(QObject* parent = nullptr);
  ~MusicLibrary() override;

  // The song's music when it is kept and came from this file; null otherwise.
  std::shared_ptr<const MusicPcm> find(int songCode, const QString& path) const;
  // Starts decoding the file for the song, unless it is kept already (then `ready` follows at
  // once) or under way. A load for another file abandons the one under way. `ready` or
  // `failed` follows, always after load() has returned.
  void load(int songCode, const QString& path);
  bool isLoading() const { return decoder_ != nullptr; }

 signals:
  void ready(int songCode);
  // The message is Japanese and ready to show; it says that playback goes on without music.
  void failed(int songCode, const QString& message);

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
