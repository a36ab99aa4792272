#pragma once

#include <QObject>
#include <memory>
#include <vector>

#include "core/play/mix.h"

class QThread;

namespace tarveno {

// The music played slower, stretched once per music and speed in the background (a whole song
// takes about a second, too long to hold the window still) and kept while that music is in use:
// the last few stretches of the newest music are kept, older music's are let go.
class StretchedMusic : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;
  // Waits for a stretch under way: its thread reads music this object holds.
  ~StretchedMusic() override;

  // The music at speedPercent (50..100) of its tempo, at its own pitch; the music itself at
  // 100; null while it is still to be made.
  std::shared_ptr<const MusicPcm> find(const std::shared_ptr<const MusicPcm>& music, int speedPercent) const;
  // Starts making the music at that speed, unless it is kept (then nothing follows) or under
  // way; `ready` follows on this object's thread. One stretch runs at a time; the last one
  // asked for meanwhile follows it.
  void make(std::shared_ptr<const MusicPcm> music, int speedPercent);

 signals:
  void ready();

 private:
  struct Kept {
    std::shared_ptr<const MusicPcm> music;
    int speedPercent = 100;
    std::shared_ptr<const MusicPcm> stretched;
  };
  void begin(Kept job);
  void finished();

  std::vector<Kept> kept_;
  QThread* worker_ = nullptr;
  Kept running_;  // its `stretched` is filled by the worker
  Kept next_;     // asked for while another ran; no music when nothing waits
};

}  // namespace tarveno
