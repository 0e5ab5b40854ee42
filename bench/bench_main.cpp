// tagkeeper-bench: each command next to its floor, timed in pairs. The
// program is a stand-in host: it loads the plug-in library as a host does and
// runs the commands through MQModifySelect; the floors make the same host
// calls through its own bound table. Parsing runs in-process.
//   tagkeeper-bench [--plugin PATH] [--pairs-scale X] [--sample-scale X] [--only TEXT]
// (--plugin: another build of the plug-in, to compare builds on one machine.)
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bench_rows.h"
#include "call_log.h"
#include "host_table.h"
#include "host_version.h"
#include "paired_timer.h"
#include "plugin_library.h"

namespace {

std::string Duration(double seconds) {
  char text[32];
  std::snprintf(text, sizeof text, seconds >= 1e-3 ? "%.2f ms" : "%.1f us", seconds * (seconds >= 1e-3 ? 1e3 : 1e6));
  return text;
}

// The host calls of one run of function, counted, and its name reads.
size_t Tally(const std::function<void()>& function, size_t* name_reads = nullptr) {
  auto& log = testhost::Log();
  log.ClearTallies();
  log.tallying = true;
  function();
  log.tallying = false;
  if (name_reads) *name_reads = log.Tallied("MQObj_GetName") + log.Tallied("MQMat_GetName");
  return log.Tallied();
}

}  // namespace

int main(int argc, char** argv) {
  double pairs_scale = 1, sample_scale = 1;
  std::string only, library = TAGKEEPER_LIBRARY;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--pairs-scale") == 0) pairs_scale = std::atof(argv[i + 1]);
    if (std::strcmp(argv[i], "--sample-scale") == 0) sample_scale = std::atof(argv[i + 1]);
    if (std::strcmp(argv[i], "--only") == 0) only = argv[i + 1];
    if (std::strcmp(argv[i], "--plugin") == 0) library = argv[i + 1];
  }
#if !defined(_WIN32)
  std::setlocale(LC_ALL, "C.UTF-8");  // a host that set its locale; on Windows the runtime's "C" locale
#endif
  const std::string self = testhost::OwnExecutablePath();
  testhost::PluginLibrary plugin;
  if (!plugin.Load(library) || !plugin.exports().MQCheckVersion(kOldestHostVersion) ||
      !plugin.exports().MQInit(self.c_str()) || !host::BindHostFunctions(self.c_str())) {
    std::fprintf(stderr, "cannot load and bind %s: %s\n", library.c_str(), plugin.error().c_str());
    return 1;
  }
  testhost::Log().enabled = false;

  std::printf("%-56s %12s %10s %10s %10s  %s\n", "command", "host calls", "time", "floor", "ratio", "pairs (low-high)");
  bool same_calls = true;
  for (const bench::Row& row : bench::Rows(plugin.exports())) {
    if (!only.empty() && row.label.find(only) == std::string::npos) continue;
    std::function<void()> command, floor;
    row.prepare(command, floor);
    std::string calls = "-";
    if (row.host_calls) {
      size_t name_reads = 0;
      const size_t command_calls = Tally(command, &name_reads), floor_calls = Tally(floor);
      calls = std::to_string(command_calls);
      if (command_calls != floor_calls) {
        std::printf("  %s: %zu host calls, its floor %zu\n", row.label.c_str(), command_calls, floor_calls);
        same_calls = false;
      }
      std::printf("%-56s name reads %zu\n", row.label.c_str(), name_reads);
    }
    const int pairs = std::max(3, static_cast<int>(row.pairs * pairs_scale));
    const bench::PairedResult result = bench::TimePaired(command, floor, pairs, row.sample * sample_scale);
    std::printf("%-56s %12s %10s %10s %10.2f  %d (%.2f-%.2f)%s\n", row.label.c_str(), calls.c_str(),
                Duration(result.command_seconds).c_str(), Duration(result.floor_seconds).c_str(), result.ratio,
                result.pairs, result.lowest, result.highest,
                row.target > 0 && result.ratio > row.target ? "  over its target" : "");
    std::fflush(stdout);
  }
  if (!same_calls) std::printf("a command's host calls differ from its floor's\n");
  return same_calls ? 0 : 1;
}
