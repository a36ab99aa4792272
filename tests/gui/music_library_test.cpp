#include <gtest/gtest.h>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include "core/play/wav.h"
#include "gui/gui_test_helpers.h"
#include "gui/play/music_library.h"
#include "support/fake_audio_output.h"
#include "support/test_paths.h"

namespace tarveno::testing {
namespace {

// Decoders the test speaks for. Each keeps its callbacks here, also once it is gone, so that
// the test can send a late signal.
struct ScriptedDecoders {
  struct Decoder : MusicDecoder {
    explicit Decoder(ScriptedDecoders& all) : all(all) {}
    ~Decoder() override { all.gone.push_back(static_cast<int>(all.started.size()) - 1); }
    void start(const QString&, Callbacks callbacks) override { all.started.push_back(std::move(callbacks)); }
    ScriptedDecoders& all;
  };
  MusicDecoderFactory factory() {
    return [this] { return std::make_unique<Decoder>(*this); };
  }
  std::vector<MusicDecoder::Callbacks> started;
  std::vector<int> gone;  // the decoders let go, by the number of the last one started then
};

struct MusicLibraryTest : ::testing::Test {
  QString file(const std::string& name) {
    writeAll(dir / name, "not a WAV file");
    return QString::fromStdString((dir / name).string());
  }
  TempDir dir;
  ScriptedDecoders decoders;
  MusicLibrary library{decoders.factory()};
  QSignalSpy ready{&library, &MusicSource::ready};
  QSignalSpy failed{&library, &MusicSource::failed};
};

TEST_F(MusicLibraryTest, BuffersKeepTheirTimesAndADecoderLetGoIsIgnored) {
  const QString second = file("b.ogg");
  library.load(1, file("a.ogg"));
  library.load(2, second);  // abandons the first
  const std::vector<float> tenth(2 * 4800, 0.5f);
  decoders.started.at(0).buffer({0, 2, 48000, tenth});  // late signals of the abandoned one
  decoders.started[0].failed(QStringLiteral("late"));
  decoders.started.at(1).buffer({0, 2, 48000, tenth});
  decoders.started[1].buffer({200000, 2, 48000, tenth});  // after 100 ms of nothing
  decoders.started[1].finished();
  decoders.started[1].failed(QStringLiteral("after the end"));
  QTest::qWait(1);
  EXPECT_EQ(std::tuple(ready.count(), failed.count(), decoders.gone), std::tuple(1, 0, std::vector<int>{0, 1}));
  const auto music = library.find(2, second);
  ASSERT_NE(music, nullptr);
  EXPECT_EQ(std::tuple(music->frames(), music->samples[2 * 4800], music->samples[2 * 9600]),
            std::tuple(int64_t{14400}, int16_t{0}, int16_t{16384}));
}

TEST_F(MusicLibraryTest, AFailureIsToldInJapaneseWithTheDecodersTextAndNotDecodedAgain) {
  const QString path = file("c.ogg");
  library.load(3, path);
  decoders.started.at(0).failed(QStringLiteral("Unsupported media"));
  QTest::qWait(1);
  library.load(3, path);
  QTest::qWait(1);
  ASSERT_EQ(std::pair(failed.count(), decoders.started.size()), std::pair(qsizetype{2}, size_t{1}));
  EXPECT_EQ(failed.at(1).at(1).toString(),
            QStringLiteral("音楽ファイル %1 を読み込めません。音楽なしで再生します。\nUnsupported media").arg(path));
}

TEST(MusicWiring, MusicThatFailsIsToldOnceAndPlaybackGoesOnWithoutIt) {
  MainWindowHarness h;
  TempDir dir;
  std::string damaged = encodeWav(std::vector<int16_t>(64, 0));
  damaged.replace(24, 4, std::string("\x01\0\0\0", 4));  // 1 Hz
  writeAll(dir / "damaged.wav", damaged);
  h.context.playSettingsFile = dir / "playback.ini";
  QSettings(QString::fromStdString(h.context.playSettingsFile.string()), QSettings::IniFormat)
      .setValue(QStringLiteral("songs/1/music"), QString::fromStdString((dir / "damaged.wav").string()));
  ScriptedDecoders decoders;
  MusicLibrary library(decoders.factory());
  FakeAudioOutput output;
  h.context.audio = &output, h.context.music = &library;
  h.start();
  for (int play = 0; play < 2; ++play) {
    h.action("M_Sound")->trigger();
    QTest::qWait(5);
    EXPECT_NE(output.cursor, nullptr) << "play " << play << " did not start";
    h.action("M_Sound")->trigger();
  }
  EXPECT_EQ(std::pair(h.prompts.shown.size(), decoders.started.size()), std::pair(size_t{1}, size_t{0}));
}

}  // namespace
}  // namespace tarveno::testing
