#include "gui/play/stretched_music.h"

#include <QThread>
#include <algorithm>

#include "core/play/stretch.h"

namespace tarveno {

namespace {

// Two speeds of one song's music: the slower ones the dialog offers.
constexpr size_t kKeptStretches = 2;

}  // namespace

StretchedMusic::~StretchedMusic() {
  if (!worker_) return;
  worker_->wait();
  delete worker_;
}

std::shared_ptr<const MusicPcm> StretchedMusic::find(const std::shared_ptr<const MusicPcm>& music,
                                                     int speedPercent) const {
  if (!music || speedPercent >= 100) return music;
  for (const Kept& kept : kept_) {
    if (kept.music == music && kept.speedPercent == speedPercent) return kept.stretched;
  }
  return nullptr;
}

void StretchedMusic::make(std::shared_ptr<const MusicPcm> music, int speedPercent) {
  if (find(music, speedPercent)) return;
  Kept job{std::move(music), speedPercent, nullptr};
  if (!worker_) {
    begin(std::move(job));
  } else if (job.music != running_.music || job.speedPercent != running_.speedPercent) {
    next_ = std::move(job);
  }
}

void StretchedMusic::begin(Kept job) {
  running_ = std::move(job);
  // The worker writes only running_.stretched, which nothing reads until it has finished.
  worker_ = QThread::create([this] {
    running_.stretched = std::make_shared<const MusicPcm>(stretchMusic(*running_.music, running_.speedPercent / 100.0));
  });
  connect(worker_, &QThread::finished, this, &StretchedMusic::finished);
  worker_->start();
}

void StretchedMusic::finished() {
  worker_->wait();
  delete std::exchange(worker_, nullptr);
  // A newer music makes the older one's stretches useless.
  std::erase_if(kept_, [this](const Kept& kept) { return kept.music != running_.music; });
  if (kept_.size() >= kKeptStretches) kept_.erase(kept_.begin());
  kept_.push_back(std::exchange(running_, Kept{}));
  if (next_.music && !find(next_.music, next_.speedPercent)) begin(std::exchange(next_, Kept{}));
  next_ = Kept{};
  emit ready();
}

}  // namespace tarveno
