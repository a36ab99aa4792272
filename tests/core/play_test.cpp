#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>

#include "core/play/mix.h"
#include "core/play/music_timeline.h"
#include "core/play/played_time.h"
#include "core/play/schedule.h"
#include "core/play/wav.h"
#include "support/test_catalogue.h"
#include "support/test_paths.h"

namespace tarveno {
namespace {

// Times of one kind of sound, rounded to microseconds for comparing with worked values.
std::vector<double> timesOf(const Schedule& schedule, PlaySound sound) {
  std::vector<double> times;
  for (const PlayEvent& e : schedule.events) {
    if (e.sound == sound) times.push_back(std::round(e.time * 1e6) / 1e6);
  }
  return times;
}

struct ScheduleCase {
  const char* name;
  std::function<void(Chart&)> fill;
  int tempo;
  int startBeat;
  std::vector<double> ticks;
};

TEST(PlaySchedule, TicksLieOnTheirSlotsAndTripletNotes) {
  const Catalogue catalogue = testing::oneSongCatalogue(4);  // 16 beats
  const std::vector<ScheduleCase> cases = {
      // Measure 1, beat 1 is global beat 5: slots 5 and 7 lie a quarter and three quarters in.
      {"16th beat", [](Chart& c) { c.StepData[1][5] = 1, c.StepData[1][7] = 8; }, 120, 4, {0.625, 0.875}},
      // Beat 6 at 150 BPM (0.4 s a beat) starts 0.8 s after beat 4; notes one and three.
      {"triplet beat",
       [](Chart& c) { c.StepData[1][8] = kTripletMark, c.StepData[1][9] = 2, c.StepData[1][11] = 4; },
       150,
       4,
       {0.8, 1.066667}},
      // The head ticks, its body does not; a jump is one tick; the second pad is not played in
      // single play.
      {"freeze head",
       [](Chart& c) {
         c.StepData[1][0] = 1;
         for (int s = 0; s < 6; ++s) c.FreezeData[1][s] = 1;
         c.StepData[1][12] = 6;
         c.StepData[1][14] = 0x10;
       },
       120,
       4,
       {0.0, 1.5}},
      // Beat 5 lies before the start; beat 6's slot 2 is a quarter of a second in.
      {"start mid-song", [](Chart& c) { c.StepData[1][4] = 1, c.StepData[1][10] = 2; }, 120, 6, {0.25}},
  };
  for (const ScheduleCase& c : cases) {
    Chart chart;
    c.fill(chart);
    const Schedule s = buildSchedule(chart, catalogue, MeterSegs{}, c.tempo, c.startBeat);
    EXPECT_EQ(timesOf(s, PlaySound::Tick), c.ticks) << c.name;
    EXPECT_EQ(timesOf(s, PlaySound::Click).size() + timesOf(s, PlaySound::AccentClick).size(), 16u - c.startBeat)
        << c.name;
  }
}

TEST(PlaySchedule, AccentsFollowTheMeterSegments) {
  Catalogue catalogue;
  catalogue.SongList[0] = SongRecord{"Three Steps", 7, 120, 4, 1, 1, 1};
  // Measures 1 and 2 have four beats, from measure 3 on three: measures start at beats 0, 4, 8, 11, 14.
  const MeterSegs segs{{{1, 4}, {3, 3}, {kMeterListEnd, 0}}};
  const Schedule s = buildSchedule(Chart{}, catalogue, segs, 120, 0);
  EXPECT_EQ(timesOf(s, PlaySound::AccentClick), (std::vector<double>{0, 2, 4, 5.5, 7}));
  EXPECT_EQ(timesOf(s, PlaySound::Click).size(), 11u);
  EXPECT_EQ(std::tuple(s.length(), s.beatAt(1.25)), std::tuple(8.0, 2.5));
}

// A random chart rendered at an odd tempo in odd blocks: every tick starts on its own sample
// after digital silence, at full level, and is silent again within 30 ms.
TEST(PlayMix, EachTickStartsOnItsSampleAndSilenceIsDigitalZero) {
  const Catalogue catalogue = testing::oneSongCatalogue(6);
  Chart chart;
  std::mt19937 random(7);
  for (int m = 1; m < 6; ++m) {
    for (int s = 0; s < 16; s += 2) chart.StepData[m][s] = static_cast<uint8_t>(random() % 3 == 0);
  }
  chart.StepData[2][4] = kTripletMark, chart.StepData[2][5] = 1, chart.StepData[2][6] = 2, chart.StepData[2][7] = 4;
  const Schedule schedule = buildSchedule(chart, catalogue, MeterSegs{}, 137, 3);
  auto plan = std::make_shared<const MixPlan>(planMix(schedule, MixSettings{}, nullptr, 0));
  std::vector<int16_t> pcm(static_cast<size_t>(plan->totalFrames) * 2 + 1000);
  MixCursor cursor(plan);
  for (size_t at = 0; cursor.read(std::span(pcm).subspan(at, std::min<size_t>(1554, pcm.size() - at))) > 0;) {
    at = static_cast<size_t>(cursor.position()) * 2;
  }
  std::vector<bool> sounding(pcm.size() / 2, false);
  for (double t : timesOf(schedule, PlaySound::Tick)) {
    auto onset = static_cast<size_t>(std::max(0.0, std::ceil(t * 48000 - 1)));
    while (pcm[2 * onset] == 0) ++onset;  // the first sample of the tick
    EXPECT_LE(std::abs(static_cast<double>(onset) - t * 48000), 1.0) << t;
    EXPECT_GT(std::abs(pcm[2 * onset]), 3277) << t;  // -20 dBFS of full scale, on the first sample
    for (size_t i = onset; i < onset + 1440; ++i) sounding[i] = true;
  }
  std::vector<size_t> noise;  // frames outside every tick that are not digital zero
  for (size_t i = 0; i < sounding.size(); ++i) {
    if (!sounding[i] && (pcm[2 * i] != 0 || pcm[2 * i + 1] != 0)) noise.push_back(i);
  }
  EXPECT_EQ(noise, std::vector<size_t>{});
}

TEST(PlayMix, MusicIsPlacedByItsOffsetAndTheStartBeat) {
  auto music = std::make_shared<MusicPcm>();
  music->samples.assign(2 * 100000, 0);
  music->samples[2 * 72000] = 1000;
  Schedule schedule;  // 120 BPM from beat 2: frame 0 is second 1 of the song
  schedule.startBeat = 2, schedule.endBeat = 8;
  // Beat 0 lies 250 ms into the music, so its frame 72000 is heard 1.25 s after beat 0.
  const MixPlan plan = planMix(schedule, MixSettings{}, music, 250);
  std::vector<int16_t> pcm(static_cast<size_t>(plan.totalFrames) * 2);
  renderMix(plan, 0, pcm);
  std::vector<size_t> heard;
  for (size_t i = 0; i < pcm.size(); ++i) {
    if (pcm[i] != 0) heard.push_back(i);
  }
  EXPECT_EQ(heard, std::vector<size_t>{2 * 12000});
  EXPECT_EQ(plan.totalFrames, 3 * 48000);
}

TEST(PlayWav, MixFormatRoundTripsAndOtherFormatsAreConverted) {
  const std::vector<int16_t> samples = {0, 1, -32768, 32767, 1234, -5};
  auto back = decodeWav(encodeWav(samples));
  ASSERT_TRUE(back.ok());
  EXPECT_EQ(back->samples, samples);
  // 8-bit mono at 24 kHz: each frame on both sides, a new frame between every two.
  std::string mono = encodeWav(samples).substr(0, 44) + std::string("\x80\xC0", 2);
  const std::string header = std::string("\x01\x00\x01\x00\xC0\x5D\x00\x00\xC0\x5D\x00\x00\x01\x00\x08\x00", 16);
  mono.replace(20, 16, header);
  mono.replace(40, 4, std::string("\x02\x00\x00\x00", 4));
  auto converted = decodeWav(mono);
  ASSERT_TRUE(converted.ok());
  EXPECT_EQ(converted->samples, (std::vector<int16_t>{0, 0, 8192, 8192, 16384, 16384, 16384, 16384}));
  mono[20] = 2;  // a compressed format
  EXPECT_EQ(decodeWav(mono).error().text, (Message{PlayText::NotWav, {}, {Message{PlayText::ReasonNotPcm, {}, {}}}}));
}

// An 8-bit mono WAV file whose data chunk declares `declared` bytes and holds `samples`.
std::string monoWav8(uint32_t rate, const std::string& samples, uint32_t declared) {
  std::string wav = encodeWav(std::vector<int16_t>{}).substr(0, 44) + samples;
  const std::pair<size_t, uint32_t> fields[] = {{20, 0x10001}, {24, rate}, {28, rate}, {32, 0x80001}, {40, declared}};
  for (auto [at, value] : fields) {
    for (size_t i = 0; i < 4; ++i) wav[at + i] = static_cast<char>(value >> (8 * i));
  }
  return wav;
}

std::optional<Message> refusal(const Result<MusicPcm>& read) {
  return read.ok() ? std::nullopt : read.error().text;
}

TEST(PlayWav, OnlyMixableRatesAreReadAndSizesAreTrustedAsFarAsTheFileGoes) {
  // A few bytes declaring 1 Hz would ask for 48000 mix frames each.
  EXPECT_EQ(refusal(decodeWav(monoWav8(1, "\x80\xC0", 2))),
            (Message{PlayText::NotWav, {}, {Message{PlayText::RateOutOfRange, {"1", "8000", "384000"}, {}}}}));
  EXPECT_FALSE(decodeWav(monoWav8(7999, "\x80", 1)).ok());
  EXPECT_FALSE(decodeWav(monoWav8(384001, "\x80", 1)).ok());
  EXPECT_EQ(refusal(toMixPcm(std::vector<float>{0.5f}, 1, 1)),
            (Message{PlayText::UnmixableRate, {"1", "8000", "384000"}, {}}));
  // 384 kHz: eight file frames make one mix frame; 8 kHz: one makes six.
  EXPECT_EQ(decodeWav(monoWav8(384000, std::string(16, '\xC0'), 16))->frames(), 2);
  EXPECT_EQ(decodeWav(monoWav8(8000, "\xC0", 1))->frames(), 6);
  // The last chunk odd-sized without its pad byte, and a size reaching past the end of the file.
  const std::vector<int16_t> three = {0, 0, 16384, 16384, -16384, -16384};
  EXPECT_EQ(decodeWav(monoWav8(48000, "\x80\xC0\x40", 3))->samples, three);
  EXPECT_EQ(decodeWav(monoWav8(48000, "\x80\xC0\x40", 0xFFFFFFFF))->samples, three);
}

TEST(PlayWav, TheFileHoldsTheWholeMixAndOneAWavCannotHoldIsRefusedUnwritten) {
  testing::TempDir dir;
  Schedule schedule;  // 3 s at 120 BPM (three blocks of the writer), sounds at both ends and between
  schedule.endBeat = 6;
  schedule.events = {{0.1, PlaySound::Tick}, {1.5, PlaySound::AccentClick}, {2.99, PlaySound::Tick}};
  const MixPlan plan = planMix(schedule, MixSettings{true, true, 80, 60}, nullptr, 0);
  ASSERT_TRUE(writeMixWav(plan, dir / "mix.wav").ok());
  std::vector<int16_t> whole(static_cast<size_t>(plan.totalFrames) * 2);
  renderMix(plan, 0, whole);
  EXPECT_TRUE(testing::readAll(dir / "mix.wav") == encodeWav(whole)) << "the file differs from the mix";
  MixPlan tooLong;  // one frame more than 4 GiB less the header holds
  tooLong.totalFrames = (int64_t{1} << 30) - 9;
  const Status refused = writeMixWav(tooLong, dir / "long.wav");
  ASSERT_FALSE(refused.ok());
  EXPECT_EQ(refused.error().text, (Message{PlayText::WavTooLong, {"6", "12", "6", "12"}, {}}));
  EXPECT_FALSE(std::filesystem::exists(dir / "long.wav"));
}

// The music as runs of one sample value, (value, frames); -1 frames where the sides differ.
std::vector<std::pair<int, int64_t>> runsOf(const MusicPcm& music) {
  std::vector<std::pair<int, int64_t>> runs;
  for (size_t i = 0; i < music.samples.size(); i += 2) {
    if (music.samples[i + 1] != music.samples[i]) return {{music.samples[i], -1}};
    if (runs.empty() || runs.back().first != music.samples[i]) runs.emplace_back(music.samples[i], 0);
    ++runs.back().second;
  }
  return runs;
}

TEST(MusicTimeline, BuffersLandAtTheirTimesGapsAreSilentAndFormatChangesAreConverted) {
  MusicTimeline timeline;
  timeline.add(0, 2, 48000, std::vector<float>(2 * 4800, 0.25f));      // 0..100 ms
  timeline.add(200000, 2, 48000, std::vector<float>(2 * 2400, 0.5f));  // 200..250 ms, after a gap
  timeline.add(-1, 2, 48000, std::vector<float>(2 * 2400, 0.75f));     // time unknown: follows on
  timeline.add(300000, 1, 24000, std::vector<float>(1200, -0.5f));     // mono at half the rate
  const auto music = timeline.finish();
  ASSERT_TRUE(music.ok());
  EXPECT_EQ(runsOf(*music), (std::vector<std::pair<int, int64_t>>{
                                {8192, 4800}, {0, 4800}, {16384, 2400}, {24576, 2400}, {-16384, 2400}}));
  MusicTimeline late;  // a buffer stamped an hour in would need gigabytes of silence before it
  late.add(int64_t{3600} * 1000000, 2, 48000, std::vector<float>(2, 0.5f));
  EXPECT_EQ(refusal(late.finish()), (Message{PlayText::MusicTooLong, {}, {}}));
}

TEST(PlayedTime, RunsOnBetweenReportsAtMostATenthAndNeverBackwards) {
  PlayedTime played;  // clock times in binary fractions, so that the sums are exact
  EXPECT_DOUBLE_EQ(played.at(8.0, 0, true), 0.0);
  EXPECT_DOUBLE_EQ(played.at(8.0625, 0, true), 0.0625);  // no new report: the clock carries it
  EXPECT_DOUBLE_EQ(played.at(9.0, 0, true), 0.1);        // a stalled device holds it a tenth on
  EXPECT_DOUBLE_EQ(played.at(9.0, 250000, true), 0.25);
  EXPECT_DOUBLE_EQ(played.at(9.0625, 250000, false), 0.25);  // paused: no run-on
  EXPECT_DOUBLE_EQ(played.at(9.125, 125000, true), 0.25);    // an earlier report: no step back
}

}  // namespace
}  // namespace tarveno
