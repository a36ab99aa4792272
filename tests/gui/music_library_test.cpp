#include <gtest/gtest.h>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <vector>

#include "core/play/wav.h"
#include "gui/gui_test_helpers.h"
#include "gui/play/music_library.h"
#include "support/fake_audio_output.h"
#include "support/test_paths.h"

namespace tarveno::testing {
namespace {

// A decoder the test speaks for: it keeps the callbacks it was given, also after it is gone,
// so that the test can play a late signal.
struct ScriptedDecoders {
  struct Started {
    QString path;
    MusicDecoder::Callbacks callbacks;
    bool gone = false;
  };
  class Decoder : public MusicDecoder {
   public:
    explicit Decoder(ScriptedDecoders& owner) : owner_(owner) {}
    ~Decoder() override { owner_.started[index_].gone = true; }
    void start(const QString& path, Callbacks callbacks) override {
      index_ = owner_.started.size();
      owner_.started.push_back({path, std::move(callbacks)});
    }

   private:
    ScriptedDecoders& owner_;
    size_t index_ = 0;
  };
  MusicDecoderFactory factory() {
    return [this] { return std::make_unique<Decoder>(*this); };
  }
  std::vector<Started> started;
};

class MusicLibraryTest : public ::testing::Test {
 protected:
  QString file(const std::string& name, const std::string& bytes) {
    writeAll(dir / name, bytes);
    return QString::fromStdString((dir / name).string());
  }
  void settle() { QTest::qWait(1); }

  TempDir dir;
  ScriptedDecoders decoders;
  MusicLibrary library{decoders.factory()};
  QSignalSpy ready{&library, &MusicSource::ready};
  QSignalSpy failed{&library, &MusicSource::failed};
};

TEST_F(MusicLibraryTest, DecodedBuffersKeepTheirTimesAndAnAbandonedDecoderIsLetGoAndIgnored) {
  const QString first = file("a.ogg", "not a WAV file");
  const QString second = file("b.ogg", "not a WAV file either");
  library.load(1, first);
  library.load(2, second);  // abandons the first
  ASSERT_EQ(decoders.started.size(), 2U);
  EXPECT_TRUE(decoders.started[0].gone) << "the abandoned decoder is still alive";
  const std::vector<float> tenth(2 * 4800, 0.5f);
  decoders.started[0].callbacks.buffer({0, 2, 48000, tenth});  // late signals of the first
  decoders.started[0].callbacks.failed(QStringLiteral("late"));
  decoders.started[1].callbacks.buffer({0, 2, 48000, tenth});
  decoders.started[1].callbacks.buffer({200000, 2, 48000, tenth});  // after 100 ms of nothing
  decoders.started[1].callbacks.finished();
  decoders.started[1].callbacks.failed(QStringLiteral("after the end"));  // let go: ignored
  settle();
  EXPECT_EQ(std::tuple(ready.count(), failed.count(), decoders.started[1].gone), std::tuple(1, 0, true));
  const auto music = library.find(2, second);
  ASSERT_NE(music, nullptr);
  EXPECT_EQ(music->frames(), 3 * 4800);
  EXPECT_EQ(std::tuple(music->samples[2 * 4799], music->samples[2 * 4800], music->samples[2 * 9600]),
            std::tuple(int16_t{16384}, int16_t{0}, int16_t{16384}));
  EXPECT_EQ(library.find(1, first), nullptr);
}

TEST_F(MusicLibraryTest, AFailureIsToldInJapaneseWithTheDecodersTextAndNotDecodedAgain) {
  const QString path = file("c.ogg", "not audio at all");
  library.load(3, path);
  decoders.started.at(0).callbacks.failed(QStringLiteral("Unsupported media"));
  settle();
  library.load(3, path);
  settle();
  ASSERT_EQ(failed.count(), 2);
  EXPECT_EQ(failed.at(1).at(1).toString(),
            QStringLiteral("音楽ファイル %1 を読み込めません。音楽なしで再生します。\nUnsupported media").arg(path));
  EXPECT_EQ(decoders.started.size(), 1U) << "the unchanged file was decoded again";
}

TEST(MusicWiring, MusicThatFailsIsToldOnceAndPlaybackGoesOnWithoutIt) {
  MainWindowHarness h;
  TempDir dir;
  std::string damaged = encodeWav(std::vector<int16_t>(64, 0));
  damaged[24] = 1, damaged[25] = damaged[26] = damaged[27] = 0;  // 1 Hz
  writeAll(dir / "damaged.wav", damaged);
  h.context.playSettingsFile = dir / "playback.ini";
  QSettings(QString::fromStdString(h.context.playSettingsFile.string()), QSettings::IniFormat)
      .setValue(QStringLiteral("songs/1/music"), QString::fromStdString((dir / "damaged.wav").string()));
  ScriptedDecoders decoders;
  MusicLibrary library(decoders.factory());
  FakeAudioOutput output;
  h.context.audio = &output;
  h.context.music = &library;
  h.start();
  for (int play = 0; play < 2; ++play) {
    h.action("M_Sound")->trigger();
    QTest::qWait(5);
    EXPECT_NE(output.cursor, nullptr) << "play " << play << " did not start";
    h.action("M_Sound")->trigger();
  }
  EXPECT_EQ(std::tuple(h.prompts.shown.size(), decoders.started.size()), std::tuple(size_t{1}, size_t{0}));
}

}  // namespace
}  // namespace tarveno::testing
