// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "Sounds.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace pikora::media {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

std::size_t frames(double seconds)
{
    return std::size_t(seconds * kSampleRate);
}

// Scales to the given peak, fades the last few milliseconds to silence and converts.
std::vector<std::int16_t> finish(std::vector<double> wave, double peak)
{
    double loudest = 1e-9;
    for (const double v : wave) {
        loudest = std::max(loudest, std::abs(v));
    }
    const std::size_t fade = std::min(wave.size(), frames(0.02));
    std::vector<std::int16_t> samples(wave.size());
    for (std::size_t i = 0; i < wave.size(); ++i) {
        const std::size_t left = wave.size() - i;
        const double tail = left < fade ? double(left) / double(fade) : 1.0;
        samples[i] = std::int16_t(std::lround(wave[i] / loudest * peak * tail * 32767));
    }
    return samples;
}

// A band-pass filter (a biquad after the audio EQ cookbook), constant peak gain.
class BandPass
{
public:
    BandPass(double centre, double q)
    {
        const double w = kTwoPi * centre / kSampleRate;
        const double alpha = std::sin(w) / (2 * q);
        const double a0 = 1 + alpha;
        m_b0 = alpha / a0;
        m_b2 = -alpha / a0;
        m_a1 = -2 * std::cos(w) / a0;
        m_a2 = (1 - alpha) / a0;
    }

    double operator()(double x)
    {
        const double y = m_b0 * x + m_b2 * m_x2 - m_a1 * m_y1 - m_a2 * m_y2;
        m_x2 = m_x1;
        m_x1 = x;
        m_y2 = m_y1;
        m_y1 = y;
        return y;
    }

private:
    double m_b0, m_b2, m_a1, m_a2;
    double m_x1 = 0, m_x2 = 0, m_y1 = 0, m_y2 = 0;
};

// One struck bell-like note added into `wave` from `start` seconds.
void addBellNote(std::vector<double>& wave, double start, double frequency, double level)
{
    // Partials of a small bell: the slightly sharp second and third give the shine.
    const double partials[][2] = { { 1.0, 1.0 }, { 2.01, 0.35 }, { 2.76, 0.18 }, { 4.07, 0.08 } };
    const std::size_t first = frames(start);
    for (std::size_t i = first; i < wave.size(); ++i) {
        const double t = double(i - first) / kSampleRate;
        const double attack = std::min(1.0, t / 0.004);
        double v = 0;
        for (const auto& [ratio, gain] : partials) {
            v += gain * std::sin(kTwoPi * frequency * ratio * t) * std::exp(-t * 5 * ratio);
        }
        wave[i] += level * attack * v;
    }
}

} // namespace

Sound correctChime()
{
    // A rising major arpeggio, C6 E6 G6 C7, each note ringing on under the next.
    std::vector<double> wave(frames(0.75));
    const double notes[] = { 1046.5, 1318.5, 1568.0, 2093.0 };
    for (int n = 0; n < 4; ++n) {
        addBellNote(wave, 0.07 * n, notes[n], n == 3 ? 1.0 : 0.8);
    }
    return { 1, finish(std::move(wave), 0.7) };
}

Sound gentleBuzz()
{
    // A soft low tone sliding from 150 Hz to 115 Hz: harmonics that weaken quickly and a
    // slow wobble make it a buzz without harshness, still heard on small speakers.
    std::vector<double> wave(frames(0.45));
    double phase = 0;
    for (std::size_t i = 0; i < wave.size(); ++i) {
        const double t = double(i) / kSampleRate;
        phase += kTwoPi * (150 - 35 * t / 0.45) / kSampleRate;
        double v = 0;
        for (int h = 1; h <= 10; ++h) {
            v += std::sin(h * phase) / std::pow(h, 1.3);
        }
        const double envelope = std::min({ 1.0, t / 0.03, (0.45 - t) / 0.12 });
        const double wobble = 1 - 0.2 * (0.5 + 0.5 * std::sin(kTwoPi * 11 * t));
        wave[i] = v * envelope * wobble;
    }
    return { 1, finish(std::move(wave), 0.6) };
}

Sound applause()
{
    // Clappers, each with its own pace, hand sound (a noise burst through its own band-pass)
    // and place between the speakers; they join in quickly and stop one by one.
    constexpr double kLength = 3.5;
    constexpr int kClappers = 28;
    std::mt19937 random(20240611);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::vector<double> left(frames(kLength)), right(frames(kLength));
    for (int c = 0; c < kClappers; ++c) {
        BandPass hands(700 + 1900 * unit(random), 1.2 + 1.8 * unit(random));
        const double pace = 3.5 + 2.5 * unit(random);
        const double pan = unit(random);
        const double stop = 2.0 + 1.4 * unit(random);
        const double loudness = 0.5 + 0.5 * unit(random);
        double clap = 0.25 * unit(random);
        while (clap < stop) {
            const double decay = 0.005 + 0.007 * unit(random);
            const std::size_t first = frames(clap);
            for (std::size_t i = first; i < std::min(left.size(), first + frames(0.06)); ++i) {
                const double t = double(i - first) / kSampleRate;
                const double v = hands((2 * unit(random) - 1) * std::exp(-t / decay)) * loudness;
                left[i] += v * std::sqrt(1 - pan);
                right[i] += v * std::sqrt(pan);
            }
            clap += (1 + 0.25 * (2 * unit(random) - 1)) / pace;
        }
    }
    // Over the clappers' own coming and going: a quick swell, and a fade from two seconds on.
    std::vector<double> wave(left.size() * 2);
    for (std::size_t i = 0; i < left.size(); ++i) {
        const double t = double(i) / kSampleRate;
        const double envelope = std::min(1.0, t / 0.25) * (t < 2 ? 1 : 1 - 0.6 * (t - 2) / 1.5);
        wave[2 * i] = left[i] * envelope;
        wave[2 * i + 1] = right[i] * envelope;
    }
    return { 2, finish(std::move(wave), 0.85) };
}

} // namespace pikora::media
