#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <optional>

#include "core/play/beat_sync.h"

namespace tarveno {

class MusicSource;

// What 自動調整 found in a music file: the beat nearest the offset the user had set, and the
// tempo the music itself seems to have.
struct FoundSync {
  BeatOffset offset;
  BeatTempo tempo;
};

// Finds the beat of one song's music for the 再生設定 dialog: decodes the file through the
// music source when it is not at hand yet, then searches on a worker thread, so the dialog
// stays responsive. One search at a time; a new find() replaces the one under way.
class OffsetFinder : public QObject {
  Q_OBJECT
 public:
  // songTempo: the song's tempo (beats a minute); nothing when the song has none.
  OffsetFinder(MusicSource& music, int songCode, std::optional<double> songTempo, QObject* parent = nullptr);
  ~OffsetFinder() override;

  void find(const QString& path, double nearMs);
  std::optional<double> songTempo() const { return songTempo_; }

 signals:
  void found(const tarveno::FoundSync& result);
  // The music could not be decoded; the text says why, ready to show.
  void failed(const QString& message);

 private:
  void search(std::shared_ptr<const MusicPcm> pcm);

  MusicSource& music_;
  int songCode_;
  std::optional<double> songTempo_;
  QString path_;
  double nearMs_ = 0;
  int generation_ = 0;  // results of a replaced search are dropped
};

}  // namespace tarveno
