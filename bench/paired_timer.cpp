#include "paired_timer.h"

#include <algorithm>
#include <chrono>

namespace bench {

namespace {

double Seconds(const std::function<void()>& function, int repetitions) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < repetitions; ++i) function();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

PairedResult TimePaired(const std::function<void()>& command, const std::function<void()>& floor, int pairs,
                        double sample_seconds) {
  // Warm both up, and find how many runs make a sample.
  const double once = Seconds(command, 1);
  Seconds(floor, 1);
  const int repetitions = std::max(1, static_cast<int>(sample_seconds / std::max(once, 1e-9)));
  std::vector<double> commands, floors, ratios;
  for (int pair = 0; pair < pairs; ++pair) {
    const double command_time = Seconds(command, repetitions) / repetitions;
    const double floor_time = Seconds(floor, repetitions) / repetitions;
    commands.push_back(command_time);
    floors.push_back(floor_time);
    ratios.push_back(command_time / floor_time);
  }
  return {Median(commands), Median(floors), Median(ratios), *std::min_element(ratios.begin(), ratios.end()),
          *std::max_element(ratios.begin(), ratios.end()), pairs};
}

}  // namespace bench
