// The monkey's one source of chance, so that a seed repeats a run's choices.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

class Dice {
 public:
  explicit Dice(std::uint64_t seed) : engine_(seed) {}

  // 0 .. n-1 (0 when n is 0).
  int Below(int n) {
    if (n <= 1) return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(engine_);
  }
  int Between(int low, int high) { return low + Below(high - low + 1); }
  bool Chance(double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_) < p; }
  template <typename T>
  const T& Pick(const std::vector<T>& items) {
    return items[static_cast<std::size_t>(Below(static_cast<int>(items.size())))];
  }
  // Index into weights, chosen in proportion to them.
  int Weighted(const std::vector<int>& weights) {
    return std::discrete_distribution<int>(weights.begin(), weights.end())(engine_);
  }

 private:
  std::mt19937_64 engine_;
};
