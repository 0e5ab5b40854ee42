#pragma once
// Times a command and its floor alternately (command, floor, command, floor,
// ...) in one process on the same data, so that the machine's noise lands on
// both halves of each pair, and reports the median and the spread of the
// pairs' ratios. A pair sums many such turns.
#include <functional>
#include <vector>

namespace bench {

struct PairedResult {
  double command_seconds;  // one run, median of the pairs
  double floor_seconds;
  double ratio;            // median of the pairs' ratios
  double lowest, highest;  // of the pairs' ratios
  int pairs;
};

// A pair takes turns until each half took about sample_seconds (calibrated
// once on the command); pairs pairs in all.
PairedResult TimePaired(const std::function<void()>& command, const std::function<void()>& floor, int pairs,
                        double sample_seconds);

}  // namespace bench
