// The shutter sound, synthesised: the release click of the shutter and, a
// moment later, the heavier clack of the mirror coming back. Each is a
// burst of bright noise with a short ring of the mechanism in it, dying
// away exponentially.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "app/Snapshot.h"

namespace quendal {

namespace {

struct Strike {
    double at;          // s after the start
    double level;       // of full scale, before normalising
    double noiseDecay;  // s, time constant of the noise burst
    double ring;        // Hz, the mechanism's ring
    double ringDecay;   // s
};

constexpr Strike kClick{0.0, 1.0, 0.004, 3200.0, 0.006};
constexpr Strike kClack{0.055, 0.8, 0.008, 1400.0, 0.012};
constexpr double kPeak = 0.7;      // of full scale
constexpr double kAttack = 0.0003;  // s, rise of each strike
constexpr double kFade = 0.005;     // s, fade at the end

// A fixed pseudo-random sequence, so that the sound is the same each time.
class Noise {
public:
    double next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return double(state_) / 2147483648.0 - 1.0;  // -1 .. 1
    }

private:
    uint32_t state_ = 0x9E3779B9u;
};

double strikeAt(const Strike& s, double t, double noise) {
    const double u = t - s.at;
    if (u < 0.0) return 0.0;
    const double rise = std::min(1.0, u / kAttack);
    const double burst = noise * std::exp(-u / s.noiseDecay);
    const double ring = 0.6 * std::sin(2.0 * std::numbers::pi * s.ring * u) * std::exp(-u / s.ringDecay);
    return s.level * rise * (burst + ring);
}

}  // namespace

std::vector<int16_t> ShutterSamples(int32_t sampleRate) {
    if (sampleRate <= 0) return {};
    const std::size_t count = std::size_t(std::lround(kShutterLength * sampleRate));
    std::vector<double> wave(count);
    Noise noise;
    double previous = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = double(i) / sampleRate;
        // First differences of the noise: brighter, with no slow drift.
        const double white = noise.next();
        const double bright = 0.5 * (white - previous);
        previous = white;
        double v = strikeAt(kClick, t, bright) + strikeAt(kClack, t, bright);
        const double left = kShutterLength - t;
        if (left < kFade) v *= std::max(0.0, left / kFade);
        wave[i] = v;
    }
    double peak = 0.0;
    for (double v : wave) peak = std::max(peak, std::abs(v));
    std::vector<int16_t> samples(count);
    const double gain = peak > 0.0 ? kPeak * 32767.0 / peak : 0.0;
    for (std::size_t i = 0; i < count; ++i) samples[i] = int16_t(std::lround(wave[i] * gain));
    return samples;
}

}  // namespace quendal
