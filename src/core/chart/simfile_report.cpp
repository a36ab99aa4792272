#include "core/chart/simfile_report.h"

#include <algorithm>

namespace tarveno {

namespace {

constexpr std::array<const char*, static_cast<size_t>(SimfileEvent::Count)> kEventText = {
    "地雷（M）を削除",
    "リフト（L）を削除",
    "フェイク（F）を削除",
    "キー音（K）を削除",
    "アタック（A）を削除",
    "不明な記号を削除",
    "{…}・[…] の注記を削除",
    "曲の長さを超えるノートを削除",
    "始点のない終点（3）を削除",
    "終点のないホールドをタップに変更",
    "ロール（4）をフリーズアローに変更",
    "小節 201 より後まで続くホールドをタップに変更",
    "曲の終わりを超えるホールドを曲の終わりで切断",
    "16分にも3連符にも乗らないノートを近い位置へ移動",
    "同じ位置と矢印に重なったノートを統合",
    "同時に 3 つ以上の矢印（DOUBLE 以外はパッドごと）の右側を削除",
    "最初の小節（小節 0）のノートを保持（エディタでは変更できません）",
    "テンポ変化・停止（#BPMS の 2 つ目以降、#STOPS、#DELAYS、#WARPS）を無視",
    "SINGLE 譜面の 2P 側の矢印を書き出さず",
    "曲の長さを超える矢印を書き出さず",
    "始点の矢印がない、または曲の終わりを超えるフリーズを書き出さず",
    "次の同じ矢印に重なるフリーズを短縮",
};

std::string beatText(const SimfileBeat& at) {
  return std::to_string(at.measure + 1) + ":" + std::to_string(at.beat + 1);
}

}  // namespace

void SimfileReport::add(SimfileEvent event, SimfileBeat at) {
  const auto kind = static_cast<size_t>(event);
  ++counts_[kind];
  auto& places = places_[kind];
  if (places.size() <= kShownPositions && std::find(places.begin(), places.end(), at) == places.end()) {
    places.push_back(at);
  }
}

void SimfileReport::note(std::string text, bool changed) {
  notes_.push_back(std::move(text));
  notedChange_ = notedChange_ || changed;
}

bool SimfileReport::changedAnything() const {
  return notedChange_ || std::any_of(counts_.begin(), counts_.end(), [](int n) { return n > 0; });
}

std::string SimfileReport::positions(SimfileEvent event) const {
  const auto& places = places_[static_cast<size_t>(event)];
  std::string text;
  for (size_t i = 0; i < places.size() && i < kShownPositions; ++i) text += (i ? ", " : "") + beatText(places[i]);
  if (places.size() > kShownPositions) text += ", …";
  return text;
}

std::string SimfileReport::snapRefusal() const {
  return "16分にも3連符にも乗らないノート（" + snappedKinds_ + "）があるため、そのままでは読み込めません（小節:拍 " +
         positions(SimfileEvent::Snapped) + "）。スナップすると " + std::to_string(count(SimfileEvent::Snapped)) +
         " 個のノートが動きます。";
}

std::vector<std::string> SimfileReport::lines() const {
  std::vector<std::string> out = notes_;
  for (size_t kind = 0; kind < kKinds; ++kind) {
    if (counts_[kind] == 0) continue;
    out.push_back(std::string(kEventText[kind]) + ": " + std::to_string(counts_[kind]) + " 個（小節:拍 " +
                  positions(static_cast<SimfileEvent>(kind)) + "）");
  }
  return out;
}

}  // namespace tarveno
