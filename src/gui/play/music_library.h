#pragma once

#include <QString>
#include <functional>
#include <map>
#include <memory>

#include "core/play/mix.h"
#include "core/play/music_timeline.h"
#include "gui/play/music_decoder.h"
#include "gui/play/music_source.h"

namespace tarveno {

// The songs' music, decoded into the mix format (48 kHz stereo 16-bit) once and kept in
// memory per song code for the rest of the run, so playback starts at once the next time.
// An uncompressed WAV file is read directly; everything else (OGG, MP3, FLAC, ...) goes
// through the decoders the factory makes. One file is decoded at a time. A file that failed
// fails again at once, without decoding, until it changes on disk.
class MusicLibrary : public MusicSource {
  Q_OBJECT
 public:
  explicit MusicLibrary(MusicDecoderFactory decoders, QObject* parent = nullptr);
  ~MusicLibrary() override;

  // The song's music when it is kept and came from this file; null otherwise.
  std::shared_ptr<const MusicPcm> find(int songCode, const QString& path) const override;
  // Starts decoding the file for the song, unless it is kept already (then `ready` follows at
  // once) or under way. A load for another file abandons the one under way. `ready` or
  // `failed` follows, always after load() has returned.
  void load(int songCode, const QString& path) override;

 private:
  struct Kept {
    QString path;
    std::shared_ptr<const MusicPcm> music;
  };
  struct Failed {
    QString path;
    QString stamp;  // size and modification time of the file that failed
    QString message;
  };
  bool readDirectly(int songCode, const QString& path);
  void decode(const QString& path);
  void finish(int generation);
  void fail(int generation, const QString& why);
  void later(std::function<void()> report);

  MusicDecoderFactory decoders_;
  std::map<int, Kept> kept_;
  std::map<int, Failed> failed_;
  std::unique_ptr<MusicDecoder> decoder_;
  int generation_ = 0;  // counts the loads, so that what an abandoned one reports is ignored
  int songCode_ = 0;
  QString path_;
  MusicTimeline timeline_;
};

}  // namespace tarveno
