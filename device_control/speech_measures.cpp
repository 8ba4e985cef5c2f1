#include "device_control/speech_measures.h"

#include <algorithm>
#include <cmath>

namespace lectavo {
namespace {

constexpr double kWindowSeconds = 0.01;

std::vector<double> Envelope(const Samples& samples) {
  const auto window = static_cast<std::size_t>(samples.rate * kWindowSeconds);
  std::vector<double> envelope;
  for (std::size_t at = 0; window > 0 && at + window <= samples.values.size(); at += window) {
    double energy = 0;
    for (std::size_t i = at; i < at + window; ++i) {
      energy += double(samples.values[i]) * double(samples.values[i]);
    }
    envelope.push_back(std::sqrt(energy / double(window)));
  }
  return envelope;
}

// Pearson's r of a against b shifted by shift windows, over the part they share.
double Correlation(const std::vector<double>& a, const std::vector<double>& b, int shift) {
  double sa = 0, sb = 0, saa = 0, sbb = 0, sab = 0;
  int n = 0;
  for (int i = 0; i < static_cast<int>(a.size()); ++i) {
    const int j = i + shift;
    if (j < 0 || j >= static_cast<int>(b.size())) continue;
    sa += a[i];
    sb += b[j];
    saa += a[i] * a[i];
    sbb += b[j] * b[j];
    sab += a[i] * b[j];
    ++n;
  }
  if (n < 2) return 0;
  const double cov = sab - sa * sb / n;
  const double va = saa - sa * sa / n;
  const double vb = sbb - sb * sb / n;
  return va > 0 && vb > 0 ? cov / std::sqrt(va * vb) : 0;
}

// The first and the past-the-last sample of the sounding windows; first >= last for silence.
std::pair<std::size_t, std::size_t> SoundingSpan(const Samples& samples) {
  const auto window = static_cast<std::size_t>(std::max(1.0, samples.rate * kWindowSeconds));
  std::size_t first = samples.values.size();
  std::size_t last = 0;
  for (std::size_t at = 0; at + window <= samples.values.size(); at += window) {
    if (LevelDb(&samples.values[at], window) > kSoundingDb) {
      first = std::min(first, at);
      last = at + window;
    }
  }
  return {first, last};
}

}  // namespace

Samples Sounding(const Samples& samples) {
  const auto [first, last] = SoundingSpan(samples);
  if (first >= last) return {{}, samples.rate};
  return {std::vector<std::int16_t>(samples.values.begin() + first, samples.values.begin() + last),
          samples.rate};
}

double SoundBeginsSeconds(const Samples& samples) {
  const auto [first, last] = SoundingSpan(samples);
  return first < last ? double(first) / samples.rate : -1;
}

double SoundEndsSeconds(const Samples& samples) {
  const auto [first, last] = SoundingSpan(samples);
  return first < last ? double(last) / samples.rate : -1;
}

double RmsDb(const Samples& samples) {
  return LevelDb(samples.values.data(), samples.values.size());
}

double MedianFundamental(const Samples& samples) {
  const auto frame = static_cast<std::size_t>(samples.rate * 0.04);
  const auto hop = static_cast<std::size_t>(samples.rate * kWindowSeconds);
  const int shortestLag = samples.rate / 500;
  const int longestLag = samples.rate / 60;
  std::vector<double> found;
  for (std::size_t at = 0; hop > 0 && at + frame + longestLag + 1 < samples.values.size();
       at += hop) {
    if (LevelDb(&samples.values[at], frame) < kSoundingDb + 10) continue;
    const auto value = [&](std::size_t i) { return double(samples.values[at + i]); };
    double energy = 0;
    for (std::size_t i = 0; i < frame; ++i) energy += value(i) * value(i);
    std::vector<double> r(longestLag + 2, 0.0);
    for (int lag = shortestLag; lag <= longestLag + 1; ++lag) {
      double sum = 0, shifted = 0;
      for (std::size_t i = 0; i < frame; ++i) {
        sum += value(i) * value(i + lag);
        shifted += value(i + lag) * value(i + lag);
      }
      r[lag] = sum / std::sqrt(energy * shifted + 1e-9);
    }
    const double best = *std::max_element(r.begin(), r.end());
    // The first peak nearly as strong as the strongest: a period, not a multiple of it.
    int bestLag = 0;
    for (int lag = shortestLag + 1; lag <= longestLag && bestLag == 0; ++lag) {
      if (r[lag] >= 0.9 * best && r[lag] >= r[lag - 1] && r[lag] >= r[lag + 1]) bestLag = lag;
    }
    if (bestLag == 0) continue;
    if (best > 0.6) found.push_back(double(samples.rate) / bestLag);
  }
  if (found.empty()) return 0;
  std::nth_element(found.begin(), found.begin() + found.size() / 2, found.end());
  return found[found.size() / 2];
}

double EnvelopeMatch(const Samples& one, const Samples& other) {
  const std::vector<double> a = Envelope(Sounding(one));
  const std::vector<double> b = Envelope(Sounding(other));
  const int reach = static_cast<int>(0.2 / kWindowSeconds);
  double best = -1;
  for (int shift = -reach; shift <= reach; ++shift) best = std::max(best, Correlation(a, b, shift));
  return best;
}

}  // namespace lectavo
