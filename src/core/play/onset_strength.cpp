#include "core/play/onset_strength.h"

#include <aubio/aubio.h>

#include <algorithm>
#include <memory>

namespace tarveno {

namespace {

constexpr int kAverageSpan = kMixRate / 2 / OnsetStrength::kHop;  // values in the local average

std::vector<float> monoMix(const MusicPcm& music) {
  const auto frames = static_cast<size_t>(music.frames());
  std::vector<float> mono(frames);
  for (size_t i = 0; i < frames; ++i) {
    const int sum = music.samples[2 * i] + music.samples[2 * i + 1];
    mono[i] = static_cast<float>(sum) / 65536.0f;
  }
  return mono;
}

template <class T, void (*Delete)(T*)>
using Owned = std::unique_ptr<T, decltype([](T* p) { Delete(p); })>;

// The rise of each window's spectral energy over the previous window's. Energy rather than the
// flux of every frequency: a drum on the beat moves much energy in a few low frequencies, while
// hats between the beats move little energy spread over many, and the beat must win. The
// windows are taken by hand rather than through aubio's phase vocoder, which also works out
// every frequency's phase: nothing here needs it, and it would cost more than all the rest.
std::vector<float> energyRise(const std::vector<float>& mono) {
  constexpr int window = OnsetStrength::kWindow, hop = OnsetStrength::kHop;
  const size_t count = mono.size() / hop;
  std::vector<float> rise(count, 0.0f);
  char taper[] = "hanningz";
  Owned<aubio_fft_t, del_aubio_fft> fft(new_aubio_fft(window));
  Owned<aubio_specdesc_t, del_aubio_specdesc> describe(new_aubio_specdesc("energy", window));
  Owned<fvec_t, del_fvec> weights(new_aubio_window(taper, window));
  Owned<fvec_t, del_fvec> frame(new_fvec(window)), complex(new_fvec(window)), out(new_fvec(1));
  Owned<cvec_t, del_cvec> spectrum(new_cvec(window));
  if (!fft || !describe || !weights || !frame || !complex || !out || !spectrum) return rise;
  float previous = 0;
  for (size_t i = 0; i < count; ++i) {
    // The window ends with this hop's last sample; before the music starts it is silent.
    const auto end = static_cast<ptrdiff_t>((i + 1) * hop);
    for (ptrdiff_t j = 0; j < window; ++j) {
      const ptrdiff_t at = end - window + j;
      frame->data[j] = at < 0 ? 0.0f : mono[static_cast<size_t>(at)];
    }
    fvec_weight(frame.get(), weights.get());
    aubio_fft_do_complex(fft.get(), frame.get(), complex.get());
    aubio_fft_get_norm(complex.get(), spectrum.get());
    aubio_specdesc_do(describe.get(), spectrum.get(), out.get());
    const auto energy = static_cast<float>(out->data[0]);
    rise[i] = i == 0 ? 0.0f : std::max(0.0f, energy - previous);
    previous = energy;
  }
  return rise;
}

// Each value less the average of the values around it, kept when positive.
std::vector<float> aboveLocalAverage(const std::vector<float>& rise) {
  const auto n = static_cast<ptrdiff_t>(rise.size());
  std::vector<double> prefix(rise.size() + 1, 0.0);
  for (ptrdiff_t i = 0; i < n; ++i) prefix[i + 1] = prefix[i] + rise[i];
  std::vector<float> result(rise.size());
  for (ptrdiff_t i = 0; i < n; ++i) {
    const ptrdiff_t low = std::max<ptrdiff_t>(0, i - kAverageSpan / 2);
    const ptrdiff_t high = std::min(n, i + kAverageSpan / 2 + 1);
    const double average = (prefix[high] - prefix[low]) / static_cast<double>(high - low);
    result[i] = static_cast<float>(std::max(0.0, rise[i] - average));
  }
  return result;
}

}  // namespace

// The window ends at the last sample given, so value i covers the samples up to
// (i + 1) * hop. A sudden sound adds most to the rise as it crosses the window's middle,
// where the taper weighs it most: the value stands for the sample half a window earlier.
double OnsetStrength::sampleOf(double index) {
  return (index + 1) * kHop - kWindow / 2.0;
}

double OnsetStrength::indexOf(double sample) {
  return (sample + kWindow / 2.0) / kHop - 1;
}

OnsetStrength onsetStrength(const MusicPcm& music) {
  OnsetStrength strength;
  strength.mono = monoMix(music);
  strength.values = aboveLocalAverage(energyRise(strength.mono));
  return strength;
}

}  // namespace tarveno
