// Binds the plug-in's host table to this program's own exports, prints the
// host calls each command makes (from the call log), then runs the benchmarks.
#include <benchmark/benchmark.h>

#include <clocale>
#include <cstdio>

#include "Tagkeeper.h"
#include "bench_scenes.h"
#include "call_log.h"
#include "host_clipboard.h"
#include "host_table.h"
#include "plugin_library.h"
#include "plugin_object.h"

namespace {

size_t HostCallsOf(int index, int objects, const std::string& text) {
  testhost::Document doc;
  bench::SelectedObjects(doc, objects);
  testhost::PutClipboardText(text);
  testhost::Log().Clear();
  testhost::Log().enabled = true;
  dynamic_cast<Tagkeeper&>(*GetPluginClass()).Execute(index, doc.handle());
  testhost::Log().enabled = false;
  return testhost::Log().calls().size();
}

}  // namespace

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "C.UTF-8");
  if (!host::BindHostFunctions(testhost::OwnExecutablePath().c_str())) {
    std::fprintf(stderr, "cannot bind this program's host functions\n");
    return 1;
  }
  std::printf("host calls per command:\n");
  for (int objects : {1000, 10000, 100000}) {
    std::printf("  copy ObjectNames, %d targets: %zu\n", objects, HostCallsOf(0, objects, ""));
  }
  std::printf("  restore ObjectNames, 1000 targets, no clash: %zu\n", HostCallsOf(1, 1000, bench::FreshNames(1000)));
  std::printf("  restore ObjectNames, 1000 targets, every entry clashing: %zu\n",
              HostCallsOf(1, 1000, bench::ClashingNames(1000)));
  testhost::Log().Clear();
  testhost::Log().enabled = false;

  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
