#include "paired_timer.h"

#include <algorithm>
#include <chrono>

namespace bench {

namespace {

double Seconds(const std::function<void()>& function) {
  const auto start = std::chrono::steady_clock::now();
  function();
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
  const double once = Seconds(command);
  Seconds(floor);
  const int repetitions = std::max(1, static_cast<int>(sample_seconds / std::max(once, 1e-9)));
  std::vector<double> commands, floors, ratios;
  for (int pair = 0; pair < pairs; ++pair) {
    // The two halves take turns run by run, so that what disturbs the machine
    // for longer than a run falls on both.
    double command_time = 0, floor_time = 0;
    for (int run = 0; run < repetitions; ++run) {
      command_time += Seconds(command);
      floor_time += Seconds(floor);
    }
    command_time /= repetitions;
    floor_time /= repetitions;
    commands.push_back(command_time);
    floors.push_back(floor_time);
    ratios.push_back(command_time / floor_time);
  }
  return {Median(commands), Median(floors), Median(ratios), *std::min_element(ratios.begin(), ratios.end()),
          *std::max_element(ratios.begin(), ratios.end()), pairs};
}

}  // namespace bench
