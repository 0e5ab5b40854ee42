// Each command next to its floor, in the same stand-in host with its call log
// off. scripts/bench reports the ratio command time / floor time.
#include <benchmark/benchmark.h>

#include "Tagkeeper.h"
#include "bench_scenes.h"
#include "call_log.h"
#include "floor_loops.h"
#include "host_clipboard.h"
#include "name_list.h"
#include "plugin_object.h"

namespace {

Tagkeeper& Plugin() { return dynamic_cast<Tagkeeper&>(*GetPluginClass()); }

void CopyObjects(benchmark::State& state) {
  testhost::Document doc;
  bench::SelectedObjects(doc, static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(Plugin().Execute(0, doc.handle()));
}

void CopyObjectsFloor(benchmark::State& state) {
  testhost::Document doc;
  bench::SelectedObjects(doc, static_cast<int>(state.range(0)));
  for (auto _ : state) bench::CopyObjectsFloor(doc.handle());
}

// Restores 1,000 targets in a document of 1,000 objects.
void Restore(benchmark::State& state, const std::string& text) {
  testhost::Document doc;
  bench::SelectedObjects(doc, 1000);
  testhost::PutClipboardText(text);
  for (auto _ : state) benchmark::DoNotOptimize(Plugin().Execute(1, doc.handle()));
}

void RestoreFloor(benchmark::State& state, const bench::ClashScans& scans) {
  testhost::Document doc;
  bench::SelectedObjects(doc, 1000);
  for (auto _ : state) bench::RestoreObjectsFloor(doc.handle(), scans);
}

void RestoreNoClash(benchmark::State& state) { Restore(state, bench::FreshNames(1000)); }
void RestoreNoClashFloor(benchmark::State& state) {
  RestoreFloor(state, bench::ClashScans(1000, std::vector<int>{bench::kFree}));
}

void RestoreAllClash(benchmark::State& state) { Restore(state, bench::ClashingNames(1000)); }
void RestoreAllClashFloor(benchmark::State& state) {
  // Target k finds its entry held by target k - 1, then takes the next name.
  bench::ClashScans scans(1000);
  scans[0] = {bench::kFree};
  for (int k = 1; k < 1000; ++k) scans[k] = {k - 1, bench::kFree};
  RestoreFloor(state, scans);
}

const std::string& OneMegabyte() {
  static const std::string text = bench::TextOfSize(1 << 20);
  return text;
}

void ParseText(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ParseNameList(OneMegabyte()));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(OneMegabyte().size()));
}

void ParseTextFloor(benchmark::State& state) {
  const NameList lines = ParseNameList(OneMegabyte());
  for (auto _ : state) bench::ParseFloor(lines);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(OneMegabyte().size()));
}

}  // namespace

BENCHMARK(CopyObjects)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(CopyObjectsFloor)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(RestoreNoClash)->Unit(benchmark::kMillisecond);
BENCHMARK(RestoreNoClashFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(RestoreAllClash)->Unit(benchmark::kMillisecond);
BENCHMARK(RestoreAllClashFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(ParseText)->Unit(benchmark::kMillisecond);
BENCHMARK(ParseTextFloor)->Unit(benchmark::kMillisecond);
