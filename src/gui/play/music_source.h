#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "core/play/mix.h"

namespace tarveno {

// Where playback gets a song's music as PCM in the mix format: the program decodes files with
// the platform's decoders (MusicLibrary), tests leave music out.
//
// Use: on play, find(); when it gives nothing, load() and play when `ready` arrives, or go on
// without music and show the text of `failed`.
class MusicSource : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;

  // The song's music when it is at hand and came from this file; null otherwise.
  virtual std::shared_ptr<const MusicPcm> find(int songCode, const QString& path) const = 0;
  // Starts making the music of the file ready for the song; `ready` or `failed` follows,
  // always after load() has returned.
  virtual void load(int songCode, const QString& path) = 0;

 signals:
  void ready(int songCode);
  // The message is Japanese and ready to show; it says that playback goes on without music.
  void failed(int songCode, const QString& message);
};

}  // namespace tarveno
