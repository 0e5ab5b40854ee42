#pragma once
// The benchmark's rows: each command next to its floor.
#include <functional>
#include <string>
#include <vector>

#include "plugin_library.h"

namespace bench {

struct Row {
  std::string label;
  // Prepares the row's data and returns the command and its floor, which run
  // on that data, as often as asked.
  std::function<void(std::function<void()>& command, std::function<void()>& floor)> prepare;
  double target;   // the highest paired median the ratio may have; 0 for none
  int pairs;       // pairs to time
  double sample;   // seconds each half of a pair takes, about
  bool host_calls = true;  // whether the command's host calls are counted
};

std::vector<Row> Rows(const testhost::PluginExports& plugin);

}  // namespace bench
